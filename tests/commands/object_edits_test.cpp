#include "commands/object_edits.h"

#include "commands/new_object.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TGarminObject* Add(TypDocument& doc, uint8_t kind, uint32_t type) {
    NewObjectSettings settings;
    settings.Kind = kind;
    auto object = std::make_unique<TGarminObject>(BuildNewObject(settings));
    object->TypeCode = type;
    doc.List(kind).push_back(std::move(object));
    return doc.List(kind).back().get();
}

TEST(RetypeFromCatalogue, SetsTypeAndSubtypeAndGivesTheListText) {
    struct Case {
        uint8_t Kind;
        const char* Row;
        uint32_t Type, SubType;
        const char* ListText;
    };
    for (const Case& c : {Case{KindPoint, "0x2f01    АЗС", 0x2F, 0x01, "2f/01"},
                          Case{KindPoint, "0x210F    Съезд к сервису", 0x21, 0x0F, "21/0F"},
                          Case{KindLine, "0x1a    Паром", 0x1A, 0x77, "1a"},
                          Case{KindPolygon, "0x4e    Фруктовый сад или огород", 0x4E, 0x77, "4e"}}) {
        SCOPED_TRACE(c.Row);
        TypDocument doc;
        TGarminObject* object = Add(doc, c.Kind, 0x99);
        object->SubTypeCode = 0x77;
        const std::optional<QString> text = RetypeFromCatalogue(*object, c.Row);
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(*text, QString::fromUtf8(c.ListText));
        EXPECT_EQ(object->TypeCode, c.Type);
        EXPECT_EQ(object->SubTypeCode, c.SubType);
    }
}

TEST(RetypeFromCatalogue, RowWithoutXChangesNothing) {
    TypDocument doc;
    TGarminObject* object = Add(doc, KindPoint, 0x99);
    EXPECT_FALSE(RetypeFromCatalogue(*object, "2f01 АЗС").has_value());
    EXPECT_EQ(object->TypeCode, 0x99u);
}

TEST(AppendLabelLine, AppendsLanguageCodeAndComma) {
    TypDocument doc;
    TGarminObject* object = Add(doc, KindPoint, 1);
    object->Labels = {"0x19,Заправка"};
    EXPECT_TRUE(AppendLabelLine(*object, "0x04 - english"));
    EXPECT_EQ(object->Labels, (std::vector<std::string>{"0x19,Заправка", "0x04,"}));
    EXPECT_FALSE(AppendLabelLine(*object, "0x"));
    EXPECT_EQ(object->Labels.size(), 2u);
}

TEST(ChangeColourEntry, RecodesEveryPixelOfTheViewAndTakesColour) {
    TypDocument doc;
    TGarminObject* point = Add(doc, KindPoint, 1);
    point->Pixels[Day][0] = std::string(16, '1');
    point->Pixels[Day][5][5] = '2';
    EXPECT_TRUE(ChangeColourEntry(*point, Day, 1, {"b", false, 0x00FF80}));
    EXPECT_EQ(point->Pixels[Day][0], std::string(16, 'b'));
    EXPECT_EQ(point->Pixels[Day][5][5], '2');
    EXPECT_EQ(point->Colours[Day][1].Code, 'b');
    EXPECT_EQ(point->Colours[Day][1].Colour(), 0x00FF80u);
    EXPECT_FALSE(point->Colours[Day][1].IsTransparent());

    EXPECT_TRUE(ChangeColourEntry(*point, Day, 2, {"c", true, 0x123456}));
    EXPECT_TRUE(point->Colours[Day][2].IsTransparent());
    EXPECT_EQ(point->Colours[Day][2].Colour(), 0xFFFFFFu);
}

TEST(ChangeColourEntry, EmptyCodeFieldOrEntryOutsideTheTableChangesNothing) {
    TypDocument doc;
    TGarminObject* point = Add(doc, KindPoint, 1);
    const TGarminObject before = *point;
    EXPECT_FALSE(ChangeColourEntry(*point, Day, 1, {"", false, 0}));
    EXPECT_FALSE(ChangeColourEntry(*point, Day, 4, {"z", false, 0}));
    EXPECT_FALSE(ChangeColourEntry(*point, Night, 0, {"z", false, 0}));
    EXPECT_EQ(point->Colours[Day], before.Colours[Day]);
}

TEST(AddColourEntry, AddsToThePointsViewOnly) {
    TypDocument doc;
    TGarminObject* point = Add(doc, KindPoint, 1);
    EXPECT_TRUE(AddColourEntry(*point, Day, {"z", false, 0x0000FF}));
    EXPECT_EQ(point->XpmHeader[Day].ColourCount, 5);
    EXPECT_EQ(point->Colours[Day][4].Code, 'z');
    EXPECT_EQ(point->Colours[Day][4].Colour(), 0x0000FFu);
    EXPECT_EQ(point->XpmHeader[Night].ColourCount, 0);
}

TEST(AddColourEntry, RefusedWithoutCodeWithoutBitmapAndForLines) {
    TypDocument doc;
    TGarminObject* point = Add(doc, KindPoint, 1);
    EXPECT_FALSE(AddColourEntry(*point, Day, {"", false, 0}));
    EXPECT_FALSE(AddColourEntry(*point, Night, {"z", false, 0})); // no night bitmap
    TGarminObject* line = Add(doc, KindLine, 2);
    EXPECT_FALSE(AddColourEntry(*line, Day, {"z", false, 0}));
    EXPECT_EQ(point->XpmHeader[Day].ColourCount, 4);
}

