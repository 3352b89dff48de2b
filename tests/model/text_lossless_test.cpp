// What a real style file says beyond the program's own keys survives reading and writing: point
// subtypes, two-character codes, every label, the label font and colours, colour alpha, other keys,
// comments and sections, ":" keys and the UTF-8 form of the file.
#include "model/text_format.h"
#include "model/texts1251.h"
#include "model/utf8.h"
#include "text_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {
namespace {

using test::Load;
using test::ObjectSections;
using test::Rewrite;

std::string Crlf(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines)
        text.append(line).append("\r\n");
    return text;
}

const TGarminObject& First(const TypDocument& doc) {
    for (const ObjectList* list : {&doc.PointList, &doc.LineList, &doc.PolygonList})
        if (!list->empty()) return *list->front();
    static const TGarminObject none;
    ADD_FAILURE() << "no object";
    return none;
}

// The colour each pixel shows, as red + 256 green + 65536 blue, or ~0 for a code without a colour.
std::vector<uint32_t> PixelColours(const TGarminObject& object, int variant) {
    std::vector<uint32_t> colours;
    for (const std::string& row : object.Pixels[variant])
        for (char code : row) {
            uint32_t colour = ~0u;
            for (const TColourEntry& entry : object.Colours[variant])
                if (entry.Code == code) {
                    colour = entry.Colour();
                    break;
                }
            colours.push_back(colour);
        }
    return colours;
}

// --- Point types ---

TEST(LosslessText, ReadsPointTypesAsTheCompilerDoes) {
    const struct {
        std::string_view Keys;
        uint32_t TypeCode;
        uint32_t SubTypeCode;
    } cases[] = {
        {"Type=0x2a01", 0x2A, 0x01},
        {"Type=0x2a01\nSubType=0x05", 0x2A, 0x05}, // a later SubType overrides the low byte
        {"SubType=0x05\nType=0x2a01", 0x2A, 0x01}, // a later large Type sets both
        {"SubType=0x05\nType=0x2a", 0x2A, 0x05},   // a small Type leaves the subtype
        {"Type=0x11003", 0x110, 0x03},
        {"Type=0x1ff1a", 0x1FF, 0x1A},
        {"Type:0x2a01", 0x2A, 0x01},
    };
    for (const auto& c : cases) {
        const TypDocument doc = Load("[_point]\n" + std::string(c.Keys) + "\n[end]\n");
        EXPECT_EQ(First(doc).TypeCode, c.TypeCode) << c.Keys;
        EXPECT_EQ(First(doc).SubTypeCode, c.SubTypeCode) << c.Keys;
    }
    // Lines and polygons keep the whole number.
    EXPECT_EQ(First(Load("[_line]\nType=0x2f06\n[end]\n")).TypeCode, 0x2F06u);
    EXPECT_EQ(First(Load("[_polygon]\nType=0x10f04\n[end]\n")).TypeCode, 0x10F04u);
    // A line's "SubType" key of a standard type joins its TypeCode, so that saving keeps it.
    const TypDocument line = Load("[_line]\nType=0x06\nSubType=0x06\n[end]\n");
    EXPECT_EQ(First(line).TypeCode, 0x606u);
    EXPECT_NE(WriteTextTyp(test::InProgramsForm(line), test::FixedDate).find("Type=0x606\r\n"),
              std::string::npos);
}

// --- Two characters per pixel ---

TEST(LosslessText, TwoCharacterCodesWithTheSameFirstCharacterStayDistinctColours) {
    const std::string text =
        Crlf({"[_point]", "Type=0x2f", "DayXPM=\"3 2 4 2\"", "\"%? c #010101\"", "\"%= c #020202\"",
              "\"=% c #030303\"", "\"?? c #040404\"", "\"%?%==%\"", "\"??%?%=\"};", "[end]"});
    const TypDocument doc = Load(text);
    const TGarminObject& object = First(doc);
    const std::vector<uint32_t> expected = {0x010101, 0x020202, 0x030303, 0x040404, 0x010101, 0x020202};
    EXPECT_EQ(PixelColours(object, Day), expected);
    std::string codes;
    for (const TColourEntry& entry : object.Colours[Day])
        codes.push_back(entry.Code);
    EXPECT_EQ(codes.size(), 4u);
    EXPECT_EQ(std::string(codes).find_first_of("\""), std::string::npos);
    for (size_t i = 0; i < codes.size(); ++i)
        EXPECT_EQ(codes.find(codes[i]), i) << "code " << codes[i] << " given twice";

    // Saved and read again, every pixel keeps its colour, and a second save writes the same bytes.
    const std::string once = WriteTextTyp(Load(text), test::FixedDate);
    EXPECT_EQ(PixelColours(First(Load(once)), Day), expected);
    EXPECT_EQ(WriteTextTyp(Load(once), test::FixedDate), once);
}

