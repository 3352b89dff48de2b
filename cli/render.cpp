// velmora-typ render INPUT OUTPUT.bmp --kind point|line|polygon --index N [--night] [--zoom 1-20]:
// draws one object as the editor's view shows it, magnified with its grid, into a 24-bit BMP file.
#include "view/render.h"
#include "cli/cli.h"
#include "model/maintyp.h"
#include "view/display.h"
#include "view/matrix.h"

#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace velmora::cli {

namespace {

struct RenderRequest {
    std::string Input;
    std::string Output;
    int Kind = -1;
    long long Index = -1;
    int View = Day;
    int Zoom = DefaultCellSize;
};

struct KindName {
    std::string_view Name;
    int Kind;
    std::string_view Plural;
};

constexpr std::array<KindName, 3> KindNames = {{
    {"point", KindPoint, "points"},
    {"line", KindLine, "lines"},
    {"polygon", KindPolygon, "polygons"},
}};

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

// Reads the arguments into request; gives the usage error to report, or an empty text.
std::string ParseArguments(std::span<const std::string> args, RenderRequest& request) {
    std::vector<std::string_view> files;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--night") {
            request.View = Night;
        } else if (arg == "--kind" || arg == "--index" || arg == "--zoom") {
            if (!hasValue) return std::string(arg) + " needs a value";
            const std::string_view value = args[++i];
            if (arg == "--kind") {
                const auto kind = ParseKind(value);
                if (!kind) return "--kind must be point, line or polygon, not '" + std::string(value) + "'";
                request.Kind = *kind;
            } else if (arg == "--index") {
                const auto index = ParseCount(value);
                if (!index) return "--index must be a number from 0, not '" + std::string(value) + "'";
                request.Index = *index;
            } else {
                const auto zoom = ParseCount(value);
                if (!zoom || *zoom < MinCellSize || *zoom > MaxCellSize)
                    return "--zoom must be a number from 1 to 20, not '" + std::string(value) + "'";
                request.Zoom = int(*zoom);
            }
        } else if (arg.starts_with("--")) {
            return "unknown option '" + std::string(arg) + "'";
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2) return "render takes an input and an output file";
    if (request.Kind < 0) return "render needs --kind point, line or polygon";
    if (request.Index < 0) return "render needs --index N";
    request.Input = files[0];
    request.Output = files[1];
    return {};
}

// Letters need a running QGuiApplication; a batch run never needs a display.
std::unique_ptr<QGuiApplication> StartGui() {
    if (QCoreApplication::instance()) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "velmora-typ";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// Draws the object the way selecting it in the window does: the view it would show, its picture
// at the zoom.
QImage DrawAsShown(TGarminObject& object, int requestedView, int zoom) {
    const ObjectDisplayState state = ObjectDisplay(object, requestedView);
    if (requestedView == Night && state.View != Night)
        PrintError("the object has no night view; it is drawn by day, as the editor shows it");
    if (!state.HasPicture) return {};
    QImage picture;
    RenderObject(picture, object, state.View);
    ResizeGrid(picture, object, zoom, state.View, QSize());
    return picture;
}

bool SaveBmp(const QImage& image, const std::string& path) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!image.convertToFormat(QImage::Format_RGB888).save(&file, "BMP")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

int RunRender(std::span<const std::string> args) {
    RenderRequest request;
    if (const std::string problem = ParseArguments(args, request); !problem.empty())
        return UsageError(problem);

    TypDocument doc;
    try {
        LoadDocument(request.Input, doc);
    } catch (const ConversionError& error) {
        PrintError(request.Input + ": " + error.what());
        return ExitFailure;
    }
    const ObjectList& list = doc.List(request.Kind);
    if (request.Index >= (long long)list.size()) {
        const KindName& kind = KindNames[size_t(request.Kind)];
        PrintError("index " + std::to_string(request.Index) + " is out of range: " + request.Input + " has " +
                   std::to_string(list.size()) + " " +
                   std::string(list.size() == 1 ? kind.Name : kind.Plural));
        return ExitUsage;
    }

    const auto gui = StartGui();
    const QImage image = DrawAsShown(*list[size_t(request.Index)], request.View, request.Zoom);
    if (image.isNull()) {
        PrintError("the object has no bitmap and no colours to draw");
        return ExitFailure;
    }
    if (!SaveBmp(image, request.Output)) {
        PrintError("cannot write " + request.Output);
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace velmora::cli
