// The map drawn with a style: pixels at known places of maps made in code.
#include "view/map_render.h"

#include "map/img_reader.h"

#include "model/text_format.h"
#include "test_maps.h"
#include "test_objects.h"
#include "typbin/binary_import.h"
#include "typbin/typ_compiler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <map>
#include <memory>
#include <numbers>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace velmora {
namespace {

using test::PixelColour;

constexpr uint32_t Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000, WhiteColour = 0xFFFFFF;
constexpr uint32_t PlainArea = 0xDDDDDD, PlainDot = 0x404040;
constexpr QRgb PlainLine = 0xFF808080;

QImage Draw(const TypDocument& style, const MapFile& map, int view = Day, bool showUndefined = true) {
    MapRenderer renderer;
    renderer.SetMaps({&map});
    return renderer.Draw(style, {TestBox, TestSize, view, AutomaticLevel, showUndefined, false});
}

const std::string DayNightArea =
    "[_polygon]\nType=0x01\nXPM=\"0 0 2 1\"\n\"a c #FF0000\"\n\"b c #0000FF\"\n[end]\n";

TEST(MapRender, AreasTakeTheirStyleColoursByDayAndByNight) {
    struct Case {
        const char* Name;
        std::string Style;
        uint32_t DayColour, NightColour;
    };
    const Case cases[] = {
        {"one colour", "[_polygon]\nType=0x01\nXPM=\"0 0 1 1\"\n\"a c #FF0000\"\n[end]\n", Red, Red},
        {"day and night colour", DayNightArea, Red, Blue},
        {"second colour clear",
         "[_polygon]\nType=0x01\nXPM=\"0 0 2 1\"\n\"a c #FF0000\"\n\"b c none\"\n[end]\n", Red, Red},
        {"four-colour pattern",
         "[_polygon]\nType=0x01\nXPM=\"32 32 4 1\"\n\"a c #FF0000\"\n\"b c #FF0000\"\n\"c c #00FF00\"\n"
         "\"d c #00FF00\"\n" +
             [] {
                 std::string rows;
                 for (int i = 0; i < 32; ++i)
                     rows +=
                         "\"" + std::string(16, 'a') + std::string(16, 'b') + (i == 31 ? "\"};\n" : "\"\n");
                 return rows;
             }() +
             "[end]\n",
         Red, Green},
    };
    const MapFile map = MapOf({Area(0x01, 10.0, 0.0, 10.5, 1.0)});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const TypDocument style = Style(c.Style);
        const QImage day = Draw(style, map, Day), night = Draw(style, map, Night);
        EXPECT_EQ(PixelColour(day, 25, 50), c.DayColour);
        EXPECT_EQ(PixelColour(night, 25, 50), c.NightColour);
        EXPECT_EQ(PixelColour(day, 75, 50), WhiteColour) << "the area ends at longitude 10.5";
    }
}

TEST(MapRender, DrawOrderPutsHigherLevelsOverLowerOnes) {
    struct Case {
        const char* Name;
        std::string DrawOrder;
        uint32_t Overlap;
    };
    // Area 0x01 is red, 0x02 green; the map holds 0x02 first, then 0x01.
    const Case cases[] = {
        {"0x01 higher", "Type=0x01,2\nType=0x02,1\n", Red},
        {"0x02 higher", "Type=0x01,1\nType=0x02,2\n", Green},
        {"0x01 unlisted, under all others", "Type=0x02,1\n", Green},
        {"0x02 unlisted, under all others", "Type=0x01,1\n", Red},
        {"neither listed: the map's order", "", Red},
    };
    const MapFile map = MapOf({Area(0x02, 10.3, 0.0, 11.0, 1.0), Area(0x01, 10.0, 0.0, 10.7, 1.0)});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const TypDocument style = Style("[_drawOrder]\n" + c.DrawOrder + "[end]\n" +
                                        "[_polygon]\nType=0x01\nXPM=\"0 0 1 1\"\n\"a c #FF0000\"\n[end]\n"
                                        "[_polygon]\nType=0x02\nXPM=\"0 0 1 1\"\n\"a c #00FF00\"\n[end]\n");
        const QImage picture = Draw(style, map);
        EXPECT_EQ(PixelColour(picture, 50, 50), c.Overlap);
        EXPECT_EQ(PixelColour(picture, 15, 50), Red);
        EXPECT_EQ(PixelColour(picture, 85, 50), Green);
    }
}

