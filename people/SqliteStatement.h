// SqliteStatement: one prepared statement, finalized with its owner. Binding
// and reading are by 1-based parameter and 0-based column index; texts are
// UTF-8 and travel with their length, so no byte is lost or added.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3_stmt;

namespace people {

class SqliteStatement {
public:
    // Takes `stmt`; `check` turns a failing SQLite result code into an
    // exception (the connection's Check).
    SqliteStatement(sqlite3_stmt* stmt, std::function<void(int)> check);
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&&) noexcept;
    SqliteStatement& operator=(SqliteStatement&&) noexcept;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& Bind(int index, std::int64_t value);
    SqliteStatement& Bind(int index, std::string_view text);
    SqliteStatement& BindBlob(int index, std::string_view bytes);
    SqliteStatement& Bind(int index, std::optional<double> value);  // nothing binds NULL
    SqliteStatement& BindNull(int index);

    // Runs one step: true when a row is ready, false when the statement is done.
    bool Step();
    // Steps to the end, for a statement that returns no rows.
    void Run();
    void Reset();

    std::int64_t Int(int column) const;
    std::string Text(int column) const;
    // The column's bytes, valid until the next Step, Reset or read of it.
    std::string_view TextView(int column) const;
    std::optional<double> Real(int column) const;  // nothing for NULL

private:
    sqlite3_stmt* m_stmt;
    std::function<void(int)> m_check;
};

}  // namespace people
