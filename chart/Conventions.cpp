// The 子 hour schools, true solar time, the capitals and China's summer time.
#include "Conventions.h"

#include <cmath>
#include <numbers>

namespace chart {
namespace {

#include "SummerTimeTable.inc"

constexpr std::int64_t kChinaOffset = 8 * kSecondsPerHour;
constexpr double kStandardMeridian = 120.0;
constexpr double kMinutesPerDegree = 4.0;

// City-centre longitudes from GeoNames (geonames.org), rounded to 0.01°, and
// checked against a published Chinese table of major cities' coordinates.
constexpr std::array<Place, 34> kCapitals = {{
    {"北京", 116.40}, {"天津", 117.20},    {"上海", 121.47},     {"重庆", 106.55},   {"哈尔滨", 126.65},
    {"长春", 125.32}, {"沈阳", 123.43},    {"呼和浩特", 111.65}, {"石家庄", 114.51}, {"太原", 112.55},
    {"济南", 117.00}, {"郑州", 113.63},    {"西安", 108.94},     {"兰州", 103.83},   {"银川", 106.27},
    {"西宁", 101.78}, {"乌鲁木齐", 87.63}, {"合肥", 117.23},     {"南京", 118.78},   {"杭州", 120.16},
    {"长沙", 112.94}, {"南昌", 115.86},    {"武汉", 114.31},     {"成都", 104.07},   {"贵阳", 106.63},
    {"昆明", 102.83}, {"南宁", 108.37},    {"拉萨", 91.12},      {"广州", 113.26},   {"福州", 119.30},
    {"海口", 110.33}, {"台北", 121.56},    {"香港", 114.17},     {"澳门", 113.54},
}};

}  // namespace

std::string_view ZiHourKey(ZiHour zi) {
    switch (zi) {
        case ZiHour::Late:
            return "late";
        case ZiHour::NextDay:
            return "next-day";
        case ZiHour::SameDay:
            return "same-day";
    }
    return "";
}

std::string_view ZiHourName(ZiHour zi) {
    switch (zi) {
        case ZiHour::Late:
            return "晚子时";
        case ZiHour::NextDay:
            return "子初换日";
        case ZiHour::SameDay:
            return "子时取当日干";
    }
    return "";
}

std::optional<ZiHour> ParseZiHour(std::string_view key) {
    for (ZiHour zi : {ZiHour::Late, ZiHour::NextDay, ZiHour::SameDay})
        if (ZiHourKey(zi) == key) return zi;
    return std::nullopt;
}

std::string_view TimeBasisKey(const Conventions& c) {
    return c.longitude ? "true-solar" : "clock";
}

double EquationOfTimeMinutes(std::int64_t chinaSeconds) {
    constexpr double kDeg = std::numbers::pi / 180;
    const double days = static_cast<double>(chinaSeconds - kChinaOffset) / kSecondsPerDay;
    const double t = (days - 10957.5) / 36525;  // Julian centuries from J2000.0
    const double l0 = (280.46646 + t * (36000.76983 + t * 0.0003032)) * kDeg;
    const double m = (357.52911 + t * (35999.05029 - t * 0.0001537)) * kDeg;
    const double e = 0.016708634 - t * (0.000042037 + t * 0.0000001267);
    const double epsilon = (23.4392911 - 0.0130042 * t) * kDeg;
    const double y = std::pow(std::tan(epsilon / 2), 2);
    const double radians = y * std::sin(2 * l0) - 2 * e * std::sin(m) +
                           4 * e * y * std::sin(m) * std::cos(2 * l0) - 0.5 * y * y * std::sin(4 * l0) -
                           1.25 * e * e * std::sin(2 * m);
    return radians / kDeg * kMinutesPerDegree;
}

double LongitudeCorrectionMinutes(double longitude) {
    return (longitude - kStandardMeridian) * kMinutesPerDegree;
}

std::int64_t TrueSolarSeconds(std::int64_t chinaSeconds, double longitude) {
    const double minutes = LongitudeCorrectionMinutes(longitude) + EquationOfTimeMinutes(chinaSeconds);
    return chinaSeconds + std::llround(minutes * kSecondsPerMinute);
}

const std::array<Place, 34>& ProvincialCapitals() {
    return kCapitals;
}

std::optional<Place> FindCapital(std::string_view name) {
    for (const Place& p : kCapitals)
        if (p.name == name) return p;
    return std::nullopt;
}

std::vector<SummerPeriod> ChinaSummerPeriods() {
    std::vector<SummerPeriod> periods;
    for (const auto& period : kChinaSummerTime)
        periods.push_back({period[0] + kChinaOffset, period[1] + kChinaOffset});
    return periods;
}

SummerTimeInfo ChinaSummerTime(std::int64_t clockSeconds) {
    for (const auto& period : kChinaSummerTime) {
        // The table holds UTC; clocks read standard time + 8 h, summer time + 9 h.
        const std::int64_t forward = period[0] + kChinaOffset;  // e.g. 02:00 standard became 03:00
        const std::int64_t back = period[1] + kChinaOffset;     // e.g. 02:00 summer became 01:00
        SummerTimeInfo info{SummerClock::Standard, forward, back};
        if (clockSeconds >= forward && clockSeconds < forward + kSecondsPerHour) {
            info.clock = SummerClock::Skipped;
        } else if (clockSeconds >= forward + kSecondsPerHour && clockSeconds < back) {
            info.clock = SummerClock::Summer;
        } else if (clockSeconds >= back && clockSeconds < back + kSecondsPerHour) {
            info.clock = SummerClock::Repeated;
        } else {
            continue;
        }
        return info;
    }
    return {};
}

}  // namespace chart
