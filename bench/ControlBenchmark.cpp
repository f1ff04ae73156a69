#include "platform/com/ControlLibrary.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

const com::Guid TavoniClass = com::Guid::parse("{66C4CD8B-F059-46C3-9175-C472A592E62B}");

// What a host does to show a control: load the library, create the control, site it.
void LoadCreateAndSite(benchmark::State &state)
{
    QStandardPaths::setTestModeEnabled(true);
    QWidget host;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        com::ControlLibrary library(QStringLiteral(VELMORA_TAVONI));
        library.load();
        com::IControlSite *site = nullptr;
        library.createControl(TavoniClass, &site);
        site->SetContainer(&host);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        site->SetContainer(nullptr);
        site->Release();
        library.unload();
        // a host's loop would have handled what the panel posted meanwhile
        QCoreApplication::processEvents();
    }
}
BENCHMARK(LoadCreateAndSite)->UseManualTime()->Unit(benchmark::kMillisecond);

// And to let go of it: release the control and unload the library.
void ReleaseAndUnload(benchmark::State &state)
{
    QWidget host;
    for (auto _ : state) {
        com::ControlLibrary library(QStringLiteral(VELMORA_TAVONI));
        library.load();
        com::IControlSite *site = nullptr;
        library.createControl(TavoniClass, &site);
        site->SetContainer(&host);
        QElapsedTimer timer;
        timer.start();
        site->SetContainer(nullptr);
        site->Release();
        library.unload();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(ReleaseAndUnload)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
