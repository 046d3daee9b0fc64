// Where the people store lives: $XDG_DATA_HOME/karvuto/people.db, by default
// ~/.local/share/karvuto/people.db.
#pragma once

#include <filesystem>

namespace people {

// The store's path. $XDG_DATA_HOME counts only when it is an absolute path
// (as the XDG base directory rules say); otherwise $HOME/.local/share, and
// without $HOME the user's home folder from the password database.
std::filesystem::path DefaultStorePath();

// Creates the folder that holds `storePath`, and any missing folder above
// it, with mode 0700; a folder that exists keeps its mode. Throws
// StoreError(CannotOpen) when it cannot.
void EnsureStoreFolder(const std::filesystem::path& storePath);

}  // namespace people
