// 八字反推: malformed and invalid pillars refused with the rule named, known
// answers, and round trips: the pillars of births all over the span, in each
// 子 school, find a window that holds the birth and names that school.
#include <gtest/gtest.h>

#include <random>

#include "FourPillars.h"
#include "PillarSearch.h"
#include "Sexagenary.h"
#include "SolarTerms.h"

using namespace calendar;

namespace {

TEST(ParsePillars, RefusesWhatIsNoChart) {
    const struct {
        const char* text;
        const char* error;
    } kCases[] = {
        {"", "pillars must be four stem-branch pairs, such as 甲子丙寅戊辰壬子"},
        {"甲子丙寅戊辰", "pillars must be four stem-branch pairs, such as 甲子丙寅戊辰壬子"},
        {"甲子丙寅戊辰壬子癸", "pillars must be four stem-branch pairs, such as 甲子丙寅戊辰壬子"},
        {"甲子丙寅戊辰壬X", "pillars must be four stem-branch pairs, such as 甲子丙寅戊辰壬子"},
        {"子甲丙寅戊辰壬子", "pillars must be four stem-branch pairs, such as 甲子丙寅戊辰壬子"},
        {"abcdefghijklmnopqrstuvwx", "pillars must be four stem-branch pairs, such as 甲子丙寅戊辰壬子"},
        {"甲丑丙寅戊辰壬子",
         "甲丑 is no pillar of the sexagenary cycle: a yang stem goes with a yang branch, a yin stem with a "
         "yin "
         "branch"},
        {"甲子戊寅戊辰壬子", "the month pillar 戊寅 breaks 五虎遁: in a 甲 year that month is 丙寅"},
        {"乙丑乙丑戊辰壬子", "the month pillar 乙丑 breaks 五虎遁: in a 乙 year that month is 己丑"},
        {"甲子丙寅戊辰丁卯", "the hour pillar 丁卯 breaks 五鼠遁: on a 戊 day that hour is 乙卯"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        const ParsedPillars p = ParsePillars(c.text);
        EXPECT_FALSE(p.pillars);
        EXPECT_EQ(p.error, c.error);
    }
    // 戊 days begin with 壬子, so their 寅 hour is 甲寅 and 辰 hour 丙辰.
    EXPECT_TRUE(ParsePillars("甲子丙寅戊辰甲寅").pillars);
    EXPECT_TRUE(ParsePillars("甲子丙寅戊辰丙辰").pillars);
}

TEST(ParsePillars, TheZiHourTakesTheDaysStemOrTheNextDays) {
    // A 戊 day's own 子 hour is 壬子; 晚子时 takes the 己 day's 甲子.
    EXPECT_TRUE(ParsePillars("己卯 丙子 戊午 壬子").pillars);
    EXPECT_TRUE(ParsePillars("己卯 丙子 戊午 甲子").pillars);
    EXPECT_EQ(
        ParsePillars("己卯丙子戊午丙子").error,
        "the hour pillar 丙子 breaks 五鼠遁: on a 戊 day that hour is 壬子 (or 甲子 in the 晚子时 at 23:00)");
    EXPECT_EQ(ParsePillars("己卯丙子戊午丙寅").error,
              "the hour pillar 丙寅 breaks 五鼠遁: on a 戊 day that hour is 甲寅");
}

std::string Describe(const BirthWindow& w) {
    return FormatSeconds(w.start) + " - " + FormatSeconds(w.end).substr(11) + " " +
           std::string(ZiSchoolKey(w.school));
}

TEST(FindBirthWindows, KnownAnswers) {
    // 2000-01-01 23:00 under 晚子时, and the same pillars' other windows.
    const auto late = FindBirthWindows(*ParsePillars("己卯丙子戊午甲子").pillars, 1900, 2100);
    std::vector<std::string> found;
    for (const BirthWindow& w : late) found.push_back(Describe(w));
    EXPECT_NE(std::find(found.begin(), found.end(), "2000-01-01 23:00:00 - 23:59:59 late"), found.end());
    for (const BirthWindow& w : late) EXPECT_EQ(w.school, ZiSchoolNeeded::Late);

    // 立春 1984 at 23:18:45 on 02-04, a 戊辰 day: 甲子丙寅戊辰壬子 there is the
    // same-day school's 子 hour after the term, cut by it.
    const auto cut = FindBirthWindows(*ParsePillars("甲子丙寅戊辰壬子").pillars, 1984, 1984);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(Describe(cut[0]), "1984-02-04 23:18:45 - 23:59:59 same-day");

    // The year limits, and an hour that every school agrees on.
    const auto any = FindBirthWindows(*ParsePillars("甲辰丙寅戊戌庚申").pillars, 2024, 2024);
    ASSERT_EQ(any.size(), 1u);
    EXPECT_EQ(Describe(any[0]), "2024-02-04 16:27:08 - 16:59:59 any");
    EXPECT_TRUE(FindBirthWindows(*ParsePillars("甲辰丙寅戊戌庚申").pillars, 2025, 2100).empty() ||
                FindBirthWindows(*ParsePillars("甲辰丙寅戊戌庚申").pillars, 2025, 2100)[0].start.year >=
                    2025);
    EXPECT_TRUE(FindBirthWindows(*ParsePillars("甲辰丙寅戊戌庚申").pillars, 2100, 1900).empty());
}

// Every birth's pillars, in each school, find a window holding the birth.
TEST(FindBirthWindows, EveryChartFindsItsOwnBirthWindow) {
    std::mt19937 rng(2024);
    const std::int64_t first = ToSeconds(kFirstPillarMoment), last = ToSeconds(kLastPillarMoment);
    std::uniform_int_distribution<std::int64_t> moment(first, last);
    const struct {
        ZiHour zi;
        ZiSchoolNeeded needed;
    } kSchools[] = {{ZiHour::Late, ZiSchoolNeeded::Late},
                    {ZiHour::NextDay, ZiSchoolNeeded::NextDay},
                    {ZiHour::SameDay, ZiSchoolNeeded::SameDay}};
    for (int i = 0; i < 600; ++i) {
        std::int64_t t = moment(rng);
        if (i % 3 == 1) t = t - t % kSecondsPerDay + 23 * kSecondsPerHour + t % kSecondsPerHour;  // 23:xx
        if (i % 3 == 2) {  // a minute either side of a 节
            const DateTime d = FromSeconds(t);
            t = SectionMoment(d.year, d.month) + (i % 2 ? 60 : -60);
        }
        if (!InPillarSpan(t)) continue;
        const DateTime birth = FromSeconds(t);
        for (const auto& s : kSchools) {
            if (s.zi == ZiHour::NextDay && birth.hour == 23 && t + kSecondsPerHour > last) continue;
            const PillarIndices p = FourPillarsAt(t, birth, s.zi);
            SCOPED_TRACE(FormatSeconds(birth) + " school " + std::string(ZiSchoolKey(s.needed)));
            // The pillars of every real birth pass both rules.
            ASSERT_EQ(ParsePillars(PillarNameUtf8(p[0]) + PillarNameUtf8(p[1]) + PillarNameUtf8(p[2]) +
                                   PillarNameUtf8(p[3]))
                          .pillars,
                      p);
            bool found = false;
            for (const BirthWindow& w : FindBirthWindows(p, birth.year - 1, birth.year + 1)) {
                if (t < ToSeconds(w.start) || t > ToSeconds(w.end)) continue;
                const ZiSchoolNeeded want = birth.hour == 23 ? s.needed : ZiSchoolNeeded::Any;
                found = found || w.school == want;
            }
            EXPECT_TRUE(found);
        }
    }
}

}  // namespace
