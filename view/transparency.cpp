#include "view/transparency.h"
#include "view/colour.h"

#include <QColor>
#include <QPainter>

#include <algorithm>

namespace velmora {

uint8_t ShownAlpha(const TGarminObject& object, int variant, size_t entry) {
    if (variant != Day && variant != Night) return AlphaOpaque;
    const auto& table = object.Colours[size_t(variant)];
    if (entry < table.size() && table[entry].IsTransparent()) return AlphaTransparent;
    return std::min(object.ColourAlpha(variant, entry), AlphaTransparent);
}

int CheckerSquareFor(int edge) {
    return std::clamp(edge / 4, 1, CheckerSquare);
}

uint32_t CheckerboardGrey(int x, int y, int square) {
    square = std::max(square, 1);
    return (x / square + y / square) % 2 == 0 ? CheckerLight : CheckerDark;
}

uint32_t BlendOver(uint32_t colour, uint8_t alpha, uint32_t under) {
    const uint32_t a = std::min(alpha, AlphaTransparent);
    uint32_t blended = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t top = colour >> shift & 0xFF;
        const uint32_t bottom = under >> shift & 0xFF;
        const uint32_t mixed =
            (top * (AlphaTransparent - a) + bottom * a + AlphaTransparent / 2) / AlphaTransparent;
        blended |= mixed << shift;
    }
    return blended;
}

void FillOverCheckerboard(QPainter& painter, const QRect& rect, uint32_t colour, uint8_t alpha, int square) {
    if (alpha == AlphaOpaque) {
        painter.fillRect(rect, ToQColor(colour));
        return;
    }
    square = std::max(square, 1);
    painter.fillRect(rect, ToQColor(BlendOver(colour, alpha, CheckerLight)));
    const QColor dark = ToQColor(BlendOver(colour, alpha, CheckerDark));
    for (int y = 0; y < rect.height(); y += square)
        for (int x = (y / square) % 2 == 0 ? square : 0; x < rect.width(); x += 2 * square)
            painter.fillRect(QRect(rect.left() + x, rect.top() + y, std::min(square, rect.width() - x),
                                   std::min(square, rect.height() - y)),
                             dark);
}

} // namespace velmora
