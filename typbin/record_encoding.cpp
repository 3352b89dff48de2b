// The compiler's side of the point, line and polygon records (the import's is
// typbin/binary_records.cpp): colour tables, bitmaps, labels and font of one object as the import
// reads them back.
#include "typbin/record_encoding.h"
#include "typbin/record_layout.h"

#include "model/ascii.h"
#include "typbin/bitmap_decoding.h"
#include "typbin/code_pages.h"
#include "typbin/typ_compiler.h"
#include "typbin/typbin_texts.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace velmora {

using namespace record;

namespace {

constexpr int MaxLineRows = 31; // five bits of the first byte

using Bytes = std::vector<uint8_t>;

// A colour as stored: blue, green, red.
void AppendColour(Bytes& out, const TColourEntry& entry) {
    out.push_back(uint8_t(entry.Blue));
    out.push_back(uint8_t(entry.Green));
    out.push_back(uint8_t(entry.Red));
}
// A colour of the model (red + 256 * green + 65536 * blue) as stored.
void AppendModelColour(Bytes& out, uint32_t colour) {
    out.push_back(uint8_t(colour >> 16));
    out.push_back(uint8_t(colour >> 8));
    out.push_back(uint8_t(colour));
}

// Which stored colour each entry of a table is: the lookup from pixel code to entry index.
struct CodeLookup {
    std::array<int16_t, 256> Index;

