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
    struct Case {
        BirthMoment birth;
        std::optional<double> longitude;
        const char* error;
    } const cases[] = {
        {{1900, 12, 31, 12, 0}, {}, "the year must be 1901-2050 for a chart"},
        {{2051, 1, 1, 12, 0}, {}, "the year must be 1901-2050 for a chart"},
        {{2000, 13, 1, 0, 0}, {}, "the month must be 1-12"},
        {{2000, 4, 31, 0, 0}, {}, "the day must be 1-30 in 2000-4"},
        {{1999, 2, 29, 0, 0}, {}, "the day must be 1-28 in 1999-2"},
        {{2000, 1, 0, 0, 0}, {}, "the day must be 1-31 in 2000-1"},
        {{2000, 1, 1, 24, 0}, {}, "the hour must be 0-23"},
        {{2000, 1, 1, 0, 60}, {}, "the minute must be 0-59"},
        {{2000, 1, 1, 0, -1}, {}, "the minute must be 0-59"},
        {{2000, 1, 1, 0, 0}, 180.5, "the longitude must be -180 to 180 degrees (east positive)"},
        {{2000, 1, 1, 0, 0},
         std::numeric_limits<double>::quiet_NaN(),
         "the longitude must be -180 to 180 degrees (east positive)"},
        {{1901, 1, 1, 0, 30},
         87.6,
         "this birth is charted on a day outside 1901-2050 (by true solar time or 子初换日)"},
        {{2000, 2, 29, 23, 59}, -180.0, ""},
        {{2050, 12, 31, 23, 59},
         180.0,
         "this birth is charted on a day outside 1901-2050 (by true solar time or 子初换日)"},
        {{2050, 12, 31, 23, 59}, {}, ""},
    };
    Conventions nextDay;
    nextDay.zi = ZiHour::NextDay;
    EXPECT_EQ(CheckBirth({2050, 12, 31, 23, 0}, nextDay),
              "this birth is charted on a day outside 1901-2050 (by true solar time or 子初换日)");
    EXPECT_EQ(CheckBirth({2050, 12, 31, 22, 59}, nextDay), "");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        Conventions conventions;
        conventions.longitude = c.longitude;
        EXPECT_EQ(CheckBirth(c.birth, conventions), c.error);
        if (*c.error) {
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
    EXPECT_FALSE(c.exactPillars);
    EXPECT_TRUE(c.notes.empty());
    EXPECT_EQ(c.chartTime, c.clockTime);

    ASSERT_EQ(c.luck.pillars.size(), 10u);
    EXPECT_EQ(PillarName(c.luck.pillars[9].pillar), "丙戌");
    EXPECT_EQ(TenGodName(c.luck.pillars[0].tenGod), "比肩");
    EXPECT_EQ(c.luck.pillars[1].startYear, 1986);
    EXPECT_EQ(c.luck.pillars[1].startAge, 13);
    EXPECT_EQ(PillarName(c.luck.pillars[0].years[0]), "丙辰");  // 1976
    EXPECT_EQ(PillarName(c.luck.pillars[0].years[8]), "甲子");  // 1984
}

