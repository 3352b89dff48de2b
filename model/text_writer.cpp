// The text TYP writer: a straight walk over the header lines and the three object lists.
#include "model/text_format.h"
#include "model/text_out.h"
#include "model/texts1251.h"
#include "model/utf8.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace velmora {

namespace {

constexpr std::string_view AuthorCredit = "the Velmora developers";

// The kept lines of one object as the writer meets them: the lines that stand at a place, sorted by
// the order in which the writer reaches their places, and the spellings of values, found by what
// they spell. Reused from object to object, so that it allocates only now and then.
class KeptLines {
  public:
    static constexpr uint64_t BeforeSectionKey = 0;
    static constexpr uint64_t AfterSectionKey = ~uint64_t{0};

    static constexpr uint64_t Key(KeptPlace place) { return static_cast<uint64_t>(place) + 1; }
    static constexpr uint64_t BlockKey(int variant, uint64_t within) {
        return (uint64_t{10} + static_cast<uint64_t>(variant) * 10) << 24 | within;
    }
    static constexpr uint64_t ColourKey(int variant, size_t index) { return BlockKey(variant, 1 + index); }
    static constexpr uint64_t RowKey(int variant, size_t index) { return BlockKey(variant, 0x10000 + index); }
    static constexpr uint64_t AfterBlockKey(int variant) { return BlockKey(variant, 0x20000); }

    void Take(const TGarminObject& object) {
        Positional.clear();
        Next = 0;
        Font = DayColour = NightColour = nullptr;
        HeaderTail = {};
        for (auto& list : Tails)
            list.clear();
        for (auto& list : Digits)
            list.clear();
        for (const TKeptLine& line : object.KeptLines) {
            const int variant = line.Variant == Night ? Night : Day;
            switch (line.Place) {
            case KeptPlace::FontSpelling:
                Font = &line;
                break;
            case KeptPlace::DayLabelColourSpelling:
                DayColour = &line;
                break;
            case KeptPlace::NightLabelColourSpelling:
                NightColour = &line;
                break;
            case KeptPlace::XpmHeaderTail:
                HeaderTail[size_t(variant)] = &line;
                break;
            case KeptPlace::ColourTail:
                Put(Tails[size_t(variant)], line);
                break;
            case KeptPlace::ColourAlphaDigits:
                Put(Digits[size_t(variant)], line);
                break;
            default:
                Positional.push_back({PositionKey(line), &line});
                break;
            }
        }
        // The reader keeps them in this order already; lines added in another order still find
        // their places.
        if (!std::is_sorted(Positional.begin(), Positional.end(), ByKey))
            std::stable_sort(Positional.begin(), Positional.end(), ByKey);
    }

    // Writes every line whose place comes no later than key.
    void WriteUpTo(TextOut& out, uint64_t key) {
        for (; Next < Positional.size() && Positional[Next].first <= key; ++Next)
            out.Line(Positional[Next].second->Text);
    }
    void SkipUpTo(uint64_t key) {
        while (Next < Positional.size() && Positional[Next].first <= key)
            ++Next;
    }
    bool HasAfterSection() const { return !Positional.empty() && Positional.back().first == AfterSectionKey; }

    const TKeptLine* Font = nullptr;
    const TKeptLine* DayColour = nullptr;
    const TKeptLine* NightColour = nullptr;
    std::array<const TKeptLine*, 2> HeaderTail{};

    const TKeptLine* Tail(int variant, size_t index) const { return At(Tails[size_t(variant)], index); }
    const TKeptLine* AlphaDigits(int variant, size_t index) const {
        return At(Digits[size_t(variant)], index);
    }

  private:
    using Entry = std::pair<uint64_t, const TKeptLine*>;
    static bool ByKey(const Entry& a, const Entry& b) { return a.first < b.first; }

