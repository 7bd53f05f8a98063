#pragma once
// The program's start: the long-lived windows and modules in their order, the configuration
// file, the login, and the event loop with the main window shown maximised.

#include <QString>

namespace custos::app {

// Runs the program with velko.ini taken from programFolder; returns the exit code. A missing or
// unreadable configuration file is reported before any window shows and ends the program (1);
// a cancelled or refused login ends it at once (0).
int runCustos(const QString& programFolder);

} // namespace custos::app
