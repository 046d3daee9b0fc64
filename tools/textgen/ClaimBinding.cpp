// Claim binding: each rule finds the words that make one kind of claim, reads
// the object the claim is about from the characters beside them, and asks the
// theory whether it holds.
#include "ClaimBinding.h"

#include <algorithm>
#include <optional>

#include "TextScan.h"

namespace textgen {

using namespace chart;

namespace {

using Text = std::u32string_view;

char32_t At(Text s, std::ptrdiff_t i) {
    return i >= 0 && i < static_cast<std::ptrdiff_t>(s.size()) ? s[static_cast<std::size_t>(i)] : U'\0';
}

bool StartsAt(Text s, std::size_t i, Text word) {
    return i <= s.size() && s.substr(i, word.size()) == word;
}

bool OneOf(char32_t c, Text set) {
    return c != U'\0' && set.find(c) != Text::npos;
}

std::string Name(int stem) {
    return std::string(StemName(stem));
}

// The words around [from, to), for a message that lets the writer find them.
std::string Quote(Text s, std::ptrdiff_t from, std::ptrdiff_t to) {
    from = std::max<std::ptrdiff_t>(from, 0);
    to = std::min<std::ptrdiff_t>(to, static_cast<std::ptrdiff_t>(s.size()));
    return "「" + Utf8Of(s.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from))) +
           "」";
}

// A stem named at i, alone or with its element ("丙", "丙火"); its span ends at end.
struct Named {
    int index = -1;
    std::ptrdiff_t begin = 0, end = 0;
};

// The stem (or, with branches, the branch) whose name ends just before i, as
// "丙火" or "丙" writes it; nothing when none does.
std::optional<Named> NamedBefore(Text s, std::ptrdiff_t i, bool branches = false) {
    auto index = [branches](char32_t c) { return branches ? BranchIndex(c) : StemIndex(c); };
    if (IsElement(At(s, i - 1)) && index(At(s, i - 2)) >= 0) return Named{index(At(s, i - 2)), i - 2, i};
    if (index(At(s, i - 1)) >= 0) return Named{index(At(s, i - 1)), i - 1, i};
    return std::nullopt;
}

// The stem (or branch) whose name starts at i.
std::optional<Named> NamedAt(Text s, std::ptrdiff_t i, bool branches = false) {
    const int index = branches ? BranchIndex(At(s, i)) : StemIndex(At(s, i));
    if (index < 0) return std::nullopt;
    return Named{index, i, IsElement(At(s, i + 1)) ? i + 2 : i + 1};
}

// A word of a fixed list found in the text.
template <typename T>
struct Found {
    std::ptrdiff_t begin, end;
    T value;
};

const std::vector<GodWord> kGods = {
    {U"比肩", TenGod::Companion},      {U"劫财", TenGod::RobWealth},      {U"食神", TenGod::EatingGod},
    {U"伤官", TenGod::HurtingOfficer}, {U"偏财", TenGod::IndirectWealth}, {U"正财", TenGod::DirectWealth},
    {U"七杀", TenGod::SevenKillings},  {U"偏官", TenGod::SevenKillings},  {U"正官", TenGod::DirectOfficer},
    {U"偏印", TenGod::IndirectSeal},   {U"枭神", TenGod::IndirectSeal},   {U"枭印", TenGod::IndirectSeal},
    {U"正印", TenGod::DirectSeal},
};

const std::vector<StageWord> kStages = {
    {U"长生", Stage::Birth},  {U"沐浴", Stage::Bath}, {U"冠带", Stage::Cap},      {U"临官", Stage::Office},
    {U"建禄", Stage::Office}, {U"帝旺", Stage::Peak}, {U"收藏之地", Stage::Tomb}, {U"禄", Stage::Office},
    {U"衰", Stage::Decline},  {U"病", Stage::Ailing}, {U"死", Stage::Death},      {U"墓", Stage::Tomb},
    {U"绝", Stage::Extinct},  {U"胎", Stage::Womb},   {U"养", Stage::Nurture},
};
// Around a one-character stage name: what stands before it and after it.
constexpr Text kStageBefore = U"为临坐逢居处落入至在于之";
constexpr Text kStageAfter = U"地位乡之而临坐";

