// Jet -> SQLite query text translation: a small scanner over the literals.
#include "SqlDialect.h"

#include "ComError.h"

std::string TranslateJetSql(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 8);
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char c = utf8[i];
        if (c == '[') {
            // A bracketed name is copied whole: quotes inside it are part of the name.
            const std::size_t close = utf8.find(']', i);
            const std::size_t end = (close == std::string_view::npos) ? utf8.size() : close + 1;
            out.append(utf8.substr(i, end - i));
            i = end;
            continue;
        }
        if (c != '"' && c != '\'') {
            out += c;
            ++i;
            continue;
        }
        // A literal opened by `c`: copy its content up to the closing quote,
        // where a doubled quote stands for one quote character.
        const char quote = c;
        const std::size_t start = i;
        ++i;
        out += '\'';
        for (;;) {
            if (i >= utf8.size())
                throw ComError(kDB_E_ERRORSINCOMMAND,
                               "string literal opened at offset " + std::to_string(start) + " is not closed");
            const char d = utf8[i];
            if (d == quote) {
                if (i + 1 < utf8.size() && utf8[i + 1] == quote) {
                    // An escaped quote inside the literal.
                    out += (quote == '\'') ? "''" : "\"";
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
            if (d == '\'') {
                out += "''";  // a single quote inside a double-quoted literal
            } else {
                out += d;
            }
            ++i;
        }
        out += '\'';
    }
    return out;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) noexcept {
    const auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (fold(a[i]) != fold(b[i])) return false;
    return true;
}
