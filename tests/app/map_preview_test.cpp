// The map preview in the window: a mkgmap-made map drawn with the document, following its edits,
// picking objects, offering the types the style lacks, and kept between runs.
#include "app/creation_mode.h"
#include "app/map_preview.h"
#include "tests/app/window_fixture.h"
#include "tests/map/mkgmap_maps.h"

#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>

#include <optional>

namespace velmora {
namespace {

QString MapTestFile(const char* name) {
    return QDir(QStringLiteral(VELMORA_MAP_TEST_DATA_DIR)).filePath(name);
}

// The fixture tiles and their style in one gmapsupp, compiled by mkgmap with the map tests' style.
std::optional<QString> FixtureMap() {
    const auto map = test::Compile(VELMORA_MAP_TEST_DATA_DIR, {"objects.osm", "second.osm", "preview.txt"},
                                   "--code-page=1252 --lower-case", true);
    return map ? std::optional(QString::fromStdString(map->string())) : std::nullopt;
}

// Places of the fixture (objects.osm): inside the forest (0x50 in the style) away from its label, the
// water (0x3c, not in it), on the street Karlova (0x06), by the pub (point 0x2d02, not in it), and
// east of the map.
struct Place {
    double Longitude, Latitude;
};
constexpr Place Forest{14.015, 50.075}, Water{14.066, 50.065}, Street{14.03, 50.051}, Pub{14.02, 50.02},
    Empty{14.12, 50.05};
constexpr QRgb ForestColour = 0xFF20A020, PlainArea = 0xFFDDDDDD;

class MapPreviewTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        const std::optional<QString> map = FixtureMap();
        if (!map)
            GTEST_SKIP() << "mkgmap is not installed or failed; the map preview tests need Debian's mkgmap";
        MapPath = *map;
        Panel = Form->MapPreview;
        Panel->Canvas()->resize(600, 600);
    }
    void OpenMapAndStyle() {
        OpenText(MapTestFile("preview.txt"));
        ASSERT_TRUE(Panel->OpenMaps({MapPath}, false));
        Panel->ShowBox({14.0, 50.0, 14.1, 50.1});
    }
    QPointF PixelOf(Place place) const { return Panel->PixelOf(place.Longitude, place.Latitude); }
    QRgb Shown(Place place) const { return Panel->Picture().pixel(PixelOf(place).toPoint()); }
    // The rows of the list of what the style lacks: group 0 the undefined types, 1 the draw order.
    QStringList Gaps(int group) const {
        Panel->Picture(); // the list follows with the next picture
        QStringList rows;
        const QTreeWidgetItem* item = Panel->GapList()->topLevelItem(group);
        for (int i = 0; item && i < item->childCount(); ++i)
            rows << item->child(i)->text(1);
        return rows;
    }

    QString MapPath;
    MapPreviewPanel* Panel = nullptr;
};

TEST_F(MapPreviewTest, MapIsDrawnWithTheDocumentAndFollowsEditsUndoAndNight) {
    OpenMapAndStyle();
    EXPECT_EQ(Shown(Forest), ForestColour);
    EXPECT_EQ(Shown(Water), PlainArea) << "a type the style lacks is drawn plainly";

    TGarminObject& forest = *Form->Document.PolygonList.front();
    ASSERT_EQ(forest.TypeCode, 0x50u);
    Form->History->Push(std::make_unique<ObjectEditStep>(Form->Document, forest, QStringLiteral("Цвет"),
                                                         [](TGarminObject& o) {
                                                             o.Colours[Day][0].SetColour(0x0000FF);
                                                             return true;
                                                         }));
    EXPECT_EQ(Shown(Forest), 0xFFFF0000) << "the edit shows at once";
    Form->Undo1->trigger();
    EXPECT_EQ(Shown(Forest), ForestColour) << "and so does its undo";

    EXPECT_EQ(Shown(Empty), 0xFFFFFFFF);
    Form->SetShownViewSilently(Night);
    EXPECT_EQ(Shown(Empty), 0xFF000000) << "the map follows the editor's night";
    Panel->NightViewAction()->trigger();
    EXPECT_EQ(Shown(Empty), 0xFFFFFFFF) << "and the panel's own day and night";
}

