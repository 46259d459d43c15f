#include "benchmarks.h"

#include "conventions_window.h"
#include "host_texts.h"
#include "hostfile/host_reader.h"
#include "hostfile/host_writer.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <benchmark/benchmark.h>

#include <cstring>
#include <functional>

using namespace vornelle;

namespace {

void transfer(benchmark::State& state, const Workspace& ws) {
    const SideSettings ns = sampleSettings(Side::NS);
    const SideSettings eo = sampleSettings(Side::EO);
    for (auto _ : state) {
        if (transferToHost(ws.transferHost(), ws.transferCopy(), ns, eo))
            state.SkipWithError("the transfer failed");
    }
}

bool saveWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}

// What any transfer costs at least: the host file read, then written as working copy and host.
void transferFloor(benchmark::State& state, const Workspace& ws) {
    for (auto _ : state) {
        QFile in(ws.floorHost());
        const QByteArray bytes = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
        if (bytes.isEmpty() || !saveWhole(ws.floorCopy(), bytes) ||
            !saveWhole(ws.floorHost(), bytes))
            state.SkipWithError("reading or writing failed");
    }
}

void rewrite(benchmark::State& state, const Workspace& ws) {
    const SideSettings ns = sampleSettings(Side::NS);
    const SideSettings eo = sampleSettings(Side::EO);
    for (auto _ : state)
        benchmark::DoNotOptimize(rewriteHostText(ws.bigText(), ns, eo));
    state.SetBytesProcessed(state.iterations() * ws.bigText().size());
}

void reader(benchmark::State& state, const Workspace& ws) {
    SideSettingsPair target;
    for (auto _ : state)
        benchmark::DoNotOptimize(readHostText(ws.bigText(), target));
    state.SetBytesProcessed(state.iterations() * ws.bigText().size());
}

// The fastest look at every byte: the lines counted with memchr.
void memchrScan(benchmark::State& state, const Workspace& ws) {
    const char* const begin = ws.bigText().constData();
    const char* const end = begin + ws.bigText().size();
    for (auto _ : state) {
        qsizetype lines = 0;
        for (const char* p = begin; (p = static_cast<const char*>(std::memchr(p, '\n', end - p)));
             ++p)
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * ws.bigText().size());
}

// The window reloads its working copy, as the button "Xnl >>>" does.
void load(benchmark::State& state, const QDir& folder) {
    ConventionsWindow form(QString(), folder);
    form.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        if (form.loadWorkingCopy())
            state.SkipWithError("the load failed");
        QCoreApplication::processEvents();
    }
}

void timed(benchmark::internal::Benchmark* b, benchmark::TimeUnit unit) {
    b->Unit(unit)->UseRealTime();
}

} // namespace

void registerBenchmarks(const Workspace& ws) {
    using benchmark::RegisterBenchmark;
    const auto ms = benchmark::kMillisecond;
    const auto files = std::cref(ws); // the workspace cannot be copied
    timed(RegisterBenchmark(measure::transfer, transfer, files), ms);
    timed(RegisterBenchmark(measure::transferFloor, transferFloor, files), ms);
    timed(RegisterBenchmark(measure::rewrite, rewrite, files), ms);
    timed(RegisterBenchmark(measure::reader, reader, files), ms);
    timed(RegisterBenchmark(measure::memchrScan, memchrScan, files), ms);
    timed(RegisterBenchmark(measure::loadHalf, load, ws.loadFolder(Workspace::halfLines)), ms);
    timed(RegisterBenchmark(measure::loadBig, load, ws.loadFolder(Workspace::bigLines)), ms);
}
