#pragma once

#include <QImage>
#include <QString>

#include <functional>

class HandlerGuard;
class Prompter;

// What every place that shows or copies photos needs from the program.
struct PhotoContext {
    HandlerGuard& guard;
    Prompter& prompter;
    std::function<QString()> photosFolder;
    std::function<QString(int)> word;
    // Decodes a picture file for a box of this size; a null image when it cannot.
    std::function<QImage(const QString& path, const QSize& box)> loadPicture;
    // Opens the full-size viewer on a file.
    std::function<void(const QString& path)> showFullSize;
    QImage noImage;
    QImage wrongImage;
};
