// Point, line and polygon records: colour tables, bitmaps, widths, orientation and labels.
#include "typbin_test_support.h"

#include <gtest/gtest.h>

#include <set>

namespace velmora::test {
namespace {

const TGarminObject& Only(const BinaryImportResult& result, int kind) {
    const ObjectList& list = result.Document.List(kind);
    EXPECT_EQ(list.size(), 1u);
    static const TGarminObject none;
    return list.empty() ? none : *list[0];
}

const TGarminObject& ImportOne(int kind, const Bytes& record, uint32_t type = 0x01) {
    static BinaryImportResult result;
    TypBuilder builder;
    builder.Add(kind, type, 0, record);
    result = Import(builder);
    return Only(result, kind);
}

using Rows = std::vector<std::string>;

// ---- points

Bytes PointHead(uint8_t flags, uint8_t width, uint8_t height, uint8_t colours, uint8_t colourType) {
    return {flags, width, height, colours, colourType};
}

TEST(CompiledPoint, FlagBitsZeroAndOneChooseDayOnlyDayAndNightOrSkipped) {
    struct Case {
        uint8_t Flags;
        bool Read;
        bool Night;
    } cases[] = {{1, true, false},  {5, true, false},  {9, true, false},  {13, true, false},
                 {3, true, true},   {7, true, true},   {11, true, true},  {15, true, true},
                 {0, false, false}, {2, false, false}, {4, false, false}, {8, false, false},
                 {14, false, false}};
    for (const Case& c : cases) {
        // One colour, 1 bit a pixel; the night variant one colour too. Font data after the labels
        // (flag bit 3) must not disturb anything.
        Bytes record = Cat({PointHead(c.Flags, 2, 1, 1, 0x00), Bgr(0xFF0000), {0x00}});
        if (c.Night) Append(record, Cat({{1, 0x00}, Bgr(0x00FF00), {0x00}}));
        if (c.Flags & 4) Append(record, LabelBlock({{4, "Name"}}));
        if (c.Flags & 8) Append(record, {0x02});
        const TGarminObject& point = ImportOne(KindPoint, record);
        SCOPED_TRACE(int(c.Flags));
        if (!c.Read) {
            EXPECT_EQ(point.XpmHeader[Day].Width, 0);
            EXPECT_FALSE(point.Quadrat.has_value());
            EXPECT_TRUE(point.Colours[Day].empty());
            EXPECT_TRUE(point.Labels.empty());
            continue;
        }
        ASSERT_TRUE(point.Quadrat.has_value());
        EXPECT_EQ(point.Quadrat->ColCount, 2);
        EXPECT_EQ(point.Quadrat->RowCount, 1);
        EXPECT_EQ(point.Pixels[Day], Rows{"XX"});
        EXPECT_EQ(point.XpmHeader[Night].Width, c.Night ? 2 : 0);
        if (c.Night) {
            EXPECT_EQ(TableText(point, Day), "X=FF0000 -=none");
            EXPECT_EQ(TableText(point, Night), "X=00FF00 -=none");
        } else {
            EXPECT_EQ(TableText(point, Day), "X=FF0000");
        }
        EXPECT_EQ(point.Labels,
                  c.Flags & 4 ? std::vector<std::string>{"0x4,Name"} : std::vector<std::string>{});
        EXPECT_EQ(point.FontStyle, c.Flags & 8 ? std::optional<uint8_t>(2) : std::nullopt);
    }
}

TEST(CompiledPoint, OpaqueColoursUnpackAtTheirBitsPerPixel) {
    struct Case {
        uint8_t Colours;
        Bytes Bitmap; // one row of four pixels
        std::string Row;
    } cases[] = {
        {1, {0b0101}, "-X-X"},       // 1 bit
        {2, {0b11100100}, "X-*#"},   // 2 bits
        {3, {0b00011011}, "#*-X"},   // 2 bits
        {5, {0x21, 0x43}, "-*#%"},   // 4 bits, low half first, not lowered to 2 bits
        {16, {0, 15, 1, 2}, "XA-*"}, // 8 bits
    };
    for (const Case& c : cases) {
        Bytes record = PointHead(1, 4, 1, c.Colours, 0x00);
        for (int i = 0; i < c.Colours; ++i)
            Append(record, Bgr(0x010101 * uint32_t(i)));
        Append(record, c.Bitmap);
        const TGarminObject& point = ImportOne(KindPoint, record);
        EXPECT_EQ(point.Pixels[Day], Rows{c.Row}) << int(c.Colours);
        EXPECT_EQ(point.XpmHeader[Day].ColourCount, c.Colours);
    }
}

TEST(CompiledPoint, RowsArePaddedToWholeBytes) {
    // Three colours at 2 bits: five pixels take two bytes a row.
    const Bytes record =
        Cat({PointHead(1, 5, 2, 3, 0x00), Bgr(1), Bgr(2), Bgr(3), {0b01010101, 0b01, 0b10101010, 0b10}});
    EXPECT_EQ(ImportOne(KindPoint, record).Pixels[Day], (Rows{"-----", "*****"}));
}

TEST(CompiledPoint, TransparentColourTypeAddsANoneEntryAfterTheStoredColours) {
    const Bytes record = Cat({PointHead(1, 3, 1, 2, 0x10), Bgr(0xFF0000), Bgr(0x0000FF), {0b100100}});
    const TGarminObject& point = ImportOne(KindPoint, record);
    EXPECT_EQ(TableText(point), "X=FF0000 -=0000FF *=none");
    EXPECT_EQ(point.Pixels[Day], Rows{"X-*"});
}

TEST(CompiledPoint, PackedColoursCarryAlphaAndTakeThreeAndAHalfBytes) {
    // Three colours: 11 bytes; the second one transparent (alpha 15), the bitmap right after them.
    const Bytes record = Cat({PointHead(1, 3, 1, 3, 0x20),
                              {0x10, 0x20, 0x30, 0x0F0, 0x21, 0x43, 0xF5, 0xAA, 0xBB, 0xCC, 0x07},
                              {0b100100}});
    const TGarminObject& point = ImportOne(KindPoint, record);
    EXPECT_EQ(TableText(point), "X=302010 -=none *=CCBBAA");
    EXPECT_EQ(point.Colours[Day][1].Blue, 0x1F);
    EXPECT_EQ(point.Colours[Day][1].Green, 0x32);
    EXPECT_EQ(point.Colours[Day][1].Red, 0x54);
    EXPECT_EQ(point.Alpha[Day], (std::vector<uint8_t>{0, 15, 7}));
    EXPECT_EQ(point.ColourAlpha(Day, 2), 7);
    EXPECT_EQ(point.Pixels[Day], Rows{"X-*"});
}

TEST(CompiledPoint, OpaquePackedColoursLeaveTheAlphaTableEmpty) {
    const Bytes record =
        Cat({PointHead(1, 2, 1, 2, 0x20), {0x10, 0x20, 0x30, 0x00, 0x21, 0x43, 0x05}, {0b0100}});
    const TGarminObject& point = ImportOne(KindPoint, record);
    EXPECT_EQ(TableText(point), "X=302010 -=543210");
    EXPECT_TRUE(point.Alpha[Day].empty());
    EXPECT_TRUE(point.Alpha[Night].empty());
}

TEST(CompiledPoint, PackedBitsPerPixelFollowTheirOwnRule) {
    // One packed colour: 1 bit a pixel.
    const Bytes record = Cat({PointHead(1, 3, 1, 1, 0x20), {0x01, 0x02, 0x03, 0x00}, {0b101}});
    EXPECT_EQ(ImportOne(KindPoint, record).Pixels[Day], Rows{"-X-"});
}

TEST(CompiledPoint, DayAndNightPackedColoursEachHaveTheirTableOfCountPlusOne) {
    const Bytes record = Cat({PointHead(3, 2, 1, 2, 0x20),
                              {0x10, 0x20, 0x30, 0x00, 0x00, 0x00, 0xF0},
                              {0b0100},
                              {3, 0x20},
                              {0x01, 0x02, 0x03, 0x00, 0x00, 0x00, 0x00, 0x09, 0x08, 0x07, 0x00},
                              {0b1011}});
    const TGarminObject& point = ImportOne(KindPoint, record);
    EXPECT_EQ(TableText(point, Day), "X=302010 -=none *=none");
    EXPECT_EQ(TableText(point, Night), "X=030201 -=000000 *=070809 #=none");
    EXPECT_EQ(point.Alpha[Day], (std::vector<uint8_t>{0, 15, 0, 0}));
    EXPECT_TRUE(point.Alpha[Night].empty());
    EXPECT_EQ(point.XpmHeader[Night], (TXpmHeader{2, 1, 4, 1}));
    EXPECT_EQ(point.Colours[Day].size(), point.Colours[Night].size());
    EXPECT_EQ(point.Pixels[Day], Rows{"X-"});
    EXPECT_EQ(point.Pixels[Night], Rows{"#*"});
}

TEST(CompiledPoint, TrueColourTableIsTheDistinctColoursInOrderOfFirstAppearance) {
    const Bytes record = Cat({PointHead(1, 3, 2, 0, 0x00), Bgr(0x0000FF), Bgr(0xFF0000), Bgr(0x0000FF),
                              Bgr(0x00FF00), Bgr(0xFF0000), Bgr(0x00FF00)});
    const TGarminObject& point = ImportOne(KindPoint, record);
    EXPECT_EQ(TableText(point), "X=0000FF -=FF0000 *=00FF00");
    EXPECT_EQ(point.Pixels[Day], (Rows{"X-X", "*-*"}));
}

// Icons of more colours than CodeAlphabet has keep every colour apart: the further indexes get the
// other byte values as codes, written two characters a pixel in the text form.
TEST(CompiledPoint, TrueColourBeyondTheAlphabetKeepsEveryColour) {
    Bytes record = PointHead(1, 90, 1, 0, 0x00);
    for (uint32_t i = 0; i < 90; ++i)
        Append(record, Bgr(i));
    const TGarminObject& point = ImportOne(KindPoint, record);
    ASSERT_EQ(point.XpmHeader[Day].ColourCount, 90);
    EXPECT_EQ(point.XpmHeader[Day].CharsPerPixel, 2);
    std::set<char> codes;
    for (int i = 0; i < 90; ++i) {
        EXPECT_EQ(point.Colours[Day][size_t(i)].Code, point.Pixels[Day][0][size_t(i)]);
        EXPECT_EQ(point.Colours[Day][size_t(i)].Colour(), uint32_t(i) << 16) << i; // Bgr(i): blue i
        codes.insert(point.Pixels[Day][0][size_t(i)]);
    }
    EXPECT_EQ(codes.size(), 90u);
}

TEST(CompiledPoint, TrueColourWithoutWidthHasNoColours) {
    const TGarminObject& point = ImportOne(KindPoint, PointHead(1, 0, 1, 0, 0x00));
    EXPECT_EQ(point.XpmHeader[Day].ColourCount, 0);
    EXPECT_TRUE(point.Colours[Day].empty());
}

TEST(CompiledPoint, PixelValuesBeyondTheAlphabetKeepCodesOfTheirOwn) {
    Bytes record = PointHead(1, 3, 1, 200, 0x00);
    for (int i = 0; i < 200; ++i)
        Append(record, Bgr(0));
    Append(record, {81, 82, 199});
    const TGarminObject& point = ImportOne(KindPoint, record);
    const std::string& row = point.Pixels[Day][0];
    EXPECT_EQ(row[0], '~');
    EXPECT_EQ(row[1], point.Colours[Day][82].Code);
    EXPECT_EQ(row[2], point.Colours[Day][199].Code);
    EXPECT_NE(row[1], row[2]);
    EXPECT_EQ(point.XpmHeader[Day].ColourCount, 200);
    EXPECT_EQ(point.XpmHeader[Day].CharsPerPixel, 2);
}

// ---- lines

TEST(CompiledLine, ColourTablesByColourTypeWithoutBitmap) {
    struct Case {
        uint8_t ColourType;
        int Colours;
        std::string Table;
        uint8_t LineWidth, BorderWidth;
    } cases[] = {
        {0, 2, "X=000001 -=000002", 3, 2},
        {1, 4, "X=000001 -=000002 *=000003 #=000004", 3, 2},
        {2, 0, "", 3, 2},
        {3, 3, "X=000001 -=none *=000002 #=000003", 3, 2},
        {4, 0, "", 3, 2},
        {5, 3, "X=000001 -=000002 *=000003 #=none", 3, 2},
        {6, 1, "X=000001", 3, 0},
        {7, 2, "X=000001 -=000002", 3, 0},
    };
    for (const Case& c : cases) {
        Bytes record = {c.ColourType, 0x00};
        for (int i = 1; i <= c.Colours; ++i)
            Append(record, Bgr(uint32_t(i)));
        // Types 6 and 7 store the line width only; the 7 after it belongs to nothing.
        Append(record, {3, 7});
        const TGarminObject& line = ImportOne(KindLine, record);
        SCOPED_TRACE(int(c.ColourType));
        EXPECT_EQ(TableText(line), c.Table);
        EXPECT_EQ(line.LineWidth, c.LineWidth);
        EXPECT_EQ(line.BorderWidth, c.BorderWidth);
        EXPECT_EQ(line.XpmHeader[Day].Width, 0);
        EXPECT_EQ(line.UseOrientation, 1);
        EXPECT_TRUE(line.Quadrat.has_value());
    }
}

TEST(CompiledLine, WidthBytesAreWholeAndANegativeBorderIsClamped) {
    struct Case {
        uint8_t Line, Total;
        uint8_t LineWidth, BorderWidth;
    } cases[] = {{3, 7, 3, 2},    {8, 10, 8, 1}, {0x0B, 0x0F, 11, 2},
                 {10, 12, 10, 1}, {6, 2, 6, 0},  {4, 5, 4, 0}};
    for (const Case& c : cases) {
        const TGarminObject& line =
            ImportOne(KindLine, Cat({{0x00, 0x00}, Bgr(1), Bgr(2), {c.Line, c.Total}}));
        EXPECT_EQ(line.LineWidth, c.LineWidth) << int(c.Line);
        EXPECT_EQ(line.BorderWidth, c.BorderWidth) << int(c.Line) << " " << int(c.Total);
    }
}

TEST(CompiledLine, ColourTablesByColourTypeWithBitmap) {
    struct Case {
        uint8_t ColourType;
        int Colours;
        std::string Table;
        uint8_t Count;
    } cases[] = {
        {0, 2, "X=000001 -=000002", 2},
        {1, 4, "X=000001 -=000002 *=000003 #=000004", 4},
        {3, 3, "X=000001 -=none *=000002 #=000003", 4},
        {5, 3, "X=000001 -=000002 *=000003 #=none", 4},
        {6, 1, "X=000001 -=none", 2},
        {7, 2, "-=none X=000001 #=none -=000002", 4},
    };
    for (const Case& c : cases) {
        Bytes record = {uint8_t(2 << 3 | c.ColourType), 0x00};
        for (int i = 1; i <= c.Colours; ++i)
            Append(record, Bgr(uint32_t(i)));
        Append(record, {0x01, 0x00, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0xFF});
        const TGarminObject& line = ImportOne(KindLine, record);
        SCOPED_TRACE(int(c.ColourType));
        EXPECT_EQ(TableText(line), c.Table);
        EXPECT_EQ(line.Pixels[Day], (Rows{"X" + std::string(30, '-') + "X", std::string(32, 'X')}));
        EXPECT_EQ(line.XpmHeader[Day], (TXpmHeader{32, 2, c.Count, 1}));
        EXPECT_EQ(line.Quadrat->RowCount, 2);
    }
}

TEST(CompiledLine, FirstByteHoldsColourTypeAndRowCount) {
    Bytes record = Cat({{0x4F, 0x00}, Bgr(1), Bgr(2)});
    Append(record, Bytes(9 * 4, 0x00));
    const TGarminObject& line = ImportOne(KindLine, record);
    EXPECT_EQ(line.XpmHeader[Day].Height, 9);
    EXPECT_EQ(line.XpmHeader[Day].ColourCount, 4); // colour type 7
    EXPECT_EQ(line.Pixels[Day][8], std::string(32, '-'));
}

TEST(CompiledLine, OrientationIsSetWhenFlagBitOneIsClearWithOrWithoutBitmap) {
    for (uint8_t flags : {0x00, 0x02, 0x04, 0x06}) {
        const TGarminObject& line = ImportOne(KindLine, Cat({{0x0E, flags}, Bgr(1), {0, 0, 0, 0}}));
        EXPECT_EQ(line.UseOrientation, flags & 2 ? 0 : 1) << int(flags);
        const TGarminObject& solid = ImportOne(KindLine, Cat({{0x06, flags}, Bgr(1), {3}}));
        EXPECT_EQ(solid.UseOrientation, flags & 2 ? 0 : 1) << int(flags);
    }
}

TEST(CompiledLine, ColourTypesTwoAndFourReadNoBitmapEvenWithRows) {
    for (uint8_t type : {2, 4}) {
        const TGarminObject& line =
            ImportOne(KindLine, Cat({{uint8_t(3 << 3 | type), 0x01}, LabelBlock({{4, "Path"}})}));
        EXPECT_EQ(line.XpmHeader[Day].Width, 0);
        EXPECT_TRUE(line.Pixels[Day].empty());
        EXPECT_EQ(line.UseOrientation, 0);
        EXPECT_EQ(line.Labels, std::vector<std::string>{"0x4,Path"});
    }
}

// ---- polygons

TEST(CompiledPolygon, ColourTablesByColourType) {
    struct Case {
        uint8_t ColourType;
        int Colours;
        bool Bitmap;
        std::string Table;
    } cases[] = {
        {0, 0, false, ""},
        {1, 4, false, "X=000001 -=000002 *=000003 #=000004"},
        {2, 0, false, ""},
        {3, 3, false, "X=000001 -=none *=000002 #=000003"},
        {4, 0, false, ""},
        {5, 3, false, "X=000001 -=000002 *=000003 #=none"},
        {6, 1, false, "X=000001"},
        {7, 2, false, "X=000001 -=000002"},
        {8, 2, true, "X=000001 -=000002"},
        {9, 4, true, "X=000001 -=000002 *=000003 #=000004"},
        {10, 0, false, ""},
        {11, 3, true, "X=000001 -=none *=000002 #=000003"},
        {12, 0, false, ""},
        {13, 3, true, "X=000001 -=000002 *=000003 #=none"},
        {14, 1, true, "X=000001 -=none"},
        {15, 2, true, "X=000001 -=none *=000002 #=none"},
    };
    for (const Case& c : cases) {
        // Bit 4 announces the label block that follows the colours and bitmap.
        Bytes record = {uint8_t(0x10 | c.ColourType)};
        for (int i = 1; i <= c.Colours; ++i)
            Append(record, Bgr(uint32_t(i)));
        if (c.Bitmap) Append(record, Bytes(128, 0xF0));
        Append(record, LabelBlock({{0x19, "Area"}}));
        const TGarminObject& polygon = ImportOne(KindPolygon, record);
        SCOPED_TRACE(int(c.ColourType));
        EXPECT_EQ(TableText(polygon), c.Table);
        EXPECT_EQ(polygon.XpmHeader[Day].Width, c.Bitmap ? 32 : 0);
        EXPECT_EQ(polygon.XpmHeader[Day].Height, c.Bitmap ? 32 : 0);
        if (c.Bitmap) {
            EXPECT_EQ(polygon.Pixels[Day][31], "----XXXX----XXXX----XXXX----XXXX");
        }
        EXPECT_EQ(polygon.Labels, std::vector<std::string>{"0x19,Area"});
    }
}

TEST(CompiledPolygon, NoBitmapIsDropped) {
    // All bytes equal, and two equal colours: both keep their 32 x 32 bitmap.
    const TGarminObject& white = ImportOne(KindPolygon, Cat({{0x0E}, Bgr(0xFFFFFF), Bytes(128, 0xFF)}));
    EXPECT_EQ(white.Pixels[Day], Rows(32, std::string(32, 'X')));
    const TGarminObject& same =
        ImportOne(KindPolygon, Cat({{0x08}, Bgr(0x808080), Bgr(0x808080), Bytes(128, 0x0F)}));
    EXPECT_EQ(same.XpmHeader[Day].Width, 32);
    EXPECT_EQ(same.Pixels[Day][0], "XXXX----XXXX----XXXX----XXXX----");
}

// ---- labels

TEST(CompiledLabels, ReadOnlyWhenTheRecordFlagsSaySo) {
    const Bytes block = LabelBlock({{4, "Name"}});
    EXPECT_TRUE(ImportOne(KindPolygon, Cat({{0x06}, Bgr(1), block})).Labels.empty());
    EXPECT_EQ(ImportOne(KindPolygon, Cat({{0x16}, Bgr(1), block})).Labels.size(), 1u);
    EXPECT_TRUE(ImportOne(KindLine, Cat({{0x06, 0x00}, Bgr(1), {2}, block})).Labels.empty());
    EXPECT_EQ(ImportOne(KindLine, Cat({{0x06, 0x01}, Bgr(1), {2}, block})).Labels.size(), 1u);
    EXPECT_TRUE(ImportOne(KindPoint, Cat({{0x01, 1, 1, 1, 0}, Bgr(1), {0}, block})).Labels.empty());
    EXPECT_EQ(ImportOne(KindPoint, Cat({{0x05, 1, 1, 1, 0}, Bgr(1), {0}, block})).Labels.size(), 1u);
}

TEST(CompiledLabels, LengthPrefixOfOneTwoOrThreeBytes) {
    const std::vector<std::pair<uint8_t, std::string>> labels = {{4, "Forest"},
                                                                 {0x19, std::string(200, 'w')}};
    for (int prefix : {1, 2, 3}) {
        auto shortLabels =
            prefix == 1 ? std::vector<std::pair<uint8_t, std::string>>{{4, "Forest"}, {2, "Wald"}} : labels;
        const Bytes record =
            Cat({{0x16}, Bgr(1), LabelBlock(shortLabels, prefix), {0x05, 'J', 'u', 'n', 'k', 0}});
        const TGarminObject& polygon = ImportOne(KindPolygon, record);
        ASSERT_EQ(polygon.Labels.size(), 2u) << prefix;
        EXPECT_EQ(polygon.Labels[0], "0x4,Forest");
        EXPECT_EQ(polygon.Labels[1], prefix == 1 ? "0x2,Wald" : "0x19," + std::string(200, 'w'));
    }
}

TEST(CompiledLabels, FontDataAfterTheBlockIsNoLabel) {
    // Point flags 0x0D: day bitmap, labels, font data (a style byte and a day colour).
    const Bytes record =
        Cat({{0x0D, 1, 1, 1, 0}, Bgr(1), {0}, LabelBlock({{4, "Cafe"}}), {0x19}, Bgr(0xFF0000)});
    EXPECT_EQ(ImportOne(KindPoint, record).Labels, std::vector<std::string>{"0x4,Cafe"});
}

TEST(CompiledLabels, EveryLabelIsReadAndEmptyOnesAreKept) {
    const Bytes record =
        Cat({{0x16},
             Bgr(1),
             LabelBlock({{1, "a"}, {2, ""}, {3, "c"}, {4, "d"}, {5, "e"}, {6, "f"}, {0x19, "g"}})});
    EXPECT_EQ(ImportOne(KindPolygon, record).Labels,
              (std::vector<std::string>{"0x1,a", "0x2,", "0x3,c", "0x4,d", "0x5,e", "0x6,f", "0x19,g"}));
}

TEST(CompiledLabels, ABlockLongerThanItsRecordEndsWithTheRecord) {
    // The first record's block announces 60 bytes and holds one label; the next record by offset
    // (listed first in the index) follows it directly.
    const Bytes damaged = Cat({{0x16}, Bgr(1), {60 << 1 | 1, 4, 'A', 0}});
    const Bytes next = Cat({{0x16}, Bgr(2), LabelBlock({{4, "Beta"}, {5, "Gamma"}})});
    TypBuilder builder;
    builder.Add(KindPolygon, 0x01, 0, damaged).Add(KindPolygon, 0x02, 0, next);
    std::swap(builder.Index[KindPolygon][0], builder.Index[KindPolygon][1]);
    const BinaryImportResult result = Import(builder);
    ASSERT_EQ(result.Document.PolygonList.size(), 2u);
    EXPECT_EQ(result.Document.PolygonList[0]->Labels, std::vector<std::string>{"0x4,A"});
    EXPECT_EQ(result.Document.PolygonList[1]->Labels, (std::vector<std::string>{"0x4,Beta", "0x5,Gamma"}));
    // The last record ends with the polygon data: the index behind it is no label.
    TypBuilder last;
    last.Add(KindPolygon, 0x01, 0, Cat({{0x16}, Bgr(1), {60 << 1 | 1, 4, 'A', 0}}));
    last.Add(KindLine, 0x02, 0, Cat({{0x06, 0x00}, Bgr(1), {2}}));
    EXPECT_EQ(Only(Import(last), KindPolygon).Labels, std::vector<std::string>{"0x4,A"});
}

TEST(CompiledLabels, RecordsSharingAnOffsetEndWhereTheNextHigherOffsetBegins) {
    TypBuilder builder;
    builder.Add(KindPolygon, 0x01, 0, Cat({{0x16}, Bgr(1), LabelBlock({{4, "Shared"}})}));
    builder.Add(KindPolygon, 0x02, 0, Cat({{0x16}, Bgr(2), LabelBlock({{4, "Own"}})}));
    builder.Index[KindPolygon].insert(builder.Index[KindPolygon].begin(), builder.Index[KindPolygon][0]);
    const BinaryImportResult result = Import(builder);
    ASSERT_EQ(result.Document.PolygonList.size(), 3u);
    for (size_t i = 0; i < 2; ++i)
        EXPECT_EQ(result.Document.PolygonList[i]->Labels, std::vector<std::string>{"0x4,Shared"});
    EXPECT_EQ(result.Document.PolygonList[2]->Labels, std::vector<std::string>{"0x4,Own"});
}

TEST(CompiledLabels, LineBreaksAndEndOfInputBecomeSpaces) {
    const Bytes record = Cat({{0x16},
                              Bgr(1),
                              LabelBlock({{0x22, "a\nb\rc\x1A"
                                                 "d\x01\xE9"}})});
    EXPECT_EQ(ImportOne(KindPolygon, record).Labels, std::vector<std::string>{"0x22,a b c d\x01\xE9"});
}

TEST(CompiledLabels, TrailingBlanksAreDroppedAsTheTextFormWouldDropThem) {
    const Bytes record =
        Cat({{0x16}, Bgr(1), LabelBlock({{4, "Name \x10\n"}, {0x80, "\x04\x01 "}, {2, " x"}})});
    EXPECT_EQ(ImportOne(KindPolygon, record).Labels,
              (std::vector<std::string>{"0x4,Name", "0x80,", "0x2, x"}));
}

TEST(CompiledLabels, TextOpenAtTheEndOfTheBlockOrFileIsDropped) {
    // The block says 5 bytes: "\x04Name" without its zero.
    EXPECT_TRUE(
        ImportOne(KindPolygon, Cat({{0x16}, Bgr(1), {5 << 1 | 1, 4, 'N', 'a', 'm', 'e', 0}})).Labels.empty());
    // The block runs past the end of the file: the record is moved to the very end.
    TypBuilder builder;
    builder.Add(KindPolygon, 1, 0, {});
    Bytes file = builder.Build();
    const uint32_t recordOffset = uint32_t(file.size()) - builder.HeaderLength;
    Append(file, {0x16, 1, 0, 0, 100 << 1 | 1, 4, 'A', 0, 5, 'B'});
    const size_t entry = file[51 + 10 * KindPolygon]; // the polygon index lies below 256 here
    TypBuilder::Put16(file, entry + 2, uint16_t(recordOffset));
    TypBuilder::Put32(file, 27 + 8 * KindPolygon, uint32_t(file.size()) + 100 - builder.HeaderLength);
    const BinaryImportResult result = Import(file);
    EXPECT_EQ(Only(result, KindPolygon).Labels, std::vector<std::string>{"0x4,A"});
}

// ---- label font and colours

TEST(CompiledFont, StyleAndLabelColoursFollowTheLabelsOrStandInTheirPlace) {
    // Records as mkgmap compiles FontStyle, DaycustomColor #112233 and NightcustomColor #445566.
    constexpr uint32_t DayColour = 0x11 + 0x22 * 256 + 0x33 * 65536,
                       NightColour = 0x44 + 0x55 * 256 + 0x66 * 65536;
    const struct Case {
        const char* What;
        int Kind;
        Bytes Record;
        std::optional<uint8_t> Style;
        std::optional<uint32_t> Day, Night;
        std::vector<std::string> Labels;
    } cases[] = {
        {"point, labels, small, both colours",
         KindPoint,
         {0x0D, 2,   1,    1,    0x00, 0x00, 0x00, 0xFF, 0x00, 0x09, 0x04,
          'A',  'B', 0x00, 0x1A, 0x33, 0x22, 0x11, 0x66, 0x55, 0x44},
         FontSmall,
         DayColour,
         NightColour,
         {"0x4,AB"}},
        {"point, no labels, large",
         KindPoint,
         {0x09, 2, 1, 1, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x04},
         FontLarge,
         {},
         {},
         {}},
        {"point, no labels, night colour only",
         KindPoint,
         {0x09, 2, 1, 1, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x10, 0x66, 0x55, 0x44},
         FontDefault,
         {},
         NightColour,
         {}},
        {"point, labels, no font flag",
         KindPoint,
         {0x05, 2, 1, 1, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x07, 0x04, 'A', 0x00, 0x1A},
         {},
         {},
         {},
         {"0x4,A"}},
        {"line, labels, normal, day colour",
         KindLine,
         {0x00, 0x07, 0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x02, 0x04, 0x07, 0x04, 'L', 0x00, 0x0B, 0x33, 0x22,
          0x11},
         FontNormal,
         DayColour,
         {},
         {"0x4,L"}},
        {"line, no labels, no label font",
         KindLine,
         {0x06, 0x06, 0x00, 0x00, 0xFF, 0x02, 0x01},
         FontNoLabel,
         {},
         {},
         {}},
        {"polygon, labels, large, both colours",
         KindPolygon,
         {0x36, 0x00, 0x00, 0xFF, 0x07, 0x04, 'P', 0x00, 0x1C, 0x33, 0x22, 0x11, 0x66, 0x55, 0x44},
         FontLarge,
         DayColour,
         NightColour,
         {"0x4,P"}},
        {"polygon, no labels, day colour",
         KindPolygon,
         {0x26, 0x00, 0x00, 0xFF, 0x08, 0x33, 0x22, 0x11},
         FontDefault,
         DayColour,
         {},
         {}},
        {"polygon, style bits only", KindPolygon, Cat({{0x26}, Bgr(1), {0xE5}}), 5, {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        const TGarminObject& object = ImportOne(c.Kind, c.Record);
        EXPECT_EQ(object.FontStyle, c.Style);
        EXPECT_EQ(object.DayLabelColour, c.Day);
        EXPECT_EQ(object.NightLabelColour, c.Night);
        EXPECT_EQ(object.Labels, c.Labels);
    }
}

TEST(CompiledFont, NothingOfItIsReadPastTheRecord) {
    // The first record ends inside the colours its font byte announces; the second follows it.
    TypBuilder builder;
    builder.Add(KindPolygon, 0x01, 0, Cat({{0x36}, Bgr(1), LabelBlock({{4, "A"}}), {0x1B, 0x10, 0x20}}));
    builder.Add(KindPolygon, 0x02, 0,
                Cat({{0x36}, Bgr(2), LabelBlock({{4, "B"}}), Font(FontSmall, 0x123456)}));
    builder.Add(KindPolygon, 0x03, 0, Cat({{0x26}, Bgr(3)})); // the font byte lies beyond the data
    const TypDocument doc = Import(builder).Document;
    ASSERT_EQ(doc.PolygonList.size(), 3u);
    const TGarminObject& first = *doc.PolygonList[0];
    EXPECT_EQ(first.FontStyle, FontNormal);
    EXPECT_FALSE(first.DayLabelColour.has_value());
    EXPECT_FALSE(first.NightLabelColour.has_value());
    const TGarminObject& second = *doc.PolygonList[1];
    EXPECT_EQ(second.FontStyle, FontSmall);
    EXPECT_EQ(second.DayLabelColour, 0x563412u);
    EXPECT_FALSE(doc.PolygonList[2]->FontStyle.has_value());
}

} // namespace
} // namespace velmora::test
