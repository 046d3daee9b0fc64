// karvuto-read --chart: the chart options, the chart after the plain reading
// and the "chart" object of the JSON reading.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "ComposerTestDb.h"
#include "ReadCommand.h"

namespace {

const std::map<std::string, std::string> kChartTestData = {
    {"bazi0.tsv", "type\tamount\n甲寅\t12\n冬月\t9\n十九\t5\n子时\t16\n"},
    {"bazi1.tsv", "Amount\tmeaning\n42\t四两二钱之命。\n"},
    {"bazi2.tsv", "day\ttime\tmeaning\n"},
    {"bazi3.tsv", "year\tmeaning\n"},
    {"bazi4.tsv", "month\tmeaning\n"},
    {"bazi5.tsv", "day\tmeaning\n"},
    {"bazi6.tsv", "time\tmeaning\n"},
};

class ReadChart : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_db = new ComposerTestDb(kChartTestData); }
    static void TearDownTestSuite() {
        delete s_db;
        s_db = nullptr;
    }
    int Run(std::vector<std::string> args) {
        m_out.str({});
        m_err.str({});
        return RunReadCommand(args, s_db->File(), m_out, m_err);
    }
    static std::vector<std::string> Birth(std::vector<std::string> more) {
        std::vector<std::string> args = {"--name", "张三", "--solar", "1975-01-01"};
        args.insert(args.end(), more.begin(), more.end());
        return args;
    }

    static ComposerTestDb* s_db;
    std::ostringstream m_out;
    std::ostringstream m_err;
};
ComposerTestDb* ReadChart::s_db = nullptr;

TEST_F(ReadChart, BadChartOptionsAreRefusedBeforeAnythingIsPrinted) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    } const cases[] = {
        {{"--minute", "60"}, "--minute must be a minute 0-59"},
        {{"--minute", "-1"}, "--minute must be a minute 0-59"},
        {{"--minute", "5m"}, "--minute must be a minute 0-59"},
        {{"--chart", "--zi", "early"}, "--zi must be late, next-day or same-day"},
        {{"--chart", "--longitude", "180.5"}, "--longitude must be degrees from -180 to 180"},
        {{"--chart", "--longitude", "-181"}, "--longitude must be degrees from -180 to 180"},
        {{"--chart", "--longitude", "1e2"}, "--longitude must be degrees"},
        {{"--chart", "--longitude", "nan"}, "--longitude must be degrees"},
        {{"--chart", "--longitude", "北平"}, "or a provincial capital"},
        {{"--chart", "--longitude", ""}, "--longitude must be degrees"},
        {{"--zi", "late"}, "--zi goes with --chart, --analysis or --export only"},
        {{"--longitude", "116.4"}, "--longitude goes with --chart, --analysis or --export only"},
        {{"--dst-correct", "--no-dst-correct"}, "--dst-correct and --no-dst-correct exclude each other"},
        {{"--chart=yes"}, "--chart takes no value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(Run(Birth(c.args)), kExitBadArguments);
        EXPECT_NE(m_err.str().find(c.message), std::string::npos) << m_err.str();
        EXPECT_EQ(m_out.str(), "");
    }
}

TEST_F(ReadChart, PlainChartFollowsTheReading) {
    ASSERT_EQ(Run(Birth({"--chart"})), kExitReading) << m_err.str();
    const std::string out = m_out.str();
    const std::size_t chart = out.find("\n\n排盘  1975-01-01 00:00 钟表时间\n");
    ASSERT_NE(chart, std::string::npos) << out;
    EXPECT_LT(out.find("    您的八字: 甲寅  丙子  丁未  庚子"), chart);
    for (const char* line :
         {"约定  子时：晚子时；时间：钟表时间；夏令时：出生时不在夏令时\n",
          "十神      正印        劫财        日主        正财\n", "胎元    丁卯\n命宫    己巳\n",
          "节气    大雪 1974-12-07 20:04:36 至 小寒 1975-01-06 07:17:30\n", "小运    1975(1岁)辛丑\n",
          "大运    顺行，出生后 1 年 9 月 6 天 10 时起运，1976-10-07 10:00 交运\n"}) {
        EXPECT_NE(out.find(line), std::string::npos) << line;
    }
    // Without --chart the reading alone, as before.
    ASSERT_EQ(Run(Birth({"--minute", "30"})), kExitReading);
    EXPECT_EQ(m_out.str().find("排盘"), std::string::npos);
}

