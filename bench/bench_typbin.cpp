// The import of a real compiled style: ../shared/corpus/freizeit.typ (38 KB, 388 objects), and the
// compiler on the document of the text style ../shared/corpus/freizeit.txt (407 objects).
#include "model/text_format.h"
#include "typbin/binary_import.h"
#include "typbin/typ_compiler.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

void BM_ImportFreizeit(benchmark::State& state) {
    const std::filesystem::path path = std::filesystem::path(VELMORA_CORPUS_DIR) / "freizeit.typ";
    if (!std::filesystem::exists(path)) {
        state.SkipWithError("corpus folder ../shared/corpus is absent");
        return;
    }
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t objects = 0;
    for (auto _ : state) {
        velmora::BinaryImportResult result = velmora::ImportBinaryTyp(bytes);
        objects = result.Document.PointList.size() + result.Document.LineList.size() +
                  result.Document.PolygonList.size();
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
    state.counters["objects"] = double(objects);
}
BENCHMARK(BM_ImportFreizeit)->Unit(benchmark::kMicrosecond);

// Bytes processed are the bytes of compiled output.
void BM_CompileFreizeit(benchmark::State& state) {
    const std::filesystem::path path = std::filesystem::path(VELMORA_CORPUS_DIR) / "freizeit.txt";
    if (!std::filesystem::exists(path)) {
        state.SkipWithError("corpus folder ../shared/corpus is absent");
        return;
    }
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    velmora::TypDocument doc;
    velmora::LoadTextTypDocument(text, doc);
    size_t outputBytes = 0;
    for (auto _ : state) {
        velmora::CompileResult result = velmora::CompileTyp(doc);
        outputBytes = result.Bytes.size();
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(outputBytes));
    state.counters["output_bytes"] = double(outputBytes);
}
BENCHMARK(BM_CompileFreizeit)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