TEST(LosslessText, TwoCharacterCodesWithoutClashKeepTheirFirstCharacter) {
    const std::string text = Crlf({"[_polygon]", "Type=0x01", "XPM=\"2 1 2 2\"", "\"ab c #010101\"",
                                   "\"cd c #020202\"", "\"abcd\"};", "[end]", ""});
    const TypDocument doc = Load(text);
    const TGarminObject& object = First(doc);
    EXPECT_EQ(object.Colours[Day][0].Code, 'a');
    EXPECT_EQ(object.Colours[Day][1].Code, 'c');
    EXPECT_EQ(object.Pixels[Day], std::vector<std::string>{"ac"});
}

TEST(LosslessText, EveryByteHasATwoCharacterCodeOfPlainTextThatReadsBack) {
    for (unsigned c = 0; c < 256; ++c) {
        const std::array<char, 2> pair = TwoCharCode(static_cast<char>(c));
        for (char p : pair)
            EXPECT_TRUE(p >= 32 && p <= 126 && p != '"') << c;
        EXPECT_EQ(CodeOfTwoChars(pair[0], pair[1]), std::optional<char>(static_cast<char>(c))) << c;
    }
    EXPECT_EQ(TwoCharCode('a'), (std::array<char, 2>{'a', 'a'}));
    EXPECT_EQ(CodeOfTwoChars('a', 'b'), std::nullopt);
}

TEST(LosslessText, BitmapWithMoreClashingColoursThanPrintableCharactersKeepsEveryColour) {
    // 120 colours whose codes all begin with "a": the spare codes run past the printable characters
    // and are written as plain-text pairs.
    std::string text = "[_polygon]\nType=0x01\nXPM=\"120 1 120 2\"\n";
    std::string row = "\"";
    for (int i = 0; i < 120; ++i) {
        const char second = static_cast<char>(i < 90 ? '#' + i : 0x80 + (i - 90));
        char blue[3];
        std::snprintf(blue, sizeof blue, "%02X", i);
        text += std::string("\"a") + second + " c #0000" + blue + "\"\n";
        row += std::string("a") + second;
    }
    text += row + "\"};\n[end]\n";
    std::vector<uint32_t> expected;
    for (uint32_t i = 0; i < 120; ++i)
        expected.push_back(i << 16);
    EXPECT_EQ(PixelColours(First(Load(text)), Day), expected);
    const std::string once = WriteTextTyp(test::InProgramsForm(Load(text)), test::FixedDate);
    for (char c : once.substr(once.find("[_polygon]")))
        ASSERT_TRUE(c == '\r' || c == '\n' || (c >= 32 && c <= 126)) << int(c);
    EXPECT_EQ(PixelColours(First(Load(once)), Day), expected);
    EXPECT_EQ(WriteTextTyp(Load(once), test::FixedDate), once);
}

// --- Label font and colours ---

