#include "ChartIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace lexorin {
namespace {

constexpr int kSize = 32; // drawn large, shown scaled down

void Magnifier(QPainter& painter, bool plus) {
    painter.setPen(QPen(QColor(40, 40, 40), 3));
    painter.drawEllipse(QRectF(4, 4, 17, 17));
    painter.setPen(QPen(QColor(40, 40, 40), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(19, 19), QPointF(28, 28));
    painter.setPen(QPen(Qt::darkCyan, 3));
    painter.drawLine(QPointF(8, 12.5), QPointF(17, 12.5));
    if (plus)
        painter.drawLine(QPointF(12.5, 8), QPointF(12.5, 17));
}

void Arrow(QPainter& painter, int degrees) {
    painter.translate(kSize / 2.0, kSize / 2.0);
    painter.rotate(degrees);
    QPainterPath path;
    path.moveTo(13, 0);
    path.lineTo(1, -11);
    path.lineTo(1, -5);
    path.lineTo(-12, -5);
    path.lineTo(-12, 5);
    path.lineTo(1, 5);
    path.lineTo(1, 11);
    path.closeSubpath();
    painter.setPen(QPen(QColor(0, 90, 90), 1.5));
    painter.setBrush(Qt::darkCyan);
    painter.drawPath(path);
}

void OneToOne(QPainter& painter) {
    painter.setPen(QPen(QColor(40, 40, 40), 2));
    painter.drawRect(QRectF(3, 6, 26, 20));
    QFont font = painter.font();
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::darkCyan);
    painter.drawText(QRectF(3, 6, 26, 20), Qt::AlignCenter, QStringLiteral("1:1"));
}

void Disk(QPainter& painter) {
    painter.setPen(QPen(QColor(40, 40, 40), 2));
    painter.setBrush(Qt::darkCyan);
    painter.drawRoundedRect(QRectF(4, 4, 24, 24), 3, 3);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(9, 5, 14, 9));
    painter.drawRect(QRectF(10, 19, 12, 9));
}

} // namespace

QIcon ChartIcon(TChartIcon kind) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case TChartIcon::ZoomIn:
    case TChartIcon::ZoomOut:
        Magnifier(painter, kind == TChartIcon::ZoomIn);
        break;
    case TChartIcon::OriginalSize:
        OneToOne(painter);
        break;
    case TChartIcon::Left:
        Arrow(painter, 180);
        break;
    case TChartIcon::Right:
        Arrow(painter, 0);
        break;
    case TChartIcon::Up:
        Arrow(painter, 270);
        break;
    case TChartIcon::Down:
        Arrow(painter, 90);
        break;
    case TChartIcon::Save:
        Disk(painter);
        break;
    }
    painter.end();
    return QIcon(pixmap);
}

} // namespace lexorin
