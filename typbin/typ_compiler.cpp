#include "typbin/typ_compiler.h"
#include "typbin/record_layout.h"

#include "model/text_format.h"
#include "typbin/bitmap_decoding.h"
#include "typbin/code_pages.h"
#include "typbin/typbin_texts.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <optional>
#include <span>
#include <string_view>
#include <tuple>
#include <utility>

namespace velmora {

using namespace record;

namespace {

constexpr std::string_view Signature = "GARMIN TYP";
// The header length is also where the polygon data starts, which tells the import the layout.
constexpr uint32_t OldHeaderLength = 91;
constexpr uint32_t NtHeaderLength = 110;
constexpr uint16_t HeaderVersion = 1;

constexpr uint16_t DefaultFamilyId = 0;
constexpr uint16_t DefaultProductId = 1;
constexpr uint16_t DefaultCodePage = 1251;

// The index packs 11 bits of type and 5 of subtype.
constexpr uint32_t MaxType = 0x7FF;
constexpr uint32_t MaxSubType = 0x1F;
constexpr uint32_t LargestStandardType = 0xFF;

constexpr uint32_t DrawOrderEntrySize = 5;
constexpr uint32_t ExtendedPolygonBase = 0x10000;
constexpr uint32_t MaxDrawLevel = 255;
constexpr int MaxLineRows = 31; // five bits of the first byte

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& out, size_t at, uint32_t value) {
    out[at] = uint8_t(value);
    out[at + 1] = uint8_t(value >> 8);
}
void Put32(Bytes& out, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i)
        out[at + i] = uint8_t(value >> (8 * i));
}
void Append16(Bytes& out, uint32_t value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}
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

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
    return lower;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && uint8_t(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && uint8_t(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

// A line "key=value" of a header section split into its lower-case key and its value.
bool SplitKey(std::string_view line, std::string& key, std::string_view& value) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    key = Lower(Trim(line.substr(0, equals)));
    value = Trim(line.substr(equals + 1));
    return true;
}

uint16_t HeaderNumber(std::string_view key, std::string_view value) {
    const int32_t number = StrToInt(value);
    if (number < 0 || number > 0xFFFF) throw TypError(FillIn(CompilerText::HeaderValue, {key, value}));
    return uint16_t(number);
}

// The section a header line opens ("[_id]" gives "[_id]"), lower case; empty for other lines.
std::string SectionOf(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return {};
    return Lower(line.substr(0, line.find(']') + 1));
}

// Calls visit(line, key, value) for each "key=value" line of the header section named (lower case,
// "[_id]"), the key in lower case.
template <typename Visit>
void ForEachHeaderKey(const std::vector<std::string>& headerLines, std::string_view wanted, Visit visit) {
    std::string section;
    for (const std::string& line : headerLines) {
        const std::string opened = SectionOf(line);
        if (!opened.empty()) {
            section = opened;
            continue;
        }
        std::string key;
        std::string_view value;
        if (section == wanted && SplitKey(line, key, value)) visit(line, key, value);
    }
}

struct DrawOrderItem {
    uint8_t Type = 0;
    uint32_t Mask = 0;
    uint32_t Level = 0;
};

// The "Type=0x..,level" lines of "[_drawOrder]". An extended polygon type 0x1TTss becomes type TT
// with bit ss of the subtype mask; the subtypes of one type and level share one entry, and a type
// listed again on its level is written once, as the map compiler writes them.
std::vector<DrawOrderItem> DrawOrderItems(const std::vector<std::string>& headerLines,
                                          std::vector<std::string>& warnings) {
    std::vector<DrawOrderItem> items;
    ForEachHeaderKey(
        headerLines, "[_draworder]",
        [&](const std::string& line, const std::string& key, std::string_view value) {
            if (key != "type") return;
            const size_t comma = value.find(',');
            auto skip = [&](const std::string& why) {
                warnings.push_back(FillIn(CompilerText::DrawOrderLineLeftOut, {line, why}));
            };
            if (comma == std::string_view::npos) {
                skip(CompilerText::NoLevel.Text);
                return;
            }
            const uint32_t code = uint32_t(StrToInt(Trim(value.substr(0, comma))));
            const int32_t level = StrToInt(Trim(value.substr(comma + 1)));
            if (level < 0 || uint32_t(level) >= MaxDrawLevel) {
                skip(FillIn(CompilerText::LevelRange, {std::to_string(MaxDrawLevel - 1)}));
                return;
            }
            if (code == 0) {
                skip(CompilerText::TypeZeroEntry.Text);
            } else if (code <= LargestStandardType) {
                items.push_back({uint8_t(code), 0, uint32_t(level)});
            } else if (code >= ExtendedPolygonBase && code < 2 * ExtendedPolygonBase &&
                       (code & 0xFF) <= MaxSubType) {
                items.push_back({uint8_t(code >> 8), uint32_t(1) << (code & 0xFF), uint32_t(level)});
            } else {
                skip(CompilerText::NotPolygonType.Text);
            }
        });
    // Within a level the entries go by type, standard types first, the order in which the import
    // lists them.
    std::stable_sort(items.begin(), items.end(), [](const DrawOrderItem& a, const DrawOrderItem& b) {
        return std::tuple(a.Level, a.Mask != 0, a.Type) < std::tuple(b.Level, b.Mask != 0, b.Type);
    });
    std::vector<DrawOrderItem> gathered;
    for (const DrawOrderItem& item : items) {
        DrawOrderItem* last = gathered.empty() ? nullptr : &gathered.back();
        if (last && last->Level == item.Level && last->Type == item.Type &&
            (last->Mask != 0) == (item.Mask != 0))
            last->Mask |= item.Mask;
        else
            gathered.push_back(item);
    }
    items = std::move(gathered);
    // The table's first level is 1: a draw order that starts at level 0 is written one level higher
    // throughout, which keeps the order of its levels.
    if (!items.empty() && items.front().Level == 0) {
        warnings.push_back(CompilerText::DrawOrderFromZero.Text);
        for (DrawOrderItem& item : items)
            ++item.Level;
    }
    return items;
}

// Levels are separated by entries of five zero bytes; the first level is 1.
Bytes DrawOrderTable(const std::vector<DrawOrderItem>& items) {
    Bytes table;
    uint32_t level = 1;
    for (const DrawOrderItem& item : items) {
        for (; level < item.Level; ++level)
            table.insert(table.end(), DrawOrderEntrySize, 0);
        table.push_back(item.Type);
        for (int i = 0; i < 4; ++i)
            table.push_back(uint8_t(item.Mask >> (8 * i)));
    }
    return table;
}

// mkgmap takes the code page of a text file only from a line that starts with "CodePage=" spelt so;
// the "[_id]" line that gives the code page here in another spelling is named in a warning.
void WarnCodePageSpelling(const std::vector<std::string>& headerLines, std::vector<std::string>& warnings) {
    constexpr std::string_view MkgmapKey = "CodePage=";
    ForEachHeaderKey(
        headerLines, "[_id]", [&](const std::string& line, const std::string& key, std::string_view) {
            if (key == "codepage" && !line.starts_with(MkgmapKey))
                warnings.push_back(FillIn(CompilerText::CodePageSpelling, {line, std::string(MkgmapKey)}));
        });
}

struct ObjectError {
    const TGarminObject& Object;
    TypError operator()(const std::string& reason) const {
        return TypError(FillIn(CompilerText::CannotCompileObject, {CompiledObjectName(Object), reason}));
    }
};

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

void WarnPartialAlpha(const TGarminObject& object, std::vector<std::string>& warnings) {
    for (size_t i = 0; i < ColourCountOf(object, Day); ++i) {
        const uint8_t alpha = object.ColourAlpha(Day, i);
        if (alpha != AlphaOpaque && alpha != AlphaTransparent) {
            warnings.push_back(FillIn(CompilerText::PartialTransparency, {CompiledObjectName(object)}));
            return;
        }
    }
}

// ---- Labels and font ----

struct LabelSettings {
    uint32_t SourceCodePage = DefaultCodePage;
    uint32_t TargetCodePage = DefaultCodePage;
};

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
        if (!language)
            while (!text.empty() && uint8_t(text.front()) <= ' ')
                text.remove_prefix(1);
        // A label ends at a zero byte, and like a line of the text form it ends in no blank or control
        // byte: the import drops those.
        text = text.substr(0, text.find('\0'));
        while (!text.empty() && uint8_t(text.back()) <= ' ')
            text.remove_suffix(1);
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

// ---- Records ----

struct Compiler {
    LabelSettings Labels;
    std::vector<std::string>& Warnings;

    Bytes PointRecord(const TGarminObject& object);
    Bytes LineRecord(const TGarminObject& object);
    Bytes PolygonRecord(const TGarminObject& object);
};

Bytes Compiler::PointRecord(const TGarminObject& object) {
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

Bytes Compiler::LineRecord(const TGarminObject& object) {
    const ObjectError error{object};
    const TXpmHeader& day = object.XpmHeader[Day];
    const bool hasBitmap = day.Width > 0 && day.Height > 0;
    if (hasBitmap && day.Width != MonochromeWidth)
        throw error(FillIn(CompilerText::LineBitmapWidth, {std::to_string(day.Width)}));
    if (hasBitmap && day.Height > MaxLineRows)
        throw error(FillIn(CompilerText::LineBitmapRows, {std::to_string(day.Height)}));
    const size_t count = ColourCountOf(object, Day);
    if (count != 1 && count != 2 && count != 4) throw error(ColourCountReason(count));
    WarnPartialAlpha(object, Warnings);

    PairChoice choice;
    if (count == 1) {
        if (IsClear(object, Day, 0)) throw error(CompilerText::OnlyColourTransparent.Text);
        choice.ColourType = 6;
        choice.Stored = {0};
    } else {
        choice = ChoosePair(object, hasBitmap ? LineBitmapTypes : LineSolidTypes, count, hasBitmap);
        // Two opaque colours without a border are a day and a night colour.
        if (!hasBitmap && count == 2 && choice.ColourType == 0 && object.BorderWidth == 0)
            choice.ColourType = 7;
    }
    const Bytes labels = LabelBlock(object, Labels, Warnings);
    uint8_t flags = object.UseOrientation > 0 ? 0 : LineWithoutOrientation;
    if (!labels.empty()) flags |= LineHasLabels;
    if (HasFont(object)) flags |= LineHasFont;
    Bytes record{uint8_t(choice.ColourType | (hasBitmap ? day.Height << 3 : 0)), flags};
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

Bytes Compiler::PolygonRecord(const TGarminObject& object) {
    const ObjectError error{object};
    const TXpmHeader& day = object.XpmHeader[Day];
    const bool hasBitmap = day.Width > 0 && day.Height > 0;
    if (hasBitmap && (day.Width != MonochromeWidth || day.Height != PolygonRows))
        throw error(
            FillIn(CompilerText::PolygonBitmapSize, {std::to_string(day.Width), std::to_string(day.Height)}));
    const size_t count = ColourCountOf(object, Day);
    if (count != 1 && count != 2 && count != 4) throw error(ColourCountReason(count));
    WarnPartialAlpha(object, Warnings);

    PairChoice choice;
    if (count == 1) {
        // One colour fills the area whatever its pattern.
        if (IsClear(object, Day, 0)) throw error(CompilerText::OnlyColourTransparent.Text);
        choice.ColourType = 6;
        choice.Stored = {0};
    } else {
        choice = ChoosePair(object, hasBitmap ? PolygonPatternTypes : PolygonSolidTypes, count, true);
        // A solid area with a transparent second colour is a pattern with every bit set.
        choice.FullPattern = !hasBitmap && choice.ColourType >= 8;
    }
    const Bytes labels = LabelBlock(object, Labels, Warnings);
    uint8_t first = choice.ColourType;
    if (!labels.empty()) first |= PolygonHasLabels;
    if (HasFont(object)) first |= PolygonHasFont;
    Bytes record{first};
    AppendStoredColours(record, object, choice);
    if (choice.ColourType >= 8) AppendMonochromeBitmap(record, object, choice, PolygonRows);
    AppendLabelsAndFont(record, object, labels);
    return record;
}

struct IndexedRecord {
    uint32_t Packed = 0; // type << 5 | subtype
    uint32_t Offset = 0;
};

// The records of one kind in document order, so the import finds the objects in their order again.
struct KindSection {
    Bytes Data;
    std::vector<IndexedRecord> Index;
};

// The smallest index entry that holds the largest record offset: 3, 4 or 5 bytes.
uint32_t IndexEntrySize(const KindSection& section) {
    uint32_t largest = 0;
    for (const IndexedRecord& record : section.Index)
        largest = std::max(largest, record.Offset);
    return largest <= 0xFF ? 3 : largest <= 0xFFFF ? 4 : 5;
}

Bytes IndexTable(const KindSection& section, uint32_t entrySize) {
    std::vector<IndexedRecord> sorted = section.Index;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const IndexedRecord& a, const IndexedRecord& b) { return a.Packed < b.Packed; });
    Bytes table;
    for (const IndexedRecord& record : sorted) {
        Append16(table, record.Packed);
        for (uint32_t i = 0; i < entrySize - 2; ++i)
            table.push_back(uint8_t(record.Offset >> (8 * i)));
    }
    return table;
}

void WarnDuplicates(const KindSection& section, int kind, std::vector<std::string>& warnings) {
    std::vector<uint32_t> packed;
    for (const IndexedRecord& record : section.Index)
        packed.push_back(record.Packed);
    std::sort(packed.begin(), packed.end());
    for (size_t i = 1; i < packed.size(); ++i)
        if (packed[i] == packed[i - 1] && (i + 1 == packed.size() || packed[i + 1] != packed[i]))
            warnings.push_back(FillIn(*CompilerText::DefinedTwice[size_t(kind)],
                                      {Hex(packed[i] >> 5), Hex(packed[i] & MaxSubType)}));
}

uint32_t SourceCodePage(const TypDocument& doc, const CompileOptions& identity) {
    if (doc.Utf8) return CodePageUtf8;
    if (identity.CodePage && IsKnownCodePage(*identity.CodePage)) return *identity.CodePage;
    return DefaultCodePage;
}

// The number before the first comma: after leading blanks a whole number, decimal, hexadecimal after
// "0x", "0X" or "#", octal after a leading zero, with an optional sign, that fits 32 signed bits.
std::optional<uint8_t> LanguageNumber(std::string_view text) {
    while (!text.empty() && uint8_t(text.front()) <= ' ')
        text.remove_prefix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    uint32_t radix = 10;
    if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        radix = 16;
        text.remove_prefix(2);
    } else if (!text.empty() && text[0] == '#') {
        radix = 16;
        text.remove_prefix(1);
    } else if (text.size() > 1 && text[0] == '0') {
        radix = 8;
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    const uint64_t limit = negative ? uint64_t(1) << 31 : (uint64_t(1) << 31) - 1;
    uint64_t value = 0;
    for (char c : text) {
        const int digit = std::isdigit(static_cast<unsigned char>(c))    ? c - '0'
                          : std::isxdigit(static_cast<unsigned char>(c)) ? LowerAscii(c) - 'a' + 10
                                                                         : 99;
        if (digit >= int(radix)) return std::nullopt;
        value = value * radix + uint64_t(digit);
        if (value > limit) return std::nullopt;
    }
    return uint8_t(negative ? 0 - value : value);
}

} // namespace

