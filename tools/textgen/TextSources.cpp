// Loading the six text tables and reading their keys.
#include "TextSources.h"

#include <stdexcept>

#include "TsvTable.h"

namespace textgen {

using namespace chart;

namespace {

std::string Joined(const std::vector<std::string>& columns) {
    std::string s;
    for (const std::string& c : columns) s += (s.empty() ? "" : "\t") + c;
    return s;
}

}  // namespace

const std::vector<SourceTable>& SourceTables() {
    static const std::vector<SourceTable> kTables = {
        {"bazi1.tsv", Section::BoneWeight, {"Amount", "meaning"}},
        {"bazi2.tsv", Section::DayHour, {"day", "time", "meaning"}},
        {"bazi3.tsv", Section::Year, {"year", "meaning"}},
        {"bazi4.tsv", Section::Month, {"month", "meaning"}},
        {"bazi5.tsv", Section::Day, {"day", "meaning"}},
        {"bazi6.tsv", Section::Hour, {"time", "meaning"}},
    };
    return kTables;
}

std::vector<SourceText> LoadTexts(const std::filesystem::path& dir) {
    std::vector<SourceText> all;
    for (const SourceTable& table : SourceTables()) {
        const platform::TsvTable t = platform::ReadTsv(dir / table.file);
        if (t.header != table.header)
            throw std::runtime_error((dir / table.file).string() + ":1: the header is not " +
                                     Joined(table.header));
        for (std::size_t i = 0; i < t.rows.size(); ++i)
            all.push_back({table.file,
                           t.lines[i],
                           table.section,
                           {t.rows[i].begin(), t.rows[i].end() - 1},
                           t.rows[i].back()});
    }
    return all;
}

int StemOfName(const std::string& name) {
    for (int i = 0; i < 10; ++i)
        if (StemName(i) == name) return i;
    return -1;
}

int BranchOfName(const std::string& name) {
    for (int i = 0; i < 12; ++i)
        if (BranchName(i) == name) return i;
    return -1;
}

int PillarOfName(const std::string& name) {
    for (int p = 0; p < 60; ++p)
        if (PillarName(p) == name) return p;
    return -1;
}

bool IsStemKey(const SourceText& t) {
    return t.section == Section::DayHour && t.key.size() == 2 && StemOfName(t.key[0]) >= 0 &&
           PillarOfName(t.key[1]) >= 0;
}

bool IsPillarKey(const SourceText& t) {
    return t.section == Section::DayHour && t.key.size() == 2 && PillarOfName(t.key[0]) >= 0 &&
           PillarOfName(t.key[1]) >= 0;
}

KeyFacts FactsOfRow(const SourceText& t) {
    const int day = PillarOfName(t.key[0]);
    const int dayStem = day >= 0 ? day % 10 : StemOfName(t.key[0]);
    return FactsOf(dayStem, day >= 0 ? day % 12 : -1, PillarOfName(t.key[1]));
}

}  // namespace textgen
