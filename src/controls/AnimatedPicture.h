#pragma once

#include "controls/FittedImage.h"

#include <QList>
#include <QTimer>
#include <QWidget>

// Shows pictures in turn at a fixed interval, each fitted and centred as in
// PictureBox; a blinking warning sign is a sign and a blank frame. Stopped, it
// shows the first frame.
class AnimatedPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultInterval = 500; // ms

    explicit AnimatedPicture(QWidget* parent = nullptr);

    void setFrames(const QList<QImage>& frames);
    int frameCount() const { return int(m_frames.size()); }
    int currentFrame() const { return m_current; }

    int interval() const { return m_timer.interval(); }
    void setInterval(int milliseconds) { m_timer.setInterval(milliseconds); }

    bool isRunning() const { return m_timer.isActive(); }

public slots:
    void start();
    void stop();
    // Shows the next frame, after the last the first; the timer calls it.
    void advance();

signals:
    void frameChanged(int frame);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showFrame(int frame);

    // One FittedImage a frame, so each keeps its own scaled pixmap.
    QList<FittedImage> m_frames;
    int m_current = 0;
    QTimer m_timer;
};
