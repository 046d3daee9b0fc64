// Every key the calendar engine can hand to a reading has exactly one row with
// a text in the TSV sources, and the sources hold no row a reading never asks for.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "ReadingKeys.h"
#include "Theory.h"
#include "TsvTable.h"

using platform::ReadFileBytes;
using platform::ReadTsv;
using platform::TsvTable;

using namespace reading;
using namespace chart;

namespace {

const std::filesystem::path kDir = KARVUTO_DBDATA_DIR;
const std::filesystem::path kFacts = KARVUTO_FACTS_DIR;

using Key = std::vector<std::string>;

// Rows of a source by key (all columns but the last), checking each text is non-empty.
std::map<Key, int> CountRows(const char* file) {
    const TsvTable t = ReadTsv(kDir / file);
    std::map<Key, int> count;
    for (std::size_t i = 0; i < t.rows.size(); ++i) {
        const Key key(t.rows[i].begin(), t.rows[i].end() - 1);
        EXPECT_FALSE(t.rows[i].back().empty()) << file << ":" << t.lines[i] << " has an empty text";
        ++count[key];
    }
    return count;
}

void ExpectExactlyTheKeys(const char* file, const std::set<Key>& keys, bool extrasAllowed = false) {
    SCOPED_TRACE(file);
    const std::map<Key, int> rows = CountRows(file);
    for (const Key& k : keys) {
        const auto it = rows.find(k);
        EXPECT_EQ(it == rows.end() ? 0 : it->second, 1) << "rows for key " << testing::PrintToString(k);
    }
    if (extrasAllowed) return;
    for (const auto& [k, n] : rows)
        EXPECT_TRUE(keys.count(k)) << "row no reading asks for: " << testing::PrintToString(k);
}

std::set<Key> Single(const std::set<std::string>& names) {
    std::set<Key> keys;
    for (const std::string& n : names) keys.insert({n});
    return keys;
}

// Bone weights from the database source, or from the fact tables when it is absent.
std::map<std::string, int> Weights() {
    std::map<std::string, int> w;
    if (std::filesystem::exists(kDir / "bazi0.tsv")) {
        for (const auto& r : ReadTsv(kDir / "bazi0.tsv").rows) w[r[0]] = std::stoi(r[1]);
        return w;
    }
    for (const char* f : {"weights_year.tsv", "weights_month.tsv", "weights_day.tsv", "weights_hour.tsv"}) {
        if (!std::filesystem::exists(kFacts / f)) return {};
        std::istringstream in(ReadFileBytes(kFacts / f));
        std::string name;
        int value = 0;
        while (in >> name >> value) w[name] = value;
    }
    return w;
}

}  // namespace

TEST(KeyCoverage, EngineYieldsTheExpectedNumberOfKeys) {
    const ReadingKeys& k = EngineKeys();
    EXPECT_EQ(k.years.size(), 60u);
    EXPECT_EQ(k.months.size(), 12u);
    EXPECT_EQ(k.days.size(), 30u);
    EXPECT_EQ(k.hours.size(), 12u);
    EXPECT_EQ(k.stemHours.size(), 130u);
    EXPECT_EQ(k.pillarHours.size(), 780u);
    EXPECT_TRUE(k.months.count("冬月") && k.months.count("腊月") && k.days.count("三十"));
}

// The stem keys are the published five-rats table's 120 pairs and, for 23:00
// (晚子时), each day stem with the 子 pillar of the next day's stem.
TEST(KeyCoverage, EngineHourPillarsAreTheFiveRatsPillarsAndTheLateZi) {
    const std::set<std::pair<std::string, std::string>> lateZi = {
        {"甲", "丙子"}, {"乙", "戊子"}, {"丙", "庚子"}, {"丁", "壬子"}, {"戊", "甲子"},
        {"己", "丙子"}, {"庚", "戊子"}, {"辛", "庚子"}, {"壬", "壬子"}, {"癸", "甲子"},
    };
    std::set<std::pair<std::string, std::string>> rule = lateZi;
    for (int s = 0; s < 10; ++s)
        for (int h = 0; h < 12; ++h) rule.insert({std::string(StemName(s)), PillarName(HourPillar(s, h))});
    EXPECT_EQ(EngineKeys().stemHours, rule);
    if (std::filesystem::exists(kFacts / "hour_pillars.tsv")) {
        std::set<std::pair<std::string, std::string>> facts = lateZi;
        for (const auto& r : ReadTsv(kFacts / "hour_pillars.tsv").rows) facts.insert({r[0], r[2]});
        EXPECT_EQ(facts, rule);
    }
    // Each day pillar has its stem's hours.
    for (const auto& [day, hour] : EngineKeys().pillarHours)
        EXPECT_TRUE(rule.count({day.substr(0, 3), hour})) << day << " " << hour;
}

TEST(KeyCoverage, EveryTextKeyHasExactlyOneRow) {
    const ReadingKeys& k = EngineKeys();
    std::set<Key> dayTime;
    for (const auto& [d, t] : k.stemHours) dayTime.insert({d, t});
    for (const auto& [d, t] : k.pillarHours) dayTime.insert({d, t});
    ExpectExactlyTheKeys("bazi2.tsv", dayTime);
    ExpectExactlyTheKeys("bazi3.tsv", Single(k.years));
    ExpectExactlyTheKeys("bazi4.tsv", Single(k.months));
    ExpectExactlyTheKeys("bazi5.tsv", Single(k.days));
    ExpectExactlyTheKeys("bazi6.tsv", Single(k.hours));
}

TEST(KeyCoverage, EveryReachableTotalWeightHasExactlyOneRow) {
    const std::map<std::string, int> weights = Weights();
    if (weights.empty()) GTEST_SKIP() << "no bone weights";
    const std::set<int> totals = ReachableTotals(weights);
    ASSERT_FALSE(totals.empty());
    std::set<Key> keys;
    for (int t : totals) keys.insert({std::to_string(t)});
    // A row for a total no birth reaches (the traditional list runs to 72) does no harm.
    ExpectExactlyTheKeys("bazi1.tsv", keys, /*extrasAllowed=*/true);
    EXPECT_EQ(*totals.begin(), 21);
    EXPECT_EQ(*totals.rbegin(), 71);
    EXPECT_EQ(totals.size(), 51u);
}