std::vector<Found<TenGod>> FindGods(Text s) {
    std::vector<Found<TenGod>> out;
    for (std::size_t i = 0; i < s.size(); ++i)
        for (const GodWord& g : kGods)
            if (StartsAt(s, i, g.word)) {
                out.push_back(
                    {static_cast<std::ptrdiff_t>(i), static_cast<std::ptrdiff_t>(i + g.word.size()), g.god});
                i += g.word.size() - 1;
                break;
            }
    return out;
}

std::vector<Found<Stage>> FindStages(Text s) {
    std::vector<Found<Stage>> out;
    for (std::size_t i = 0; i < s.size(); ++i)
        for (const StageWord& w : kStages) {
            if (!StartsAt(s, i, w.word)) continue;
            const auto begin = static_cast<std::ptrdiff_t>(i),
                       end = begin + static_cast<std::ptrdiff_t>(w.word.size());
            if (w.word.size() == 1) {
                const char32_t after = At(s, end);
                if (!OneOf(At(s, begin - 1), kStageBefore) ||
                    !(after == U'\0' || EndsClause(after) || OneOf(after, kStageAfter)))
                    continue;
            }
            out.push_back({begin, end, w.stage});
            i = static_cast<std::size_t>(end) - 1;
            break;
        }
    return out;
}

// --- ten gods -----------------------------------------------------------------

// The stem a ten-god word at [begin, end) names: the one just before it ("丙火食神",
// "藏己为正财") or, failing that, just after it ("正财己土").
std::optional<Named> StemOfGod(Text s, std::ptrdiff_t begin, std::ptrdiff_t end) {
    std::ptrdiff_t j = begin;
    if (OneOf(At(s, j - 1), U"为乃是作属")) --j;
    if (auto n = NamedBefore(s, j)) return n;
    return NamedAt(s, end);
}

void CheckGods(const ClaimScope& scope, Text s, std::vector<std::string>& out) {
    if (scope.dayStem < 0) return;
    for (const auto& g : FindGods(s)) {
        const auto stem = StemOfGod(s, g.begin, g.end);
        if (!stem) continue;
        const TenGod truth = TenGodOf(scope.dayStem, stem->index);
        if (truth != g.value)
            out.push_back("calls " + Name(stem->index) + " " + std::string(TenGodName(g.value)) + " in " +
                          Quote(s, std::min(stem->begin, g.begin), std::max(stem->end, g.end)) + ", but " +
                          Name(stem->index) + " is " + std::string(TenGodName(truth)) + " to a " +
                          Name(scope.dayStem) + " day master");
    }
}

// --- hidden stems -------------------------------------------------------------

// The stems listed from i on: "癸水", "戊土、乙木与癸水"; "己为正财，又藏…" stops at the
// comma. A 与 ends an enumeration only after a 、: in "申中壬水与癸水相合" the 癸 is another
// stem's.
std::vector<Named> StemList(Text s, std::ptrdiff_t i) {
    std::vector<Named> out;
    bool enumerating = false;
    while (auto n = NamedAt(s, i)) {
        out.push_back(*n);
        i = n->end;
        // A ten god after the stem ("己土正财", "己为正财") belongs to it.
        if (At(s, i) == U'为') ++i;
        for (const GodWord& g : kGods)
            if (StartsAt(s, static_cast<std::size_t>(i), g.word))
                i += static_cast<std::ptrdiff_t>(g.word.size());
        if (At(s, i) == U'、') {
            enumerating = true;
        } else if (!(enumerating && OneOf(At(s, i), U"与和及"))) {
            break;
        }
        ++i;
    }
    return out;
}

constexpr Text kHideAdverbs = U"只又也亦暗另还所本尚更内皆都俱同";

