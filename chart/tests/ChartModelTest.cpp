// The chart's model: the texts every face shows, tested once here (the
// terminal, the JSON and the page only lay them out). The grid's cells for
// a few births, the heading lines, the wording of the conventions in each
// state, the elements, relations and facts, and the marks of the current
// luck pillar and year; then that the terminal layout shows the model's
// texts and nothing of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ChartModel.h"
#include "ChartText.h"

namespace {

// The clock's time as given, 23:00 on the same day: the conventions the
// births below are cast under unless a test names others.
const chart::Conventions kClock{chart::ZiHour::SameDay, std::nullopt, false};

chart::Chart Cast(const chart::BirthMoment& birth, const chart::Conventions& conventions = kClock) {
    return chart::ComputeChart(birth, conventions);
}

// The four cells of a grid row joined by "|", a cell's lines by "\n".
std::string Row(const chart::ChartModel& m, chart::GridRow row) {
    std::string out;
    for (const chart::PillarColumn& column : m.columns) {
        if (!out.empty()) out += "|";
        const std::vector<std::string> lines = chart::CellLines(column, row);
        for (std::size_t i = 0; i < lines.size(); ++i) out += (i > 0 ? "\n" : "") + lines[i];
    }
    return out;
}

// 戊辰 戊午 丁巳 丙午 by the clock.
const chart::BirthMoment k1988{1988, 7, 1, 12, 10, chart::Sex::Female};

TEST(ChartModel, GridCells) {
    using chart::GridRow;
    struct Case {
        const char* name;
        chart::BirthMoment birth;
        GridRow row;
        const char* cells;
    };
    // 2000-01-01 12:00 is 己卯 丙子 戊午 戊午 (before 立春, in the 子 month);
    // 1988-07-01 12:00 (clock time) is 戊辰 戊午 丁巳 丙午.
    const chart::BirthMoment y2000{2000, 1, 1, 12, 0, chart::Sex::Male};
    const chart::BirthMoment y1988{1988, 7, 1, 12, 0, chart::Sex::Male};
    const Case cases[] = {
        {"2000 stems", y2000, GridRow::Stem, "己|丙|戊|戊"},
        {"2000 branches", y2000, GridRow::Branch, "卯|子|午|午"},
        {"2000 ten gods, the day's stem is 日主", y2000, GridRow::TenGod, "劫财|偏印|日主|比肩"},
        {"2000 hidden, a line a stem", y2000, GridRow::Hidden,
         "乙 正官|癸 正财|丁 正印\n己 劫财|丁 正印\n己 劫财"},
        {"2000 nayin", y2000, GridRow::Nayin, "城头土|涧下水|天上火|天上火"},
        {"2000 stage", y2000, GridRow::Stage, "沐浴|胎|帝旺|帝旺"},
        {"2000 self stage", y2000, GridRow::SelfStage, "病|胎|帝旺|帝旺"},
        {"2000 xunkong", y2000, GridRow::XunKong, "申酉|申酉|子丑|子丑"},
        {"1988 stems", y1988, GridRow::Stem, "戊|戊|丁|丙"},
        {"1988 ten gods", y1988, GridRow::TenGod, "伤官|伤官|日主|劫财"},
        {"1988 three hidden stems", y1988, GridRow::Hidden,
         "戊 伤官\n乙 偏印\n癸 七杀|丁 比肩\n己 食神|丙 劫财\n庚 正财\n戊 伤官|丁 比肩\n己 食神"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Row(chart::MakeChartModel(Cast(c.birth), {}), c.row), c.cells);
    }
}

TEST(ChartModel, EveryRowHasItsLabelAndEveryColumnItsHeading) {
    const chart::ChartModel m = chart::MakeChartModel(Cast(k1988), {});
    std::string labels, headings, keys, marks;
    for (const chart::GridRowLabel& row : chart::kGridRows) labels += std::string(row.label) + " ";
    for (const chart::PillarColumn& c : m.columns) {
        headings += c.heading + " ";
        keys += c.key + " ";
        marks += c.mark;
    }
    EXPECT_EQ(labels, "十神 天干 地支 藏干 纳音 地势 自坐 旬空 ");
    EXPECT_EQ(headings, "年柱 月柱 日柱 时柱 ");
    EXPECT_EQ(keys, "year month day hour ");
    EXPECT_EQ(marks, "年月日时");
}

TEST(ChartModel, HeadingLinesStateThePersonAndTheBirth) {
    const chart::ChartModel m = chart::MakeChartModel(Cast(k1988), {"李四", "", 2024});
    EXPECT_EQ(m.person, "李四  女  属龙");
    EXPECT_EQ(m.solarLine, "阳历 1988年07月01日 12:10");
    EXPECT_EQ(m.lunarLine.rfind("阴历 ", 0), 0u) << m.lunarLine;
    EXPECT_TRUE(m.lunarLine.ends_with("午时")) << m.lunarLine;
    EXPECT_EQ(m.clockTime, "1988-07-01 12:10");
    EXPECT_EQ(m.castTime, "");                                             // cast for the clock's own time
    EXPECT_EQ(chart::MakeChartModel(Cast(k1988), {}).person, "女  属龙");  // no name: no gap before the sex
    EXPECT_EQ(chart::MakeChartModel(Cast({1988, 1, 10, 8, 0, chart::Sex::Male}), {}).person,
              "男  属兔");  // before 立春
}

// One wording of the conventions for every state, true in each: the summer
// time is "taken back" only where the birth was in it.
TEST(ChartModel, ConventionsSayWhatWasDone) {
    struct Case {
        const char* name;
        chart::BirthMoment birth;
        chart::Conventions conventions;
        std::string place;
        const char* line;
        const char* castTime;
    };
    const chart::BirthMoment summer{1988, 7, 1, 23, 30, chart::Sex::Male};
    const chart::BirthMoment winter{1988, 1, 10, 23, 30, chart::Sex::Male};
    const Case cases[] = {
        {"summer time, kept", summer, kClock, "",
         "子时：子时取当日干；时间：钟表时间；夏令时：按钟表时间（未校正）", ""},
        {"summer time, taken back",
         summer,
         {chart::ZiHour::Late, std::nullopt, true},
         "",
         "子时：晚子时；时间：钟表时间；夏令时：拨回标准时间",
         "按 1988-07-01 22:30 排盘"},
        {"no summer time, correction asked",
         winter,
         {chart::ZiHour::SameDay, std::nullopt, true},
         "",
         "子时：子时取当日干；时间：钟表时间；夏令时：出生时不在夏令时",
         ""},
        {"no summer time, none asked",
         winter,
         {chart::ZiHour::NextDay, std::nullopt, false},
         "",
         "子时：子初换日；时间：钟表时间；夏令时：出生时不在夏令时",
         ""},
        {"true solar time at a named place",
         winter,
         {chart::ZiHour::SameDay, 120.0, false},
         "南京",
         "子时：子时取当日干；时间：真太阳时（南京 120.00°E，校正 -7.3 分钟）；夏令时：出生时不在夏令时",
         "按 1988-01-10 23:22 排盘"},
        {"a longitude west",
         winter,
         {chart::ZiHour::SameDay, -0.5, false},
         "",
         "子时：子时取当日干；时间：真太阳时（0.50°W，校正 -489.4 分钟）；夏令时：出生时不在夏令时",
         "按 1988-01-10 15:20 排盘"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const chart::ChartModel m = chart::MakeChartModel(Cast(c.birth, c.conventions), {"", c.place, 2024});
        EXPECT_EQ(m.conventions, c.line);
        EXPECT_EQ(m.castTime, c.castTime);
    }
}

TEST(ChartModel, ElementsRelationsFactsAndNotes) {
    const chart::ChartModel m = chart::MakeChartModel(Cast(k1988), {});
    std::string elements;
    for (const chart::ElementText& e : m.elements)
        elements += e.name + std::to_string(e.count) + "/" + e.weightText + " ";
    EXPECT_EQ(elements, "木0/0.3 火5/4.0 土3/3.3 金0/0.3 水0/0.1 ");
    EXPECT_EQ(m.missing, "缺：木金水");
    EXPECT_EQ(m.missingNames, (std::vector<std::string>{"木", "金", "水"}));
    std::vector<std::string> relations;
    for (const chart::RelationText& r : m.relations) relations.push_back(r.text);
    EXPECT_EQ(relations,
              (std::vector<std::string>{"半会 午巳(火) 月日", "自刑 午午 月时", "半会 巳午(火) 日时"}));
    ASSERT_EQ(m.facts.size(), 4u);
    EXPECT_EQ(m.facts[0].label + " " + m.facts[0].text, "胎元 己酉");
    EXPECT_EQ(m.facts[1].label + " " + m.facts[1].text, "命宫 丁巳");
    EXPECT_EQ(m.facts[2].label + " " + m.facts[2].text,
              "节气 芒种 1988-06-05 19:14:54 至 小暑 1988-07-07 05:32:55");
    EXPECT_EQ(m.taiyuan, m.facts[0].text);
    // 小运 from the birth's year to the one before the first luck pillar (1997),
    // going backward from the hour pillar 丙午, with nominal ages.
    EXPECT_EQ(m.facts[3].label, "小运");
    EXPECT_TRUE(m.facts[3].text.starts_with("1988(1岁)乙巳  1989(2岁)甲辰")) << m.facts[3].text;
    ASSERT_EQ(m.xiaoyun.size(), 9u);
    EXPECT_EQ(m.xiaoyun.back().yearText + m.xiaoyun.back().ageText, "19969岁");
    // The summer time is noted, and no note claims other pillars.
    EXPECT_TRUE(std::any_of(m.notes.begin(), m.notes.end(),
                            [](const std::string& n) { return n.starts_with("出生于夏令时"); }));
    EXPECT_FALSE(m.otherSidePillars.has_value());
}

TEST(ChartModel, AllFiveElementsAreSaidSo) {
    // 1984-03-06 12:00 has every element among its eight characters.
    const chart::ChartModel m = chart::MakeChartModel(Cast({1984, 3, 6, 12, 0, chart::Sex::Male}), {});
    EXPECT_TRUE(m.missingNames.empty());
    EXPECT_EQ(m.missing, "五行俱全");
}

TEST(ChartModel, LuckStripAndCurrentMarks) {
    struct Case {
        const char* name;
        int now;
        int currentLuck, shownLuck, currentYear;
        const char* firstShownYear;
    };
    const Case cases[] = {
        {"before the first luck pillar", 1990, -1, 0, -1, "1997"},
        {"first year of the first", 1997, 0, 0, 0, "1997"},
        {"2024, in the third", 2024, 2, 2, 7, "2017"},
        {"last year of the third", 2026, 2, 2, 9, "2017"},
        {"after the last", 2200, -1, 9, -1, "2087"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const chart::ChartModel m = chart::MakeChartModel(Cast(k1988), {"李四", "", c.now});
        // A 戊 year, female: backward from 戊午; the first starts at 10 in 1997.
        EXPECT_TRUE(m.luckLine.starts_with("逆行，出生后 8 年 6 月 ")) << m.luckLine;
        EXPECT_TRUE(m.luckLine.ends_with(" 时起运，" + m.luckStartMoment + " 交运")) << m.luckLine;
        EXPECT_TRUE(m.luckStartMoment.starts_with(m.luckStartDate + " ")) << m.luckStartMoment;
        EXPECT_TRUE(m.luckStartDate.starts_with("1997-01-")) << m.luckStartDate;
        ASSERT_EQ(m.luck.size(), 10u);
        EXPECT_EQ(m.luck[0].pillarName + m.luck[0].tenGod + m.luck[0].age + m.luck[0].yearText,
                  "丁巳比肩10岁1997");
        EXPECT_EQ(m.luck[2].pillarName + m.luck[2].tenGod, "乙卯偏印");
        EXPECT_EQ(m.luck[9].pillarName + m.luck[9].yearText, "戊申2087");
        EXPECT_EQ(m.currentLuck, c.currentLuck);
        EXPECT_EQ(m.shownLuck, c.shownLuck);
        EXPECT_EQ(m.currentYear, c.currentYear);
        const chart::LuckText& shown = m.luck[static_cast<std::size_t>(m.shownLuck)];
        EXPECT_EQ(shown.years[0].yearText, c.firstShownYear);
        if (c.currentYear >= 0) {
            const chart::YearText& year = shown.years[static_cast<std::size_t>(c.currentYear)];
            EXPECT_EQ(year.year, c.now);
            EXPECT_TRUE(c.now != 2024 || year.pillarName == "甲辰") << year.pillarName;
        }
    }
}

// The terminal shows the model's texts as they are: every cell, line, fact
// and note of the model is found in it.
TEST(ChartModel, TerminalLaysOutTheModelsTexts) {
    const chart::ChartModel m = chart::MakeChartModel(
        Cast({1988, 7, 1, 13, 10, chart::Sex::Female}, {chart::ZiHour::Late, 116.4, true}), {});
    const std::string text = chart::FormatChartText(m);
    std::vector<std::string> expected = {"排盘  " + m.clockTime + " 钟表时间，" + m.castTime + "\n",
                                         "约定  " + m.conventions + "\n",
                                         "五行    ",
                                         m.missing,
                                         "刑冲合会 ",
                                         "大运    " + m.luckLine + "\n"};
    for (const chart::PillarColumn& c : m.columns) {
        expected.push_back(c.heading);
        for (const chart::GridRowLabel& row : chart::kGridRows)
            for (const std::string& line : chart::CellLines(c, row.row)) expected.push_back(line);
    }
    for (const chart::RelationText& r : m.relations) expected.push_back(r.text);
    for (const chart::FactLine& f : m.facts) expected.push_back(f.label + "    " + f.text + "\n");
    for (const std::string& n : m.notes) expected.push_back("注：" + n + "\n");
    for (const chart::LuckText& l : m.luck) expected.push_back(l.pillarName);
    for (const std::string& e : expected) EXPECT_NE(text.find(e), std::string::npos) << e << "\nin\n" << text;
    EXPECT_EQ(chart::FormatChartText(Cast(k1988)),
              chart::FormatChartText(chart::MakeChartModel(Cast(k1988), {})));
}

}  // namespace
