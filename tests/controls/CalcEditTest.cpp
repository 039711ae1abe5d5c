#include "ControlTests.h"

#include "controls/ArithmeticExpression.h"
#include "controls/CalcEdit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kRussian(QLocale::Russian, QLocale::Russia);
const QLocale kSwedish(QLocale::Swedish, QLocale::Sweden);

// A shown window holding the edit and a second field to move the focus to.
struct Form {
    QWidget window;
    CalcEdit* calc = new CalcEdit(&window);
    QLineEdit* other = new QLineEdit(&window);

    Form()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(calc);
        layout->addWidget(other);
    }
    // Shown with the focus in the other field, since showing would focus the first.
    bool open()
    {
        window.show();
        return QTest::qWaitForWindowActive(&window) && focusOther();
    }
    static bool focus(QWidget* widget)
    {
        widget->setFocus(Qt::TabFocusReason);
        return QTest::qWaitFor([widget] { return widget->hasFocus(); });
    }
    bool focusCalc() { return focus(calc); }
    bool focusOther() { return focus(other); }
    void retype(const QString& text)
    {
        calc->selectAll();
        QTest::keyClick(calc, Qt::Key_Delete);
        QTest::keyClicks(calc, text);
    }
};
} // namespace

class CalcEditTest : public QObject {
    Q_OBJECT
private slots:
    void evaluator_data();
    void evaluator();
    void shownText_data();
    void shownText();

    void enterEvaluatesTypedExpression();
    void leavingEvaluatesTypedExpression();
    void badInputKeepsLastValue();
    void blankMeansZero();
    void editingShowsPlainNumber();
    void ownTextReadsBackInLocale_data();
    void ownTextReadsBackInLocale();
    void untouchedFieldKeepsFullPrecision();
    void setValueSignalsOnlyChanges();
};

void CalcEditTest::evaluator_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");

    QTest::newRow("product before sum") << "2+3*4" << true << 14.0;
    QTest::newRow("parentheses first") << "(2+3)*4" << true << 20.0;
    QTest::newRow("nested parentheses") << "((1+2)*(3+4))/7" << true << 3.0;
    QTest::newRow("minus is left-associative") << "7-2-1" << true << 4.0;
    QTest::newRow("division is left-associative") << "8/2/2" << true << 2.0;
    QTest::newRow("unary minus at start") << "-3+5" << true << 2.0;
    QTest::newRow("unary minus after operator") << "2*-3" << true << -6.0;
    QTest::newRow("double unary minus") << "--2" << true << 2.0;
    QTest::newRow("unary minus on parentheses") << "-(2+3)" << true << -5.0;
    QTest::newRow("unary plus") << "+4" << true << 4.0;
    QTest::newRow("fraction result") << "10/4" << true << 2.5;
    QTest::newRow("point and comma") << "2.5+0,5" << true << 3.0;
    QTest::newRow("leading separator") << ",5" << true << 0.5;
    QTest::newRow("trailing separator") << "5." << true << 5.0;
    QTest::newRow("spaces around") << "  2 +  3 " << true << 5.0;
    QTest::newRow("grouped by spaces") << "1 234,5" << true << 1234.5;
    QTest::newRow("grouped by no-break space") << QString::fromUtf8("1\u00a0234,5") << true << 1234.5;
    QTest::newRow("minus sign U+2212") << QString::fromUtf8("2\u22123") << true << -1.0;
    QTest::newRow("plain number") << "42" << true << 42.0;

    QTest::newRow("division by zero") << "1/0" << false << 0.0;
    QTest::newRow("division by computed zero") << "1/(2-2)" << false << 0.0;
    QTest::newRow("zero by zero") << "0/0" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("number then letters") << "12abc" << false << 0.0;
    QTest::newRow("dangling operator") << "2+" << false << 0.0;
    QTest::newRow("unclosed parenthesis") << "(2+3" << false << 0.0;
    QTest::newRow("stray closing parenthesis") << "2+3)" << false << 0.0;
    QTest::newRow("empty parentheses") << "()" << false << 0.0;
    QTest::newRow("two separators") << "1.2.3" << false << 0.0;
    QTest::newRow("separator alone") << "." << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("too large") << QString(400, u'9') << false << 0.0;
    QTest::newRow("deep nesting") << QString(100000, u'(') + u'1' << false << 0.0;
}

void CalcEditTest::evaluator()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, expected);

    const std::optional<double> result = ArithmeticExpression::evaluate(text);
    QCOMPARE(result.has_value(), valid);
    if (valid)
        QCOMPARE(*result, expected);
}

void CalcEditTest::shownText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("thousands grouped") << kEnglish << 1234567.125 << "1,234,567.125";
    QTest::newRow("no trailing zeros") << kEnglish << 2.5 << "2.5";
    QTest::newRow("whole number has no point") << kEnglish << 3.0 << "3";
    QTest::newRow("zero") << kEnglish << 0.0 << "0";
    QTest::newRow("rounded to seven decimals") << kEnglish << 0.123456789 << "0.1234568";
    QTest::newRow("binary error hidden") << kEnglish << 0.1 + 0.2 << "0.3";
    QTest::newRow("negative grouped") << kEnglish << -1234.5 << "-1,234.5";
    QTest::newRow("tiny negative is plain zero") << kEnglish << -0.00000001 << "0";
    QTest::newRow("C locale grouped too") << QLocale::c() << 1234.5 << "1,234.5";
    QTest::newRow("Russian") << kRussian << 1234567.25 << QString::fromUtf8("1\u00a0234\u00a0567,25");
    QTest::newRow("Swedish minus") << kSwedish << -1234.5 << QString::fromUtf8("\u22121\u00a0234,5");
}

