// Whole readings, composed from the source tables for many births: the seven
// texts of one reading do not describe a person two opposite ways, and two
// readings seldom share a day-and-hour sentence.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <random>
#include <set>

#include "ReadingSample.h"
#include "TextChecks.h"
#include "TextScan.h"

using namespace textgen;

namespace {

const std::filesystem::path kDir = KARVUTO_DBDATA_DIR;
constexpr std::uint32_t kSeed = 20261208;  // fixed, so a failure can be reproduced

std::vector<std::string> Texts(const SampleReading& r) {
    std::vector<std::string> texts;
    for (const std::string* t : r.texts) texts.push_back(*t);
    return texts;
}

std::set<std::u32string> DayHourSentences(const SampleReading& r) {
    std::set<std::u32string> out;
    for (const int section : {kStemHour, kPillarHour})
        for (const std::u32string& s : Sentences(CodePoints(*r.texts[static_cast<std::size_t>(section)])))
            if (s.size() >= kMinSentence) out.insert(s);
    return out;
}

}  // namespace

TEST(Coherence, SectionsOfOneReadingDoNotContradictEachOther) {
    constexpr int kReadings = 1500;
    const ReadingTables tables(kDir);
    int contradicting = 0;
    for (const SampleReading& r : tables.Compose(kReadings, kSeed))
        contradicting += DescriptorsClash(Texts(r));
    const double share = static_cast<double>(contradicting) / kReadings;
    std::cout << "readings with contradicting descriptors: " << contradicting << " of " << kReadings << " ("
              << 100.0 * share << "%)\n";
    RecordProperty("contradicting_permille", static_cast<int>(1000 * share));
    EXPECT_LE(share, 0.02);
}

TEST(Coherence, TwoReadingsSeldomShareADayHourSentence) {
    constexpr int kPairs = 400;
    const ReadingTables tables(kDir);
    const std::vector<SampleReading> readings = tables.Compose(2 * kPairs, kSeed);
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
