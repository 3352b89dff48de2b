#include "tests/app/editing_fixture.h"

#include <QComboBox>
#include <QLineEdit>

namespace velmora {
namespace {

using PixelEditingTest = EditingTest;

TEST_F(PixelEditingTest, LeftClickPaintsTheCellWithTheSelectedColour) {
    TGarminObject& point = Create(KindPoint);
    Form->History->MarkSaved();
    Form->ComboBox2->setCurrentIndex(1); // "1", red
    Click(Qt::LeftButton, CellCentre(3, 5));
    EXPECT_EQ(point.Pixels[Day][3][5], '1');
    EXPECT_EQ(point.Pixels[Day][3][4], '~');
    EXPECT_TRUE(Form->Document.Modified);
    EXPECT_EQ(Shown(CellCentre(3, 5)), QColor(255, 0, 0));
    EXPECT_TRUE(ShowsCheckerboard(CellCentre(3, 4))) << "the transparent cell beside it";
}

TEST_F(PixelEditingTest, ClicksOutsideTheGridOrWithoutSelectedColourChangeNothing) {
    TGarminObject& point = Create(KindPoint);
    const std::vector<std::string> before = point.Pixels[Day];
    Form->History->MarkSaved();
    Form->ComboBox2->setCurrentIndex(1);
    for (QPoint outside : {QPoint(-1, 5), QPoint(5, -1), QPoint(320, 5), QPoint(5, 320), QPoint(900, 900)})
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton})
            Click(button, outside);
    Form->ComboBox2->setCurrentIndex(-1);
    Click(Qt::LeftButton, CellCentre(0, 0));
    EXPECT_EQ(point.Pixels[Day], before);
    EXPECT_FALSE(Form->Document.Modified);
    EXPECT_TRUE(Prompts.Log.empty());
}

TEST_F(PixelEditingTest, ClickBeyondASmallerNightBitmapReachesNoPixel) {
    TGarminObject& point = Create(KindPoint, [&] { ChooseView(Night); });
    point.XpmHeader[Night].Width = 4;
    point.XpmHeader[Night].Height = 4;
    point.Pixels[Night] = std::vector<std::string>(4, std::string(4, '~'));
    ChooseObject(0);
    ChooseView(Night);
    Form->History->MarkSaved();
    Form->ComboBox2->setCurrentIndex(1);
    Click(Qt::LeftButton, CellCentre(10, 10));
    EXPECT_FALSE(Form->Document.Modified);
    Click(Qt::LeftButton, CellCentre(2, 3));
    EXPECT_EQ(point.Pixels[Night][2][3], '5');
    EXPECT_TRUE(Form->Document.Modified);
}

TEST_F(PixelEditingTest, RightClickRecoloursThroughTheChosenPalette) {
    TGarminObject& point = Create(KindPoint);
    point.Pixels[Day][1][1] = '2';
    ChooseObject(0);
    Form->History->MarkSaved();

    Prompts.AnswerPaletteColour(0x00FFFF); // yellow
    Click(Qt::RightButton, CellCentre(1, 1));
    EXPECT_EQ(point.Colours[Day][2].Colour(), 0x00FFFFu);
    EXPECT_EQ(Shown(CellCentre(1, 1)), QColor(255, 255, 0));
    EXPECT_TRUE(Form->Document.Modified);

    ChooseStandardPalette();
    Prompts.AnswerStandardColour(0xFF0000); // blue
    Click(Qt::RightButton, CellCentre(1, 1));
    EXPECT_EQ(Prompts.Log.back().Preset, 0x00FFFFu) << "the standard dialog starts at the entry's colour";
    EXPECT_EQ(point.Colours[Day][2].Colour(), 0xFF0000u);
}

TEST_F(PixelEditingTest, RightClickWithShiftLeavesTheOldColourOnScreen) {
    TGarminObject& point = Create(KindPoint);
    point.Pixels[Day][0][0] = '1';
    ChooseObject(0);
    Prompts.AnswerPaletteColour(0xFF0000);
    Click(Qt::RightButton, CellCentre(0, 0), Qt::ShiftModifier);
    EXPECT_EQ(point.Colours[Day][1].Colour(), 0xFF0000u);
    EXPECT_EQ(Shown(CellCentre(0, 0)), QColor(255, 0, 0)) << "still the old red";
}

TEST_F(PixelEditingTest, RightClickOnATransparentPixelAsksNothingAndChangesNothing) {
    Create(KindPoint);
    Form->History->MarkSaved();
    const int steps = Form->History->Stack().count();
    Click(Qt::RightButton, CellCentre(0, 0));
    EXPECT_TRUE(Prompts.Log.empty());
    EXPECT_FALSE(Form->Document.Modified);
    EXPECT_EQ(Form->History->Stack().count(), steps);
}

