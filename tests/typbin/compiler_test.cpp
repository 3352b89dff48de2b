// The compiler engine on small documents: the header, the index and draw-order tables, the record
// of every colour form (byte for byte where mkgmap writes the same), and every error and warning.
#include "typbin_test_support.h"

#include "model/text_format.h"
#include "typbin/binary_import.h"
#include "typbin/code_pages.h"
#include "typbin/typ_compiler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace velmora::test {
namespace {

TypDocument ReadDoc(const std::string& text) {
    TypDocument doc;
    LoadTextTypDocument(text, doc);
    return doc;
}

Bytes Hex(const std::string& text) {
    Bytes bytes;
    for (size_t i = 0; i + 1 < text.size(); i += 3)
        bytes.push_back(uint8_t(std::stoul(text.substr(i, 2), nullptr, 16)));
    return bytes;
}

std::string Section(const std::string& kind, const std::string& body) {
    return "[_" + kind + "]\n" + body + "[end]\n";
}

std::string Row32(const std::string& left, const std::string& right = "") {
    return "\"" + left + std::string(32 - left.size() - right.size(), left.back()) + right + "\"\n";
}

// ---- Header and tables ----

TEST(Compiler, HeaderTakesTheIdLinesInAnyCaseAndOptionsOverrideThem) {
    const TypDocument doc = ReadDoc("[_id]\nfid=6276\nPRODUCTCODE=3\nCodepage=1250\n[end]\n" +
                                    Section("polygon", "Type=0x01\nXpm=\"0 0 1 0\"\n\"a c #112233\"\n"));
    const Bytes file = CompileTyp(doc).Bytes;
    EXPECT_EQ(std::string(file.begin() + 2, file.begin() + 12), "GARMIN TYP");
    EXPECT_EQ(U16At(file, 47), 6276u);
    EXPECT_EQ(U16At(file, 49), 3u);
    EXPECT_EQ(U16At(file, 21), 1250u);
    CompileOptions options;
    options.FamilyId = 77, options.ProductId = 9, options.CodePage = 1252;
    const Bytes overridden = CompileTyp(doc, options).Bytes;
    EXPECT_EQ(U16At(overridden, 47), 77u);
    EXPECT_EQ(U16At(overridden, 49), 9u);
    EXPECT_EQ(U16At(overridden, 21), 1252u);
    const TypDocument imported = Import(overridden).Document;
    EXPECT_NE(std::find(imported.HeaderLines.begin(), imported.HeaderLines.end(), "FID=77"),
              imported.HeaderLines.end());
}

// mkgmap reads the code page only from a line starting with "CodePage=" spelt so; the compiler reads
// the key in any letter case and warns where mkgmap would not read it.
TEST(Compiler, WarnsOfACodePageLineThatMkgmapDoesNotRead) {
    const struct {
        const char* Line;
        bool Warned;
    } cases[] = {{"CodePage=1250", false},
                 {"CodePage= 1250", false},
                 {"Codepage=1250", true},
                 {"CODEPAGE=1250", true},
                 {"CodePage =1250", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Line);
        const CompileResult result = CompileTyp(ReadDoc("[_id]\n" + std::string(c.Line) + "\n[end]\n"));
        EXPECT_EQ(U16At(result.Bytes, 21), 1250u);
        if (c.Warned)
            EXPECT_EQ(result.Warnings,
                      std::vector<std::string>{"The header line \"" + std::string(c.Line) +
                                               "\" is not spelt \"CodePage=\": mkgmap will not "
                                               "read the code page from it"});
        else
            EXPECT_TRUE(result.Warnings.empty());
    }
}

TEST(Compiler, LayoutIsOldWithoutExtendedTypesAndNtWithThem) {
    const std::string polygon = Section("polygon", "Type=0x01\nXpm=\"0 0 1 0\"\n\"a c #112233\"\n");
    EXPECT_EQ(Import(CompileTyp(ReadDoc(polygon)).Bytes).Document.TypFormatMark, TypFormatOld);
    const std::string extended =
        Section("line", "Type=0x10105\nXpm=\"0 0 1 0\"\n\"a c #112233\"\nLineWidth=2\n");
    const TypDocument nt = Import(CompileTyp(ReadDoc(polygon + extended)).Bytes).Document;
    EXPECT_EQ(nt.TypFormatMark, TypFormatNT);
    ASSERT_EQ(nt.LineList.size(), 1u);
    EXPECT_EQ(nt.LineList[0]->TypeCode, 0x10105u);
    EXPECT_EQ(nt.LineList[0]->SubTypeCode, 5u);
}

TEST(Compiler, IndexIsSortedByTypeAndSubtypeWhileRecordsKeepTheDocumentOrder) {
    std::string text;
    for (const char* type :
         {"Type=0x2f\nSubType=0x03\n", "Type=0x02\nSubType=0x01\n", "Type=0x2f\nSubType=0x01\n"})
        text += Section("point", std::string(type) + "DayXpm=\"1 1 1 1\"\n\"a c #112233\"\n\"a\"\n");
    const Bytes file = CompileTyp(ReadDoc(text)).Bytes;
    const uint32_t index = U32At(file, 51);
    ASSERT_EQ(U16At(file, 55), 3u); // small records: one byte of offset
    std::vector<uint32_t> packed;
    for (uint32_t i = 0; i < 3; ++i)
        packed.push_back(U16At(file, index + 3 * i));
    EXPECT_EQ(packed, (std::vector<uint32_t>{0x02 << 5 | 1, 0x2F << 5 | 1, 0x2F << 5 | 3}));
    const TypDocument imported = Import(file).Document;
    ASSERT_EQ(imported.PointList.size(), 3u);
    EXPECT_EQ(imported.PointList[0]->SubTypeCode, 3u);
    EXPECT_EQ(imported.PointList[1]->TypeCode, 0x02u);
}

TEST(Compiler, IndexEntriesGrowWithTheRecordOffsets) {
    // A point of 24 x 24 pixels at 4 bits takes 288 bytes: the second record's offset needs two bytes.
    std::string rows;
    for (int i = 0; i < 24; ++i)
        rows += "\"" + std::string(24, 'a') + "\"\n";
    const std::string point =
        Section("point", "Type=0x2f\nDayXpm=\"24 24 4 1\"\n\"a c #000000\"\n\"b c #111111\"\n"
                         "\"c c #222222\"\n\"d c #333333\"\n" +
                             rows);
    const Bytes file = CompileTyp(ReadDoc(point + point)).Bytes;
    EXPECT_EQ(U16At(file, 55), 4u);
    EXPECT_EQ(Records(file, KindPoint)[1].size(), 5u + 12 + 288);
}

TEST(Compiler, DrawOrderWritesLevelsOnceEachAndGathersExtendedSubtypesAsMkgmapDoes) {
    // Type 0x01 and the extended subtype 0x10112 are listed twice on their levels.
    const std::string text = "[_drawOrder]\nType=0x4c,4\nType=0x01,1\nType=0x10112,2\nType=0x10113,2\n"
                             "Type=0x300,2\nType=0x00,2\nType=0x1,1\nType=0x10112,2\n[end]\n";
    const CompileResult result = CompileTyp(ReadDoc(text));
    const Bytes& file = result.Bytes;
    EXPECT_EQ(U16At(file, 85), 5u);
    // Level 3 is empty: two separators. Subtypes 0x12 and 0x13 of type 0x101 share one mask.
    EXPECT_EQ(
        DrawOrderBytes(file),
        Hex("01 00 00 00 00 00 00 00 00 00 01 00 00 0c 00 00 00 00 00 00 00 00 00 00 00 4c 00 00 00 00 "));
    const TypDocument imported = Import(file).Document;
    const std::vector<std::string> expected{"Type=0x01,1", "Type=0x4C,4", "Type=0x10112,2", "Type=0x10113,2",
                                            "[end]"};
    EXPECT_EQ(std::vector<std::string>(imported.HeaderLines.end() - 5, imported.HeaderLines.end()), expected);
    EXPECT_EQ(result.Warnings,
              (std::vector<std::string>{
                  "The draw-order line \"Type=0x300,2\" is not written: the type is neither a "
                  "polygon type up to 0xFF nor an extended one 0x1TTss with ss up to 0x1F",
                  "The draw-order line \"Type=0x00,2\" is not written: an entry of type 0x00 would "
                  "read as the end of a level"}));
}

TEST(Compiler, DrawOrderFromLevelZeroIsWrittenOneLevelHigher) {
    const CompileResult result = CompileTyp(ReadDoc("[_drawOrder]\nType=0x4b,0\nType=0x10,1\n[end]\n"));
    const TypDocument imported = Import(result.Bytes).Document;
    EXPECT_EQ(std::vector<std::string>(imported.HeaderLines.end() - 3, imported.HeaderLines.end()),
              (std::vector<std::string>{"Type=0x10,2", "Type=0x4B,1", "[end]"}));
    EXPECT_EQ(result.Warnings, std::vector<std::string>{
                                   "The draw order starts at level 0; every level is written one higher"});
}

// ---- Records, byte for byte ----

struct RecordCase {
    const char* Name;
    int Kind;
    std::string Body;
    std::string Expected; // as mkgmap writes it, unless the name says otherwise
};

class CompilerRecords : public ::testing::TestWithParam<RecordCase> {};

TEST_P(CompilerRecords, AreWrittenAsExpected) {
    const RecordCase& c = GetParam();
    const char* kinds[] = {"point", "line", "polygon"};
    const Bytes file = CompileTyp(ReadDoc(Section(kinds[c.Kind], c.Body))).Bytes;
    const std::vector<Bytes> records = Records(file, c.Kind);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], Hex(c.Expected));
}