// Hand-worked luck: the minutes from the birth to the 节 by the table's
// moments, at 12 minutes a day of life, 30 days a month and 360 a year.
TEST(Chart, LuckPillarsOfHandWorkedBirths) {
    struct Case {
        const char* name;
        BirthMoment birth;
        const char* pillars;
        bool forward;
        LuckStart start;
        const char* startDate;
        const char* first;
        int startAge;
        bool exactDiffers;
        ZiHour zi;
    } const cases[] = {
        {"male, 阳 year: forward to 小寒",
         {1975, 1, 1, 0, 0, Sex::Male},
         "甲寅丙子丁未庚子",
         true,
         {1, 9, 6, 10},
         "1976-10-07",
         "丁丑",
         3,
         false,
         ZiHour::SameDay},
        {"female, 阳 year: back to 大雪",
         {1975, 1, 1, 0, 0, Sex::Female},
         "甲寅丙子丁未庚子",
         false,
         {8, 0, 19, 14},
         "1983-01-20",
         "乙亥",
         10,
         false,
         ZiHour::SameDay},
        {"2 h 27 min before 立春 on its day: the calendar's new year, forward to 惊蛰",
         {2024, 2, 4, 14, 0, Sex::Male},
         "甲辰丙寅戊戌己未",
         true,
         {9, 11, 11, 20},
         "2034-01-15",
         "丁卯",
         11,
         true,
         ZiHour::SameDay},
        {"2 h 33 min after 立春, female: back to it",
         {2024, 2, 4, 19, 0, Sex::Female},
         "甲辰丙寅戊戌壬戌",
         false,
         {0, 0, 12, 16},
         "2024-02-16",
         "乙丑",
         1,
         false,
         ZiHour::SameDay},
        {"2 h 33 min after 立春, male: forward",
         {2024, 2, 4, 19, 0, Sex::Male},
         "甲辰丙寅戊戌壬戌",
         true,
         {9, 10, 16, 20},
         "2033-12-20",
         "丁卯",
         10,
         false,
         ZiHour::SameDay},
        {"leap fourth month, male, 阳 year: forward to 芒种",
         {2020, 5, 23, 10, 30, Sex::Male},
         "庚子辛巳丙寅癸巳",
         true,
         {4, 4, 12, 8},
         "2024-10-05",
         "壬午",
         5,
         false,
         ZiHour::SameDay},
        {"leap fourth month, female: back to 立夏",
         {2020, 5, 23, 10, 30, Sex::Female},
         "庚子辛巳丙寅癸巳",
         false,
         {6, 0, 8, 4},
         "2026-05-31",
         "庚辰",
         7,
         false,
         ZiHour::SameDay},
        {"the table's 立夏 a day late, male, 阴 year: back to 清明",
         {1977, 5, 5, 23, 30, Sex::Male},
         "丁巳甲辰壬戌庚子",
         false,
         {10, 2, 28, 16},
         "1987-08-02",
         "癸卯",
         11,
         true,
         ZiHour::SameDay},
        {"the same birth, female: forward to a 节 already past, so from birth",
         {1977, 5, 5, 23, 30, Sex::Female},
         "丁巳甲辰壬戌庚子",
         true,
         {0, 0, 0, 0},
         "1977-05-05",
         "乙巳",
         1,
         true,
         ZiHour::SameDay},
        {"23:30 on the eve of 立春, 子时属当日: 阴 year, back to 小寒",
         {2024, 2, 3, 23, 30, Sex::Male},
         "癸卯乙丑丁酉庚子",
         false,
         {9, 7, 3, 8},
         "2033-09-06",
         "甲子",
         11,
         false,
         ZiHour::SameDay},
        {"the same under 晚子时: only the hour pillar differs",
         {2024, 2, 3, 23, 30, Sex::Male},
         "癸卯乙丑丁酉壬子",
         false,
         {9, 7, 3, 8},
         "2033-09-06",
         "甲子",
         11,
         false,
         ZiHour::Late},
        {"the same under 子初换日: the 节's day, a 阳 year, forward to 惊蛰",
         {2024, 2, 3, 23, 30, Sex::Male},
         "甲辰丙寅戊戌壬子",
         true,
         {10, 1, 24, 8},
         "2034-03-27",
         "丁卯",
         11,
         true,
         ZiHour::NextDay},
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
        EXPECT_EQ(FormatDate(chart.luck.startDate), c.startDate);
        EXPECT_EQ(PillarName(chart.luck.pillars[0].pillar), c.first);
        EXPECT_EQ(chart.luck.pillars[0].startAge, c.startAge);
        EXPECT_EQ(chart.luck.pillars[0].startYear, std::stoi(std::string(c.startDate).substr(0, 4)));
        EXPECT_EQ(chart.exactPillars.has_value(), c.exactDiffers);
    }
}

