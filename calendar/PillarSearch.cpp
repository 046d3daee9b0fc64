// 八字反推 over the calendar's span.
#include "PillarSearch.h"

#include <algorithm>

#include "FourPillars.h"
#include "Sexagenary.h"
#include "SolarTerms.h"

namespace calendar {
namespace {

constexpr std::size_t kUtf8HanBytes = 3;  // every stem and branch is a three-byte UTF-8 character
constexpr int kZiBranch = 0;
constexpr int kLateZiHour = 23;
constexpr std::int64_t kTwoHours = 2 * kSecondsPerHour;

// Appends the parts of [start, end) whose year and month pillars are the
// wanted ones; a 节 inside the window cuts it.
void AddWindow(std::vector<BirthWindow>& out, std::int64_t start, std::int64_t end, const PillarIndices& want,
               ZiSchoolNeeded school) {
    start = std::max(start, ToSeconds(kFirstPillarMoment));
    end = std::min(end, ToSeconds(kLastPillarMoment) + 1);
    if (start >= end) return;
    std::int64_t cut = end;
    if (const auto term = SectionTermAfter(start); term && term->moment < end) cut = term->moment;
    for (std::int64_t from = start; from < end;) {
        const std::int64_t to = from == start ? cut : end;
        const PillarIndices at = FourPillarsAt(from, FromSeconds(from), ZiHour::Late);
        if (at[0] == want[0] && at[1] == want[1])
            out.push_back({FromSeconds(from), FromSeconds(to - 1), school});
        from = to;
    }
}

}  // namespace

std::string_view ZiSchoolKey(ZiSchoolNeeded school) {
    switch (school) {
        case ZiSchoolNeeded::Any:
            return "any";
        case ZiSchoolNeeded::Late:
            return "late";
        case ZiSchoolNeeded::NextDay:
            return "next-day";
        case ZiSchoolNeeded::SameDay:
            return "same-day";
    }
    return "";
}

ParsedPillars ParsePillars(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t') compact += c;
    constexpr std::size_t kPillarBytes = 2 * kUtf8HanBytes;
    if (compact.size() != 4 * kPillarBytes)
        return {std::nullopt, "pillars must be four stem-branch pairs, such as 甲子丙寅戊辰壬子"};
    PillarIndices p{};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string_view pair = std::string_view(compact).substr(i * kPillarBytes, kPillarBytes);
        const int stem = StemIndex(pair.substr(0, kUtf8HanBytes));
        const int branch = BranchIndex(pair.substr(kUtf8HanBytes));
        if (stem < 0 || branch < 0)
            return {std::nullopt, "pillars must be four stem-branch pairs, such as 甲子丙寅戊辰壬子"};
        p[i] = PillarOf(stem, branch);
        if (p[i] < 0)
            return {std::nullopt, std::string(pair) +
                                      " is no pillar of the sexagenary cycle: a yang stem goes with a yang "
                                      "branch, a yin stem with a yin branch"};
    }
    if (std::string error = PillarsError(p); !error.empty()) return {std::nullopt, std::move(error)};
    return {p, ""};
}

std::string PillarsError(const PillarIndices& p) {
    for (const int pillar : p)
        if (pillar < 0 || pillar >= kCycleLength) return "a pillar must be a sexagenary index 0-59";
    const int yearStem = p[0] % kStemCount, monthBranch = p[1] % kBranchCount;
    if (p[1] % kStemCount != MonthStemOf(yearStem, monthBranch)) {
        const int due = PillarOf(MonthStemOf(yearStem, monthBranch), monthBranch);
        return "the month pillar " + PillarNameUtf8(p[1]) + " breaks 五虎遁: in a " +
               std::string(kStemNamesUtf8[yearStem]) + " year that month is " + PillarNameUtf8(due);
    }
    const int dayStem = p[2] % kStemCount, hourBranch = p[3] % kBranchCount;
    const bool ownStem = p[3] % kStemCount == HourStemOf(dayStem, hourBranch);
    const bool lateZi = hourBranch == kZiBranch && p[3] % kStemCount == HourStemOf(dayStem + 1, hourBranch);
    if (!ownStem && !lateZi) {
        const int due = PillarOf(HourStemOf(dayStem, hourBranch), hourBranch);
        std::string error = "the hour pillar " + PillarNameUtf8(p[3]) + " breaks 五鼠遁: on a " +
                            std::string(kStemNamesUtf8[dayStem]) + " day that hour is " + PillarNameUtf8(due);
        if (hourBranch == kZiBranch)
            error += " (or " + PillarNameUtf8(PillarOf(HourStemOf(dayStem + 1, kZiBranch), kZiBranch)) +
                     " in the 晚子时 at 23:00)";
        return error;
    }
    return "";
}

std::vector<BirthWindow> FindBirthWindows(const PillarIndices& want, int fromYear, int toYear) {
    std::vector<BirthWindow> out;
    const int first =
        std::max(DaysFromCivil(fromYear, 1, 1),
                 DaysFromCivil(kFirstPillarMoment.year, kFirstPillarMoment.month, kFirstPillarMoment.day));
    const int last =
        std::min(DaysFromCivil(toYear, 12, 31),
                 DaysFromCivil(kLastPillarMoment.year, kLastPillarMoment.month, kLastPillarMoment.day));
    if (first > last) return out;
    const int dayStem = want[2] % kStemCount, branch = want[3] % kBranchCount;
    const bool ownStem = want[3] % kStemCount == HourStemOf(dayStem, branch);
    const bool lateZi = branch == kZiBranch && want[3] % kStemCount == HourStemOf(dayStem + 1, branch);
    // The first day of the range with the wanted day pillar, then every 60th.
    int day = first + Reduce60(want[2] - DayPillarOf(first));
    // 子初换日 puts the wanted day's pillar on the evening before it, so the
    // day after the range's last is looked at too.
    for (; day <= last + 1; day += kCycleLength) {
        const std::int64_t midnight = std::int64_t{day} * kSecondsPerDay;
        const std::int64_t evening = midnight + kLateZiHour * kSecondsPerHour;
        if (branch != kZiBranch) {
            if (day <= last) {
                const std::int64_t start = midnight + (2 * branch - 1) * kSecondsPerHour;
                AddWindow(out, start, start + kTwoHours, want, ZiSchoolNeeded::Any);
            }
            continue;
        }
        if (ownStem) {
            if (day - 1 >= first && day - 1 <= last)
                AddWindow(out, midnight - kSecondsPerHour, midnight, want, ZiSchoolNeeded::NextDay);
            if (day <= last) {
                AddWindow(out, midnight, midnight + kSecondsPerHour, want, ZiSchoolNeeded::Any);
                AddWindow(out, evening, evening + kSecondsPerHour, want, ZiSchoolNeeded::SameDay);
            }
        }
        if (lateZi && day <= last)
            AddWindow(out, evening, evening + kSecondsPerHour, want, ZiSchoolNeeded::Late);
    }
    return out;
}

}  // namespace calendar
