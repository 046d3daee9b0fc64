// Putting the sections together and fetching their paragraphs.
#include "Analyze.h"

#include <stdexcept>

#include "Format.h"
#include "Fortune.h"
#include "Month.h"
#include "Natal.h"
#include "Pattern.h"
#include "PillarSearch.h"
#include "Shensha.h"
#include "Strength.h"
#include "Summary.h"
#include "TextTables.h"
#include "Useful.h"

namespace analysis {
namespace {

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

Analysis AnalyzePillars(const std::array<int, 4>& pillars, const TextSource& texts) {
    if (std::string error = calendar::PillarsError(pillars); !error.empty())
        throw std::invalid_argument(error);
    return NatalSections(MakeNatal(pillars), pillars, texts);
}

}  // namespace analysis
