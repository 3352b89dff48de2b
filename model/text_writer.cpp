// The text TYP writer: a straight walk over the header lines and the three object lists.
#include "model/text_format.h"
#include "model/texts1251.h"

#include <algorithm>
#include <charconv>

namespace velmora {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view AuthorCredit = "the Velmora developers";

// Builds the text of one file; every line ends with CR LF.
class TextOut {
  public:
    explicit TextOut(size_t expectedSize) { Text.reserve(expectedSize); }

    TextOut& operator<<(std::string_view s) {
        Text.append(s);
        return *this;
    }
    TextOut& operator<<(char c) {
        Text.push_back(c);
        return *this;
    }
    void EndLine() { Text.append(LineEnd); }
    void Line(std::string_view s) {
        Text.append(s);
        Text.append(LineEnd);
    }

    // Upper-case hexadecimal with at least two digits; a negative component comes out as its
    // 32-bit two's complement.
    TextOut& Hex2(uint32_t n) {
        char digits[8];
        auto end = std::to_chars(digits, digits + sizeof digits, n, 16).ptr;
        if (end - digits < 2) Text.push_back('0');
        for (char* c = digits; c != end; ++c)
            Text.push_back(*c >= 'a' ? static_cast<char>(*c - 32) : *c);
        return *this;
    }
    TextOut& Dec(unsigned n) {
        char digits[10];
        auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
        Text.append(digits, end);
        return *this;
    }

    std::string Text;
};

void WriteLabels(TextOut& out, const TGarminObject& object) {
    const size_t count = std::min<size_t>(object.Labels.size(), 4);
    for (size_t i = 0; i < count; ++i) {
        // An empty label keeps its number, so the written numbers can have gaps.
        if (object.Labels[i].empty()) continue;
        out << "string";
        out.Dec(static_cast<unsigned>(i + 1)) << '=' << object.Labels[i];
        out.EndLine();
    }
}

void WriteColourLine(TextOut& out, const TColourEntry& entry, unsigned charsPerPixel) {
    out << '"' << entry.Code;
    if (charsPerPixel == 2) out << entry.Code;
    if (entry.IsTransparent()) {
        out << " c none\"";
    } else {
        out << " c #";
        out.Hex2(static_cast<uint32_t>(entry.Red)).Hex2(static_cast<uint32_t>(entry.Green));
        out.Hex2(static_cast<uint32_t>(entry.Blue)) << '"';
    }
    out.EndLine();
}

// With two characters per pixel each code is written twice; any other count writes it once, as
// the colour lines do, which is how the reader takes such rows back.
void WritePixelRow(TextOut& out, const std::string* row, size_t width, bool doubled) {
    out << '"';
    for (size_t x = 0; x < width; ++x) {
        const char code = row && x < row->size() ? (*row)[x] : '\0';
        out << code;
        if (doubled) out << code;
    }
    out << '"';
}

void WriteBitmapBlock(TextOut& out, const TGarminObject& object, int variant, std::string_view key) {
    const TXpmHeader& header = object.XpmHeader[variant];
    out << key << "=\"";
    out.Dec(header.Width) << ' ';
    out.Dec(header.Height) << ' ';
    out.Dec(header.ColourCount) << ' ';
    out.Dec(header.CharsPerPixel) << '"';
    out.EndLine();

    // A table or matrix smaller than its header (never made by the reader) reads as zeroed entries.
    const auto& colours = object.Colours[variant];
    for (size_t e = 0; e < header.ColourCount; ++e)
        WriteColourLine(out, e < colours.size() ? colours[e] : TColourEntry{}, header.CharsPerPixel);

    const auto& rows = object.Pixels[variant];
    for (size_t r = 0; r < header.Height; ++r) {
        WritePixelRow(out, r < rows.size() ? &rows[r] : nullptr, header.Width, header.CharsPerPixel == 2);
        if (r + 1 == header.Height) out << "};";
        out.EndLine();
    }
}

void WriteSectionEnd(TextOut& out) {
    out.Line("[end]");
    out.EndLine();
}

void WritePoint(TextOut& out, const TGarminObject& object, int32_t typFormatMark) {
    out.Line("[_point]");
    out << "Type=0x";
    out.Hex2(object.TypeCode).EndLine();
    // A compiled NT file folds the subtype of a large point type into TypeCode.
    if (!(typFormatMark == TypFormatNT && object.TypeCode >= 0x100)) {
        out << "SubType=0x";
        out.Hex2(object.SubTypeCode).EndLine();
    }
    WriteLabels(out, object);
    if (object.XpmHeader[Day].Width != 0) WriteBitmapBlock(out, object, Day, "DayXPM");
    if (object.XpmHeader[Night].Width != 0) WriteBitmapBlock(out, object, Night, "NightXPM");
    WriteSectionEnd(out);
}

void WriteLine(TextOut& out, const TGarminObject& object) {
    out.Line("[_line]");
    out << "Type=0x";
    out.Hex2(object.TypeCode).EndLine();
    if (object.UseOrientation > 0) out.Line("UseOrientation=Y");
    WriteLabels(out, object);
    if (object.XpmHeader[Day].Width == 0) {
        out << "LineWidth=";
        out.Dec(object.LineWidth).EndLine();
        out << "BorderWidth=";
        out.Dec(object.BorderWidth).EndLine();
    }
    WriteBitmapBlock(out, object, Day, "XPM");
    WriteSectionEnd(out);
}

void WritePolygon(TextOut& out, const TGarminObject& object) {
    out.Line("[_polygon]");
    out << "Type=0x";
    out.Hex2(object.TypeCode).EndLine();
    WriteLabels(out, object);
    WriteBitmapBlock(out, object, Day, "XPM");
    WriteSectionEnd(out);
}

// A rough size of the written text, so that the output is allocated once.
size_t ExpectedSize(const TypDocument& doc) {
    size_t size = 512;
    for (const auto& line : doc.HeaderLines)
        size += line.size() + 2;
    for (const ObjectList* list : {&doc.PointList, &doc.LineList, &doc.PolygonList})
        for (const auto& object : *list) {
            size += 96;
            for (const auto& label : object->Labels)
                size += label.size() + 12;
            for (const TXpmHeader& header : object->XpmHeader)
                size += 24 + header.ColourCount * 20u + header.Height * (header.Width * 2u + 6);
        }
    return size;
}

} // namespace

std::string WriteTextTyp(const TypDocument& doc, std::string_view dateTimeText) {
    TextOut out(ExpectedSize(doc));
    out << cp1251::HeadLineStart;
    out.Line(VersionText);
    out << ';';
    out.Line(dateTimeText);
    out << cp1251::AuthorLineStart;
    out.Line(AuthorCredit);
    out.EndLine();
    for (const std::string& line : doc.HeaderLines)
        out.Line(line);
    out.EndLine();
    for (const auto& object : doc.PointList)
        WritePoint(out, *object, doc.TypFormatMark);
    for (const auto& object : doc.LineList)
        WriteLine(out, *object);
    for (const auto& object : doc.PolygonList)
        WritePolygon(out, *object);
    return std::move(out.Text);
}

} // namespace velmora
