// ISO 8601 UTC times, to the second.
#include "IsoTime.h"

#include <chrono>
#include <cstdio>

namespace people {
namespace {

constexpr std::string_view kPattern = "dddd-dd-ddTdd:dd:ddZ";  // d: a digit
constexpr int kFirstYear = 1970;
constexpr int kHoursPerDay = 24;
constexpr int kMinutesPerHour = 60;
constexpr int kSecondsPerMinute = 60;

int Number(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

}  // namespace

std::string FormatUtcTime(std::int64_t seconds) {
    using namespace std::chrono;
    const sys_seconds t{std::chrono::seconds{seconds}};
    const sys_days day = floor<days>(t);
    const year_month_day ymd{day};
    const hh_mm_ss<std::chrono::seconds> time{t - day};
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", int(ymd.year()), unsigned(ymd.month()),
                  unsigned(ymd.day()), int(time.hours().count()), int(time.minutes().count()),
                  int(time.seconds().count()));
    return text;
}

std::optional<std::int64_t> ParseUtcTime(std::string_view text) {
    using namespace std::chrono;
    if (text.size() != kPattern.size()) return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kPattern[i] == 'd' ? !digit : text[i] != kPattern[i]) return std::nullopt;
    }
    const year_month_day ymd{year{Number(text.substr(0, 4))}, month(unsigned(Number(text.substr(5, 2)))),
                             day(unsigned(Number(text.substr(8, 2))))};
    const int h = Number(text.substr(11, 2));
    const int m = Number(text.substr(14, 2));
    const int s = Number(text.substr(17, 2));
    if (!ymd.ok() || int(ymd.year()) < kFirstYear || h >= kHoursPerDay || m >= kMinutesPerHour ||
        s >= kSecondsPerMinute)
        return std::nullopt;
    const sys_seconds t = sys_days{ymd} + hours{h} + minutes{m} + seconds{s};
    return t.time_since_epoch().count();
}

}  // namespace people
