#include "TextChecks.h"

#include <algorithm>
#include <array>
#include <set>
#include <string_view>

#include "GbkCodec.h"

namespace textgen {

using namespace chart;

namespace {

bool Has(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

// The ten gods by name, with the other names a text may use for three of them.
constexpr std::array<std::pair<std::string_view, TenGod>, 13> kGodWords = {{
    {"比肩", TenGod::Companion},
    {"劫财", TenGod::RobWealth},
    {"食神", TenGod::EatingGod},
    {"伤官", TenGod::HurtingOfficer},
    {"偏财", TenGod::IndirectWealth},
    {"正财", TenGod::DirectWealth},
    {"七杀", TenGod::SevenKillings},
    {"偏官", TenGod::SevenKillings},
    {"正官", TenGod::DirectOfficer},
    {"偏印", TenGod::IndirectSeal},
    {"枭神", TenGod::IndirectSeal},
    {"枭印", TenGod::IndirectSeal},
    {"正印", TenGod::DirectSeal},
}};
// Stage names long enough to be unambiguous wherever they stand.
constexpr std::array<std::pair<std::string_view, Stage>, 5> kStageWords = {{
    {"长生", Stage::Birth},
    {"沐浴", Stage::Bath},
    {"冠带", Stage::Cap},
    {"临官", Stage::Office},
    {"帝旺", Stage::Peak},
}};
// One-character stages count as named only in a phrase such as 临绝地 or 坐墓之.
constexpr std::array<std::pair<char32_t, Stage>, 6> kStageChars = {{
    {U'衰', Stage::Decline},
    {U'病', Stage::Ailing},
    {U'墓', Stage::Tomb},
    {U'绝', Stage::Extinct},
    {U'胎', Stage::Womb},
    {U'养', Stage::Nurture},
}};
constexpr std::u32string_view kStageBefore = U"临坐逢居处落入";
constexpr std::u32string_view kStageAfter = U"地位乡之";

bool HasLink(const KeyFacts& k, BranchLink link) {
    return std::any_of(k.branchRelations.begin(), k.branchRelations.end(),
                       [link](const Relation& r) { return r.link == link; });
}
bool HasPunish(const KeyFacts& k, PunishWay way) {
    return std::any_of(k.branchRelations.begin(), k.branchRelations.end(),
                       [way](const Relation& r) { return r.link == BranchLink::Punish && r.way == way; });
}

std::string Join(const std::set<std::string>& names) {
    std::string s;
    for (const std::string& n : names) s += (s.empty() ? "" : "/") + n;
    return s;
}

}  // namespace

const std::vector<std::string>& ForbiddenWords() {
    static const std::vector<std::string> kWords = {
        "死",   "夭",   "亡",   "离婚", "克夫", "克妻",     "绝症",     "血光",     "灾祸",     "短命",
        "横祸", "无子", "绝嗣", "刑克", "破产", "牢狱",     "重病",     "大病",     "灾难",     "厄运",
        "车祸", "手术", "官司", "寿命", "嫁",   "娶",       "一生安稳", "一生顺遂", "衣食无忧", "必定",
        "注定", "男命", "女命", "丈夫", "妻子", "只是比喻", "不必当真", "不必迷信"};
    return kWords;
}

std::vector<std::string> FalseClaims(const KeyFacts& k, const std::string& text) {
    std::vector<std::string> out;
    std::set<TenGod> gods = {k.hourStemGod};
    for (const HiddenFact& h : k.hourHidden) gods.insert(h.god);
    for (const HiddenFact& h : k.dayHidden) gods.insert(h.god);
    std::set<std::string> godNames;
    for (const TenGod g : gods) godNames.insert(std::string(TenGodName(g)));
    for (const auto& [word, god] : kGodWords)
        if (Has(text, word) && !gods.count(god))
            out.push_back("names the ten god " + std::string(word) + ", which this key lacks (it has " +
                          Join(godNames) + ")");

    std::set<Stage> stages = {k.hourStage};
    if (k.selfStage) stages.insert(*k.selfStage);
    std::set<std::string> stageNames;
    for (const Stage s : stages) stageNames.insert(std::string(StageName(s)));
    for (const auto& [word, stage] : kStageWords)
        if (Has(text, word) && !stages.count(stage))
            out.push_back("names the stage " + std::string(word) + ", which this key lacks (it has " +
                          Join(stageNames) + ")");
    const std::u32string cps = CodePoints(text);
    for (std::size_t i = 1; i + 1 < cps.size(); ++i)
        for (const auto& [ch, stage] : kStageChars)
            if (cps[i] == ch && kStageBefore.find(cps[i - 1]) != std::u32string_view::npos &&
                kStageAfter.find(cps[i + 1]) != std::u32string_view::npos && !stages.count(stage))
                out.push_back("names the stage " + std::string(StageName(stage)) +
                              ", which this key lacks (it has " + Join(stageNames) + ")");

    std::set<std::string> nayins = {std::string(NayinName(k.hourPillar))};
    if (k.IsPillarKey()) nayins.insert(std::string(NayinName(PillarIndex(k.dayStem, k.dayBranch))));
    for (int p = 0; p < 60; p += 2) {
        const std::string name(NayinName(p));
        if (Has(text, name) && !nayins.count(name))
            out.push_back("names the 纳音 " + name + ", which this key lacks (it has " + Join(nayins) + ")");
    }

    const bool combine = HasLink(k, BranchLink::Combine),
               repeat = HasLink(k, BranchLink::Repeat) || k.samePillar;
    const bool anyPunish = HasLink(k, BranchLink::Punish) || HasLink(k, BranchLink::SelfPunish);
    const struct {
        std::string_view word;
        bool holds;
    } kRelations[] = {
        {"六合", combine},
        {"五合", k.stemsCombine || combine},
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

    for (const char* verdict : {"身强", "身弱", "身旺", "身衰"})
        if (Has(text, verdict))
            out.push_back("gives the verdict " + std::string(verdict) +
                          ", which a day-and-hour key cannot see");
    return out;
}

const std::vector<OppositePair>& OppositePairs() {
    static const std::vector<OppositePair> kPairs = {
        {"内向", "外向", false}, {"内敛", "张扬", false}, {"沉静", "活泼", false}, {"安静", "好动", false},
        {"稳重", "急躁", false}, {"保守", "冒进", false}, {"谨慎", "冲动", false}, {"寡言", "健谈", false},
        {"温和", "刚烈", false}, {"随和", "固执", false}, {"安稳", "波折", true},  {"顺遂", "坎坷", true},
        {"平顺", "起伏", true},  {"早发", "晚成", true},
    };
    return kPairs;
}

std::vector<std::string> MisplacedDescriptors(Section section, const std::string& text) {
    std::vector<std::string> out;
    for (const OppositePair& p : OppositePairs()) {
        if (Has(text, p.first) && Has(text, p.second))
            out.push_back("uses both " + std::string(p.first) + " and " + p.second);
        const Section home = p.course ? Section::BoneWeight : Section::Day;
        if (section == home) continue;
        for (const char* w : {p.first, p.second})
            if (Has(text, w))
                out.push_back("uses " + std::string(w) + ", which belongs to the " +
                              (p.course ? "bone-weight texts" : "lunar-day texts"));
    }
    return out;
}

std::vector<std::string> KeyMismatches(Section section, const std::string& /*key*/, const std::string& text) {
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

std::u32string CodePoints(const std::string& utf8) {
    // The sources are UTF-8; a byte that is not part of a valid sequence counts as U+FFFD.
    std::u32string out;
    std::string_view rest = utf8;
    while (!rest.empty()) {
        char32_t cp = 0;
        const std::size_t n = platform::Utf8SequenceLength(rest, cp);
        out.push_back(n ? cp : U'\uFFFD');
        rest.remove_prefix(n ? n : 1);
    }
    return out;
}

std::vector<std::u32string> MaskedSentences(const std::string& text) {
    // Multi-character key words first (ten gods, long stage names, 纳音), then
    // every stem, branch, element and one-character stage.
    static const std::vector<std::u32string> kWords = [] {
        std::vector<std::u32string> w;
        for (const auto& [word, god] : kGodWords) w.push_back(CodePoints(std::string(word)));
        for (const auto& [word, stage] : kStageWords) w.push_back(CodePoints(std::string(word)));
        for (int p = 0; p < 60; p += 2) w.push_back(CodePoints(std::string(NayinName(p))));
        return w;
    }();
    static const std::u32string kChars =
        U"甲乙丙丁戊己庚辛壬癸子丑寅卯辰巳午未申酉戌亥木火土金水衰病墓绝胎养";
    std::u32string s = CodePoints(text);
    for (const std::u32string& w : kWords)
        for (std::size_t at = s.find(w); at != std::u32string::npos; at = s.find(w, at + 1))
            s.replace(at, w.size(), U"X");
    for (char32_t& c : s)
        if (kChars.find(c) != std::u32string::npos) c = U'X';
    std::vector<std::u32string> out;
    std::u32string current;
    for (const char32_t c : s) {
        if (c == U'。' || c == U'！' || c == U'？' || c == U'；') {
            if (!current.empty()) out.push_back(current);
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) out.push_back(current);
    return out;
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
