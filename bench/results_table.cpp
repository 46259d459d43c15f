#include "results_table.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <unistd.h>

MedianCollector::MedianCollector()
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

namespace {

// Whether a run was not taken: Google Benchmark 1.8 replaced `error_occurred` by `skipped`.
template <typename Run> bool notTaken(const Run& run) {
    if constexpr (requires { run.skipped; })
        return static_cast<int>(run.skipped) != 0;
    else
        return run.error_occurred;
}

} // namespace

void MedianCollector::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        failed_ = failed_ || notTaken(run);
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (notTaken(run) || !(single || median))
            continue;
        medians_[run.run_name.function_name] =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
}

std::optional<double> MedianCollector::seconds(const std::string& name) const {
    const auto found = medians_.find(name);
    if (found == medians_.end())
        return std::nullopt;
    return found->second;
}

namespace {

using Cells = std::array<std::string, 7>;

Cells cellsOf(const Comparison& c) {
    const char* verdict = !c.met ? "-" : *c.met ? "met" : "MISSED";
    return {c.measure, c.value, c.reference, c.referenceValue, c.figure, c.goal, verdict};
}

void printCells(const Cells& cells, const std::array<std::size_t, 7>& widths) {
    for (std::size_t i = 0; i < cells.size(); ++i)
        std::printf("%-*s%s", int(widths[i]), cells[i].c_str(), i + 1 < cells.size() ? "  " : "\n");
}

} // namespace

void printTable(const std::vector<Comparison>& rows) {
    const Cells header{"measure", "value", "reference", "value", "ratio", "goal", "verdict"};
    std::array<std::size_t, 7> widths{};
    auto widen = [&widths](const Cells& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            widths[i] = std::max(widths[i], cells[i].size());
    };
    widen(header);
    for (const Comparison& row : rows)
        widen(cellsOf(row));
    std::printf("\n");
    printCells(header, widths);
    for (const Comparison& row : rows)
        printCells(cellsOf(row), widths);
}