TEST(LosslessText, ReadsFontStyleSpellingsAsTheCompilerDoes) {
    const struct {
        std::string_view Value;
        uint8_t Font;
    } cases[] = {{"NoLabel", FontNoLabel},    {"NoLabel (invisible)", FontNoLabel},
                 {"nolabel", FontNoLabel},    {"SmallFont", FontSmall},
                 {"Small", FontSmall},        {"smallfont", FontSmall},
                 {"NormalFont", FontNormal},  {"Normal", FontNormal},
                 {"LargeFont", FontLarge},    {"Large", FontLarge},
                 {"LARGE", FontLarge},        {"Default", FontDefault},
                 {"SmallFontX", FontDefault}, {"Huge", FontDefault}};
    for (const auto& c : cases) {
        EXPECT_EQ(ParseFontStyle(c.Value), c.Font) << c.Value;
        const TypDocument doc = Load("[_line]\nFontStyle=" + std::string(c.Value) + "\n[end]\n");
        EXPECT_EQ(First(doc).FontStyle, std::optional<uint8_t>(c.Font)) << c.Value;
    }
    EXPECT_EQ(First(Load("[_line]\nType=1\n[end]\n")).FontStyle, std::nullopt);
}

TEST(LosslessText, ReadsLabelColoursWithEqualsSignOrColon) {
    const TypDocument doc = Load("[_point]\nDaycustomColor:#FF8000\nnightcustomcolor = "
                                 "#0000fe\n[end]\n[_line]\nDaycustomColor=red\n[end]\n");
    EXPECT_EQ(doc.PointList[0]->DayLabelColour, std::optional<uint32_t>(0x0080FF));
    EXPECT_EQ(doc.PointList[0]->NightLabelColour, std::optional<uint32_t>(0xFE0000));
    // A value that is no colour stays a line of its own, written back as it stood.
    EXPECT_EQ(doc.LineList[0]->DayLabelColour, std::nullopt);
    EXPECT_NE(ObjectSections(doc).find("DaycustomColor=red\r\n"), std::string::npos);
}

TEST(LosslessText, WritesFontAndLabelColoursAsTheFileHadThemWhileUnchanged) {
    const std::string text =
        Crlf({"[_point]", "Type=0x2f", "SubType=0x00", "string1=0x04,A", "FontStyle=NoLabel (invisible)",
              "DaycustomColor:#0000ff", "NightcustomColor:#102030", "[end]", ""});
    TypDocument doc = Load(text);
    EXPECT_EQ(ObjectSections(doc), Crlf({"[_point]", "Type=0x2F", "SubType=0x00", "string1=0x04,A",
                                         "FontStyle=NoLabel (invisible)", "DaycustomColor:#0000ff",
                                         "NightcustomColor:#102030", "[end]", ""}));

    TGarminObject& point = *doc.PointList[0];
    point.FontStyle = FontSmall;
    point.DayLabelColour = 0x0000FF; // red
    point.NightLabelColour.reset();
    EXPECT_EQ(ObjectSections(doc), Crlf({"[_point]", "Type=0x2F", "SubType=0x00", "string1=0x04,A",
                                         "FontStyle=SmallFont", "DaycustomColor=#FF0000", "[end]", ""}));

    TypDocument fresh;
    TGarminObject& line = test::AddObject(fresh, KindLine);
    line.FontStyle = FontNoLabel;
    line.NightLabelColour = 0x030201;
    EXPECT_EQ(ObjectSections(fresh),
              Crlf({"[_line]", "Type=0x00", "FontStyle=NoLabel", "NightcustomColor=#010203", "LineWidth=0",
                    "BorderWidth=0", "XPM=\"0 0 0 0\"", "[end]", ""}));
}

// --- Alpha ---

TEST(LosslessText, ReadsColourAlphaOfBothSpellings) {
    const struct {
        std::string_view Line;
        uint8_t Alpha;
    } cases[] = {
        {"\"a c #FF0000\" alpha=0", 0},  {"\"a c #FF0000\"  alpha=1", 1}, {"\"a c #FF0000\" alpha=15", 15},
        {"\"a c #FF0000\"alpha = 7", 7}, {"\"a c #FF0000\" ALPHA=7", 0},  {"\"a c #FF0000\" alpha=16", 1},
        {"\"a c #FF000000\"", 15},       {"\"a c #FF000008\"", 15},       {"\"a c #FF00000f\"", 14},
        {"\"a c #FF000080\"", 7},        {"\"a c #FF00007F\"", 8},        {"\"a c #FF0000EE\"", 1},
        {"\"a c #FF0000F7\"", 0},        {"\"a c #FF0000FF\"", 0},        {"\"a c #FF000080\" alpha=10", 10},
    };
    for (const auto& c : cases) {
        const TypDocument doc =
            Load("[_point]\nDayXPM=\"1 1 1 1\"\n" + std::string(c.Line) + "\n\"a\"};\n[end]\n");
        const TGarminObject& object = First(doc);
        EXPECT_EQ(object.ColourAlpha(Day, 0), c.Alpha) << c.Line;
        EXPECT_EQ(object.Colours[Day][0].Colour(), 0x0000FFu) << c.Line;
    }
}

