#pragma once

class QApplication;
struct AppServices;

// Creates the main window and runs the program until it closes; returns the
// exit code. A database that cannot be opened at creation shows the error box
// and ends with 1 before any window is shown or anything is written.
int runProgram(QApplication& app, AppServices& services);
