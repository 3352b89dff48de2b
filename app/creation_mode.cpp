#include "app/creation_mode.h"

#include "model/maintyp.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

namespace velmora {

namespace {

QString DayAndNightItem() {
    return QCoreApplication::translate("velmora::TForm1", "День и ночь");
}

void ApplySpin(QSpinBox* spin, const SpinPreset& preset) {
    QSignalBlocker block(spin);
    spin->setRange(preset.Minimum, preset.Maximum);
    spin->setSingleStep(1);
    spin->setValue(preset.Value);
    spin->setEnabled(preset.Enabled);
}

uint8_t SpinByte(const QSpinBox* spin) {
    return uint8_t(std::clamp(spin->value(), 0, 255));
}

} // namespace

CreationMode::CreationMode(const Controls& controls, QObject* parent) : QObject(parent), C(controls) {
    for (QWidget* field : {static_cast<QWidget*>(C.TypeField), static_cast<QWidget*>(C.SubTypeField),
                           static_cast<QWidget*>(C.LineWidth), static_cast<QWidget*>(C.BorderWidth),
                           static_cast<QWidget*>(C.ColourCount), static_cast<QWidget*>(C.Width),
                           static_cast<QWidget*>(C.Height), static_cast<QWidget*>(C.CharsPerPixel),
                           static_cast<QWidget*>(C.NoBitmap), static_cast<QWidget*>(C.Orientation)})
        field->installEventFilter(this);
}

bool CreationMode::IsTypeFieldCharacter(QChar key) {
    if (key.unicode() < 0x20 || key.unicode() == 0x7F) return true;
    return IsTypeFieldKey(char32_t(key.unicode()));
}

bool CreationMode::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Enter or Return in a field of creation mode presses the commit button, as a dialog's default
    // button would.
    if (On && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        C.Commit->click();
        return true;
    }
    if ((watched == C.TypeField || watched == C.SubTypeField) && !key->text().isEmpty())
        return !IsTypeFieldCharacter(key->text().front());
    return false;
}

std::vector<QWidget*> CreationMode::TouchedControls() const {
    return {C.ViewChooserBox, C.KindChooserBox, C.TypeField, C.SubTypeField, C.LineWidth,
            C.BorderWidth,    C.ColourCount,    C.Width,     C.Height,       C.CharsPerPixel,
            C.Orientation,    C.NoBitmap,       C.Commit,    C.Cancel,       C.LabelStyleBox};
}

void CreationMode::Remember() {
    SavedStates.clear();
    for (QWidget* control : TouchedControls())
        SavedStates.push_back({control, control->isEnabled(), control->isHidden()});
    SavedSpins.clear();
    for (QSpinBox* spin : {C.LineWidth, C.BorderWidth, C.ColourCount, C.Width, C.Height, C.CharsPerPixel})
        SavedSpins.push_back(
            {spin, spin->minimum(), spin->maximum(), spin->value(), spin->specialValueText()});
    SavedPalette = C.PropertyColumn->palette();
    SavedNightItem = C.ViewChooser->button(Night)->text();
    SavedStatus = C.StatusPanel->text();
    SavedOrientation = C.Orientation->currentIndex();
    SavedTypeLength = C.TypeField->maxLength();
    SavedSubTypeLength = C.SubTypeField->maxLength();
}

void CreationMode::Restore() {
    for (const SavedSpin& saved : SavedSpins) {
        QSignalBlocker block(saved.Spin);
        saved.Spin->setSpecialValueText(saved.SpecialValueText);
        saved.Spin->setRange(saved.Minimum, saved.Maximum);
        saved.Spin->setValue(saved.Value);
    }
    {
        QSignalBlocker block(C.Orientation);
        C.Orientation->setCurrentIndex(SavedOrientation);
    }
    {
        QSignalBlocker block(C.NoBitmap);
        C.NoBitmap->setChecked(false);
    }
    for (const Saved& saved : SavedStates) {
        saved.Control->setEnabled(saved.Enabled);
        saved.Control->setHidden(saved.Hidden);
    }
    // Leaving shows the object list, closed, whether the type picker was open before or not.
    C.TypePicker->hide();
    C.ObjectList->show();
    C.TypeField->setMaxLength(SavedTypeLength);
    C.SubTypeField->setMaxLength(SavedSubTypeLength);
    C.PropertyColumn->setPalette(SavedPalette);
    C.ViewChooser->button(Night)->setText(SavedNightItem);
    C.StatusPanel->setText(SavedStatus);
}

