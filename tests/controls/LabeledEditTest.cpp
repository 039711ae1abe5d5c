#include "ControlTests.h"

#include "controls/LabeledEdit.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {
QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<no interface>");
}
} // namespace

class LabeledEditTest : public QObject {
    Q_OBJECT
private slots:
    void editIsNamedByCaption_data();
    void editIsNamedByCaption();
    void nameFollowsNewCaption();
    void textPassesThrough();
    void maxLengthCutsText();
    void mnemonicFocusesEdit();
};

void LabeledEditTest::editIsNamedByCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");

    QTest::newRow("plain") << "Volume, l"
                           << "Volume, l";
    QTest::newRow("mnemonic") << "&Volume"
                              << "Volume";
    QTest::newRow("literal ampersand") << "Salt && fresh"
                                       << "Salt & fresh";
    QTest::newRow("Cyrillic") << QString::fromUtf8("&Объём") << QString::fromUtf8("Объём");
}

void LabeledEditTest::editIsNamedByCaption()
{
    QFETCH(QString, caption);
    QFETCH(QString, name);

    LabeledEdit control(caption);
    QCOMPARE(control.label()->buddy(), control.edit());
    QCOMPARE(accessibleName(control.edit()), name);
}

void LabeledEditTest::nameFollowsNewCaption()
{
    // Captions change with the interface language; the name must go along.
    LabeledEdit control("Volume");
    control.setLabelText("Length");
    QCOMPARE(control.labelText(), "Length");
    QCOMPARE(accessibleName(control.edit()), "Length");
}

void LabeledEditTest::textPassesThrough()
{
    LabeledEdit control("Name");
    QSignalSpy changed(&control, &LabeledEdit::textChanged);

    control.setText("Nemo");
    QCOMPARE(control.edit()->text(), "Nemo");
    QTest::keyClicks(control.edit(), "!");
    QCOMPARE(control.text(), "Nemo!");

    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().at(0).toString(), "Nemo!");
}

void LabeledEditTest::maxLengthCutsText()
{
    LabeledEdit control;
    control.setMaxLength(3);
    QCOMPARE(control.maxLength(), 3);
    control.setText("abcdef");
    QCOMPARE(control.text(), "abc");
    QTest::keyClicks(control.edit(), "x");
    QCOMPARE(control.text(), "abc");
}

void LabeledEditTest::mnemonicFocusesEdit()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit(&window);
    auto* control = new LabeledEdit("&Volume", &window);
    layout->addWidget(first);
    layout->addWidget(control);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());

    QTest::keyClick(&window, Qt::Key_V, Qt::AltModifier);
    QTRY_VERIFY(control->edit()->hasFocus());

    // Focusing the control itself, as a form's tab order does, lands in the edit.
    first->setFocus();
    control->setFocus();
    QTRY_VERIFY(control->edit()->hasFocus());
}

int runLabeledEditTest(int argc, char** argv)
{
    LabeledEditTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LabeledEditTest.moc"
