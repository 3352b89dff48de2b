#include "dialogs/EdSymb.h"

#include "dialogs/G60Cx.h"
#include "view/colour.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace velmora {
namespace {

constexpr uint32_t WhiteColour = 0xFFFFFF;

// A code byte shown as the character of that byte, so that every byte keeps a character of its own.
QString CodeText(char code) {
    return code == 0 ? QString() : QString(QChar(uchar(code)));
}

} // namespace

TOKBottomDlg1::TOKBottomDlg1(TGarmin60Dlg* paletteDialog, QWidget* parent)
    : QDialog(parent), PaletteDialog(paletteDialog) {
    setWindowTitle(tr("Редактор символов"));
    setFixedSize(201, 221);

    Bevel1 = new QGroupBox(this);
    Bevel1->setGeometry(4, 8, 193, 77);
    Edit1 = new QLineEdit(Bevel1);
    Edit1->setGeometry(12, 12, 41, 21);
    Edit1->setMaxLength(1);
    Panel1 = new ColourPanel(Bevel1);
    Panel1->setGeometry(72, 12, 73, 22);
    Panel1->Clicked = [this] { Panel1Click(); };
    CheckBox1 = new QCheckBox(QStringLiteral("None"), Bevel1);
    CheckBox1->setGeometry(12, 48, 120, 17);
    connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });

    OKBtn = new QPushButton(tr("Изменить"), this);
    OKBtn->setGeometry(76, 96, 75, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    YesBtn = new QPushButton(tr("Добавить"), this);
    YesBtn->setGeometry(76, 132, 75, 25);
    connect(YesBtn, &QPushButton::clicked, this, [this] { done(AddResult); });
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setGeometry(76, 172, 75, 25);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    ColorDialog1 = new QColorDialog(this);
    RunStandardColourDialog = [this](uint32_t preset) -> std::optional<uint32_t> {
        ColorDialog1->setCurrentColor(ToQColor(preset));
        if (ColorDialog1->exec() != QDialog::Accepted) return std::nullopt;
        return FromQColor(ColorDialog1->currentColor());
    };
    RunPaletteDialog = [this] { return PaletteDialog && PaletteDialog->exec() == QDialog::Accepted; };
}

void TOKBottomDlg1::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TOKBottomDlg1::FormActivate() {
    Edit1->setText(CodeText(Input.Entry.Code));
    CheckBox1->setChecked(Input.Entry.IsTransparent());
    // The panel shows the stored colour even for a transparent entry; the box only whitens it when
    // the user ticks it.
    Panel1->SetColour(Input.Entry.Colour());
    SymbolColour = Input.Entry.Colour();
    YesBtn->setEnabled(Input.AddEnabled);
    Edit1->setFocus();
    Edit1->selectAll();
}

void TOKBottomDlg1::Panel1Click() {
    if (CheckBox1->isChecked()) return;
    if (!Input.GarminPalette) {
        if (auto picked = RunStandardColourDialog(SymbolColour)) {
            SymbolColour = *picked;
            Panel1->SetColour(SymbolColour);
        }
        return;
    }
    // OK without a pick hands back the main window's standard colour.
    if (PaletteDialog) PaletteDialog->PresetColour(Input.StandardColour);
    if (PaletteDialog && RunPaletteDialog()) {
        SymbolColour = PaletteDialog->PaletteColour;
        Panel1->SetColour(SymbolColour);
    }
}

void TOKBottomDlg1::CheckBox1Click() {
    // Unticking shows the colour that "Изменить" will store.
    Panel1->SetColour(CheckBox1->isChecked() ? WhiteColour : SymbolColour);
}

} // namespace velmora
