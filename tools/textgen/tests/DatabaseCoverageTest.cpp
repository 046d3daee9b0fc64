// Every key the calendar engine can hand to a reading finds its text in the
// built Karvuto.mdb through the reading's own query texts, and the stored text
// decodes to exactly the source text.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>

#include "Database.h"
#include "GbkCodec.h"
#include "ReadingKeys.h"
#include "TextCipher.h"
#include "TsvTable.h"

using platform::ReadFileBytes;
using platform::ReadTsv;
using platform::TsvTable;

using namespace reading;

namespace {

const std::filesystem::path kDir = KARVUTO_DBDATA_DIR;

// The stored form back to GBK bytes: hex pairs XOR the position key, up to a zero byte.
std::string Decode(const std::string& stored) {
    std::string out;
    for (std::size_t i = 0; i + 1 < stored.size(); i += 2) {
        const auto byte = static_cast<char>(std::stoi(stored.substr(i, 2), nullptr, 16) ^ TextKey(i / 2));
        if (byte == 0) break;
        out.push_back(byte);
    }
    return out;
}

class DatabaseCoverage : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(KARVUTO_DB_PATH)) GTEST_SKIP() << "no " << KARVUTO_DB_PATH;
        char connection[600];
        std::snprintf(connection, sizeof connection, kConnectionStringFormat, KARVUTO_DB_PATH);
        m_db.Open(connection, "", "", 0);
    }

    // The decoded UTF-8 text the query finds, "" when it finds no row or NULL.
    std::string Lookup(const std::string& utf8Sql) {
        RecordsetPtr rs = RunQuery(&m_db, platform::Gbk(utf8Sql));
        if (rs->IsEOF()) return "";
        const Variant v = rs->Collect("meaning");
        return v.IsNull() ? "" : platform::Utf8(Decode(v.ToText()));
    }

    // Source text by key (the key columns joined with "|").
    static std::map<std::string, std::string> Source(const char* file) {
        const TsvTable t = ReadTsv(kDir / file);
        std::map<std::string, std::string> m;
        for (const auto& r : t.rows) {
            std::string key = r[0];
            for (std::size_t i = 1; i + 1 < r.size(); ++i) key += "|" + r[i];
            m[key] = r.back();
        }
        return m;
    }

    void ExpectText(const std::string& sql, const std::map<std::string, std::string>& source,
                    const std::string& key) {
        SCOPED_TRACE(sql);
        const std::string text = Lookup(sql);
        EXPECT_FALSE(text.empty());
        const auto it = source.find(key);
        ASSERT_NE(it, source.end());
        EXPECT_EQ(text, it->second);
    }

    Connection m_db;
};

}  // namespace

TEST_F(DatabaseCoverage, EveryEngineKeyFindsItsSourceTextThroughTheReadingQueries) {
    const ReadingKeys& k = EngineKeys();
    const auto bazi2 = Source("bazi2.tsv");
    for (const auto& [day, time] : k.stemHours)
        ExpectText("select * from bazi2 where day = \"" + day + "\" and time =\"" + time + "\"", bazi2,
                   day + "|" + time);
    for (const auto& [day, time] : k.pillarHours)
        ExpectText("select * from bazi2 where day = \"" + day + "\" and time =\"" + time + "\"", bazi2,
                   day + "|" + time);
    const auto bazi3 = Source("bazi3.tsv");
    for (const std::string& y : k.years)
        ExpectText("select * from bazi3 where year = \"" + y + "\"", bazi3, y);
    const auto bazi4 = Source("bazi4.tsv");
    for (const std::string& m : k.months)
        ExpectText("select * from bazi4 where month = \"" + m + "\"", bazi4, m);
    const auto bazi5 = Source("bazi5.tsv");
    for (const std::string& d : k.days) ExpectText("select * from bazi5 where day = \"" + d + "\"", bazi5, d);
    const auto bazi6 = Source("bazi6.tsv");
    for (const std::string& h : k.hours)
        ExpectText("select * from bazi6 where time = \"" + h + "\"", bazi6, h);
}

TEST_F(DatabaseCoverage, EveryReachableTotalFindsItsText) {
    std::map<std::string, int> weights;
    for (const auto& r : ReadTsv(kDir / "bazi0.tsv").rows) weights[r[0]] = std::stoi(r[1]);
    const auto bazi1 = Source("bazi1.tsv");
    for (int total : ReachableTotals(weights))
        ExpectText("select * from bazi1 where Amount = " + std::to_string(total), bazi1,
                   std::to_string(total));
}
