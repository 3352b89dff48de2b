#include "dialogs/EdSymb.h"

#include "dialogs/G60Cx.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace velmora {
namespace {

TColourEntry Entry(char code, bool transparent, uint32_t colour) {
    TColourEntry entry;
    entry.Code = code;
    entry.TransparentMark = transparent ? TransparentMarkNone : 0;
    entry.SetColour(colour);
    return entry;
}

// The dialog opened modally on input, closed by pressing button as soon as it shows.
int RunAndPress(TOKBottomDlg1& dialog, QPushButton* button) {
    QTimer::singleShot(0, button, [button] { button->click(); });
    return dialog.exec();
}

TEST(EdSymb, OpeningShowsTheEntry) {
    TGarmin60Dlg palette;
    TOKBottomDlg1 dialog(&palette);
    EXPECT_EQ(dialog.windowTitle(), "Редактор символов");
    EXPECT_EQ(dialog.Edit1->maxLength(), 1);
    dialog.Input = {Entry('.', true, 0x00FF00), true, true, 0};
    EXPECT_EQ(RunAndPress(dialog, dialog.CancelBtn), QDialog::Rejected);
    EXPECT_EQ(dialog.Edit1->text(), ".");
    EXPECT_TRUE(dialog.CheckBox1->isChecked());
    EXPECT_EQ(dialog.Panel1->Colour(), 0x00FF00u);
    EXPECT_EQ(dialog.SymbolColour, 0x00FF00u);
}

TEST(EdSymb, AddIsOfferedForPointsOnlyAndClosesWithItsOwnResult) {
    TGarmin60Dlg palette;
    TOKBottomDlg1 dialog(&palette);
    dialog.Input = {Entry('a', false, 0), false, true, 0};
    RunAndPress(dialog, dialog.CancelBtn);
    EXPECT_FALSE(dialog.YesBtn->isEnabled());
    dialog.Input.AddEnabled = true;
    EXPECT_EQ(RunAndPress(dialog, dialog.YesBtn), TOKBottomDlg1::AddResult);
    EXPECT_EQ(RunAndPress(dialog, dialog.OKBtn), QDialog::Accepted);
}

TEST(EdSymb, TickedNoneOpensNoPicker) {
    TGarmin60Dlg palette;
    TOKBottomDlg1 dialog(&palette);
    int pickers = 0;
    dialog.RunStandardColourDialog = [&](uint32_t) -> std::optional<uint32_t> { return ++pickers, 0x111111; };
    dialog.RunPaletteDialog = [&] { return ++pickers, true; };
    dialog.Input = {Entry('a', true, 0x123456), false, false, 0};
    dialog.FormActivate();
    dialog.Panel1Click();
    dialog.Input.GarminPalette = true;
    dialog.Panel1Click();
    EXPECT_EQ(pickers, 0);
    EXPECT_EQ(dialog.SymbolColour, 0x123456u);
}

TEST(EdSymb, PanelPicksThroughTheChosenPalette) {
    TGarmin60Dlg palette;
    TOKBottomDlg1 dialog(&palette);
    dialog.RunStandardColourDialog = [](uint32_t) -> std::optional<uint32_t> { return 0x0000FF; };
    dialog.RunPaletteDialog = [] { return true; }; // OK without a pick
    dialog.Input = {Entry('a', false, 0x123456), true, false, 0xABCDEF};
    dialog.FormActivate();
    dialog.Panel1Click();
    EXPECT_EQ(dialog.SymbolColour, 0x0000FFu);
    EXPECT_EQ(dialog.Panel1->Colour(), 0x0000FFu);

    dialog.Input.GarminPalette = true;
    dialog.Panel1Click();
    EXPECT_EQ(dialog.SymbolColour, 0xABCDEFu) << "the main window's standard colour";
    EXPECT_EQ(dialog.Panel1->Colour(), 0xABCDEFu);
}

TEST(EdSymb, CancelledPickerKeepsTheColour) {
    TGarmin60Dlg palette;
    TOKBottomDlg1 dialog(&palette);
    dialog.RunStandardColourDialog = [](uint32_t) -> std::optional<uint32_t> { return std::nullopt; };
    dialog.RunPaletteDialog = [] { return false; };
    dialog.Input = {Entry('a', false, 0x123456), true, false, 0xABCDEF};
    dialog.FormActivate();
    dialog.Panel1Click();
    dialog.Input.GarminPalette = true;
    dialog.Panel1Click();
    EXPECT_EQ(dialog.SymbolColour, 0x123456u);
}

TEST(EdSymb, NoneBoxWhitensThePanelAndUntickingShowsThePickedColour) {
    TGarmin60Dlg palette;
    TOKBottomDlg1 dialog(&palette);
    dialog.RunStandardColourDialog = [](uint32_t) -> std::optional<uint32_t> { return 0x0000FF; };
    dialog.Input = {Entry('a', false, 0x123456), true, false, 0};
    dialog.FormActivate();
    dialog.Panel1Click();
    dialog.CheckBox1->setChecked(true);
    EXPECT_EQ(dialog.Panel1->Colour(), 0xFFFFFFu);
    EXPECT_EQ(dialog.SymbolColour, 0x0000FFu);
    dialog.CheckBox1->setChecked(false);
    EXPECT_EQ(dialog.Panel1->Colour(), 0x0000FFu);
}

} // namespace
} // namespace velmora
