// The palette dialog "Palette Garmin GPSMAP 60C": 256 fixed colours to pick from. One instance lives
// as long as the program, so the last pick stays outlined when it opens again.
#pragma once

#include <QDialog>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <functional>

class QLabel;
class QPushButton;

namespace velmora {

// A panel that shows one colour and may report clicks.
class ColourPanel : public QWidget {
  public:
    explicit ColourPanel(QWidget* parent = nullptr);
    void SetColour(uint32_t colour);
    uint32_t Colour() const { return Shown; }
    std::function<void()> Clicked;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    uint32_t Shown = 0;
};

// DrawGrid1: 16 x 16 cells of 16 pixels with one-pixel grid lines, drawn by the dialog. Cells are
// never selected, so the grid shows no focus or selection of its own.
class PaletteGridView : public QWidget {
  public:
    static constexpr int CellEdge = 16;
    static constexpr int LineWidth = 1;
    static constexpr int Pitch = CellEdge + LineWidth;
    // The grid lines, and the part of the grid below the last row.
    static constexpr uint32_t LineColour = 0xC0C0C0;

    explicit PaletteGridView(QWidget* parent = nullptr);

    // The colour shown at a point of the grid: a cell's colour, or the line colour between cells.
    uint32_t ColourAt(QPoint point) const;
    // The rectangle of the cell under point (right and bottom exclusive); empty on a grid line or
    // outside all cells.
    QRect CellRectAt(QPoint point) const;

    QRect SelectedCellRect;
    std::function<void(QPoint)> MouseUp;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class TGarmin60Dlg : public QDialog {
  public:
    explicit TGarmin60Dlg(QWidget* parent = nullptr);

    // The colour picked last (red + 256 * green + 65536 * blue); what OK hands back.
    uint32_t PaletteColour = 0;

    // A caller's preset: OK without a pick returns it. The panel and the label show it.
    void PresetColour(uint32_t colour);

    // DrawGrid1MouseUp: picks the colour shown at point and outlines the cell under it.
    void DrawGrid1MouseUp(QPoint point);

    PaletteGridView* DrawGrid1 = nullptr;
    ColourPanel* Panel1 = nullptr;
    QLabel* Label1 = nullptr; // the picked colour in hexadecimal
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

  private:
    void ShowColour(uint32_t colour);
};

} // namespace velmora