const std::string Pattern = [] {
    std::string rows;
    for (int i = 0; i < 32; ++i)
        rows += "\"" + std::string(16, 'a') + std::string(16, 'b') + "\"\n";
    return rows;
}();
const std::string PatternBytes = [] {
    std::string bytes;
    for (int i = 0; i < 32; ++i)
        bytes += "ff ff 00 00 ";
    return bytes;
}();
const std::string FullBytes = [] {
    std::string bytes;
    for (int i = 0; i < 32; ++i)
        bytes += "ff ff ff ff ";
    return bytes;
}();

INSTANTIATE_TEST_SUITE_P(
    Compiler, CompilerRecords,
    ::testing::Values(
        RecordCase{"PointOneColourOneBit", KindPoint,
                   "Type=0x2f\nDayXpm=\"3 1 1 1\"\n\"a c #FF0000\"\n\"aaa\"\n",
                   "01 03 01 01 00 00 00 ff 00 "},
        RecordCase{"PointTwoColoursTwoBits", KindPoint,
                   "Type=0x2f\nDayXpm=\"3 2 2 1\"\n\"a c #FF0000\"\n\"b c #00FF00\"\n\"aba\"\n\"bab\"\n",
                   "01 03 02 02 00 00 00 ff 00 ff 00 04 11 "},
        RecordCase{"PointFiveColoursFourBits", KindPoint,
                   "Type=0x2f\nDayXpm=\"3 1 5 1\"\n\"a c #000001\"\n\"b c #000002\"\n\"c c #000003\"\n\"d c "
                   "#000004\"\n\"e c "
                   "#000005\"\n\"ace\"\n",
                   "01 03 01 05 00 01 00 00 02 00 00 03 00 00 04 00 00 05 00 00 20 04 "},
        RecordCase{"PointTransparentColourStoredLast", KindPoint,
                   "Type=0x2f\nDayXpm=\"3 1 3 1\"\n\"a c #FF0000\"\n\"b c none\"\n\"c c #0000FF\"\n\"abc\"\n",
                   "01 03 01 02 10 00 00 ff ff 00 00 18 "},
        RecordCase{"PointTransparentFirst", KindPoint,
                   "Type=0x2f\nDayXpm=\"3 1 3 1\"\n\"a c none\"\n\"b c #00FF00\"\n\"c c #0000FF\"\n\"abc\"\n",
                   "01 03 01 02 10 00 ff 00 ff 00 00 12 "},
        RecordCase{"PointDayAndNight", KindPoint,
                   "Type=0x2f\nDayXpm=\"3 1 2 1\"\n\"a c #FF0000\"\n\"c c #0000FF\"\n\"acc\"\nNightXpm=\"3 1 "
                   "2 1\"\n\"a c "
                   "#110000\"\n\"c c none\"\n\"acc\"\n",
                   "03 03 01 02 00 00 00 ff ff 00 00 14 01 10 00 00 11 14 "},
        RecordCase{
            "PointLabels", KindPoint,
            "Type=0x2f\nString1=0x04,Bank\nString2=0x19,Ab\nDayXpm=\"3 2 2 1\"\n\"a c #FF0000\"\n\"b c "
            "#00FF00\"\n\"aba\"\n\"bab\"\n",
            "05 03 02 02 00 00 00 ff 00 ff 00 04 11 15 04 42 61 6e 6b 00 19 41 62 00 "},
        RecordCase{"PointLabelWithoutLanguageIsLanguageZero", KindPoint,
                   "Type=0x2e\nString=Suburb\nString2=0x04,Town\nDayXpm=\"4 2 2 1\"\n\"! c #FF0000\"\n\"# c "
                   "#00FF00\"\n\"!#!#\"\n\"#!#!\"\n",
                   "05 04 02 02 00 00 00 ff 00 ff 00 44 11 1d 00 53 75 62 75 72 62 00 04 54 6f 77 6e 00 "},
        // Map clients read no bitmap from a table of no colours, and so neither labels nor font.
        RecordCase{
            "PointOfOneTransparentColourKeepsItsLabelsAndFont", KindPoint,
            "Type=0x2d\nSubType=0x05\nString1=0x04,Golf course\nString2=0x03,golfterrein\nFontStyle="
            "SmallFont\nDayXpm=\"4 2 1 1\"\n\"!\tc #000000\"  alpha=15\n\"!!!!\"\n\"!!!!\"\n",
            "0d 04 02 01 20 00 00 00 0f 00 00 35 04 47 6f 6c 66 20 63 6f 75 72 73 65 00 03 67 6f 6c 66 "
            "74 65 72 72 65 69 6e 00 02 "},
        RecordCase{"PointOfOneTransparentColourByDayAndNight", KindPoint,
                   "Type=0x2e\nString1=0x04,Only\nFontStyle=SmallFont\nDayXpm=\"4 2 1 1\"\n\"! c #000000\" "
                   "alpha=15\n\"!!!!\"\n\"!!!!\"\nNightXpm=\"4 2 1 1\"\n\"! c #000000\" "
                   "alpha=15\n\"!!!!\"\n\"!!!!\"\n",
                   "0f 04 02 01 20 00 00 00 0f 00 00 01 20 00 00 00 0f 00 00 0d 04 4f 6e 6c 79 00 02 "},
        RecordCase{"PointOfOneColourNoneIsWrittenWithItsAlpha (mkgmap stores none as black)", KindPoint,
                   "Type=0x2e\nString1=0x04,Only\nDayXpm=\"4 2 1 1\"\n\"! c none\"\n\"!!!!\"\n\"!!!!\"\n",
                   "05 04 02 01 20 ff ff ff 0f 00 00 0d 04 4f 6e 6c 79 00 "},
        RecordCase{"LineSolidTransparentBorderIsOneColour", KindLine,
                   "Type=0x01\nXpm=\"0 0 2 0\"\n\"a c #112233\"\n\"b c none\"\nLineWidth=3\nBorderWidth=2\n",
                   "06 02 33 22 11 03 "},
        RecordCase{"LineSolidWithBorder", KindLine,
                   "Type=0x01\nString=0x04,Road\nLineWidth=3\nBorderWidth=1\nXpm=\"0 0 2 0\"\n\"a c "
                   "#112233\"\n\"b c "
                   "#445566\"\n",
                   "00 03 33 22 11 66 55 44 03 05 0d 04 52 6f 61 64 00 "},
        RecordCase{"LineSolidDayAndNightWithoutBorder", KindLine,
                   "Type=0x01\nXpm=\"0 0 2 0\"\n\"a c #112233\"\n\"b c #445566\"\nLineWidth=3\n",
                   "07 02 33 22 11 66 55 44 03 "},
        RecordCase{"LineSolidFourColours", KindLine,
                   "Type=0x01\nXpm=\"0 0 4 0\"\n\"a c #112233\"\n\"b c #445566\"\n\"c c #778899\"\n\"d c "
                   "#AABBCC\"\nLineWidth=3\nBorderWidth=1\n",
                   "01 02 33 22 11 66 55 44 99 88 77 cc bb aa 03 05 "},
        RecordCase{"LineSolidNightBorderTransparent", KindLine,
                   "Type=0x01\nXpm=\"0 0 4 0\"\n\"a c #112233\"\n\"b c #445566\"\n\"c c #778899\"\n\"d c "
                   "none\"\nLineWidth=3\nBorderWidth=1\n",
                   "05 02 33 22 11 66 55 44 99 88 77 03 05 "},
        RecordCase{"LineBitmapTransparentOriented", KindLine,
                   "Type=0x01\nUseOrientation=Y\nXpm=\"32 2 2 1\"\n\"a c #112233\"\n\"b c none\"\n" +
                       Row32("a") + Row32("a", "b"),
                   "16 00 33 22 11 ff ff ff ff ff ff ff 7f "},
        RecordCase{
            "LineBitmapDayAndNightTransparent", KindLine,
            "Type=0x01\nXpm=\"32 1 4 1\"\n\"a c #112233\"\n\"b c none\"\n\"c c #445566\"\n\"d c none\"\n" +
                Row32("a", "b"),
            "0f 02 33 22 11 66 55 44 ff ff ff 7f "},
        RecordCase{
            "LineBitmapDayBorderTransparent", KindLine,
            "Type=0x01\nXpm=\"32 1 4 1\"\n\"a c #112233\"\n\"b c none\"\n\"c c #778899\"\n\"d c #AABBCC\"\n" +
                Row32("a", "b"),
            "0b 02 33 22 11 99 88 77 cc bb aa ff ff ff 7f "},
        RecordCase{"LineBitmapTransparentForegroundSwapped (mkgmap refuses)", KindLine,
                   "Type=0x01\nXpm=\"32 1 2 1\"\n\"a c none\"\n\"b c #112233\"\n" + Row32("a", "b"),
                   "0e 02 33 22 11 00 00 00 80 "},
        RecordCase{"PolygonOneColour", KindPolygon, "Type=0x01\nXpm=\"0 0 1 0\"\n\"a c #AABBCC\"\n",
                   "06 cc bb aa "},
        // A label line's language is a number before the first comma, as Java reads one: decimal,
        // "0x" hexadecimal, octal after a leading zero, signed; without one the line is the label.
        RecordCase{
            "PolygonLabelLanguagesAreReadAsMkgmapReadsThem", KindPolygon,
            "Type=0x01\nString=Suburb\nString1=Small Town / Suburb\nString=Foo, Bar\nString= 0x04,  "
            "Foo\nString=12,Dec\nString=012,Oct\nString=0x105,Low\nString=-1,Neg\nString=0x04 "
            ",Blank\nString=ab,Hex\nXpm=\"0 0 1 0\"\n\"a c #112233\"\n",
            "16 33 22 11 af 00 53 75 62 75 72 62 00 00 53 6d 61 6c 6c 20 54 6f 77 6e 20 2f 20 53 75 62 75 "
            "72 62 00 00 46 6f 6f 2c 20 42 61 72 00 04 20 20 46 6f 6f 00 0c 44 65 63 00 0a 4f 63 74 00 05 "
            "4c 6f 77 00 ff 4e 65 67 00 00 30 78 30 34 20 2c 42 6c 61 6e 6b 00 00 61 62 2c 48 65 78 00 "},
        RecordCase{"PolygonDayAndNight", KindPolygon,
                   "Type=0x01\nXpm=\"0 0 2 0\"\n\"a c #112233\"\n\"b c #445566\"\n", "07 33 22 11 66 55 44 "},
        RecordCase{"PolygonFourSolid", KindPolygon,
                   "Type=0x01\nXpm=\"0 0 4 0\"\n\"a c #112233\"\n\"b c #445566\"\n\"c c #778899\"\n\"d c "
                   "#AABBCC\"\n",
                   "01 33 22 11 66 55 44 99 88 77 cc bb aa "},
        RecordCase{"PolygonSolidSecondColourNoneAsFullPattern (mkgmap: 07 and one colour)", KindPolygon,
                   "Type=0x01\nXpm=\"0 0 2 0\"\n\"a c #112233\"\n\"b c none\"\n", "0e 33 22 11 " + FullBytes},
        RecordCase{"PolygonPattern", KindPolygon,
                   "Type=0x01\nXpm=\"32 32 2 1\"\n\"a c #112233\"\n\"b c #445566\"\n" + Pattern,
                   "08 33 22 11 66 55 44 " + PatternBytes},
        RecordCase{"PolygonPatternTransparent", KindPolygon,
                   "Type=0x01\nXpm=\"32 32 2 1\"\n\"a c #112233\"\n\"b c none\"\n" + Pattern,
                   "0e 33 22 11 " + PatternBytes},
        RecordCase{"PolygonPatternFour", KindPolygon,
                   "Type=0x01\nXpm=\"32 32 4 1\"\n\"a c #112233\"\n\"b c #445566\"\n\"c c #778899\"\n\"d c "
                   "#AABBCC\"\n" +
                       Pattern,
                   "09 33 22 11 66 55 44 99 88 77 cc bb aa " + PatternBytes},
        RecordCase{"PolygonPatternDayBackgroundTransparent", KindPolygon,
                   "Type=0x01\nXpm=\"32 32 4 1\"\n\"a c #112233\"\n\"b c none\"\n\"c c #778899\"\n\"d c "
                   "#AABBCC\"\n" +
                       Pattern,
                   "0b 33 22 11 99 88 77 cc bb aa " + PatternBytes},
        RecordCase{"PolygonPatternNightBackgroundTransparent", KindPolygon,
                   "Type=0x01\nXpm=\"32 32 4 1\"\n\"a c #112233\"\n\"b c #445566\"\n\"c c #778899\"\n\"d c "
                   "none\"\n" +
                       Pattern,
                   "0d 33 22 11 66 55 44 99 88 77 " + PatternBytes},
        RecordCase{
            "PolygonPatternBothBackgroundsTransparent", KindPolygon,
            "Type=0x01\nXpm=\"32 32 4 1\"\n\"a c #112233\"\n\"b c none\"\n\"c c #778899\"\n\"d c none\"\n" +
                Pattern,
            "0f 33 22 11 99 88 77 " + PatternBytes}),
    [](const ::testing::TestParamInfo<RecordCase>& info) {
        std::string name = info.param.Name;
        name = name.substr(0, name.find(' '));
        return name;
    });

