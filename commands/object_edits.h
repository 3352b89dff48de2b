// The changes of one object that the edit commands (commands/edit_commands.h) record as undo
// steps, and the choices they rest on: which colour entry a click reaches, which code a stroke
// paints. Each change returns whether the object changed; none of them touches Modified, which the
// edit history alone decides.
#pragma once

#include "model/maintyp.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Gives object the type of a catalogue row ("0x2f01    АЗС", "0x1a    Паром") and returns the text
// that replaces its object list entry, digits as written in the row ("2f/01", "1a"). A row without
// "x" changes nothing and gives none.
std::optional<QString> RetypeFromCatalogue(TGarminObject& object, std::string_view row);

// Appends the first four characters of a language row and "," ("0x19,") as a new label line. A row
// shorter than four characters appends nothing.
bool AppendLabelLine(TGarminObject& object, std::string_view languageRow);

// Labels := lines.
bool SetLabels(TGarminObject& object, const std::vector<std::string>& lines);

// "Ширина линии" (1 to 15): LineWidth := value, limited to the range.
bool SetLineWidth(TGarminObject& object, int value);

// "Ширина бордюра" (0 to 15): BorderWidth := value, limited to the range.
bool SetBorderWidth(TGarminObject& object, int value);

// "Ориентация": UseOrientation := index (0 "N", 1 "Y"). Any value above 0 already reads "Y" and is
// kept as stored unless the choice really changes.
bool SetUseOrientation(TGarminObject& object, int index);

// "Повторяемость" (1 to 2): XpmHeader[Day].CharsPerPixel := value, for a point also
// XpmHeader[Night].CharsPerPixel.
bool SetCharsPerPixel(TGarminObject& object, int value);

// Colours[table][entry] takes colour (its alpha and code stay). An entry outside the table, or the
// colour it already has, changes nothing.
bool SetEntryColour(TGarminObject& object, int table, size_t entry, uint32_t colour);

// What the colour edit dialog hands back.
struct SymbolEdit {
    std::string_view CodeText; // the code field; only its first character is used
    bool Transparent = false;  // the "None" box
    uint32_t Colour = 0;       // SymbolColour, ignored when Transparent (white is stored then)
};

// "Изменить": entry index of Colours[view] gets the new code, colour and transparency, and every
// pixel of Pixels[view] coded like the old code gets the new one. An empty code field or an entry
// outside the used part of the table (ColourCount of the view) changes nothing.
bool ChangeColourEntry(TGarminObject& object, int view, int index, const SymbolEdit& edit);

// "Добавить": appends an entry to Colours[view] of a point that has a bitmap in that view and raises
// its ColourCount; the other view's table stays. Nothing with an empty code field, for a view
// without bitmap, or when the count would pass 255 (it is a byte).
bool AddColourEntry(TGarminObject& object, int view, const SymbolEdit& edit);

// Entry index of the table of view is one of the ColourCount entries in use.
bool IsUsedEntry(const TGarminObject& object, int view, int index);

// The plane, colour list entry and code that painting with list entry `entry` writes in the view
// shown.
struct PaintTarget {
    int Plane;
    int Entry;
    char Code;
};

// Painting needs a colour of a bitmap: a point paints the entry chosen in its own view; a line or
// polygon only its day pair, and only in the day view. None when nothing can be painted.
std::optional<PaintTarget> PaintTargetOf(const TGarminObject& object, int view, int entry);

// The colour entry that a right click on pixel (row, col) edits in the view shown.
struct PixelEntry {
    int Table;    // the table the entry belongs to (a line or polygon has only the day plane)
    size_t Entry; // the entry within it: for a line or polygon the night pair follows the day pair
};

// The entry whose code the pixel holds, among the ColourCount entries of a point or the day pair of
// a line or polygon (the night view taking the entry two further on); a transparent entry is not
// edited. None for a pixel outside the plane or a code without such an entry.
std::optional<PixelEntry> EntryOfPixel(const TGarminObject& object, int row, int col, int view);

// A colour square of a line or polygon without bitmap that can be given a colour: the "none"
// square (code 0) cannot.
bool IsRecolourableSwatch(const TGarminObject& object, int swatch);

} // namespace velmora
