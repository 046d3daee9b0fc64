// Whole charts: refusals, one chart checked field by field, the luck pillars
// of hand-worked births, and what each convention changes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include "Chart.h"
#include "GbkCodec.h"
#include "LunarCalendar.h"
#include "SolarTerms.h"

using namespace chart;

namespace {

std::string Names(const Chart& c) {
    std::string s;
    for (const Pillar& p : c.pillars) s += PillarName(p.pillar);
    return s;
}

bool HasNote(const Chart& c, std::string_view part) {
    for (const std::string& n : c.notes)
        if (n.find(part) != std::string::npos) return true;
    return false;
}

}  // namespace

TEST(Chart, RefusesBadInputBeforeComputing) {
    const std::string outside =
        "this birth is charted on a day outside 1900-01-31 … 2100-12-31 (by true solar time or 子初换日)";
    struct Case {
        BirthMoment birth;
        std::optional<double> longitude;
        std::string error;
    } const cases[] = {
        {{1900, 1, 30, 23, 59}, {}, "the date must lie in 1900-01-31 … 2100-12-31 for a chart"},
        {{2101, 1, 1, 0, 0}, {}, "the date must lie in 1900-01-31 … 2100-12-31 for a chart"},
        {{1900, 1, 31, 0, 0}, {}, ""},
        {{2100, 12, 31, 23, 59}, {}, ""},
        {{2000, 13, 1, 0, 0}, {}, "the month must be 1-12"},
        {{2000, 4, 31, 0, 0}, {}, "the day must be 1-30 in 2000-4"},
        {{1999, 2, 29, 0, 0}, {}, "the day must be 1-28 in 1999-2"},
        {{2100, 2, 29, 0, 0}, {}, "the day must be 1-28 in 2100-2"},
        {{2000, 1, 0, 0, 0}, {}, "the day must be 1-31 in 2000-1"},
        {{2000, 1, 1, 24, 0}, {}, "the hour must be 0-23"},
        {{2000, 1, 1, 0, 60}, {}, "the minute must be 0-59"},
        {{2000, 1, 1, 0, -1}, {}, "the minute must be 0-59"},
        {{2000, 1, 1, 0, 0}, 180.5, "the longitude must be -180 to 180 degrees (east positive)"},
        {{2000, 1, 1, 0, 0},
         std::numeric_limits<double>::quiet_NaN(),
         "the longitude must be -180 to 180 degrees (east positive)"},
        {{1900, 1, 31, 0, 30}, 87.6, outside},
        {{2000, 2, 29, 23, 59}, -180.0, ""},
        {{2100, 12, 31, 23, 59}, 180.0, outside},
    };
    Conventions nextDay;
    nextDay.zi = ZiHour::NextDay;
    EXPECT_EQ(CheckBirth({2100, 12, 31, 23, 0}, nextDay), outside);
    EXPECT_EQ(CheckBirth({2100, 12, 31, 22, 59}, nextDay), "");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        Conventions conventions;
        conventions.longitude = c.longitude;
        EXPECT_EQ(CheckBirth(c.birth, conventions), c.error);
        if (!c.error.empty()) {
            EXPECT_THROW(ComputeChart(c.birth, conventions), std::invalid_argument);
        }
    }
}

