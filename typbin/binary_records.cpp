#include "typbin/binary_records.h"
#include "typbin/record_layout.h"

#include "model/ascii.h"
#include "typbin/bitmap_decoding.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <span>
#include <string>

namespace velmora {

using namespace record;

bool DecodeBudget::Take(uint64_t count) {
    if (count > Cells) {
        Exceeded = true;
        return false;
    }
    Cells -= count;
    return true;
}

namespace {

// A colour table of a line or polygon record: how many triplets the record stores, and for each
// table entry the stored colour it shows (0 for the first) or None for a transparent entry.
inline constexpr int8_t None = -1;
struct TableLayout {
    uint8_t ColoursRead = 0;
    uint8_t EntryCount = 0;
    std::array<int8_t, 4> Sources{};
    bool HasBitmap = false;
    // The codes of the entries when they are not the first ones of CodeAlphabet.
    const char* Codes = nullptr;
};

// Line colour types 0 to 7 without a bitmap. Types 6 and 7 have no border: 6 is one colour for day
// and night, 7 a day and a night colour.
constexpr std::array<TableLayout, 8> LineTablesWithoutBitmap{{
    {2, 2, {0, 1}},
    {4, 4, {0, 1, 2, 3}},
    {},
    {3, 4, {0, None, 1, 2}},
    {},
    {3, 4, {0, 1, 2, None}},
    {1, 1, {0}},
    {2, 2, {0, 1}},
}};

// Line colour types 0 to 7 with a bitmap; types 2 and 4 never carry one. In type 7 the foreground
// is entry 1, so that its night colour is entry 3 of the night pair.
constexpr std::array<TableLayout, 8> LineTablesWithBitmap{{
    {2, 2, {0, 1}, true},
    {4, 4, {0, 1, 2, 3}, true},
    {},
    {3, 4, {0, None, 1, 2}, true},
    {},
    {3, 4, {0, 1, 2, None}, true},
    {1, 2, {0, None}, true},
    {2, 4, {None, 0, None, 1}, true, "-X#-"},
}};

// Polygon colour types 0 to 15: day colour, day second colour, night colour, night second colour.
constexpr std::array<TableLayout, 16> PolygonTables{{
    {},
    {4, 4, {0, 1, 2, 3}},
    {},
    {3, 4, {0, None, 1, 2}},
    {},
    {3, 4, {0, 1, 2, None}},
    {1, 1, {0}},
    {2, 2, {0, 1}},
    {2, 2, {0, 1}, true},
    {4, 4, {0, 1, 2, 3}, true},
    {},
    {3, 4, {0, None, 1, 2}, true},
    {},
    {3, 4, {0, 1, 2, None}, true},
    {1, 2, {0, None}, true},
    {2, 4, {0, None, 1, None}, true},
}};

constexpr uint32_t MonochromeStride = 4;
constexpr uint32_t ColourBytes = 3;

void ApplyTableLayout(const TableLayout& layout, ByteReader& reader, TGarminObject& object) {
    std::array<TColourEntry, 4> stored{};
    for (int i = 0; i < layout.ColoursRead; ++i) {
        stored[size_t(i)].Blue = reader.U8();
        stored[size_t(i)].Green = reader.U8();
        stored[size_t(i)].Red = reader.U8();
    }
    auto& table = object.Colours[Day];
    table.resize(layout.EntryCount);
    for (int i = 0; i < layout.EntryCount; ++i) {
        const int8_t source = layout.Sources[size_t(i)];
        table[size_t(i)] = source == None ? TransparentEntry(uint32_t(i)) : stored[size_t(source)];
        table[size_t(i)].Code = layout.Codes ? layout.Codes[i] : CodeOf(uint32_t(i));
    }
    object.XpmHeader[Day].ColourCount = layout.EntryCount;
}

// Day and Night tables have equal length wherever a table is built; unused entries stay zero. An
// alpha table that is not empty keeps the length of its colour table.
void EqualiseTables(TGarminObject& object) {
    const size_t length = std::max(object.Colours[Day].size(), object.Colours[Night].size());
    for (int view : {Day, Night}) {
        object.Colours[size_t(view)].resize(length);
        if (!object.Alpha[size_t(view)].empty()) object.Alpha[size_t(view)].resize(length, AlphaOpaque);
    }
}

uint8_t ClampedCount(size_t count) {
    return uint8_t(std::min<size_t>(count, 255));
}

// Bytes that would split the line of the text form, or end its input.
bool SplitsLine(uint8_t byte) {
    constexpr uint8_t LineFeed = 10, CarriageReturn = 13, EndOfInput = 26;
    return byte == LineFeed || byte == CarriageReturn || byte == EndOfInput;
}

// "0x" + the language in upper-case hexadecimal + "," + the text, its line breaks made spaces and
// its trailing blanks removed.
std::string LabelLine(uint8_t language, std::span<const uint8_t> text) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string line;
    line.reserve(text.size() + 5);
    line += "0x";
    if (language >= 16) line += Hex[language >> 4];
    line += Hex[language & 15];
    line += ',';
    const size_t start = line.size();
    line.append(reinterpret_cast<const char*>(text.data()), text.size());
    for (size_t i = start; i < line.size(); ++i)
        if (SplitsLine(uint8_t(line[i]))) line[i] = ' ';
    // A line of the text form cannot end in blanks (the reader removes them), so the label keeps
    // none: what is saved then reads back as the label the document holds.
    while (line.size() > start && IsBlank(line.back()))
        line.pop_back();
    return line;
}

// The length of a label block from its prefix: one byte with bit 0 set (length = byte >> 1), else
// two bytes with bit 1 set (value >> 2), else three bytes (value >> 3).
uint32_t LabelBlockLength(ByteReader& reader) {
    uint32_t value = reader.U8();
    if (value & 1) return value >> 1;
    value |= uint32_t(reader.U8()) << 8;
    if (value & 2) return value >> 2;
    value |= uint32_t(reader.U8()) << 16;
    return value >> 3;
}

// Every alpha of a variant's table, or none when all of them are opaque.
void SetAlphas(TGarminObject& object, int view, const std::vector<uint8_t>& alphas) {
    object.Alpha[size_t(view)].clear();
    for (size_t i = 0; i < alphas.size(); ++i)
        object.SetColourAlpha(view, i, alphas[i]);
}

} // namespace

