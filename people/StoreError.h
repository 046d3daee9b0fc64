// StoreError: the one exception the people store raises. Its kind tells a
// caller what to do (the terminal tool maps it to an exit status); what()
// is the sentence for the user, UTF-8, Simplified Chinese.
#pragma once

#include <stdexcept>
#include <string>

namespace people {

enum class StoreErrorKind {
    CannotOpen,    // missing (when not to be created), unreadable, or its folder is
    Damaged,       // not a sound SQLite file, or it fails its integrity check: left untouched
    NotAStore,     // a sound database that is not a people store: left untouched
    NewerVersion,  // written by a newer version of the program: left untouched
    Invalid,       // a person breaks a rule; an import file is malformed or has a bad record
    FileError,     // a file to import cannot be read, or an export cannot be written
    NotFound,      // no person with that id
    IdInUse,       // a restore meets a person with the same id
    Busy,          // another program held the store past the busy timeout
    Failed,        // any other failure of the database (a full disk, an I/O error)
};

class StoreError : public std::runtime_error {
public:
    StoreError(StoreErrorKind kind, const std::string& message) : std::runtime_error(message), m_kind(kind) {}
    StoreErrorKind Kind() const noexcept { return m_kind; }

private:
    StoreErrorKind m_kind;
};

}  // namespace people
