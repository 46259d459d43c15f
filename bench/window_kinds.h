#pragma once

#include <QDir>
#include <QWidget>

#include <memory>

// The two windows whose processes are compared, each created, shown and painted.

// One label and one button in a window of the program window's size and font: what a Qt
// program that shows a little text pays for a window, its fonts loaded as the program's are.
std::unique_ptr<QWidget> shownReferenceWindow();

// The program's window after its start-up sequence on `hostPath`, shown as main() shows it; none
// when the start-up failed.
std::unique_ptr<QWidget> shownStartedWindow(const QString& hostPath, const QDir& folder);
