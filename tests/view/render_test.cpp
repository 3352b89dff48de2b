#include "model/text_format.h"
#include "test_objects.h"
#include "view/matrix.h"
#include "view/render.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace velmora {
namespace {

using test::AllOf;
using test::CountOf;
using test::MakeObject;
using test::Opaque;
using test::PixelColour;
using test::SameData;
using test::SetVariant;
using test::Transparent;

constexpr uint32_t Red = 0x0000FF;
constexpr uint32_t Green = 0x00FF00;
constexpr uint32_t Blue = 0xFF0000;
constexpr uint32_t Orange = 0x0080FF;

// The interior of one cell of the picture drawn for the object.
QImage CellImage(const QImage& picture, const TGarminObject& object, int row, int col) {
    const int s = object.Quadrat->CellSize;
    return picture.copy(CellInterior(row, col, s));
}

// The interior of a one-cell point coloured and coded as given, drawn at the cell size: what a cell
// showing that code in that colour looks like.
QImage ReferenceCell(char code, uint32_t colour, int cellSize) {
    QImage picture;
    TGarminObject point = MakeObject(KindPoint, {Opaque(code, colour)}, {std::string(1, code)});
    point.Quadrat->CellSize = cellSize;
    RenderObject(picture, point, Day);
    return CellImage(picture, point, 0, 0);
}

TEST(RenderPoint, FillsEachInteriorWithItsColourAndLeavesTheGrid) {
    QImage picture;
    TGarminObject point = MakeObject(KindPoint, {Opaque('r', Red), Opaque('g', Green)}, {"rg", "gr"});
    point.Quadrat->CellSize = 10;
    RenderObject(picture, point, Day);
    const QImage& image = picture;
    ASSERT_EQ(image.size(), QSize(20, 20));
    EXPECT_TRUE(AllOf(image, CellInterior(0, 0, 10), Red));
    EXPECT_TRUE(AllOf(image, CellInterior(0, 1, 10), Green));
    EXPECT_TRUE(AllOf(image, CellInterior(1, 0, 10), Green));
    EXPECT_TRUE(AllOf(image, QRect(0, 0, 20, 1), Black));
    EXPECT_TRUE(AllOf(image, QRect(10, 0, 1, 20), Black));
    // The last screen column and row of each cell stay white.
    EXPECT_TRUE(AllOf(image, QRect(9, 1, 1, 9), White));
    EXPECT_TRUE(AllOf(image, QRect(1, 19, 9, 1), White));
}

TEST(RenderPoint, CodesInNoEntryOrOnlyInATransparentOneStayWhite) {
    QImage picture;
    TGarminObject point =
        MakeObject(KindPoint, {Transparent('t'), Opaque('r', Red)}, {std::string("tq"), std::string("rr")});
    point.Colours[Day][0].SetColour(Blue); // a stored colour that must not show
    RenderObject(picture, point, Day);
    EXPECT_TRUE(AllOf(picture, CellInterior(0, 0, 20), White));
    EXPECT_TRUE(AllOf(picture, CellInterior(0, 1, 20), White));
    EXPECT_EQ(PixelColour(picture, 1, 21), Red);
}

TEST(RenderPoint, WritesCodesOnlyAboveCellSizeSixteen) {
    for (const auto& [cellSize, letters] : {std::pair{16, false}, std::pair{17, true}, std::pair{20, true}}) {
        QImage picture;
        TGarminObject point = MakeObject(KindPoint, {Opaque('W', Orange)}, {"W"});
        point.Quadrat->CellSize = cellSize;
        RenderObject(picture, point, Day);
        const QRect interior = CellInterior(0, 0, cellSize);
        const int inverse = CountOf(picture, interior, InverseColour(Orange));
        const int filled = CountOf(picture, interior, Orange);
        if (letters) {
            EXPECT_GT(inverse, 5) << "cell size " << cellSize;
            EXPECT_EQ(inverse + filled, interior.width() * interior.height()) << "cell size " << cellSize;
        } else {
            EXPECT_EQ(filled, interior.width() * interior.height()) << "cell size " << cellSize;
        }
    }
}

TEST(RenderPoint, NightViewUsesTheNightTableAndBitmap) {
    QImage picture;
    TGarminObject point = MakeObject(KindPoint, {Opaque('a', Red)}, {"aa"});
    SetVariant(point, Night, {Opaque('a', Blue), Opaque('b', Green)}, {"ab"});
    point.Quadrat->CellSize = 10;
    RenderObject(picture, point, Night);
    EXPECT_EQ(PixelColour(picture, 5, 5), Blue);
    EXPECT_EQ(PixelColour(picture, 15, 5), Green);
}

TEST(RenderPoint, NightBitmapOfOtherDimensionsStaysInsideTheDayGrid) {
    QImage picture;
    TGarminObject point = MakeObject(KindPoint, {Opaque('a', Red)}, {"aaa", "aaa"});
    point.Quadrat->CellSize = 10;
    RenderObject(picture, point, Day);
    SetVariant(point, Night, {Opaque('b', Blue)}, {"bbbbb", "bbbbb", "bbbbb", "bbbbb"}); // larger
    RenderObject(picture, point, Night);
    EXPECT_EQ(picture.size(), QSize(30, 20));
    EXPECT_TRUE(AllOf(picture, CellInterior(1, 2, 10), Blue));

    SetVariant(point, Night, {Opaque('b', Blue)}, {"b"}); // smaller: no day pixels left over
    RenderObject(picture, point, Night);
    EXPECT_TRUE(AllOf(picture, CellInterior(0, 0, 10), Blue));
    EXPECT_TRUE(AllOf(picture, CellInterior(1, 2, 10), White));
    EXPECT_TRUE(AllOf(picture, CellInterior(0, 1, 10), White));
}

TEST(RenderPoint, DamagedObjectsDrawSafely) {
    // Rows shorter than the header's Width, fewer rows than its Height, a table shorter than its
    // ColourCount: missing pixels and entries show white.
    QImage picture;
    TGarminObject point = MakeObject(KindPoint, {Opaque('a', Red), Opaque('b', Green)}, {"ab", "a"});
    point.XpmHeader[Day].Height = 3;
    point.XpmHeader[Day].Width = 2;
    point.XpmHeader[Day].ColourCount = 5;
    point.Colours[Day].pop_back();
    point.Quadrat = TQuadrat::Create(2, 3, 5);
    point.Quadrat->CellSize = 10;
    RenderObject(picture, point, Day);
    const QImage& image = picture;
    EXPECT_EQ(PixelColour(image, 5, 5), Red);
    EXPECT_EQ(PixelColour(image, 15, 5), White); // 'b' is beyond the table
    EXPECT_EQ(PixelColour(image, 15, 15), White);
    EXPECT_EQ(PixelColour(image, 5, 25), White);
}

TEST(RenderLine, DayViewUsesTheDayPairAndMarksSpaceCodedPixels) {
    QImage picture;
    TGarminObject line = MakeObject(KindLine, {Opaque(' ', Red), Opaque('b', Green)}, {" b"});
    RenderObject(picture, line, Day);
    EXPECT_EQ(PixelColour(picture, 10, 10), Red);
    // "_" in the inverse colour along the bottom of the first cell's letter box.
    EXPECT_GT(CountOf(picture, CellInterior(0, 0, 20), InverseColour(Red)), 3);
    EXPECT_EQ(CellImage(picture, line, 0, 1), ReferenceCell('b', Green, 20));
}

TEST(RenderLine, NightViewOfFourColoursUsesEntriesTwoAndThreeWithTheirCodes) {
    QImage picture;
    TGarminObject line =
        MakeObject(KindLine, {Opaque('a', Red), Opaque('b', Green), Opaque('c', Blue), Opaque('d', Orange)},
                   {"ab", "ba"});
    RenderObject(picture, line, Night);
    EXPECT_EQ(CellImage(picture, line, 0, 0), ReferenceCell('c', Blue, 20));
    EXPECT_EQ(CellImage(picture, line, 0, 1), ReferenceCell('d', Orange, 20));
    EXPECT_EQ(CellImage(picture, line, 1, 0), ReferenceCell('d', Orange, 20));
    RenderObject(picture, line, Day);
    EXPECT_EQ(CellImage(picture, line, 0, 0), ReferenceCell('a', Red, 20));
}

TEST(RenderLine, TwoColoursShowTheDayPairInBothViews) {
    QImage picture;
    TGarminObject line = MakeObject(KindPolygon, {Opaque('a', Red), Opaque('b', Green)}, {"ab"});
    RenderObject(picture, line, Night);
    EXPECT_EQ(CellImage(picture, line, 0, 0), ReferenceCell('a', Red, 20));
    EXPECT_EQ(CellImage(picture, line, 0, 1), ReferenceCell('b', Green, 20));
}

TEST(RenderLine, ThreeColoursByNightLeaveTheMissingBorderColourWhite) {
    QImage picture;
    TGarminObject line =
        MakeObject(KindLine, {Opaque('a', Red), Opaque('b', Green), Opaque('c', Blue)}, {"ab"});
    RenderObject(picture, line, Night);
    EXPECT_EQ(PixelColour(picture, 10, 10), Blue);
    EXPECT_TRUE(AllOf(picture, CellInterior(0, 1, 20), White));
}

TEST(RenderLine, TransparentEntryIsFilledWithItsColourButWritesNothing) {
    QImage picture;
    TGarminObject line = MakeObject(KindLine, {Opaque('a', Red), Transparent(' ')}, {"a "});
    RenderObject(picture, line, Day);
    EXPECT_TRUE(AllOf(picture, CellInterior(0, 1, 20), White));
    line.Colours[Day][1].SetColour(Green);
    RenderObject(picture, line, Day);
    EXPECT_TRUE(AllOf(picture, CellInterior(0, 1, 20), Green));
}

TEST(RenderSwatches, FourColoursGiveFourSquaresWithAnUnpaintedFrame) {
    QImage picture;
    TGarminObject line = MakeObject(
        KindLine, {Opaque('a', Red), Opaque('b', Green), Opaque('c', Blue), Opaque('d', Orange)}, {});
    ASSERT_TRUE(IsSwatchForm(*line.Quadrat));
    RenderObject(picture, line, Night); // whatever the view
    const QImage& image = picture;
    ASSERT_EQ(image.size(), QSize(100, 400));
    const uint32_t colours[] = {Red, Green, Blue, Orange};
    for (int b = 0; b < 4; ++b) {
        const int top = 100 * b;
        EXPECT_EQ(PixelColour(image, 1, top + 1), colours[b]) << "swatch " << b;
        EXPECT_EQ(PixelColour(image, 98, top + 98), colours[b]) << "swatch " << b;
        EXPECT_EQ(CountOf(image, QRect(1, top + 1, 98, 98), colours[b]) +
                      CountOf(image, QRect(1, top + 1, 98, 98), InverseColour(colours[b])),
                  98 * 98);
        EXPECT_GT(CountOf(image, QRect(50, top + 50, 15, 15), InverseColour(colours[b])), 3) << "code letter";
        EXPECT_TRUE(AllOf(image, QRect(0, top, 100, 1), White));
        EXPECT_TRUE(AllOf(image, QRect(99, top, 1, 100), White));
        EXPECT_TRUE(AllOf(image, QRect(0, top + 99, 100, 1), White));
    }
}

TEST(RenderSwatches, NulCodeShowsNoneInBlack) {
    QImage picture;
    TGarminObject polygon = MakeObject(KindPolygon, {Opaque('a', Red), Opaque('\0', Green)}, {});
    RenderObject(picture, polygon, Day);
    const QImage& image = picture;
    EXPECT_GT(CountOf(image, QRect(42, 150, 40, 16), Black), 10);
    EXPECT_EQ(CountOf(image, QRect(1, 101, 41, 98), Black), 0); // nothing left of x = 42
    EXPECT_EQ(CountOf(image, QRect(1, 101, 98, 49), Black), 0); // nothing above y = 150
}

TEST(RenderSwatches, TableShorterThanItsColourCountDrawsOnlyItsEntries) {
    QImage picture;
    TGarminObject line = MakeObject(KindLine, {Opaque('a', Red), Opaque('b', Green)}, {});
    line.Colours[Day].pop_back();
    RenderObject(picture, line, Day);
    EXPECT_EQ(PixelColour(picture, 10, 10), Red);
    EXPECT_TRUE(AllOf(picture, QRect(0, 100, 100, 100), White));
}

TEST(PaintCell, WritesTheUnderscoreOnlyForOpaqueEntriesAboveSixteen) {
    struct Case {
        TColourEntry Entry;
        int CellSize;
        bool Marked;
    };
    const Case cases[] = {
        {Opaque(' ', Red), 20, true},
        {Opaque(' ', Red), 17, true},
        {Opaque(' ', Red), 16, false},
        {Transparent(' '), 20, false},
    };
    for (const Case& c : cases) {
        QImage picture;
        TGarminObject point = MakeObject(KindPoint, {Opaque('x', Green), c.Entry}, {"xx"});
        point.Quadrat->CellSize = c.CellSize;
        RenderObject(picture, point, Day);
        point.Pixels[Day][0][1] = ' ';
        PaintCell(picture, point, 0, 1, 1, Day);
        const QRect interior = CellInterior(0, 1, c.CellSize);
        const uint32_t colour = c.Entry.Colour();
        EXPECT_EQ(CountOf(picture, interior, colour) < interior.width() * interior.height(), c.Marked)
            << "cell size " << c.CellSize << ", transparent " << c.Entry.IsTransparent();
        EXPECT_EQ(CellImage(picture, point, 0, 0), ReferenceCell('x', Green, c.CellSize))
            << "the other cell is untouched";
    }
}

TEST(PaintCell, TransparentEntryIsPaintedInItsStoredColour) {
    QImage picture;
    TGarminObject point = MakeObject(KindPoint, {Opaque('x', Green), Transparent('~')}, {"x"});
    RenderObject(picture, point, Day);
    point.Pixels[Day][0][0] = '~';
    PaintCell(picture, point, 0, 0, 1, Day);
    EXPECT_TRUE(AllOf(picture, CellInterior(0, 0, 20), White));
}

TEST(PaintCell, IgnoresCellsAndEntriesOutsideTheObject) {
    QImage picture;
    TGarminObject point = MakeObject(KindPoint, {Opaque('x', Green)}, {"x"});
    RenderObject(picture, point, Day);
    const QImage before = picture.copy();
    for (const auto& [row, col, entry, view] :
         {std::tuple{1, 0, 0, Day}, std::tuple{0, 1, 0, Day}, std::tuple{-1, 0, 0, Day},
          std::tuple{0, 0, 1, Day}, std::tuple{0, 0, -1, Day}, std::tuple{0, 0, 0, Night}})
        PaintCell(picture, point, row, col, entry, view);
    EXPECT_EQ(picture, before);
}

TEST(ResizeGrid, ZoomingATenByTenPointToFiveCentresA50By50Picture) {
    QImage picture;
    TGarminObject point =
        MakeObject(KindPoint, {Opaque('a', Red)}, std::vector<std::string>(10, "aaaaaaaaaa"));
    RenderObject(picture, point, Day);
    const QPoint position = ResizeGrid(picture, point, 5, Day, QSize(424, 486));
    EXPECT_EQ(position, QPoint(187, 218));
    EXPECT_EQ(point.Quadrat->CellSize, 5);
    const QImage& image = picture;
    ASSERT_EQ(image.size(), QSize(50, 50));
    for (int x = 0; x < 50; ++x)
        EXPECT_EQ(PixelColour(image, x, 2), x % 5 == 0 ? Black : x % 5 == 4 ? White : Red);
}

TEST(ResizeGrid, LargerPictureThanThePanelGetsNegativePlacement) {
    QImage picture;
    TGarminObject point =
        MakeObject(KindPoint, {Opaque('a', Red)}, std::vector<std::string>(32, std::string(32, 'a')));
    EXPECT_EQ(ResizeGrid(picture, point, 20, Day, QSize(301, 200)), QPoint(150 - 320, 100 - 320));
    EXPECT_EQ(ImagePosition(QSize(10, 10), QSize(33, 33)), QPoint(5 - 16, 5 - 16));
}

TEST(ResizeGrid, RedrawsTheWholeMatrixAndLimitsTheZoom) {
    QImage picture;
    TGarminObject point = MakeObject(KindPoint, {Opaque('a', Red)}, {"a"});
    RenderObject(picture, point, Day);
    picture.fill(Qt::magenta); // a laid template
    ResizeGrid(picture, point, 20, Day, QSize(100, 100));
    EXPECT_EQ(CellImage(picture, point, 0, 0), ReferenceCell('a', Red, 20));
    EXPECT_EQ(PixelColour(picture, 0, 0), Black);
    ResizeGrid(picture, point, 40, Day, QSize(100, 100));
    EXPECT_EQ(point.Quadrat->CellSize, 20);
    ResizeGrid(picture, point, 0, Day, QSize(100, 100));
    EXPECT_EQ(point.Quadrat->CellSize, 1);
}

TEST(ResizeGrid, SwatchFormIsOnlyRecentred) {
    QImage picture;
    TGarminObject line = MakeObject(KindLine, {Opaque('a', Red), Opaque('b', Green)}, {});
    RenderObject(picture, line, Day);
    EXPECT_EQ(ResizeGrid(picture, line, 5, Day, QSize(424, 486)), QPoint(212 - 50, 243 - 100));
    EXPECT_EQ(line.Quadrat->CellSize, 20);
    EXPECT_EQ(picture.size(), QSize(100, 200));
}

TEST(Render, ObjectWithoutMatrixHasNothingToDraw) {
    QImage picture;
    TGarminObject line;
    line.Kind = KindLine;
    RenderObject(picture, line, Day);
    PaintCell(picture, line, 0, 0, 0, Day);
    EXPECT_EQ(ResizeGrid(picture, line, 10, Day, QSize(100, 80)), QPoint(50, 40));
    EXPECT_FALSE(line.Quadrat.has_value());
}

TEST(Render, DrawingNeverChangesTheObjectsData) {
    QImage picture;
    TGarminObject point = MakeObject(KindPoint, {Opaque('a', Red), Transparent(' ')}, {"a ", " a"});
    SetVariant(point, Night, {Opaque('a', Blue)}, {"a"});
    point.LineWidth = 0;
    point.XpmHeader[Night].CharsPerPixel = 2;
    const TGarminObject before = point;
    RenderObject(picture, point, Night);
    ResizeGrid(picture, point, 17, Night, QSize(50, 50));
    PaintCell(picture, point, 0, 0, 0, Day);
    EXPECT_TRUE(SameData(point, before));
}

TEST(SwatchLabels, StandBesideTheSquaresOfTheCentredPicture) {
    const auto positions = SwatchLabelPositions(QSize(424, 486), QSize(100, 400));
    const QPoint origin(162, 43);
    const QPoint expected[] = {origin + QPoint(-40, 96),  origin + QPoint(-40, 296),
                               origin + QPoint(110, 46),  origin + QPoint(110, 146),
                               origin + QPoint(110, 246), origin + QPoint(110, 346)};
    for (int i = 0; i < SwatchLabelCount; ++i)
        EXPECT_EQ(positions[size_t(i)], expected[i]) << "Label" << i + 1;
    EXPECT_EQ(SwatchLabelCaptions()[0], QStringLiteral("День"));
    EXPECT_EQ(SwatchLabelCaptions()[5], QStringLiteral("Бордюр"));
    EXPECT_EQ(SwatchLabelFormPositions()[1], QPoint(108, 133));
}

// Headers, tables, rows and matrices that disagree with one another, as a damaged file or a careless
// caller could leave them: every engine must stay inside the object's data and its picture.
TEST(Render, DisagreeingHeadersTablesRowsAndMatricesAreDrawnSafely) {
    std::mt19937 random(12345);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int round = 0; round < 400; ++round) {
        QImage picture;
        TGarminObject object;
        object.Kind = uint8_t(pick(0, 2));
        for (int variant : {Day, Night}) {
            TXpmHeader& header = object.XpmHeader[size_t(variant)];
            header = {uint8_t(pick(0, 6)), uint8_t(pick(0, 6)), uint8_t(pick(0, 6)), uint8_t(pick(0, 3))};
            for (int k = pick(0, 6); k > 0; --k)
                object.Colours[size_t(variant)].push_back(pick(0, 1)
                                                              ? Opaque(char(pick(0, 3) + 'a'), 0x123456)
                                                              : Transparent(char(pick(0, 3) + 'a')));
            for (int r = pick(0, 6); r > 0; --r) {
                std::string row;
                for (int c = pick(0, 6); c > 0; --c)
                    row += char(pick(0, 4) + 'a');
                object.Pixels[size_t(variant)].push_back(row);
            }
        }
        if (pick(0, 5) > 0) {
            object.Quadrat = TQuadrat::Create(pick(0, 6), pick(0, 6), pick(0, 6));
            object.Quadrat->CellSize = pick(-2, 25);
        }
        const TGarminObject before = object;
        for (int view : {Day, Night, 2}) {
            RenderObject(picture, object, view);
            PaintCell(picture, object, pick(-1, 7), pick(-1, 7), pick(-1, 7), view);
            ResizeGrid(picture, object, pick(-1, 22), view, QSize(50, 50));
            CellAtImagePoint(object, view, QPoint(pick(-30, 200), pick(-30, 200)));
            SwatchAtImagePoint(object, QPoint(pick(-30, 200), pick(-30, 700)));
        }
        if (object.Quadrat && !picture.isNull()) {
            EXPECT_EQ(picture.size(), MatrixSize(*object.Quadrat));
        }
        EXPECT_TRUE(SameData(object, before));
    }
}