TEST(MapRender, PatternAreaShowsItsColoursAndLetsClearPixelsShowWhatLiesUnder) {
    // Columns 0 to 15 of the pattern red, 16 to 31 clear, over a blue area; the pattern repeats
    // every 32 pixels from the picture's corner.
    std::string rows;
    for (int i = 0; i < 32; ++i)
        rows += "\"" + std::string(16, 'a') + std::string(16, 'b') + (i == 31 ? "\"};\n" : "\"\n");
    const TypDocument style =
        Style("[_drawOrder]\nType=0x01,1\nType=0x02,2\n[end]\n"
              "[_polygon]\nType=0x01\nXPM=\"0 0 1 1\"\n\"a c #0000FF\"\n[end]\n"
              "[_polygon]\nType=0x02\nXPM=\"32 32 2 1\"\n\"a c #FF0000\"\n\"b c none\"\n" +
              rows + "[end]\n");
    const QImage picture =
        Draw(style, MapOf({Area(0x01, 10.0, 0.0, 11.0, 1.0), Area(0x02, 10.0, 0.0, 11.0, 1.0)}));
    EXPECT_EQ(PixelColour(picture, 5, 50), Red);
    EXPECT_EQ(PixelColour(picture, 20, 50), Blue);
    EXPECT_EQ(PixelColour(picture, 37, 50), Red);
}

TEST(MapRender, LinesTakeTheirWidthBorderAndColoursByDayAndByNight) {
    // A line of 4 pixels over a border of 2 on each side: rows 49 to 51 line, 47 and 53 border.
    const TypDocument style =
        Style("[_line]\nType=0x02\nLineWidth=4\nBorderWidth=2\nXPM=\"0 0 4 1\"\n"
              "\"a c #FF0000\"\n\"b c #0000FF\"\n\"c c #00FF00\"\n\"d c #FF00FF\"\n[end]\n");
    const MapFile map = MapOf({Road(0x02)});
    const QImage day = Draw(style, map, Day), night = Draw(style, map, Night);
    EXPECT_EQ(PixelColour(day, 50, 49), Red);
    EXPECT_EQ(PixelColour(day, 50, 51), Red);
    EXPECT_EQ(PixelColour(day, 50, 53), Blue);
    EXPECT_EQ(PixelColour(day, 50, 47), Blue);
    EXPECT_EQ(PixelColour(day, 50, 57), WhiteColour);
    EXPECT_EQ(PixelColour(night, 50, 50), Green);
    EXPECT_EQ(PixelColour(night, 50, 53), 0xFF00FFu) << "the night border colour";
}

TEST(MapRender, LineBitmapIsLaidAlongTheLineAndTurnsWithItWhereOriented) {
    // Three rows over pixel rows 49 to 51: the first red, the others clear. Oriented, the first row
    // lies left of the direction of travel; otherwise it stays on top.
    struct Case {
        const char* Orientation;
        bool Westward;
        int RedRow;
    };
    const Case cases[] = {
        {"UseOrientation=Y\n", false, 49}, {"UseOrientation=Y\n", true, 51}, {"", false, 49}, {"", true, 49}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Orientation) + (c.Westward ? "westward" : "eastward"));
        const TypDocument style =
            Style(std::string("[_line]\nType=0x18\n") + c.Orientation +
                  "XPM=\"32 3 2 1\"\n\"a c #FF0000\"\n\"b c none\"\n\"" + std::string(32, 'a') + "\"\n\"" +
                  std::string(32, 'b') + "\"\n\"" + std::string(32, 'b') + "\"};\n[end]\n");
        const QImage picture = Draw(style, MapOf({Road(0x18, c.Westward)}));
        for (int row : {49, 50, 51})
            EXPECT_EQ(PixelColour(picture, 50, row), row == c.RedRow ? Red : WhiteColour) << row;
    }
}

