// Formatting and cutting of the composer's GBK texts.
#include "ComposeFormat.h"

#include <cstdarg>
#include <cstdio>

#include "GbkCodec.h"

std::string FormatGbk(const char* utf8Format, ...) {
    const std::string format = platform::Gbk(utf8Format);
    std::va_list args;
    va_start(args, utf8Format);
    std::va_list copy;
    va_copy(copy, args);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const int length = std::vsnprintf(nullptr, 0, format.c_str(), copy);
    va_end(copy);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<std::size_t>(length));
        std::vsnprintf(text.data(), text.size() + 1, format.c_str(), args);
    }
#pragma GCC diagnostic pop
    va_end(args);
    return text;
}

std::string CutGbk(std::string text, std::size_t maxBytes) {
    text.resize(platform::GbkPrefixLength(text, maxBytes));
    return text;
}