uint32_t RecordDecoder::RecordBytesLeft() const {
    // Positions wrap modulo 2^32 as the reader's do.
    const uint32_t used = Reader.Position() - RecordStart;
    return used < RecordLength ? RecordLength - used : 0;
}

void RecordDecoder::ReadBitmapBytes(uint32_t count, bool inverted) {
    if (inverted) {
        // Line and polygon bitmaps are at most 128 bytes; a byte missing at the end of the file
        // reads as zero before it is inverted.
        BitmapBuffer.resize(count);
        Reader.Read(BitmapBuffer.data(), count);
        for (uint8_t& b : BitmapBuffer)
            b = uint8_t(~b);
        return;
    }
    // The unpacking reads missing bytes as zero, so only the bytes inside the file are copied: a
    // record announcing a bitmap far larger than the file costs no more than the file.
    const std::span<const uint8_t> inside = Reader.Window(uint64_t(Reader.Position()) + count);
    BitmapBuffer.assign(inside.begin(), inside.end());
    Reader.Skip(count);
}

void RecordDecoder::DecodeMonochrome(TGarminObject& object, int height) {
    ReadBitmapBytes(uint32_t(height) * MonochromeStride, true);
    if (!Budget.Take(uint64_t(MonochromeWidth) * uint64_t(height))) return;
    object.XpmHeader[Day].Width = MonochromeWidth;
    object.XpmHeader[Day].Height = uint8_t(height);
    DecodeBitmap(BitmapBuffer, MonochromeWidth, height, 1, object.Pixels[Day]);
}

