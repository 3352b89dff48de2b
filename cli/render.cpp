// velmora-typ-render INPUT OUTPUT.bmp --kind point|line|polygon --index N [--night] [--zoom 1-20]:
// draws one object as the editor's view shows it, magnified with its grid, into a 24-bit BMP file.
// The program of "velmora-typ render": the drawing needs Qt, which velmora-typ itself never loads.
#include "view/render.h"
#include "cli/cli.h"
#include "cli/render_request.h"
#include "cli/translate.h"
#include "model/maintyp.h"
#include "view/display.h"
#include "view/matrix.h"

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
        PrintError(Translate("velmora-typ",
                             "the object has no night view; it is drawn by day, as the editor shows it"));
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

int Render(const RenderRequest& request) {
    TypDocument doc;
    try {
        LoadDocument(request.Input, doc);
    } catch (const ConversionError& error) {
        PrintError(request.Input + ": " + ErrorText(error));
        return ExitFailure;
    }
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
    if (!SaveBmp(image, request.Output)) {
        PrintError(FillIn(Translate("velmora-typ", "cannot write %1"), {request.Output}));
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace

} // namespace velmora::cli

// velmora-typ has checked the arguments before it started this program; run on its own, it says
// what it takes.
int main(int argc, char** argv) {
    using namespace velmora::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
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
