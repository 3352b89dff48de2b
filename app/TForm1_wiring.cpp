// How the window's controls reach their handlers: the signal connections and the event filter.
// The handler files are called from here and from their own signals only, so the window's core
// (TForm1.cpp) and the handler files do not call each other in a circle.
#include "app/TForm1.h"

#include "commands/edit_history.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QWheelEvent>

namespace velmora {

void TForm1::ConnectControls() {
    const std::array<std::pair<QAction*, void (TForm1::*)()>, 24> commands{{
        {ToolButton1, &TForm1::ToolButton1Click},
        {N2, &TForm1::ToolButton1Click},
        {ToolButton13, &TForm1::ToolButton13Click},
        {typ2, &TForm1::ToolButton13Click},
        {ToolButton2, &TForm1::ToolButton2Click},
        {N3, &TForm1::ToolButton2Click},
        {SaveAs1, &TForm1::SaveAs1Click},
        {N5, &TForm1::N5Click},
        {ToolButton5, &TForm1::ToolButton5Click},
        {N10, &TForm1::N10Click},
        {N11, &TForm1::N11Click},
        {N12, &TForm1::N12Click},
        {ToolButton10, &TForm1::ToolButton10Click},
        {N14, &TForm1::ToolButton10Click},
        {ToolButton11, &TForm1::ToolButton11Click},
        {N15, &TForm1::ToolButton11Click},
        {ToolButton4, &TForm1::ToolButton4Click},
        {N16, &TForm1::ToolButton4Click},
        {ToolButton6, &TForm1::ToolButton6Click},
        {N18, &TForm1::ToolButton6Click},
        {ToolButton7, &TForm1::ToolButton7Click},
        {BitMap1, &TForm1::ToolButton7Click},
        {ToolButton9, &TForm1::ToolButton9Click},
        {TYP1, &TForm1::ToolButton9Click},
    }};
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, [this, handler = handler] { (this->*handler)(); });
    connect(N8, &QAction::triggered, this, &TForm1::N8Click);
    connect(N9, &QAction::triggered, this, &TForm1::N9Click);
    connect(Undo1, &QAction::triggered, this, &TForm1::Undo1Click);
    connect(Redo1, &QAction::triggered, this, &TForm1::Redo1Click);
    connect(ZoomIn1, &QAction::triggered, this, [this] { ZoomBy(1); });
    connect(ZoomOut1, &QAction::triggered, this, [this] { ZoomBy(-1); });
    connect(ScrollBox1, &ViewPanel::ZoomWheel, this, &TForm1::ZoomBy);
    QUndoStack* stack = &History->Stack();
    connect(stack, &QUndoStack::indexChanged, this, &TForm1::HistoryChanged);
    connect(stack, &QUndoStack::cleanChanged, this, &TForm1::HistoryChanged);

