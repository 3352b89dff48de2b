// The label font and the label colours of the current object: the font list and the two colour
// choosers of "Подпись". Each change goes through the engine functions of commands/label_style.h.
#include "app/TForm1.h"

#include "commands/label_style.h"

#include <QComboBox>
#include <QVariant>

namespace velmora {

void TForm1::FontStyleListChange() {
    TGarminObject* object = Document.CurrentObject;
    const int index = FontStyleList->currentIndex();
    if (!object || index < 0) return;
    const QVariant value = FontStyleList->itemData(index);
    SetFontStyle(Document, *object,
                 value.isValid() ? std::optional<uint8_t>(uint8_t(value.toInt())) : std::nullopt);
}

void TForm1::DayLabelColourButtonClick() {
    TGarminObject* object = Document.CurrentObject;
    if (!object) return;
    if (std::optional<ColourValue> picked = PickColour(object->DayLabelColour.value_or(0)))
        SetDayLabelColour(Document, *object, *picked);
    ShowLabelStyle();
}

void TForm1::DayLabelColourNoneClick() {
    TGarminObject* object = Document.CurrentObject;
    if (!object) return;
    SetDayLabelColour(Document, *object, std::nullopt);
    ShowLabelStyle();
}

void TForm1::NightLabelColourButtonClick() {
    TGarminObject* object = Document.CurrentObject;
    if (!object) return;
    if (std::optional<ColourValue> picked = PickColour(object->NightLabelColour.value_or(0)))
        SetNightLabelColour(Document, *object, *picked);
    ShowLabelStyle();
}

void TForm1::NightLabelColourNoneClick() {
    TGarminObject* object = Document.CurrentObject;
    if (!object) return;
    SetNightLabelColour(Document, *object, std::nullopt);
    ShowLabelStyle();
}

} // namespace velmora
