// karvuto-cal's queries: the bytes as one command-line query, and as lines
// of standard input. Every answer and message is safe for a terminal, every
// malformed query is echoed within bounds, the status is one of the three.
#include <cstdint>
#include <sstream>
#include <string>

#include "CalQuery.h"
#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const cal::QueryResult one = cal::RunQuery(text);
    fuzz::RequireTerminalSafe(one.line, "\t\n", "query line");
    fuzz::RequireTerminalSafe(one.message, "", "query message");
    if (one.status == cal::QueryStatus::kError) {
        fuzz::Require(!one.message.empty(), "a refusal without a message", text);
        // The echo is cut at 200 input bytes, each shown in at most 4 bytes.
        fuzz::Require(one.line.size() < 4 * 200 + 64, "an echo past its bound", one.line);
    }

    std::istringstream in(text);
    std::ostringstream out, err;
    const int status = cal::RunStream(in, out, err, false);
    fuzz::Require(status == cal::kExitAnswered || status == cal::kExitMalformed, "a status of its own", text);
    fuzz::RequireTerminalSafe(out.str(), "\t\n", "stream answers");
    fuzz::RequireTerminalSafe(err.str(), "\n", "stream messages");
    return 0;
}
