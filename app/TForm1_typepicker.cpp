// The type picker of the current object (the catalogue of its kind) and the label lines started from
// the language list.
#include "app/TForm1.h"

#include "commands/catalogues.h"
#include "commands/edit_commands.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextCursor>

#include <algorithm>

namespace velmora {

namespace {

// The bevel of the main panel that places the type picker.
constexpr int PanelBevelWidth = 1;

} // namespace

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
    const std::optional<QString> listText = Edit::Retype(*History, Document, *object, text);
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
    if (!Edit::AddLabelLine(*History, Document, *object, LanguageList()[size_t(row)])) return;
    ShowLabels();
    // The user goes on typing the label text after the comma.
    QTextCursor cursor = LabelEditor->textCursor();
    cursor.movePosition(QTextCursor::End);
    LabelEditor->setTextCursor(cursor);
    LabelEditor->setFocus();
}

} // namespace velmora
