// Which object of a map lies under a pixel of the picture MapRenderer draws: the one drawn topmost
// there. No widgets: the map preview asks it for the object under a click.
#pragma once

#include "map/map_data.h"
#include "model/maintyp.h"
#include "view/map_render.h"

#include <QPointF>

#include <vector>

namespace velmora {

// How many pixels beside a line's middle, or from a plain dot's centre, a click still hits it.
inline constexpr double HitReach = 4;

// The object drawn topmost at pixel of the picture that MapRenderer::Draw(style, options) makes of
// maps: a point whose icon's box (or plain dot) covers the pixel, else a line drawn within reach of
// it (the later drawn of two), else the area drawn last there in the draw order. Types that the
// options hide are passed over. Null where the pixel shows nothing of the map.
const MapObject* ObjectAt(const std::vector<const MapFile*>& maps, const TypDocument& style,
                          const MapRenderOptions& options, QPointF pixel);

} // namespace velmora
