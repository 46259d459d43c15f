#pragma once

#include "results_table.h"
#include "window_processes.h"
#include "workspace.h"

// The figures the benchmark reports, each beside its reference, with its goal.
struct Figures {
    const MedianCollector& times;
    const Workspace& workspace;
    std::optional<ProcessComparison> processes;
};

std::vector<Comparison> summarise(const Figures& figures);
