#include "commands/edit_history.h"

#include "model/ascii.h"
#include "view/matrix.h"
#include "view/render.h"

#include <QPainter>

#include <algorithm>
#include <utility>

namespace velmora {

namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines[i];
    }
    return text;
}

// Where the object stands in the lists of the document, or none.
std::optional<std::pair<int, size_t>> Find(const TypDocument& doc, const TGarminObject* object) {
    for (int kind : {KindPoint, KindLine, KindPolygon}) {
        const ObjectList& list = doc.List(kind);
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i].get() == object) return std::pair{kind, i};
    }
    return std::nullopt;
}

std::unique_ptr<TGarminObject> TakeOut(TypDocument& doc, int kind, size_t index) {
    ObjectList& list = doc.List(kind);
    std::unique_ptr<TGarminObject> taken = std::move(list[index]);
    list.erase(list.begin() + std::ptrdiff_t(index));
    if (doc.CurrentObject == taken.get()) doc.CurrentObject = nullptr;
    return taken;
}

void PutBack(TypDocument& doc, int kind, size_t index, std::unique_ptr<TGarminObject> object) {
    ObjectList& list = doc.List(kind);
    index = std::min(index, list.size());
    list.insert(list.begin() + std::ptrdiff_t(index), std::move(object));
}

} // namespace

bool EndsWord(const std::vector<std::string>& before, const std::vector<std::string>& after) {
    const std::string a = Joined(before);
    const std::string b = Joined(after);
    size_t prefix = 0;
    while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix])
        ++prefix;
    size_t suffix = 0;
    while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
           a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
        ++suffix;
    const std::string_view inserted = std::string_view(b).substr(prefix, b.size() - prefix - suffix);
    return std::any_of(inserted.begin(), inserted.end(), IsBlank);
}

// ---------------------------------------------------------------------------------------------

PaintStep::PaintStep(TypDocument& doc, TGarminObject& object, int plane, int row, int col, char code,
                     int stroke)
    : DocumentStep(doc, StepName::Painting()), Object(&object), Plane(plane), Stroke(stroke) {
    auto& rows = object.Pixels[size_t(plane)];
    if (row >= 0 && size_t(row) < rows.size() && col >= 0 && size_t(col) < rows[size_t(row)].size() &&
        rows[size_t(row)][size_t(col)] != code)
        Cells.push_back({row, col, rows[size_t(row)][size_t(col)], code});
    else
        setObsolete(true);
}

void PaintStep::redo() {
    auto& rows = Object->Pixels[size_t(Plane)];
    for (const Cell& cell : Cells)
        rows[size_t(cell.Row)][size_t(cell.Col)] = cell.After;
    Done = true;
}

void PaintStep::undo() {
    auto& rows = Object->Pixels[size_t(Plane)];
    for (auto cell = Cells.rbegin(); cell != Cells.rend(); ++cell)
        rows[size_t(cell->Row)][size_t(cell->Col)] = cell->Before;
    Done = false;
}

bool PaintStep::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const PaintStep*>(other);
    if (next->Object != Object || next->Plane != Plane || next->Stroke != Stroke) return false;
    for (const Cell& cell : next->Cells) {
        // A cell painted twice in one stroke keeps its first colour as the one to go back to.
        auto earlier = std::find_if(Cells.begin(), Cells.end(),
                                    [&](const Cell& c) { return c.Row == cell.Row && c.Col == cell.Col; });
        if (earlier != Cells.end())
            earlier->After = cell.After;
        else
            Cells.push_back(cell);
    }
    return true;
}

// ---------------------------------------------------------------------------------------------

ObjectEditStep::ObjectEditStep(TypDocument& doc, TGarminObject& object, const QString& text, Edit edit,
                               std::optional<int> view)
    : DocumentStep(doc, text), Object(&object), Run(std::move(edit)), View(view) {}

void ObjectEditStep::SetMerging(MergeId key, StepTime time, bool endsWord) {
    MergeKey = key;
    Time = time;
    EndsWord = endsWord;
}

