// What the property column shows for the object selected and the view shown: the range and value
// of every number field, which controls are enabled, the font list and the label colours. These
// functions only read the object; the window applies their results with the controls' signals
// blocked, so that showing an object never writes into it. The changes the user makes are the
// commands of commands/edit_commands.h.
#pragma once

#include "model/maintyp.h"
#include "view/display.h"
#include "view/matrix.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace velmora {

// Value and range of a number field. Value is already within Minimum..Maximum (the field shows the
// clamped value; the object keeps its own).
struct SpinDisplay {
    int Value = 0;
    int Minimum = 0;
    int Maximum = 0;
    friend bool operator==(const SpinDisplay&, const SpinDisplay&) = default;
};

// The font list (the window's FontStyleList): "none" (the object names no font), then the styles by the words
// of the file. Values[i] is the FontStyle that item i stands for.
struct FontStyleChoices {
    std::vector<QString> Items;
    std::vector<std::optional<uint8_t>> Values;
    int Selected = 0;
};

// The word of a font style in the file ("NoLabel", "SmallFont", "NormalFont", "LargeFont",
// "Default"); a style the words do not name (5 to 7 of a compiled font byte) shows as its number.
QString FontStyleCaption(uint8_t style);

// The list for an object whose FontStyle is style: "none", NoLabel, SmallFont, NormalFont,
// LargeFont, Default, and the style itself after them when no word names it, so that showing
// the object never changes its font.
FontStyleChoices FontStyleListOf(std::optional<uint8_t> style);

// What the label style controls show: the font list and the day and night label colours.
struct LabelStyleDisplay {
    bool Enabled = false; // only for an object shown
    FontStyleChoices Fonts;
    std::optional<uint32_t> DayColour;   // none: "none"
    std::optional<uint32_t> NightColour; // none: "none"
};

// The label style controls for object, or for no object (disabled, everything "none").
LabelStyleDisplay LabelStyleOf(const TGarminObject* object);

// What choosing a kind ("Тип объекта") does to the controls before the first object is shown.
// A field without value means: leave the control as it is.
struct KindDisplayState {
    std::optional<bool> LineWidthEnabled;   // "Ширина линии"
    std::optional<bool> BorderWidthEnabled; // "Шир.  бордюра"
    std::optional<bool> ColourCountEnabled; // "Цветов"
    std::optional<bool> WidthEnabled;       // "Размер по X"
    std::optional<bool> HeightEnabled;      // "Размер по Y"
    std::optional<int> SizeMinimum;         // minimum of "Размер по X" and "Размер по Y"
    std::optional<bool> ViewChooserEnabled;
};

// The control changes of choosing the kind (KindPoint, KindLine, KindPolygon).
KindDisplayState KindSelectionState(int kind);

// What showing an object (choosing it in the object list, or choosing the view, which rebuilds lines
// and polygons) leaves in every control. A field without value means: leave the control as it is.
struct ObjectDisplayState {
    int View = Day;              // the view shown after the selection ("Отобразить")
    bool ForceViewToDay = false; // set the view chooser to "День" without running its reaction
    bool ViewChooserEnabled = false;
    int ZoomPosition = DefaultCellSize; // "Размер", the zoom: the object's CellSize
    bool HasPicture = false;            // false for an object without matrix: the image stays empty

    std::optional<SpinDisplay> LineWidth;   // "Ширина линии" 1..15; points leave it
    std::optional<SpinDisplay> BorderWidth; // "Шир.  бордюра" 0..15; points leave it
    std::optional<bool> LineWidthEnabled;
    std::optional<bool> BorderWidthEnabled;
    SpinDisplay ColourCount;   // "Цветов": maximum and value ColourCount
    SpinDisplay Width;         // "Размер по X": 0..24 for points, 0..32 otherwise
    SpinDisplay Height;        // "Размер по Y"
    SpinDisplay CharsPerPixel; // "Повторяемость" 1..2
    bool CharsPerPixelEnabled = false;
    std::optional<int> OrientationIndex; // "Ориентация": 0 "N", 1 "Y"; points leave it
    bool OrientationEnabled = false;
    bool SwatchLabelsVisible = false;

    ColourList Colours;           // the colour list to fill ("Символ")
    LabelStyleDisplay LabelStyle; // the font list and the label colour choosers
};

// The display of object when viewShown is the view selected before it is shown. Reads only.
ObjectDisplayState ObjectDisplay(const TGarminObject& object, int viewShown);

} // namespace velmora
