#include "commands/label_style.h"

#include "commands/new_object.h"
#include "commands/object_edits.h"

#include <gtest/gtest.h>

#include <functional>

namespace velmora {
namespace {

TEST(LabelStyle, EachSetterStoresTheValueAndSaysWhetherItChanged) {
    struct Case {
        const char* What;
        std::function<bool(TGarminObject&)> Set;
        std::function<bool(const TGarminObject&)> Holds;
    };
    const std::vector<Case> cases = {
        {"font style", [](TGarminObject& o) { return SetFontStyle(o, FontSmall); },
         [](const TGarminObject& o) { return o.FontStyle == FontSmall; }},
        {"font style 0 (Default) is a value, not none",
         [](TGarminObject& o) { return SetFontStyle(o, FontDefault); },
         [](const TGarminObject& o) { return o.FontStyle == FontDefault; }},
        {"day colour", [](TGarminObject& o) { return SetDayLabelColour(o, 0x0080FF); },
         [](const TGarminObject& o) { return o.DayLabelColour == 0x0080FFu && !o.NightLabelColour; }},
        {"night colour black", [](TGarminObject& o) { return SetNightLabelColour(o, 0); },
         [](const TGarminObject& o) { return o.NightLabelColour == 0u && !o.DayLabelColour; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        TGarminObject object;
        EXPECT_TRUE(c.Set(object));
        EXPECT_TRUE(c.Holds(object));
        EXPECT_FALSE(c.Set(object)) << "the same value again";
    }
}

TEST(LabelStyle, NoneTakesTheValueAwayAndOutOfRangeValuesAreRefusedOrCut) {
    TGarminObject object;
    object.FontStyle = FontLarge;
    object.DayLabelColour = 0x112233;
    object.NightLabelColour = 0x445566;
    EXPECT_TRUE(SetFontStyle(object, std::nullopt));
    EXPECT_TRUE(SetDayLabelColour(object, std::nullopt));
    EXPECT_TRUE(SetNightLabelColour(object, std::nullopt));
    EXPECT_FALSE(object.FontStyle || object.DayLabelColour || object.NightLabelColour);
    EXPECT_FALSE(SetFontStyle(object, std::nullopt));

    EXPECT_FALSE(SetFontStyle(object, uint8_t(MaxFontStyle + 1)));
    EXPECT_FALSE(object.FontStyle.has_value());
    EXPECT_TRUE(SetFontStyle(object, MaxFontStyle));
    EXPECT_TRUE(SetDayLabelColour(object, 0xFF00FF00u));
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
    TGarminObject point = BuildNewObject(NewObjectSettings{});
    point.FontStyle = FontNoLabel;
    point.DayLabelColour = 0x010203;
    point.NightLabelColour = 0x040506;
    point.SetColourAlpha(Day, 1, 9);
    point.KeptLines.push_back({KeptPlace::AfterType, Day, 0, ";kept"});
    ASSERT_TRUE(RetypeFromCatalogue(point, "0x2f01    АЗС").has_value());
    EXPECT_EQ(point.FontStyle, FontNoLabel);
    EXPECT_EQ(point.DayLabelColour, 0x010203u);
    EXPECT_EQ(point.NightLabelColour, 0x040506u);
    EXPECT_EQ(point.ColourAlpha(Day, 1), 9);
    EXPECT_EQ(point.KeptLines.size(), 1u);
}

} // namespace
} // namespace velmora
