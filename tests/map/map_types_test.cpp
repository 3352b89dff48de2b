// The one mapping between a map's types and the objects of a TYP document.
#include "map/map_types.h"
#include "model/text_format.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// A style that names its types in each of the ways the text form allows.
constexpr const char* Style = R"([_drawOrder]
Type=0x50,1
Type=0x10f04, 3
Type=nonsense,2
Type=0x3c
[end]
[_point]
Type=0x2a
SubType=0x05
[end]
[_point]
Type=0x11503
[end]
[_line]
Type=0x06
[end]
[_line]
Type=0x10e07
[end]
[_line]
Type=0x10d
SubType=0x02
[end]
[_polygon]
Type=0x10f00
[end]
)";

TEST(MapTypes, FindsTheStyleOfEachMapTypeWhicheverWayTheTextNamesIt) {
    TypDocument doc;
    LoadTextTypDocument(Style, doc);
    struct Case {
        MapTypeKey Key;
        bool Defined;
    };
    const Case cases[] = {
        {{MapKind::Point, 0x2a, 0x05}, true},     {{MapKind::Point, 0x2a, 0x00}, false},
        {{MapKind::Point, 0x115, 0x03}, true},    {{MapKind::Line, 0x06, 0}, true},
        {{MapKind::Polygon, 0x06, 0}, false},     {{MapKind::Line, 0x10e, 0x07}, true},
        {{MapKind::Line, 0x10d, 0x02}, true},     {{MapKind::Polygon, 0x10f, 0x00}, true},
        {{MapKind::Polygon, 0x10f, 0x04}, false}, {{MapKind::Line, 0x01, 0x0e}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(MapTypeText(c.Key));
        const TGarminObject* found = FindStyleObject(doc, c.Key);
        EXPECT_EQ(found != nullptr, c.Defined);
        if (found) {
            EXPECT_EQ(MapTypeOf(*found), c.Key);
        }
    }
}

TEST(MapTypes, AnObjectMadeForAMapTypeStylesThatTypeAndReadsBackFromText) {
    const MapTypeKey keys[] = {{MapKind::Point, 0x2a, 0x05}, {MapKind::Point, 0x115, 0x03},
                               {MapKind::Line, 0x06, 0},     {MapKind::Line, 0x10e, 0x00},
                               {MapKind::Polygon, 0x50, 0},  {MapKind::Polygon, 0x10f, 0x04}};
    for (const MapTypeKey& key : keys) {
        SCOPED_TRACE(MapTypeText(key));
        TGarminObject object;
        SetMapType(object, key);
        EXPECT_EQ(MapTypeOf(object), key);
        // Written as the text form writes it, the type reads back the same.
        TypDocument doc;
        doc.List(object.Kind).push_back(std::make_unique<TGarminObject>(object));
        TypDocument again;
        LoadTextTypDocument(WriteTextTyp(doc, ""), again);
        ASSERT_EQ(again.List(object.Kind).size(), 1u);
        EXPECT_EQ(MapTypeOf(*again.List(object.Kind)[0]), key);
    }
}

TEST(MapTypes, TypesAreWrittenAsAMapStyleWritesThem) {
    EXPECT_EQ(MapTypeText({MapKind::Point, 0x2a, 0x00}), "0x2a00");
    EXPECT_EQ(MapTypeText({MapKind::Point, 0x115, 0x03}), "0x11503");
    EXPECT_EQ(MapTypeText({MapKind::Line, 0x06, 0}), "0x06");
    EXPECT_EQ(MapTypeText({MapKind::Polygon, 0x10f, 0x04}), "0x10f04");
}

TEST(MapTypes, DrawOrderListsThePolygonTypesOfItsSectionOnly) {
    TypDocument doc;
    LoadTextTypDocument(Style, doc);
    const std::map<MapTypeKey, int> order = PolygonDrawOrder(doc.HeaderLines);
    const std::map<MapTypeKey, int> expected{{{MapKind::Polygon, 0x50, 0}, 1},
                                             {{MapKind::Polygon, 0x10f, 0x04}, 3}};
    EXPECT_EQ(order, expected);
}

} // namespace
} // namespace velmora
