#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <optional>
#include <thread>

#include "Database.h"
#include "DatabaseTestFiles.h"
#include "GbkCodec.h"
#include "SqlConnectionString.h"

using dbtest::ConnectionString;
using dbtest::MakeDatabase;
using dbtest::RaisedCode;
using dbtest::TempDir;
using platform::Gbk;

namespace {

// Rows for the query tests; the texts stand for stored forms, the layer does
// not decode them.
constexpr const char kRowsSql[] =
    "INSERT INTO bazi0 VALUES ('甲子', 12), ('正月', NULL), ('十二', '17'), ('廿一', 'heavy'), ('冬月', 9.5),"
    "  ('type', 99);"
    "INSERT INTO bazi1 VALUES (42, '4142'), (43, NULL);"
    "INSERT INTO bazi2 VALUES ('甲', '丙寅', 'S1'), ('甲子', '丙寅', 'P1');"
    "INSERT INTO bazi3 VALUES ('甲子', '海中金');"
    "INSERT INTO bazi4 VALUES ('正月', 'M1'), ('二月', 'M2');"
    "INSERT INTO bazi5 VALUES ('初二', '好😀'), ('初三', x'00FF');"
    "INSERT INTO bazi0 VALUES ('廿二', 5000000000);";

std::string QueryText(const RecordsetPtr& rs, const std::string& column) {
    return platform::Utf8(rs->Collect(column).ToText());
}

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        MakeDatabase(m_file, std::string(dbtest::kSchemaSql) + kRowsSql);
        m_connection.Open(ConnectionString(m_file), "", "", 0);
    }

    RecordsetPtr Query(const std::string& utf8) { return RunQuery(&m_connection, Gbk(utf8)); }

    TempDir m_dir;
    std::filesystem::path m_file = m_dir / "Karvuto.mdb";
    Connection m_connection;
};

TEST_F(DatabaseTest, AnswersTheReadingsQueries) {
    EXPECT_EQ(m_connection.State(), adStateOpen);
    auto rs = Query(R"(select * from bazi0 where type = "甲子")");
    ASSERT_FALSE(rs->IsEOF());
    EXPECT_EQ(rs->Collect("amount").ToInt32(), 12);
    rs->Close();

    // The composer's own spellings: no space before the second quote.
    rs = Query(R"(select * from bazi2 where day = "甲" and time ="丙寅")");
    EXPECT_EQ(QueryText(rs, "meaning"), "S1");
    rs = Query(R"(select * from bazi2 where day = "甲子" and time ="丙寅")");
    EXPECT_EQ(QueryText(rs, "meaning"), "P1");
    rs = Query("select * from bazi1 where Amount = 42");
    EXPECT_EQ(QueryText(rs, "meaning"), "4142");
    // Texts come back in GBK.
    rs = Query(R"(select * from bazi3 where year = "甲子")");
    EXPECT_EQ(rs->Collect("meaning").ToText(), Gbk("海中金"));
}

TEST_F(DatabaseTest, EmptyAnswersAndNulls) {
    EXPECT_TRUE(Query(R"(select * from bazi0 where type = "乙丑")")->IsEOF());
    EXPECT_TRUE(Query("select * from bazi1 where Amount = 7")->IsEOF());
    EXPECT_TRUE(Query("select * from bazi6 where time = \"子时\"")->IsEOF());  // an empty table
    EXPECT_TRUE(Query(R"(select * from bazi0 where type = "正月")")->Collect("amount").IsNull());
    EXPECT_TRUE(Query("select * from bazi1 where Amount = 43")->Collect("meaning").IsNull());
}

