// The people store's SQLite handle and its one check helper.
#include "SqliteConnection.h"

#include <sqlite3.h>

#include <cstdio>

#include "StoreError.h"

namespace people {
namespace {

// "10" for whole seconds, "0.5" otherwise.
std::string SecondsText(std::chrono::milliseconds t) {
    char text[32];
    if (t.count() % 1000 == 0) {
        std::snprintf(text, sizeof text, "%lld", static_cast<long long>(t.count() / 1000));
    } else {
        std::snprintf(text, sizeof text, "%.1f", static_cast<double>(t.count()) / 1000.0);
    }
    return text;
}

}  // namespace

void SqliteConnection::Closer::operator()(sqlite3* db) const noexcept {
    sqlite3_close_v2(db);
}

SqliteConnection::SqliteConnection(const std::filesystem::path& path, bool create) : m_path(path) {
    sqlite3* raw = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
    m_db.reset(raw);  // owned before it is checked, so a failed open is closed too
    if (rc != SQLITE_OK) {
        const std::string reason = raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc);
        throw StoreError(StoreErrorKind::CannotOpen, "无法打开档案库 " + path.string() + "：" + reason);
    }
    sqlite3_extended_result_codes(raw, 1);
}

SqliteConnection::~SqliteConnection() = default;

void SqliteConnection::Exec(const char* sql) {
    Check(sqlite3_exec(m_db.get(), sql, nullptr, nullptr, nullptr));
}

SqliteStatement SqliteConnection::Prepare(std::string_view sql) {
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v2(m_db.get(), sql.data(), static_cast<int>(sql.size()), &stmt, nullptr);
    SqliteStatement statement(stmt, [this](int code) { Check(code); });
    Check(rc);
    return statement;
}

std::int64_t SqliteConnection::QueryInt(const char* sql) {
    SqliteStatement statement = Prepare(sql);
    return statement.Step() ? statement.Int(0) : 0;
}

std::string SqliteConnection::QueryText(const char* sql) {
    SqliteStatement statement = Prepare(sql);
    return statement.Step() ? statement.Text(0) : std::string();
}

void SqliteConnection::SetBusyTimeout(std::chrono::milliseconds timeout) {
    m_busyTimeout = timeout;
    Check(sqlite3_busy_timeout(m_db.get(), static_cast<int>(timeout.count())));
}

void SqliteConnection::Check(int rc) const {
    if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE) return;
    const std::string reason = sqlite3_errmsg(m_db.get());
    const std::string store = "档案库 " + m_path.string();
    switch (rc & 0xFF) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            throw StoreError(StoreErrorKind::Busy, store + " 正被另一程序写入，等候 " +
                                                       SecondsText(m_busyTimeout) +
                                                       " 秒未果；未作改动，请稍后再试");
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            throw StoreError(StoreErrorKind::Damaged, store + " 已损坏（" + reason + "）；未作改动");
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
        case SQLITE_READONLY:
        case SQLITE_AUTH:
            throw StoreError(StoreErrorKind::CannotOpen, store + " 不能读写：" + reason);
        case SQLITE_FULL:
            throw StoreError(StoreErrorKind::Failed, store + " 写入失败：磁盘已满");
        default:
            throw StoreError(StoreErrorKind::Failed, store + " 读写失败：" + reason);
    }
}

std::int64_t SqliteConnection::LastInsertId() const {
    return sqlite3_last_insert_rowid(m_db.get());
}

int SqliteConnection::Changes() const {
    return sqlite3_changes(m_db.get());
}

}  // namespace people