TEST(Compiler, AlphaNightColoursFontAndLabelColoursAreWrittenAsMkgmapWritesThem) {
    TypDocument doc =
        ReadDoc(Section("point", "Type=0x2f\nString=0x04,X\nDayXpm=\"3 1 2 1\"\n\"a c #FF0000\"\n\"c c "
                                 "#0000FF\"\n\"acc\"\nNightXpm=\"3 1 3 1\"\n\"a c #110000\"\n\"c c "
                                 "#220000\"\n\"d c #330000\"\n\"acd\"\n") +
                Section("point", "Type=0x2f\nSubType=0x02\nDayXpm=\"3 1 3 1\"\n\"a c #FF0000\"\n\"b c "
                                 "#00FF00\"\n\"c c #0000FF\"\n\"abc\"\n"));
    TGarminObject& labelled = *doc.PointList[0];
    labelled.FontStyle = FontSmall;
    labelled.DayLabelColour = 0x302010;   // #102030
    labelled.NightLabelColour = 0x605040; // #405060
    doc.PointList[1]->SetColourAlpha(Day, 1, 5);
    const Bytes file = CompileTyp(doc).Bytes;
    const std::vector<Bytes> records = Records(file, KindPoint);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0],
              Hex("0f 03 01 02 00 00 00 ff ff 00 00 14 03 00 00 00 11 00 00 22 00 00 33 24 07 04 58 00 1a 30 "
                  "20 10 60 50 40 "));
    EXPECT_EQ(records[1], Hex("01 03 01 03 20 00 00 ff 00 f0 0f 50 ff 00 00 00 24 "));
    const TypDocument imported = Import(file).Document;
    EXPECT_EQ(imported.PointList[0]->FontStyle, std::optional<uint8_t>(FontSmall));
    EXPECT_EQ(imported.PointList[0]->DayLabelColour, std::optional<uint32_t>(0x302010));
    EXPECT_EQ(imported.PointList[0]->NightLabelColour, std::optional<uint32_t>(0x605040));
    EXPECT_EQ(imported.PointList[1]->ColourAlpha(Day, 1), 5);
}

