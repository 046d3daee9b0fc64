// Four pillars: published examples, and properties over every day of the
// solar-term years (the day pillar steps by one a day, the year and month
// pillars change exactly on the table's term days, the hour stem follows the
// five-rat rule).
#include <gtest/gtest.h>

#include <climits>
#include <map>

#include "CalendarTables.h"
#include "GbkCodec.h"
#include "GregorianCalendar.h"
#include "LunarCalendar.h"

using namespace calendar;

namespace {

constexpr auto Date = [](int y, int m, int d, int h = 0) { return MakeSystemTime(y, m, d, h); };

struct PillarCase {
    const char* name;
    SYSTEMTIME birth;
    const char* pillars;  // UTF-8
};

const PillarCase kPillarCases[] = {
    {"the main form's default date", Date(1975, 1, 1, 0), "甲寅丙子丁未庚子"},
    {"day before 立春", Date(2000, 2, 3, 12), "己卯丁丑辛卯甲午"},
    {"立春 at 00:00", Date(2000, 2, 4, 0), "庚辰戊寅壬辰庚子"},
    {"hour 23 stays on its day", Date(2000, 1, 1, 23), "己卯丙子戊午壬子"},
    {"day of 小寒", Date(2000, 1, 6, 0), "己卯丁丑癸亥壬子"},
    {"day before 小寒", Date(2000, 1, 5, 0), "己卯丙子壬戌庚子"},
    {"the 甲子 day", Date(1949, 10, 1, 12), "己丑癸酉甲子庚午"},
    {"a 甲子 year on 立春", Date(1984, 2, 4, 10), "甲子丙寅戊辰丁巳"},
    {"first year of the main form", Date(1925, 1, 1, 0), "甲子丙子乙酉丙子"},
    {"last day of the first century of lunar years", Date(2020, 12, 31, 22), "庚子戊子戊申癸亥"},
    {"May 1991 follows the table, not astronomy", Date(1991, 5, 6, 0), "辛未壬辰丙子戊子"},
    {"the table's 立夏 1991", Date(1991, 5, 7, 0), "辛未癸巳丁丑庚子"},
};

TEST(GetFourPillars, NamedCases) {
    const CLunarCalendar cal;
    for (const PillarCase& c : kPillarCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(platform::Utf8(cal.GetFourPillars(c.birth)), c.pillars);
    }
}

TEST(GetFourPillars, HourOutsideTheDayLeavesTheHourPillarEmpty) {
    const CLunarCalendar cal;
    EXPECT_EQ(platform::Utf8(cal.GetFourPillars(Date(1975, 1, 1, 24))), "甲寅丙子丁未");
}

TEST(StemBranchName, ReducesEveryIndexIntoTheCycle) {
    const CLunarCalendar cal;
    EXPECT_EQ(platform::Utf8(cal.StemBranchName(0)), "甲子");
    EXPECT_EQ(platform::Utf8(cal.StemBranchName(1)), "乙丑");
    EXPECT_EQ(platform::Utf8(cal.StemBranchName(59)), "癸亥");
    EXPECT_EQ(platform::Utf8(cal.StemBranchName(60)), "甲子");
    EXPECT_EQ(platform::Utf8(cal.StemBranchName(60 * 1000 + 16)), "庚辰");
    EXPECT_EQ(platform::Utf8(cal.StemBranchName(-1)), "癸亥");
    EXPECT_EQ(platform::Utf8(cal.StemBranchName(-60)), "甲子");
    EXPECT_EQ(cal.StemBranchName(INT_MIN).size(), 4u);
    EXPECT_EQ(cal.StemBranchName(INT_MAX).size(), 4u);
}

// Index of a two-character GBK pillar in the sexagenary cycle, -1 if none.
int CycleIndex(const CLunarCalendar& cal, const std::string& pillar) {
    static const std::map<std::string, int> indices = [&] {
        std::map<std::string, int> m;
        for (int i = 0; i < 60; ++i) m.emplace(cal.StemBranchName(i), i);
        return m;
    }();
    const auto it = indices.find(pillar);
    return it == indices.end() ? -1 : it->second;
}

TEST(GetFourPillars, PillarsFollowTheDaysAndTheTermTable) {
    const CLunarCalendar cal;
    std::string previous;
    for (int z = DaysFromCivil(1901, 1, 1); z <= DaysFromCivil(2050, 12, 31); ++z) {
        const CivilDate d = CivilFromDays(z);
        const std::string p = cal.GetFourPillars(Date(d.year, d.month, d.day, 0));
        ASSERT_EQ(p.size(), 16u);
        ASSERT_EQ(p.substr(0, 12), cal.GetFourPillars(Date(d.year, d.month, d.day, 23)).substr(0, 12));
        if (!previous.empty()) {
            SCOPED_TRACE(std::to_string(d.year) + "-" + std::to_string(d.month) + "-" +
                         std::to_string(d.day));
            const int termDay = 15 - (kSolarTermTable[(d.year - 1901) * 12 + d.month - 1] >> 4);
            const bool termStarts = d.day == termDay;
            const bool yearStarts = termStarts && d.month == 2;
            const int dayStep =
                (CycleIndex(cal, p.substr(8, 4)) - CycleIndex(cal, previous.substr(8, 4)) + 60) % 60;
            ASSERT_EQ(dayStep, 1);
            const int monthStep =
                (CycleIndex(cal, p.substr(4, 4)) - CycleIndex(cal, previous.substr(4, 4)) + 60) % 60;
            ASSERT_EQ(monthStep, termStarts ? 1 : 0);
            const int yearStep =
                (CycleIndex(cal, p.substr(0, 4)) - CycleIndex(cal, previous.substr(0, 4)) + 60) % 60;
            ASSERT_EQ(yearStep, yearStarts ? 1 : 0);
        }
        previous = p;
    }
}

TEST(GetFourPillars, HourPillarFollowsTheFiveRatRule) {
    const CLunarCalendar cal;
    for (int day = 1; day <= 10; ++day)  // ten consecutive days cover every day stem
        for (int hour = 0; hour <= 23; ++hour) {
            const std::string p = cal.GetFourPillars(Date(2000, 3, day, hour));
            const int dayStem = CycleIndex(cal, p.substr(8, 4)) % 10;
            const int hourIndex = CycleIndex(cal, p.substr(12, 4));
            ASSERT_GE(hourIndex, 0);
            const int branch = (hour + 1) / 2 % 12;
            EXPECT_EQ(hourIndex % 12, branch) << "hour " << hour;
            EXPECT_EQ(hourIndex % 10, (2 * (dayStem % 5) + branch) % 10) << "day stem " << dayStem;
        }
}

// The indices are the pillars' names: every day of 1901-2050 at every hour
// class names the same eight characters, and an hour outside the day has none.
TEST(GetFourPillarIndices, NameTheSamePillarsAsTheText) {
    const CLunarCalendar cal;
    for (int y = 1901; y <= 2050; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= DaysInGregorianMonth(y, m); d += 3) {
                const int hour = (y + m + d) % 25;  // 24: outside the day
                const SYSTEMTIME birth = Date(y, m, d, hour);
                std::string names;
                for (const int index : cal.GetFourPillarIndices(birth)) {
                    if (index == -1) continue;
                    ASSERT_TRUE(index >= 0 && index < 60) << index;
                    names += cal.StemBranchName(index);
                }
                ASSERT_EQ(names, cal.GetFourPillars(birth)) << y << "-" << m << "-" << d << " " << hour;
                ASSERT_EQ(cal.GetFourPillarIndices(birth)[3] == -1, hour == 24);
            }
}

}  // namespace
