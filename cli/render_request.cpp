#include "cli/render_request.h"
#include "cli/translate.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace velmora::cli {

namespace {

std::optional<long long> ParseCount(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

std::optional<double> ParseDegrees(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// "W,S,E,N": four numbers in degrees.
bool ParseBox(std::string_view text, RenderMapRequest& request) {
    std::array<double*, 4> values{&request.West, &request.South, &request.East, &request.North};
    for (size_t i = 0; i < values.size(); ++i) {
        const size_t comma = i + 1 < values.size() ? text.find(',') : text.size();
        if (comma == std::string_view::npos) return false;
        const auto value = ParseDegrees(text.substr(0, comma));
        if (!value) return false;
        *values[i] = *value;
        text.remove_prefix(std::min(comma + 1, text.size()));
    }
    return true;
}

// "WxH": two counts of pixels.
bool ParseSize(std::string_view text, RenderMapRequest& request) {
    const size_t x = text.find('x');
    if (x == std::string_view::npos) return false;
    const auto width = ParseCount(text.substr(0, x));
    const auto height = ParseCount(text.substr(x + 1));
    if (!width || !height) return false;
    request.Width = *width;
    request.Height = *height;
    return true;
}

std::optional<int> ParseKind(std::string_view text) {
    for (const KindName& kind : KindNames)
        if (kind.Name == text) return kind.Kind;
    return std::nullopt;
}

} // namespace

std::string ParseRenderArguments(std::span<const std::string> args, RenderRequest& request) {
    std::vector<std::string_view> files;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--night") {
            request.View = Night;
        } else if (arg == "--kind" || arg == "--index" || arg == "--zoom") {
            if (!hasValue) return FillIn(Translate("velmora-typ", "%1 needs a value"), {arg});
            const std::string_view value = args[++i];
            if (arg == "--kind") {
                const auto kind = ParseKind(value);
                if (!kind)
                    return FillIn(Translate("velmora-typ", "--kind must be point, line or polygon, not '%1'"),
                                  {value});
                request.Kind = *kind;
            } else if (arg == "--index") {
                const auto index = ParseCount(value);
                if (!index)
                    return FillIn(Translate("velmora-typ", "--index must be a number from 0, not '%1'"),
                                  {value});
                request.Index = *index;
            } else {
                const auto zoom = ParseCount(value);
                if (!zoom || *zoom < RenderMinZoom || *zoom > RenderMaxZoom)
                    return FillIn(Translate("velmora-typ", "--zoom must be a number from 1 to 20, not '%1'"),
                                  {value});
                request.Zoom = int(*zoom);
            }
        } else if (arg.starts_with("--")) {
            return FillIn(Translate("velmora-typ", "unknown option '%1'"), {arg});
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2) return Translate("velmora-typ", "render takes an input and an output file");
    if (request.Kind < 0) return Translate("velmora-typ", "render needs --kind point, line or polygon");
    if (request.Index < 0) return Translate("velmora-typ", "render needs --index N");
    request.Input = files[0];
    request.Output = files[1];
    return {};
}

std::string ParseRenderMapArguments(std::span<const std::string> args, RenderMapRequest& request) {
    std::vector<std::string_view> files;
    bool hasBox = false, hasSize = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--night") {
            request.View = Night;
        } else if (arg == "--bbox" || arg == "--size" || arg == "--level") {
            if (i + 1 >= args.size()) return FillIn(Translate("velmora-typ", "%1 needs a value"), {arg});
            const std::string_view value = args[++i];
            if (arg == "--bbox") {
                if (!ParseBox(value, request))
                    return FillIn(
                        Translate("velmora-typ", "--bbox must be four numbers W,S,E,N in degrees, not '%1'"),
                        {value});
                request.BoxText = value;
                hasBox = true;
            } else if (arg == "--size") {
                if (!ParseSize(value, request))
                    return FillIn(Translate("velmora-typ", "--size must be WIDTHxHEIGHT in pixels, not '%1'"),
                                  {value});
                request.SizeText = value;
                hasSize = true;
            } else {
                const auto level = ParseCount(value);
                if (!level || *level > 255)
                    return FillIn(
                        Translate("velmora-typ", "--level must be a number from 0 to 255, not '%1'"),
                        {value});
                request.Level = int(*level);
            }
        } else if (arg.starts_with("--")) {
            return FillIn(Translate("velmora-typ", "unknown option '%1'"), {arg});
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 3)
        return Translate("velmora-typ", "render-map takes a style, a map and an output file");
    if (!hasBox) return Translate("velmora-typ", "render-map needs --bbox W,S,E,N");
    if (!hasSize) return Translate("velmora-typ", "render-map needs --size WIDTHxHEIGHT");
    request.Style = files[0];
    request.Map = files[1];
    request.Output = files[2];
    return {};
}

std::string CheckRenderMapValues(const RenderMapRequest& request) {
    if (!(request.West < request.East && request.South < request.North))
        return FillIn(Translate("velmora-typ",
                                "--bbox %1 is empty: west must be less than east and south less than north"),
                      {request.BoxText});
    if (request.West < -180 || request.East > 180 || request.South < -90 || request.North > 90)
        return FillIn(
            Translate(
                "velmora-typ",
                "--bbox %1 lies off the earth: longitudes run from -180 to 180, latitudes from -90 to 90"),
            {request.BoxText});
    if (request.Width < 1 || request.Height < 1 || request.Width > RenderMapMaxEdge ||
        request.Height > RenderMapMaxEdge)
        return FillIn(Translate("velmora-typ", "--size %1: width and height must be from 1 to %2 pixels"),
                      {request.SizeText, std::to_string(RenderMapMaxEdge)});
    return {};
}

} // namespace velmora::cli
