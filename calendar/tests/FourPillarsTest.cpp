// Four pillars: published examples, both sides of every 节 of 1900-2100 to
// the minute, both sides of midnight in each 子 school, the span's ends, and
// the hour stem's five-rat rule.
#include <gtest/gtest.h>

#include <climits>
#include <map>

#include "FourPillars.h"
#include "GbkCodec.h"
#include "GregorianCalendar.h"
#include "LunarCalendar.h"
#include "Sexagenary.h"
#include "SolarTerms.h"

using namespace calendar;

namespace {

constexpr auto Date = [](int y, int m, int d, int h = 0, int minute = 0, int second = 0) {
    SYSTEMTIME t = MakeSystemTime(y, m, d, h);
    t.wMinute = static_cast<std::uint16_t>(minute);
    t.wSecond = static_cast<std::uint16_t>(second);
    return t;
};

SYSTEMTIME ToSystemTime(const DateTime& t) {
    return Date(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

struct PillarCase {
    const char* name;
    SYSTEMTIME birth;
    const char* pillars;  // UTF-8
};

const PillarCase kPillarCases[] = {
    {"the main form's default date", Date(1975, 1, 1, 0), "甲寅丙子丁未庚子"},
    {"day before 立春", Date(2000, 2, 3, 12), "己卯丁丑辛卯甲午"},
    {"立春 day before its moment (20:40:23)", Date(2000, 2, 4, 20, 40, 22), "己卯丁丑壬辰庚戌"},
    {"立春 day at its moment", Date(2000, 2, 4, 20, 40, 23), "庚辰戊寅壬辰庚戌"},
    {"23:00 is 晚子时: the next day's 子 stem", Date(2000, 1, 1, 23), "己卯丙子戊午甲子"},
    {"00:00 the next day", Date(2000, 1, 2, 0), "己卯丙子己未甲子"},
    {"小寒 day before its moment", Date(2000, 1, 6, 0), "己卯丙子癸亥壬子"},
    {"the 甲子 day", Date(1949, 10, 1, 12), "己丑癸酉甲子庚午"},
    {"立春 day 1984 before its moment", Date(1984, 2, 4, 10), "癸亥乙丑戊辰丁巳"},
    {"立春 day 1966 before its moment", Date(1966, 2, 4, 10), "乙巳己丑甲午己巳"},
    {"1925-01-01", Date(1925, 1, 1, 0), "甲子丙子乙酉丙子"},
    {"2020-12-31 22:00", Date(2020, 12, 31, 22), "庚子戊子戊申癸亥"},
    {"立夏 1991 falls on the 6th at 08:26", Date(1991, 5, 6, 9), "辛未癸巳丙子癸巳"},
    {"first moment of the span", Date(1900, 1, 31, 0), "己亥丁丑甲辰甲子"},
    {"last moment of the span", Date(2100, 12, 31, 23, 59, 59), "庚申戊子丁未壬子"},
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

// Outside the span, or with a minute or second of 60, there are no pillars.
TEST(GetFourPillars, RefusesWhatLiesOutsideTheSpan) {
    const CLunarCalendar cal;
    for (const SYSTEMTIME& t : {Date(1900, 1, 30, 23, 59, 59), Date(2101, 1, 1), Date(1800, 6, 1),
                                Date(2000, 1, 1, 12, 60), Date(2000, 1, 1, 12, 0, 60), Date(2000, 13, 1)}) {
        EXPECT_EQ(cal.GetFourPillars(t), "");
        EXPECT_EQ(cal.GetFourPillarIndices(t), (std::array<int, 4>{-1, -1, -1, -1}));
    }
}

// The three schools differ only from 23:00 to midnight.
TEST(GetFourPillars, TheZiSchoolsAroundMidnight) {
    const CLunarCalendar cal;
    const struct {
        SYSTEMTIME t;
        ZiHour zi;
        const char* pillars;
    } kCases[] = {
        {Date(2000, 1, 1, 22, 59), ZiHour::Late, "己卯丙子戊午癸亥"},
        {Date(2000, 1, 1, 23, 0), ZiHour::Late, "己卯丙子戊午甲子"},
        {Date(2000, 1, 1, 23, 0), ZiHour::NextDay, "己卯丙子己未甲子"},
        {Date(2000, 1, 1, 23, 59), ZiHour::SameDay, "己卯丙子戊午壬子"},
        {Date(2000, 1, 2, 0, 0), ZiHour::Late, "己卯丙子己未甲子"},
        {Date(2000, 1, 2, 0, 0), ZiHour::NextDay, "己卯丙子己未甲子"},
        {Date(2000, 1, 2, 0, 0), ZiHour::SameDay, "己卯丙子己未甲子"},
        // 子初换日 moves the day, not the year: 立春 2024 is at 16:27:08 on 02-04.
        {Date(2024, 2, 3, 23, 30), ZiHour::NextDay, "癸卯乙丑戊戌壬子"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::to_string(c.t.wDay) + " " + std::to_string(c.t.wHour) + ":" +
                     std::to_string(c.t.wMinute) + " school " + std::to_string(static_cast<int>(c.zi)));
        EXPECT_EQ(platform::Utf8(cal.GetFourPillars(c.t, c.zi)), c.pillars);
    }
}

// One minute before every 节 of 1900-2100 the month is the one before, one
// minute after it the next; the year turns with 立春 only.
TEST(GetFourPillars, MonthAndYearTurnAtTheMomentOfEverySectionTerm) {
    const CLunarCalendar cal;
    for (int year = kFirstTermYear; year <= kLastTermYear; ++year)
        for (int month = 1; month <= 12; ++month) {
            const std::int64_t moment = SectionMoment(year, month);
            if (!InPillarSpan(moment - kSecondsPerMinute) || !InPillarSpan(moment + kSecondsPerMinute))
                continue;
            const auto before =
                cal.GetFourPillarIndices(ToSystemTime(FromSeconds(moment - kSecondsPerMinute)));
            const auto after =
                cal.GetFourPillarIndices(ToSystemTime(FromSeconds(moment + kSecondsPerMinute)));
            const auto at = cal.GetFourPillarIndices(ToSystemTime(FromSeconds(moment)));
            SCOPED_TRACE(std::to_string(year) + "-" + std::to_string(month));
            ASSERT_EQ(after[1], MonthPillarOf(year, month));
            ASSERT_EQ(at[1], after[1]);
            ASSERT_EQ(before[1], Reduce60(after[1] - 1));
            ASSERT_EQ(after[1] % 12, month % 12);  // 小寒 begins 丑, 立春 寅, … 大雪 子
            ASSERT_EQ(after[0], month == 2 ? YearPillarOf(year) : before[0]);
            if (month == 2) {
                ASSERT_EQ(before[0], YearPillarOf(year - 1));
            }
            // The month stem follows the year stem by 五虎遁.
            ASSERT_EQ(after[1] % 10, MonthStemOf(after[0] % 10, after[1] % 12));
        }
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

// The day pillar steps by one each day over the whole span.
TEST(GetFourPillars, TheDayPillarStepsByOneADay) {
    const CLunarCalendar cal;
    int previous = -1;
    for (int z = DaysFromCivil(1900, 1, 31); z <= DaysFromCivil(2100, 12, 31); ++z) {
        const CivilDate d = CivilFromDays(z);
        const int day = cal.GetFourPillarIndices(Date(d.year, d.month, d.day, 12))[2];
        if (previous >= 0) {
            ASSERT_EQ(day, (previous + 1) % 60) << d.year << "-" << d.month << "-" << d.day;
        }
        previous = day;
    }
}

TEST(GetFourPillars, HourPillarFollowsTheFiveRatRule) {
    const CLunarCalendar cal;
    for (int day = 1; day <= 10; ++day)  // ten consecutive days cover every day stem
        for (int hour = 0; hour <= 23; ++hour) {
            const std::string p = cal.GetFourPillars(Date(2000, 3, day, hour), ZiHour::SameDay);
            const int dayStem = CycleIndex(cal, p.substr(8, 4)) % 10;
            const int hourIndex = CycleIndex(cal, p.substr(12, 4));
            ASSERT_GE(hourIndex, 0);
            const int branch = (hour + 1) / 2 % 12;
            EXPECT_EQ(hourIndex % 12, branch) << "hour " << hour;
            EXPECT_EQ(hourIndex % 10, (2 * (dayStem % 5) + branch) % 10) << "day stem " << dayStem;
        }
}

// The indices are the pillars' names: days of 1900-2100 at every hour class
// name the same eight characters, and an hour outside the day has none.
TEST(GetFourPillarIndices, NameTheSamePillarsAsTheText) {
    const CLunarCalendar cal;
    for (int y = 1901; y <= 2100; ++y)
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
