// Feeds arbitrary bytes to the map engine and checks what it built.
#include "map/img_reader.h"
#include "model/utf8.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

bool Inside(const MapBox& outer, const MapBox& inner) {
    return outer.West <= inner.West && inner.East <= outer.East && outer.South <= inner.South &&
           inner.North <= outer.North;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const MapFile map = ReadImgMapBytes(std::vector<uint8_t>(data, data + size), "fuzz.img");
        for (const MapTile& tile : map.Tiles)
            for (const MapLevel& level : tile.Levels) {
                if (level.Bits < 1 || level.Bits > 24) __builtin_trap();
                // The cells hold every object once, in order, each inside its cell's box.
                uint32_t next = 0;
                for (const MapCell& cell : level.Cells) {
                    if (cell.First != next || cell.Count == 0) __builtin_trap();
                    next += cell.Count;
                    if (next > level.Objects.size()) __builtin_trap();
                    for (uint32_t i = cell.First; i < next; ++i)
                        if (!Inside(cell.Box, level.Objects[i].Box)) __builtin_trap();
                }
                if (next != level.Objects.size()) __builtin_trap();
                for (const MapObject& object : level.Objects) {
                    if (object.Coords.empty()) __builtin_trap();
                    for (const MapCoord& c : object.Coords)
                        if (!Inside(object.Box, {c.X, c.Y, c.X, c.Y})) __builtin_trap();
                    // Labels are UTF-8 without control characters.
                    for (char c : object.Label)
                        if (uint8_t(c) < 0x20) __builtin_trap();
                    bool high = false;
                    for (char c : object.Label)
                        high = high || uint8_t(c) >= 0x80;
                    if (high && !velmora::IsUtf8Text(object.Label)) __builtin_trap();
                }
            }
    } catch (const velmora::TypError&) {
        // No map that the engine reads.
    }
    return 0;
}
