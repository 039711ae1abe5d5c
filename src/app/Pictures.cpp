#include "app/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace {

void drawFish(QPainter& p, const QPointF& centre, double length, const QColor& colour)
{
    p.save();
    p.translate(centre);
    QPainterPath body;
    body.moveTo(-length / 2, 0);
    body.cubicTo(-length / 4, -length / 3, length / 4, -length / 3, length / 2, 0);
    body.cubicTo(length / 4, length / 3, -length / 4, length / 3, -length / 2, 0);
    QPainterPath tail;
    tail.moveTo(-length / 2 + 2, 0);
    tail.lineTo(-length * 0.8, -length / 4);
    tail.lineTo(-length * 0.8, length / 4);
    tail.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(body.united(tail));
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(length / 3, -length / 14), length / 20, length / 20);
    p.restore();
}

QImage framedText(const QSize& size, const QColor& background, const QColor& ink, const QString& text)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 2));
    p.drawRect(QRectF(image.rect()).adjusted(1, 1, -1, -1));
    QFont font = p.font();
    font.setPixelSize(qMax(10, size.height() / 8));
    p.setFont(font);
    p.drawText(image.rect(), Qt::AlignCenter | Qt::TextWordWrap, text);
    return image;
}

} // namespace

namespace Pictures {

QImage splash(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient water(0, 0, 0, size.height());
    water.setColorAt(0, QColor(40, 150, 200));
    water.setColorAt(1, QColor(5, 30, 70));
    p.fillRect(image.rect(), water);
    // Sand, a few plants and bubbles: an aquarium at a glance.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(194, 170, 110));
    p.drawEllipse(QRectF(-size.width() * 0.2, size.height() * 0.82, size.width() * 1.4, size.height() * 0.4));
    QRandomGenerator random(7);
    for (int i = 0; i < 7; ++i) {
        const double x = size.width() * (0.08 + 0.13 * i);
        QPainterPath leaf;
        leaf.moveTo(x, size.height() * 0.88);
        leaf.cubicTo(x - 25, size.height() * 0.6, x + 25, size.height() * 0.45, x + random.bounded(-10, 10),
                     size.height() * (0.35 + 0.05 * (i % 3)));
        p.setPen(QPen(QColor(30, 140 + 10 * (i % 4), 60), 6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(leaf);
    }
    p.setPen(QPen(QColor(255, 255, 255, 160), 1.5));
    for (int i = 0; i < 18; ++i) {
        const double r = 2 + random.bounded(6);
        p.drawEllipse(QPointF(size.width() * (0.6 + 0.3 * random.generateDouble()),
                              size.height() * 0.8 * random.generateDouble()),
                      r, r);
    }
    drawFish(p, QPointF(size.width() * 0.35, size.height() * 0.35), size.width() * 0.22, QColor(255, 140, 0));
    drawFish(p, QPointF(size.width() * 0.62, size.height() * 0.55), size.width() * 0.14, QColor(230, 60, 60));
    drawFish(p, QPointF(size.width() * 0.25, size.height() * 0.62), size.width() * 0.1, QColor(250, 220, 60));
    return image;
}

QImage noImage(const QSize& size)
{
    return framedText(size, QColor(235, 235, 235), QColor(140, 140, 140), QStringLiteral("No image"));
}

QImage wrongWay(const QSize& size)
{
    QImage image = framedText(size, QColor(255, 235, 235), QColor(190, 40, 40), QString());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(190, 40, 40), qMax(3, size.width() / 25)));
    const QRectF box =
        QRectF(image.rect())
            .adjusted(size.width() * 0.3, size.height() * 0.2, -size.width() * 0.3, -size.height() * 0.2);
    p.drawLine(box.topLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomLeft());
    return image;
}

QList<QImage> warningFrames(const QSize& size)
{
    QList<QImage> frames;
    for (const QColor& fill : {QColor(230, 30, 30), QColor(255, 210, 0)}) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath triangle;
        triangle.moveTo(size.width() / 2.0, 2);
        triangle.lineTo(size.width() - 2, size.height() - 2);
        triangle.lineTo(2, size.height() - 2);
        triangle.closeSubpath();
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(fill);
        p.drawPath(triangle);
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(size.height() * 2 / 3);
        p.setFont(font);
        p.drawText(QRectF(0, size.height() * 0.15, size.width(), size.height() * 0.85), Qt::AlignCenter,
                   QStringLiteral("!"));
        frames.push_back(image);
    }
    return frames;
}

QIcon programIcon()
{
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 110, 180));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    drawFish(p, QPointF(34, 32), 34, QColor(255, 150, 20));
    return QIcon(QPixmap::fromImage(image));
}

QIcon languageIcon()
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 80, 160), 1.2));
    p.setBrush(QColor(200, 225, 255));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.drawLine(QPointF(1, 8), QPointF(15, 8));
    p.drawEllipse(QRectF(5, 1, 6, 14));
    return QIcon(QPixmap::fromImage(image));
}

} // namespace Pictures
