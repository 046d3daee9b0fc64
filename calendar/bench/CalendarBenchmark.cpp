// Timings of the conversions, the four pillars and 八字反推.
#include <benchmark/benchmark.h>

#include "LunarCalendar.h"
#include "PillarSearch.h"
#include "tests/ReferenceCalendar.h"

namespace {

constexpr auto Date = [](int y, int m, int d, int h = 0) { return MakeSystemTime(y, m, d, h); };

// Dates spread over the whole span, so no single year dominates.
void BM_SolarToLunar(benchmark::State& state) {
    const CLunarCalendar cal;
    int i = 0;
    for (auto _ : state) {
        const SYSTEMTIME solar = Date(1901 + i % 199, 1 + i % 12, 1 + i % 28);
        SYSTEMTIME lunar;
        int leap = 0;
        benchmark::DoNotOptimize(cal.SolarToLunar(solar, lunar, leap));
        benchmark::DoNotOptimize(lunar);
        ++i;
    }
}
BENCHMARK(BM_SolarToLunar);

// The last day of the span: the longest walk of the table.
void BM_SolarToLunarLastDay(benchmark::State& state) {
    const CLunarCalendar cal;
    const SYSTEMTIME solar = Date(2100, 12, 31);
    for (auto _ : state) {
        SYSTEMTIME lunar;
        int leap = 0;
        benchmark::DoNotOptimize(cal.SolarToLunar(solar, lunar, leap));
        benchmark::DoNotOptimize(lunar);
    }
}
BENCHMARK(BM_SolarToLunarLastDay);

// Worst case: the last lunar day of the table, far from the start of its search.
void BM_LunarToSolarWorstCase(benchmark::State& state) {
    const CLunarCalendar cal;
    const SYSTEMTIME lunar = Date(2049, 12, 29);
    for (auto _ : state) {
        SYSTEMTIME solar;
        benchmark::DoNotOptimize(cal.LunarToSolar(lunar, 0, solar));
        benchmark::DoNotOptimize(solar);
    }
}
BENCHMARK(BM_LunarToSolarWorstCase);

// A date that does not exist: day 30 of a 29-day month.
void BM_LunarToSolarMissing(benchmark::State& state) {
    const CLunarCalendar cal;
    const SYSTEMTIME lunar = Date(1999, 2, 30);
    for (auto _ : state) {
        SYSTEMTIME solar;
        benchmark::DoNotOptimize(cal.LunarToSolar(lunar, 0, solar));
    }
}
BENCHMARK(BM_LunarToSolarMissing);

// The literal algorithms the engine is tested against, for comparison.
void BM_ReferenceSolarToLunarLastDay(benchmark::State& state) {
    const SYSTEMTIME solar = Date(2100, 12, 31);
    for (auto _ : state) {
        SYSTEMTIME lunar;
        int leap = 0;
        benchmark::DoNotOptimize(reference::SolarToLunar(solar, lunar, leap));
        benchmark::DoNotOptimize(lunar);
    }
}
BENCHMARK(BM_ReferenceSolarToLunarLastDay);

void BM_ReferenceLunarToSolarWorstCase(benchmark::State& state) {
    const SYSTEMTIME lunar = Date(2049, 12, 29);
    for (auto _ : state) {
        SYSTEMTIME solar;
        benchmark::DoNotOptimize(reference::LunarToSolar(lunar, 0, solar, reference::SolarToLunar));
        benchmark::DoNotOptimize(solar);
    }
}
BENCHMARK(BM_ReferenceLunarToSolarWorstCase);

void BM_GetFourPillars(benchmark::State& state) {
    const CLunarCalendar cal;
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cal.GetFourPillars(Date(1901 + i % 199, 1 + i % 12, 1 + i % 28, i % 24)));
        ++i;
    }
}
BENCHMARK(BM_GetFourPillars);

// 八字反推 over the whole span, for a 子 hour (the most windows to look at).
void BM_FindBirthWindowsWholeSpan(benchmark::State& state) {
    const calendar::PillarIndices pillars = *calendar::ParsePillars("甲子丙寅戊辰壬子").pillars;
    for (auto _ : state) benchmark::DoNotOptimize(calendar::FindBirthWindows(pillars, 1900, 2100));
}
BENCHMARK(BM_FindBirthWindowsWholeSpan)->Unit(benchmark::kMillisecond);

}  // namespace
