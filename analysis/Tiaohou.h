// The climate table (调候用神) of 穷通宝鉴: for each day stem and month
// branch, the stems the book names to temper the season, the first the
// principal one.
#pragma once

#include <vector>

namespace analysis {

// The stems (0-9) of the cell for a day stem (0-9) and a month branch
// (0-11), principal first; never empty.
std::vector<int> TiaohouStems(int dayStem, int monthBranch);

}  // namespace analysis
