// The reading composer: turns one birth record into the report texts, using
// the calendar engine and the eleven queries on the interpretation database.
// A plain function with no window: the report view and the command-line
// reading call it and show the ComposedReport it returns.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "BirthRecord.h"
#include "Database.h"
#include "SystemTime.h"

// The longest header and body, in bytes, each counted with one terminating
// zero: a report fits in fixed text buffers of these sizes.
inline constexpr std::size_t kHeaderBufferSize = 4096;
inline constexpr std::size_t kBodyBufferSize = 10240;

// Everything one reading produces. header and body are GBK, "\n"-separated,
// already cut to fit (at most 4095 and 10239 bytes, never half a character).
struct ComposedReport {
    std::string header;
    std::string body;
    std::string starSign;                            // GBK; empty when the date has none
    std::array<std::array<char, 3>, 8> pillarChars;  // the eight pillar characters, zero-terminated
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
