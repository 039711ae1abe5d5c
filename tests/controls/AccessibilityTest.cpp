#include "ControlTests.h"

#include "controls/BrowseEdit.h"
#include "controls/CalcEdit.h"
#include "controls/DatePicker.h"
#include "controls/FileNameEdit.h"
#include "controls/FolderEdit.h"
#include "controls/RunningClock.h"
#include "controls/SpinButtonPair.h"
#include "controls/SpinEdit.h"
#include "controls/TimePicker.h"

#include <QAccessible>
#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include <functional>

namespace {
using Factory = std::function<QWidget*(QWidget* parent)>;

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

QToolButton* browseButton(const BrowseEdit& edit)
{
    for (QObject* object : edit.browseAction()->associatedObjects()) {
        if (auto* button = qobject_cast<QToolButton*>(object))
            return button;
    }
    return nullptr;
}
} // namespace

Q_DECLARE_METATYPE(Factory)

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void fieldIsNamedByBuddyLabel_data();
    void fieldIsNamedByBuddyLabel();
    void buttonsAreNamed();
    void clockReadsAsItsTime();
};

void AccessibilityTest::fieldIsNamedByBuddyLabel_data()
{
    QTest::addColumn<Factory>("make");

    QTest::newRow("CalcEdit") << Factory([](QWidget* p) { return new CalcEdit(p); });
    QTest::newRow("SpinEdit") << Factory([](QWidget* p) { return new SpinEdit(p); });
    QTest::newRow("DatePicker") << Factory([](QWidget* p) { return new DatePicker(p); });
    QTest::newRow("TimePicker") << Factory([](QWidget* p) { return new TimePicker(p); });
    QTest::newRow("FileNameEdit") << Factory(
        [](QWidget* p) { return new FileNameEdit([](const QString&, const QString&) { return QString(); }, p); });
    QTest::newRow("FolderEdit") << Factory(
        [](QWidget* p) { return new FolderEdit([](const QString&) { return QString(); }, p); });
}

void AccessibilityTest::fieldIsNamedByBuddyLabel()
{
    QFETCH(Factory, make);

    // The way a form lays them out: a caption beside the field, as its buddy.
    QWidget form;
    auto* layout = new QHBoxLayout(&form);
    auto* caption = new QLabel("&Dose, ml", &form);
    QWidget* field = make(&form);
    caption->setBuddy(field);
    layout->addWidget(caption);
    layout->addWidget(field);

    QCOMPARE(accessibleName(field), "Dose, ml");
}

void AccessibilityTest::buttonsAreNamed()
{
    SpinButtonPair pair;
    QCOMPARE(accessibleName(pair.upButton()), "Up");
    QCOMPARE(accessibleName(pair.downButton()), "Down");

    FileNameEdit files([](const QString&, const QString&) { return QString(); });
    FolderEdit folders([](const QString&) { return QString(); });
    for (BrowseEdit* edit : {static_cast<BrowseEdit*>(&files), static_cast<BrowseEdit*>(&folders)}) {
        QToolButton* button = browseButton(*edit);
        QVERIFY(button);
        QCOMPARE(accessibleName(button), "Browse");
    }
}

void AccessibilityTest::clockReadsAsItsTime()
{
    RunningClock clock([] { return QDateTime(QDate(2024, 5, 1), QTime(9, 15, 0)); });
    clock.setRunning(false);
    QCOMPARE(accessibleName(&clock), "9:15:00 AM");
}

int runAccessibilityTest(int argc, char** argv)
{
    AccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AccessibilityTest.moc"
