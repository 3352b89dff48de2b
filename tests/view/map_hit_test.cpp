// The object under a pixel of a map picture: what a click on the map preview picks.
#include "view/map_hit.h"

#include "test_maps.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

// Two areas, the left half over the whole when the draw order says so; a road through row 50; a
// 4 x 4 icon on (50, 50); a point of a type the style lacks at (75, 20.5).
std::string HitStyle(int wholeLevel, int halfLevel) {
    return "[_drawOrder]\nType=0x01," + std::to_string(wholeLevel) + "\nType=0x02," +
           std::to_string(halfLevel) +
           "\n[end]\n"
           "[_polygon]\nType=0x01\nXPM=\"0 0 1 0\"\n\"a c #FF0000\"\n[end]\n"
           "[_polygon]\nType=0x02\nXPM=\"0 0 1 0\"\n\"a c #00FF00\"\n[end]\n"
           "[_line]\nType=0x06\nLineWidth=3\nXPM=\"0 0 1 0\"\n\"a c #0000FF\"\n[end]\n"
           "[_point]\nType=0x2F\nSubType=0x06\nDayXPM=\"4 4 1 1\"\n\"a c #FF0000\"\n"
           "\"aaaa\"\n\"aaaa\"\n\"aaaa\"\n\"aaaa\"\n[end]\n";
}

MapFile HitMap() {
    return MapOf({Area(0x01, 10.0, 0.0, 11.0, 1.0), Area(0x02, 10.0, 0.0, 10.5, 1.0), Road(0x06),
                  Poi(0x2F, 0x06), Object(MapKind::Point, 0x30, {At(10.75, LatitudeAt(20.5))})});
}

struct Hit {
    uint32_t Type = 0; // 0: nothing
    MapKind Kind = MapKind::Point;
};

Hit HitAt(const TypDocument& style, const MapFile& map, QPointF pixel, bool showUndefined = true) {
    const MapObject* object =
        ObjectAt({&map}, style, {TestBox, TestSize, Day, AutomaticLevel, showUndefined, false}, pixel);
    return object ? Hit{object->Type, object->Kind} : Hit{};
}

TEST(MapHit, TheTopmostObjectUnderThePixelIsHit) {
    const TypDocument style = Style(HitStyle(1, 2));
    const MapFile map = HitMap();
    struct Case {
        const char* What;
        QPointF Pixel;
        uint32_t Type;
        MapKind Kind;
    } const cases[] = {
        {"the icon over the road and the areas", {49.5, 49.5}, 0x2F, MapKind::Point},
        {"beside the icon, on the road", {53, 50.5}, 0x06, MapKind::Line},
        {"a few pixels off the road's middle", {80, 54}, 0x06, MapKind::Line},
        {"beyond the road's reach", {80, 56}, 0x01, MapKind::Polygon},
        {"the area of the higher draw level", {20, 20}, 0x02, MapKind::Polygon},
        {"the plain dot of a type the style lacks", {76, 21}, 0x30, MapKind::Point},
        {"outside the map", {-5, 10}, 0, MapKind::Point},
    };
    for (const Case& c : cases) {
        const Hit hit = HitAt(style, map, c.Pixel);
        EXPECT_EQ(hit.Type, c.Type) << c.What;
        if (c.Type) {
            EXPECT_EQ(hit.Kind, c.Kind) << c.What;
        }
    }
}

TEST(MapHit, DrawOrderAndHiddenTypesDecideWhatLiesOnTop) {
    const MapFile map = HitMap();
    EXPECT_EQ(HitAt(Style(HitStyle(2, 1)), map, {20, 20}).Type, 0x01u) << "the whole area now over the half";
    EXPECT_EQ(HitAt(Style(HitStyle(1, 2)), map, {76, 21}, false).Type, 0x01u)
        << "a hidden type is passed over for what is drawn under it";
}

TEST(MapHit, OddViewsHitNothing) {
    const TypDocument style = Style(HitStyle(1, 2));
    const MapFile map = HitMap();
    EXPECT_EQ(ObjectAt({&map}, style, {GeoBox{}, TestSize, Day, AutomaticLevel, true, false}, {50, 50}),
              nullptr);
    EXPECT_EQ(ObjectAt({&map}, style, {TestBox, QSize(0, 0), Day, AutomaticLevel, true, false}, {50, 50}),
              nullptr);
    EXPECT_EQ(ObjectAt({}, style, {TestBox, TestSize, Day, AutomaticLevel, true, false}, {50, 50}), nullptr);
}

} // namespace
} // namespace velmora