TEST_F(MapPreviewTest, ClickSaysWhatLiesThereAndSelectsItsStyleObject) {
    OpenMapAndStyle();
    Panel->PickAt(PixelOf(Forest));
    EXPECT_EQ(Panel->PickedText(), QStringLiteral("Полигон 0x50 «Les»"));
    ASSERT_NE(Form->Document.CurrentObject, nullptr);
    EXPECT_EQ(Form->ChosenKind(), KindPolygon);
    EXPECT_EQ(Form->Document.CurrentObject->TypeCode, 0x50u);

    Panel->PickAt(PixelOf(Street));
    EXPECT_EQ(Panel->PickedText(), QStringLiteral("Линия 0x06 «Karlova»"));
    EXPECT_EQ(Form->ChosenKind(), KindLine);
    EXPECT_EQ(Form->Document.CurrentObject->TypeCode, 0x06u);
    EXPECT_EQ(Prompts.Log.size(), 1u) << "only the open dialog of the style: no question";
}

TEST_F(MapPreviewTest, ClickOnATypeTheStyleLacksOffersToCreateIt) {
    OpenMapAndStyle();
    EXPECT_TRUE(Gaps(0).contains(QStringLiteral("0x3c")));

    Prompts.AnswerQuestion(Answer::No);
    Panel->PickAt(PixelOf(Water));
    EXPECT_TRUE(Panel->PickedText().startsWith(QStringLiteral("Полигон 0x3c «Rybník»")));
    EXPECT_FALSE(Form->Creation->Active());

    struct Case {
        Place At;
        int Kind;
        const char *Type, *SubType;
    } const cases[] = {{Pub, KindPoint, "2D", "02"}, {Water, KindPolygon, "3C", nullptr}};
    for (const Case& c : cases) {
        Prompts.AnswerQuestion(Answer::Yes);
        Panel->PickAt(PixelOf(c.At));
        ASSERT_TRUE(Form->Creation->Active());
        EXPECT_EQ(Form->ChosenKind(), c.Kind);
        EXPECT_EQ(Form->Edit3->text(), QString::fromLatin1(c.Type));
        if (c.SubType) {
            EXPECT_EQ(Form->Edit1->text(), QString::fromLatin1(c.SubType));
        }
        Form->BitBtn1Click();
    }
    EXPECT_FALSE(Gaps(0).contains(QStringLiteral("0x3c"))) << "the list follows the document";
    EXPECT_FALSE(Gaps(0).contains(QStringLiteral("0x2d02")));
    EXPECT_NE(Shown(Water), PlainArea) << "the new style object draws the water";
}

TEST_F(MapPreviewTest, ListsWhatTheMapUsesAndTheStyleLacksMostUsedFirst) {
    OpenMapAndStyle();
    const QStringList undefined = Gaps(0);
    for (const char* type : {"0x3c", "0x2d02", "0x1f", "0x10e07", "0x10f04", "0x11503"})
        EXPECT_TRUE(undefined.contains(QString::fromLatin1(type))) << type;
    for (const char* type : {"0x50", "0x06", "0x2a00"})
        EXPECT_FALSE(undefined.contains(QString::fromLatin1(type))) << type;
    const QTreeWidgetItem* group = Panel->GapList()->topLevelItem(0);
    ASSERT_NE(group, nullptr);
    for (int i = 1; i < group->childCount(); ++i)
        EXPECT_GE(group->child(i - 1)->text(2).toInt(), group->child(i)->text(2).toInt());
    // mkgmap adds a background area 0x4b to each tile.
    EXPECT_EQ(Gaps(1), QStringList({QStringLiteral("0x4b"), QStringLiteral("0x10f04")}))
        << "0x50 and 0x3c stand in [_drawOrder]";
}