    static uint64_t PositionKey(const TKeptLine& line) {
        const int variant = line.Variant == Night ? Night : Day;
        switch (line.Place) {
        case KeptPlace::BeforeSection:
            return BeforeSectionKey;
        case KeptPlace::AfterSection:
            return AfterSectionKey;
        case KeptPlace::BeforeColour:
            return ColourKey(variant, line.Index);
        case KeptPlace::BeforeRow:
            return RowKey(variant, line.Index);
        case KeptPlace::AfterBlock:
            return AfterBlockKey(variant);
        default:
            return Key(line.Place);
        }
    }
    static void Put(std::vector<const TKeptLine*>& list, const TKeptLine& line) {
        if (list.size() <= line.Index) list.resize(size_t(line.Index) + 1, nullptr);
        list[line.Index] = &line;
    }
    static const TKeptLine* At(const std::vector<const TKeptLine*>& list, size_t index) {
        return index < list.size() ? list[index] : nullptr;
    }

    std::vector<Entry> Positional;
    size_t Next = 0;
    std::array<std::vector<const TKeptLine*>, 2> Tails;
    std::array<std::vector<const TKeptLine*>, 2> Digits;
};

// Every label, numbered from 1; an empty label keeps its number, so the written numbers can have
// gaps.
void WriteLabels(TextOut& out, const TGarminObject& object) {
    for (size_t i = 0; i < object.Labels.size(); ++i) {
        if (object.Labels[i].empty()) continue;
        out << textform::Label;
        out.Dec(static_cast<unsigned>(i + 1)) << '=' << object.Labels[i];
        out.EndLine();
    }
}

void WriteRgb(TextOut& out, uint32_t colour) {
    out.Hex2(colour & 0xFF).Hex2(colour >> 8 & 0xFF).Hex2(colour >> 16 & 0xFF);
}

// The font and label colours: the file's own line while it still gives the model's value, else the
// program's form.
void WriteFont(TextOut& out, const TGarminObject& object, const KeptLines& kept) {
    if (object.FontStyle) {
        if (kept.Font && ParseFontStyle(KeyLineValue(kept.Font->Text)) == *object.FontStyle)
            out.Line(kept.Font->Text);
        else
            out << textform::FontStyle << '=' << FontStyleName(*object.FontStyle), out.EndLine();
    }
    const struct {
        const std::optional<uint32_t>& Value;
        const TKeptLine* Spelling;
        std::string_view Key;
    } colours[] = {{object.DayLabelColour, kept.DayColour, textform::DayLabelColour},
                   {object.NightLabelColour, kept.NightColour, textform::NightLabelColour}};
    for (const auto& colour : colours) {
        if (!colour.Value) continue;
        if (colour.Spelling && ParseLabelColour(KeyLineValue(colour.Spelling->Text)) == colour.Value) {
            out.Line(colour.Spelling->Text);
        } else {
            out << colour.Key << "=#";
            WriteRgb(out, *colour.Value);
            out.EndLine();
        }
    }
}

void WriteCode(TextOut& out, char code, bool doubled) {
    out << '"';
    if (doubled) {
        const std::array<char, 2> pair = TwoCharCode(code);
        out << pair[0] << pair[1];
    } else {
        out << code;
    }
}

// A colour line. The text after the closing quote and the alpha digits of "#RRGGBBAA" are written
// as the file had them while the alpha they give is still the colour's; a changed or new alpha is
// written "alpha=N" after the closing quote.
void WriteColourLine(TextOut& out, const TColourEntry& entry, unsigned charsPerPixel, uint8_t alpha,
                     const TKeptLine* digits, const TKeptLine* tail) {
    WriteCode(out, entry.Code, charsPerPixel == 2);
    if (!digits && !tail && alpha == AlphaOpaque) {
        // The common case, as it always was.
        if (entry.IsTransparent()) {
            out << " c " << textform::NoColour << '"';
        } else {
            out << " c #";
            out.Hex2(static_cast<uint32_t>(entry.Red)).Hex2(static_cast<uint32_t>(entry.Green));
            out.Hex2(static_cast<uint32_t>(entry.Blue)) << '"';
        }
        out.EndLine();
        return;
    }
    const std::optional<uint32_t> tailAlpha = tail ? FindAlphaKey(tail->Text) : std::nullopt;
    const uint8_t keptAlpha = tailAlpha ? AlphaOfAlphaKey(*tailAlpha)
                              : digits  ? AlphaOfOpacity(static_cast<uint8_t>(ParseHex(digits->Text)))
                                        : AlphaOpaque;
    const bool kept = keptAlpha == alpha;
    if (entry.IsTransparent()) {
        out << " c " << textform::NoColour << '"';
    } else {
        out << " c #";
        out.Hex2(static_cast<uint32_t>(entry.Red)).Hex2(static_cast<uint32_t>(entry.Green));
        out.Hex2(static_cast<uint32_t>(entry.Blue));
        if (kept && digits && !tailAlpha) out << digits->Text;
        out << '"';
    }
    if (tail && (kept || !tailAlpha)) out << tail->Text;
    if (!kept && alpha != AlphaOpaque) {
        out << " alpha=";
        out.Dec(alpha);
    }
    out.EndLine();
}

// With two characters per pixel each code is written twice; any other count writes it once, as
// the colour lines do, which is how the reader takes such rows back.
void WritePixelRow(TextOut& out, const std::string* row, size_t width, bool doubled) {
    out << '"';
    for (size_t x = 0; x < width; ++x) {
        const char code = row && x < row->size() ? (*row)[x] : '\0';
        if (!doubled) {
            out << code;
        } else {
            const std::array<char, 2> pair = TwoCharCode(code);
            out << pair[0] << pair[1];
        }
    }
    out << '"';
}

void WriteBitmapBlock(TextOut& out, const TGarminObject& object, int variant, std::string_view key,
                      KeptLines& kept) {
    const TXpmHeader& header = object.XpmHeader[variant];
    out << key << "=\"";
    out.Dec(header.Width) << ' ';
    out.Dec(header.Height) << ' ';
    out.Dec(header.ColourCount) << ' ';
    out.Dec(header.CharsPerPixel) << '"';
    if (const TKeptLine* tail = kept.HeaderTail[size_t(variant)]) out << tail->Text;
    out.EndLine();

    // A table or matrix smaller than its header (never made by the reader) reads as zeroed entries.
    const auto& colours = object.Colours[variant];
    for (size_t e = 0; e < header.ColourCount; ++e) {
        kept.WriteUpTo(out, KeptLines::ColourKey(variant, e));
        WriteColourLine(out, e < colours.size() ? colours[e] : TColourEntry{}, header.CharsPerPixel,
                        object.ColourAlpha(variant, e), kept.AlphaDigits(variant, e), kept.Tail(variant, e));
    }

    const auto& rows = object.Pixels[variant];
    for (size_t r = 0; r < header.Height; ++r) {
        kept.WriteUpTo(out, KeptLines::RowKey(variant, r));
        WritePixelRow(out, r < rows.size() ? &rows[r] : nullptr, header.Width, header.CharsPerPixel == 2);
        if (r + 1 == header.Height) out << "};";
        out.EndLine();
    }
    kept.WriteUpTo(out, KeptLines::AfterBlockKey(variant));
}

// The section line, and the lines kept before it and at its start.
void WriteSectionStart(TextOut& out, std::string_view sectionLine, KeptLines& kept, SectionFrame frame) {
    if (frame == SectionFrame::Bare)
        kept.SkipUpTo(KeptLines::BeforeSectionKey);
    else
        kept.WriteUpTo(out, KeptLines::BeforeSectionKey);
    out.Line(sectionLine);
    kept.WriteUpTo(out, KeptLines::Key(KeptPlace::SectionStart));
}

// The labels and the font, each followed by the lines kept after it.
void WriteLabelsAndFont(TextOut& out, const TGarminObject& object, KeptLines& kept) {
    kept.WriteUpTo(out, KeptLines::Key(KeptPlace::AfterOrientation));
    WriteLabels(out, object);
    kept.WriteUpTo(out, KeptLines::Key(KeptPlace::AfterLabels));
    WriteFont(out, object, kept);
    kept.WriteUpTo(out, KeptLines::Key(KeptPlace::AfterFont));
}

// "[end]"; in the program's own layout an empty line follows each section, while a section put into
// a file read from text leaves the spacing to the text around it.
void WriteSectionEnd(TextOut& out, KeptLines& kept, SectionFrame frame) {
    kept.WriteUpTo(out, KeptLines::AfterSectionKey - 1);
    out.Line(textform::SectionEnd);
    if (frame == SectionFrame::Own) out.EndLine();
    if (frame != SectionFrame::Bare && kept.HasAfterSection()) {
        if (frame == SectionFrame::Inserted) out.EndLine();
        kept.WriteUpTo(out, KeptLines::AfterSectionKey);
        if (frame == SectionFrame::Own) out.EndLine();
    }
}

// A point type above 0xFF is written with its subtype in the low byte ("Type=0x11003"), the one
// form the map compiler reads as that type and subtype; smaller types keep their "SubType" line.
void WritePoint(TextOut& out, const TGarminObject& object, KeptLines& kept, SectionFrame frame) {
    kept.Take(object);
    WriteSectionStart(out, textform::PointSection, kept, frame);
    out << textform::Type << "=0x";
    if (object.TypeCode > 0xFF) {
        out.Hex2(object.TypeCode << 8 | (object.SubTypeCode & 0xFF)).EndLine();
    } else {
        out.Hex2(object.TypeCode).EndLine();
        out << textform::SubType << "=0x";
        out.Hex2(object.SubTypeCode).EndLine();
    }
    kept.WriteUpTo(out, KeptLines::Key(KeptPlace::AfterType));
    WriteLabelsAndFont(out, object, kept);
    kept.WriteUpTo(out, KeptLines::Key(KeptPlace::AfterWidths));
    if (object.XpmHeader[Day].Width != 0) WriteBitmapBlock(out, object, Day, textform::DayXpm, kept);
    kept.WriteUpTo(out, KeptLines::AfterBlockKey(Day));
    if (object.XpmHeader[Night].Width != 0) WriteBitmapBlock(out, object, Night, textform::NightXpm, kept);
    WriteSectionEnd(out, kept, frame);
}

void WriteLine(TextOut& out, const TGarminObject& object, KeptLines& kept, SectionFrame frame) {
    kept.Take(object);
    WriteSectionStart(out, textform::LineSection, kept, frame);
    out << textform::Type << "=0x";
    out.Hex2(object.TypeCode).EndLine();
    kept.WriteUpTo(out, KeptLines::Key(KeptPlace::AfterType));
    if (object.UseOrientation > 0) {
        out << textform::UseOrientation << "=Y";
        out.EndLine();
    }
    WriteLabelsAndFont(out, object, kept);
    if (object.XpmHeader[Day].Width == 0) {
        out << textform::LineWidth << '=';
        out.Dec(object.LineWidth).EndLine();
        out << textform::BorderWidth << '=';
        out.Dec(object.BorderWidth).EndLine();
    }
    kept.WriteUpTo(out, KeptLines::Key(KeptPlace::AfterWidths));
    WriteBitmapBlock(out, object, Day, textform::Xpm, kept);
    WriteSectionEnd(out, kept, frame);
}

void WritePolygon(TextOut& out, const TGarminObject& object, KeptLines& kept, SectionFrame frame) {
    kept.Take(object);
    WriteSectionStart(out, textform::PolygonSection, kept, frame);
    out << textform::Type << "=0x";
    out.Hex2(object.TypeCode).EndLine();
    kept.WriteUpTo(out, KeptLines::Key(KeptPlace::AfterType));
    WriteLabelsAndFont(out, object, kept);
    kept.WriteUpTo(out, KeptLines::Key(KeptPlace::AfterWidths));
    WriteBitmapBlock(out, object, Day, textform::Xpm, kept);
    WriteSectionEnd(out, kept, frame);
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
            for (const auto& kept : object->KeptLines)
                size += kept.Text.size() + 2;
            for (const TXpmHeader& header : object->XpmHeader)
                size += 24 + header.ColourCount * 20u + header.Height * (header.Width * 2u + 6);
        }
    return size;
}

} // namespace

