// The main window on the offscreen platform with a real TForm1 on freizeit.txt: the time from the
// chosen file name to the first object shown, the time to switch to another object at zoom 20,
// and the peak resident memory of the whole program after opening and browsing every object.
//
//   bench_window                 the speed benchmarks, then the memory figure
//   bench_window --memory-only   only open, browse everything and print the memory figure
#include "app/Prompts.h"
#include "app/TForm1.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QScrollBar>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace velmora {
namespace {

// Answers every open dialog with one file and cancels everything else.
class BenchPrompts final : public Prompts {
  public:
    QString FileToOpen;
    std::optional<QString> OpenFileName(const OpenFileQuestion&) override { return FileToOpen; }
    std::optional<QString> SaveFileName(const SaveFileQuestion&) override { return std::nullopt; }
    void Message(const QString& text, MessageKind) override {
        std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
    }
    Answer Ask(const QString&, QuestionButtons, MessageKind) override { return Answer::No; }
    std::optional<ColourValue> StandardColour(ColourValue) override { return std::nullopt; }
    std::optional<ColourValue> GarminPaletteColour(std::optional<ColourValue>) override {
        return std::nullopt;
    }
    ColourEditResult EditColour(const ColourEditRequest&) override { return {}; }
    Answer CompileTyp(const CompilerRequest&) override { return Answer::Cancel; }
    void ShowAbout() override {}
    void ShowHelp() override {}
};

QString FreizeitPath() {
    return QDir::cleanPath(QStringLiteral(VELMORA_CORPUS_DIR "/freizeit.txt"));
}

struct Window {
    QTemporaryDir Settings;
    BenchPrompts Dialogs;
    TForm1 Form{Dialogs, Settings.path()};
    Window() {
        Form.show();
        QApplication::processEvents();
        Dialogs.FileToOpen = FreizeitPath();
    }
};

// Made by main() after the QApplication, and destroyed before it.
Window* TheWindow = nullptr;
Window& SharedWindow() {
    return *TheWindow;
}

void ChooseKind(TForm1& form, int kind) {
    form.SetChosenKindSilently(kind);
    form.RadioGroup1Click();
}

void BM_OpenToFirstObjectShown(benchmark::State& state) {
    Window& window = SharedWindow();
    for (auto _ : state) {
        window.Form.ToolButton1Click();
        if (!window.Form.Document.CurrentObject) state.SkipWithError("no object shown after opening");
    }
    state.counters["objects"] =
        double(window.Form.Document.PointList.size() + window.Form.Document.LineList.size() +
               window.Form.Document.PolygonList.size());
}
BENCHMARK(BM_OpenToFirstObjectShown)->Unit(benchmark::kMillisecond);

// Switching between the objects of one kind, each at its own zoom of 20 (the start value).
void SwitchObjects(benchmark::State& state, bool paint) {
    Window& window = SharedWindow();
    TForm1& form = window.Form;
    form.ToolButton1Click();
    ChooseKind(form, int(state.range(0)));
    const int count = form.ComboBox1->count();
    if (count < 2) {
        state.SkipWithError("fewer than two objects");
        return;
    }
    int index = 0;
    for (auto _ : state) {
        index = (index + 1) % count;
        form.ComboBox1->setCurrentIndex(index);
        form.ComboBox1Change();
        if (paint) form.Image1->repaint();
    }
    state.counters["zoom"] = form.ScrollBar1->value();
}

void BM_SwitchObjectAtZoom20(benchmark::State& state) {
    SwitchObjects(state, false);
}
BENCHMARK(BM_SwitchObjectAtZoom20)
    ->Arg(KindPoint)
    ->Arg(KindLine)
    ->Arg(KindPolygon)
    ->Unit(benchmark::kMicrosecond);

void BM_SwitchObjectAtZoom20WithPaint(benchmark::State& state) {
    SwitchObjects(state, true);
}
BENCHMARK(BM_SwitchObjectAtZoom20WithPaint)
    ->Arg(KindPoint)
    ->Arg(KindLine)
    ->Arg(KindPolygon)
    ->Unit(benchmark::kMicrosecond);

// Opens the file and shows every object of every kind by day and by night, painting each.
void BrowseEverything(TForm1& form) {
    form.ToolButton1Click();
    for (int kind : {KindPoint, KindLine, KindPolygon}) {
        ChooseKind(form, kind);
        for (int i = 0; i < form.ComboBox1->count(); ++i) {
            form.ComboBox1->setCurrentIndex(i);
            form.ComboBox1Change();
            form.Image1->repaint();
            if (form.RadioGroup2Box->isEnabled()) {
                form.SetShownViewSilently(Night);
                form.RadioGroup2Click();
                form.Image1->repaint();
                form.SetShownViewSilently(Day);
                form.RadioGroup2Click();
            }
        }
    }
    QApplication::processEvents();
}

void PrintPeakMemory(TForm1& form) {
    BrowseEverything(form);
    const int pictures = form.MatrixImage.isNull() ? 0 : 1;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory after opening and browsing every object: %.1f MB "
                "(magnified pictures held: %d)\n",
                double(usage.ru_maxrss) / 1024.0, pictures);
}

} // namespace
} // namespace velmora

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (!QFile::exists(velmora::FreizeitPath())) {
        std::printf("skipped: %s not found\n", velmora::FreizeitPath().toUtf8().constData());
        return 0;
    }
    auto window = std::make_unique<velmora::Window>();
    velmora::TheWindow = window.get();
    bool memoryOnly = false;
    for (int i = 1; i < argc; ++i)
        memoryOnly = memoryOnly || std::strcmp(argv[i], "--memory-only") == 0;
    if (!memoryOnly) {
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    velmora::PrintPeakMemory(window->Form);
    std::fflush(stdout);
    return 0;
}