// 1975-01-01 00:00, male: every field worked out by hand from the tables.
TEST(Chart, OneChartFieldByField) {
    const Chart c = ComputeChart({1975, 1, 1, 0, 0, Sex::Male});
    EXPECT_EQ(Names(c), "甲寅丙子丁未庚子");
    const Pillar& year = c.pillars[0];
    EXPECT_EQ(TenGodName(year.tenGod), "正印");
    ASSERT_EQ(year.hiddenCount, 3);
    EXPECT_EQ(StemName(year.hidden[1].stem), "丙");
    EXPECT_EQ(TenGodName(year.hidden[1].tenGod), "劫财");
    EXPECT_EQ(TenGodName(year.hidden[2].tenGod), "伤官");
    EXPECT_EQ(NayinName(year.pillar), "大溪水");
    EXPECT_EQ(StageName(year.stage), "死");        // 丁 at 寅
    EXPECT_EQ(StageName(year.selfStage), "临官");  // 甲 at 寅
    EXPECT_EQ(BranchName(year.xunkong[0]), "子");  // 甲寅's decade 甲寅 … 癸亥
    EXPECT_EQ(BranchName(year.xunkong[1]), "丑");
    EXPECT_TRUE(c.pillars[2].dayMaster);
    EXPECT_FALSE(c.pillars[3].dayMaster);
    EXPECT_EQ(StageName(c.pillars[3].stage), "绝");  // 丁 at 子
    EXPECT_EQ(c.pillars[3].hiddenCount, 1);

    EXPECT_EQ(c.elements.characters, (std::array<int, 5>{2, 2, 1, 1, 2}));
    const std::array<double, 5> weighted = {1.7, 2.6, 0.7, 1.0, 2.0};
    for (int e = 0; e < 5; ++e) EXPECT_NEAR(c.elements.weighted[e], weighted[e], 1e-9) << e;
    EXPECT_TRUE(c.elements.missing.empty());
    ASSERT_EQ(c.relations.size(), 3u);
    EXPECT_EQ(c.relations[0].kind, RelationKind::StemClash);
    EXPECT_EQ(c.relations[0].pillars, (std::vector<int>{0, 3}));
    EXPECT_EQ(PillarName(c.taiyuan), "丁卯");
    EXPECT_EQ(PillarName(c.minggong), "己巳");
    EXPECT_EQ(TermName(c.previousTerm.term), "大雪");
    EXPECT_EQ(FormatSeconds(c.previousTerm.time), "1974-12-07 20:04:36");
    EXPECT_EQ(FormatSeconds(c.nextTerm.time), "1975-01-06 07:17:30");
    EXPECT_FALSE(c.termInHour);
    EXPECT_EQ(c.notes, std::vector<std::string>{std::string(kAgeRuleNote)});
    EXPECT_EQ(c.chartTime, c.clockTime);

    ASSERT_EQ(c.luck.pillars.size(), 10u);
    EXPECT_EQ(PillarName(c.luck.pillars[9].pillar), "丙戌");
    EXPECT_EQ(TenGodName(c.luck.pillars[0].tenGod), "比肩");
    EXPECT_EQ(c.luck.pillars[1].startYear, 1986);
    EXPECT_EQ(c.luck.pillars[1].startAge, 12);                  // 1986 - 1975 + 1
    EXPECT_EQ(PillarName(c.luck.pillars[0].years[0]), "丙辰");  // 1976
    EXPECT_EQ(PillarName(c.luck.pillars[0].years[8]), "甲子");  // 1984
}