TEST(Compiler, FontByteFollowsTheLabelsOfLinesAndPolygons) {
    TypDocument doc =
        ReadDoc(Section("line", "Type=0x01\nString=0x04,A\nXpm=\"0 0 1 0\"\n\"a c #112233\"\nLineWidth=2\n") +
                Section("polygon", "Type=0x01\nXpm=\"0 0 1 0\"\n\"a c #112233\"\n"));
    doc.LineList[0]->FontStyle = FontLarge;
    doc.PolygonList[0]->DayLabelColour = 0x0000FF; // a colour without a style: style 0
    const Bytes file = CompileTyp(doc).Bytes;
    EXPECT_EQ(Records(file, KindLine)[0], Hex("06 07 33 22 11 02 07 04 41 00 04 "));
    EXPECT_EQ(Records(file, KindPolygon)[0], Hex("26 33 22 11 08 00 00 ff "));
}

// ---- Labels and code pages ----

TEST(Compiler, LabelsAreConvertedToTheTargetCodePageAndThoseItCannotHoldAreWarnedAbout) {
    TypDocument doc = ReadDoc(
        Section("polygon", "Type=0x01\nString1=0x04,M\xC3\xBChle\nString2=0x19,\xD0\x9B\xD0\xB5\xD1\x81\n"
                           "String3=0x04,ok\nXpm=\"0 0 1 0\"\n\"a c #112233\"\n"));
    doc.Utf8 = true;
    CompileOptions options;
    options.CodePage = 1252;
    const CompileResult result = CompileTyp(doc, options);
    EXPECT_EQ(Import(result.Bytes).Document.PolygonList[0]->Labels,
              (std::vector<std::string>{"0x4,M\xFChle", "0x4,ok"}));
    ASSERT_EQ(result.Warnings.size(), 1u);
    EXPECT_EQ(result.Warnings[0],
              "polygon type 0x01 subtype 0x00: the label \"0x19,\xD0\x9B\xD0\xB5\xD1\x81\" cannot be "
              "written in code page 1252 and is left out");
    // The same labels in code page 1251 (which has no u-umlaut) and in UTF-8.
    options.CodePage = 1251;
    EXPECT_EQ(Import(CompileTyp(doc, options).Bytes).Document.PolygonList[0]->Labels,
              (std::vector<std::string>{"0x19,\xCB\xE5\xF1", "0x4,ok"}));
    options.CodePage = 65001;
    EXPECT_EQ(Import(CompileTyp(doc, options).Bytes).Document.PolygonList[0]->Labels[1],
              "0x19,\xD0\x9B\xD0\xB5\xD1\x81");
}