std::optional<uint8_t> LabelLanguage(std::string_view label) {
    const size_t comma = label.find(',');
    return comma == std::string_view::npos ? std::nullopt : LanguageNumber(label.substr(0, comma));
}

CompiledTypeKey CompiledType(const TGarminObject& object) {
    if (object.Kind == KindPoint) {
        // The text form and the import split a point's type from its subtype, so a type that the
        // index can hold is taken as it is (the import gives types up to 0x7FF back so); a larger
        // value holds the subtype in its low byte, which an explicit subtype overrides.
        if (object.TypeCode <= MaxType) return {object.TypeCode, object.SubTypeCode};
        return {object.TypeCode >> 8, object.SubTypeCode ? object.SubTypeCode : object.TypeCode & 0xFF};
    }
    // Lines and polygons hold type * 256 + subtype above 0xFF, as the text form and the import do
    // and as the map compiler reads a "Type" value; a subtype of its own overrides the low byte.
    if (object.TypeCode <= LargestStandardType) return {object.TypeCode, object.SubTypeCode};
    if (object.SubTypeCode != 0) return {object.TypeCode >> 8, object.SubTypeCode};
    return {object.TypeCode >> 8, object.TypeCode & 0xFF};
}

std::string CompiledObjectName(const TGarminObject& object) {
    const CompiledTypeKey key = CompiledType(object);
    return FillIn(*CompilerText::ObjectName[std::min<size_t>(object.Kind, KindPolygon)],
                  {Hex(key.Type), Hex(key.SubType)});
}

