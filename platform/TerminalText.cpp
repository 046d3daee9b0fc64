// Escaping for the terminal and checked writes of standard output.
#include "TerminalText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ostream>

#include "FdOutputBuffer.h"
#include "GbkCodec.h"

namespace platform {
namespace {

void AppendHexByte(std::string& out, unsigned char byte) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0x0F];
}

// EscapeForTerminal, with `unreadBytes` more counted in the cut notice.
std::string Escape(std::string_view text, std::size_t maxBytes, LineFeeds lineFeeds,
                   std::size_t unreadBytes) {
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
    if (i < text.size() || unreadBytes > 0)
        out += "...(" + std::to_string(text.size() - i + unreadBytes) + " more bytes)";
    return out;
}

}  // namespace

std::string EscapeForTerminal(std::string_view text, std::size_t maxBytes, LineFeeds lineFeeds) {
    return Escape(text, maxBytes, lineFeeds, 0);
}

std::string Echo(std::string_view text, std::size_t unreadBytes) {
    return Escape(text, kEchoLimit, LineFeeds::kEscape, unreadBytes);
}

std::string_view WithoutByteOrderMark(std::string_view line) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    return line.substr(0, kBom.size()) == kBom ? line.substr(kBom.size()) : line;
}

bool FlushOrReport(std::ostream& out, std::ostream& err, std::string_view program, std::string_view what) {
    errno = 0;
    out.flush();
    if (out) return true;
    int error = errno;
    // A stream that failed earlier does not even try to flush: only its
    // buffer knows why the write failed.
    if (const auto* fd = dynamic_cast<const FdOutputBuffer*>(out.rdbuf()); fd && fd->Error() != 0)
        error = fd->Error();
    err << program << ": cannot write " << what;
    if (error != 0) err << ": " << std::strerror(error);
    err << '\n';
    err.flush();
    return false;
}

}  // namespace platform