TEST_F(ReadChart, JsonChartHasTheDocumentedShape) {
    ASSERT_EQ(Run(Birth({"--sex", "female", "--hour", "7", "--minute", "45", "--chart", "--json"})),
              kExitReading)
        << m_err.str();
    const auto json = nlohmann::json::parse(m_out.str());
    EXPECT_EQ(json["input"]["minute"], 45);
    EXPECT_EQ(json["pillars"]["day"], "丁未");  // the reading is still there
    const auto& c = json["chart"];
    EXPECT_EQ(c["conventions"], nlohmann::json({{"zi", "late"},
                                                {"timeBasis", "clock"},
                                                {"longitude", nullptr},
                                                {"dstCorrect", true},
                                                {"summerTime", "standard"}}));
    ASSERT_EQ(c["pillars"].size(), 4u);
    EXPECT_EQ(c["pillars"][0],
              nlohmann::json::parse(R"({"position": "year", "pillar": "甲寅", "stem": "甲", "branch": "寅",
                "tenGod": "正印", "hidden": [{"stem": "甲", "tenGod": "正印"}, {"stem": "丙", "tenGod": "劫财"},
                {"stem": "戊", "tenGod": "伤官"}], "nayin": "大溪水", "stage": "死", "selfStage": "临官",
                "xunkong": "子丑"})"));
    EXPECT_EQ(c["pillars"][2]["tenGod"], "日主");
    EXPECT_EQ(c["pillars"][3]["pillar"], "甲辰");  // 07:45 is the 辰 hour of a 丁 day
    EXPECT_EQ(c["elements"].size(), 5u);
    EXPECT_TRUE(c["missing"].is_array());
    EXPECT_EQ(c["relations"][0], nlohmann::json::parse(R"({"kind": "半会", "members": "寅辰",
                "pillars": ["year", "hour"], "element": "木"})"));
    EXPECT_EQ(c["relations"][1],
              nlohmann::json({{"kind", "六害"}, {"members", "子未"}, {"pillars", {"month", "day"}}}));
    EXPECT_EQ(c["taiyuan"], "丁卯");
    EXPECT_EQ(c["terms"]["previous"], nlohmann::json({{"name", "大雪"}, {"time", "1974-12-07 20:04:36"}}));
    EXPECT_EQ(c["terms"]["next"]["name"], "小寒");
    EXPECT_EQ(c["otherSidePillars"], nullptr);
    // Female, 阳 year: backward from 1974-12-07 20:04:36 to 1975-01-01 07:45,
    // 35260 minutes: 2938 days of life and 4 minutes (8 hours).
    EXPECT_EQ(c["luck"]["direction"], "backward");
    EXPECT_EQ(c["luck"]["start"], nlohmann::json({{"years", 8}, {"months", 1}, {"days", 28}, {"hours", 8}}));
    EXPECT_EQ(c["luck"]["startDate"], "1983-03-01");  // 1983-02-01 07:45, 28 days and 8 hours on
    ASSERT_EQ(c["luck"]["pillars"].size(), 10u);
    EXPECT_EQ(c["luck"]["pillars"][0]["pillar"], "乙亥");
    EXPECT_EQ(c["luck"]["pillars"][0]["tenGod"], "偏印");
    EXPECT_EQ(c["luck"]["pillars"][0]["startAge"], 9);  // nominal: 1983 - 1975 + 1
    EXPECT_EQ(c["luck"]["pillars"][0]["startYear"], 1983);
    EXPECT_EQ(c["luck"]["pillars"][0]["years"][0], nlohmann::json({{"year", 1983}, {"pillar", "癸亥"}}));
    EXPECT_EQ(c["notes"], nlohmann::json::array({"岁数为虚岁：公历年份减出生年份加一"}));
}

// A lunar birth is charted on its Gregorian date; the conventions are stated
// and their notes given.
TEST_F(ReadChart, LunarBirthWithEveryConvention) {
    ASSERT_EQ(Run({"--name", "李四", "--lunar", "1990-05-10", "--leap", "--hour", "23", "--minute", "30",
                   "--chart", "--json", "--zi", "late", "--longitude", "北京", "--dst-correct"}),
              kExitReading)
        << m_err.str();
    const auto c = nlohmann::json::parse(m_out.str())["chart"];
    EXPECT_EQ(c["conventions"]["zi"], "late");
    EXPECT_EQ(c["conventions"]["timeBasis"], "true-solar");
    EXPECT_EQ(c["conventions"]["longitude"], 116.4);
    EXPECT_EQ(c["conventions"]["summerTime"], "summer");
    EXPECT_EQ(c["time"]["clock"], "1990-07-02 23:30:00");
    EXPECT_EQ(c["time"]["standard"], "1990-07-02 22:30:00");
    EXPECT_EQ(c["time"]["chart"].get<std::string>().substr(0, 13), "1990-07-02 22");
    EXPECT_EQ(c["pillars"][3]["branch"], "亥");
    ASSERT_EQ(c["notes"].size(), 3u);
    EXPECT_NE(c["notes"][0].get<std::string>().find("夏令时"), std::string::npos);
    EXPECT_NE(c["notes"][1].get<std::string>().find("真太阳时"), std::string::npos);
    EXPECT_EQ(c["notes"][2], "岁数为虚岁：公历年份减出生年份加一");
}

}  // namespace