bool RecordDecoder::DecodePointVariant(TGarminObject& object, int view, int colourCount, uint8_t colourType,
                                       bool withNight) {
    TXpmHeader& header = object.XpmHeader[size_t(view)];
    auto& table = object.Colours[size_t(view)];
    const PixelLayout layout = BppAndWidthInBytes(colourCount, header.Width, colourType);
    const bool trueColour = layout.Bits == TrueColourBits;
    if (!trueColour) {
        const bool packed = colourType == PointColoursPacked;
        const bool knownType =
            packed || colourType == PointColoursOpaque || colourType == PointColoursWithTransparency;
        const bool transparentEntry = withNight || colourType == PointColoursWithTransparency;
        const int stored = withNight || knownType ? colourCount : 0;
        table.assign(size_t(stored + (transparentEntry ? 1 : 0)), TColourEntry{});
        if (packed) {
            std::vector<uint8_t> alphas;
            ReadPackedColours(Reader, stored, table, alphas);
            SetAlphas(object, view, alphas);
        } else
            ReadTriplets(Reader, stored, table);
        if (transparentEntry) table[size_t(stored)] = TransparentEntry(uint32_t(stored));
        header.ColourCount = ClampedCount(table.size());
    }
    const uint32_t bitmapBytes = uint32_t(header.Height) * layout.Stride;
    if (!Budget.Take(uint64_t(header.Width) * header.Height)) {
        Reader.Skip(bitmapBytes);
        header.Width = header.Height = 0;
        return false;
    }
    ReadBitmapBytes(bitmapBytes, false);
    if (trueColour) {
        DecodeTrueColourBitmap(BitmapBuffer, header.Width, header.Height, table, object.Pixels[size_t(view)]);
        header.ColourCount = ClampedCount(table.size());
    } else {
        DecodeBitmap(BitmapBuffer, header.Width, header.Height, layout.Bits, object.Pixels[size_t(view)]);
    }
    // Codes beyond CodeAlphabet are no plain characters: the text form writes them two a pixel.
    if (layout.Bits == 8 || trueColour) {
        const auto& rows = object.Pixels[size_t(view)];
        const bool extended = std::any_of(table.begin(), table.end(),
                                          [](const TColourEntry& e) { return IsExtendedCode(e.Code); }) ||
                              std::any_of(rows.begin(), rows.end(), [](const std::string& row) {
                                  return std::any_of(row.begin(), row.end(), IsExtendedCode);
                              });
        if (extended) header.CharsPerPixel = 2;
    }
    return true;
}

void RecordDecoder::DecodePointRecord(TGarminObject& object) {
    const uint8_t flags = Reader.U8();
    const uint8_t width = Reader.U8();
    const uint8_t height = Reader.U8();
    const uint8_t colourCount = Reader.U8();
    const uint8_t colourType = Reader.U8();
    object.XpmHeader[Day].CharsPerPixel = 1;
    const uint8_t variants = flags & PointVariantsMask;
    if (variants != PointDayOnly && variants != PointDayAndNight) return;
    const bool withNight = variants == PointDayAndNight;
    object.XpmHeader[Day].Width = width;
    object.XpmHeader[Day].Height = height;
    DecodePointVariant(object, Day, colourCount, colourType, withNight);
    if (withNight) {
        const uint8_t nightCount = Reader.U8();
        const uint8_t nightType = Reader.U8();
        object.XpmHeader[Night] = {width, height, 0, 1};
        DecodePointVariant(object, Night, nightCount, nightType, true);
    }
    EqualiseTables(object);
    const TXpmHeader& day = object.XpmHeader[Day];
    object.Quadrat = TQuadrat::Create(day.Width, day.Height, day.ColourCount);
    if (flags & PointHasLabels) DecodeLocalizationStrings(object);
    if (flags & PointHasFont) DecodeFont(object);
}

