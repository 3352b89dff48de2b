#include "tests/app/editing_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace velmora {
namespace {

using CreationTest = EditingTest;

TEST_F(CreationTest, CreationModeSwitchesTheGroupOffAndPresetsThePointFields) {
    Form->ToolButton5Click();
    EXPECT_FALSE(Form->ToolButton1->isEnabled());
    EXPECT_FALSE(Form->ToolButton2->isEnabled());
    EXPECT_FALSE(Form->ToolButton4->isEnabled());
    EXPECT_FALSE(Form->ToolButton13->isEnabled());
    EXPECT_FALSE(Form->typ2->isEnabled());
    EXPECT_TRUE(Form->ToolButton5->isEnabled());
    EXPECT_FALSE(Form->BitBtn1->isHidden());
    EXPECT_FALSE(Form->BitBtn2->isHidden());
    EXPECT_TRUE(Form->ComboBox1->isHidden());
    EXPECT_EQ(Form->Edit3->text(), "000");
    EXPECT_EQ(Form->Edit1->text(), "00");
    EXPECT_EQ(Form->Edit3->maxLength(), 3);
    EXPECT_EQ(Form->StatusPanels[0]->text(), "Создание точки");
    EXPECT_EQ(Form->RadioGroup2->button(Night)->text(), "День и ночь");
    EXPECT_FALSE(Form->RadioGroup1Box->isEnabled());
    EXPECT_TRUE(Form->RadioGroup2Box->isEnabled());
    EXPECT_EQ(Form->SpinEdit4->value(), 16);
    EXPECT_EQ(Form->SpinEdit3->maximum(), 40);
    EXPECT_EQ(Form->PropertyColumn->palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_EQ(Form->Document.CurrentObject, nullptr);
}

TEST_F(CreationTest, CommitOfTheDefaultPointListsAndShowsIt) {
    const TGarminObject& point = Create(KindPoint);
    EXPECT_EQ(Form->Document.PointList.size(), 1u);
    EXPECT_EQ(Form->Document.CurrentObject, &point);
    EXPECT_EQ(point.XpmHeader[Day], (TXpmHeader{16, 16, 4, 1}));
    EXPECT_EQ(point.XpmHeader[Night], TXpmHeader{});
    EXPECT_EQ(Form->ComboBox1->count(), 1);
    EXPECT_EQ(Form->ComboBox1->currentText(), "00/00");
    EXPECT_FALSE(Form->RadioGroup2Box->isEnabled());
    EXPECT_EQ(Form->ShownView(), Day);
    EXPECT_EQ(Form->RadioGroup2->button(Night)->text(), "Ночь");
    EXPECT_TRUE(Form->Document.Modified);
    EXPECT_TRUE(Form->ToolButton9->isEnabled());
    EXPECT_TRUE(Form->ToolButton1->isEnabled());
    EXPECT_TRUE(Form->BitBtn1->isHidden());
    EXPECT_EQ(Form->Image1->Picture().size(), QSize(320, 320));
    EXPECT_EQ(Form->ComboBox2->currentIndex(), 0);
    EXPECT_EQ(Form->Edit2->text(), "none");
    EXPECT_EQ(Form->PropertyColumn->palette().color(QPalette::Window), QPalette().color(QPalette::Window));
}

TEST_F(CreationTest, DayAndNightPointIsShownByDayWithTheViewChooserEnabled) {
    const TGarminObject& point = Create(KindPoint, [&] { ChooseView(Night); });
    EXPECT_EQ(point.XpmHeader[Night], point.XpmHeader[Day]);
    EXPECT_EQ(point.Colours[Night][1].Code, '5');
    EXPECT_TRUE(Form->RadioGroup2Box->isEnabled());
    EXPECT_EQ(Form->ShownView(), Day);
    EXPECT_EQ(Form->ComboBox2->itemText(1), "1") << "the day colours are listed";
}

TEST_F(CreationTest, TypeFieldsTakeHexDigitsOnlyAndEnterCommits) {
    ChooseKind(KindPoint);
    Form->ToolButton5Click();
    Form->Edit3->clear();
    QTest::keyClicks(Form->Edit3, "1g-a2z");
    EXPECT_EQ(Form->Edit3->text(), "1a2");
    Form->Edit1->clear();
    QTest::keyClicks(Form->Edit1, "0xB");
    EXPECT_EQ(Form->Edit1->text(), "0B");
    QTest::keyClick(Form->Edit1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Form->Edit1, "c");
    EXPECT_EQ(Form->Edit1->text(), "c") << "select all still works";
    QTest::keyClick(Form->Edit1, Qt::Key_Backspace);
    QTest::keyClicks(Form->Edit1, "0b");
    QTest::keyClick(Form->Edit3, Qt::Key_Return);
    ASSERT_EQ(Form->Document.PointList.size(), 1u);
    EXPECT_EQ(Form->Document.PointList[0]->TypeCode, 0x1A2u);
    EXPECT_EQ(Form->Document.PointList[0]->SubTypeCode, 0x0Bu);
    EXPECT_EQ(Form->ComboBox1->currentText(), "1A2/0B");
}

TEST_F(CreationTest, LineColourCountFollowsTheViewChooser) {
    Form->N11Click();
    EXPECT_EQ(Form->ChosenKind(), KindLine);
    EXPECT_EQ(Form->StatusPanels[0]->text(), "Создание линии");
    EXPECT_EQ(Form->Edit3->text(), "0000");
    EXPECT_TRUE(Form->Edit1->isHidden());
    EXPECT_FALSE(Form->CheckBox1->isHidden());
    EXPECT_EQ(Form->SpinEdit3->value(), 2);
    ChooseView(Night);
    EXPECT_EQ(Form->SpinEdit3->value(), 4);
    EXPECT_EQ(Form->SpinEdit3->maximum(), 4);
    ChooseView(Day);
    EXPECT_EQ(Form->SpinEdit3->value(), 2);
    EXPECT_EQ(Form->SpinEdit3->maximum(), 2);
    Form->BitBtn1Click();
    const TGarminObject& line = *Form->Document.LineList.back();
    EXPECT_EQ(line.XpmHeader[Day], (TXpmHeader{32, 4, 2, 1}));
    EXPECT_EQ(Form->ComboBox1->currentText(), "00    Дорога");
}

TEST_F(CreationTest, LineWithoutBitmapTakesItsWidths) {
    Form->N11Click();
    Form->CheckBox1->click();
    EXPECT_FALSE(Form->SpinEdit5->isEnabled());
    Form->SpinEdit1->setValue(3);
    Form->SpinEdit2->setValue(1);
    Form->BitBtn1Click();
    const TGarminObject& line = *Form->Document.LineList.back();
    EXPECT_EQ(line.XpmHeader[Day].Width, 0);
    EXPECT_EQ(line.LineWidth, 3);
    EXPECT_EQ(line.BorderWidth, 1);
    EXPECT_EQ(Form->Image1->Picture().size(), QSize(100, 200));
    EXPECT_TRUE(Form->CheckBox1->isHidden());
}

TEST_F(CreationTest, PolygonDefaultsTo32x32) {
    Form->N12Click();
    EXPECT_EQ(Form->StatusPanels[0]->text(), "Создание полигона");
    Form->BitBtn1Click();
    EXPECT_EQ(Form->Document.PolygonList.back()->XpmHeader[Day], (TXpmHeader{32, 32, 2, 1}));
    EXPECT_TRUE(Form->StatusPanels[0]->text().isEmpty());
}

TEST_F(CreationTest, CancelCreatesNothingAndShowsTheSelectedObjectAgain) {
    OpenText(TestDataFile("window.txt"));
    ChooseObject(1);
    const TGarminObject* shown = Form->Document.CurrentObject;
    Form->ToolButton5Click();
    Form->SpinEdit4->setValue(5);
    ChooseView(Night);
    Form->BitBtn2Click();
    EXPECT_EQ(Form->Document.PointList.size(), 2u);
    EXPECT_EQ(Form->Document.CurrentObject, shown);
    EXPECT_FALSE(Form->Document.Modified);
    EXPECT_TRUE(Form->ToolButton4->isEnabled());
    EXPECT_TRUE(Form->ToolButton1->isEnabled());
    EXPECT_FALSE(Form->ComboBox1->isHidden());
    EXPECT_TRUE(Form->BitBtn1->isHidden());
    EXPECT_EQ(Form->RadioGroup2->button(Night)->text(), "Ночь");
}

TEST_F(CreationTest, CancelWithNothingOpenedEnablesTheMenuItemButNotTheToolbarButton) {
    Form->ToolButton5Click();
    Form->BitBtn2Click();
    EXPECT_TRUE(Form->TYP1->isEnabled());
    EXPECT_FALSE(Form->ToolButton9->isEnabled());
}

TEST_F(CreationTest, CatalogueRowRetypesTheCurrentObject) {
    OpenText(TestDataFile("window.txt"));
    Form->ComboBox1DblClick();
    EXPECT_FALSE(Form->ComboBox4->isHidden());
    EXPECT_TRUE(Form->ComboBox1->isHidden());
    ASSERT_EQ(Form->ComboBox4->count(), 270);
    const int row = Form->ComboBox4->findText(QStringLiteral("0x2f01    АЗС"));
    ASSERT_GE(row, 0);
    Form->ComboBox4->setCurrentIndex(row);
    Form->ComboBox4Change();
    const TGarminObject& point = *Form->Document.PointList[0];
    EXPECT_EQ(point.TypeCode, 0x2Fu);
    EXPECT_EQ(point.SubTypeCode, 0x01u);
    EXPECT_EQ(Form->ComboBox1->itemText(0), "2f/01    АЗС");
    EXPECT_TRUE(Form->ComboBox4->isHidden());
    EXPECT_FALSE(Form->ComboBox1->isHidden());
    EXPECT_TRUE(Form->Document.Modified);

    ChooseKind(KindLine);
    Form->ComboBox1DblClick();
    EXPECT_EQ(Form->ComboBox4->count(), 36);
    Form->ComboBox4DblClick();
    EXPECT_TRUE(Form->ComboBox4->isHidden());
    EXPECT_EQ(Form->Document.LineList[0]->TypeCode, 0x01u);
}

TEST_F(CreationTest, TypePickerKeysBrowseAndOnlyEnterOrADoubleClickApplies) {
    OpenText(TestDataFile("window.txt"));
    const TGarminObject& point = *Form->Document.PointList[0];
    const auto steps = [&] { return Form->History->Stack().count(); };
    Form->ComboBox1DblClick();
    // The keys go where the focus is: to the combo box, which keeps it for its line edit.
    QComboBox* picker = Form->ComboBox4;
    // It opens on the point's own type.
    EXPECT_TRUE(Form->ComboBox4->currentText().startsWith(QStringLiteral("0x2f0b")))
        << Form->ComboBox4->currentText().toStdString();
    const int own = Form->ComboBox4->currentIndex();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Up, Qt::Key_End, Qt::Key_Home})
        QTest::keyClick(picker, key);
    EXPECT_EQ(Form->ComboBox4->currentIndex(), 0);
    QTest::keyClick(picker, Qt::Key_Down);
    EXPECT_EQ(point.TypeCode, 0x2Fu);
    EXPECT_EQ(point.SubTypeCode, 0x0Bu);
    EXPECT_EQ(steps(), 0);
    EXPECT_FALSE(Form->ComboBox4->isHidden()) << "browsing leaves the picker open";

