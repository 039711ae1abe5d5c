#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The one way the program turns a picture file into an image: every photo
// preview and the full-size viewer load through here. JPEG files go straight
// to libjpeg-turbo and are decoded at the smallest DCT scale that still covers
// the box, so a camera photo is never decoded whole for a thumbnail; other
// formats go through Qt's readers. Nothing here prints, exits or throws.
class PictureLoader {
public:
    // A header claiming more than this is refused before any pixel is
    // decoded. 200 megapixels admits the largest phone and camera photos
    // (16320 x 12240) and still bounds a full-size image to 800 MB. Decoding
    // time and memory grow with the pixels, not with the longer side, so a
    // long panorama within the count is fine.
    static constexpr qint64 MaxPixels = 200'000'000;
    // Working memory libjpeg may take. Progressive files keep every DCT
    // coefficient of the picture until the last scan, which is what grows.
    static constexpr qint64 MaxDecoderMemory = 512LL * 1024 * 1024;
    // Scans a progressive file may have: ordinary encoders write about ten,
    // thousands are a way to make decoding take minutes.
    static constexpr int MaxScans = 1000;

    // The picture in path shrunk to fit target with its proportions kept,
    // never enlarged; an invalid target (QSize()) asks for the full size.
    // A null image on any failure, with the reason in error when given.
    static QImage load(const QString& path, const QSize& target = QSize(), QString* error = nullptr);

    // source shrunk to fit target with proportions kept; source itself when
    // it already fits or target is invalid. Never empty for a non-empty source.
    static QSize fittedSize(const QSize& source, const QSize& target);
    // The JPEG decode scale in eighths: the smallest of 1, 2, 4 and 8 whose
    // output still covers fittedSize(source, target) in both directions.
    // libjpeg-turbo offers every n/8, but its IDCTs for 3/8 and 5/8 to 7/8
    // are plain C: decoding a camera photo at 3/8 and scaling measured slower
    // than decoding at 4/8 and scaling the larger image.
    static int jpegScaleEighths(const QSize& source, const QSize& target);
    // libjpeg's output size for source decoded at eighths/8.
    static QSize jpegScaledSize(const QSize& source, int eighths);
    // Whether a picture of this size is within MaxPixels.
    static bool withinCaps(const QSize& size);
};
