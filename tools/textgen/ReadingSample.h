// Readings composed from the source tables the way the program composes them:
// a random birth, its keys from the calendar engine, the bone weight summed
// from bazi0 and the seven texts looked up by those keys.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "ReadingKeys.h"

namespace textgen {

// The keys one reading looks up, as the program finds them for a birth.
using reading::BirthKeys;
using reading::KeysOfBirth;

// The seven sections of a report, in its order.
enum ReportSection { kBoneWeight, kStemHour, kPillarHour, kYear, kMonth, kDay, kHour, kReportSections };

struct SampleReading {
    BirthKeys keys;
    int sex = 0;  // 0 male, 1 female, as the birth record holds it
    std::array<const std::string*, kReportSections> texts{};
};

// The source tables of one folder, by key ("甲子|丙寅" for bazi2), held for the
// readings that point into them.
class ReadingTables {
public:
    // Reads bazi0 … bazi6 from dir; throws std::runtime_error for a table that
    // cannot be read or a weight that is not a number.
    explicit ReadingTables(const std::filesystem::path& dir);

    // count readings of births from 1922 to 2049 drawn from seed; a key
    // without a text gives an empty one. The readings point into the tables,
    // which must outlive them.
    std::vector<SampleReading> Compose(int count, std::uint32_t seed) const;

private:
    const std::string& Text(int table, const std::string& key) const;

    std::map<std::string, int> m_weights;
    std::array<std::map<std::string, std::string>, 7> m_tables;  // bazi0 unused, bazi1 … bazi6
    std::string m_empty;
};

}  // namespace textgen
