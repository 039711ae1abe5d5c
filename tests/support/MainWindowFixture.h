#pragma once

#include "FakeStartWithSystem.h"
#include "FreshDatabase.h"
#include "ScriptedPrompter.h"
#include "TestClock.h"

#include "app/AppServices.h"
#include "app/FileSettingsStore.h"
#include "app/TMainForm.h"

#include <QTemporaryDir>

#include <memory>

// Everything a main window needs, in temporary folders: a fresh database, a
// settings file of its own, a test clock and a scripted prompter. No splash.
class MainWindowFixture {
public:
    MainWindowFixture();

    // Creates the main window (raises DatabaseError like the program's start).
    TMainForm& create();
    // Creates it if needed and shows it, running the first showing.
    TMainForm& show();
    TMainForm* form() const { return m_form.get(); }
    void destroy() { m_form.reset(); }

    // A fresh store on the same file, as the next run of the program reads it.
    std::unique_ptr<FileSettingsStore> reopenedSettings() const;

    FreshDatabase database;
    QTemporaryDir configDir;
    std::unique_ptr<FileSettingsStore> settings;
    FakeStartWithSystem startWithSystem;
    TestClock clock;
    ScriptedPrompter prompter;
    AppServices services;

private:
    std::unique_ptr<TMainForm> m_form;
};
