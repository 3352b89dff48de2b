// Creation mode and the commit of a new object, the type catalogue of the current object and the
// label lines started from the language list.
#include "app/TForm1.h"

#include "commands/catalogues.h"
#include "commands/edit_history.h"
#include "commands/new_object.h"
#include "commands/object_edits.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTextCursor>

#include <algorithm>

namespace velmora {

namespace {

QString NightItem() {
    return TForm1::tr("Ночь");
}
QString DayAndNightItem() {
    return TForm1::tr("День и ночь");
}
// The bevel of the main panel that places the type picker.
constexpr int PanelBevelWidth = 1;

// Enter or Return in a field of creation mode presses the commit button.
class CommitOnEnterFilter : public QObject {
  public:
    CommitOnEnterFilter(QPushButton* commit, QObject* parent) : QObject(parent), Commit(commit) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || Commit->isHidden()) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        Commit->click();
        return true;
    }

  private:
    QPushButton* Commit;
};

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

void TForm1::ToolButton5Click() {
    Document.CurrentObject = nullptr;
    BtnVisible(false);
    BitBtn1->show();
    BitBtn2->show();
    // The commit and cancel buttons take the place of the label style, which needs an object.
    LabelStyleBox->hide();
    ToolButton4->setEnabled(false);

    ComboBox4->hide();
    RadioGroup2Handler = nullptr;
    RadioGroup2->button(Night)->setText(DayAndNightItem());

    ClearPicture();
    QPalette yellow = PropertyColumn->palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 0));
    PropertyColumn->setPalette(yellow);
    ShowLabels();

    RadioGroup2Box->setEnabled(true);
    RadioGroup1Box->setEnabled(false);

    ComboBox1->hide();
    Edit3->setGeometry(ComboBox1->x(), ComboBox1->y(), 60, ComboBox1->height());
    Edit1->setGeometry(ComboBox1->x() + 70, ComboBox1->y(), 60, ComboBox1->height());
    Edit3->show();

    FillColourList({}, -1);
    Edit2->clear();
    ApplyCreationPreset(ChosenKind());

    if (!CommitOnEnter) {
        CommitOnEnter = new CommitOnEnterFilter(BitBtn1, this);
        for (QWidget* field : {static_cast<QWidget*>(Edit3), static_cast<QWidget*>(Edit1),
                               static_cast<QWidget*>(SpinEdit1), static_cast<QWidget*>(SpinEdit2),
                               static_cast<QWidget*>(SpinEdit3), static_cast<QWidget*>(SpinEdit4),
                               static_cast<QWidget*>(SpinEdit5), static_cast<QWidget*>(SpinEdit6),
                               static_cast<QWidget*>(CheckBox1), static_cast<QWidget*>(ComboBox5)})
            field->installEventFilter(CommitOnEnter);
    }
    Edit3->setFocus();
}

void TForm1::ApplyCreationPreset(int kind) {
    const CreationPreset preset = CreationPresetFor(kind, ShownView() == Night);
    ShowSpinValues();
    // The length first: the limit of the kind set up before would cut the new preset.
    Edit3->setMaxLength(preset.TypeMaxLength);
    Edit3->setText(preset.TypeText);
    Edit1->setMaxLength(preset.SubTypeMaxLength);
    Edit1->setText(preset.SubTypeText);
    Edit1->setVisible(preset.SubTypeVisible);

    StatusPanels[0]->setText(preset.StatusText);
    CheckBox1->setVisible(preset.NoBitmapVisible);
    switch (preset.Orientation) {
    case OrientationPreset::DisableAndSetN: {
        QSignalBlocker block(ComboBox5);
        ComboBox5->setCurrentIndex(0);
        ComboBox5->setEnabled(false);
        break;
    }
    case OrientationPreset::EnableUnlessNoBitmap:
        ComboBox5->setEnabled(!CheckBox1->isChecked());
        break;
    case OrientationPreset::Unchanged:
        break;
    }
    ApplySpin(SpinEdit4, preset.Width);
    ApplySpin(SpinEdit5, preset.Height);
    ApplySpin(SpinEdit3, preset.ColourCount);
    {
        QSignalBlocker block(SpinEdit6);
        SpinEdit6->setValue(preset.CharsPerPixel);
    }
    if (preset.CharsPerPixelEnabled) SpinEdit6->setEnabled(true);
    // Every set-up starts with a bitmap: a "Без матрицы" ticked for the last object is not carried over.
    CheckBox1->setChecked(false);
    if (preset.NoBitmapVisible) CheckBox1Click();
    RadioGroup2Handler = preset.ViewChooserFollowsColours ? &TForm1::RadioGroup2Click2 : nullptr;
}

