// karvuto-read: composes a reading with the program's own composer and
// prints it as UTF-8, as plain text or as one JSON object.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "ReadExitStatus.h"

// Runs the command: args without the program name; defaultDb is used when
// --db is absent. The reading is written to out, every message to err.
// Reads the user's local time once (GetLocalTime) for the age and the time
// of the reading. When `outIsTerminal`, what is not printable UTF-8 in the
// plain text (a control character in a stored text) is written escaped.
// Returns the exit status; output that could not be written is said on err.
int RunReadCommand(const std::vector<std::string>& args, const std::filesystem::path& defaultDb,
                   std::ostream& out, std::ostream& err, bool outIsTerminal = false);
