// The measurement: each text is judged once, then the judgements are counted
// over the readings that show it.
#include "Measurement.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "ClaimBinding.h"
#include "Findings.h"
#include "ReadingSample.h"
#include "TextChecks.h"
#include "TextScan.h"

namespace textgen {

namespace {

// What one text shows a reader.
struct Judgement {
    bool strength = false, transform = false, season = false, jargon = false, design = false, promise = false;
    bool partnerByWealth = false, partnerByOfficer = false, factWrong = false;
};

bool UsesConcern(const std::vector<ListedWord>& words, std::initializer_list<Concern> concerns) {
    return std::any_of(words.begin(), words.end(), [&](const ListedWord& w) {
        return std::find(concerns.begin(), concerns.end(), w.concern) != concerns.end();
    });
}

Judgement Judge(const SourceText& t) {
    Judgement j;
    const std::vector<ListedWord> words = ListedWords(t.text);
    j.strength = UsesConcern(words, {Concern::Strength});
    j.transform = !UnconditionalTransforms(t.text).empty();
    j.season = UsesConcern(words, {Concern::Season});
    j.jargon = UsesConcern(words, {Concern::Jargon});
    j.design = UsesConcern(words, {Concern::DesignRemark});
    j.promise = UsesConcern(words, {Concern::Longevity, Concern::Fated}) || !DatedPromises(t.text).empty();
    // A partner read from 财 (a man's rule) or from 官 and 杀 (a woman's), sentence by sentence.
    for (const std::u32string& sentence : Sentences(CodePoints(t.text))) {
        const std::string s = Utf8Of(sentence);
        if (!UsesConcern(ListedWords(s), {Concern::Partner})) continue;
        j.partnerByWealth = j.partnerByWealth || Has(s, "财");
        j.partnerByOfficer = j.partnerByOfficer || Has(s, "官") || Has(s, "杀");
    }
    j.factWrong = !UnboundClaims(ScopeOf(t), t.text).empty() || !KeyMismatches(t.section, t.text).empty() ||
                  ((IsStemKey(t) || IsPillarKey(t)) && !FalseClaims(FactsOfRow(t), t.text).empty());
    return j;
}

// The source text a reading shows in one section, as the check sees it.
SourceText Shown(const SampleReading& r, int section) {
    static constexpr Section kSections[] = {Section::BoneWeight, Section::DayHour, Section::DayHour,
                                            Section::Year,       Section::Month,   Section::Day,
                                            Section::Hour};
    const BirthKeys& k = r.keys;
    std::vector<std::string> key;
    switch (section) {
        case kStemHour:
            key = {k.dayPillar.substr(0, k.dayPillar.size() / 2), k.hourPillar};
            break;
        case kPillarHour:
            key = {k.dayPillar, k.hourPillar};
            break;
        case kYear:
            key = {k.yearPillar};
            break;
        case kMonth:
            key = {k.monthName};
            break;
        case kDay:
            key = {k.dayName};
            break;
        case kHour:
            key = {k.hourName};
            break;
        default:
            break;
    }
    return {"", 0, kSections[section], key, *r.texts[static_cast<std::size_t>(section)]};
}

bool NameSameStemGod(const std::string& stemText, const std::string& pillarText, int dayStem) {
    const auto a = StemGodsNamed(dayStem, stemText), b = StemGodsNamed(dayStem, pillarText);
    return std::any_of(a.begin(), a.end(), [&b](const auto& x) { return b.count(x) > 0; });
}

std::string Share(int part, int whole) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f %%", whole ? 100.0 * part / whole : 0.0);
    return buffer;
}

}  // namespace

