// 八字反推 as the chart window offers it: the eight characters a user typed
// read into four pillars or refused in Chinese with the rule they break, the
// windows the calendar finds described for a list, and the birth that casts a
// chosen window's chart. Qt-free; the calendar decides what is valid
// (calendar::ParsePillars), this file only says it in the window's words.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Chart.h"
#include "PillarSearch.h"

namespace chartwnd {

// The pillars of `utf8` ("甲子丙寅戊辰壬子"; blanks, full-width ones too, may
// stand between the characters), or why they cannot be a birth's: a count
// other than eight characters, a character that is no stem or no branch where
// one is due, a stem and branch of unlike parity, a month pillar against
// 五虎遁, an hour pillar against 五鼠遁 (晚子时 allowed). Exactly one of the two
// members is set.
struct PillarQuery {
    std::optional<calendar::PillarIndices> pillars;
    std::string refusal;  // one Chinese sentence naming the rule broken
};
PillarQuery ReadPillars(std::string_view utf8);

// The school a window needs, as the chart window's 子时 list names it
// ("晚子时", "子初换日", "子时取当日干"), or "各派皆同" when any school gives it.
std::string ZiSchoolText(calendar::ZiSchoolNeeded school);

// The hours of a window: "23:00–23:59", with seconds where a 节 cuts it
// ("10:23:45–10:59:59").
std::string WindowSpanText(const calendar::BirthWindow& window);

// How a window is cast: the clock reading of its first whole minute and the
// conventions that give that reading the window's pillars (clock time, the
// 子 school the window needs, the current summer-time choice unless the
// reading falls in the hour the clocks repeated).
struct WindowCast {
    chart::BirthMoment birth;
    chart::Conventions conventions;
};

// The cast of `window` for a person of `sex`, starting from the conventions
// now set; nullopt when the window holds no whole minute or the cast does not
// give back `pillars` (both are checked, never assumed).
std::optional<WindowCast> CastOfWindow(const calendar::BirthWindow& window,
                                       const calendar::PillarIndices& pillars, chart::Sex sex,
                                       const chart::Conventions& current);

}  // namespace chartwnd
