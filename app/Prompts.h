// Every modal interaction of the program goes through Prompts: file names, message boxes and their
// answers, the colour dialogs, the compiler dialog, the about box and help. The program passes
// RealPrompts; the window tests pass a scripted implementation that answers from a queue, so no
// test ever waits on a dialog.
#pragma once

#include "model/maintyp.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QSettings;

namespace velmora {

// The icon of a message box.
enum class MessageKind { Information, Warning, Error };

// Which buttons a question offers.
enum class QuestionButtons { YesNo, YesNoCancel };

// The button that closed a question or a dialog. A question closed by its window's close box
// answers Cancel (No for a Yes/No question).
enum class Answer { Ok, Yes, No, Cancel };

// The open-file dialog. Filter is in Qt's form ("Garmin текст (*.txt)").
struct OpenFileQuestion {
    QString Caption;
    QString Filter;
    QString ProposedName; // the full path offered, or empty
};

// The save-file dialog.
struct SaveFileQuestion {
    QString Caption;
    QString Filter;
    QString DefaultSuffix;    // appended when the user types a name without one ("txt")
    bool AskOverwrite = true; // the user confirms replacing an existing file
    QString ProposedName;
};

// What the colour edit dialog (EdSymb) shows: the entry edited and the choices around it.
struct ColourEditRequest {
    TColourEntry Entry;
    bool AddEnabled = false;        // "Добавить" is offered (points only)
    bool GarminPalette = true;      // "Палитра" is at "GPSMAP 60C"
    ColourValue StandardColour = 0; // the main window's standard colour dialog's current colour
};

// What the colour edit dialog hands back: Ok for "Изменить", Yes for "Добавить", else Cancel.
struct ColourEditResult {
    Answer Result = Answer::Cancel;
    QString CodeText;         // the code field, at most one character, maybe empty
    bool NoneChecked = false; // the "None" box
    ColourValue SymbolColour = 0;
};

// What the compiler dialog (Thr) needs: it reads and stores the choice of compiler and the path of
// cGPSMapper itself and starts cGPSMapper on OK; with the built-in compiler the window compiles.
struct CompilerRequest {
    QSettings* Settings = nullptr; // Velmora.ini; section "Path", keys "cGPSMapper", "BuiltInCompiler"
    QString InputFile;             // the text file last opened or saved, or empty
    QString WorkFolder;            // the current directory is set back to it after browsing
    // Asked on OK when cGPSMapper is chosen: whether it may start on the saved text. Empty when
    // there is nothing to ask (the question about unsaved changes came before the dialog, or there
    // are no unsaved changes).
    std::function<bool()> MayStartOutsideCompiler;
};

class Prompts {
  public:
    virtual ~Prompts() = default;

    // The chosen file's full path, or none when the dialog was cancelled.
    virtual std::optional<QString> OpenFileName(const OpenFileQuestion& question) = 0;
    virtual std::optional<QString> SaveFileName(const SaveFileQuestion& question) = 0;

    // A message box with an OK button. "\r" in text stands for a line break.
    virtual void Message(const QString& text, MessageKind kind) = 0;

    // A question; the answer is Yes, No or (YesNoCancel only) Cancel.
    virtual Answer Ask(const QString& text, QuestionButtons buttons, MessageKind kind) = 0;

    // The standard colour dialog preset with preset; the picked colour, or none when cancelled.
    virtual std::optional<ColourValue> StandardColour(ColourValue preset) = 0;

    // The GPSMAP 60C palette dialog (G60Cx). Preset, when given, becomes PaletteColour before it
    // opens; otherwise it keeps the colour of its last use. The picked colour on OK.
    virtual std::optional<ColourValue> GarminPaletteColour(std::optional<ColourValue> preset) = 0;

    // The colour edit dialog (EdSymb), shown modally.
    virtual ColourEditResult EditColour(const ColourEditRequest& request) = 0;

    // The compiler dialog (Thr), shown modally; Ok when it was closed with OK (cGPSMapper, when
    // chosen, is started then).
    virtual Answer CompileTyp(const CompilerRequest& request) = 0;

    // The about box (Ab), modal until its OK button.
    virtual void ShowAbout() = 0;

    // The program's help, opened at its contents; does not block.
    virtual void ShowHelp() = 0;
};

// "\r" of the program's fixed texts as the line break a message box shows.
inline QString MessageText(QString text) {
    return text.replace(u'\r', u'\n');
}

} // namespace velmora
