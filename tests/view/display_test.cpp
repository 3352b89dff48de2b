#include "test_objects.h"
#include "view/display.h"
#include "view/properties.h"
#include "view/render.h"

#include <gtest/gtest.h>

#include <random>

namespace velmora {
namespace {

using test::MakeObject;
using test::Opaque;
using test::SameData;
using test::SetVariant;
using test::Transparent;

TGarminObject Typed(uint8_t kind, uint32_t type, uint32_t subType) {
    TGarminObject object;
    object.Kind = kind;
    object.TypeCode = type;
    object.SubTypeCode = subType;
    return object;
}

TEST(ListEntryText, ReadsAsUpperCaseHexadecimalByKind) {
    struct Case {
        uint8_t Kind;
        uint32_t Type;
        uint32_t SubType;
        const char* Expected;
    };
    const Case cases[] = {
        {KindPoint, 0x2F, 0x0B, "2F/0B"}, {KindPoint, 0x01, 0x00, "01/00"}, {KindPoint, 0xFF, 0x1F, "FF/1F"},
        {KindPoint, 0x10A, 0x05, "10A"},  {KindPoint, 0x2a00, 0, "2A00"},   {KindLine, 0x1, 0x7, "01"},
        {KindPolygon, 0x1A, 0, "1A"},     {KindLine, 0x10f04, 0, "10F04"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListEntryText(Typed(c.Kind, c.Type, c.SubType)), QString::fromLatin1(c.Expected));
}

TEST(ColorBox, ListsTransparentEntriesAsNoneWithCodeAndSelectsTheLastOpaque) {
    TGarminObject point =
        MakeObject(KindPoint, {Opaque('a', 0), Transparent('x'), Opaque(' ', 0xFF), Transparent('y')}, {"a"});
    const ColourList list = ColorBox(point, Day);
    const std::vector<QString> expected = {"a", "none x", QStringLiteral(" пробел"), "none y"};
    EXPECT_EQ(list.Items, expected);
    EXPECT_EQ(list.Selected, 2);
}

TEST(ColorBox, AllTransparentLeavesNoSelection) {
    TGarminObject point = MakeObject(KindPoint, {Transparent('x'), Transparent('y')}, {"x"});
    EXPECT_EQ(ColorBox(point, Day).Selected, -1);
    EXPECT_EQ(ColorBox(point, Day).Items.size(), 2u);
}

TEST(ColorBox, ReadsOnlyTheEntriesTheTableHoldsAndTheHeaderCounts) {
    TGarminObject point = MakeObject(KindPoint, {Opaque('a', 0), Opaque('b', 0), Opaque('c', 0)}, {"a"});
    point.XpmHeader[Day].ColourCount = 2;
    EXPECT_EQ(ColorBox(point, Day).Items.size(), 2u);
    point.XpmHeader[Day].ColourCount = 9;
    EXPECT_EQ(ColorBox(point, Day).Items.size(), 3u);
    EXPECT_TRUE(ColorBox(point, Night).Items.empty());
    EXPECT_TRUE(ColorBox(point, 5).Items.empty());
}

TEST(LineBitmapColourList, ListsNoneWithoutCodeByDayAndNothingByNight) {
    TGarminObject line =
        MakeObject(KindLine, {Opaque('a', 0), Transparent('b'), Opaque(' ', 0), Transparent('d')}, {"ab"});
    const ColourList day = LineBitmapColourList(line, Day);
    const std::vector<QString> expected = {"a", "none", QStringLiteral(" пробел"), "none"};
    EXPECT_EQ(day.Items, expected);
    EXPECT_EQ(day.Selected, 2);
    const ColourList night = LineBitmapColourList(line, Night);
    EXPECT_TRUE(night.Items.empty());
    EXPECT_EQ(night.Selected, -1);
    EXPECT_EQ(ShownColourList(line, Day).Items, expected);
}

TEST(ColourListEntryColour, PointsUseTheirViewLinesTheNightPairByNight) {
    TGarminObject point = MakeObject(KindPoint, {Opaque('a', 0x111111)}, {"a"});
    SetVariant(point, Night, {Opaque('a', 0x222222)}, {"a"});
    EXPECT_EQ(ColourListEntryColour(point, Night, 0), 0x222222u);
    EXPECT_EQ(ColourListEntryColour(point, Day, 0), 0x111111u);
    EXPECT_EQ(ColourListEntryColour(point, Day, 1), std::nullopt);

    TGarminObject line =
        MakeObject(KindLine, {Opaque('a', 1), Opaque('b', 2), Opaque('c', 3), Opaque('d', 4)}, {"ab"});
    EXPECT_EQ(ColourListEntryColour(line, Day, 1), 2u);
    EXPECT_EQ(ColourListEntryColour(line, Night, 1), 4u);
    EXPECT_EQ(ColourListEntryColour(line, Night, 2), std::nullopt);
    EXPECT_EQ(ColourListEntryColour(line, Day, -1), std::nullopt);
}

TEST(ColourReadout, ShowsNoneOrSixUpperCaseDigitsRedFirst) {
    TGarminObject point =
        MakeObject(KindPoint, {Transparent('x'), Opaque('b', 0xFF0000), Opaque('o', 0x0080FF)}, {"x"});
    point.Colours[Day][2].Red = 0x1FF; // only the low byte counts
    const ColourList list = ColorBox(point, Day);
    EXPECT_EQ(ColourReadout(point, Day, 0, list.Items[0]), "none");
    EXPECT_EQ(ColourReadout(point, Day, 1, list.Items[1]), "0000FF");
    EXPECT_EQ(ColourReadout(point, Day, 2, list.Items[2]), "FF8000");
    EXPECT_EQ(ColourReadout(point, Day, -1, u""), "");
    EXPECT_EQ(ColourReadout(point, Day, 3, u"q"), "");
}

TEST(ColourReadout, LinesReadTheDayEntryOfTheIndexInEitherView) {
    TGarminObject line = MakeObject(
        KindLine, {Opaque('a', 0x0000AA), Opaque('b', 0), Opaque('c', 0x0000CC), Opaque('d', 0)}, {"ab"});
    EXPECT_EQ(ColourReadout(line, Night, 0, u"a"), "AA0000");
}

TEST(KindSelection, PointsDisableTheSizeFieldsPolygonsTheWidths) {
    const KindDisplayState point = KindSelectionState(KindPoint);
    EXPECT_EQ(point.LineWidthEnabled, false);
    EXPECT_EQ(point.ColourCountEnabled, false);
    EXPECT_EQ(point.HeightEnabled, false);
    EXPECT_EQ(point.SizeMinimum, 0);
    EXPECT_EQ(point.ViewChooserEnabled, true);
    const KindDisplayState line = KindSelectionState(KindLine);
    EXPECT_FALSE(line.LineWidthEnabled || line.ColourCountEnabled || line.ViewChooserEnabled);
    const KindDisplayState polygon = KindSelectionState(KindPolygon);
    EXPECT_EQ(polygon.LineWidthEnabled, false);
    EXPECT_EQ(polygon.BorderWidthEnabled, false);
    EXPECT_FALSE(polygon.ViewChooserEnabled.has_value());
}

// The five kinds of object the property column tells apart.
TGarminObject PointWithNight() {
    TGarminObject point = MakeObject(KindPoint, {Opaque('a', 0), Transparent('b')}, {"ab", "ba"});
    SetVariant(point, Night, {Opaque('a', 0), Opaque('b', 0), Opaque('c', 0)}, {"abc"});
    return point;
}
TGarminObject FourColourBitmap(uint8_t kind) {
    return MakeObject(kind, {Opaque('a', 0), Opaque('b', 0), Opaque('c', 0), Opaque('d', 0)}, {"ab"});
}
TGarminObject Swatches(uint8_t kind) {
    TGarminObject object =
        MakeObject(kind, {Opaque('a', 0), Opaque('b', 0), Opaque('c', 0), Opaque('d', 0)}, {});
    object.LineWidth = 4;
    object.BorderWidth = 2;
    return object;
}

TEST(ObjectDisplay, EnabledStatesFollowTheKindOfObject) {
    struct Case {
        const char* Name;
        TGarminObject Object;
        bool ViewChooser;
        bool Orientation;
        std::optional<bool> Widths;
        bool CharsPerPixel;
        bool Labels;
        int SizeMaximum;
    };
    const Case cases[] = {
        {"point", PointWithNight(), true, false, std::nullopt, true, false, 24},
        {"line with bitmap", FourColourBitmap(KindLine), true, true, false, true, false, 32},
        {"polygon with bitmap", FourColourBitmap(KindPolygon), true, false, false, true, false, 32},
        {"line without bitmap", Swatches(KindLine), false, false, true, false, true, 32},
        {"polygon without bitmap", Swatches(KindPolygon), false, false, std::nullopt, false, true, 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const ObjectDisplayState state = ObjectDisplay(c.Object, Day);
        EXPECT_EQ(state.ViewChooserEnabled, c.ViewChooser);
        EXPECT_EQ(state.OrientationEnabled, c.Orientation);
        EXPECT_EQ(state.LineWidthEnabled, c.Widths);
        EXPECT_EQ(state.BorderWidthEnabled, c.Widths);
        EXPECT_EQ(state.CharsPerPixelEnabled, c.CharsPerPixel);
        EXPECT_EQ(state.SwatchLabelsVisible, c.Labels);
        EXPECT_EQ(state.Width.Maximum, c.SizeMaximum);
        EXPECT_EQ(state.Height.Maximum, c.SizeMaximum);
        EXPECT_EQ(state.View, Day);
        EXPECT_TRUE(state.HasPicture);
    }
}

TEST(ObjectDisplay, ShowsTheValuesOfTheViewAndTheObjectsZoom) {
    TGarminObject point = PointWithNight();
    point.Quadrat->CellSize = 7;
    point.XpmHeader[Night].CharsPerPixel = 2;
    const ObjectDisplayState night = ObjectDisplay(point, Night);
    EXPECT_EQ(night.View, Night);
    EXPECT_FALSE(night.ForceViewToDay);
    EXPECT_EQ(night.ZoomPosition, 7);
    EXPECT_EQ(night.Width, (SpinDisplay{3, 0, 24}));
    EXPECT_EQ(night.Height, (SpinDisplay{1, 0, 24}));
    EXPECT_EQ(night.ColourCount, (SpinDisplay{3, 1, 3}));
    EXPECT_EQ(night.CharsPerPixel, (SpinDisplay{2, 1, 2}));
    EXPECT_EQ(night.Colours.Items.size(), 3u);
    EXPECT_FALSE(night.LineWidth.has_value());
    EXPECT_FALSE(night.OrientationIndex.has_value());

    TGarminObject line = Swatches(KindLine);
    line.UseOrientation = 1;
    const ObjectDisplayState state = ObjectDisplay(line, Day);
    EXPECT_EQ(state.LineWidth, (SpinDisplay{4, 1, 15}));
    EXPECT_EQ(state.BorderWidth, (SpinDisplay{2, 0, 15}));
    EXPECT_EQ(state.OrientationIndex, 1);
    EXPECT_EQ(state.ColourCount, (SpinDisplay{4, 1, 4}));
    EXPECT_EQ(state.Colours.Items.size(), 4u);
    EXPECT_EQ(state.Colours.Selected, 3);
}

TEST(ObjectDisplay, ViewFallsBackToDayWhereThereIsNoNightToShow) {
    struct Case {
        const char* Name;
        TGarminObject Object;
        int View;
        bool Forced;
        size_t ListSize;
    };
    TGarminObject dayOnlyPoint = MakeObject(KindPoint, {Opaque('a', 0)}, {"a"});
    TGarminObject twoColourLine = MakeObject(KindLine, {Opaque('a', 0), Opaque('b', 0)}, {"ab"});
    const Case cases[] = {
        {"point without night bitmap", dayOnlyPoint, Day, true, 1},
        {"point with night bitmap", PointWithNight(), Night, false, 3},
        {"line with two colours", twoColourLine, Day, true, 2},
        {"line with four colours keeps the night, with an empty list", FourColourBitmap(KindLine), Night,
         false, 0},
        // The squares stand for the day table: its colours are listed, not the unused night table's.
        {"line without bitmap", Swatches(KindLine), Day, true, 4},
        {"polygon without bitmap", Swatches(KindPolygon), Day, true, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const ObjectDisplayState state = ObjectDisplay(c.Object, Night);
        EXPECT_EQ(state.View, c.View);
        EXPECT_EQ(state.ForceViewToDay, c.Forced);
        EXPECT_EQ(state.Colours.Items.size(), c.ListSize);
    }
}

TEST(ObjectDisplay, FieldsShowClampedValuesWhileTheObjectKeepsItsOwn) {
    TGarminObject point = MakeObject(KindPoint, {Opaque('a', 0)}, {std::string(32, 'a')});
    point.XpmHeader[Day].CharsPerPixel = 0;
    const TGarminObject before = point;
    const ObjectDisplayState state = ObjectDisplay(point, Day);
    EXPECT_EQ(state.Width.Value, 24);
    EXPECT_EQ(state.CharsPerPixel.Value, 1);
    EXPECT_TRUE(SameData(point, before));
}

TEST(ObjectDisplay, ObjectWithoutMatrixIsShownWithoutPicture) {
    TGarminObject line;
    line.Kind = KindLine;
    const ObjectDisplayState state = ObjectDisplay(line, Day);
    EXPECT_FALSE(state.HasPicture);
    EXPECT_EQ(state.ZoomPosition, 20);
    EXPECT_TRUE(state.Colours.Items.empty());
    EXPECT_EQ(state.ColourCount, (SpinDisplay{0, 0, 0}));
}

TEST(ObjectDisplay, DisagreeingHeadersAndTablesAreReadSafely) {
    std::mt19937 random(54321);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int round = 0; round < 400; ++round) {
        TGarminObject object;
        object.Kind = uint8_t(pick(0, 2));
        object.LineWidth = uint8_t(pick(0, 255));
        object.BorderWidth = uint8_t(pick(0, 255));
        object.UseOrientation = pick(-3, 3);
        for (int variant : {Day, Night}) {
            object.XpmHeader[size_t(variant)] = {uint8_t(pick(0, 40)), uint8_t(pick(0, 40)),
                                                 uint8_t(pick(0, 6)), uint8_t(pick(0, 3))};
            for (int k = pick(0, 6); k > 0; --k)
                object.Colours[size_t(variant)].push_back(pick(0, 1) ? Opaque(char(pick(0, 255)), 0x123456)
                                                                     : Transparent(char(pick(0, 255))));
        }
        const TGarminObject before = object;
        for (int view : {Day, Night, 2}) {
            const ObjectDisplayState state = ObjectDisplay(object, view);
            for (const SpinDisplay& spin :
                 {state.ColourCount, state.Width, state.Height, state.CharsPerPixel}) {
                EXPECT_LE(spin.Minimum, spin.Value);
                EXPECT_LE(spin.Value, spin.Maximum);
            }
            EXPECT_LT(state.Colours.Selected, int(state.Colours.Items.size()));
            for (int i = -1; i <= 7; ++i) {
                ColourListEntryColour(object, view, i);
                ColourReadout(object, view, i, u"x");
            }
        }
        EXPECT_TRUE(SameData(object, before));
    }
}

TEST(ShowingAnObject, NeverChangesIt) {
    TGarminObject line = Swatches(KindLine);
    line.LineWidth = 0;
    line.BorderWidth = 40;
    line.UseOrientation = 7;
    TGarminObject point = PointWithNight();
    point.XpmHeader[Day].CharsPerPixel = 1;
    point.XpmHeader[Night].CharsPerPixel = 2;
    for (TGarminObject* object : {&line, &point}) {
        const TGarminObject before = *object;
        QImage picture;
        for (int view : {Day, Night}) {
            const ObjectDisplayState state = ObjectDisplay(*object, view);
            RenderObject(picture, *object, state.View);
            ResizeGrid(picture, *object, state.ZoomPosition, state.View, QSize(300, 300));
            for (int i = 0; i < int(state.Colours.Items.size()); ++i) {
                ColourListEntryColour(*object, state.View, i);
                ColourReadout(*object, state.View, i, state.Colours.Items[size_t(i)]);
            }
        }
        EXPECT_TRUE(SameData(*object, before));
    }
    EXPECT_EQ(line.LineWidth, 0);
    EXPECT_EQ(ObjectDisplay(line, Day).LineWidth->Value, 1);
    EXPECT_EQ(point.XpmHeader[Night].CharsPerPixel, 2);
}

TEST(LabelStyle, FontListOffersNoneAndTheFileWordsAndSelectsTheObjectsStyle) {
    const std::vector<QString> words = {"none", "NoLabel", "SmallFont", "NormalFont", "LargeFont", "Default"};
    struct Case {
        std::optional<uint8_t> Style;
        int Selected;
    };
    for (const Case& c : {Case{std::nullopt, 0}, Case{FontNoLabel, 1}, Case{FontSmall, 2},
                          Case{FontNormal, 3}, Case{FontLarge, 4}, Case{FontDefault, 5}}) {
        const FontStyleChoices list = FontStyleListOf(c.Style);
        EXPECT_EQ(list.Items, words);
        ASSERT_EQ(list.Values.size(), words.size());
        EXPECT_EQ(list.Selected, c.Selected);
        EXPECT_EQ(list.Values[size_t(c.Selected)], c.Style);
    }
    // A style no word names (a compiled font byte may hold 5 to 7) is offered as its number, so that
    // showing the object keeps it.
    const FontStyleChoices odd = FontStyleListOf(uint8_t(6));
    ASSERT_EQ(odd.Items.size(), 7u);
    EXPECT_EQ(odd.Items.back(), "6");
    EXPECT_EQ(odd.Selected, 6);
    EXPECT_EQ(odd.Values.back(), std::optional<uint8_t>(6));
}

TEST(LabelStyle, ShownForEveryObjectAndDisabledWithoutOne) {
    const LabelStyleDisplay nothing = LabelStyleOf(nullptr);
    EXPECT_FALSE(nothing.Enabled);
    EXPECT_EQ(nothing.Fonts.Selected, 0);
    EXPECT_FALSE(nothing.DayColour || nothing.NightColour);

    TGarminObject line = Swatches(KindLine);
    line.FontStyle = FontLarge;
    line.NightLabelColour = 0x123456;
    TGarminObject point = PointWithNight();
    point.DayLabelColour = 0x0000FF;
    for (const TGarminObject* object : {&line, &point}) {
        for (int view : {Day, Night}) {
            const LabelStyleDisplay shown = ObjectDisplay(*object, view).LabelStyle;
            EXPECT_TRUE(shown.Enabled);
            EXPECT_EQ(shown.Fonts.Values[size_t(shown.Fonts.Selected)], object->FontStyle);
            EXPECT_EQ(shown.DayColour, object->DayLabelColour);
            EXPECT_EQ(shown.NightColour, object->NightLabelColour);
        }
    }
}

} // namespace
} // namespace velmora
