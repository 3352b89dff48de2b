// The magnified pixel matrix of an object: its picture, grid and cell geometry.
//
// A TQuadrat carries only its values; the picture belongs to the view that shows the object. The
// window keeps one picture beside its view control: EnsureMatrixImage gives it the 24 bits
// (QImage::Format_RGB888) and size of the shown matrix, ReleaseMatrixImage frees it when another
// object is shown, so that only the object on screen has magnified pixels.
#pragma once

#include "model/maintyp.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <optional>

namespace velmora {

// The zoom range of the view: the edge of one cell in screen pixels.
inline constexpr int MinCellSize = 1;
inline constexpr int MaxCellSize = 20;
inline constexpr int DefaultCellSize = 20;
// Codes are written into the cells only from this cell size on (CellSize > 16).
inline constexpr int LetterCellSize = 17;
// Edge of one colour square of the swatch form.
inline constexpr int SwatchEdge = 100;

inline constexpr uint32_t White = 0xFFFFFF;
inline constexpr uint32_t Black = 0x000000;

// The swatch form (a column of colour squares) is the matrix of a line or polygon without bitmap.
bool IsSwatchForm(const TQuadrat& matrix);

// The cell size the matrix is drawn at: its CellSize, limited to the zoom range.
int ShownCellSize(const TQuadrat& matrix);

// The size the picture must have: ColCount*CellSize x RowCount*CellSize in grid form,
// 100 x 100*SwatchCount in swatch form.
QSize MatrixSize(const TQuadrat& matrix);

// Makes picture the matrix's picture when it is null or of another size or format: 24 bits, white,
// with the grid lines in grid form; an empty matrix leaves it null. A picture of the right size is
// left as it is. Returns whether it drew.
bool EnsureMatrixImage(QImage& picture, const TQuadrat& matrix);

// Frees the picture.
void ReleaseMatrixImage(QImage& picture);

// Fills an allocated grid-form picture white and draws the black grid lines at y = b*BH div
// RowCount and x = c*BW div ColCount (the top and left edges of the cells; none closes the right
// or bottom edge). Does nothing to the picture of a swatch-form matrix or to a null picture.
void DrawEmptyGrid(QImage& picture, const TQuadrat& matrix);

// The whole cell (row, col) at cell size s: from (col*s, row*s), s x s pixels.
QRect CellRect(int row, int col, int cellSize);

// The part of the cell that takes the pixel's colour: (col*s+1, row*s+1), (s-2) x (s-2) pixels.
QRect CellInterior(int row, int col, int cellSize);

// The top-left pixel of the interior, where a cell's code letter starts.
QPoint LetterAnchor(int row, int col, int cellSize);

// Each byte of the colour replaced by 255 minus the byte.
uint32_t InverseColour(uint32_t colour);

// The fixed small font of the cell letters; it fits inside the 15-pixel interior of a 17-pixel cell.
QFont MatrixLetterFont();

// The variant whose header, table and pixels a view of the object uses: the view itself for a
// point, Day for a line or polygon.
int BitmapView(const TGarminObject& object, int view);

// Whether Pixels[BitmapView(view)][row][col] exists: inside that variant's header and the rows stored.
bool PixelExists(const TGarminObject& object, int view, int row, int col);

// The entries of Colours[variant] that may be read: the ColourCount of XpmHeader[variant], no more
// than the table holds; 0 for a variant that is neither Day nor Night.
int UsableColourCount(const TGarminObject& object, int variant);

// A cell of the pixel grid.
struct CellPosition {
    int Row = 0;
    int Col = 0;
    friend bool operator==(const CellPosition&, const CellPosition&) = default;
};

// The pixel that a point of the picture (image coordinates) falls on, for the view being edited
// (for lines and polygons the Day grid). None outside the matrix, outside the bitmap of that view
// (night bitmaps of other dimensions, rows shorter than Width), for a swatch-form matrix and for an
// object without matrix: such a click must reach no pixel.
std::optional<CellPosition> CellAtImagePoint(const TGarminObject& object, int view, QPoint imagePoint);

// The colour entry of Colours[Day] whose swatch a point of the picture falls on; none outside the
// squares' column, below the last existing entry, or when the matrix is not in swatch form.
std::optional<int> SwatchAtImagePoint(const TGarminObject& object, QPoint imagePoint);

} // namespace velmora
