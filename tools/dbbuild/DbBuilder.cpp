// The database builder: checks the source tables row by row, then writes the
// seven reading tables and the analysis text tables into a fresh SQLite file
// under a temporary name and renames it into place. Keys are stored in UTF-8,
// SQLite's own encoding (the program converts its GBK queries before they
// run); texts are stored in the encoded form of TextCipher.h.
//
// The output is the same bytes on every build from the same sources: a fixed
// page size, no journal, no time or path recorded anywhere, rows inserted in
// source order, and a final VACUUM that lays every table out afresh.
#include "DbBuilder.h"

#include <sqlite3.h>
#include <unistd.h>

#include <array>
#include <charconv>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <system_error>
#include <variant>
#include <vector>

#include "DatabaseSchema.h"
#include "DbKeys.h"
#include "GbkCodec.h"
#include "TerminalText.h"
#include "TextCipher.h"
#include "TextTables.h"
#include "TsvTable.h"

namespace fs = std::filesystem;

namespace {

constexpr int kDatabasePageSize = 4096;
constexpr int kSchemaVersion = 1;  // PRAGMA user_version of the file
// A bone weight is a whole number of 钱; the traditional ones run from 5 to 25.
constexpr int kMinWeight = 1;
constexpr int kMaxWeight = 999;

using Value = std::variant<std::int32_t, std::string>;

// One checked row, its values in the column order of the table's schema:
// the keys, then the read column.
struct Row {
    std::vector<Value> values;
};

// A table as the file lays it out: its name, its key columns (TEXT, or
// INTEGER where textKeys is false) and the column a lookup reads.
struct Layout {
    std::string name;
    std::vector<std::string> keys;
    std::string readColumn;
    bool textKeys = true;
};

Layout LayoutOf(const TableSchema& table) {
    Layout l{std::string(table.name), {}, std::string(table.readColumn), table.textKeys};
    for (std::string_view key : table.keys)
        if (!key.empty()) l.keys.emplace_back(key);
    return l;
}

// The analysis tables: text keys (the findings), the text in "meaning".
Layout LayoutOf(const analysis::TextTableInfo& table) {
    Layout l{std::string(table.name), {}, "meaning", true};
    for (int i = 0; i < table.keyCount; ++i) l.keys.emplace_back(table.keys[i]);
    return l;
}

struct SourceTable {
    Layout layout;
    fs::path path;
    std::vector<Row> rows;
};

// Raises the refusal of one row, naming file and line.
[[noreturn]] void Refuse(const fs::path& path, int line, const std::string& why) {
    throw DbBuildError(path.string() + ":" + std::to_string(line) + ": " + why);
}

// A cell of a source file as a message quotes it: escaped and cut, so that
// a stray control character or a huge cell stays readable on a terminal.
std::string Quoted(std::string_view cell) {
    // Appended piece by piece: "\"" + std::string trips gcc 12's -Wrestrict in release builds.
    std::string quoted(1, '"');
    quoted += platform::EscapeForTerminal(cell);
    quoted += '"';
    return quoted;
}

std::string JoinCells(const std::vector<std::string>& cells) {
    std::string s;
    for (const auto& c : cells) s += (s.empty() ? "" : "<TAB>") + c;
    return s;
}

// The data rows of source table `path`, or nullopt when the file does not
// exist. Refuses a file that cannot be read, whose header is not `header`, or
// with a row of another number of cells.
std::optional<std::vector<platform::TsvLine>> ReadSourceRows(const fs::path& path,
                                                             const std::vector<std::string>& header) {
    std::error_code ec;
    if (!fs::exists(path, ec) && !ec) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in || fs::is_directory(path, ec)) throw DbBuildError(path.string() + ": cannot be read");
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw DbBuildError(path.string() + ": cannot be read");

    std::vector<platform::TsvLine> rows = platform::SplitTsvLines(text);
    if (rows.empty()) throw DbBuildError(path.string() + ": the file has no header row");
    if (rows.front().fields != header)
        Refuse(path, rows.front().number,
               "the header row must be \"" + JoinCells(header) + "\", not " +
                   Quoted(JoinCells(rows.front().fields)));
    rows.erase(rows.begin());
    for (const platform::TsvLine& row : rows) {
        if (row.fields.size() != header.size())
            Refuse(path, row.number,
                   "expected " + std::to_string(header.size()) + " tab-separated cells, found " +
                       std::to_string(row.fields.size()));
    }
    return rows;
}

std::vector<std::string> HeaderOf(const Layout& table) {
    std::vector<std::string> header = table.keys;
    header.push_back(table.readColumn);
    return header;
}

