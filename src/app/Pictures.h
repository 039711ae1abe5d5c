#pragma once

#include <QIcon>
#include <QImage>
#include <QList>

// The program's own pictures, drawn rather than shipped as files.
namespace Pictures {
QImage splash(const QSize& size);
// Shown where no photo is set.
QImage noImage(const QSize& size = QSize(160, 120));
// Shown where a photo file cannot be loaded.
QImage wrongWay(const QSize& size = QSize(160, 120));
// The two frames of the blinking warning sign.
QList<QImage> warningFrames(const QSize& size = QSize(33, 33));
QIcon programIcon();
QIcon languageIcon();
} // namespace Pictures
