// The recent-contacts list with a full log: all rows built by the logic and shown
// in the window's list view, one contact added to the last-20 list, and deleting
// a contact (rewrite and reload of log.txt, synced).

#include "BenchFakes.h"
#include "SampleLog.h"
#include "app/RecentContacts.h"
#include "core/LogFileFormat.h"
#include "core/WorkingLog.h"
#include "platform/posix/PosixFileStore.h"
#include "ui/RecentContactsDelegate.h"
#include "ui/RecentContactsModel.h"
#include "ui/RecentContactsView.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <QApplication>
#include <QImage>
#include <QTreeView>
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
        benchmark::DoNotOptimize(recent.rows().data());
    }
}
BENCHMARK(BM_RebuildAllRows)->Unit(benchmark::kMillisecond);

// "All" mode shown in the window's list view: the rows rebuilt, the view laid out.
void BM_ShowAllRowsInTheListView(benchmark::State& st) {
    ContestLog log;
    log.assign(bench::sampleLog(ContestLog::kCapacity, kEnd));
    RecentContacts recent;
    recent.showAll = true;
    QTreeView view;
    RecentContactsModel model(recent);
    view.setUniformRowHeights(true);
    view.setModel(&model);
    view.resize(1200, 400);
    for (auto _ : st) {
        recent.rebuild(log);
        view.doItemsLayout();
    }
}
BENCHMARK(BM_ShowAllRowsInTheListView)->Unit(benchmark::kMillisecond);

// One more contact in the last-20 list of a full log, as after Mains: the rows
// move down one place and the list is painted as the window paints it.
void BM_AppendOneContactToTheListView(benchmark::State& st) {
    ContestLog log;
    log.assign(bench::sampleLog(ContestLog::kCapacity - 1000, kEnd));
    const ContactRecord extra = bench::sampleLog(1, kEnd).front();
    RecentContacts recent;
    RecentContactsView view;
    RecentContactsModel model(recent);
    view.setUniformRowHeights(true);
    view.setModel(&model);
    view.setItemDelegate(new RecentContactsDelegate(model, &view));
    view.resize(1200, 500);
    QImage screen(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    recent.rebuild(log);
    for (auto _ : st) {
        if (log.full()) {
            st.PauseTiming();
            log.assign(bench::sampleLog(ContestLog::kCapacity - 1000, kEnd));
            recent.rebuild(log);
            st.ResumeTiming();
        }
        log.append(extra);
        recent.appended(log);
        QApplication::processEvents();
        view.viewport()->render(&screen);
    }
}
BENCHMARK(BM_AppendOneContactToTheListView)->Unit(benchmark::kMicrosecond);

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
