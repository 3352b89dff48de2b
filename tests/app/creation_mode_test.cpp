// Creation mode as one object: entering, committing, cancelling, entering twice, and the states it
// gives back to the controls it touched.
#include "tests/app/editing_fixture.h"

#include "app/creation_mode.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {
namespace {

class CreationModeTest : public EditingTest {
  protected:
    // What the property column looks like, enough to tell any control creation mode left behind.
    std::string ControlStates() const {
        std::string text;
        const auto add = [&](const char* name, bool value) { (text += name) += value ? "+ " : "- "; };
        const TForm1& f = *Form;
        for (const auto& [name, spin] :
             std::initializer_list<std::pair<const char*, QSpinBox*>>{{"width", f.SpinEdit4},
                                                                      {"height", f.SpinEdit5},
                                                                      {"colours", f.SpinEdit3},
                                                                      {"line", f.SpinEdit1},
                                                                      {"border", f.SpinEdit2},
                                                                      {"cpp", f.SpinEdit6}}) {
            add(name, spin->isEnabled());
            text += std::to_string(spin->minimum()) + ".." + std::to_string(spin->maximum()) + "=" +
                    spin->text().toStdString() + " ";
        }
        add("orientation", f.ComboBox5->isEnabled());
        add("no-bitmap shown", !f.CheckBox1->isHidden());
        add("list shown", !f.ComboBox1->isHidden());
        add("type field shown", !f.Edit3->isHidden());
        add("subtype field shown", !f.Edit1->isHidden());
        add("commit shown", !f.BitBtn1->isHidden());
        add("label style shown", !f.LabelStyleBox->isHidden());
        add("kinds", f.RadioGroup1Box->isEnabled());
        add("views", f.RadioGroup2Box->isEnabled());
        add("undo", f.Undo1->isEnabled());
        add("open", f.ToolButton1->isEnabled());
        add("filter", f.ObjectFilter->isEnabled());
        text += f.RadioGroup2->button(Night)->text().toStdString() + " ";
        text += f.StatusPanels[0]->text().toStdString() + " ";
        text += f.PropertyColumn->palette().color(QPalette::Window).name().toStdString();
        return text;
    }
};

TEST_F(CreationModeTest, EnteringTwiceAndCancellingGivesEveryControlBackItsStateOfBefore) {
    OpenText(TestDataFile("window.txt"));
    ChooseKind(KindLine);
    ChooseObject(1);
    Form->SpinEdit1->setValue(3); // something to undo
    const TGarminObject* shown = Form->Document.CurrentObject;
    const std::string before = ControlStates();

    Form->ToolButton5Click();
    EXPECT_TRUE(Form->Creation->Active());
    EXPECT_FALSE(Form->Undo1->isEnabled()) << "undo would change the document under the new object";
    Form->ToolButton5Click();
    ChooseView(Night);
    Form->CheckBox1->click();
    EXPECT_TRUE(Form->Creation->Active());

    Form->BitBtn2Click();
    EXPECT_FALSE(Form->Creation->Active());
    EXPECT_EQ(ControlStates(), before);
    EXPECT_EQ(Form->Document.CurrentObject, shown);
    EXPECT_EQ(Form->Document.LineList.size(), 2u);
}

TEST_F(CreationModeTest, ColourCountIsNotLeftEnabledOnTheObjectShownAfterCancel) {
    OpenText(TestDataFile("window.txt"));
    for (int kind : {KindPoint, KindLine, KindPolygon}) {
        SCOPED_TRACE(kind);
        ChooseKind(kind);
        ASSERT_NE(Form->Document.CurrentObject, nullptr);
        EXPECT_FALSE(Form->SpinEdit3->isEnabled());
        Form->ToolButton5Click();
        EXPECT_EQ(Form->SpinEdit3->isEnabled(), kind == KindPoint);
        Form->BitBtn2Click();
        EXPECT_FALSE(Form->SpinEdit3->isEnabled()) << "\"Цветов\" of a shown object is display only";
        EXPECT_FALSE(Form->SpinEdit4->isEnabled());
        EXPECT_FALSE(Form->SpinEdit5->isEnabled());
    }
}

TEST_F(CreationModeTest, FixedSizesOfANewLineOrPolygonStayDisabledWithAndWithoutBitmap) {
    struct Case {
        int Kind;
        bool HeightEnabled; // with a bitmap; without one no size is asked
        bool OrientationFollowsBitmap;
    };
    for (const Case& c : {Case{KindLine, true, true}, Case{KindPolygon, false, false}}) {
        SCOPED_TRACE(c.Kind);
        Form->BitBtn2Click();
        ChooseKind(c.Kind);
        Form->ToolButton5Click();
        EXPECT_FALSE(Form->SpinEdit4->isEnabled()) << "the width is fixed at 32";
        EXPECT_EQ(Form->SpinEdit4->value(), 32);
        EXPECT_EQ(Form->SpinEdit5->isEnabled(), c.HeightEnabled);
        const bool orientation = Form->ComboBox5->isEnabled();
        Form->CheckBox1->click(); // without bitmap
        EXPECT_FALSE(Form->SpinEdit4->isEnabled());
        EXPECT_FALSE(Form->SpinEdit5->isEnabled());
        if (c.OrientationFollowsBitmap) {
            EXPECT_FALSE(Form->ComboBox5->isEnabled());
        }
        Form->CheckBox1->click(); // with a bitmap again
        EXPECT_FALSE(Form->SpinEdit4->isEnabled()) << "unticking must not enable the fixed width";
        EXPECT_EQ(Form->SpinEdit5->isEnabled(), c.HeightEnabled);
        EXPECT_EQ(Form->ComboBox5->isEnabled(), orientation);
    }
}

TEST_F(CreationModeTest, CancelWithNothingOpenGivesBackTheEmptyWindow) {
    const std::string before = ControlStates();
    Form->N12Click();
    Form->BitBtn2Click();
    ChooseKind(KindPoint);
    EXPECT_EQ(ControlStates(), before);
    EXPECT_EQ(Form->Document.CurrentObject, nullptr);
}

TEST_F(CreationModeTest, CommitAndCancelDoNothingWhenCreationModeIsOff) {
    const std::string before = ControlStates();
    Form->BitBtn2Click();
    Form->BitBtn1Click();
    EXPECT_FALSE(Form->Creation->Active());
    EXPECT_EQ(ObjectCount(), 0);
    EXPECT_EQ(ControlStates(), before);
    EXPECT_FALSE(Form->Document.Modified);
}

TEST_F(CreationModeTest, CommitCreatesOneUndoStepAndLeavesCreationModeWithNothingOpen) {
    Form->ToolButton5Click();
    Form->BitBtn1Click();
    EXPECT_FALSE(Form->Creation->Active());
    ASSERT_EQ(Form->Document.PointList.size(), 1u);
    EXPECT_TRUE(Form->Undo1->isEnabled());
    Form->Undo1Click();
    EXPECT_TRUE(Form->Document.PointList.empty());
    EXPECT_FALSE(Form->Document.Modified);
    EXPECT_EQ(Form->StatusPanels[0]->text(), "");
}

} // namespace
} // namespace velmora
