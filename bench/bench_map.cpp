// The map engine on the real map of the corpus: ../shared/corpus/maps/prague.img (2.3 MB, five
// tiles), decoded whole, from the file as the preview opens it.
#include "map/img_reader.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

void BM_DecodePrague(benchmark::State& state) {
    const std::filesystem::path path = std::filesystem::path(VELMORA_CORPUS_DIR) / "maps" / "prague.img";
    if (!std::filesystem::exists(path)) {
        state.SkipWithError("corpus map ../shared/corpus/maps/prague.img is absent");
        return;
    }
    size_t objects = 0, coords = 0;
    for (auto _ : state) {
        MapFile map = ReadImgMap(path.string());
        objects = coords = 0;
        for (const MapTile& tile : map.Tiles)
            for (const MapLevel& level : tile.Levels)
                for (const MapObject& object : level.Objects)
                    ++objects, coords += object.Coords.size();
        benchmark::DoNotOptimize(map);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(std::filesystem::file_size(path)));
    state.counters["objects"] = double(objects);
    state.counters["coords"] = double(coords);
}
BENCHMARK(BM_DecodePrague)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