TEST(Compiler, LabelsOfACodePageDocumentAreReadInItsCodePage) {
    // No UTF-8: the header's code page 1251, converted to 1250.
    const TypDocument doc = ReadDoc(
        "[_id]\nCodePage=1251\n[end]\n" +
        Section("polygon",
                "Type=0x01\nString=0x19,\xC0\xE1\nString=0x04,x\nXpm=\"0 0 1 0\"\n\"a c #112233\"\n"));
    CompileOptions options;
    options.CodePage = 1250;
    const CompileResult result = CompileTyp(doc, options);
    ASSERT_EQ(result.Warnings.size(), 1u);
    EXPECT_NE(result.Warnings[0].find("\"0x19,\xD0\x90\xD0\xB1\" cannot be written in code page 1250"),
              std::string::npos);
    EXPECT_EQ(Import(result.Bytes).Document.PolygonList[0]->Labels, std::vector<std::string>{"0x4,x"});
    // A record none of whose labels is written announces no labels; an empty label is not written.
    const TypDocument unwritten =
        ReadDoc("[_id]\nCodePage=1251\n[end]\n" + Section("polygon",
                                                          "Type=0x01\nString=0x19,\xC0\nString=\nXpm=\"0 0 1 "
                                                          "0\"\n\"a c #112233\"\n"));
    EXPECT_EQ(Records(CompileTyp(unwritten, options).Bytes, KindPolygon)[0], Hex("06 33 22 11 "));
}