TEST_F(MapPreviewTest, KeysWheelAndDragMoveAndZoomTheMap) {
    OpenMapAndStyle();
    QWidget* canvas = Panel->Canvas();
    const QPointF forest = PixelOf(Forest);

    QTest::keyClick(canvas, Qt::Key_Right);
    EXPECT_NEAR(PixelOf(Forest).x(), forest.x() - canvas->width() / 4.0, 1e-6)
        << "the map moves a quarter left";
    QTest::keyClick(canvas, Qt::Key_Left);
    QTest::keyClick(canvas, Qt::Key_Plus);
    const QPointF middle(canvas->width() / 2.0, canvas->height() / 2.0);
    EXPECT_NEAR(PixelOf(Forest).x() - middle.x(), 2 * (forest.x() - middle.x()), 1e-6) << "twice as large";
    QTest::keyClick(canvas, Qt::Key_Minus);

    // The wheel zooms around the pointer: the place under it stays there.
    QWheelEvent wheel(forest, canvas->mapToGlobal(forest), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas, &wheel);
    EXPECT_NEAR(PixelOf(Forest).x(), forest.x(), 1e-6);
    EXPECT_NEAR(PixelOf(Forest).y(), forest.y(), 1e-6);

    // A drag moves the map with the pointer and picks nothing.
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(canvas, QPoint(140, 120));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(140, 120));
    EXPECT_NEAR(PixelOf(Forest).x(), forest.x() + 40, 1e-6);
    EXPECT_NEAR(PixelOf(Forest).y(), forest.y() + 20, 1e-6);
    EXPECT_TRUE(Panel->PickedText().isEmpty());
}

TEST_F(MapPreviewTest, MapsThatCannotBeReadAreNamedAndTheOpenOnesStay) {
    OpenMapAndStyle();
    const QString missing = TempFile("missing.img");
    for (const QString& bad : {MapTestFile("preview.txt"), missing}) {
        EXPECT_FALSE(Panel->OpenMaps({bad}, false));
        ASSERT_FALSE(Prompts.Messages().empty());
        EXPECT_TRUE(Prompts.Messages().back().contains(QFileInfo(bad).fileName()))
            << Prompts.Messages().back().toStdString();
        EXPECT_EQ(Panel->MapPaths(), QStringList{MapPath});
    }
    EXPECT_EQ(Shown(Forest), ForestColour);
}

TEST_F(MapPreviewTest, TheMapsOwnStyleBecomesTheDocument) {
    ASSERT_TRUE(Panel->OpenMaps({MapPath}, false));
    ASSERT_TRUE(Panel->OpenStyleAction()->isEnabled());
    Panel->OpenStyleAction()->trigger();
    ASSERT_EQ(Form->Document.PolygonList.size(), 1u);
    EXPECT_EQ(Form->Document.PolygonList.front()->TypeCode, 0x50u);
    EXPECT_FALSE(Form->Document.Modified);
    Panel->ShowBox({14.0, 50.0, 14.1, 50.1});
    EXPECT_EQ(Shown(Forest), ForestColour);
}

TEST_F(MapPreviewTest, MapsAndPositionComeBackAtTheNextStartAndAVanishedMapIsOnlyNoted) {
    OpenMapAndStyle();
    const QString copy = TempFile("copy.img");
    ASSERT_TRUE(QFile::copy(MapPath, copy));
    ASSERT_TRUE(Panel->OpenMaps({copy}, true));
    Panel->ShowBox({14.02, 50.03, 14.04, 50.05});
    const GeoBox shown = Panel->ViewBox();
    Form->close();
    ASSERT_TRUE(QFile::remove(copy));

    Form = std::make_unique<TForm1>(Prompts, Temp.path());
    MapPreviewPanel* again = Form->MapPreview;
    again->Canvas()->resize(600, 600);
    EXPECT_EQ(again->MapPaths(), QStringList{QFileInfo(MapPath).absoluteFilePath()});
    const GeoBox restored = again->ViewBox();
    EXPECT_NEAR(restored.West, shown.West, 1e-9);
    EXPECT_NEAR(restored.North, shown.North, 1e-9);
    EXPECT_TRUE(Form->StatusBar1->currentMessage().contains(QStringLiteral("copy.img")))
        << Form->StatusBar1->currentMessage().toStdString();
    EXPECT_TRUE(Prompts.Messages().empty()) << "no message box at start";
}

} // namespace
} // namespace velmora
