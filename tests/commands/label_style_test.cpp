#include "commands/label_style.h"

#include "commands/new_object.h"
#include "commands/object_edits.h"

#include <gtest/gtest.h>

#include <functional>

namespace velmora {
namespace {

TEST(LabelStyle, EachSetterStoresTheValueSaysWhetherItChangedAndSetsModified) {
    struct Case {
        const char* What;
        std::function<bool(TypDocument&, TGarminObject&)> Set;
        std::function<bool(const TGarminObject&)> Holds;
    };
    const std::vector<Case> cases = {
        {"font style", [](TypDocument& d, TGarminObject& o) { return SetFontStyle(d, o, FontSmall); },
         [](const TGarminObject& o) { return o.FontStyle == FontSmall; }},
        {"font style 0 (Default) is a value, not none",
         [](TypDocument& d, TGarminObject& o) { return SetFontStyle(d, o, FontDefault); },
         [](const TGarminObject& o) { return o.FontStyle == FontDefault; }},
        {"day colour", [](TypDocument& d, TGarminObject& o) { return SetDayLabelColour(d, o, 0x0080FF); },
         [](const TGarminObject& o) { return o.DayLabelColour == 0x0080FFu && !o.NightLabelColour; }},
        {"night colour black", [](TypDocument& d, TGarminObject& o) { return SetNightLabelColour(d, o, 0); },
         [](const TGarminObject& o) { return o.NightLabelColour == 0u && !o.DayLabelColour; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        TypDocument doc;
        TGarminObject object;
        EXPECT_TRUE(c.Set(doc, object));
        EXPECT_TRUE(c.Holds(object));
        EXPECT_TRUE(doc.Modified);
        doc.Modified = false;
        EXPECT_FALSE(c.Set(doc, object)) << "the same value again";
        EXPECT_FALSE(doc.Modified);
    }
}

TEST(LabelStyle, NoneTakesTheValueAwayAndOutOfRangeValuesAreRefusedOrCut) {
    TypDocument doc;
    TGarminObject object;
    object.FontStyle = FontLarge;
    object.DayLabelColour = 0x112233;
    object.NightLabelColour = 0x445566;
    EXPECT_TRUE(SetFontStyle(doc, object, std::nullopt));
    EXPECT_TRUE(SetDayLabelColour(doc, object, std::nullopt));
    EXPECT_TRUE(SetNightLabelColour(doc, object, std::nullopt));
    EXPECT_FALSE(object.FontStyle || object.DayLabelColour || object.NightLabelColour);
    doc.Modified = false;
    EXPECT_FALSE(SetFontStyle(doc, object, std::nullopt));
    EXPECT_FALSE(doc.Modified);

    EXPECT_FALSE(SetFontStyle(doc, object, uint8_t(MaxFontStyle + 1)));
    EXPECT_FALSE(object.FontStyle.has_value());
    EXPECT_FALSE(doc.Modified);
    EXPECT_TRUE(SetFontStyle(doc, object, MaxFontStyle));
    EXPECT_TRUE(SetDayLabelColour(doc, object, 0xFF00FF00u));
    EXPECT_EQ(object.DayLabelColour, 0x00FF00u) << "a colour has 24 bits";
}

TEST(LabelStyle, NewObjectsStartWithoutAndRetypingKeepsThem) {
    for (uint8_t kind : {KindPoint, KindLine, KindPolygon}) {
        NewObjectSettings settings;
        settings.Kind = kind;
        const TGarminObject object = BuildNewObject(settings);
        EXPECT_FALSE(object.FontStyle || object.DayLabelColour || object.NightLabelColour) << int(kind);
        EXPECT_TRUE(object.Alpha[Day].empty() && object.Alpha[Night].empty() && object.KeptLines.empty());
    }
    TypDocument doc;
    TGarminObject point = BuildNewObject(NewObjectSettings{});
    point.FontStyle = FontNoLabel;
    point.DayLabelColour = 0x010203;
    point.NightLabelColour = 0x040506;
    point.SetColourAlpha(Day, 1, 9);
    point.KeptLines.push_back({KeptPlace::AfterType, Day, 0, ";kept"});
    ASSERT_TRUE(RetypeFromCatalogue(doc, point, "0x2f01    АЗС").has_value());
    EXPECT_EQ(point.FontStyle, FontNoLabel);
    EXPECT_EQ(point.DayLabelColour, 0x010203u);
    EXPECT_EQ(point.NightLabelColour, 0x040506u);
    EXPECT_EQ(point.ColourAlpha(Day, 1), 9);
    EXPECT_EQ(point.KeptLines.size(), 1u);
}

} // namespace
} // namespace velmora
