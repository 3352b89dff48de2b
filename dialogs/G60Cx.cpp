#include "dialogs/G60Cx.h"

#include "commands/palette_grid.h"
#include "view/colour.h"

#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace velmora {

ColourPanel::ColourPanel(QWidget* parent) : QWidget(parent) {}

void ColourPanel::SetColour(uint32_t colour) {
    Shown = colour;
    update();
}

void ColourPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Shown));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ColourPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && Clicked)
        Clicked();
}

PaletteGridView::PaletteGridView(QWidget* parent) : QWidget(parent) {}

QRect PaletteGridView::CellRectAt(QPoint point) const {
    if (point.x() < 0 || point.y() < 0) return {};
    const int col = point.x() / Pitch;
    const int row = point.y() / Pitch;
    if (col >= PaletteColumns || row >= PaletteRows) return {};
    if (point.x() % Pitch >= CellEdge || point.y() % Pitch >= CellEdge) return {};
    return QRect(col * Pitch, row * Pitch, CellEdge, CellEdge);
}

uint32_t PaletteGridView::ColourAt(QPoint point) const {
    const QRect cell = CellRectAt(point);
    if (cell.isEmpty()) return LineColour;
    return PaletteGrid()[size_t(cell.left() / Pitch)][size_t(cell.top() / Pitch)];
}

void PaletteGridView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(LineColour));
    for (int col = 0; col < PaletteColumns; ++col)
        for (int row = 0; row < PaletteRows; ++row)
            painter.fillRect(col * Pitch, row * Pitch, CellEdge, CellEdge, ToQColor(PaletteGrid()[col][row]));
    if (SelectedCellRect.isEmpty()) return;
    // The outline runs along the left and top edge of the cell and along the grid lines right and
    // below it, so it stays visible on any cell colour.
    const QRect& r = SelectedCellRect;
    const int right = r.left() + r.width();
    const int bottom = r.top() + r.height();
    painter.setPen(Qt::black);
    const QPoint corners[] = {{r.left(), r.top()}, {r.left(), bottom}, {right, bottom}, {right, r.top()}};
    painter.drawPolygon(corners, 4);
}

void PaletteGridView::mouseReleaseEvent(QMouseEvent* event) {
    if (MouseUp) MouseUp(event->position().toPoint());
}

TGarmin60Dlg::TGarmin60Dlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Palette Garmin GPSMAP 60C"));
    setFixedSize(288, 386);

    DrawGrid1 = new PaletteGridView(this);
    DrawGrid1->setGeometry(8, 8, 272, 276);
    DrawGrid1->MouseUp = [this](QPoint point) { DrawGrid1MouseUp(point); };

    Panel1 = new ColourPanel(this);
    Panel1->setGeometry(4, 292, 281, 53);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setGeometry(4, 353, 75, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setGeometry(84, 353, 75, 25);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    Label1 = new QLabel(this);
    Label1->setGeometry(191, 354, 92, 22);
    QFont bold = Label1->font();
    bold.setBold(true);
    bold.setPixelSize(16);
    Label1->setFont(bold);
    Label1->clear();
}

void TGarmin60Dlg::ShowColour(uint32_t colour) {
    Panel1->SetColour(colour);
    Label1->setText(PaletteHexText(colour));
}

void TGarmin60Dlg::PresetColour(uint32_t colour) {
    PaletteColour = colour;
    ShowColour(colour);
}

void TGarmin60Dlg::DrawGrid1MouseUp(QPoint point) {
    DrawGrid1->SelectedCellRect = QRect();
    PaletteColour = DrawGrid1->ColourAt(point);
    ShowColour(PaletteColour);
    DrawGrid1->SelectedCellRect = DrawGrid1->CellRectAt(point);
    DrawGrid1->update();
}

} // namespace velmora