TEST(Chart, ExactMomentNotesGiveThePillarsByTheTerm) {
    const Chart before = ComputeChart({2024, 2, 4, 14, 0});
    ASSERT_TRUE(before.exactPillars);
    EXPECT_EQ(PillarName((*before.exactPillars)[0]) + PillarName((*before.exactPillars)[1]), "癸卯乙丑");
    EXPECT_TRUE(HasNote(before, "立春 2024-02-04 16:27:08")) << before.notes[0];
    EXPECT_TRUE(HasNote(before, "癸卯 乙丑 戊戌 己未"));
    const Chart table = ComputeChart({1977, 5, 5, 23, 30, Sex::Female});
    EXPECT_EQ(PillarName((*table.exactPillars)[1]), "乙巳");
    EXPECT_TRUE(HasNote(table, "起运按零计"));
}

TEST(Chart, TheThreeSchoolsOfTheZiHour) {
    struct Case {
        ZiHour zi;
        BirthMoment birth;
        const char* pillars;
        const char* note;
    } const cases[] = {
        {ZiHour::SameDay, {2000, 1, 1, 23, 30}, "己卯丙子戊午壬子", "子时属当日"},
        {ZiHour::Late, {2000, 1, 1, 23, 30}, "己卯丙子戊午甲子", "晚子时"},
        {ZiHour::NextDay, {2000, 1, 1, 23, 30}, "己卯丙子己未甲子", "子初换日"},
        {ZiHour::NextDay, {2000, 1, 1, 22, 59}, "己卯丙子戊午癸亥", ""},
        {ZiHour::Late, {2000, 1, 1, 0, 30}, "己卯丙子戊午壬子", ""},
        // On the eve of 立春 the next day is the 节's day: the year and month change too.
        {ZiHour::SameDay, {2024, 2, 3, 23, 30}, "癸卯乙丑丁酉庚子", "子时属当日"},
        {ZiHour::NextDay, {2024, 2, 3, 23, 30}, "甲辰丙寅戊戌壬子", "子初换日"},
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
            EXPECT_TRUE(chart.notes.empty());
    }
}

TEST(Chart, SummerTimeIsNotedAndCorrectedOnlyWhenAsked) {
    const BirthMoment birth{1988, 7, 1, 13, 10};
    const Chart clock = ComputeChart(birth);
    EXPECT_EQ(clock.summerClock, SummerClock::Summer);
    EXPECT_EQ(BranchName(clock.pillars[3].branch), "未");
    EXPECT_EQ(clock.standardTime, clock.clockTime);
    EXPECT_TRUE(HasNote(clock, "出生于夏令时（1988-04-17 02:00 至 1988-09-11 01:00）；按钟表时间排盘"));

    Conventions corrected;
    corrected.dstCorrect = true;
    const Chart standard = ComputeChart(birth, corrected);
    EXPECT_EQ(FormatMinutes(standard.standardTime), "1988-07-01 12:10");
    EXPECT_EQ(BranchName(standard.pillars[3].branch), "午");
    EXPECT_TRUE(HasNote(standard, "按标准时间 1988-07-01 12:10 排盘"));

    // Outside the summers the option changes nothing and nothing is noted.
    const Chart winter = ComputeChart({1988, 12, 1, 13, 10}, corrected);
    EXPECT_EQ(winter.standardTime, winter.clockTime);
    EXPECT_TRUE(winter.notes.empty());
    EXPECT_TRUE(HasNote(ComputeChart({1986, 5, 4, 2, 30}), "被跳过"));
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
    EXPECT_TRUE(HasNote(c, "真太阳时：东经87.63°，经度时差 -129分29秒"));
    // Luck and terms still count from the birth's true moment, not the sundial's.
    EXPECT_EQ(FormatMinutes(c.standardTime), "2000-06-13 01:00");
}

// The chart's pillars are the calendar's GetFourPillars at every hour of a
// spread of days (the chart reads them back from its GBK text).
TEST(Chart, PillarsAreThoseOfTheCalendar) {
    const CLunarCalendar calendar;
    for (int i = 0; i < 400; ++i) {
        const BirthMoment b{1901 + i * 37 % 150, 1 + i % 12, 1 + i * 7 % 28, i % 24, i % 60};
        SCOPED_TRACE(std::to_string(b.year) + "-" + std::to_string(b.month) + "-" + std::to_string(b.day));
        EXPECT_EQ(Names(ComputeChart(b)),
                  platform::Utf8(calendar.GetFourPillars(MakeSystemTime(b.year, b.month, b.day, b.hour))));
    }
}
