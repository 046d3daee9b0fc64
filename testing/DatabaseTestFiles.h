// Files for the database tests: a temporary folder removed at the end of the
// test, and small SQLite files with the interpretation tables written by the
// test itself.
#pragma once

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "Database.h"

namespace dbtest {

class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "karvuto-db-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The seven tables with their keys and read columns.
inline constexpr const char kSchemaSql[] =
    "CREATE TABLE bazi0 (type TEXT PRIMARY KEY, amount INTEGER);"
    "CREATE TABLE bazi1 (Amount INTEGER PRIMARY KEY, meaning TEXT);"
    "CREATE TABLE bazi2 (day TEXT, time TEXT, meaning TEXT, PRIMARY KEY (day, time));"
    "CREATE TABLE bazi3 (year TEXT PRIMARY KEY, meaning TEXT);"
    "CREATE TABLE bazi4 (month TEXT PRIMARY KEY, meaning TEXT);"
    "CREATE TABLE bazi5 (day TEXT PRIMARY KEY, meaning TEXT);"
    "CREATE TABLE bazi6 (time TEXT PRIMARY KEY, meaning TEXT);";

// Writes an SQLite file at `path` by running `sql` (UTF-8) on a new database.
inline void MakeDatabase(const std::filesystem::path& path, const std::string& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) throw std::runtime_error("cannot create test database");
    char* error = nullptr;
    // No journal and no syncing: the file is scratch and written once.
    const std::string script = "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;" + sql;
    const int rc = sqlite3_exec(db, script.c_str(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("test database: " + message);
}

inline std::string ConnectionString(const std::filesystem::path& path) {
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path.string();
}

// The HRESULT that `f` raises as ComError, or S_OK when it raises nothing.
template <typename F>
HRESULT RaisedCode(F&& f) {
    try {
        f();
    } catch (const ComError& e) {
        return e.Error();
    }
    return kS_OK;
}

}  // namespace dbtest