void WriteObjectSection(TextOut& out, const TGarminObject& object, SectionFrame frame) {
    KeptLines kept;
    if (object.Kind == KindPoint)
        WritePoint(out, object, kept, frame);
    else if (object.Kind == KindLine)
        WriteLine(out, object, kept, frame);
    else
        WritePolygon(out, object, kept, frame);
}

// The map compiler takes its code page from a line that begins with "CodePage=" exactly: no blank
// before it, this letter case, no blank before "=".
std::optional<std::string_view> CompilerCodePageOf(std::string_view line) {
    if (!line.starts_with(textform::CodePage) || !line.substr(textform::CodePage.size()).starts_with('='))
        return std::nullopt;
    return line.substr(textform::CodePage.size() + 1);
}

// Code page 1251 and 1256 define every byte of the UTF-8 head; the other single-byte code pages lack
// 0x81 or 0x90 ("с", "А").
bool HeadInUtf8(const TypDocument& doc, std::string_view compilerCodePage) {
    if (doc.ByteOrderMark) return true;
    if (!WritesUtf8(doc)) return false;
    return compilerCodePage.empty() || compilerCodePage == "65001" || compilerCodePage == "1251" ||
           compilerCodePage == "1256";
}

// The date text comes as code page 1251 like the rest of the head.
void WriteHead(TextOut& out, const TypDocument& doc, std::string_view compilerCodePage,
               std::string_view dateTimeText) {
    if (doc.ByteOrderMark) out << Utf8ByteOrderMark;
    if (HeadInUtf8(doc, compilerCodePage)) {
        out << utf8::HeadLineStart;
        out.Line(VersionText);
        out << ';';
        out.Line(Cp1251ToUtf8(dateTimeText));
        out << utf8::AuthorLineStart;
    } else {
        out << cp1251::HeadLineStart;
        out.Line(VersionText);
        out << ';';
        out.Line(dateTimeText);
        out << cp1251::AuthorLineStart;
    }
    out.Line(AuthorCredit);
}