CompileOptions HeaderIdentity(const std::vector<std::string>& headerLines) {
    CompileOptions identity;
    ForEachHeaderKey(headerLines, "[_id]",
                     [&](const std::string&, const std::string& key, std::string_view value) {
                         if (key == "fid") identity.FamilyId = HeaderNumber(key, value);
                         if (key == "productcode") identity.ProductId = HeaderNumber(key, value);
                         if (key == "codepage") identity.CodePage = HeaderNumber(key, value);
                     });
    return identity;
}

CompileResult CompileTyp(const TypDocument& doc, const CompileOptions& options) {
    CompileResult result;
    const CompileOptions identity = HeaderIdentity(doc.HeaderLines);
    const uint16_t familyId = options.FamilyId.value_or(identity.FamilyId.value_or(DefaultFamilyId));
    const uint16_t productId = options.ProductId.value_or(identity.ProductId.value_or(DefaultProductId));
    const uint16_t codePage = options.CodePage.value_or(identity.CodePage.value_or(DefaultCodePage));
    Compiler compiler{{SourceCodePage(doc, identity), codePage}, result.Warnings};
    if (compiler.Labels.SourceCodePage != codePage && !IsKnownCodePage(codePage))
        throw TypError(FillIn(CompilerText::UnknownCodePage, {std::to_string(codePage)}));

    WarnCodePageSpelling(doc.HeaderLines, result.Warnings);

    std::array<KindSection, 3> sections;
    bool extendedTypes = false;
    for (int kind : {KindPoint, KindLine, KindPolygon}) {
        KindSection& section = sections[size_t(kind)];
        for (const auto& object : doc.List(kind)) {
            const CompiledTypeKey key = CompiledType(*object);
            if (key.Type > MaxType || key.SubType > MaxSubType)
                throw ObjectError{*object}(CompilerText::TypeOutOfRange.Text);
            extendedTypes = extendedTypes || key.Type > LargestStandardType;
            const Bytes record = kind == KindPoint  ? compiler.PointRecord(*object)
                                 : kind == KindLine ? compiler.LineRecord(*object)
                                                    : compiler.PolygonRecord(*object);
            section.Index.push_back({key.Type << 5 | key.SubType, uint32_t(section.Data.size())});
            section.Data.insert(section.Data.end(), record.begin(), record.end());
        }
        WarnDuplicates(section, kind, result.Warnings);
    }
    const Bytes drawOrder = DrawOrderTable(DrawOrderItems(doc.HeaderLines, result.Warnings));

    // Header, then each kind's records followed by its index (polygons first), then the draw order.
    const uint32_t headerLength = extendedTypes ? NtHeaderLength : OldHeaderLength;
    Bytes& out = result.Bytes;
    out.assign(headerLength, 0);
    Put16(out, 0, headerLength);
    std::copy(Signature.begin(), Signature.end(), out.begin() + 2);
    Put16(out, 12, HeaderVersion);
    Put16(out, 21, codePage);
    Put16(out, 47, familyId);
    Put16(out, 49, productId);
    for (int kind : {KindPolygon, KindLine, KindPoint}) {
        const KindSection& section = sections[size_t(kind)];
        const uint32_t entrySize = IndexEntrySize(section);
        const Bytes index = IndexTable(section, entrySize);
        Put32(out, size_t(23 + 8 * kind), uint32_t(out.size()));
        Put32(out, size_t(27 + 8 * kind), uint32_t(section.Data.size()));
        out.insert(out.end(), section.Data.begin(), section.Data.end());
        Put32(out, size_t(51 + 10 * kind), uint32_t(out.size()));
        Put16(out, size_t(55 + 10 * kind), entrySize);
        Put32(out, size_t(57 + 10 * kind), uint32_t(index.size()));
        out.insert(out.end(), index.begin(), index.end());
    }
    Put32(out, 81, uint32_t(out.size()));
    Put16(out, 85, DrawOrderEntrySize);
    Put32(out, 87, uint32_t(drawOrder.size()));
    out.insert(out.end(), drawOrder.begin(), drawOrder.end());
    return result;
}

} // namespace velmora
