// The reading composer: turns one birth record into the report texts, using
// the calendar engine and the eleven queries on the interpretation database.
// A plain function with no window: CReportView::ComposeReading calls it and
// copies the result into its members.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "BirthRecord.h"
#include "Database.h"
#include "SystemTime.h"

inline constexpr std::size_t kHeaderBufferSize = 4096;  // m_szHeader, text + terminating zero
inline constexpr std::size_t kBodyBufferSize = 10240;   // m_szBody, text + terminating zero

// Everything one reading produces. header and body are GBK, "\n"-separated,
// already cut to fit their buffers (at most 4095 and 10239 bytes).
struct ComposedReport {
    std::string header;
    std::string body;
    std::string starSign;                            // m_strStarSign
    std::array<std::array<char, 3>, 8> pillarChars;  // m_szPillarChars
    // Details for other front ends (the command-line reading).
    SYSTEMTIME solar{};
    SYSTEMTIME lunar{};
    int leap = 0;
    std::array<std::int32_t, 4> weights{};  // year, month, day, hour, in 钱
    std::int32_t totalWeight = 0;
    std::array<std::string, 7> sections;  // the seven decoded texts, GBK
};

// Composes a reading. `now` is the user's local time (one reading of the
// program's clock). Returns nullopt for a birth date that does not exist or
// cannot be converted ("无效的日期! 请重新输入!"); throws ComError when the
// database fails during the lookups.
std::optional<ComposedReport> ComposeReport(const BirthRecord& birth, Connection* connection,
                                            const SYSTEMTIME& now);
