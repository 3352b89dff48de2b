// The plain objects of a Garmin map as the map engine hands them out.
// Standard C++ only; no Qt.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Coordinates are Garmin map units at full resolution: 2^24 units to 360 degrees. X grows east
// (longitude), Y north (latitude). Coordinates of a level with fewer bits are shifted up to full
// resolution by the engine.
inline constexpr double MapUnitDegrees = 360.0 / 16777216.0;

struct MapCoord {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const MapCoord&, const MapCoord&) = default;
};

struct MapBox {
    int32_t West = 0, South = 0, East = 0, North = 0;
    bool Intersects(const MapBox& o) const {
        return West <= o.East && o.West <= East && South <= o.North && o.South <= North;
    }
};

enum class MapKind : uint8_t { Point, Line, Polygon };

struct MapObject {
    MapKind Kind = MapKind::Point;
    // The type as a style names it: 0x00..0xFF for the classic types, 0x100..0x1FF for the
    // extended ones (mkgmap's 0x1TTSS is Type 0x1TT, SubType 0xSS).
    uint32_t Type = 0;
    // Points: the subtype (0..0x1F classic, the extended subtype byte otherwise); lines and
    // polygons: the extended subtype byte, 0 for classic types.
    uint32_t SubType = 0;
    std::string Label;      // UTF-8, empty when none
    bool Direction = false; // lines: the direction flag of the record
    MapBox Box;             // the box of Coords
    std::vector<MapCoord> Coords;
};

// A run of a level's objects that lie together (one subdivision of the map) and the box around
// them, so that the objects of a view are found without looking at every object of the level.
struct MapCell {
    MapBox Box;
    uint32_t First = 0; // index of the first object in MapLevel::Objects
    uint32_t Count = 0;
};

struct MapLevel {
    int Level = 0; // the level number of TRE (0 = most detailed)
    int Bits = 24; // bits per coordinate at this level
    std::vector<MapObject> Objects;
    std::vector<MapCell> Cells; // together they hold every object once, in order
};

// Calls f(object) for every object of level whose box meets box.
template <class F> void ForEachObjectIn(const MapLevel& level, const MapBox& box, F&& f) {
    for (const MapCell& cell : level.Cells) {
        if (!cell.Box.Intersects(box)) continue;
        for (uint32_t i = cell.First; i < cell.First + cell.Count && i < level.Objects.size(); ++i)
            if (level.Objects[i].Box.Intersects(box)) f(level.Objects[i]);
    }
}

struct MapTile {
    std::string Name; // the tile's subfile name, e.g. "77700001"
    MapBox Bounds;
    std::vector<MapLevel> Levels; // most detailed first
};

struct MapFile {
    std::string Path;
    std::vector<MapTile> Tiles;
    // TYP subfiles of a gmapsupp (name and bytes), for "open the map's own style".
    std::vector<std::pair<std::string, std::vector<uint8_t>>> Styles;
    uint32_t SkippedSubdivisions = 0; // damaged parts skipped while the rest loaded
    uint32_t SkippedLabels = 0;
};
