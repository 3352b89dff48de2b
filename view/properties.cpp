#include "view/properties.h"

#include "model/text_format.h"

#include <algorithm>

namespace velmora {

namespace {

bool HasBitmap(const TGarminObject& object) {
    return object.XpmHeader[Day].Width != 0;
}

SpinDisplay Spin(int value, int minimum, int maximum) {
    minimum = std::min(minimum, maximum);
    return {std::clamp(value, minimum, maximum), minimum, maximum};
}

int OrientationChoice(int32_t useOrientation) {
    return useOrientation > 0 ? 1 : 0;
}

// The values common to every kind, for the variant shown and the width limit of the kind.
void FillHeaderFields(ObjectDisplayState& state, const TXpmHeader& header, int sizeMaximum) {
    state.ColourCount = Spin(header.ColourCount, 1, header.ColourCount);
    state.Width = Spin(header.Width, 0, sizeMaximum);
    state.Height = Spin(header.Height, 0, sizeMaximum);
    state.CharsPerPixel = Spin(header.CharsPerPixel, 1, 2);
}

void ForceDay(ObjectDisplayState& state) {
    state.ForceViewToDay = true;
    state.View = Day;
}

void FillPoint(ObjectDisplayState& state, const TGarminObject& object) {
    state.ViewChooserEnabled = object.XpmHeader[Night].Width != 0;
    if (!state.ViewChooserEnabled) ForceDay(state);
    FillHeaderFields(state, object.XpmHeader[size_t(state.View)], 24);
    state.CharsPerPixelEnabled = true;
    state.Colours = ColorBox(object, state.View);
}

void FillLineOrPolygon(ObjectDisplayState& state, const TGarminObject& object) {
    const TXpmHeader& header = object.XpmHeader[Day];
    const bool isLine = object.Kind == KindLine;
    state.ViewChooserEnabled = header.ColourCount > 2;
    if (!state.ViewChooserEnabled) ForceDay(state);
    FillHeaderFields(state, header, 32);
    state.LineWidth = Spin(object.LineWidth, 1, 15);
    state.BorderWidth = Spin(object.BorderWidth, 0, 15);
    state.OrientationIndex = OrientationChoice(object.UseOrientation);
    if (HasBitmap(object)) {
        state.OrientationEnabled = isLine;
        state.LineWidthEnabled = false;
        state.BorderWidthEnabled = false;
        state.CharsPerPixelEnabled = true;
        state.Colours = LineBitmapColourList(object, state.View);
        return;
    }
    // The colour squares stand for the day table whatever the view, and the view chooser is
    // disabled here: by night the list would come from the unused night table and stay empty,
    // with no way back to the day colours.
    ForceDay(state);
    state.ViewChooserEnabled = false;
    state.Colours = ColorBox(object, Day);
    state.SwatchLabelsVisible = true;
    state.CharsPerPixelEnabled = false;
    if (isLine) {
        state.LineWidthEnabled = true;
        state.BorderWidthEnabled = true;
        state.OrientationEnabled = false;
    }
}

} // namespace

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
        state.LineWidthEnabled = state.BorderWidthEnabled = state.ColourCountEnabled = false;
        state.WidthEnabled = state.HeightEnabled = false;
        state.SizeMinimum = 0;
        state.ViewChooserEnabled = true;
    } else if (kind == KindPolygon) {
        state.LineWidthEnabled = state.BorderWidthEnabled = false;
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