TEST_F(PixelEditingTest, LinePaintsOnlyTheDayPair) {
    TGarminObject& line = Create(KindLine, [&] { ChooseView(Night); });
    ASSERT_EQ(line.XpmHeader[Day].ColourCount, 4);
    Form->ComboBox2->setCurrentIndex(1);
    Click(Qt::LeftButton, CellCentre(2, 7));
    EXPECT_EQ(line.Pixels[Day][2][7], '1');
    Form->ComboBox2->setCurrentIndex(3);
    Click(Qt::LeftButton, CellCentre(2, 8));
    EXPECT_EQ(line.Pixels[Day][2][8], '0');

    // By night the colour list is empty, so a left click does nothing at all.
    ChooseView(Night);
    Form->History->MarkSaved();
    Click(Qt::LeftButton, CellCentre(2, 9));
    EXPECT_EQ(line.Pixels[Day][2][9], '0');
    EXPECT_FALSE(Form->Document.Modified);
    // A right click by night edits the night colour of the clicked pixel's pair.
    Prompts.AnswerPaletteColour(0x808080);
    Click(Qt::RightButton, CellCentre(2, 7));
    EXPECT_EQ(line.Colours[Day][3].Colour(), 0x808080u);
    EXPECT_EQ(line.Colours[Day][1].Colour(), 0x008000u);
}

TEST_F(PixelEditingTest, SwatchClickRecoloursItsEntryPresetWithItsColour) {
    TGarminObject& line = Create(KindLine, [&] { Form->CheckBox1->click(); });
    ChooseStandardPalette();
    Prompts.AnswerStandardColour(0x00FFFF);
    Click(Qt::LeftButton, QPoint(50, 150));
    EXPECT_EQ(Prompts.Log.back().Preset, 0x008000u);
    EXPECT_EQ(line.Colours[Day][1].Colour(), 0x00FFFFu);
    EXPECT_EQ(Shown(QPoint(50, 150)), QColor(255, 255, 0));

    const size_t asked = Prompts.Log.size();
    Form->History->MarkSaved();
    Click(Qt::LeftButton, QPoint(50, 250)); // below the two squares
    EXPECT_EQ(Prompts.Log.size(), asked);
    EXPECT_FALSE(Form->Document.Modified);
}

ColourEditResult Edited(Answer answer, const char* code, bool none = false, ColourValue colour = 0) {
    return ColourEditResult{answer, QString::fromUtf8(code), none, colour};
}

TEST_F(PixelEditingTest, ChangeInTheColourEditDialogRecodesPixelsAndSetsModified) {
    TGarminObject& point = Create(KindPoint);
    point.Pixels[Day][0] = std::string(16, '1');
    ChooseObject(0);
    Form->ComboBox2->setCurrentIndex(1);
    Form->History->MarkSaved();
    Prompts.AnswerEditColour(Edited(Answer::Ok, "b", false, 0xFF0000));
    Form->ComboBox2KeyDown(Qt::Key_Down, {});
    const ColourEditRequest& request = Prompts.Log.back().Edit;
    EXPECT_EQ(request.Entry.Code, '1');
    EXPECT_TRUE(request.AddEnabled);
    EXPECT_TRUE(request.GarminPalette);
    EXPECT_EQ(point.Pixels[Day][0], std::string(16, 'b'));
    EXPECT_EQ(point.Colours[Day][1].Code, 'b');
    EXPECT_EQ(point.Colours[Day][1].Colour(), 0xFF0000u);
    EXPECT_TRUE(Form->Document.Modified);
    EXPECT_EQ(Shown(CellCentre(0, 3)), QColor(0, 0, 255));
}

TEST_F(PixelEditingTest, EmptyCodeFieldChangesNothing) {
    TGarminObject& point = Create(KindPoint);
    const TGarminObject before = point;
    Form->ComboBox2->setCurrentIndex(1);
    Form->History->MarkSaved();
    for (Answer answer : {Answer::Ok, Answer::Yes}) {
        Prompts.AnswerEditColour(Edited(answer, ""));
        Form->ComboBox2KeyDown(Qt::Key_A, {});
    }
    Prompts.AnswerEditColour(Edited(Answer::Cancel, "z"));
    Form->ComboBox2KeyDown(Qt::Key_A, {});
    EXPECT_EQ(point.Colours[Day], before.Colours[Day]);
    EXPECT_EQ(point.XpmHeader, before.XpmHeader);
    EXPECT_FALSE(Form->Document.Modified);
}

TEST_F(PixelEditingTest, AddInTheColourEditDialogAppendsAnEntryToTheShownView) {
    TGarminObject& point = Create(KindPoint);
    Form->ComboBox2->setCurrentIndex(1);
    Prompts.AnswerEditColour(Edited(Answer::Yes, "z", false, 0x00FF00));
    Form->ComboBox2KeyDown(Qt::Key_Return, {});
    EXPECT_EQ(point.XpmHeader[Day].ColourCount, 5);
    EXPECT_EQ(point.Colours[Day][4].Code, 'z');
    EXPECT_EQ(point.XpmHeader[Night].ColourCount, 0);
    EXPECT_EQ(Form->SpinEdit3->value(), 5);
    EXPECT_EQ(Form->ComboBox2->count(), 5);
}

TEST_F(PixelEditingTest, ColourEditDialogOffersAddForPointsOnly) {
    Create(KindLine);
    Form->ComboBox2->setCurrentIndex(0);
    Prompts.AnswerEditColour(Edited(Answer::Cancel, "0"));
    Form->ComboBox2KeyDown(Qt::Key_Up, {});
    EXPECT_FALSE(Prompts.Log.back().Edit.AddEnabled);
}

} // namespace
} // namespace velmora
