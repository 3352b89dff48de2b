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
        std::vector<std::string> expected = {"",      "[_id]", "ProductCode=3", "FID=6276", "Codepage=1251",
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

TEST(CompiledDrawOrder, SeparatorsCountLevelsAndCodesAreSorted) {
    TypBuilder builder;
    builder.DrawLevel(0x4C)
        .NextLevel()
        .DrawLevel(0x01)
        .DrawLevel(0x03, 0b100100)
        .NextLevel()
        .DrawLevel(0x02, 1);
    EXPECT_EQ(DrawOrderLines(builder),
              (std::vector<std::string>{"Type=0x01,2", "Type=0x4C,1", "Type=0x10200,3", "Type=0x10302,2"}));
}

TEST(CompiledDrawOrder, EqualCodesEndWhereTheExchangeLoopsPutThem) {
    // A stable sort would keep level 1 before level 2.
    TypBuilder builder;
    builder.DrawLevel(0x05).NextLevel().DrawLevel(0x05).NextLevel().DrawLevel(0x03);
    EXPECT_EQ(DrawOrderLines(builder),
              (std::vector<std::string>{"Type=0x03,3", "Type=0x05,2", "Type=0x05,1"}));
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

TEST(CompiledTypeCodes, SubtypesCombineByKindAndLayout) {
    struct Case {
        uint32_t HeaderLength;
        uint8_t Kind;
        uint32_t Type, SubType;
        uint32_t TypeCode, SubTypeCode;
    } cases[] = {
        {91, KindLine, 0x03, 0x05, 0x305, 0x05},       {91, KindLine, 0x03, 0x00, 0x03, 0x00},
        {91, KindPolygon, 0x10A, 0x03, 0x10A03, 0x03}, {91, KindPoint, 0x2F, 0x0B, 0x2F, 0x0B},
        {110, KindPoint, 0x2F, 0x0B, 0x2F, 0x0B},      {110, KindPoint, 0x110, 0x03, 0x11003, 0x00},
        {91, KindPoint, 0x110, 0x03, 0x110, 0x03},
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
