// Whole readings, composed from the source tables for many births: the seven
// texts of one reading do not contradict one another, and two readings seldom
// share a day-and-hour sentence.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <random>
#include <set>

#include "ReadingKeys.h"
#include "TextChecks.h"
#include "TsvTable.h"

using namespace textgen;
using namespace reading;

namespace {

const std::filesystem::path kDir = KARVUTO_DBDATA_DIR;

std::map<std::string, std::string> Table(const char* file) {
    std::map<std::string, std::string> m;
    for (const auto& r : platform::ReadTsv(kDir / file).rows) {
        std::string key;
        for (std::size_t i = 0; i + 1 < r.size(); ++i) key += (i ? "|" : "") + r[i];
        m[key] = r.back();
    }
    return m;
}

struct Reading {
    std::vector<std::string> texts;  // the seven sections in report order
};

// Readings of births spread over the program's years, from a fixed seed so a
// failure can be reproduced.
std::vector<Reading> ComposeReadings(int count) {
    const auto weights = Table("bazi0.tsv");
    const auto bazi1 = Table("bazi1.tsv"), bazi2 = Table("bazi2.tsv"), bazi3 = Table("bazi3.tsv"),
               bazi4 = Table("bazi4.tsv"), bazi5 = Table("bazi5.tsv"), bazi6 = Table("bazi6.tsv");
    auto weight = [&](const std::string& name) { return std::stoi(weights.at(name)); };
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> year(1925, 2049), month(1, 12), day(1, 28), hour(0, 23);
    std::vector<Reading> readings;
    while (static_cast<int>(readings.size()) < count) {
        BirthKeys k;
        if (!KeysOfBirth(year(random), month(random), day(random), hour(random), k)) continue;
        const int total = weight(k.yearName) + weight(k.monthName) + weight(k.dayName) + weight(k.hourName);
        readings.push_back(
            {{bazi1.at(std::to_string(total)), bazi2.at(k.dayPillar.substr(0, 3) + "|" + k.hourPillar),
              bazi2.at(k.dayPillar + "|" + k.hourPillar), bazi3.at(k.yearPillar), bazi4.at(k.monthName),
              bazi5.at(k.dayName), bazi6.at(k.hourName)}});
    }
    return readings;
}

// True when one section uses a descriptor and another (or the same) its opposite.
bool Contradicts(const Reading& r) {
    for (const OppositePair& p : OppositePairs()) {
        bool first = false, second = false;
        for (const std::string& t : r.texts) {
            first = first || t.find(p.first) != std::string::npos;
            second = second || t.find(p.second) != std::string::npos;
        }
        if (first && second) return true;
    }
    return false;
}

std::set<std::u32string> DayHourSentences(const Reading& r) {
    std::set<std::u32string> out;
    for (int section : {1, 2}) {
        std::u32string current;
        for (const char32_t c : CodePoints(r.texts[section]) + U"。") {
            if (c == U'。' || c == U'！' || c == U'？' || c == U'；') {
                if (current.size() >= kMinSentence) out.insert(current);
                current.clear();
            } else {
                current.push_back(c);
            }
        }
    }
    return out;
}

}  // namespace

TEST(Coherence, SectionsOfOneReadingDoNotContradictEachOther) {
    constexpr int kReadings = 1500;
    const std::vector<Reading> readings = ComposeReadings(kReadings);
    int contradicting = 0;
    for (const Reading& r : readings) contradicting += Contradicts(r);
    const double share = static_cast<double>(contradicting) / kReadings;
    std::cout << "readings with contradicting descriptors: " << contradicting << " of " << kReadings << " ("
              << 100.0 * share << "%)\n";
    RecordProperty("contradicting_permille", static_cast<int>(1000 * share));
    EXPECT_LT(share, 0.03);
}

TEST(Coherence, TwoReadingsSeldomShareADayHourSentence) {
    constexpr int kPairs = 400;
    const std::vector<Reading> readings = ComposeReadings(2 * kPairs);
    int sharing = 0;
    for (int i = 0; i < kPairs; ++i) {
        const auto a = DayHourSentences(readings[2 * i]), b = DayHourSentences(readings[2 * i + 1]);
        sharing += std::any_of(a.begin(), a.end(), [&b](const std::u32string& s) { return b.count(s) > 0; });
    }
    const double share = static_cast<double>(sharing) / kPairs;
    std::cout << "reading pairs sharing a day-and-hour sentence: " << sharing << " of " << kPairs << " ("
              << 100.0 * share << "%)\n";
    RecordProperty("sharing_pairs_permille", static_cast<int>(1000 * share));
    EXPECT_LT(share, 0.05);
}
