// Key sets of the interpretation database: the stem and branch names and the
// hour pillars come from the calendar engine; the lunar month and day names
// are spelled as the engine writes them.
#include "DbKeys.h"

#include <array>

#include "HourPillars.h"
#include "Sexagenary.h"

namespace dbkeys {
namespace {

constexpr std::size_t kCharBytes = 3;  // every name character is three UTF-8 bytes
// Lunar months 1-12; month 11 is 冬月 and month 12 腊月.
constexpr std::array<std::string_view, 12> kMonthNames = {"正月", "二月", "三月", "四月", "五月", "六月",
                                                          "七月", "八月", "九月", "十月", "冬月", "腊月"};
// Lunar days 1-30.
constexpr std::array<std::string_view, 30> kDayNames = {
    "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
    "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
constexpr std::string_view kHourSuffix = "时";

template <std::size_t N>
std::optional<int> IndexIn(const std::array<std::string_view, N>& names, std::string_view s) {
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == s) return static_cast<int>(i);
    return std::nullopt;
}

std::optional<int> BranchIndex(std::string_view c) {
    const int branch = calendar::BranchIndex(c);
    return branch < 0 ? std::nullopt : std::optional<int>(branch);
}

}  // namespace

bool IsStemBranchPair(std::string_view s) {
    if (s.size() != 2 * kCharBytes) return false;
    const auto stem = StemIndex(s.substr(0, kCharBytes));
    const auto branch = BranchIndex(s.substr(kCharBytes));
    // Pair i has stem i mod 10 and branch i mod 12, so stem and branch share
    // their parity: 甲子 exists, 甲丑 does not.
    return stem && branch && (*stem % 2) == (*branch % 2);
}

bool IsMonthName(std::string_view s) {
    return IndexIn(kMonthNames, s).has_value();
}

bool IsDayName(std::string_view s) {
    return IndexIn(kDayNames, s).has_value();
}

bool IsHourName(std::string_view s) {
    return s.size() == 2 * kCharBytes && s.substr(kCharBytes) == kHourSuffix &&
           BranchIndex(s.substr(0, kCharBytes)).has_value();
}

std::optional<NameKind> KindOfName(std::string_view s) {
    if (IsStemBranchPair(s)) return NameKind::Year;
    if (IsMonthName(s)) return NameKind::Month;
    if (IsDayName(s)) return NameKind::Day;
    if (IsHourName(s)) return NameKind::Hour;
    return std::nullopt;
}

int NameCount(NameKind kind) {
    switch (kind) {
        case NameKind::Year:
            return calendar::kCycleLength;
        case NameKind::Month:
            return static_cast<int>(kMonthNames.size());
        case NameKind::Day:
            return static_cast<int>(kDayNames.size());
        case NameKind::Hour:
            return calendar::kBranchCount;
    }
    return 0;
}

std::vector<std::string> NamesOf(NameKind kind) {
    std::vector<std::string> names;
    switch (kind) {
        case NameKind::Year:
            for (int i = 0; i < calendar::kCycleLength; ++i) names.push_back(calendar::PillarNameUtf8(i));
            break;
        case NameKind::Month:
            names.assign(kMonthNames.begin(), kMonthNames.end());
            break;
        case NameKind::Day:
            names.assign(kDayNames.begin(), kDayNames.end());
            break;
        case NameKind::Hour:
            for (std::string_view branch : calendar::kBranchNamesUtf8)
                names.push_back(std::string(branch) + std::string(kHourSuffix));
            break;
    }
    return names;
}

std::optional<int> StemIndex(std::string_view c) {
    const int stem = calendar::StemIndex(c.substr(0, kCharBytes));
    return stem < 0 ? std::nullopt : std::optional<int>(stem);
}

bool IsHourPillarOf(int dayStem, std::string_view pillar) {
    if (!IsStemBranchPair(pillar)) return false;
    const int hour = calendar::PillarOf(*StemIndex(pillar), *BranchIndex(pillar.substr(kCharBytes)));
    return calendar::IsHourPillarOfDayStem(dayStem, hour);
}

}  // namespace dbkeys
