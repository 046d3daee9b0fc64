// SYSTEMTIME: the date-and-time record that crosses every calendar interface.
// Eight unsigned 16-bit fields in the order of the Win32 record it stands for;
// used for Gregorian and lunar dates alike.
#pragma once

#include <cstdint>

struct SYSTEMTIME {
    std::uint16_t wYear = 0;
    std::uint16_t wMonth = 0;
    std::uint16_t wDayOfWeek = 0;  // 0 = Sunday
    std::uint16_t wDay = 0;
    std::uint16_t wHour = 0;
    std::uint16_t wMinute = 0;
    std::uint16_t wSecond = 0;
    std::uint16_t wMilliseconds = 0;

    friend bool operator==(const SYSTEMTIME&, const SYSTEMTIME&) = default;
};

static_assert(sizeof(SYSTEMTIME) == 16, "eight packed 16-bit fields");
