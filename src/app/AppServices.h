#pragma once

#include "data/Database.h"

#include <QString>

class Clock;
class Prompter;
class SettingsStore;
class StartWithSystem;

// What the main window is given rather than reaching for globals.
struct AppServices {
    SettingsStore& settings;
    StartWithSystem& startWithSystem;
    Clock& clock;
    Prompter& prompter;
    // The program's folder, ending with a path separator: the database lies there.
    QString programFolder;
    // Tests skip the 2.5 s splash.
    bool showSplash = true;
    // A write-protected database file opens this way too.
    Database::Access databaseAccess = Database::Access::ReadWrite;
};
