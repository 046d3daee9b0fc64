#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "Database.h"
#include "DatabaseTestFiles.h"
#include "DbBuilder.h"
#include "DbKeys.h"
#include "GbkCodec.h"
#include "TextCipher.h"

using dbtest::ReadFile;
using dbtest::TempDir;
using dbtest::WriteFile;
namespace fs = std::filesystem;

namespace {

// Source tables as file name -> content; bazi0 is a few weights unless replaced.
using Sources = std::map<std::string, std::string>;

const Sources kSmallSources = {
    {"bazi0.tsv", "type\tamount\n甲子\t12\n正月\t6\n初一\t5\n子时\t16\n"},
    {"bazi1.tsv", "Amount\tmeaning\n39\t三两九钱的一生。\n"},
    // 戊 with 甲子 and 戊午 with 甲子: the 晚子时 at 23:00 takes the next day's 子 stem.
    {"bazi2.tsv",
     "day\ttime\tmeaning\n甲\t甲子\t甲日子时。\n甲子\t丙寅\t甲子日丙寅时。\n戊\t甲子\t戊日晚子时。\n"
     "戊午\t甲子\t戊午日晚子时。\n"},
    {"bazi3.tsv", "year\tmeaning\n甲子\t海中金，鼠年。\n"},
    {"bazi4.tsv", "month\tmeaning\n冬月\t冬月生人。\n"},
};

void WriteSources(const fs::path& dir, const Sources& sources) {
    fs::create_directories(dir);
    for (const auto& [name, content] : sources) WriteFile(dir / name, content);
}

// The complete bone weights: 60 + 12 + 30 + 12 names, lightest totals 21,
// heaviest 71, as in the shipped data's range.
std::string FullWeights() {
    std::string tsv = "type\tamount\n";
    for (auto kind :
         {dbkeys::NameKind::Year, dbkeys::NameKind::Month, dbkeys::NameKind::Day, dbkeys::NameKind::Hour}) {
        const auto names = dbkeys::NamesOf(kind);
        // Each kind's first name is its lightest, its last the heaviest.
        const int low[] = {6, 5, 5, 5}, high[] = {21, 18, 16, 16};
        const auto k = static_cast<std::size_t>(kind);
        for (std::size_t i = 0; i < names.size(); ++i)
            tsv += names[i] + "\t" +
                   std::to_string(i == 0                  ? low[k]
                                  : i + 1 == names.size() ? high[k]
                                                          : 8) +
                   "\n";
    }
    return tsv;
}

std::string Meaning(Connection& connection, const std::string& utf8Query) {
    auto rs = RunQuery(&connection, platform::Gbk(utf8Query));
    if (rs->IsEOF()) return "(none)";
    return rs->Collect("meaning").ToText();
}

TEST(DbBuilder, RoundTripsEveryTextToItsGbkBytes) {
    TempDir dir;
    WriteSources(dir / "src", kSmallSources);
    BuildDatabase(dir / "src", dir / "out" / "Karvuto.mdb");
    Connection connection;
    connection.Open(dbtest::ConnectionString(dir / "out" / "Karvuto.mdb"), "", "", 0);
    struct Case {
        const char* query;
        const char* text;
    } const cases[] = {
        {"select * from bazi1 where Amount = 39", "三两九钱的一生。"},
        {R"(select * from bazi2 where day = "甲" and time ="甲子")", "甲日子时。"},
        {R"(select * from bazi2 where day = "甲子" and time ="丙寅")", "甲子日丙寅时。"},
        {R"(select * from bazi2 where day = "戊" and time ="甲子")", "戊日晚子时。"},
        {R"(select * from bazi2 where day = "戊午" and time ="甲子")", "戊午日晚子时。"},
        {R"(select * from bazi3 where year = "甲子")", "海中金，鼠年。"},
        {R"(select * from bazi4 where month = "冬月")", "冬月生人。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query);
        const std::string stored = Meaning(connection, c.query);
        EXPECT_EQ(stored, EncodeText(platform::Gbk(c.text)));
        EXPECT_EQ(DecodeText(stored), platform::Gbk(c.text));
    }
    auto weight = RunQuery(&connection, platform::Gbk(R"(select * from bazi0 where type = "子时")"));
    EXPECT_EQ(weight->Collect("amount").ToInt32(), 16);
    // Tables without a source file are there and empty.
    EXPECT_EQ(Meaning(connection, R"(select * from bazi5 where day = "初一")"), "(none)");
    EXPECT_EQ(Meaning(connection, R"(select * from bazi6 where time = "子时")"), "(none)");
}

TEST(DbBuilder, SameSourcesGiveTheSameBytes) {
    TempDir dir;
    WriteSources(dir / "src", kSmallSources);
    BuildDatabase(dir / "src", dir / "a.mdb");
    BuildDatabase(dir / "src", dir / "b.mdb");
    const std::string a = ReadFile(dir / "a.mdb");
    EXPECT_FALSE(a.empty());
    EXPECT_TRUE(a == ReadFile(dir / "b.mdb"));
    // Rebuilding over an existing file gives the same bytes again.
    BuildDatabase(dir / "src", dir / "a.mdb");
    EXPECT_TRUE(a == ReadFile(dir / "a.mdb"));
    // The shipped sources too.
    BuildDatabase(KARVUTO_DB_DATA_DIR, dir / "shipped.mdb");
    EXPECT_TRUE(ReadFile(dir / "shipped.mdb") == ReadFile(KARVUTO_DB_PATH));
}

TEST(DbBuilder, RefusesBadSourcesNamingFileAndLine) {
    const std::string longest(kStoredTextMaxChars / 2, 'a');
    struct Case {
        const char* name;
        Sources change;       // files replacing those of the valid sources
        std::string message;  // expected in what(), after the folder
    } const cases[] = {
        {"name no reading produces",
         {{"bazi0.tsv", "type\tamount\n甲丑\t12\n"}},
         "bazi0.tsv:2: \"甲丑\" is not"},
        {"month spelled otherwise", {{"bazi0.tsv", "type\tamount\n十一月\t9\n"}}, "bazi0.tsv:2:"},
        {"duplicate weight",
         {{"bazi0.tsv", "type\tamount\n甲子\t12\n乙丑\t9\n甲子\t12\n"}},
         "bazi0.tsv:4: duplicate key 甲子 (first on line 2)"},
        {"weight not a number", {{"bazi0.tsv", "type\tamount\n甲子\t十二\n"}}, "bazi0.tsv:2: the weight"},
        {"weight with a fraction", {{"bazi0.tsv", "type\tamount\n甲子\t1.5\n"}}, "bazi0.tsv:2: the weight"},
        {"weight of zero", {{"bazi0.tsv", "type\tamount\n甲子\t0\n"}}, "bazi0.tsv:2: the weight"},
        {"wrong header", {{"bazi0.tsv", "type\tweight\n甲子\t12\n"}}, "bazi0.tsv:1: the header row"},
        {"no header", {{"bazi0.tsv", ""}}, "bazi0.tsv: the file has no header row"},
        {"a cell too many", {{"bazi3.tsv", "year\tmeaning\n甲子\t一\t二\n"}}, "bazi3.tsv:2: expected 2"},
        {"total below the lightest",
         {{"bazi0.tsv", FullWeights()}, {"bazi1.tsv", "Amount\tmeaning\n20\t轻。\n"}},
         "bazi1.tsv:2: no reading has the total weight 20; the weights of bazi0 allow 21 to 71"},
        {"total above the heaviest",
         {{"bazi0.tsv", FullWeights()}, {"bazi1.tsv", "Amount\tmeaning\n21\t轻。\n72\t重。\n"}},
         "bazi1.tsv:3: no reading has the total weight 72"},
        {"total not a number", {{"bazi1.tsv", "Amount\tmeaning\n三十九\t文。\n"}}, "bazi1.tsv:2:"},
        {"day neither stem nor pillar",
         {{"bazi2.tsv", "day\ttime\tmeaning\n甲丑\t甲子\t文。\n"}},
         "bazi2.tsv:2:"},
        {"hour pillar of another day stem",
         {{"bazi2.tsv", "day\ttime\tmeaning\n甲子\t乙卯\t文。\n"}},
         "bazi2.tsv:2: the hour pillar 乙卯 never falls on a day of 甲"},
        // 丙子 is the 子 of 乙 and 庚 days: neither the 戊 day's own 子 (壬子) nor its late one (甲子).
        {"子 pillar of neither the day nor the next day",
         {{"bazi2.tsv", "day\ttime\tmeaning\n戊\t丙子\t文。\n"}},
         "bazi2.tsv:2: the hour pillar 丙子 never falls on a day of 戊"},
        {"own 子 of the day before",
         {{"bazi2.tsv", "day\ttime\tmeaning\n戊辰\t壬子\t文。\n戊午\t庚子\t文。\n"}},
         "bazi2.tsv:3: the hour pillar 庚子 never falls on a day of 戊"},
        {"hour name for an hour pillar",
         {{"bazi2.tsv", "day\ttime\tmeaning\n甲\t子时\t文。\n"}},
         "bazi2.tsv:2:"},
        {"duplicate pair",
         {{"bazi2.tsv", "day\ttime\tmeaning\n甲\t甲子\t一。\n乙\t丙子\t二。\n甲\t甲子\t三。\n"}},
         "bazi2.tsv:4: duplicate key 甲 / 甲子 (first on line 2)"},
        {"year not a pillar", {{"bazi3.tsv", "year\tmeaning\n鼠年\t文。\n"}}, "bazi3.tsv:2:"},
        {"month number", {{"bazi4.tsv", "month\tmeaning\n十三月\t文。\n"}}, "bazi4.tsv:2:"},
        {"day past thirty", {{"bazi5.tsv", "day\tmeaning\n三十一\t文。\n"}}, "bazi5.tsv:2:"},
        {"branch without 时", {{"bazi6.tsv", "time\tmeaning\n子\t文。\n"}}, "bazi6.tsv:2:"},
        {"text without GBK form",
         {{"bazi6.tsv", "time\tmeaning\n子时\t好运😀来\n"}},
         "bazi6.tsv:2: the text has no GBK form: \"😀\""},
        {"text over the stored limit",
         {{"bazi6.tsv", "time\tmeaning\n子时\t" + longest + "b\n"}},
         "bazi6.tsv:2: the text is 5121 GBK bytes"},
        {"empty text", {{"bazi6.tsv", "time\tmeaning\n子时\t\n"}}, "bazi6.tsv:2: the text is empty"},
        {"control character",
         {{"bazi6.tsv", "time\tmeaning\n子时\t一\x01二\n"}},
         "bazi6.tsv:2: the text holds a control"},
        // A quoted cell is shown escaped and cut, never as raw bytes.
        {"key with terminal controls and bad UTF-8",
         {{"bazi3.tsv", "year\tmeaning\n\x1B[2J\xFF甲\t文。\n"}},
         "bazi3.tsv:2: \"\\x1B[2J\\xFF甲\" is not a year pillar"},
        {"huge key",
         {{"bazi5.tsv", "day\tmeaning\n" + std::string(100000, 'x') + "\t文。\n"}},
         "bazi5.tsv:2: \"" + std::string(200, 'x') + "...(99800 more bytes)\" is not"},
        {"wrong header with a control",
         {{"bazi6.tsv", "time\x07\tmeaning\n"}},
         "bazi6.tsv:1: the header row must be \"time<TAB>meaning\", not \"time\\x07<TAB>meaning\""},
        {"analysis key no finding has",
         {{"analysis_pattern.tsv", "pattern\tstate\tmeaning\n从杀格\t败\t文。\n"}},
         "analysis_pattern.tsv:2: no analysis finding has the key \"从杀格 / 败\""},
        {"analysis key of another table",
         {{"analysis_strength.tsv", "band\tmeaning\n正官格\t文。\n"}},
         "analysis_strength.tsv:2: no analysis finding has the key \"正官格\""},
        {"duplicate analysis key",
         {{"analysis_month.tsv", "branch\telement\tmeaning\n子\t水\t一。\n子\t水\t二。\n"}},
         "analysis_month.tsv:3: duplicate key 子 / 水 (first on line 2)"},
        {"analysis header",
         {{"analysis_fortune.tsv", "god\tstance\tmeaning\n"}},
         "analysis_fortune.tsv:1: the header row must be \"part<TAB>god<TAB>stance<TAB>meaning\""},
        {"analysis text without GBK form",
         {{"analysis_shensha.tsv", "star\tmeaning\n文昌\t好😀\n"}},
         "analysis_shensha.tsv:2: the text has no GBK form"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        Sources sources = kSmallSources;
        for (const auto& [file, content] : c.change) sources[file] = content;
        WriteSources(dir / "src", sources);
        // An earlier build stays as it was when the new one is refused.
        WriteFile(dir / "Karvuto.mdb", "earlier");
        try {
            BuildDatabase(dir / "src", dir / "Karvuto.mdb");
            ADD_FAILURE() << "accepted";
        } catch (const DbBuildError& e) {
            EXPECT_NE(std::string(e.what()).find((dir / "src").string() + "/" + c.message), std::string::npos)
                << e.what();
        }
        EXPECT_EQ(ReadFile(dir / "Karvuto.mdb"), "earlier");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()),
                  2);  // src + file
    }
}

TEST(DbBuilder, AcceptsTheBoundariesAndTheFileConventions) {
    TempDir dir;
    Sources sources = kSmallSources;
    sources["bazi0.tsv"] = FullWeights();
    // Lightest and heaviest totals, a text of exactly the stored limit, a
    // byte-order mark, CR LF line ends and an empty line.
    sources["bazi1.tsv"] =
        "\xEF\xBB\xBF"
        "Amount\tmeaning\r\n21\t轻。\r\n\r\n71\t" +
        std::string(kStoredTextMaxChars / 2, 'a') + "\r\n";
    WriteSources(dir / "src", sources);
    BuildDatabase(dir / "src", dir / "Karvuto.mdb");
    Connection connection;
    connection.Open(dbtest::ConnectionString(dir / "Karvuto.mdb"), "", "", 0);
    EXPECT_EQ(DecodeText(Meaning(connection, "select * from bazi1 where Amount = 21")),
              platform::Gbk("轻。"));
    EXPECT_EQ(Meaning(connection, "select * from bazi1 where Amount = 71").size(), kStoredTextMaxChars);
}

TEST(DbBuilder, RefusesAMissingFolderOrWeights) {
    TempDir dir;
    EXPECT_THROW(BuildDatabase(dir / "nowhere", dir / "Karvuto.mdb"), DbBuildError);
    WriteSources(dir / "src", {{"bazi1.tsv", "Amount\tmeaning\n"}});
    try {
        BuildDatabase(dir / "src", dir / "Karvuto.mdb");
        ADD_FAILURE() << "accepted";
    } catch (const DbBuildError& e) {
        EXPECT_NE(std::string(e.what()).find("bazi0.tsv: the bone weights are missing"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(dir / "Karvuto.mdb"));
}

TEST(DbBuilder, ShippedWeightsCoverEveryName) {
    Connection connection;
    connection.Open(dbtest::ConnectionString(KARVUTO_DB_PATH), "", "", 0);
    EXPECT_EQ(RunQuery(&connection, "select count(*) as n from bazi0")->Collect("n").ToInt32(), 114);
    int lightest = 0, heaviest = 0;
    for (auto kind :
         {dbkeys::NameKind::Year, dbkeys::NameKind::Month, dbkeys::NameKind::Day, dbkeys::NameKind::Hour}) {
        int low = 1000, high = 0;
        for (const auto& name : dbkeys::NamesOf(kind)) {
            SCOPED_TRACE(name);
            auto rs =
                RunQuery(&connection, platform::Gbk("select * from bazi0 where type = \"" + name + "\""));
            ASSERT_FALSE(rs->IsEOF());
            const int w = rs->Collect("amount").ToInt32();
            low = std::min(low, w);
            high = std::max(high, w);
        }
        lightest += low;
        heaviest += high;
    }
    // The traditional range: 二两一钱 to 七两一钱.
    EXPECT_EQ(lightest, 21);
    EXPECT_EQ(heaviest, 71);
    // Every weight as the fact tables give it.
    int checked = 0;
    for (const char* facts :
         {"weights_year.tsv", "weights_month.tsv", "weights_day.tsv", "weights_hour.tsv"}) {
        std::ifstream in(std::string(KARVUTO_DB_DATA_DIR) + "/facts/" + facts);
        ASSERT_TRUE(in) << facts;
        std::string name;
        int weight = 0;
        while (in >> name >> weight) {
            SCOPED_TRACE(name);
            ++checked;
            EXPECT_EQ(
                RunQuery(&connection, platform::Gbk("select * from bazi0 where type = \"" + name + "\""))
                    ->Collect("amount")
                    .ToInt32(),
                weight);
        }
    }
    EXPECT_EQ(checked, 114);
}

}  // namespace
