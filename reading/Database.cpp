// Connection, Recordset and RunQuery over a read-only SQLite file.
//
// The connection opens the file named by the connection string's Data Source
// read-only and never creates it. Before it counts as open it checks that the
// file is a sound SQLite database with the seven tables of the interpretation
// database, so a broken installation is reported at start-up. Query texts
// arrive in GBK and the Jet dialect; they are converted to UTF-8 and
// translated to SQLite's dialect before they are prepared. A row set holds a
// copy of the first row of its query (the reading looks at no other), so it
// keeps no statement open and outlives nothing it depends on.
#include "Database.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <new>
#include <system_error>
#include <vector>

#include "DatabaseSchema.h"
#include "GbkCodec.h"
#include "SqlConnectionString.h"
#include "SqlDialect.h"

namespace {

// What ADO reports as records affected for a query that returns rows.
constexpr std::int32_t kRecordsAffectedUnknown = -1;
// Execute's options: adOptionUnspecified, or a command type in the low bits.
constexpr long kOptionUnspecified = -1;
constexpr long kCommandTypeMask = 0x30F;
constexpr long kCmdUnknown = 8;

// The first bytes of every SQLite 3 database file.
constexpr char kSqliteMagic[] = "SQLite format 3";  // with its terminating zero: 16 bytes
constexpr std::size_t kSqliteHeaderSize = 100;
// The header byte that holds the read version: 2 for a database in WAL mode.
constexpr std::size_t kReadVersionOffset = 19;
constexpr char kWalReadVersion = 2;

struct SqliteCloser {
    void operator()(sqlite3* db) const noexcept { sqlite3_close_v2(db); }
};
using SqliteHandle = std::unique_ptr<sqlite3, SqliteCloser>;

// While it lives, statements on `db` stop with SQLITE_INTERRUPT once `limit`
// has passed. SQLite calls the handler every kProgressSteps virtual machine
// steps, a few microseconds apart, so the clock is read rarely.
class TimeLimit {
public:
    TimeLimit(sqlite3* db, std::chrono::milliseconds limit)
        : m_db(db), m_deadline(std::chrono::steady_clock::now() + limit) {
        sqlite3_progress_handler(m_db, kProgressSteps, &TimeLimit::Expired, this);
    }
    ~TimeLimit() { sqlite3_progress_handler(m_db, 0, nullptr, nullptr); }
    TimeLimit(const TimeLimit&) = delete;
    TimeLimit& operator=(const TimeLimit&) = delete;

private:
    static constexpr int kProgressSteps = 1000;

    static int Expired(void* self) {
        return std::chrono::steady_clock::now() >= static_cast<const TimeLimit*>(self)->m_deadline ? 1 : 0;
    }

    sqlite3* m_db;
    std::chrono::steady_clock::time_point m_deadline;
};

struct StatementFinalizer {
    void operator()(sqlite3_stmt* stmt) const noexcept { sqlite3_finalize(stmt); }
};
using StatementHandle = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// Character classes of the ASCII query and path texts, independent of the
// locale the program runs in.
bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsAsciiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The HRESULT for an SQLite result code. `inCommand` marks the preparation of
// a query, where SQLITE_ERROR means the query text is at fault.
HRESULT HresultFor(int rc, std::string_view message, bool inCommand) {
    switch (rc & 0xFF) {
        case SQLITE_NOMEM:
            return kE_OUTOFMEMORY;
        case SQLITE_INTERRUPT:  // only the time limit interrupts
            return kQueryTimedOut;
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
        case SQLITE_FORMAT:
            return kFileCorrupt;
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return kAccessDenied;
        // A writer holds the file (or, in this process, a table).
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return kLockViolation;
        // Reading would need a write first: rolling back a hot journal, or
        // setting up a WAL file's index.
        case SQLITE_READONLY:
            if (rc == SQLITE_READONLY_ROLLBACK) return kUnfinishedWrite;
            if (rc == SQLITE_READONLY_RECOVERY || rc == SQLITE_READONLY_CANTINIT ||
                rc == SQLITE_READONLY_CANTLOCK)
                return kJournalModeUnreadable;
            return kE_FAIL;
        case SQLITE_ERROR:
            if (!inCommand) return kE_FAIL;
            if (StartsWith(message, "no such table")) return kDB_E_NOTABLE;
            // Jet takes an unknown name for a parameter that was not given.
            if (StartsWith(message, "no such column")) return kDB_E_PARAMNOTOPTIONAL;
            return kDB_E_ERRORSINCOMMAND;
        default:
            return kE_FAIL;
    }
}

// True for the codes whose own text tells the user all there is: the
// engine's words would only repeat it. Every other code (the catch-all
// 未指定的错误 above all) keeps SQLite's reason for the user.
bool SaysWhy(HRESULT hr) {
    return hr == kE_OUTOFMEMORY || hr == kQueryTimedOut || hr == kAccessDenied || hr == kLockViolation ||
           hr == kUnfinishedWrite || hr == kJournalModeUnreadable;
}

// The one check helper: every SQLite failure leaves through here.
void Check(sqlite3* db, int rc, bool inCommand = false) {
    if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE) return;
    std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    if ((rc & 0xFF) == SQLITE_INTERRUPT) message = "the statement ran past its time limit";
    const HRESULT hr = HresultFor(rc, message, inCommand);
    throw ComError(hr, message, SaysWhy(hr) ? std::string() : kEngineReasonLabel + message);
}

