// The arguments of "velmora-typ render". velmora-typ checks them before it starts the drawing
// program, velmora-typ-render, which reads them again; neither needs Qt for it.
#pragma once

#include "model/maintyp.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace velmora::cli {

// The zoom range of --zoom and its default: the view's cell sizes, which the drawing program checks
// against the view's own constants.
inline constexpr int RenderMinZoom = 1;
inline constexpr int RenderMaxZoom = 20;
inline constexpr int RenderDefaultZoom = 20;

struct RenderRequest {
    std::string Input;
    std::string Output;
    int Kind = -1;
    long long Index = -1;
    int View = Day;
    int Zoom = RenderDefaultZoom;
};

struct KindName {
    std::string_view Name;
    int Kind;
    std::string_view Plural;
};

inline constexpr std::array<KindName, 3> KindNames = {{
    {"point", KindPoint, "points"},
    {"line", KindLine, "lines"},
    {"polygon", KindPolygon, "polygons"},
}};

// The arguments of render (after its name) into request; gives the usage error to report, or an
// empty text.
std::string ParseRenderArguments(std::span<const std::string> args, RenderRequest& request);

} // namespace velmora::cli
