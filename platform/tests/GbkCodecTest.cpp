#include <gtest/gtest.h>

#include "GbkCodec.h"

using namespace platform;

TEST(GbkCodec, RoundTripsChineseAndAscii) {
    struct Case {
        const char* name;
        const char* utf8;
        const char* gbk;
    } const cases[] = {
        {"ascii", "abc 123", "abc 123"},
        {"empty", "", ""},
        {"two characters", "甲子", "\xBC\xD7\xD7\xD3"},
        {"mixed", "A命B",
         "A\xC3\xFC"
         "B"},
        {"full-width star", "☆", "\xA1\xEE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Utf8ToGbk(c.utf8).value(), c.gbk);
        EXPECT_EQ(GbkToUtf8(c.gbk).value(), c.utf8);
    }
}

TEST(GbkCodec, ReportsWhatItCannotConvert) {
    std::size_t bad = 99;
    // U+1F600 has no GBK form; it starts at byte 2.
    EXPECT_FALSE(Utf8ToGbk("ab\xF0\x9F\x98\x80", &bad).has_value());
    EXPECT_EQ(bad, 2u);
    // A lead byte with no trail byte at the end of the text.
    EXPECT_FALSE(GbkToUtf8("x\xBC", &bad).has_value());
    EXPECT_EQ(bad, 1u);
    // Invalid UTF-8.
    EXPECT_FALSE(Utf8ToGbk("\xFF").has_value());
    EXPECT_THROW(Gbk("\xF0\x9F\x98\x80"), std::invalid_argument);
    EXPECT_THROW(Utf8("\xBC"), std::invalid_argument);
}

TEST(GbkCodec, PrefixNeverSplitsACharacter) {
    const std::string s = Gbk("张A三丰");  // 2 + 1 + 2 + 2 bytes
    struct Case {
        std::size_t max, expected;
    } const cases[] = {{0, 0}, {1, 0}, {2, 2}, {3, 3}, {4, 3}, {5, 5}, {6, 5}, {7, 7}, {100, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.max);
        EXPECT_EQ(GbkPrefixLength(s, c.max), c.expected);
    }
}