void CheckHidden(Text s, std::vector<std::string>& out) {
    auto check = [&](const std::vector<int>& branches, std::ptrdiff_t from, std::ptrdiff_t i) {
        const std::vector<Named> stems = StemList(s, i);
        for (const Named& n : stems)
            for (const int b : branches) {
                const HiddenStems h = HiddenStemsOf(b);
                if (std::find(h.stems.begin(), h.stems.begin() + h.count, n.index) !=
                    h.stems.begin() + h.count)
                    continue;
                std::string all;
                for (int k = 0; k < h.count; ++k) all += Name(h.stems[static_cast<std::size_t>(k)]);
                out.push_back("says " + std::string(BranchName(b)) + " hides " + Name(n.index) + " in " +
                              Quote(s, from, n.end) + ", but " + std::string(BranchName(b)) + " hides " +
                              all);
            }
    };
    for (std::ptrdiff_t k = 0; k < static_cast<std::ptrdiff_t>(s.size()); ++k) {
        if (s[static_cast<std::size_t>(k)] == U'中') {
            // "申中庚金", "子中只藏癸水", "丑土中藏己土".
            const auto branch = NamedBefore(s, k, /*branches=*/true);
            if (!branch) continue;
            std::ptrdiff_t i = k + 1;
            while (OneOf(At(s, i), kHideAdverbs)) ++i;
            if (OneOf(At(s, i), U"藏伏含")) ++i;
            check({branch->index}, branch->begin, i);
        } else if (s[static_cast<std::size_t>(k)] == U'藏' && At(s, k - 1) != U'中' &&
                   !(OneOf(At(s, k - 1), kHideAdverbs) && At(s, k - 2) == U'中')) {
            // "辰为湿土，藏戊为偏财": the branch named last before 藏 in the sentence; "戌、未皆藏己土":
            // every branch of the clause.
            std::vector<int> branches;
            const bool all = OneOf(At(s, k - 1), U"皆都俱");
            for (std::ptrdiff_t j = k - 1; j >= 0 && !EndsSentence(At(s, j)); --j) {
                if (all && EndsClause(At(s, j)) && At(s, j) != U'、') break;
                const int b = BranchIndex(At(s, j));
                // A branch that is part of a pillar ("甲子") is the pillar's, not the subject.
                if (b < 0 || StemIndex(At(s, j - 1)) >= 0) continue;
                branches.push_back(b);
                if (!all) break;
            }
            if (!branches.empty()) check(branches, k, k + 1);
        }
    }
}

// --- stages -------------------------------------------------------------------

void CheckStage(const ClaimScope& scope, Text s, std::vector<std::string>& out) {
    for (const auto& st : FindStages(s)) {
        std::optional<Named> stem, branch;
        std::ptrdiff_t j = st.begin;
        if (At(s, j - 1) == U'之') --j;
        if (OneOf(At(s, j - 1), U"为乃是")) --j;
        // "丙火于申为病地", "日主临子为沐浴之地", "日坐午火帝旺".
        if (auto b = NamedBefore(s, j, /*branches=*/true);
            b && OneOf(At(s, b->begin - 1), U"于在至临到坐居落逢处入")) {
            const std::ptrdiff_t verb = b->begin - 1;
            if (auto n = NamedBefore(s, verb)) {
                stem = n;
            } else if (scope.dayStem >= 0 && At(s, verb - 1) == U'日') {
                stem = Named{scope.dayStem, verb - 1, verb};
            } else if (scope.dayStem >= 0 && At(s, verb - 2) == U'日' && OneOf(At(s, verb - 1), U"主元干")) {
                stem = Named{scope.dayStem, verb - 2, verb};
            }
            if (stem) branch = b;
        }
        // "寅为甲之禄地", "巳为丁火帝旺之地".
        if (!branch && At(s, st.begin - 1) != U'为') {
            std::ptrdiff_t k = st.begin;
            if (At(s, k - 1) == U'之') --k;
            if (auto n = NamedBefore(s, k); n && OneOf(At(s, n->begin - 1), U"为乃是"))
                if (auto b = NamedBefore(s, n->begin - 1, /*branches=*/true)) stem = n, branch = b;
        }
        // "日主坐衰而临长生": 坐 is the day branch, 临 the hour branch.
        if (!branch && scope.dayStem >= 0 && OneOf(At(s, st.begin - 1), U"坐临")) {
            const std::ptrdiff_t verb = st.begin - 1;
            const auto before = NamedBefore(s, verb);
            if (!before || before->index == scope.dayStem) {
                // "于时坐长生" sits at the hour branch.
                const bool atHour = At(s, verb) == U'临' || At(s, verb - 1) == U'时';
                const int b = atHour ? scope.hourBranch : scope.dayBranch;
                if (b >= 0) {
                    stem = Named{scope.dayStem, verb, verb};
                    branch = Named{b, verb, verb};
                }
            }
        }
        if (!branch) continue;
        const std::ptrdiff_t from = std::min(stem->begin, branch->begin);
        const Stage truth = StageOf(stem->index, branch->index);
        if (truth != st.value)
            out.push_back("puts " + Name(stem->index) + " at " + std::string(BranchName(branch->index)) +
                          " in " + std::string(StageName(st.value)) + " in " + Quote(s, from, st.end) +
                          ", but it is " + std::string(StageName(truth)));
    }
}