// A decimal integer with an optional minus sign and nothing else.
std::optional<std::int32_t> ParseInteger(const std::string& s) {
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

// A reading text -> its stored form, or the reason it cannot be stored.
std::string StoredText(const fs::path& path, int line, const std::string& utf8) {
    if (utf8.empty()) Refuse(path, line, "the text is empty");
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x20 || c == 0x7F)
            Refuse(path, line, "the text holds a control character at byte " + std::to_string(i));
    }
    std::size_t bad = 0;
    const auto gbk = platform::Utf8ToGbk(utf8, &bad);
    if (!gbk) {
        // Show the offending character: the UTF-8 sequence starting at `bad`.
        std::size_t end = bad + 1;
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
        Refuse(path, line,
               "the text has no GBK form: \"" + utf8.substr(bad, end - bad) + "\" at byte " +
                   std::to_string(bad));
    }
    const std::string stored = EncodeText(*gbk);
    if (stored.size() > kStoredTextMaxChars)
        Refuse(path, line,
               "the text is " + std::to_string(gbk->size()) + " GBK bytes; its stored form of " +
                   std::to_string(stored.size()) + " characters is over the limit of " +
                   std::to_string(kStoredTextMaxChars));
    return stored;
}

// Weights seen in bazi0, by kind of name, to bound the totals of bazi1.
struct WeightRange {
    std::array<int, 4> count{};
    std::array<int, 4> lightest{};
    std::array<int, 4> heaviest{};

    void Add(dbkeys::NameKind kind, int weight) {
        const auto k = static_cast<std::size_t>(kind);
        lightest[k] = count[k] == 0 ? weight : std::min(lightest[k], weight);
        heaviest[k] = count[k] == 0 ? weight : std::max(heaviest[k], weight);
        ++count[k];
    }
    // The lightest and heaviest total a reading can have. A name without a
    // weight counts 0, so an incomplete kind can also contribute 0.
    std::pair<int, int> Totals() const {
        int low = 0, high = 0;
        for (auto kind : {dbkeys::NameKind::Year, dbkeys::NameKind::Month, dbkeys::NameKind::Day,
                          dbkeys::NameKind::Hour}) {
            const auto k = static_cast<std::size_t>(kind);
            const bool complete = count[k] == dbkeys::NameCount(kind);
            low += complete ? lightest[k] : 0;
            high += heaviest[k];
        }
        return {low, high};
    }
};

// Checks the keys of one row of table `index` and returns them as stored.
std::vector<Value> CheckedKeys(std::size_t index, const platform::TsvLine& row, const fs::path& path,
                               WeightRange& weights, std::optional<dbkeys::NameKind>& kindOut) {
    const std::string& key = row.fields[0];
    const auto refuse = [&](const std::string& why) { Refuse(path, row.number, why); };
    switch (index) {
        case 0: {
            kindOut = dbkeys::KindOfName(key);
            if (!kindOut) refuse(Quoted(key) + " is not a year, lunar month, lunar day or double-hour name");
            return {key};
        }
        case 1: {
            const auto total = ParseInteger(key);
            if (!total) refuse(Quoted(key) + " is not a whole number");
            const auto [low, high] = weights.Totals();
            if (*total < low || *total > high)
                refuse("no reading has the total weight " + key + "; the weights of bazi0 allow " +
                       std::to_string(low) + " to " + std::to_string(high));
            return {*total};
        }
        case 2: {
            const std::string& time = row.fields[1];
            std::optional<int> stem;
            if (key.size() == 3 || dbkeys::IsStemBranchPair(key)) stem = dbkeys::StemIndex(key);
            if (!stem) refuse(Quoted(key) + " is neither a day stem nor a day pillar");
            if (!dbkeys::IsStemBranchPair(time)) refuse(Quoted(time) + " is not an hour pillar");
            if (!dbkeys::IsHourPillarOf(*stem, time))
                refuse("the hour pillar " + time + " never falls on a day of " + key.substr(0, 3));
            return {key, time};
        }
        case 3:
            if (!dbkeys::IsStemBranchPair(key)) refuse(Quoted(key) + " is not a year pillar");
            return {key};
        case 4:
            if (!dbkeys::IsMonthName(key)) refuse(Quoted(key) + " is not a lunar month name");
            return {key};
        case 5:
            if (!dbkeys::IsDayName(key)) refuse(Quoted(key) + " is not a lunar day name");
            return {key};
        default:
            if (!dbkeys::IsHourName(key)) refuse(Quoted(key) + " is not a double-hour name");
            return {key};
    }
}

