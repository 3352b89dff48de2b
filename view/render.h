// Drawing an object into its matrix, zooming and placing the picture in the view panel.
//
// Every function draws into the picture that the caller keeps for the shown object (the window's
// one matrix picture), allocating it through EnsureMatrixImage when needed. An object without a
// matrix (read from text without any bitmap header) has nothing to draw: the picture is left as it
// is, and the window shows an empty picture for it. Drawing never changes the object's data;
// ResizeGrid alone sets the matrix's CellSize.
#pragma once

#include "model/maintyp.h"
#include "view/transparency.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <array>

namespace velmora {

// 1 when a line or polygon is shown by night and its day table has more than two colours (entries
// 2 and 3 are the night pair), else 0. Always 0 for a point.
int PairBase(const TGarminObject& object, int view);

// Repaints the one cell (row, col) after its pixel was set to the code of Colours[view][entryIndex]:
// fills the interior with that entry's colour and, at cell sizes above 16, writes the code (and "_"
// over a space-coded pixel) unless the entry is transparent. Allocates the picture when needed.
// Cells outside the matrix and entries outside the table are ignored. With the checkerboard drawing
// a "none" entry or one with an alpha is laid over the grey checkerboard instead.
void PaintCell(QImage& picture, const TGarminObject& object, int row, int col, int entryIndex, int view,
               TransparencyDrawing drawing = TransparencyDrawing::White);

// Draws the object's pixels (grid form) or colour squares (swatch form) into its matrix for the
// view (Day or Night), allocating the picture when needed. The grid lines are not redrawn.
// Cells of the matrix that the view's bitmap does not cover are drawn white. The white drawing
// leaves the cells of "none" colours white and shows colours without their alpha; the checkerboard
// drawing, for the screen, shows both over the grey checkerboard.
void RenderObject(QImage& picture, const TGarminObject& object, int view,
                  TransparencyDrawing drawing = TransparencyDrawing::White);

// The top-left corner of a picture of size matrix centred in a panel: PW div 2 - MW div 2,
// PH div 2 - MH div 2 (div truncating toward zero; negative when the picture is larger).
QPoint ImagePosition(QSize panel, QSize matrix);

// Zooms the current object: in grid form sets CellSize (limited to 1..20), re-sizes the picture,
// draws grid and object for the view; a swatch-form matrix is left as it is. Returns where the
// picture stands in a panel of panelSize. The caller then shows the picture.
QPoint ResizeGrid(QImage& picture, TGarminObject& current, int newCellSize, int view, QSize panelSize,
                  TransparencyDrawing drawing = TransparencyDrawing::White);

// The shown picture of object as the white drawing makes it, for saving it as a file: wherever
// the shown picture holds what the checkerboard drawing gives, the white drawing's pixel takes
// its place; everything else (a laid template, colours not yet redrawn) stays as it is shown.
QImage WhiteDrawnPicture(const TGarminObject& object, int view, const QImage& shown);

// Label1 .. Label6, the captions that explain the colour squares of a line or polygon without bitmap.
inline constexpr int SwatchLabelCount = 6;

// Their captions, in order Label1 .. Label6 ("День", "Ночь", "Линия", "Бордюр", "Линия", "Бордюр").
std::array<QString, SwatchLabelCount> SwatchLabelCaptions();

// Their positions before the first placement (the form's layout).
const std::array<QPoint, SwatchLabelCount>& SwatchLabelFormPositions();

// Their positions (left, top) beside a matrix of size matrix centred in a panel of size panel:
// "День" and "Ночь" left of the borders between squares 0|1 and 2|3, "Линия" and "Бордюр" right of
// squares 0 to 3.
std::array<QPoint, SwatchLabelCount> SwatchLabelPositions(QSize panel, QSize matrix);

} // namespace velmora