// --- 透 -----------------------------------------------------------------------

void CheckShown(const ClaimScope& scope, Text s, std::vector<std::string>& out) {
    for (std::ptrdiff_t k = 0; k < static_cast<std::ptrdiff_t>(s.size()); ++k) {
        if (s[static_cast<std::size_t>(k)] != U'透') continue;
        if (OneOf(At(s, k - 1), U"通看剔浸穿渗") || OneOf(At(s, k + 1), U"彻澈露支亮明气过")) continue;
        // "癸水伤官透出", "两甲同透", "透出癸水".
        std::ptrdiff_t j = k;
        while (OneOf(At(s, j - 1), U"同并双齐俱皆又亦干于上")) --j;
        for (const GodWord& g : kGods)
            if (j >= static_cast<std::ptrdiff_t>(g.word.size()) &&
                s.substr(static_cast<std::size_t>(j) - g.word.size(), g.word.size()) == g.word)
                j -= static_cast<std::ptrdiff_t>(g.word.size());
        std::optional<Named> stem = NamedBefore(s, j);
        if (!stem) stem = NamedAt(s, At(s, k + 1) == U'出' ? k + 2 : k + 1);
        if (!stem) continue;
        if (std::find(scope.stemPositions.begin(), scope.stemPositions.end(), stem->index) ==
            scope.stemPositions.end())
            out.push_back("says " + Name(stem->index) + " 透 in " +
                          Quote(s, std::min(stem->begin, k), std::max(stem->end, k + 1)) + ", but " +
                          Name(stem->index) + " stands in no stem position here");
    }
}

// --- element relations --------------------------------------------------------

// A token of a relation: a position on the generating cycle 木 火 土 金 水 (an element,
// or a ten-god group counted from the day master: 比劫 0, 食伤 1, 财 2, 官杀 3, 印 4).
struct Token {
    int cycle;
    bool god;
    std::ptrdiff_t begin, end;
};

// Ten-god groups by word; the one-character words only beside a relation verb.
struct GroupWord {
    Text word;
    int group;
};
const std::vector<GroupWord> kGroupWords = {
    {U"比肩", 0}, {U"劫财", 0}, {U"比劫", 0}, {U"日主", 0}, {U"食神", 1}, {U"伤官", 1}, {U"食伤", 1},
    {U"正财", 2}, {U"偏财", 2}, {U"财星", 2}, {U"七杀", 3}, {U"偏官", 3}, {U"正官", 3}, {U"官星", 3},
    {U"官杀", 3}, {U"正印", 4}, {U"偏印", 4}, {U"印星", 4}, {U"枭神", 4}, {U"枭印", 4},
};
const std::vector<GroupWord> kGroupChars = {
    {U"身", 0}, {U"比", 0}, {U"劫", 0}, {U"食", 1}, {U"伤", 1},
    {U"财", 2}, {U"官", 3}, {U"杀", 3}, {U"印", 4}, {U"枭", 4},
};

// Relation verbs, longest first: what b must be to a on the generating cycle.
enum class Verb { Generates, Controls, CounterControls, Drains, Mutual, MutualControl };
struct VerbWord {
    Text word;
    Verb verb;
};
const std::vector<VerbWord> kVerbs = {
    {U"相生", Verb::Mutual},          {U"相克", Verb::MutualControl},
    {U"反克", Verb::CounterControls}, {U"反制", Verb::CounterControls},
    {U"反侮", Verb::CounterControls}, {U"克制", Verb::Controls},
    {U"生扶", Verb::Generates},       {U"生助", Verb::Generates},
    {U"生出", Verb::Generates},       {U"生", Verb::Generates},
    {U"克", Verb::Controls},          {U"剋", Verb::Controls},
    {U"制", Verb::Controls},          {U"夺", Verb::Controls},
    {U"坏", Verb::Controls},          {U"泄", Verb::Drains},
};
// Words that may stand between the first party and the verb; a negation drops the claim.
constexpr Text kVerbAdverbs = U"可能来又亦去正还再也而则便就恰皆都尚更既已先";
constexpr Text kNegations = U"不难无未莫";

