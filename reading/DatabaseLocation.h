// Where the programs look for the interpretation database: beside the
// executable first (a build tree keeps it there), then in ../share/karvuto/
// relative to the executable's real location (an installed tree).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The folder of the running executable with symbolic links resolved, or of
// `argv0` when the system cannot say.
std::filesystem::path ExecutableDirectory(const char* argv0);

// The places looked at, in order, for an executable in `exeDir`.
std::vector<std::filesystem::path> DatabaseCandidates(const std::filesystem::path& exeDir);

// The first candidate that is a file; the first candidate when none is, so
// that opening it reports the missing file.
std::filesystem::path FindDatabase(const std::filesystem::path& exeDir);

// "A 或 B": every candidate, for the message that no database was found.
std::string DescribeDatabaseCandidates(const std::filesystem::path& exeDir);
