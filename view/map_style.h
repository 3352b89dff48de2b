// How the document's objects look on a map: each type's look (fill, pens, icon, label) ready to
// draw. Which style object a map type takes its look from, and the draw order of the areas, are
// map/map_types.h's.
#pragma once

#include "map/map_data.h"
#include "map/map_types.h"
#include "model/maintyp.h"

#include <QBrush>
#include <QColor>
#include <QImage>

#include <cstdint>

namespace velmora {

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