// `error` again, its detail naming the table it arose in. Errors raised by
// Check carry SQLite's own words as their description.
[[noreturn]] void RethrowForTable(const ComError& error, std::string_view table) {
    if (SaysWhy(error.Error())) throw error;
    throw ComError(error.Error(), error.Description(),
                   "表 " + std::string(table) + " 无法读取；" + kEngineReasonLabel + error.Description());
}

// A file URI for `path` that opens it read-only. Every byte but the
// unreserved ones and "/" is percent-encoded, so spaces, ";", "?", "#", "%"
// and multibyte names reach the file system exactly as given.
std::string ReadOnlyUri(const std::string& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (const char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsAsciiLetter(ch) || IsAsciiDigit(ch) || c == '-' || c == '.' || c == '_' || c == '~' ||
            c == '/') {
            uri += ch;
        } else {
            uri += '%';
            uri += kHex[c >> 4];
            uri += kHex[c & 0x0F];
        }
    }
    return uri + "?mode=ro";
}

// Checks that `path` names a readable regular file that starts like an SQLite
// database, so each failure gets the code a user can act on.
void CheckDatabaseFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path file(path);
    const fs::file_status status = fs::status(file, ec);
    if (!fs::exists(status)) {
        if (ec && ec != std::errc::no_such_file_or_directory && ec != std::errc::not_a_directory)
            throw ComError(kAccessDenied, path + ": " + ec.message());
        std::error_code parentError;
        const fs::path parent = file.has_parent_path() ? file.parent_path() : fs::path(".");
        if (!fs::is_directory(parent, parentError))
            throw ComError(kPathNotFound, "the folder of " + path + " does not exist");
        throw ComError(kFileNotFound, path + " does not exist");
    }
    if (!fs::is_regular_file(status)) throw ComError(kAccessDenied, path + " is not a file");
    std::ifstream in(file, std::ios::binary);
    if (!in) throw ComError(kAccessDenied, path + " cannot be read");
    char header[kSqliteHeaderSize] = {};
    in.read(header, sizeof header);
    if (static_cast<std::size_t>(in.gcount()) < kSqliteHeaderSize ||
        !std::equal(std::begin(kSqliteMagic), std::end(kSqliteMagic), header))
        throw ComError(kFileCorrupt, path + " is not a database file");
    // A WAL database needs its -wal and -shm files, which a read-only open
    // must neither create nor change.
    if (header[kReadVersionOffset] == kWalReadVersion)
        throw ComError(kJournalModeUnreadable,
                       path + " is in WAL journal mode, which a read-only open cannot use");
}

// Runs a PRAGMA-like statement and returns its first column, row by row.
std::vector<std::string> QueryColumn(sqlite3* db, std::chrono::milliseconds limit, const char* sql,
                                     std::string_view bound = {}) {
    const TimeLimit timeLimit(db, limit);
    sqlite3_stmt* raw = nullptr;
    Check(db, sqlite3_prepare_v2(db, sql, -1, &raw, nullptr));
    const StatementHandle stmt(raw);
    if (!bound.empty())
        Check(db, sqlite3_bind_text(raw, 1, bound.data(), static_cast<int>(bound.size()), SQLITE_TRANSIENT));
    std::vector<std::string> rows;
    for (;;) {
        const int rc = sqlite3_step(raw);
        if (rc == SQLITE_DONE) break;
        Check(db, rc);
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(raw, 0));
        rows.emplace_back(text ? text : "");
    }
    return rows;
}