void ObjectEditStep::Take(const TGarminObject& content) {
    std::optional<TQuadrat> matrix = std::move(Object->Quadrat);
    *Object = content;
    Object->Quadrat = std::move(matrix);
}

void ObjectEditStep::redo() {
    if (After) {
        Take(*After);
        return;
    }
    Before = *Object;
    Before->Quadrat.reset();
    if (!Run(*Object)) {
        setObsolete(true);
        return;
    }
    After = *Object;
    After->Quadrat.reset();
}

void ObjectEditStep::undo() {
    if (Before) Take(*Before);
}

bool ObjectEditStep::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const ObjectEditStep*>(other);
    if (next->Object != Object || EndsWord || next->Time - Time > TypingPause || next->Time < Time)
        return false;
    After = next->After;
    Time = next->Time;
    EndsWord = next->EndsWord;
    // Typing back to where the step began leaves nothing to undo.
    if (After && Before && SameContent(*After, *Before)) setObsolete(true);
    return true;
}

// ---------------------------------------------------------------------------------------------

HeaderStep::HeaderStep(TypDocument& doc, std::vector<std::string> after, StepTime time)
    : DocumentStep(doc, StepName::Header()), Before(doc.HeaderLines), After(std::move(after)), Time(time),
      WordEnded(EndsWord(Before, After)) {
    if (Before == After) setObsolete(true);
}

void HeaderStep::redo() {
    Doc.HeaderLines = After;
}

void HeaderStep::undo() {
    Doc.HeaderLines = Before;
}

bool HeaderStep::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const HeaderStep*>(other);
    if (WordEnded || next->Time - Time > TypingPause || next->Time < Time) return false;
    After = next->After;
    Time = next->Time;
    WordEnded = next->WordEnded;
    if (After == Before) setObsolete(true);
    return true;
}

// ---------------------------------------------------------------------------------------------

AddObjectStep::AddObjectStep(TypDocument& doc, std::unique_ptr<TGarminObject> object, const QString& text)
    : DocumentStep(doc, text), Kept(std::move(object)), Object(Kept.get()) {
    Index = doc.List(Object->Kind).size();
}

void AddObjectStep::redo() {
    if (!Kept) return;
    PutBack(Doc, Object->Kind, Index, std::move(Kept));
}

void AddObjectStep::undo() {
    if (auto where = Find(Doc, Object)) Kept = TakeOut(Doc, where->first, where->second);
}

StepSubject AddObjectStep::Subject() const {
    return {Kept ? nullptr : Object, Object->Kind, std::nullopt};
}

// ---------------------------------------------------------------------------------------------

DeleteObjectStep::DeleteObjectStep(TypDocument& doc, int kind, int index)
    : DocumentStep(doc, StepName::Delete()), Kind(kind), Index(index) {
    if (kind < KindPoint || kind > KindPolygon || index < 0 || size_t(index) >= doc.List(kind).size())
        setObsolete(true);
    else
        Object = doc.List(kind)[size_t(index)].get();
}

void DeleteObjectStep::redo() {
    if (!Object) return;
    if (auto where = Find(Doc, Object)) Kept = TakeOut(Doc, where->first, where->second);
    // Deleting leaves no object shown, whichever was.
    Doc.CurrentObject = nullptr;
}

void DeleteObjectStep::undo() {
    if (Kept) PutBack(Doc, Kind, size_t(Index), std::move(Kept));
}

StepSubject DeleteObjectStep::Subject() const {
    return {Kept ? nullptr : Object, Kind, std::nullopt};
}

// ---------------------------------------------------------------------------------------------

void LayTemplate(QImage& target, const TQuadrat& matrix, const QImage& picture) {
    EnsureMatrixImage(target, matrix);
    if (target.isNull()) return;
    if (picture.isNull()) {
        target.fill(Qt::white);
    } else {
        QPainter painter(&target);
        painter.drawImage(target.rect(), picture);
    }
    if (matrix.RowCount <= 0 || matrix.ColCount <= 0) return;
    // The grid lines: the top and left edges of every cell, and the lines just outside the right
    // and bottom edge.
    QPainter painter(&target);
    painter.setPen(Qt::black);
    const int width = target.width();
    const int height = target.height();
    for (int i = 0; i <= matrix.RowCount; ++i) {
        const int y = i * height / matrix.RowCount;
        painter.drawLine(0, y, width - 1, y);
    }
    for (int i = 0; i <= matrix.ColCount; ++i) {
        const int x = i * width / matrix.ColCount;
        painter.drawLine(x, 0, x, height - 1);
    }
}

