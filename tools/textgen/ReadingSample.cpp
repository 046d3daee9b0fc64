// Random readings over the source tables.
#include "ReadingSample.h"

#include <random>
#include <stdexcept>

#include "TsvTable.h"

namespace textgen {

namespace {

// The years of the births drawn: inside the calendar engine's lunar years.
constexpr int kFirstYear = 1922, kLastYear = 2049;
// Days 1-28 exist in every month, so every drawn date is a real one.
constexpr int kLastDrawnDay = 28;

}  // namespace

ReadingTables::ReadingTables(const std::filesystem::path& dir) {
    for (int t = 0; t < 7; ++t) {
        const std::string file = "bazi" + std::to_string(t) + ".tsv";
        const platform::TsvTable table = platform::ReadTsv(dir / file);
        for (std::size_t i = 0; i < table.rows.size(); ++i) {
            const auto& r = table.rows[i];
            std::string key;
            for (std::size_t c = 0; c + 1 < r.size(); ++c) key += (c ? "|" : "") + r[c];
            if (t > 0) {
                m_tables[static_cast<std::size_t>(t)][key] = r.back();
                continue;
            }
            try {
                m_weights[key] = std::stoi(r.back());
            } catch (const std::exception&) {
                throw std::runtime_error((dir / file).string() + ":" + std::to_string(table.lines[i]) +
                                         ": not a weight: " + r.back());
            }
        }
    }
}

const std::string& ReadingTables::Text(int table, const std::string& key) const {
    const auto& m = m_tables[static_cast<std::size_t>(table)];
    const auto it = m.find(key);
    return it == m.end() ? m_empty : it->second;
}

std::vector<SampleReading> ReadingTables::Compose(int count, std::uint32_t seed) const {
    auto weight = [this](const std::string& name) {
        const auto it = m_weights.find(name);
        return it == m_weights.end() ? 0 : it->second;
    };
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> year(kFirstYear, kLastYear), month(1, 12), day(1, kLastDrawnDay),
        hour(0, 23), sex(0, 1);
    std::vector<SampleReading> readings;
    while (static_cast<int>(readings.size()) < count) {
        SampleReading r;
        if (!KeysOfBirth(year(random), month(random), day(random), hour(random), r.keys)) continue;
        r.sex = sex(random);
        const BirthKeys& k = r.keys;
        const int total = weight(k.yearName) + weight(k.monthName) + weight(k.dayName) + weight(k.hourName);
        r.texts = {&Text(1, std::to_string(total)),
                   &Text(2, k.dayPillar.substr(0, 3) + "|" + k.hourPillar),
                   &Text(2, k.dayPillar + "|" + k.hourPillar),
                   &Text(3, k.yearPillar),
                   &Text(4, k.monthName),
                   &Text(5, k.dayName),
                   &Text(6, k.hourName)};
        readings.push_back(r);
    }
    return readings;
}

}  // namespace textgen
