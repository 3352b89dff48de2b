#include "test_objects.h"
#include "view/display.h"
#include "view/matrix.h"
#include "view/render.h"
#include "view/transparency.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace velmora {
namespace {

using test::AllOf;
using test::MakeObject;
using test::Opaque;
using test::PixelColour;
using test::Transparent;

constexpr uint32_t Red = 0x0000FF;
constexpr uint32_t Green = 0x00FF00;
constexpr auto Screen = TransparencyDrawing::Checkerboard;

// Whether every pixel of the rectangle is the colour laid over the checkerboard at alpha, square by
// square from the rectangle's top-left corner.
bool OverCheckerboard(const QImage& image, QRect rect, uint32_t colour, uint8_t alpha) {
    const int square = CheckerSquareFor(rect.width());
    for (int y = 0; y < rect.height(); ++y)
        for (int x = 0; x < rect.width(); ++x)
            if (PixelColour(image, rect.left() + x, rect.top() + y) !=
                BlendOver(colour, alpha, CheckerboardGrey(x, y, square)))
                return false;
    return true;
}

// A point of three cells: a "none" pixel, a half transparent red one and an opaque green one.
TGarminObject PointWithTransparency() {
    TGarminObject point =
        MakeObject(KindPoint, {Transparent('~'), Opaque('r', Red), Opaque('g', Green)}, {"~rg"});
    point.Colours[Day][0].SetColour(Green); // a stored colour that must show in neither drawing
    point.SetColourAlpha(Day, 1, 8);
    point.Quadrat->CellSize = 12; // no letters
    return point;
}

TEST(Transparency, BlendGoesFromTheColourToWhatLiesUnder) {
    EXPECT_EQ(BlendOver(Red, AlphaOpaque, CheckerDark), Red);
    EXPECT_EQ(BlendOver(Red, AlphaTransparent, CheckerDark), CheckerDark);
    EXPECT_EQ(BlendOver(0x000000, 5, 0xF0F0F0), 0x505050u);
    EXPECT_NE(CheckerboardGrey(0, 0, 4), CheckerboardGrey(4, 0, 4));
    EXPECT_EQ(CheckerboardGrey(0, 0, 4), CheckerboardGrey(4, 4, 4));
    EXPECT_EQ(CheckerSquareFor(18), CheckerSquare);
    EXPECT_EQ(CheckerSquareFor(2), 1) << "both greys stay visible in tiny cells";
}

TEST(Transparency, ScreenDrawingShowsNoneAndAlphaOverTheCheckerboard) {
    TGarminObject point = PointWithTransparency();
    QImage pointPicture;
    RenderObject(pointPicture, point, Day, Screen);
    const QImage& image = pointPicture;
    EXPECT_TRUE(OverCheckerboard(image, CellInterior(0, 0, 12), Green, AlphaTransparent));
    EXPECT_TRUE(OverCheckerboard(image, CellInterior(0, 1, 12), Red, 8));
    EXPECT_TRUE(AllOf(image, CellInterior(0, 2, 12), Green));
    EXPECT_EQ(PixelColour(image, 12, 5), Black) << "the grid stays";
}

TEST(Transparency, FileDrawingKeepsWhiteAndOpaqueColours) {
    TGarminObject point = PointWithTransparency();
    QImage pointPicture;
    RenderObject(pointPicture, point, Day);
    const QImage& image = pointPicture;
    EXPECT_TRUE(AllOf(image, CellInterior(0, 0, 12), White));
    EXPECT_TRUE(AllOf(image, CellInterior(0, 1, 12), Red));
    EXPECT_TRUE(AllOf(image, CellInterior(0, 2, 12), Green));
}

TEST(Transparency, PaintedCellAndLineBitmapFollowTheDrawing) {
    TGarminObject point = PointWithTransparency();
    QImage pointPicture;
    RenderObject(pointPicture, point, Day, Screen);
    point.Pixels[Day][0][2] = '~';
    PaintCell(pointPicture, point, 0, 2, 0, Day, Screen);
    EXPECT_TRUE(OverCheckerboard(pointPicture, CellInterior(0, 2, 12), Green, AlphaTransparent));
    PaintCell(pointPicture, point, 0, 2, 0, Day);
    EXPECT_TRUE(AllOf(pointPicture, CellInterior(0, 2, 12), Green)) << "its stored colour, as ever";

    TGarminObject line = MakeObject(KindLine, {Opaque('a', Red), Transparent('-')}, {"a-"});

    QImage linePicture;
    line.SetColourAlpha(Day, 0, 3);
    line.Quadrat->CellSize = 12;
    RenderObject(linePicture, line, Day, Screen);
    EXPECT_TRUE(OverCheckerboard(linePicture, CellInterior(0, 0, 12), Red, 3));
    EXPECT_TRUE(OverCheckerboard(linePicture, CellInterior(0, 1, 12), White, AlphaTransparent));
}

TEST(Transparency, SwatchesShowTransparencyOnScreenOnly) {
    TGarminObject line = MakeObject(KindLine, {Opaque('1', Red), Transparent('2')}, {});
    QImage linePicture;
    line.SetColourAlpha(Day, 0, 4);
    const QRect first(1, 1, SwatchEdge - 2, SwatchEdge - 2);
    const QRect second(1, SwatchEdge + 1, SwatchEdge - 2, SwatchEdge - 2);
    RenderObject(linePicture, line, Day);
    EXPECT_EQ(PixelColour(linePicture, 5, 5), Red);
    EXPECT_EQ(PixelColour(linePicture, 5, SwatchEdge + 5), White);
    RenderObject(linePicture, line, Day, Screen);
    const QImage& image = linePicture;
    EXPECT_EQ(PixelColour(image, first.left(), first.top()), BlendOver(Red, 4, CheckerLight));
    EXPECT_EQ(PixelColour(image, first.left() + CheckerSquare, first.top()), BlendOver(Red, 4, CheckerDark));
    EXPECT_EQ(PixelColour(image, second.left(), second.top()), CheckerLight);
    EXPECT_EQ(PixelColour(image, second.left() + CheckerSquare, second.top()), CheckerDark);
}

TEST(Transparency, FilePictureOfTheScreenIsTheWhiteDrawingAndKeepsWhatElseIsShown) {
    TGarminObject point = PointWithTransparency();
    QImage pointPicture;
    RenderObject(pointPicture, point, Day, Screen);
    QImage shown = pointPicture;
    TGarminObject white = point;
    QImage whitePicture;
    RenderObject(whitePicture, white, Day);
    EXPECT_EQ(WhiteDrawnPicture(point, Day, shown), whitePicture);

    // A template laid under the grid stays in the file where it shows.
    const QRect traced = CellInterior(0, 0, 12);
    {
        QPainter painter(&shown);
        painter.fillRect(traced, QColor(1, 2, 3));
    }
    const QImage saved = WhiteDrawnPicture(point, Day, shown);
    EXPECT_EQ(saved.pixelColor(traced.topLeft()), QColor(1, 2, 3));
    EXPECT_TRUE(AllOf(saved, CellInterior(0, 1, 12), Red));
}

TEST(Transparency, ColourListEntriesCarryTheirShownAlpha) {
    TGarminObject point = PointWithTransparency();
    EXPECT_EQ(ColourListEntryAlpha(point, Day, 0), AlphaTransparent);
    EXPECT_EQ(ColourListEntryAlpha(point, Day, 1), 8);
    EXPECT_EQ(ColourListEntryAlpha(point, Day, 2), AlphaOpaque);
    EXPECT_EQ(ColourListEntryAlpha(point, Day, 3), AlphaOpaque) << "outside the table";

    // A line's night list entry i stands for entry i + 2.
    TGarminObject line = MakeObject(
        KindLine, {Opaque('a', Red), Opaque('b', Red), Opaque('c', Red), Transparent('d')}, {"ab"});
    line.SetColourAlpha(Day, 2, 6);
    EXPECT_EQ(ColourListEntryAlpha(line, Night, 0), 6);
    EXPECT_EQ(ColourListEntryAlpha(line, Night, 1), AlphaTransparent);
    EXPECT_EQ(ColourListEntryAlpha(line, Day, 0), AlphaOpaque);
}

} // namespace
} // namespace velmora
