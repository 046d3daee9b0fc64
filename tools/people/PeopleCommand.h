// karvuto-people: the saved people (档案) for the terminal, on the same
// store as the program's window.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace peopletool {

// Exit statuses of karvuto-people.
inline constexpr int kExitDone = 0;
inline constexpr int kExitInvalid = 1;  // a field breaks a rule; the file to import is bad or unreadable
inline constexpr int kExitBadArguments = 2;
inline constexpr int kExitStoreOpen = 3;    // missing, damaged, not a store, or from a newer version
inline constexpr int kExitStoreFailed = 4;  // busy past the timeout, or a database failure
inline constexpr int kExitOutputLost = 5;   // standard output or the export file could not be written
inline constexpr int kExitNoSuchPerson = 6;

// Runs the command: args without the program name. `defaultStore` is used
// without --store; its folder is made (0700) when missing, and the store
// itself is made by any command. A store given with --store is made only by
// add and import. Output goes to out, every message to err. Returns the
// exit status; output that could not be written is said on err.
int RunPeopleCommand(const std::vector<std::string>& args, const std::filesystem::path& defaultStore,
                     std::ostream& out, std::ostream& err);

}  // namespace peopletool
