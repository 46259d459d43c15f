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

// The peak resident size of this process image, VmHWM. Not getrusage's ru_maxrss: Linux keeps
// that one across execve, so a child would report its parent's peak.
long peakKilobytes() {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = "VmHWM:";
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
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
    std::printf("%ld\n", peakKilobytes());
    return 0;
}

namespace {

double median(std::vector<double> values) {
    std::ranges::sort(values);
    return values[values.size() / 2];
}

} // namespace

std::optional<ProcessFigures> measureWindowProcess(const QStringList& arguments, int runs) {
    std::vector<double> peaks, times;
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
        bool ok = false;
        const double kilobytes = child.readAllStandardOutput().trimmed().toDouble(&ok);
        if (!ok || kilobytes <= 0)
            return std::nullopt;
        peaks.push_back(kilobytes * 1024 / 1e6);
    }
    return ProcessFigures{median(peaks), median(times)};
}
