// GBK <-> UTF-8 through iconv, one cached descriptor per direction.
#include "GbkCodec.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace platform {
namespace {

constexpr const char* kGbk = "GBK";
constexpr const char* kUtf8 = "UTF-8";

iconv_t Cd(void* p) {
    return static_cast<iconv_t>(p);
}

}  // namespace

IconvConverter::IconvConverter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
    if (m_cd == reinterpret_cast<void*>(-1))
        throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
}

IconvConverter::~IconvConverter() {
    iconv_close(Cd(m_cd));
}

bool IconvConverter::Convert(std::string_view in, std::string& out, std::size_t* badOffset) {
    iconv(Cd(m_cd), nullptr, nullptr, nullptr, nullptr);  // reset shift state
    std::string result(in.size() * 2 + 8, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    std::size_t used = 0;
    for (;;) {
        char* dst = result.data() + used;
        std::size_t dstLeft = result.size() - used;
        const std::size_t rc = iconv(Cd(m_cd), &src, &srcLeft, &dst, &dstLeft);
        used = result.size() - dstLeft;
        if (rc != static_cast<std::size_t>(-1)) {
            // Non-reversible conversions would be silent substitutions: refuse them.
            if (rc != 0) {
                if (badOffset) *badOffset = 0;
                return false;
            }
            break;
        }
        if (errno == E2BIG) {
            result.resize(result.size() * 2);
            continue;
        }
        // EILSEQ (no such character) or EINVAL (truncated sequence at the end).
        if (badOffset) *badOffset = static_cast<std::size_t>(src - in.data());
        return false;
    }
    result.resize(used);
    out = std::move(result);
    return true;
}

std::optional<std::string> GbkToUtf8(std::string_view gbk, std::size_t* badOffset) {
    thread_local IconvConverter converter(kUtf8, kGbk);
    std::string out;
    if (!converter.Convert(gbk, out, badOffset)) return std::nullopt;
    return out;
}

std::optional<std::string> Utf8ToGbk(std::string_view utf8, std::size_t* badOffset) {
    thread_local IconvConverter converter(kGbk, kUtf8);
    std::string out;
    if (!converter.Convert(utf8, out, badOffset)) return std::nullopt;
    return out;
}

std::string Gbk(std::string_view utf8) {
    std::size_t bad = 0;
    auto r = Utf8ToGbk(utf8, &bad);
    if (!r) throw std::invalid_argument("text has no GBK form at byte " + std::to_string(bad));
    return *r;
}

std::string Utf8(std::string_view gbk) {
    std::size_t bad = 0;
    auto r = GbkToUtf8(gbk, &bad);
    if (!r) throw std::invalid_argument("text is not valid GBK at byte " + std::to_string(bad));
    return *r;
}

std::size_t GbkPrefixLength(std::string_view gbk, std::size_t maxBytes) {
    // A byte of 0x81-0xFE opens a two-byte character; anything else stands alone.
    std::size_t i = 0;
    while (i < gbk.size()) {
        const auto b = static_cast<unsigned char>(gbk[i]);
        const std::size_t width = (b >= 0x81 && b <= 0xFE && i + 1 < gbk.size()) ? 2 : 1;
        if (i + width > maxBytes) break;
        i += width;
    }
    return i;
}

std::size_t Utf8SequenceLength(std::string_view s, char32_t& codePoint) {
    if (s.empty()) return 0;
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

}  // namespace platform
