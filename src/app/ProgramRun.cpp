#include "app/ProgramRun.h"

#include "app/AppServices.h"
#include "app/TMainForm.h"
#include "controls/Prompter.h"

#include <QApplication>

#include <memory>

int runProgram(QApplication& app, AppServices& services)
{
    std::unique_ptr<TMainForm> form;
    try {
        form = std::make_unique<TMainForm>(services);
    } catch (const DatabaseError& e) {
        services.prompter.showError(HandlerGuard::withFullStop(e.message()));
        return 1;
    }
    // Other windows (the stopwatch) may still be open: closing the main window ends the program.
    QObject::connect(form.get(), &TMainForm::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    form->show();
    return app.exec();
}