TEST_F(DatabaseTest, DoubleQuotesAreLiteralsNeverColumns) {
    // Were "type" read as the column, every row of bazi0 would match.
    auto rs = Query(R"(select * from bazi0 where type = "type")");
    ASSERT_FALSE(rs->IsEOF());
    EXPECT_EQ(rs->Collect("amount").ToInt32(), 99);
    EXPECT_TRUE(Query(R"(select * from bazi0 where type = "amount")")->IsEOF());
    // A quote of the other kind inside a literal is just a character.
    EXPECT_TRUE(Query(R"(select * from bazi0 where type = "it's")")->IsEOF());
}

TEST_F(DatabaseTest, OnlyTheFirstRowIsRead) {
    auto rs = Query("select * from bazi4 order by month desc");
    EXPECT_EQ(QueryText(rs, "meaning"), "M1");  // 正月 sorts after 二月 in UTF-8
    rs = Query("select * from bazi4 order by month asc");
    EXPECT_EQ(QueryText(rs, "meaning"), "M2");
}

TEST_F(DatabaseTest, ColumnNamesAreCaseInsensitive) {
    auto rs = Query("select * from bazi1 where Amount = 42");
    EXPECT_EQ(QueryText(rs, "MEANING"), "4142");
    EXPECT_EQ(rs->Collect("amount").ToInt32(), 42);
}

TEST_F(DatabaseTest, ValuesConvertByTheirValue) {
    const auto weight = [&](const char* name) {
        return Query(std::string("select * from bazi0 where type = \"") + name + "\"")->Collect("amount");
    };
    EXPECT_EQ(weight("十二").ToInt32(), 17);  // a numeric string
    EXPECT_EQ(weight("冬月").ToInt32(), 10);  // 9.5 rounds half to even
    EXPECT_EQ(RaisedCode([&] { weight("廿一").ToInt32(); }), kDISP_E_TYPEMISMATCH);
    EXPECT_EQ(weight("甲子").ToText(), "12");
}

TEST_F(DatabaseTest, ValuesWithoutAFormInTheProgram) {
    // Text that GBK cannot hold, binary data, an integer wider than 32 bits.
    EXPECT_EQ(RaisedCode([&] { Query(R"(select * from bazi5 where day = "初二")")->Collect("meaning"); }),
              kInvalidData);
    EXPECT_EQ(RaisedCode([&] { Query(R"(select * from bazi5 where day = "初三")")->Collect("meaning"); }),
              kDISP_E_TYPEMISMATCH);
    const Variant wide = Query(R"(select * from bazi0 where type = "廿二")")->Collect("amount");
    EXPECT_EQ(wide.ToText(), "5000000000");
    EXPECT_EQ(RaisedCode([&] { wide.ToInt32(); }), kDISP_E_OVERFLOW);
}

TEST_F(DatabaseTest, QueryFailuresRaiseTheProvidersCodes) {
    struct Case {
        const char* name;
        const char* sql;
        HRESULT expected;
    } const cases[] = {
        {"missing table", R"(select * from bazi9 where type = "甲子")", kDB_E_NOTABLE},
        {"missing column", R"(select * from bazi0 where kind = "甲子")", kDB_E_PARAMNOTOPTIONAL},
        {"syntax error", "selec * from bazi0", kDB_E_ERRORSINCOMMAND},
        {"literal left open", R"(select * from bazi0 where type = "甲子)", kDB_E_ERRORSINCOMMAND},
        {"two statements", "select * from bazi0; select * from bazi1", kDB_E_ERRORSINCOMMAND},
        {"no statement", "   ", kDB_E_ERRORSINCOMMAND},
        {"a parameter without value", "select * from bazi0 where type = ?", kDB_E_PARAMNOTOPTIONAL},
        {"a write", "delete from bazi0", kE_FAIL},
        {"attaching another file", "attach 'other.db' as other", kDB_E_ERRORSINCOMMAND},
        {"a pragma", "pragma query_only = 0", kDB_E_ERRORSINCOMMAND},
        {"a copy into another file", "vacuum into 'copy.db'", kDB_E_ERRORSINCOMMAND},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RaisedCode([&] { Query(c.sql); }), c.expected);
    }
    // Nothing was written: the row is still there, no other file appeared.
    EXPECT_FALSE(std::filesystem::exists("other.db"));
    EXPECT_FALSE(std::filesystem::exists("copy.db"));
    EXPECT_FALSE(Query(R"(select * from bazi0 where type = "甲子")")->IsEOF());
    // A query text that is not GBK.
    EXPECT_EQ(RaisedCode([&] { RunQuery(&m_connection, "select * from bazi0 where type = \"\x81\""); }),
              kDB_E_ERRORSINCOMMAND);
}

TEST_F(DatabaseTest, RowSetMisuse) {
    auto rs = Query("select * from bazi1 where Amount = 42");
    EXPECT_EQ(RaisedCode([&] { rs->Collect("amount2"); }), kAdErrItemNotFound);
    auto empty = Query("select * from bazi1 where Amount = 1");
    EXPECT_EQ(RaisedCode([&] { empty->Collect("meaning"); }), kAdErrNoCurrentRecord);
    EXPECT_EQ(RaisedCode([&] { empty->Collect("nothing"); }), kAdErrItemNotFound);
    rs->Close();
    EXPECT_EQ(RaisedCode([&] { rs->IsEOF(); }), kAdErrObjectClosed);
    EXPECT_EQ(RaisedCode([&] { rs->Collect("meaning"); }), kAdErrObjectClosed);
    EXPECT_EQ(RaisedCode([&] { rs->Close(); }), kS_OK);
}

TEST_F(DatabaseTest, RowSetsOutliveTheirConnection) {
    auto rs = Query(R"(select * from bazi0 where type = "甲子")");
    m_connection.Close();
    EXPECT_EQ(m_connection.State(), adStateClosed);
    EXPECT_EQ(rs->Collect("amount").ToInt32(), 12);
    EXPECT_EQ(RaisedCode([&] { Query("select * from bazi0"); }), kAdErrObjectClosed);
    EXPECT_EQ(RaisedCode([&] { m_connection.Close(); }), kS_OK);  // closing again is harmless
}

TEST(Database, NullConnectionRaisesEPointer) {
    EXPECT_EQ(RaisedCode([] { RunQuery(nullptr, "select * from bazi0"); }), kE_POINTER);
}

TEST(Database, OpenFailuresSayWhatIsWrong) {
    TempDir dir;
    MakeDatabase(dir / "good.mdb", std::string(dbtest::kSchemaSql) + kRowsSql);
    const std::string good = dbtest::ReadFile(dir / "good.mdb");
    std::string damaged = good;
    for (std::size_t i = 4096; i < damaged.size(); ++i) damaged[i] = '\x5A';  // every page after the first
    dbtest::WriteFile(dir / "damaged.mdb", damaged);
    dbtest::WriteFile(dir / "truncated.mdb", good.substr(0, good.size() / 2));
    dbtest::WriteFile(dir / "header-only.mdb", good.substr(0, 100));
    dbtest::WriteFile(dir / "text.mdb",
                      "Standard Jet DB\nthis is no SQLite file at all, but long enough to read\n"
                      "a whole header of one hundred bytes from it......................\n");
    dbtest::WriteFile(dir / "empty.mdb", "");
    std::filesystem::create_directory(dir / "folder.mdb");
    MakeDatabase(dir / "six.mdb", std::string(dbtest::kSchemaSql) + "DROP TABLE bazi6;");
    MakeDatabase(dir / "nocolumn.mdb",
                 std::string(dbtest::kSchemaSql) +
                     "DROP TABLE bazi2; CREATE TABLE bazi2 (day TEXT, hour TEXT, meaning TEXT);");

    const auto jet = [&](const char* name) { return ConnectionString(dir / name); };
    struct Case {
        const char* name;
        std::string connection;
        HRESULT expected;
    } const cases[] = {
        {"missing file", jet("missing.mdb"), kFileNotFound},
        {"missing folder", jet("nowhere/Karvuto.mdb"), kPathNotFound},
        {"a folder", jet("folder.mdb"), kAccessDenied},
        {"not a database", jet("text.mdb"), kFileCorrupt},
        {"empty file", jet("empty.mdb"), kFileCorrupt},
        {"header only", jet("header-only.mdb"), kFileCorrupt},
        {"truncated", jet("truncated.mdb"), kFileCorrupt},
        {"damaged pages", jet("damaged.mdb"), kFileCorrupt},
        {"a table missing", jet("six.mdb"), kInvalidData},
        {"a column missing", jet("nocolumn.mdb"), kInvalidData},
        {"another provider", "Provider=SQLOLEDB;Data Source=" + (dir / "good.mdb").string(),
         kAdErrProviderNotFound},
        {"no provider", "Data Source=" + (dir / "good.mdb").string(), kAdErrProviderNotFound},
        {"no data source", "Provider=Microsoft.Jet.OLEDB.4.0", kE_INVALIDARG},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Connection connection;
        EXPECT_EQ(RaisedCode([&] { connection.Open(c.connection, "", "", 0); }), c.expected);
        EXPECT_EQ(connection.State(), adStateClosed);
    }
    // A failed open creates nothing.
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.mdb"));
    EXPECT_FALSE(std::filesystem::exists(dir / "nowhere"));
    // The start-up message shows the system's words for the code.
    try {
        Connection connection;
        connection.Open(jet("missing.mdb"), "", "", 0);
        FAIL();
    } catch (const ComError& e) {
        EXPECT_EQ(e.ErrorText(), Gbk("系统找不到指定的文件。"));
    }
}

// Files SQLite refuses for reasons our codes do not name keep SQLite's
// reason, and the table it arose in, on a line of its own.
TEST(Database, OpenFailuresKeepSqlitesReason) {
    TempDir dir;
    MakeDatabase(dir / "good.mdb", std::string(dbtest::kSchemaSql) + kRowsSql);
    std::string newer = dbtest::ReadFile(dir / "good.mdb");
    newer[47] = 5;  // schema format 5: written by an SQLite this one does not know
    dbtest::WriteFile(dir / "newer.mdb", newer);
    MakeDatabase(dir / "view.mdb", std::string(dbtest::kSchemaSql) +
                                       "DROP TABLE bazi3;"
                                       "CREATE VIEW bazi3 AS SELECT nosuchfunc(1) AS year, 2 AS meaning;");
    std::string damaged = dbtest::ReadFile(dir / "good.mdb");
    damaged[100] = '\x07';  // the first page's b-tree type
    dbtest::WriteFile(dir / "damaged.mdb", damaged);

    struct Case {
        const char* name;
        const char* file;
        HRESULT expected;
        const char* text;  // UTF-8
    } const cases[] = {
        {"an unsupported file format", "newer.mdb", kE_FAIL,
         "未指定的错误\r\nSQLite 原文：unsupported file format"},
        {"a view calling an unknown function", "view.mdb", kE_FAIL,
         "未指定的错误\r\n表 bazi3 无法读取；SQLite 原文：no such function: nosuchfunc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Connection connection;
        try {
            connection.Open(ConnectionString(dir / c.file), "", "", 0);
            ADD_FAILURE() << "opened";
        } catch (const ComError& e) {
            EXPECT_EQ(e.Error(), c.expected) << e.what();
            EXPECT_EQ(platform::Utf8(e.ErrorText()), c.text);
        }
        EXPECT_EQ(connection.State(), adStateClosed);
    }
    // A damaged file says so, and what SQLite found.
    try {
        Connection connection;
        connection.Open(ConnectionString(dir / "damaged.mdb"), "", "", 0);
        ADD_FAILURE() << "opened";
    } catch (const ComError& e) {
        EXPECT_EQ(e.Error(), kFileCorrupt);
        EXPECT_TRUE(platform::Utf8(e.ErrorText()).starts_with("文件或目录损坏且无法读取。\r\nSQLite 原文："))
            << platform::Utf8(e.ErrorText());
    }
}

TEST(Database, OpensUnderAwkwardFolderNames) {
    TempDir dir;
    // A path of more than 280 bytes, the size of the path buffer, is held whole.
    const std::string longName(200, 'x');
    const std::vector<std::string> folders = {"with space", "命理 数据", "a;b=c", "50%?#x",
                                              longName + "/" + longName};
    for (const std::string& folder : folders) {
        SCOPED_TRACE(folder);
        const auto path = dir.path() / folder / "Karvuto.mdb";
        std::filesystem::create_directories(path.parent_path());
        MakeDatabase(path, std::string(dbtest::kSchemaSql) + kRowsSql);
        Connection connection;
        connection.Open(ConnectionString(path), "", "", 0);
        EXPECT_EQ(RunQuery(&connection, Gbk(R"(select * from bazi0 where type = "甲子")"))
                      ->Collect("amount")
                      .ToInt32(),
                  12);
        connection.Close();
        // Quoted, as a connection string may also spell it.
        connection.Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"" + path.string() + "\"", "", "", 0);
        EXPECT_EQ(connection.State(), adStateOpen);
    }
}

TEST(Database, OpensExactlyTheFileNamed) {
    TempDir dir;
    // Relative names, as given on a command line, each beside the file that a
    // mangled name would reach instead.
    const std::vector<std::pair<std::string, std::string>> names = {
        {" lead.mdb", "lead.mdb"}, {"\"q.mdb", "q.mdb"},      {"it's;x=1.mdb", "it's"},
        {"'q2.mdb'", "q2.mdb"},    {"tail.mdb ", "tail.mdb"}, {"\t tab.mdb", "tab.mdb"},
    };
    struct WorkingDirectory {
        std::filesystem::path saved = std::filesystem::current_path();
        ~WorkingDirectory() { std::filesystem::current_path(saved); }
    } const restore;
    std::filesystem::current_path(dir.path());
    for (const auto& [name, decoy] : names) {
        SCOPED_TRACE(name);
        MakeDatabase(name, std::string(dbtest::kSchemaSql) + "INSERT INTO bazi1 VALUES (1, 'right');");
        MakeDatabase(decoy, std::string(dbtest::kSchemaSql) + "INSERT INTO bazi1 VALUES (1, 'wrong');");
        for (const std::filesystem::path& path : {std::filesystem::path(name), dir / name}) {
            Connection connection;
            connection.Open(FormatConnectionString(path.string()), "", "", 0);
            EXPECT_EQ(QueryText(RunQuery(&connection, "select * from bazi1 where Amount = 1"), "meaning"),
                      "right");
        }
    }
}

TEST(Database, AQueryThatNeverEndsIsStoppedAtTheTimeLimit) {
    using namespace std::chrono_literals;
    TempDir dir;
    // A view in a table's place whose recursion never yields a row.
    MakeDatabase(dir / "endless.mdb", std::string(dbtest::kSchemaSql) + kRowsSql +
                                          "DROP TABLE bazi3;"
                                          "CREATE VIEW bazi3 AS WITH RECURSIVE r(n) AS"
                                          "  (SELECT 1 UNION ALL SELECT n + 1 FROM r)"
                                          "  SELECT n || '' AS year, n AS meaning FROM r WHERE n < 0;");
    constexpr auto kLimit = 200ms;
    Connection connection;
    connection.SetQueryTimeLimit(kLimit);
    connection.Open(ConnectionString(dir / "endless.mdb"), "", "", 0);

    // Run on a worker, so that a query that is never stopped fails the test
    // instead of hanging it.
    std::promise<std::optional<ComError>> raised;
    std::future<std::optional<ComError>> outcome = raised.get_future();
    const auto start = std::chrono::steady_clock::now();
    std::thread worker([&] {
        try {
            RunQuery(&connection, Gbk(R"(select * from bazi3 where year = "甲子")"));
            raised.set_value(std::nullopt);
        } catch (const ComError& e) {
            raised.set_value(e);
        }
    });
    if (outcome.wait_for(kLimit + 5s) != std::future_status::ready) {
        std::fprintf(stderr, "FAILED: the endless query was not stopped\n");
        std::_Exit(EXIT_FAILURE);  // the worker cannot be stopped any other way
    }
    worker.join();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const std::optional<ComError> error = outcome.get();
    ASSERT_TRUE(error.has_value()) << "the query ended";
    EXPECT_EQ(error->Error(), kQueryTimedOut);
    EXPECT_EQ(error->ErrorText(), Gbk("数据库查询超过了时间限制，已被停止。"));
    EXPECT_GE(elapsed, kLimit);

    // Each statement has the whole limit, however long the connection has been
    // open, and the connection serves the next query.
    std::this_thread::sleep_for(kLimit + 50ms);
    EXPECT_EQ(
        RunQuery(&connection, Gbk(R"(select * from bazi0 where type = "甲子")"))->Collect("amount").ToInt32(),
        12);
    EXPECT_EQ(connection.State(), adStateOpen);
}

TEST(Database, OpeningTwiceIsRefused) {
    TempDir dir;
    MakeDatabase(dir / "a.mdb", dbtest::kSchemaSql);
    Connection connection;
    connection.Open(ConnectionString(dir / "a.mdb"), "", "", 0);
    EXPECT_EQ(RaisedCode([&] { connection.Open(ConnectionString(dir / "a.mdb"), "", "", 0); }),
              kAdErrObjectOpen);
    EXPECT_EQ(connection.State(), adStateOpen);
}

struct FileStamp {
    std::string bytes;
    timespec mtime;
    std::vector<std::string> folder;  // no journal or lock file appears beside it
};

FileStamp Stamp(const std::filesystem::path& file) {
    struct stat st {};
    EXPECT_EQ(stat(file.c_str(), &st), 0);
    FileStamp stamp{dbtest::ReadFile(file), st.st_mtim, {}};
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path()))
        stamp.folder.push_back(entry.path().filename().string());
    std::sort(stamp.folder.begin(), stamp.folder.end());
    return stamp;
}

