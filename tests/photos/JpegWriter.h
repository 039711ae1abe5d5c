#pragma once

#include <QByteArray>
#include <QImage>

// Writes the JPEG files the tests need that Qt's writer cannot make:
// progressive, unsubsampled colour, CMYK as Photoshop stores it, and scan
// scripts of any length.
class JpegWriter {
public:
    enum class Scans {
        Baseline,
        Progressive, // libjpeg's usual progressive script, about ten scans
        EveryBit     // progressive, each bit of each coefficient in a scan of its own
    };
    struct Options {
        Scans scans = Scans::Baseline;
        bool fullChroma = false; // 4:4:4 instead of 4:2:0
        int quality = 92;
    };

    static QByteArray encode(const QImage& image, const Options& options);
    // A CMYK file with an Adobe marker; the four bytes of each pixel are the
    // inverted C, M, Y, K values Photoshop writes.
    static QByteArray encodeInvertedCmyk(const QSize& size, const QList<quint32>& pixelsRowByRow);
    // The number of scans in a JPEG file (start-of-scan markers).
    static int scanCount(const QByteArray& jpeg);
};
