#include "peak_memory.h"

#include "windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cstdio>

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

double median(std::vector<double> values) {
    std::ranges::sort(values);
    return values[values.size() / 2];
}

} // namespace

int runWindowProcess(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(2);
    std::unique_ptr<QWidget> window;
    if (args.value(0) == u"bare"_s)
        window = shownBareWindow();
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
    return 0;
}

std::optional<ProcessFigures> measureWindowProcess(const QStringList& arguments, int runs) {
    std::vector<double> peaks, privates, times;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(),
                    QStringList{QString::fromLatin1(childModeArgument)} + arguments);
        if (!child.waitForFinished() || child.exitStatus() != QProcess::NormalExit ||
            child.exitCode() != 0)
            return std::nullopt;
        times.push_back(double(clock.nsecsElapsed()) / 1e9);
        const QList<QByteArray> kilobytes = child.readAllStandardOutput().trimmed().split(' ');
        const double peak = kilobytes.value(0).toDouble();
        const double own = kilobytes.value(1).toDouble();
        if (peak <= 0 || own <= 0)
            return std::nullopt;
        peaks.push_back(peak * 1024 / 1e6);
        privates.push_back(own * 1024 / 1e6);
    }
    return ProcessFigures{median(peaks), median(privates), median(times)};
}