void ExpectUnchanged(const FileStamp& before, const FileStamp& after) {
    EXPECT_TRUE(before.bytes == after.bytes);
    EXPECT_EQ(before.mtime.tv_sec, after.mtime.tv_sec);
    EXPECT_EQ(before.mtime.tv_nsec, after.mtime.tv_nsec);
    EXPECT_EQ(before.folder, after.folder);
}

void ReadEveryTable(const std::filesystem::path& file) {
    Connection connection;
    connection.Open(ConnectionString(file), "", "", 0);
    for (const char* sql :
         {"select * from bazi0 where type = \"甲子\"", "select * from bazi1 where Amount = 42",
          "select * from bazi2 where day = \"甲子\" and time =\"丙寅\"",
          "select * from bazi3 where year = \"甲子\"", "select * from bazi4 where month = \"正月\"",
          "select * from bazi5 where day = \"初一\"", "select * from bazi6 where time = \"子时\"",
          "delete from bazi0"}) {
        try {
            auto rs = RunQuery(&connection, Gbk(sql));
            if (!rs->IsEOF()) rs->Collect(sql[14] == '0' ? "amount" : "meaning").IsNull();
            rs->Close();
        } catch (const ComError&) {
            // The refused write; the point is that the file stays as it was.
        }
    }
    connection.Close();
}

