#include "view/map_hit.h"

#include "map/map_types.h"
#include "view/map_style.h"

#include <QPolygonF>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <map>

namespace velmora {

namespace {

// The widest icon a click is looked for around, in pixels from its centre.
constexpr double IconReach = 128;

int32_t ToUnits(double degrees) {
    return int32_t(std::clamp(std::floor(degrees / MapUnitDegrees), -2147483648.0, 2147483647.0));
}

double SegmentDistance(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF nearest = a + t * ab;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

} // namespace

const MapObject* ObjectAt(const std::vector<const MapFile*>& maps, const TypDocument& style,
                          const MapRenderOptions& options, QPointF pixel) {
    const GeoBox& box = options.Box;
    const QSize& size = options.Size;
    if (box.IsEmpty() || size.width() <= 0 || size.height() <= 0) return nullptr;
    const double north = MercatorY(box.North);
    const double xScale = size.width() / (box.East - box.West);
    const double yScale = size.height() / (north - MercatorY(box.South));
    if (!std::isfinite(xScale) || !std::isfinite(yScale) || !(yScale > 0) || !(xScale > 0)) return nullptr;
    const auto project = [&](MapCoord c) {
        return QPointF((c.X * MapUnitDegrees - box.West) * xScale,
                       (north - MercatorY(c.Y * MapUnitDegrees)) * yScale);
    };
    // The map units around the pixel where anything drawn over it may lie.
    const MapBox reach{ToUnits(box.West + (pixel.x() - IconReach) / xScale),
                       ToUnits(LatitudeOfMercator(north - (pixel.y() + IconReach) / yScale)),
                       ToUnits(box.West + (pixel.x() + IconReach) / xScale) + 1,
                       ToUnits(LatitudeOfMercator(north - (pixel.y() - IconReach) / yScale)) + 1};
    const double unitsPerPixel = (box.East - box.West) / MapUnitDegrees / size.width();
    const int view = options.View == Night ? Night : Day;

    std::map<MapTypeKey, MapTypeLook> looks;
    const auto lookOf = [&](const MapObject& object) -> const MapTypeLook& {
        const MapTypeKey key = MapTypeOf(object);
        auto found = looks.find(key);
        if (found == looks.end()) {
            const TGarminObject* styled = FindStyleObject(style, key);
            found = looks.emplace(key, styled ? LookOf(*styled, view) : PlainLook(key.Kind, view)).first;
        }
        return found->second;
    };
    const std::map<MapTypeKey, int> drawOrder = PolygonDrawOrder(style.HeaderLines);

    const MapObject* point = nullptr;
    const MapObject* line = nullptr;
    const MapObject* area = nullptr;
    int areaLevel = UnlistedDrawLevel;
    QPolygonF shape;
    const auto visit = [&](const MapObject& object) {
        if (object.Coords.empty()) return;
        const MapTypeLook& look = lookOf(object);
        if (!options.ShowUndefined && !look.Defined) return;
        if (object.Kind == MapKind::Point) {
            const QPointF at = project(object.Coords.front());
            bool hit = false;
            if (!look.Icon.isNull()) {
                // The icon stands on whole pixels, as it is drawn.
                const QRectF icon(std::lround(at.x() - look.Icon.width() / 2.0),
                                  std::lround(at.y() - look.Icon.height() / 2.0), look.Icon.width(),
                                  look.Icon.height());
                hit = icon.contains(pixel);
            } else {
                hit = std::hypot(pixel.x() - at.x(), pixel.y() - at.y()) <= HitReach;
            }
            // Points are drawn in the map's order: the later one lies on top.
            if (hit) point = &object;
            return;
        }
        shape.clear();
        for (const MapCoord& c : object.Coords)
            shape.append(project(c));
        if (object.Kind == MapKind::Line) {
            const double drawn =
                look.Pattern.isNull() ? look.Width + 2.0 * look.BorderWidth : look.Pattern.height();
            const double within = std::max(HitReach, drawn / 2);
            bool hit = false;
            for (qsizetype i = 1; i < shape.size() && !hit; ++i)
                hit = SegmentDistance(pixel, shape[i - 1], shape[i]) <= within;
            // The lines of lower types lie over those of higher ones; within a type the later one.
            if (hit && (!line || !(MapTypeOf(*line) < MapTypeOf(object)))) line = &object;
            return;
        }
        if (shape.size() < 3 || !shape.containsPoint(pixel, Qt::OddEvenFill)) return;
        const auto listed = drawOrder.find(MapTypeOf(object));
        const int level = listed == drawOrder.end() ? UnlistedDrawLevel : listed->second;
        if (!area || level >= areaLevel) {
            area = &object;
            areaLevel = level;
        }
    };

    for (const MapFile* map : maps) {
        for (const MapTile& tile : map->Tiles) {
            if (!tile.Bounds.Intersects(reach)) continue;
            if (const MapLevel* level = LevelForView(tile, options.Level, unitsPerPixel))
                ForEachObjectIn(*level, reach, visit);
        }
    }
    return point ? point : line ? line : area;
}

} // namespace velmora
