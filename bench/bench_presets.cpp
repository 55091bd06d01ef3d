// SPDX-License-Identifier: GPL-3.0-or-later
// The three preset queries over the delivered BXSYS.mdb, as the entry editor
// runs them on every country or provider change.
#include "core/entries/DataStore.h"
#include "core/settings/AppSettings.h"
#include "core/settings/Prompter.h"
#include "core/settings/SettingsStore.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class SilentPrompter : public Prompter
{
public:
    Answer Show(const QString&, const QString&, Buttons, Icon) override { return Answer::No; }
};

struct Fixture
{
    QTemporaryDir settingsDir;
    SettingsStore store{settingsDir.path()};
    AppSettings settings{store};
    SilentPrompter prompter;
    DataStore data{settings, prompter};

    Fixture() { settings.SetProgramDirectory(QStringLiteral(BRAXLOW_PROGRAM_DIR)); }
};

Fixture& Shared()
{
    static Fixture fixture;
    return fixture;
}

void LoadPresetCountries(benchmark::State& state)
{
    DataStore& data = Shared().data;
    for (auto _ : state)
        benchmark::DoNotOptimize(data.LoadPresetCountries());
}

void LoadProviders(benchmark::State& state)
{
    DataStore& data = Shared().data;
    for (auto _ : state)
        benchmark::DoNotOptimize(data.LoadProviders(QStringLiteral("Germany")));
}

void FindPreset(benchmark::State& state)
{
    DataStore& data = Shared().data;
    for (auto _ : state)
        benchmark::DoNotOptimize(data.FindPreset(QStringLiteral("E-Plus"), QStringLiteral("Germany")));
}

BENCHMARK(LoadPresetCountries)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadProviders)->Unit(benchmark::kMicrosecond);
BENCHMARK(FindPreset)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (!Shared().data.LoadPresetCountries()) {
        std::fprintf(stderr, "BXSYS.mdb not found in %s\n", BRAXLOW_PROGRAM_DIR);
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
