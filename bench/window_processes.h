#pragma once

#include <QStringList>

#include <optional>

// Peak memory is measured in processes of their own, this program run again with a mode
// argument, so that the bare window and the start-up do not share one high-water mark.
// Sizes are in millions of bytes.

inline constexpr const char* childModeArgument = "--window-process";

// The child side: `arguments` after the mode argument are "bare", or "startup" with the host
// file and the folder. Shows that window, prints its peak and private resident sizes in kB.
int runWindowProcess(int argc, char** argv);

struct ProcessFigures {
    double peakMegabytes = 0;    // peak resident size
    double privateMegabytes = 0; // resident and the process's own, once the window is shown
    double seconds = 0;          // from starting the process to its end, the window shown
};

// Runs the child `runs` times and gives the median of each figure; none if a run failed.
std::optional<ProcessFigures> measureWindowProcess(const QStringList& arguments, int runs);