void CreationMode::Enter(int kind) {
    if (!On) Remember();
    On = true;
    Kind = kind;
    C.Commit->show();
    C.Cancel->show();
    C.LabelStyleBox->hide();
    C.TypePicker->hide();
    C.ViewChooser->button(Night)->setText(DayAndNightItem());
    QPalette yellow = C.PropertyColumn->palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 0));
    C.PropertyColumn->setPalette(yellow);
    C.ViewChooserBox->setEnabled(true);
    C.KindChooserBox->setEnabled(false);
    const QComboBox* list = C.ObjectList;
    C.TypeField->setGeometry(list->x(), list->y(), 60, list->height());
    C.SubTypeField->setGeometry(list->x() + 70, list->y(), 60, list->height());
    C.ObjectList->hide();
    C.TypeField->show();
    ApplyPreset();
    C.TypeField->setFocus();
}

bool CreationMode::SecondViewItem() const {
    return C.ViewChooser->checkedId() == Night;
}

void CreationMode::ApplyPreset() {
    Preset = CreationPresetFor(Kind, SecondViewItem());
    for (const SavedSpin& saved : SavedSpins)
        saved.Spin->setSpecialValueText(QString());
    // The length first: the limit of the kind set up before would cut the new preset.
    C.TypeField->setMaxLength(Preset.TypeMaxLength);
    C.TypeField->setText(Preset.TypeText);
    C.SubTypeField->setMaxLength(Preset.SubTypeMaxLength);
    C.SubTypeField->setText(Preset.SubTypeText);
    C.SubTypeField->setVisible(Preset.SubTypeVisible);
    C.StatusPanel->setText(Preset.StatusText);
    C.NoBitmap->setVisible(Preset.NoBitmapVisible);
    if (Preset.Orientation == OrientationPreset::DisableAndSetN) {
        QSignalBlocker block(C.Orientation);
        C.Orientation->setCurrentIndex(0);
        C.Orientation->setEnabled(false);
    }
    ApplySpin(C.Width, Preset.Width);
    ApplySpin(C.Height, Preset.Height);
    ApplySpin(C.ColourCount, Preset.ColourCount);
    {
        QSignalBlocker block(C.CharsPerPixel);
        C.CharsPerPixel->setValue(Preset.CharsPerPixel);
    }
    if (Preset.CharsPerPixelEnabled) C.CharsPerPixel->setEnabled(true);
    // Every set-up starts with a bitmap: a "Без матрицы" ticked for the last object is not carried over.
    C.NoBitmap->setChecked(false);
    if (Preset.NoBitmapVisible) NoBitmapClicked();
}

void CreationMode::ViewChosen() {
    if (On && Preset.ViewChooserFollowsColours)
        ApplySpin(C.ColourCount, CreationColourCount(SecondViewItem()));
}

void CreationMode::NoBitmapClicked() {
    if (!On) return;
    // Sizes fixed by the kind (a line's 32 pixels of length, a polygon's 32 x 32) stay fixed.
    const bool withBitmap = !C.NoBitmap->isChecked();
    C.Width->setEnabled(withBitmap && Preset.Width.Enabled);
    C.Height->setEnabled(withBitmap && Preset.Height.Enabled);
    if (Preset.Orientation == OrientationPreset::EnableUnlessNoBitmap) C.Orientation->setEnabled(withBitmap);
}

void CreationMode::WidthChanged() {
    if (On && Kind == KindLine && !C.NoBitmap->isChecked()) C.Orientation->setEnabled(true);
}

std::optional<NewObjectSettings> CreationMode::Commit() {
    if (!On) return std::nullopt;
    NewObjectSettings settings;
    settings.Kind = uint8_t(Kind);
    settings.TypeText = C.TypeField->text().toStdString();
    settings.SubTypeText = C.SubTypeField->text().toStdString();
    settings.Width = SpinByte(C.Width);
    settings.Height = SpinByte(C.Height);
    settings.ColourCount = SpinByte(C.ColourCount);
    settings.CharsPerPixel = SpinByte(C.CharsPerPixel);
    settings.DayAndNight = SecondViewItem();
    settings.NoBitmap = Kind != KindPoint && C.NoBitmap->isChecked();
    settings.LineWidth = SpinByte(C.LineWidth);
    settings.BorderWidth = SpinByte(C.BorderWidth);
    Cancel();
    return settings;
}

bool CreationMode::Cancel() {
    if (!On) return false;
    On = false;
    Restore();
    return true;
}

} // namespace velmora
