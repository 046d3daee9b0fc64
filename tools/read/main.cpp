// karvuto-read: a reading for the terminal.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "DatabaseLocation.h"
#include "FdOutputBuffer.h"
#include "ReadCommand.h"

int main(int argc, char** argv) {
    platform::UseCheckedStandardOutput();  // a lost reading is said with its reason
    // The database is found as the program finds it: beside the executable,
    // then in the installed tree's share/karvuto.
    const std::filesystem::path exeDir = ExecutableDirectory(argv[0]);
    const std::filesystem::path defaultDb = FindDatabase(exeDir);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = RunReadCommand(args, defaultDb, std::cout, std::cerr, isatty(STDOUT_FILENO) != 0);
    // Where the default database was looked for, when it was the one missing.
    const bool ownDb = std::ranges::none_of(args, [](const std::string& a) { return a.starts_with("--db"); });
    std::error_code ec;
    if (status == kExitDatabaseOpen && ownDb && !std::filesystem::exists(defaultDb, ec))
        std::cerr << "karvuto-read: 没有找到数据库 Karvuto.mdb，查找过: "
                  << DescribeDatabaseCandidates(exeDir) << "\n";
    return status;
}