TEST(Database, ReadingNeverWritesTheFile) {
    TempDir dir;
    MakeDatabase(dir / "Karvuto.mdb", std::string(dbtest::kSchemaSql) + kRowsSql);
    const FileStamp before = Stamp(dir / "Karvuto.mdb");
    ReadEveryTable(dir / "Karvuto.mdb");
    ExpectUnchanged(before, Stamp(dir / "Karvuto.mdb"));
}

TEST(Database, ReadingNeverWritesTheBuiltFile) {
    const std::filesystem::path built = KARVUTO_DB_PATH;
    ASSERT_TRUE(std::filesystem::exists(built)) << built;
    const FileStamp before = Stamp(built);
    ReadEveryTable(built);
    ExpectUnchanged(before, Stamp(built));
}

// A writer's connection to a test file, closed at the end of the test.
class Writer {
public:
    explicit Writer(const std::filesystem::path& file) {
        if (sqlite3_open(file.c_str(), &m_db) != SQLITE_OK) throw std::runtime_error("cannot open writer");
    }
    ~Writer() { sqlite3_close(m_db); }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;
    void Exec(const char* sql) {
        char* error = nullptr;
        const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, &error);
        const std::string message = error ? error : "";
        sqlite3_free(error);
        if (rc != SQLITE_OK) throw std::runtime_error(std::string(sql) + ": " + message);
    }

