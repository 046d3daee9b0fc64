// The stored form of the reading texts: byte i of a GBK text is stored as two
// hex digits of (byte XOR TextKey(i)), so the same text never shows the same
// pairs twice within the key's period. The database builder encodes, the
// composer decodes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr unsigned kTextKeyMultiplier = 37;  // prime to the modulus: keys run through 0..250
inline constexpr unsigned kTextKeyModulus = 251;    // at most 256; TextKey(0) is 0; period 251
// The longest stored form a "meaning" column holds, in characters (two per
// byte of GBK text).
inline constexpr std::size_t kStoredTextMaxChars = 10240;

static_assert(kTextKeyModulus <= 256, "a key must fit in a byte");

constexpr std::uint8_t TextKey(std::size_t i) {
    return static_cast<std::uint8_t>((i * kTextKeyMultiplier) % kTextKeyModulus);
}

// GBK bytes -> stored form (upper-case hex pairs).
std::string EncodeText(std::string_view gbk);

// (16 * v(c1) + v(c2)) mod 256, where v maps '0'-'9' to 0-9 and both 'A'-'F'
// and 'a'-'f' to 10-15. Any other character counts as 0: stored texts hold
// only hex digits, and a stray character must not turn into a large value.
std::uint8_t HexPairToByte(char c1, char c2) noexcept;

// Stored form -> GBK bytes: one byte per hex pair, a last odd character
// ignored, ending before the first decoded zero byte.
std::string DecodeText(std::string_view stored);
