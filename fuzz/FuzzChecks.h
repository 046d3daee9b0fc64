// What every harness asserts about the text a program shows: nothing a
// terminal would obey, nothing that is not UTF-8. A violation stops the run
// with the offending text, so libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "GbkCodec.h"

namespace fuzz {

// Stops the run, naming what was violated.
[[noreturn]] inline void Fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "fuzz check failed: %s: [%.*s]\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

inline void Require(bool holds, const char* what, std::string_view text = {}) {
    if (!holds) Fail(what, text);
}

// `text` is valid UTF-8 with no control character but those in `allowed`
// (C0, DEL and C1 are controls).
inline void RequireTerminalSafe(std::string_view text, std::string_view allowed, const char* what) {
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const std::size_t length = platform::Utf8SequenceLength(text.substr(i), cp);
        if (length == 0) Fail(what, text);
        const bool control = cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp <= 0x9F);
        if (control && allowed.find(static_cast<char>(cp)) == std::string_view::npos) Fail(what, text);
        i += length;
    }
}

}  // namespace fuzz
