#include "TextChecks.h"

#include <algorithm>
#include <set>

#include "ClaimBinding.h"
#include "TextScan.h"

namespace textgen {

using namespace chart;

namespace {

bool HasLink(const KeyFacts& k, BranchLink link) {
    return std::any_of(k.branchRelations.begin(), k.branchRelations.end(),
                       [link](const Relation& r) { return r.link == link; });
}
bool HasPunish(const KeyFacts& k, PunishWay way) {
    return std::any_of(k.branchRelations.begin(), k.branchRelations.end(),
                       [way](const Relation& r) { return r.link == BranchLink::Punish && r.way == way; });
}

template <typename T, typename NameOf>
std::string Join(const std::set<T>& items, NameOf name) {
    std::string s;
    for (const T& item : items) s += (s.empty() ? "" : "/") + std::string(name(item));
    return s;
}

// Chinese numerals as ages and spans are written.
constexpr std::u32string_view kNumerals = U"零一二两三四五六七八九十百";
constexpr std::u32string_view kTens = U"二三四五六七八九";
// What follows a bare number of tens when it is an age: 四十以后, 五十上下.
constexpr std::u32string_view kAgeTails[] = {U"以后", U"之后", U"以前", U"之前",
                                             U"前后", U"上下", U"开外", U"出头"};
// What follows a number of years when it dates a prediction: 十年之后, 三年之内.
constexpr std::u32string_view kSpanTails[] = {U"年之内", U"年以内", U"年之后", U"年以后", U"年后", U"年一转"};

bool IsNumeral(char32_t c) {
    return kNumerals.find(c) != std::u32string_view::npos || (c >= U'0' && c <= U'9');
}

}  // namespace

std::vector<std::string> FalseClaims(const KeyFacts& k, const std::string& text) {
    std::vector<std::string> out;
    std::set<TenGod> gods = {k.hourStemGod};
    for (const HiddenFact& h : k.hourHidden) gods.insert(h.god);
    for (const HiddenFact& h : k.dayHidden) gods.insert(h.god);
    for (const TenGod g : GodsNamed(text))
        if (!gods.count(g))
            out.push_back("names the ten god " + std::string(TenGodName(g)) +
                          ", which this key lacks (it has " + Join(gods, TenGodName) + ")");

    std::set<Stage> stages = {k.hourStage};
    if (k.selfStage) stages.insert(*k.selfStage);
    for (const Stage s : StagesNamed(text))
        if (!stages.count(s))
            out.push_back("names the stage " + std::string(StageName(s)) + ", which this key lacks (it has " +
                          Join(stages, StageName) + ")");

    const bool combine = HasLink(k, BranchLink::Combine),
               repeat = HasLink(k, BranchLink::Repeat) || k.samePillar;
    const bool anyPunish = HasLink(k, BranchLink::Punish) || HasLink(k, BranchLink::SelfPunish);
    const struct {
        std::string_view word;
        bool holds;
    } kRelations[] = {
        {"六合", combine},
        {"五合", k.stemsCombine},
        {"合化", k.stemsCombine || combine},
        {"六冲", HasLink(k, BranchLink::Clash)},
        {"相冲", HasLink(k, BranchLink::Clash) || k.stemsClash},
        {"半合", HasLink(k, BranchLink::HalfTrine)},
        {"拱合", HasLink(k, BranchLink::ArchTrine)},
        {"半会", HasLink(k, BranchLink::HalfDirection)},
        {"相刑", anyPunish},
        {"互刑", HasPunish(k, PunishWay::Mutual)},
        {"刑出", HasPunish(k, PunishWay::Out)},
        {"刑入", HasPunish(k, PunishWay::In)},
        {"自刑", HasLink(k, BranchLink::SelfPunish)},
        {"六害", HasLink(k, BranchLink::Harm)},
        {"相害", HasLink(k, BranchLink::Harm)},
        {"相破", HasLink(k, BranchLink::Break)},
        {"伏吟", repeat},
    };
    for (const auto& r : kRelations)
        if (Has(text, r.word) && !r.holds)
            out.push_back("names " + std::string(r.word) + ", which does not hold between " + k.DayKey() +
                          " and " + k.TimeKey());
    return out;
}

std::vector<ListedWord> ListedWords(std::string_view text) {
    std::vector<ListedWord> out;
    for (const WordList& list : WordLists())
        for (const std::string_view word : list.words)
            if (Has(text, word)) out.push_back({list.concern, list.what, word});
    return out;
}

std::vector<std::string> UnconditionalTransforms(std::string_view text) {
    std::vector<std::string> out;
    for (const std::u32string& sentence : Sentences(CodePoints(text))) {
        const std::string s = Utf8Of(sentence);
        const auto has = [&s](std::string_view w) { return Has(s, w); };
        const auto transform = TransformWords(), condition = ConditionWords();
        if (Has(s, "合") && std::any_of(transform.begin(), transform.end(), has) &&
            std::none_of(condition.begin(), condition.end(), has))
            out.push_back(s);
    }
    return out;
}

std::vector<std::string> DatedPromises(std::string_view text) {
    const std::u32string s = CodePoints(text);
    std::vector<std::string> out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!IsNumeral(s[i]) || (i > 0 && IsNumeral(s[i - 1]))) continue;
        std::size_t end = i;
        while (end < s.size() && IsNumeral(s[end])) ++end;
        const std::u32string_view rest = std::u32string_view(s).substr(end);
        const std::u32string_view number = std::u32string_view(s).substr(i, end - i);
        bool dated = rest.starts_with(U"岁") || rest.starts_with(U"多岁") || rest.starts_with(U"来岁");
        // 四十以后, 过了五十: a bare number of tens is an age.
        const bool tens =
            number.size() == 2 && number[1] == U'十' && kTens.find(number[0]) != std::u32string_view::npos;
        for (const std::u32string_view tail : kAgeTails) dated = dated || (tens && rest.starts_with(tail));
        dated = dated || (tens && i >= 2 && s.substr(i - 2, 2) == U"过了");
        for (const std::u32string_view tail : kSpanTails) dated = dated || rest.starts_with(tail);
        if (dated) out.push_back(Utf8Of(s.substr(i, std::min<std::size_t>(end - i + 4, s.size() - i))));
        i = end;
    }
    return out;
}

