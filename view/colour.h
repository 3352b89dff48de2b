// Colours of the document (ColourValue: red + 256 * green + 65536 * blue) as the drawing library
// takes them and as the window writes them.
#pragma once

#include "model/maintyp.h"

#include <QColor>
#include <QString>

namespace velmora {

inline QColor ToQColor(ColourValue colour) {
    return QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
}

// The colour of a QColor; its alpha is not part of it.
inline ColourValue FromQColor(const QColor& colour) {
    return ColourValue(colour.red()) | ColourValue(colour.green()) << 8 | ColourValue(colour.blue()) << 16;
}

// "RRGGBB": six upper-case hexadecimal digits, red first ("7B65D5").
inline QString ColourHexText(ColourValue colour) {
    return QStringLiteral("%1%2%3")
        .arg(colour & 0xFF, 2, 16, QChar(u'0'))
        .arg(colour >> 8 & 0xFF, 2, 16, QChar(u'0'))
        .arg(colour >> 16 & 0xFF, 2, 16, QChar(u'0'))
        .toUpper();
}

} // namespace velmora
