// Translation of query texts from the Jet SQL dialect, where a double-quoted
// token is a string literal, into SQLite's, where it would name a column.
// The texts are UTF-8 here: the caller converts GBK before translating, so no
// byte of a multibyte character can be mistaken for a quote.
#pragma once

#include <string>
#include <string_view>

// Rewrites every "..." literal (with "" standing for one quote inside it) as
// the SQLite literal '...' (a quote inside doubled as ''). Single-quoted
// literals, bracketed names and everything else pass through unchanged.
// Throws ComError(kDB_E_ERRORSINCOMMAND) for a literal left open.
std::string TranslateJetSql(std::string_view utf8);

// Names (tables, columns, keywords) compare without regard to ASCII case, as
// Jet compares them; bytes outside ASCII compare exactly, whatever the locale.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) noexcept;
