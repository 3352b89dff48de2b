// Small maps made in code for the map view tests: a box of one degree near the equator and the
// objects of a picture of it.
#pragma once

#include "map/map_data.h"
#include "model/text_format.h"
#include "view/map_render.h"

#include <QSize>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

// A box of one degree near the equator, where Mercator is all but linear: longitude 10.25 is x 25,
// latitude 0.75 is y 25 of a 100 x 100 picture.
inline const GeoBox TestBox{10.0, 0.0, 11.0, 1.0};
inline const QSize TestSize(100, 100);

inline MapCoord At(double lon, double lat) {
    return {int32_t(std::lround(lon / MapUnitDegrees)), int32_t(std::lround(lat / MapUnitDegrees))};
}

inline MapObject Object(MapKind kind, uint32_t type, std::vector<MapCoord> coords, uint32_t subType = 0,
                        std::string label = {}) {
    MapObject object;
    object.Kind = kind;
    object.Type = type;
    object.SubType = subType;
    object.Label = std::move(label);
    object.Coords = std::move(coords);
    object.Box = {object.Coords[0].X, object.Coords[0].Y, object.Coords[0].X, object.Coords[0].Y};
    for (const MapCoord& c : object.Coords) {
        object.Box.West = std::min(object.Box.West, c.X);
        object.Box.East = std::max(object.Box.East, c.X);
        object.Box.South = std::min(object.Box.South, c.Y);
        object.Box.North = std::max(object.Box.North, c.Y);
    }
    return object;
}

inline MapObject Area(uint32_t type, double west, double south, double east, double north,
                      uint32_t subType = 0) {
    return Object(MapKind::Polygon, type,
                  {At(west, south), At(west, north), At(east, north), At(east, south)}, subType);
}

// The latitude of row y of a picture of TestBox (y 50.5: the middle of pixel row 50).
inline double LatitudeAt(double y) {
    const double mercator = MercatorY(TestBox.North) -
                            y / TestSize.height() * (MercatorY(TestBox.North) - MercatorY(TestBox.South));
    return std::atan(std::sinh(mercator * std::numbers::pi / 180)) * 180 / std::numbers::pi;
}

// A line across the picture through the middle of pixel row 50, east or west.
inline MapObject Road(uint32_t type, bool westward = false) {
    std::vector<MapCoord> coords{At(9.5, LatitudeAt(50.5)), At(11.5, LatitudeAt(50.5))};
    if (westward) std::swap(coords[0], coords[1]);
    return Object(MapKind::Line, type, std::move(coords));
}

inline MapObject Poi(uint32_t type, uint32_t subType = 0, std::string label = {}) {
    return Object(MapKind::Point, type, {At(10.5, 0.5)}, subType, std::move(label));
}

inline MapFile MapOf(std::vector<MapObject> objects) {
    MapFile map;
    MapTile& tile = map.Tiles.emplace_back();
    tile.Name = "77700001";
    tile.Bounds = {At(9, -1).X, At(9, -1).Y, At(12, 2).X, At(12, 2).Y};
    const uint32_t count = uint32_t(objects.size());
    tile.Levels.push_back({0, 24, std::move(objects), {{tile.Bounds, 0, count}}});
    return map;
}

// A text style; lines end in CR LF as the format has them.
inline TypDocument Style(const std::string& text) {
    std::string bytes;
    for (char c : text) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    TypDocument doc;
    LoadTextTypDocument(bytes, doc);
    return doc;
}

} // namespace velmora
