#include "view/matrix.h"

#include <algorithm>
#include <cstring>

namespace velmora {

namespace {

constexpr int BytesPerPixel = 3; // QImage::Format_RGB888

void FillWhite(QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        std::memset(image.scanLine(y), 0xFF, size_t(image.width()) * BytesPerPixel);
}

} // namespace

bool IsSwatchForm(const TQuadrat& matrix) {
    return matrix.ColCount == 0;
}

int ShownCellSize(const TQuadrat& matrix) {
    return std::clamp(matrix.CellSize, MinCellSize, MaxCellSize);
}

QSize MatrixSize(const TQuadrat& matrix) {
    if (IsSwatchForm(matrix)) return QSize(SwatchEdge, SwatchEdge * std::max(matrix.SwatchCount, 0));
    const int cellSize = ShownCellSize(matrix);
    return QSize(std::max(matrix.ColCount, 0) * cellSize, std::max(matrix.RowCount, 0) * cellSize);
}

bool EnsureMatrixImage(QImage& picture, const TQuadrat& matrix) {
    const QSize size = MatrixSize(matrix);
    if (!picture.isNull() && picture.size() == size && picture.format() == QImage::Format_RGB888)
        return false;
    if (size.isEmpty()) {
        picture = QImage();
        return false;
    }
    picture = QImage(size, QImage::Format_RGB888);
    // The frame around each colour square is never painted; it stays white like an empty grid.
    if (IsSwatchForm(matrix))
        FillWhite(picture);
    else
        DrawEmptyGrid(picture, matrix);
    return true;
}

void ReleaseMatrixImage(QImage& picture) {
    picture = QImage();
}

// Written straight into the 24-bit rows: a QPainter on this format costs more than the whole object.
void DrawEmptyGrid(QImage& image, const TQuadrat& matrix) {
    if (IsSwatchForm(matrix) || image.isNull() || matrix.RowCount <= 0) return;
    if (image.format() != QImage::Format_RGB888) return;
    FillWhite(image);
    const int width = image.width();
    const int height = image.height();
    for (int b = 0; b < matrix.RowCount; ++b) {
        const int y = int(int64_t(b) * height / matrix.RowCount);
        std::memset(image.scanLine(y), 0, size_t(width) * BytesPerPixel);
    }
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        for (int c = 0; c < matrix.ColCount; ++c) {
            const int x = int(int64_t(c) * width / matrix.ColCount);
            std::memset(line + size_t(x) * BytesPerPixel, 0, BytesPerPixel);
        }
    }
}

QRect CellRect(int row, int col, int cellSize) {
    return QRect(col * cellSize, row * cellSize, cellSize, cellSize);
}

QRect CellInterior(int row, int col, int cellSize) {
    return QRect(col * cellSize + 1, row * cellSize + 1, std::max(cellSize - 2, 0),
                 std::max(cellSize - 2, 0));
}

QPoint LetterAnchor(int row, int col, int cellSize) {
    return QPoint(col * cellSize + 1, row * cellSize + 1);
}

uint32_t InverseColour(uint32_t colour) {
    return ~colour & 0xFFFFFF;
}

QFont MatrixLetterFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    // Plain pixels: at this size smoothing only blurs the letter into the cell colour.
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

int BitmapView(const TGarminObject& object, int view) {
    return object.Kind == KindPoint ? view : Day;
}

bool PixelExists(const TGarminObject& object, int view, int row, int col) {
    const int bitmapView = BitmapView(object, view);
    if (bitmapView != Day && bitmapView != Night) return false;
    const TXpmHeader& header = object.XpmHeader[bitmapView];
    const auto& rows = object.Pixels[bitmapView];
    return row >= 0 && col >= 0 && row < header.Height && col < header.Width && size_t(row) < rows.size() &&
           size_t(col) < rows[size_t(row)].size();
}

int UsableColourCount(const TGarminObject& object, int variant) {
    if (variant != Day && variant != Night) return 0;
    return int(std::min<size_t>(object.XpmHeader[variant].ColourCount, object.Colours[variant].size()));
}

namespace {

int FloorDiv(int value, int divisor) {
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

} // namespace

std::optional<CellPosition> CellAtImagePoint(const TGarminObject& object, int view, QPoint imagePoint) {
    if (!object.Quadrat || IsSwatchForm(*object.Quadrat) || (view != Day && view != Night))
        return std::nullopt;
    const TQuadrat& matrix = *object.Quadrat;
    const int cellSize = ShownCellSize(matrix);
    const CellPosition cell{FloorDiv(imagePoint.y(), cellSize), FloorDiv(imagePoint.x(), cellSize)};
    if (cell.Row < 0 || cell.Col < 0 || cell.Row >= matrix.RowCount || cell.Col >= matrix.ColCount)
        return std::nullopt;
    if (!PixelExists(object, view, cell.Row, cell.Col)) return std::nullopt;
    return cell;
}

std::optional<int> SwatchAtImagePoint(const TGarminObject& object, QPoint imagePoint) {
    if (!object.Quadrat || !IsSwatchForm(*object.Quadrat)) return std::nullopt;
    if (imagePoint.x() < 0 || imagePoint.x() >= SwatchEdge || imagePoint.y() < 0) return std::nullopt;
    const int swatch = imagePoint.y() / SwatchEdge;
    if (swatch >= std::min(object.Quadrat->SwatchCount, UsableColourCount(object, Day))) return std::nullopt;
    return swatch;
}

} // namespace velmora
