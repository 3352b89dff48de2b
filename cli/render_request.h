// The arguments of "velmora-typ render". velmora-typ checks them before it starts the drawing
// program, velmora-typ-render, which reads them again; neither needs Qt for it.
#pragma once

#include "cli/translate.h"
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
    // "index %1 is out of range: %2 has %3 ...", for a count of one and for any other, each a whole
    // sentence for its translation.
    const char* OutOfRangeOne;
    const char* OutOfRangeMany;
};

// In the order of the kinds' numbers.
inline constexpr std::array<KindName, 3> KindNames = {{
    {"point", KindPoint, TranslateNoop("velmora-typ", "index %1 is out of range: %2 has %3 point"),
     TranslateNoop("velmora-typ", "index %1 is out of range: %2 has %3 points")},
    {"line", KindLine, TranslateNoop("velmora-typ", "index %1 is out of range: %2 has %3 line"),
     TranslateNoop("velmora-typ", "index %1 is out of range: %2 has %3 lines")},
    {"polygon", KindPolygon, TranslateNoop("velmora-typ", "index %1 is out of range: %2 has %3 polygon"),
     TranslateNoop("velmora-typ", "index %1 is out of range: %2 has %3 polygons")},
}};
static_assert(KindNames[KindPoint].Kind == KindPoint && KindNames[KindLine].Kind == KindLine &&
              KindNames[KindPolygon].Kind == KindPolygon);

// The arguments of render (after its name) into request; gives the usage error to report, or an
// empty text.
std::string ParseRenderArguments(std::span<const std::string> args, RenderRequest& request);

} // namespace velmora::cli
