#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

// Shows one picture centred in the widget, at its own size or stretched, on
// whatever background the window has. A left click anywhere on the widget is
// reported, so a picture filling a window can close it.
class ViewerPicture : public QWidget {
    Q_OBJECT
public:
    enum class Mode {
        Natural,  // own size, shrunk with proportions kept when it does not fit
        Stretched // as large as fits, proportions kept, small pictures enlarged too
    };

    explicit ViewerPicture(QWidget* parent = nullptr);

    // A null image shows nothing.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    void setMode(Mode mode);
    Mode mode() const { return m_mode; }

    // Where the picture is drawn now; empty when there is none.
    QRect pictureRect() const;
    // Where a picture of this size (in device-independent pixels) goes in an
    // area of this size.
    static QRect pictureRect(const QSize& picture, const QSize& area, Mode mode);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void dropScaled();

    QImage m_picture;
    Mode m_mode = Mode::Natural;
    // The picture scaled to pictureRect(), made once per size rather than at
    // every paint.
    QPixmap m_scaled;
    bool m_pressed = false;
};
