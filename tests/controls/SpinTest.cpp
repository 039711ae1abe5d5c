#include "ControlTests.h"

#include "controls/SpinButtonPair.h"
#include "controls/SpinEdit.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {
// QCOMPARE on doubles forgives a few ulps, so exact checks use == and print this.
QByteArray describe(double actual)
{
    return QByteArray::number(actual, 'g', 17);
}
} // namespace

class SpinTest : public QObject {
    Q_OBJECT
private slots:
    void arrowKeysStepExactly_data();
    void arrowKeysStepExactly();
    void setRangeLimits_data();
    void setRangeLimits();
    void signalCarriesRoundedValue();
    void typedNumberCountsBeforeStep();
    void shownWithoutTrailingZeros_data();
    void shownWithoutTrailingZeros();

    void buttonPairSignals_data();
    void buttonPairSignals();
};

void SpinTest::arrowKeysStepExactly_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("presses"); // negative: down arrow
    QTest::addColumn<double>("expected");
    QTest::addColumn<QString>("shown");

    QTest::newRow("three tenths up") << 7.0 << 0.1 << 3 << 7.3 << "7.3";
    QTest::newRow("three tenths from zero") << 0.0 << 0.1 << 3 << 0.3 << "0.3";
    QTest::newRow("ten tenths make one") << 0.0 << 0.1 << 10 << 1.0 << "1";
    QTest::newRow("tenths down") << 1.0 << 0.1 << -3 << 0.7 << "0.7";
    QTest::newRow("hundredths") << 0.0 << 0.01 << 7 << 0.07 << "0.07";
    QTest::newRow("down past zero") << 2.0 << 1.0 << -5 << -3.0 << "-3";
    QTest::newRow("up past a hundred") << 99.5 << 0.25 << 4 << 100.5 << "100.5";
    QTest::newRow("large values") << 1000000.0 << 0.5 << 1 << 1000000.5 << "1000000.5";
}

void SpinTest::arrowKeysStepExactly()
{
    QFETCH(double, start);
    QFETCH(double, step);
    QFETCH(int, presses);
    QFETCH(double, expected);
    QFETCH(QString, shown);

    SpinEdit spin;
    spin.setValue(start);
    spin.setStep(step);
    for (int i = 0; i < std::abs(presses); ++i)
        QTest::keyClick(&spin, presses > 0 ? Qt::Key_Up : Qt::Key_Down);

    QVERIFY2(spin.value() == expected, describe(spin.value()));
    QCOMPARE(spin.text(), shown);
}

void SpinTest::setRangeLimits_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<int>("steps");
    QTest::addColumn<double>("expected");

    QTest::newRow("stops at maximum") << 9.5 << 1 << 10.0;
    QTest::newRow("stops at minimum") << 0.5 << -1 << 0.0;
    QTest::newRow("inside range") << 5.0 << 2 << 7.0;
}

void SpinTest::setRangeLimits()
{
    QFETCH(double, start);
    QFETCH(int, steps);
    QFETCH(double, expected);

    SpinEdit spin;
    spin.setRange(0, 10);
    spin.setValue(start);
    spin.stepBy(steps);
    QCOMPARE(spin.value(), expected);
}

void SpinTest::signalCarriesRoundedValue()
{
    SpinEdit spin;
    spin.setStep(0.1);
    QSignalSpy changed(&spin, &SpinEdit::valueChanged);
    spin.stepBy(3); // 3 × 0.1 is 0.30000000000000004 in binary
    QCOMPARE(changed.count(), 1);
    const double reported = changed.at(0).at(0).toDouble();
    QVERIFY2(reported == 0.3, describe(reported));
}

void SpinTest::typedNumberCountsBeforeStep()
{
    SpinEdit spin;
    spin.setValue(1);
    spin.selectAll();
    QTest::keyClicks(&spin, "2.5");
    QTest::keyClick(&spin, Qt::Key_Up);
    QCOMPARE(spin.value(), 3.5);
}

void SpinTest::shownWithoutTrailingZeros_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");

    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("whole") << english << 12.0 << "12";
    QTest::newRow("one decimal") << english << 12.5 << "12.5";
    QTest::newRow("seven decimals") << english << 0.1234567 << "0.1234567";
    QTest::newRow("negative") << english << -0.25 << "-0.25";
    QTest::newRow("Russian comma") << QLocale(QLocale::Russian, QLocale::Russia) << 12.5 << "12,5";
}

void SpinTest::shownWithoutTrailingZeros()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, shown);

    SpinEdit spin;
    spin.setLocale(locale);
    spin.setValue(value);
    QCOMPARE(spin.text(), shown);
    // The shown text reads back as the same value.
    QCOMPARE(spin.valueFromText(spin.text()), value);
}

void SpinTest::buttonPairSignals_data()
{
    QTest::addColumn<bool>("up");
    QTest::newRow("up") << true;
    QTest::newRow("down") << false;
}

void SpinTest::buttonPairSignals()
{
    QFETCH(bool, up);

    SpinButtonPair pair;
    pair.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pair));
    QSignalSpy upClicked(&pair, &SpinButtonPair::upClicked);
    QSignalSpy downClicked(&pair, &SpinButtonPair::downClicked);

    QToolButton* button = up ? pair.upButton() : pair.downButton();
    QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(upClicked.count(), up ? 1 : 0);
    QCOMPARE(downClicked.count(), up ? 0 : 1);
    // The upper button is the up one.
    QVERIFY(pair.upButton()->geometry().bottom() <= pair.downButton()->geometry().top());
}

int runSpinTest(int argc, char** argv)
{
    SpinTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SpinTest.moc"
