#include "controls/AnimatedPicture.h"

#include <QPainter>

AnimatedPicture::AnimatedPicture(QWidget* parent)
    : QWidget(parent)
{
    m_timer.setInterval(kDefaultInterval);
    connect(&m_timer, &QTimer::timeout, this, &AnimatedPicture::advance);
}

void AnimatedPicture::setFrames(const QList<QImage>& frames)
{
    m_frames.clear();
    for (const QImage& frame : frames)
        m_frames << FittedImage(frame);
    m_current = 0;
    update();
}

void AnimatedPicture::start()
{
    m_timer.start();
}

void AnimatedPicture::stop()
{
    m_timer.stop();
    showFrame(0);
}

void AnimatedPicture::advance()
{
    if (!m_frames.isEmpty())
        showFrame((m_current + 1) % frameCount());
}

void AnimatedPicture::showFrame(int frame)
{
    if (frame == m_current)
        return;
    m_current = frame;
    update();
    emit frameChanged(m_current);
}

void AnimatedPicture::paintEvent(QPaintEvent*)
{
    if (m_current >= frameCount())
        return;
    QPainter painter(this);
    m_frames[m_current].paint(painter, contentsRect());
}