TEST(MapRender, PointIconIsCentredAtItsPixelSizeByDayAndByNight) {
    // A 4 x 4 icon, its top left quarter red by day and blue by night, the rest green, on (50, 50).
    const TypDocument style =
        Style("[_point]\nType=0x2F\nSubType=0x06\nDayXPM=\"4 4 2 1\"\n"
              "\"a c #FF0000\"\n\"b c #00FF00\"\n\"aabb\"\n\"aabb\"\n\"bbbb\"\n\"bbbb\"};\n"
              "NightXPM=\"4 4 2 1\"\n\"a c #0000FF\"\n\"b c #00FF00\"\n"
              "\"aabb\"\n\"aabb\"\n\"bbbb\"\n\"bbbb\"};\n[end]\n");
    const MapFile map = MapOf({Poi(0x2F, 0x06)});
    const QImage day = Draw(style, map, Day), night = Draw(style, map, Night);
    EXPECT_EQ(PixelColour(day, 48, 48), Red);
    EXPECT_EQ(PixelColour(day, 49, 49), Red);
    EXPECT_EQ(PixelColour(day, 51, 51), Green);
    EXPECT_EQ(PixelColour(day, 47, 50), WhiteColour);
    EXPECT_EQ(PixelColour(day, 52, 50), WhiteColour);
    EXPECT_EQ(PixelColour(night, 48, 48), Blue);
    EXPECT_EQ(PixelColour(night, 51, 51), Green);
    EXPECT_EQ(PixelColour(Draw(style, MapOf({Poi(0x2F, 0x07)})), 50, 50), PlainDot)
        << "another subtype is another type";
}

TEST(MapRender, TypesTheStyleLacksAreDrawnPlainlyOrHidden) {
    const TypDocument style = Style(DayNightArea);
    const MapFile map = MapOf({Area(0x4E, 10.0, 0.0, 10.4, 1.0), Road(0x07), Poi(0x30)});
    const QImage shown = Draw(style, map, Day, true);
    EXPECT_EQ(PixelColour(shown, 20, 20), PlainArea);
    EXPECT_EQ(shown.pixel(80, 50), PlainLine);
    EXPECT_EQ(PixelColour(shown, 50, 50), PlainDot);
    const QImage hidden = Draw(style, map, Day, false);
    EXPECT_TRUE(test::AllOf(hidden, hidden.rect(), WhiteColour));
}

TEST(MapRender, ExtendedTypesFindTheirStyleObjects) {
    const TypDocument style =
        Style("[_point]\nType=0x11401\nDayXPM=\"2 2 1 1\"\n\"a c #FF0000\"\n\"aa\"\n\"aa\"};\n"
              "[end]\n"
              "[_line]\nType=0x10e01\nLineWidth=3\nXPM=\"0 0 1 1\"\n\"a c #0000FF\"\n[end]\n"
              "[_polygon]\nType=0x10f04\nXPM=\"0 0 1 1\"\n\"a c #00FF00\"\n[end]\n");
    const MapFile map =
        MapOf({Area(0x10f, 10.0, 0.0, 10.3, 1.0, 0x04), Area(0x10f, 10.7, 0.0, 11.0, 1.0, 0x05),
               Object(MapKind::Line, 0x10e, {At(10.0, 0.2), At(11.0, 0.2)}, 0x01), Poi(0x114, 0x01)});
    const QImage picture = Draw(style, map);
    EXPECT_EQ(PixelColour(picture, 10, 50), Green);
    EXPECT_EQ(PixelColour(picture, 90, 50), PlainArea) << "subtype 0x05 is not defined";
    EXPECT_EQ(PixelColour(picture, 50, 80), Blue);
    EXPECT_EQ(PixelColour(picture, 50, 50), Red);
}

