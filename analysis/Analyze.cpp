// Putting the sections together and fetching their paragraphs.
#include "Analyze.h"

#include <stdexcept>

#include "Format.h"
#include "Fortune.h"
#include "HourPillars.h"
#include "Month.h"
#include "Natal.h"
#include "Pattern.h"
#include "Shensha.h"
#include "Strength.h"
#include "Summary.h"
#include "TextTables.h"
#include "Useful.h"

namespace analysis {
namespace {

constexpr std::size_t kCharBytes = 3;  // every stem and branch is three bytes of UTF-8

std::string TextOf(const TextSource& texts, TextTable table, const TextKey& key) {
    std::optional<std::string> text = texts.Text(table, key);
    return text ? std::move(*text) : std::string();
}

// Sections 1-4 and 8 of four pillars.
Analysis NatalSections(const Natal& n, const std::array<int, 4>& pillars, const TextSource& texts) {
    Analysis a;
    a.pillars = pillars;
    a.strength = AssessStrength(n);
    a.strength.key = StrengthKey(a.strength.band);
    a.strength.text = TextOf(texts, TextTable::Strength, a.strength.key);

    a.pattern = AssessPattern(n, a.strength);
    a.pattern.key = PatternKey(a.pattern.kind, a.pattern.state);
    a.pattern.text = TextOf(texts, TextTable::Pattern, a.pattern.key);

    a.useful = AssessUseful(n, a.strength, a.pattern);
    a.useful.key = UsefulKey(GroupOfElement(n.dayElement, a.useful.yong), a.useful.decidedBy);
    a.useful.text = TextOf(texts, TextTable::Useful, a.useful.key);

    a.month = AssessMonth(n);
    a.month.key = MonthKey(n.monthBranch, n.dayElement);
    a.month.text = TextOf(texts, TextTable::Month, a.month.key);

    a.shenshaMethod = ShenshaMethod();
    a.shensha = AssessShensha(n);
    for (ShenshaFinding& s : a.shensha) {
        s.key = ShenshaKey(s.name);
        if (!s.positions.empty()) s.text = TextOf(texts, TextTable::Shensha, s.key);
    }
    return a;
}

void FortuneTexts(FortuneFinding& f, const TextSource& texts) {
    f.stemKey = FortuneKey(true, f.stemGod, f.stemStance);
    f.branchKey = FortuneKey(false, f.branchGod, f.branchStance);
    std::vector<std::string> parts = {TextOf(texts, TextTable::Fortune, f.stemKey),
                                      TextOf(texts, TextTable::Fortune, f.branchKey)};
    for (FortuneRelation& r : f.relations) {
        r.key = RelationKey(r.link, r.formed ? std::optional<Stance>(r.stance) : std::nullopt);
        r.text = TextOf(texts, TextTable::Relation, r.key);
        parts.push_back(r.text);
    }
    for (const std::string& p : parts) f.text += p;
}

int StemAt(std::string_view s) {
    for (int i = 0; i < 10; ++i)
        if (chart::StemName(i) == s) return i;
    return -1;
}

int BranchAt(std::string_view s) {
    for (int i = 0; i < 12; ++i)
        if (chart::BranchName(i) == s) return i;
    return -1;
}

}  // namespace

Analysis Analyze(const chart::Chart& c, const std::vector<int>& years, const TextSource& texts) {
    std::array<int, 4> pillars{};
    for (int i = 0; i < 4; ++i) pillars[i] = c.pillars[i].pillar;
    const Natal n = MakeNatal(pillars);
    Analysis a = NatalSections(n, pillars, texts);
    a.hasLuck = true;

    a.luckMethod = LuckMethod();
    for (const chart::LuckPillar& lp : c.luck.pillars) {
        a.luck.push_back(JudgeLuck(n, a.useful, lp.pillar, lp.startYear, lp.startAge));
        FortuneTexts(a.luck.back(), texts);
    }
    // Nominal age, as everywhere in the program: Gregorian year - year of birth + 1.
    a.yearsMethod = YearsMethod();
    for (int year : years) {
        const int age = year >= c.birth.year ? year - c.birth.year + 1 : 0;
        a.years.push_back(JudgeYear(n, a.useful, year, age, a.luck));
        FortuneTexts(a.years.back(), texts);
    }
    a.summaryMethod = SummaryMethod();
    a.summary = Summarize(a);
    return a;
}

std::optional<std::array<int, 4>> ParsePillars(std::string_view utf8) {
    std::string compact;
    for (char ch : utf8)
        if (ch != ' ') compact += ch;
    if (compact.size() != 8 * kCharBytes) return std::nullopt;
    std::array<int, 4> pillars{};
    for (std::size_t p = 0; p < 4; ++p) {
        const int stem = StemAt(std::string_view(compact).substr(2 * p * kCharBytes, kCharBytes));
        const int branch = BranchAt(std::string_view(compact).substr((2 * p + 1) * kCharBytes, kCharBytes));
        if (stem < 0 || branch < 0) return std::nullopt;
        pillars[p] = chart::PillarIndex(stem, branch);
        if (pillars[p] < 0) return std::nullopt;
    }
    return pillars;
}

std::string CheckPillars(const std::array<int, 4>& p) {
    for (int i : p)
        if (i < 0 || i >= 60) return "a pillar must be a sexagenary index 0-59";
    // 五虎遁: the 寅 month of a 甲 or 己 year is 丙寅, of 乙庚 戊寅, 丙辛 庚寅, 丁壬 壬寅, 戊癸 甲寅.
    const int tigerStem = (p[0] % 10 % 5 * 2 + 2) % 10;
    const int monthStem = (tigerStem + (p[1] % 12 + 10) % 12) % 10;
    if (p[1] % 10 != monthStem)
        return "the month pillar " + chart::PillarName(p[1]) + " cannot follow the year stem " +
               Str(chart::StemName(p[0] % 10)) + " (五虎遁 gives " +
               chart::PillarName(chart::PillarIndex(monthStem, p[1] % 12)) + ")";
    // 五鼠遁 gives each double-hour its stem; the 子 of 23:00 (晚子时, the
    // default) takes the next day's, so a 戊 day shows 壬子 and 甲子.
    if (!calendar::IsHourPillarOfDayStem(p[2] % 10, p[3])) {
        const auto hours = calendar::HourPillarsOfDayStem(p[2] % 10);
        std::string due = chart::PillarName(hours[static_cast<std::size_t>(p[3] % 12)]);
        if (p[3] % 12 == 0) due += ", or " + chart::PillarName(hours.back()) + " at 23:00 (晚子时)";
        return "the hour pillar " + chart::PillarName(p[3]) + " cannot follow the day stem " +
               Str(chart::StemName(p[2] % 10)) + " (五鼠遁 gives " + due + ")";
    }
    return "";
}

Analysis AnalyzePillars(const std::array<int, 4>& pillars, const TextSource& texts) {
    if (std::string error = CheckPillars(pillars); !error.empty()) throw std::invalid_argument(error);
    return NatalSections(MakeNatal(pillars), pillars, texts);
}

}  // namespace analysis
