// The store's schema versions. The version lives in the file header
// (PRAGMA user_version); migration n brings a store from version n - 1 to n,
// and a store is always brought to the last version in one transaction, so a
// failed upgrade leaves it as it was. A store marks itself as one with the
// file header's application id.
#pragma once

#include <cstdint>
#include <span>

#include "SqliteConnection.h"

namespace people {

// "KvPp": the file header's application id of a people store.
inline constexpr std::int32_t kStoreApplicationId = 0x4B765070;

struct Migration {
    int version;      // the version the store has after `sql` ran
    const char* sql;  // statements that bring a store from version - 1 to version
};

// The program's migrations, versions 1, 2, … in order.
std::span<const Migration> PeopleMigrations();

// Brings the store to the last version of `migrations` (versions 1, 2, …
// in order) in one write transaction. A store already there is left alone;
// a store of a later version throws StoreError(NewerVersion) untouched; a
// failing migration throws and leaves the store at its old version.
void Migrate(SqliteConnection& db, std::span<const Migration> migrations);

// What a newer-version store is told: the versions and that nothing changed.
std::string NewerVersionMessage(const SqliteConnection& db, std::int64_t found, int known);

}  // namespace people
