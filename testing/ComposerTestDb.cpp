// Building the composer tests' database.
#include "ComposerTestDb.h"

#include <sqlite3.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <stdexcept>

#include "AnalysisKeys.h"
#include "DatabaseKeys.h"
#include "DatabaseSchema.h"
#include "DbBuilder.h"

namespace {

std::filesystem::path UniqueDir() {
    static std::atomic<int> counter{0};
    return std::filesystem::temp_directory_path() /
           ("karvuto-composer-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
}

}  // namespace

ComposerTestDb::ComposerTestDb(const std::map<std::string, std::string>& files, Keys keys)
    : m_dir(UniqueDir()) {
    const std::filesystem::path source = m_dir / "tsv";
    std::filesystem::create_directories(source);
    for (const auto& [name, content] : files) {
        std::ofstream out(source / name, std::ios::binary);
        out << content;
        if (!out) throw std::runtime_error("cannot write " + (source / name).string());
    }
    m_file = m_dir / kDatabaseFileName;
    BuildDatabase(source, m_file);
    if (keys == Keys::kComplete) AddMissingKeys();
}

void ComposerTestDb::AddMissingKeys() const {
    // Found through the programs' own declarations, then written once the
    // reading connection is closed.
    std::vector<std::pair<TableKeys, std::vector<TableKey>>> missing;
    {
        const std::unique_ptr<Connection> connection = Open();
        std::vector<TableKeys> demands = ReadingTableKeys(*connection);
        for (TableKeys& analysisTable : AnalysisTableKeys(*connection))
            demands.push_back(std::move(analysisTable));
        for (TableKeys& demand : demands) {
            std::vector<TableKey> lacking = MissingKeys(*connection, demand);
            missing.emplace_back(std::move(demand), std::move(lacking));
        }
    }
    std::string sql = "BEGIN;";
    for (const auto& [demand, keys] : missing) {
        const bool weights = demand.valueColumn == kDatabaseTables[0].readColumn;
        for (const TableKey& key : keys) {
            sql += "INSERT INTO " + std::string(demand.table) + " VALUES (";
            for (const std::string& part : key) sql += "'" + part + "', ";
            sql += weights ? "0);" : "'');";
        }
    }
    Tamper(sql + "COMMIT;");
}

ComposerTestDb::~ComposerTestDb() {
    std::error_code ec;
    std::filesystem::remove_all(m_dir, ec);
}

std::unique_ptr<Connection> ComposerTestDb::Open() const {
    auto connection = std::make_unique<Connection>();
    std::string text = kConnectionStringFormat;
    text.replace(text.find("%s"), 2, m_file.string());
    connection->Open(text, "", "", 0);
    return connection;
}

void ComposerTestDb::Tamper(const std::string& sql) const {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(m_file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    char* message = nullptr;
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
    const std::string error = message ? message : (db ? sqlite3_errmsg(db) : "out of memory");
    sqlite3_free(message);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("cannot change the test database: " + error);
}
