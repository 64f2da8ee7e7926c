// The recent-contacts list in "all" mode with a full log: the rows built by the
// logic and shown in the window's list widget; and deleting a contact (rewrite
// and reload of log.txt, synced).

#include "BenchFakes.h"
#include "SampleLog.h"
#include "core/LogFileFormat.h"
#include "core/RecentContacts.h"
#include "core/WorkingLog.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/qt/QtText.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <QApplication>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace qv {
namespace {

const DateTime kEnd = *DateTime::fromFields(2007, 1, 14, 18, 0, 0);

void BM_RebuildAllRows(benchmark::State& st) {
    ContestLog log;
    log.assign(bench::sampleLog(ContestLog::kCapacity, kEnd));
    RecentContacts recent;
    recent.showAll = true;
    for (auto _ : st) {
        recent.rebuild(log);
        benchmark::DoNotOptimize(recent.rows.data());
    }
}
BENCHMARK(BM_RebuildAllRows)->Unit(benchmark::kMillisecond);

void BM_RebuildAllRowsIntoTheListWidget(benchmark::State& st) {
    ContestLog log;
    log.assign(bench::sampleLog(ContestLog::kCapacity, kEnd));
    RecentContacts recent;
    recent.showAll = true;
    QTreeWidget list;
    list.setColumnCount(9);
    list.setUniformRowHeights(true);
    for (auto _ : st) {
        recent.rebuild(log);
        list.clear();
        QList<QTreeWidgetItem*> items;
        items.reserve(static_cast<qsizetype>(recent.rows.size()));
        for (const ListRow& row : recent.rows) {
            QStringList cols;
            for (const std::string& col : row.columns) {
                cols << toQString(col);
            }
            items << new QTreeWidgetItem(cols);
        }
        list.addTopLevelItems(items);
    }
}
BENCHMARK(BM_RebuildAllRowsIntoTheListWidget)->Unit(benchmark::kMillisecond);

void BM_DeleteContact(benchmark::State& st) {
    std::string pattern = (std::filesystem::temp_directory_path() / "qvlist-XXXXXX").string();
    const std::string dir = ::mkdtemp(pattern.data());
    const std::string text = *formatLog(bench::sampleLog(ContestLog::kCapacity, kEnd));
    PosixFileStore files(dir, true);
    bench::SilentDialogs dialogs;
    ContestLog log;
    OperatingState state;
    MultiplierTable table;
    bench::StillClock clock;
    LogFile file(files);
    WorkingLog working(log, state, table, file, dialogs, clock);
    for (auto _ : st) {
        st.PauseTiming();
        std::ofstream(dir + "/log.txt", std::ios::binary | std::ios::trunc) << text;
        if (working.LoadLog() != Outcome::Continue) {
            std::abort();
        }
        st.ResumeTiming();
        benchmark::DoNotOptimize(working.RemoveRecord(5000));
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_DeleteContact)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace qv

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
