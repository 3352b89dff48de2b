// The Prompts of the running program: the platform's file, message and colour dialogs, the about
// box, the help window, and the program's own dialogs (palette, colour edit, compiler).
#pragma once

#include "app/Prompts.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QTextBrowser;

namespace velmora {

class TAboutBox;

class RealPrompts final : public Prompts {
  public:
    RealPrompts();
    ~RealPrompts() override;
    RealPrompts(const RealPrompts&) = delete;
    RealPrompts& operator=(const RealPrompts&) = delete;

    // The window that file dialogs and message boxes are centred on.
    void SetParentWindow(QWidget* parent) { Parent = parent; }
    // Start-up, after the main window: the about box, then the program's own dialogs in the order
    // compiler dialog, colour edit dialog, palette dialog. They live as long as this object.
    void CreateAboutBox();
    void CreateDialogs();

    std::optional<QString> OpenFileName(const OpenFileQuestion& question) override;
    std::optional<QString> SaveFileName(const SaveFileQuestion& question) override;
    void Message(const QString& text, MessageKind kind) override;
    Answer Ask(const QString& text, QuestionButtons buttons, MessageKind kind) override;
    std::optional<ColourValue> StandardColour(ColourValue preset) override;
    std::optional<ColourValue> GarminPaletteColour(std::optional<ColourValue> preset) override;
    ColourEditResult EditColour(const ColourEditRequest& request) override;
    Answer CompileTyp(const CompilerRequest& request) override;
    void ShowAbout() override;
    void ShowHelp() override;

  private:
    // The palette, colour edit and compiler dialogs; defined beside their calls in
    // RealPromptsDialogs.cpp.
    struct Dialogs;
    void DestroyDialogs();

    QPointer<QWidget> Parent;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<QTextBrowser> HelpWindow;
    Dialogs* OwnDialogs = nullptr;
};

} // namespace velmora
