#include "app/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

QFont titleFont(int pixelSize, bool bold = true) {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("SimHei")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Three stacked boxes: the program's mark.
void drawBoxes(QPainter& painter, QRectF area, QColor colour) {
    const qreal s = area.height() / 2.2;
    const QPointF origin = area.topLeft();
    const QRectF boxes[] = {{origin.x(), origin.y() + s * 1.1, s, s},
                            {origin.x() + s * 1.1, origin.y() + s * 1.1, s, s},
                            {origin.x() + s * 0.55, origin.y(), s, s}};
    painter.setPen(QPen(colour.darker(140), 1.5));
    for (const QRectF& box : boxes) {
        painter.setBrush(colour);
        painter.drawRoundedRect(box, s / 8, s / 8);
        painter.drawLine(QPointF(box.left() + s * 0.2, box.center().y()),
                         QPointF(box.right() - s * 0.2, box.center().y()));
    }
}

} // namespace

QPixmap bannerPicture(QSize size) {
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, size.width(), 0);
    sky.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    sky.setColorAt(1, QColor(0x5b, 0x9b, 0xd5));
    painter.fillRect(picture.rect(), sky);
    drawBoxes(painter, QRectF(14, 8, 44, size.height() - 16), QColor(0xf4, 0xb1, 0x42));
    painter.setPen(Qt::white);
    painter.setFont(titleFont(size.height() / 2));
    painter.drawText(QRect(72, 0, size.width() - 80, size.height()), Qt::AlignVCenter,
                     QStringLiteral("恒昶储管家  2008工程版"));
    painter.setFont(titleFont(13, false));
    painter.drawText(QRect(0, 0, size.width() - 16, size.height()),
                     Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("仓库物资管理系统"));
    return picture;
}

QPixmap welcomePicture(QSize size) {
    QPixmap picture(size);
    picture.fill(QColor(0xf3, 0xf6, 0xfa));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const int mark = std::min(size.width(), size.height()) / 4;
    drawBoxes(painter,
              QRectF((size.width() - mark * 1.1) / 2.0, size.height() / 2.0 - mark * 1.2,
                     mark * 1.1, mark),
              QColor(0x5b, 0x9b, 0xd5));
    painter.setPen(QColor(0x1f, 0x4e, 0x79));
    painter.setFont(titleFont(std::max(20, mark / 4)));
    painter.drawText(QRect(0, size.height() / 2, size.width(), mark / 2), Qt::AlignCenter,
                     QStringLiteral("欢迎使用恒昶储管家"));
    painter.setPen(QColor(0x59, 0x59, 0x59));
    painter.setFont(titleFont(std::max(13, mark / 9), false));
    painter.drawText(QRect(0, size.height() / 2 + mark / 2, size.width(), mark / 3),
                     Qt::AlignCenter, QStringLiteral("请从左侧选择功能分组"));
    return picture;
}
