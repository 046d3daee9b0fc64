// The Jet-to-SQLite translation of query texts and the connection string
// parser. A translation leaves no double quote where SQLite would read a
// name: every one it keeps lies inside a '...' literal or a [...] name.
#include <cstdint>
#include <string>
#include <string_view>

#include "ComError.h"
#include "FuzzChecks.h"
#include "SqlConnectionString.h"
#include "SqlDialect.h"

namespace {

// True when every '"' of `sql` lies inside a '...' literal ('' inside it
// standing for one quote) or a [...] name.
bool QuotesOnlyInsideLiterals(std::string_view sql) {
    enum { kPlain, kLiteral, kBracket } state = kPlain;
    for (std::size_t i = 0; i < sql.size(); ++i) {
        const char c = sql[i];
        switch (state) {
            case kPlain:
                if (c == '"') return false;
                if (c == '\'') state = kLiteral;
                if (c == '[') state = kBracket;
                break;
            case kLiteral:
                if (c == '\'') {
                    if (i + 1 < sql.size() && sql[i + 1] == '\'')
                        ++i;
                    else
                        state = kPlain;
                }
                break;
            case kBracket:
                if (c == ']') state = kPlain;
                break;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const std::string sqlite = TranslateJetSql(text);
        fuzz::Require(QuotesOnlyInsideLiterals(sqlite), "no double quote outside a literal", sqlite);
    } catch (const ComError& e) {
        fuzz::Require(e.Error() == kDB_E_ERRORSINCOMMAND, "a refusal as an error in the command", text);
    }
    ConnectionStringParts parts;
    try {
        parts = ParseConnectionString(text);
    } catch (const ComError& e) {
        fuzz::Require(e.Error() == kE_INVALIDARG, "a refusal as an invalid argument", text);
        return 0;
    }
    if (parts.dataSource) {
        // The path, formatted again, reads back as itself.
        const ConnectionStringParts again = ParseConnectionString(FormatConnectionString(*parts.dataSource));
        fuzz::Require(again.dataSource == parts.dataSource, "a data source formats back to itself",
                      *parts.dataSource);
    }
    // Any path at all reads back as itself.
    const ConnectionStringParts path = ParseConnectionString(FormatConnectionString(text));
    fuzz::Require(path.dataSource == std::string(text), "a path formats back to itself", text);
    return 0;
}