void TForm1::N10Click() {
    SetChosenKindSilently(KindPoint);
    RadioGroup1Click();
    ToolButton5Click();
}

void TForm1::N11Click() {
    SetChosenKindSilently(KindLine);
    RadioGroup1Click();
    ToolButton5Click();
}

void TForm1::N12Click() {
    SetChosenKindSilently(KindPolygon);
    RadioGroup1Click();
    ToolButton5Click();
}

void TForm1::RadioGroup2Click2() {
    ApplySpin(SpinEdit3, CreationColourCount(ShownView() == Night));
}

bool TForm1::Edit3KeyPress(QChar key) {
    // Control keys type no character: Return commits, Delete erases, and the editing shortcuts
    // (select all, copy, paste, undo) keep working; pasted text is read as hexadecimal all the same.
    if (key.unicode() < 0x20 || key.unicode() == 0x7F) return true;
    return IsTypeFieldKey(char32_t(key.unicode()));
}

void TForm1::LeaveCreationMode() {
    RadioGroup2->button(Night)->setText(NightItem());
    PropertyColumn->setPalette(QPalette());
    RadioGroup2Handler = &TForm1::RadioGroup2Click;
    CheckBox1->hide();
    StatusPanels[0]->clear();
}

void TForm1::BitBtn1Click() {
    if (BitBtn1->isHidden()) return;
    LeaveCreationMode();

    const int kind = ChosenKind();
    NewObjectSettings settings;
    settings.Kind = uint8_t(kind);
    settings.TypeText = Edit3->text().toStdString();
    settings.SubTypeText = Edit1->text().toStdString();
    settings.Width = SpinByte(SpinEdit4);
    settings.Height = SpinByte(SpinEdit5);
    settings.ColourCount = SpinByte(SpinEdit3);
    settings.CharsPerPixel = SpinByte(SpinEdit6);
    settings.DayAndNight = ShownView() == Night;
    settings.NoBitmap = kind != KindPoint && CheckBox1->isChecked();
    settings.LineWidth = SpinByte(SpinEdit1);
    settings.BorderWidth = SpinByte(SpinEdit2);

    {
        QSignalBlocker block4(SpinEdit4), block5(SpinEdit5);
        SpinEdit4->setMinimum(0);
        SpinEdit5->setMinimum(0);
    }
    FillColourList({}, -1);

    auto object = std::make_unique<TGarminObject>(BuildNewObject(settings));
    if (kind == KindPoint) {
        const bool hasNight = object->XpmHeader[Night].Width != 0;
        RadioGroup2Box->setEnabled(hasNight);
        if (!hasNight) SetShownViewSilently(Day);
    } else if (settings.NoBitmap) {
        SetShownViewSilently(Day);
    }
    History->Push(std::make_unique<AddObjectStep>(Document, std::move(object), StepName::Create()));
    const TGarminObject& added = *Document.List(kind).back();

    BitBtn1->hide();
    BitBtn2->hide();
    LabelStyleBox->show();
    Edit3->hide();
    Edit1->hide();
    RadioGroup1Box->setEnabled(true);
    ComboBox1->show();
    {
        QSignalBlocker block(ComboBox1);
        ComboBox1->addItem(ObjectEntryText(ListLabel(added), added));
        ComboBox1->setCurrentIndex(ComboBox1->count() - 1);
    }
    SpinEdit3->setEnabled(false);
    SpinEdit4->setEnabled(false);
    SpinEdit5->setEnabled(false);
    RadioGroup2Click();
    SetCompilable(CompileState::On);
    BtnVisible(true);
    ToolButton4->setEnabled(true);
    ComboBox1Change();

    // The view chooser returns to "День"; the picture must follow it.
    const bool wasNight = ShownView() == Night;
    SetShownViewSilently(Day);
    if (wasNight) RadioGroup2Click();
    ComboBox2->setCurrentIndex(0);
}

