// The parts of an OLE DB style connection string that the database layer
// uses: "Provider=...;Data Source=...". Keywords are case-insensitive and
// separated by ';'. A value may be quoted with " or ' (a doubled quote
// inside stands for one). An unquoted Data Source runs to the end of the
// string, so a path that holds ';' still arrives whole.
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

// True for the provider name that this layer serves (case-insensitive).
bool IsJetProvider(std::string_view provider);
