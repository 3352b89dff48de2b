#include "typbin/typ_compiler.h"
#include "typbin/record_encoding.h"

#include "model/ascii.h"
#include "model/text_format.h"
#include "typbin/code_pages.h"
#include "typbin/typbin_texts.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <optional>
#include <string_view>
#include <tuple>
#include <utility>

namespace velmora {

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

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

// A line "key=value" of a header section split into its lower-case key and its value.
bool SplitKey(std::string_view line, std::string& key, std::string_view& value) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    key = LowerAsciiText(Trim(line.substr(0, equals)));
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
    return LowerAsciiText(line.substr(0, line.find(']') + 1));
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
    text = TrimLeft(text);
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
    RecordEncoder compiler{{SourceCodePage(doc, identity), codePage}, result.Warnings};
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
            const Bytes record = kind == KindPoint  ? compiler.EncodePointRecord(*object)
                                 : kind == KindLine ? compiler.EncodeLineRecord(*object)
                                                    : compiler.EncodePolygonRecord(*object);
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
