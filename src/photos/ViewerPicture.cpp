#include "photos/ViewerPicture.h"

#include <QMouseEvent>
#include <QPainter>

ViewerPicture::ViewerPicture(QWidget* parent)
    : QWidget(parent)
{}

void ViewerPicture::setPicture(const QImage& picture)
{
    m_picture = picture;
    dropScaled();
}

void ViewerPicture::setMode(Mode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    dropScaled();
}

QRect ViewerPicture::pictureRect() const
{
    if (m_picture.isNull())
        return QRect();
    return pictureRect(m_picture.deviceIndependentSize().toSize(), size(), m_mode);
}

QRect ViewerPicture::pictureRect(const QSize& picture, const QSize& area, Mode mode)
{
    if (picture.isEmpty() || area.isEmpty())
        return QRect();
    const bool fits = picture.width() <= area.width() && picture.height() <= area.height();
    const QSize shown = mode == Mode::Natural && fits ? picture : picture.scaled(area, Qt::KeepAspectRatio);
    return QRect(QPoint((area.width() - shown.width()) / 2, (area.height() - shown.height()) / 2), shown);
}

void ViewerPicture::paintEvent(QPaintEvent*)
{
    const QRect target = pictureRect();
    if (target.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(target.size()) * ratio).toSize();
    if (m_scaled.size() != pixels) {
        const QImage image = m_picture.size() == pixels
                                 ? m_picture
                                 : m_picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaled = QPixmap::fromImage(image);
        m_scaled.setDevicePixelRatio(ratio);
    }
    QPainter(this).drawPixmap(target.topLeft(), m_scaled);
}

void ViewerPicture::resizeEvent(QResizeEvent* event)
{
    dropScaled();
    QWidget::resizeEvent(event);
}

void ViewerPicture::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void ViewerPicture::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a left press and release both on the widget, as with a button.
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        Q_EMIT clicked();
}

void ViewerPicture::dropScaled()
{
    m_scaled = QPixmap();
    update();
}
