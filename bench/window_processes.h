#pragma once

#include <QStringList>

#include <optional>

// The start-up is measured from outside, in processes of its own started afresh each time: this
// program run again with a mode argument shows the program's window, or the reference window,
// and reports once it is shown. Each process has its own high-water mark of memory. Sizes are in
// millions of bytes.

inline constexpr const char* childModeArgument = "--window-process";

// The child side: `arguments` after the mode argument are "reference", or "startup" with the
// host file and the folder. Shows that window, prints its peak and private resident sizes in kB.
int runWindowProcess(int argc, char** argv);

struct ProcessFigures {
    double peakMegabytes = 0;    // peak resident size, the window shown
    double privateMegabytes = 0; // resident and the process's own, once the window is shown
    double seconds = 0;          // from starting the process to its report that it is shown
};

struct ProcessComparison {
    ProcessFigures reference;
    ProcessFigures startUp;
};

// Runs the reference child and the start-up child on `startUpArguments` (host file, folder) in
// turn, `runs` times each, and gives the median of each figure; none if a run failed.
std::optional<ProcessComparison> compareWindowProcesses(const QStringList& startUpArguments,
                                                        int runs);
