// Exit statuses of karvuto-cal.
#pragma once

namespace cal {

inline constexpr int kExitAnswered = 0;    // every query answered (an INVALID date included)
inline constexpr int kExitMalformed = 2;   // a query was malformed
inline constexpr int kExitOutputLost = 3;  // standard output could not be written

}  // namespace cal
