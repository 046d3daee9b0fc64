// The cost of one whole reading on the shipped database: calendar work,
// header and body texts and the eleven queries, nothing cached; and of the
// open, with and without the check that every key a reading can look up has
// its row.
#include <benchmark/benchmark.h>

#include <cstring>

#include "Database.h"
#include "DatabaseKeys.h"
#include "ReadingComposer.h"

namespace {

// The first open of a process, when the engine's keys are enumerated too;
// registered first so that nothing has enumerated them before.
void BM_OpenCheckedFirstInProcess(benchmark::State& state) {
    for (auto _ : state) {
        Connection connection;
        OpenInterpretationDatabase(connection, KARVUTO_SHIPPED_DB);
    }
}
BENCHMARK(BM_OpenCheckedFirstInProcess)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_OpenChecked(benchmark::State& state) {
    for (auto _ : state) {
        Connection connection;
        OpenInterpretationDatabase(connection, KARVUTO_SHIPPED_DB);
    }
}
BENCHMARK(BM_OpenChecked)->Unit(benchmark::kMillisecond);

void BM_OpenUnchecked(benchmark::State& state) {
    for (auto _ : state) {
        Connection connection;
        connection.Open(std::string("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + KARVUTO_SHIPPED_DB, "",
                        "", 0);
    }
}
BENCHMARK(BM_OpenUnchecked)->Unit(benchmark::kMillisecond);

void BM_ComposeReport(benchmark::State& state) {
    Connection connection;
    connection.Open(std::string("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + KARVUTO_SHIPPED_DB, "", "",
                    0);
    BirthRecord birth{};
    std::strcpy(birth.name, "test");
    SYSTEMTIME now{};
    now.wYear = 2026;
    now.wMonth = 12;
    now.wDay = 8;
    int day = 0;
    for (auto _ : state) {
        // A different birth each time, so no row is read twice in a row.
        birth.CalendarKind = (day & 1) ? kLunarCalendar : kGregorianCalendar;
        birth.year = 1925 + day % 95;
        birth.month = 1 + day % 12;
        birth.day = 1 + day % 28;
        birth.hour = day % 24;
        ++day;
        benchmark::DoNotOptimize(ComposeReport(birth, &connection, now));
    }
}
BENCHMARK(BM_ComposeReport)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
