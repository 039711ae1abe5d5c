#include "ControlTests.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The expected texts are written for US English; a test wanting another
    // locale sets it on its widget.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    int failures = 0;
    for (auto run : {runAccessibilityTest, runBrowseEditTest, runCalcEditTest, runLabeledEditTest, runPickersTest,
                     runPictureTest, runRunningClockTest, runSpinTest})
        failures += run(argc, argv);
    return failures;
}
