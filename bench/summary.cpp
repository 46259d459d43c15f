#include "summary.h"

#include "benchmarks.h"

#include <QString>

namespace {

std::string format(const char* pattern, double value) {
    return QString::asprintf(pattern, value).toStdString();
}

std::string lines(int count) {
    return QString::number(count).toStdString() + " lines";
}

std::string megabytes(qsizetype bytes) {
    return format("%.1f MB", double(bytes) / 1e6);
}

// A measure whose time is compared with its reference's: the ratio of the two times.
Comparison timeRatio(const MedianCollector& times, const char* name, std::string label,
                     const char* referenceName, std::string referenceLabel,
                     std::optional<double> goal) {
    const auto value = times.seconds(name);
    const auto reference = times.seconds(referenceName);
    Comparison c{std::move(label), "not run", std::move(referenceLabel),
                 "not run",        "-",       goal ? format("<= %.1f", *goal) : "-",
                 std::nullopt};
    if (value)
        c.value = format("%.2f ms", *value * 1e3);
    if (reference)
        c.referenceValue = format("%.2f ms", *reference * 1e3);
    if (value && reference) {
        c.figure = format("%.2f", *value / *reference);
        if (goal)
            c.met = *value / *reference <= *goal;
    }
    return c;
}

// A pass over the big text in memory, in MB/s, beside the memchr scan: how many times slower.
Comparison throughput(const MedianCollector& times, const char* name, std::string label,
                      qsizetype bytes) {
    const auto value = times.seconds(name);
    const auto reference = times.seconds(measure::memchrScan);
    Comparison c{std::move(label), "not run", "memchr scan", "not run", "-", "-", std::nullopt};
    if (value)
        c.value = format("%.0f MB/s", double(bytes) / 1e6 / *value);
    if (reference)
        c.referenceValue = format("%.0f MB/s", double(bytes) / 1e6 / *reference);
    if (value && reference)
        c.figure = format("%.1f", *value / *reference);
    return c;
}

// A figure of the start-up process beside the same figure of the reference window's process:
// their ratio when `asRatio`, else their difference in MB; `goal`, when given, bounds it.
Comparison processFigure(const Figures& f, std::string label, double ProcessFigures::*field,
                         const char* valueFormat, double scale, bool asRatio,
                         std::optional<double> goal = std::nullopt) {
    const char* goalFormat = asRatio ? "<= %.1f" : "<= +%.0f MB";
    Comparison c{std::move(label), "not run", "label + button process",
                 "not run",        "-",       goal ? format(goalFormat, *goal) : "-",
                 std::nullopt};
    if (!f.processes)
        return c;
    const double value = f.processes->startUp.*field;
    const double reference = f.processes->reference.*field;
    const double figure = asRatio ? value / reference : value - reference;
    c.value = format(valueFormat, value * scale);
    c.referenceValue = format(valueFormat, reference * scale);
    c.figure = format(asRatio ? "%.2f" : "%+.1f MB", figure);
    if (goal)
        c.met = figure <= *goal;
    return c;
}

} // namespace

std::vector<Comparison> summarise(const Figures& f) {
    const auto& t = f.times;
    const qsizetype bytes = f.workspace.bigText().size();
    const std::string big = lines(Workspace::bigLines) + ", " + megabytes(bytes);
    return {
        processFigure(f, "start-up, 300 lines", &ProcessFigures::seconds, "%.1f ms", 1e3, true,
                      1.5),
        timeRatio(t, measure::transfer, "transfer, " + big, measure::transferFloor,
                  "read + 2 QSaveFile writes", 1.5),
        throughput(t, measure::rewrite, "rewriteHostText, " + big, bytes),
        throughput(t, measure::reader, "readHostText, " + big, bytes),
        timeRatio(t, measure::loadBig, "load, " + lines(Workspace::bigLines), measure::loadHalf,
                  "load, " + lines(Workspace::halfLines), 2.2),
        processFigure(f, "peak memory, start-up", &ProcessFigures::peakMegabytes, "%.1f MB", 1,
                      false, 5),
        // For information: what of the peak is the process's own memory, not pages of the
        // libraries and fonts it maps, which every program using them shares.
        processFigure(f, "of which private, after start-up", &ProcessFigures::privateMegabytes,
                      "%.1f MB", 1, false),
    };
}
