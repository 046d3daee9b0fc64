// The analysis tables in the check at open: the shipped database holds every
// key the analysis can look up; a copy that lacks a row, holds a NULL text or
// has a table emptied is refused naming the table, and the connection stays
// closed. The reading tables alone still open such a copy.
#include <gtest/gtest.h>

#include <filesystem>

#include "AnalysisKeys.h"
#include "DatabaseTestFiles.h"
#include "ShippedCopyTest.h"

namespace {

// A copy of the shipped database, opened with every table checked.
class AnalysisKeys : public dbtest::ShippedCopy {
protected:
    std::string Refusal() { return ShippedCopy::Refusal({ReadingTableKeys, AnalysisTableKeys}); }
};

TEST_F(AnalysisKeys, TheShippedDatabaseHoldsEveryAnalysisKey) {
    EXPECT_EQ(Refusal(), "");
}

TEST_F(AnalysisKeys, AnIncompleteAnalysisTableIsRefusedByName) {
    const struct {
        const char* name;
        const char* sql;
        const char* detail;  // the line after 数据无效。
    } kCases[] = {
        {"a band's paragraph deleted", "DELETE FROM analysis_strength WHERE band = '中和'",
         "表 analysis_strength 缺少 1 个键的记录：中和"},
        {"a two-column key deleted", "DELETE FROM analysis_useful WHERE god = '财' AND method = '扶抑'",
         "表 analysis_useful 缺少 1 个键的记录：财/扶抑"},
        {"a paragraph NULL", "UPDATE analysis_shensha SET meaning = NULL WHERE star = '文昌'",
         "表 analysis_shensha 缺少 1 个键的记录：文昌"},
        {"a table emptied", "DELETE FROM analysis_month", "表 analysis_month 是空的，应有 60 个键的记录"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(m_file);
        std::filesystem::copy_file(KARVUTO_SHIPPED_DB, m_file);
        dbtest::MakeDatabase(m_file, c.sql);
        const std::string refusal = Refusal();
        EXPECT_TRUE(refusal.starts_with(std::string("数据无效。\r\n") + c.detail)) << refusal;
        // The reading's own tables are whole: a program that reads no analysis opens it.
        Connection readingOnly;
        EXPECT_NO_THROW(OpenInterpretationDatabase(readingOnly, m_file.string()));
    }
}

TEST_F(AnalysisKeys, AMissingAnalysisTableIsNamed) {
    dbtest::MakeDatabase(m_file, "DROP TABLE analysis_pattern");
    Connection connection;
    try {
        OpenInterpretationDatabase(connection, m_file.string(), {ReadingTableKeys, AnalysisTableKeys});
        FAIL() << "opened";
    } catch (const ComError& e) {
        EXPECT_NE(platform::Utf8(e.ErrorText()).find("表 analysis_pattern 无法读取"), std::string::npos)
            << platform::Utf8(e.ErrorText());
    }
    EXPECT_EQ(connection.State(), adStateClosed);
}

}  // namespace