TemplateStep::TemplateStep(TypDocument& doc, TGarminObject& object, QImage& target, QImage picture, int view,
                           TransparencyDrawing drawing)
    : DocumentStep(doc, StepName::Template()), Object(&object), Target(&target), Picture(std::move(picture)),
      View(view), Drawing(drawing) {
    if (!object.Quadrat || object.Quadrat->ColCount == 0 || object.Quadrat->RowCount == 0) setObsolete(true);
}

void TemplateStep::redo() {
    if (Doc.CurrentObject == Object && Object->Quadrat) LayTemplate(*Target, *Object->Quadrat, Picture);
}

void TemplateStep::undo() {
    if (Doc.CurrentObject != Object || !Object->Quadrat) return;
    // The picture drawn afresh: grid and pixels, without the template.
    if (!EnsureMatrixImage(*Target, *Object->Quadrat)) DrawEmptyGrid(*Target, *Object->Quadrat);
    RenderObject(*Target, *Object, View, Drawing);
}

// ---------------------------------------------------------------------------------------------

EditHistory::EditHistory(TypDocument& doc) : Doc(doc) {
    QObject::connect(&UndoStack, &QUndoStack::indexChanged, &UndoStack, [this] { Follow(); });
    QObject::connect(&UndoStack, &QUndoStack::cleanChanged, &UndoStack, [this] { Follow(); });
}

EditHistory::~EditHistory() {
    // The stack empties itself as it goes and signals it; nobody is to follow that any more.
    QObject::disconnect(&UndoStack, nullptr, nullptr, nullptr);
}

void EditHistory::Push(std::unique_ptr<DocumentStep> step) {
    // A step that already knows it changes nothing never enters the history; one that finds so when
    // it runs is dropped by the stack.
    if (!step || step->isObsolete()) return;
    UndoStack.push(step.release());
}

std::optional<StepSubject> EditHistory::Undo() {
    if (!UndoStack.canUndo()) return std::nullopt;
    const auto* step = dynamic_cast<const DocumentStep*>(UndoStack.command(UndoStack.index() - 1));
    const StepSubject subject = step ? step->Subject() : StepSubject{};
    UndoStack.undo();
    return step ? Settled(step, subject) : std::nullopt;
}

std::optional<StepSubject> EditHistory::Redo() {
    if (!UndoStack.canRedo()) return std::nullopt;
    const auto* step = dynamic_cast<const DocumentStep*>(UndoStack.command(UndoStack.index()));
    const StepSubject subject = step ? step->Subject() : StepSubject{};
    UndoStack.redo();
    return step ? Settled(step, subject) : std::nullopt;
}

std::optional<StepSubject> EditHistory::Settled(const DocumentStep* step, const StepSubject& before) const {
    // The step is still on the stack (it is not obsolete): ask it again, since adding and deleting
    // know only afterwards whether their object is in the document.
    for (int i = 0; i < UndoStack.count(); ++i)
        if (UndoStack.command(i) == step) return step->Subject();
    return before;
}

void EditHistory::Restart() {
    UndoStack.clear();
    UndoStack.setClean();
    Doc.Modified = false;
}

void EditHistory::MarkSaved() {
    UndoStack.setClean();
    Doc.Modified = false;
}

bool EditHistory::DiffersFromSaved() const {
    const int clean = UndoStack.cleanIndex();
    if (clean < 0) return true;
    const int index = UndoStack.index();
    for (int i = std::min(clean, index); i < std::max(clean, index); ++i) {
        const auto* step = dynamic_cast<const DocumentStep*>(UndoStack.command(i));
        if (!step || step->ChangesDocument()) return true;
    }
    return false;
}

void EditHistory::Follow() {
    Doc.Modified = DiffersFromSaved();
}

} // namespace velmora
