// Throughput of the text reader and writer over a real map style.
#include "model/text_format.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

const std::string& Freizeit() {
    static const std::string bytes = [] {
        const std::filesystem::path path = std::filesystem::path(VELMORA_CORPUS_DIR) / "freizeit.txt";
        return std::filesystem::exists(path) ? velmora::ReadWholeFile(path.string()) : std::string();
    }();
    return bytes;
}

void BM_ReadTextTyp(benchmark::State& state) {
    const std::string& bytes = Freizeit();
    if (bytes.empty()) {
        state.SkipWithError("corpus folder ../shared/corpus is absent");
        return;
    }
    for (auto _ : state) {
        velmora::TypDocument doc;
        doc.HeaderLines.clear();
        std::vector<velmora::DayBlockReport> dayBlocks;
        velmora::ReadTextTyp(bytes, doc, dayBlocks);
        benchmark::DoNotOptimize(doc.PointList.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadTextTyp);

void BM_WriteTextTyp(benchmark::State& state) {
    const std::string& bytes = Freizeit();
    if (bytes.empty()) {
        state.SkipWithError("corpus folder ../shared/corpus is absent");
        return;
    }
    velmora::TypDocument doc;
    velmora::LoadTextTypDocument(bytes, doc);
    size_t written = 0;
    for (auto _ : state) {
        const std::string text = velmora::WriteTextTyp(doc, "01.02.2003 04:05:06");
        written = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(written));
}
BENCHMARK(BM_WriteTextTyp);

} // namespace

BENCHMARK_MAIN();
