// How the document's objects look on a map: which object of the style a map object takes its look
// from, the draw order of the areas, and each type's look (fill, pens, icon, label) ready to draw.
#pragma once

#include "map/map_data.h"
#include "model/maintyp.h"

#include <QBrush>
#include <QColor>
#include <QImage>

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace velmora {

// A map type as the map and a style both name it: the kind, the type (0x00..0xFF classic,
// 0x100..0x1FF extended) and the subtype (of points; the extended subtype byte of lines and
// polygons, 0 for their classic types), packed into one number for look-ups.
using MapTypeKey = uint64_t;

MapTypeKey MakeMapTypeKey(MapKind kind, uint32_t type, uint32_t subType);
MapTypeKey MapTypeKeyOf(const MapObject& object);

// The map type a style object stands for. The text form and the compiled import hold a point's
// type and subtype apart (an extended point 0x11401 as type 0x114, subtype 0x01), and a line's or
// polygon's extended subtype in TypeCode (0x10f04 for type 0x10f, subtype 0x04); a SubTypeCode of
// its own overrides that byte.
MapTypeKey MapTypeKeyOf(const TGarminObject& object);

// The draw level of each polygon type that "[_drawOrder]" lists ("Type=0x01,1", "Type=0x10f04,3").
// Lines that do not read as a type and a level are passed over: the header is being typed in while
// the map is drawn. A type listed twice takes its highest level.
std::unordered_map<MapTypeKey, int> PolygonDrawLevels(const std::vector<std::string>& headerLines);

// The level under which a polygon type that the draw order does not list is drawn: below all others.
inline constexpr int UnlistedDrawLevel = -1;

// The font sizes of map labels in pixels, by the object's font style.
inline constexpr int SmallLabelPixels = 10;
inline constexpr int NormalLabelPixels = 12;
inline constexpr int LargeLabelPixels = 15;

// How one map type is drawn in one view (Day or Night).
struct MapTypeLook {
    bool Defined = false; // the style has an object for the type; otherwise the plain look

    // Areas: the fill (a solid colour or the 32 x 32 pattern), Qt::NoBrush when nothing is drawn.
    QBrush Area;

    // Lines: a bitmap pattern along the line (Pattern not null), or a line of Width pixels over a
    // border of BorderWidth pixels on each side. A colour that is not valid is not drawn.
    QImage Pattern;
    bool Oriented = false; // the pattern turns with the line's direction
    QColor LineColour;
    QColor BorderColour;
    int Width = 1;
    int BorderWidth = 0;

    // Points: the icon, drawn centred at its pixel size; a null icon draws the plain dot.
    QImage Icon;
    QColor Dot;

    // Labels: their pixel size (0: no label) and colour.
    int LabelPixels = NormalLabelPixels;
    QColor LabelColour;
};

// The look of a type the style does not define: a thin grey line, a pale grey area, a small dark
// dot (lighter and darker by night so that they stay visible on the night background).
MapTypeLook PlainLook(MapKind kind, int view);

// The look of a style object on the map in the view.
MapTypeLook LookOf(const TGarminObject& object, int view);

// A number that changes whenever anything that LookOf reads of the object changes: a style cache
// compares it to know whether its look is still current.
uint64_t LookFingerprint(const TGarminObject& object);

} // namespace velmora
