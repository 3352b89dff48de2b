// Drawing a Garmin map with the document's style: a box of the map into a picture, in Web
// Mercator (x linear in longitude, y linear in the Mercator y of the latitude), the picture
// spanning the box exactly.
//
// Made for live editing. The renderer keeps what an edit does not change: the objects of the box
// projected to the picture's pixels (until the maps, the box, the size or the level change) and
// each type's look (fill, pens, icon, label font and colour), rebuilt for a type only when the
// style object it comes from changed. Nothing needs to be told about an edit: every draw compares
// a fingerprint of each type's style object with the one its look was built from, and reads the
// draw order from the header lines afresh.
#pragma once

#include "map/map_data.h"
#include "model/maintyp.h"
#include "view/map_style.h"

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QSize>
#include <QString>

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace velmora {

// A box in degrees of longitude (West, East) and latitude (South, North).
struct GeoBox {
    double West = 0, South = 0, East = 0, North = 0;
    bool IsEmpty() const { return !(West < East && South < North); }
    friend bool operator==(const GeoBox&, const GeoBox&) = default;
};

// The box of a map unit box in degrees.
GeoBox ToGeoBox(const MapBox& box);

// The Mercator y of a latitude in degrees (the latitude limited to the Mercator range).
double MercatorY(double latitude);
// The latitude in degrees of a Mercator y.
double LatitudeOfMercator(double mercatorY);

// The level a picture of unitsPerPixel map units to the pixel shows of a tile: the least detailed
// level whose coordinates are still as fine as a pixel, the most detailed when even that is too
// coarse (zoomed in). Null for a tile without levels.
const MapLevel* LevelForScale(const MapTile& tile, double unitsPerPixel);

// Let the scale choose the level.
inline constexpr int AutomaticLevel = -1;

// The level of tile that a view shows: the one numbered level of the map's TRE, or for
// AutomaticLevel the one LevelForScale chooses. Null when the tile has no such level.
const MapLevel* LevelForView(const MapTile& tile, int level, double unitsPerPixel);
// The largest picture edge in pixels.
inline constexpr int MaxPictureEdge = 16384;

struct MapRenderOptions {
    GeoBox Box;
    QSize Size;
    int View = Day;
    int Level = AutomaticLevel; // the level number of the map's TRE, or AutomaticLevel
    bool ShowUndefined = true;  // types the style lacks, drawn plainly; hidden when false
    bool Labels = true;
};

class MapRenderer {
  public:
    // The maps drawn, as one; the caller keeps them alive and unchanged while they are set.
    void SetMaps(std::vector<const MapFile*> maps);

    // The box drawn with the document's style; a null picture for an empty box or size.
    QImage Draw(const TypDocument& style, const MapRenderOptions& options);

    // Drops every look built, for the next draw to build them all afresh.
    void ForgetLooks();

  private:
    // One object, or one visible run of a clipped line, projected to picture pixels.
    struct Shape {
        const MapObject* Object = nullptr;
        uint32_t First = 0; // into Points
        uint32_t Count = 0;
        uint32_t Type = 0;        // into Types
        uint32_t Label = NoLabel; // into LabelTexts
    };
    static constexpr uint32_t NoLabel = UINT32_MAX;
    // The lines of each type, the types from the highest number to the lowest, so that the main
    // roads (0x01 on) lie over the lesser ones; within a type the map's order holds.
    struct LineGroup {
        uint32_t Type = 0;            // into Types
        std::vector<uint32_t> Shapes; // into Lines
    };
    struct CachedLook {
        bool Built = false;
        uint64_t Fingerprint = 0; // of the style object; 0 for the plain look
        int View = Day;
        MapTypeLook Look;
    };
    struct ViewKey {
        GeoBox Box;
        QSize Size;
        int Level = AutomaticLevel;
        uint64_t MapsGeneration = 0;
        friend bool operator==(const ViewKey&, const ViewKey&) = default;
    };

    void Project(const MapRenderOptions& options);
    void GroupLines();
    uint32_t TypeIndex(const MapTypeKey& key);
    void UpdateLooks(const TypDocument& style, int view);
    void UpdatePolygonOrder(const TypDocument& style);
    void Paint(QImage& picture, const MapRenderOptions& options) const;
    void DrawLines(QImage& picture, const LineGroup& group, int width, const QColor& colour) const;

    std::vector<const MapFile*> Maps;
    uint64_t MapsGeneration = 1;
    bool Projected = false;
    ViewKey ProjectedView;

    std::vector<QPointF> Points;
    std::vector<Shape> Polygons, Lines, PointShapes;
    std::vector<LineGroup> LineGroups;
    std::vector<MapTypeKey> Types;
    std::unordered_map<uint64_t, uint32_t> TypeIndexes; // by PackedType
    std::vector<QString> LabelTexts;

    std::unordered_map<uint64_t, CachedLook> Looks; // by PackedType
    std::vector<const CachedLook*> TypeLooks;       // by type index, for the current draw
    std::vector<int> PolygonLevels;                 // by type index
    std::vector<uint32_t> PolygonOrder;             // indexes of Polygons in drawing order
};

} // namespace velmora
