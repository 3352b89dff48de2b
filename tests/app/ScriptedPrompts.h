// Prompts for the window tests: every dialog is answered from a script and recorded. A dialog that
// the script does not expect fails the test and is answered as if cancelled, so no test ever
// waits on a dialog. Message boxes need no answer: they are only recorded.
#pragma once

#include "app/Prompts.h"

#include <gtest/gtest.h>

#include <QString>

#include <deque>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace velmora {

class ScriptedPrompts : public Prompts {
  public:
    // What was asked, in order.
    enum class Kind {
        OpenFile,
        SaveFile,
        Message,
        Question,
        StandardColour,
        PaletteColour,
        EditColour,
        Compiler,
        About,
        Help
    };
    struct Asked {
        Kind What = Kind::Message;
        QString Text; // caption and filter of a file dialog, or the text of a message or question
        std::optional<MessageKind> Icon;
        std::optional<QuestionButtons> Buttons;
        OpenFileQuestion Open;
        SaveFileQuestion Save;
        ColourValue Preset = 0;
        std::optional<ColourValue> PalettePreset;
        ColourEditRequest Edit;
        CompilerRequest Compile;
    };

    ScriptedPrompts() = default;
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;
    ~ScriptedPrompts() override {
        for (const Reply& reply : Script)
            ADD_FAILURE() << "scripted reply never asked for: " << KindName(reply.What);
    }

    // ---- the script ----
    void AnswerOpenFile(std::optional<QString> fileName) {
        Push(Kind::OpenFile).FileName = std::move(fileName);
    }
    void AnswerSaveFile(std::optional<QString> fileName) {
        Push(Kind::SaveFile).FileName = std::move(fileName);
    }
    void AnswerQuestion(Answer answer) { Push(Kind::Question).Result = answer; }
    void AnswerStandardColour(std::optional<ColourValue> colour) {
        Push(Kind::StandardColour).Colour = colour;
    }
    void AnswerPaletteColour(std::optional<ColourValue> colour) { Push(Kind::PaletteColour).Colour = colour; }
    void AnswerEditColour(ColourEditResult result) { Push(Kind::EditColour).Edit = std::move(result); }
    void AnswerCompiler(Answer answer) { Push(Kind::Compiler).Result = answer; }
    void ExpectAbout() { Push(Kind::About); }
    void ExpectHelp() { Push(Kind::Help); }

    // ---- what was asked ----
    std::vector<Asked> Log;
    bool ScriptDone() const { return Script.empty(); }
    std::vector<QString> Messages() const { return TextsOf(Kind::Message); }
    std::vector<QString> Questions() const { return TextsOf(Kind::Question); }
    size_t CountOf(Kind kind) const {
        size_t count = 0;
        for (const Asked& asked : Log)
            count += asked.What == kind;
        return count;
    }

    // ---- Prompts ----
    std::optional<QString> OpenFileName(const OpenFileQuestion& question) override {
        Asked& asked = Record(Kind::OpenFile, question.Caption + u'|' + question.Filter);
        asked.Open = question;
        const Reply* reply = Take(Kind::OpenFile);
        return reply ? reply->FileName : std::nullopt;
    }
    std::optional<QString> SaveFileName(const SaveFileQuestion& question) override {
        Asked& asked = Record(Kind::SaveFile, question.Caption + u'|' + question.Filter);
        asked.Save = question;
        const Reply* reply = Take(Kind::SaveFile);
        return reply ? reply->FileName : std::nullopt;
    }
    void Message(const QString& text, MessageKind kind) override { Record(Kind::Message, text).Icon = kind; }
    Answer Ask(const QString& text, QuestionButtons buttons, MessageKind kind) override {
        Asked& asked = Record(Kind::Question, text);
        asked.Icon = kind;
        asked.Buttons = buttons;
        const Reply* reply = Take(Kind::Question);
        if (!reply) return buttons == QuestionButtons::YesNoCancel ? Answer::Cancel : Answer::No;
        return reply->Result;
    }
    std::optional<ColourValue> StandardColour(ColourValue preset) override {
        Record(Kind::StandardColour, {}).Preset = preset;
        const Reply* reply = Take(Kind::StandardColour);
        return reply ? reply->Colour : std::nullopt;
    }
    std::optional<ColourValue> GarminPaletteColour(std::optional<ColourValue> preset) override {
        Record(Kind::PaletteColour, {}).PalettePreset = preset;
        const Reply* reply = Take(Kind::PaletteColour);
        return reply ? reply->Colour : std::nullopt;
    }
    ColourEditResult EditColour(const ColourEditRequest& request) override {
        Record(Kind::EditColour, {}).Edit = request;
        const Reply* reply = Take(Kind::EditColour);
        return reply ? reply->Edit : ColourEditResult{};
    }
    Answer CompileTyp(const CompilerRequest& request) override {
        Record(Kind::Compiler, {}).Compile = request;
        const Reply* reply = Take(Kind::Compiler);
        return reply ? reply->Result : Answer::Cancel;
    }
    void ShowAbout() override {
        Record(Kind::About, {});
        Take(Kind::About);
    }
    void ShowHelp() override {
        Record(Kind::Help, {});
        Take(Kind::Help);
    }

    static const char* KindName(Kind kind) {
        static const char* const names[] = {"open file",       "save file", "message",     "question",
                                            "standard colour", "palette",   "colour edit", "compiler",
                                            "about",           "help"};
        return names[int(kind)];
    }

  private:
    struct Reply {
        Kind What = Kind::Message;
        std::optional<QString> FileName;
        Answer Result = Answer::Cancel;
        std::optional<ColourValue> Colour;
        ColourEditResult Edit;
    };

    Reply& Push(Kind kind) {
        Script.emplace_back();
        Script.back().What = kind;
        return Script.back();
    }

    Asked& Record(Kind kind, QString text) {
        Log.emplace_back();
        Log.back().What = kind;
        Log.back().Text = std::move(text);
        return Log.back();
    }

    const Reply* Take(Kind kind) {
        if (Script.empty() || Script.front().What != kind) {
            ADD_FAILURE() << "unscripted " << KindName(kind) << ": " << Log.back().Text.toStdString()
                          << (Script.empty()
                                  ? std::string(" (script empty)")
                                  : std::string(" (script expects ") + KindName(Script.front().What) + ")");
            return nullptr;
        }
        LastTaken = std::move(Script.front());
        Script.pop_front();
        return &LastTaken;
    }

    std::vector<QString> TextsOf(Kind kind) const {
        std::vector<QString> texts;
        for (const Asked& asked : Log)
            if (asked.What == kind) texts.push_back(asked.Text);
        return texts;
    }

    std::deque<Reply> Script;
    Reply LastTaken;
};

} // namespace velmora
