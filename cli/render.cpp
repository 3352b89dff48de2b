// velmora-typ-render INPUT OUTPUT.bmp --kind point|line|polygon --index N [--night] [--zoom 1-20]:
// draws one object as the editor's view shows it, magnified with its grid, into a 24-bit BMP file;
// velmora-typ-render render-map ... draws a map (cli/render_map.cpp).
// The program of "velmora-typ render": the drawing needs Qt, which velmora-typ itself never loads.
#include "view/render.h"
#include "cli/cli.h"
#include "cli/render_program.h"
#include "cli/render_request.h"
#include "cli/translate.h"
#include "model/maintyp.h"
#include "view/display.h"
#include "view/matrix.h"
#include "view/properties.h"

#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>

#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace velmora::cli {

namespace {

static_assert(RenderMinZoom == MinCellSize && RenderMaxZoom == MaxCellSize &&
                  RenderDefaultZoom == DefaultCellSize,
              "--zoom takes the view's cell sizes");

// Draws the object the way selecting it in the window does: the view it would show, its picture
// at the zoom.
QImage DrawAsShown(TGarminObject& object, int requestedView, int zoom) {
    const ObjectDisplayState state = ObjectDisplay(object, requestedView);
    if (requestedView == Night && state.View != Night)
        PrintError(Translate("velmora-typ",
                             "the object has no night view; it is drawn by day, as the editor shows it"));
    if (!state.HasPicture) return {};
    QImage picture;
    RenderObject(picture, object, state.View);
    ResizeGrid(picture, object, zoom, state.View, QSize());
    return picture;
}

int Render(const RenderRequest& request) {
    TypDocument doc;
    if (!LoadStyle(request.Input, doc)) return ExitFailure;
    const ObjectList& list = doc.List(request.Kind);
    if (request.Index >= (long long)list.size()) {
        const KindName& kind = KindNames[size_t(request.Kind)];
        PrintError(
            FillIn(Translate("velmora-typ", list.size() == 1 ? kind.OutOfRangeOne : kind.OutOfRangeMany),
                   {std::to_string(request.Index), request.Input, std::to_string(list.size())}));
        return ExitUsage;
    }

    const auto gui = StartGui();
    const QImage image = DrawAsShown(*list[size_t(request.Index)], request.View, request.Zoom);
    if (image.isNull()) {
        PrintError(Translate("velmora-typ", "the object has no bitmap and no colours to draw"));
        return ExitFailure;
    }
    if (!SavePicture(image.convertToFormat(QImage::Format_RGB888), request.Output, "BMP")) {
        PrintError(FillIn(Translate("velmora-typ", "cannot write %1"), {request.Output}));
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace

bool SavePicture(const QImage& picture, const std::string& path, const char* format, int quality) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!picture.save(&file, format, quality)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool LoadStyle(const std::string& path, TypDocument& doc) {
    try {
        LoadDocument(path, doc);
        return true;
    } catch (const ConversionError& error) {
        PrintError(path + ": " + ErrorText(error));
        return false;
    }
}

std::unique_ptr<QGuiApplication> StartGui() {
    if (QCoreApplication::instance()) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "velmora-typ";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace velmora::cli

// velmora-typ has checked the arguments before it started this program; run on its own, it says
// what it takes.
int main(int argc, char** argv) {
    using namespace velmora::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == RenderMapWord) return RenderMapProgram(std::span(args).subspan(1));
    RenderRequest request;
    if (const std::string problem = ParseRenderArguments(args, request); !problem.empty()) {
        PrintError(problem);
        const std::string usage =
            Translate("velmora-typ", "Usage:") +
            " velmora-typ-render INPUT OUTPUT.bmp --kind point|line|polygon --index N [--night] [--zoom "
            "1-20]\n      " +
            Translate("velmora-typ", "the drawing of 'velmora-typ render', which starts it") + "\n";
        std::fputs(usage.c_str(), stderr);
        return ExitUsage;
    }
    try {
        return Render(request);
    } catch (const std::exception& error) {
        PrintError(ErrorText(error));
        return ExitFailure;
    }
}
