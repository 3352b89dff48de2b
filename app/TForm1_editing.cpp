// Painting pixels and editing colours of the current object: clicks in the picture, the colour of
// a clicked pixel, swatches of objects without bitmap, and the colour edit dialog of the colour list.
#include "app/TForm1.h"

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

void TForm1::Image1MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
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
        } else if (object->Kind == KindPoint) {
            // Painting needs a colour: without a selected colour list entry the click does nothing.
            if (!IsUsedEntry(*object, view, ComboBox2->currentIndex())) return;
            PaintPointPixel(*object, cell->Row, cell->Col, view);
        } else if (view == Night) {
            // Only the day pair can be painted; the night view is only redrawn.
            if (ComboBox2->currentIndex() < 0) return;
            RenderObject(MatrixImage, *object, Night, ScreenDrawing);
            ShowMatrix();
        } else {
            if (!IsUsedEntry(*object, Day, ComboBox2->currentIndex())) return;
            PaintLinePixel(*object, cell->Row, cell->Col);
        }
    }
    ComboBox2Change();
    Document.Modified = true;
}

void TForm1::PaintPointPixel(TGarminObject& object, int row, int col, int view) {
    const int entry = ComboBox2->currentIndex();
    object.Pixels[size_t(view)][size_t(row)][size_t(col)] = object.Colours[size_t(view)][size_t(entry)].Code;
    PaintCell(MatrixImage, object, row, col, entry, view, ScreenDrawing);
    ShowMatrix();
}

void TForm1::PaintLinePixel(TGarminObject& object, int row, int col) {
    const int entry = ComboBox2->currentIndex();
    if (entry > 1) return; // entries 2 and 3 are the night pair: they are never painted
    object.Pixels[Day][size_t(row)][size_t(col)] = object.Colours[Day][size_t(entry)].Code;
    RenderObject(MatrixImage, object, Day, ScreenDrawing);
    PaintCell(MatrixImage, object, row, col, entry, Day, ScreenDrawing);
    PlacePicture(
        ResizeGrid(MatrixImage, object, ScrollBar1->value(), Day, ScrollBox1->size(), ScreenDrawing));
    ShowMatrix();
}

void TForm1::RecolourSwatch(TGarminObject& object, int entry) {
    TColourEntry& colour = object.Colours[Day][size_t(entry)];
    if (colour.Code == 0) return; // the "none" square does not react
    if (std::optional<ColourValue> picked = PickColour(colour.Colour())) {
        colour.SetColour(*picked);
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
        colours[*edited].SetColour(*picked);
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
        if (!ChangeColourEntry(Document, *object, view, entry, edit)) return;
        ColorBox(view);
        ComboBox1Change();
        if (Document.CurrentObject && Document.CurrentObject->Quadrat) {
            RenderObject(MatrixImage, *Document.CurrentObject, ShownView(), ScreenDrawing);
            ShowMatrix();
        }
        ComboBox2->update();
    } else if (result.Result == Answer::Yes) {
        if (!AddColourEntry(Document, *object, view, edit)) return;
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
