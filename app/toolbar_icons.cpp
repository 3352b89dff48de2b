#include "app/toolbar_icons.h"

#include <QPainter>

#include <QPainterPath>
#include <QPixmap>
#include <array>

namespace velmora {

namespace {

constexpr int Edge = 24;

void DrawFolder(QPainter& p, const QColor& tag, const QString& letter) {
    p.setPen(QPen(QColor(120, 90, 20), 1));
    p.setBrush(QColor(240, 200, 80));
    QPainterPath folder;
    folder.moveTo(2, 6);
    folder.lineTo(9, 6);
    folder.lineTo(11, 8);
    folder.lineTo(21, 8);
    folder.lineTo(21, 20);
    folder.lineTo(2, 20);
    folder.closeSubpath();
    p.drawPath(folder);
    p.setBrush(tag);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(11, 11, 12, 12), 2, 2);
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(11, 11, 12, 12), Qt::AlignCenter, letter);
}

void DrawDisk(QPainter& p, const QColor& body) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(body);
    p.drawRect(QRectF(3.5, 3.5, 17, 17));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 3.5, 11, 6));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(7.5, 13.5, 9, 7));
}

void DrawSheet(QPainter& p, QRectF rect) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(rect);
    p.setPen(QColor(140, 140, 200));
    for (qreal y = rect.top() + 3; y < rect.bottom() - 1; y += 3)
        p.drawLine(QPointF(rect.left() + 2, y), QPointF(rect.right() - 2, y));
}

void DrawPicture(QPainter& p, QRectF rect) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(150, 210, 255));
    p.drawRect(rect);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 150, 40));
    QPainterPath hill;
    hill.moveTo(rect.left() + 1, rect.bottom());
    hill.lineTo(rect.left() + rect.width() * 0.4, rect.top() + rect.height() * 0.4);
    hill.lineTo(rect.left() + rect.width() * 0.65, rect.top() + rect.height() * 0.7);
    hill.lineTo(rect.left() + rect.width() * 0.8, rect.top() + rect.height() * 0.55);
    hill.lineTo(rect.right(), rect.bottom());
    hill.closeSubpath();
    p.drawPath(hill);
    p.setBrush(QColor(255, 220, 0));
    p.drawEllipse(QPointF(rect.right() - 4, rect.top() + 4), 2, 2);
}

// The green plus of the "add" commands, centred at (x, y).
void DrawPlus(QPainter& p, qreal x, qreal y, qreal length, qreal thickness) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 150, 20));
    p.drawRect(QRectF(x - thickness / 2, y - length / 2, thickness, length));
    p.drawRect(QRectF(x - length / 2, y - thickness / 2, length, thickness));
}

void DrawGridSquare(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    const std::array<QColor, 4> cells{QColor(255, 0, 0), QColor(0, 128, 0), QColor(255, 255, 0),
                                      QColor(0, 0, 255)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(cells[size_t(i)]);
        p.drawRect(QRectF(2.5 + (i % 2) * 8, 2.5 + (i / 2) * 8, 8, 8));
    }
}

