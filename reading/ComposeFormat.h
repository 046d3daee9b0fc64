// Small text helpers of the reading composer: printf-style formatting of
// formats written in UTF-8 source text, and cutting a GBK text to a buffer.
#pragma once

#include <cstddef>
#include <string>

// Converts utf8Format to GBK, then formats it with the arguments (%s
// arguments are GBK strings, copied as they are). Safe because no GBK
// character contains the byte '%': lead bytes are 0x81-0xFE, trail bytes
// 0x40-0xFE. Throws std::invalid_argument for a format GBK cannot encode.
std::string FormatGbk(const char* utf8Format, ...) __attribute__((format(printf, 1, 2)));

// The longest prefix of a GBK text that has at most maxBytes bytes and ends
// on a character boundary (never half of a two-byte character).
std::string CutGbk(std::string text, std::size_t maxBytes);