TEST(MapRender, CompiledStyleDrawsTheSamePictureAsItsText) {
    std::string pattern;
    for (int i = 0; i < 32; ++i)
        pattern += "\"" + std::string(8, 'a') + std::string(24, 'b') + (i == 31 ? "\"};\n" : "\"\n");
    const TypDocument text =
        Style("[_id]\nProductCode=1\nFID=777\nCodepage=1252\n[end]\n"
              "[_drawOrder]\nType=0x01,2\nType=0x02,1\nType=0x10f04,3\n[end]\n"
              "[_point]\nType=0x2F\nSubType=0x06\nDayXPM=\"4 4 2 1\"\n\"a c #FF0000\"\n\"b c none\"\n"
              "\"abba\"\n\"abba\"\n\"abba\"\n\"abba\"};\n[end]\n"
              "[_line]\nType=0x02\nLineWidth=4\nBorderWidth=1\nXPM=\"0 0 2 1\"\n\"a c #FF8000\"\n\"b c "
              "#400000\"\n[end]\n"
              "[_line]\nType=0x18\nUseOrientation=Y\nXPM=\"32 2 2 1\"\n\"a c #0000FF\"\n\"b c none\"\n\"" +
              std::string(32, 'a') + "\"\n\"" + std::string(32, 'b') +
              "\"};\n[end]\n"
              "[_polygon]\nType=0x01\nXPM=\"0 0 2 1\"\n\"a c #00A000\"\n\"b c #003000\"\n[end]\n"
              "[_polygon]\nType=0x02\nXPM=\"32 32 4 1\"\n\"a c #808000\"\n\"b c #FFFF80\"\n\"c c #202000\"\n"
              "\"d c #404000\"\n" +
              pattern +
              "[end]\n"
              "[_polygon]\nType=0x10f04\nXPM=\"32 32 2 1\"\n\"a c #0000C0\"\n\"b c none\"\n" +
              pattern + "[end]\n");
    const CompileResult compiled = CompileTyp(text);
    const TypDocument imported = ImportBinaryTyp(compiled.Bytes).Document;

    const MapFile map = MapOf({Area(0x01, 10.0, 0.0, 10.6, 1.0), Area(0x02, 10.4, 0.2, 11.0, 0.8),
                               Area(0x10f, 10.2, 0.1, 10.8, 0.4, 0x04), Road(0x02),
                               Object(MapKind::Line, 0x18, {At(10.1, 0.9), At(10.9, 0.6)}), Poi(0x2F, 0x06)});
    for (int view : {Day, Night}) {
        const QImage fromText = Draw(text, map, view), fromCompiled = Draw(imported, map, view);
        EXPECT_EQ(fromText, fromCompiled) << (view == Day ? "day" : "night");
    }
}

TEST(MapRender, RedrawShowsEditsOfTheStyleWithoutBeingTold) {
    TypDocument style = Style("[_drawOrder]\nType=0x01,1\nType=0x02,2\n[end]\n" + DayNightArea +
                              "[_polygon]\nType=0x02\nXPM=\"0 0 1 1\"\n\"a c #00FF00\"\n[end]\n");
    const MapFile map = MapOf({Area(0x01, 10.0, 0.0, 10.7, 1.0), Area(0x02, 10.3, 0.0, 11.0, 1.0)});
    MapRenderer renderer;
    renderer.SetMaps({&map});
    const MapRenderOptions options{TestBox, TestSize, Day, AutomaticLevel, true, false};
    EXPECT_EQ(PixelColour(renderer.Draw(style, options), 15, 50), Red);
    EXPECT_EQ(PixelColour(renderer.Draw(style, options), 50, 50), Green);

    style.PolygonList[0]->Colours[Day][0].SetColour(Blue);
    EXPECT_EQ(PixelColour(renderer.Draw(style, options), 15, 50), Blue) << "a colour changed";
    style.HeaderLines = {"[_drawOrder]", "Type=0x01,3", "Type=0x02,2", "[end]"};
    EXPECT_EQ(PixelColour(renderer.Draw(style, options), 50, 50), Blue) << "the draw order changed";
    style.PolygonList.erase(style.PolygonList.begin());
    EXPECT_EQ(PixelColour(renderer.Draw(style, options), 15, 50), PlainArea) << "the type was deleted";
}

TEST(MapRender, PictureSpansTheBoxInWebMercator) {
    // Far from the equator, latitude 65 lies below the middle of a 60..70 box.
    const double north = 70, south = 60;
    const double boundary = (MercatorY(north) - MercatorY(65)) / (MercatorY(north) - MercatorY(south)) * 100;
    ASSERT_GT(boundary, 54);
    const MapFile map = [&] {
        MapFile m = MapOf({Area(0x01, 10.0, 60.0, 10.5, 65.0)});
        m.Tiles[0].Bounds = {At(9, 50).X, At(9, 50).Y, At(12, 80).X, At(12, 80).Y};
        m.Tiles[0].Levels[0].Cells[0].Box = m.Tiles[0].Bounds;
        return m;
    }();
    MapRenderer renderer;
    renderer.SetMaps({&map});
    const QImage picture = renderer.Draw(Style(DayNightArea), {{10.0, south, 11.0, north}, TestSize});
    EXPECT_EQ(PixelColour(picture, 25, int(boundary) + 2), Red);
    EXPECT_EQ(PixelColour(picture, 25, int(boundary) - 2), WhiteColour);
    EXPECT_EQ(PixelColour(picture, 49, 99), Red);
    EXPECT_EQ(PixelColour(picture, 51, 99), WhiteColour);
}

