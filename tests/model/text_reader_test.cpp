#include "model/text_format.h"
#include "text_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace velmora {
namespace {

using test::Load;

const TGarminObject& OnlyObject(const TypDocument& doc) {
    const size_t count = doc.PointList.size() + doc.LineList.size() + doc.PolygonList.size();
    EXPECT_EQ(count, 1u);
    for (const ObjectList* list : {&doc.PointList, &doc.LineList, &doc.PolygonList})
        if (!list->empty()) return *list->front();
    static const TGarminObject none;
    return none;
}

std::string ConversionMessage(std::string_view text) {
    TypDocument doc;
    try {
        LoadTextTypDocument(text, doc);
    } catch (const ConversionError& error) {
        return error.what();
    }
    return "(no error)";
}

// --- The standard integer conversion ---

struct IntCase {
    std::string_view Text;
    int32_t Value;
};

TEST(StrToInt, AcceptsDecimalAndHexadecimalForms) {
    const IntCase cases[] = {
        {"12", 12},
        {" \t12", 12},
        {"\x01"
         "7",
         7},
        {"+5", 5},
        {"-5", -5},
        {"$1f", 31},
        {"x1F", 31},
        {"X1f", 31},
        {"0x1f", 31},
        {"0X1F", 31},
        {"-0x10", -16},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"$7FFFFFFF", 2147483647},
    };
    for (const IntCase& c : cases)
        EXPECT_EQ(StrToInt(c.Text), c.Value) << "text '" << c.Text << "'";
}

