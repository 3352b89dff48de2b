#include "test_objects.h"
#include "view/matrix.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::AllOf;
using test::MakeObject;
using test::Opaque;
using test::PixelColour;
using test::SetVariant;

TEST(Matrix, CreateSetsTheValuesOnly) {
    const TQuadrat matrix = TQuadrat::Create(8, 6, 3);
    EXPECT_EQ(matrix.RowCount, 6);
    EXPECT_EQ(matrix.ColCount, 8);
    EXPECT_EQ(matrix.SwatchCount, 3);
    EXPECT_EQ(matrix.CellSize, 20);
    EXPECT_EQ(MatrixSize(matrix), QSize(160, 120));
}

TEST(Matrix, GridFormIsWhiteWithLinesOnTheTopAndLeftEdgesOfEveryCell) {
    const TQuadrat matrix = TQuadrat::Create(8, 6, 2);
    QImage image;
    EXPECT_TRUE(EnsureMatrixImage(image, matrix));
    ASSERT_EQ(image.size(), QSize(160, 120));
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    for (int x = 0; x < 160; ++x) {
        const bool onLine = x % 20 == 0;
        EXPECT_EQ(PixelColour(image, x, 10), onLine ? Black : White) << "x " << x;
    }
    for (int y = 0; y < 120; ++y) {
        const bool onLine = y % 20 == 0;
        EXPECT_EQ(PixelColour(image, 10, y), onLine ? Black : White) << "y " << y;
    }
    // No line closes the right or the bottom edge.
    EXPECT_TRUE(AllOf(image, QRect(159, 1, 1, 19), White));
    EXPECT_TRUE(AllOf(image, QRect(1, 119, 19, 1), White));
}

TEST(Matrix, SwatchFormIsOneHundredWideAndOneHundredPerColourWithoutGrid) {
    const TQuadrat matrix = TQuadrat::Create(0, 0, 4);
    ASSERT_TRUE(IsSwatchForm(matrix));
    QImage picture;
    EnsureMatrixImage(picture, matrix);
    ASSERT_EQ(picture.size(), QSize(100, 400));
    EXPECT_TRUE(AllOf(picture, picture.rect(), White));
}

TEST(Matrix, EnsureKeepsAPictureOfTheRightSizeAndRedrawsAnyOther) {
    TQuadrat matrix = TQuadrat::Create(2, 2, 2);
    QImage picture;
    EnsureMatrixImage(picture, matrix);
    picture.setPixel(5, 5, qRgb(1, 2, 3));
    EXPECT_FALSE(EnsureMatrixImage(picture, matrix));
    EXPECT_EQ(PixelColour(picture, 5, 5), 0x030201u);

    ReleaseMatrixImage(picture);
    EXPECT_TRUE(picture.isNull());

    matrix.CellSize = 7;
    EXPECT_TRUE(EnsureMatrixImage(picture, matrix));
    EXPECT_EQ(picture.size(), QSize(14, 14));

    // The picture another matrix left, or one of another format, is drawn afresh.
    picture.fill(Qt::magenta);
    EXPECT_TRUE(EnsureMatrixImage(picture, TQuadrat::Create(3, 1, 2)));
    EXPECT_EQ(picture.size(), QSize(60, 20));
    EXPECT_EQ(PixelColour(picture, 5, 5), White);
    QImage other(QSize(40, 40), QImage::Format_RGB32);
    EXPECT_TRUE(EnsureMatrixImage(other, TQuadrat::Create(2, 2, 2)));
    EXPECT_EQ(other.format(), QImage::Format_RGB888);
}

TEST(Matrix, EmptyGridHasNoPicture) {
    QImage picture(QSize(10, 10), QImage::Format_RGB888);
    EnsureMatrixImage(picture, TQuadrat::Create(5, 0, 1));
    EXPECT_TRUE(picture.isNull());
}

