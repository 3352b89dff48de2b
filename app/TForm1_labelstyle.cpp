// The label font and the label colours of the current object: the font list and the two colour
// choosers of "Подпись", each change one command of commands/edit_commands.h.
#include "app/TForm1.h"

#include "commands/edit_commands.h"

#include <QComboBox>
#include <QVariant>

namespace velmora {

void TForm1::FontStyleListChange() {
    const int index = FontStyleList->currentIndex();
    if (!Document.CurrentObject || index < 0) return;
    const QVariant value = FontStyleList->itemData(index);
    const std::optional<uint8_t> style =
        value.isValid() ? std::optional<uint8_t>(uint8_t(value.toInt())) : std::nullopt;
    Edit::SetFontStyle(*History, Document, *Document.CurrentObject, style, Now());
}

void TForm1::SetLabelColour(int view, std::optional<uint32_t> colour) {
    if (TGarminObject* object = Document.CurrentObject)
        Edit::SetLabelColour(*History, Document, *object, view, colour, Now());
    ShowLabelStyle();
}

void TForm1::DayLabelColourButtonClick() {
    TGarminObject* object = Document.CurrentObject;
    if (!object) return;
    if (std::optional<ColourValue> picked = PickColour(object->DayLabelColour.value_or(0)))
        SetLabelColour(Day, *picked);
    ShowLabelStyle();
}

void TForm1::DayLabelColourNoneClick() {
    if (Document.CurrentObject) SetLabelColour(Day, std::nullopt);
}

void TForm1::NightLabelColourButtonClick() {
    TGarminObject* object = Document.CurrentObject;
    if (!object) return;
    if (std::optional<ColourValue> picked = PickColour(object->NightLabelColour.value_or(0)))
        SetLabelColour(Night, *picked);
    ShowLabelStyle();
}

void TForm1::NightLabelColourNoneClick() {
    if (Document.CurrentObject) SetLabelColour(Night, std::nullopt);
}

} // namespace velmora
