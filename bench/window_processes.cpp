#include "window_processes.h"

#include "window_kinds.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A figure of /proc/self/status, in kB, or -1.
long statusKilobytes(const QByteArray& status, QByteArrayView key) {
    for (const QByteArray& line : status.split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// One child started afresh, timed from outside until it reports its window shown.
std::optional<ProcessFigures> runChild(const QStringList& arguments) {
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(),
                QStringList{QString::fromLatin1(childModeArgument)} + arguments);
    const bool reported = child.waitForReadyRead();
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    if (!reported || !child.waitForFinished() || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        return std::nullopt;
    const QList<QByteArray> kilobytes = child.readAllStandardOutput().trimmed().split(' ');
    const double peak = kilobytes.value(0).toDouble();
    const double own = kilobytes.value(1).toDouble();
    if (peak <= 0 || own <= 0)
        return std::nullopt;
    return ProcessFigures{peak * 1024 / 1e6, own * 1024 / 1e6, seconds};
}

ProcessFigures medians(const std::vector<ProcessFigures>& runs) {
    const auto median = [&runs](double ProcessFigures::*field) {
        std::vector<double> values;
        for (const ProcessFigures& run : runs)
            values.push_back(run.*field);
        std::ranges::sort(values);
        return values[values.size() / 2];
    };
    return {median(&ProcessFigures::peakMegabytes), median(&ProcessFigures::privateMegabytes),
            median(&ProcessFigures::seconds)};
}

} // namespace

int runWindowProcess(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(2);
    std::unique_ptr<QWidget> window;
    if (args.value(0) == u"reference"_s)
        window = shownReferenceWindow();
    else if (args.value(0) == u"startup"_s && args.size() == 3)
        window = shownStartedWindow(args[1], QDir(args[2]));
    if (!window)
        return 1;
    // The peak resident size of this process image, VmHWM, not getrusage's ru_maxrss: Linux
    // keeps that one across execve, so a child would report its parent's peak. RssAnon is the
    // part that is the process's own, not pages of the libraries and fonts it maps.
    QFile status(u"/proc/self/status"_s);
    const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
    std::printf("%ld %ld\n", statusKilobytes(text, "VmHWM:"), statusKilobytes(text, "RssAnon:"));
    // The parent stops its clock at this line: it must not wait for the window's teardown.
    std::fflush(stdout);
    return 0;
}

std::optional<ProcessComparison> compareWindowProcesses(const QStringList& startUpArguments,
                                                        int runs) {
    std::vector<ProcessFigures> reference, startUp;
    for (int i = 0; i < runs; ++i) {
        // In turn, so that a busy moment of a shared machine falls on both alike.
        const auto referenceRun = runChild({u"reference"_s});
        const auto startUpRun = runChild(QStringList{u"startup"_s} + startUpArguments);
        if (!referenceRun || !startUpRun)
            return std::nullopt;
        reference.push_back(*referenceRun);
        startUp.push_back(*startUpRun);
    }
    return ProcessComparison{medians(reference), medians(startUp)};
}