// The token that starts at i, if any; oneChar allows the one-character god words.
std::optional<Token> TokenAt(Text s, std::ptrdiff_t i, bool oneChar) {
    if (i < 0) return std::nullopt;
    static const std::vector<std::pair<std::u32string, Element>> kNayin = [] {
        std::vector<std::pair<std::u32string, Element>> names;
        for (int p = 0; p < 60; p += 2) names.emplace_back(CodePoints(NayinName(p)), NayinElement(p));
        return names;
    }();
    for (const auto& [name, element] : kNayin)
        if (StartsAt(s, static_cast<std::size_t>(i), name))
            return Token{static_cast<int>(element), false, i, i + static_cast<std::ptrdiff_t>(name.size())};
    for (const GroupWord& g : kGroupWords)
        if (StartsAt(s, static_cast<std::size_t>(i), g.word))
            return Token{g.group, true, i, i + static_cast<std::ptrdiff_t>(g.word.size())};
    Element e{};
    if (const int stem = StemIndex(At(s, i)); stem >= 0)
        return Token{static_cast<int>(StemElement(stem)), false, i, IsElement(At(s, i + 1)) ? i + 2 : i + 1};
    if (const int branch = BranchIndex(At(s, i)); branch >= 0 && IsElement(At(s, i + 1)))
        return Token{static_cast<int>(BranchElement(branch)), false, i, i + 2};
    if (IsElement(At(s, i), e)) return Token{static_cast<int>(e), false, i, i + 1};
    if (oneChar)
        for (const GroupWord& g : kGroupChars)
            if (At(s, i) == g.word[0]) return Token{g.group, true, i, i + 1};
    return std::nullopt;
}

// The token that ends at i, if any.
std::optional<Token> TokenBefore(Text s, std::ptrdiff_t i, bool oneChar) {
    for (std::ptrdiff_t len = 3; len >= 1; --len)
        if (auto t = TokenAt(s, i - len, oneChar); t && t->end == i) return t;
    return std::nullopt;
}

// How b stands to a on the generating cycle. Elements are in that order, and the
// ten-god groups, counted from the day master, follow the same cycle.
static_assert(static_cast<int>(Element::Wood) == 0 && static_cast<int>(Element::Fire) == 1 &&
              static_cast<int>(Element::Earth) == 2 && static_cast<int>(Element::Metal) == 3 &&
              static_cast<int>(Element::Water) == 4);
ElementRelation CycleRelation(int a, int b) {
    return Relate(static_cast<Element>(a), static_cast<Element>(b));
}

bool Holds(Verb verb, ElementRelation r) {
    switch (verb) {
        case Verb::Generates:
            return r == ElementRelation::AGeneratesB;
        case Verb::Controls:
            return r == ElementRelation::AControlsB;
        case Verb::CounterControls:
            return r == ElementRelation::BControlsA;
        case Verb::Drains:
            return r == ElementRelation::BGeneratesA;
        case Verb::Mutual:
            return r == ElementRelation::AGeneratesB || r == ElementRelation::BGeneratesA;
        case Verb::MutualControl:
            return r == ElementRelation::AControlsB || r == ElementRelation::BControlsA;
    }
    return true;
}

std::string_view RelationWords(ElementRelation r) {
    switch (r) {
        case ElementRelation::Same:
            return "is the same as";
        case ElementRelation::AGeneratesB:
            return "generates";
        case ElementRelation::AControlsB:
            return "controls";
        case ElementRelation::BControlsA:
            return "is controlled by";
        case ElementRelation::BGeneratesA:
            return "is generated by";
    }
    return "";
}

