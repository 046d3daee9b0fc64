// Exit statuses of karvuto-read, shared by the command, its export and main().
#pragma once

inline constexpr int kExitReading = 0;
inline constexpr int kExitInvalidDate = 1;
inline constexpr int kExitBadArguments = 2;
inline constexpr int kExitDatabaseOpen = 3;
inline constexpr int kExitDatabaseRead = 4;
inline constexpr int kExitOutputLost = 5;  // the reading, or the --export file, could not be written
// --person: the store cannot be read, or holds no such person.
inline constexpr int kExitPersonUnavailable = 6;