void CalcEditTest::shownText()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);

    CalcEdit calc;
    calc.setLocale(locale);
    calc.setValue(value);
    QCOMPARE(calc.text(), expected);
    // The value itself is not rounded by being shown.
    QCOMPARE(calc.value(), value);
}

void CalcEditTest::enterEvaluatesTypedExpression()
{
    Form form;
    QVERIFY(form.open());
    form.calc->setValue(10);
    QVERIFY(form.focusCalc());
    QSignalSpy changed(form.calc, &CalcEdit::valueChanged);
    QSignalSpy returnPressed(form.calc, &QLineEdit::returnPressed);

    form.retype("2+3*4");
    QCOMPARE(changed.count(), 0); // nothing is evaluated while typing
    QTest::keyClick(form.calc, Qt::Key_Return);

    QCOMPARE(form.calc->value(), 14.0);
    QCOMPARE(form.calc->text(), "14");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toDouble(), 14.0);
    // Enter still reaches the line edit, so a dialog's default button works.
    QCOMPARE(returnPressed.count(), 1);
}

void CalcEditTest::leavingEvaluatesTypedExpression()
{
    Form form;
    QVERIFY(form.open());
    QVERIFY(form.focusCalc());
    form.retype("(1000+500)*2");
    QVERIFY(form.focusOther());

    QCOMPARE(form.calc->value(), 3000.0);
    QCOMPARE(form.calc->text(), "3,000");
}

void CalcEditTest::badInputKeepsLastValue()
{
    Form form;
    QVERIFY(form.open());
    form.calc->setValue(7.5);
    QVERIFY(form.focusCalc());
    QSignalSpy changed(form.calc, &CalcEdit::valueChanged);

    for (const char* garbage : {"7+", "1/0", "seven", "(2"}) {
        form.retype(garbage);
        QTest::keyClick(form.calc, Qt::Key_Return);
        QCOMPARE(form.calc->value(), 7.5);
        QCOMPARE(form.calc->text(), "7.5");
    }
    form.retype("abc");
    QVERIFY(form.focusOther());
    QCOMPARE(form.calc->value(), 7.5);
    QCOMPARE(form.calc->text(), "7.5");
    QCOMPARE(changed.count(), 0);
}

void CalcEditTest::blankMeansZero()
{
    Form form;
    QVERIFY(form.open());
    form.calc->setValue(12);
    QVERIFY(form.focusCalc());
    form.retype("");
    QTest::keyClick(form.calc, Qt::Key_Return);
    QCOMPARE(form.calc->value(), 0.0);
    QCOMPARE(form.calc->text(), "0");
}

void CalcEditTest::editingShowsPlainNumber()
{
    // Group separators would be read back as decimal points (',' is one), so
    // the focused field shows the number without them.
    Form form;
    QVERIFY(form.open());
    form.calc->setValue(1234567.5);
    QCOMPARE(form.calc->text(), "1,234,567.5");
    QVERIFY(form.focusCalc());
    QCOMPARE(form.calc->text(), "1234567.5");
    QVERIFY(form.focusOther());
    QCOMPARE(form.calc->text(), "1,234,567.5");
    QCOMPARE(form.calc->value(), 1234567.5);
}

void CalcEditTest::ownTextReadsBackInLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("appended");
    QTest::addColumn<double>("expected");

    QTest::newRow("English") << kEnglish << 1234.5 << "+1" << 1235.5;
    QTest::newRow("Russian comma") << kRussian << 1234.5 << "+1" << 1235.5;
    QTest::newRow("Russian typed point") << kRussian << 2.0 << "*1.5" << 3.0;
    QTest::newRow("Swedish minus sign") << kSwedish << -2.5 << "*2" << -5.0;
}

void CalcEditTest::ownTextReadsBackInLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, appended);
    QFETCH(double, expected);

    Form form;
    form.calc->setLocale(locale);
    QVERIFY(form.open());
    form.calc->setValue(value);
    QVERIFY(form.focusCalc());
    QTest::keyClick(form.calc, Qt::Key_End);
    QTest::keyClicks(form.calc, appended);
    QTest::keyClick(form.calc, Qt::Key_Return);
    QCOMPARE(form.calc->value(), expected);
}

void CalcEditTest::untouchedFieldKeepsFullPrecision()
{
    // Only seven decimals are shown; passing through the field must not cut
    // the value to what is shown.
    Form form;
    QVERIFY(form.open());
    const double precise = 0.123456789012;
    form.calc->setValue(precise);
    QSignalSpy changed(form.calc, &CalcEdit::valueChanged);
    QVERIFY(form.focusCalc());
    QTest::keyClick(form.calc, Qt::Key_Return);
    QVERIFY(form.focusOther());
    QCOMPARE(form.calc->value(), precise);
    QCOMPARE(changed.count(), 0);
}

void CalcEditTest::setValueSignalsOnlyChanges()
{
    CalcEdit calc;
    QSignalSpy changed(&calc, &CalcEdit::valueChanged);
    calc.setValue(5);
    calc.setValue(5);
    calc.setValue(-1);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).toDouble(), -1.0);
}

int runCalcEditTest(int argc, char** argv)
{
    CalcEditTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CalcEditTest.moc"