std::string_view CycleName(int cycle, bool god) {
    static constexpr std::string_view kElements[] = {"木", "火", "土", "金", "水"};
    static constexpr std::string_view kGroups[] = {"比劫", "食伤", "财", "官杀", "印"};
    return god ? kGroups[cycle] : kElements[cycle];
}

void CheckRelations(Text s, std::vector<std::string>& out) {
    for (std::ptrdiff_t k = 0; k < static_cast<std::ptrdiff_t>(s.size()); ++k) {
        const VerbWord* verb = nullptr;
        for (const VerbWord& v : kVerbs)
            if (StartsAt(s, static_cast<std::size_t>(k), v.word)) {
                verb = &v;
                break;
            }
        if (!verb) continue;
        const auto after = k + static_cast<std::ptrdiff_t>(verb->word.size());
        const bool mutual = verb->verb == Verb::Mutual || verb->verb == Verb::MutualControl;
        std::optional<Token> a, b;
        if (mutual) {
            // "金水相生", "官印相生": the two tokens just before the verb.
            b = TokenBefore(s, k, true);
            if (b) a = TokenBefore(s, b->begin, true);
        } else {
            if (At(s, after) == U'于' || OneOf(At(s, k - 1), U"长先相"))
                continue;  // 生于, 长生, 先生, 相克 (above)
            std::ptrdiff_t j = k;
            while (OneOf(At(s, j - 1), kVerbAdverbs)) --j;
            if (OneOf(At(s, j - 1), kNegations)) continue;
            a = TokenBefore(s, j, j == k);
            b = TokenAt(s, after, true);
            // In "印化杀生身" the one who generates is the 印, not the 杀 it transforms.
            if (a && OneOf(At(s, a->begin - 1), U"化制克生泄夺坏")) continue;
        }
        if (!a || !b || a->god != b->god) continue;
        const ElementRelation r = CycleRelation(a->cycle, b->cycle);
        if (!Holds(verb->verb, r)) {
            const std::string truth = std::string(CycleName(a->cycle, a->god)) + " " +
                                      std::string(RelationWords(r)) + " " +
                                      std::string(CycleName(b->cycle, b->god));
            out.push_back("says " + Quote(s, a->begin, b->end) + ", but " + truth);
        }
        k = after - 1;
    }
}

// --- 库 -----------------------------------------------------------------------

// The element each branch stores: 辰 水, 戌 火, 丑 金, 未 木.
std::optional<Element> StoreOf(int branch) {
    switch (branch) {
        case 4:
            return Element::Water;
        case 10:
            return Element::Fire;
        case 1:
            return Element::Metal;
        case 7:
            return Element::Wood;
        default:
            return std::nullopt;
    }
}

void CheckStores(Text s, std::vector<std::string>& out) {
    for (std::ptrdiff_t k = 0; k < static_cast<std::ptrdiff_t>(s.size()); ++k) {
        if (s[static_cast<std::size_t>(k)] != U'库') continue;
        std::ptrdiff_t j = k - 1;
        if (At(s, j) == U'之') --j;
        Element e{};
        if (!IsElement(At(s, j), e)) continue;
        // "辰为水库", "丑为湿土金库": the branch named last before it in the clause.
        for (std::ptrdiff_t i = j - 1; i >= 0 && !EndsClause(At(s, i)); --i) {
            const int b = BranchIndex(At(s, i));
            if (b < 0) continue;
            const auto store = StoreOf(b);
            if (!store || *store != e)
                out.push_back(
                    "calls " + std::string(BranchName(b)) + " the " + std::string(ElementName(e)) + "库 in " +
                    Quote(s, i, k + 1) + ", but " + std::string(BranchName(b)) +
                    (store ? " is the " + std::string(ElementName(*store)) + "库" : " is no store"));
            break;
        }
    }
}

// --- a branch's kind of earth or water ------------------------------------------