// A curved arrow turning back to the left (undo) or, mirrored, to the right (redo).
void DrawTurnArrow(QPainter& p, bool mirrored) {
    p.save();
    if (mirrored) {
        p.translate(Edge, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(QColor(30, 110, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(7, 10);
    arc.cubicTo(14, 5, 22, 8, 20, 15);
    arc.cubicTo(19, 19, 14, 20, 10, 20);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 110, 60));
    QPainterPath head;
    head.moveTo(2, 10);
    head.lineTo(10, 4);
    head.lineTo(10, 16);
    head.closeSubpath();
    p.drawPath(head);
    p.restore();
}

void Paint(QPainter& p, ToolbarIcon icon) {
    switch (icon) {
    case ToolbarIcon::OpenText:
        DrawFolder(p, QColor(30, 110, 200), QStringLiteral("T"));
        break;
    case ToolbarIcon::OpenCompiled:
        DrawFolder(p, QColor(180, 40, 40), QStringLiteral("B"));
        break;
    case ToolbarIcon::Save:
        DrawDisk(p, QColor(40, 80, 170));
        break;
    case ToolbarIcon::AddObject:
        DrawGridSquare(p);
        DrawPlus(p, 17, 17, 12, 4);
        break;
    case ToolbarIcon::AddPicture:
        DrawPicture(p, QRectF(2.5, 4.5, 16, 13));
        p.setPen(QPen(QColor(40, 40, 40), 1));
        for (int x = 6; x < 19; x += 4)
            p.drawLine(x, 5, x, 17);
        DrawPlus(p, 17.5, 17.5, 9, 3);
        break;
    case ToolbarIcon::Copy:
        DrawSheet(p, QRectF(3.5, 2.5, 11, 14));
        DrawSheet(p, QRectF(9.5, 7.5, 11, 14));
        break;
    case ToolbarIcon::Paste:
        p.setPen(QPen(QColor(90, 60, 20), 1));
        p.setBrush(QColor(190, 140, 70));
        p.drawRoundedRect(QRectF(3.5, 4.5, 14, 17), 2, 2);
        p.setBrush(QColor(160, 160, 160));
        p.drawRect(QRectF(7.5, 2.5, 6, 4));
        DrawSheet(p, QRectF(10.5, 9.5, 10, 12));
        break;
    case ToolbarIcon::Delete:
        p.setPen(QPen(QColor(200, 20, 20), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(5, 5, 19, 19);
        p.drawLine(19, 5, 5, 19);
        break;
    case ToolbarIcon::SaveBmp:
        DrawDisk(p, QColor(40, 80, 170));
        DrawPicture(p, QRectF(11.5, 11.5, 11, 10));
        break;
    case ToolbarIcon::Compile: {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(230, 230, 230));
        p.drawRect(QRectF(2.5, 5.5, 19, 13));
        p.setPen(QColor(170, 20, 20));
        QFont font = p.font();
        font.setPixelSize(9);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(2, 5, 20, 14), Qt::AlignCenter, QStringLiteral("TYP"));
        break;
    }
    case ToolbarIcon::Undo:
        DrawTurnArrow(p, false);
        break;
    case ToolbarIcon::Redo:
        DrawTurnArrow(p, true);
        break;
    }
}

// A 4 x 4 pixel grid in the style's colours, as velmora.svg draws it.
void PaintProgramIcon(QPainter& p, int edge) {
    static constexpr std::array<QRgb, 16> cells{0xffffff, 0xd02020, 0xd02020, 0xffffff, 0xd02020, 0xffd000,
                                                0xffd000, 0xd02020, 0xffffff, 0xd02020, 0xd02020, 0xffffff,
                                                0x2a70c8, 0x2a70c8, 0x2a70c8, 0x2a70c8};
    const qreal unit = edge / 64.0;
    p.scale(unit, unit);
    p.setPen(QPen(QColor(0x3a, 0x3a, 0x3a), 2));
    p.setBrush(QColor(0xf4, 0xf1, 0xe6));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 8, 8);
    p.setPen(QPen(Qt::black, 1));
    for (int i = 0; i < 16; ++i) {
        p.setBrush(QColor::fromRgb(cells[size_t(i)]));
        p.drawRect(QRectF(10 + (i % 4) * 11, 10 + (i / 4) * 11, 11, 11));
    }
}

} // namespace

QIcon ProgramIconImage() {
    QIcon icon;
    for (int edge : {16, 32, 64}) {
        QPixmap pixmap(edge, edge);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            PaintProgramIcon(painter, edge);
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon ToolbarIconImage(ToolbarIcon icon) {
    QPixmap pixmap(Edge, Edge);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        Paint(painter, icon);
    }
    return QIcon(pixmap);
}

} // namespace velmora
