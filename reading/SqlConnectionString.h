// The parts of an OLE DB style connection string that the database layer
// uses: "Provider=...;Data Source=...". Keywords are case-insensitive and
// separated by ';'. A value may be quoted with " or ' (a doubled quote
// inside stands for one). An unquoted Data Source runs to the end of the
// string, so a path that holds ';' still arrives whole. Spaces around an
// unquoted value's start are not part of it, and a leading quote opens a
// quoted value: FormatConnectionString quotes a path that starts so.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct ConnectionStringParts {
    std::optional<std::string> provider;
    std::optional<std::string> dataSource;
};

// Throws ComError(kE_INVALIDARG) for a part without "=" or a quote left open.
ConnectionStringParts ParseConnectionString(std::string_view text);

// The program's connection string for the database file `path`:
// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=<path>", the path quoted only
// when it would not otherwise read back exactly (it starts with a space, a tab
// or a quote, or is empty). ParseConnectionString gives `path` back unchanged.
std::string FormatConnectionString(std::string_view path);

// `value` as a quoted connection string value: in double quotes, or in single
// quotes when it holds double quotes but no single ones; the enclosing quote
// is doubled inside.
std::string QuoteConnectionValue(std::string_view value);

// True for the provider name that this layer serves (case-insensitive).
bool IsJetProvider(std::string_view provider);
