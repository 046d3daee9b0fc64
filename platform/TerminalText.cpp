// Escaping for the terminal and checked writes of standard output.
#include "TerminalText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ostream>

namespace platform {
namespace {

// Length of the valid UTF-8 sequence at the start of `s`, or 0 when it is not
// one (a stray or missing continuation byte, an overlong form, a surrogate, a
// code point above U+10FFFF). `codePoint` receives its value.
std::size_t Utf8SequenceLength(std::string_view s, char32_t& codePoint) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    std::size_t length = 0;
    char32_t min = 0;
    if (b0 < 0x80) {
        codePoint = b0;
        return 1;
    } else if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2, codePoint = b0 & 0x1F, min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3, codePoint = b0 & 0x0F, min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4, codePoint = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (s.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return 0;
        codePoint = codePoint << 6 | (b & 0x3F);
    }
    if (codePoint < min || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return 0;
    return length;
}

void AppendHexByte(std::string& out, unsigned char byte) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0x0F];
}

}  // namespace

std::string EscapeForTerminal(std::string_view text, std::size_t maxBytes, LineFeeds lineFeeds) {
    std::string out;
    out.reserve(std::min(text.size(), maxBytes) + 8);
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t cp = 0;
        std::size_t length = Utf8SequenceLength(text.substr(i), cp);
        if (i + std::max<std::size_t>(length, 1) > maxBytes) break;
        if (length == 0) {
            AppendHexByte(out, static_cast<unsigned char>(text[i]));
            length = 1;
        } else if (cp == '\n' && lineFeeds == LineFeeds::kKeep) {
            out += '\n';
        } else if (cp == '\t') {
            out += "\\t";
        } else if (cp == '\r') {
            out += "\\r";
        } else if (cp == '\n') {
            out += "\\n";
        } else if (cp == '\\') {
            out += "\\\\";
        } else if (cp < 0x20 || cp == 0x7F) {
            AppendHexByte(out, static_cast<unsigned char>(cp));
        } else if (cp >= 0x80 && cp <= 0x9F) {
            // A C1 control: its two bytes, each escaped.
            AppendHexByte(out, static_cast<unsigned char>(text[i]));
            AppendHexByte(out, static_cast<unsigned char>(text[i + 1]));
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
    if (i < text.size()) out += "...(" + std::to_string(text.size() - i) + " more bytes)";
    return out;
}

std::string_view WithoutByteOrderMark(std::string_view line) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    return line.substr(0, kBom.size()) == kBom ? line.substr(kBom.size()) : line;
}

bool FlushOrReport(std::ostream& out, std::ostream& err, std::string_view program, std::string_view what) {
    errno = 0;
    out.flush();
    if (out) return true;
    const int error = errno;
    err << program << ": cannot write " << what;
    if (error != 0) err << ": " << std::strerror(error);
    err << '\n';
    err.flush();
    return false;
}

}  // namespace platform