std::string KeyText(const std::vector<Value>& keys) {
    std::string text;
    for (const auto& k : keys) {
        if (!text.empty()) text += " / ";
        text += std::holds_alternative<std::string>(k) ? std::get<std::string>(k)
                                                       : std::to_string(std::get<std::int32_t>(k));
    }
    return text;
}

// An analysis text table: every key one the analysis can produce, at most
// one row a key, every text storable. A missing file is an empty table.
SourceTable ReadAnalysisTable(const fs::path& sourceDir, const analysis::TextTableInfo& info) {
    SourceTable table{LayoutOf(info), sourceDir / (std::string(info.name) + ".tsv"), {}};
    const auto rows = ReadSourceRows(table.path, HeaderOf(table.layout));
    if (!rows) return table;
    const std::vector<analysis::TextKey> known = analysis::KeysOf(info.table);
    const std::set<analysis::TextKey> keys(known.begin(), known.end());
    std::map<analysis::TextKey, int> firstLine;
    for (const platform::TsvLine& row : *rows) {
        const analysis::TextKey key(row.fields.begin(), row.fields.end() - 1);
        std::string keyText;
        for (const std::string& k : key) keyText += (keyText.empty() ? "" : " / ") + k;
        if (!keys.count(key))
            Refuse(table.path, row.number, "no analysis finding has the key " + Quoted(keyText));
        const auto [it, inserted] = firstLine.emplace(key, row.number);
        if (!inserted)
            Refuse(table.path, row.number,
                   "duplicate key " + keyText + " (first on line " + std::to_string(it->second) + ")");
        Row checked;
        for (const std::string& k : key) checked.values.emplace_back(k);
        checked.values.emplace_back(StoredText(table.path, row.number, row.fields.back()));
        table.rows.push_back(std::move(checked));
    }
    return table;
}

std::vector<SourceTable> ReadSources(const fs::path& sourceDir) {
    std::error_code ec;
    if (!fs::is_directory(sourceDir, ec)) throw DbBuildError(sourceDir.string() + ": not a folder");
    std::vector<SourceTable> tables;
    WeightRange weights;
    for (std::size_t index = 0; index < kDatabaseTables.size(); ++index) {
        const Layout layout = LayoutOf(kDatabaseTables[index]);
        const fs::path path = sourceDir / (layout.name + ".tsv");
        auto rows = ReadSourceRows(path, HeaderOf(layout));
        if (!rows && index == 0) throw DbBuildError(path.string() + ": the bone weights are missing");
        SourceTable table{layout, path, {}};
        std::map<std::vector<Value>, int> firstLine;
        for (const platform::TsvLine& row : rows.value_or(std::vector<platform::TsvLine>{})) {
            std::optional<dbkeys::NameKind> kind;
            Row checked{CheckedKeys(index, row, path, weights, kind)};
            const auto [it, inserted] = firstLine.emplace(checked.values, row.number);
            if (!inserted)
                Refuse(path, row.number,
                       "duplicate key " + KeyText(checked.values) + " (first on line " +
                           std::to_string(it->second) + ")");
            const std::string& value = row.fields.back();
            if (index == 0) {
                const auto weight = ParseInteger(value);
                if (!weight || *weight < kMinWeight || *weight > kMaxWeight)
                    Refuse(path, row.number,
                           "the weight " + Quoted(value) + " is not a whole number of 钱 from " +
                               std::to_string(kMinWeight) + " to " + std::to_string(kMaxWeight));
                weights.Add(*kind, *weight);
                checked.values.emplace_back(*weight);
            } else {
                checked.values.emplace_back(StoredText(path, row.number, value));
            }
            table.rows.push_back(std::move(checked));
        }
        tables.push_back(std::move(table));
    }
    for (const analysis::TextTableInfo& info : analysis::TextTables())
        tables.push_back(ReadAnalysisTable(sourceDir, info));
    return tables;
}

struct SqliteCloser {
    void operator()(sqlite3* db) const noexcept { sqlite3_close_v2(db); }
};
struct StatementFinalizer {
    void operator()(sqlite3_stmt* stmt) const noexcept { sqlite3_finalize(stmt); }
};

class DatabaseWriter {
public:
    explicit DatabaseWriter(const fs::path& file) : m_file(file) {
        sqlite3* raw = nullptr;
        const int rc =
            sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        m_db.reset(raw);
        Check(rc);
    }

    void Exec(const std::string& sql) {
        Check(sqlite3_exec(m_db.get(), sql.c_str(), nullptr, nullptr, nullptr));
    }

