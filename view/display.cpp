#include "view/display.h"

#include "model/text_format.h"

#include "view/colour.h"
#include "view/transparency.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace velmora {

namespace {

QString Hex(uint32_t value, int digits) {
    return QStringLiteral("%1").arg(value, digits, 16, QChar(u'0')).toUpper();
}

// A code byte as one character; NUL shows nothing.
QString CodeText(char code) {
    return code == 0 ? QString() : QString(QChar::fromLatin1(code));
}

QString SpaceText() {
    return QCoreApplication::translate("ColourList", "пробел");
}

QString OpaqueEntryText(const TColourEntry& entry) {
    QString text = CodeText(entry.Code);
    if (entry.Code == ' ') text += SpaceText();
    return text;
}

bool HasBitmap(const TGarminObject& object) {
    return object.XpmHeader[Day].Width != 0;
}

// Fills a list the way both list fillers do: every opaque entry takes the selection as it is added.
template <typename TransparentText>
ColourList ListOf(const TGarminObject& object, int variant, TransparentText transparentText) {
    ColourList list;
    const int count = UsableColourCount(object, variant);
    for (int k = 0; k < count; ++k) {
        const TColourEntry& entry = object.Colours[size_t(variant)][size_t(k)];
        if (entry.IsTransparent()) {
            list.Items.push_back(transparentText(entry));
        } else {
            list.Items.push_back(OpaqueEntryText(entry));
            list.Selected = k;
        }
    }
    return list;
}

SpinDisplay Spin(int value, int minimum, int maximum) {
    minimum = std::min(minimum, maximum);
    return {std::clamp(value, minimum, maximum), minimum, maximum};
}

int OrientationIndex(int32_t useOrientation) {
    return useOrientation > 0 ? 1 : 0;
}

// The values common to every kind, for the variant shown and the width limit of the kind.
void FillHeaderFields(ObjectDisplayState& state, const TXpmHeader& header, int sizeMaximum) {
    state.SpinEdit3 = Spin(header.ColourCount, 1, header.ColourCount);
    state.SpinEdit4 = Spin(header.Width, 0, sizeMaximum);
    state.SpinEdit5 = Spin(header.Height, 0, sizeMaximum);
    state.SpinEdit6 = Spin(header.CharsPerPixel, 1, 2);
}

void ForceDay(ObjectDisplayState& state) {
    state.ForceViewToDay = true;
    state.View = Day;
}

void FillPoint(ObjectDisplayState& state, const TGarminObject& object) {
    state.RadioGroup2Enabled = object.XpmHeader[Night].Width != 0;
    if (!state.RadioGroup2Enabled) ForceDay(state);
    FillHeaderFields(state, object.XpmHeader[size_t(state.View)], 24);
    state.SpinEdit6Enabled = true;
    state.Colours = ColorBox(object, state.View);
}

void FillLineOrPolygon(ObjectDisplayState& state, const TGarminObject& object) {
    const TXpmHeader& header = object.XpmHeader[Day];
    const bool isLine = object.Kind == KindLine;
    state.RadioGroup2Enabled = header.ColourCount > 2;
    if (!state.RadioGroup2Enabled) ForceDay(state);
    FillHeaderFields(state, header, 32);
    state.SpinEdit1 = Spin(object.LineWidth, 1, 15);
    state.SpinEdit2 = Spin(object.BorderWidth, 0, 15);
    state.ComboBox5Index = OrientationIndex(object.UseOrientation);
    if (HasBitmap(object)) {
        state.ComboBox5Enabled = isLine;
        state.SpinEdit1Enabled = false;
        state.SpinEdit2Enabled = false;
        state.SpinEdit6Enabled = true;
        state.Colours = LineBitmapColourList(object, state.View);
        return;
    }
    // The colour squares stand for the day table whatever the view, and the view chooser is
    // disabled here: by night the list would come from the unused night table and stay empty,
    // with no way back to the day colours.
    ForceDay(state);
    state.RadioGroup2Enabled = false;
    state.Colours = ColorBox(object, Day);
    state.SwatchLabelsVisible = true;
    state.SpinEdit6Enabled = false;
    if (isLine) {
        state.SpinEdit1Enabled = true;
        state.SpinEdit2Enabled = true;
        state.ComboBox5Enabled = false;
    }
}

} // namespace

