// Decoding of the stored reading texts. A stored text is a string of hex
// digit pairs; pair i is byte i of the GBK text combined by XOR with the
// position key TextKey(i) (TextCipher.h), so the same text never shows the
// same pairs twice within the key's period.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// (16 * v(c1) + v(c2)) mod 256, where v maps '0'-'9' to 0-9 and both 'A'-'F'
// and 'a'-'f' to 10-15. Any other character counts as 0: stored texts hold
// only hex digits, and a stray character must not turn into a large value.
std::uint8_t HexPairToByte(char c1, char c2) noexcept;

// The GBK text of a stored text: one byte per hex pair, a last odd character
// ignored, ending before the first decoded zero byte.
std::string DecodeText(std::string_view stored);
