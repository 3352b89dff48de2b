// Window tests of the label style controls ("Подпись": the font list and the two label colour
// choosers), of more than four labels in the label editor, and of copy and paste keeping the new
// properties of an object.
#include "tests/app/editing_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QTextCursor>

namespace velmora {
namespace {

class LabelStyleTest : public EditingTest {
  protected:
    // The first point of window.txt, shown, with Modified cleared.
    TGarminObject& ShowFirstPoint() {
        OpenText(TestDataFile("window.txt"));
        ChooseKind(KindPoint);
        ChooseObject(0);
        Form->History->MarkSaved();
        return *Form->Document.PointList[0];
    }
    // Picks the font list item the way the user does.
    void ChooseFont(const QString& text) {
        const int index = Form->FontStyleList->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        Form->FontStyleList->setCurrentIndex(index);
    }
};

TEST_F(LabelStyleTest, FontListWritesTheStyleAndSetsModified) {
    TGarminObject& point = ShowFirstPoint();
    EXPECT_TRUE(Form->LabelStyleBox->isEnabled());
    EXPECT_EQ(Form->FontStyleList->currentText(), "none");
    ChooseFont("LargeFont");
    EXPECT_EQ(point.FontStyle, FontLarge);
    EXPECT_TRUE(Form->Document.Modified);

    Form->History->MarkSaved();
    ChooseFont("Default");
    EXPECT_EQ(point.FontStyle, FontDefault);
    ChooseFont("none");
    EXPECT_FALSE(point.FontStyle.has_value());
    EXPECT_TRUE(Form->Document.Modified);
}

TEST_F(LabelStyleTest, FontAndLabelColoursAreStepsOfTheHistory) {
    TGarminObject& point = ShowFirstPoint();
    ChooseFont("SmallFont");
    EXPECT_EQ(Form->Undo1->text().remove(u'&'), QStringLiteral("Отменить: Шрифт подписи"));
    Prompts.AnswerPaletteColour(0x123456);
    Form->DayLabelColourButton->click();
    EXPECT_EQ(Form->Undo1->text().remove(u'&'), QStringLiteral("Отменить: Цвет подписи"));

    Form->Undo1->trigger();
    EXPECT_FALSE(point.DayLabelColour.has_value());
    EXPECT_FALSE(Form->DayLabelColourButton->Colour().has_value());
    EXPECT_EQ(point.FontStyle, FontSmall);
    Form->Undo1->trigger();
    EXPECT_FALSE(point.FontStyle.has_value());
    EXPECT_EQ(Form->FontStyleList->currentText(), "none");
    EXPECT_FALSE(Form->Document.Modified) << "back at the state opened";

    Form->Redo1->trigger();
    Form->Redo1->trigger();
    EXPECT_EQ(point.FontStyle, FontSmall);
    EXPECT_EQ(point.DayLabelColour, 0x123456u);
    EXPECT_EQ(Form->DayLabelColourButton->Colour(), 0x123456u);
    EXPECT_TRUE(Form->Document.Modified);
}

TEST_F(LabelStyleTest, ShowingObjectsFillsTheControlsWithoutWritingBack) {
    OpenText(TestDataFile("window.txt"));
    Form->Document.PointList[0]->FontStyle = FontSmall;
    Form->Document.PointList[0]->DayLabelColour = 0x0000FF;
    Form->Document.PointList[1]->NightLabelColour = 0x00FF00;
    ChooseKind(KindPoint);
    ChooseObject(0);
    EXPECT_EQ(Form->FontStyleList->currentText(), "SmallFont");
    EXPECT_EQ(Form->DayLabelColourButton->Colour(), 0x0000FFu);
    EXPECT_FALSE(Form->NightLabelColourButton->Colour().has_value());
    ChooseObject(1);
    EXPECT_EQ(Form->FontStyleList->currentText(), "none");
    EXPECT_FALSE(Form->DayLabelColourButton->Colour().has_value());
    EXPECT_EQ(Form->NightLabelColourButton->Colour(), 0x00FF00u);
    EXPECT_FALSE(Form->Document.PointList[1]->FontStyle.has_value()) << "showing wrote nothing back";
    EXPECT_EQ(Form->Document.PointList[0]->FontStyle, FontSmall);
    EXPECT_FALSE(Form->Document.Modified);

    // Without an object the controls are off and show "none".
    ChooseKind(KindPolygon);
    Form->ToolButton4Click();
    ASSERT_EQ(Form->Document.CurrentObject, nullptr);
    EXPECT_FALSE(Form->LabelStyleBox->isEnabled());
    EXPECT_EQ(Form->FontStyleList->currentText(), "none");
}

TEST_F(LabelStyleTest, ColourChoosersAskThroughTheChosenPaletteAndNoneTakesTheColourAway) {
    TGarminObject& point = ShowFirstPoint();
    // "GPSMAP 60C" is the palette at start.
    Prompts.AnswerPaletteColour(0x123456);
    Form->DayLabelColourButton->click();
    EXPECT_EQ(point.DayLabelColour, 0x123456u);
    EXPECT_EQ(Form->DayLabelColourButton->Colour(), 0x123456u);
    EXPECT_TRUE(Form->Document.Modified);

    ChooseStandardPalette();
    Form->History->MarkSaved();
    Prompts.AnswerStandardColour(std::nullopt); // cancelled
    Form->NightLabelColourButton->click();
    EXPECT_FALSE(point.NightLabelColour.has_value());
    EXPECT_FALSE(Form->Document.Modified);
    Prompts.AnswerStandardColour(0x00FF00);
    Form->NightLabelColourButton->click();
    EXPECT_EQ(Prompts.Log.back().Preset, 0u) << "no colour yet: the dialog starts at black";
    EXPECT_EQ(point.NightLabelColour, 0x00FF00u);
    Prompts.AnswerStandardColour(0x0000FF);
    Form->NightLabelColourButton->click();
    EXPECT_EQ(Prompts.Log.back().Preset, 0x00FF00u) << "the dialog starts at the colour shown";

    Form->History->MarkSaved();
    Form->DayLabelColourNone->click();
    EXPECT_FALSE(point.DayLabelColour.has_value());
    EXPECT_FALSE(Form->DayLabelColourButton->Colour().has_value());
    EXPECT_EQ(point.NightLabelColour, 0x0000FFu);
    EXPECT_TRUE(Form->Document.Modified);
    Form->History->MarkSaved();
    Form->NightLabelColourNone->click();
    Form->NightLabelColourNone->click();
    EXPECT_FALSE(point.NightLabelColour.has_value());
    EXPECT_TRUE(Form->Document.Modified);
    Form->History->MarkSaved();
    Form->NightLabelColourNone->click();
    EXPECT_FALSE(Form->Document.Modified) << "none again changes nothing";
}

TEST_F(LabelStyleTest, CreationModePutsTheButtonsInPlaceOfTheLabelStyle) {
    ShowFirstPoint();
    Form->ToolButton5Click();
    EXPECT_TRUE(Form->LabelStyleBox->isHidden());
    EXPECT_FALSE(Form->BitBtn1->isHidden());
    Form->BitBtn1Click();
    EXPECT_FALSE(Form->LabelStyleBox->isHidden());
    const TGarminObject& added = *Form->Document.PointList.back();
    EXPECT_EQ(Form->Document.CurrentObject, &added);
    EXPECT_FALSE(added.FontStyle || added.DayLabelColour || added.NightLabelColour);
    EXPECT_EQ(Form->FontStyleList->currentText(), "none");
    Form->ToolButton5Click();
    Form->BitBtn2Click();
    EXPECT_FALSE(Form->LabelStyleBox->isHidden());
}

TEST_F(LabelStyleTest, MoreThanFourLabelsAreShownEditedAndKept) {
    TGarminObject& point = ShowFirstPoint();
    point.Labels = {"0x01,a", "0x02,b", "0x03,c", "0x04,d", "0x05,e", "0x06,f", "0x07,g"};
    ChooseObject(0);
    EXPECT_EQ(Form->LabelEditor->toPlainText(), "0x01,a\n0x02,b\n0x03,c\n0x04,d\n0x05,e\n0x06,f\n0x07,g");
    QTextCursor cursor = Form->LabelEditor->textCursor();
    cursor.movePosition(QTextCursor::End);
    Form->LabelEditor->setTextCursor(cursor);
    Form->LabelEditor->insertPlainText("h\n0x08,i");
    EXPECT_EQ(point.Labels, (std::vector<std::string>{"0x01,a", "0x02,b", "0x03,c", "0x04,d", "0x05,e",
                                                      "0x06,f", "0x07,gh", "0x08,i"}));
    EXPECT_TRUE(Form->Document.Modified);
    ChooseKind(KindLine);
    ChooseKind(KindPoint);
    EXPECT_EQ(Form->LabelEditor->toPlainText().count(u'\n'), 7);
}

TEST_F(LabelStyleTest, CopyAndPasteKeepFontColoursAlphaAndKeptLines) {
    TGarminObject& point = ShowFirstPoint();
    point.FontStyle = FontNormal;
    point.DayLabelColour = 0x0080FF;
    point.NightLabelColour = 0x203040;
    point.SetColourAlpha(Day, 0, 6);
    point.KeptLines = {{KeptPlace::SectionStart, Day, 0, ";kept"}};
    point.Labels = {"0x01,a", "0x02,b", "0x03,c", "0x04,d", "0x05,e"};
    Form->ToolButton10Click();
    Form->ToolButton11Click();
    const TGarminObject& copy = *Form->Document.PointList.back();
    ASSERT_NE(&copy, &point);
    EXPECT_EQ(copy.FontStyle, FontNormal);
    EXPECT_EQ(copy.DayLabelColour, 0x0080FFu);
    EXPECT_EQ(copy.NightLabelColour, 0x203040u);
    EXPECT_EQ(copy.Alpha, point.Alpha);
    EXPECT_EQ(copy.KeptLines, point.KeptLines);
    EXPECT_EQ(copy.Labels, point.Labels);
    ChooseObject(int(Form->Document.PointList.size()) - 1);
    EXPECT_EQ(Form->FontStyleList->currentText(), "NormalFont");
}

TEST_F(LabelStyleTest, TransparentEntriesAreDrawnOverTheCheckerboardInTheColourList) {
    TGarminObject& point = ShowFirstPoint();
    ASSERT_TRUE(point.Colours[Day][1].IsTransparent());
    QImage item(40, 13, QImage::Format_RGB888);
    item.fill(Qt::white);
    {
        QPainter painter(&item);
        Form->ComboBox2DrawItem(painter, item.rect(), 1);
    }
    const QRgb at = item.pixel(0, 0) & 0xFFFFFF;
    EXPECT_TRUE(at == RgbOf(CheckerLight) || at == RgbOf(CheckerDark));
    EXPECT_NE(item.pixel(0, 0), item.pixel(CheckerSquare, 0));
}

} // namespace
} // namespace velmora
