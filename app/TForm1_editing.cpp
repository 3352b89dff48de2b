// Painting pixels and editing colours of the current object: clicks in the picture, the colour of
// a clicked pixel, swatches of objects without bitmap, and the colour edit dialog of the colour list.
#include "app/TForm1.h"

#include "commands/edit_history.h"
#include "commands/object_edits.h"
#include "view/matrix.h"
#include "view/render.h"

#include <QButtonGroup>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>

namespace velmora {

namespace {

// The code field's character as a code byte. Codes are bytes shown as the ISO 8859-1 character of
// that byte, so a character beyond that range has no code and is refused like an empty field.
std::string CodeFieldBytes(const QString& text) {
    if (text.isEmpty() || text.front().unicode() > 0xFF) return {};
    return std::string(1, char(text.front().unicode()));
}

// Entry index of the table of view, when it is one of the ColourCount entries in use.
bool IsUsedEntry(const TGarminObject& object, int view, int index) {
    const size_t used =
        std::min<size_t>(object.Colours[size_t(view)].size(), object.XpmHeader[size_t(view)].ColourCount);
    return index >= 0 && size_t(index) < used;
}

} // namespace

bool TForm1::GarminPaletteChosen() const {
    return RadioGroup3->checkedId() == 1;
}

std::optional<ColourValue> TForm1::PickColour(ColourValue preset) {
    StandardDialogColour = preset;
    if (GarminPaletteChosen()) return Dialogs.GarminPaletteColour(std::nullopt);
    std::optional<ColourValue> picked = Dialogs.StandardColour(preset);
    if (picked) StandardDialogColour = *picked;
    return picked;
}

std::optional<TForm1::PaintTarget> TForm1::LeftPaintTarget(const TGarminObject& object) const {
    const int view = ShownView();
    const int entry = ComboBox2->currentIndex();
    if (object.Kind == KindPoint) {
        // Painting needs a colour: without a selected colour list entry the click does nothing.
        if (object.XpmHeader[size_t(view)].Width == 0 || !IsUsedEntry(object, view, entry))
            return std::nullopt;
        return PaintTarget{view, entry, object.Colours[size_t(view)][size_t(entry)].Code};
    }
    // Only the day pair of a line or polygon with bitmap can be painted, and only in the day view.
    if (object.XpmHeader[Day].Width == 0 || view == Night || entry > 1 || !IsUsedEntry(object, Day, entry))
        return std::nullopt;
    return PaintTarget{Day, entry, object.Colours[Day][size_t(entry)].Code};
}

void TForm1::PaintAt(TGarminObject& object, int row, int col, const PaintTarget& target) {
    History->Push(
        std::make_unique<PaintStep>(Document, object, target.Plane, row, col, target.Code, StrokeNumber));
    if (object.Kind == KindPoint) {
        PaintCell(MatrixImage, object, row, col, target.Entry, target.Plane, ScreenDrawing);
    } else {
        RenderObject(MatrixImage, object, Day, ScreenDrawing);
        PaintCell(MatrixImage, object, row, col, target.Entry, Day, ScreenDrawing);
        PlacePicture(
            ResizeGrid(MatrixImage, object, ScrollBar1->value(), Day, ScrollBox1->size(), ScreenDrawing));
    }
    ShowMatrix();
}

void TForm1::Image1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
    Stroking = false;
    TGarminObject* object = Document.CurrentObject;
    if (button != Qt::LeftButton || !object || !object->Quadrat) return;
    std::optional<PaintTarget> target = LeftPaintTarget(*object);
    if (!target) return;
    ++StrokeNumber;
    Stroking = true;
    LastStrokePoint = QPoint(x, y);
    if (std::optional<CellPosition> cell = CellAtImagePoint(*object, ShownView(), LastStrokePoint))
        PaintAt(*object, cell->Row, cell->Col, *target);
    ComboBox2Change();
}

void TForm1::Image1MouseMove(Qt::MouseButtons buttons, int x, int y) {
    TGarminObject* object = Document.CurrentObject;
    if (!Stroking || !(buttons & Qt::LeftButton) || !object || !object->Quadrat) return;
    std::optional<PaintTarget> target = LeftPaintTarget(*object);
    if (!target) return;
    // The pointer may jump several cells between two moves: every cell on the way is painted.
    const QPoint to(x, y);
    const QPoint way = to - LastStrokePoint;
    const int stride = std::max(1, ShownCellSize(*object->Quadrat) / 2);
    const int parts = std::max(std::abs(way.x()), std::abs(way.y())) / stride + 1;
    std::optional<CellPosition> last = CellAtImagePoint(*object, ShownView(), LastStrokePoint);
    for (int i = 1; i <= parts; ++i) {
        const QPoint at = LastStrokePoint + way * i / parts;
        std::optional<CellPosition> cell = CellAtImagePoint(*object, ShownView(), at);
        if (!cell || (last && last->Row == cell->Row && last->Col == cell->Col)) continue;
        PaintAt(*object, cell->Row, cell->Col, *target);
        last = cell;
    }
    LastStrokePoint = to;
}

