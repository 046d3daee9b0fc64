// Conversion between GBK (code page 936), the program's internal text form,
// and UTF-8, the form of SQLite, the terminal and the source files.
// Every conversion either succeeds completely or reports where it failed:
// nothing is ever replaced by '?' or dropped.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// One iconv conversion descriptor, owned for its lifetime (RAII).
class IconvConverter {
public:
    IconvConverter(const char* to, const char* from);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // Converts all of `in` into `out`. On failure returns false, leaves `out`
    // unchanged and, when `badOffset` is given, stores the byte offset in `in`
    // of the first sequence that is invalid or has no counterpart.
    bool Convert(std::string_view in, std::string& out, std::size_t* badOffset = nullptr);

private:
    void* m_cd;  // iconv_t
};

std::optional<std::string> GbkToUtf8(std::string_view gbk, std::size_t* badOffset = nullptr);
std::optional<std::string> Utf8ToGbk(std::string_view utf8, std::size_t* badOffset = nullptr);

// For texts that are known to convert (the program's own literals and tables):
// throws std::invalid_argument naming the offset when they do not.
std::string Gbk(std::string_view utf8);
std::string Utf8(std::string_view gbk);

// Length of the longest prefix of `gbk` (at most `maxBytes` bytes) that ends on
// a character boundary: never half of a two-byte GBK character.
std::size_t GbkPrefixLength(std::string_view gbk, std::size_t maxBytes);

// Length of the valid UTF-8 sequence at the start of `s`, or 0 when it is not
// one (empty, a stray or missing continuation byte, an overlong form, a
// surrogate, a code point above U+10FFFF). `codePoint` receives its value.
std::size_t Utf8SequenceLength(std::string_view s, char32_t& codePoint);

}  // namespace platform
