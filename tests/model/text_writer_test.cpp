#include "model/text_format.h"
#include "model/texts1251.h"
#include "text_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

using test::AddObject;
using test::Colour;
using test::ObjectSections;
using test::SetBitmap;
using test::Transparent;

// Joins lines with CR LF after each.
std::string Crlf(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines)
        text.append(line).append("\r\n");
    return text;
}

TEST(TextWriter, WritesTheHeadLinesTheHeaderAndOneEmptyLineForADocumentWithoutObjects) {
    TypDocument doc;
    doc.HeaderLines = {"[_id]", "FID=1  ", "[end]", ""};
    const std::string expected = std::string(cp1251::HeadLineStart) + "Version 15.2010\r\n" +
                                 ";01.02.2003 04:05:06\r\n" + std::string(cp1251::AuthorLineStart) +
                                 "the Velmora developers\r\n\r\n" + "[_id]\r\nFID=1  \r\n[end]\r\n\r\n\r\n";
    EXPECT_EQ(WriteTextTyp(doc, test::FixedDate), expected);
    // The first head line in code page 1251 bytes, no byte-order mark.
    EXPECT_EQ(expected.substr(0, 6), ";\xDD\xF2\xEE\xF2 ");
}

TEST(TextWriter, WritesTheDefaultHeaderOfANewDocumentVerbatim) {
    const TypDocument doc;
    const std::string text = WriteTextTyp(doc, test::FixedDate);
    std::string expected;
    for (const std::string& line : DefaultHeaderLines())
        expected += line + "\r\n";
    EXPECT_NE(text.find("\r\n\r\n" + expected + "\r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("[end]\r\n\r\n"));
}

TEST(TextWriter, WritesAPointAsTheProgramDoes) {
    TypDocument doc;
    TGarminObject& point = AddObject(doc, KindPoint);
    point.TypeCode = 0x2F;
    point.SubTypeCode = 0x06;
    point.Labels = {"0x04,Bank"};
    SetBitmap(point, Day, {4, 2, 2, 1}, {Colour('a', 255, 0, 0), Transparent('b')}, {"abba", "baab"});
    EXPECT_EQ(ObjectSections(doc),
              Crlf({"[_point]", "Type=0x2F", "SubType=0x06", "string1=0x04,Bank", "DayXPM=\"4 2 2 1\"",
                    "\"a c #FF0000\"", "\"b c none\"", "\"abba\"", "\"baab\"};", "[end]", ""}));
}

TEST(TextWriter, WritesNightBlockOfAPointWithoutDayBitmap) {
    TypDocument doc;
    TGarminObject& point = AddObject(doc, KindPoint);
    point.TypeCode = 10;
    SetBitmap(point, Night, {1, 1, 1, 1}, {Colour('x', 1, 2, 3)}, {"x"});
    EXPECT_EQ(ObjectSections(doc), Crlf({"[_point]", "Type=0x0A", "SubType=0x00", "NightXPM=\"1 1 1 1\"",
                                         "\"x c #010203\"", "\"x\"};", "[end]", ""}));
}

TEST(TextWriter, WritesPointTypesAboveFFWithTheirSubtypeInTheLowByte) {
    const struct {
        uint32_t TypeCode;
        uint32_t SubTypeCode;
        std::string_view Lines;
    } cases[] = {{0x2F, 0x06, "Type=0x2F\r\nSubType=0x06\r\n"},
                 {0xFF, 0x00, "Type=0xFF\r\nSubType=0x00\r\n"},
                 {0x110, 0x03, "Type=0x11003\r\n"},
                 {0x100, 0x00, "Type=0x10000\r\n"}};
    for (int32_t mark : {0, TypFormatNT, TypFormatOld})
        for (const auto& c : cases) {
            TypDocument doc;
            doc.TypFormatMark = mark;
            TGarminObject& point = AddObject(doc, KindPoint);
            point.TypeCode = c.TypeCode;
            point.SubTypeCode = c.SubTypeCode;
            EXPECT_EQ(ObjectSections(doc), "[_point]\r\n" + std::string(c.Lines) + "[end]\r\n\r\n")
                << mark << " " << c.TypeCode;
            const TypDocument back = test::Load(WriteTextTyp(doc, test::FixedDate));
            EXPECT_EQ(back.PointList.at(0)->TypeCode, c.TypeCode);
            EXPECT_EQ(back.PointList.at(0)->SubTypeCode, c.SubTypeCode);
        }
}

TEST(TextWriter, WritesLineWidthsOnlyForALineWithoutDayBitmap) {
    TypDocument doc;
    TGarminObject& plain = AddObject(doc, KindLine);
    plain.TypeCode = 2;
    plain.UseOrientation = 2;
    plain.LineWidth = 3;
    plain.BorderWidth = 1;
    SetBitmap(plain, Day, {0, 2, 2, 1}, {Colour('a', 0, 0, 0), Colour('b', 255, 255, 255)},
              {std::string(), std::string()});
    TGarminObject& bitmap = AddObject(doc, KindLine);
    bitmap.TypeCode = 0x10;
    bitmap.LineWidth = 3;
    SetBitmap(bitmap, Day, {2, 1, 1, 1}, {Colour('a', 0, 0, 0)}, {"aa"});
    EXPECT_EQ(ObjectSections(doc),
              Crlf({"[_line]", "Type=0x02", "UseOrientation=Y", "LineWidth=3", "BorderWidth=1",
                    "XPM=\"0 2 2 1\"", "\"a c #000000\"", "\"b c #FFFFFF\"", "\"\"", "\"\"};", "[end]", "",
                    "[_line]", "Type=0x10", "XPM=\"2 1 1 1\"", "\"a c #000000\"", "\"aa\"};", "[end]", ""}));
}

TEST(TextWriter, WritesPolygonsAfterLinesAfterPoints) {
    TypDocument doc;
    AddObject(doc, KindPolygon).TypeCode = 3;
    AddObject(doc, KindLine).TypeCode = 2;
    AddObject(doc, KindPoint).TypeCode = 1;
    EXPECT_EQ(ObjectSections(doc),
              Crlf({"[_point]", "Type=0x01", "SubType=0x00", "[end]", "", "[_line]", "Type=0x02",
                    "LineWidth=0", "BorderWidth=0", "XPM=\"0 0 0 0\"", "[end]", "", "[_polygon]", "Type=0x03",
                    "XPM=\"0 0 0 0\"", "[end]", ""}));
}

TEST(TextWriter, WritesEveryLabelAndKeepsTheirNumbers) {
    TypDocument doc;
    TGarminObject& polygon = AddObject(doc, KindPolygon);
    polygon.TypeCode = 0x2F06;
    polygon.Labels = {"0x04,One", "",           "0x05,Three", "0x06,Four", "0x07,Five",
                      "0x08,Six", "0x09,Seven", "0x0a,Eight", "0x0b,Nine", "0x0c,Ten"};
    EXPECT_EQ(
        ObjectSections(doc),
        Crlf({"[_polygon]", "Type=0x2F06", "string1=0x04,One", "string3=0x05,Three", "string4=0x06,Four",
              "string5=0x07,Five", "string6=0x08,Six", "string7=0x09,Seven", "string8=0x0a,Eight",
              "string9=0x0b,Nine", "string10=0x0c,Ten", "XPM=\"0 0 0 0\"", "[end]", ""}));
    EXPECT_EQ(test::Load(WriteTextTyp(doc, test::FixedDate)).PolygonList.at(0)->Labels,
              (std::vector<std::string>{"0x04,One", "0x05,Three", "0x06,Four", "0x07,Five", "0x08,Six",
                                        "0x09,Seven", "0x0a,Eight", "0x0b,Nine", "0x0c,Ten"}));
}

TEST(TextWriter, WritesColourComponentsWithAsManyDigitsAsTheyNeed) {
    TypDocument doc;
    TGarminObject& polygon = AddObject(doc, KindPolygon);
    SetBitmap(polygon, Day, {0, 0, 3, 1},
              {Colour('a', 256, 0x1234, 5), Colour('b', -1, 0, 0), Colour('c', 0, 0, 0)}, {});
    polygon.Colours[Day][2].TransparentMark = 'N'; // only "n" marks a transparent colour
    EXPECT_EQ(ObjectSections(doc), Crlf({"[_polygon]", "Type=0x00", "XPM=\"0 0 3 1\"", "\"a c #100123405\"",
                                         "\"b c #FFFFFFFF0000\"", "\"c c #000000\"", "[end]", ""}));
}

TEST(TextWriter, RepeatsEachCodeWithTwoCharactersPerPixel) {
    TypDocument doc;
    TGarminObject& point = AddObject(doc, KindPoint);
    point.TypeCode = 0x2F;
    SetBitmap(point, Day, {3, 1, 2, 2}, {Colour('a', 0, 0, 0), Transparent('b')}, {"aba"});
    EXPECT_EQ(ObjectSections(doc), Crlf({"[_point]", "Type=0x2F", "SubType=0x00", "DayXPM=\"3 1 2 2\"",
                                         "\"aa c #000000\"", "\"bb c none\"", "\"aabbaa\"};", "[end]", ""}));
}

TEST(TextWriter, WritesOneCodePerPixelForOtherCharsPerPixelCounts) {
    // The reader takes such rows back like one character per pixel, so saving keeps the pixels.
    for (uint8_t charsPerPixel : {0, 3}) {
        TypDocument doc;
        TGarminObject& polygon = AddObject(doc, KindPolygon);
        SetBitmap(polygon, Day, {3, 1, 1, charsPerPixel}, {Colour('a', 0, 0, 0)}, {"aXa"});
        const std::string p = std::to_string(charsPerPixel);
        EXPECT_EQ(ObjectSections(doc), Crlf({"[_polygon]", "Type=0x00", "XPM=\"3 1 1 " + p + "\"",
                                             "\"a c #000000\"", "\"aXa\"};", "[end]", ""}))
            << p;
        const TypDocument back = test::Load(WriteTextTyp(doc, test::FixedDate));
        EXPECT_EQ(back.PolygonList.at(0)->Pixels[Day], std::vector<std::string>{"aXa"});
    }
}

TEST(TextWriter, WritesMissingEntriesAndRowsAsZeroes) {
    TypDocument doc;
    TGarminObject& polygon = AddObject(doc, KindPolygon);
    SetBitmap(polygon, Day, {2, 2, 1, 1}, {}, {"a"});
    EXPECT_EQ(ObjectSections(doc),
              Crlf({"[_polygon]", "Type=0x00", "XPM=\"2 2 1 1\"", std::string("\"\0 c #000000\"", 13),
                    std::string("\"a\0\"", 4), std::string("\"\0\0\"};", 6), "[end]", ""}));
}

TEST(TextWriter, SavedDocumentLoadsBackWithTheSameObjects) {
    TypDocument doc;
    doc.HeaderLines = {"[_id]", "FID=1", "[end]", "", "[_drawOrder]", "Type=0x01,1", "[end]"};
    TGarminObject& point = AddObject(doc, KindPoint);
    point.TypeCode = 0x2F;
    point.SubTypeCode = 0x06;
    point.Labels = {"0x04,Bank", "0x05,Bank"};
    SetBitmap(point, Day, {4, 2, 2, 1}, {Colour('c', 1, 2, 3), Transparent('n')}, {"cnnc", "ncnc"});
    SetBitmap(point, Night, {2, 1, 1, 2}, {Colour('z', 9, 8, 7)}, {"zz"});
    TGarminObject& line = AddObject(doc, KindLine);
    line.TypeCode = 0x10F04;
    line.UseOrientation = 1;
    line.LineWidth = 4;
    line.BorderWidth = 2;
    SetBitmap(line, Day, {0, 0, 2, 1}, {Colour('a', 10, 20, 30), Colour('b', 40, 50, 60)}, {});
    TGarminObject& polygon = AddObject(doc, KindPolygon);
    polygon.TypeCode = 0x15;
    SetBitmap(polygon, Day, {2, 2, 1, 1}, {Colour('x', 255, 255, 0)}, {"xx", "xx"});

    const TypDocument back = test::Load(WriteTextTyp(doc, test::FixedDate));
    EXPECT_EQ(back.HeaderLines, doc.HeaderLines);
    ASSERT_EQ(back.PointList.size(), 1u);
    ASSERT_EQ(back.LineList.size(), 1u);
    ASSERT_EQ(back.PolygonList.size(), 1u);
    for (int kind : {KindPoint, KindLine, KindPolygon}) {
        const TGarminObject& a = *doc.List(kind)[0];
        const TGarminObject& b = *back.List(kind)[0];
        EXPECT_EQ(b.Kind, a.Kind);
        EXPECT_EQ(b.TypeCode, a.TypeCode);
        EXPECT_EQ(b.SubTypeCode, a.SubTypeCode);
        EXPECT_EQ(b.UseOrientation, a.UseOrientation);
        EXPECT_EQ(b.Labels, a.Labels);
        EXPECT_EQ(b.LineWidth, a.LineWidth);
        EXPECT_EQ(b.BorderWidth, a.BorderWidth);
        EXPECT_EQ(b.XpmHeader, a.XpmHeader);
        EXPECT_EQ(b.Colours, a.Colours);
        EXPECT_EQ(b.Pixels, a.Pixels);
    }
}

TEST(TextWriter, DateTimeTextIsOneLineOfText) {
    const std::string text = CurrentDateTimeText();
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
    // Whatever the locale gives, the head line stays a comment that the reader skips.
    TypDocument doc;
    const TypDocument back = test::Load(WriteTextTyp(doc, text));
    EXPECT_EQ(back.HeaderLines, doc.HeaderLines);
}

} // namespace
} // namespace velmora
