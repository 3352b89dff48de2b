// What the property column shows for the object selected and the view shown: the object list's
// entry texts, the colour list, the colour readout and the state of every control.
//
// These functions only read the object. The window applies their results with the controls'
// signals blocked, so that showing an object never writes into it; only a change the user makes
// goes through the property writes of view/properties.h.
//
// Texts are QString. A code character (a byte) is shown as the character of that byte in
// ISO 8859-1, so every byte keeps a character of its own; the NUL code shows as nothing.
#pragma once

#include "model/maintyp.h"
#include "view/matrix.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace velmora {

// The entry of an object in the object list ComboBox1, upper-case hexadecimal: "2F/0B" for a point
// of type <= 0xFF (type and subtype, two digits at least), "10A" for a point of a larger type (the
// subtype is not shown), "01" for a line or polygon (two digits at least).
QString ListEntryText(const TGarminObject& object);

// The contents of the colour list ComboBox2: entry i stands for colour entry i of the table shown.
struct ColourList {
    std::vector<QString> Items;
    int Selected = -1; // the last opaque entry, or -1 when none is
};

// "none" in the colour list and in the colour readout.
inline constexpr QStringView NoneText = u"none";
// Follows the code of an entry whose code is a space.
QString SpaceText();

// The colour list of Colours[view], ColourCount entries of XpmHeader[view] (no more than the table
// holds): "none x" for a transparent entry coded x, otherwise its code, followed by "пробел" for a
// space. The selection ends on the last opaque entry.
ColourList ColorBox(const TGarminObject& object, int view);

// The list that the object list's change fills for a line or polygon with a bitmap: entries of
// Colours[Day] by day, a transparent one as "none" without its code; empty in the Night view.
ColourList LineBitmapColourList(const TGarminObject& object, int view);

// The list shown for the object in the view: LineBitmapColourList for a line or polygon with a
// bitmap, ColorBox otherwise.
ColourList ShownColourList(const TGarminObject& object, int view);

// The colour in which list entry index is drawn: Colours[view][index] for a point; Colours[Day]
// [index], or [index + 2] in the Night view, for a line or polygon. None outside the table.
std::optional<uint32_t> ColourListEntryColour(const TGarminObject& object, int view, int index);

// The alpha in which list entry index is drawn on screen (the entry as ColourListEntryColour
// chooses it): AlphaTransparent for a "none" entry, else the entry's alpha; AlphaOpaque outside
// the table.
uint8_t ColourListEntryAlpha(const TGarminObject& object, int view, int index);

// The colour readout Edit2 for the selected list entry: "none" when its text begins with "none",
// else red, green and blue as six upper-case hexadecimal digits ("FF8000"). The entry is
// Colours[view][index] for a point, Colours[Day][index] for a line or polygon (no night offset).
// Empty when nothing is selected or the index lies outside the table: the readout is then cleared.
QString ColourReadout(const TGarminObject& object, int view, int selectedIndex, QStringView itemText);

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

// What choosing a kind (RadioGroup1Click) does to the controls before the first object is shown.
// A field without value means: leave the control as it is.
struct KindDisplayState {
    std::optional<bool> SpinEdit1Enabled; // "Ширина линии"
    std::optional<bool> SpinEdit2Enabled; // "Шир.  бордюра"
    std::optional<bool> SpinEdit3Enabled; // "Цветов"
    std::optional<bool> SpinEdit4Enabled; // "Размер по X"
    std::optional<bool> SpinEdit5Enabled; // "Размер по Y"
    std::optional<int> SpinEdit45Minimum; // minimum of SpinEdit4 and SpinEdit5
    std::optional<bool> RadioGroup2Enabled;
};

// The control changes of RadioGroup1Click for the kind (KindPoint, KindLine, KindPolygon).
KindDisplayState KindSelectionState(int kind);

// What showing an object (ComboBox1Change, and RadioGroup2Click which rebuilds lines and polygons)
// leaves in every control. A field without value means: leave the control as it is.
struct ObjectDisplayState {
    int View = Day;              // the view shown after the selection (RadioGroup2's item)
    bool ForceViewToDay = false; // set RadioGroup2 to "День" without running its reaction
    bool RadioGroup2Enabled = false;
    int ZoomPosition = DefaultCellSize; // ScrollBar1: the object's CellSize
    bool HasPicture = false;            // false for an object without matrix: the image stays empty

    std::optional<SpinDisplay> SpinEdit1; // "Ширина линии" 1..15; points leave it
    std::optional<SpinDisplay> SpinEdit2; // "Шир.  бордюра" 0..15; points leave it
    std::optional<bool> SpinEdit1Enabled;
    std::optional<bool> SpinEdit2Enabled;
    SpinDisplay SpinEdit3; // "Цветов": maximum and value ColourCount
    SpinDisplay SpinEdit4; // "Размер по X": 0..24 for points, 0..32 otherwise
    SpinDisplay SpinEdit5; // "Размер по Y"
    SpinDisplay SpinEdit6; // "Повторяемость" 1..2
    bool SpinEdit6Enabled = false;
    std::optional<int> ComboBox5Index; // "Ориентация": 0 "N", 1 "Y"; points leave it
    bool ComboBox5Enabled = false;
    bool SwatchLabelsVisible = false;

    ColourList Colours;           // the colour list to fill (ComboBox2)
    LabelStyleDisplay LabelStyle; // the font list and the label colour choosers
};

// The display of object when viewShown is the view selected before it is shown. Reads only.
ObjectDisplayState ObjectDisplay(const TGarminObject& object, int viewShown);

} // namespace velmora
