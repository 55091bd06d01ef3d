// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the entry list window over 10, 1,000 and 10,000 entries: the list is
// filled from the database, the stored entry looked up, and the window shown.
// The goal: 1,000 entries within 1.5 times the cost of 10, and no worse than
// linear growth after that. Beside it the history window over as many
// connection attempts (at most the 1,000 it keeps), list and chart: its
// opening should cost about what the entry list's does.
#include "core/dialup/CRasDialer.h"
#include "core/settings/LanguageLoader.h"
#include "core/settings/Prompter.h"
#include "core/shell/BraxlowApp.h"
#include "core/entries/HistoryStore.h"
#include "gui/entries/CEntryListDlg.h"
#include "gui/shell/CHistoryDlg.h"

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

class SilentPrompter : public Prompter
{
public:
    Answer Show(const QString&, const QString&, Buttons, Icon) override { return Answer::Yes; }
};

class NoHelp : public DocumentOpener
{
public:
    bool Open(const QString&) override { return true; }
};

struct Machine
{
    explicit Machine(int entries)
    {
        BraxlowApp::Options options;
        options.programFilePath = dir.filePath(QStringLiteral("braxlow"));
        options.settingsRoot = dir.filePath(QStringLiteral("config"));
        app = std::make_unique<BraxlowApp>(options, prompter);
        app->Data().CreateUserDatabase();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
            db.setDatabaseName(app->Data().UserDatabasePath());
            db.open();
            db.transaction();
            QSqlQuery q(db);
            q.prepare(QStringLiteral("INSERT INTO EntryInfo (ConnectName, Country, ProviderName, APNName, "
                                     "PhoneNumber, QoSMin, QoSRequest, CheckPasswd) "
                                     "VALUES (?, 'Germany', '[Others]', 'web', '*99#', '1,0,0,3,0,0', "
                                     "'1,0,0,3,0,0', '1')"));
            for (int i = 0; i < entries; ++i) {
                q.addBindValue(QStringLiteral("Entry %1").arg(i, 5, 10, QLatin1Char('0')));
                q.exec();
            }
            db.commit();
            // As many attempts, spread over the last two months, all of the
            // current entry: the chart has every day to draw.
            HistoryStore(app->Data().UserDatabasePath()).Begin(entries, QStringLiteral("x"), QDateTime::currentDateTimeUtc());
            db.transaction();
            QSqlQuery h(db);
            h.prepare(QStringLiteral("INSERT INTO [History] ([EntryID], [ConnectName], [Started], [Ended], [Seconds], "
                                     "[Received], [Sent], [Outcome]) VALUES (?, ?, ?, ?, 600, 5000000, 400000, ?)"));
            const QDateTime now = QDateTime::currentDateTimeUtc();
            for (int i = 1; i < std::min(entries, HistoryStore::kKept); ++i) {
                h.addBindValue(entries);
                h.addBindValue(QStringLiteral("Entry %1").arg(entries - 1, 5, 10, QLatin1Char('0')));
                h.addBindValue(now.addSecs(-qint64(i) * 5000).toString(Qt::ISODate));
                h.addBindValue(now.addSecs(-qint64(i) * 5000 + 600).toString(Qt::ISODate));
                h.addBindValue(1 + i % 3);
                h.exec();
            }
            db.commit();
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("fill"));
        ConnectInfo stored;
        stored.ConnectName = QStringLiteral("Entry %1").arg(entries - 1, 5, 10, QLatin1Char('0'));
        app->Settings().SaveConnectInfo(stored);
        dialer = std::make_unique<CRasDialer>(dir.filePath(QStringLiteral("braxlow.pbk")), &app->Settings());
    }

    QTemporaryDir dir;
    SilentPrompter prompter;
    NoHelp help;
    std::unique_ptr<BraxlowApp> app;
    std::unique_ptr<CRasDialer> dialer;
};

Machine& MachineWith(int entries)
{
    static std::map<int, std::unique_ptr<Machine>> machines;
    auto& machine = machines[entries];
    if (!machine)
        machine = std::make_unique<Machine>(entries);
    return *machine;
}

// The database's share of the opening.
void LoadEntries(benchmark::State& state)
{
    Machine& machine = MachineWith(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(machine.app->Data().LoadEntries());
    state.SetComplexityN(state.range(0));
}

void OpenEntryList(benchmark::State& state)
{
    Machine* machine = &MachineWith(int(state.range(0)));
    for (auto _ : state) {
        CEntryListDlg window(CEntryListDlg::Services{*machine->app, *machine->dialer, machine->help, QString(),
                                                     QStringLiteral("/bin/true")});
        window.show();
        // The opening's second half and the first layout of the list.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.CurrentRow());
    }
    state.SetComplexityN(state.range(0));
}

void OpenHistory(benchmark::State& state)
{
    Machine* machine = &MachineWith(int(state.range(0)));
    for (auto _ : state) {
        CHistoryDlg window(*machine->app);
        window.show();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.Rows());
    }
    state.SetComplexityN(state.range(0));
}

BENCHMARK(LoadEntries)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(OpenEntryList)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(OpenHistory)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
