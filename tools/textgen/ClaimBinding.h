// Claims a text makes about the stems and branches it names, each bound to the
// object it names and held to the theory: a stem's ten god, a branch's hidden
// stems, a stem's growth stage at a branch, a branch's store (库) and its kind of
// earth or water (湿土, 燥土, 寒水), the element relations (生, 克, 反克, 泄)
// between named stems, branches, 纳音 and ten gods, the relations of two named
// branches or stems, and 透 only for a stem that stands in a stem position. A
// claim the text words in a way these rules do not read is not judged.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Theory.h"

namespace textgen {

// What the text's key makes true beyond the theory itself.
struct ClaimScope {
    int dayStem = -1;                // the day master, for ten gods and 日主; -1 when the text has none
    int dayBranch = -1;              // the branch the day master sits on (坐), -1 when unknown
    int hourBranch = -1;             // the branch the day master meets (临), -1 when unknown
    std::vector<int> stemPositions;  // stems that stand in a stem position (透)
    std::vector<int> pillars;        // pillars whose 纳音 the text may name
};

// The claims of text that do not hold, as readable lines quoting the words.
std::vector<std::string> UnboundClaims(const ClaimScope& scope, std::string_view text);

// The (stem, ten god) pairs text names, as "丙火食神" or "藏己为正财" name them,
// relative to dayStem.
std::set<std::pair<int, chart::TenGod>> StemGodsNamed(int dayStem, std::string_view text);

// The ten gods and the growth stages a text names anywhere, as the words below name them.
std::set<chart::TenGod> GodsNamed(std::string_view text);
std::set<chart::Stage> StagesNamed(std::string_view text);

// The ten gods by name, with the other names a text may use for two of them.
struct GodWord {
    std::u32string_view word;
    chart::TenGod god;
};
const std::vector<GodWord>& GodWords();

// The growth stages by name, with the words a text may use for 临官 and 墓; a
// one-character name counts only where a stage is plainly meant (为衰, 临绝地).
struct StageWord {
    std::u32string_view word;
    chart::Stage stage;
};
const std::vector<StageWord>& StageWords();

}  // namespace textgen
