// Timings of a whole chart and of the solar-term lookups.
#include <benchmark/benchmark.h>

#include "Chart.h"
#include "ChartText.h"
#include "SolarTerms.h"

namespace {

// Births spread over the calendar's span and the hours of the day.
chart::BirthMoment BirthAt(int i) {
    return {1901 + i * 37 % 199,
            1 + i % 12,
            1 + i * 7 % 28,
            i % 24,
            i % 60,
            i % 2 ? chart::Sex::Female : chart::Sex::Male};
}

// A full chart: pillars, theory, the luck pillars with their 流年 and 小运.
void BM_ComputeChart(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(chart::ComputeChart(BirthAt(i++)));
}
BENCHMARK(BM_ComputeChart);

// With every convention at work: true solar time, summer time, 子初换日.
void BM_ComputeChartAllConventions(benchmark::State& state) {
    chart::Conventions conventions;
    conventions.zi = chart::ZiHour::NextDay;
    conventions.longitude = 87.63;
    int i = 0;
    for (auto _ : state) {
        chart::BirthMoment b = BirthAt(i++);
        b.year = 1986 + i % 6;
        benchmark::DoNotOptimize(chart::ComputeChart(b, conventions));
    }
}
BENCHMARK(BM_ComputeChartAllConventions);

void BM_FormatChartText(benchmark::State& state) {
    const chart::Chart c = chart::ComputeChart(BirthAt(7));
    for (auto _ : state) benchmark::DoNotOptimize(chart::FormatChartText(c));
}
BENCHMARK(BM_FormatChartText);

// The 24 terms of one year, as karvuto-cal terms looks them up.
void BM_TwentyFourTermsOfAYear(benchmark::State& state) {
    int year = chart::kFirstTermYear;
    for (auto _ : state) {
        for (int term = 0; term < chart::kTermsPerYear; ++term)
            benchmark::DoNotOptimize(chart::FromSeconds(*chart::TermMoment(year, term)));
        year = year == chart::kLastTermYear ? chart::kFirstTermYear : year + 1;
    }
}
BENCHMARK(BM_TwentyFourTermsOfAYear);

void BM_SectionTermsAroundAMoment(benchmark::State& state) {
    std::int64_t moment = chart::ToSeconds({1950, 1, 1});
    for (auto _ : state) {
        benchmark::DoNotOptimize(chart::SectionTermAtOrBefore(moment));
        benchmark::DoNotOptimize(chart::SectionTermAfter(moment));
        moment += 7919 * 60;
    }
}
BENCHMARK(BM_SectionTermsAroundAMoment);

// 流月 of a year.
void BM_MonthsOfYear(benchmark::State& state) {
    int year = 1900;
    for (auto _ : state) {
        benchmark::DoNotOptimize(chart::MonthsOfYear(year));
        year = year == 2100 ? 1900 : year + 1;
    }
}
BENCHMARK(BM_MonthsOfYear);

}  // namespace
