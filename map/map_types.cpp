#include "map/map_types.h"
#include "model/ascii.h"
#include "model/text_format.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <string_view>

namespace velmora {

namespace {

constexpr uint32_t LargestClassicType = 0xFF;
constexpr uint32_t LargestUnfoldedType = 0x1FF;

MapKind KindOf(uint8_t kind) {
    return kind == KindPoint ? MapKind::Point : kind == KindLine ? MapKind::Line : MapKind::Polygon;
}

// A line or polygon TypeCode: the type alone (0x06), an extended type whose subtype a "SubType"
// key gives (0x10e), or the folded type * 256 + subtype (0x10e07, 0x0601).
MapTypeKey FoldedType(MapKind kind, uint32_t typeCode, uint32_t subTypeCode) {
    if (typeCode <= LargestUnfoldedType)
        return {kind, typeCode, typeCode > LargestClassicType ? subTypeCode : 0};
    return {kind, typeCode >> 8, typeCode & 0xFF};
}

} // namespace

MapTypeKey MapTypeOf(const TGarminObject& object) {
    const MapKind kind = KindOf(object.Kind);
    if (kind == MapKind::Point) return {kind, object.TypeCode, object.SubTypeCode};
    return FoldedType(kind, object.TypeCode, object.SubTypeCode);
}

const TGarminObject* FindStyleObject(const TypDocument& doc, const MapTypeKey& key) {
    for (const auto& object : doc.List(ObjectKindOf(key.Kind)))
        if (MapTypeOf(*object) == key) return object.get();
    return nullptr;
}

void SetMapType(TGarminObject& object, const MapTypeKey& key) {
    object.Kind = ObjectKindOf(key.Kind);
    object.TypeCode = key.Type;
    object.SubTypeCode = key.SubType;
    if (key.Kind != MapKind::Point && (key.SubType != 0 || key.Type > LargestClassicType))
        object.TypeCode = key.Type * 256 + key.SubType;
}

std::string MapTypeText(const MapTypeKey& key) {
    char text[16];
    if (key.Kind == MapKind::Point || key.Type > LargestClassicType || key.SubType != 0)
        std::snprintf(text, sizeof text, "0x%02x%02x", key.Type, key.SubType & 0xFF);
    else
        std::snprintf(text, sizeof text, "0x%02x", key.Type);
    return text;
}

std::map<MapTypeKey, int> PolygonDrawOrder(const std::vector<std::string>& headerLines) {
    std::map<MapTypeKey, int> levels;
    bool inDrawOrder = false;
    for (const std::string& line : headerLines) {
        const std::string_view trimmed = Trim(line);
        if (!trimmed.empty() && trimmed.front() == '[') {
            inDrawOrder = StartsWithIgnoringAsciiCase(trimmed, textform::DrawOrderSection);
            continue;
        }
        const size_t equals = trimmed.find('='), comma = trimmed.find(',');
        if (!inDrawOrder || equals == std::string_view::npos || comma == std::string_view::npos ||
            comma < equals || !EqualIgnoringAsciiCase(Trim(trimmed.substr(0, equals)), textform::Type))
            continue;
        try {
            const int32_t code = StrToInt(Trim(trimmed.substr(equals + 1, comma - equals - 1)));
            const int32_t level = StrToInt(Trim(trimmed.substr(comma + 1)));
            if (code < 0) continue;
            levels[FoldedType(MapKind::Polygon, uint32_t(code), 0)] = level;
        } catch (const ConversionError&) {
            // Not a draw-order line the compiler would take either.
        }
    }
    return levels;
}

void CountMapTypes(const MapFile& map, std::map<MapTypeKey, uint64_t>& counts) {
    for (const MapTile& tile : map.Tiles) {
        std::set<MapTypeKey> seen;
        for (const MapLevel& level : tile.Levels) {
            std::map<MapTypeKey, uint64_t> here;
            for (const MapObject& object : level.Objects)
                ++here[MapTypeOf(object)];
            for (const auto& [key, count] : here)
                if (seen.insert(key).second) counts[key] += count;
        }
    }
}

StyleGaps FindStyleGaps(const std::map<MapTypeKey, uint64_t>& counts, const TypDocument& style) {
    StyleGaps gaps;
    const std::map<MapTypeKey, int> drawOrder = PolygonDrawOrder(style.HeaderLines);
    for (const auto& [key, count] : counts) {
        if (!FindStyleObject(style, key)) gaps.Undefined.push_back({key, count});
        if (key.Kind == MapKind::Polygon && !drawOrder.count(key))
            gaps.NotInDrawOrder.push_back({key, count});
    }
    const auto mostUsedFirst = [](const TypeCount& a, const TypeCount& b) {
        return a.Count != b.Count ? a.Count > b.Count : a.Key < b.Key;
    };
    std::stable_sort(gaps.Undefined.begin(), gaps.Undefined.end(), mostUsedFirst);
    std::stable_sort(gaps.NotInDrawOrder.begin(), gaps.NotInDrawOrder.end(), mostUsedFirst);
    return gaps;
}

} // namespace velmora
