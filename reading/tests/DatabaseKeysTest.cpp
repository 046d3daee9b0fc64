// The completeness check at open: the shipped database passes; a copy with a
// row deleted, a table emptied, a value NULL or a total no longer covered is
// refused, naming the table, and the connection stays closed.
#include <gtest/gtest.h>

#include <filesystem>

#include "ComposerTestDb.h"
#include "DatabaseKeys.h"
#include "ShippedCopyTest.h"

namespace {

// A copy of the shipped database, changed by the test.
using DatabaseKeys = dbtest::ShippedCopy;

TEST_F(DatabaseKeys, TheShippedDatabaseIsComplete) {
    EXPECT_EQ(Refusal(), "");
}

TEST_F(DatabaseKeys, AnIncompleteTableIsRefusedByName) {
    struct Case {
        const char* name;
        const char* sql;
        const char* detail;  // the line after 数据无效。
    } const cases[] = {
        {"a year's row deleted", "DELETE FROM bazi3 WHERE year = '庚午'", "表 bazi3 缺少 1 个键的记录：庚午"},
        {"a weight's row deleted", "DELETE FROM bazi0 WHERE type = '初十'",
         "表 bazi0 缺少 1 个键的记录：初十"},
        {"a table emptied", "DELETE FROM bazi6", "表 bazi6 是空的，应有 12 个键的记录"},
        {"every table emptied",
         "DELETE FROM bazi0; DELETE FROM bazi1; DELETE FROM bazi2; DELETE FROM bazi3;"
         "DELETE FROM bazi4; DELETE FROM bazi5; DELETE FROM bazi6;",
         "表 bazi0 是空的，应有 114 个键的记录"},
        {"a value NULL", "UPDATE bazi4 SET meaning = NULL WHERE month = '冬月'",
         "表 bazi4 缺少 1 个键的记录：冬月"},
        {"a day-pillar pair deleted", "DELETE FROM bazi2 WHERE day = '甲子' AND time = '丙寅'",
         "表 bazi2 缺少 1 个键的记录：甲子/丙寅"},
        {"several keys, the first three named",
         "DELETE FROM bazi5 WHERE day IN ('初一', '初二', '初三', '初四')",
         "表 bazi5 缺少 4 个键的记录：初一、初三、初二 等"},
        {"a total no longer covered", "DELETE FROM bazi1 WHERE Amount = 42",
         "表 bazi1 缺少 1 个键的记录：42"},
        // A year a hundred 钱 heavier: totals no row covers appear.
        {"a weight that reaches a new total", "UPDATE bazi0 SET amount = amount + 100 WHERE type = '甲子'",
         "表 bazi1 缺少"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(m_file);
        std::filesystem::copy_file(KARVUTO_SHIPPED_DB, m_file);
        Change(c.sql);
        const std::string refusal = Refusal();
        EXPECT_TRUE(refusal.starts_with(std::string("数据无效。\r\n") + c.detail)) << refusal;
    }
}

TEST_F(DatabaseKeys, ExtraRowsAndOddWeightsAreNoReasonToRefuse) {
    // A row no reading asks for, and a weight that is no number: the reading
    // reports the latter when it meets it, with the database's own error.
    Change("INSERT INTO bazi3 VALUES ('甲丑', '00'); UPDATE bazi0 SET amount = 'heavy' WHERE type = '子时';");
    EXPECT_EQ(Refusal(), "");
}

TEST_F(DatabaseKeys, FurtherTablesDeclareTheirKeysTheSameWay) {
    Change("CREATE TABLE notes (topic TEXT, text TEXT); INSERT INTO notes VALUES ('a', 'x'), ('b', NULL);");
    const KeyDeclarer notes = [](Connection&) {
        return std::vector<TableKeys>{{"notes", {"topic"}, "text", {{"a"}, {"b"}, {"c"}}}};
    };
    Connection connection;
    try {
        OpenInterpretationDatabase(connection, m_file.string(), {ReadingTableKeys, notes});
        FAIL() << "opened";
    } catch (const ComError& e) {
        EXPECT_EQ(platform::Utf8(e.ErrorText()), "数据无效。\r\n表 notes 缺少 2 个键的记录：b、c");
    }
    // A declared table that does not exist is named too.
    const KeyDeclarer missing = [](Connection&) {
        return std::vector<TableKeys>{{"absent", {"topic"}, "text", {{"a"}}}};
    };
    try {
        OpenInterpretationDatabase(connection, m_file.string(), {missing});
        FAIL() << "opened";
    } catch (const ComError& e) {
        EXPECT_EQ(e.Error(), kDB_E_NOTABLE);
        EXPECT_NE(
            platform::Utf8(e.ErrorText()).find("表 absent 无法读取；SQLite 原文：no such table: absent"),
            std::string::npos);
    }
}

// The test databases of the composer and command tests pass the check once
// completed, and read as the files gave them.
TEST(ComposerTestDbKeys, CompletedTestDatabasesPassTheCheck) {
    const std::map<std::string, std::string> files = {{"bazi0.tsv", "type\tamount\n甲寅\t12\n"},
                                                      {"bazi3.tsv", "year\tmeaning\n甲寅\t甲寅年生。\n"}};
    const ComposerTestDb complete(files);
    Connection connection;
    OpenInterpretationDatabase(connection, complete.File().string());
    EXPECT_EQ(RunQuery(&connection, platform::Gbk("select * from bazi0 where type = \"甲寅\""))
                  ->Collect("amount")
                  .ToInt32(),
              12);
    EXPECT_EQ(RunQuery(&connection, platform::Gbk("select * from bazi0 where type = \"乙卯\""))
                  ->Collect("amount")
                  .ToInt32(),
              0);
    const ComposerTestDb asGiven(files, ComposerTestDb::Keys::kAsGiven);
    Connection refused;
    EXPECT_EQ(dbtest::RaisedCode([&] { OpenInterpretationDatabase(refused, asGiven.File().string()); }),
              kInvalidData);
}

}  // namespace
