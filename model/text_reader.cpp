// The text TYP reader: one pass over the lines, header sections kept as text, each object section
// turned into one TGarminObject. Numbers inside colour lines and pixel rows sit at fixed positions.
#include "model/ascii.h"
#include "model/text_format.h"
#include "model/text_lines.h"
#include "model/texts1251.h"
#include "model/utf8.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <limits>
#include <memory>

namespace velmora {

namespace {

constexpr char EndOfInput = '\x1A';

bool IsComment(std::string_view line) {
    return !line.empty() && line[0] == ';';
}

// Whether a line begins with a word of the format, in any letter case.
bool Begins(std::string_view line, std::string_view word) {
    return StartsWithIgnoringAsciiCase(line, word);
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
    size_t Mark() const { return Position; }
    void Reset(size_t mark) { Position = mark; }
    // Where the line Next gave last begins and where its line end begins.
    size_t LineStart() const { return Start; }
    size_t ContentEnd() const { return LineEnd; }

    // The next line; at the end of the input an empty one.
    std::string_view Next() {
        const size_t start = Position;
        const char* data = Text.data();
        const size_t size = Text.size();
        size_t i = start;
        while (i < size && data[i] != '\r' && data[i] != '\n')
            ++i;
        std::string_view line(data + start, i - start);
        Start = start;
        LineEnd = i;
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
    size_t Start = 0;
    size_t LineEnd = 0;
};

// The rank of the places that follow a key the writer writes, in the writer's order: a kept line
// takes the furthest place reached so far, so kept lines never change their order.
int RankOf(KeptPlace place, uint8_t variant) {
    switch (place) {
    case KeptPlace::SectionStart:
        return 0;
    case KeptPlace::AfterType:
        return 1;
    case KeptPlace::AfterOrientation:
        return 2;
    case KeptPlace::AfterLabels:
        return 3;
    case KeptPlace::AfterFont:
        return 4;
    case KeptPlace::AfterWidths:
        return 5;
    case KeptPlace::AfterBlock:
        return variant == Day ? 6 : 7;
    default:
        return 0;
    }
}

bool IsSectionLine(std::string_view line) {
    return !line.empty() && line[0] == '[';
}

bool IsObjectSection(std::string_view line) {
    return Begins(line, textform::PointSection) || Begins(line, textform::LineSection) ||
           Begins(line, textform::PolygonSection);
}

bool StartsWithEither(std::string_view line, std::string_view a, std::string_view b) {
    return line.substr(0, a.size()) == a || line.substr(0, b.size()) == b;
}

// The reader's working state for one file.
struct Reader {
    Reader(std::string_view bytes, TypDocument& doc, std::vector<DayBlockReport>& dayBlocks)
        : In(bytes), Doc(doc), DayBlocks(dayBlocks) {}

    LineReader In;
    TypDocument& Doc;
    std::vector<DayBlockReport>& DayBlocks;
    std::string ColourLine; // reused, so colour lines cost no allocation each
    // Lines outside any section, waiting for the section they precede, with where they stood.
    struct OutsideLine {
        std::string_view Text;
        size_t LineBegin;
        size_t ContentEnd;
        size_t End;
    };
    std::vector<OutsideLine> Pending;
    // Where the file's text is kept for the writer (none while an object's text is read again), where
    // the text not yet given to a header line or an object begins, and the roles of the lines when
    // they are noted.
    std::shared_ptr<TTextSource> Source;
    size_t ChunkEnd = 0;
    size_t LastObjectEnd = 0;
    std::vector<SourceLine>* Lines = nullptr;
    size_t KeyLine = 0; // the noted line of the key being applied
    bool SkipHead = true;
    TGarminObject* LastObject = nullptr;
    size_t HeadEnd = 0; // where the text after the head lines of an earlier save begins
    // The place a kept line of the object being read takes.
    KeptPlace Place = KeptPlace::SectionStart;
    uint8_t PlaceVariant = Day;
    // With two characters per pixel: the model's code of each pair of the block (-1: none), and the
    // pairs of the colour lines read.
    std::vector<int16_t> CodeOfPair;
    std::vector<uint16_t> ColourPairs;
    bool TranslatePairs = false;

    void ReadFile();
    // Notes the role of the line read last, when roles are noted.
    void Note(LineRole role, uint8_t variant = Day, size_t index = 0) {
        if (Lines) NoteLine(role, variant, index);
    }
    void NoteLine(LineRole role, uint8_t variant, size_t index);
    void SetKeyRole(LineRole role, uint8_t variant = Day, size_t index = 0);
    void AddHeaderLine(std::string_view text, size_t lineBegin, size_t contentEnd, size_t end);
    void SkipEarlierHeadLines();
    void KeepOutsideLine(std::string_view line);
    void FlushPendingToHeader();
    void ReadHeaderSection(std::string_view firstLine, bool endWithEmptyLine);
    void ReadObject(std::string_view sectionLine);
    void Advance(KeptPlace place, uint8_t variant = Day);
    void Keep(TGarminObject& object, std::string_view text);
    std::string_view ApplyKey(std::string_view line, TGarminObject& object, bool& hasDayBlock,
                              TXpmHeader& dayBlock);
    std::string_view ReadBitmapBlock(std::string_view headerLine, int variant, TGarminObject& object);
    std::string_view ReadColourLines(int variant, TGarminObject& object, int count, std::string_view line);
    std::string_view ReadPixelRows(int variant, TGarminObject& object, const TXpmHeader& header,
                                   std::string_view line);
    void ReadColourLine(std::string_view line, TGarminObject& object, int variant, size_t index,
                        unsigned charsPerPixel);
    bool GiveDistinctCodes(int variant, TGarminObject& object);
};

// Most sections that keep a line keep several: room for a few at once saves growing step by step.
void PushKept(TGarminObject& object, TKeptLine&& line) {
    if (object.KeptLines.empty()) object.KeptLines.reserve(8);
    object.KeptLines.push_back(std::move(line));
}

void SetSpelling(TGarminObject& object, KeptPlace place, std::string_view text) {
    for (TKeptLine& kept : object.KeptLines)
        if (kept.Place == place) {
            kept.Text.assign(text);
            return;
        }
    PushKept(object, {place, Day, 0, std::string(text)});
}

void Reader::Keep(TGarminObject& object, std::string_view text) {
    PushKept(object, {Place, PlaceVariant, 0, std::string(text)});
}

void Reader::NoteLine(LineRole role, uint8_t variant, size_t index) {
    Lines->push_back(
        {role, variant, static_cast<uint32_t>(index), In.LineStart(), In.ContentEnd(), In.Mark()});
}

void Reader::SetKeyRole(LineRole role, uint8_t variant, size_t index) {
    if (Lines) {
        SourceLine& line = (*Lines)[KeyLine];
        line.Role = role;
        line.Variant = variant;
        line.Index = static_cast<uint32_t>(index);
    }
}

void Reader::ReadFile() {
    if (SkipHead) SkipEarlierHeadLines();
    ChunkEnd = HeadEnd;
    while (!In.AtEnd()) {
        std::string_view line = TrimLeft(In.Next());
        if (line.empty()) {
            Note(LineRole::Gap);
            continue;
        }
        if (IsComment(line) || !IsSectionLine(line) || Begins(line, textform::SectionEnd)) {
            Note(LineRole::Outside);
            KeepOutsideLine(line);
        } else if (Begins(line, textform::IdSection)) {
            FlushPendingToHeader();
            ReadHeaderSection(line, true);
        } else if (IsObjectSection(line)) {
            Note(LineRole::Section);
            ReadObject(line);
        } else {
            // "[_drawOrder]" and sections the program does not use ("[_comments]", "[_icons]", ...)
            FlushPendingToHeader();
            ReadHeaderSection(line, false);
        }
    }
    // Lines after the last section stay with it: with the last object when that is the last section,
    // with the header lines when a header section came after it.
    if (!LastObject || ChunkEnd != LastObjectEnd) {
        FlushPendingToHeader();
        return;
    }
    if (Pending.empty()) return;
    for (const OutsideLine& line : Pending)
        PushKept(*LastObject, {KeptPlace::AfterSection, Day, 0, std::string(line.Text)});
    ChunkEnd = Pending.back().End;
    LastObject->Source.End = ChunkEnd;
    LastObject->Source.Fingerprint = ContentFingerprint(*LastObject);
    Pending.clear();
}

// The three head lines of a file this program saved are written anew on every save.
void Reader::SkipEarlierHeadLines() {
    const size_t start = In.Mark();
    if (!StartsWithEither(In.Next(), cp1251::HeadLineStart, utf8::HeadLineStart)) {
        In.Reset(start);
        return;
    }
    size_t mark = In.Mark();
    if (IsComment(In.Next())) mark = In.Mark();
    In.Reset(mark);
    if (StartsWithEither(In.Next(), cp1251::AuthorLineStart, utf8::AuthorLineStart)) mark = In.Mark();
    In.Reset(mark);
    HeadEnd = mark;
}

// Such a line belongs to the section that follows it: a header section takes it into HeaderLines, an
// object section keeps it before its section line. At the end of the file it stays with the last
// object read, or with the header when there is none.
void Reader::KeepOutsideLine(std::string_view line) {
    Pending.push_back({line, In.LineStart(), In.ContentEnd(), In.Mark()});
}

// Each header line takes the text from the end of what came before it through its line end.
void Reader::AddHeaderLine(std::string_view text, size_t lineBegin, size_t contentEnd, size_t end) {
    Doc.HeaderLines.emplace_back(text);
    if (Source) Source->HeaderLines.push_back({ChunkEnd, lineBegin, contentEnd, end});
    ChunkEnd = end;
}

void Reader::FlushPendingToHeader() {
    for (const OutsideLine& line : Pending)
        AddHeaderLine(line.Text, line.LineBegin, line.ContentEnd, line.End);
    Pending.clear();
}

// Header sections are kept line by line, comments included, leading blanks removed and trailing
// ones kept.
void Reader::ReadHeaderSection(std::string_view firstLine, bool endWithEmptyLine) {
    AddHeaderLine(firstLine, In.LineStart(), In.ContentEnd(), In.Mark());
    while (!In.AtEnd()) {
        std::string_view line = TrimLeft(In.Next());
        if (line.empty()) continue;
        AddHeaderLine(line, In.LineStart(), In.ContentEnd(), In.Mark());
        if (Begins(line, textform::SectionEnd)) break;
    }
    // The empty line added here stands for no text of the file.
    if (endWithEmptyLine) AddHeaderLine({}, ChunkEnd, ChunkEnd, ChunkEnd);
}

uint8_t KindOfSection(std::string_view sectionLine) {
    if (Begins(sectionLine, textform::PointSection)) return KindPoint;
    if (Begins(sectionLine, textform::LineSection)) return KindLine;
    return KindPolygon;
}

void Reader::Advance(KeptPlace place, uint8_t variant) {
    if (RankOf(place, variant) >= RankOf(Place, PlaceVariant)) {
        Place = place;
        PlaceVariant = variant;
    }
}

void Reader::ReadObject(std::string_view sectionLine) {
    // The object belongs to no list until its section is complete; a conversion error drops it.
    auto object = std::make_unique<TGarminObject>();
    Doc.CurrentObject = object.get();
    object->Kind = KindOfSection(sectionLine);
    for (const OutsideLine& line : Pending)
        PushKept(*object, {KeptPlace::BeforeSection, Day, 0, std::string(line.Text)});
    Pending.clear();
    Place = KeptPlace::SectionStart;
    PlaceVariant = Day;
    bool hasDayBlock = false;
    TXpmHeader dayBlock;
    for (;;) {
        std::string_view line = Trim(In.Next());
        if (IsComment(line)) {
            Note(LineRole::Kept);
            Keep(*object, line);
        } else if (line.empty()) {
            Note(LineRole::Gap);
        } else {
            KeyLine = Lines ? Lines->size() : 0;
            Note(LineRole::Kept);
            line = ApplyKey(line, *object, hasDayBlock, dayBlock);
        }
        // The line tested here may be the last one that a bitmap block consumed.
        if (In.AtEnd() || Begins(line, textform::SectionEnd)) break;
    }
    // A line or polygon holds its subtype in TypeCode (type * 256 + subtype), as the compiled import
    // and the writer do: a "SubType" key of a standard type would otherwise be lost on saving.
    if (object->Kind != KindPoint && object->SubTypeCode != 0 && object->TypeCode <= 0xFF)
        object->TypeCode = object->TypeCode * 256 + (object->SubTypeCode & 0xFF);
    TGarminObject* appended = object.get();
    if (Source) {
        appended->Source.File = Source;
        appended->Source.Begin = ChunkEnd;
        appended->Source.End = In.Mark();
        appended->Source.Fingerprint = ContentFingerprint(*appended);
    }
    ChunkEnd = LastObjectEnd = In.Mark();
    Doc.List(appended->Kind).push_back(std::move(object));
    LastObject = appended;
    if (hasDayBlock) DayBlocks.push_back({appended, dayBlock});
}

// Acts on one key line and gives back the last line read, which differs from the key line when a
// bitmap block was read.
std::string_view Reader::ApplyKey(std::string_view line, TGarminObject& object, bool& hasDayBlock,
                                  TXpmHeader& dayBlock) {
    if (Begins(line, textform::Type)) {
        uint32_t value;
        if (line.find('x') != std::string_view::npos)
            value = static_cast<uint32_t>(ParseHex(After(line, 'x')));
        else
            value = static_cast<uint32_t>(StrToInt(KeyLineText(line)));
        // A point type above 0xFF carries its subtype in the low byte, as the map compiler reads it;
        // a "SubType" line after it overrides that byte.
        if (object.Kind == KindPoint && value > 0xFF) {
            object.TypeCode = value >> 8;
            object.SubTypeCode = value & 0xFF;
        } else {
            object.TypeCode = value;
        }
        SetKeyRole(LineRole::Type);
        Advance(KeptPlace::AfterType);
    } else if (Begins(line, textform::SubType)) {
        const bool hasX = line.find('x') != std::string_view::npos;
        object.SubTypeCode = static_cast<uint32_t>(ParseHex(hasX ? After(line, 'x') : KeyLineText(line)));
        SetKeyRole(LineRole::SubType);
        Advance(KeptPlace::AfterType);
    } else if (Begins(line, textform::UseOrientation)) {
        const char flag = CharAt(KeyLineText(line), 0);
        object.UseOrientation = flag == 'y' || flag == 'Y' ? 1 : 0;
        SetKeyRole(LineRole::Orientation);
        Advance(KeptPlace::AfterOrientation);
    } else if (Begins(line, textform::Label)) {
        // The text after the first "=" (or ":"): the ninth character on for "string1=", and the
        // whole label for the widely used "String=" without a digit.
        SetKeyRole(LineRole::Label, Day, object.Labels.size());
        object.Labels.emplace_back(KeyLineText(line));
        Advance(KeptPlace::AfterLabels);
    } else if (Begins(line, textform::FontStyle)) {
        object.FontStyle = ParseFontStyle(KeyLineValue(line));
        SetSpelling(object, KeptPlace::FontSpelling, line);
        SetKeyRole(LineRole::Font);
        Advance(KeptPlace::AfterFont);
    } else if (Begins(line, textform::DayLabelColour) || Begins(line, textform::NightLabelColour)) {
        const bool day = LowerAscii(line[0]) == 'd';
        const std::optional<uint32_t> colour = ParseLabelColour(KeyLineValue(line));
        if (colour) {
            (day ? object.DayLabelColour : object.NightLabelColour) = colour;
            SetSpelling(object, day ? KeptPlace::DayLabelColourSpelling : KeptPlace::NightLabelColourSpelling,
                        line);
            SetKeyRole(day ? LineRole::DayLabelColour : LineRole::NightLabelColour);
        } else {
            Keep(object, line);
        }
        Advance(KeptPlace::AfterFont);
    } else if (Begins(line, textform::LineWidth)) {
        object.LineWidth = static_cast<uint8_t>(StrToInt(KeyLineText(line)));
        SetKeyRole(LineRole::LineWidth);
        Advance(KeptPlace::AfterWidths);
    } else if (Begins(line, textform::BorderWidth)) {
        object.BorderWidth = static_cast<uint8_t>(StrToInt(KeyLineText(line)));
        SetKeyRole(LineRole::BorderWidth);
        Advance(KeptPlace::AfterWidths);
    } else if (Begins(line, textform::DayXpm) || Begins(line, textform::Xpm) ||
               Begins(line, textform::NightXpm)) {
        SetKeyRole(LineRole::XpmHeader, Begins(line, textform::NightXpm) ? Night : Day);
        if (!Begins(line, textform::NightXpm)) {
            line = ReadBitmapBlock(line, Day, object);
            hasDayBlock = true;
            dayBlock = object.XpmHeader[Day];
            Advance(KeptPlace::AfterBlock, Day);
        }
        if (Begins(line, textform::NightXpm)) {
            line = ReadBitmapBlock(line, Night, object);
            Advance(KeptPlace::AfterBlock, Night);
        }
    } else if (!IsSectionLine(line)) {
        // A key the program does not use ("ExtendedLabels", "CustomColor", ...). Section lines are
        // not kept: they would end the section early when written back.
        Keep(object, line);
    } else {
        SetKeyRole(Begins(line, textform::SectionEnd) ? LineRole::End : LineRole::Ignored);
    }
    return line;
}

// The text after the closing quote of an XPM header ("   Colormode=16"), or nothing.
std::string_view XpmHeaderTail(std::string_view line) {
    const size_t open = line.find('"');
    if (open == std::string_view::npos) return {};
    const size_t close = line.find('"', open + 1);
    return close == std::string_view::npos ? std::string_view() : line.substr(close + 1);
}

std::string_view Reader::ReadBitmapBlock(std::string_view headerLine, int variant, TGarminObject& object) {
    TXpmHeader& header = object.XpmHeader[variant];
    ParseXpmHeader(headerLine, header);
    const std::string_view tail = XpmHeaderTail(headerLine);
    if (!tail.empty())
        PushKept(object, {KeptPlace::XpmHeaderTail, static_cast<uint8_t>(variant), 0, std::string(tail)});
    object.Alpha[variant].clear();
    std::string_view last = headerLine;
    if (header.ColourCount > 0) {
        object.Colours[variant].assign(header.ColourCount, TColourEntry{});
        last = ReadColourLines(variant, object, header.ColourCount, last);
    }
    TranslatePairs = header.CharsPerPixel == 2 && GiveDistinctCodes(variant, object);
    object.Pixels[variant].assign(header.Height, std::string(header.Width, '\0'));
    if (header.Height > 0) last = ReadPixelRows(variant, object, header, last);
    if (TranslatePairs) {
        for (uint16_t pair : ColourPairs)
            CodeOfPair[pair] = -1;
        TranslatePairs = false;
    }
    ColourPairs.clear();
    return last;
}

// Reads colour lines until count of them have been read or the input ends; comments between them
// are kept before the colour line that follows them, empty lines skipped. Gives back the last line
// read (line when none was).
std::string_view Reader::ReadColourLines(int variant, TGarminObject& object, int count,
                                         std::string_view line) {
    int read = 0;
    const unsigned charsPerPixel = object.XpmHeader[variant].CharsPerPixel;
    while (read < count && !In.AtEnd()) {
        line = Trim(In.Next());
        if (line.empty()) {
            Note(LineRole::Gap);
            continue;
        }
        if (IsComment(line)) {
            Note(LineRole::Kept);
            PushKept(object, {KeptPlace::BeforeColour, static_cast<uint8_t>(variant),
                              static_cast<uint16_t>(read), std::string(line)});
            continue;
        }
        Note(LineRole::Colour, static_cast<uint8_t>(variant), static_cast<size_t>(read));
        ReadColourLine(line, object, variant, static_cast<size_t>(read), charsPerPixel);
        ++read;
    }
    return line;
}

void Reader::ReadColourLine(std::string_view line, TGarminObject& object, int variant, size_t index,
                            unsigned charsPerPixel) {
    TColourEntry& entry = object.Colours[variant][index];
    entry.Red = entry.Green = entry.Blue = 255;
    // The code is set aside before the colour key is sought, so a code "c" is not taken for it.
    entry.Code = CharAt(line, 1);
    if (charsPerPixel == 2)
        ColourPairs.push_back(static_cast<uint16_t>(static_cast<uint8_t>(CharAt(line, 1)) << 8 |
                                                    static_cast<uint8_t>(CharAt(line, 2))));

    // Text after the closing quote is kept with the colour; an "alpha=N" there gives its alpha.
    std::optional<uint32_t> alphaKey;
    const size_t close = line.find('"', charsPerPixel == 2 ? 3 : 2);
    if (close != std::string_view::npos && close + 1 < line.size()) {
        const std::string_view tail = line.substr(close + 1);
        PushKept(object, {KeptPlace::ColourTail, static_cast<uint8_t>(variant), static_cast<uint16_t>(index),
                          std::string(tail)});
        alphaKey = FindAlphaKey(tail);
    }

    ColourLine.assign(line.substr(0, 1));
    if (line.size() > 3) ColourLine.append(line.substr(3));
    const std::string_view rest = ColourLine;

    const size_t keyIndex = rest.find('c');
    // Positions counted from 1, with a missing key at position 0.
    const size_t k = keyIndex == std::string_view::npos ? 0 : keyIndex + 1;
    for (size_t p = k + 1; p + 4 <= rest.size(); ++p) {
        if (Begins(rest.substr(p - 1), textform::NoColour)) {
            entry.TransparentMark = TransparentMarkNone;
            if (alphaKey && AlphaOfAlphaKey(*alphaKey) != AlphaOpaque)
                object.SetColourAlpha(variant, index, AlphaOfAlphaKey(*alphaKey));
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

    uint8_t alpha = AlphaOpaque;
    // "#RRGGBBAA": two more digits give the opacity.
    if (hash != std::string_view::npos && IsHexDigit(CharAt(rest, redIndex + 6)) &&
        IsHexDigit(CharAt(rest, redIndex + 7)) && !IsHexDigit(CharAt(rest, redIndex + 8))) {
        const std::string_view digits = rest.substr(redIndex + 6, 2);
        PushKept(object, {KeptPlace::ColourAlphaDigits, static_cast<uint8_t>(variant),
                          static_cast<uint16_t>(index), std::string(digits)});
        alpha = AlphaOfOpacity(static_cast<uint8_t>(ParseHex(digits)));
    }
    if (alphaKey) alpha = AlphaOfAlphaKey(*alphaKey);
    if (alpha != AlphaOpaque) object.SetColourAlpha(variant, index, alpha);
}

// With two characters per pixel the model keeps one character per pixel. Colours whose codes share
// their first character get distinct characters of their own, so that every pixel keeps its colour;
// gives back whether it did so (the pixel rows then translate each pair).
bool Reader::GiveDistinctCodes(int variant, TGarminObject& object) {
    std::array<int32_t, 256> pairOfFirst;
    pairOfFirst.fill(-1);
    bool clash = false;
    bool allDoubled = true;
    for (uint16_t pair : ColourPairs) {
        int32_t& seen = pairOfFirst[pair >> 8];
        if (seen < 0)
            seen = pair;
        else if (seen != pair)
            clash = true;
        allDoubled = allDoubled && (pair >> 8) == (pair & 0xFF);
    }
    if (allDoubled) return false;
    if (CodeOfPair.empty()) CodeOfPair.assign(65536, -1);
    auto& colours = object.Colours[variant];
    const size_t count = std::min(ColourPairs.size(), colours.size());

    // The pairs this program writes for codes that are no printable character decode to those codes.
    bool decoded = true;
    for (size_t i = 0; i < count && decoded; ++i) {
        const uint16_t pair = ColourPairs[i];
        const std::optional<char> code =
            CodeOfTwoChars(static_cast<char>(pair >> 8), static_cast<char>(pair));
        if (code) CodeOfPair[pair] = static_cast<uint8_t>(*code);
        decoded = code.has_value();
    }
    if (!decoded) {
        for (uint16_t pair : ColourPairs)
            CodeOfPair[pair] = -1;
        if (!clash) return false;
    }

    std::array<bool, 256> used{};
    // The codes handed out for clashes: the code alphabet, then the other printable characters, then
    // the rest; first those that are no colour's first character.
    auto spare = [&]() -> uint8_t {
        for (bool othersFirst : {false, true}) {
            for (const char c : CodeAlphabet)
                if (!used[uint8_t(c)] && (othersFirst || pairOfFirst[uint8_t(c)] < 0)) return uint8_t(c);
            for (unsigned k = 32; k < 32 + 255; ++k) {
                const unsigned c = k & 0xFF;
                if (c != 0 && c != '"' && !used[c] && (othersFirst || pairOfFirst[c] < 0)) return uint8_t(c);
            }
        }
        return 0;
    };
    for (size_t i = 0; i < count; ++i) {
        const uint16_t pair = ColourPairs[i];
        int16_t& code = CodeOfPair[pair];
        if (code < 0) {
            const uint8_t first = static_cast<uint8_t>(pair >> 8);
            uint8_t chosen = !used[first] ? first : spare();
            if (chosen == 0) chosen = first; // more colours than characters to give
            code = chosen;
        }
        used[static_cast<uint8_t>(code)] = true;
        colours[i].Code = static_cast<char>(code);
    }
    return true;
}

// Reads pixel rows until the header's height of them have been read or the input ends; comments
// between them are kept before the row that follows them. With one character per pixel (and any
// count other than two) the character is the code; with two the pair is translated when colours
// were given distinct codes, otherwise its first character is the code.
std::string_view Reader::ReadPixelRows(int variant, TGarminObject& object, const TXpmHeader& header,
                                       std::string_view line) {
    int row = 0;
    const size_t width = header.Width;
    while (row < header.Height && !In.AtEnd()) {
        line = Trim(In.Next());
        if (line.empty()) {
            Note(LineRole::Gap);
            continue;
        }
        if (IsComment(line)) {
            Note(LineRole::Kept);
            PushKept(object, {KeptPlace::BeforeRow, static_cast<uint8_t>(variant), static_cast<uint16_t>(row),
                              std::string(line)});
            continue;
        }
        Note(LineRole::Row, static_cast<uint8_t>(variant), static_cast<size_t>(row));
        std::string& pixels = object.Pixels[variant][row];
        if (TranslatePairs) {
            for (size_t x = 1; x <= width; ++x) {
                const uint8_t first = static_cast<uint8_t>(CharAt(line, 2 * x - 1));
                const int16_t code = CodeOfPair[first << 8 | static_cast<uint8_t>(CharAt(line, 2 * x))];
                pixels[x - 1] = code >= 0 ? static_cast<char>(code) : static_cast<char>(first);
            }
        } else if (header.CharsPerPixel == 2) {
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

void ReadTextTyp(std::string_view bytes, TypDocument& doc, std::vector<DayBlockReport>& dayBlocks) {
    // A byte-order mark is never part of the first line.
    doc.ByteOrderMark = StartsWithUtf8Bom(bytes);
    if (doc.ByteOrderMark) bytes.remove_prefix(Utf8ByteOrderMark.size());
    // The text is kept for the writer, and the reader reads the kept copy, so that the places it
    // notes are places in that copy.
    auto source = std::make_shared<TTextSource>();
    source->Text.assign(bytes);
    doc.Source = source;
    Reader reader(source->Text, doc, dayBlocks);
    reader.Source = source;
    // The program's own head lines do not count for the encoding: they may be 1251 text in a UTF-8
    // file written by an earlier version.
    auto finish = [&] {
        source->HeadEnd = reader.HeadEnd;
        source->TailBegin = reader.ChunkEnd;
        doc.Utf8 =
            doc.ByteOrderMark || DeclaredCodePage(doc.HeaderLines) == "65001" ||
            IsUtf8Text(std::string_view(source->Text).substr(std::min(reader.HeadEnd, source->Text.size())));
    };
    try {
        reader.ReadFile();
    } catch (...) {
        // What was not read stays in the text after the last object read, so that saving keeps it.
        doc.CurrentObject = nullptr;
        finish();
        throw;
    }
    if (doc.CurrentObject && !IsInDocument(doc, doc.CurrentObject)) doc.CurrentObject = nullptr;
    finish();
}

std::unique_ptr<TGarminObject> ReadObjectText(std::string_view text, std::vector<SourceLine>* lines) {
    TypDocument doc;
    doc.HeaderLines.clear();
    std::vector<DayBlockReport> dayBlocks;
    Reader reader(text, doc, dayBlocks);
    reader.Lines = lines;
    reader.SkipHead = false;
    try {
        reader.ReadFile();
    } catch (const ConversionError&) {
        return nullptr;
    }
    const size_t count = doc.PointList.size() + doc.LineList.size() + doc.PolygonList.size();
    if (count != 1 || !doc.HeaderLines.empty()) return nullptr;
    for (ObjectList* list : {&doc.PointList, &doc.LineList, &doc.PolygonList})
        if (!list->empty()) return std::move(list->front());
    return nullptr;
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