    // Escape leaves it as it was; Enter applies the row shown.
    QTest::keyClick(picker, Qt::Key_Escape);
    EXPECT_TRUE(Form->ComboBox4->isHidden());
    EXPECT_EQ(steps(), 0);
    Form->ComboBox1DblClick();
    EXPECT_EQ(Form->ComboBox4->currentIndex(), own);
    QTest::keyClick(picker, Qt::Key_Home);
    QTest::keyClick(picker, Qt::Key_Down);
    const QString chosen = Form->ComboBox4->currentText();
    QTest::keyClick(picker, Qt::Key_Return);
    EXPECT_TRUE(Form->ComboBox4->isHidden());
    EXPECT_EQ(steps(), 1);
    EXPECT_TRUE(chosen.startsWith(
        QStringLiteral("0x%1").arg(point.TypeCode << 8 | point.SubTypeCode, 4, 16, QLatin1Char('0'))))
        << chosen.toStdString();

    // A double click applies too; a click in the open list comes as the list's activation.
    Form->ComboBox1DblClick();
    QTest::keyClick(picker, Qt::Key_End);
    Form->ComboBox4DblClick();
    EXPECT_EQ(steps(), 2);
    EXPECT_TRUE(Form->ComboBox4->isHidden());
    Form->ComboBox1DblClick();
    const int row = Form->ComboBox4->findText(QStringLiteral("0x2f01    АЗС"));
    Form->ComboBox4->setCurrentIndex(row);
    emit Form->ComboBox4->activated(row);
    EXPECT_EQ(point.SubTypeCode, 0x01u);
    EXPECT_EQ(steps(), 3);
}

TEST_F(CreationTest, LanguageRowStartsALabelLine) {
    OpenText(TestDataFile("window.txt"));
    Form->ComboBox3->setCurrentIndex(4); // "0x04 - english"
    Form->ComboBox3DblClick();
    const TGarminObject& point = *Form->Document.PointList[0];
    ASSERT_EQ(point.Labels.size(), 3u);
    EXPECT_EQ(point.Labels.back(), "0x04,");
    EXPECT_TRUE(Form->LabelEditor->toPlainText().endsWith("\n0x04,"));
    EXPECT_TRUE(Form->Document.Modified);
}

TEST_F(CreationTest, ListCommandsDoNothingWithoutCurrentObject) {
    Form->ComboBox1DblClick();
    Form->ComboBox3DblClick();
    EXPECT_TRUE(Form->ComboBox4->isHidden());
    EXPECT_FALSE(Form->Document.Modified);
}

} // namespace
} // namespace velmora