void CheckKinds(Text s, std::vector<std::string>& out) {
    // 辰丑 are wet earth, 戌未 dry; 丑 is the winter's cold earth, 亥子 the cold water.
    struct Kind {
        Text word;
        Text branches;
    };
    static constexpr Kind kKinds[] = {
        {U"湿土", U"辰丑"}, {U"燥土", U"戌未"}, {U"寒土", U"丑"}, {U"寒水", U"亥子"}};
    for (const Kind& kind : kKinds)
        for (std::size_t at = s.find(kind.word); at != Text::npos; at = s.find(kind.word, at + 1)) {
            // "辰为湿土", "辰是湿土", "丑土": the branch just before, with its link.
            auto i = static_cast<std::ptrdiff_t>(at);
            if (OneOf(At(s, i - 1), U"为是乃")) --i;
            const int b = BranchIndex(At(s, i - 1));
            if (b < 0 || StemIndex(At(s, i - 2)) >= 0 || BranchIndex(At(s, i - 2)) >= 0) continue;
            if (!OneOf(At(s, i - 1), kind.branches))
                out.push_back("calls " + std::string(BranchName(b)) + " " + Utf8Of(kind.word) + " in " +
                              Quote(s, i - 1, static_cast<std::ptrdiff_t>(at + kind.word.size())) + ", but " +
                              Utf8Of(kind.word) + " is " + Utf8Of(kind.branches));
        }
}

// --- relations of two named branches or stems ------------------------------------

bool HasLink(int a, int b, BranchLink link) {
    for (const Relation& r : RelationsOf(a, b))
        if (r.link == link) return true;
    return false;
}

// The element a combining pair would form: 六合 of two branches, 五合 of two stems.
std::optional<Element> CombinedElement(int a, int b, bool stems) {
    if (stems) return StemsCombine(a, b) ? std::optional(StemCombineElement(a, b)) : std::nullopt;
    for (const Relation& r : RelationsOf(a, b))
        if (r.link == BranchLink::Combine) return r.element;
    return std::nullopt;
}

void CheckPairs(Text s, std::vector<std::string>& out) {
    struct Rule {
        Text word;
        bool stems;  // a relation of two stems rather than two branches
        bool (*holds)(int, int);
    };
    static const Rule kRules[] = {
        {U"六合", false, [](int a, int b) { return HasLink(a, b, BranchLink::Combine); }},
        {U"相合", false,
         [](int a, int b) {
             return HasLink(a, b, BranchLink::Combine) || HasLink(a, b, BranchLink::HalfTrine) ||
                    HasLink(a, b, BranchLink::ArchTrine);
         }},
        {U"六冲", false, [](int a, int b) { return HasLink(a, b, BranchLink::Clash); }},
        {U"相冲", false, [](int a, int b) { return HasLink(a, b, BranchLink::Clash); }},
        {U"半合", false, [](int a, int b) { return HasLink(a, b, BranchLink::HalfTrine); }},
        {U"拱合", false, [](int a, int b) { return HasLink(a, b, BranchLink::ArchTrine); }},
        {U"半会", false, [](int a, int b) { return HasLink(a, b, BranchLink::HalfDirection); }},
        {U"相刑", false,
         [](int a, int b) {
             return HasLink(a, b, BranchLink::Punish) || HasLink(a, b, BranchLink::SelfPunish);
         }},
        {U"自刑", false, [](int a, int b) { return a == b && HasLink(a, b, BranchLink::SelfPunish); }},
        {U"六害", false, [](int a, int b) { return HasLink(a, b, BranchLink::Harm); }},
        {U"相害", false, [](int a, int b) { return HasLink(a, b, BranchLink::Harm); }},
        {U"相破", false, [](int a, int b) { return HasLink(a, b, BranchLink::Break); }},
        {U"五合", true, [](int a, int b) { return StemsCombine(a, b); }},
        {U"相合", true, [](int a, int b) { return StemsCombine(a, b); }},
        {U"合", true, [](int a, int b) { return StemsCombine(a, b); }},
        {U"相冲", true, [](int a, int b) { return StemsClash(a, b); }},
    };
    for (std::ptrdiff_t k = 0; k < static_cast<std::ptrdiff_t>(s.size()); ++k)
        for (const Rule& r : kRules) {
            if (!StartsAt(s, static_cast<std::size_t>(k), r.word)) continue;
            // "子丑六合", "午、未相合", "甲己相合": the two names just before the word.
            std::ptrdiff_t j = k;
            if (!r.stems && OneOf(At(s, j - 1), U"又亦再")) --j;
            auto index = [&r](char32_t c) { return r.stems ? StemIndex(c) : BranchIndex(c); };
            const int b = index(At(s, j - 1));
            std::ptrdiff_t i = j - 2;
            if (At(s, i) == U'、') --i;
            const int a = index(At(s, i));
            // Two names of a pillar ("甲子") are not a pair; nor is a branch pair read as stems.
            if (a < 0 || b < 0 || (r.stems && BranchIndex(At(s, j - 1)) >= 0)) continue;
            if (!r.stems && (StemIndex(At(s, i - 1)) >= 0)) continue;
            const std::ptrdiff_t end = k + static_cast<std::ptrdiff_t>(r.word.size());
            if (!r.holds(a, b) && !r.holds(b, a)) {
                out.push_back("says " + Quote(s, i, end) + ", which does not hold between " +
                              Utf8Of(std::u32string(1, At(s, i))) + " and " +
                              Utf8Of(std::u32string(1, At(s, j - 1))));
            } else if (const auto formed = CombinedElement(a, b, r.stems)) {
                // "子丑六合化土", "丙辛合而化水": the element named must be the one the pair forms.
                std::ptrdiff_t x = end;
                while (OneOf(At(s, x), U"而可或能")) ++x;
                Element e{};
                if (At(s, x) == U'化' && IsElement(At(s, x + 1), e) && e != *formed)
                    out.push_back("says " + Quote(s, i, x + 2) + ", but " +
                                  Utf8Of(std::u32string(1, At(s, i))) +
                                  Utf8Of(std::u32string(1, At(s, j - 1))) + " would form " +
                                  std::string(ElementName(*formed)));
            }
            k += static_cast<std::ptrdiff_t>(r.word.size()) - 1;
            break;
        }
}