std::string_view HeaderLineText(const std::string& line, bool utf8) {
    if (utf8 && line == cp1251::NtMark) return utf8::NtMark;
    if (utf8 && line == cp1251::OldMark) return utf8::OldMark;
    return line;
}

std::string WriteTextTyp(const TypDocument& doc, std::string_view dateTimeText) {
    if (doc.Source) return WriteSourcedTextTyp(doc, dateTimeText);
    TextOut out(ExpectedSize(doc));
    // A UTF-8 document keeps its byte-order mark and is UTF-8 throughout, the marks included.
    const bool utf8 = WritesUtf8(doc);
    std::string_view codePage;
    for (const std::string& line : doc.HeaderLines)
        if (const auto value = CompilerCodePageOf(line)) {
            codePage = *value;
            break;
        }
    WriteHead(out, doc, codePage, dateTimeText);
    out.EndLine();
    for (const std::string& line : doc.HeaderLines)
        out.Line(HeaderLineText(line, utf8));
    out.EndLine();
    KeptLines kept;
    for (const auto& object : doc.PointList)
        WritePoint(out, *object, kept, SectionFrame::Own);
    for (const auto& object : doc.LineList)
        WriteLine(out, *object, kept, SectionFrame::Own);
    for (const auto& object : doc.PolygonList)
        WritePolygon(out, *object, kept, SectionFrame::Own);
    return std::move(out.Text);
}

} // namespace velmora