void RecordDecoder::DecodeLineRecord(TGarminObject& object) {
    const PairRecordHead head = ReadPairRecordHead(Reader, KindLine);
    const uint8_t colourType = head.ColourType;
    const int rows = head.Rows;
    const bool hasBitmap = rows > 0 && LineTablesWithBitmap[colourType].HasBitmap;
    ApplyTableLayout(rows > 0 ? LineTablesWithBitmap[colourType] : LineTablesWithoutBitmap[colourType],
                     Reader, object);
    object.XpmHeader[Day].CharsPerPixel = 1;
    // Compilers set the orientation flag of solid lines too.
    if (rows == 0 || hasBitmap) object.UseOrientation = head.WithoutOrientation ? 0 : 1;
    if (rows == 0) {
        constexpr uint8_t DayAndNightNoBorder = 7, OneColourNoBorder = 6;
        const uint8_t lineWidth = Reader.U8();
        object.LineWidth = lineWidth;
        if (colourType != OneColourNoBorder && colourType != DayAndNightNoBorder) {
            const int totalWidth = Reader.U8();
            object.BorderWidth = uint8_t(std::max(0, (totalWidth - lineWidth) / 2));
        }
    } else if (hasBitmap) {
        DecodeMonochrome(object, rows);
    }
    EqualiseTables(object);
    object.Quadrat = TQuadrat::Create(object.XpmHeader[Day].Width, object.XpmHeader[Day].Height,
                                      object.XpmHeader[Day].ColourCount);
    if (head.HasLabels) DecodeLocalizationStrings(object);
    if (head.HasFont) DecodeFont(object);
}

void RecordDecoder::DecodePolygonRecord(TGarminObject& object) {
    const PairRecordHead head = ReadPairRecordHead(Reader, KindPolygon);
    const TableLayout& layout = PolygonTables[head.ColourType];
    ApplyTableLayout(layout, Reader, object);
    object.XpmHeader[Day].CharsPerPixel = 1;
    if (layout.HasBitmap) DecodeMonochrome(object, PolygonRows);
    EqualiseTables(object);
    object.Quadrat = TQuadrat::Create(object.XpmHeader[Day].Width, object.XpmHeader[Day].Height,
                                      object.XpmHeader[Day].ColourCount);
    if (head.HasLabels) DecodeLocalizationStrings(object);
    if (head.HasFont) DecodeFont(object);
}

void RecordDecoder::DecodeLocalizationStrings(TGarminObject& object) {
    if (RecordBytesLeft() == 0) return;
    const uint32_t length = LabelBlockLength(Reader);
    // A block that announces more than its record holds ends with the record: the next record's
    // bytes are never taken for labels.
    const uint32_t inside = std::min(length, RecordBytesLeft());
    const std::span<const uint8_t> block = Reader.Window(uint64_t(Reader.Position()) + inside);
    Reader.Skip(length);
    // Each label ends in a zero byte (a language byte may be zero too, so this is an upper bound).
    object.Labels.reserve(size_t(std::count(block.begin(), block.end(), uint8_t(0))));
    size_t at = 0;
    while (at < block.size()) {
        const uint8_t language = block[at++];
        const void* zero = std::memchr(block.data() + at, 0, block.size() - at);
        if (!zero) break; // a text still open at the end of the block is dropped
        const size_t textLength = size_t(static_cast<const uint8_t*>(zero) - (block.data() + at));
        if (!Budget.Take(textLength + 1)) break;
        object.Labels.push_back(LabelLine(language, block.subspan(at, textLength)));
        at += textLength + 1;
    }
}

void RecordDecoder::DecodeFont(TGarminObject& object) {
    if (RecordBytesLeft() == 0) return;
    const uint8_t font = Reader.U8();
    object.FontStyle = uint8_t(font & FontStyleMask);
    auto readColour = [&](std::optional<uint32_t>& colour) {
        if (RecordBytesLeft() < ColourBytes) return;
        const uint32_t blue = Reader.U8(), green = Reader.U8(), red = Reader.U8();
        colour = red | green << 8 | blue << 16;
    };
    if (font & FontHasDayColour) readColour(object.DayLabelColour);
    if (font & FontHasNightColour) readColour(object.NightLabelColour);
}

} // namespace velmora
