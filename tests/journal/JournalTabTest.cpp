#include "MainWindowFixture.h"

#include "controls/DatePicker.h"
#include "controls/FileNameEdit.h"
#include "controls/PictureBox.h"
#include "controls/TimePicker.h"
#include "data/DataSet.h"
#include "journal/JournalTab.h"
#include "journal/PhotoContext.h"
#include "parameters/ParametersTab.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

// The journal tab in a running main window, on a fresh database.
class JournalTabTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;
    JournalTab* tab = nullptr;
    DataSet* list = nullptr;

    QString photos() const { return f->form()->photosFolder(); }
    void writePicture(const QString& path, const QColor& colour = Qt::red) const
    {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(colour);
        QVERIFY(image.save(path, "JPG"));
    }
    void addEntry(const QString& text)
    {
        tab->BitBtn15->click();
        tab->JournalMemo->setPlainText(text);
        tab->BitBtn16->click();
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->show();
        tab = f->form()->TabSheet8;
        list = &f->form()->data().JournalQuery;
        QVERIFY(f->prompter.errors.isEmpty());
    }
    void cleanup()
    {
        QVERIFY2(f->prompter.unexpected.isEmpty(), qPrintable(f->prompter.unexpected.join('\n')));
        f.reset();
    }

    void emptyJournal_disablesEditorAndAppendOption()
    {
        QVERIFY(!tab->JournalMemo->isEnabled());
        QVERIFY(!tab->FilenameEdit3->isEnabled());
        QVERIFY(!tab->N16->isEnabled());
        QVERIFY(!tab->BitBtn16->isEnabled());
        QVERIFY(!f->form()->TabSheet1->RadioButton8->isEnabled());
        tab->BitBtn15->click();
        QVERIFY(tab->JournalMemo->isEnabled());
        QVERIFY(tab->FilenameEdit3->isEnabled());
        QVERIFY(tab->N16->isEnabled());
        QVERIFY(f->form()->TabSheet1->RadioButton8->isEnabled());
        QVERIFY(tab->JournalMemo->hasFocus() || !tab->window()->isActiveWindow());
    }

    void newEntry_takesNowOrThePickedDateAndTime()
    {
        f->clock.set(DateTime::fromDateAndTime(QDate(2026, 12, 11), QTime(9, 30)));
        tab->BitBtn15->click();
        QCOMPARE(list->asDateTime(QStringLiteral("EVENTTIME")).toQDateTime(),
                 QDateTime(QDate(2026, 12, 11), QTime(9, 30)));
        QCOMPARE(list->asString(QStringLiteral("EVENTMEMO")), QString());

        tab->CheckBox4->click(); // off: the pickers take over
        QVERIFY(tab->Panel39->isHidden());
        QVERIFY(tab->DateTimePicker7->isEnabled());
        tab->DateTimePicker7->setDateTime(DateTime::fromDateAndTime(QDate(2025, 1, 5), QTime(23, 0)));
        tab->DateTimePicker8->setDateTime(DateTime::fromDateAndTime(QDate(2001, 2, 2), QTime(6, 15, 10)));
        tab->BitBtn15->click();
        // Dated in the past: not first in the list, yet it is the current entry.
        QCOMPARE(list->currentIndex(), 1);
        QCOMPARE(list->asDateTime(QStringLiteral("EVENTTIME")).toQDateTime(),
                 QDateTime(QDate(2025, 1, 5), QTime(6, 15, 10)));
        tab->CheckBox4->click();
        QVERIFY(!tab->DateTimePicker7->isEnabled());
    }

    void save_storesTextAndPhotoAndResetsJournalOption()
    {
        tab->BitBtn15->click();
        QVERIFY(!tab->BitBtn16->isEnabled());
        const QString text = QString(100000, QChar(0x0444)) + QStringLiteral("\n'; DROP TABLE JOURNAL; \"x\"");
        tab->JournalMemo->setPlainText(text);
        QVERIFY(tab->BitBtn16->isEnabled());
        f->form()->TabSheet1->RadioButton8->setChecked(true);
        tab->BitBtn16->click();
        QVERIFY(!tab->BitBtn16->isEnabled());
        QCOMPARE(list->asString(QStringLiteral("EVENTMEMO")), text);
        QVERIFY(f->form()->TabSheet1->RadioButton5->isChecked());

        // Moving to another entry drops the unsaved edit and leaves save disabled.
        tab->JournalMemo->setPlainText(QStringLiteral("unsaved"));
        tab->BitBtn15->click();
        list->locate(1);
        QCOMPARE(tab->JournalMemo->toPlainText(), text);
        QVERIFY(!tab->BitBtn16->isEnabled());
    }

    void photo_insideFolderIsStoredAsBareName()
    {
        tab->BitBtn15->click();
        const QString inside = photos() + QStringLiteral("мой петушок.jpg");
        writePicture(inside);
        f->prompter.chooseNext(inside);
        tab->FilenameEdit3->browse();
        QCOMPARE(tab->FilenameEdit3->fileName(), QStringLiteral("мой петушок.jpg"));
        QVERIFY(tab->Image3->hasImage());
        QVERIFY(tab->Image3->image() != f->form()->WrongWayImage);
        QVERIFY(tab->BitBtn16->isEnabled());
        QVERIFY(f->prompter.filters.last().contains(QStringLiteral("*.jpeg")));
        tab->BitBtn16->click();
        QCOMPARE(list->asString(QStringLiteral("PHOTOFILE")), QStringLiteral("мой петушок.jpg"));

        QVERIFY(QDir().mkpath(photos() + QStringLiteral("sub")));
        const QString nested = photos() + QStringLiteral("sub") + QDir::separator() + QStringLiteral("a.jpg");
        writePicture(nested);
        f->prompter.chooseNext(nested);
        tab->FilenameEdit3->browse();
        QCOMPARE(tab->FilenameEdit3->fileName(), nested);
    }

    void photo_previewShowsPlaceholders_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("wrong");
        QTest::newRow("missing file") << QByteArray() << true;
        QTest::newRow("random bytes named jpg") << QByteArray(5000, '\x5a') << true;
        QTest::newRow("truncated jpeg") << QByteArray("\xff\xd8\xff\xe0\x00\x10JFIF", 10) << true;
    }
    void photo_previewShowsPlaceholders()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, wrong);
        tab->BitBtn15->click();
        const QString path = photos() + QStringLiteral("bad file.jpg");
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        f->prompter.chooseNext(path);
        tab->FilenameEdit3->browse();
        QCOMPARE(tab->Image3->image(), wrong ? f->form()->WrongWayImage : f->form()->NoImageImage);
        tab->SpeedButton1->click(); // clear
        QCOMPARE(tab->FilenameEdit3->fileName(), QString());
        QCOMPARE(tab->Image3->image(), f->form()->NoImageImage);
        QVERIFY(tab->BitBtn16->isEnabled());
        QVERIFY(f->prompter.messages.isEmpty());
    }

    void copy_intoPhotosFolder()
    {
        tab->BitBtn15->click();
        QTemporaryDir elsewhere;
        const QString source = elsewhere.filePath(QStringLiteral("reef shot.jpg"));
        writePicture(source);
        f->prompter.chooseNext(source);
        tab->FilenameEdit3->browse();
        QCOMPARE(tab->FilenameEdit3->fileName(), source);

        f->prompter.answerNext(false); // declined: nothing happens
        tab->SpeedButton9->click();
        QVERIFY(!QFile::exists(photos() + QStringLiteral("reef shot.jpg")));

        f->prompter.answerNext(true);
        tab->SpeedButton9->click();
        QCOMPARE(f->prompter.questions.last(), f->form()->GetLanguageWord(1023));
        QVERIFY(QFile::exists(photos() + QStringLiteral("reef shot.jpg")));
        QCOMPARE(tab->FilenameEdit3->fileName(), QStringLiteral("reef shot.jpg"));

        // The same name again: message 1024, nothing overwritten, the chosen path stays.
        writePicture(source, Qt::blue);
        f->prompter.chooseNext(source);
        tab->FilenameEdit3->browse();
        f->prompter.answerNext(true);
        tab->SpeedButton9->click();
        QCOMPARE(f->prompter.messages.last(), f->form()->GetLanguageWord(1024));
        QCOMPARE(tab->FilenameEdit3->fileName(), source);
        QCOMPARE(QImage(photos() + QStringLiteral("reef shot.jpg")).pixelColor(5, 5).red() > 200, true);
    }

    void copy_failureIsReportedAndReferenceKept()
    {
        tab->BitBtn15->click();
        QTemporaryDir elsewhere;
        const QString source = elsewhere.filePath(QStringLiteral("fish.jpg"));
        writePicture(source);
        f->prompter.chooseNext(source);
        tab->FilenameEdit3->browse();
        f->form()->setPhotosFolder(elsewhere.filePath(QStringLiteral("no such folder")) + QDir::separator());
        f->prompter.answerNext(true);
        tab->SpeedButton9->click();
        QCOMPARE(f->prompter.messages.size(), 1);
        QVERIFY(f->prompter.messages[0].startsWith(f->form()->GetLanguageWord(1025)));
        QCOMPARE(tab->FilenameEdit3->fileName(), source);
    }

    void delete_asksAndShowsNewestEntry()
    {
        addEntry(QStringLiteral("first"));
        f->clock.advanceHours(1);
        addEntry(QStringLiteral("second"));
        f->prompter.answerNext(false);
        tab->N16->trigger();
        QCOMPARE(list->count(), 2);
        QCOMPARE(f->prompter.questions.last(), f->form()->GetLanguageWord(1009));
        list->locate(1);
        f->prompter.answerNext(true);
        tab->N16->trigger();
        QCOMPARE(list->count(), 1);
        QCOMPARE(tab->JournalMemo->toPlainText(), QStringLiteral("second"));
    }

    void doubleClick_showsStoredPhotoOnly()
    {
        tab->BitBtn15->click();
        QStringList shown;
        f->form()->photoContext().showFullSize = [&](const QString& path) { shown << path; };
        const QString inside = photos() + QStringLiteral("a.jpg");
        writePicture(inside);
        f->prompter.chooseNext(inside);
        tab->FilenameEdit3->browse();
        Q_EMIT tab->Image3->doubleClicked(); // chosen but not saved: nothing stored yet
        QVERIFY(shown.isEmpty());
        tab->BitBtn16->click();
        Q_EMIT tab->Image3->doubleClicked();
        QCOMPARE(shown, QStringList{inside});
    }

    void readOnlyDatabase_showsErrorAndGoesOn()
    {
        addEntry(QStringLiteral("kept"));
        f->form()->database().execute(QStringLiteral("PRAGMA query_only=1"));
        tab->BitBtn15->click();
        QCOMPARE(f->prompter.errors.size(), 1);
        QVERIFY(f->prompter.errors[0].contains(QStringLiteral("readonly")));
        QCOMPARE(list->count(), 1);
        QCOMPARE(tab->JournalMemo->toPlainText(), QStringLiteral("kept"));
        f->form()->database().execute(QStringLiteral("PRAGMA query_only=0"));
        tab->BitBtn15->click();
        QCOMPARE(list->count(), 2);
    }

    void readOnlyDatabaseFile_opensAndRefusesWrites()
    {
        MainWindowFixture readOnly;
        readOnly.database.exec(
            QStringLiteral("INSERT INTO JOURNAL (ID, EVENTTIME, EVENTMEMO) VALUES (1, 46000, 'kept')"));
        readOnly.services.databaseAccess = Database::Access::ReadOnly;
        TMainForm& form = readOnly.show();
        QVERIFY(readOnly.prompter.errors.isEmpty());
        QCOMPARE(form.TabSheet8->JournalMemo->toPlainText(), QStringLiteral("kept"));
        form.TabSheet8->BitBtn15->click();
        QCOMPARE(readOnly.prompter.errors.size(), 1);
        QVERIFY(readOnly.prompter.errors[0].contains(QStringLiteral("readonly")));
        QCOMPARE(form.data().JournalQuery.count(), 1);
        form.TabSheet1->BitBtn17->click();
        QCOMPARE(readOnly.prompter.errors.size(), 2);
        form.close();
        QVERIFY(readOnly.reopenedSettings()->readInteger(QStringLiteral("LANGUAGE")).has_value());
        QVERIFY(readOnly.prompter.unexpected.isEmpty());
    }

    void captions_followTheLanguage()
    {
        f->form()->menu();
        f->form()->N26Click();
        QCOMPARE(tab->BitBtn15->text(), f->form()->GetLanguageWord(1406));
        QCOMPARE(tab->N16->text(), f->form()->GetLanguageWord(3012));
    }
};

QTEST_MAIN(JournalTabTest)
#include "JournalTabTest.moc"
