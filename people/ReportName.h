// The name a reading prints: the report keeps at most ten bytes of GBK, so
// the stored name (any Unicode text) is fitted to that, and what was lost on
// the way is said, so the window and the tool can show the difference.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "BirthRecord.h"

namespace people {

// The report's name box admits ten bytes of GBK: five Chinese characters.
inline constexpr std::size_t kReportNameBytes = 10;
static_assert(kReportNameBytes < sizeof(BirthRecord::name), "room for the terminating zero");

// Stands for a character that GBK lacks or that a name should not print.
inline constexpr char kReplacementChar = '?';

struct ReportName {
    std::string gbk;         // at most kReportNameBytes bytes, never half a character
    bool shortened = false;  // characters at the end were cut off to fit
    bool replaced = false;   // characters GBK lacks, or control characters, became '?'
};

// The report's name for a stored name (UTF-8): white space at either end
// dropped, each character GBK lacks (an emoji, a rare hanzi) and each control
// character replaced by '?', then cut at the last whole character within
// kReportNameBytes. A byte that is not valid UTF-8 counts as a character
// GBK lacks.
ReportName MakeReportName(std::string_view utf8);

}  // namespace people
