#pragma once

#include "peak_memory.h"
#include "results_table.h"
#include "workspace.h"

// The figures the benchmark reports, each beside its reference, with its goal.
struct Figures {
    const MedianCollector& times;
    const Workspace& workspace;
    std::optional<ProcessFigures> bareProcess;
    std::optional<ProcessFigures> startUpProcess;
};

std::vector<Comparison> summarise(const Figures& figures);
