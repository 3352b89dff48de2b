// The colour edit dialog "Редактор символов": the code, colour and transparency of one colour
// entry, and the entry to add to a point's table. The dialog changes no object data; its caller
// applies what it hands back.
#pragma once

#include "model/maintyp.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <optional>

class QCheckBox;
class QColorDialog;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace velmora {

class ColourPanel;
class TGarmin60Dlg;

// What the dialog shows when it opens.
struct SymbolEditorInput {
    TColourEntry Entry;
    bool AddEnabled = false;     // "Добавить" for points only
    bool GarminPalette = true;   // the main window's "Палитра" is at "GPSMAP 60C"
    uint32_t StandardColour = 0; // the main window's standard colour dialog's current colour
};

class TOKBottomDlg1 : public QDialog {
    Q_OBJECT

  public:
    // The result of "Добавить"; "Изменить" closes with Accepted, "Cancel" with Rejected.
    static constexpr int AddResult = 2;

    explicit TOKBottomDlg1(TGarmin60Dlg* paletteDialog, QWidget* parent = nullptr);

    // What FormActivate loads the next time the dialog is shown.
    SymbolEditorInput Input;
    // The colour chosen in the dialog.
    uint32_t SymbolColour = 0;

    // Loads Input into the controls; runs every time the dialog is shown.
    void FormActivate();
    // Picks a new colour through the palette that the main window has chosen.
    void Panel1Click();
    // Reflects the "None" box in the colour panel.
    void CheckBox1Click();

    // The two pickers, replaceable so that the dialog can be driven without modal loops.
    std::function<std::optional<uint32_t>(uint32_t preset)> RunStandardColourDialog;
    std::function<bool()> RunPaletteDialog;

    QGroupBox* Bevel1 = nullptr;
    QLineEdit* Edit1 = nullptr; // the code, at most one character
    ColourPanel* Panel1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;   // "None"
    QPushButton* OKBtn = nullptr;     // "Изменить"
    QPushButton* YesBtn = nullptr;    // "Добавить"
    QPushButton* CancelBtn = nullptr; // "Cancel"
    QColorDialog* ColorDialog1 = nullptr;
    // The palette dialog that "GPSMAP 60C" runs; not owned.
    TGarmin60Dlg* PaletteDialog = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace velmora
