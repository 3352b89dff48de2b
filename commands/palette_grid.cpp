#include "commands/palette_grid.h"

namespace velmora {
namespace {

constexpr std::array<uint32_t, 5> RedLevels = {0, 57, 123, 189, 255};
constexpr std::array<uint32_t, 6> GreenLevels = {0, 48, 101, 149, 202, 255};
constexpr std::array<uint32_t, 8> BlueLevels = {0, 32, 65, 106, 139, 180, 213, 255};
constexpr std::array<uint32_t, 16> GreyLevels = {0x00, 0x10, 0x20, 0x31, 0x41, 0x52, 0x62, 0x73,
                                                 0x83, 0x94, 0xA4, 0xB4, 0xC5, 0xD5, 0xE6, 0xFF};

constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return red | green << 8 | blue << 16;
}

PaletteGridColours BuildPaletteGrid() {
    PaletteGridColours grid{};
    for (size_t r = 0; r < RedLevels.size(); ++r)
        for (size_t g = 0; g < GreenLevels.size(); ++g)
            for (size_t b = 0; b < BlueLevels.size(); ++b) {
                const size_t i = 48 * r + 8 * g + b;
                grid[i % PaletteColumns][i / PaletteColumns] =
                    Rgb(RedLevels[r], GreenLevels[g], BlueLevels[b]);
            }
    for (size_t j = 0; j < PaletteColumns; ++j) {
        const uint32_t grey = GreyLevels[GreyLevels.size() - 1 - j];
        grid[j][PaletteRows - 1] = Rgb(grey, grey, grey);
    }
    return grid;
}

} // namespace

const PaletteGridColours& PaletteGrid() {
    static const PaletteGridColours grid = BuildPaletteGrid();
    return grid;
}

} // namespace velmora
