// Sections 5 and 6, 大运 and 流年: a luck pillar or a year judged by its
// stem's and its branch's ten gods against the useful god, with its
// relations to the natal month and day (and, for a year, to the natal year
// branch as 太岁 and to the luck pillar in effect).
#pragma once

#include <vector>

#include "Analysis.h"
#include "Natal.h"

namespace analysis {

std::string LuckMethod();
std::string YearsMethod();

// One luck pillar (sexagenary index) starting in `startYear` at nominal age
// `startAge`. Without its paragraphs.
FortuneFinding JudgeLuck(const Natal& natal, const UsefulFinding& useful, int pillar, int startYear,
                         int startAge);

// One Gregorian year, with the luck pillars already judged (to find the one
// in effect) and the nominal age in it (0 when unknown). Without its paragraphs.
FortuneFinding JudgeYear(const Natal& natal, const UsefulFinding& useful, int year, int age,
                         const std::vector<FortuneFinding>& luck);

}  // namespace analysis
