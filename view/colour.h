// Colours of the document (red + 256 * green + 65536 * blue, as TColourEntry::Colour gives them)
// as the drawing library takes them.
#pragma once

#include <QColor>

#include <cstdint>

namespace velmora {

inline QColor ToQColor(uint32_t colour) {
    return QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
}

} // namespace velmora
