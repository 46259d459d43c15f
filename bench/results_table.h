#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

// Prints every run as the console reporter does, and keeps the median real time of each
// benchmark, in seconds, for the comparisons.
class MedianCollector : public benchmark::ConsoleReporter {
  public:
    // In colour on a terminal only.
    MedianCollector();

    void ReportRuns(const std::vector<Run>& runs) override;

    // None when the benchmark did not run (filtered out, or failed).
    std::optional<double> seconds(const std::string& name) const;
    // Whether a benchmark failed to do its work.
    bool anyFailed() const { return failed_; }

  private:
    std::map<std::string, double> medians_;
    bool failed_ = false;
};

// One line of the summary: a measure beside its reference, and the figure the goal is about.
struct Comparison {
    std::string measure;
    std::string value;
    std::string reference;
    std::string referenceValue;
    std::string figure; // the ratio, or the difference for memory
    std::string goal;
    std::optional<bool> met; // none when there is no goal or nothing was measured
};

// The comparisons as an aligned table, with a last column telling whether each goal is met.
void printTable(const std::vector<Comparison>& rows);
