#include "controls/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PictureBox::setImage(const QImage& image)
{
    m_picture = FittedImage(image);
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_picture.paint(painter, contentsRect());
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}
