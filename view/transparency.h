// How transparency looks. On screen a "none" colour, and a colour with an alpha, is drawn over a
// grey checkerboard, so that it cannot be taken for a real white; files and the command line keep
// the plain drawing (a "none" colour stays white, an alpha is not shown).
#pragma once

#include "model/maintyp.h"

#include <QRect>

#include <cstdint>

class QPainter;

namespace velmora {

// Which drawing the engine makes: White for files and the command line, Checkerboard for the screen.
enum class TransparencyDrawing : uint8_t { White, Checkerboard };

// The two greys of the checkerboard and the edge of its squares on screen.
inline constexpr uint32_t CheckerLight = 0xE8E8E8;
inline constexpr uint32_t CheckerDark = 0xB0B0B0;
inline constexpr int CheckerSquare = 4;

// The alpha an entry is drawn with: AlphaTransparent for a "none" entry, else the entry's alpha.
uint8_t ShownAlpha(const TGarminObject& object, int variant, size_t entry);

// The square edge for an area of the given edge: CheckerSquare, smaller in tiny cells so that both
// greys stay visible.
int CheckerSquareFor(int edge);

// The grey under point (x, y) of an area whose checkerboard starts at (0, 0).
uint32_t CheckerboardGrey(int x, int y, int square);

// colour laid over under at alpha (AlphaOpaque gives colour, AlphaTransparent gives under).
uint32_t BlendOver(uint32_t colour, uint8_t alpha, uint32_t under);

// Fills rect with colour over the checkerboard at alpha; an opaque colour is a plain fill.
void FillOverCheckerboard(QPainter& painter, const QRect& rect, uint32_t colour, uint8_t alpha,
                          int square = CheckerSquare);

} // namespace velmora
