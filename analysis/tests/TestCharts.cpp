#include "TestCharts.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "Analyze.h"
#include "Sexagenary.h"
#include "TextTables.h"
#include "TsvTable.h"

namespace analysis::test {

std::array<int, 4> Pillars(std::string_view eight) {
    // Read character by character: the rules' tests build pillars no birth has.
    constexpr std::size_t kHanBytes = 3;
    std::array<int, 4> p{};
    EXPECT_EQ(eight.size(), 8 * kHanBytes) << eight;
    for (std::size_t i = 0; i < 4 && eight.size() == 8 * kHanBytes; ++i) {
        p[i] = calendar::PillarOf(calendar::StemIndex(eight.substr(2 * i * kHanBytes, kHanBytes)),
                                  calendar::BranchIndex(eight.substr((2 * i + 1) * kHanBytes, kHanBytes)));
        EXPECT_GE(p[i], 0) << eight << " is not four pillars";
    }
    return p;
}

// A birth drawn evenly from the chart's years, redrawn until the chart takes it
// (the span opens on 1900-01-31, not on New Year's Day).
chart::BirthMoment RandomBirth(std::mt19937& rng) {
    std::uniform_int_distribution<int> year(chart::kFirstChartYear, chart::kLastChartYear), month(1, 12),
        day(1, 28), hour(0, 23), minute(0, 59), sex(0, 1);
    for (;;) {
        const chart::BirthMoment birth{year(rng),   month(rng),
                                       day(rng),    hour(rng),
                                       minute(rng), sex(rng) ? chart::Sex::Male : chart::Sex::Female};
        if (chart::CheckBirth(birth, {}).empty()) return birth;
    }
}

const MemoryTextSource& SourceTexts() {
    static const MemoryTextSource texts = [] {
        MemoryTextSource t;
        for (const TextTableInfo& info : TextTables()) {
            const std::filesystem::path file =
                std::filesystem::path(KARVUTO_DBDATA_DIR) / (std::string(info.name) + ".tsv");
            if (!std::filesystem::exists(file)) continue;
            const platform::TsvTable table = platform::ReadTsv(file);
            for (const std::vector<std::string>& row : table.rows)
                t.Set(info.table, TextKey(row.begin(), row.end() - 1), row.back());
        }
        return t;
    }();
    return texts;
}

}  // namespace analysis::test
