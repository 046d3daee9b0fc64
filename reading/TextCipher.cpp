// The stored form of the reading texts: each GBK byte XOR its position key,
// written as two upper-case hexadecimal digits, and back.
#include "TextCipher.h"

namespace {

constexpr unsigned HexDigitValue(char c) noexcept {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    return 0;
}

}  // namespace

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

std::uint8_t HexPairToByte(char c1, char c2) noexcept {
    return static_cast<std::uint8_t>((16 * HexDigitValue(c1) + HexDigitValue(c2)) % 256);
}

std::string DecodeText(std::string_view stored) {
    const std::size_t pairs = stored.size() / 2;  // a last odd character is ignored
    std::string text;
    text.reserve(pairs);
    for (std::size_t i = 0; i < pairs; ++i) {
        const auto byte =
            static_cast<std::uint8_t>(HexPairToByte(stored[2 * i], stored[2 * i + 1]) ^ TextKey(i));
        if (byte == 0) break;  // the text ends at its first zero byte
        text.push_back(static_cast<char>(byte));
    }
    return text;
}