TEST(LosslessText, WritesAlphaAsTheFileHadItWhileUnchangedAndAsAlphaKeyOtherwise) {
    const std::string text =
        Crlf({"[_point]", "Type=0x2F", "SubType=0x00", "DayXPM=\"2 1 2 1\"   Colormode=32",
              "\"a\tc #FF0000\"  alpha=15", "\"b c #00ff0080\"", "\"ab\"};", "[end]", ""});
    TypDocument doc = Load(text);
    EXPECT_EQ(ObjectSections(doc),
              Crlf({"[_point]", "Type=0x2F", "SubType=0x00", "DayXPM=\"2 1 2 1\"   Colormode=32",
                    "\"a c #FF0000\"  alpha=15", "\"b c #00FF0080\"", "\"ab\"};", "[end]", ""}));
    TGarminObject& point = *doc.PointList[0];
    point.SetColourAlpha(Day, 0, 3);
    point.SetColourAlpha(Day, 1, 0);
    EXPECT_EQ(ObjectSections(doc),
              Crlf({"[_point]", "Type=0x2F", "SubType=0x00", "DayXPM=\"2 1 2 1\"   Colormode=32",
                    "\"a c #FF0000\" alpha=3", "\"b c #00FF00\"", "\"ab\"};", "[end]", ""}));
}

// --- Kept lines of object sections ---

TEST(LosslessText, KeepsOtherKeysAndCommentsOfAnObjectSectionInTheirPlaces) {
    const std::string text = Crlf({"[_line]",
                                   ";before type",
                                   "Type=0x01",
                                   "UseOrientation=Y",
                                   "ExtendedLabels=Y",
                                   "String1=0x04,A",
                                   "; after labels",
                                   "FontStyle=Large",
                                   "CustomColor=Day",
                                   "LineWidth=2",
                                   "BorderWidth=1",
                                   "ContourColor=No",
                                   "Unknown:thing",
                                   "Xpm=\"0 2 2 1\"   Colormode=16",
                                   ";before first colour",
                                   "\"a c #000000\"",
                                   "; between colours",
                                   "\"b c none\"",
                                   "; before row 1",
                                   "\"\"",
                                   "; before row 2",
                                   "\"\"};",
                                   "; after the block",
                                   "[end]",
                                   ""});
    const std::string expected = Crlf({"[_line]",
                                       ";before type",
                                       "Type=0x01",
                                       "UseOrientation=Y",
                                       "ExtendedLabels=Y",
                                       "string1=0x04,A",
                                       "; after labels",
                                       "FontStyle=Large",
                                       "CustomColor=Day",
                                       "LineWidth=2",
                                       "BorderWidth=1",
                                       "ContourColor=No",
                                       "Unknown:thing",
                                       "XPM=\"0 2 2 1\"   Colormode=16",
                                       ";before first colour",
                                       "\"a c #000000\"",
                                       "; between colours",
                                       "\"b c none\"",
                                       "; before row 1",
                                       "\"\"",
                                       "; before row 2",
                                       "\"\"};",
                                       "; after the block",
                                       "[end]",
                                       ""});
    EXPECT_EQ(Rewrite(text), expected);
    EXPECT_EQ(Rewrite(expected), expected);
}

