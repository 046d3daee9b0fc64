// The hour pillars a day can show: the late 子 of each day stem, and the
// enumeration held against what the four pillars give at every clock hour of
// a whole cycle of days in each 子 school.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "GregorianCalendar.h"
#include "HourPillars.h"
#include "LunarCalendar.h"

using namespace calendar;

namespace {

// A day stem's two 子 pillars: at 00:00 (its own, by 五鼠遁) and at 23:00 (the
// next day's stem, 晚子时).
TEST(HourPillarsOfDayStem, BothZiPillarsOfEveryStem) {
    const struct {
        const char* stem;
        const char* earlyZi;
        const char* lateZi;
    } cases[] = {
        {"甲", "甲子", "丙子"}, {"乙", "丙子", "戊子"}, {"丙", "戊子", "庚子"}, {"丁", "庚子", "壬子"},
        {"戊", "壬子", "甲子"}, {"己", "甲子", "丙子"}, {"庚", "丙子", "戊子"}, {"辛", "戊子", "庚子"},
        {"壬", "庚子", "壬子"}, {"癸", "壬子", "甲子"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stem);
        const auto hours = HourPillarsOfDayStem(StemIndex(c.stem));
        EXPECT_EQ(PillarNameUtf8(hours.front()), c.earlyZi);
        EXPECT_EQ(PillarNameUtf8(hours.back()), c.lateZi);
        for (int i = 1; i < kHourPillarsPerDay - 1; ++i) EXPECT_EQ(hours[i] % kBranchCount, i) << i;
    }
}

// What a day of one stem can and cannot show; the refusals are the 子 pillars
// of the stems two and three days on, and a pillar of the right branch but
// another stem.
TEST(IsHourPillarOfDayStem, AcceptsTheThirteenAndNothingElse) {
    const struct {
        const char* stem;
        const char* hour;
        bool shown;
    } cases[] = {
        {"戊", "壬子", true},  {"戊", "甲子", true}, {"戊", "癸亥", true}, {"戊", "丙子", false},
        {"戊", "乙亥", false}, {"壬", "壬子", true}, {"壬", "庚子", true}, {"壬", "甲子", false},
        {"癸", "甲子", true},  {"甲", "丙子", true}, {"甲", "丙寅", true}, {"甲", "戊寅", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.stem) + " " + c.hour);
        const int hour = PillarOf(StemIndex(std::string_view(c.hour).substr(0, 3)),
                                  BranchIndex(std::string_view(c.hour).substr(3)));
        EXPECT_EQ(IsHourPillarOfDayStem(StemIndex(c.stem), hour), c.shown);
    }
    int shown = 0;
    for (int stem = 0; stem < kStemCount; ++stem)
        for (int hour = 0; hour < kCycleLength; ++hour) shown += IsHourPillarOfDayStem(stem, hour);
    EXPECT_EQ(shown, kStemHourKeyCount);
}

// The (day pillar, hour pillar) pairs the four pillars give at every clock hour
// of 60 consecutive days, one whole cycle of day pillars.
std::set<std::pair<int, int>> PairsOverACycle(ZiHour zi) {
    const CLunarCalendar cal;
    std::set<std::pair<int, int>> pairs;
    const int first = DaysFromCivil(2000, 3, 1);
    for (int z = first; z < first + kCycleLength; ++z) {
        const CivilDate d = CivilFromDays(z);
        for (int clock = 0; clock < kClockHours; ++clock) {
            const auto p = cal.GetFourPillarIndices(MakeSystemTime(d.year, d.month, d.day, clock), zi);
            pairs.insert({p[2], p[3]});
        }
    }
    return pairs;
}

// 晚子时 gives every key of the enumeration and no other; the other schools
// give only the same-day ones, which the enumeration holds too.
TEST(HourPillarsOfDayStem, AreThePairsTheFourPillarsGive) {
    std::set<std::pair<int, int>> all, sameDay;
    for (int day = 0; day < kCycleLength; ++day) {
        const auto hours = HourPillarsOfDayStem(day % kStemCount);
        for (int i = 0; i < kHourPillarsPerDay; ++i) {
            all.insert({day, hours[i]});
            if (i < kHourPillarsPerDay - 1) sameDay.insert({day, hours[i]});
        }
    }
    ASSERT_EQ(all.size(), static_cast<std::size_t>(kPillarHourKeyCount));
    EXPECT_EQ(PairsOverACycle(ZiHour::Late), all);
    EXPECT_EQ(PairsOverACycle(ZiHour::NextDay), sameDay);
    EXPECT_EQ(PairsOverACycle(ZiHour::SameDay), sameDay);
}

}  // namespace