TEST(RenderCorpus, EveryObjectOfTheRealFilesDrawsInBothViewsAtEveryZoomLimit) {
    const std::filesystem::path corpus = VELMORA_CORPUS_DIR;
    for (const char* name : {"freizeit.txt", "opentopomap.txt", "mkgmap-test.txt", "contours.txt"}) {
        const std::filesystem::path path = corpus / name;
        if (!std::filesystem::exists(path)) GTEST_SKIP() << "corpus file " << path << " is absent";
        TypDocument doc;
        LoadTextTypDocument(ReadWholeFile(path.string()), doc);
        QImage picture; // one for all objects, released between them as the window does
        for (int kind : {KindPoint, KindLine, KindPolygon}) {
            for (auto& object : doc.List(kind)) {
                const TGarminObject before = *object;
                for (int view : {Day, Night})
                    for (int zoom : {1, 17, 20}) {
                        RenderObject(picture, *object, view);
                        ResizeGrid(picture, *object, zoom, view, QSize(400, 400));
                        if (object->Quadrat) {
                            EXPECT_EQ(picture.size(), MatrixSize(*object->Quadrat)) << name;
                        }
                    }
                ReleaseMatrixImage(picture);
                EXPECT_TRUE(SameData(*object, before)) << name;
            }
        }
    }
}

} // namespace
} // namespace velmora
