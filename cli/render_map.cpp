// velmora-typ render-map, as the drawing program runs it: loads the style and the map, checks that
// the box meets the map, draws it and writes the PNG file.
#include "cli/cli.h"
#include "cli/render_program.h"
#include "cli/render_request.h"
#include "cli/translate.h"
#include "map/img_reader.h"
#include "view/map_render.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <optional>

namespace velmora::cli {

namespace {

static_assert(RenderMapMaxEdge == MaxPictureEdge && RenderMapAutomaticLevel == AutomaticLevel,
              "render-map takes the renderer's sizes and levels");

int32_t Units(double degrees, bool up) {
    const double units = degrees / MapUnitDegrees;
    return int32_t(up ? std::ceil(units) : std::floor(units));
}

std::string Degrees(int32_t units) {
    char text[32];
    std::snprintf(text, sizeof text, "%.5f", units * MapUnitDegrees);
    return text;
}

// The box of every tile together, in map units; none for a map without tiles.
std::optional<MapBox> MapBounds(const MapFile& map) {
    std::optional<MapBox> bounds;
    for (const MapTile& tile : map.Tiles) {
        if (!bounds) {
            bounds = tile.Bounds;
            continue;
        }
        bounds->West = std::min(bounds->West, tile.Bounds.West);
        bounds->South = std::min(bounds->South, tile.Bounds.South);
        bounds->East = std::max(bounds->East, tile.Bounds.East);
        bounds->North = std::max(bounds->North, tile.Bounds.North);
    }
    return bounds;
}

bool HasLevel(const MapFile& map, int level) {
    return std::any_of(map.Tiles.begin(), map.Tiles.end(), [level](const MapTile& tile) {
        return std::any_of(tile.Levels.begin(), tile.Levels.end(),
                           [level](const MapLevel& candidate) { return candidate.Level == level; });
    });
}

// What keeps the map from being drawn in the box, or an empty text.
std::string MapProblem(const RenderMapRequest& request, const MapFile& map) {
    const MapBox box{Units(request.West, false), Units(request.South, false), Units(request.East, true),
                     Units(request.North, true)};
    const auto bounds = MapBounds(map);
    if (!bounds || !std::any_of(map.Tiles.begin(), map.Tiles.end(),
                                [&box](const MapTile& tile) { return tile.Bounds.Intersects(box); })) {
        const std::string covered = bounds ? Degrees(bounds->West) + "," + Degrees(bounds->South) + "," +
                                                 Degrees(bounds->East) + "," + Degrees(bounds->North)
                                           : std::string("-");
        return FillIn(Translate("velmora-typ", "--bbox %1 misses the map %2, which covers %3"),
                      {request.BoxText, request.Map, covered});
    }
    if (request.Level != RenderMapAutomaticLevel && !HasLevel(map, request.Level))
        return FillIn(Translate("velmora-typ", "--level %1: the map %2 has no such level"),
                      {std::to_string(request.Level), request.Map});
    return {};
}

// Quality 80 is zlib's fastest compression: a third less time than the default for a file about
// 5 % larger.
constexpr int PngQuality = 80;

int RenderMap(const RenderMapRequest& request) {
    TypDocument style;
    if (!LoadStyle(request.Style, style)) return ExitFailure;
    const MapFile map = ReadImgMap(request.Map);
    if (const std::string problem = MapProblem(request, map); !problem.empty()) {
        PrintError(problem);
        return ExitFailure;
    }

    const auto gui = StartGui();
    MapRenderer renderer;
    renderer.SetMaps({&map});
    MapRenderOptions options;
    options.Box = {request.West, request.South, request.East, request.North};
    options.Size = QSize(int(request.Width), int(request.Height));
    options.View = request.View;
    options.Level = request.Level;
    const QImage picture = renderer.Draw(style, options);
    if (picture.isNull() ||
        !SavePicture(picture.convertToFormat(QImage::Format_RGB32), request.Output, "PNG", PngQuality)) {
        PrintError(FillIn(Translate("velmora-typ", "cannot write %1"), {request.Output}));
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace

int RenderMapProgram(std::span<const std::string> args) {
    RenderMapRequest request;
    std::string problem = ParseRenderMapArguments(args, request);
    if (!problem.empty()) {
        PrintError(problem);
        const std::string usage = Translate("velmora-typ", "Usage:") + " velmora-typ-render " +
                                  std::string(RenderMapWord) +
                                  " STYLE MAP OUT.png --bbox W,S,E,N --size WxH [--night] [--level N]\n";
        std::fputs(usage.c_str(), stderr);
        return ExitUsage;
    }
    if (problem = CheckRenderMapValues(request); !problem.empty()) {
        PrintError(problem);
        return ExitFailure;
    }
    try {
        return RenderMap(request);
    } catch (const std::exception& error) {
        PrintError(ErrorText(error));
        return ExitFailure;
    }
}

} // namespace velmora::cli