    CodeLookup(const std::vector<TColourEntry>& table, size_t count) {
        Index.fill(-1);
        for (size_t i = count; i-- > 0;)
            Index[uint8_t(table[i].Code)] = int16_t(i);
    }
    int Of(char code) const { return Index[uint8_t(code)]; }
};

bool IsClear(const TGarminObject& object, int view, size_t entry) {
    return object.Colours[size_t(view)][entry].IsTransparent() ||
           object.ColourAlpha(view, entry) == AlphaTransparent;
}

size_t ColourCountOf(const TGarminObject& object, int view) {
    return std::min<size_t>(object.XpmHeader[size_t(view)].ColourCount, object.Colours[size_t(view)].size());
}

// The code character a pixel holds, or 0 where a row is short.
char PixelCode(const TGarminObject& object, int view, size_t row, size_t column) {
    const auto& rows = object.Pixels[size_t(view)];
    if (row >= rows.size() || column >= rows[row].size()) return '\0';
    return rows[row][column];
}

// ---- Points ----

struct PointVariant {
    uint8_t ColourCount = 0;
    uint8_t ColourType = PointColoursOpaque;
    Bytes Colours;
    Bytes Bitmap;
};

// Packs colours 3.5 bytes each: blue, green, red and a four-bit alpha, in nibbles from the low half.
void AppendPacked(Bytes& out, const std::vector<std::pair<TColourEntry, uint8_t>>& colours) {
    std::vector<uint8_t> nibbles;
    for (const auto& [entry, alpha] : colours)
        for (uint8_t byte : {uint8_t(entry.Blue), uint8_t(entry.Green), uint8_t(entry.Red)}) {
            nibbles.push_back(byte & 0x0F);
            nibbles.push_back(byte >> 4);
        }
    // Alpha follows each colour's six nibbles.
    std::vector<uint8_t> stream;
    for (size_t k = 0; k < colours.size(); ++k) {
        stream.insert(stream.end(), nibbles.begin() + ptrdiff_t(6 * k),
                      nibbles.begin() + ptrdiff_t(6 * k + 6));
        stream.push_back(colours[k].second & 0x0F);
    }
    if (stream.size() % 2) stream.push_back(0);
    for (size_t i = 0; i < stream.size(); i += 2)
        out.push_back(uint8_t(stream[i] | stream[i + 1] << 4));
}

bool PixelsUse(const TGarminObject& object, int view, char code) {
    const TXpmHeader& day = object.XpmHeader[Day];
    for (size_t r = 0; r < day.Height; ++r)
        for (size_t c = 0; c < day.Width; ++c)
            if (PixelCode(object, view, r, c) == code) return true;
    return false;
}

PointVariant EncodePointVariant(const TGarminObject& object, int view, bool withNight,
                                std::vector<std::string>& warnings) {
    const ObjectError error{object};
    size_t count = ColourCountOf(object, view);
    const TXpmHeader& day = object.XpmHeader[Day];
    const auto& table = object.Colours[size_t(view)];
    // The tables of a point with a night bitmap end in a transparent entry of their own: one that no
    // pixel uses need not be written, while a colour stays written.
    if (withNight && count > 1 && IsClear(object, view, count - 1) &&
        !PixelsUse(object, view, table[count - 1].Code))
        --count;
    size_t clearCount = 0, clearEntry = 0;
    bool partialAlpha = false;
    for (size_t i = 0; i < count; ++i) {
        if (IsClear(object, view, i))
            ++clearCount, clearEntry = i;
        else if (object.ColourAlpha(view, i) != AlphaOpaque)
            partialAlpha = true;
    }
    if (count == 0 && day.Width > 0 && day.Height > 0)
        throw error(
            (view == Day ? CompilerText::DayBitmapWithoutColours : CompilerText::NightBitmapWithoutColours)
                .Text);

    PointVariant variant;
    variant.ColourCount = uint8_t(count);
    // The value each table entry is written as.
    std::vector<uint8_t> valueOf(count);
    for (size_t i = 0; i < count; ++i)
        valueOf[i] = uint8_t(i);
    if (clearCount == 0 && !partialAlpha) {
        variant.ColourType = PointColoursOpaque;
        for (size_t i = 0; i < count; ++i)
            AppendColour(variant.Colours, table[i]);
    } else if (clearCount == 1 && !partialAlpha && count > 1) {
        // The transparent colour takes the value after the stored ones. Beside a night bitmap that
        // value is transparent whatever the colour type says, so a colour no pixel uses needs none.
        // A table of no stored colours is not written so (map clients read no bitmap, and so no
        // labels or font, from it; an opaque one reads as a true-colour bitmap): a table whose
        // only colour is transparent is written with its alpha below, as the map compiler does.
        const bool used = PixelsUse(object, view, table[clearEntry].Code) &&
                          CodeLookup(table, count).Of(table[clearEntry].Code) == int(clearEntry);
        variant.ColourType = withNight && !used ? PointColoursOpaque : PointColoursWithTransparency;
        variant.ColourCount = uint8_t(count - 1);
        for (size_t i = 0; i < count; ++i) {
            if (i == clearEntry) continue;
            valueOf[i] = uint8_t(i < clearEntry ? i : i - 1);
            AppendColour(variant.Colours, table[i]);
        }
        valueOf[clearEntry] = uint8_t(count - 1);
    } else {
        variant.ColourType = PointColoursPacked;
        std::vector<std::pair<TColourEntry, uint8_t>> colours;
        for (size_t i = 0; i < count; ++i)
            colours.emplace_back(table[i],
                                 IsClear(object, view, i) ? AlphaTransparent : object.ColourAlpha(view, i));
        AppendPacked(variant.Colours, colours);
    }

    const PixelLayout layout = BppAndWidthInBytes(variant.ColourCount, day.Width, variant.ColourType);
    const int valueLimit = 1 << layout.Bits;
    const bool transparentValue = variant.ColourType == PointColoursWithTransparency || withNight;
    const size_t firstFree = size_t(variant.ColourCount) + (transparentValue ? 1 : 0);
    const CodeLookup lookup(table, count);
    std::string unknownCodes;
    variant.Bitmap.assign(size_t(layout.Stride) * day.Height, 0);
    for (size_t r = 0; r < day.Height; ++r)
        for (size_t c = 0; c < day.Width; ++c) {
            const char code = PixelCode(object, view, r, c);
            const int entry = lookup.Of(code);
            int value = 0;
            if (entry >= 0) {
                value = valueOf[size_t(entry)];
            } else {
                // A code that names no colour keeps the value its place in CodeAlphabet gives it, as
                // the import hands such values out, where the bits hold it and no colour (nor the
                // transparent value) has it; otherwise it takes the first colour.
                const size_t place = CodeAlphabet.find(code);
                value = place != std::string_view::npos && place >= firstFree && int(place) < valueLimit
                            ? int(place)
                            : 0;
                if (unknownCodes.find(code) == std::string::npos) unknownCodes += code;
            }
            const size_t bit = c * size_t(layout.Bits);
            variant.Bitmap[r * layout.Stride + bit / 8] |= uint8_t(value << (bit % 8));
        }
    if (!unknownCodes.empty())
        warnings.push_back(
            FillIn(view == Day ? CompilerText::DayCodesWithoutColour : CompilerText::NightCodesWithoutColour,
                   {CompiledObjectName(object), unknownCodes}));
    return variant;
}

bool HasNightVariant(const TGarminObject& object) {
    const TXpmHeader& night = object.XpmHeader[Night];
    return night.Width > 0 || night.Height > 0 || (night.ColourCount > 0 && !object.Colours[Night].empty());
}

// ---- Lines and polygons ----

// A line or polygon table read as day foreground, day background, night foreground and night
// background; a bitmap's set bits show the foreground.
struct PairChoice {
    uint8_t ColourType = 0;
    std::vector<size_t> Stored; // the table entries written, in order
    size_t Foreground = 0;      // the entry whose pixels are set bits
    bool FullPattern = false;   // a solid area written as a pattern with every bit set
};

struct Slots {
    int DayFore = -1, DayBack = -1, NightFore = -1, NightBack = -1; // entry indexes; -1 absent
};

std::string ColourCountReason(size_t count) {
    return FillIn(count > 4 ? CompilerText::MoreThanFourColours : CompilerText::ColourCountNotStored,
                  {std::to_string(count)});
}

// The colour types by which of the backgrounds are transparent: [day clear][night clear].
struct PairTypes {
    std::array<std::array<int, 2>, 2> Four; // -1: not writable
    int TwoOpaque = -1, TwoClearBack = -1;
};

// Lines: with a bitmap, and solid (type 6 one colour, 7 day and night colour, 0 with a border).
constexpr PairTypes LineBitmapTypes{{{{1, 5}, {3, 7}}}, 0, 6};
constexpr PairTypes LineSolidTypes{{{{1, 5}, {3, 7}}}, 0, 6};
// Polygons: patterns 8, 9, 11, 13, 14, 15; solid 6, 7, 1, 3, 5.
constexpr PairTypes PolygonPatternTypes{{{{9, 13}, {11, 15}}}, 8, 14};
constexpr PairTypes PolygonSolidTypes{{{{1, 5}, {3, 15}}}, 7, 14};

// Which entries are written for a colour type of the pair tables: foreground(s) always, each
// background unless transparent.
std::optional<PairChoice> ChooseForSlots(const TGarminObject& object, const Slots& roles,
                                         const PairTypes& types, size_t count) {
    auto clear = [&](int entry) { return IsClear(object, Day, size_t(entry)); };
    PairChoice choice;
    choice.Foreground = size_t(roles.DayFore);
    if (count == 2) {
        if (clear(roles.DayFore)) return std::nullopt;
        if (!clear(roles.DayBack)) {
            choice.ColourType = uint8_t(types.TwoOpaque);
            choice.Stored = {size_t(roles.DayFore), size_t(roles.DayBack)};
        } else {
            choice.ColourType = uint8_t(types.TwoClearBack);
            choice.Stored = {size_t(roles.DayFore)};
        }
        return choice;
    }
    if (clear(roles.DayFore) || clear(roles.NightFore)) return std::nullopt;
    const bool dayClear = clear(roles.DayBack), nightClear = clear(roles.NightBack);
    choice.ColourType = uint8_t(types.Four[dayClear][nightClear]);
    choice.Stored.push_back(size_t(roles.DayFore));
    if (!dayClear) choice.Stored.push_back(size_t(roles.DayBack));
    choice.Stored.push_back(size_t(roles.NightFore));
    if (!nightClear) choice.Stored.push_back(size_t(roles.NightBack));
    return choice;
}

// Chooses the colour type for a table of 2 or 4 entries; a transparent foreground is written by
// swapping foreground and background, with the bitmap inverted.
PairChoice ChoosePair(const TGarminObject& object, const PairTypes& types, size_t count, bool allowSwap) {
    const Slots normal = count == 2 ? Slots{0, 1} : Slots{0, 1, 2, 3};
    const Slots swapped = count == 2 ? Slots{1, 0} : Slots{1, 0, 3, 2};
    if (auto choice = ChooseForSlots(object, normal, types, count)) return *choice;
    if (allowSwap)
        if (auto choice = ChooseForSlots(object, swapped, types, count)) return *choice;
    throw ObjectError{object}(CompilerText::TransparentForeground.Text);
}

void WarnPartialAlpha(const TGarminObject& object, std::vector<std::string>& warnings) {
    for (size_t i = 0; i < ColourCountOf(object, Day); ++i) {
        const uint8_t alpha = object.ColourAlpha(Day, i);
        if (alpha != AlphaOpaque && alpha != AlphaTransparent) {
            warnings.push_back(FillIn(CompilerText::PartialTransparency, {CompiledObjectName(object)}));
            return;
        }
    }
}

// The table of a line or polygon: one colour fills it whatever its bitmap; two or four are a pair
// type of types. Throws for any other count and for a table of one transparent colour.
PairChoice ChooseTable(const TGarminObject& object, const PairTypes& types, bool allowSwap,
                       std::vector<std::string>& warnings) {
    const ObjectError error{object};
    const size_t count = ColourCountOf(object, Day);
    if (count != 1 && count != 2 && count != 4) throw error(ColourCountReason(count));
    WarnPartialAlpha(object, warnings);
    if (count != 1) return ChoosePair(object, types, count, allowSwap);
    if (IsClear(object, Day, 0)) throw error(CompilerText::OnlyColourTransparent.Text);
    PairChoice choice;
    choice.ColourType = 6;
    choice.Stored = {0};
    return choice;
}

void AppendStoredColours(Bytes& out, const TGarminObject& object, const PairChoice& choice) {
    for (size_t entry : choice.Stored)
        AppendColour(out, object.Colours[Day][entry]);
}

void AppendMonochromeBitmap(Bytes& out, const TGarminObject& object, const PairChoice& choice, int rows) {
    const CodeLookup lookup(object.Colours[Day], ColourCountOf(object, Day));
    for (int r = 0; r < rows; ++r) {
        uint32_t bits = 0;
        for (int c = 0; c < MonochromeWidth; ++c) {
            const bool set = choice.FullPattern || lookup.Of(PixelCode(object, Day, size_t(r), size_t(c))) ==
                                                       int(choice.Foreground);
            if (set) bits |= uint32_t(1) << c;
        }
        for (int i = 0; i < 4; ++i)
            out.push_back(uint8_t(bits >> (8 * i)));
    }
}

// ---- Labels and font ----

std::string AsUtf8(std::string_view text, uint32_t codePage) {
    return IsKnownCodePage(codePage) ? ConvertText(text, codePage, CodePageUtf8).value_or(std::string(text))
                                     : std::string(text);
}

// The label block: its length in the shortest prefix form, then language, text and a zero byte for
// each label; empty when no label can be written. A label line without a language number before a
// comma ("Suburb", "Small Town / Suburb") is a label of language 0 as a whole, after its leading
// blanks; an empty label line is not written, as the text form does not write it.
Bytes LabelBlock(const TGarminObject& object, const LabelSettings& settings,
                 std::vector<std::string>& warnings) {
    Bytes body;
    for (const std::string& label : object.Labels) {
        const std::optional<uint8_t> language = LabelLanguage(label);
        const size_t comma = label.find(',');
        std::string_view text = std::string_view(label).substr(language ? comma + 1 : 0);
        if (!language) text = TrimLeft(text);
        // A label ends at a zero byte, and like a line of the text form it ends in no blank or control
        // byte: the import drops those.
        text = TrimRight(text.substr(0, text.find('\0')));
        if (!language && text.empty()) continue;
        std::optional<std::string> converted;
        if (settings.SourceCodePage == settings.TargetCodePage)
            converted = std::string(text);
        else if (IsKnownCodePage(settings.SourceCodePage) && IsKnownCodePage(settings.TargetCodePage))
            converted = ConvertText(text, settings.SourceCodePage, settings.TargetCodePage);
        if (!converted) {
            warnings.push_back(FillIn(CompilerText::LabelOutsideCodePage,
                                      {CompiledObjectName(object), AsUtf8(label, settings.SourceCodePage),
                                       std::to_string(settings.TargetCodePage)}));
            continue;
        }
        body.push_back(language.value_or(0));
        body.insert(body.end(), converted->begin(), converted->end());
        body.push_back(0);
    }
    const uint32_t length = uint32_t(body.size());
    Bytes block;
    if (length == 0) return block; // no label written: the record announces none
    if (length < 0x80) {
        block = {uint8_t(length << 1 | 1)};
    } else if (length < 0x4000) {
        block = {uint8_t(length << 2 | 2), uint8_t(length >> 6)};
    } else if (length < 0x200000) {
        block = {uint8_t(length << 3), uint8_t(length >> 5), uint8_t(length >> 13)};
    } else {
        throw ObjectError{object}(FillIn(CompilerText::LabelsTooLong, {std::to_string(length)}));
    }
    block.insert(block.end(), body.begin(), body.end());
    return block;
}

bool HasFont(const TGarminObject& object) {
    return object.FontStyle || object.DayLabelColour || object.NightLabelColour;
}

void AppendFont(Bytes& out, const TGarminObject& object) {
    uint8_t font = uint8_t(object.FontStyle.value_or(FontDefault) & FontStyleMask);
    if (object.DayLabelColour) font |= FontHasDayColour;
    if (object.NightLabelColour) font |= FontHasNightColour;
    out.push_back(font);
    if (object.DayLabelColour) AppendModelColour(out, *object.DayLabelColour);
    if (object.NightLabelColour) AppendModelColour(out, *object.NightLabelColour);
}

// Labels (when the record announces them) and the font byte close every record.
void AppendLabelsAndFont(Bytes& out, const TGarminObject& object, const Bytes& labels) {
    out.insert(out.end(), labels.begin(), labels.end());
    if (HasFont(object)) AppendFont(out, object);
}

} // namespace

