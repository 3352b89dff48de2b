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

std::vector<uint32_t> Types(const ObjectList& list) {
    std::vector<uint32_t> types;
    for (const auto& object : list)
        types.push_back(object->TypeCode);
    return types;
}

TEST(DeleteObject, RemovesOnlyTheChosenObjectOfItsKindAndSetsModified) {
    TypDocument doc;
    Add(doc, KindPoint, 0x10);
    Add(doc, KindLine, 0x20);
    for (uint32_t type : {0x31u, 0x32u, 0x33u})
        Add(doc, KindPolygon, type);
    doc.CurrentObject = doc.PolygonList[1].get();

    EXPECT_TRUE(DeleteObject(doc, KindPolygon, 1));
    EXPECT_EQ(Types(doc.PolygonList), (std::vector<uint32_t>{0x31, 0x33}));
    EXPECT_EQ(doc.CurrentObject, nullptr);
    EXPECT_TRUE(doc.Modified);
    EXPECT_EQ(doc.PointList.size(), 1u);
    EXPECT_EQ(doc.LineList.size(), 1u);

    EXPECT_TRUE(DeleteObject(doc, KindLine, 0));
    EXPECT_TRUE(doc.LineList.empty());
}

TEST(DeleteObject, IndexOutsideTheListChangesNothing) {
    TypDocument doc;
    TGarminObject* line = Add(doc, KindLine, 0x20);
    doc.CurrentObject = line;
    for (int index : {-1, 1, 7})
        EXPECT_FALSE(DeleteObject(doc, KindLine, index)) << index;
    EXPECT_FALSE(DeleteObject(doc, KindPoint, 0));
    EXPECT_EQ(doc.LineList.size(), 1u);
    EXPECT_EQ(doc.CurrentObject, line);
    EXPECT_FALSE(doc.Modified);
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
        const std::optional<QString> text = RetypeFromCatalogue(doc, *object, c.Row);
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(*text, QString::fromUtf8(c.ListText));
        EXPECT_EQ(object->TypeCode, c.Type);
        EXPECT_EQ(object->SubTypeCode, c.SubType);
        EXPECT_TRUE(doc.Modified);
    }
}

TEST(RetypeFromCatalogue, RowWithoutXChangesNothing) {
    TypDocument doc;
    TGarminObject* object = Add(doc, KindPoint, 0x99);
    EXPECT_FALSE(RetypeFromCatalogue(doc, *object, "2f01 АЗС").has_value());
    EXPECT_EQ(object->TypeCode, 0x99u);
    EXPECT_FALSE(doc.Modified);
}

TEST(AppendLabelLine, AppendsLanguageCodeAndCommaAndSetsModified) {
    TypDocument doc;
    TGarminObject* object = Add(doc, KindPoint, 1);
    object->Labels = {"0x19,Заправка"};
    EXPECT_TRUE(AppendLabelLine(doc, *object, "0x04 - english"));
    EXPECT_EQ(object->Labels, (std::vector<std::string>{"0x19,Заправка", "0x04,"}));
    EXPECT_TRUE(doc.Modified);
    EXPECT_FALSE(AppendLabelLine(doc, *object, "0x"));
    EXPECT_EQ(object->Labels.size(), 2u);
}

TEST(ChangeColourEntry, RecodesEveryPixelOfTheViewAndTakesColour) {
    TypDocument doc;
    TGarminObject* point = Add(doc, KindPoint, 1);
    point->Pixels[Day][0] = std::string(16, '1');
    point->Pixels[Day][5][5] = '2';
    EXPECT_TRUE(ChangeColourEntry(doc, *point, Day, 1, {"b", false, 0x00FF80}));
    EXPECT_EQ(point->Pixels[Day][0], std::string(16, 'b'));
    EXPECT_EQ(point->Pixels[Day][5][5], '2');
    EXPECT_EQ(point->Colours[Day][1].Code, 'b');
    EXPECT_EQ(point->Colours[Day][1].Colour(), 0x00FF80u);
    EXPECT_FALSE(point->Colours[Day][1].IsTransparent());
    EXPECT_TRUE(doc.Modified);

    EXPECT_TRUE(ChangeColourEntry(doc, *point, Day, 2, {"c", true, 0x123456}));
    EXPECT_TRUE(point->Colours[Day][2].IsTransparent());
    EXPECT_EQ(point->Colours[Day][2].Colour(), 0xFFFFFFu);
}

TEST(ChangeColourEntry, EmptyCodeFieldOrEntryOutsideTheTableChangesNothing) {
    TypDocument doc;
    TGarminObject* point = Add(doc, KindPoint, 1);
    const TGarminObject before = *point;
    EXPECT_FALSE(ChangeColourEntry(doc, *point, Day, 1, {"", false, 0}));
    EXPECT_FALSE(ChangeColourEntry(doc, *point, Day, 4, {"z", false, 0}));
    EXPECT_FALSE(ChangeColourEntry(doc, *point, Night, 0, {"z", false, 0}));
    EXPECT_EQ(point->Colours[Day], before.Colours[Day]);
    EXPECT_FALSE(doc.Modified);
}

TEST(AddColourEntry, AddsToThePointsViewOnly) {
    TypDocument doc;
    TGarminObject* point = Add(doc, KindPoint, 1);
    EXPECT_TRUE(AddColourEntry(doc, *point, Day, {"z", false, 0x0000FF}));
    EXPECT_EQ(point->XpmHeader[Day].ColourCount, 5);
    EXPECT_EQ(point->Colours[Day][4].Code, 'z');
    EXPECT_EQ(point->Colours[Day][4].Colour(), 0x0000FFu);
    EXPECT_EQ(point->XpmHeader[Night].ColourCount, 0);
    EXPECT_TRUE(doc.Modified);
}

TEST(AddColourEntry, RefusedWithoutCodeWithoutBitmapAndForLines) {
    TypDocument doc;
    TGarminObject* point = Add(doc, KindPoint, 1);
    EXPECT_FALSE(AddColourEntry(doc, *point, Day, {"", false, 0}));
    EXPECT_FALSE(AddColourEntry(doc, *point, Night, {"z", false, 0})); // no night bitmap
    TGarminObject* line = Add(doc, KindLine, 2);
    EXPECT_FALSE(AddColourEntry(doc, *line, Day, {"z", false, 0}));
    EXPECT_EQ(point->XpmHeader[Day].ColourCount, 4);
    EXPECT_FALSE(doc.Modified);
}

} // namespace
} // namespace velmora
