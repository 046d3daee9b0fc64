// The TSV reader shared by the database builder, the text generator's checks
// and the theory tables: line splitting, numbering and the strict row rule.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "TsvTable.h"

namespace {

using Fields = std::vector<std::string>;

TEST(SplitTsvLines, LineEndsMarksAndEmptyLines) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<platform::TsvLine> expected;
    } const cases[] = {
        {"empty text", "", {}},
        {"one line without a line feed", "a\tb", {{1, {"a", "b"}}}},
        {"CR LF line ends", "a\tb\r\nc\td\r\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"byte-order mark skipped", "\xEF\xBB\xBFkey\tvalue\n", {{1, {"key", "value"}}}},
        {"empty lines passed over but counted", "h\n\n\r\nx\n", {{1, {"h"}}, {4, {"x"}}}},
        {"empty cells kept", "\t\ta\t\n", {{1, {"", "", "a", ""}}}},
        {"a lone CR inside a line stays", "a\rb\n", {{1, {"a\rb"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<platform::TsvLine> lines = platform::SplitTsvLines(c.text);
        ASSERT_EQ(lines.size(), c.expected.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].number, c.expected[i].number);
            EXPECT_EQ(lines[i].fields, c.expected[i].fields);
        }
    }
}

class TsvFile : public ::testing::Test {
protected:
    std::filesystem::path Write(const std::string& text) {
        std::ofstream(m_path, std::ios::binary) << text;
        return m_path;
    }
    void TearDown() override { std::filesystem::remove(m_path); }

    std::filesystem::path m_path =
        std::filesystem::temp_directory_path() /
        ("karvuto-tsv-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".tsv");
};

TEST_F(TsvFile, ReadsHeaderRowsAndTheirLineNumbers) {
    const platform::TsvTable t = platform::ReadTsv(Write("key\tvalue\n甲\t1\n\n乙\t2\n"));
    EXPECT_EQ(t.header, (Fields{"key", "value"}));
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[1], (Fields{"乙", "2"}));
    EXPECT_EQ(t.lines, (std::vector<int>{2, 4}));
    EXPECT_EQ(t.Column("value"), 1);
    EXPECT_EQ(t.Column("missing"), -1);
}

TEST_F(TsvFile, RefusesNamingFileAndLine) {
    struct Case {
        const char* name;
        std::string text;
        std::string where;  // expected after the file name
    } const cases[] = {
        {"no header row", "", ":1: no header row"},
        {"only empty lines", "\n\r\n", ":1: no header row"},
        {"a field too many", "a\tb\n1\t2\n1\t2\t3\n", ":3: 3 fields, the header has 2"},
        {"a field too few after an empty line", "a\tb\n\n1\n", ":3: 1 fields, the header has 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::filesystem::path file = Write(c.text);
        try {
            platform::ReadTsv(file);
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), file.string() + c.where);
        }
    }
    EXPECT_THROW(platform::ReadTsv(m_path.string() + ".absent"), std::runtime_error);
}

}  // namespace