Figures Measure(const std::filesystem::path& dir, int count, std::uint32_t seed) {
    const ReadingTables tables(dir);
    Figures f;
    std::map<const std::string*, Judgement> judged;
    auto judge = [&judged](const SampleReading& r, int section) -> const Judgement& {
        const std::string* text = r.texts[static_cast<std::size_t>(section)];
        auto it = judged.find(text);
        if (it == judged.end()) it = judged.emplace(text, Judge(Shown(r, section))).first;
        return it->second;
    };
    for (const SampleReading& r : tables.Compose(count, seed)) {
        ++f.readings;
        Judgement any;
        std::vector<std::string> texts;
        for (int s = 0; s < kReportSections; ++s) {
            const Judgement& j = judge(r, s);
            texts.push_back(*r.texts[static_cast<std::size_t>(s)]);
            any.strength |= j.strength;
            any.transform |= j.transform;
            any.design |= j.design;
            any.promise |= j.promise;
            any.factWrong |= j.factWrong;
            any.partnerByWealth |= j.partnerByWealth;
            any.partnerByOfficer |= j.partnerByOfficer;
            ++f.textsShown;
            f.jargonTexts += j.jargon;
            if (s == kStemHour || s == kPillarHour) {
                ++f.dayHourShown;
                f.dayHourJargon += j.jargon;
            }
            if (s == kMonth) f.seasonMonth += j.season;
        }
        f.strength += any.strength;
        f.transform += any.transform;
        f.strengthOrTransform += any.strength || any.transform;
        f.designRemarks += any.design;
        f.promises += any.promise;
        f.factsWrong += any.factWrong;
        f.partnerWrongSex += r.sex == 0 ? any.partnerByOfficer : any.partnerByWealth;
        f.descriptorClash += DescriptorsClash(texts);
        const int dayStem = StemOfName(r.keys.dayPillar.substr(0, r.keys.dayPillar.size() / 2));
        f.sameStemGod += NameSameStemGod(texts[kStemHour], texts[kPillarHour], dayStem);
    }
    // The same figure over the table's keys rather than the readings.
    const std::vector<SourceText> all = LoadTexts(dir);
    std::map<std::pair<std::string, std::string>, const std::string*> stemTexts;
    for (const SourceText& t : all)
        if (IsStemKey(t)) stemTexts[{t.key[0], t.key[1]}] = &t.text;
    for (const SourceText& t : all) {
        if (!IsPillarKey(t)) continue;
        const auto it = stemTexts.find({t.key[0].substr(0, t.key[0].size() / 2), t.key[1]});
        if (it == stemTexts.end()) continue;
        ++f.pillarKeys;
        f.pillarKeysSameStemGod += NameSameStemGod(*it->second, t.text, FactsOfRow(t).dayStem);
    }
    return f;
}

std::string FiguresReport(const Figures& f) {
    const int n = f.readings;
    auto line = [](const std::string& what, int part, int whole) {
        return what + ": " + std::to_string(part) + " of " + std::to_string(whole) + " (" +
               Share(part, whole) + ")\n";
    };
    return line("readings with a strength verdict or an unconditional 化", f.strengthOrTransform, n) +
           line("  with a strength verdict", f.strength, n) +
           line("  with an unconditional 化", f.transform, n) +
           line("lunar-month texts with 当令 or 调候", f.seasonMonth, n) +
           line("readings whose two day-and-hour paragraphs name the same stem and ten god", f.sameStemGod,
                n) +
           line("  day-pillar keys of the table that do", f.pillarKeysSameStemGod, f.pillarKeys) +
           line("texts shown with office vocabulary", f.jargonTexts, f.textsShown) +
           line("  day-and-hour texts shown with office vocabulary", f.dayHourJargon, f.dayHourShown) +
           line("readings with a remark on the text itself", f.designRemarks, n) +
           line("readings with a dated, longevity or fated promise", f.promises, n) +
           line("readings with a partner read for the wrong sex", f.partnerWrongSex, n) +
           line("readings with clashing descriptors across sections", f.descriptorClash, n) +
           line("readings with a claim that does not hold", f.factsWrong, n);
}

}  // namespace textgen