// The file must be undamaged and hold every table with its key and read
// columns; anything else is a broken installation.
void CheckDatabaseContents(sqlite3* db, const std::string& path, std::chrono::milliseconds limit) {
    const auto integrity = QueryColumn(db, limit, "PRAGMA quick_check(1)");
    if (integrity.size() != 1 || integrity.front() != "ok") {
        const std::string reason = integrity.empty() ? std::string("no answer") : integrity.front();
        throw ComError(kFileCorrupt, path + " is damaged: " + reason, kEngineReasonLabel + reason);
    }
    for (const TableSchema& table : kDatabaseTables) {
        const std::string name(table.name);
        std::vector<std::string> columns;
        try {
            columns = QueryColumn(db, limit, "SELECT name FROM pragma_table_info(?1)", table.name);
        } catch (const ComError& e) {
            RethrowForTable(e, table.name);
        }
        if (columns.empty())
            throw ComError(kInvalidData, path + " lacks the table " + name, "缺少表 " + name);
        for (std::string_view wanted : {table.keys[0], table.keys[1], table.readColumn}) {
            if (wanted.empty()) continue;
            if (std::none_of(columns.begin(), columns.end(),
                             [&](const std::string& c) { return EqualsIgnoringAsciiCase(c, wanted); }))
                throw ComError(kInvalidData,
                               path + ": table " + name + " lacks the column " + std::string(wanted),
                               "表 " + name + " 缺少列 " + std::string(wanted));
        }
    }
}

// Only queries run. Jet's other statements would change a read-only file;
// anything else (PRAGMA, ATTACH, VACUUM ...) is not Jet SQL at all.
void CheckStatementKind(std::string_view sql) {
    std::size_t i = 0;
    while (i < sql.size() && (IsAsciiSpace(sql[i]) || sql[i] == '(')) ++i;
    std::size_t end = i;
    while (end < sql.size() && IsAsciiLetter(sql[end])) ++end;
    const std::string_view word = sql.substr(i, end - i);
    if (EqualsIgnoringAsciiCase(word, "select")) return;
    for (std::string_view writer : {"delete", "insert", "update", "create", "drop", "alter"})
        if (EqualsIgnoringAsciiCase(word, writer)) throw ComError(kE_FAIL, "the database is read-only");
    throw ComError(kDB_E_ERRORSINCOMMAND, "not a query: " + std::string(word));
}

// One field of the copied row, as SQLite gave it (text in UTF-8).
struct Cell {
    int type = SQLITE_NULL;
    sqlite3_int64 integer = 0;
    double real = 0;
    std::string text;
};

// The row set of one query: its column names and a copy of its first row.
class SqliteRecordset final : public Recordset {
public:
    SqliteRecordset(std::vector<std::string> names, std::vector<Cell> row, bool eof)
        : m_names(std::move(names)), m_row(std::move(row)), m_eof(eof) {}

    bool IsEOF() override {
        CheckOpen();
        return m_eof;
    }

    Variant Collect(const std::string& columnName) override {
        try {
            return CollectValue(columnName);
        } catch (const std::bad_alloc&) {
            throw ComError(kE_OUTOFMEMORY, "out of memory reading a value");
        }
    }

    // Closing twice does nothing; reading a closed row set is an error.
    void Close() override {
        m_open = false;
        m_row.clear();
    }

private:
    Variant CollectValue(const std::string& columnName) const {
        CheckOpen();
        const auto utf8 = platform::GbkToUtf8(columnName);
        const auto it = std::find_if(m_names.begin(), m_names.end(), [&](const std::string& n) {
            return utf8 && EqualsIgnoringAsciiCase(n, *utf8);
        });
        if (it == m_names.end())
            throw ComError(kAdErrItemNotFound, "the row set has no column " + utf8.value_or("(not GBK)"));
        if (m_eof) throw ComError(kAdErrNoCurrentRecord, "the row set has no current row");
        return ToVariant(m_row[static_cast<std::size_t>(it - m_names.begin())], *it);
    }

    void CheckOpen() const {
        if (!m_open) throw ComError(kAdErrObjectClosed, "the row set is closed");
    }

