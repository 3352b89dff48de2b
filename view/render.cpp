#include "view/render.h"

#include "view/colour.h"
#include "view/matrix.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace velmora {

namespace {

// The text of a code character; NUL and other control bytes show nothing.
QString CodeLetter(char code) {
    const auto byte = uint8_t(code);
    return byte < 0x20 ? QString() : QString(QChar::fromLatin1(code));
}

QFont SwatchFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// Draws cells into one matrix picture. A cell's interior depends only on its colour, its alpha as
// drawn and on the letters written over it, so each distinct interior is drawn once as a tile and
// copied row by row into the picture: a 32 x 32 bitmap at zoom 20 needs a handful of text
// drawings, not a thousand.
class CellPainter {
  public:
    CellPainter(QImage& picture, const TQuadrat& matrix, TransparencyDrawing drawing)
        : Image(picture), CellSize(ShownCellSize(matrix)), Font(MatrixLetterFont()),
          Checkerboard(drawing == TransparencyDrawing::Checkerboard) {}

    bool WithLetters() const { return CellSize >= LetterCellSize; }

    void Fill(int row, int col, uint32_t colour) { Blit(row, col, Tile(colour, 0, false, AlphaOpaque)); }

    // Fills the cell with the entry's colour and, above cell size 16, writes its code (and "_" over
    // a space-coded pixel when markSpace is set) unless the entry is transparent. alpha is the
    // entry's own; only the checkerboard drawing shows it, and shows a "none" entry as the bare
    // checkerboard.
    void Entry(int row, int col, const TColourEntry& entry, uint8_t alpha, char pixel, bool markSpace) {
        const bool letters = WithLetters() && !entry.IsTransparent();
        const char code = letters ? entry.Code : 0;
        const uint8_t shown = !Checkerboard ? AlphaOpaque : entry.IsTransparent() ? AlphaTransparent : alpha;
        Blit(row, col, Tile(entry.Colour(), code, letters && markSpace && pixel == ' ', shown));
    }

  private:
    const QImage& Tile(uint32_t colour, char code, bool underscore, uint8_t alpha) {
        alpha = std::min(alpha, AlphaTransparent);
        const uint64_t key = uint64_t(colour) | uint64_t(uint8_t(code)) << 24 | uint64_t(underscore) << 32 |
                             uint64_t(alpha) << 33;
        auto found = Tiles.find(key);
        if (found != Tiles.end()) return found->second;
        const int edge = std::max(CellSize - 2, 0);
        QImage tile(edge, edge, QImage::Format_RGB888);
        tile.fill(ToQColor(colour));
        if (alpha != AlphaOpaque) LayOverCheckerboard(tile, colour, alpha);
        if (edge > 0 && (code != 0 || underscore)) {
            QPainter painter(&tile);
            painter.setFont(Font);
            painter.setPen(ToQColor(InverseColour(colour)));
            painter.drawText(tile.rect(), Qt::AlignLeft | Qt::AlignTop, CodeLetter(code));
            if (underscore) painter.drawText(tile.rect(), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("_"));
        }
        return Tiles.emplace(key, std::move(tile)).first->second;
    }

    static void LayOverCheckerboard(QImage& tile, uint32_t colour, uint8_t alpha) {
        const int square = CheckerSquareFor(tile.width());
        const uint32_t overLight = BlendOver(colour, alpha, CheckerLight);
        const uint32_t overDark = BlendOver(colour, alpha, CheckerDark);
        for (int y = 0; y < tile.height(); ++y) {
            uchar* line = tile.scanLine(y);
            for (int x = 0; x < tile.width(); ++x) {
                const uint32_t c = CheckerboardGrey(x, y, square) == CheckerLight ? overLight : overDark;
                line[3 * x] = uchar(c & 0xFF);
                line[3 * x + 1] = uchar(c >> 8 & 0xFF);
                line[3 * x + 2] = uchar(c >> 16 & 0xFF);
            }
        }
    }

    void Blit(int row, int col, const QImage& tile) {
        const QRect target = CellInterior(row, col, CellSize).intersected(Image.rect());
        if (Image.format() != QImage::Format_RGB888 || target.isEmpty() || target.width() > tile.width() ||
            target.height() > tile.height())
            return;
        constexpr int BytesPerPixel = 3;
        for (int y = 0; y < target.height(); ++y)
            std::memcpy(Image.scanLine(target.top() + y) + target.left() * BytesPerPixel,
                        tile.constScanLine(y), size_t(target.width()) * BytesPerPixel);
    }

