// Connection string parsing: keyword=value pairs, see the header for the rules.
#include "SqlConnectionString.h"

#include "ComError.h"
#include "SqlDialect.h"

namespace {

constexpr std::string_view kJetProvider = "Microsoft.Jet.OLEDB.4.0";
constexpr std::string_view kProviderKey = "provider";
constexpr std::string_view kDataSourceKey = "data source";

bool IsSpace(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
    return s;
}

[[noreturn]] void Malformed(const std::string& why) {
    throw ComError(kE_INVALIDARG, "connection string: " + why);
}

}  // namespace

ConnectionStringParts ParseConnectionString(std::string_view text) {
    ConnectionStringParts parts;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t end = text.find(';', i);
        const std::size_t eq = text.find('=', i);
        if (eq == std::string_view::npos || (end != std::string_view::npos && end < eq)) {
            // Only an empty part (";;" or a trailing ";") may lack its "=".
            const std::string_view part = text.substr(i, end == std::string_view::npos ? text.npos : end - i);
            if (!Trim(part).empty()) Malformed("\"" + std::string(part) + "\" has no \"=\"");
            if (end == std::string_view::npos) break;
            i = end + 1;
            continue;
        }
        const std::string_view key = Trim(text.substr(i, eq - i));
        std::size_t v = eq + 1;
        while (v < text.size() && IsSpace(text[v])) ++v;
        std::string value;
        if (v < text.size() && (text[v] == '"' || text[v] == '\'')) {
            const char quote = text[v++];
            for (;;) {
                if (v >= text.size()) Malformed("the value of \"" + std::string(key) + "\" is not closed");
                if (text[v] == quote) {
                    if (v + 1 < text.size() && text[v + 1] == quote) {
                        value += quote;
                        v += 2;
                        continue;
                    }
                    ++v;
                    break;
                }
                value += text[v++];
            }
            while (v < text.size() && IsSpace(text[v])) ++v;
            if (v < text.size() && text[v] != ';')
                Malformed("text after the quoted value of \"" + std::string(key) + "\"");
            i = v + 1;
        } else if (EqualsIgnoringAsciiCase(key, kDataSourceKey)) {
            value = std::string(text.substr(v));  // a path: everything to the end
            i = text.size();
        } else {
            const std::size_t stop = text.find(';', v);
            value = std::string(Trim(text.substr(v, stop == std::string_view::npos ? text.npos : stop - v)));
            i = (stop == std::string_view::npos) ? text.size() : stop + 1;
        }
        if (EqualsIgnoringAsciiCase(key, kProviderKey)) {
            parts.provider = std::move(value);
        } else if (EqualsIgnoringAsciiCase(key, kDataSourceKey)) {
            parts.dataSource = std::move(value);
        }
        // Other keywords (User ID, Password, Mode, ...) do not concern a
        // read-only file without users and are ignored.
    }
    return parts;
}

std::string QuoteConnectionValue(std::string_view value) {
    const char quote = (value.find('"') != value.npos && value.find('\'') == value.npos) ? '\'' : '"';
    std::string quoted(1, quote);
    for (const char c : value) {
        quoted += c;
        if (c == quote) quoted += quote;
    }
    quoted += quote;
    return quoted;
}

std::string FormatConnectionString(std::string_view path) {
    std::string text = "Provider=" + std::string(kJetProvider) + ";Data Source=";
    // The last value, unquoted, runs to the end of the string with ';', '='
    // and trailing spaces; only its first character can be misread.
    const bool plain = !path.empty() && !IsSpace(path.front()) && path.front() != '"' && path.front() != '\'';
    text += plain ? std::string(path) : QuoteConnectionValue(path);
    return text;
}

bool IsJetProvider(std::string_view provider) {
    return EqualsIgnoringAsciiCase(Trim(provider), kJetProvider);
}