Bytes RecordEncoder::EncodePointRecord(const TGarminObject& object) {
    const ObjectError error{object};
    const TXpmHeader& day = object.XpmHeader[Day];
    const bool withNight = HasNightVariant(object);
    if (withNight &&
        (object.XpmHeader[Night].Width != day.Width || object.XpmHeader[Night].Height != day.Height))
        throw error(
            FillIn(CompilerText::NightSizeDiffers, {std::to_string(object.XpmHeader[Night].Width),
                                                    std::to_string(object.XpmHeader[Night].Height),
                                                    std::to_string(day.Width), std::to_string(day.Height)}));
    const Bytes labels = LabelBlock(object, Labels, Warnings);
    Bytes record;
    uint8_t flags = withNight ? PointDayAndNight : PointDayOnly;
    if (!labels.empty()) flags |= PointHasLabels;
    if (HasFont(object)) flags |= PointHasFont;
    const PointVariant dayVariant = EncodePointVariant(object, Day, withNight, Warnings);
    record.insert(record.end(),
                  {flags, day.Width, day.Height, dayVariant.ColourCount, dayVariant.ColourType});
    record.insert(record.end(), dayVariant.Colours.begin(), dayVariant.Colours.end());
    record.insert(record.end(), dayVariant.Bitmap.begin(), dayVariant.Bitmap.end());
    if (withNight) {
        const PointVariant nightVariant = EncodePointVariant(object, Night, true, Warnings);
        record.insert(record.end(), {nightVariant.ColourCount, nightVariant.ColourType});
        record.insert(record.end(), nightVariant.Colours.begin(), nightVariant.Colours.end());
        record.insert(record.end(), nightVariant.Bitmap.begin(), nightVariant.Bitmap.end());
    }
    AppendLabelsAndFont(record, object, labels);
    return record;
}

