// The text TYP reader: one pass over the lines, header sections kept as text, each object section
// turned into one TGarminObject. Numbers inside colour lines and pixel rows sit at fixed positions.
#include "model/text_format.h"

#include <cstddef>
#include <cstring>
#include <limits>
#include <memory>

namespace velmora {

namespace {

constexpr char EndOfInput = '\x1A';

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

std::string_view TrimLeft(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    return s.substr(i);
}

std::string_view Trim(std::string_view s) {
    s = TrimLeft(s);
    size_t n = s.size();
    while (n > 0 && IsBlank(s[n - 1]))
        --n;
    return s.substr(0, n);
}

bool IsComment(std::string_view line) {
    return !line.empty() && line[0] == ';';
}

// Compares the first characters of line with a lower-case literal, ignoring the letter case of
// the line; a line shorter than the literal never matches.
bool HasPrefix(std::string_view line, std::string_view lowerLiteral) {
    if (line.size() < lowerLiteral.size()) return false;
    for (size_t i = 0; i < lowerLiteral.size(); ++i)
        if (LowerAscii(line[i]) != lowerLiteral[i]) return false;
    return true;
}

// The character at a zero-based index; past the end of the line it is 0.
char CharAt(std::string_view s, size_t index) {
    return index < s.size() ? s[index] : '\0';
}

// Up to count characters from a zero-based index, cut at the end of the line.
std::string_view Copy(std::string_view s, size_t index, size_t count) {
    return index < s.size() ? s.substr(index, count) : std::string_view();
}

// The text after the first occurrence of c; without one the whole text, as if c stood before it.
std::string_view After(std::string_view s, char c) {
    size_t p = s.find(c);
    return p == std::string_view::npos ? s : s.substr(p + 1);
}

// Lines end at CR (an LF right after it belongs to the same line end) and at a lone LF;
// a character with code 26 ends the input. The last line needs no line end.
class LineReader {
  public:
    explicit LineReader(std::string_view bytes) : Text(bytes.substr(0, bytes.find(EndOfInput))) {}

    bool AtEnd() const { return Position >= Text.size(); }

    // The next line; at the end of the input an empty one.
    std::string_view Next() {
        const size_t start = Position;
        const char* data = Text.data();
        const size_t size = Text.size();
        size_t i = start;
        while (i < size && data[i] != '\r' && data[i] != '\n')
            ++i;
        std::string_view line(data + start, i - start);
        if (i < size) {
            if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') ++i;
            ++i;
        }
        Position = i;
        return line;
    }

  private:
    std::string_view Text;
    size_t Position = 0;
};

// The reader's working state for one file.
struct Reader {
    LineReader In;
    TypDocument& Doc;
    std::vector<DayBlockReport>& DayBlocks;
    std::string ColourLine; // reused, so colour lines cost no allocation each

