// SqliteConnection: one read-write SQLite handle on the people store, closed
// with its owner. Every failing result code leaves through Check as a
// StoreError whose kind says what a caller can do about it.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "SqliteStatement.h"

struct sqlite3;

namespace people {

class SqliteConnection {
public:
    // Opens `path` read-write; creates the file only when `create`. Throws
    // StoreError(CannotOpen) when it cannot be opened. Nothing is read yet.
    SqliteConnection(const std::filesystem::path& path, bool create);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // Runs statements that return nothing the caller needs.
    void Exec(const char* sql);
    SqliteStatement Prepare(std::string_view sql);
    // The first column of the first row of `sql` (0 or "" without a row);
    // the statement is finished before they return.
    std::int64_t QueryInt(const char* sql);
    std::string QueryText(const char* sql);

    // Waits up to `timeout` for another connection's lock before a statement
    // gives up with StoreError(Busy).
    void SetBusyTimeout(std::chrono::milliseconds timeout);

    // Throws the StoreError for an SQLite result code that is not a success.
    void Check(int rc) const;

    std::int64_t LastInsertId() const;
    int Changes() const;
    const std::filesystem::path& Path() const { return m_path; }

private:
    struct Closer {
        void operator()(sqlite3* db) const noexcept;
    };
    std::unique_ptr<sqlite3, Closer> m_db;
    std::filesystem::path m_path;
    std::chrono::milliseconds m_busyTimeout{0};
};

}  // namespace people