TEST(CodePages, EveryByteOfEverySingleBytePageReadsBackAsItself) {
    for (uint32_t page = 1250; page <= 1258; ++page) {
        std::string all;
        for (int b = 1; b < 256; ++b)
            all += char(b);
        EXPECT_EQ(ConvertText(ConvertText(all, page, CodePageUtf8).value(), CodePageUtf8, page), all) << page;
    }
    EXPECT_EQ(ConvertText("\xE9t\xE9", 1252, CodePageUtf8), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(ConvertText("\x80", 1251, CodePageUtf8), "\xD0\x82");
    EXPECT_EQ(ConvertText("a\xC3", CodePageUtf8, 1252), std::nullopt); // malformed UTF-8 has no byte
    EXPECT_EQ(DecodeText("\xE2\x82\xAC\xC0\xAF", CodePageUtf8), U"\u20AC\uFFFD\uFFFD");
}

// ---- Errors and warnings ----

struct ErrorCase {
    const char* Name;
    std::string Text;
    const char* Message;
};

class CompilerErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(CompilerErrors, NameTheObjectAndTheReason) {
    try {
        CompileTyp(ReadDoc(GetParam().Text));
        FAIL() << "no error";
    } catch (const TypError& error) {
        EXPECT_EQ(std::string(error.what()), GetParam().Message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Compiler, CompilerErrors,
    ::testing::Values(
        ErrorCase{"LineBitmapNot32Wide",
                  Section("line", "Type=0x02\nXpm=\"16 1 1 1\"\n\"a c #112233\"\n\"aaaaaaaaaaaaaaaa\"\n"),
                  "Cannot compile line type 0x02 subtype 0x00: its bitmap is 16 pixels wide; a line bitmap "
                  "is 32 wide"},
        ErrorCase{"PolygonBitmapNot32By32",
                  Section("polygon",
                          "Type=0x03\nXpm=\"32 8 2 1\"\n\"a c #112233\"\n\"b c #445566\"\n" + Row32("a")),
                  "Cannot compile polygon type 0x03 subtype 0x00: its bitmap is 32 x 8; a polygon bitmap is "
                  "32 x 32"},
        ErrorCase{
            "LineMoreColoursThanTheRecordHolds",
            Section("line",
                    "Type=0x10101\nXpm=\"0 0 5 0\"\n\"a c #000001\"\n\"b c #000002\"\n\"c c #000003\"\n\"d c "
                    "#000004\"\n\"e c #000005\"\nLineWidth=2\n"),
            "Cannot compile line type 0x101 subtype 0x01: it has 5 colours; the record holds at most 4"},
        ErrorCase{
            "PolygonThreeColours",
            Section("polygon",
                    "Type=0x04\nXpm=\"0 0 3 0\"\n\"a c #000001\"\n\"b c #000002\"\n\"c c #000003\"\n"),
            "Cannot compile polygon type 0x04 subtype 0x00: it has 3 colours; the record holds 1, 2 or 4"},
        ErrorCase{"PointSubtypeOutOfRange", Section("point", "Type=0x2f\nSubType=0x20\n"),
                  "Cannot compile point type 0x2F subtype 0x20: the type is out of range (types up to 0x7FF, "
                  "subtypes up to 0x1F)"},
        ErrorCase{"LineTypeOutOfRange", Section("line", "Type=0x12345\nXpm=\"0 0 1 0\"\n\"a c #000001\"\n"),
                  "Cannot compile line type 0x123 subtype 0x45: the type is out of range (types up to 0x7FF, "
                  "subtypes up to 0x1F)"},
        ErrorCase{
            "SolidLineWithTransparentColour",
            Section("line", "Type=0x05\nXpm=\"0 0 2 0\"\n\"a c none\"\n\"b c #000001\"\nLineWidth=2\n"),
            "Cannot compile line type 0x05 subtype 0x00: a transparent foreground colour cannot be written"},
        ErrorCase{
            "NightBitmapOfAnotherSize",
            Section("point",
                    "Type=0x2f\nDayXpm=\"2 1 1 1\"\n\"a c #000001\"\n\"aa\"\nNightXpm=\"1 1 1 1\"\n\"a c "
                    "#000001\"\n\"a\"\n"),
            "Cannot compile point type 0x2F subtype 0x00: the night bitmap is 1 x 1, the day bitmap 2 x 1; "
            "both "
            "must be equal"},
        ErrorCase{"LineWiderThan255",
                  Section("line", "Type=0x06\nXpm=\"0 0 2 0\"\n\"a c #000001\"\n\"b c "
                                  "#000002\"\nLineWidth=200\nBorderWidth=40\n"),
                  "Cannot compile line type 0x06 subtype 0x00: line width 200 with border width 40 is wider "
                  "than 255 "
                  "pixels"},
        ErrorCase{"HeaderValueTooLarge", "[_id]\nFID=70000\n[end]\n",
                  "The header value fid=70000 does not fit the compiled header (0 to 65535)"}),
    [](const ::testing::TestParamInfo<ErrorCase>& info) { return std::string(info.param.Name); });

TEST(Compiler, WarnsOfDuplicateTypesUnnamedPixelsAndPartialTransparencyOfLines) {
    TypDocument doc = ReadDoc(Section("point", "Type=0x2f\nDayXpm=\"2 1 1 1\"\n\"a c #000001\"\n\"az\"\n") +
                              Section("point", "Type=0x2f\nDayXpm=\"1 1 1 1\"\n\"a c #000001\"\n\"a\"\n") +
                              Section("line", "Type=0x01\nXpm=\"0 0 1 0\"\n\"a c #000001\"\nLineWidth=2\n"));
    doc.LineList[0]->SetColourAlpha(Day, 0, 7);
    const CompileResult result = CompileTyp(doc);
    EXPECT_EQ(
        result.Warnings,
        (std::vector<std::string>{
            "point type 0x2F subtype 0x00: day pixels of the codes \"z\" name no colour",
            "The point type 0x2F subtype 0x00 is defined more than once",
            "line type 0x01 subtype 0x00: the partial transparency of its colours is not written (lines and "
            "polygons are opaque or transparent)"}));
}

// The import of what the compiler writes compiles into the same bytes again, also where the tables
// leave the compiler a choice (found by fuzzing).
TEST(Compiler, ImportOfTheCompiledFileCompilesIntoTheSameBytes) {
    const struct {
        const char* Name;
        std::string Text;
    } cases[] = {
        // The night table's one written colour is transparent and its pixels name no colour: an
        // opaque table of no colours would read back as a true-colour bitmap.
        {"NightOfOnlyATransparentColour",
         Section("point", "Type=0x2f\nDayXpm=\"3 1 2 1\"\n\"a c #FF0000\"\n\"c c #0000FF\"\n\"acc\"\n"
                          "NightXpm=\"3 1 2 1\"\n\"a c #11000F00\"\n\"c c none\"\n\"00F\"\n")},
        // The import gives each table beside a night bitmap a transparent entry of its own; a day table
        // of only transparent colours, whose pixels name none, beside a night table of none, kept no
        // colour once that entry was left out again, and could not be compiled a second time.
        {"DayOfOnlyTransparentColoursBesideANightBitmap",
         Section("point", "Type=0x2e\nDayXpm=\"1 1 2 1\"\n\"X c none\"\n\"- c #AE0F2C\"  alpha=15\n\"*\"\n"
                          "NightXpm=\"1 1 1 1\"\n\"X c #2F243C\"  alpha=5\n\"*\"\n")},
        // A point type beyond 0x1FF that the index holds comes back from the import as it was.
        {"PointTypeAbove0x1FF",
         Section("point", "Type=0x33D03\nDayXpm=\"1 1 1 1\"\n\"a c #FF0000\"\n\"a\"\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const CompileResult first = CompileTyp(ReadDoc(c.Text));
        const BinaryImportResult imported = ImportBinaryTyp(first.Bytes);
        EXPECT_TRUE(imported.Warnings.empty());
        EXPECT_EQ(CompileTyp(imported.Document).Bytes, first.Bytes);
        ASSERT_EQ(imported.Document.PointList.size(), 1u);
        const TGarminObject& point = *imported.Document.PointList[0];
        if (std::string_view(c.Name) == "NightOfOnlyATransparentColour") {
            // Every night pixel is transparent, as in the source, where no pixel names a drawn colour.
            ASSERT_GE(point.XpmHeader[Night].ColourCount, 1);
            for (size_t i = 0; i < point.XpmHeader[Night].ColourCount; ++i)
                EXPECT_TRUE(point.Colours[Night][i].IsTransparent() ||
                            point.ColourAlpha(Night, i) == AlphaTransparent)
                    << i;
        } else if (std::string_view(c.Name) == "PointTypeAbove0x1FF") {
            EXPECT_EQ(point.TypeCode, 0x33Du);
            EXPECT_EQ(point.SubTypeCode, 0x03u);
        }
    }
}

} // namespace
} // namespace velmora::test
