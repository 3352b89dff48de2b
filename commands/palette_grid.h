// The 256 colours of the GPSMAP 60C palette dialog, 16 columns by 16 rows.
#pragma once

#include "view/colour.h"

#include <QString>

#include <array>
#include <cstdint>

namespace velmora {

inline constexpr int PaletteColumns = 16;
inline constexpr int PaletteRows = 16;

// PaletteGrid[column][row], each colour red + 256 * green + 65536 * blue. Rows 0 to 14 run through
// 5 red, 6 green and 8 blue levels (blue innermost, cell index 48r + 8g + b); row 15 holds 16 greys
// from white in column 0 to black in column 15.
using PaletteGridColours = std::array<std::array<uint32_t, PaletteRows>, PaletteColumns>;
const PaletteGridColours& PaletteGrid();

// A colour as the dialog's label shows it: six upper-case hexadecimal digits, red first ("7B65D5").
inline QString PaletteHexText(ColourValue colour) {
    return ColourHexText(colour);
}

} // namespace velmora
