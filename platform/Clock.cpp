// The program's clock and its conversion to calendar fields.
#include "Clock.h"

#include <ctime>
#include <utility>

namespace platform {
namespace {

std::function<Clock::time_point()>& Override() {
    static std::function<Clock::time_point()> now;
    return now;
}

SYSTEMTIME FromTm(const std::tm& tm, Clock::time_point t) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count();
    SYSTEMTIME st;
    st.wYear = static_cast<std::uint16_t>(tm.tm_year + 1900);
    st.wMonth = static_cast<std::uint16_t>(tm.tm_mon + 1);
    st.wDayOfWeek = static_cast<std::uint16_t>(tm.tm_wday);
    st.wDay = static_cast<std::uint16_t>(tm.tm_mday);
    st.wHour = static_cast<std::uint16_t>(tm.tm_hour);
    st.wMinute = static_cast<std::uint16_t>(tm.tm_min);
    st.wSecond = static_cast<std::uint16_t>(tm.tm_sec);
    st.wMilliseconds = static_cast<std::uint16_t>(((ms % 1000) + 1000) % 1000);
    return st;
}

}  // namespace

Clock::time_point Now() {
    const auto& now = Override();
    return now ? now() : Clock::now();
}

void SetClockForTesting(std::function<Clock::time_point()> now) {
    Override() = std::move(now);
}

SYSTEMTIME ToUtcSystemTime(Clock::time_point t) {
    const std::time_t secs = Clock::to_time_t(t);
    std::tm tm{};
    gmtime_r(&secs, &tm);
    return FromTm(tm, t);
}

SYSTEMTIME ToLocalSystemTime(Clock::time_point t) {
    const std::time_t secs = Clock::to_time_t(t);
    std::tm tm{};
    tzset();
    localtime_r(&secs, &tm);
    return FromTm(tm, t);
}

}  // namespace platform

void GetSystemTime(SYSTEMTIME* st) {
    if (st) *st = platform::ToUtcSystemTime(platform::Now());
}

void GetLocalTime(SYSTEMTIME* st) {
    if (st) *st = platform::ToLocalSystemTime(platform::Now());
}
