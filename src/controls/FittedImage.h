#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>

class QPainter;

// An image drawn as large as fits a box without distortion, centred in it.
// Small images are scaled up too. The scaled pixmap is kept for the last size
// asked, so repaints without a resize do not scale again.
class FittedImage {
public:
    FittedImage() = default;
    explicit FittedImage(QImage image)
        : m_image(std::move(image))
    {}

    const QImage& image() const { return m_image; }
    bool isNull() const { return m_image.isNull(); }

    // Where an image of imageSize goes inside box; empty when either is empty.
    // A side never shrinks below one pixel, so a thin line stays visible.
    static QRect fitRect(const QSize& imageSize, const QRect& box);

    // The image scaled to size device-independent pixels at the given ratio.
    QPixmap scaledPixmap(const QSize& size, qreal devicePixelRatio);

    void paint(QPainter& painter, const QRect& box);

private:
    QImage m_image;
    QPixmap m_scaled;
};
