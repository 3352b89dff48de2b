// Creation mode's handlers: "Добавить объект" and the "Создать" items enter it, "Добавить" commits
// the new object through the history, "&Отменить" leaves it. What the controls do meanwhile is
// app/creation_mode.h.
#include "app/TForm1.h"

#include "app/creation_mode.h"
#include "commands/edit_commands.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace velmora {

void TForm1::ToolButton5Click() {
    Document.CurrentObject = nullptr;
    ClearPicture();
    ShowLabels();
    FillColourList({}, -1);
    Edit2->clear();
    Creation->Enter(ChosenKind());
    BtnVisible(false);
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

bool TForm1::Edit3KeyPress(QChar key) {
    return CreationMode::IsTypeFieldCharacter(key);
}

void TForm1::BitBtn1Click() {
    const std::optional<NewObjectSettings> settings = Creation->Commit();
    if (!settings) return;
    FillColourList({}, -1);
    ShowCreatedObject(Edit::Create(*History, Document, *settings));
}

void TForm1::ShowCreatedObject(const TGarminObject& added) {
    if (added.Kind == KindPoint) {
        const bool hasNight = added.XpmHeader[Night].Width != 0;
        RadioGroup2Box->setEnabled(hasNight);
        if (!hasNight) SetShownViewSilently(Day);
    } else if (added.XpmHeader[Day].Width == 0) {
        SetShownViewSilently(Day);
    }
    {
        QSignalBlocker block(ComboBox1);
        ComboBox1->addItem(ObjectEntryText(ListLabel(added), added));
        ComboBox1->setCurrentIndex(ComboBox1->count() - 1);
    }
    RadioGroup2Click();
    SetCompilable(CompileState::On);
    BtnVisible(true);
    ComboBox1Change();

    // The view chooser returns to "День"; the picture must follow it.
    const bool wasNight = ShownView() == Night;
    SetShownViewSilently(Day);
    if (wasNight) RadioGroup2Click();
    ComboBox2->setCurrentIndex(0);
}

void TForm1::BitBtn2Click() {
    if (!Creation->Cancel()) return;
    BtnVisible(true);
    ComboBox1Change();
}

} // namespace velmora
