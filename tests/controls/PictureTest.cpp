#include "ControlTests.h"

#include "controls/AnimatedPicture.h"
#include "controls/FittedImage.h"
#include "controls/PictureBox.h"

#include <QSignalSpy>
#include <QTest>

namespace {
QImage filled(const QSize& size, const QColor& colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QColor pixelOf(QWidget& widget, const QPoint& at)
{
    return widget.grab().toImage().pixelColor(at);
}
} // namespace

class PictureTest : public QObject {
    Q_OBJECT
private slots:
    void fitRect_data();
    void fitRect();
    void scaledPixmapIsCachedPerSize();
    void pictureBoxPaintsFittedImage();
    void doubleClick_data();
    void doubleClick();

    void framesTakeTurns();
    void stopShowsFirstFrame();
    void timerAdvancesFrames();
    void paintsCurrentFrame();
    void newFramesStartAtFirst();
};

void PictureTest::fitRect_data()
{
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("wide in square") << QSize(200, 100) << QRect(0, 0, 100, 100) << QRect(0, 25, 100, 50);
    QTest::newRow("tall in square") << QSize(100, 200) << QRect(0, 0, 100, 100) << QRect(25, 0, 50, 100);
    QTest::newRow("small scaled up") << QSize(10, 5) << QRect(0, 0, 100, 100) << QRect(0, 25, 100, 50);
    QTest::newRow("exact fit in moved box") << QSize(100, 100) << QRect(10, 20, 100, 100) << QRect(10, 20, 100, 100);
    QTest::newRow("height limits in moved box") << QSize(200, 100) << QRect(10, 10, 100, 60) << QRect(10, 15, 100, 50);
    QTest::newRow("width limits in wide box") << QSize(100, 100) << QRect(0, 0, 300, 100) << QRect(100, 0, 100, 100);
    QTest::newRow("odd leftover") << QSize(3, 1) << QRect(0, 0, 10, 10) << QRect(0, 3, 10, 3);
    QTest::newRow("thin line stays visible") << QSize(1000, 1) << QRect(0, 0, 100, 100) << QRect(0, 49, 100, 1);
    QTest::newRow("no image") << QSize() << QRect(0, 0, 100, 100) << QRect();
    QTest::newRow("no room") << QSize(10, 10) << QRect(0, 0, 0, 100) << QRect();
}

void PictureTest::fitRect()
{
    QFETCH(QSize, image);
    QFETCH(QRect, box);
    QFETCH(QRect, expected);
    QCOMPARE(FittedImage::fitRect(image, box), expected);
}

void PictureTest::scaledPixmapIsCachedPerSize()
{
    FittedImage picture(filled(QSize(40, 20), Qt::red));

    const QPixmap first = picture.scaledPixmap(QSize(100, 50), 1.0);
    QCOMPARE(first.size(), QSize(100, 50));
    QCOMPARE(picture.scaledPixmap(QSize(100, 50), 1.0).cacheKey(), first.cacheKey());

    const QPixmap resized = picture.scaledPixmap(QSize(60, 30), 1.0);
    QCOMPARE(resized.size(), QSize(60, 30));
    QVERIFY(resized.cacheKey() != first.cacheKey());

    // A high-density screen gets device pixels, drawn at the same logical size.
    const QPixmap dense = picture.scaledPixmap(QSize(60, 30), 2.0);
    QCOMPARE(dense.size(), QSize(120, 60));
    QCOMPARE(dense.devicePixelRatio(), 2.0);
}

void PictureTest::pictureBoxPaintsFittedImage()
{
    PictureBox box;
    box.resize(100, 100);
    box.setImage(filled(QSize(20, 10), Qt::red));
    QVERIFY(box.hasImage());

    // Scaled up to 100×50 and centred: rows 25 to 74 are red.
    QCOMPARE(pixelOf(box, QPoint(50, 50)), QColor(Qt::red));
    QCOMPARE(pixelOf(box, QPoint(0, 25)), QColor(Qt::red));
    QCOMPARE(pixelOf(box, QPoint(99, 74)), QColor(Qt::red));
    QVERIFY(pixelOf(box, QPoint(50, 10)) != QColor(Qt::red));
    QVERIFY(pixelOf(box, QPoint(50, 90)) != QColor(Qt::red));

    box.clear();
    QVERIFY(!box.hasImage());
    QVERIFY(pixelOf(box, QPoint(50, 50)) != QColor(Qt::red));
}

void PictureTest::doubleClick_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("expected");
    QTest::newRow("left") << Qt::LeftButton << 1;
    QTest::newRow("right") << Qt::RightButton << 0;
}

void PictureTest::doubleClick()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, expected);

    PictureBox box;
    box.resize(50, 50);
    QSignalSpy clicked(&box, &PictureBox::doubleClicked);
    QTest::mouseDClick(&box, button);
    QCOMPARE(clicked.count(), expected);
}

void PictureTest::framesTakeTurns()
{
    AnimatedPicture picture;
    picture.setFrames({filled(QSize(4, 4), Qt::red), filled(QSize(4, 4), Qt::green), filled(QSize(4, 4), Qt::blue)});
    QSignalSpy changed(&picture, &AnimatedPicture::frameChanged);
    for (int i = 0; i < 4; ++i)
        picture.advance();
    QList<int> shown;
    for (const QList<QVariant>& args : changed)
        shown << args.at(0).toInt();
    QCOMPARE(shown, (QList<int>{1, 2, 0, 1}));
}

void PictureTest::stopShowsFirstFrame()
{
    AnimatedPicture picture;
    picture.setFrames({filled(QSize(4, 4), Qt::red), QImage()});
    picture.start();
    QVERIFY(picture.isRunning());
    picture.advance();
    QCOMPARE(picture.currentFrame(), 1);
    picture.stop();
    QVERIFY(!picture.isRunning());
    QCOMPARE(picture.currentFrame(), 0);
}

void PictureTest::timerAdvancesFrames()
{
    AnimatedPicture picture;
    picture.setFrames({filled(QSize(4, 4), Qt::red), QImage()});
    picture.setInterval(10);
    QSignalSpy changed(&picture, &AnimatedPicture::frameChanged);
    picture.start();
    QTRY_VERIFY(changed.count() >= 2);
}

void PictureTest::paintsCurrentFrame()
{
    AnimatedPicture picture;
    picture.resize(40, 40);
    // A warning sign and a blank: the blank frame must really show nothing.
    picture.setFrames({filled(QSize(8, 8), Qt::red), QImage()});
    QCOMPARE(pixelOf(picture, QPoint(20, 20)), QColor(Qt::red));
    picture.advance();
    QVERIFY(pixelOf(picture, QPoint(20, 20)) != QColor(Qt::red));
    picture.advance();
    QCOMPARE(pixelOf(picture, QPoint(20, 20)), QColor(Qt::red));
}

void PictureTest::newFramesStartAtFirst()
{
    AnimatedPicture picture;
    picture.setFrames({QImage(), QImage(), QImage()});
    picture.advance();
    picture.advance();
    picture.setFrames({QImage(), QImage()});
    QCOMPARE(picture.currentFrame(), 0);
    QCOMPARE(picture.frameCount(), 2);

    picture.setFrames({});
    picture.advance(); // nothing to show, nothing to break
    QCOMPARE(picture.currentFrame(), 0);
}

int runPictureTest(int argc, char** argv)
{
    PictureTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PictureTest.moc"