TEST(MapRender, ScaleChoosesTheLevel) {
    MapTile tile;
    for (auto [level, bits] : {std::pair{0, 24}, {1, 22}, {2, 20}, {3, 18}})
        tile.Levels.push_back({level, bits, {}, {}});
    const std::pair<double, int> cases[] = {{0.5, 0}, {1, 0}, {3.9, 0}, {4, 1}, {16, 2}, {100, 3}, {1e6, 3}};
    for (auto [unitsPerPixel, level] : cases)
        EXPECT_EQ(LevelForScale(tile, unitsPerPixel)->Level, level) << unitsPerPixel;
    EXPECT_EQ(LevelForScale(MapTile{}, 1), nullptr);
}

// The pixels of the rectangle that are red, or nearly so where a letter's edge is smoothed.
int RedPixels(const QImage& picture, QRect rect) {
    int red = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            red += qRed(picture.pixel(x, y)) > 200 && qGreen(picture.pixel(x, y)) < 60;
    return red;
}

QImage DrawLabelled(const TypDocument& style, const MapObject& object) {
    const MapFile map = MapOf({object});
    MapRenderer renderer;
    renderer.SetMaps({&map});
    return renderer.Draw(style, {TestBox, TestSize});
}

TEST(MapRender, LabelsTakeTheStyleFontAndColour) {
    // A point labelled in red, in the large font; with NoLabel it stays unlabelled.
    auto redPixelsRightOfPoint = [](const std::string& font) {
        const TypDocument style =
            Style("[_point]\nType=0x30\n" + font +
                  "DaycustomColor:#FF0000\nDayXPM=\"2 2 1 1\"\n\"a c #00FF00\"\n\"aa\"\n\"aa\"};\n"
                  "[end]\n");
        return RedPixels(DrawLabelled(style, Poi(0x30, 0, "Hm")), QRect(52, 40, 48, 20));
    };
    EXPECT_GT(redPixelsRightOfPoint("FontStyle=LargeFont\n"), redPixelsRightOfPoint("FontStyle=SmallFont\n"));
    EXPECT_GT(redPixelsRightOfPoint("FontStyle=SmallFont\n"), 10);
    EXPECT_EQ(redPixelsRightOfPoint("FontStyle=NoLabel\n"), 0);

    // A road's name along the road, in the road's label colour.
    auto redPixelsOnRoad = [](const std::string& font) {
        const TypDocument style =
            Style("[_line]\nType=0x02\n" + font +
                  "DaycustomColor:#FF0000\nLineWidth=3\nXPM=\"0 0 1 1\"\n\"a c #0000FF\"\n"
                  "[end]\n");
        MapObject road = Road(0x02);
        road.Label = "Main";
        return RedPixels(DrawLabelled(style, road), QRect(0, 40, 100, 22));
    };
    EXPECT_GT(redPixelsOnRoad(""), 10);
    EXPECT_EQ(redPixelsOnRoad("FontStyle=NoLabel\n"), 0);
}

// A style that gives every type of the map's most detailed levels one colour by kind: areas
// green, lines red and three pixels wide, points a blue 3 x 3 icon.
TypDocument StyleForEveryType(const MapFile& map) {
    std::set<std::tuple<MapKind, uint32_t, uint32_t>> types;
    for (const MapTile& tile : map.Tiles)
        if (!tile.Levels.empty())
            for (const MapObject& object : tile.Levels.front().Objects)
                types.emplace(object.Kind, object.Type, object.SubType);
    TypDocument style;
    for (const auto& [kind, type, subType] : types) {
        auto object = std::make_unique<TGarminObject>();
        if (kind == MapKind::Point) {
            *object = test::MakeObject(KindPoint, {test::Opaque('a', Blue)}, {"aaa", "aaa", "aaa"});
            object->TypeCode = type;
            object->SubTypeCode = subType;
        } else {
            const bool line = kind == MapKind::Line;
            *object =
                test::MakeObject(line ? KindLine : KindPolygon, {test::Opaque('a', line ? Red : Green)}, {});
            object->TypeCode = type > 0xFF ? type << 8 | subType : type;
            object->LineWidth = 3;
        }
        style.List(object->Kind).push_back(std::move(object));
    }
    return style;
}

