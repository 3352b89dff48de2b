#include "cli/render_request.h"
#include "cli/translate.h"

#include <charconv>
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

} // namespace velmora::cli
