// The compiled-in solar terms: their shape over the whole table and the
// lookups around a moment.
#include <gtest/gtest.h>

#include "CivilTime.h"
#include "SolarTerms.h"

using namespace calendar;

TEST(SolarTerms, EveryTermFallsInItsMonthAndTheGapsAreThoseOfTheSun) {
    std::int64_t previous = 0;
    for (int year = kFirstTermYear; year <= kLastTermYear; ++year) {
        for (int term = 0; term < kTermsPerYear; ++term) {
            SCOPED_TRACE(std::to_string(year) + " " + std::string(TermName(term)));
            const std::int64_t moment = *TermMoment(year, term);
            const DateTime t = FromSeconds(moment);
            EXPECT_EQ(t.year, year);
            EXPECT_EQ(t.month, term / 2 + 1);
            // 节 on the 3rd-9th of the month, 中气 on the 18th-24th.
            EXPECT_TRUE(IsSectionTerm(term) ? t.day >= 3 && t.day <= 9 : t.day >= 18 && t.day <= 24);
            if (previous != 0) {
                // Fastest near perihelion (about 14.7 days), slowest near aphelion (about 15.7).
                const std::int64_t gap = moment - previous;
                EXPECT_GT(gap, 14 * kSecondsPerDay + 12 * kSecondsPerHour);
                EXPECT_LT(gap, 15 * kSecondsPerDay + 20 * kSecondsPerHour);
            }
            previous = moment;
        }
    }
}

TEST(SolarTerms, OutsideTheTableThereIsNoMoment) {
    EXPECT_FALSE(TermMoment(1899, 23));
    EXPECT_FALSE(TermMoment(2102, 0));
    EXPECT_FALSE(TermMoment(2000, -1));
    EXPECT_FALSE(TermMoment(2000, 24));
    EXPECT_TRUE(TermMoment(1900, 0));
    EXPECT_TRUE(TermMoment(2101, 23));
    EXPECT_EQ(TermName(2), "立春");
    EXPECT_EQ(TermName(24), "");
    EXPECT_EQ(TermLongitude(0), 285);
    EXPECT_EQ(TermLongitude(5), 0);
    EXPECT_EQ(TermLongitude(23), 270);
}

TEST(SolarTerms, SectionTermsAroundAMoment) {
    const std::int64_t lichun2024 = *TermMoment(2024, 2);
    struct Case {
        const char* name;
        std::int64_t moment;
        int beforeYear, beforeTerm, afterYear, afterTerm;
    } const cases[] = {
        {"at 立春 itself", lichun2024, 2024, 2, 2024, 4},
        {"a second before 立春", lichun2024 - 1, 2024, 0, 2024, 2},
        {"on 雨水, between two 节", *TermMoment(2024, 3), 2024, 2, 2024, 4},
        {"New Year's Eve: 大雪 before, 小寒 after", ToSeconds({2023, 12, 31, 23, 59, 59}), 2023, 22, 2024, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto before = SectionTermAtOrBefore(c.moment);
        const auto after = SectionTermAfter(c.moment);
        ASSERT_TRUE(before && after);
        EXPECT_EQ(before->year, c.beforeYear);
        EXPECT_EQ(before->term, c.beforeTerm);
        EXPECT_EQ(before->moment, *TermMoment(c.beforeYear, c.beforeTerm));
        EXPECT_EQ(after->year, c.afterYear);
        EXPECT_EQ(after->term, c.afterTerm);
    }
    EXPECT_FALSE(SectionTermAtOrBefore(*TermMoment(1900, 0) - 1));
    EXPECT_TRUE(SectionTermAtOrBefore(*TermMoment(1900, 0)));
    EXPECT_FALSE(SectionTermAfter(*TermMoment(2101, 22)));
    EXPECT_TRUE(SectionTermAfter(*TermMoment(2101, 22) - 1));
    EXPECT_EQ(SectionMoment(2024, 2), lichun2024);
    EXPECT_EQ(SectionMoment(1900, 1), *TermMoment(1900, 0));
}
