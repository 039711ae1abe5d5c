#pragma once

#include "controls/FittedImage.h"

#include <QWidget>

// Shows one picture, as large as fits and centred; small pictures are scaled up.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    QImage image() const { return m_picture.image(); }
    bool hasImage() const { return !m_picture.isNull(); }
    void setImage(const QImage& image);
    void clear() { setImage(QImage()); }

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    FittedImage m_picture;
};