    QImage& Image;
    int CellSize;
    QFont Font;
    bool Checkerboard;
    std::unordered_map<uint64_t, QImage> Tiles;
};

char PixelAt(const TGarminObject& object, int view, int row, int col) {
    return object.Pixels[BitmapView(object, view)][size_t(row)][size_t(col)];
}

void RenderPoint(QImage& picture, const TGarminObject& object, int view, TransparencyDrawing drawing) {
    const TQuadrat& matrix = *object.Quadrat;
    CellPainter cells(picture, matrix, drawing);
    const int count = UsableColourCount(object, view);
    const auto& table = object.Colours[size_t(view)];
    const auto end = table.begin() + count;
    for (int row = 0; row < matrix.RowCount; ++row) {
        for (int col = 0; col < matrix.ColCount; ++col) {
            cells.Fill(row, col, White);
            if (!PixelExists(object, view, row, col)) continue;
            const char pixel = PixelAt(object, view, row, col);
            auto match = std::find_if(table.begin(), end, [pixel](const TColourEntry& e) {
                return e.Code == pixel && !e.IsTransparent();
            });
            // The white drawing leaves the cells of "none" colours white; the screen shows them.
            if (match == end && drawing == TransparencyDrawing::Checkerboard)
                match = std::find_if(table.begin(), end,
                                     [pixel](const TColourEntry& e) { return e.Code == pixel; });
            if (match != end)
                cells.Entry(row, col, *match, object.ColourAlpha(view, size_t(match - table.begin())), pixel,
                            false);
        }
    }
}

void RenderLineBitmap(QImage& picture, const TGarminObject& object, int view, TransparencyDrawing drawing) {
    const TQuadrat& matrix = *object.Quadrat;
    CellPainter cells(picture, matrix, drawing);
    const int count = UsableColourCount(object, Day);
    const auto& table = object.Colours[Day];
    const int pairBase = PairBase(object, view);
    for (int row = 0; row < matrix.RowCount; ++row) {
        for (int col = 0; col < matrix.ColCount; ++col) {
            cells.Fill(row, col, White);
            if (!PixelExists(object, Day, row, col)) continue;
            const char pixel = PixelAt(object, Day, row, col);
            for (int i = 0; i < std::min(count, 2); ++i) {
                if (table[size_t(i)].Code != pixel) continue;
                // A three-colour table has no night border colour: such pixels stay white.
                const int shown = 2 * pairBase + i;
                if (shown < count)
                    cells.Entry(row, col, table[size_t(shown)], object.ColourAlpha(Day, size_t(shown)), pixel,
                                true);
                break;
            }
        }
    }
}

void RenderSwatches(QImage& picture, const TGarminObject& object, TransparencyDrawing drawing) {
    const TQuadrat& matrix = *object.Quadrat;
    QPainter painter(&picture);
    painter.setFont(SwatchFont());
    const int count = std::min(matrix.SwatchCount, UsableColourCount(object, Day));
    for (int b = 0; b < count; ++b) {
        const TColourEntry& entry = object.Colours[Day][size_t(b)];
        const int top = SwatchEdge * b;
        const QRect square(1, top + 1, SwatchEdge - 2, SwatchEdge - 2);
        if (drawing == TransparencyDrawing::Checkerboard)
            FillOverCheckerboard(painter, square, entry.Colour(), ShownAlpha(object, Day, size_t(b)));
        else
            painter.fillRect(square, ToQColor(entry.Colour()));
        painter.setClipRect(square);
        const QRect textArea = square;
        if (entry.Code != 0) {
            painter.setPen(ToQColor(InverseColour(entry.Colour())));
            painter.drawText(textArea.adjusted(49, 49, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                             CodeLetter(entry.Code));
        } else {
            painter.setPen(ToQColor(Black));
            painter.drawText(textArea.adjusted(41, 49, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                             QStringLiteral("none"));
        }
        painter.setClipping(false);
    }
}

bool ReadyToDraw(QImage& picture, const TGarminObject& object) {
    if (!object.Quadrat) return false;
    EnsureMatrixImage(picture, *object.Quadrat);
    return !picture.isNull();
}

} // namespace

int PairBase(const TGarminObject& object, int view) {
    return object.Kind != KindPoint && view == Night && object.XpmHeader[Day].ColourCount > 2 ? 1 : 0;
}

void PaintCell(QImage& picture, const TGarminObject& object, int row, int col, int entryIndex, int view,
               TransparencyDrawing drawing) {
    if (!object.Quadrat || IsSwatchForm(*object.Quadrat)) return;
    if (row < 0 || col < 0 || row >= object.Quadrat->RowCount || col >= object.Quadrat->ColCount) return;
    if (!PixelExists(object, view, row, col)) return;
    if (entryIndex < 0 || entryIndex >= UsableColourCount(object, view)) return;
    if (!ReadyToDraw(picture, object)) return;
    const TColourEntry entry = object.Colours[size_t(view)][size_t(entryIndex)];
    CellPainter cells(picture, *object.Quadrat, drawing);
    cells.Entry(row, col, entry, object.ColourAlpha(view, size_t(entryIndex)),
                PixelAt(object, view, row, col), true);
}

void RenderObject(QImage& picture, const TGarminObject& object, int view, TransparencyDrawing drawing) {
    if (view != Day && view != Night) return;
    if (!ReadyToDraw(picture, object)) return;
    if (object.Kind == KindPoint)
        RenderPoint(picture, object, view, drawing);
    else if (object.XpmHeader[Day].Width != 0 && !IsSwatchForm(*object.Quadrat))
        RenderLineBitmap(picture, object, view, drawing);
    else if (IsSwatchForm(*object.Quadrat))
        RenderSwatches(picture, object, drawing);
}

QPoint ImagePosition(QSize panel, QSize matrix) {
    return QPoint(panel.width() / 2 - matrix.width() / 2, panel.height() / 2 - matrix.height() / 2);
}

QPoint ResizeGrid(QImage& picture, TGarminObject& current, int newCellSize, int view, QSize panelSize,
                  TransparencyDrawing drawing) {
    if (!current.Quadrat) return ImagePosition(panelSize, QSize(0, 0));
    TQuadrat& matrix = *current.Quadrat;
    if (!IsSwatchForm(matrix)) {
        matrix.CellSize = std::clamp(newCellSize, MinCellSize, MaxCellSize);
        // Zooming always draws the whole matrix afresh, which also takes away a laid template.
        if (!EnsureMatrixImage(picture, matrix)) DrawEmptyGrid(picture, matrix);
        RenderObject(picture, current, view, drawing);
    }
    return ImagePosition(panelSize, MatrixSize(matrix));
}

namespace {

// The whole matrix of a copy of object, drawn afresh (grid included) in the given drawing.
QImage FreshPicture(const TGarminObject& object, int view, TransparencyDrawing drawing) {
    if (!object.Quadrat) return {};
    QImage picture;
    RenderObject(picture, object, view, drawing);
    return picture.convertToFormat(QImage::Format_RGB888);
}

} // namespace

QImage WhiteDrawnPicture(const TGarminObject& object, int view, const QImage& shown) {
    if (shown.isNull() || !object.Quadrat) return shown;
    const QImage screen = FreshPicture(object, view, TransparencyDrawing::Checkerboard);
    const QImage white = FreshPicture(object, view, TransparencyDrawing::White);
    QImage result = shown.convertToFormat(QImage::Format_RGB888);
    if (screen.size() != result.size() || white.size() != result.size()) return result;
    constexpr int BytesPerPixel = 3;
    for (int y = 0; y < result.height(); ++y) {
        uchar* out = result.scanLine(y);
        const uchar* onScreen = screen.constScanLine(y);
        const uchar* inWhite = white.constScanLine(y);
        for (int x = 0; x < result.width() * BytesPerPixel; x += BytesPerPixel)
            if (std::memcmp(out + x, onScreen + x, BytesPerPixel) == 0)
                std::memcpy(out + x, inWhite + x, BytesPerPixel);
    }
    return result;
}

std::array<QString, SwatchLabelCount> SwatchLabelCaptions() {
    return {
        QCoreApplication::translate("Swatches", "День"),  QCoreApplication::translate("Swatches", "Ночь"),
        QCoreApplication::translate("Swatches", "Линия"), QCoreApplication::translate("Swatches", "Бордюр"),
        QCoreApplication::translate("Swatches", "Линия"), QCoreApplication::translate("Swatches", "Бордюр")};
}

const std::array<QPoint, SwatchLabelCount>& SwatchLabelFormPositions() {
    static const std::array<QPoint, SwatchLabelCount> positions = {QPoint(104, 79),  QPoint(108, 133),
                                                                   QPoint(156, 56),  QPoint(156, 88),
                                                                   QPoint(156, 120), QPoint(156, 152)};
    return positions;
}

std::array<QPoint, SwatchLabelCount> SwatchLabelPositions(QSize panel, QSize matrix) {
    // Offsets from the picture's top-left corner, Label1 .. Label6.
    static constexpr std::array<std::array<int, 2>, SwatchLabelCount> offsets = {
        {{-40, 96}, {-40, 296}, {110, 46}, {110, 146}, {110, 246}, {110, 346}}};
    const QPoint origin = ImagePosition(panel, matrix);
    std::array<QPoint, SwatchLabelCount> positions;
    for (size_t i = 0; i < positions.size(); ++i)
        positions[i] = origin + QPoint(offsets[i][0], offsets[i][1]);
    return positions;
}

} // namespace velmora
