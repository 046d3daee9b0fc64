// Schema version 1 and the machinery that applies migrations.
#include "Migrations.h"

#include <array>
#include <string>

#include "StoreError.h"
#include "WriteTransaction.h"

namespace people {
namespace {

// Version 1. The columns after `changed` are derived from the others when a
// person is written (NameKeys.h): sort_name orders names, birth_key is the
// Gregorian birth as YYYYMMDDhhmm, search holds the texts search looks in.
// The note comes last, so a long one is read only with the whole row.
// AUTOINCREMENT keeps a removed person's id from being given to another, so
// the person can be restored under it.
constexpr const char kSchemaVersion1[] = R"sql(
CREATE TABLE person (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  name TEXT NOT NULL,
  sex TEXT NOT NULL CHECK (sex IN ('male', 'female')),
  calendar TEXT NOT NULL CHECK (calendar IN ('solar', 'lunar')),
  year INTEGER NOT NULL,
  month INTEGER NOT NULL CHECK (month BETWEEN 1 AND 12),
  day INTEGER NOT NULL CHECK (day BETWEEN 1 AND 31),
  leap INTEGER NOT NULL CHECK (leap IN (0, 1)),
  hour INTEGER NOT NULL CHECK (hour BETWEEN 0 AND 23),
  minute INTEGER NOT NULL CHECK (minute BETWEEN 0 AND 59),
  place TEXT NOT NULL,
  longitude REAL CHECK (longitude BETWEEN -180 AND 180),
  zi TEXT NOT NULL CHECK (zi IN ('same-day', 'late', 'next-day')),
  true_solar INTEGER NOT NULL CHECK (true_solar IN (0, 1)),
  dst_correct INTEGER NOT NULL CHECK (dst_correct IN (0, 1)),
  tags TEXT NOT NULL,
  created INTEGER NOT NULL,
  changed INTEGER NOT NULL,
  sort_name BLOB NOT NULL,
  birth_key INTEGER NOT NULL,
  search TEXT NOT NULL,
  note TEXT NOT NULL
);
CREATE INDEX person_by_name ON person (sort_name, id);
CREATE INDEX person_by_birth ON person (birth_key, id);
CREATE INDEX person_by_changed ON person (changed, id);
)sql";

constexpr std::array<Migration, 1> kMigrations = {{
    {1, kSchemaVersion1},
}};

constexpr bool VersionsRunFromOne(std::span<const Migration> migrations) {
    for (std::size_t i = 0; i < migrations.size(); ++i) {
        if (migrations[i].version != static_cast<int>(i) + 1) return false;
    }
    return true;
}
static_assert(VersionsRunFromOne(kMigrations), "migration n is at index n - 1");

}  // namespace

std::span<const Migration> PeopleMigrations() {
    return kMigrations;
}

std::string NewerVersionMessage(const SqliteConnection& db, std::int64_t found, int known) {
    return "档案库 " + db.Path().string() + " 出自较新的版本（格式 " + std::to_string(found) +
           "，本程序只识至格式 " + std::to_string(known) + "）；未作改动，请用新版程序打开";
}

void Migrate(SqliteConnection& db, std::span<const Migration> migrations) {
    if (!VersionsRunFromOne(migrations))
        throw StoreError(StoreErrorKind::Failed, "migrations must be numbered 1, 2, … in order");
    const int target = static_cast<int>(migrations.size());
    // Read again under the write lock: another program may have upgraded the
    // store since it was opened.
    WriteTransaction transaction(db);
    const std::int64_t version = db.QueryInt("PRAGMA user_version");
    if (version > target)
        throw StoreError(StoreErrorKind::NewerVersion, NewerVersionMessage(db, version, target));
    if (version == target) return;
    for (const Migration& migration : migrations.subspan(static_cast<std::size_t>(version))) {
        db.Exec(migration.sql);
    }
    db.Exec(("PRAGMA application_id = " + std::to_string(kStoreApplicationId)).c_str());
    db.Exec(("PRAGMA user_version = " + std::to_string(target)).c_str());
    transaction.Commit();
}

}  // namespace people
