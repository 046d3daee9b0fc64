// The position key of the stored reading texts: byte i of a text is stored
// as two hex digits of (byte XOR TextKey(i)). Shared by the database builder
// and the reading's decoder.
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
