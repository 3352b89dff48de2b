// The object list: what each entry says beside its code, and the filter field above the list.
#include "app/TForm1.h"

#include "commands/catalogues.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace velmora {

namespace {

// Between an entry's code and what the object is, as the catalogue puts it between code and name.
const QString EntrySeparator = QStringLiteral("    ");

// The text of a label line after its language ("0x04,Fuel" gives "Fuel").
QString LabelTextOf(const QString& line) {
    const qsizetype comma = line.indexOf(u',');
    return (comma < 0 ? line : line.mid(comma + 1)).trimmed();
}

// A code typed as the catalogue writes it ("0x2f06") or as the list does ("2F/06", "2f06").
QString CodeKey(QString code) {
    code.remove(u'/');
    if (code.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) code.remove(0, 2);
    return code;
}

} // namespace

QString TForm1::ObjectDescription(const TGarminObject& object) const {
    const QString name = ShownCatalogueName(object.Kind, object.TypeCode, object.SubTypeCode);
    if (!name.isEmpty() || object.Labels.empty()) return name;
    return LabelTextOf(DecodeText(object.Labels.front()));
}

QString TForm1::ObjectEntryText(const QString& code, const TGarminObject& object) const {
    const QString description = ObjectDescription(object);
    return description.isEmpty() ? code : code + EntrySeparator + description;
}

void TForm1::RefreshObjectEntry(int index) {
    const ObjectList& list = Document.List(ChosenKind());
    if (index < 0 || index >= ComboBox1->count() || size_t(index) >= list.size()) return;
    // The code keeps the spelling it has (a retyped entry writes it as the catalogue row did).
    const QString code = ComboBox1->itemText(index).section(EntrySeparator, 0, 0);
    QSignalBlocker block(ComboBox1);
    ComboBox1->setItemText(index, ObjectEntryText(code, *list[size_t(index)]));
}

bool TForm1::MatchesObjectFilter(int index) const {
    const QString filter = ObjectFilter->text().trimmed();
    if (filter.isEmpty()) return true;
    const ObjectList& list = Document.List(ChosenKind());
    if (index < 0 || size_t(index) >= list.size()) return false;
    const QString entry = ComboBox1->itemText(index);
    const QString code = entry.section(EntrySeparator, 0, 0);
    if (entry.contains(filter, Qt::CaseInsensitive) ||
        CodeKey(code).contains(CodeKey(filter), Qt::CaseInsensitive))
        return true;
    for (const std::string& label : list[size_t(index)]->Labels)
        if (LabelTextOf(DecodeText(label)).contains(filter, Qt::CaseInsensitive)) return true;
    return false;
}

int TForm1::ApplyObjectFilter() {
    auto* model = qobject_cast<QStandardItemModel*>(ComboBox1->model());
    auto* view = qobject_cast<QListView*>(ComboBox1->view());
    int first = -1;
    for (int row = 0; row < ComboBox1->count(); ++row) {
        const bool shown = MatchesObjectFilter(row);
        if (shown && first < 0) first = row;
        // A hidden row is left out of the list and, disabled, out of the keys that step through it.
        if (view) view->setRowHidden(row, !shown);
        if (model && model->item(row)) model->item(row)->setEnabled(shown);
    }
    return first;
}

void TForm1::ObjectFilterChange() {
    const int first = ApplyObjectFilter();
    const int current = ComboBox1->currentIndex();
    if (current >= 0 && MatchesObjectFilter(current)) return;
    // The object shown left the list: the first that stays is shown, or none when nothing matches.
    if (first >= 0) {
        ChooseObjectSilently(first);
        return;
    }
    {
        QSignalBlocker block(ComboBox1);
        ComboBox1->setCurrentIndex(-1);
    }
    ComboBox1Change();
}

void TForm1::Find1Click() {
    ObjectFilter->setFocus(Qt::ShortcutFocusReason);
    ObjectFilter->selectAll();
}

} // namespace velmora
