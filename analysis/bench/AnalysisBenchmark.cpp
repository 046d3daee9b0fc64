// The whole analysis of a chart, timed: from a cast chart with its luck and
// three years, from four pillars alone, and with the paragraphs read through
// the database (each text queried once, then kept) or through a fresh source
// that queries every text. Build with -DKARVUTO_BENCHMARKS=ON in a release
// build; the target is under 200 µs a chart.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "Analyze.h"
#include "DatabaseTestFiles.h"
#include "DatabaseTextSource.h"
#include "MemoryTextSource.h"
#include "TextTables.h"
#include "TsvTable.h"

namespace {

constexpr int kCharts = 512;

const std::vector<chart::Chart>& Charts() {
    static const std::vector<chart::Chart> charts = [] {
        std::mt19937 rng(42);
        std::uniform_int_distribution<int> year(1901, 2050), month(1, 12), day(1, 28), hour(0, 23),
            minute(0, 59);
        std::vector<chart::Chart> out;
        for (int i = 0; i < kCharts; ++i)
            out.push_back(chart::ComputeChart({year(rng), month(rng), day(rng), hour(rng), minute(rng),
                                               i % 2 ? chart::Sex::Male : chart::Sex::Female}));
        return out;
    }();
    return charts;
}

const analysis::MemoryTextSource& Texts() {
    static const analysis::MemoryTextSource texts = [] {
        analysis::MemoryTextSource t;
        for (const analysis::TextTableInfo& info : analysis::TextTables()) {
            const platform::TsvTable table = platform::ReadTsv(std::filesystem::path(KARVUTO_DBDATA_DIR) /
                                                               (std::string(info.name) + ".tsv"));
            for (const std::vector<std::string>& row : table.rows)
                t.Set(info.table, analysis::TextKey(row.begin(), row.end() - 1), row.back());
        }
        return t;
    }();
    return texts;
}

std::unique_ptr<Connection> OpenShipped() {
    auto connection = std::make_unique<Connection>();
    connection->Open(dbtest::ConnectionString(KARVUTO_SHIPPED_DB), "", "", 0);
    return connection;
}

const std::vector<int> kYears = {2024, 2025, 2026};

void BM_AnalyzeChart(benchmark::State& state) {
    const auto& charts = Charts();
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(analysis::Analyze(charts[i++ % charts.size()], kYears, Texts()));
}
BENCHMARK(BM_AnalyzeChart);

void BM_AnalyzePillars(benchmark::State& state) {
    const auto& charts = Charts();
    std::size_t i = 0;
    for (auto _ : state) {
        const chart::Chart& c = charts[i++ % charts.size()];
        const std::array<int, 4> p = {c.pillars[0].pillar, c.pillars[1].pillar, c.pillars[2].pillar,
                                      c.pillars[3].pillar};
        benchmark::DoNotOptimize(analysis::AnalyzePillars(p, Texts()));
    }
}
BENCHMARK(BM_AnalyzePillars);

void BM_AnalyzeChartDatabaseKept(benchmark::State& state) {
    const auto connection = OpenShipped();
    const DatabaseTextSource texts(connection.get());
    const auto& charts = Charts();
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(analysis::Analyze(charts[i++ % charts.size()], kYears, texts));
}
BENCHMARK(BM_AnalyzeChartDatabaseKept);

void BM_AnalyzeChartDatabaseFresh(benchmark::State& state) {
    const auto connection = OpenShipped();
    const auto& charts = Charts();
    std::size_t i = 0;
    for (auto _ : state) {
        const DatabaseTextSource texts(connection.get());
        benchmark::DoNotOptimize(analysis::Analyze(charts[i++ % charts.size()], kYears, texts));
    }
}
BENCHMARK(BM_AnalyzeChartDatabaseFresh);

}  // namespace

BENCHMARK_MAIN();
