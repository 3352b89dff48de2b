// Small widgets of the main window that the toolkit lacks: the picture control of the view panel,
// the view panel that reports its resizing, and the owner-drawn colour list.
#pragma once

#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

namespace velmora {

// Shows a copy of a picture at its own size and reports presses, moves with a button held and
// releases of the mouse in picture coordinates.
class ImageControl : public QWidget {
    Q_OBJECT
  public:
    explicit ImageControl(QWidget* parent = nullptr);

    // Takes a copy (shared until either side changes) and takes the picture's size.
    void SetPicture(const QImage& picture);
    void Clear();
    const QImage& Picture() const { return Shown; }

  signals:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseMove(Qt::MouseButtons buttons, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage Shown;
};

// The view panel: the picture is placed in it by position, also partly outside. The wheel with
// Ctrl held zooms.
class ViewPanel : public QFrame {
    Q_OBJECT
  public:
    explicit ViewPanel(QWidget* parent = nullptr);

  signals:
    void Resized();
    void ZoomWheel(int steps); // positive: zoom in

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    int WheelRest = 0;
};

// A drop-down list whose entries, and the closed box, are drawn by the owner.
class OwnerDrawComboBox : public QComboBox {
    Q_OBJECT
  public:
    using DrawFunction = std::function<void(QPainter& painter, const QRect& rect, int index)>;
    explicit OwnerDrawComboBox(QWidget* parent = nullptr);
    void SetDrawItem(DrawFunction draw);
    void DrawItem(QPainter& painter, const QRect& rect, int index) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    DrawFunction Draw;
};

// The item delegate that hands the drawing of list entries to an OwnerDrawComboBox.
class OwnerDrawDelegate : public QStyledItemDelegate {
  public:
    OwnerDrawDelegate(OwnerDrawComboBox* owner, int itemHeight);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    OwnerDrawComboBox* Owner;
    int ItemHeight;
};

// A button that shows a colour (red + 256 * green + 65536 * blue), or "none" over the grey
// checkerboard when there is none.
class ColourButton : public QPushButton {
    Q_OBJECT
  public:
    explicit ColourButton(QWidget* parent = nullptr);
    void SetColour(std::optional<uint32_t> colour);
    std::optional<uint32_t> Colour() const { return Shown; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<uint32_t> Shown;
};

} // namespace velmora