    static Variant ToVariant(const Cell& cell, const std::string& name) {
        switch (cell.type) {
            case SQLITE_INTEGER:
                // Jet's integers are 32 bits; a wider value keeps its size as a double.
                if (cell.integer >= INT32_MIN && cell.integer <= INT32_MAX)
                    return Variant::FromInt32(static_cast<std::int32_t>(cell.integer));
                return Variant::FromDouble(static_cast<double>(cell.integer));
            case SQLITE_FLOAT:
                return Variant::FromDouble(cell.real);
            case SQLITE_TEXT: {
                auto gbk = platform::Utf8ToGbk(cell.text);
                if (!gbk) throw ComError(kInvalidData, "column " + name + " holds text that has no GBK form");
                return Variant::FromText(std::move(*gbk));
            }
            case SQLITE_BLOB:
                throw ComError(kDISP_E_TYPEMISMATCH, "column " + name + " holds binary data");
            default:
                return Variant();
        }
    }

    std::vector<std::string> m_names;
    std::vector<Cell> m_row;
    bool m_eof;
    bool m_open = true;
};

// Copies the current row of `stmt`.
std::vector<Cell> CopyRow(sqlite3_stmt* stmt) {
    const int count = sqlite3_column_count(stmt);
    std::vector<Cell> row(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        Cell& cell = row[static_cast<std::size_t>(i)];
        cell.type = sqlite3_column_type(stmt, i);
        switch (cell.type) {
            case SQLITE_INTEGER:
                cell.integer = sqlite3_column_int64(stmt, i);
                break;
            case SQLITE_FLOAT:
                cell.real = sqlite3_column_double(stmt, i);
                break;
            case SQLITE_TEXT:
            case SQLITE_BLOB: {
                const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, i));
                cell.text.assign(data ? data : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, i)));
                break;
            }
            default:
                break;
        }
    }
    return row;
}

// Prepares the GBK query `sql`, runs it to its first row and copies that row.
RecordsetPtr QueryFirstRow(sqlite3* db, const std::string& sql, std::chrono::milliseconds limit) {
    const auto utf8 = platform::GbkToUtf8(sql);
    if (!utf8) throw ComError(kDB_E_ERRORSINCOMMAND, "the query text is not GBK");
    const std::string translated = TranslateJetSql(*utf8);

    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    const int rc =
        sqlite3_prepare_v2(db, translated.c_str(), static_cast<int>(translated.size() + 1), &raw, &tail);
    const StatementHandle stmt(raw);
    Check(db, rc, /*inCommand=*/true);
    if (!raw) throw ComError(kDB_E_ERRORSINCOMMAND, "the query text holds no statement");
    for (; tail && *tail; ++tail)
        if (!IsAsciiSpace(*tail) && *tail != ';')
            throw ComError(kDB_E_ERRORSINCOMMAND, "characters found after the end of the statement");
    if (sqlite3_bind_parameter_count(raw) > 0)
        throw ComError(kDB_E_PARAMNOTOPTIONAL, "the query has parameters and no values were given");
    CheckStatementKind(translated);
    if (!sqlite3_stmt_readonly(raw)) throw ComError(kE_FAIL, "the database is read-only");

    const TimeLimit timeLimit(db, limit);
    const int step = sqlite3_step(raw);
    Check(db, step);
    std::vector<std::string> names;
    const int count = sqlite3_column_count(raw);
    for (int i = 0; i < count; ++i) {
        const char* name = sqlite3_column_name(raw, i);
        if (!name) throw ComError(kE_OUTOFMEMORY, "out of memory reading column names");
        names.emplace_back(name);
    }
    std::vector<Cell> row;
    if (step == SQLITE_ROW) row = CopyRow(raw);
    return std::make_unique<SqliteRecordset>(std::move(names), std::move(row), step != SQLITE_ROW);
}

}  // namespace

struct Connection::Impl {
    SqliteHandle db;
    std::chrono::milliseconds timeLimit = kQueryTimeLimit;
};

Connection::Connection() : m_impl(std::make_unique<Impl>()) {}

Connection::~Connection() = default;

