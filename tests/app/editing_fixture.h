// Window tests of the editing commands: helpers that make objects through creation mode, as the
// user does, and read the picture of the view.
#pragma once

#include "tests/app/window_fixture.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QImage>
#include <QSpinBox>

#include "app/controls.h"
#include "view/transparency.h"

namespace velmora {

class EditingTest : public WindowTest {
  protected:
    // "Добавить объект" for kind, then commit with what adjust leaves in the controls.
    template <typename Adjust> TGarminObject& Create(int kind, Adjust adjust) {
        ChooseKind(kind);
        Form->ToolButton5Click();
        adjust();
        Form->BitBtn1Click();
        return *Form->Document.List(kind).back();
    }
    TGarminObject& Create(int kind) {
        return Create(kind, [] {});
    }
    void ChooseView(int view) { Form->RadioGroup2->button(view)->click(); }
    void ChooseStandardPalette() { Form->RadioGroup3->button(0)->click(); }
    // The centre of cell (row, col) of the picture at the current cell size.
    QPoint CellCentre(int row, int col) const {
        const int size = Form->Document.CurrentObject->Quadrat->CellSize;
        return {col * size + size / 2, row * size + size / 2};
    }
    void Click(Qt::MouseButton button, QPoint point, Qt::KeyboardModifiers shift = {}) {
        Form->Image1MouseUp(button, shift, point.x(), point.y());
    }
    QColor Shown(QPoint point) const { return Form->Image1->Picture().pixelColor(point); }
    // Whether a point of the picture shows one of the two greys of the transparency checkerboard.
    bool ShowsCheckerboard(QPoint point) const {
        const QRgb shown = Shown(point).rgb() & 0xFFFFFF;
        return shown == RgbOf(CheckerLight) || shown == RgbOf(CheckerDark);
    }
    static QRgb RgbOf(uint32_t colour) {
        return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
    }
};

} // namespace velmora
