#include "app/AppServices.h"
#include "app/Clock.h"
#include "app/ProgramFolders.h"
#include "app/ProgramRun.h"
#include "app/SettingsStore.h"
#include "app/StartWithSystem.h"
#include "controls/Prompter.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Reefnote"));
    QApplication::setApplicationVersion(QStringLiteral(REEFNOTE_VERSION));

    auto settings = createUserSettingsStore();
    auto startWithSystem = createStartWithSystem();
    SystemClock clock;
    DialogPrompter prompter(QStringLiteral("Reefnote"));
    AppServices services{*settings, *startWithSystem, clock, prompter, ProgramFolders::ofExecutable()};
    return runProgram(app, services);
}
