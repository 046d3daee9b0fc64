// Pinyin initials and name order from GBK codes.
#include "NameKeys.h"

#include <array>
#include <cstdint>

#include "GbkCodec.h"

namespace people {
namespace {

// The first GBK code of each pinyin initial among the level-1 hanzi of
// GB2312, in code order; i, u and v begin no syllable. Spans B0A1 (啊) to
// D7F9 (座); the character before each entry has the previous initial.
struct InitialStart {
    std::uint16_t code;
    char initial;
};
constexpr std::array<InitialStart, 23> kInitialStarts = {{
    {0xB0A1, 'a'}, {0xB0C5, 'b'}, {0xB2C1, 'c'}, {0xB4EE, 'd'}, {0xB6EA, 'e'}, {0xB7A2, 'f'},
    {0xB8C1, 'g'}, {0xB9FE, 'h'}, {0xBBF7, 'j'}, {0xBFA6, 'k'}, {0xC0AC, 'l'}, {0xC2E8, 'm'},
    {0xC4C3, 'n'}, {0xC5B6, 'o'}, {0xC5BE, 'p'}, {0xC6DA, 'q'}, {0xC8BB, 'r'}, {0xC8F6, 's'},
    {0xCBFA, 't'}, {0xCDDA, 'w'}, {0xCEF4, 'x'}, {0xD1B9, 'y'}, {0xD4D1, 'z'},
}};
constexpr std::uint16_t kLastLevel1Code = 0xD7F9;  // 座, the last level-1 hanzi

constexpr bool InitialsAscend() {
    for (std::size_t i = 1; i < kInitialStarts.size(); ++i) {
        if (kInitialStarts[i - 1].code >= kInitialStarts[i].code) return false;
        if (kInitialStarts[i - 1].initial >= kInitialStarts[i].initial) return false;
    }
    return kInitialStarts.back().code < kLastLevel1Code;
}
static_assert(InitialsAscend(), "codes and letters both ascend, within level 1");

// A character GBK lacks sorts after every GBK code: no GBK byte is 0xFF.
constexpr char kNoGbkMark = '\xFF';

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsAsciiLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

char InitialOf(std::uint16_t code) {
    if (code < kInitialStarts.front().code || code > kLastLevel1Code) return 0;
    char initial = 0;
    for (const InitialStart& start : kInitialStarts) {
        if (code < start.code) break;
        initial = start.initial;
    }
    return initial;
}

// Calls f(utf8 bytes of the character, its GBK bytes or "" when GBK lacks it)
// for each character; a byte that is not valid UTF-8 is one character. When
// the whole text has a GBK form the UTF-8 bytes are not passed (f needs them
// only for a character GBK lacks).
template <typename F>
void ForEachCharacter(std::string_view utf8, F&& f) {
    if (const std::optional<std::string> whole = platform::Utf8ToGbk(utf8)) {
        const std::string_view gbk = *whole;
        for (std::size_t at = 0; at < gbk.size();) {
            // A GBK lead byte (0x81-0xFE) starts a two-byte character.
            const std::size_t length = static_cast<unsigned char>(gbk[at]) >= 0x81 ? 2 : 1;
            f(std::string_view(), std::string(gbk.substr(at, length)));
            at += length;
        }
        return;
    }
    while (!utf8.empty()) {
        char32_t c = 0;
        std::size_t length = platform::Utf8SequenceLength(utf8, c);
        const std::string_view character = utf8.substr(0, length == 0 ? 1 : length);
        std::string gbk;
        if (length == 1) {
            gbk = character;
        } else if (length > 1) {
            gbk = platform::Utf8ToGbk(character).value_or("");
        }
        f(character, gbk);
        utf8.remove_prefix(character.size());
    }
}

}  // namespace

std::string PinyinInitials(std::string_view utf8) {
    std::string initials;
    ForEachCharacter(utf8, [&](std::string_view, const std::string& gbk) {
        if (gbk.size() == 1 && IsAsciiLetterOrDigit(gbk[0])) {
            initials += Lower(gbk[0]);
        } else if (gbk.size() == 2) {
            const auto code = static_cast<std::uint16_t>(static_cast<unsigned char>(gbk[0]) << 8 |
                                                         static_cast<unsigned char>(gbk[1]));
            if (const char initial = InitialOf(code)) initials += initial;
        }
    });
    return initials;
}

std::string NameSortKey(std::string_view utf8) {
    std::string key;
    key.reserve(utf8.size());
    ForEachCharacter(utf8, [&](std::string_view character, const std::string& gbk) {
        if (gbk.empty()) {
            key += kNoGbkMark;
            key += character;
        } else if (gbk.size() == 1) {
            key += Lower(gbk[0]);
        } else {
            key += gbk;
        }
    });
    return key;
}

std::string FoldCase(std::string_view utf8) {
    std::string folded(utf8);
    for (char& c : folded) c = Lower(c);
    return folded;
}

}  // namespace people
