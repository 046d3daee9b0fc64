// Section 4, 月令: the month pillar read for the day master: its season, the
// element that rules it, the day element's state in it, and the month
// pillar's own stem and hidden stems.
#pragma once

#include "Analysis.h"
#include "Natal.h"

namespace analysis {

// The finding without its paragraph.
MonthFinding AssessMonth(const Natal& natal);

}  // namespace analysis
