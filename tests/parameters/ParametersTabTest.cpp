#include "MainWindowFixture.h"

#include "controls/CalcEdit.h"
#include "controls/DatePicker.h"
#include "controls/LabeledEdit.h"
#include "controls/LineChart.h"
#include "controls/SpinButtonPair.h"
#include "controls/TimePicker.h"
#include "data/DataSet.h"
#include "journal/AquariumJournal.h"
#include "journal/JournalTab.h"
#include "parameters/ParametersTab.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// The parameters tab in a running main window: entering measurements, the
// journal sentence, the history period.
class ParametersTabTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;
    ParametersTab* tab = nullptr;
    DataSet* parameters = nullptr;
    DataSet* history = nullptr;
    DataSet* journal = nullptr;

    void seedParameters()
    {
        f->database.exec(QStringLiteral("DELETE FROM p_type"));
        f->database.exec(QStringLiteral("INSERT INTO p_type (ID, PARAM, \"COMMENT\", DEF, STEP, TEMPLATE) VALUES "
                                        "(1, 'pH', '', 7, 0.5, '$$ = %% (##)'), (2, 'KH', '', 6, 1, '$$ = %%')"));
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        seedParameters();
        f->clock.set(DateTime::fromDateAndTime(QDate(2026, 12, 11), QTime(10, 0)));
        f->show();
        tab = f->form()->TabSheet1;
        parameters = &f->form()->data().MeasuresTypeQuery;
        history = &f->form()->data().MeasuresQuery;
        journal = &f->form()->data().JournalQuery;
        QLocale::setDefault(QLocale::c());
        QVERIFY(f->prompter.errors.isEmpty());
    }
    void cleanup()
    {
        QVERIFY2(f->prompter.unexpected.isEmpty(), qPrintable(f->prompter.unexpected.join('\n')));
        f.reset();
        QLocale::setDefault(QLocale::system());
    }

    void parameterSelected_fillsEntryAndPeriod()
    {
        QCOMPARE(parameters->asString(QStringLiteral("PARAM")), QStringLiteral("pH"));
        QVERIFY(tab->BitBtn17->isEnabled());
        QCOMPARE(tab->RxCalcEdit1->value(), 7.0);
        QCOMPARE(tab->Edit2->text(), QStringLiteral("pH = 7 ()"));
        QCOMPARE(tab->DateTimePicker9->date(), QDate(2026, 11, 11)); // 30 days by default
        QCOMPARE(tab->DateTimePicker10->date(), QDate(2026, 12, 11));
        QVERIFY(tab->CheckBox7->isChecked());
        tab->LabeledEdit5->setText(QStringLiteral("abc"));
        tab->RxCalcEdit1->setValue(7.25);
        QCOMPARE(tab->Edit2->text(), QStringLiteral("pH = 7.25 (abc)"));
        parameters->locate(2);
        QCOMPARE(tab->LabeledEdit5->text(), QString());
        QCOMPARE(tab->RxCalcEdit1->value(), 6.0);
        QCOMPARE(tab->Edit2->text(), QStringLiteral("KH = 6"));
    }

    void arrows_stepByTheParameterStep()
    {
        Q_EMIT tab->RxSpinButton1->upClicked();
        QCOMPARE(tab->RxCalcEdit1->value(), 7.5);
        for (int i = 0; i < 16; ++i)
            Q_EMIT tab->RxSpinButton1->downClicked();
        QCOMPARE(tab->RxCalcEdit1->value(), -0.5); // no lower bound
    }

    void add_storesMeasurementAndJournalSentence()
    {
        tab->LabeledEdit5->setText(QStringLiteral("утро; 'x'"));
        tab->BitBtn17->click();
        QCOMPARE(history->count(), 1);
        QCOMPARE(history->asFloat(QStringLiteral("VALUE")), 7.0);
        QCOMPARE(history->asString(QStringLiteral("COMMENT")), QStringLiteral("утро; 'x'"));
        QCOMPARE(history->asDateTime(QStringLiteral("WHEN")).toQDateTime(),
                 QDateTime(QDate(2026, 12, 11), QTime(10, 0)));
        QCOMPARE(tab->LabeledEdit5->text(), QString());
        QCOMPARE(journal->count(), 1);
        QCOMPARE(journal->asString(QStringLiteral("EVENTMEMO")), QStringLiteral("pH = 7 (утро; 'x')"));
        QVERIFY(tab->RadioButton8->isChecked());

        // The second goes onto the latest entry, and its photo stays.
        f->form()->journal().SaveJournalEntry(journal->asInt(QStringLiteral("ID")),
                                              journal->asString(QStringLiteral("EVENTMEMO")), QStringLiteral("p.jpg"));
        parameters->locate(2);
        tab->RxCalcEdit1->setValue(5.5);
        tab->BitBtn17->click();
        QCOMPARE(journal->count(), 1);
        QCOMPARE(journal->asString(QStringLiteral("EVENTMEMO")), QStringLiteral("pH = 7 (утро; 'x') ; KH = 5.5"));
        QCOMPARE(journal->asString(QStringLiteral("PHOTOFILE")), QStringLiteral("p.jpg"));
        QCOMPARE(f->form()->TabSheet8->JournalMemo->toPlainText(), journal->asString(QStringLiteral("EVENTMEMO")));

        // Journal option off: only the measurement.
        tab->CheckBox7->click();
        QVERIFY(!tab->Edit2->isEnabled());
        tab->BitBtn17->click();
        QCOMPARE(journal->count(), 1);
        QCOMPARE(history->count(), 2);
    }

    void add_takesATypedValueNotYetConfirmed()
    {
        tab->RxCalcEdit1->setFocus();
        tab->RxCalcEdit1->selectAll();
        QTest::keyClicks(tab->RxCalcEdit1, QStringLiteral("7+0.3"));
        tab->BitBtn17->click(); // no Enter, and the click takes no focus here
        QCOMPARE(history->asFloat(QStringLiteral("VALUE")), 7.3);
        QCOMPARE(journal->asString(QStringLiteral("EVENTMEMO")), QStringLiteral("pH = 7.3 ()"));
    }

    void add_withPickedMoment()
    {
        tab->CheckBox6->click();
        QVERIFY(tab->Panel34->isHidden());
        tab->DateTimePicker1->setDateTime(DateTime::fromDateAndTime(QDate(2026, 12, 1), QTime(23, 0)));
        tab->DateTimePicker2->setDateTime(DateTime::fromDateAndTime(QDate(2000, 1, 1), QTime(7, 45)));
        tab->BitBtn17->click();
        history->first();
        QVERIFY(!history->isEmpty());
        QCOMPARE(history->asDateTime(QStringLiteral("WHEN")).toQDateTime(),
                 QDateTime(QDate(2026, 12, 1), QTime(7, 45)));
        QCOMPARE(journal->asDateTime(QStringLiteral("EVENTTIME")).toQDateTime(),
                 QDateTime(QDate(2026, 12, 1), QTime(7, 45)));
    }

    void correctAndDelete_askFirst()
    {
        QVERIFY(!tab->N7->isEnabled());
        tab->BitBtn17->click();
        QVERIFY(tab->N7->isEnabled() && tab->N20->isEnabled());
        tab->RxCalcEdit1->setValue(8.25);
        tab->LabeledEdit5->setText(QStringLiteral("fixed"));
        f->prompter.answerNext(false);
        tab->N20->trigger();
        QCOMPARE(history->asFloat(QStringLiteral("VALUE")), 7.0);
        f->prompter.answerNext(true);
        tab->N20->trigger();
        QCOMPARE(f->prompter.questions.last(), f->form()->GetLanguageWord(1022));
        QCOMPARE(history->asFloat(QStringLiteral("VALUE")), 8.25);
        QCOMPARE(history->asString(QStringLiteral("COMMENT")), QStringLiteral("fixed"));
        f->prompter.answerNext(true);
        tab->N7->trigger();
        QCOMPARE(f->prompter.questions.last(), f->form()->GetLanguageWord(1000));
        QCOMPARE(history->count(), 0);
        QVERIFY(!tab->N7->isEnabled());
    }

    void period_boundsAndWholeHistory()
    {
        for (const auto& [day, time] : {std::pair{QDate(2026, 12, 5), QTime(0, 0)},
                                        {QDate(2026, 12, 5), QTime(23, 59, 59)},
                                        {QDate(2026, 12, 6), QTime(0, 0, 0)},
                                        {QDate(2020, 1, 1), QTime(12, 0)}}) {
            f->clock.set(DateTime::fromDateAndTime(day, time));
            tab->BitBtn17->click();
        }
        tab->LabeledEdit5->setText(QStringLiteral("typed"));
        tab->DateTimePicker9->setDate(QDate(2026, 12, 5));
        tab->DateTimePicker10->setDate(QDate(2026, 12, 5));
        QCOMPARE(history->count(), 2);
        QCOMPARE(tab->LabeledEdit5->text(), QString());    // a period change restores the entry
        tab->DateTimePicker9->setDate(QDate(2026, 12, 7)); // last before first
        QCOMPARE(history->count(), 0);
        tab->CheckBox5->click();
        QVERIFY(!tab->DateTimePicker9->isEnabled() && !tab->DateTimePicker10->isEnabled());
        QCOMPARE(history->count(), 4);
        tab->CheckBox5->click();
        QCOMPARE(history->count(), 0);
    }

    void noParameters_disablesAdding()
    {
        MainWindowFixture empty;
        empty.database.exec(QStringLiteral("DELETE FROM p_type"));
        TMainForm& form = empty.show();
        QVERIFY(!form.TabSheet1->BitBtn17->isEnabled());
        QCOMPARE(form.data().MeasuresQuery.count(), 0);
    }

    void failingJournalWrite_keepsMeasurementAndShowsError()
    {
        f->form()->database().execute(QStringLiteral("DROP TABLE JOURNAL"));
        tab->BitBtn17->click();
        QCOMPARE(f->prompter.errors.size(), 1);
        DataSet check(f->form()->database(), QStringLiteral("Check"), QStringLiteral("SELECT * FROM MEASURES"));
        check.open();
        QCOMPARE(check.count(), 1);
    }

    void storedOptions_applyAtStart()
    {
        MainWindowFixture other;
        other.settings->writeInteger(QStringLiteral("ADDJOURNALRECORD"), 2);
        other.settings->writeInteger(QStringLiteral("WATTERPARAMETERSPERIOD"), 3);
        other.settings->writeInteger(QStringLiteral("PARAMGROUPBOXWIDTH"), 140);
        TMainForm& form = other.show();
        QVERIFY(!form.TabSheet1->CheckBox7->isChecked());
        QVERIFY(!form.TabSheet1->Edit2->isEnabled());
        QCOMPARE(form.TabSheet1->DateTimePicker9->date().daysTo(form.TabSheet1->DateTimePicker10->date()), 3);
        form.close();
        QCOMPARE(other.reopenedSettings()->readInteger(QStringLiteral("ADDJOURNALRECORD")), std::optional<int>(0));
        QCOMPARE(other.reopenedSettings()->readInteger(QStringLiteral("PARAMGROUPBOXWIDTH")), std::optional<int>(140));
    }
};

QTEST_MAIN(ParametersTabTest)
#include "ParametersTabTest.moc"
