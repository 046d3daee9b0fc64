// karvuto-cal: the lunar date and the four pillars in the terminal, from the
// command line or one query per line on standard input.
#include <unistd.h>

#include <iostream>
#include <string>

#include "CalQuery.h"
#include "FdOutputBuffer.h"
#include "TerminalText.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);  // before the checked buffer, which it would replace
    platform::UseCheckedStandardOutput();
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::cout << cal::UsageText();
        return platform::FlushOrReport(std::cout, std::cerr, "karvuto-cal", "the help")
                   ? 0
                   : cal::kExitOutputLost;
    }
    if (argc == 1) return cal::RunStream(std::cin, std::cout, std::cerr, isatty(STDIN_FILENO) != 0);

    std::string query;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) query += ' ';
        query += argv[i];
    }
    const cal::QueryResult r = cal::RunQuery(query);
    std::cout << r.line << '\n';
    if (!platform::FlushOrReport(std::cout, std::cerr, "karvuto-cal", "the answer"))
        return cal::kExitOutputLost;
    if (r.status == cal::QueryStatus::kError) {
        std::cerr << "karvuto-cal: " << r.message << " (try --help)\n";
        return cal::kExitMalformed;
    }
    return 0;
}
