#include "MainWindowFixture.h"

#include "app/MainMenu.h"
#include "controls/CalcEdit.h"
#include "controls/DataGrid.h"
#include "controls/DataSetModel.h"
#include "controls/LabeledEdit.h"
#include "controls/SpinButtonPair.h"
#include "data/DataSet.h"
#include "parameters/TWatterParametersForm.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

// The parameter definitions window inside a whole main window, on a fresh
// database holding the parameters pH, KH, GH, NO2, NO3 and Температура (1 to 6).
// The window is shown without its modal loop and driven through its controls.
class WatterParametersFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;
    TWatterParametersForm* w = nullptr;

    // Creates the main window and shows the editor over it.
    void open()
    {
        f->show();
        w = f->form()->WatterParametersForm;
        w->show();
    }
    DataSet& list() const { return w->definitions().list(); }
    DataSet& mainList() const { return f->form()->data().MeasuresTypeQuery; }
    void addMeasures(int parameter, int count)
    {
        for (int n = 1; n <= count; ++n)
            f->database.exec(QStringLiteral("INSERT INTO MEASURES (ID, REF_P_TYPE, \"VALUE\", \"WHEN\") "
                                            "VALUES (%1, %2, 1.5, 45000)")
                                 .arg(parameter * 100 + n)
                                 .arg(parameter));
    }
    int count(const QString& sql) const
    {
        DataSet ds(f->form()->database(), QStringLiteral("Check"), sql);
        ds.open();
        return ds.count();
    }
    QStringList names(DataSet& ds) const
    {
        QStringList out;
        const int column = ds.fieldIndex(QStringLiteral("PARAM"));
        for (int r = 0; r < ds.count(); ++r)
            out << SqlValues::toText(ds.valueAt(r, column));
        return out;
    }
    // The grid's column titles as the user sees them, left to right.
    QStringList columnTitles() const
    {
        QHeaderView* header = w->DBISAMDBGrid1->horizontalHeader();
        QStringList out;
        for (int v = 0; v < header->count(); ++v) {
            const int logical = header->logicalIndex(v);
            if (!header->isSectionHidden(logical))
                out << w->DBISAMDBGrid1->model()->headerData(logical, Qt::Horizontal).toString();
        }
        return out;
    }
    void selectRow(int row)
    {
        w->DBISAMDBGrid1->selectRow(row);
        QCOMPARE(list().currentIndex(), row);
    }
    // Key presses carrying the text, which also types what keyClicks cannot (Cyrillic).
    static void type(QLineEdit* edit, const QString& text)
    {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    static void retype(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        type(edit, text);
    }
    void verifyFields(const QString& name, double def, double step, const QString& comment,
                      const QString& journalTemplate) const
    {
        QCOMPARE(w->Edit1->text(), name);
        QCOMPARE(w->RxCalcEdit1->value(), def);
        QCOMPARE(w->RxCalcEdit2->value(), step);
        QCOMPARE(w->LabeledEdit1->text(), comment);
        QCOMPARE(w->LabeledEdit2->text(), journalTemplate);
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        QVERIFY(f->database.isValid());
    }
    void cleanup()
    {
        if (f) {
            QVERIFY2(f->prompter.unexpected.isEmpty(), qPrintable(f->prompter.unexpected.join('\n')));
            QVERIFY2(f->prompter.errors.isEmpty(), qPrintable(f->prompter.errors.join('\n')));
        }
        w = nullptr;
        f.reset();
    }

    void show_opensListInEditModeAndClosing_closesIt()
    {
        open();
        QCOMPARE(w->windowTitle(), QStringLiteral("Параметры воды"));
        QVERIFY(w->isModal());
        QCOMPARE(w->size(), QSize(608, 552));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(list().isOpen());
        QCOMPARE(list().count(), 6);
        QCOMPARE(columnTitles(), (QStringList{"Параметр", "По умолчанию", "Шаг", "Шаблон", "Комментарий"}));
        QVERIFY(w->RadioButton1->isChecked());
        QVERIFY(w->N10->isEnabled());
        verifyFields(QStringLiteral("pH"), 7.0, 0.1, QStringLiteral("Кислотность"), QStringLiteral("$$ = %%"));
        QCOMPARE(w->BitBtn2->text(), QStringLiteral("Записать изменения"));
        QVERIFY(!w->BitBtn2->isEnabled());
        // The labels name their fields for the keyboard and assistive tools.
        QCOMPARE(w->Label1->buddy(), w->Edit1);
        QCOMPARE(w->Label2->buddy(), w->RxCalcEdit1);
        QCOMPARE(w->Label4->buddy(), w->RxCalcEdit2);

        w->BitBtn1->click();
        QVERIFY(!w->isVisible());
        QVERIFY(!list().isOpen());

        // Shown again, it reads the list afresh.
        f->database.exec(QStringLiteral("DELETE FROM p_type WHERE ID=1"));
        w->show();
        QCOMPARE(list().count(), 5);
        QCOMPARE(w->Edit1->text(), QStringLiteral("KH"));
    }

    void emptyTable_opensInNewModeUntilANameIsTyped()
    {
        f->database.exec(QStringLiteral("DELETE FROM p_type"));
        open();
        QVERIFY(w->RadioButton2->isChecked());
        QVERIFY(!w->RadioButton1->isEnabled());
        QVERIFY(!w->N10->isEnabled());
        QCOMPARE(w->BitBtn2->text(), QStringLiteral("Добавить"));
        QVERIFY(!w->BitBtn2->isEnabled());

        type(w->Edit1, QStringLiteral("pH"));
        QVERIFY(w->BitBtn2->isEnabled());
        retype(w->Edit1, QString());
        QVERIFY(!w->BitBtn2->isEnabled());

        type(w->Edit1, QStringLiteral("pH"));
        w->BitBtn2->click();
        QCOMPARE(count(QStringLiteral("SELECT * FROM p_type WHERE ID=1")), 1);
        // Rows are back: edit mode may be chosen again, but is not chosen by itself.
        QVERIFY(w->RadioButton1->isEnabled());
        QVERIFY(w->N10->isEnabled());
        QVERIFY(w->RadioButton2->isChecked());
    }

    void newMode_onlyANameEnablesAdd_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("default") << "RxCalcEdit1";
        QTest::newRow("step") << "RxCalcEdit2";
        QTest::newRow("comment") << "LabeledEdit1";
        QTest::newRow("template") << "LabeledEdit2";
    }
    void newMode_onlyANameEnablesAdd()
    {
        QFETCH(QString, field);
        open();
        w->RadioButton2->click();
        QCOMPARE(w->BitBtn2->text(), QStringLiteral("Добавить"));
        QVERIFY(!w->BitBtn2->isEnabled());

        auto* edit = w->findChild<QWidget*>(field);
        QVERIFY(edit);
        auto* line = qobject_cast<QLineEdit*>(edit);
        if (auto* labeled = qobject_cast<LabeledEdit*>(edit))
            line = labeled->edit();
        QVERIFY(line);
        type(line, QStringLiteral("12"));
        if (auto* number = qobject_cast<CalcEdit*>(line))
            QVERIFY(number->evaluateText());
        QVERIFY(!w->BitBtn2->isEnabled());

        type(w->Edit1, QStringLiteral("Mg"));
        QVERIFY(w->BitBtn2->isEnabled());
    }

    void editMode_anyChangeEnablesSave_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("name typed") << "name";
        QTest::newRow("name emptied") << "empty name";
        QTest::newRow("default typed") << "default";
        QTest::newRow("step evaluated") << "step";
        QTest::newRow("comment typed") << "comment";
        QTest::newRow("template typed") << "template";
        QTest::newRow("template reset") << "reset";
    }
    void editMode_anyChangeEnablesSave()
    {
        QFETCH(QString, change);
        open();
        selectRow(1);
        QVERIFY(!w->BitBtn2->isEnabled());
        if (change == QLatin1String("name"))
            type(w->Edit1, QStringLiteral("x"));
        else if (change == QLatin1String("empty name"))
            retype(w->Edit1, QString());
        else if (change == QLatin1String("default"))
            type(w->RxCalcEdit1, QStringLiteral("5"));
        else if (change == QLatin1String("step"))
            w->RxCalcEdit2->setValue(0.25);
        else if (change == QLatin1String("comment"))
            type(w->LabeledEdit1->edit(), QStringLiteral("x"));
        else if (change == QLatin1String("template"))
            type(w->LabeledEdit2->edit(), QStringLiteral("x"));
        else
            w->Button1->click();
        QVERIFY(w->BitBtn2->isEnabled());
    }

    void editMode_save_storesFieldsAndStaysOnRow_data()
    {
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QString>("storedName");
        QTest::newRow("empty name") << ""
                                    << "";
        QTest::newRow("name cut to its column") << "Карбонатная жёсткость"
                                                << "Карбонатная жёс";
    }
    void editMode_save_storesFieldsAndStaysOnRow()
    {
        QFETCH(QString, typedName);
        QFETCH(QString, storedName);
        open();
        selectRow(1);
        retype(w->Edit1, typedName);
        // An expression typed without Enter counts with its result.
        retype(w->RxCalcEdit1, QStringLiteral("2*3+0.5"));
        retype(w->RxCalcEdit2, QStringLiteral("0.25"));
        retype(w->LabeledEdit1->edit(), QStringLiteral("Очень длинный комментарий к параметру"));
        w->Button1->click();
        QCOMPARE(w->LabeledEdit2->text(), QStringLiteral("$$ = %% (##)"));

        w->BitBtn2->click();

        DataSet& rows = list();
        QCOMPARE(rows.currentIndex(), 1);
        QCOMPARE(rows.asInt(QStringLiteral("ID")), 2);
        QCOMPARE(rows.asString(QStringLiteral("PARAM")), storedName);
        QCOMPARE(rows.asFloat(QStringLiteral("DEF")), 6.5);
        QCOMPARE(rows.asFloat(QStringLiteral("STEP")), 0.25);
        QCOMPARE(rows.asString(QStringLiteral("COMMENT")), QStringLiteral("Очень длинный комментарий"));
        QCOMPARE(rows.asString(QStringLiteral("TEMPLATE")), QStringLiteral("$$ = %% (##)"));
        verifyFields(storedName, 6.5, 0.25, QStringLiteral("Очень длинный комментарий"),
                     QStringLiteral("$$ = %% (##)"));
        QVERIFY(!w->BitBtn2->isEnabled());
        QVERIFY(mainList().locate(2));
        QCOMPARE(mainList().asString(QStringLiteral("PARAM")), storedName);
    }

    void add_resetsFieldsAndReadsAddInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("addCaption");
        QTest::newRow("Russian") << "Russian"
                                 << "Добавить";
        QTest::newRow("English") << "English"
                                 << "Add";
        QTest::newRow("German") << "German"
                                << "Hinzufügen";
    }
    void add_resetsFieldsAndReadsAddInEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, addCaption);
        open();
        // German is chosen through its handler: its menu item is disabled in the design.
        if (language == QLatin1String("English"))
            f->form()->N26Click();
        else if (language == QLatin1String("German"))
            f->form()->N27Click();
        else
            f->form()->N25Click();
        w->RadioButton2->click();
        QCOMPARE(w->BitBtn2->text(), addCaption);

        type(w->Edit1, QStringLiteral("Mg"));
        retype(w->RxCalcEdit1, QStringLiteral("1250"));
        retype(w->RxCalcEdit2, QStringLiteral("10"));
        type(w->LabeledEdit1->edit(), QStringLiteral("Магний"));
        retype(w->LabeledEdit2->edit(), QStringLiteral("$$: %%"));
        w->BitBtn2->click();

        QCOMPARE(count(QStringLiteral("SELECT * FROM p_type WHERE ID=7 AND PARAM='Mg' AND DEF=1250 AND STEP=10 "
                                      "AND TEMPLATE='$$: %%'")),
                 1);
        verifyFields(QString(), 0.0, 1.0, QString(), QStringLiteral("$$ = %%"));
        QCOMPARE(w->BitBtn2->text(), QStringLiteral("Добавить"));
        QVERIFY(!w->BitBtn2->isEnabled());
        QVERIFY(w->RadioButton2->isChecked());
        QCOMPARE(list().count(), 7);
        QCOMPARE(list().currentIndex(), 0);
        QCOMPARE(mainList().count(), 7);
    }

    void captions_followLanguageAndMode()
    {
        open();
        f->form()->N26Click();
        QCOMPARE(w->windowTitle(), QStringLiteral("Water parameters"));
        QCOMPARE(w->RadioButton1->text(), QStringLiteral("Edit"));
        QCOMPARE(w->LabeledEdit2->labelText(), QStringLiteral("Aquarium journal template"));
        QCOMPARE(columnTitles(), (QStringList{"Parameter", "Default", "Step", "Template", "Comment"}));
        QCOMPARE(w->BitBtn2->text(), QStringLiteral("Save changes"));
        w->RadioButton2->click();
        QCOMPARE(w->BitBtn2->text(), QStringLiteral("Add"));
        // A change of language in new mode gives the new language's add caption.
        f->form()->N27Click();
        QCOMPARE(w->BitBtn2->text(), QStringLiteral("Hinzufügen"));
        w->RadioButton1->click();
        QCOMPARE(w->BitBtn2->text(), QStringLiteral("Änderungen speichern"));
    }

    void newToEdit_showsRowButKeepsTemplate()
    {
        open();
        selectRow(2);
        w->RadioButton2->click();
        verifyFields(QString(), 0.0, 1.0, QString(), QStringLiteral("$$ = %% °dH"));
        retype(w->LabeledEdit2->edit(), QStringLiteral("mine"));
        // In new mode moving through the list leaves the fields alone.
        selectRow(0);
        verifyFields(QString(), 0.0, 1.0, QString(), QStringLiteral("mine"));

        w->RadioButton1->click();
        verifyFields(QStringLiteral("pH"), 7.0, 0.1, QStringLiteral("Кислотность"), QStringLiteral("mine"));
        QCOMPARE(w->BitBtn2->text(), QStringLiteral("Записать изменения"));
        QVERIFY(!w->BitBtn2->isEnabled());
        // The next row change brings the row's template.
        selectRow(1);
        QCOMPARE(w->LabeledEdit2->text(), QStringLiteral("$$ = %% °dH"));
    }

    void delete_asksTwiceAndOnlyYesTwiceDeletes_data()
    {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("no at the first") << QList<bool>{false} << false;
        QTest::newRow("no at the second") << QList<bool>{true, false} << false;
        QTest::newRow("yes twice") << QList<bool>{true, true} << true;
    }
    void delete_asksTwiceAndOnlyYesTwiceDeletes()
    {
        QFETCH(QList<bool>, answers);
        QFETCH(bool, deleted);
        addMeasures(2, 3);
        addMeasures(3, 1);
        open();
        selectRow(1);
        for (bool yes : answers)
            f->prompter.answerNext(yes);

        w->N10->trigger();

        const QStringList questions{
            QStringLiteral("Вы уверены, что хотите удалить параметр KH ?"),
            QStringLiteral("При удалении параметра KH будут удалены результаты всех его измерений. Вы уверены ?")};
        QCOMPARE(f->prompter.questions, questions.mid(0, answers.size()));
        QCOMPARE(count(QStringLiteral("SELECT * FROM p_type WHERE ID=2")), deleted ? 0 : 1);
        QCOMPARE(count(QStringLiteral("SELECT * FROM MEASURES WHERE REF_P_TYPE=2")), deleted ? 0 : 3);
        QCOMPARE(count(QStringLiteral("SELECT * FROM MEASURES WHERE REF_P_TYPE=3")), 1);
        QCOMPARE(list().count(), deleted ? 5 : 6);
        QCOMPARE(mainList().count(), deleted ? 5 : 6);
        QCOMPARE(list().currentIndex(), deleted ? 0 : 1);
    }

    void deletingTheLastParameter_forcesNewMode()
    {
        f->database.exec(QStringLiteral("DELETE FROM p_type WHERE ID>1"));
        open();
        QVERIFY(w->RadioButton1->isChecked());
        f->prompter.answerNext(true);
        f->prompter.answerNext(true);
        w->N10->trigger();
        QVERIFY(list().isEmpty());
        QVERIFY(w->RadioButton2->isChecked());
        QVERIFY(!w->RadioButton1->isEnabled());
        QVERIFY(!w->N10->isEnabled());
        QCOMPARE(w->BitBtn2->text(), QStringLiteral("Добавить"));
    }

    void arrows_moveParameterAndKeepItSelected_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("down");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<int>("rowAfter");
        const QStringList original{"pH", "KH", "GH", "NO2", "NO3", "Температура"};
        QTest::newRow("down") << 1 << true << QStringList{"pH", "GH", "KH", "NO2", "NO3", "Температура"} << 2;
        QTest::newRow("up") << 2 << false << QStringList{"pH", "GH", "KH", "NO2", "NO3", "Температура"} << 1;
        QTest::newRow("up at the first row") << 0 << false << original << 0;
        QTest::newRow("down at the last row") << 5 << true << original << 5;
    }
    void arrows_moveParameterAndKeepItSelected()
    {
        QFETCH(int, row);
        QFETCH(bool, down);
        QFETCH(QStringList, order);
        QFETCH(int, rowAfter);
        addMeasures(2, 2);
        addMeasures(3, 1);
        open();
        selectRow(row);
        const QString moved = list().asString(QStringLiteral("PARAM"));

        if (down)
            w->SpinButton1->downButton()->click();
        else
            w->SpinButton1->upButton()->click();

        QCOMPARE(names(list()), order);
        QCOMPARE(names(mainList()), order);
        QCOMPARE(list().currentIndex(), rowAfter);
        QCOMPARE(list().asString(QStringLiteral("PARAM")), moved);
        QCOMPARE(w->DBISAMDBGrid1->currentIndex().row(), rowAfter);
        QCOMPARE(w->Edit1->text(), moved);
        // The measurements went with their parameters.
        const int kh = order.indexOf(QStringLiteral("KH")) + 1;
        const int gh = order.indexOf(QStringLiteral("GH")) + 1;
        QCOMPARE(count(QStringLiteral("SELECT * FROM MEASURES WHERE REF_P_TYPE=%1").arg(kh)), 2);
        QCOMPARE(count(QStringLiteral("SELECT * FROM MEASURES WHERE REF_P_TYPE=%1").arg(gh)), 1);
    }

    void databaseError_isShownAndTheWindowGoesOn()
    {
        f->database.exec(QStringLiteral("CREATE TRIGGER fault BEFORE UPDATE ON p_type "
                                        "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
        open();
        selectRow(3);
        retype(w->Edit1, QStringLiteral("NO2-"));
        w->BitBtn2->click();
        QCOMPARE(f->prompter.errors, QStringList{QStringLiteral("disk full.")});
        f->prompter.errors.clear();
        QVERIFY(list().isOpen());
        QCOMPARE(list().asInt(QStringLiteral("ID")), 4);
        QCOMPARE(w->Edit1->text(), QStringLiteral("NO2"));
    }
};

QTEST_MAIN(WatterParametersFormTest)
#include "WatterParametersFormTest.moc"
