// Decoding of stored texts: hex pairs, position keys, odd lengths, zeros.
#include <gtest/gtest.h>

#include "GbkCodec.h"
#include "TextCipher.h"

namespace {

TEST(HexPairToByte, DigitsOfBothCases) {
    struct Case {
        char c1, c2;
        int expected;
    };
    const Case cases[] = {
        {'0', '0', 0x00},
        {'0', '9', 0x09},
        {'9', '9', 0x99},
        {'A', '0', 0xA0},
        {'a', '0', 0xA0},
        {'F', 'F', 0xFF},
        {'f', 'f', 0xFF},
        {'f', 'F', 0xFF},
        {'7', 'e', 0x7E},
        {'C', '4', 0xC4},
        // Not hex digits: count as 0 (stored texts hold none of them).
        {'G', '1', 0x01},
        {'z', 'z', 0x00},
        {'1', ' ', 0x10},
        {'@', '`', 0x00},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((std::string{c.c1, c.c2}));
        EXPECT_EQ(HexPairToByte(c.c1, c.c2), c.expected);
    }
}

// Stored form of a byte string: two upper-case hex digits per byte after XOR
// with its position key, written here independently of the encoder.
std::string Stored(const std::string& bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string stored;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<std::uint8_t>(static_cast<std::uint8_t>(bytes[i]) ^ TextKey(i));
        stored += kDigits[b >> 4];
        stored += kDigits[b & 0xF];
    }
    return stored;
}

TEST(DecodeText, Table) {
    struct Case {
        const char* name;
        std::string stored;
        std::string expected;
    };
    const Case cases[] = {
        {"empty", "", ""},
        {"position 0 has key 0", "41", "A"},
        {"one odd character", "4", ""},
        {"a last odd character is ignored", Stored("AB") + "7", "AB"},
        {"00 at position 0 is an empty text", "00" + Stored("xBC").substr(2), ""},
        {"the text ends at the first decoded zero", Stored(std::string("AB\0CD", 5)), "AB"},
        {"lower-case digits",
         [] {
             std::string s = Stored("\xD6\xD0");
             for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
             return s;
         }(),
         "\xD6\xD0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecodeText(c.stored), c.expected);
    }
}

TEST(DecodeText, PositionKeysMatchTheEncoderOverSeveralPeriods) {
    // Longer than the key's period, with every byte value 1-255 in it.
    std::string text;
    for (int round = 0; round < 3; ++round) {
        for (int b = 1; b < 256; ++b) text.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(DecodeText(Stored(text)), text);
    EXPECT_EQ(DecodeText(EncodeText(text)), text);
    const std::string gbk = platform::Gbk("甲子年生人，性情刚直。Mixed ASCII too.");
    EXPECT_EQ(DecodeText(EncodeText(gbk)), gbk);
}

}  // namespace
