#include "FreshDatabase.h"

#include "data/DataSet.h"
#include "journal/AquariumJournal.h"
#include "journal/JournalStatements.h"
#include "journal/PhotoReferences.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace PhotoReferences;

// The journal's writes and the photo reference rules, without any window.
class JournalLogicTest : public QObject {
    Q_OBJECT

    static QString sep() { return QString(QDir::separator()); }

private Q_SLOTS:
    void directoryPart_endsAtLastSeparator_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("directory");
        QTest::newRow("bare name") << "fish.jpg"
                                   << "";
        QTest::newRow("backslash path") << "C:\\Photos\\fish.jpg"
                                        << "C:\\Photos\\";
        QTest::newRow("drive only") << "C:fish.jpg"
                                    << "C:";
        QTest::newRow("one backslash") << "\\fish.jpg"
                                       << "\\";
        QTest::newRow("native path") << sep() + "home" + sep() + "fish.jpg" << sep() + "home" + sep();
        QTest::newRow("empty") << ""
                               << "";
    }
    void directoryPart_endsAtLastSeparator()
    {
        QFETCH(QString, reference);
        QFETCH(QString, directory);
        QCOMPARE(directoryPart(reference), directory);
        QCOMPARE(directoryPart(reference) + fileNamePart(reference), reference);
    }

    void resolve_bareNamesLieInThePhotosFolder_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("resolved");
        const QString folder = sep() + "data" + sep() + "Photos" + sep();
        QTest::newRow("bare name") << "fish.jpg" << folder + "fish.jpg";
        QTest::newRow("one-character folder keeps its backslash") << "\\fish.jpg" << folder + "\\fish.jpg";
        QTest::newRow("full path") << "C:\\Other\\fish.jpg"
                                   << "C:\\Other\\fish.jpg";
        QTest::newRow("non-Latin name with spaces") << "мой петушок.jpg" << folder + "мой петушок.jpg";
    }
    void resolve_bareNamesLieInThePhotosFolder()
    {
        QFETCH(QString, reference);
        QFETCH(QString, resolved);
        QCOMPARE(ResolvePhotoPath(sep() + "data" + sep() + "Photos" + sep(), reference), resolved);
    }

    void normalize_shortensOnlyFilesDirectlyInTheFolder()
    {
        const QString folder = sep() + "data" + sep() + "Photos" + sep();
        QCOMPARE(NormalizePhotoReference(folder, folder + "fish.jpg"), QStringLiteral("fish.jpg"));
        const QString sub = folder + "2026" + sep() + "fish.jpg";
        QCOMPARE(NormalizePhotoReference(folder, sub), sub);
        const QString otherCase = sep() + "data" + sep() + "photos" + sep() + "fish.jpg";
        QCOMPARE(NormalizePhotoReference(folder, otherCase), otherCase);
        QCOMPARE(NormalizePhotoReference(folder, QString()), QString());
    }

    void copy_neverOverwritesAndReportsFailure()
    {
        QTemporaryDir dir;
        const QString photos = dir.filePath(QStringLiteral("Photos")) + sep();
        QVERIFY(QDir().mkpath(photos));
        const QString source = dir.filePath(QStringLiteral("снимок 1.jpg"));
        {
            QFile f(source);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("picture");
        }
        auto copied = CopyIntoPhotosFolder(photos, source);
        QCOMPARE(copied.status, CopyResult::Status::Copied);
        QCOMPARE(copied.reference, QStringLiteral("снимок 1.jpg"));
        QVERIFY(QFile::exists(photos + "снимок 1.jpg"));

        {
            QFile f(source);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("another picture");
        }
        auto again = CopyIntoPhotosFolder(photos, source);
        QCOMPARE(again.status, CopyResult::Status::AlreadyThere);
        QCOMPARE(again.reference, source);
        QFile kept(photos + "снимок 1.jpg");
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("picture"));

        auto missingSource = CopyIntoPhotosFolder(photos, dir.filePath(QStringLiteral("gone.jpg")));
        QCOMPARE(missingSource.status, CopyResult::Status::Failed);
        QCOMPARE(missingSource.reference, dir.filePath(QStringLiteral("gone.jpg")));
        QVERIFY(!missingSource.error.isEmpty());
        QVERIFY(!QFile::exists(photos + "gone.jpg"));

        auto missingFolder = CopyIntoPhotosFolder(dir.filePath(QStringLiteral("nowhere")) + sep(), source);
        QCOMPARE(missingFolder.status, CopyResult::Status::Failed);
        QCOMPARE(missingFolder.reference, source);
    }

    void entries_addSaveDelete()
    {
        FreshDatabase fresh;
        Database db(fresh.path());
        DataSet list(db, QStringLiteral("JournalQuery"), QString::fromUtf8(JournalSql::JournalQuery));
        DataSet temp(db, QStringLiteral("TempQuery"));
        list.open();
        int reopened = 0;
        list.onAfterOpen([&] { ++reopened; });
        AquariumJournal journal(db, list, temp);

        const int first = journal.AddJournalEntry(DateTime(46000.25), QStringLiteral("water change"));
        QCOMPARE(first, 1);
        QCOMPARE(reopened, 1);
        const int older = journal.AddJournalEntry(DateTime(45000), QString());
        QCOMPARE(older, 2);
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.asInt(QStringLiteral("ID")), first); // newest moment first
        QCOMPARE(list.asString(QStringLiteral("PHOTOFILE")), QString());

        const QString hostile = QStringLiteral("'; DROP TABLE JOURNAL; --\nстрока 2 \"x\"");
        journal.SaveJournalEntry(older, hostile, QStringLiteral("fish.jpg"));
        list.reopen();
        QVERIFY(list.locate(older));
        QCOMPARE(list.asString(QStringLiteral("EVENTMEMO")), hostile);
        QCOMPARE(list.asString(QStringLiteral("PHOTOFILE")), QStringLiteral("fish.jpg"));
        QCOMPARE(list.asDateTime(QStringLiteral("EVENTTIME")).days(), 45000.0); // the moment never changes

        journal.DeleteJournalEntry(first);
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.asInt(QStringLiteral("ID")), older);
    }
};

QTEST_GUILESS_MAIN(JournalLogicTest)
#include "JournalLogicTest.moc"
