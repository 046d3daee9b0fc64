// The GBK codec and the terminal escape: conversions that succeed are exact
// both ways; prefixes end on a character; what is escaped is safe and
// bounded.
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "GbkCodec.h"
#include "TerminalText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    std::size_t bad = 0;
    if (const auto utf8 = platform::GbkToUtf8(bytes, &bad)) {
        const auto back = platform::Utf8ToGbk(*utf8);
        fuzz::Require(back && *back == bytes, "GBK to UTF-8 and back is exact", bytes);
    } else {
        fuzz::Require(bad < size, "the bad offset lies inside the text");
    }
    if (const auto gbk = platform::Utf8ToGbk(bytes, &bad)) {
        const auto back = platform::GbkToUtf8(*gbk);
        fuzz::Require(back && *back == bytes, "UTF-8 to GBK and back is exact", bytes);
    } else {
        fuzz::Require(bad < size, "the bad offset lies inside the text");
    }

    const std::size_t limit = size / 2;
    const std::size_t prefix = platform::GbkPrefixLength(bytes, limit);
    fuzz::Require(prefix <= limit, "a prefix within its limit");
    if (platform::GbkToUtf8(bytes))
        fuzz::Require(platform::GbkToUtf8(bytes.substr(0, prefix)).has_value(),
                      "a prefix of whole characters");

    fuzz::RequireTerminalSafe(platform::Echo(bytes), "", "echo");
    fuzz::Require(platform::Echo(bytes).size() <= 4 * platform::kEchoLimit + 32, "an echo within bounds");
    fuzz::RequireTerminalSafe(platform::EscapeForTerminal(bytes, size, platform::LineFeeds::kKeep), "\n",
                              "escape");
    return 0;
}
