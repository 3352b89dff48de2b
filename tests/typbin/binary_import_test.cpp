// The file as a whole: signature, header lines, draw order, index tables and type codes.
#include "typbin_test_support.h"

#include "model/texts1251.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

Bytes OnePolygon() {
    return Cat({{0x06}, Bgr(0x112233)});
}

TEST(CompiledSignature, IsComparedIgnoringAsciiLetterCase) {
    TypBuilder builder;
    builder.Signature = "garmin Typ";
    EXPECT_NO_THROW(Import(builder));
}

TEST(CompiledSignature, OtherTextIsRejectedWithTheTwoLanguageMessage) {
    for (const std::string signature : {"GARMIN TYQ", "GARMIN\xD0TYP", "ГАРМИН", ""}) {
        TypBuilder builder;
        builder.Signature = signature;
        try {
            Import(builder);
            ADD_FAILURE() << "accepted signature " << signature;
        } catch (const TypError& error) {
            EXPECT_EQ(std::string(error.what()), NotGarminTypMessage);
        }
    }
    EXPECT_THROW(ImportBinaryTyp(Bytes{0x5B, 0, 'G', 'A', 'R'}), TypError);
    EXPECT_THROW(ImportBinaryTyp(Bytes{}), TypError);
}

TEST(CompiledSignature, FileIsTakenForCompiledByNameOrSignature) {
    struct Case {
        std::string_view Name;
        std::string_view Bytes;
        bool Compiled;
    } cases[] = {
        {"style.typ", "", true},
        {"STYLE.TYP", "", true},
        {"style.TyP", "", true},
        {"style.txt", "..GARMIN TYP", true},
        {"style.txt", "..garmin typ rest", true},
        {"style.txt", "[_id]\r\nFID=1", false},
        {"style.typx", "", false},
        {"typ", "", false},
        {"style.txt", ".GARMIN TYP", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsCompiledTypFile(c.Name, c.Bytes), c.Compiled) << c.Name << " " << c.Bytes;
}

TEST(CompiledHeader, LayoutMarkGivesFirstLineAndTypFormatMark) {
    struct Case {
        uint32_t HeaderLength;
        std::string_view FirstLine;
    } cases[] = {{110, cp1251::NtMark}, {91, cp1251::OldMark}, {156, ""}};
    for (const Case& c : cases) {
        TypBuilder builder;
        builder.HeaderLength = c.HeaderLength;
        builder.FamilyId = 6276;
        builder.ProductCode = 3;
        builder.CodePage = 1251;
        const TypDocument doc = Import(builder).Document;
        EXPECT_EQ(doc.TypFormatMark, int32_t(c.HeaderLength));
        std::vector<std::string> expected = {"",      "[_id]", "ProductCode=3", "FID=6276", "CodePage=1251",
                                             "[end]", "",      "[_drawOrder]",  "[end]"};
        if (!c.FirstLine.empty()) expected.insert(expected.begin(), std::string(c.FirstLine));
        EXPECT_EQ(doc.HeaderLines, expected);
    }
}

std::vector<std::string> DrawOrderLines(const TypBuilder& builder) {
    const std::vector<std::string> lines = Import(builder).Document.HeaderLines;
    const auto first = std::find(lines.begin(), lines.end(), "[_drawOrder]");
    return {first + 1, lines.end() - 1};
}

// Each subtype of an extended entry's mask is a line (mkgmap gathers the subtypes of a type and level
// into one entry); an entry repeated on its level is read once.
TEST(CompiledDrawOrder, SeparatorsCountLevelsEverySubtypeIsALineAndCodesAreSorted) {
    TypBuilder builder;
    builder.DrawLevel(0x4C)
        .NextLevel()
        .DrawLevel(0x01)
        .DrawLevel(0x03, 0b100100)
        .DrawLevel(0x01)
        .DrawLevel(0x03, 0b100)
        .NextLevel()
        .DrawLevel(0x02, 1)
        .DrawLevel(0x4C);
    EXPECT_EQ(DrawOrderLines(builder),
              (std::vector<std::string>{"Type=0x01,2", "Type=0x4C,1", "Type=0x4C,3", "Type=0x10200,3",
                                        "Type=0x10302,2", "Type=0x10305,2"}));
    TypBuilder full;
    full.DrawLevel(0xFF, 0xFFFFFFFF);
    EXPECT_EQ(DrawOrderLines(full).size(), 32u);
    EXPECT_EQ(DrawOrderLines(full).back(), "Type=0x1FF1F,1");
}

TEST(CompiledDrawOrder, EqualCodesEndWhereTheExchangeLoopsPutThem) {
    // A stable sort would keep level 1 before level 2.
    TypBuilder builder;
    builder.DrawLevel(0x05).NextLevel().DrawLevel(0x05).NextLevel().DrawLevel(0x03);
    EXPECT_EQ(DrawOrderLines(builder),
              (std::vector<std::string>{"Type=0x03,3", "Type=0x05,2", "Type=0x05,1"}));
}

TEST(CompiledDrawOrder, ALongTableWithRepeatedCodesOutOfOrderIsSortedStably) {
    TypBuilder builder;
    for (int i = 0; i < 300; ++i) {
        builder.DrawLevel(uint8_t(0x20 - i % 3));
        if (i % 3 == 2) builder.NextLevel();
    }
    const std::vector<std::string> lines = DrawOrderLines(builder);
    ASSERT_EQ(lines.size(), 300u);
    EXPECT_EQ(lines[0], "Type=0x1E,1");
    EXPECT_EQ(lines[1], "Type=0x1E,2");
    EXPECT_EQ(lines[99], "Type=0x1E,100");
    EXPECT_EQ(lines[100], "Type=0x1F,1");
    EXPECT_EQ(lines[299], "Type=0x20,100");
}

TEST(CompiledDrawOrder, EntriesAreFiveBytesApartWhateverTheEntrySize) {
    TypBuilder builder;
    builder.DrawLevel(0x01).DrawLevel(0x02).DrawLevel(0x03).DrawLevel(0x04);
    builder.DrawOrderEntrySize = 10;
    EXPECT_EQ(DrawOrderLines(builder), (std::vector<std::string>{"Type=0x01,1", "Type=0x02,1"}));
    builder.DrawOrderEntrySize = 0;
    EXPECT_TRUE(DrawOrderLines(builder).empty());
}

TEST(CompiledDrawOrder, LevelsAreEightBits) {
    TypBuilder builder;
    for (int i = 0; i < 256; ++i)
        builder.NextLevel();
    builder.DrawLevel(0x07);
    EXPECT_EQ(DrawOrderLines(builder), (std::vector<std::string>{"Type=0x07,1"}));
}

TEST(CompiledIndex, ObjectsFollowRecordOffsetsNotIndexOrder) {
    TypBuilder builder;
    builder.Add(KindPolygon, 0x01, 0, OnePolygon()).Add(KindPolygon, 0x02, 0, OnePolygon());
    std::swap(builder.Index[KindPolygon][0], builder.Index[KindPolygon][1]);
    const TypDocument doc = Import(builder).Document;
    ASSERT_EQ(doc.PolygonList.size(), 2u);
    EXPECT_EQ(doc.PolygonList[0]->TypeCode, 0x01u);
    EXPECT_EQ(doc.PolygonList[1]->TypeCode, 0x02u);
}

TEST(CompiledIndex, EntriesOfThreeFourAndFiveBytesAreRead) {
    for (uint16_t size : {3, 4, 5}) {
        TypBuilder builder;
        builder.EntrySize = {size, size, size};
        builder.Add(KindPolygon, 0x4C, 0, OnePolygon()).Add(KindPolygon, 0x50, 0, OnePolygon());
        builder.Add(KindLine, 0x02, 0, Cat({{0x06, 0x00}, Bgr(0xFF0000), {4}}));
        const BinaryImportResult result = Import(builder);
        EXPECT_TRUE(result.Warnings.empty());
        ASSERT_EQ(result.Document.PolygonList.size(), 2u) << size;
        EXPECT_EQ(result.Document.PolygonList[1]->TypeCode, 0x50u);
        EXPECT_EQ(TableText(*result.Document.PolygonList[1]), "X=112233");
        ASSERT_EQ(result.Document.LineList.size(), 1u);
        EXPECT_EQ(result.Document.LineList[0]->LineWidth, 4);
    }
}

TEST(CompiledIndex, OffsetsBeyondTwoBytesNeedFiveByteEntries) {
    TypBuilder builder;
    builder.EntrySize[KindPolygon] = 5;
    builder.Add(KindPolygon, 0x01, 0, Bytes(70000, 0x00)).Add(KindPolygon, 0x02, 0, OnePolygon());
    const TypDocument doc = Import(builder).Document;
    ASSERT_EQ(doc.PolygonList.size(), 2u);
    EXPECT_EQ(TableText(*doc.PolygonList[1]), "X=112233");
}

TEST(CompiledIndex, UnreadEntrySizeLeavesThatKindEmptyWithAWarning) {
    TypBuilder builder;
    builder.EntrySize[KindLine] = 6;
    builder.Add(KindLine, 0x01, 0, Cat({{0x06, 0x00}, Bgr(0xFF0000), {4}}));
    builder.Add(KindPolygon, 0x01, 0, OnePolygon());
    const BinaryImportResult result = Import(builder);
    EXPECT_TRUE(result.Document.LineList.empty());
    EXPECT_EQ(result.Document.PolygonList.size(), 1u);
    ASSERT_EQ(result.Warnings.size(), 1u);
    EXPECT_NE(result.Warnings[0].find("line"), std::string::npos);
    EXPECT_NE(result.Warnings[0].find("6"), std::string::npos);
}

TEST(CompiledIndex, EntrySizeZeroGivesNoObjectsAndNoWarning) {
    TypBuilder builder;
    builder.Add(KindPoint, 0x01, 0, {0x00});
    builder.EntrySize[KindPoint] = 0;
    const BinaryImportResult result = Import(builder);
    EXPECT_TRUE(result.Document.PointList.empty());
    EXPECT_TRUE(result.Warnings.empty());
}

TEST(CompiledIndex, CountIsCappedAtTheEntriesInsideTheFile) {
    TypBuilder builder;
    builder.Add(KindPolygon, 0x01, 0, OnePolygon());
    Bytes file = builder.Build();
    TypBuilder::Put32(file, 57 + 10 * KindPolygon, 0xFFFFFFF0); // index length
    const TypDocument doc = Import(file).Document;
    // The index is followed only by the draw-order table, which is empty here.
    EXPECT_EQ(doc.PolygonList.size(), 1u);
}

TEST(CompiledIndex, EqualRecordOffsetsEndWhereTheExchangeLoopsPutThem) {
    TypBuilder builder;
    builder.Add(KindPolygon, 0x0A, 0, {});
    builder.Add(KindPolygon, 0x0B, 0, {});
    builder.Add(KindPolygon, 0x0C, 0, OnePolygon());
    // 0x0A and 0x0B point at the record after 0x0C's.
    builder.Index[KindPolygon][2].Offset = 0;
    builder.Index[KindPolygon][0].Offset = builder.Index[KindPolygon][1].Offset = 4;
    const Bytes first = OnePolygon();
    builder.Data[KindPolygon].insert(builder.Data[KindPolygon].begin(), first.begin(), first.end());
    const TypDocument doc = Import(builder).Document;
    ASSERT_EQ(doc.PolygonList.size(), 3u);
    EXPECT_EQ(doc.PolygonList[0]->TypeCode, 0x0Cu);
    EXPECT_EQ(doc.PolygonList[1]->TypeCode, 0x0Bu);
    EXPECT_EQ(doc.PolygonList[2]->TypeCode, 0x0Au);
}

TEST(CompiledTypeCodes, PointsKeepTypeAndSubtypeApartLinesAndPolygonsCombineThem) {
    struct Case {
        uint32_t HeaderLength;
        uint8_t Kind;
        uint32_t Type, SubType;
        uint32_t TypeCode, SubTypeCode;
    } cases[] = {
        {91, KindLine, 0x03, 0x05, 0x305, 0x05},
        {91, KindLine, 0x03, 0x00, 0x03, 0x00},
        {91, KindPolygon, 0x10A, 0x03, 0x10A03, 0x03},
        {91, KindPoint, 0x2F, 0x0B, 0x2F, 0x0B},
        {110, KindPoint, 0x2F, 0x0B, 0x2F, 0x0B},
        {110, KindPoint, 0x110, 0x03, 0x110, 0x03},
        {91, KindPoint, 0x110, 0x03, 0x110, 0x03},
        {156, KindPoint, 0x2A, 0x01, 0x2A, 0x01},
        {110, KindPoint, 0x1FF, 0x1F, 0x1FF, 0x1F},
        // An extended line of subtype 0 keeps its subtype byte, so that it does not read as 0x01/0x20.
        {110, KindLine, 0x120, 0x00, 0x12000, 0x00},
        {110, KindPolygon, 0x10E, 0x00, 0x10E00, 0x00},
    };
    const Bytes records[] = {
        {0x00, 1, 1, 1, 0x00, 0, 0, 0, 0}, Cat({{0x06, 0x00}, Bgr(0), {1}}), OnePolygon()};
    for (const Case& c : cases) {
        TypBuilder builder;
        builder.HeaderLength = c.HeaderLength;
        builder.Add(c.Kind, c.Type, c.SubType, records[c.Kind]);
        const TypDocument doc = Import(builder).Document;
        ASSERT_EQ(doc.List(c.Kind).size(), 1u);
        EXPECT_EQ(doc.List(c.Kind)[0]->TypeCode, c.TypeCode) << std::hex << c.Type << " " << c.SubType;
        EXPECT_EQ(doc.List(c.Kind)[0]->SubTypeCode, c.SubTypeCode) << std::hex << c.Type << " " << c.SubType;
        EXPECT_EQ(doc.List(c.Kind)[0]->Kind, c.Kind);
    }
}

TEST(CompiledImport, DocumentStartsWithoutTheDefaultHeaderOrObjects) {
    const BinaryImportResult result = Import(TypBuilder{});
    EXPECT_EQ(result.Document.HeaderLines.front(), cp1251::OldMark);
    EXPECT_EQ(std::count(result.Document.HeaderLines.begin(), result.Document.HeaderLines.end(), "[_id]"), 1);
    EXPECT_EQ(result.Document.CurrentObject, nullptr);
    EXPECT_FALSE(result.Document.Modified);
    EXPECT_TRUE(result.Document.PointList.empty());
}

} // namespace
} // namespace velmora::test

