// The history of the document: every change is an undo step (QUndoCommand) that wraps one engine
// function, so undo and redo give back exactly the document before and after it. The history
// decides Modified: a document differs from its file when a step that changes the document stands
// between the state last opened or saved and the state now.
#pragma once

#include "model/maintyp.h"
#include "view/render.h"

#include <QImage>
#include <QString>
#include <QUndoCommand>
#include <QUndoStack>

#include <QCoreApplication>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

// The names of the steps, as "Отменить: ..." shows them, in the language of the installed translator.
namespace StepName {
inline QString Painting() {
    return QCoreApplication::translate("StepName", "Рисование");
}
inline QString Colour() {
    return QCoreApplication::translate("StepName", "Изменение цвета");
}
inline QString AddColour() {
    return QCoreApplication::translate("StepName", "Добавление цвета");
}
inline QString Create() {
    return QCoreApplication::translate("StepName", "Создание объекта");
}
inline QString Delete() {
    return QCoreApplication::translate("StepName", "Удаление объекта");
}
inline QString Paste() {
    return QCoreApplication::translate("StepName", "Вставка объекта");
}
inline QString Retype() {
    return QCoreApplication::translate("StepName", "Смена типа");
}
inline QString LabelLine() {
    return QCoreApplication::translate("StepName", "Строка названия");
}
inline QString Labels() {
    return QCoreApplication::translate("StepName", "Названия");
}
inline QString Header() {
    return QCoreApplication::translate("StepName", "Заголовок");
}
inline QString Template() {
    return QCoreApplication::translate("StepName", "Рисунок под сеткой");
}
inline QString LineWidth() {
    return QCoreApplication::translate("StepName", "Ширина линии");
}
inline QString BorderWidth() {
    return QCoreApplication::translate("StepName", "Ширина бордюра");
}
inline QString Orientation() {
    return QCoreApplication::translate("StepName", "Ориентация");
}
inline QString CharsPerPixel() {
    return QCoreApplication::translate("StepName", "Повторяемость");
}
inline QString FontStyle() {
    return QCoreApplication::translate("StepName", "Шрифт подписи");
}
inline QString LabelColour() {
    return QCoreApplication::translate("StepName", "Цвет подписи");
}
} // namespace StepName

// Milliseconds of a steady clock; typing that pauses longer than TypingPause starts a new step.
using StepTime = int64_t;
inline constexpr StepTime TypingPause = 1500;

// What an undo step tells the window after undo or redo: which object to show, in which view.
struct StepSubject {
    TGarminObject* Object = nullptr; // none: the header, or an object no longer in the document
    int Kind = -1;                   // the kind chooser's choice; -1 leaves it
    std::optional<int> View;         // Day or Night, when the step belongs to one view
};

// The base of every step of the history.
class DocumentStep : public QUndoCommand {
  public:
    DocumentStep(TypDocument& doc, const QString& text) : QUndoCommand(text), Doc(doc) {}
    // False for steps that change only what the window shows (a picture laid under the grid).
    virtual bool ChangesDocument() const { return true; }
    virtual StepSubject Subject() const = 0;

  protected:
    TypDocument& Doc;
};

// The merge ids of the steps (QUndoCommand::id): a step merges into the one before it only when
// both have the same id and the same object. None never merges.
enum class MergeId : int {
    None = -1,
    Painting = 1,
    LineWidth = 10,
    BorderWidth = 11,
    Orientation = 12,
    CharsPerPixel = 13,
    Labels = 14,
    FontStyle = 15,
    DayLabelColour = 16,
    NightLabelColour = 17,
    Header = 20,
};

// Painting pixels of one plane. A drag is one step: cells painted under the same stroke number merge.
class PaintStep : public DocumentStep {
  public:
    PaintStep(TypDocument& doc, TGarminObject& object, int plane, int row, int col, char code, int stroke);
    void redo() override;
    void undo() override;
    int id() const override { return int(MergeId::Painting); }
    bool mergeWith(const QUndoCommand* other) override;
    StepSubject Subject() const override {
        return {Object, Object->Kind, Object->Kind == KindPoint ? Plane : Day};
    }

  private:
    struct Cell {
        int Row;
        int Col;
        char Before;
        char After;
    };
    TGarminObject* Object;
    int Plane;
    int Stroke;
    std::vector<Cell> Cells;
    bool Done = false;
};

