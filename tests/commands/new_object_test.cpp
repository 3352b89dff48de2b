#include "commands/new_object.h"

#include <gtest/gtest.h>

#include <set>

namespace velmora {
namespace {

struct Colour {
    char Code;
    bool Transparent;
    int Red, Green, Blue;
};

void ExpectTable(const std::vector<TColourEntry>& table, std::vector<Colour> expected) {
    ASSERT_GE(table.size(), expected.size());
    for (size_t k = 0; k < expected.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(table[k].Code, expected[k].Code);
        EXPECT_EQ(table[k].IsTransparent(), expected[k].Transparent);
        EXPECT_EQ(int(table[k].Red), expected[k].Red);
        EXPECT_EQ(int(table[k].Green), expected[k].Green);
        EXPECT_EQ(int(table[k].Blue), expected[k].Blue);
    }
}

bool PlaneIs(const std::vector<std::string>& plane, int width, int height, char fill) {
    if (plane.size() != size_t(height)) return false;
    for (const std::string& row : plane)
        if (row != std::string(size_t(width), fill)) return false;
    return true;
}

TEST(BuildNewObject, DefaultPointIsTransparent16x16WithFourDayColoursAndNoNight) {
    NewObjectSettings settings;
    settings.TypeText = "000";
    settings.SubTypeText = "00";
    const TGarminObject point = BuildNewObject(settings);

    EXPECT_EQ(point.Kind, KindPoint);
    EXPECT_EQ(point.TypeCode, 0u);
    EXPECT_EQ(point.SubTypeCode, 0u);
    EXPECT_EQ(point.XpmHeader[Day], (TXpmHeader{16, 16, 4, 1}));
    EXPECT_EQ(point.XpmHeader[Night], TXpmHeader{});
    ExpectTable(point.Colours[Day], {{'~', true, 255, 255, 255},
                                     {'1', false, 255, 0, 0},
                                     {'2', false, 0, 128, 0},
                                     {'3', false, 255, 255, 0}});
    EXPECT_TRUE(PlaneIs(point.Pixels[Day], 16, 16, '~'));
    EXPECT_TRUE(point.Labels.empty());
    EXPECT_EQ(point.UseOrientation, 0);
    EXPECT_EQ(point.LineWidth, 0);
    EXPECT_EQ(point.BorderWidth, 0);
    ASSERT_TRUE(point.Quadrat.has_value());
    EXPECT_EQ(point.Quadrat->ColCount, 16);
    EXPECT_EQ(point.Quadrat->RowCount, 16);
    EXPECT_EQ(point.Quadrat->CellSize, 20);
    EXPECT_EQ(ListLabel(point), "00/00");
}

TEST(BuildNewObject, DayAndNightPointGetsNightColoursShiftedAlongThePalette) {
    NewObjectSettings settings;
    settings.DayAndNight = true;
    const TGarminObject point = BuildNewObject(settings);
    EXPECT_EQ(point.XpmHeader[Night], point.XpmHeader[Day]);
    ExpectTable(point.Colours[Night], {{'~', true, 255, 255, 255},
                                       {'5', false, 0, 128, 0},
                                       {'6', false, 255, 255, 0},
                                       {'7', false, 0, 0, 255}});
    EXPECT_TRUE(PlaneIs(point.Pixels[Night], 16, 16, '~'));
}

TEST(BuildNewObject, FortyColourPointHasDefinedColoursAndDistinctNightCodes) {
    NewObjectSettings settings;
    settings.ColourCount = 40;
    settings.DayAndNight = true;
    const TGarminObject point = BuildNewObject(settings);
    for (int view : {Day, Night}) {
        const auto& table = point.Colours[size_t(view)];
        ASSERT_EQ(table.size(), 40u);
        std::set<char> codes;
        for (const TColourEntry& entry : table)
            codes.insert(entry.Code);
        EXPECT_EQ(codes.size(), 40u) << "view " << view;
    }
    // Day entry 17 wraps round to the first palette colour; night entry 38 would be "~".
    EXPECT_EQ(point.Colours[Day][17].Colour(), 0x0000FFu);
    EXPECT_EQ(point.Colours[Night][16].Colour(), 0x0000FFu);
    EXPECT_EQ(point.Colours[Night][38].Code, 'X');
    EXPECT_FALSE(point.Colours[Night][38].IsTransparent());
}

TEST(BuildNewObject, DefaultLineIs32x4OfFirstCode) {
    NewObjectSettings settings;
    settings.Kind = KindLine;
    settings.TypeText = "0000";
    settings.Width = 32;
    settings.Height = 4;
    settings.ColourCount = 2;
    const TGarminObject line = BuildNewObject(settings);
    EXPECT_EQ(line.XpmHeader[Day], (TXpmHeader{32, 4, 2, 1}));
    ExpectTable(line.Colours[Day], {{'0', false, 255, 0, 0}, {'1', false, 0, 128, 0}});
    EXPECT_TRUE(PlaneIs(line.Pixels[Day], 32, 4, '0'));
    EXPECT_TRUE(PlaneIs(line.Pixels[Night], 32, 4, '\0'));
    EXPECT_EQ(line.SubTypeCode, 0u);
    EXPECT_EQ(ListLabel(line), "00");

    settings.DayAndNight = true;
    settings.ColourCount = 4;
    ExpectTable(BuildNewObject(settings).Colours[Day], {{'0', false, 255, 0, 0},
                                                        {'1', false, 0, 128, 0},
                                                        {'2', false, 255, 255, 0},
                                                        {'3', false, 0, 0, 255}});
}

TEST(BuildNewObject, LineWithoutBitmapKeepsWidthsAndGetsSwatchMatrix) {
    NewObjectSettings settings;
    settings.Kind = KindLine;
    settings.NoBitmap = true;
    settings.Width = 32;
    settings.Height = 4;
    settings.ColourCount = 2;
    settings.LineWidth = 3;
    settings.BorderWidth = 1;
    const TGarminObject line = BuildNewObject(settings);
    EXPECT_EQ(line.XpmHeader[Day].Width, 0);
    EXPECT_EQ(line.XpmHeader[Day].Height, 0);
    EXPECT_EQ(line.XpmHeader[Day].ColourCount, 2);
    EXPECT_EQ(line.LineWidth, 3);
    EXPECT_EQ(line.BorderWidth, 1);
    EXPECT_TRUE(line.Pixels[Day].empty());
    ExpectTable(line.Colours[Day], {{'0', false, 255, 0, 0}, {'1', false, 0, 128, 0}});
    ASSERT_TRUE(line.Quadrat.has_value());
    EXPECT_EQ(line.Quadrat->ColCount, 0);
    EXPECT_EQ(line.Quadrat->SwatchCount, 2);
}

TEST(BuildNewObject, DefaultPolygonIs32x32OfFirstCode) {
    NewObjectSettings settings;
    settings.Kind = KindPolygon;
    settings.TypeText = "0000";
    settings.Width = 32;
    settings.Height = 32;
    settings.ColourCount = 2;
    const TGarminObject polygon = BuildNewObject(settings);
    EXPECT_EQ(polygon.Kind, KindPolygon);
    EXPECT_TRUE(PlaneIs(polygon.Pixels[Day], 32, 32, '0'));
    EXPECT_EQ(polygon.LineWidth, 0);
}

TEST(BuildNewObject, TypeFieldIsHexadecimal) {
    struct Case {
        uint8_t Kind;
        const char* Type;
        const char* SubType;
        uint32_t TypeCode, SubTypeCode;
        const char* Label;
    };
    for (const Case& c :
         {Case{KindPoint, "1a2", "", 0x1A2, 0, "1A2/00"}, Case{KindPoint, "2f", "1", 0x2F, 1, "2F/01"},
          Case{KindPoint, "", "", 0, 0, "00/00"}, Case{KindLine, "1a", "5", 0x1A, 0, "1A"},
          Case{KindPolygon, "10f", "", 0x10F, 0, "10F"}}) {
        SCOPED_TRACE(c.Type);
        NewObjectSettings settings;
        settings.Kind = c.Kind;
        settings.TypeText = c.Type;
        settings.SubTypeText = c.SubType;
        const TGarminObject object = BuildNewObject(settings);
        EXPECT_EQ(object.TypeCode, c.TypeCode);
        EXPECT_EQ(object.SubTypeCode, c.SubTypeCode);
        EXPECT_EQ(ListLabel(object), c.Label);
    }
}

TEST(BuildNewObject, ColourCountBelowWhatTheKindSeedsStaysInsideTheTable) {
    for (uint8_t kind : {KindPoint, KindLine}) {
        for (uint8_t count : {0, 1}) {
            NewObjectSettings settings;
            settings.Kind = kind;
            settings.ColourCount = count;
            settings.DayAndNight = true;
            const TGarminObject object = BuildNewObject(settings);
            EXPECT_EQ(object.Colours[Day].size(), count);
            EXPECT_EQ(object.Colours[Night].size(), count);
        }
    }
}

TEST(CreationPreset, PresetsByKind) {
    const CreationPreset point = CreationPresetFor(KindPoint, false);
    EXPECT_EQ(point.StatusText, "Создание точки");
    EXPECT_FALSE(point.NoBitmapVisible);
    EXPECT_EQ(point.Width, (SpinPreset{2, 24, 16, true}));
    EXPECT_EQ(point.ColourCount, (SpinPreset{2, 40, 4, true}));
    EXPECT_EQ(point.TypeText, "000");
    EXPECT_EQ(point.SubTypeText, "00");
    EXPECT_EQ(point.TypeMaxLength, 3);
    EXPECT_EQ(point.SubTypeMaxLength, 2);
    EXPECT_EQ(point.Orientation, OrientationPreset::DisableAndSetN);
    EXPECT_FALSE(point.ViewChooserFollowsColours);

    const CreationPreset line = CreationPresetFor(KindLine, false);
    EXPECT_EQ(line.StatusText, "Создание линии");
    EXPECT_EQ(line.Width, (SpinPreset{1, 32, 32, false}));
    EXPECT_EQ(line.Height, (SpinPreset{1, 32, 4, true}));
    EXPECT_EQ(line.ColourCount.Value, 2);
    EXPECT_EQ(CreationPresetFor(KindLine, true).ColourCount.Value, 4);
    EXPECT_EQ(line.TypeText, "0000");
    EXPECT_FALSE(line.SubTypeVisible);
    EXPECT_TRUE(line.ViewChooserFollowsColours);

    const CreationPreset polygon = CreationPresetFor(KindPolygon, true);
    EXPECT_EQ(polygon.StatusText, "Создание полигона");
    EXPECT_EQ(polygon.Height, (SpinPreset{0, 32, 32, false}));
    EXPECT_EQ(polygon.ColourCount, (SpinPreset{1, 4, 4, false}));
    EXPECT_EQ(polygon.Orientation, OrientationPreset::Unchanged);
}

TEST(CreationPreset, TypeFieldKeepsOnlyHexDigitsAndBackspace) {
    for (char32_t c : {U'0', U'9', U'a', U'f', U'A', U'F', U'\b'})
        EXPECT_TRUE(IsTypeFieldKey(c)) << int(c);
    for (char32_t c : {U'g', U'G', U'x', U' ', U'-', U'\r', U'ф'})
        EXPECT_FALSE(IsTypeFieldKey(c)) << int(c);
}

} // namespace
} // namespace velmora
