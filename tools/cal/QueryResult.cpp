// The refusal every query kind shares.
#include "QueryResult.h"

#include "TerminalText.h"

namespace cal {
namespace {

constexpr std::string_view kError = "ERROR";
// A word of a malformed query quoted in its message is cut after this many bytes.
constexpr std::size_t kWordEchoLimit = 40;

}  // namespace

QueryResult Refused(std::string_view query, std::string message, std::size_t unreadBytes) {
    QueryResult result;
    result.status = QueryStatus::kError;
    result.line = platform::Echo(query, unreadBytes) + "\t" + std::string(kError);
    result.message = std::move(message);
    return result;
}

std::string QuotedWord(std::string_view word) {
    return "\"" + platform::EscapeForTerminal(word, kWordEchoLimit) + "\"";
}

}  // namespace cal
