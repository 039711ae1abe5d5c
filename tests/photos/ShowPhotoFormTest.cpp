#include "photos/ViewerPicture.h"
#include "photos/TShowPhotoForm.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using Mode = ViewerPicture::Mode;

namespace {

const QColor Green(30, 160, 60);

bool near(const QColor& actual, const QColor& expected)
{
    return qAbs(actual.red() - expected.red()) <= 12 && qAbs(actual.green() - expected.green()) <= 12 &&
           qAbs(actual.blue() - expected.blue()) <= 12;
}

} // namespace

// The full-size viewer on the offscreen screen (800 x 800): where the picture
// goes in each mode, what is drawn, how it opens, closes and reopens.
class ShowPhotoFormTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TShowPhotoForm> m_form;

    QString picture(const QString& name, const QSize& size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Green);
        const QString path = m_dir.filePath(name);
        if (!image.save(path))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Opens the viewer as ShowPhotoFullSize does, short of the modal run.
    TShowPhotoForm& open(const QString& path)
    {
        m_form->prepare(path);
        m_form->show();
        if (!QTest::qWaitForWindowExposed(m_form.get()))
            qWarning("viewer not exposed");
        return *m_form;
    }

    static QSize screenSize() { return QGuiApplication::primaryScreen()->size(); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        if (screenSize() != QSize(800, 800))
            QSKIP("the rectangles below are for the offscreen platform's 800 x 800 screen");
    }
    void init()
    {
        // Any warning fails, but the offscreen platform's about popup menus.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support).*")));
        m_form = std::make_unique<TShowPhotoForm>();
    }
    void cleanup() { m_form.reset(); }

    void pictureRect_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QRect>("natural");
        QTest::addColumn<QRect>("stretched");
        QTest::newRow("smaller") << QSize(200, 100) << QSize(800, 600) << QRect(300, 250, 200, 100)
                                 << QRect(0, 100, 800, 400);
        QTest::newRow("smaller, tall") << QSize(100, 300) << QSize(800, 600) << QRect(350, 150, 100, 300)
                                       << QRect(300, 0, 200, 600);
        QTest::newRow("exactly the area")
            << QSize(800, 600) << QSize(800, 600) << QRect(0, 0, 800, 600) << QRect(0, 0, 800, 600);
        QTest::newRow("larger, same shape")
            << QSize(1600, 1200) << QSize(800, 600) << QRect(0, 0, 800, 600) << QRect(0, 0, 800, 600);
        QTest::newRow("larger, wide") << QSize(3000, 1000) << QSize(800, 600) << QRect(0, 167, 800, 266)
                                      << QRect(0, 167, 800, 266);
        QTest::newRow("wider only") << QSize(1000, 100) << QSize(800, 600) << QRect(0, 260, 800, 80)
                                    << QRect(0, 260, 800, 80);
        QTest::newRow("taller only") << QSize(100, 1200) << QSize(800, 600) << QRect(375, 0, 50, 600)
                                     << QRect(375, 0, 50, 600);
        QTest::newRow("no picture") << QSize() << QSize(800, 600) << QRect() << QRect();
        QTest::newRow("no area") << QSize(200, 100) << QSize(0, 0) << QRect() << QRect();
    }
    void pictureRect()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, area);
        QFETCH(QRect, natural);
        QFETCH(QRect, stretched);
        QCOMPARE(ViewerPicture::pictureRect(picture, area, Mode::Natural), natural);
        QCOMPARE(ViewerPicture::pictureRect(picture, area, Mode::Stretched), stretched);
    }

    void captions_renameTheMenu()
    {
        QMap<int, std::function<void(const QString&)>> setters;
        m_form->addCaptions([&](int id, std::function<void(const QString&)> setter) { setters[id] = setter; });
        QCOMPARE(setters.keys(), (QList<int>{3002, 3003, 3004}));
        QCOMPARE(m_form->PopupMenu1->actions(), (QList<QAction*>{m_form->N1001, m_form->N1, m_form->N2}));
        QCOMPARE(m_form->N1->text(), QStringLiteral("Растянуть"));
        setters[3002](QStringLiteral("100 %"));
        setters[3003](QStringLiteral("Stretch"));
        setters[3004](QStringLiteral("Close"));
        QCOMPARE(m_form->N1001->text(), QStringLiteral("100 %"));
        QCOMPARE(m_form->N1->text(), QStringLiteral("Stretch"));
        QCOMPARE(m_form->N2->text(), QStringLiteral("Close"));
    }

    // The viewer fills the screen, loads no larger than the screen, and puts
    // and draws the picture where each mode says.
    void modes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("loaded");
        QTest::addColumn<QRect>("natural");
        QTest::addColumn<QRect>("stretched");
        QTest::newRow("small PNG") << "small.png" << QSize(200, 100) << QRect(300, 350, 200, 100)
                                   << QRect(0, 200, 800, 400);
        QTest::newRow("large PNG") << "large.png" << QSize(800, 400) << QRect(0, 200, 800, 400)
                                   << QRect(0, 200, 800, 400);
        QTest::newRow("camera JPEG") << "camera.jpg" << QSize(800, 600) << QRect(0, 100, 800, 600)
                                     << QRect(0, 100, 800, 600);
    }
    void modes()
    {
        QFETCH(QString, file);
        QFETCH(QSize, loaded);
        QFETCH(QRect, natural);
        QFETCH(QRect, stretched);
        const QMap<QString, QSize> sizes{
            {"small.png", {200, 100}}, {"large.png", {3000, 1500}}, {"camera.jpg", {4000, 3000}}};
        TShowPhotoForm& form = open(picture(file, sizes[file]));
        QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(form.windowState() & Qt::WindowMaximized);
        QCOMPARE(form.Image1->geometry(), QRect(QPoint(0, 0), screenSize()));
        QCOMPARE(form.Image1->picture().size(), loaded);

        const auto verifyDrawn = [&form](const QRect& at) {
            const QImage shown = form.grab().toImage();
            QVERIFY(near(shown.pixelColor(at.center()), Green));
            QVERIFY(near(shown.pixelColor(at.topLeft()), Green));
            QVERIFY(near(shown.pixelColor(at.bottomRight()), Green));
            if (at.left() > 0)
                QCOMPARE(shown.pixelColor(at.left() - 1, at.center().y()), QColor(Qt::black));
            if (at.top() > 0)
                QCOMPARE(shown.pixelColor(at.center().x(), at.top() - 1), QColor(Qt::black));
        };
        QCOMPARE(form.Image1->mode(), Mode::Natural);
        QCOMPARE(form.Image1->pictureRect(), natural);
        verifyDrawn(natural);
        form.N1->trigger();
        QCOMPARE(form.Image1->pictureRect(), stretched);
        verifyDrawn(stretched);
        form.N1001->trigger();
        QCOMPARE(form.Image1->pictureRect(), natural);
        verifyDrawn(natural);
    }

    void reopenedAfterStretched_startsNatural()
    {
        const QString path = picture(QStringLiteral("small.png"), {200, 100});
        TShowPhotoForm& form = open(path);
        form.N1->trigger();
        QCOMPARE(form.Image1->mode(), Mode::Stretched);
        QTest::mouseClick(form.Image1, Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QVERIFY(form.Image1->picture().isNull()); // released on closing
        QCOMPARE(form.Image1->mode(), Mode::Natural);

        open(path);
        QCOMPARE(form.Image1->mode(), Mode::Natural);
        QCOMPARE(form.Image1->pictureRect(), QRect(300, 350, 200, 100));
    }

    // ShowPhotoFullSize runs modally and returns once the viewer is closed
    // by any of its ways; a right click is the menu's, not a close.
    void showFullSize_returnsWhenClosed_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("click on the picture") << 0;
        QTest::newRow("menu item Закрыть") << 1;
        QTest::newRow("Escape") << 2;
    }
    void showFullSize_returnsWhenClosed()
    {
        QFETCH(int, way);
        TShowPhotoForm& form = *m_form;
        bool seenOpen = false, closedByRightClick = false;
        QTimer::singleShot(0, &form, [&] {
            seenOpen = form.isVisible() && form.isModal() && form.Image1->picture().size() == QSize(200, 100);
            QTest::mouseClick(form.Image1, Qt::RightButton);
            form.PopupMenu1->close();
            closedByRightClick = !form.isVisible();
            if (closedByRightClick)
                return;
            if (way == 0)
                QTest::mouseClick(form.Image1, Qt::LeftButton);
            else if (way == 1)
                form.N2->trigger();
            else
                QTest::keyClick(&form, Qt::Key_Escape);
        });
        // Should the viewer stay open, this ends the run and the checks below fail.
        bool stuck = false;
        QTimer::singleShot(5000, &form, [&] {
            stuck = form.isVisible();
            form.reject();
        });
        form.ShowPhotoFullSize(picture(QStringLiteral("small.png"), {200, 100}));
        QVERIFY(seenOpen);
        QVERIFY(!closedByRightClick);
        QVERIFY(!stuck);
        QVERIFY(!form.isVisible());
        QVERIFY(form.Image1->picture().isNull());
    }

    void contextMenu_opensOnThePicture()
    {
        TShowPhotoForm& form = open(picture(QStringLiteral("small.png"), {200, 100}));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), form.Image1->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(form.Image1, &event);
        QVERIFY(form.PopupMenu1->isVisible());
        form.PopupMenu1->close();
        QVERIFY(form.isVisible());
    }

    // A file that does not load leaves the viewer open and black, with no box.
    void unloadable_staysBlackAndQuiet_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file
        QTest::newRow("random bytes named .jpg") << QByteArray("\x12\x34 not a picture at all", 24);
        QTest::newRow("missing file") << QByteArray();
    }
    void unloadable_staysBlackAndQuiet()
    {
        QFETCH(QByteArray, bytes);
        const QString path = m_dir.filePath(QStringLiteral("broken.jpg"));
        QFile::remove(path);
        if (!bytes.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        TShowPhotoForm& form = open(path);
        QTest::qWait(50); // a message box would show by now
        QVERIFY(form.isVisible());
        QVERIFY(form.Image1->picture().isNull());
        QVERIFY(form.Image1->pictureRect().isEmpty());
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(!qobject_cast<QMessageBox*>(window) || !window->isVisible(), "a message box was shown");
        const QImage shown = form.grab().toImage();
        QCOMPARE(shown.size(), screenSize());
        for (const QPoint at : {QPoint(0, 0), QPoint(400, 400), QPoint(799, 799), QPoint(123, 456)})
            QCOMPARE(shown.pixelColor(at), QColor(Qt::black));
    }
};

QTEST_MAIN(ShowPhotoFormTest)
#include "ShowPhotoFormTest.moc"