    void ReadFile();
    void ReadHeaderSection(std::string_view firstLine, bool endWithEmptyLine);
    void ReadObject(std::string_view sectionLine);
    std::string_view ApplyKey(std::string_view line, TGarminObject& object, bool& hasDayBlock,
                              TXpmHeader& dayBlock);
    std::string_view ReadBitmapBlock(std::string_view headerLine, int variant, TGarminObject& object);
    std::string_view ReadColourLines(int variant, TGarminObject& object, int count, std::string_view line);
    std::string_view ReadPixelRows(int variant, TGarminObject& object, const TXpmHeader& header,
                                   std::string_view line);
    void ReadColourLine(std::string_view line, TColourEntry& entry);
};

void Reader::ReadFile() {
    while (!In.AtEnd()) {
        std::string_view line = TrimLeft(In.Next());
        if (line.empty() || IsComment(line)) continue;
        if (HasPrefix(line, "[_id]"))
            ReadHeaderSection(line, true);
        else if (HasPrefix(line, "[_draworder]"))
            ReadHeaderSection(line, false);
        else if (HasPrefix(line, "[_point]") || HasPrefix(line, "[_line]") || HasPrefix(line, "[_polygon]"))
            ReadObject(line);
    }
}

// Header sections are kept line by line, leading blanks removed and trailing ones kept.
void Reader::ReadHeaderSection(std::string_view firstLine, bool endWithEmptyLine) {
    Doc.HeaderLines.emplace_back(firstLine);
    while (!In.AtEnd()) {
        std::string_view line = TrimLeft(In.Next());
        if (line.empty() || IsComment(line)) continue;
        Doc.HeaderLines.emplace_back(line);
        if (HasPrefix(line, "[end]")) break;
    }
    if (endWithEmptyLine) Doc.HeaderLines.emplace_back();
}

uint8_t KindOfSection(std::string_view sectionLine) {
    if (HasPrefix(sectionLine, "[_point]")) return KindPoint;
    if (HasPrefix(sectionLine, "[_line]")) return KindLine;
    return KindPolygon;
}

void Reader::ReadObject(std::string_view sectionLine) {
    // The object belongs to no list until its section is complete; a conversion error drops it.
    auto object = std::make_unique<TGarminObject>();
    Doc.CurrentObject = object.get();
    object->Kind = KindOfSection(sectionLine);
    bool hasDayBlock = false;
    TXpmHeader dayBlock;
    for (;;) {
        std::string_view line = Trim(In.Next());
        if (!line.empty() && !IsComment(line)) line = ApplyKey(line, *object, hasDayBlock, dayBlock);
        // The line tested here may be the last one that a bitmap block consumed.
        if (In.AtEnd() || HasPrefix(line, "[end]")) break;
    }
    TGarminObject* appended = object.get();
    Doc.List(appended->Kind).push_back(std::move(object));
    if (hasDayBlock) DayBlocks.push_back({appended, dayBlock});
}

// Acts on one key line and gives back the last line read, which differs from the key line when a
// bitmap block was read.
std::string_view Reader::ApplyKey(std::string_view line, TGarminObject& object, bool& hasDayBlock,
                                  TXpmHeader& dayBlock) {
    if (HasPrefix(line, "type")) {
        if (line.find('x') != std::string_view::npos)
            object.TypeCode = static_cast<uint32_t>(ParseHex(After(line, 'x')));
        else
            object.TypeCode = static_cast<uint32_t>(StrToInt(After(line, '=')));
    } else if (HasPrefix(line, "subtype")) {
        const bool hasX = line.find('x') != std::string_view::npos;
        object.SubTypeCode = static_cast<uint32_t>(ParseHex(After(line, hasX ? 'x' : '=')));
    } else if (HasPrefix(line, "useorientation")) {
        const char flag = CharAt(After(line, '='), 0);
        object.UseOrientation = flag == 'y' || flag == 'Y' ? 1 : 0;
    } else if (HasPrefix(line, "string")) {
        // The text after the first "=": the ninth character on for "string1=", and the whole
        // label for the widely used "String=" without a digit.
        object.Labels.emplace_back(After(line, '='));
    } else if (HasPrefix(line, "linewidth")) {
        object.LineWidth = static_cast<uint8_t>(StrToInt(After(line, '=')));
    } else if (HasPrefix(line, "borderwidth")) {
        object.BorderWidth = static_cast<uint8_t>(StrToInt(After(line, '=')));
    } else {
        if (HasPrefix(line, "dayxpm") || HasPrefix(line, "xpm")) {
            line = ReadBitmapBlock(line, Day, object);
            hasDayBlock = true;
            dayBlock = object.XpmHeader[Day];
        }
        if (HasPrefix(line, "nightxpm")) line = ReadBitmapBlock(line, Night, object);
    }
    return line;
}

std::string_view Reader::ReadBitmapBlock(std::string_view headerLine, int variant, TGarminObject& object) {
    TXpmHeader& header = object.XpmHeader[variant];
    ParseXpmHeader(headerLine, header);
    std::string_view last = headerLine;
    if (header.ColourCount > 0) {
        object.Colours[variant].assign(header.ColourCount, TColourEntry{});
        last = ReadColourLines(variant, object, header.ColourCount, last);
    }
    object.Pixels[variant].assign(header.Height, std::string(header.Width, '\0'));
    if (header.Height > 0) last = ReadPixelRows(variant, object, header, last);
    return last;
}

// Reads colour lines until count of them have been read or the input ends; comments and empty
// lines between them do not count. Gives back the last line read (line when none was).
std::string_view Reader::ReadColourLines(int variant, TGarminObject& object, int count,
                                         std::string_view line) {
    int read = 0;
    while (read < count && !In.AtEnd()) {
        line = Trim(In.Next());
        if (line.empty() || IsComment(line)) continue;
        ReadColourLine(line, object.Colours[variant][read]);
        ++read;
    }
    return line;
}

void Reader::ReadColourLine(std::string_view line, TColourEntry& entry) {
    entry.Red = entry.Green = entry.Blue = 255;
    // The code is set aside before the colour key is sought, so a code "c" is not taken for it.
    entry.Code = CharAt(line, 1);
    ColourLine.assign(line.substr(0, 1));
    if (line.size() > 3) ColourLine.append(line.substr(3));
    const std::string_view rest = ColourLine;

    const size_t keyIndex = rest.find('c');
    // Positions counted from 1, with a missing key at position 0.
    const size_t k = keyIndex == std::string_view::npos ? 0 : keyIndex + 1;
    for (size_t p = k + 1; p + 4 <= rest.size(); ++p) {
        if (HasPrefix(rest.substr(p - 1), "none")) {
            entry.TransparentMark = TransparentMarkNone;
            return;
        }
    }
    // "c #RRGGBB" puts the digits right after the "#" either way; more blanks before the "#" (as
    // some compilers write them) would shift the fixed positions into the blanks.
    const size_t hash = rest.find('#', k);
    const size_t redIndex = hash != std::string_view::npos ? hash + 1 : k + 2;
    entry.Red = ParseHex(Copy(rest, redIndex, 2));
    entry.Green = ParseHex(Copy(rest, redIndex + 2, 2));
    entry.Blue = ParseHex(Copy(rest, redIndex + 4, 2));
}

// Reads pixel rows until the header's height of them have been read or the input ends. The
// reader keeps the first character of each pixel's code; widths other than two read like one.
std::string_view Reader::ReadPixelRows(int variant, TGarminObject& object, const TXpmHeader& header,
                                       std::string_view line) {
    int row = 0;
    const size_t width = header.Width;
    while (row < header.Height && !In.AtEnd()) {
        line = Trim(In.Next());
        if (line.empty() || IsComment(line)) continue;
        std::string& pixels = object.Pixels[variant][row];
        if (header.CharsPerPixel == 2) {
            for (size_t x = 1; x <= width; ++x)
                pixels[x - 1] = CharAt(line, 2 * x - 1);
        } else if (line.size() > width) {
            std::memcpy(pixels.data(), line.data() + 1, width);
        } else {
            for (size_t x = 1; x <= width; ++x)
                pixels[x - 1] = CharAt(line, x);
        }
        ++row;
    }
    return line;
}

// Takes an integer off the front of the XPM header text up to the first space (or all of it
// when there is none) and removes the text through that space.
uint8_t TakeHeaderNumber(std::string_view& text) {
    const size_t space = text.find(' ');
    if (space == std::string_view::npos) return static_cast<uint8_t>(StrToInt(text));
    const uint8_t value = static_cast<uint8_t>(StrToInt(text.substr(0, space)));
    text.remove_prefix(space + 1);
    return value;
}

bool IsInList(const ObjectList& list, const TGarminObject* object) {
    for (const auto& entry : list)
        if (entry.get() == object) return true;
    return false;
}

bool IsInDocument(const TypDocument& doc, const TGarminObject* object) {
    return IsInList(doc.PointList, object) || IsInList(doc.LineList, object) ||
           IsInList(doc.PolygonList, object);
}

void GiveQuadrats(const std::vector<DayBlockReport>& dayBlocks) {
    for (const DayBlockReport& report : dayBlocks)
        report.Object->Quadrat =
            TQuadrat::Create(report.Header.Width, report.Header.Height, report.Header.ColourCount);
}

} // namespace

int32_t StrToInt(std::string_view text) {
    auto fail = [text]() -> ConversionError {
        return ConversionError("'" + std::string(text) + "' is not a valid integer value");
    };
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    unsigned base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) throw fail();
    const uint64_t limit = negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
    uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = LowerAscii(text[i]);
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else
            throw fail();
        value = value * base + digit;
        if (value > limit) throw fail();
    }
    return negative ? static_cast<int32_t>(-static_cast<int64_t>(value)) : static_cast<int32_t>(value);
}

