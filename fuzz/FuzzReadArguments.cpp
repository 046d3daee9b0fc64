// karvuto-read's command line: the bytes split at zero bytes into arguments.
// Parsing never fails unsafely; a refusal is safe for a terminal; an
// accepted reading (without --export or --db) runs on the shipped database
// and prints safe text, or JSON that parses.
#include <cstdint>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzChecks.h"
#include "ReadArguments.h"
#include "ReadCommand.h"

namespace {

constexpr std::size_t kMaxArguments = 24;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] != 0) {
            args.back() += static_cast<char>(data[i]);
        } else if (args.size() < kMaxArguments) {
            args.emplace_back();
        }
    }
    const ParseResult parsed = ParseReadArguments(args);
    fuzz::RequireTerminalSafe(parsed.error, "", "argument refusal");
    if (!parsed.arguments) {
        fuzz::Require(!parsed.error.empty(), "a refusal without a message");
        return 0;
    }
    const ReadArguments& a = *parsed.arguments;
    // Writing files and opening other databases is not what is fuzzed here.
    if (a.help || !a.exportPath.empty() || !a.dbPath.empty()) return 0;

    std::ostringstream out, err;
    const int status = RunReadCommand(args, KARVUTO_SHIPPED_DB, out, err, /*outIsTerminal=*/true);
    fuzz::Require(status >= kExitReading && status <= kExitOutputLost, "a status of its own");
    fuzz::RequireTerminalSafe(err.str(), "\n", "read messages");
    if (status != kExitReading) return 0;
    if (a.json) {
        fuzz::Require(nlohmann::json::accept(out.str()), "JSON that parses", out.str());
    } else {
        fuzz::RequireTerminalSafe(out.str(), "\n", "the reading on a terminal");
    }
    return 0;
}
