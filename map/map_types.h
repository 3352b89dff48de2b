// Types of a map and the objects of a TYP document that style them. A map names a type by kind,
// type (0x00 to 0xFF classic, 0x100 to 0x1FF extended) and subtype; the document keeps a point's
// subtype apart and folds the subtype of a line or polygon into its TypeCode (type * 256 +
// subtype, always for an extended type), as its reader and the compiled import do.
#pragma once

#include "map/map_data.h"
#include "model/maintyp.h"

#include <compare>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace velmora {

struct MapTypeKey {
    MapKind Kind = MapKind::Point;
    uint32_t Type = 0;
    uint32_t SubType = 0;
    friend auto operator<=>(const MapTypeKey&, const MapTypeKey&) = default;
};

inline MapTypeKey MapTypeOf(const MapObject& object) {
    return {object.Kind, object.Type, object.SubType};
}

// The kind of TGarminObject (KindPoint, KindLine, KindPolygon) for a map kind.
inline uint8_t ObjectKindOf(MapKind kind) {
    return kind == MapKind::Point ? KindPoint : kind == MapKind::Line ? KindLine : KindPolygon;
}

// The type of the map that a document object styles.
MapTypeKey MapTypeOf(const TGarminObject& object);

// The document's object that styles a type of the map, or null when the document has none.
const TGarminObject* FindStyleObject(const TypDocument& doc, const MapTypeKey& key);

// Gives object the kind and type codes under which the document keeps a style for key, for a new
// object made for a type of the map.
void SetMapType(TGarminObject& object, const MapTypeKey& key);

// The type as a map style writes it: 0x2a00 and 0x11503 for points (type and subtype), 0x06 for a
// classic line or polygon, 0x10e07 for an extended one.
std::string MapTypeText(const MapTypeKey& key);

// The level of each polygon type that the "[_drawOrder]" section of headerLines lists ("Type=0x50,1",
// "Type=0x10f04,3"); lines that do not read as a type and a level are left out.
std::map<MapTypeKey, int> PolygonDrawOrder(const std::vector<std::string>& headerLines);

// How many objects of each type a map holds: per tile, at the most detailed level that shows the
// type, so that an object drawn again at each coarser level counts once. Added to counts, so that
// several maps shown as one are counted together.
void CountMapTypes(const MapFile& map, std::map<MapTypeKey, uint64_t>& counts);

// What a map uses and a style lacks, most used first (by type where the counts are equal).
struct TypeCount {
    MapTypeKey Key;
    uint64_t Count = 0;
    friend bool operator==(const TypeCount&, const TypeCount&) = default;
};
struct StyleGaps {
    std::vector<TypeCount> Undefined;      // types with no style object
    std::vector<TypeCount> NotInDrawOrder; // polygon types that [_drawOrder] does not list
    friend bool operator==(const StyleGaps&, const StyleGaps&) = default;
};
StyleGaps FindStyleGaps(const std::map<MapTypeKey, uint64_t>& counts, const TypDocument& style);

} // namespace velmora
