// Painting pixels and editing colours of the current object: clicks in the picture, the colour of
// a clicked pixel, swatches of objects without bitmap, and the colour edit dialog of the colour list.
#include "app/TForm1.h"

#include "commands/edit_commands.h"
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

std::optional<PaintTarget> TForm1::LeftPaintTarget(const TGarminObject& object) const {
    return PaintTargetOf(object, ShownView(), ComboBox2->currentIndex());
}

void TForm1::PaintAt(TGarminObject& object, int row, int col, const PaintTarget& target) {
    Edit::Paint(*History, Document, object, target, row, col, StrokeNumber);
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
            EditPixelColour(cell->Row, cell->Col, shift, view);
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

void TForm1::RecolourSwatch(TGarminObject& object, int entry) {
    if (!IsRecolourableSwatch(object, entry)) return;
    if (std::optional<ColourValue> picked = PickColour(object.Colours[Day][size_t(entry)].Colour())) {
        Edit::Recolour(*History, Document, object, Day, size_t(entry), *picked, std::nullopt);
        RenderObject(MatrixImage, object, ShownView(), ScreenDrawing);
        ShowMatrix();
        ComboBox2Change();
    }
}

void TForm1::EditPixelColour(int row, int col, Qt::KeyboardModifiers shift, int view) {
    TGarminObject* object = Document.CurrentObject;
    if (!object) return;
    const std::optional<PixelEntry> edited = EntryOfPixel(*object, row, col, view);
    if (!edited) return;
    const ColourValue shown = object->Colours[size_t(edited->Table)][edited->Entry].Colour();
    if (std::optional<ColourValue> picked = PickColour(shown)) {
        Edit::Recolour(*History, Document, *object, edited->Table, edited->Entry, *picked, view);
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
    if (result.Result == Answer::Ok) {
        if (!Edit::ChangeColourEntry(*History, Document, *object, view, entry, edit)) return;
        ColorBox(view);
        ComboBox1Change();
        if (Document.CurrentObject && Document.CurrentObject->Quadrat) {
            RenderObject(MatrixImage, *Document.CurrentObject, ShownView(), ScreenDrawing);
            ShowMatrix();
        }
        ComboBox2->update();
    } else if (result.Result == Answer::Yes) {
        if (!Edit::AddColourEntry(*History, Document, *object, view, edit)) return;
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
