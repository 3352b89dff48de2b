#include "tests/app/window_fixture.h"

#include <QAction>

namespace velmora {
namespace {

using CommandGroupTest = WindowTest;

std::vector<QAction*> Group(TForm1& f) {
    return {f.ToolButton1, f.ToolButton2, f.ToolButton4, f.ToolButton6, f.ToolButton7, f.ToolButton10,
            f.ToolButton11, f.N2, f.N3, f.N16, f.N18, f.BitMap1, f.N14, f.N15, f.TYP1,
            // Importing replaces the document as opening does; saving under another name is saving.
            f.ToolButton13, f.typ2, f.SaveAs1};
}

std::vector<QAction*> OutsideGroup(TForm1& f) {
    return {f.ToolButton5, f.N10, f.N11, f.N12, f.N5, f.N8, f.N9};
}

TEST_F(CommandGroupTest, BtnVisibleSwitchesExactlyItsGroup) {
    Form->BtnVisible(false);
    for (QAction* action : Group(*Form))
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    for (QAction* action : OutsideGroup(*Form))
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    EXPECT_FALSE(Form->ToolButton9->isEnabled());

    Form->BtnVisible(true);
    for (QAction* action : Group(*Form))
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    // The menu item "TYP-файл" belongs to the group, the toolbar button "Создать TYP" does not.
    EXPECT_FALSE(Form->ToolButton9->isEnabled());
}

// Each menu item runs the command of its toolbar button; the file commands show their dialog.
struct WiringCase {
    const char* Name;
    QAction* TForm1::*Action;
    ScriptedPrompts::Kind Dialog;
    const char* Caption;
};

class CommandWiringTest : public WindowTest, public testing::WithParamInterface<WiringCase> {};

TEST_P(CommandWiringTest, TriggeringShowsTheCommandsDialog) {
    const WiringCase& c = GetParam();
    if (c.Dialog == ScriptedPrompts::Kind::OpenFile) Prompts.AnswerOpenFile(std::nullopt);
    if (c.Dialog == ScriptedPrompts::Kind::SaveFile) Prompts.AnswerSaveFile(std::nullopt);
    if (c.Dialog == ScriptedPrompts::Kind::About) Prompts.ExpectAbout();
    if (c.Dialog == ScriptedPrompts::Kind::Help) Prompts.ExpectHelp();
    ((*Form).*c.Action)->trigger();
    ASSERT_EQ(Prompts.Log.size(), 1u);
    EXPECT_EQ(Prompts.Log[0].What, c.Dialog);
    if (*c.Caption) {
        EXPECT_TRUE(Prompts.Log[0].Text.startsWith(QString::fromUtf8(c.Caption)))
            << Prompts.Log[0].Text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandWiringTest,
    testing::Values(
        WiringCase{"OpenButton", &TForm1::ToolButton1, ScriptedPrompts::Kind::OpenFile,
                   "Открыть|Garmin текст"},
        WiringCase{"OpenItem", &TForm1::N2, ScriptedPrompts::Kind::OpenFile, "Открыть|Garmin текст"},
        WiringCase{"ImportButton", &TForm1::ToolButton13, ScriptedPrompts::Kind::OpenFile,
                   "Открыть typ|Garmin Typ"},
        WiringCase{"ImportItem", &TForm1::typ2, ScriptedPrompts::Kind::OpenFile, "Открыть typ|Garmin Typ"},
        WiringCase{"SaveButton", &TForm1::ToolButton2, ScriptedPrompts::Kind::SaveFile, "Сохранить|TYP-file"},
        WiringCase{"SaveItem", &TForm1::N3, ScriptedPrompts::Kind::SaveFile, "Сохранить|TYP-file"},
        WiringCase{"SaveAsItem", &TForm1::SaveAs1, ScriptedPrompts::Kind::SaveFile, "Сохранить|TYP-file"},
        WiringCase{"About", &TForm1::N8, ScriptedPrompts::Kind::About, ""},
        WiringCase{"Help", &TForm1::N9, ScriptedPrompts::Kind::Help, ""}),
    [](const testing::TestParamInfo<WiringCase>& info) { return std::string(info.param.Name); });

TEST_F(CommandGroupTest, ExitClosesThroughTheShutdownQuestion) {
    Form->Memo1->insertPlainText(QStringLiteral(";x"));
    Prompts.AnswerQuestion(Answer::Cancel);
    Form->N5->trigger();
    EXPECT_EQ(Prompts.Questions().size(), 1u);
    EXPECT_TRUE(Form->Document.Modified);
}

} // namespace
} // namespace velmora
