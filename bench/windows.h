#pragma once

#include "conventions_window.h"

#include <QWidget>

#include <memory>

// The two windows the start-up is compared with, each created, shown and painted.

// A plain QWidget of the program window's size: what any Qt program pays for a window.
std::unique_ptr<QWidget> shownBareWindow();

// The program's window after its start-up sequence on `hostPath`, as main() shows it; none
// when the start-up failed.
std::unique_ptr<ConventionsWindow> shownStartedWindow(const QString& hostPath, const QDir& folder);
