#include "view/colour.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// The document's colour is red + 256 * green + 65536 * blue: red is the low byte and comes first in
// the text, wherever the digits of a byte would sort otherwise.
TEST(ColourHelpers, ColourGoesToQColorAndTextRedFirstAndComesBack) {
    const struct {
        ColourValue Colour;
        QColor Qt;
        const char* Text;
    } cases[] = {
        {0x000000, QColor(0, 0, 0), "000000"},
        {0xFFFFFF, QColor(255, 255, 255), "FFFFFF"},
        {0x0000FF, QColor(255, 0, 0), "FF0000"},
        {0xFF0000, QColor(0, 0, 255), "0000FF"},
        {123 | 101 << 8 | 213 << 16, QColor(123, 101, 213), "7B65D5"},
        {0x0A0B0C, QColor(0x0C, 0x0B, 0x0A), "0C0B0A"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToQColor(c.Colour), c.Qt) << c.Text;
        EXPECT_EQ(FromQColor(c.Qt), c.Colour) << c.Text;
        EXPECT_EQ(ColourHexText(c.Colour), QString::fromLatin1(c.Text));
    }
}

TEST(ColourHelpers, BitsAboveTheColourAndTheAlphaOfAQColorArePassedOver) {
    EXPECT_EQ(ToQColor(0xFF123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(ColourHexText(0xFF123456), "563412");
    EXPECT_EQ(FromQColor(QColor(1, 2, 3, 4)), ColourValue(0x030201));
}

} // namespace
} // namespace velmora