void TForm1::BitBtn2Click() {
    if (BitBtn2->isHidden()) return;
    RadioGroup2->button(Night)->setText(NightItem());
    PropertyColumn->setPalette(QPalette());
    ToolButton4->setEnabled(true);
    BtnVisible(true);
    RadioGroup1Box->setEnabled(true);
    BitBtn1->hide();
    BitBtn2->hide();
    LabelStyleBox->show();
    Edit3->hide();
    Edit1->hide();
    {
        QSignalBlocker block4(SpinEdit4), block5(SpinEdit5);
        SpinEdit4->setEnabled(false);
        SpinEdit5->setEnabled(false);
        SpinEdit4->setMinimum(0);
        SpinEdit5->setMinimum(0);
    }
    ComboBox1->show();
    RadioGroup2Handler = &TForm1::RadioGroup2Click;
    CheckBox1->hide();
    StatusPanels[0]->clear();
    ComboBox1Change();
}

void TForm1::ComboBox1DblClick() {
    if (!Document.CurrentObject) return;
    ComboBox1->hide();
    const int width = Splitter1->width() - ScrollBox2->width() - Panel1->width() - 8 * PanelBevelWidth;
    ComboBox4->setGeometry(2 * PanelBevelWidth, 2 * PanelBevelWidth, std::max(width, 100),
                           ComboBox4->sizeHint().height());
    {
        // The picker opens on the object's own type, so that applying it unchanged changes nothing.
        const TGarminObject& object = *Document.CurrentObject;
        QSignalBlocker block(ComboBox4);
        ComboBox4->setCurrentIndex(CatalogueRow(ChosenKind(), object.TypeCode, object.SubTypeCode));
    }
    ComboBox4->show();
    ComboBox4->raise();
    ComboBox4->setFocus();
}

void TForm1::ComboBox4Change() {
    TGarminObject* object = Document.CurrentObject;
    const int row = ComboBox4->currentIndex();
    if (!object || row < 0) {
        CloseTypePicker();
        return;
    }
    const std::string text = ComboBox4->itemText(row).toStdString();
    const int selected = ComboBox1->currentIndex();
    std::optional<QString> listText;
    History->Push(
        std::make_unique<ObjectEditStep>(Document, *object, StepName::Retype(), [&](TGarminObject& o) {
            const uint32_t type = o.TypeCode, subType = o.SubTypeCode;
            listText = RetypeFromCatalogue(Document, o, text);
            return listText && (o.TypeCode != type || o.SubTypeCode != subType);
        }));
    if (listText && selected >= 0) {
        QSignalBlocker block(ComboBox1);
        ComboBox1->setItemText(selected, ObjectEntryText(*listText, *object));
    }
    CloseTypePicker();
    QSignalBlocker block(ComboBox1);
    ComboBox1->setCurrentIndex(selected);
}

void TForm1::ComboBox4DblClick() {
    ComboBox4Change();
}

void TForm1::CloseTypePicker() {
    ComboBox4->hide();
    ComboBox1->show();
}

bool TForm1::ComboBox4KeyDown(int key, Qt::KeyboardModifiers shift) {
    // Alt with an arrow opens the list, where the arrows browse and Enter or a click applies.
    if (shift & Qt::AltModifier) return false;
    const int last = ComboBox4->count() - 1;
    const int row = ComboBox4->currentIndex();
    const int page = 10;
    int browsed = row;
    switch (key) {
    case Qt::Key_Up:
        browsed = row - 1;
        break;
    case Qt::Key_Down:
        browsed = row + 1;
        break;
    case Qt::Key_PageUp:
        browsed = row - page;
        break;
    case Qt::Key_PageDown:
        browsed = row < 0 ? page - 1 : row + page;
        break;
    case Qt::Key_Home:
        browsed = 0;
        break;
    case Qt::Key_End:
        browsed = last;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ComboBox4Change();
        return true;
    case Qt::Key_Escape:
        CloseTypePicker();
        return true;
    default:
        return false;
    }
    // Browsing only shows the row; the object keeps its type until a row is applied.
    if (last >= 0) ComboBox4->setCurrentIndex(std::clamp(browsed, 0, last));
    return true;
}

void TForm1::ComboBox3DblClick() {
    TGarminObject* object = Document.CurrentObject;
    const int row = ComboBox3->currentIndex();
    if (!object || row < 0 || size_t(row) >= LanguageList().size()) return;
    bool appended = false;
    History->Push(
        std::make_unique<ObjectEditStep>(Document, *object, StepName::LabelLine(), [&](TGarminObject& o) {
            return appended = AppendLabelLine(Document, o, LanguageList()[size_t(row)]);
        }));
    if (!appended) return;
    ShowLabels();
    // The user goes on typing the label text after the comma.
    QTextCursor cursor = LabelEditor->textCursor();
    cursor.movePosition(QTextCursor::End);
    LabelEditor->setTextCursor(cursor);
    LabelEditor->setFocus();
}

} // namespace velmora