void Connection::Open(const std::string& connection, const std::string& /*user*/,
                      const std::string& /*password*/, long /*options*/) {
    if (m_impl->db) throw ComError(kAdErrObjectOpen, "the connection is already open");
    const ConnectionStringParts parts = ParseConnectionString(connection);
    if (!parts.provider || !IsJetProvider(*parts.provider))
        throw ComError(kAdErrProviderNotFound, "provider not found: " + parts.provider.value_or("(none)"));
    if (!parts.dataSource || parts.dataSource->empty())
        throw ComError(kE_INVALIDARG, "the connection string names no Data Source");
    const std::string& path = *parts.dataSource;
    CheckDatabaseFile(path);

    sqlite3* raw = nullptr;
    const int rc =
        sqlite3_open_v2(ReadOnlyUri(path).c_str(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    SqliteHandle db(raw);  // owned before the result is looked at
    Check(db.get(), rc);
    // Extended codes tell a hot journal from other refusals to write.
    sqlite3_extended_result_codes(db.get(), 1);
    // No double-quoted string fallback: the dialect translation decides what
    // a double quote means, never a guess by SQLite.
    sqlite3_db_config(db.get(), SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db.get(), SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    sqlite3_limit(db.get(), SQLITE_LIMIT_ATTACHED, 0);
    Check(db.get(), sqlite3_exec(db.get(), "PRAGMA query_only = ON", nullptr, nullptr, nullptr));
    // Keep the shared lock from the first read until Close: the file is only
    // read, and each query is then spared the lock, unlock, journal look-up
    // and header check that would otherwise be system calls.
    Check(db.get(), sqlite3_exec(db.get(), "PRAGMA locking_mode = EXCLUSIVE", nullptr, nullptr, nullptr));
    CheckDatabaseContents(db.get(), path, m_impl->timeLimit);
    m_impl->db = std::move(db);
}

void Connection::SetQueryTimeLimit(std::chrono::milliseconds limit) noexcept {
    m_impl->timeLimit = limit;
}

long Connection::State() const noexcept {
    return m_impl->db ? adStateOpen : adStateClosed;
}

// Closing a closed connection does nothing, so shutdown can never fail here.
void Connection::Close() {
    m_impl->db.reset();
}

RecordsetPtr Connection::Execute(const std::string& sql, Variant* recordsAffected, long options) {
    sqlite3* db = m_impl->db.get();
    if (!db) throw ComError(kAdErrObjectClosed, "the connection is not open");
    const long commandType = options & kCommandTypeMask;
    if (options != kOptionUnspecified && commandType != adCmdText && commandType != kCmdUnknown)
        throw ComError(kE_INVALIDARG, "only query texts can be executed");

    RecordsetPtr recordset;
    try {
        recordset = QueryFirstRow(db, sql, m_impl->timeLimit);
    } catch (const std::bad_alloc&) {
        throw ComError(kE_OUTOFMEMORY, "out of memory running the query");
    }
    if (recordsAffected) *recordsAffected = Variant::FromInt32(kRecordsAffectedUnknown);
    return recordset;
}

std::vector<Connection::TextRow> Connection::ReadColumns(std::string_view table,
                                                         const std::vector<std::string_view>& columns,
                                                         std::string_view nonNullColumn) {
    sqlite3* db = m_impl->db.get();
    if (!db) throw ComError(kAdErrObjectClosed, "the connection is not open");
    const auto identifier = [](std::string_view name) {
        std::string quoted = "\"";
        for (const char c : name) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        return quoted + "\"";
    };
    std::string sql = "SELECT ";
    for (std::size_t i = 0; i < columns.size(); ++i) sql += (i > 0 ? ", " : "") + identifier(columns[i]);
    sql += " FROM " + identifier(table);
    if (!nonNullColumn.empty()) sql += " WHERE " + identifier(nonNullColumn) + " IS NOT NULL";

    try {
        sqlite3_stmt* raw = nullptr;
        const int prepared = sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr);
        const StatementHandle stmt(raw);
        Check(db, prepared, /*inCommand=*/true);
        const TimeLimit timeLimit(db, m_impl->timeLimit);
        std::vector<TextRow> rows;
        for (int rc = sqlite3_step(raw); rc != SQLITE_DONE; rc = sqlite3_step(raw)) {
            Check(db, rc);
            TextRow& row = rows.emplace_back(columns.size());
            for (std::size_t i = 0; i < columns.size(); ++i) {
                const int column = static_cast<int>(i);
                if (sqlite3_column_type(raw, column) == SQLITE_NULL) continue;
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(raw, column));
                if (!text) throw ComError(kE_OUTOFMEMORY, "out of memory reading a value");
                row[i].emplace(text, static_cast<std::size_t>(sqlite3_column_bytes(raw, column)));
            }
        }
        return rows;
    } catch (const std::bad_alloc&) {
        throw ComError(kE_OUTOFMEMORY, "out of memory reading the table " + std::string(table));
    } catch (const ComError& e) {
        RethrowForTable(e, table);
    }
}

RecordsetPtr RunQuery(Connection* connection, const std::string& sql) {
    if (!connection) throw ComError(kE_POINTER, "no connection");
    Variant recordsAffected;
    return connection->Execute(sql, &recordsAffected, adCmdText);
}
