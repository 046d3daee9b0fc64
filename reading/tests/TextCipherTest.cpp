#include <gtest/gtest.h>

#include <set>

#include "GbkCodec.h"
#include "TextCipher.h"

namespace {

TEST(TextCipher, KeySequence) {
    static_assert(TextKey(0) == 0, "position 0 is stored as it is");
    static_assert(TextKey(1) == kTextKeyMultiplier % kTextKeyModulus);
    static_assert(TextKey(kTextKeyModulus) == 0 && TextKey(kTextKeyModulus + 5) == TextKey(5));
    // One period holds every key from 0 to modulus - 1 once.
    std::set<int> keys;
    for (std::size_t i = 0; i < kTextKeyModulus; ++i) keys.insert(TextKey(i));
    EXPECT_EQ(keys.size(), kTextKeyModulus);
}

TEST(TextCipher, KnownStoredForms) {
    struct Case {
        const char* name;
        std::string gbk;
        const char* stored;
    } const cases[] = {
        {"empty", "", ""},
        {"ascii: keys 0, 37, 74", "AAA", "41640B"},
        {"GBK 甲子 = BC D7 D7 D3", platform::Gbk("甲子"), "BCF29DBC"},
        {"high bytes near the wrap", "\xFF\xFF", "FFDA"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EncodeText(c.gbk), c.stored);
    }
}

TEST(TextCipher, RoundTripsEveryByteAtEveryKey) {
    // Each byte value 1..255 at positions spanning more than one key period.
    std::string text;
    for (int round = 0; round < 3; ++round)
        for (int b = 1; b < 256; ++b) text += static_cast<char>(b);
    const std::string stored = EncodeText(text);
    ASSERT_EQ(stored.size(), 2 * text.size());
    EXPECT_EQ(DecodeText(stored), text);
    const std::string chinese = platform::Gbk("☆☆☆ 八字命理分析：骨重四两二钱，一生衣禄无亏。");
    EXPECT_EQ(DecodeText(EncodeText(chinese)), chinese);
}

}  // namespace