namespace velmora::test {
namespace {

TEST(CompiledBounds, DamagedIndexCannotMultiplyTheDocumentBeyondTheFile) {
    // A thousand index entries share one point record that announces 255 x 255 pixels at 8 bits, bytes
    // the file does not hold.
    TypBuilder builder;
    builder.EntrySize[KindPoint] = 3;
    builder.Add(KindPoint, 0x2F, 0, {0x01, 255, 255, 16, 0x00});
    builder.Index[KindPoint].resize(1000, builder.Index[KindPoint][0]);
    const BinaryImportResult result = Import(builder);
    ASSERT_EQ(result.Document.PointList.size(), 1000u);
    size_t cells = 0;
    for (const auto& point : result.Document.PointList)
        for (const std::string& row : point->Pixels[Day])
            cells += row.size();
    EXPECT_GT(cells, 0u);
    EXPECT_LT(cells, 64 * builder.Build().size() + (1u << 20));
    ASSERT_EQ(result.Warnings.size(), 1u);
    const auto& last = *result.Document.PointList.back();
    EXPECT_EQ(last.XpmHeader[Day].Width, 0);
    EXPECT_TRUE(last.Pixels[Day].empty());
}

TEST(CompiledBounds, TruncatedFileReadsZerosPastItsEnd) {
    // The polygon record is the last thing in the file and holds 16 of its 128 bitmap bytes.
    TypBuilder builder;
    builder.Add(KindPolygon, 0x01, 0, {});
    Bytes file = builder.Build();
    const uint32_t recordOffset = uint32_t(file.size()) - builder.HeaderLength;
    Append(file, Cat({{0x08}, Bgr(0xFF0000), Bgr(0x0000FF), Bytes(16, 0xFF)}));
    const size_t entry = file[51 + 10 * KindPolygon]; // the polygon index lies below 256 here
    TypBuilder::Put16(file, entry + 2, uint16_t(recordOffset));
    const TypDocument doc = Import(file).Document;
    ASSERT_EQ(doc.PolygonList.size(), 1u);
    const TGarminObject& polygon = *doc.PolygonList[0];
    EXPECT_EQ(TableText(polygon), "X=FF0000 -=0000FF");
    ASSERT_EQ(polygon.Pixels[Day].size(), 32u);
    EXPECT_EQ(polygon.Pixels[Day][3], std::string(32, 'X'));
    EXPECT_EQ(polygon.Pixels[Day][4], std::string(32, '-'));
    EXPECT_EQ(polygon.Pixels[Day][31], std::string(32, '-'));
}

TEST(CompiledBounds, OffsetsWrapModuloTwoToThe32) {
    // A data offset near 2^32 plus a record offset lands back inside the file.
    TypBuilder builder;
    builder.Add(KindPolygon, 0x01, 0, Cat({{0x06}, Bgr(0x123456)}));
    Bytes file = builder.Build();
    TypBuilder::Put32(file, 23 + 8 * KindPolygon, 0xFFFFFFFF - 0x100 + 1 + 91);
    file[file[51 + 10 * KindPolygon] + 2] = 0x00, file[file[51 + 10 * KindPolygon] + 3] = 0x01;
    const TypDocument doc = Import(file).Document;
    ASSERT_EQ(doc.PolygonList.size(), 1u);
    EXPECT_EQ(TableText(*doc.PolygonList[0]), "X=123456");
}

} // namespace
} // namespace velmora::test
