// A prepared statement over the SQLite C interface.
#include "SqliteStatement.h"

#include <sqlite3.h>

#include <utility>

namespace people {

SqliteStatement::SqliteStatement(sqlite3_stmt* stmt, std::function<void(int)> check)
    : m_stmt(stmt), m_check(std::move(check)) {}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(m_stmt);
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : m_stmt(std::exchange(other.m_stmt, nullptr)), m_check(std::move(other.m_check)) {}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(m_stmt);
        m_stmt = std::exchange(other.m_stmt, nullptr);
        m_check = std::move(other.m_check);
    }
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, std::int64_t value) {
    m_check(sqlite3_bind_int64(m_stmt, index, value));
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, std::string_view text) {
    m_check(sqlite3_bind_text64(m_stmt, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8));
    return *this;
}

SqliteStatement& SqliteStatement::BindBlob(int index, std::string_view bytes) {
    m_check(sqlite3_bind_blob64(m_stmt, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT));
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, std::optional<double> value) {
    m_check(value ? sqlite3_bind_double(m_stmt, index, *value) : sqlite3_bind_null(m_stmt, index));
    return *this;
}

SqliteStatement& SqliteStatement::BindNull(int index) {
    m_check(sqlite3_bind_null(m_stmt, index));
    return *this;
}

bool SqliteStatement::Step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    m_check(rc);
    return false;
}

void SqliteStatement::Run() {
    while (Step()) {
    }
}

void SqliteStatement::Reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

std::int64_t SqliteStatement::Int(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

std::string SqliteStatement::Text(int column) const {
    return std::string(TextView(column));
}

std::string_view SqliteStatement::TextView(int column) const {
    const auto* text = static_cast<const char*>(sqlite3_column_blob(m_stmt, column));
    const int bytes = sqlite3_column_bytes(m_stmt, column);
    return text ? std::string_view(text, static_cast<std::size_t>(bytes)) : std::string_view();
}

std::optional<double> SqliteStatement::Real(int column) const {
    if (sqlite3_column_type(m_stmt, column) == SQLITE_NULL) return std::nullopt;
    return sqlite3_column_double(m_stmt, column);
}

}  // namespace people
