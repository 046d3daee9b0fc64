// Opening the 档案 window over a store of 100,000 people (the target: the list shown in
// under 200 ms), and a search typed into it. Runs on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include "app/people/PeopleWnd.h"
#include "bench/BenchPeople.h"

namespace {

// The window made, shown and painted once with its first rows.
void OpenWindow(benchmark::State& state) {
    people::PeopleStore& store = *peoplebench::Shared().store;
    for (auto _ : state) {
        CPeopleWnd window(store);
        window.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(&window);
    }
}

// A search typed into the open window, the list redrawn.
void SearchInWindow(benchmark::State& state) {
    people::PeopleStore& store = *peoplebench::Shared().store;
    CPeopleWnd window(store);
    window.show();
    QCoreApplication::processEvents();
    bool other = false;
    for (auto _ : state) {
        window.SearchEdit()->setText(other ? QStringLiteral("zw") : QStringLiteral("张伟"));
        window.ApplySearch();
        QCoreApplication::processEvents();
        other = !other;
    }
}

}  // namespace

BENCHMARK(OpenWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchInWindow)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    peoplebench::Shared();  // the store is built before any timing
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