TEST(LosslessText, KeepsLinesOutsideObjectSections) {
    const std::string text = Crlf({"; top of the file",
                                   "[_id]",
                                   "; inside id",
                                   "FID=1",
                                   "[end]",
                                   "",
                                   "[_comments]",
                                   "free text",
                                   "[end]",
                                   "[_drawOrder]",
                                   "; inside draw order",
                                   "Type=0x01,1",
                                   "[end]",
                                   "; banner before the first polygon",
                                   "[_polygon]",
                                   "Type=0x01",
                                   "Xpm=\"0 0 0 0\"",
                                   "[end]",
                                   "; banner before the point",
                                   "[_point]",
                                   "Type=0x02",
                                   "SubType=0x00",
                                   "[end]",
                                   "[_icons]",
                                   "IconXpm=\"1\"",
                                   "[end]",
                                   "; end of the file"});
    const TypDocument doc = Load(text);
    EXPECT_EQ(doc.HeaderLines,
              (std::vector<std::string>{"; top of the file", "[_id]", "; inside id", "FID=1", "[end]", "",
                                        "[_comments]", "free text", "[end]", "[_drawOrder]",
                                        "; inside draw order", "Type=0x01,1", "[end]", "[_icons]",
                                        "IconXpm=\"1\"", "[end]", "; end of the file"}));
    EXPECT_EQ(ObjectSections(doc), Crlf({"; banner before the point", "[_point]", "Type=0x02", "SubType=0x00",
                                         "[end]", "", "; banner before the first polygon", "[_polygon]",
                                         "Type=0x01", "XPM=\"0 0 0 0\"", "[end]", ""}));
}

TEST(LosslessText, DoesNotKeepTheHeadLinesOfAnEarlierSave) {
    for (bool utf8 : {false, true}) {
        TypDocument doc;
        doc.HeaderLines = {"; mine", "[_id]", "FID=1", "[end]", ""};
        doc.Utf8 = utf8;
        const std::string once = WriteTextTyp(doc, test::FixedDate);
        EXPECT_EQ(once.find(utf8 ? cp1251::HeadLineStart : utf8::HeadLineStart), std::string::npos);
        const TypDocument back = Load(once);
        EXPECT_EQ(back.HeaderLines, doc.HeaderLines) << utf8;
        EXPECT_EQ(WriteTextTyp(back, test::FixedDate),
                  WriteTextTyp(Load(WriteTextTyp(back, test::FixedDate)), test::FixedDate));
    }
}

// --- Encoding ---

TEST(LosslessText, DecidesTheUtf8FormOfTheFile) {
    const struct {
        std::string_view Name;
        std::string Bytes;
        bool Utf8;
        bool ByteOrderMark;
    } cases[] = {
        {"mark", "\xEF\xBB\xBF[_id]\r\nCodePage=1252\r\n[end]\r\n", true, true},
        {"code page", "[_id]\r\nCodePage=65001\r\n[end]\r\n", true, false},
        {"content",
         "[_id]\r\nCodePage=1252\r\n[end]\r\n[_point]\r\nString1=0x04,Stra\xC3\x9F"
         "e\r\n[end]\r\n",
         true, false},
        {"1252",
         "[_id]\r\nCodePage=1252\r\n[end]\r\n[_point]\r\nString1=0x04,Stra\xDF"
         "e\r\n[end]\r\n",
         false, false},
    };
    for (const auto& c : cases) {
        const TypDocument doc = Load(c.Bytes);
        EXPECT_EQ(doc.Utf8, c.Utf8) << c.Name;
        EXPECT_EQ(doc.ByteOrderMark, c.ByteOrderMark) << c.Name;
        // The mark is never part of the first line.
        EXPECT_EQ(doc.HeaderLines.at(0), "[_id]") << c.Name;
    }
}

