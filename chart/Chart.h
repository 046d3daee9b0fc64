// The full chart (排盘) of a birth: the four pillars with their ten gods,
// hidden stems, 纳音, growth stages and empty branches; the relations among
// them; the five elements; 胎元 and 命宫; the solar terms around the birth and
// the luck pillars; and the conventions it was cast under, with notes where
// a convention or the exact moment of a term matters.
//
//   chart::BirthMoment birth{1975, 1, 1, 0, 0, chart::Sex::Male};
//   chart::Conventions conventions;  // 晚子时, standard time, summer time taken back
//   if (std::string error = chart::CheckBirth(birth, conventions); !error.empty()) …
//   const chart::Chart c = chart::ComputeChart(birth, conventions);
//
// Names (of stems, gods, stages, …) come from Theory.h and are UTF-8; the
// notes are UTF-8 sentences. Qt-free, no I/O, no global state: a chart is a
// pure function of its arguments and may be computed on any thread.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "CalendarTime.h"
#include "Conventions.h"
#include "LuckPillars.h"
#include "Relations.h"
#include "Theory.h"

namespace chart {

// The first and last Gregorian years a chart can be cast for: the calendar's
// span, 1900-01-31 00:00 to 2100-12-31 23:59 (calendar::kFirstPillarMoment,
// kLastPillarMoment).
inline constexpr int kFirstChartYear = 1900;
inline constexpr int kLastChartYear = 2100;

// A birth as the clock at the birthplace showed it (Chinese civil time).
struct BirthMoment {
    int year = 2000, month = 1, day = 1;  // Gregorian
    int hour = 0, minute = 0;
    Sex sex = Sex::Male;
};

struct HiddenStem {
    int stem = 0;
    TenGod tenGod = TenGod::Companion;  // to the day stem
};

struct Pillar {
    int pillar = 0;  // sexagenary index 0-59
    int stem = 0, branch = 0;
    bool dayMaster = false;              // the day pillar: its stem is 日主
    TenGod tenGod = TenGod::Companion;   // of the stem to the day stem; not for the day pillar
    std::array<HiddenStem, 3> hidden{};  // 本气, 中气, 余气
    int hiddenCount = 1;
    Stage stage = Stage::Birth;      // 地势: the day stem at this branch
    Stage selfStage = Stage::Birth;  // 自坐: the pillar's own stem at its branch
    std::array<int, 2> xunkong{};    // 旬空: the empty branches of the pillar's decade
};

struct ElementCounts {
    // Over the eight characters (stems and branches by their own element).
    std::array<int, 5> characters{};
    // Each stem 1, each branch shared among its hidden stems: one alone 1;
    // two 0.7 and 0.3; three 0.6, 0.3 and 0.1 (本气, 中气, 余气).
    std::array<double, 5> weighted{};
    std::vector<Element> missing;  // elements none of the eight characters has
};

// A solar term located in time (China Standard Time).
struct TermTime {
    int year = 0;
    int term = 0;  // 0 小寒 … 23 冬至
    DateTime time;
};

// A 节 inside the clock hour of the birth: a birth given by the hour alone
// could lie on either side of it.
struct TermInHour {
    TermTime term;
    bool birthAfterTerm = false;        // the chart's own pillars are those after the 节
    std::array<int, 4> otherPillars{};  // the pillars on the other side of the 节
};

struct Chart {
    BirthMoment birth;
    Conventions conventions;
    DateTime clockTime;     // the birth as given
    DateTime standardTime;  // China Standard Time: the clock taken back an hour for summer time when asked
    DateTime chartTime;     // the time the pillars are cast for: standard or true solar time
    SummerClock summerClock = SummerClock::Standard;  // how the clock time stood to summer time

    // Year, month, day, hour: the calendar's pillars at the standard-time
    // moment (year and month by the exact moment of 立春 and the 节), with the
    // day and hour reckoned in chartTime under the 子 school of the conventions.
    std::array<Pillar, 4> pillars{};
    std::optional<TermInHour> termInHour;  // a 节 inside the birth's clock hour

    ElementCounts elements;
    std::vector<ChartRelation> relations;
    int taiyuan = 0;   // 胎元, sexagenary index
    int minggong = 0;  // 命宫, sexagenary index

    TermTime previousTerm;  // the 节 that begins the chart's month
    TermTime nextTerm;      // the 节 that begins the month after
    Luck luck;

    // UTF-8 sentences on what the conventions did (summer time, an ambiguous
    // clock reading, true solar time, the 子 hour), a 节 inside the birth hour,
    // and the age rule.
    std::vector<std::string> notes;
};

// What is wrong with the birth or the conventions (a date not in the
// calendar or outside 1900-01-31 … 2100-12-31, an hour outside 0-23, a
// minute outside 0-59, a longitude outside -180…180, a birth that true solar
// time or 子初换日 moves out of the span), as one English sentence; "" when a
// chart can be cast.
std::string CheckBirth(const BirthMoment& birth, const Conventions& conventions);

// The chart. Throws std::invalid_argument with CheckBirth's message when the
// birth is refused.
Chart ComputeChart(const BirthMoment& birth, const Conventions& conventions = {});

}  // namespace chart
