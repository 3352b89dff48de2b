#include "app/controls.h"

#include "view/colour.h"
#include "view/matrix.h"
#include "view/transparency.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QWheelEvent>

namespace velmora {

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(0, 0);
}

void ImageControl::SetPicture(const QImage& picture) {
    Shown = picture;
    resize(Shown.size());
    update();
}

void ImageControl::Clear() {
    Shown = QImage();
    resize(0, 0);
    update();
}

void ImageControl::paintEvent(QPaintEvent*) {
    if (Shown.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, Shown);
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
    QPoint at = event->position().toPoint();
    emit MouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void ImageControl::mouseMoveEvent(QMouseEvent* event) {
    QPoint at = event->position().toPoint();
    emit MouseMove(event->buttons(), at.x(), at.y());
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    QPoint at = event->position().toPoint();
    emit MouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

ViewPanel::ViewPanel(QWidget* parent) : QFrame(parent) {}

void ViewPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    emit Resized();
}

void ViewPanel::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QFrame::wheelEvent(event);
        return;
    }
    // One notch of a wheel is 120 eighths of a degree; a touchpad sends smaller parts of it.
    WheelRest += event->angleDelta().y();
    const int steps = WheelRest / 120;
    WheelRest -= steps * 120;
    if (steps != 0) emit ZoomWheel(steps);
    event->accept();
}

OwnerDrawComboBox::OwnerDrawComboBox(QWidget* parent) : QComboBox(parent) {}

void OwnerDrawComboBox::SetDrawItem(DrawFunction draw) {
    Draw = std::move(draw);
}

void OwnerDrawComboBox::DrawItem(QPainter& painter, const QRect& rect, int index) const {
    if (Draw) Draw(painter, rect, index);
}

void OwnerDrawComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0) return;
    QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    DrawItem(painter, field, currentIndex());
}

OwnerDrawDelegate::OwnerDrawDelegate(OwnerDrawComboBox* owner, int itemHeight)
    : QStyledItemDelegate(owner), Owner(owner), ItemHeight(itemHeight) {}

void OwnerDrawDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    painter->save();
    Owner->DrawItem(*painter, option.rect, index.row());
    if (option.state & QStyle::State_Selected) {
        // The entry's own colour stays visible; a frame marks the highlighted entry.
        painter->setPen(option.palette.color(QPalette::Highlight));
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

QSize OwnerDrawDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), ItemHeight);
}

ColourButton::ColourButton(QWidget* parent) : QPushButton(parent) {}

void ColourButton::SetColour(std::optional<uint32_t> colour) {
    Shown = colour;
    setToolTip(colour ? u'#' + ColourHexText(*colour) : QStringLiteral("none"));
    update();
}

void ColourButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect face = rect().adjusted(4, 4, -4, -4);
    if (face.isEmpty()) return;
    if (Shown) {
        FillOverCheckerboard(painter, face, *Shown, AlphaOpaque);
    } else {
        FillOverCheckerboard(painter, face, White, AlphaTransparent);
        painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText)
                                   : palette().color(QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(face, Qt::AlignCenter, QStringLiteral("none"));
    }
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(face.adjusted(0, 0, -1, -1));
}

} // namespace velmora
