// The schools of the 子 hour that starts at 23:00: which day's stem the hour
// pillar takes and which day the hour belongs to. Shared by the pillars of a
// moment (FourPillars.h) and the hour pillars of a day (HourPillars.h).
#pragma once

namespace calendar {

// The schools of the 子 hour that starts at 23:00.
enum class ZiHour {
    // 晚子时 (the default): 23:00-23:59 keeps the calendar day's pillar, and the
    // 子 hour takes the next day's stem, so the hour pillars run on without a
    // break (癸亥 is followed by 甲子).
    Late,
    // 子初换日: the day (and its pillar) changes at 23:00.
    NextDay,
    // The same day's 子 stem at 23:00, the pillar of that day's first hour;
    // no school of practice uses it, kept as a stated option.
    SameDay,
};

}  // namespace calendar