std::vector<std::string> MisplacedDescriptors(Section section, const std::string& text) {
    std::vector<std::string> out;
    for (const DescriptorScale& scale : DescriptorScales()) {
        std::string one, other;
        for (const std::string_view w : scale.one)
            if (Has(text, w)) one = w;
        for (const std::string_view w : scale.other)
            if (Has(text, w)) other = w;
        if (!one.empty() && !other.empty()) out.push_back("uses both " + one + " and " + other);
        const Section home = scale.course ? Section::BoneWeight : Section::Day;
        if (section == home) continue;
        for (const std::string& w : {one, other})
            if (!w.empty())
                out.push_back("uses " + w + ", which belongs to the " +
                              (scale.course ? "bone-weight texts" : "lunar-day texts"));
    }
    return out;
}

bool DescriptorsClash(const std::vector<std::string>& texts) {
    for (const DescriptorScale& scale : DescriptorScales()) {
        // The texts that use each end of the scale.
        std::set<std::size_t> one, other;
        for (std::size_t t = 0; t < texts.size(); ++t) {
            for (const std::string_view w : scale.one)
                if (Has(texts[t], w)) one.insert(t);
            for (const std::string_view w : scale.other)
                if (Has(texts[t], w)) other.insert(t);
        }
        for (const std::size_t a : one)
            for (const std::size_t b : other)
                if (a != b) return true;
    }
    return false;
}

std::vector<std::string> KeyMismatches(Section section, const std::string& text) {
    std::vector<std::string> out;
    if (section == Section::Year && !Has(text, "以立春分年"))
        for (int b = 0; b < 12; ++b)
            for (const char* lead : {"属", "肖"})
                if (Has(text, lead + std::string(AnimalName(b))))
                    out.push_back("names the zodiac animal " + std::string(AnimalName(b)) +
                                  " outside the phrase 以立春分年，属X");
    if (section == Section::Month)
        for (int b = 0; b < 12; ++b)
            if (Has(text, std::string(BranchName(b)) + "月"))
                out.push_back("names the branch month " + std::string(BranchName(b)) + "月");
    return out;
}

std::vector<std::u32string> MaskedSentences(const std::string& text) {
    // Multi-character key words first (ten gods, long stage names, 纳音), then
    // every stem, branch, element and one-character stage.
    static const std::vector<std::u32string> kWords = [] {
        std::vector<std::u32string> w;
        for (const GodWord& g : GodWords()) w.emplace_back(g.word);
        for (const StageWord& st : StageWords())
            if (st.word.size() > 1) w.emplace_back(st.word);
        for (int p = 0; p < 60; p += 2) w.push_back(CodePoints(NayinName(p)));
        return w;
    }();
    static const std::u32string kChars =
        U"甲乙丙丁戊己庚辛壬癸子丑寅卯辰巳午未申酉戌亥木火土金水衰病墓绝胎养";
    const std::u32string s = CodePoints(text);
    // Built afresh rather than replaced in place: each key word becomes one "X".
    std::u32string masked;
    for (std::size_t i = 0; i < s.size();) {
        const auto word = std::find_if(kWords.begin(), kWords.end(), [&](const std::u32string& w) {
            return s.compare(i, w.size(), w) == 0;
        });
        if (word != kWords.end()) {
            masked.push_back(U'X');
            i += word->size();
        } else {
            masked.push_back(kChars.find(s[i]) != std::u32string::npos ? U'X' : s[i]);
            ++i;
        }
    }
    return Sentences(masked);
}

std::map<std::u32string, std::vector<int>> SentenceIndex(const std::vector<std::string>& texts) {
    std::map<std::u32string, std::vector<int>> index;
    for (int i = 0; i < static_cast<int>(texts.size()); ++i)
        for (const std::u32string& s : MaskedSentences(texts[i])) {
            if (s.size() < kMinSentence) continue;
            std::vector<int>& where = index[s];
            if (where.empty() || where.back() != i) where.push_back(i);
        }
    return index;
}

}  // namespace textgen