void TForm1::Image1MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    if (Stroking && button == Qt::LeftButton) {
        // The press and the moves have painted; the stroke ends here.
        Stroking = false;
        return;
    }
    TGarminObject* object = Document.CurrentObject;
    if (!object || !object->Quadrat) return;
    const int view = ShownView();
    const QPoint point(x, y);
    const bool rightButton = button == Qt::RightButton;

    if (object->XpmHeader[Day].Width == 0 && object->Kind != KindPoint) {
        // A click outside the colour squares reaches no entry.
        std::optional<int> swatch = SwatchAtImagePoint(*object, point);
        if (!swatch) return;
        RecolourSwatch(*object, *swatch);
    } else {
        if (object->Kind == KindPoint && object->XpmHeader[size_t(view)].Width == 0) return;
        // Clicks outside the pixel grid of the view being edited reach nothing.
        std::optional<CellPosition> cell = CellAtImagePoint(*object, view, point);
        if (!cell) return;
        if (rightButton) {
            EditPixelColour(cell->Row, cell->Col, shift, view, object->Kind);
            ShowMatrix();
            ComboBox2Change();
        } else if (std::optional<PaintTarget> target = LeftPaintTarget(*object)) {
            // A release without a press on the picture (the press fell elsewhere) paints as a click.
            ++StrokeNumber;
            PaintAt(*object, cell->Row, cell->Col, *target);
        } else if (object->Kind != KindPoint && view == Night && ComboBox2->currentIndex() >= 0) {
            // Only the day pair can be painted; the night view is only redrawn.
            RenderObject(MatrixImage, *object, Night, ScreenDrawing);
            ShowMatrix();
        }
    }
    ComboBox2Change();
}

namespace {

// The step that gives colour entry k of table the picked colour.
std::unique_ptr<ObjectEditStep> RecolourStep(TypDocument& doc, TGarminObject& object, int table, size_t k,
                                             ColourValue picked, std::optional<int> view) {
    return std::make_unique<ObjectEditStep>(
        doc, object, StepName::Colour(),
        [table, k, picked](TGarminObject& o) {
            auto& colours = o.Colours[size_t(table)];
            if (k >= colours.size() || colours[k].Colour() == (picked & 0xFFFFFF)) return false;
            colours[k].SetColour(picked);
            return true;
        },
        view);
}

} // namespace

void TForm1::RecolourSwatch(TGarminObject& object, int entry) {
    TColourEntry& colour = object.Colours[Day][size_t(entry)];
    if (colour.Code == 0) return; // the "none" square does not react
    if (std::optional<ColourValue> picked = PickColour(colour.Colour())) {
        History->Push(RecolourStep(Document, object, Day, size_t(entry), *picked, std::nullopt));
        RenderObject(MatrixImage, object, ShownView(), ScreenDrawing);
        ShowMatrix();
        ComboBox2Change();
    }
}

void TForm1::EditPixelColour(int row, int col, Qt::KeyboardModifiers shift, int view, int kind) {
    TGarminObject* object = Document.CurrentObject;
    if (!object) return;
    const int table = kind != KindPoint ? Day : view;
    const auto& plane = object->Pixels[size_t(table)];
    if (row < 0 || size_t(row) >= plane.size() || col < 0 || size_t(col) >= plane[size_t(row)].size()) return;
    const char pixel = plane[size_t(row)][size_t(col)];
    auto& colours = object->Colours[size_t(table)];

    const int candidates = kind != KindPoint ? 2 : object->XpmHeader[size_t(table)].ColourCount;
    std::optional<size_t> edited;
    for (int i = 0; i < candidates && !edited; ++i) {
        const size_t k = size_t(kind != KindPoint ? i + 2 * view : i);
        if (size_t(i) < colours.size() && k < colours.size() && colours[size_t(i)].Code == pixel &&
            !colours[k].IsTransparent())
            edited = k;
    }
    if (!edited) return;

    if (std::optional<ColourValue> picked = PickColour(colours[*edited].Colour())) {
        History->Push(RecolourStep(Document, *object, table, *edited, *picked, view));
        // With Shift held the matrix keeps its old colours until the next redraw.
        if (!(shift & Qt::ShiftModifier)) RenderObject(MatrixImage, *object, ShownView(), ScreenDrawing);
    }
    ComboBox2->update();
}

void TForm1::ComboBox2KeyDown(int, Qt::KeyboardModifiers) {
    TGarminObject* object = Document.CurrentObject;
    const int entry = ComboBox2->currentIndex();
    const int view = ShownView();
    if (!object || !IsUsedEntry(*object, view, entry)) return;

    ColourEditRequest request;
    request.Entry = object->Colours[size_t(view)][size_t(entry)];
    request.AddEnabled = object->Kind == KindPoint;
    request.GarminPalette = GarminPaletteChosen();
    request.StandardColour = StandardDialogColour;
    const ColourEditResult result = Dialogs.EditColour(request);

    const std::string code = CodeFieldBytes(result.CodeText);
    const SymbolEdit edit{code, result.NoneChecked, result.SymbolColour};
    // The step runs the engine while the dialog's texts are still alive.
    const auto push = [&](const QString& name, auto engine) {
        bool changed = false;
        History->Push(std::make_unique<ObjectEditStep>(
            Document, *object, name, [&](TGarminObject& o) { return changed = engine(o); }, view));
        return changed;
    };
    if (result.Result == Answer::Ok) {
        if (!push(StepName::Colour(),
                  [&](TGarminObject& o) { return ChangeColourEntry(Document, o, view, entry, edit); }))
            return;
        ColorBox(view);
        ComboBox1Change();
        if (Document.CurrentObject && Document.CurrentObject->Quadrat) {
            RenderObject(MatrixImage, *Document.CurrentObject, ShownView(), ScreenDrawing);
            ShowMatrix();
        }
        ComboBox2->update();
    } else if (result.Result == Answer::Yes) {
        if (!push(StepName::AddColour(),
                  [&](TGarminObject& o) { return AddColourEntry(Document, o, view, edit); }))
            return;
        const int count = object->XpmHeader[size_t(view)].ColourCount;
        {
            QSignalBlocker block(SpinEdit3);
            SpinEdit3->setMaximum(count);
            SpinEdit3->setValue(count);
        }
        ColorBox(view);
    }
}

} // namespace velmora