private:
    sqlite3* m_db = nullptr;
};

TEST(Database, FilesOnlyAWriterCouldReadAreRefusedByName) {
    TempDir dir;
    const std::string schema = std::string(dbtest::kSchemaSql) + kRowsSql;
    const auto make = [&](const char* folder) {
        std::filesystem::create_directory(dir / folder);
        MakeDatabase(dir / folder / "Karvuto.mdb", schema);
        return dir / folder / "Karvuto.mdb";
    };
    std::vector<std::unique_ptr<Writer>> writers;  // held open while the files are opened
    const auto writer = [&](const std::filesystem::path& file, const char* sql) {
        writers.push_back(std::make_unique<Writer>(file));
        writers.back()->Exec(sql);
    };

    const auto wal = make("wal");
    Writer(wal).Exec("PRAGMA journal_mode = WAL");  // closed again: no -wal file is left
    const auto walInUse = make("wal-in-use");
    writer(walInUse, "PRAGMA journal_mode = WAL; BEGIN; INSERT INTO bazi1 VALUES (7, 'w');");
    const auto locked = make("locked");
    writer(locked, "PRAGMA journal_mode = DELETE; BEGIN EXCLUSIVE; INSERT INTO bazi1 VALUES (7, 'w');");
    const auto reserved = make("reserved");  // a writer that has not yet written lets readers in
    writer(reserved, "PRAGMA journal_mode = DELETE; BEGIN IMMEDIATE;");
    // A hot journal: the file and journal of an unfinished write, as a crash
    // of the writer leaves them (no lock is held on the copies).
    const auto interrupted = make("interrupted");
    writer(interrupted,
           "PRAGMA journal_mode = DELETE; PRAGMA synchronous = OFF; PRAGMA cache_size = 1;"
           "BEGIN; DELETE FROM bazi0; UPDATE bazi4 SET meaning = hex(randomblob(2000));");
    std::filesystem::create_directory(dir / "hot");
    const auto hot = dir / "hot" / "Karvuto.mdb";
    std::filesystem::copy_file(interrupted, hot);
    std::filesystem::copy_file(dir / "interrupted" / "Karvuto.mdb-journal",
                               dir / "hot" / "Karvuto.mdb-journal");

    struct Case {
        const char* name;
        std::filesystem::path file;
        HRESULT expected;
        const char* text;  // the user's words, UTF-8
    } const cases[] = {
        {"WAL mode", wal, kJournalModeUnreadable, "数据库文件使用 WAL 日志模式，只读打开无法读取。"},
        {"WAL mode with a writer", walInUse, kJournalModeUnreadable, nullptr},
        {"locked by a writer", locked, kLockViolation, "另一个程序已锁定文件的一部分，进程无法访问。"},
        {"a hot journal", hot, kUnfinishedWrite,
         "数据库文件有未完成的写入（留有日志文件），只读打开无法恢复。"},
        {"a writer about to write", reserved, kS_OK, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const FileStamp before = Stamp(c.file);
        const std::string journal = dbtest::ReadFile(c.file.string() + "-journal");
        Connection connection;
        try {
            connection.Open(ConnectionString(c.file), "", "", 0);
            EXPECT_EQ(kS_OK, c.expected);
            EXPECT_FALSE(RunQuery(&connection, Gbk(R"(select * from bazi0 where type = "甲子")"))->IsEOF());
            connection.Close();
        } catch (const ComError& e) {
            EXPECT_EQ(e.Error(), c.expected) << e.Description();
            EXPECT_EQ(connection.State(), adStateClosed);
            if (c.text) {
                EXPECT_EQ(e.ErrorText(), Gbk(c.text));
            }
        }
        // Nothing created, nothing rolled back, nothing touched.
        ExpectUnchanged(before, Stamp(c.file));
        EXPECT_TRUE(journal == dbtest::ReadFile(c.file.string() + "-journal"));
    }
}

TEST(Variant, Conversions) {
    struct Case {
        const char* name;
        Variant value;
        HRESULT intError;  // S_OK when ToInt32 succeeds
        std::int32_t integer;
        HRESULT textError;
        const char* text;
    } const cases[] = {
        {"NULL", Variant(), kDISP_E_TYPEMISMATCH, 0, kDISP_E_TYPEMISMATCH, ""},
        {"integer", Variant::FromInt32(-42), kS_OK, -42, kS_OK, "-42"},
        {"largest integer", Variant::FromInt32(INT32_MAX), kS_OK, INT32_MAX, kS_OK, "2147483647"},
        {"double rounds half to even", Variant::FromDouble(2.5), kS_OK, 2, kS_OK, "2.5"},
        {"double rounds", Variant::FromDouble(-3.7), kS_OK, -4, kS_OK, "-3.7"},
        {"double out of range", Variant::FromDouble(3e9), kDISP_E_OVERFLOW, 0, kS_OK, "3000000000"},
        {"double in exponent form", Variant::FromDouble(1e20), kDISP_E_OVERFLOW, 0, kS_OK, "1E+20"},
        {"numeric string", Variant::FromText("  17 "), kS_OK, 17, kS_OK, "  17 "},
        {"signed numeric string", Variant::FromText("+8"), kS_OK, 8, kS_OK, "+8"},
        {"decimal string", Variant::FromText("3.5"), kS_OK, 4, kS_OK, "3.5"},
        {"string out of range", Variant::FromText("2147483648"), kDISP_E_OVERFLOW, 0, kS_OK, "2147483648"},
        {"words", Variant::FromText(Gbk("十二")), kDISP_E_TYPEMISMATCH, 0, kS_OK, "\xCA\xAE\xB6\xFE"},
        {"empty string", Variant::FromText(""), kDISP_E_TYPEMISMATCH, 0, kS_OK, ""},
        {"number then words", Variant::FromText("12a"), kDISP_E_TYPEMISMATCH, 0, kS_OK, "12a"},
        {"infinity is not a number", Variant::FromText("inf"), kDISP_E_TYPEMISMATCH, 0, kS_OK, "inf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::int32_t integer = 0;
        EXPECT_EQ(RaisedCode([&] { integer = c.value.ToInt32(); }), c.intError);
        if (c.intError == kS_OK) {
            EXPECT_EQ(integer, c.integer);
        }
        std::string text;
        EXPECT_EQ(RaisedCode([&] { text = c.value.ToText(); }), c.textError);
        if (c.textError == kS_OK) {
            EXPECT_EQ(text, c.text);
        }
        EXPECT_EQ(c.value.IsNull(), std::string(c.name) == "NULL");
    }
}

}  // namespace