TEST(StrToInt, RejectsWithTheLibraryMessage) {
    const std::string_view rejected[] = {"",    " ",  "12 ", "12a", "1 2",        "2147483648", "-2147483649",
                                         "$",   "0x", "-",   "+",   "0x80000000", "$FFFFFFFF",  "1.5",
                                         "0xg", "--1"};
    for (std::string_view text : rejected) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.what(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

// --- ParseHex ---

TEST(ParseHex, TakesUpToSixCharactersAndGivesZeroBeyond) {
    const IntCase cases[] = {{"", 0},
                             {"a", 10},
                             {"FF", 255},
                             {"2F06", 0x2F06},
                             {"ffffff", 0xFFFFFF},
                             {"FfFfFf", 0xFFFFFF},
                             {"1234567", 0},
                             {"0000001", 0}};
    for (const IntCase& c : cases)
        EXPECT_EQ(ParseHex(c.Text), c.Value) << c.Text;
}

TEST(ParseHex, GivesOtherCharactersTheirComputedDigitValue) {
    EXPECT_EQ(ParseHex("g"), 16);                      // 'g' - 87
    EXPECT_EQ(ParseHex(" "), -16);                     // ' ' - 48
    EXPECT_EQ(ParseHex("0x1"), 0 * 256 + 33 * 16 + 1); // 'x' - 87 = 33
    EXPECT_EQ(ParseHex("G"), 16);                      // ASCII letters are lower-cased
    EXPECT_EQ(ParseHex("\xC4"), 0xC4 - 87);            // other bytes are not
}

// --- ParseXpmHeader ---

TEST(ParseXpmHeader, ReadsTheFourNumbersBetweenTheQuotes) {
    struct Case {
        std::string_view Line;
        TXpmHeader Header;
    } cases[] = {
        {"DayXPM=\"16 16 3 1\"", {16, 16, 3, 1}},
        {"XPM=\"  8 2 1 2\"", {8, 2, 1, 2}},
        {"Xpm=\"32 32 4 1\" further text", {32, 32, 4, 1}},
        {"XPM=\"300 256 257 -1\"", {44, 0, 1, 255}}, // each value modulo 256
        {"XPM=\"0 0 1 1", {0, 0, 1, 1}},             // no closing quote: to the end of the line
        {"XPM=\"16 16 3\"", {16, 16, 3, 3}},         // no space: the whole rest, nothing removed
        {"XPM=\"7\"", {7, 7, 7, 7}},
    };
    for (const Case& c : cases) {
        TXpmHeader header;
        ParseXpmHeader(c.Line, header);
        EXPECT_EQ(header, c.Header) << c.Line;
    }
}

TEST(ParseXpmHeader, StopsOnANumberThatDoesNotConvert) {
    const struct {
        std::string_view Line;
        std::string_view Message;
    } cases[] = {
        {"XPM=\"16  16 3 1\"", "'' is not a valid integer value"},
        {"XPM=\"16 16 3 1 \"", "'1 ' is not a valid integer value"},
        {"XPM=\"a 1 1 1\"", "'a' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        TXpmHeader header;
        try {
            ParseXpmHeader(c.Line, header);
            ADD_FAILURE() << "accepted " << c.Line;
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.what(), c.Message) << c.Line;
        }
    }
}

// --- Lines ---

TEST(TextReader, EndsLinesAtCrCrLfAndLoneLf) {
    for (std::string_view end : {"\r", "\r\n", "\n"}) {
        std::string text;
        for (std::string_view line :
             {"[_polygon]", "Type=0x15", "string1=0x04,Wood", "[end]", "[_line]", "Type=0x02", "[end]"})
            text.append(line).append(end);
        const TypDocument doc = Load(text);
        ASSERT_EQ(doc.PolygonList.size(), 1u);
        ASSERT_EQ(doc.LineList.size(), 1u);
        EXPECT_EQ(doc.PolygonList[0]->TypeCode, 0x15u);
        EXPECT_EQ(doc.PolygonList[0]->Labels, std::vector<std::string>{"0x04,Wood"});
        EXPECT_EQ(doc.LineList[0]->TypeCode, 2u);
    }
}

TEST(TextReader, TakesLfCrAsTwoLineEnds) {
    const TypDocument doc = Load("[_id]\n\rFID=1\n\r[end]\n\r");
    EXPECT_EQ(doc.HeaderLines, (std::vector<std::string>{"[_id]", "FID=1", "[end]", ""}));
}

TEST(TextReader, StopsAtCode26) {
    const TypDocument doc = Load("[_point]\r\nType=0x2f\r\n[end]\r\n\x1a[_line]\r\nType=1\r\n[end]\r\n");
    EXPECT_EQ(doc.PointList.size(), 1u);
    EXPECT_TRUE(doc.LineList.empty());
}

TEST(TextReader, FileOfCommentsKeepsThemAsHeaderLines) {
    const TypDocument doc = Load(";one\r\n   ; two\r\n\r\n \t \r\nType=0x10\r\n[end]\r\n");
    EXPECT_EQ(doc.HeaderLines, (std::vector<std::string>{";one", "; two", "Type=0x10", "[end]"}));
    EXPECT_TRUE(doc.PointList.empty() && doc.LineList.empty() && doc.PolygonList.empty());
}

// --- Header sections ---

TEST(TextReader, KeepsHeaderSectionsWithCommentsWithoutEmptyLines) {
    const TypDocument doc = Load("\xEF\xBB\xBF;bom line\n"
                                 "  [_id]\n"
                                 "\tFID=5354  \n"
                                 "; a comment\n"
                                 "\n"
                                 "ProductCode=1\n"
                                 "[End]\n"
                                 "FID=outside\n"
                                 "[_drawOrder] \n"
                                 "Type=0x4b,0 ;note\n"
                                 "[end]\n");
    const std::vector<std::string> expected = {
        ";bom line", "[_id]",       "FID=5354  ",    "; a comment",       "ProductCode=1", "[End]",
        "",          "FID=outside", "[_drawOrder] ", "Type=0x4b,0 ;note", "[end]"};
    EXPECT_EQ(doc.HeaderLines, expected);
}

TEST(TextReader, HeaderSectionWithoutEndRunsToTheEndOfTheFile) {
    EXPECT_EQ(Load("[_id]\nFID=1\n[_point]\nType=1\n").HeaderLines,
              (std::vector<std::string>{"[_id]", "FID=1", "[_point]", "Type=1", ""}));
    EXPECT_EQ(Load("[_drawOrder]\nType=1,1").HeaderLines,
              (std::vector<std::string>{"[_drawOrder]", "Type=1,1"}));
}

// --- Keys ---

struct KeyCase {
    std::string_view Line;
    uint32_t TypeCode;
    uint32_t SubTypeCode;
};

TEST(TextReader, ReadsTypeAndSubTypeByTheirRules) {
    // A point type above 0xFF carries its subtype in the low byte.
    const KeyCase cases[] = {
        {"Type=12", 12, 0},
        {"Type=0x12", 0x12, 0},
        {"type=0x2f06", 0x2F, 6},
        {"TYPE=0X2F06", 0x2F, 6}, // no lower-case x: the integer conversion's 0X prefix
        {"Type = 0x10", 0x10, 0},
        {"Type= 12", 12, 0},
        {"Type:0x12", 0x12, 0},
        {"Type=$1F", 0x1F, 0},
        {"Type=0x10f04", 0x10F, 4},
        {"Type=0x100", 1, 0},
        {"Type=0x1000000", 0, 0}, // seven digits
        {"SubType=12", 0, 0x12},
        {"SubType=10", 0, 0x10},
        {"SubType=0x06", 0, 6},
        // Only a lower-case "x" counts: "0X1f" from the "=" on, its "x" taken for a digit.
        {"SUBTYPE=0X1f", 0, (33 * 16 + 1) * 16 + 15},
    };
    for (const KeyCase& c : cases) {
        const TypDocument doc = Load("[_point]\n" + std::string(c.Line) + "\n[end]\n");
        const TGarminObject& object = OnlyObject(doc);
        EXPECT_EQ(object.TypeCode, c.TypeCode) << c.Line;
        EXPECT_EQ(object.SubTypeCode, c.SubTypeCode) << c.Line;
    }
}

TEST(TextReader, TypeCodeKeepsNegativeHexValuesModulo2To32) {
    // "Type=x -1" gives ParseHex(" -1"): (-16 * 16 + -3) * 16 + 1.
    EXPECT_EQ(OnlyObject(Load("[_line]\nType=x -1\n[end]\n")).TypeCode,
              static_cast<uint32_t>(ParseHex(" -1")));
    EXPECT_LT(ParseHex(" -1"), 0);
}

TEST(TextReader, ReadsUseOrientationFromTheCharacterAfterTheEqualsSign) {
    const struct {
        std::string_view Line;
        int32_t Value;
    } cases[] = {{"UseOrientation=Y", 1},  {"useorientation=y", 1}, {"UseOrientation=N", 0},
                 {"UseOrientation= Y", 0}, {"UseOrientation=", 0},  {"Type=1", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(OnlyObject(Load("[_line]\n" + std::string(c.Line) + "\n[end]\n")).UseOrientation, c.Value)
            << c.Line;
}

TEST(TextReader, TakesLabelsFromAfterTheFirstEqualsSign) {
    const TypDocument doc = Load("[_polygon]\n"
                                 "string3=0x04,Forest\n"
                                 "String=0x05,Wald\n"
                                 "string1=0x01,a=b  \n"
                                 "STRING12=0x02,twelve\n"
                                 "strings\n"
                                 "[end]\n");
    const std::vector<std::string> expected = {"0x04,Forest", "0x05,Wald", "0x01,a=b", "0x02,twelve",
                                               "strings"};
    EXPECT_EQ(OnlyObject(doc).Labels, expected);
}

TEST(TextReader, ReadsWidthsModulo256AfterTrimming) {
    const TypDocument doc = Load("[_line]\nLineWidth=3   \t\nBorderWidth= 259\n[end]\n");
    EXPECT_EQ(OnlyObject(doc).LineWidth, 3);
    EXPECT_EQ(OnlyObject(doc).BorderWidth, 3);
    EXPECT_EQ(OnlyObject(Load("[_line]\nLineWidth=-1\n[end]\n")).LineWidth, 255);
}

TEST(TextReader, ACommentAfterAValueBecomesPartOfIt) {
    EXPECT_EQ(ConversionMessage("[_line]\nLineWidth=3 ;thin\n[end]\n"),
              "'3 ;thin' is not a valid integer value");
}

TEST(TextReader, SectionHeaderInsideAnObjectIsAnUnknownKey) {
    const TypDocument doc = Load("[_point]\nType=0x2f\n[_line]\nSubType=0x06\n[end]\n");
    ASSERT_EQ(doc.PointList.size(), 1u);
    EXPECT_TRUE(doc.LineList.empty());
    EXPECT_EQ(doc.PointList[0]->SubTypeCode, 6u);
}

TEST(TextReader, ObjectWithoutEndRunsToTheEndOfTheFile) {
    const TypDocument doc = Load("[_polygon]\nType=0x15\n[_point]\nType=0x16");
    ASSERT_EQ(doc.PolygonList.size(), 1u);
    EXPECT_TRUE(doc.PointList.empty());
    EXPECT_EQ(doc.PolygonList[0]->TypeCode, 0x16u);
}

TEST(TextReader, SectionHeaderAsLastLineGivesAnEmptyObject) {
    const TypDocument doc = Load("[_line]\r\n");
    ASSERT_EQ(doc.LineList.size(), 1u);
    EXPECT_EQ(doc.LineList[0]->Kind, KindLine);
}

TEST(TextReader, AppendsObjectsToTheListOfTheirKindInFileOrder) {
    const TypDocument doc =
        Load("[_line]\nType=1\n[end]\n[_POINT]\nType=2\n[end]\n[_Polygon]\nType=3\n[end]\n"
             "[_line]\nType=4\n[end]\n");
    ASSERT_EQ(doc.LineList.size(), 2u);
    ASSERT_EQ(doc.PointList.size(), 1u);
    ASSERT_EQ(doc.PolygonList.size(), 1u);
    EXPECT_EQ(doc.LineList[0]->TypeCode, 1u);
    EXPECT_EQ(doc.LineList[1]->TypeCode, 4u);
    EXPECT_EQ(doc.PointList[0]->Kind, KindPoint);
    EXPECT_EQ(doc.PolygonList[0]->Kind, KindPolygon);
}

// --- Colour lines ---

struct ColourCase {
    std::string_view Line;
    TColourEntry Entry;
};

TEST(TextReader, ReadsColourLines) {
    const ColourCase cases[] = {
        {"\"a c #FF0000\"", test::Colour('a', 255, 0, 0)},
        {"\"c c #00ff80\"", test::Colour('c', 0, 255, 128)}, // the code is set aside before the key
        {"\"n c #010203\"", test::Colour('n', 1, 2, 3)},
        {"\"b c none\"", test::Transparent('b')},
        {"\"b c NONE\"", test::Transparent('b')},
        {"\"! c None\"", test::Transparent('!')},
        {"\"     c   #889988\"", test::Colour(' ', 0x88, 0x99, 0x88)}, // more blanks before "#"
        {"\"*\tc #990099\"", test::Colour('*', 0x99, 0, 0x99)},
        {"\"aa c #102030\"", test::Colour('a', 0x10, 0x20, 0x30)},
        {"\"a c $112233\"", test::Colour('a', 0x11, 0x22, 0x33)},   // no "#": fixed positions
        {"\"a c #FF", test::Colour('a', 255, 0, 0)},                // cut at the end of the line
        {"\"a c #FF\"", test::Colour('a', 255, ParseHex("\""), 0)}, // the quote is read as a digit
        // "none" needs a character after it; without one the fixed positions read "on" and "e".
        {"\"a c none", test::Colour('a', ParseHex("on"), ParseHex("e"), 0)},
        {"\"", test::Colour('\0', 0, 0, 0)}, // everything past the end of the line: code 0, ParseHex("")
    };
    for (const ColourCase& c : cases) {
        const TypDocument doc = Load("[_polygon]\nXPM=\"0 0 1 1\"\n" + std::string(c.Line) + "\n[end]\n");
        const TGarminObject& object = OnlyObject(doc);
        ASSERT_EQ(object.Colours[Day].size(), 1u) << c.Line;
        EXPECT_EQ(object.Colours[Day][0], c.Entry) << c.Line;
        EXPECT_TRUE(object.Pixels[Day].empty());
    }
}

TEST(TextReader, SkipsCommentsAndEmptyLinesInsideABitmapBlock) {
    const TypDocument doc = Load("[_point]\n"
                                 "DayXPM=\"3 2 2 1\"\n"
                                 "; colours follow\n"
                                 "\n"
                                 "  \"a c #FF0000\"  \n"
                                 "\"b c none\"\n"
                                 ";rows\n"
                                 "\"aba\"\n"
                                 "\n"
                                 "\"bab\"};\n"
                                 "[end]\n");
    const TGarminObject& object = OnlyObject(doc);
    EXPECT_EQ(object.Colours[Day],
              (std::vector<TColourEntry>{test::Colour('a', 255, 0, 0), test::Transparent('b')}));
    EXPECT_EQ(object.Pixels[Day], (std::vector<std::string>{"aba", "bab"}));
}

// --- Pixel rows ---

TEST(TextReader, ReaderKeepsFirstCharacterOfEachPixelPair) {
    const TypDocument doc =
        Load("[_point]\nDayXPM=\"2 1 2 2\"\n\"aa c #000000\"\n\"bb c #FFFFFF\"\n\"axby\"};\n[end]\n");
    EXPECT_EQ(OnlyObject(doc).Pixels[Day], std::vector<std::string>{"ab"});
}

TEST(TextReader, ReadsCharsPerPixelOtherThanOneAndTwoLikeOne) {
    for (std::string_view p : {"0", "3", "255"}) {
        const TypDocument doc =
            Load("[_point]\nDayXPM=\"3 1 0 " + std::string(p) + "\"\n\"abcdef\"\n[end]\n");
        EXPECT_EQ(OnlyObject(doc).Pixels[Day], std::vector<std::string>{"abc"}) << p;
    }
}

TEST(TextReader, BlocksCutByTheEndOfTheFileStayZero) {
    const TypDocument doc = Load("[_point]\nDayXPM=\"4 3 2 1\"\n\"a c #FF0000\"");
    const TGarminObject& object = OnlyObject(doc);
    EXPECT_EQ(object.Colours[Day], (std::vector<TColourEntry>{test::Colour('a', 255, 0, 0), TColourEntry{}}));
    EXPECT_EQ(object.Pixels[Day], std::vector<std::string>(3, std::string(4, '\0')));
}

TEST(TextReader, ReadsPixelsAtFixedPositionsAndZeroPastTheEndOfARow) {
    const TypDocument doc = Load("[_point]\nDayXPM=\"4 3 1 1\"\n\"a c #FF0000\"\n\"ab\"\n\"aaaa\"");
    const TGarminObject& object = OnlyObject(doc);
    EXPECT_EQ(object.Pixels[Day],
              (std::vector<std::string>{std::string("ab\"\0", 4), "aaaa", std::string(4, '\0')}));
}

TEST(TextReader, PolygonWithZeroSizedHeaderReadsOneColourAndNoRows) {
    const TypDocument doc = Load("[_polygon]\nXPM=\"0 0 1 1\"\n\"x c #102030\"\n[end]\n");
    const TGarminObject& object = OnlyObject(doc);
    EXPECT_EQ(object.XpmHeader[Day], (TXpmHeader{0, 0, 1, 1}));
    EXPECT_EQ(object.Colours[Day], std::vector<TColourEntry>{test::Colour('x', 0x10, 0x20, 0x30)});
    EXPECT_TRUE(object.Pixels[Day].empty());
}

TEST(TextReader, NightBlockOfAnotherSizeLeavesTheDayBitmap) {
    const TypDocument doc = Load("[_point]\n"
                                 "DayXPM=\"2 2 2 1\"\n\"a c #FF0000\"\n\"b c #00FF00\"\n\"ab\"\n\"ba\"};\n"
                                 "NightXPM=\"3 1 1 1\"\n\"z c #0000FF\"\n\"zzz\"};\n"
                                 "[end]\n");
    const TGarminObject& object = OnlyObject(doc);
    EXPECT_EQ(object.XpmHeader[Day], (TXpmHeader{2, 2, 2, 1}));
    EXPECT_EQ(object.Colours[Day].size(), 2u);
    EXPECT_EQ(object.Pixels[Day], (std::vector<std::string>{"ab", "ba"}));
    EXPECT_EQ(object.XpmHeader[Night], (TXpmHeader{3, 1, 1, 1}));
    EXPECT_EQ(object.Colours[Night], std::vector<TColourEntry>{test::Colour('z', 0, 0, 255)});
    EXPECT_EQ(object.Pixels[Night], std::vector<std::string>{"zzz"});
}

TEST(TextReader, SecondBlockOfAVariantStartsFromFreshZeroedEntries) {
    const TypDocument doc = Load("[_point]\n"
                                 "DayXPM=\"2 1 2 1\"\n\"a c #FF0000\"\n\"b c none\"\n\"ab\"};\n"
                                 "XPM=\"3 2 3 1\"\n\"q c #010101\"\n");
    const TGarminObject& object = OnlyObject(doc);
    EXPECT_EQ(object.Colours[Day], (std::vector<TColourEntry>{test::Colour('q', 1, 1, 1), {}, {}}));
    EXPECT_EQ(object.Pixels[Day], std::vector<std::string>(2, std::string(3, '\0')));
}

TEST(TextReader, BlockWithoutColoursKeepsTheTableOfTheBlockBefore) {
    const TypDocument doc = Load("[_point]\n"
                                 "DayXPM=\"1 1 1 1\"\n\"a c #FF0000\"\n\"a\"};\n"
                                 "DayXPM=\"1 1 0 1\"\n\"b\"};\n[end]\n");
    const TGarminObject& object = OnlyObject(doc);
    EXPECT_EQ(object.Colours[Day], std::vector<TColourEntry>{test::Colour('a', 255, 0, 0)});
    EXPECT_EQ(object.Pixels[Day], std::vector<std::string>{"b"});
}

TEST(TextReader, LineConsumedByABlockIsTestedForTheNightKeyAndTheEnd) {
    // The day block takes "NightXPM=..." as its one row; that line then starts the night block.
    const TypDocument night = Load("[_point]\nDayXPM=\"1 1 0 1\"\nNightXPM=\"2 1 0 1\"\n\"xy\"};\n[end]\n");
    EXPECT_EQ(OnlyObject(night).Pixels[Day], std::vector<std::string>{"i"});
    EXPECT_EQ(OnlyObject(night).Pixels[Night], std::vector<std::string>{"xy"});
    // A block that takes "[end]" as a row ends the section with it.
    const TypDocument ended = Load("[_point]\nDayXPM=\"1 2 0 1\"\n\"a\"\n[end]\n[_line]\nType=1\n[end]\n");
    EXPECT_EQ(ended.PointList.size(), 1u);
    EXPECT_EQ(ended.LineList.size(), 1u);
}

// --- Day block reports ---

TEST(TextReader, ReportsTheLastDayBlockOfEachObject) {
    TypDocument doc;
    doc.HeaderLines.clear();
    std::vector<DayBlockReport> reports;
    ReadTextTyp("[_point]\nType=1\n[end]\n"
                "[_point]\nDayXPM=\"2 1 0 1\"\n\"ab\"};\nDayXPM=\"3 0 1 2\"\n\"aa c #000000\"\n"
                "NightXPM=\"5 0 0 1\"\n[end]\n"
                "[_polygon]\nXPM=\"0 0 2 1\"\n\"a c #000000\"\n\"b c #000000\"\n[end]\n"
                "[_point]\nNightXPM=\"1 0 0 1\"\n[end]\n",
                doc, reports);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].Object, doc.PointList[1].get());
    EXPECT_EQ(reports[0].Header.Width, 3);
    EXPECT_EQ(reports[0].Header.Height, 0);
    EXPECT_EQ(reports[0].Header.ColourCount, 1);
    EXPECT_EQ(reports[1].Object, doc.PolygonList[0].get());
    EXPECT_EQ(reports[1].Header.ColourCount, 2);
    EXPECT_EQ(doc.PointList[0]->XpmHeader[Day], TXpmHeader{});
    EXPECT_EQ(doc.PointList[0]->XpmHeader[Night], TXpmHeader{});
}

TEST(LoadTextTypDocument, GivesQuadratsToReportedObjectsOnly) {
    TypDocument doc;
    doc.TypFormatMark = TypFormatNT;
    doc.Modified = true;
    LoadTextTypDocument("[_line]\nType=1\n[end]\n"
                        "[_line]\nXPM=\"4 2 1 1\"\n\"a c #000000\"\n\"aaaa\"\n\"aaaa\"};\n[end]\n",
                        doc);
    EXPECT_EQ(doc.TypFormatMark, 0);
    EXPECT_FALSE(doc.Modified);
    EXPECT_TRUE(doc.HeaderLines.empty());
    ASSERT_EQ(doc.LineList.size(), 2u);
    EXPECT_FALSE(doc.LineList[0]->Quadrat.has_value());
    ASSERT_TRUE(doc.LineList[1]->Quadrat.has_value());
    EXPECT_EQ(doc.LineList[1]->Quadrat->ColCount, 4);
    EXPECT_EQ(doc.LineList[1]->Quadrat->RowCount, 2);
    EXPECT_EQ(doc.LineList[1]->Quadrat->SwatchCount, 1);
}

TEST(LoadTextTypDocument, ReplacesTheWholeDocument) {
    TypDocument doc;
    test::AddObject(doc, KindPoint);
    doc.CurrentObject = doc.PointList[0].get();
    LoadTextTypDocument("[_polygon]\nType=0x15\n[end]\n", doc);
    EXPECT_TRUE(doc.PointList.empty());
    ASSERT_EQ(doc.PolygonList.size(), 1u);
    EXPECT_EQ(doc.CurrentObject, doc.PolygonList[0].get());
}

// --- Conversion errors ---

TEST(TextReader, ConversionErrorCarriesTheOffendingText) {
    const struct {
        std::string_view Text;
        std::string_view Message;
    } cases[] = {
        {"[_point]\nType=12a\n[end]\n", "'12a' is not a valid integer value"},
        {"[_point]\nType= \n[end]\n", "'' is not a valid integer value"}, // the line is trimmed first
        {"[_point]\nTypeless\n[end]\n", "'Typeless' is not a valid integer value"},
        {"[_line]\nBorderWidth=wide\n[end]\n", "'wide' is not a valid integer value"},
        {"[_line]\nLineWidth=9999999999\n[end]\n", "'9999999999' is not a valid integer value"},
        {"[_polygon]\nXPM=\"8 8 one 1\"\n[end]\n", "'one' is not a valid integer value"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConversionMessage(c.Text), c.Message) << c.Text;
}

TEST(TextReader, ConversionErrorKeepsTheObjectsCompletedBeforeIt) {
    TypDocument doc;
    doc.HeaderLines.clear();
    std::vector<DayBlockReport> reports;
    const std::string_view text = "[_id]\nFID=1\n[end]\n"
                                  "[_point]\nType=0x2f\nDayXPM=\"1 1 0 1\"\n\"a\"};\n[end]\n"
                                  "[_line]\nType=1\nLineWidth=x\n[end]\n"
                                  "[_polygon]\nType=3\n[end]\n";
    EXPECT_THROW(ReadTextTyp(text, doc, reports), ConversionError);
    EXPECT_EQ(doc.HeaderLines, (std::vector<std::string>{"[_id]", "FID=1", "[end]", ""}));
    ASSERT_EQ(doc.PointList.size(), 1u);
    EXPECT_TRUE(doc.LineList.empty()); // the object being read is not kept
    EXPECT_TRUE(doc.PolygonList.empty());
    EXPECT_EQ(doc.CurrentObject, nullptr);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].Object, doc.PointList[0].get());

    TypDocument loaded;
    EXPECT_THROW(LoadTextTypDocument(text, loaded), ConversionError);
    ASSERT_EQ(loaded.PointList.size(), 1u);
    EXPECT_TRUE(loaded.PointList[0]->Quadrat.has_value());
}

TEST(TextReader, LoadingTheSameFileTwiceGivesTheSameDocument) {
    const std::string_view text = "[_drawOrder]\nType=1,1\n[end]\n"
                                  "[_point]\nType=0x2f\nSubType=6\nstring1=0x04,A\n"
                                  "DayXPM=\"2 1 1 1\"\n\"a c #123456\"\n\"aa\"};\n[end]\n";
    TypDocument doc;
    LoadTextTypDocument(text, doc);
    const std::string first = test::ObjectSections(doc);
    const auto header = doc.HeaderLines;
    LoadTextTypDocument(text, doc);
    EXPECT_EQ(test::ObjectSections(doc), first);
    EXPECT_EQ(doc.HeaderLines, header);
    EXPECT_EQ(doc.PointList.size(), 1u);
}

} // namespace
} // namespace velmora
