// The label font and the label colours of the current object: the font list and the two colour
// choosers of "Подпись". Each change is a step of the edit history around the engine functions of
// commands/label_style.h.
#include "app/TForm1.h"

#include "commands/edit_history.h"
#include "commands/label_style.h"

#include <QComboBox>
#include <QVariant>

namespace velmora {

namespace {

QString FontStyleStep() {
    return TForm1::tr("Шрифт подписи");
}
QString LabelColourStep() {
    return TForm1::tr("Цвет подписи");
}

} // namespace

void TForm1::FontStyleListChange() {
    const int index = FontStyleList->currentIndex();
    if (!Document.CurrentObject || index < 0) return;
    const QVariant value = FontStyleList->itemData(index);
    // -1 for "none": a plain number travels into the step without an optional's storage.
    const int style = value.isValid() ? value.toInt() : -1;
    TypDocument& doc = Document;
    PushPropertyStep(FontStyleStep(), MergeKeys::FontStyle, [&doc, style](TGarminObject* o) {
        return SetFontStyle(doc, *o, style < 0 ? std::nullopt : std::optional<uint8_t>(uint8_t(style)));
    });
}

void TForm1::SetLabelColour(bool night, std::optional<uint32_t> colour) {
    TypDocument& doc = Document;
    PushPropertyStep(LabelColourStep(), night ? MergeKeys::NightLabelColour : MergeKeys::DayLabelColour,
                     [&doc, night, colour](TGarminObject* o) {
                         return night ? SetNightLabelColour(doc, *o, colour)
                                      : SetDayLabelColour(doc, *o, colour);
                     });
    ShowLabelStyle();
}

void TForm1::DayLabelColourButtonClick() {
    TGarminObject* object = Document.CurrentObject;
    if (!object) return;
    if (std::optional<ColourValue> picked = PickColour(object->DayLabelColour.value_or(0)))
        SetLabelColour(false, *picked);
    ShowLabelStyle();
}

void TForm1::DayLabelColourNoneClick() {
    if (Document.CurrentObject) SetLabelColour(false, std::nullopt);
}

void TForm1::NightLabelColourButtonClick() {
    TGarminObject* object = Document.CurrentObject;
    if (!object) return;
    if (std::optional<ColourValue> picked = PickColour(object->NightLabelColour.value_or(0)))
        SetLabelColour(true, *picked);
    ShowLabelStyle();
}

void TForm1::NightLabelColourNoneClick() {
    if (Document.CurrentObject) SetLabelColour(true, std::nullopt);
}

} // namespace velmora
