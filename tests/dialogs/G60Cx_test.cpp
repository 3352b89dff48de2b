#include "dialogs/G60Cx.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace velmora {
namespace {

// The middle of the cell at column col, row row of the grid.
QPoint CellCentre(int col, int row) {
    return {col * PaletteGridView::Pitch + 8, row * PaletteGridView::Pitch + 8};
}

TEST(G60Cx, StartsWithCaptionEmptyLabelAndBlack) {
    TGarmin60Dlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Palette Garmin GPSMAP 60C");
    EXPECT_EQ(dialog.Label1->text(), "");
    EXPECT_EQ(dialog.PaletteColour, 0u);
    EXPECT_TRUE(dialog.DrawGrid1->SelectedCellRect.isEmpty());
}

TEST(G60Cx, ClickPicksTheCellColourAndOutlinesIt) {
    struct Case {
        int Col, Row;
        uint32_t Colour;
        const char* Label;
    };
    TGarmin60Dlg dialog;
    for (const Case& c : {Case{0, 15, 0xFFFFFF, "FFFFFF"}, Case{15, 15, 0x000000, "000000"},
                          Case{6, 7, 123 | 101 << 8 | 213 << 16, "7B65D5"}, Case{7, 0, 0xFF0000, "0000FF"}}) {
        SCOPED_TRACE(c.Label);
        QTest::mouseClick(dialog.DrawGrid1, Qt::LeftButton, {}, CellCentre(c.Col, c.Row));
        EXPECT_EQ(dialog.PaletteColour, c.Colour);
        EXPECT_EQ(dialog.Label1->text(), c.Label);
        EXPECT_EQ(dialog.Panel1->Colour(), c.Colour);
        EXPECT_EQ(dialog.DrawGrid1->SelectedCellRect,
                  QRect(c.Col * PaletteGridView::Pitch, c.Row * PaletteGridView::Pitch, 16, 16));
    }
}

TEST(G60Cx, ClickOnAGridLineGivesTheLineColourAndOutlinesNothing) {
    TGarmin60Dlg dialog;
    dialog.DrawGrid1MouseUp(CellCentre(3, 3));
    dialog.DrawGrid1MouseUp(QPoint(PaletteGridView::Pitch - 1, 5));
    EXPECT_EQ(dialog.PaletteColour, PaletteGridView::LineColour);
    EXPECT_TRUE(dialog.DrawGrid1->SelectedCellRect.isEmpty());
}

TEST(G60Cx, OutlineIsDrawnInBlackAroundThePickedCell) {
    TGarmin60Dlg dialog;
    dialog.DrawGrid1MouseUp(CellCentre(0, 15)); // white cell
    const QImage shown = dialog.DrawGrid1->grab().toImage();
    const QPoint topLeft(0, 15 * PaletteGridView::Pitch);
    EXPECT_EQ(shown.pixelColor(topLeft), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(topLeft + QPoint(8, 8)), QColor(Qt::white));
}

TEST(G60Cx, OkWithoutPickHandsBackThePreset) {
    TGarmin60Dlg dialog;
    dialog.DrawGrid1MouseUp(CellCentre(2, 2));
    dialog.PresetColour(0x336699);
    QTimer::singleShot(0, dialog.OKBtn, [&] { dialog.OKBtn->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.PaletteColour, 0x336699u);
}

} // namespace
} // namespace velmora
