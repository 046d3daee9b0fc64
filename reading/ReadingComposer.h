// The reading composer: turns one birth record into the report texts, using
// the calendar engine and the eleven queries on the interpretation database.
// A plain function with no window: the report view and the command-line
// reading call it and show the ComposedReport it returns.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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
    // Details for other front ends (the command-line reading): the dates the
    // reading was cast for (standard time), and the Gregorian date and hour
    // as the clock showed them (they differ only in summer time).
    SYSTEMTIME solar{};
    SYSTEMTIME lunar{};
    SYSTEMTIME clockSolar{};
    int leap = 0;
    std::array<std::int32_t, 4> weights{};  // year, month, day, hour, in 钱
    std::int32_t totalWeight = 0;
    std::array<std::string, 7> sections;  // the seven decoded texts, GBK
    // What the body states under its title, each on a "注: " line (GBK
    // sentences): summer time taken back, an hour the clocks skipped or
    // repeated, a 节 inside the birth hour, the 晚子时 at 23:00.
    std::vector<std::string> notes;
};

// How a reading reckons the birth time.
struct ReadingOptions {
    // A clock hour in China's summer time (1919, 1940-1949, 1986-1991) is
    // taken an hour back to standard time; the report says so.
    bool dstCorrect = true;
};

// Composes a reading. `now` is the user's local time (one reading of the
// program's clock). The birth is taken at H:00 China Standard Time (after
// the summer-time correction); its pillars turn at the exact moment of 立春 and
// each 节, and 23:00 is 晚子时. Returns nullopt for a birth date that does not
// exist or lies outside 1900-01-31 … 2100-12-31 ("无效的日期! 请重新输入!");
// throws ComError when the database fails during the lookups.
std::optional<ComposedReport> ComposeReport(const BirthRecord& birth, Connection* connection,
                                            const SYSTEMTIME& now, const ReadingOptions& options = {});
