// How much the picture loader saves on a camera photo: a 6000 x 4000 JPEG
// loaded into a preview box and a screen-sized box, against decoding it whole
// and scaling (what QImage(path) would do) and against libjpeg-turbo's own
// decode at the loader's scale with nothing after it (the floor).

#include "photos/PictureLoader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <jpeglib.h>

namespace {

// Something a JPEG encoder has to work at, as with a photo: soft gradients,
// shapes with edges and, when grain is not 0, sensor-like noise of +-grain
// levels over all of it.
QImage texturedPicture(const QSize& size, int grain)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient water(0, 0, size.width(), size.height());
    water.setColorAt(0, QColor(20, 120, 170));
    water.setColorAt(0.6, QColor(10, 60, 110));
    water.setColorAt(1, QColor(170, 150, 90));
    p.fillRect(image.rect(), water);
    QRandomGenerator random(42);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 400; ++i) {
        const QColor colour = QColor::fromHsv(random.bounded(360), 100 + random.bounded(155), 80 + random.bounded(175));
        const int r = 20 + random.bounded(300);
        p.setBrush(colour);
        p.setPen(QPen(colour.darker(), 3));
        p.drawEllipse(QPoint(random.bounded(size.width()), random.bounded(size.height())), r, r / 2);
    }
    p.end();
    if (grain == 0)
        return image;
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int noise = int(random.bounded(2 * grain + 1)) - grain;
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + noise, 0, 255), std::clamp(qGreen(c) + noise, 0, 255),
                           std::clamp(qBlue(c) + noise, 0, 255));
        }
    }
    return image;
}

// libjpeg-turbo's decode of the file at eighths/8 into a buffer, nothing more:
// the file read whole and decoded from memory, its fastest way.
void libjpegDecode(const QString& path, int eighths)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGRX;
    cinfo.scale_num = unsigned(eighths);
    cinfo.scale_denom = 8;
    jpeg_start_decompress(&cinfo);
    std::vector<JSAMPLE> pixels(size_t(cinfo.output_width) * cinfo.output_height * 4);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = pixels.data() + size_t(cinfo.output_scanline) * cinfo.output_width * 4;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
}

double elapsedMs(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

QString goal(const char* relation, double value)
{
    return value > 0 ? QStringLiteral(" (goal %1 %2)").arg(QLatin1String(relation)).arg(value) : QString();
}

// goals of 0 are not set and not printed.
void measure(const char* label, const QString& path, const QSize& source, const QSize& box, double fullGoal,
             double floorGoal)
{
    const int eighths = PictureLoader::jpegScaleEighths(source, box);
    QSize loaded;
    const auto viaLoader = [&] { loaded = PictureLoader::load(path, box).size(); };
    const auto wholeThenScaled = [&] {
        const QImage shown = QImage(path).scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        Q_UNUSED(shown);
    };
    const auto atFloor = [&] { libjpegDecode(path, eighths); };
    // The file into the page cache, the code into the instruction cache.
    viaLoader();
    wholeThenScaled();
    atFloor();
    // Round by round, so that other work on the machine weighs on all three alike.
    std::vector<double> loaderMs, fullMs, floorMs;
    for (int round = 0; round < 9; ++round) {
        loaderMs.push_back(elapsedMs(viaLoader));
        fullMs.push_back(elapsedMs(wholeThenScaled));
        floorMs.push_back(elapsedMs(atFloor));
    }
    const double loader = median(loaderMs), full = median(fullMs), floor = median(floorMs);
    std::printf("%s %dx%d: loader %.1f ms, full decode+scale %.1f ms, %d/8 floor %.1f ms; full/loader = %.1fx%s, "
                "loader/floor = %.2fx%s; result %dx%d\n",
                label, box.width(), box.height(), loader, full, eighths, floor, full / loader,
                qPrintable(goal(">=", fullGoal)), loader / floor, qPrintable(goal("<=", floorGoal)), loaded.width(),
                loaded.height());
    // No loader that decodes the file can beat the floor, so this bounds full/loader.
    std::printf("%s %dx%d: full/floor = %.1fx, the most any decoding loader can reach on this file\n", label,
                box.width(), box.height(), full / floor);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QSize source(6000, 4000);
    // The grainy picture has the entropy of a camera photo (about 5 MB at
    // quality 90); the smooth one shows how the gain grows when less of the
    // decode is Huffman work, which no scale can skip.
    for (const int grain : {6, 0}) {
        const QString path = dir.filePath(QStringLiteral("camera-%1.jpg").arg(grain));
        if (!texturedPicture(source, grain).save(path, "JPEG", 90)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(QDir::toNativeSeparators(path)));
            return 1;
        }
        std::printf("picture %dx%d, baseline JPEG quality 90, grain +-%d, %.1f MB\n", source.width(), source.height(),
                    grain, double(QFileInfo(path).size()) / 1e6);
        measure("preview", path, source, QSize(400, 300), 4, 1.2);
        // The full-size viewer loads at screen size; no goals there, the
        // figures show what the scale choice buys.
        measure("viewer", path, source, QSize(1920, 1080), 0, 0);
    }
    return 0;
}
