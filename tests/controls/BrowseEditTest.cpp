#include "ControlTests.h"

#include "controls/FileNameEdit.h"
#include "controls/FolderEdit.h"

#include <QAction>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {
// Stands in for the program's dialog service: records the questions, gives a set answer.
struct ScriptedChooser {
    explicit ScriptedChooser(QString reply = QString())
        : answer(std::move(reply))
    {}

    QString answer;
    int calls = 0;
    QString filter;
    QString startDir;

    FileNameEdit::ChooseFile file()
    {
        return [this](const QString& f, const QString& dir) {
            ++calls;
            filter = f;
            startDir = dir;
            return answer;
        };
    }
    FolderEdit::ChooseFolder folder()
    {
        return [this](const QString& dir) {
            ++calls;
            startDir = dir;
            return answer;
        };
    }
};

QToolButton* browseButton(const BrowseEdit& edit)
{
    for (QObject* object : edit.browseAction()->associatedObjects()) {
        if (auto* button = qobject_cast<QToolButton*>(object))
            return button;
    }
    return nullptr;
}
} // namespace

class BrowseEditTest : public QObject {
    Q_OBJECT
private slots:
    void filterConversion_data();
    void filterConversion();

    void fileChoice_data();
    void fileChoice();
    void fileChooserGetsFilter();
    void fileStartDir_data();
    void fileStartDir();
    void browseButtonAsksChooser();
    void noChooserNoBrowsing();

    void folderChoice_data();
    void folderChoice();
    void folderStartDir();
};

void BrowseEditTest::filterConversion_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");

    QTest::newRow("patterns repeated in description")
        << QString::fromUtf8("Картинки (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp")
        << QString::fromUtf8("Картинки (*.jpg *.jpeg *.bmp)");
    QTest::newRow("bare description") << "Text files|*.txt"
                                      << "Text files (*.txt)";
    QTest::newRow("several pairs, all files") << "Pictures|*.jpg|All files (*.*)|*.*"
                                              << "Pictures (*.jpg);;All files (*)";
    QTest::newRow("spaces around patterns") << "Database|*.db; *.sqlite ;"
                                            << "Database (*.db *.sqlite)";
    QTest::newRow("other parentheses kept") << "Images (JPEG)|*.jpg"
                                            << "Images (JPEG) (*.jpg)";
    QTest::newRow("no description") << "|*.txt"
                                    << "*.txt (*.txt)";
    QTest::newRow("trailing bar") << "Pictures|*.jpg|"
                                  << "Pictures (*.jpg)";
    QTest::newRow("already Qt syntax") << "Images (*.png *.jpg);;Any (*)"
                                       << "Images (*.png *.jpg);;Any (*)";
    QTest::newRow("empty") << ""
                           << "";
}

void BrowseEditTest::filterConversion()
{
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    QCOMPARE(FileNameEdit::toQtFilter(filter), expected);
}

void BrowseEditTest::fileChoice_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("emitted");

    QTest::newRow("chosen") << "/home/reef/tank.jpg"
                            << "/home/reef/tank.jpg" << 1;
    QTest::newRow("cancelled") << ""
                               << "/old/name.jpg" << 0;
    QTest::newRow("same file again") << "/old/name.jpg"
                                     << "/old/name.jpg" << 0;
}

void BrowseEditTest::fileChoice()
{
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    QFETCH(int, emitted);

    ScriptedChooser chooser(answer);
    FileNameEdit edit(chooser.file());
    edit.setFileName("/old/name.jpg");
    QSignalSpy changed(&edit, &FileNameEdit::fileNameChanged);

    edit.browse();

    QCOMPARE(chooser.calls, 1);
    QCOMPARE(edit.fileName(), expected);
    QCOMPARE(changed.count(), emitted);
    if (emitted)
        QCOMPARE(changed.at(0).at(0).toString(), expected);
}

void BrowseEditTest::fileChooserGetsFilter()
{
    ScriptedChooser chooser;
    FileNameEdit edit(chooser.file());
    edit.setFilter("Pictures (*.jpg;*.bmp)|*.jpg;*.bmp");
    edit.browse();
    QCOMPARE(chooser.filter, "Pictures (*.jpg *.bmp)");
}

void BrowseEditTest::fileStartDir_data()
{
    QTest::addColumn<QString>("name"); // "<tmp>" stands for an existing folder
    QTest::addColumn<QString>("expected");

    QTest::newRow("folder of the current file") << "<tmp>/photo.jpg"
                                                << "<tmp>";
    QTest::newRow("missing folder") << "<tmp>/gone/photo.jpg"
                                    << "/initial";
    QTest::newRow("relative name") << "photo.jpg"
                                   << "/initial";
    QTest::newRow("no name") << ""
                             << "/initial";
}

void BrowseEditTest::fileStartDir()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);

    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString dir = QDir(tmp.path()).absolutePath();
    ScriptedChooser chooser;
    FileNameEdit edit(chooser.file());
    edit.setInitialDir("/initial");
    edit.setFileName(QString(name).replace("<tmp>", dir));

    edit.browse();
    QCOMPARE(chooser.startDir, QString(expected).replace("<tmp>", dir));
}

void BrowseEditTest::browseButtonAsksChooser()
{
    ScriptedChooser chooser("/chosen.txt");
    FileNameEdit edit(chooser.file());
    edit.resize(200, edit.sizeHint().height());
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));

    QToolButton* button = browseButton(edit);
    QVERIFY(button);
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(chooser.calls, 1);
    QCOMPARE(edit.fileName(), "/chosen.txt");
}

void BrowseEditTest::noChooserNoBrowsing()
{
    FileNameEdit files{FileNameEdit::ChooseFile()};
    FolderEdit folders{FolderEdit::ChooseFolder()};
    QVERIFY(!files.browseAction()->isEnabled());
    QVERIFY(!folders.browseAction()->isEnabled());
    files.setFileName("/kept.txt");
    files.browse(); // must not call an empty function
    QCOMPARE(files.fileName(), "/kept.txt");
}

void BrowseEditTest::folderChoice_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("emitted");

    QTest::newRow("chosen") << "/home/reef/photos"
                            << "/home/reef/photos" << 1;
    QTest::newRow("cancelled") << ""
                               << "/old" << 0;
}

void BrowseEditTest::folderChoice()
{
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    QFETCH(int, emitted);

    ScriptedChooser chooser(answer);
    FolderEdit edit(chooser.folder());
    edit.setFolder("/old");
    QSignalSpy changed(&edit, &FolderEdit::folderChanged);

    edit.browse();
    QCOMPARE(chooser.calls, 1);
    QCOMPARE(edit.folder(), expected);
    QCOMPARE(changed.count(), emitted);
}

void BrowseEditTest::folderStartDir()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    ScriptedChooser chooser;
    FolderEdit edit(chooser.folder());
    edit.setInitialDir("/initial");

    edit.setFolder(tmp.path());
    edit.browse();
    QCOMPARE(chooser.startDir, tmp.path());

    edit.setFolder(tmp.path() + "/missing");
    edit.browse();
    QCOMPARE(chooser.startDir, "/initial");
}

int runBrowseEditTest(int argc, char** argv)
{
    BrowseEditTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BrowseEditTest.moc"