TEST(MapRender, RealMapCentreDrawsRoadsAreasAndIcons) {
    const std::filesystem::path path = std::filesystem::path(VELMORA_CORPUS_DIR) / "maps" / "prague.img";
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << "corpus map ../shared/corpus/maps/prague.img is absent";
    const MapFile map = ReadImgMap(path.string());
    const TypDocument style = StyleForEveryType(map);
    MapRenderer renderer;
    renderer.SetMaps({&map});
    auto counts = [](const QImage& picture) {
        std::map<uint32_t, int> colours;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                ++colours[PixelColour(picture, x, y)];
        return colours;
    };
    MapRenderOptions centre{{14.395, 50.070, 14.445, 50.0957}, QSize(640, 512)};
    centre.Labels = false;
    auto colours = counts(renderer.Draw(style, centre));
    const int pixels = 640 * 512;
    EXPECT_GT(colours[Green], pixels / 10) << "areas";
    EXPECT_GT(colours[Red], pixels / 20) << "roads";
    EXPECT_GT(colours[Blue], 9 * 50) << "icons";
    EXPECT_EQ(colours[PlainArea] + colours[PlainDot], 0) << "every type is in the style";

    // The whole map, at a scale that takes a less detailed level, still shows roads.
    MapRenderOptions whole{ToGeoBox(map.Tiles.front().Bounds), QSize(256, 256)};
    for (const MapTile& tile : map.Tiles) {
        whole.Box.West = std::min(whole.Box.West, ToGeoBox(tile.Bounds).West);
        whole.Box.South = std::min(whole.Box.South, ToGeoBox(tile.Bounds).South);
        whole.Box.East = std::max(whole.Box.East, ToGeoBox(tile.Bounds).East);
        whole.Box.North = std::max(whole.Box.North, ToGeoBox(tile.Bounds).North);
    }
    colours = counts(renderer.Draw(style, whole));
    EXPECT_GT(colours[Red], 256 * 256 / 50);
}

TEST(MapRender, OddInputDrawsWithoutHarm) {
    const TypDocument style = Style(DayNightArea);
    constexpr int32_t Far = std::numeric_limits<int32_t>::max();
    MapFile map = MapOf({Object(MapKind::Polygon, 0x01, {{-Far, -Far}, {Far, -Far}, {Far, Far}}),
                         Object(MapKind::Line, 0x01, {{-Far, 0}, {Far, Far}}),
                         Object(MapKind::Line, 0x01, {At(10.5, 0.5)}), Area(0x01, 10.5, 0.5, 10.5, 0.5)});
    map.Tiles[0].Levels[0].Objects.push_back(MapObject{});
    map.Tiles[0].Bounds = {-Far, -Far, Far, Far};
    map.Tiles[0].Levels[0].Cells = {{map.Tiles[0].Bounds, 0, 5}};
    MapRenderer renderer;
    renderer.SetMaps({&map});
    EXPECT_FALSE(renderer.Draw(style, {TestBox, TestSize}).isNull());
    EXPECT_FALSE(renderer.Draw(style, {{-180, -85, 180, 85}, TestSize}).isNull());
    EXPECT_FALSE(renderer.Draw(style, {{10, 86, 11, 89}, TestSize}).isNull()) << "beyond Mercator's reach";
    EXPECT_FALSE(renderer.Draw(style, {{10.5, 0.5, 10.5 + 1e-12, 0.5 + 1e-12}, TestSize}).isNull());
    EXPECT_TRUE(renderer.Draw(style, {{11, 0, 10, 1}, TestSize}).isNull()) << "an empty box";
    EXPECT_TRUE(renderer.Draw(style, {TestBox, QSize(0, 10)}).isNull());
    EXPECT_TRUE(renderer.Draw(style, {TestBox, QSize(MaxPictureEdge + 1, 10)}).isNull());
}

} // namespace
} // namespace velmora