TEST(Matrix, CellGeometry) {
    EXPECT_EQ(CellRect(3, 5, 20), QRect(100, 60, 20, 20));
    EXPECT_EQ(CellInterior(3, 5, 20), QRect(101, 61, 18, 18));
    EXPECT_EQ(LetterAnchor(3, 5, 20), QPoint(101, 61));
    EXPECT_EQ(CellInterior(0, 0, 1).size(), QSize(0, 0));
    EXPECT_EQ(InverseColour(0x0080FF), 0xFF7F00u);
}

TEST(Matrix, LetterFontFitsTheInteriorOfASeventeenPixelCell) {
    const QFontMetrics metrics(MatrixLetterFont());
    const QString codes = QString::fromLatin1(CodeAlphabet.data(), qsizetype(CodeAlphabet.size())) + u'_';
    for (QChar code : codes) {
        const QRect box = metrics.boundingRect(code);
        EXPECT_LE(metrics.horizontalAdvance(code), 15) << code.toLatin1();
        EXPECT_GE(box.top() + metrics.ascent(), 0) << code.toLatin1();
        EXPECT_LE(box.bottom() + metrics.ascent(), 14) << code.toLatin1();
    }
}

TEST(Matrix, ClicksReachOnlyPixelsOfTheViewBeingEdited) {
    TGarminObject point = MakeObject(KindPoint, {Opaque('a', 0)}, {"aaaa", "aaaa", "aaaa"});
    SetVariant(point, Night, {Opaque('a', 0)}, {"aa", "a"}, 2, 2); // smaller, second row short
    struct Case {
        int View;
        QPoint Point;
        std::optional<CellPosition> Expected;
    };
    const Case cases[] = {
        {Day, {0, 0}, CellPosition{0, 0}}, {Day, {79, 59}, CellPosition{2, 3}},
        {Day, {80, 10}, std::nullopt},     {Day, {10, 60}, std::nullopt},
        {Day, {-1, 5}, std::nullopt},      {Night, {25, 5}, CellPosition{0, 1}},
        {Night, {25, 25}, std::nullopt},   {Night, {45, 5}, std::nullopt},
        {Night, {5, 45}, std::nullopt},    {2, {5, 5}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CellAtImagePoint(point, c.View, c.Point), c.Expected)
            << "view " << c.View << " at " << c.Point.x() << "," << c.Point.y();
}

TEST(Matrix, ClicksOnALineMapOntoTheDayGridInEitherView) {
    TGarminObject line =
        MakeObject(KindLine, {Opaque('a', 0), Opaque('b', 0), Opaque('c', 0), Opaque('d', 0)}, {"ab", "ba"});
    EXPECT_EQ(CellAtImagePoint(line, Night, {25, 25}), (CellPosition{1, 1}));
}

TEST(Matrix, ObjectsWithoutGridTakeNoPixelClicks) {
    TGarminObject noMatrix;
    EXPECT_EQ(CellAtImagePoint(noMatrix, Day, {1, 1}), std::nullopt);
    TGarminObject swatches = MakeObject(KindLine, {Opaque('a', 0), Opaque('b', 0)}, {});
    EXPECT_EQ(CellAtImagePoint(swatches, Day, {1, 1}), std::nullopt);
}

TEST(Matrix, SwatchClicksFindTheEntryOfTheSquare) {
    TGarminObject line = MakeObject(KindLine, {Opaque('a', 0), Opaque('b', 0), Opaque('c', 0)}, {});
    line.Colours[Day].pop_back(); // a table shorter than its ColourCount
    EXPECT_EQ(SwatchAtImagePoint(line, {50, 0}), 0);
    EXPECT_EQ(SwatchAtImagePoint(line, {99, 199}), 1);
    EXPECT_EQ(SwatchAtImagePoint(line, {50, 250}), std::nullopt);
    EXPECT_EQ(SwatchAtImagePoint(line, {100, 50}), std::nullopt);
    EXPECT_EQ(SwatchAtImagePoint(line, {50, -1}), std::nullopt);
}

} // namespace
} // namespace velmora