// --- 纳音 ----------------------------------------------------------------------

void CheckNayin(const ClaimScope& scope, std::string_view text, std::vector<std::string>& out) {
    std::vector<std::string> allowed;
    for (const int p : scope.pillars) allowed.emplace_back(NayinName(p));
    for (int p = 0; p < 60; p += 2) {
        const std::string name(NayinName(p));
        if (!Has(text, name) || std::find(allowed.begin(), allowed.end(), name) != allowed.end()) continue;
        std::string own;
        for (const std::string& a : allowed) own += (own.empty() ? "" : "/") + a;
        out.push_back("names the 纳音 " + name +
                      (own.empty() ? ", which this key does not have" : ", but this key's 纳音 is " + own));
    }
}

}  // namespace

const std::vector<GodWord>& GodWords() {
    return kGods;
}

const std::vector<StageWord>& StageWords() {
    return kStages;
}

std::vector<std::string> UnboundClaims(const ClaimScope& scope, std::string_view text) {
    const std::u32string s = CodePoints(text);
    std::vector<std::string> out;
    CheckGods(scope, s, out);
    CheckHidden(s, out);
    CheckStage(scope, s, out);
    CheckShown(scope, s, out);
    CheckRelations(s, out);
    CheckStores(s, out);
    CheckKinds(s, out);
    CheckPairs(s, out);
    CheckNayin(scope, text, out);
    return out;
}

std::set<TenGod> GodsNamed(std::string_view text) {
    std::set<TenGod> out;
    for (const auto& g : FindGods(CodePoints(text))) out.insert(g.value);
    return out;
}

std::set<Stage> StagesNamed(std::string_view text) {
    const std::u32string s = CodePoints(text);
    std::set<Stage> out;
    for (const auto& st : FindStages(s)) {
        // "亥未拱卯，暗拱乙木之禄": a stage at the branch two others arch is not at either.
        const auto from = static_cast<std::size_t>(std::max<std::ptrdiff_t>(st.begin - 4, 0));
        if (s.substr(from, static_cast<std::size_t>(st.begin) - from).find(U'拱') == std::u32string::npos)
            out.insert(st.value);
    }
    return out;
}

std::set<std::pair<int, TenGod>> StemGodsNamed(int dayStem, std::string_view text) {
    const std::u32string s = CodePoints(text);
    std::set<std::pair<int, TenGod>> out;
    for (const auto& g : FindGods(s))
        if (const auto stem = StemOfGod(s, g.begin, g.end); stem && TenGodOf(dayStem, stem->index) == g.value)
            out.insert({stem->index, g.value});
    return out;
}

}  // namespace textgen