// Any other change of one object through an engine function: the function runs on the first redo;
// the object's content before and after it is kept (its matrix stays). A function that reports no
// change makes the step vanish. Steps with the same MergeKey on the same object merge while the
// user goes on (property controls: each change of one control; typing: within a word and a pause).
class ObjectEditStep : public DocumentStep {
  public:
    using Edit = std::function<bool(TGarminObject&)>;
    ObjectEditStep(TypDocument& doc, TGarminObject& object, const QString& text, Edit edit,
                   std::optional<int> view = std::nullopt);
    // Typing and control changes: a step of the same key that follows within the pause merges,
    // unless this one ended a word.
    void SetMerging(MergeId key, StepTime time, bool endsWord = false);
    void redo() override;
    void undo() override;
    int id() const override { return int(MergeKey); }
    bool mergeWith(const QUndoCommand* other) override;
    StepSubject Subject() const override { return {Object, Object->Kind, View}; }

  private:
    void Take(const TGarminObject& content);
    TGarminObject* Object;
    Edit Run;
    std::optional<int> View;
    std::optional<TGarminObject> Before;
    std::optional<TGarminObject> After;
    MergeId MergeKey = MergeId::None;
    StepTime Time = 0;
    bool EndsWord = false;
};

// Typed text ends a word when the text it inserted holds a blank or a line break.
bool EndsWord(const std::vector<std::string>& before, const std::vector<std::string>& after);

// The header lines as typed into the header memo; merges like typing.
class HeaderStep : public DocumentStep {
  public:
    HeaderStep(TypDocument& doc, std::vector<std::string> after, StepTime time);
    void redo() override;
    void undo() override;
    int id() const override { return int(MergeId::Header); }
    bool mergeWith(const QUndoCommand* other) override;
    StepSubject Subject() const override { return {}; }

  private:
    std::vector<std::string> Before;
    std::vector<std::string> After;
    StepTime Time;
    bool WordEnded;
};

// Creating or pasting: the object is appended to its kind's list; undo takes it out and keeps it.
class AddObjectStep : public DocumentStep {
  public:
    AddObjectStep(TypDocument& doc, std::unique_ptr<TGarminObject> object, const QString& text);
    void redo() override;
    void undo() override;
    StepSubject Subject() const override;

  private:
    std::unique_ptr<TGarminObject> Kept; // held while the object is out of the document
    TGarminObject* Object;
    size_t Index = 0;
};

// Deleting: the removed object is kept and goes back to its index on undo.
class DeleteObjectStep : public DocumentStep {
  public:
    // An index outside the kind's list makes the step vanish.
    DeleteObjectStep(TypDocument& doc, int kind, int index);
    void redo() override;
    void undo() override;
    StepSubject Subject() const override;

  private:
    int Kind;
    int Index;
    std::unique_ptr<TGarminObject> Kept;
    TGarminObject* Object = nullptr;
};

// A picture laid under the grid of an object: it changes the magnified matrix only, never the
// document, so it does not make the document modified. Undo draws the matrix again without it.
class TemplateStep : public DocumentStep {
  public:
    // target is the window's picture of the shown object; the step draws into it only while object
    // is the one shown, since showing another object draws its picture afresh anyway.
    TemplateStep(TypDocument& doc, TGarminObject& object, QImage& target, QImage picture, int view,
                 TransparencyDrawing drawing);
    void redo() override;
    void undo() override;
    bool ChangesDocument() const override { return false; }
    // The window stays where it is: the picture it shows is the one the step changed.
    StepSubject Subject() const override { return {nullptr, -1, std::nullopt}; }

  private:
    TGarminObject* Object;
    QImage* Target;
    QImage Picture;
    int View;
    TransparencyDrawing Drawing;
};

// Lays picture (or white, when it is null) over the whole of target, the picture of matrix, and
// draws the grid again in black. The object's pixels and colours stay.
void LayTemplate(QImage& target, const TQuadrat& matrix, const QImage& picture);

// The undo stack of one document, keeping Modified in step with it.
class EditHistory {
  public:
    explicit EditHistory(TypDocument& doc);
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    QUndoStack& Stack() { return UndoStack; }
    // Runs the step and keeps it; a step that changed nothing is dropped.
    void Push(std::unique_ptr<DocumentStep> step);
    // Undo and redo; the subject of the step undone or redone, or none when there was none.
    std::optional<StepSubject> Undo();
    std::optional<StepSubject> Redo();
    // Opening or importing a file: a new history, and the document is unmodified.
    void Restart();
    // Saving: the state now is the file's.
    void MarkSaved();
    // Whether a step that changes the document lies between the saved state and now.
    bool DiffersFromSaved() const;

  private:
    void Follow();
    std::optional<StepSubject> Settled(const DocumentStep* step, const StepSubject& before) const;
    TypDocument& Doc;
    QUndoStack UndoStack;
};

} // namespace velmora
