// The runtime folder (XDG_RUNTIME_DIR) for programs that start a Qt
// application. Qt warns on every look-up when the variable is missing and
// falls back to <tmp>/runtime-<user>; these helpers settle the folder before
// Qt looks, so the user reads one plain note, or none.
#pragma once

#include <optional>
#include <string>

namespace platform {

// Nothing when XDG_RUNTIME_DIR names a folder. Otherwise sets it to the
// folder Qt itself would take, <tmp>/runtime-<user> (TMPDIR, else /tmp),
// made with mode 0700 when missing; when that name is taken by something
// that is not the user's own folder, to a fresh private folder instead.
// Returns the folder chosen, for the caller's one note, or nullopt when the
// variable was set already or no folder could be made (Qt then warns itself).
std::optional<std::string> ProvideRuntimeDirectory();

// A private runtime folder for the life of the object, for a program that
// needs Qt only for a moment (painting a file offscreen): when XDG_RUNTIME_DIR
// is missing, a fresh 0700 folder under <tmp> is made and named in it; the
// destructor removes the folder with everything in it and unsets the
// variable again. Does nothing when the variable is set.
class PrivateRuntimeDirectory {
public:
    PrivateRuntimeDirectory();
    ~PrivateRuntimeDirectory();
    PrivateRuntimeDirectory(const PrivateRuntimeDirectory&) = delete;
    PrivateRuntimeDirectory& operator=(const PrivateRuntimeDirectory&) = delete;

    // The folder made, or empty when none was needed or none could be made.
    const std::string& Path() const noexcept { return m_path; }

private:
    std::string m_path;
};

}  // namespace platform
