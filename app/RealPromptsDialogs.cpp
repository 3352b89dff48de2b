// The program's own dialogs behind RealPrompts: palette (G60Cx), colour edit (EdSymb) and compiler
// (Thr). They are made once at start, after the about box, and live as long as the prompts.
#include "app/RealPrompts.h"

#include "dialogs/EdSymb.h"
#include "dialogs/G60Cx.h"
#include "dialogs/Thr.h"

#include <QCheckBox>
#include <QLineEdit>

namespace velmora {

// Top-level windows without a parent: the main window must not delete them before the prompts do.
struct RealPrompts::Dialogs {
    TOKBottomDlg Thr;
    TOKBottomDlg1 EdSymb{nullptr};
    TGarmin60Dlg G60Cx;
    Dialogs() { EdSymb.PaletteDialog = &G60Cx; }
};

void RealPrompts::CreateDialogs() {
    if (!OwnDialogs) OwnDialogs = new Dialogs;
}

void RealPrompts::DestroyDialogs() {
    delete OwnDialogs;
    OwnDialogs = nullptr;
}

std::optional<ColourValue> RealPrompts::GarminPaletteColour(std::optional<ColourValue> preset) {
    CreateDialogs();
    TGarmin60Dlg& dialog = OwnDialogs->G60Cx;
    if (preset) dialog.PresetColour(*preset);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.PaletteColour;
}

ColourEditResult RealPrompts::EditColour(const ColourEditRequest& request) {
    CreateDialogs();
    TOKBottomDlg1& dialog = OwnDialogs->EdSymb;
    dialog.Input = {request.Entry, request.AddEnabled, request.GarminPalette, request.StandardColour};
    const int result = dialog.exec();
    ColourEditResult edited;
    edited.Result = result == QDialog::Accepted          ? Answer::Ok
                    : result == TOKBottomDlg1::AddResult ? Answer::Yes
                                                         : Answer::Cancel;
    edited.CodeText = dialog.Edit1->text();
    edited.NoneChecked = dialog.CheckBox1->isChecked();
    edited.SymbolColour = dialog.SymbolColour;
    return edited;
}

Answer RealPrompts::CompileTyp(const CompilerRequest& request) {
    CreateDialogs();
    TOKBottomDlg& dialog = OwnDialogs->Thr;
    dialog.Settings = request.Settings;
    dialog.InputFile = request.InputFile;
    dialog.WorkFolder = request.WorkFolder;
    dialog.MayStartOutsideCompiler = request.MayStartOutsideCompiler;
    return dialog.exec() == QDialog::Accepted ? Answer::Ok : Answer::Cancel;
}

} // namespace velmora
