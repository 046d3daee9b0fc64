// PeopleStore: the saved people (档案), an SQLite file of their own in the
// user's data folder (StoreLocation.h), never the interpretation database.
// The window and karvuto-people are its two faces and may write at once:
// the file is in WAL mode, a writer waits out another for the busy timeout,
// and every change is one transaction, so a crash at any moment leaves the
// change whole or absent.
//
//   people::EnsureStoreFolder(people::DefaultStorePath());  // StoreLocation.h
//   people::PeopleStore store(people::DefaultStorePath());
//   const people::PersonId id = store.Add(person);
//   for (const people::Person& p : store.Find({"zs", people::SortKey::Birth})) …
//
// Every failure is a StoreError (StoreError.h); messages are for the user.
// A store is used from one thread at a time.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "Migrations.h"
#include "Person.h"

namespace people {

// How long a change waits for another program's change to finish.
inline constexpr std::chrono::milliseconds kBusyTimeout{10000};

struct StoreOptions {
    bool create = true;  // create the file when it is missing (its folder must exist)
    std::chrono::milliseconds busyTimeout = kBusyTimeout;
    // The schema versions this program knows; tests pass their own.
    std::span<const Migration> migrations = PeopleMigrations();
};

enum class SortKey {
    Name,     // GBK order, which is pinyin order for common hanzi (NameKeys.h)
    Birth,    // the Gregorian moment of birth
    Changed,  // the time of the last change
    Added,    // the order the people were added in (their ids)
};

struct Search {
    // Words separated by white space; a person matches when every word is
    // found (ASCII case ignored) in the name, the name's pinyin initials,
    // the date as entered or its Gregorian form ("1990-05"), or a tag.
    // Empty: everyone.
    std::string text;
    SortKey sort = SortKey::Name;
    bool descending = false;  // ties are broken by id, in the same direction
};

class PeopleStore {
public:
    // Opens the store at `path`, creating it (mode 0600) when it is missing
    // and options.create, and brings an older store to the current version.
    // Throws StoreError: CannotOpen; Damaged (not an SQLite file, or it fails
    // its integrity check); NotAStore (another program's database);
    // NewerVersion. In these cases the file is left exactly as it was.
    explicit PeopleStore(const std::filesystem::path& path, const StoreOptions& options = {});
    ~PeopleStore();
    PeopleStore(const PeopleStore&) = delete;
    PeopleStore& operator=(const PeopleStore&) = delete;

    // Stores a new person (its id, created and changed are ignored) and
    // returns its id. Duplicate tags are dropped. StoreError(Invalid) names
    // every rule the person breaks (PersonCheck.h).
    PersonId Add(const Person& person);
    // Replaces the person with person.id, keeping its created time, and
    // returns it as stored. StoreError(Invalid), StoreError(NotFound).
    Person Update(const Person& person);
    // Removes the person and returns it as it was, for Restore.
    // StoreError(NotFound).
    Person Remove(PersonId id);
    // Puts a removed person back under its id with its created and changed
    // times (an undo). StoreError(IdInUse) when the id is taken, Invalid.
    void Restore(const Person& removed);
    // Adds every person or none: StoreError(Invalid) names the first bad one
    // by its number (1-based) and name. A person's created and changed times
    // are kept when set, otherwise they are now. Returns the new ids in order.
    std::vector<PersonId> Import(const std::vector<Person>& people);

    std::optional<Person> Get(PersonId id) const;
    // The people matching `search`, in its order, each whole (notes too).
    std::vector<Person> Find(const Search& search = {}) const;
    // Only their ids, in the same order: what a list that shows a screenful
    // at a time (and Gets those) needs, at a fraction of the cost.
    std::vector<PersonId> FindIds(const Search& search = {}) const;
    int Count() const;

    // The schema version of the open store.
    int Version() const;
    const std::filesystem::path& Path() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

}  // namespace people
