// Every edit of the document, one command each. A command takes the history, the document and
// what it changes (the object, and the value the user chose), makes the change through an engine
// function and records it as one undo step, and says whether the document changed: a change that
// changes nothing leaves no step. The window reads its controls, calls one command and shows the
// result; the history alone decides Modified.
//
// time: when the user made the change (milliseconds of a steady clock); the changes of one
// control, or typing within a word, that follow each other within TypingPause merge into one step.
#pragma once

#include "commands/edit_history.h"
#include "commands/new_object.h"
#include "commands/object_edits.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::Edit {

// ---- the picture ----
// One cell of a stroke painted with target's code; the cells of one stroke number are one step.
bool Paint(EditHistory& history, TypDocument& doc, TGarminObject& object, const PaintTarget& target, int row,
           int col, int stroke);
// Colours[table][entry] takes colour; view: the view the step shows again after undo, if any.
bool Recolour(EditHistory& history, TypDocument& doc, TGarminObject& object, int table, size_t entry,
              uint32_t colour, std::optional<int> view);
// "Изменить" and "Добавить" of the colour edit dialog, in the view shown.
bool ChangeColourEntry(EditHistory& history, TypDocument& doc, TGarminObject& object, int view, int index,
                       const SymbolEdit& edit);
bool AddColourEntry(EditHistory& history, TypDocument& doc, TGarminObject& object, int view,
                    const SymbolEdit& edit);
// A picture laid under the grid of the shown object (target is the window's picture of it); it
// changes no document, so it never makes the document modified.
bool LayPicture(EditHistory& history, TypDocument& doc, TGarminObject& object, QImage& target,
                const QImage& picture, int view, TransparencyDrawing drawing);

// ---- the properties ----
bool SetLineWidth(EditHistory& history, TypDocument& doc, TGarminObject& object, int value, StepTime time);
bool SetBorderWidth(EditHistory& history, TypDocument& doc, TGarminObject& object, int value, StepTime time);
bool SetOrientation(EditHistory& history, TypDocument& doc, TGarminObject& object, int index, StepTime time);
bool SetCharsPerPixel(EditHistory& history, TypDocument& doc, TGarminObject& object, int value,
                      StepTime time);
bool SetFontStyle(EditHistory& history, TypDocument& doc, TGarminObject& object, std::optional<uint8_t> style,
                  StepTime time);
// view: Day or Night, whose label colour changes.
bool SetLabelColour(EditHistory& history, TypDocument& doc, TGarminObject& object, int view,
                    std::optional<uint32_t> colour, StepTime time);

// ---- type and labels ----
// The type of a catalogue row; the text of the object's list entry as the row writes its digits
// whenever the row names a type (also when the object had that type already), else none.
std::optional<QString> Retype(EditHistory& history, TypDocument& doc, TGarminObject& object,
                              std::string_view row);
// The label lines as typed; typing merges within a word and a pause.
bool SetLabels(EditHistory& history, TypDocument& doc, TGarminObject& object, std::vector<std::string> lines,
               StepTime time);
// A new label line started from a row of the language list.
bool AddLabelLine(EditHistory& history, TypDocument& doc, TGarminObject& object,
                  std::string_view languageRow);
// The header lines as typed into the header memo.
bool SetHeaderLines(EditHistory& history, TypDocument& doc, std::vector<std::string> lines, StepTime time);

// ---- whole objects ----
// The object that settings describe, appended to its kind's list; the new object.
TGarminObject& Create(EditHistory& history, TypDocument& doc, const NewObjectSettings& settings);
// Object index of the kind's list taken out; no object is current afterwards. An index outside the
// list deletes nothing.
bool Delete(EditHistory& history, TypDocument& doc, int kind, int index);
// The object of a clipboard block appended to the end of its kind's list. False, with nothing
// changed, when the block is larger than MaxClipboardBlock or refused.
bool Paste(EditHistory& history, TypDocument& doc, std::span<const uint8_t> block);

} // namespace velmora::Edit