    void Insert(const SourceTable& table) {
        std::string columns, marks;
        for (const auto& name : HeaderOf(table.layout)) {
            columns += (columns.empty() ? "" : ", ") + name;
            marks += marks.empty() ? "?" : ", ?";
        }
        const std::string sql =
            "INSERT INTO " + table.layout.name + " (" + columns + ") VALUES (" + marks + ")";
        sqlite3_stmt* raw = nullptr;
        Check(sqlite3_prepare_v2(m_db.get(), sql.c_str(), -1, &raw, nullptr));
        const std::unique_ptr<sqlite3_stmt, StatementFinalizer> stmt(raw);
        for (const Row& row : table.rows) {
            for (std::size_t i = 0; i < row.values.size(); ++i) {
                const int slot = static_cast<int>(i + 1);
                if (const auto* n = std::get_if<std::int32_t>(&row.values[i])) {
                    Check(sqlite3_bind_int(raw, slot, *n));
                } else {
                    const auto& s = std::get<std::string>(row.values[i]);
                    Check(sqlite3_bind_text(raw, slot, s.data(), static_cast<int>(s.size()), SQLITE_STATIC));
                }
            }
            Check(sqlite3_step(raw));
            Check(sqlite3_reset(raw));
        }
    }

    void Close() {
        const int rc = sqlite3_close(m_db.release());
        if (rc != SQLITE_OK) throw DbBuildError(m_file.string() + ": " + sqlite3_errstr(rc));
    }

private:
    void Check(int rc) {
        if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE) return;
        throw DbBuildError(m_file.string() + ": " + (m_db ? sqlite3_errmsg(m_db.get()) : sqlite3_errstr(rc)));
    }

    fs::path m_file;
    std::unique_ptr<sqlite3, SqliteCloser> m_db;
};

// CREATE TABLE for one table: text or integer keys forming the primary key,
// so one row per key is enforced by the file itself.
std::string CreateStatement(const Layout& table) {
    std::string sql = "CREATE TABLE " + table.name + " (";
    std::string primaryKey;
    for (const std::string& key : table.keys) {
        sql += key + (table.textKeys ? " TEXT" : " INTEGER") + " NOT NULL, ";
        primaryKey += (primaryKey.empty() ? "" : ", ") + key;
    }
    sql += table.readColumn + (table.readColumn == "amount" ? " INTEGER" : " TEXT");
    sql += ", PRIMARY KEY (" + primaryKey + "))";
    if (table.textKeys) sql += " WITHOUT ROWID";
    return sql;
}

void WriteDatabase(const std::vector<SourceTable>& tables, const fs::path& file) {
    DatabaseWriter writer(file);
    writer.Exec("PRAGMA page_size = " + std::to_string(kDatabasePageSize));
    writer.Exec("PRAGMA auto_vacuum = NONE");
    writer.Exec("PRAGMA encoding = 'UTF-8'");
    writer.Exec("PRAGMA journal_mode = OFF");   // a failed build is thrown away whole
    writer.Exec("PRAGMA synchronous = OFF");    // the rename below publishes the finished file
    writer.Exec("PRAGMA temp_store = MEMORY");  // VACUUM works in memory, not in a scratch file
    writer.Exec("PRAGMA user_version = " + std::to_string(kSchemaVersion));
    writer.Exec("BEGIN");
    for (const SourceTable& table : tables) {
        writer.Exec(CreateStatement(table.layout));
        writer.Insert(table);
    }
    writer.Exec("COMMIT");
    writer.Exec("VACUUM");
    writer.Close();
}

}  // namespace

void BuildDatabase(const fs::path& sourceDir, const fs::path& output) {
    const std::vector<SourceTable> tables = ReadSources(sourceDir);

    std::error_code ec;
    // An absolute name: SQLite would take a relative one starting with "file:" for a URI.
    const fs::path target = fs::absolute(output, ec);
    if (ec) throw DbBuildError(output.string() + ": " + ec.message());
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    if (ec) throw DbBuildError(target.parent_path().string() + ": " + ec.message());
    fs::path temporary = target;
    temporary += ".tmp-" + std::to_string(::getpid());
    fs::remove(temporary, ec);
    try {
        WriteDatabase(tables, temporary);
        fs::rename(temporary, target);
    } catch (const fs::filesystem_error& e) {
        fs::remove(temporary, ec);
        throw DbBuildError(output.string() + ": " + e.code().message());
    } catch (...) {
        fs::remove(temporary, ec);
        throw;
    }
}
