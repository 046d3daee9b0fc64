// The stored form of the reading texts: each GBK byte XOR its position key,
// written as two upper-case hexadecimal digits.
#include "TextCipher.h"

std::string EncodeText(std::string_view gbk) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::string stored;
    stored.reserve(gbk.size() * 2);
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        const auto b = static_cast<std::uint8_t>(static_cast<std::uint8_t>(gbk[i]) ^ TextKey(i));
        stored += kHexDigits[b >> 4];
        stored += kHexDigits[b & 0x0F];
    }
    return stored;
}
