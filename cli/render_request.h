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

// The first argument of velmora-typ-render that makes it draw a map rather than an object.
inline constexpr std::string_view RenderMapWord = "render-map";

// The largest edge of a map picture, which the drawing program checks against the view's own.
inline constexpr long long RenderMapMaxEdge = 16384;
// --level when the scale chooses the level.
inline constexpr int RenderMapAutomaticLevel = -1;

// The arguments of "velmora-typ render-map STYLE MAP OUT.png --bbox W,S,E,N --size WxH [--night]
// [--level N]". The box is in degrees.
struct RenderMapRequest {
    std::string Style;
    std::string Map;
    std::string Output;
    std::string BoxText; // --bbox as given, for messages
    double West = 0, South = 0, East = 0, North = 0;
    std::string SizeText; // --size as given
    long long Width = 0, Height = 0;
    int View = Day;
    int Level = RenderMapAutomaticLevel;
};

// The arguments of render-map (after its name) into request; gives the usage error to report (a
// missing or malformed argument), or an empty text.
std::string ParseRenderMapArguments(std::span<const std::string> args, RenderMapRequest& request);

// What is wrong with well-formed values (an empty box or one off the earth, a size of 0 or above
// RenderMapMaxEdge), naming the argument; an empty text when nothing is.
std::string CheckRenderMapValues(const RenderMapRequest& request);

} // namespace velmora::cli
