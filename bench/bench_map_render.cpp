// The map preview's drawing of a real map with a real style: the centre of
// ../shared/corpus/maps/prague.img (14.395,50.070 to 14.445,50.0957) at 1280 x 1024 with the style
// ../shared/corpus/jbm.txt, drawn from scratch and drawn again after one colour of the style
// changed (the decoded map kept), as the preview redraws while the user paints.
#include "map/img_reader.h"
#include "model/text_format.h"
#include "view/map_render.h"

#include <QBuffer>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <optional>

namespace {

using namespace velmora;

const MapRenderOptions PragueCentre{{14.395, 50.070, 14.445, 50.0957}, QSize(1280, 1024)};

struct Inputs {
    MapFile Map;
    TypDocument Style;
};

// The map and the style, read once; none when the corpus folder is absent.
const Inputs* LoadInputs(benchmark::State& state) {
    static const std::optional<Inputs> inputs = []() -> std::optional<Inputs> {
        const std::filesystem::path corpus(VELMORA_CORPUS_DIR);
        if (!std::filesystem::exists(corpus / "maps" / "prague.img") ||
            !std::filesystem::exists(corpus / "jbm.txt"))
            return std::nullopt;
        Inputs loaded;
        loaded.Map = ReadImgMap((corpus / "maps" / "prague.img").string());
        LoadTextTypDocument(ReadWholeFile((corpus / "jbm.txt").string()), loaded.Style);
        return loaded;
    }();
    if (!inputs) state.SkipWithError("corpus folder ../shared/corpus (maps/prague.img, jbm.txt) is absent");
    return inputs ? &*inputs : nullptr;
}

void BM_DrawPragueCentreFromScratch(benchmark::State& state) {
    const Inputs* inputs = LoadInputs(state);
    if (!inputs) return;
    for (auto _ : state) {
        MapRenderer renderer;
        renderer.SetMaps({&inputs->Map});
        benchmark::DoNotOptimize(renderer.Draw(inputs->Style, PragueCentre));
    }
}
BENCHMARK(BM_DrawPragueCentreFromScratch)->Unit(benchmark::kMillisecond);

// One colour of the road type 0x06 (the most frequent line of the view) changes before every draw.
void BM_RedrawPragueCentreAfterColourChange(benchmark::State& state) {
    const Inputs* inputs = LoadInputs(state);
    if (!inputs) return;
    TypDocument style;
    LoadTextTypDocument(ReadWholeFile((std::filesystem::path(VELMORA_CORPUS_DIR) / "jbm.txt").string()),
                        style);
    TGarminObject* road = nullptr;
    for (const auto& line : style.LineList)
        if (line->TypeCode == 0x06 && !line->Colours[Day].empty()) road = line.get();
    if (!road) {
        state.SkipWithError("jbm.txt has no line 0x06");
        return;
    }
    MapRenderer renderer;
    renderer.SetMaps({&inputs->Map});
    renderer.Draw(style, PragueCentre);
    uint32_t colour = 0;
    for (auto _ : state) {
        road->Colours[Day][0].SetColour(colour++ & 0xFFFFFF);
        benchmark::DoNotOptimize(renderer.Draw(style, PragueCentre));
    }
}
BENCHMARK(BM_RedrawPragueCentreAfterColourChange)->Unit(benchmark::kMillisecond);

// The PNG file that velmora-typ render-map writes of that picture (at its quality 80).
void BM_EncodePragueCentrePng(benchmark::State& state) {
    const Inputs* inputs = LoadInputs(state);
    if (!inputs) return;
    MapRenderer renderer;
    renderer.SetMaps({&inputs->Map});
    const QImage picture = renderer.Draw(inputs->Style, PragueCentre).convertToFormat(QImage::Format_RGB32);
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG", 80);
        benchmark::DoNotOptimize(buffer.data());
    }
}
BENCHMARK(BM_EncodePragueCentrePng)->Unit(benchmark::kMillisecond);

} // namespace

// Labels need fonts, and fonts a running application (offscreen unless a platform is named).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int appArgc = 1;
    QGuiApplication app(appArgc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