// Hand-worked luck: the whole minutes from the birth to the 节 by the
// table's moments, at 3 days a year, a day four months, an hour five days and
// a minute two hours, added to the birth moment; 小运 from the hour pillar's
// neighbour for each year before the first luck pillar.
TEST(Chart, LuckPillarsOfHandWorkedBirths) {
    struct Case {
        const char* name;
        BirthMoment birth;
        ZiHour zi;
        const char* pillars;
        bool forward;
        LuckStart start;
        const char* startMoment;
        const char* first;
        int startAge;
        std::size_t xiaoyunYears;
        const char* firstXiaoyun;
    } const cases[] = {
        {"立春 day before its moment, female, 阴 year: forward to it",
         {1966, 2, 4, 10, 0, Sex::Female},
         ZiHour::Late,
         "乙巳己丑甲午己巳",
         true,
         {0, 0, 23, 2},
         "1966-02-27 12:00",
         "庚寅",
         1,
         0,
         ""},
        {"male, 阳 year: forward to 小寒",
         {1975, 1, 1, 0, 0, Sex::Male},
         ZiHour::Late,
         "甲寅丙子丁未庚子",
         true,
         {1, 9, 6, 10},
         "1976-10-07 10:00",
         "丁丑",
         2,
         1,
         "辛丑"},
        {"female, 阳 year: back to 大雪",
         {1975, 1, 1, 0, 0, Sex::Female},
         ZiHour::Late,
         "甲寅丙子丁未庚子",
         false,
         {8, 0, 19, 14},
         "1983-01-20 14:00",
         "乙亥",
         9,
         8,
         "己亥"},
        {"2 h 27 min before 立春: still 癸卯, a 阴 year, male back to 小寒",
         {2024, 2, 4, 14, 0, Sex::Male},
         ZiHour::Late,
         "癸卯乙丑戊戌己未",
         false,
         {9, 9, 15, 20},
         "2033-11-20 10:00",
         "甲子",
         10,
         9,
         "戊午"},
        {"2 h 33 min after 立春, female: back to it",
         {2024, 2, 4, 19, 0, Sex::Female},
         ZiHour::Late,
         "甲辰丙寅戊戌壬戌",
         false,
         {0, 0, 12, 16},
         "2024-02-17 11:00",
         "乙丑",
         1,
         0,
         ""},
        {"2 h 33 min after 立春, male: forward",
         {2024, 2, 4, 19, 0, Sex::Male},
         ZiHour::Late,
         "甲辰丙寅戊戌壬戌",
         true,
         {9, 10, 16, 20},
         "2033-12-21 15:00",
         "丁卯",
         10,
         9,
         "癸亥"},
        {"leap fourth month, male, 阳 year: forward to 芒种",
         {2020, 5, 23, 10, 30, Sex::Male},
         ZiHour::Late,
         "庚子辛巳丙寅癸巳",
         true,
         {4, 4, 12, 8},
         "2024-10-05 18:30",
         "壬午",
         5,
         4,
         "甲午"},
        {"leap fourth month, female: back to 立夏",
         {2020, 5, 23, 10, 30, Sex::Female},
         ZiHour::Late,
         "庚子辛巳丙寅癸巳",
         false,
         {6, 0, 8, 4},
         "2026-05-31 14:30",
         "庚辰",
         7,
         6,
         "壬辰"},
        {"15 minutes after 立夏 1977, female: forward to 芒种",
         {1977, 5, 5, 23, 30, Sex::Female},
         ZiHour::Late,
         "丁巳乙巳壬戌壬子",
         true,
         {10, 4, 20, 4},
         "1987-09-26 03:30",
         "丙午",
         11,
         10,
         "癸丑"},
        {"the same birth, male: back to 立夏 14 minutes before",
         {1977, 5, 5, 23, 30, Sex::Male},
         ZiHour::Late,
         "丁巳乙巳壬戌壬子",
         false,
         {0, 0, 1, 4},
         "1977-05-07 03:30",
         "甲辰",
         1,
         0,
         ""},
        {"23:30 on the eve of 立春, 晚子时",
         {2024, 2, 3, 23, 30, Sex::Male},
         ZiHour::Late,
         "癸卯乙丑丁酉壬子",
         false,
         {9, 7, 3, 8},
         "2033-09-07 07:30",
         "甲子",
         10,
         9,
         "辛亥"},
        {"the same under 子初换日: only the day changes, not the year",
         {2024, 2, 3, 23, 30, Sex::Male},
         ZiHour::NextDay,
         "癸卯乙丑戊戌壬子",
         false,
         {9, 7, 3, 8},
         "2033-09-07 07:30",
         "甲子",
         10,
         9,
         "辛亥"},
        {"the same with the same day's 子 stem",
         {2024, 2, 3, 23, 30, Sex::Male},
         ZiHour::SameDay,
         "癸卯乙丑丁酉庚子",
         false,
         {9, 7, 3, 8},
         "2033-09-07 07:30",
         "甲子",
         10,
         9,
         "己亥"},
        {"2000-01-01 23:00",
         {2000, 1, 1, 23, 0, Sex::Male},
         ZiHour::Late,
         "己卯丙子戊午甲子",
         false,
         {8, 4, 6, 0},
         "2008-05-07 23:00",
         "乙亥",
         9,
         8,
         "癸亥"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Conventions conventions;
        conventions.zi = c.zi;
        const Chart chart = ComputeChart(c.birth, conventions);
        EXPECT_EQ(Names(chart), c.pillars);
        EXPECT_EQ(chart.luck.forward, c.forward);
        EXPECT_EQ(chart.luck.start.years, c.start.years);
        EXPECT_EQ(chart.luck.start.months, c.start.months);
        EXPECT_EQ(chart.luck.start.days, c.start.days);
        EXPECT_EQ(chart.luck.start.hours, c.start.hours);
        EXPECT_EQ(FormatMinutes(chart.luck.startMoment), c.startMoment);
        EXPECT_EQ(PillarName(chart.luck.pillars[0].pillar), c.first);
        EXPECT_EQ(chart.luck.pillars[0].startAge, c.startAge);
        EXPECT_EQ(chart.luck.pillars[0].startYear, chart.luck.startMoment.year);
        ASSERT_EQ(chart.luck.xiaoyun.size(), c.xiaoyunYears);
        for (std::size_t i = 0; i < chart.luck.xiaoyun.size(); ++i) {
            const XiaoYun& x = chart.luck.xiaoyun[i];
            EXPECT_EQ(x.year, c.birth.year + static_cast<int>(i));
            EXPECT_EQ(x.age, static_cast<int>(i) + 1);
            const int step = c.forward ? 1 : -1;
            EXPECT_EQ(x.pillar, (chart.pillars[3].pillar + step * static_cast<int>(i + 1) + 600) % 60);
        }
        if (c.xiaoyunYears > 0) {
            EXPECT_EQ(PillarName(chart.luck.xiaoyun[0].pillar), c.firstXiaoyun);
        }
    }
}

// A 节 inside the clock hour of the birth: the chart says so and gives the
// pillars on the other side.
TEST(Chart, ASectionTermInsideTheBirthHourIsNoted) {
    // 立春 2024 at 16:27:08.
    const Chart before = ComputeChart({2024, 2, 4, 16, 0});
    ASSERT_TRUE(before.termInHour);
    EXPECT_FALSE(before.termInHour->birthAfterTerm);
    EXPECT_EQ(Names(before), "癸卯乙丑戊戌庚申");
    EXPECT_EQ(PillarName(before.termInHour->otherPillars[0]) + PillarName(before.termInHour->otherPillars[1]),
              "甲辰丙寅");
    EXPECT_TRUE(HasNote(before,
                        "本时辰内交节（立春 2024-02-04 16:27:08）：出生在交节之前，若在交节之后则四柱为 "
                        "甲辰 丙寅 戊戌 庚申"));
    const Chart after = ComputeChart({2024, 2, 4, 16, 30});
    ASSERT_TRUE(after.termInHour);
    EXPECT_TRUE(after.termInHour->birthAfterTerm);
    EXPECT_EQ(Names(after), "甲辰丙寅戊戌庚申");
    EXPECT_TRUE(HasNote(after, "若在交节之前则四柱为 癸卯 乙丑 戊戌 庚申"));
    EXPECT_FALSE(ComputeChart({2024, 2, 4, 15, 59}).termInHour);
    EXPECT_FALSE(ComputeChart({2024, 2, 4, 17, 0}).termInHour);
}

TEST(Chart, TheThreeSchoolsOfTheZiHour) {
    struct Case {
        ZiHour zi;
        BirthMoment birth;
        const char* pillars;
        const char* note;
    } const cases[] = {
        {ZiHour::SameDay, {2000, 1, 1, 23, 30}, "己卯丙子戊午壬子", "23时按当日子时"},
        {ZiHour::Late, {2000, 1, 1, 23, 30}, "己卯丙子戊午甲子", "晚子时"},
        {ZiHour::NextDay, {2000, 1, 1, 23, 30}, "己卯丙子己未甲子", "子初换日"},
        {ZiHour::NextDay, {2000, 1, 1, 22, 59}, "己卯丙子戊午癸亥", ""},
        {ZiHour::Late, {2000, 1, 1, 0, 30}, "己卯丙子戊午壬子", ""},
        // On the eve of 立春 the day changes at 23:00 under 子初换日, the year and month at 立春.
        {ZiHour::SameDay, {2024, 2, 3, 23, 30}, "癸卯乙丑丁酉庚子", "23时按当日子时"},
        {ZiHour::NextDay, {2024, 2, 3, 23, 30}, "癸卯乙丑戊戌壬子", "子初换日"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(ZiHourKey(c.zi)) + " " + std::to_string(c.birth.day) + " " +
                     std::to_string(c.birth.hour));
        Conventions conventions;
        conventions.zi = c.zi;
        const Chart chart = ComputeChart(c.birth, conventions);
        EXPECT_EQ(Names(chart), c.pillars);
        if (*c.note)
            EXPECT_TRUE(HasNote(chart, c.note));
        else
            EXPECT_EQ(chart.notes.size(), 1u);  // the age rule only
    }
}

// Summer time is taken back to standard time unless asked not to, in every
// period the time-zone database knows; the hour skipped and the hour repeated
// are named.
TEST(Chart, SummerTimeIsCorrectedByDefaultAndNoted) {
    const BirthMoment birth{1988, 7, 1, 13, 10};
    const Chart standard = ComputeChart(birth);
    EXPECT_EQ(standard.summerClock, SummerClock::Summer);
    EXPECT_EQ(FormatMinutes(standard.standardTime), "1988-07-01 12:10");
    EXPECT_EQ(BranchName(standard.pillars[3].branch), "午");
    EXPECT_TRUE(HasNote(standard, "出生于夏令时（1988-04-17 02:00 至 1988-09-11 01:00）"));
    EXPECT_TRUE(HasNote(standard, "按标准时间 1988-07-01 12:10 排盘"));

    Conventions clockOnly;
    clockOnly.dstCorrect = false;
    const Chart clock = ComputeChart(birth, clockOnly);
    EXPECT_EQ(BranchName(clock.pillars[3].branch), "未");
    EXPECT_EQ(clock.standardTime, clock.clockTime);
    EXPECT_TRUE(HasNote(clock, "按钟表时间排盘，未拨回标准时间"));

    struct Edge {
        BirthMoment birth;
        SummerClock clock;
        const char* standard;
    } const kEdges[] = {
        {{1919, 4, 12, 23, 59}, SummerClock::Standard, "1919-04-12 23:59"},
        {{1919, 4, 13, 0, 30}, SummerClock::Skipped, "1919-04-13 00:30"},
        {{1919, 4, 13, 1, 0}, SummerClock::Summer, "1919-04-13 00:00"},
        {{1919, 9, 30, 22, 59}, SummerClock::Summer, "1919-09-30 21:59"},
        {{1919, 9, 30, 23, 30}, SummerClock::Repeated, "1919-09-30 22:30"},
        {{1919, 10, 1, 0, 0}, SummerClock::Standard, "1919-10-01 00:00"},
        {{1943, 6, 1, 12, 0}, SummerClock::Summer, "1943-06-01 11:00"},
        {{1945, 9, 1, 23, 30}, SummerClock::Repeated, "1945-09-01 22:30"},
        {{1949, 5, 27, 22, 0}, SummerClock::Summer, "1949-05-27 21:00"},
        {{1986, 5, 4, 2, 30}, SummerClock::Skipped, "1986-05-04 02:30"},
        {{1986, 5, 4, 3, 0}, SummerClock::Summer, "1986-05-04 02:00"},
        {{1991, 9, 15, 0, 59}, SummerClock::Summer, "1991-09-14 23:59"},
        {{1991, 9, 15, 1, 30}, SummerClock::Repeated, "1991-09-15 00:30"},
        {{1991, 9, 15, 2, 0}, SummerClock::Standard, "1991-09-15 02:00"},
    };
    for (const Edge& e : kEdges) {
        SCOPED_TRACE(FormatMinutes({e.birth.year, e.birth.month, e.birth.day, e.birth.hour, e.birth.minute}));
        const Chart c = ComputeChart(e.birth);
        EXPECT_EQ(c.summerClock, e.clock);
        EXPECT_EQ(FormatMinutes(c.standardTime), e.standard);
    }
    EXPECT_TRUE(HasNote(ComputeChart({1986, 5, 4, 2, 30}), "被跳过"));
    EXPECT_TRUE(HasNote(ComputeChart({1991, 9, 15, 1, 30}), "出现两次，有歧义"));
    // Outside the summers nothing changes and nothing is noted but the age rule.
    const Chart winter = ComputeChart({1988, 12, 1, 13, 10});
    EXPECT_EQ(winter.standardTime, winter.clockTime);
    EXPECT_EQ(winter.notes.size(), 1u);
}

TEST(Chart, TrueSolarTimeCanMoveTheHourAndTheDate) {
    Conventions urumqi;
    urumqi.longitude = FindCapital("乌鲁木齐")->longitude;
    // Mid-June the equation of time is near zero: 01:00 in Beijing time is
    // about 22:50 the day before by the sun at 87.63°E.
    const Chart c = ComputeChart({2000, 6, 13, 1, 0}, urumqi);
    EXPECT_EQ(c.chartTime.day, 12);
    EXPECT_EQ(c.chartTime.hour, 22);
    EXPECT_NEAR(c.chartTime.minute, 50, 2);
    const Chart clock = ComputeChart({2000, 6, 12, 22, 50});
    EXPECT_EQ(Names(c), Names(clock));
    EXPECT_TRUE(HasNote(c, "真太阳时：东经87.63°，由标准时间起算，经度时差 -129分29秒"));
    // Luck and terms still count from the birth's true moment, not the sundial's.
    EXPECT_EQ(FormatMinutes(c.standardTime), "2000-06-13 01:00");
}

// The chart's pillars are the calendar's GetFourPillars at the birth's
// minute over a spread of births of the whole span (summer time aside).
TEST(Chart, PillarsAreThoseOfTheCalendar) {
    const CLunarCalendar calendar;
    Conventions clockOnly;
    clockOnly.dstCorrect = false;
    for (int i = 0; i < 400; ++i) {
        const BirthMoment b{1901 + i * 37 % 199, 1 + i % 12, 1 + i * 7 % 28, i % 24, i % 60};
        SCOPED_TRACE(std::to_string(b.year) + "-" + std::to_string(b.month) + "-" + std::to_string(b.day));
        SYSTEMTIME t = MakeSystemTime(b.year, b.month, b.day, b.hour);
        t.wMinute = static_cast<std::uint16_t>(b.minute);
        EXPECT_EQ(Names(ComputeChart(b, clockOnly)), platform::Utf8(calendar.GetFourPillars(t)));
    }
}

// 流月: the twelve months of a 立春 year, 寅 first, each at its 节.
TEST(Chart, MonthsOfAYear) {
    const auto months = MonthsOfYear(2024);
    ASSERT_TRUE(months);
    EXPECT_EQ(PillarName((*months)[0].pillar), "丙寅");
    EXPECT_EQ(TermName((*months)[0].term), "立春");
    EXPECT_EQ(FormatSeconds((*months)[0].begins), "2024-02-04 16:27:08");
    EXPECT_EQ(PillarName((*months)[11].pillar), "丁丑");
    EXPECT_EQ(TermName((*months)[11].term), "小寒");
    EXPECT_EQ((*months)[11].begins.year, 2025);
    for (int i = 1; i < 12; ++i) {
        EXPECT_EQ((*months)[i].pillar, ((*months)[i - 1].pillar + 1) % 60);
        EXPECT_LT(ToSeconds((*months)[i - 1].begins), ToSeconds((*months)[i].begins));
    }
    EXPECT_TRUE(MonthsOfYear(1900));
    EXPECT_TRUE(MonthsOfYear(2100));
    EXPECT_FALSE(MonthsOfYear(1899));
    EXPECT_FALSE(MonthsOfYear(2101));
}