    connect(RadioGroup1, &QButtonGroup::idClicked, this, &TForm1::RadioGroup1Click);
    connect(ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);
    connect(RadioGroup2, &QButtonGroup::idClicked, this, &TForm1::RadioGroup2Clicked);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TForm1::ComboBox2Change);
    ComboBox2->SetDrawItem(
        [this](QPainter& painter, const QRect& rect, int index) { ComboBox2DrawItem(painter, rect, index); });
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TForm1::SpinEdit1Change);
    connect(SpinEdit2, &QSpinBox::valueChanged, this, &TForm1::SpinEdit2Change);
    connect(ComboBox5, &QComboBox::currentIndexChanged, this, &TForm1::ComboBox5Change);
    connect(SpinEdit6, &QSpinBox::valueChanged, this, &TForm1::SpinEdit6Change);
    connect(CheckBox1, &QCheckBox::clicked, this, &TForm1::CheckBox1Click);
    connect(SpinEdit4, &QSpinBox::valueChanged, this, &TForm1::SpinEdit4Change);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TForm1::ScrollBar1Change);
    connect(ScrollBox1, &ViewPanel::Resized, this, &TForm1::ScrollBox1Resize);
    connect(Memo1, &QPlainTextEdit::textChanged, this, &TForm1::Memo1Change);
    connect(LabelEditor, &QPlainTextEdit::textChanged, this, &TForm1::LabelEditorChange);
    connect(FontStyleList, &QComboBox::currentIndexChanged, this, &TForm1::FontStyleListChange);
    connect(DayLabelColourButton, &QPushButton::clicked, this, &TForm1::DayLabelColourButtonClick);
    connect(DayLabelColourNone, &QPushButton::clicked, this, &TForm1::DayLabelColourNoneClick);
    connect(NightLabelColourButton, &QPushButton::clicked, this, &TForm1::NightLabelColourButtonClick);
    connect(NightLabelColourNone, &QPushButton::clicked, this, &TForm1::NightLabelColourNoneClick);
    connect(Image1, &ImageControl::MouseDown, this, &TForm1::Image1MouseDown);
    connect(Image1, &ImageControl::MouseMove, this, &TForm1::Image1MouseMove);
    connect(Image1, &ImageControl::MouseUp, this, &TForm1::Image1MouseUp);
    // The picker applies a row chosen in its open list (a click, or Enter there); its keys on the
    // closed picker browse only (ComboBox4KeyDown).
    connect(ComboBox4, &QComboBox::activated, this, &TForm1::ComboBox4Change);
    connect(ObjectFilter, &QLineEdit::textChanged, this, &TForm1::ObjectFilterChange);
    connect(Find1, &QAction::triggered, this, &TForm1::Find1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);

    // Double clicks and the colour list's keys have no signals.
    for (QObject* watched :
         {static_cast<QObject*>(ComboBox1->lineEdit()), static_cast<QObject*>(ComboBox3->lineEdit()),
          static_cast<QObject*>(ComboBox4->lineEdit()), static_cast<QObject*>(ComboBox2),
          static_cast<QObject*>(ComboBox4)})
        watched->installEventFilter(this);
    // The editors and fields whose own undo keys would hide the document's history.
    for (QWidget* editor :
         {static_cast<QWidget*>(Memo1), static_cast<QWidget*>(LabelEditor), static_cast<QWidget*>(SpinEdit1),
          static_cast<QWidget*>(SpinEdit2), static_cast<QWidget*>(SpinEdit6)})
        editor->installEventFilter(this);
    Memo1->setUndoRedoEnabled(false);
    LabelEditor->setUndoRedoEnabled(false);
}

namespace {

bool IsUndoKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z) ||
           key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y);
}

bool IsObjectCommandKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) ||
           key->key() == Qt::Key_Delete;
}

} // namespace

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PropertyColumn) {
        if (event->type() == QEvent::Resize) WidenPropertyColumn();
        return false;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == ComboBox1->lineEdit())
            ComboBox1DblClick();
        else if (watched == ComboBox3->lineEdit())
            ComboBox3DblClick();
        else if (watched == ComboBox4->lineEdit())
            ComboBox4DblClick();
        return false;
    }
    if (event->type() == QEvent::Wheel && watched == ComboBox4) {
        // The wheel browses the closed picker as the arrow keys do: it changes nothing.
        const int steps = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (steps != 0) ComboBox4KeyDown(steps > 0 ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        // The undo keys belong to the document's history everywhere, and the read-only lists
        // leave copy, paste and delete to the object commands: the override is refused so that the
        // window's shortcut runs.
        const bool readOnlyList = watched == ComboBox1->lineEdit() || watched == ComboBox3->lineEdit() ||
                                  watched == ComboBox4->lineEdit();
        if (IsUndoKey(key) || (readOnlyList && IsObjectCommandKey(key))) {
            event->ignore();
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == ComboBox2) {
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;
        ComboBox2KeyDown(key->key(), key->modifiers());
        return true;
    }
    // An editable combo box keeps the focus itself and hands its line edit the keys it does not use.
    if (watched == ComboBox4 || watched == ComboBox4->lineEdit())
        return ComboBox4KeyDown(key->key(), key->modifiers());
    return false;
}

} // namespace velmora
