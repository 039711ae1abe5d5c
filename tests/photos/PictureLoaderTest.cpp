#include "JpegWriter.h"
#include "StderrCapture.h"

#include "photos/PictureLoader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

const QColor Red(200, 40, 40);
const QColor Blue(40, 40, 200);

// Left half one colour, right half another: a swapped channel, a wrong
// conversion or garbage from a scaler all show at the centres of the halves.
QImage halves(const QSize& size, const QColor& left = Red, const QColor& right = Blue)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(right);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width() / 2; ++x)
            image.setPixel(x, y, left.rgb());
    return image;
}

QImage grayHalves(const QSize& size)
{
    return halves(size, QColor(60, 60, 60), QColor(200, 200, 200)).convertToFormat(QImage::Format_Grayscale8);
}

QByteArray saved(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 90);
    return bytes;
}

QByteArray jpeg(const QImage& image, JpegWriter::Scans scans = JpegWriter::Scans::Baseline, bool fullChroma = false)
{
    return JpegWriter::encode(image, {scans, fullChroma});
}

// Inverted CMYK halves: full red on the left, blue at half strength on the right.
QByteArray cmykHalves(const QSize& size)
{
    QList<quint32> pixels;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            pixels << (x < size.width() / 2 ? 0xFF0000FFu : 0x0000FF80u);
    return JpegWriter::encodeInvertedCmyk(size, pixels);
}

// The frame header of a JPEG file says the picture is of this size; the
// scans stay as they are, as in a crafted file.
QByteArray withFrameSize(QByteArray jpeg, const QSize& size)
{
    qsizetype pos = 2;
    while (pos + 9 <= jpeg.size()) {
        const uchar marker = uchar(jpeg[pos + 1]);
        if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2) {
            qToBigEndian<quint16>(quint16(size.height()), jpeg.data() + pos + 5);
            qToBigEndian<quint16>(quint16(size.width()), jpeg.data() + pos + 7);
            return jpeg;
        }
        pos += 2 + ((uchar(jpeg[pos + 2]) << 8) | uchar(jpeg[pos + 3]));
    }
    return QByteArray();
}

QByteArray bmpClaiming(const QSize& size)
{
    QByteArray bmp = saved(halves(QSize(16, 16)), "BMP");
    qToLittleEndian<qint32>(size.width(), bmp.data() + 18);
    qToLittleEndian<qint32>(size.height(), bmp.data() + 22);
    return bmp;
}

