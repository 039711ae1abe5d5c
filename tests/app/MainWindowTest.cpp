#include "MainWindowFixture.h"

#include "app/MainMenu.h"
#include "app/ProgramRun.h"
#include "data/DataSet.h"
#include "data/DatabaseError.h"
#include "reminders/RemindersTab.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

// The main window's start-up, language and exit sequences, headless on a
// fresh database with a settings file of its own.
class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;

    QString tabText(int index) const { return f->form()->MainPageControl->tabText(index); }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        QVERIFY(f->database.isValid());
    }
    void cleanup()
    {
        if (f)
            QVERIFY2(f->prompter.unexpected.isEmpty(), qPrintable(f->prompter.unexpected.join('\n')));
        f.reset();
    }

    void firstStart_emptyStore_usesDefaults()
    {
        TMainForm& form = f->show();
        QVERIFY(!form.firstShowPending);
        QCOMPARE(form.pos(), QPoint(100, 100));
        QCOMPARE(form.size(), QSize(914, 705));
        QVERIFY(form.menu()->N25->isChecked());
        QVERIFY(!form.menu()->N26->isChecked());
        QCOMPARE(tabText(0), QStringLiteral("Параметры"));
        QCOMPARE(form.MainPageControl->currentIndex(), 0);
        QCOMPARE(form.TabSheet6->RemPageControl->currentIndex(), 1);
        QCOMPARE(form.controlValues().value(QStringLiteral("WATTERPARAMETERSPERIOD")), 30);
        QCOMPARE(form.controlValues().value(QStringLiteral("ADDJOURNALRECORD")), 1);
        QCOMPARE(form.controlValues().value(QStringLiteral("LATINNAMESORTRADIOBUTTON")), 1);
        const QString photos = f->database.folder() + QStringLiteral("Photos") + QDir::separator();
        QCOMPARE(form.photosFolder(), photos);
        QVERIFY(QDir(photos).exists());
        QVERIFY(form.Timer1->isActive());
        QCOMPARE(form.Timer1->interval(), 3000);
        QVERIFY(form.data().MeasuresTypeQuery.isOpen());
        QVERIFY(form.data().PerRemQuery.isOpen());
        QCOMPARE(*f->settings->readString(QStringLiteral("BASEPATH")), f->database.folder());
        QVERIFY(f->prompter.errors.isEmpty());
    }

    void frame_hasTabsMenuAndTimersAsDesigned()
    {
        TMainForm& form = f->create();
        const QStringList tabs{"TabSheet1", "TabSheet6", "TabSheet8", "TabSheet2", "TabSheet3", "TabSheet4"};
        for (int i = 0; i < tabs.size(); ++i)
            QCOMPARE(form.MainPageControl->widget(i)->objectName(), tabs[i]);
        QCOMPARE(form.TabSheet6->RemPageControl->tabText(0), QStringLiteral("Разовые напоминания"));
        MainMenu& m = *form.menu();
        QCOMPARE(m.N6->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
        QCOMPARE(m.N29->shortcut(), QKeySequence(Qt::ALT | Qt::Key_S));
        QCOMPARE(m.ray1->shortcut(), QKeySequence(Qt::Key_F12));
        QVERIFY(!m.AltF41->isVisible());
        QVERIFY(!m.N27->isEnabled());
        QVERIFY(!m.N30->isEnabled());
        for (QAction* disabled : {m.N23->menuAction(), m.N34, m.N32, m.N35})
            QVERIFY(!disabled->isEnabled());
        QVERIFY(!form.Timer1->isActive()); // switched on only at the end of the first showing
        QVERIFY(form.Timer2->isActive());
        QCOMPARE(form.Timer2->interval(), 70000);
        QCOMPARE(form.VersionTimer->interval(), 86400000);
        QVERIFY(form.VersionTimer->isActive());
        QVERIFY(form.WarningPanel->isHidden());
        QCOMPARE(form.minimumSize(), QSize(886, 703));
        QVERIFY(!form.NoImageImage.isNull() && !form.WrongWayImage.isNull());
        QVERIFY(form.findChild<QObject*>(QStringLiteral("TWatterParametersForm")));
        QVERIFY(form.findChild<QObject*>(QStringLiteral("TVersionForm")));
    }

    void storedBounds_areRestoredAndRaisedToMinimum()
    {
        f->settings->writeInteger(QStringLiteral("MAINFORMLEFT"), 40);
        f->settings->writeInteger(QStringLiteral("MAINFORMTOP"), 30);
        f->settings->writeInteger(QStringLiteral("MAINFORMWIDTH"), 500);
        f->settings->writeInteger(QStringLiteral("MAINFORMHEIGHT"), 1000);
        f->settings->writeInteger(QStringLiteral("MAINPAGECONTROLTABINDEX"), 4);
        f->settings->writeInteger(QStringLiteral("REMPAGECONTROLTABINDEX"), 0);
        TMainForm& form = f->show();
        QCOMPARE(form.pos(), QPoint(40, 30));
        QCOMPARE(form.size(), QSize(886, 1000));
        QCOMPARE(form.MainPageControl->currentIndex(), 4);
        QCOMPARE(form.TabSheet6->RemPageControl->currentIndex(), 0);
    }

    void storedLanguage_selectsCaptions_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("firstTab");
        QTest::addColumn<int>("writtenBack");
        QTest::newRow("English") << QVariant(2) << QStringLiteral("Parameters") << 2;
        QTest::newRow("German, though its item is disabled") << QVariant(3) << QStringLiteral("Parameter") << 3;
        QTest::newRow("Russian") << QVariant(1) << QStringLiteral("Параметры") << 1;
        QTest::newRow("unknown number") << QVariant(7) << QStringLiteral("Параметры") << 1;
        QTest::newRow("zero") << QVariant(0) << QStringLiteral("Параметры") << 1;
        QTest::newRow("stored as text") << QVariant(QStringLiteral("2")) << QStringLiteral("Параметры") << 1;
    }
    void storedLanguage_selectsCaptions()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, firstTab);
        QFETCH(int, writtenBack);
        if (stored.metaType().id() == QMetaType::Int)
            f->settings->writeInteger(QStringLiteral("LANGUAGE"), stored.toInt());
        else
            f->settings->writeString(QStringLiteral("LANGUAGE"), stored.toString());
        TMainForm& form = f->show();
        QCOMPARE(tabText(0), firstTab);
        QVERIFY(!form.menu()->N27->isEnabled());
        form.close();
        QCOMPARE(f->reopenedSettings()->readInteger(QStringLiteral("LANGUAGE")), std::optional<int>(writtenBack));
    }

    void languageMenu_switchesAtOnceAndIsWrittenAtClose()
    {
        TMainForm& form = f->show();
        form.menu()->N26->trigger();
        QVERIFY(form.menu()->N26->isChecked());
        QVERIFY(!form.menu()->N25->isChecked());
        QCOMPARE(tabText(0), QStringLiteral("Parameters"));
        QCOMPARE(form.menu()->N6->text(), form.GetLanguageWord(15));
        QCOMPARE(form.windowTitle(), QStringLiteral("Reefnote")); // the title has no text identifier
        QVERIFY(!f->reopenedSettings()->readInteger(QStringLiteral("LANGUAGE")).has_value());
        form.menu()->N25->trigger();
        QCOMPARE(tabText(0), QStringLiteral("Параметры"));
        form.menu()->N26->trigger();
        form.close();
        QCOMPARE(f->reopenedSettings()->readInteger(QStringLiteral("LANGUAGE")), std::optional<int>(2));
    }

    void missingIdentifier_returnsPreviousTextOfThatLanguage()
    {
        TMainForm& form = f->show();
        const QString known = form.GetLanguageWord(1);
        QCOMPARE(form.GetLanguageWord(987654), known);
        form.menu()->N26->trigger();
        QCOMPARE(form.GetLanguageWord(2), QStringLiteral("Inhabitants"));
        QCOMPARE(form.GetLanguageWord(987654), QStringLiteral("Inhabitants"));
    }

    void everyCaptionIdentifier_hasAllThreeTexts()
    {
        TMainForm& form = f->create();
        DataSet texts(form.database(), QStringLiteral("Texts"), QStringLiteral("SELECT * FROM resource"));
        texts.open();
        for (int id : form.captions().identifiers()) {
            QVERIFY2(texts.locate(id), qPrintable(QStringLiteral("no text %1").arg(id)));
            for (const char* column : {"RUSSIAN", "ENGLISH", "GERMAN"})
                QVERIFY2(!texts.asString(QString::fromLatin1(column)).isEmpty(),
                         qPrintable(QStringLiteral("text %1 has no %2").arg(id).arg(column)));
        }
    }

    void close_writesEverySettingWithItsType()
    {
        f->settings->writeInteger(QStringLiteral("ADDJOURNALRECORD"), 2);
        f->settings->writeInteger(QStringLiteral("LATINNAMESORTRADIOBUTTON"), 5);
        f->settings->writeInteger(QStringLiteral("PARAMGROUPBOXWIDTH"), 1000);
        f->settings->writeInteger(QStringLiteral("HYDROBIONTSLEFTPANELWIDTH"), 400);
        TMainForm& form = f->show();
        QSignalSpy closed(&form, &TMainForm::closed);
        form.menu()->N6->trigger(); // Alt+X
        QCOMPARE(closed.count(), 1);
        QVERIFY(!form.Timer1->isActive());
        QVERIFY(!form.data().JournalQuery.isOpen());
        QVERIFY(!form.data().RLanguageQuery.isOpen());
        const auto store = f->reopenedSettings();
        const QList<std::pair<const char*, int>> expected{{"MAINPAGECONTROLTABINDEX", 0},
                                                          {"REMPAGECONTROLTABINDEX", 1},
                                                          {"MAINFORMTOP", 100},
                                                          {"MAINFORMLEFT", 100},
                                                          {"MAINFORMWIDTH", 914},
                                                          {"MAINFORMHEIGHT", 705},
                                                          {"MEMOSNAMEGROUPBOXWIDTH", 153},
                                                          {"JOURNALTIMEGROUPBOXWIDTH", 137},
                                                          {"PHOTOALBUMPANELWIDTH", 185},
                                                          {"HYDROBIONTSLEFTPANELWIDTH", 400},
                                                          {"HYDROBIONTSCATGROUPBOXWIDTH", 133},
                                                          {"JOURNALPHOTOGROUPBOXHEIGHT", 150},
                                                          {"RAZREMGROUPBOXHEIGHT", 184},
                                                          {"PERREMGROUPBOXHEIGHT", 165},
                                                          {"HYDROBIONTNAMECOMBOBOXITEMINDEX", 0},
                                                          {"LATINNAMESORTRADIOBUTTON", 0},
                                                          {"ADDJOURNALRECORD", 0},
                                                          {"LANGUAGE", 1}};
        for (const auto& [name, value] : expected)
            QVERIFY2(store->readInteger(QString::fromLatin1(name)) == std::optional<int>(value),
                     qPrintable(QStringLiteral("%1 = %2, expected %3")
                                    .arg(name)
                                    .arg(store->readInteger(QString::fromLatin1(name)).value_or(-1))
                                    .arg(value)));
        // A stored width beyond the panel's limits is held within them.
        const int paramWidth = store->readInteger(QStringLiteral("PARAMGROUPBOXWIDTH")).value_or(-1);
        QVERIFY(paramWidth >= 30 && paramWidth <= 300);
        // The period belongs to the settings window: closing does not write it.
        QVERIFY(!store->readInteger(QStringLiteral("WATTERPARAMETERSPERIOD")).has_value());
    }

    void everyMessageIdentifier_hasAllThreeTexts()
    {
        // Handlers fetch their messages by number at the moment of use; find every such number in the sources.
        TMainForm& form = f->create();
        DataSet texts(form.database(), QStringLiteral("Texts"), QStringLiteral("SELECT * FROM resource"));
        texts.open();
        const QRegularExpression call(QStringLiteral("\\b(?:word|GetLanguageWord)\\((\\d+)\\)"));
        int found = 0;
        QDirIterator it(QStringLiteral(REEFNOTE_SOURCE_DIR "/src"), {QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString source = QString::fromUtf8(file.readAll());
            for (auto m = call.globalMatch(source); m.hasNext();) {
                const int id = m.next().captured(1).toInt();
                ++found;
                QVERIFY2(texts.locate(id), qPrintable(QStringLiteral("no text %1 (%2)").arg(id).arg(file.fileName())));
                for (const char* column : {"RUSSIAN", "ENGLISH", "GERMAN"})
                    QVERIFY2(!texts.asString(QString::fromLatin1(column)).isEmpty(),
                             qPrintable(QStringLiteral("text %1 has no %2").arg(id).arg(column)));
            }
        }
        QVERIFY(found > 0);
    }

    void closingWhileHidden_writesLastBounds()
    {
        TMainForm& form = f->show();
        form.move(210, 120);
        form.resize(1000, 760);
        form.hide();
        form.close();
        const auto store = f->reopenedSettings();
        QCOMPARE(store->readInteger(QStringLiteral("MAINFORMLEFT")), std::optional<int>(210));
        QCOMPARE(store->readInteger(QStringLiteral("MAINFORMWIDTH")), std::optional<int>(1000));
    }

    void laterShowing_runsNoStartUpSteps()
    {
        TMainForm& form = f->show();
        form.hide();
        f->settings->writeInteger(QStringLiteral("LANGUAGE"), 2);
        f->settings->writeInteger(QStringLiteral("MAINPAGECONTROLTABINDEX"), 3);
        form.show();
        QCOMPARE(tabText(0), QStringLiteral("Параметры"));
        QCOMPARE(form.MainPageControl->currentIndex(), 0);
    }

    void photosFolder_missingStoredFolderFallsBackForThisRun()
    {
        const QString gone = f->database.folder() + QStringLiteral("removed drive/photos/");
        f->settings->writeString(QStringLiteral("PHOTOSPATH"), gone);
        TMainForm& form = f->show();
        QCOMPARE(form.photosFolder(), f->database.folder() + QStringLiteral("Photos") + QDir::separator());
        QCOMPARE(f->reopenedSettings()->readString(QStringLiteral("PHOTOSPATH")), std::optional<QString>(gone));

        MainWindowFixture other;
        const QString kept = other.database.folder() + QStringLiteral("Мои фото") + QDir::separator();
        QVERIFY(QDir().mkpath(kept));
        other.settings->writeString(QStringLiteral("PHOTOSPATH"), kept);
        QCOMPARE(other.show().photosFolder(), kept);
    }

    void errorInFirstShowing_endsItAtThatStep()
    {
        f->database.exec(QStringLiteral("DROP TABLE p_type"));
        TMainForm& form = f->show();
        QVERIFY(form.isVisible());
        QCOMPARE(f->prompter.errors.size(), 1);
        QVERIFY(f->prompter.errors[0].contains(QStringLiteral("p_type")));
        QVERIFY(f->prompter.errors[0].endsWith(QLatin1Char('.')));
        QVERIFY(!form.Timer1->isActive());
        form.hide();
        form.show(); // the remaining steps never run later
        QVERIFY(!form.Timer1->isActive());
    }

    void startUp_failsCleanlyOnABrokenDatabase_data()
    {
        QTest::addColumn<QString>("breakSql");
        QTest::addColumn<QByteArray>("replaceFile");
        QTest::newRow("journal table missing") << QStringLiteral("DROP TABLE JOURNAL") << QByteArray();
        QTest::newRow("text table missing") << QStringLiteral("DROP TABLE resource") << QByteArray();
        QTest::newRow("not a database") << QString() << QByteArray(4096, 'x');
        QTest::newRow("file missing") << QString() << QByteArray("remove");
    }
    void startUp_failsCleanlyOnABrokenDatabase()
    {
        QFETCH(QString, breakSql);
        QFETCH(QByteArray, replaceFile);
        if (!breakSql.isEmpty())
            f->database.exec(breakSql);
        if (replaceFile == "remove") {
            QVERIFY(QFile::remove(f->database.path()));
        } else if (!replaceFile.isEmpty()) {
            QFile file(f->database.path());
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(replaceFile);
        }
        int argc = 0;
        QCOMPARE(runProgram(*qApp, f->services), 1);
        QCOMPARE(f->prompter.errors.size(), 1);
        QVERIFY(QApplication::topLevelWidgets().isEmpty() || !QApplication::activeWindow());
        QVERIFY(f->reopenedSettings()->readInteger(QStringLiteral("LANGUAGE")) == std::nullopt);
        Q_UNUSED(argc);
    }

    void inhabitantJournalTableMissing_isNoticedOnlyLater()
    {
        f->database.exec(QStringLiteral("DROP TABLE HJOURNAL"));
        TMainForm& form = f->show();
        QVERIFY(form.isVisible());
        QVERIFY(f->prompter.errors.isEmpty());
    }

    void help_showsUnderConstruction()
    {
        TMainForm& form = f->show();
        form.menu()->N2->trigger();
        QCOMPARE(f->prompter.messages, QStringList{QStringLiteral("Under construction...")});
    }

    void everyControl_isNamedForScreenReaders()
    {
        TMainForm& form = f->show();
        QStringList unnamed;
        for (QWidget* w : form.findChildren<QWidget*>()) {
            const bool operable = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                                  qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                                  qobject_cast<QComboBox*>(w);
            if (!operable || w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
                unnamed << w->objectName();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    }

    void resize_keepsWarningPanelInTheTopRightCorner()
    {
        TMainForm& form = f->show();
        form.resize(1200, 800);
        QCOMPARE(form.WarningPanel->x(), 1200 - 45);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
