// Measures the start-up, the transfer, the reader and the load of the program against what the
// same work costs at least, and prints each ratio beside its goal. Run by scripts/bench; the
// usual --benchmark_* options apply (for instance --benchmark_repetitions=15). Exits with 1 when
// a measure could not be taken, not when a goal is missed.
#include "benchmarks.h"
#include "summary.h"
#include "window_processes.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

namespace {

// Repeated runs in a random order, so that a slow moment of a shared machine falls on every
// measure alike; the median of the runs is compared. Options given on the command line win.
std::vector<char*> withDefaults(int argc, char** argv) {
    static char repetitions[] = "--benchmark_repetitions=9";
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    static char aggregates[] = "--benchmark_report_aggregates_only=true";
    std::vector<char*> args{argv[0], repetitions, interleave, aggregates};
    args.insert(args.end(), argv + 1, argv + argc);
    args.push_back(nullptr);
    return args;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], childModeArgument) == 0)
        return runWindowProcess(argc, argv);

    std::vector<char*> args = withDefaults(argc, argv);
    int count = int(args.size()) - 1;
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;
    QApplication app(count, args.data());
    const Workspace workspace;
    if (!workspace.isValid()) {
        std::fprintf(stderr, "Cannot write the host files into a temporary folder.\n");
        return 1;
    }
    registerBenchmarks(workspace);
    MedianCollector times;
    benchmark::RunSpecifiedBenchmarks(&times);
    constexpr int processRuns = 21;
    const auto processes = compareWindowProcesses(
        {workspace.typicalHost(), workspace.typicalFolder().path()}, processRuns);
    printTable(summarise({times, workspace, processes}));
    benchmark::Shutdown();
    // A goal missed is a figure to report; a measure that could not be taken is a failure.
    return times.anyFailed() || !processes ? 1 : 0;
}