// A GIF of an image of up to four colours without compression: a clear code
// before every second pixel keeps the LZW codes three bits wide.
QByteArray gif(const QImage& image)
{
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    Q_ASSERT(indexed.colorCount() <= 4);
    QByteArray bytes("GIF89a");
    const auto le16 = [&bytes](int value) { bytes.append(char(value & 0xFF)).append(char(value >> 8)); };
    le16(image.width());
    le16(image.height());
    bytes.append(char(0x91)).append('\0').append('\0'); // a table of four colours follows
    for (int i = 0; i < 4; ++i) {
        const QRgb c = i < indexed.colorCount() ? indexed.color(i) : 0;
        bytes.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
    bytes.append(',');
    le16(0);
    le16(0);
    le16(image.width());
    le16(image.height());
    bytes.append('\0').append(char(2)); // no local table; LZW starts at two bits
    QByteArray codes;
    quint32 bits = 0;
    int count = 0;
    const auto emitCode = [&](quint32 code) {
        bits |= code << count;
        count += 3;
        while (count >= 8) {
            codes.append(char(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    };
    int n = 0;
    for (int y = 0; y < indexed.height(); ++y)
        for (int x = 0; x < indexed.width(); ++x, ++n) {
            if (n % 2 == 0)
                emitCode(4);
            emitCode(indexed.pixelIndex(x, y));
        }
    emitCode(5);
    if (count > 0)
        codes.append(char(bits & 0xFF));
    for (qsizetype i = 0; i < codes.size(); i += 255) {
        const QByteArray block = codes.mid(i, 255);
        bytes.append(char(block.size())).append(block);
    }
    bytes.append('\0').append(';');
    return bytes;
}

QByteArray randomBytes(int size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(seed);
    for (char& b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

bool near(const QColor& actual, const QColor& expected, int tolerance = 12)
{
    return qAbs(actual.red() - expected.red()) <= tolerance && qAbs(actual.green() - expected.green()) <= tolerance &&
           qAbs(actual.blue() - expected.blue()) <= tolerance;
}

QString colourText(const QColor& c)
{
    return QStringLiteral("(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

} // namespace

// The picture loader on files made here: scale choice, sizes and colours of
// every kind of JPEG and of Qt's formats, damaged and hostile files.
class PictureLoaderTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Loads and fails the test when anything was printed to stderr.
    QImage quietLoad(const QString& path, const QSize& target, QString* error)
    {
        StderrCapture capture;
        QImage image = PictureLoader::load(path, target, error);
        const QByteArray printed = capture.text();
        if (!printed.isEmpty())
            qWarning("printed to stderr: %s", printed.constData());
        return image;
    }

    static void verifyHalves(const QImage& image, const QColor& left, const QColor& right)
    {
        const int y = image.height() / 2;
        const QColor l = image.pixelColor(image.width() / 4, y);
        const QColor r = image.pixelColor(image.width() * 3 / 4, y);
        QVERIFY2(near(l, left),
                 qPrintable(QStringLiteral("left %1, expected %2").arg(colourText(l), colourText(left))));
        QVERIFY2(near(r, right),
                 qPrintable(QStringLiteral("right %1, expected %2").arg(colourText(r), colourText(right))));
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    // Any warning of Qt's (a reader complaining, an image that failed to
    // allocate) counts as spam too.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void scaleChoice_data()
    {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<QSize>("target");
        QTest::addColumn<QSize>("fitted");
        QTest::addColumn<int>("eighths");
        QTest::newRow("camera photo, preview") << QSize(6000, 4000) << QSize(400, 300) << QSize(400, 266) << 1;
        QTest::newRow("camera photo, screen") << QSize(6000, 4000) << QSize(1920, 1080) << QSize(1620, 1080) << 4;
        QTest::newRow("camera photo, 4K screen") << QSize(6000, 4000) << QSize(3840, 2160) << QSize(3240, 2160) << 8;
        QTest::newRow("camera photo, full size") << QSize(6000, 4000) << QSize() << QSize(6000, 4000) << 8;
        QTest::newRow("portrait, preview") << QSize(4000, 6000) << QSize(400, 300) << QSize(200, 300) << 1;
        QTest::newRow("panorama, preview") << QSize(12000, 1000) << QSize(400, 300) << QSize(400, 33) << 1;
        QTest::newRow("exactly a quarter") << QSize(1280, 960) << QSize(320, 240) << QSize(320, 240) << 2;
        QTest::newRow("a pixel more than half") << QSize(1000, 1000) << QSize(501, 501) << QSize(501, 501) << 8;
        QTest::newRow("odd sides round up") << QSize(801, 601) << QSize(100, 75) << QSize(99, 75) << 1;
        QTest::newRow("smaller than the box") << QSize(640, 480) << QSize(800, 600) << QSize(640, 480) << 8;
        QTest::newRow("strip into a square") << QSize(500, 10) << QSize(50, 50) << QSize(50, 1) << 1;
        QTest::newRow("empty box") << QSize(500, 400) << QSize(0, 0) << QSize(1, 1) << 1;
    }
    void scaleChoice()
    {
        QFETCH(QSize, source);
        QFETCH(QSize, target);
        QFETCH(QSize, fitted);
        QFETCH(int, eighths);
        QCOMPARE(PictureLoader::fittedSize(source, target), fitted);
        QCOMPARE(PictureLoader::jpegScaleEighths(source, target), eighths);
        // The decoded picture covers the box and the next smaller scale would not.
        const QSize decoded = PictureLoader::jpegScaledSize(source, eighths);
        QVERIFY(decoded.width() >= fitted.width() && decoded.height() >= fitted.height());
        if (eighths > 1) {
            const QSize smaller = PictureLoader::jpegScaledSize(source, eighths / 2);
            QVERIFY(smaller.width() < fitted.width() || smaller.height() < fitted.height());
        }
    }

    void jpegIntoBox_data()
    {
        using Scans = JpegWriter::Scans;
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QSize>("target");
        QTest::addColumn<QSize>("expected");
        QTest::addColumn<QColor>("left");
        QTest::addColumn<QColor>("right");
        const QImage landscape = halves(QSize(1600, 1200));
        QTest::newRow("baseline, shrunk") << jpeg(landscape) << QSize(400, 300) << QSize(400, 300) << Red << Blue;
        QTest::newRow("portrait") << jpeg(halves(QSize(1200, 1600))) << QSize(400, 300) << QSize(225, 300) << Red
                                  << Blue;
        QTest::newRow("odd size") << jpeg(halves(QSize(1001, 601))) << QSize(200, 200) << QSize(200, 120) << Red
                                  << Blue;
        QTest::newRow("smaller than the box, not enlarged")
            << jpeg(halves(QSize(640, 480))) << QSize(800, 600) << QSize(640, 480) << Red << Blue;
        QTest::newRow("full size") << jpeg(landscape) << QSize() << QSize(1600, 1200) << Red << Blue;
        QTest::newRow("progressive") << jpeg(landscape, Scans::Progressive) << QSize(400, 300) << QSize(400, 300) << Red
                                     << Blue;
        QTest::newRow("4:4:4") << jpeg(halves(QSize(800, 600)), Scans::Baseline, true) << QSize(200, 150)
                               << QSize(200, 150) << Red << Blue;
        QTest::newRow("grayscale") << jpeg(grayHalves(QSize(800, 600))) << QSize(200, 150) << QSize(200, 150)
                                   << QColor(60, 60, 60) << QColor(200, 200, 200);
        QTest::newRow("inverted CMYK") << cmykHalves(QSize(800, 600)) << QSize(200, 150) << QSize(200, 150)
                                       << QColor(255, 0, 0) << QColor(0, 0, 128);
        QTest::newRow("written by Qt") << saved(landscape, "JPEG") << QSize(400, 300) << QSize(400, 300) << Red << Blue;
    }
    void jpegIntoBox()
    {
        QFETCH(QByteArray, file);
        QFETCH(QSize, target);
        QFETCH(QSize, expected);
        QFETCH(QColor, left);
        QFETCH(QColor, right);
        const QString path = write(QStringLiteral("picture.jpg"), file);
        QString error;
        const QImage image = quietLoad(path, target, &error);
        QVERIFY2(!image.isNull(), qPrintable(error));
        QCOMPARE(image.size(), expected);
        verifyHalves(image, left, right);
    }

    void qtFormats_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QSize>("target");
        QTest::addColumn<QSize>("expected");
        const QImage picture = halves(QSize(800, 600));
        QTest::newRow("PNG") << "picture.png" << saved(picture, "PNG") << QSize(200, 200) << QSize(200, 150);
        QTest::newRow("BMP") << "picture.bmp" << saved(picture, "BMP") << QSize(200, 200) << QSize(200, 150);
        QTest::newRow("GIF") << "picture.gif" << gif(halves(QSize(64, 32))) << QSize(32, 32) << QSize(32, 16);
        QTest::newRow("ICO") << "picture.ico" << saved(halves(QSize(64, 64)), "ICO") << QSize() << QSize(64, 64);
        QTest::newRow("PNG named .jpg") << "png.jpg" << saved(picture, "PNG") << QSize(200, 200) << QSize(200, 150);
        QTest::newRow("JPEG named .png") << "jpeg.png" << jpeg(picture) << QSize(200, 200) << QSize(200, 150);
    }
    void qtFormats()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, file);
        QFETCH(QSize, target);
        QFETCH(QSize, expected);
        QVERIFY(!file.isEmpty());
        QString error;
        const QImage image = quietLoad(write(name, file), target, &error);
        QVERIFY2(!image.isNull(), qPrintable(error));
        QCOMPARE(image.size(), expected);
        verifyHalves(image, Red, Blue);
    }

    void unusualNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("file");
        const QImage picture = halves(QSize(320, 240));
        QTest::newRow("spaces") << "photo of  my tank .jpg" << jpeg(picture);
        QTest::newRow("Cyrillic") << "Неон голубой.jpg" << jpeg(picture);
        QTest::newRow("Cyrillic, PNG") << "Скалярия в аквариуме.png" << saved(picture, "PNG");
        QTest::newRow("Japanese and accents") << "金魚 café.jpeg" << jpeg(picture);
    }
    void unusualNames()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, file);
        const QString path = write(name, file);
        QVERIFY(QFile::exists(path));
        QString error;
        const QImage image = quietLoad(path, QSize(160, 160), &error);
        QVERIFY2(!image.isNull(), qPrintable(error));
        QCOMPARE(image.size(), QSize(160, 120));
    }

    // Nothing that is not a picture crashes, exits or prints: a null image
    // and a reason.
    void notPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("file"); // null: no file at all
        QTest::addColumn<bool>("folder");
        const QByteArray real = jpeg(halves(QSize(320, 240)));
        QByteArray random = randomBytes(4096, 7);
        random[0] = 'x';
        QTest::newRow("missing file") << "absent.jpg" << QByteArray() << false;
        QTest::newRow("folder") << "folder.jpg" << QByteArray() << true;
        QTest::newRow("empty file") << "empty.jpg" << QByteArray("") << false;
        QTest::newRow("random bytes named .jpg") << "random.jpg" << random << false;
        QTest::newRow("random bytes after a JPEG start")
            << "start.jpg" << QByteArray("\xFF\xD8\xFF") + randomBytes(4096, 8) << false;
        QTest::newRow("JPEG start only") << "three.jpg" << QByteArray("\xFF\xD8\xFF") << false;
        QTest::newRow("JPEG cut in its header") << "header.jpg" << real.left(100) << false;
        const QByteArray png = saved(halves(QSize(64, 64)), "PNG");
        QTest::newRow("PNG cut in its header") << "header.png" << png.left(30) << false;
        QTest::newRow("PNG cut in its data") << "data.png" << png.left(png.size() - 20) << false;
        QTest::newRow("PNG without its end") << "end.png" << png.chopped(12) << false;
        QTest::newRow("text named .png") << "text.png" << QByteArray("not a picture\n") << false;
    }
    void notPictures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, file);
        QFETCH(bool, folder);
        const QString path = m_dir.filePath(name);
        if (folder)
            QVERIFY(QDir().mkpath(path));
        else if (!file.isNull())
            write(name, file);
        QString error;
        const QImage image = quietLoad(path, QSize(200, 200), &error);
        QVERIFY(image.isNull());
        QVERIFY(!error.isEmpty());
        QVERIFY(PictureLoader::load(path).isNull()); // at full size too, and without an error text to fill
    }

    // A file cut short still shows what arrived; no crash, no stderr.
    void truncatedJpeg_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QImage picture = halves(QSize(800, 600));
        const QByteArray baseline = jpeg(picture);
        const QByteArray progressive = jpeg(picture, JpegWriter::Scans::Progressive);
        QTest::newRow("baseline, 60%") << baseline.left(baseline.size() * 6 / 10);
        QTest::newRow("baseline, no end marker") << baseline.chopped(2);
        QTest::newRow("progressive, 60%") << progressive.left(progressive.size() * 6 / 10);
        QTest::newRow("progressive, first scans only") << progressive.left(progressive.size() / 5);
    }
    void truncatedJpeg()
    {
        QFETCH(QByteArray, file);
        QString error;
        const QImage image = quietLoad(write(QStringLiteral("cut.jpg"), file), QSize(200, 150), &error);
        QVERIFY2(!image.isNull(), qPrintable(error));
        QCOMPARE(image.size(), QSize(200, 150));
        // The top rows arrived in every cut.
        QVERIFY(near(image.pixelColor(50, 10), Red, 24));
        QVERIFY(near(image.pixelColor(150, 10), Blue, 24));
    }

    // Headers claiming more than the caps are refused before decoding; the
    // reason tells which check refused them.
    void caps_data()
    {
        using Scans = JpegWriter::Scans;
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("refusal"); // empty: must load, at expected
        QTest::addColumn<QSize>("expected");
        const QImage picture = halves(QSize(64, 64));
        const QByteArray baseline = jpeg(picture);
        const QByteArray progressive = jpeg(picture, Scans::Progressive);
        QTest::newRow("baseline claiming 60000 x 60000")
            << withFrameSize(baseline, {60000, 60000}) << "too large" << QSize();
        QTest::newRow("progressive claiming 60000 x 60000")
            << withFrameSize(progressive, {60000, 60000}) << "too large" << QSize();
        // Qt's reader reports this size before reading (it refuses larger BMP headers itself).
        QTest::newRow("BMP claiming 16000 x 16000") << bmpClaiming({16000, 16000}) << "too large" << QSize();
        // 196 megapixels pass the pixel cap, but their coefficients take 588 MB.
        QTest::newRow("progressive claiming 14000 x 14000")
            << withFrameSize(progressive, {14000, 14000}) << "too much memory" << QSize();
        QTest::newRow("baseline claiming 14000 x 14000")
            << withFrameSize(baseline, {14000, 14000}) << "" << QSize(100, 100);
        const QByteArray manyScans = jpeg(picture, Scans::EveryBit);
        QVERIFY(JpegWriter::scanCount(manyScans) > PictureLoader::MaxScans);
        QTest::newRow("more scans than allowed") << manyScans << "scans" << QSize();
        QVERIFY(JpegWriter::scanCount(progressive) <= PictureLoader::MaxScans);
        QTest::newRow("ordinary progressive") << progressive << "" << QSize(64, 64);
    }
    void caps()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, refusal);
        QFETCH(QSize, expected);
        QVERIFY(!file.isEmpty());
        QString error;
        const QImage image = quietLoad(write(QStringLiteral("claims.jpg"), file), QSize(100, 100), &error);
        if (refusal.isEmpty()) {
            QVERIFY2(!image.isNull(), qPrintable(error));
            QCOMPARE(image.size(), expected);
        } else {
            QVERIFY(image.isNull());
            QVERIFY2(error.contains(refusal), qPrintable(error));
        }
    }
};

QTEST_MAIN(PictureLoaderTest)
#include "PictureLoaderTest.moc"