int32_t ParseHex(std::string_view text) {
    if (text.size() > 6) return 0;
    int32_t value = 0;
    for (char c : text) {
        const int code = static_cast<unsigned char>(LowerAscii(c));
        // Characters outside 0-9 and a-f are not rejected: they give their computed digit value.
        value = value * 16 + (code >= 64 ? code - 87 : code - 48);
    }
    return value;
}

void ParseXpmHeader(std::string_view line, TXpmHeader& header) {
    std::string_view text = After(line, '"');
    text = TrimLeft(text.substr(0, text.find('"')));
    header.Width = TakeHeaderNumber(text);
    header.Height = TakeHeaderNumber(text);
    header.ColourCount = TakeHeaderNumber(text);
    header.CharsPerPixel = static_cast<uint8_t>(StrToInt(text));
}

void ReadTextTyp(std::string_view bytes, TypDocument& doc, std::vector<DayBlockReport>& dayBlocks) {
    Reader reader{LineReader(bytes), doc, dayBlocks, {}};
    try {
        reader.ReadFile();
    } catch (...) {
        doc.CurrentObject = nullptr;
        throw;
    }
    if (doc.CurrentObject && !IsInDocument(doc, doc.CurrentObject)) doc.CurrentObject = nullptr;
}

void LoadTextTypDocument(std::string_view bytes, TypDocument& doc) {
    doc.Clear();
    doc.TypFormatMark = 0;
    doc.Modified = false;
    std::vector<DayBlockReport> dayBlocks;
    try {
        ReadTextTyp(bytes, doc, dayBlocks);
    } catch (const ConversionError&) {
        GiveQuadrats(dayBlocks);
        throw;
    }
    GiveQuadrats(dayBlocks);
}

} // namespace velmora
