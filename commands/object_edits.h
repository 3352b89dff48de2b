// Small operations on the document that the editing commands perform: deleting an object,
// giving it a type from the catalogue, starting a label line, and the changes of the colour edit
// dialog. Each returns whether it changed the document and sets Modified when it did.
#pragma once

#include "model/maintyp.h"

#include <QString>

#include <optional>
#include <string_view>

namespace velmora {

// Removes element index of the kind's list and releases it; CurrentObject becomes none (also when
// the deleted object was not the current one: the window shows the first object afterwards).
// An index outside the list deletes nothing and changes nothing.
bool DeleteObject(TypDocument& doc, int kind, int index);

// ComboBox4Change: gives object the type of a catalogue row ("0x2f01    АЗС", "0x1a    Паром") and
// returns the text that replaces its object list entry, digits as written in the row ("2f/01",
// "1a"). A row without "x" changes nothing and gives none.
std::optional<QString> RetypeFromCatalogue(TypDocument& doc, TGarminObject& object, std::string_view row);

// ComboBox3DblClick: appends the first four characters of a language row and "," ("0x19,") as a
// new label line. A row shorter than four characters appends nothing.
bool AppendLabelLine(TypDocument& doc, TGarminObject& object, std::string_view languageRow);

// What the colour edit dialog hands back.
struct SymbolEdit {
    std::string_view CodeText; // the code field; only its first character is used
    bool Transparent = false;  // the "None" box
    uint32_t Colour = 0;       // SymbolColour, ignored when Transparent (white is stored then)
};

// "Изменить": entry index of Colours[view] gets the new code, colour and transparency, and every
// pixel of Pixels[view] coded like the old code gets the new one. An empty code field or an entry
// outside the used part of the table (ColourCount of the view) changes nothing.
bool ChangeColourEntry(TypDocument& doc, TGarminObject& object, int view, int index, const SymbolEdit& edit);

// "Добавить": appends an entry to Colours[view] of a point that has a bitmap in that view and raises
// its ColourCount; the other view's table stays. Nothing with an empty code field, for a view
// without bitmap, or when the count would pass 255 (it is a byte).
bool AddColourEntry(TypDocument& doc, TGarminObject& object, int view, const SymbolEdit& edit);

} // namespace velmora
