// What the property column shows for the object selected and the view shown: the object list's
// entry texts, the colour list, the colour readout and the state of every control.
//
// These functions only read the object; what the property column's controls show and which of
// them are enabled is view/properties.h.
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

} // namespace velmora