TEST(LosslessText, WritesTheHeadLinesInTheEncodingOfTheFile) {
    const struct {
        std::string_view Name;
        std::string Bytes;
        std::string_view Start;
    } cases[] = {
        {"mark", "\xEF\xBB\xBF[_id]\r\nCodePage=1252\r\n[end]\r\n", "\xEF\xBB\xBF"},
        {"code page", "[_id]\r\nCodePage=65001\r\n[end]\r\n", ""},
        {"content without code page", "[_point]\r\nString1=0x04,\xC3\x9F\r\n[end]\r\n", ""},
        // A UTF-8 file stays UTF-8 whatever code page it names: map makers compile such files with
        // code page 65001, where 1251 bytes are no text at all. Code page 1251 defines every byte of
        // the UTF-8 head.
        {"content naming code page 1251",
         "[_id]\r\nCodePage=1251\r\n[end]\r\n[_point]\r\nString1=0x04,\xC3\x9F\r\n[end]\r\n", ""},
    };
    for (const auto& c : cases) {
        for (bool programsForm : {false, true}) {
            SCOPED_TRACE(programsForm);
            const TypDocument doc = Load(c.Bytes);
            constexpr std::string_view date = "01.02.2003 \xEF";
            const std::string saved =
                programsForm ? WriteTextTyp(test::InProgramsForm(doc), date) : WriteTextTyp(doc, date);
            EXPECT_EQ(saved.substr(0, c.Start.size() + utf8::HeadLineStart.size()),
                      std::string(c.Start) + std::string(utf8::HeadLineStart))
                << c.Name;
            EXPECT_NE(
                saved.find(std::string(";01.02.2003 \xD0\xBF\r\n") + std::string(utf8::AuthorLineStart)),
                std::string::npos)
                << c.Name;
            EXPECT_TRUE(IsUtf8Text(saved)) << c.Name;
            const TypDocument back = Load(saved);
            EXPECT_TRUE(back.Utf8) << c.Name;
        }
    }
    // The map compiler takes no code page from an indented line: such a file stays UTF-8 when saved.
    const std::string indented = WriteTextTyp(
        Load("[_id]\r\n\tCodePage=1252\r\n[end]\r\n[_point]\r\nString1=0x04,\xC3\x9F\r\n[end]\r\n"),
        test::FixedDate);
    EXPECT_TRUE(indented.starts_with(utf8::HeadLineStart));
    EXPECT_TRUE(IsUtf8Text(indented));
    // Where the compiler reads the file in a code page that lacks bytes of the UTF-8 head (0x81 and
    // 0x90 in 1252), it refuses the whole file: the head stays 1251 text there, as for other documents.
    const std::string named = WriteTextTyp(
        Load("[_id]\r\nCodePage=1252\r\n[end]\r\n[_point]\r\nString1=0x04,\xC3\x9F\r\n[end]\r\n"),
        test::FixedDate);
    EXPECT_EQ(named.substr(0, cp1251::HeadLineStart.size()), cp1251::HeadLineStart);
    EXPECT_TRUE(Load(named).Utf8);
    const std::string plain = WriteTextTyp(Load("[_id]\r\nCodePage=1251\r\n[end]\r\n"), test::FixedDate);
    EXPECT_EQ(plain.substr(0, cp1251::HeadLineStart.size()), cp1251::HeadLineStart);
}

// A compiled style of code page 65001 comes in with the NT or OLD mark among its header lines, held
// as 1251 text like every text of the program: a UTF-8 file gets it in UTF-8.
TEST(LosslessText, WritesTheProgramsMarkInTheEncodingOfTheFile) {
    for (std::string_view codePage : {"65001", "1251"}) {
        TypDocument doc;
        doc.HeaderLines = {std::string(cp1251::NtMark), "", "[_id]", "CodePage=" + std::string(codePage),
                           "[end]"};
        const std::string saved = WriteTextTyp(doc, test::FixedDate);
        const bool utf8 = codePage == "65001";
        EXPECT_NE(saved.find(std::string(utf8 ? utf8::NtMark : cp1251::NtMark) + "\r\n"), std::string::npos);
        EXPECT_EQ(IsUtf8Text(saved), utf8) << codePage;
    }
}

TEST(LosslessText, ConvertsTheProgramsTextsFrom1251ToUtf8) {
    EXPECT_EQ(Cp1251ToUtf8(cp1251::HeadLineStart), utf8::HeadLineStart);
    EXPECT_EQ(Cp1251ToUtf8(cp1251::AuthorLineStart), utf8::AuthorLineStart);
    EXPECT_EQ(Cp1251ToUtf8(cp1251::NtMark), utf8::NtMark);
    EXPECT_EQ(Cp1251ToUtf8(cp1251::OldMark), utf8::OldMark);
    EXPECT_EQ(Cp1251ToUtf8("a\x98\xB9"), "a?\xE2\x84\x96");
}

} // namespace
} // namespace velmora
