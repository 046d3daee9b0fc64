// The analysis texts through the database: the shipped file gives back every
// text of the sources under its key, keys it lacks give nothing, and a file
// without the analysis tables is reported, not read as empty.
#include <gtest/gtest.h>

#include <filesystem>

#include "Analyze.h"
#include "Chart.h"
#include "ComposerTestDb.h"
#include "DatabaseTestFiles.h"
#include "DatabaseTextSource.h"
#include "TextTables.h"
#include "TsvTable.h"

namespace {

std::unique_ptr<Connection> OpenShipped() {
    auto connection = std::make_unique<Connection>();
    connection->Open(dbtest::ConnectionString(KARVUTO_SHIPPED_DB), "", "", 0);
    return connection;
}

}  // namespace

TEST(DatabaseTextSource, TheShippedDatabaseHoldsEverySourceTextUnderItsKey) {
    const auto connection = OpenShipped();
    const DatabaseTextSource texts(connection.get());
    int compared = 0;
    for (const analysis::TextTableInfo& info : analysis::TextTables()) {
        const platform::TsvTable t =
            platform::ReadTsv(std::filesystem::path(KARVUTO_DBDATA_DIR) / (std::string(info.name) + ".tsv"));
        for (const std::vector<std::string>& row : t.rows) {
            const analysis::TextKey key(row.begin(), row.end() - 1);
            EXPECT_EQ(texts.Text(info.table, key), row.back())
                << info.name << " " << testing::PrintToString(key);
            ++compared;
        }
    }
    EXPECT_GT(compared, 200);
}

TEST(DatabaseTextSource, KeysTheTablesDoNotHoldGiveNothing) {
    const auto connection = OpenShipped();
    const DatabaseTextSource texts(connection.get());
    const struct {
        const char* name;
        analysis::TextTable table;
        analysis::TextKey key;
    } kCases[] = {
        {"unknown band", analysis::TextTable::Strength, {"太旺"}},
        {"a cell short", analysis::TextTable::Pattern, {"正官格"}},
        {"a cell too many", analysis::TextTable::Strength, {"偏弱", "成"}},
        {"a quote in the key", analysis::TextTable::Shensha, {"文昌\" or \"1\"=\"1"}},
        {"no GBK form", analysis::TextTable::Shensha, {"文昌😀"}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(texts.Text(c.table, c.key), std::nullopt);
    }
}

TEST(DatabaseTextSource, ADatabaseWithoutTheAnalysisTablesIsReported) {
    const ComposerTestDb db(std::map<std::string, std::string>{{"bazi0.tsv", "type\tamount\n甲子\t12\n"}});
    db.Tamper("DROP TABLE analysis_strength");
    const auto connection = db.Open();
    const DatabaseTextSource texts(connection.get());
    EXPECT_THROW(texts.Text(analysis::TextTable::Strength, {"偏弱"}), ComError);
    // The other tables are there, built empty from missing sources.
    EXPECT_EQ(texts.Text(analysis::TextTable::Month, {"子", "水"}), std::nullopt);
}

TEST(DatabaseTextSource, AnAnalysisOverTheShippedDatabaseHasEveryParagraph) {
    const auto connection = OpenShipped();
    const DatabaseTextSource texts(connection.get());
    const analysis::Analysis a =
        analysis::Analyze(chart::ComputeChart({1975, 1, 1, 12, 0, chart::Sex::Male}), {2024, 2025}, texts);
    for (const std::string* t : {&a.strength.text, &a.pattern.text, &a.useful.text, &a.month.text})
        EXPECT_FALSE(t->empty());
    for (const auto* list : {&a.luck, &a.years})
        for (const analysis::FortuneFinding& f : *list) EXPECT_FALSE(f.text.empty());
    for (const analysis::ShenshaFinding& s : a.shensha)
        EXPECT_EQ(s.text.empty(), s.positions.empty()) << s.name;
}
