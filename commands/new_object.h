// Making a new point, line or polygon: the values the creation controls hold at commit, the object
// built from them, the list text that stands for it, and the presets of the creation controls.
#pragma once

#include "model/maintyp.h"

#include <QString>

#include <cstdint>
#include <string>

namespace velmora {

// What the creation controls hold at the moment of commit.
struct NewObjectSettings {
    uint8_t Kind = KindPoint;  // RadioGroup1
    std::string TypeText;      // Edit3, hexadecimal
    std::string SubTypeText;   // Edit1, hexadecimal (points only)
    uint8_t Width = 16;        // SpinEdit4 "Размер по X"
    uint8_t Height = 16;       // SpinEdit5 "Размер по Y"
    uint8_t ColourCount = 4;   // SpinEdit3 "Цветов"
    uint8_t CharsPerPixel = 1; // SpinEdit6 "Повторяемость"
    bool DayAndNight = false;  // RadioGroup2 on its second item, "День и ночь"
    bool NoBitmap = false;     // CheckBox1 "Без матрицы" (lines and polygons)
    uint8_t LineWidth = 0;     // SpinEdit1, only with NoBitmap
    uint8_t BorderWidth = 0;   // SpinEdit2, only with NoBitmap
};

// The code and colour of the transparent entry of new points.
inline constexpr char NewPointTransparentCode = '~';

// The finished object, Quadrat included (its values only; the view draws the picture).
//
// Seeding rules beyond the 16 colours of DefaultPalette: a point may have up to 40 colours, so day
// entry k takes DefaultPalette[(k - 1) mod 16] and night entry k DefaultPalette[k mod 16]. Night
// entry k is coded 48 + N + k; where that falls on "~" (the transparent entry's code, night entry
// 38 of a 40-colour point) the entry takes the first character of CodeAlphabet that no other night
// entry uses ("X" in that case). Entries are seeded only as far as the table reaches, so a colour
// count below what the kind seeds leaves no entry written outside the table.
TGarminObject BuildNewObject(const NewObjectSettings& settings);

// The object list text the commit gives a new object: a point's type "/" subtype, each upper-case
// hexadecimal of two digits at least (2F/01, 10F/00); a line's or polygon's type alone (1A).
QString ListLabel(const TGarminObject& object);

// How creation mode leaves the orientation chooser ComboBox5.
enum class OrientationPreset {
    DisableAndSetN,       // points
    EnableUnlessNoBitmap, // lines
    Unchanged,            // polygons
};

// Range, value and enabled state of a number field in creation mode.
struct SpinPreset {
    int Minimum = 0;
    int Maximum = 0;
    int Value = 0;
    bool Enabled = false;
    friend bool operator==(const SpinPreset&, const SpinPreset&) = default;
};

// The controls as creation mode presets them for a kind.
struct CreationPreset {
    QString StatusText; // first panel of the status bar
    bool NoBitmapVisible = false;
    OrientationPreset Orientation = OrientationPreset::Unchanged;
    SpinPreset Width;                  // SpinEdit4
    SpinPreset Height;                 // SpinEdit5
    SpinPreset ColourCount;            // SpinEdit3
    int CharsPerPixel = 1;             // SpinEdit6
    bool CharsPerPixelEnabled = false; // points enable it; the others leave its state
    QString TypeText;                  // Edit3
    QString SubTypeText;               // Edit1
    bool SubTypeVisible = false;
    int TypeMaxLength = 0;
    int SubTypeMaxLength = 0;
    bool ViewChooserFollowsColours = false; // the view chooser sets the colour count (CreationColourCount)
};

// The preset of a kind. secondViewItem: the view chooser stands on its second item ("День и ночь"),
// which gives lines and polygons four colours instead of two.
CreationPreset CreationPresetFor(int kind, bool secondViewItem);

// The colour count while a line or polygon is set up, for the view item chosen
// (4 of 1..4 on "День и ночь", 2 of 1..2 on "День").
SpinPreset CreationColourCount(bool secondViewItem);

// The characters Edit3KeyPress lets through: Backspace and hexadecimal digits.
bool IsTypeFieldKey(char32_t character);

} // namespace velmora
