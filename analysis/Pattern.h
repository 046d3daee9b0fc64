// Section 2, 格局: the regular pattern by the month order (子平真诠), the
// special patterns where their conditions hold, and the pattern's state by
// the rules of 成, 败 and 救应 (PatternRules.h).
#pragma once

#include "Analysis.h"
#include "Natal.h"

namespace analysis {

// The regular pattern of the month order, with the month stem that decided
// it (-1 for 建禄, 月刃 and 月劫) and the stem position it shows at (-1 when
// it is taken from the 本气 without showing).
struct MonthOrder {
    PatternKind kind = PatternKind::DirectOfficer;
    int stem = -1;
    int shownAt = -1;
    std::string decidedBy;
};
MonthOrder MonthOrderOf(const Natal& natal);

// The finding without its paragraph. `strength` is section 1's finding.
PatternFinding AssessPattern(const Natal& natal, const StrengthFinding& strength);

}  // namespace analysis
