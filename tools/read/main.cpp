// karvuto-read: a reading for the terminal.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <system_error>

#include "Database.h"
#include "ReadCommand.h"

int main(int argc, char** argv) {
    // The database lies beside the executable, as it does for the program.
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv[0], ec);
    const std::filesystem::path defaultDb = exe.parent_path() / kDatabaseFileName;
    return RunReadCommand(std::vector<std::string>(argv + 1, argv + argc), defaultDb, std::cout, std::cerr,
                          isatty(STDOUT_FILENO) != 0);
}
