#include "controls/FittedImage.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

QRect FittedImage::fitRect(const QSize& imageSize, const QRect& box)
{
    if (imageSize.isEmpty() || box.isEmpty())
        return QRect();
    const double scale = std::min(double(box.width()) / imageSize.width(), double(box.height()) / imageSize.height());
    const int width = std::clamp(int(std::lround(imageSize.width() * scale)), 1, box.width());
    const int height = std::clamp(int(std::lround(imageSize.height() * scale)), 1, box.height());
    return QRect(box.x() + (box.width() - width) / 2, box.y() + (box.height() - height) / 2, width, height);
}

QPixmap FittedImage::scaledPixmap(const QSize& size, qreal devicePixelRatio)
{
    if (m_image.isNull() || size.isEmpty())
        return QPixmap();
    const QSize pixels = (QSizeF(size) * devicePixelRatio).toSize();
    if (m_scaled.isNull() || m_scaled.size() != pixels || m_scaled.devicePixelRatio() != devicePixelRatio) {
        const QImage scaled = m_image.size() == pixels
                                  ? m_image
                                  : m_image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaled = QPixmap::fromImage(scaled);
        m_scaled.setDevicePixelRatio(devicePixelRatio);
    }
    return m_scaled;
}

void FittedImage::paint(QPainter& painter, const QRect& box)
{
    const QRect target = fitRect(m_image.size(), box);
    if (target.isEmpty())
        return;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    painter.drawPixmap(target.topLeft(), scaledPixmap(target.size(), ratio));
}