QString ListEntryText(const TGarminObject& object) {
    if (object.Kind != KindPoint) return Hex(object.TypeCode, 2);
    if (object.TypeCode > 0xFF) return Hex(object.TypeCode, 3);
    return Hex(object.TypeCode, 2) + u'/' + Hex(object.SubTypeCode, 2);
}

ColourList ColorBox(const TGarminObject& object, int view) {
    return ListOf(object, view,
                  [](const TColourEntry& e) { return QStringLiteral("none ") + CodeText(e.Code); });
}

ColourList LineBitmapColourList(const TGarminObject& object, int view) {
    if (view != Day) return {};
    return ListOf(object, Day, [](const TColourEntry&) { return NoneText.toString(); });
}

ColourList ShownColourList(const TGarminObject& object, int view) {
    if (object.Kind != KindPoint && HasBitmap(object)) return LineBitmapColourList(object, view);
    return ColorBox(object, view);
}

std::optional<uint32_t> ColourListEntryColour(const TGarminObject& object, int view, int index) {
    if (view != Day && view != Night) return std::nullopt;
    const int variant = BitmapView(object, view);
    const int entry = object.Kind == KindPoint || view == Day ? index : index + 2;
    if (index < 0 || entry >= UsableColourCount(object, variant)) return std::nullopt;
    return object.Colours[size_t(variant)][size_t(entry)].Colour();
}

uint8_t ColourListEntryAlpha(const TGarminObject& object, int view, int index) {
    if (!ColourListEntryColour(object, view, index)) return AlphaOpaque;
    const int entry = object.Kind == KindPoint || view == Day ? index : index + 2;
    return ShownAlpha(object, BitmapView(object, view), size_t(entry));
}

QString ColourReadout(const TGarminObject& object, int view, int selectedIndex, QStringView itemText) {
    if (view != Day && view != Night) return {};
    const int variant = BitmapView(object, view);
    if (selectedIndex < 0 || selectedIndex >= UsableColourCount(object, variant)) return {};
    if (itemText.left(4) == NoneText) return NoneText.toString();
    return ColourHexText(object.Colours[size_t(variant)][size_t(selectedIndex)].Colour());
}

// The file's own words for the styles it names; a style only a compiled file can hold shows its number.
QString FontStyleCaption(uint8_t style) {
    return style <= FontLarge ? QString::fromLatin1(FontStyleName(style)) : QString::number(style);
}

FontStyleChoices FontStyleListOf(std::optional<uint8_t> style) {
    FontStyleChoices list;
    list.Items.push_back(NoneText.toString());
    list.Values.push_back(std::nullopt);
    for (uint8_t value : {FontNoLabel, FontSmall, FontNormal, FontLarge, FontDefault}) {
        list.Items.push_back(FontStyleCaption(value));
        list.Values.push_back(value);
    }
    auto found = std::find(list.Values.begin(), list.Values.end(), style);
    if (found == list.Values.end()) {
        list.Items.push_back(FontStyleCaption(*style));
        list.Values.push_back(style);
        found = list.Values.end() - 1;
    }
    list.Selected = int(found - list.Values.begin());
    return list;
}

LabelStyleDisplay LabelStyleOf(const TGarminObject* object) {
    LabelStyleDisplay display;
    display.Fonts = FontStyleListOf(object ? object->FontStyle : std::nullopt);
    if (!object) return display;
    display.Enabled = true;
    display.DayColour = object->DayLabelColour;
    display.NightColour = object->NightLabelColour;
    return display;
}

KindDisplayState KindSelectionState(int kind) {
    KindDisplayState state;
    if (kind == KindPoint) {
        state.SpinEdit1Enabled = state.SpinEdit2Enabled = state.SpinEdit3Enabled = false;
        state.SpinEdit4Enabled = state.SpinEdit5Enabled = false;
        state.SpinEdit45Minimum = 0;
        state.RadioGroup2Enabled = true;
    } else if (kind == KindPolygon) {
        state.SpinEdit1Enabled = state.SpinEdit2Enabled = false;
    }
    return state;
}

ObjectDisplayState ObjectDisplay(const TGarminObject& object, int viewShown) {
    ObjectDisplayState state;
    state.View = viewShown == Night ? Night : Day;
    state.HasPicture = object.Quadrat.has_value();
    state.LabelStyle = LabelStyleOf(&object);
    if (object.Quadrat) state.ZoomPosition = ShownCellSize(*object.Quadrat);
    if (object.Kind == KindPoint)
        FillPoint(state, object);
    else
        FillLineOrPolygon(state, object);
    return state;
}

} // namespace velmora
