#include <gtest/gtest.h>

#include <cstdlib>

#include "Clock.h"

using namespace std::chrono;

namespace {

// 2008-01-02 03:04:05 UTC, a Wednesday.
constexpr sys_seconds kPinned{sys_days{year{2008} / 1 / 2} + hours{3} + minutes{4} + seconds{5}};

struct ClockTest : ::testing::Test {
    void TearDown() override {
        platform::SetClockForTesting({});
        unsetenv("TZ");
    }
};

TEST_F(ClockTest, PinnedClockGivesUtcFields) {
    platform::SetClockForTesting([] { return kPinned; });
    SYSTEMTIME st;
    GetSystemTime(&st);
    EXPECT_EQ(st, (SYSTEMTIME{2008, 1, 3, 2, 3, 4, 5, 0}));
}

TEST_F(ClockTest, LocalTimeCarriesTheDate) {
    // 23:30 UTC on 2008-01-02 is 07:30 on 2008-01-03 in China.
    platform::SetClockForTesting([] { return sys_days{year{2008} / 1 / 2} + hours{23} + minutes{30}; });
    setenv("TZ", "Asia/Shanghai", 1);
    SYSTEMTIME st;
    GetLocalTime(&st);
    EXPECT_EQ(st, (SYSTEMTIME{2008, 1, 4, 3, 7, 30, 0, 0}));
}

TEST_F(ClockTest, UnpinnedClockFollowsTheSystem) {
    SYSTEMTIME st;
    GetSystemTime(&st);
    EXPECT_GE(st.wYear, 2024);
}

}  // namespace