TEST(PropertyWrites, StoreTheUsersValueLimitedToTheRangeAndSayWhetherItChanged) {
    TGarminObject line;
    line.Kind = KindLine;
    EXPECT_TRUE(SetLineWidth(line, 7));
    EXPECT_EQ(line.LineWidth, 7);
    EXPECT_FALSE(SetLineWidth(line, 7));
    EXPECT_TRUE(SetLineWidth(line, 99));
    EXPECT_EQ(line.LineWidth, 15);
    line.BorderWidth = 4;
    EXPECT_TRUE(SetBorderWidth(line, 0));
    EXPECT_EQ(line.BorderWidth, 0);
    EXPECT_FALSE(SetBorderWidth(line, -3));
}

TEST(PropertyWrites, OrientationKeepsAStoredSetValueThatStillReadsY) {
    TGarminObject line;
    line.Kind = KindLine;
    line.UseOrientation = 5;
    EXPECT_FALSE(SetUseOrientation(line, 1));
    EXPECT_EQ(line.UseOrientation, 5);
    EXPECT_TRUE(SetUseOrientation(line, 0));
    EXPECT_EQ(line.UseOrientation, 0);
    EXPECT_TRUE(SetUseOrientation(line, 1));
    EXPECT_EQ(line.UseOrientation, 1);
}

TEST(PropertyWrites, CharsPerPixelGoesIntoBothHeadersOfAPointOnly) {
    TypDocument doc;
    TGarminObject* point = Add(doc, KindPoint, 1);
    point->XpmHeader[Night] = point->XpmHeader[Day];
    EXPECT_TRUE(SetCharsPerPixel(*point, 2));
    EXPECT_EQ(point->XpmHeader[Day].CharsPerPixel, 2);
    EXPECT_EQ(point->XpmHeader[Night].CharsPerPixel, 2);
    point->XpmHeader[Night].CharsPerPixel = 1;
    EXPECT_TRUE(SetCharsPerPixel(*point, 2)); // the night header still differed
    EXPECT_FALSE(SetCharsPerPixel(*point, 2));

    TGarminObject* line = Add(doc, KindLine, 2);
    EXPECT_TRUE(SetCharsPerPixel(*line, 2));
    EXPECT_EQ(line->XpmHeader[Day].CharsPerPixel, 2);
    EXPECT_EQ(line->XpmHeader[Night].CharsPerPixel, 0);
}

TEST(ColourEntryChoice, PaintingTakesTheChosenEntryOfAPointAndOnlyTheDayPairOfALine) {
    TypDocument doc;
    TGarminObject* point = Add(doc, KindPoint, 1);
    TGarminObject* line = Add(doc, KindLine, 2);
    struct Case {
        const char* Name;
        const TGarminObject* Object;
        int View, Entry;
        std::optional<int> Plane; // none: nothing can be painted
    };
    for (const Case& c :
         {Case{"point entry", point, Day, 2, Day}, Case{"point without night bitmap", point, Night, 1, {}},
          Case{"point entry past the count", point, Day, 4, {}}, Case{"no entry", point, Day, -1, {}},
          Case{"line day pair", line, Day, 1, Day}, Case{"line by night", line, Night, 0, {}},
          Case{"line night pair", line, Day, 2, {}}}) {
        SCOPED_TRACE(c.Name);
        const std::optional<PaintTarget> target = PaintTargetOf(*c.Object, c.View, c.Entry);
        ASSERT_EQ(target.has_value(), c.Plane.has_value());
        if (!target) continue;
        EXPECT_EQ(target->Plane, *c.Plane);
        EXPECT_EQ(target->Entry, c.Entry);
        EXPECT_EQ(target->Code, c.Object->Colours[size_t(*c.Plane)][size_t(c.Entry)].Code);
    }
}

TEST(ColourEntryChoice, APixelReachesTheOpaqueEntryOfItsCodeAndALinesNightViewTheNightPair) {
    TypDocument doc;
    TGarminObject* point = Add(doc, KindPoint, 1);
    point->Pixels[Day][0][0] = point->Colours[Day][2].Code;
    const std::optional<PixelEntry> entry = EntryOfPixel(*point, 0, 0, Day);
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->Table, Day);
    EXPECT_EQ(entry->Entry, 2u);
    EXPECT_FALSE(EntryOfPixel(*point, 0, 1, Day).has_value()) << "a transparent pixel is not recoloured";
    EXPECT_FALSE(EntryOfPixel(*point, 99, 0, Day).has_value());

    TGarminObject* line = Add(doc, KindLine, 2);
    line->Pixels[Day][0][0] = line->Colours[Day][0].Code;
    ASSERT_TRUE(EntryOfPixel(*line, 0, 0, Night).has_value());
    EXPECT_EQ(EntryOfPixel(*line, 0, 0, Night)->Table, Day);
    EXPECT_EQ(EntryOfPixel(*line, 0, 0, Night)->Entry, 2u) << "the night colour of the pixel's day entry";
}

} // namespace
} // namespace velmora
