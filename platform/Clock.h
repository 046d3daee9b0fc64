// The program's only clock. Everything that needs "now" (the calendar panel,
// the nominal age, the reading timestamp) asks these functions, and tests pin
// the instant with SetClockForTesting so composed texts are reproducible.
#pragma once

#include <chrono>
#include <functional>

#include "SystemTime.h"

namespace platform {

using Clock = std::chrono::system_clock;

// The current instant: the system clock, or the instant a test has pinned.
Clock::time_point Now();

// Replaces the clock; an empty function restores the system clock.
void SetClockForTesting(std::function<Clock::time_point()> now);

// Converts an instant to calendar fields in UTC or in the process's local
// time zone (TZ, /etc/localtime). wDayOfWeek is filled, 0 = Sunday.
SYSTEMTIME ToUtcSystemTime(Clock::time_point t);
SYSTEMTIME ToLocalSystemTime(Clock::time_point t);

}  // namespace platform

// The clock read into date records: GetSystemTime in UTC, GetLocalTime in the
// user's time zone, both over platform::Now().
void GetSystemTime(SYSTEMTIME* st);  // UTC
void GetLocalTime(SYSTEMTIME* st);   // the user's own clock