Bytes RecordEncoder::EncodeLineRecord(const TGarminObject& object) {
    const ObjectError error{object};
    const TXpmHeader& day = object.XpmHeader[Day];
    const bool hasBitmap = day.Width > 0 && day.Height > 0;
    if (hasBitmap && day.Width != MonochromeWidth)
        throw error(FillIn(CompilerText::LineBitmapWidth, {std::to_string(day.Width)}));
    if (hasBitmap && day.Height > MaxLineRows)
        throw error(FillIn(CompilerText::LineBitmapRows, {std::to_string(day.Height)}));
    PairChoice choice =
        ChooseTable(object, hasBitmap ? LineBitmapTypes : LineSolidTypes, hasBitmap, Warnings);
    // Two opaque colours without a border are a day and a night colour.
    if (!hasBitmap && ColourCountOf(object, Day) == 2 && choice.ColourType == 0 && object.BorderWidth == 0)
        choice.ColourType = 7;
    const Bytes labels = LabelBlock(object, Labels, Warnings);
    Bytes record;
    AppendPairRecordHead(record, KindLine,
                         {choice.ColourType, hasBitmap ? day.Height : uint8_t(0), !labels.empty(),
                          HasFont(object), object.UseOrientation <= 0});
    AppendStoredColours(record, object, choice);
    if (hasBitmap) {
        AppendMonochromeBitmap(record, object, choice, day.Height);
    } else {
        record.push_back(object.LineWidth);
        if (choice.ColourType != 6 && choice.ColourType != 7) {
            const uint32_t total = uint32_t(object.LineWidth) + 2u * object.BorderWidth;
            if (total > 0xFF)
                throw error(FillIn(CompilerText::LineTooWide,
                                   {std::to_string(object.LineWidth), std::to_string(object.BorderWidth)}));
            record.push_back(uint8_t(total));
        }
    }
    AppendLabelsAndFont(record, object, labels);
    return record;
}

Bytes RecordEncoder::EncodePolygonRecord(const TGarminObject& object) {
    const ObjectError error{object};
    const TXpmHeader& day = object.XpmHeader[Day];
    const bool hasBitmap = day.Width > 0 && day.Height > 0;
    if (hasBitmap && (day.Width != MonochromeWidth || day.Height != PolygonRows))
        throw error(
            FillIn(CompilerText::PolygonBitmapSize, {std::to_string(day.Width), std::to_string(day.Height)}));
    PairChoice choice =
        ChooseTable(object, hasBitmap ? PolygonPatternTypes : PolygonSolidTypes, true, Warnings);
    // A solid area with a transparent second colour is a pattern with every bit set.
    choice.FullPattern = !hasBitmap && choice.ColourType >= 8;
    const Bytes labels = LabelBlock(object, Labels, Warnings);
    Bytes record;
    AppendPairRecordHead(record, KindPolygon,
                         {choice.ColourType, 0, !labels.empty(), HasFont(object), false});
    AppendStoredColours(record, object, choice);
    if (choice.ColourType >= 8) AppendMonochromeBitmap(record, object, choice, PolygonRows);
    AppendLabelsAndFont(record, object, labels);
    return record;
}

} // namespace velmora
