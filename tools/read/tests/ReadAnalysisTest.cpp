// karvuto-read --analysis, --pillars and --person: the analysis after the
// reading in text and JSON, the years by the clock, four pillars analysed
// alone, the refusals that name the rule, and a saved person read as typed.
#include <gtest/gtest.h>

#include <chrono>
#include <nlohmann/json.hpp>
#include <sstream>

#include "Clock.h"
#include "ComposerTestDb.h"
#include "PeopleStore.h"
#include "ReadCommand.h"

namespace {

const std::map<std::string, std::string> kAnalysisTestData = {
    {"bazi0.tsv", "type\tamount\n"},       {"bazi1.tsv", "Amount\tmeaning\n"},
    {"bazi2.tsv", "day\ttime\tmeaning\n"}, {"bazi3.tsv", "year\tmeaning\n"},
    {"bazi4.tsv", "month\tmeaning\n"},     {"bazi5.tsv", "day\tmeaning\n"},
    {"bazi6.tsv", "time\tmeaning\n"},
};

// The sections' titles as the terminal prints them.
const char* const kBirthSections[] = {"一、日主旺衰", "二、格局", "三、用神喜忌", "四、月令",
                                      "五、大运",     "六、流年", "七、总评",     "八、神煞（参考）"};
const char* const kPillarSections[] = {"一、日主旺衰", "二、格局", "三、用神喜忌", "四、月令",
                                       "五、神煞（参考）"};

class ReadAnalysis : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_db = new ComposerTestDb(kAnalysisTestData); }
    static void TearDownTestSuite() {
        delete s_db;
        s_db = nullptr;
    }
    void SetUp() override {
        using namespace std::chrono;
        const auto noon = sys_days{year{2026} / 6 / 1} + hours{4};  // 2026-06-01 12:00 in China
        platform::SetClockForTesting([noon] { return platform::Clock::time_point{noon}; });
        m_dir = std::filesystem::temp_directory_path() /
                ("karvuto-read-analysis-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override {
        platform::SetClockForTesting({});
        std::filesystem::remove_all(m_dir);
    }
    int Run(std::vector<std::string> args) {
        m_out.str({});
        m_err.str({});
        return RunReadCommand(args, s_db->File(), m_out, m_err);
    }

    static ComposerTestDb* s_db;
    std::filesystem::path m_dir;
    std::ostringstream m_out;
    std::ostringstream m_err;
};
ComposerTestDb* ReadAnalysis::s_db = nullptr;

TEST_F(ReadAnalysis, TextFollowsTheReadingWithEverySectionInOrder) {
    ASSERT_EQ(Run({"--name", "张三", "--solar", "1988-07-01", "--hour", "13", "--analysis"}), kExitReading)
        << m_err.str();
    const std::string out = m_out.str();
    const std::size_t title = out.find("\n命局分析  戊辰 戊午 丁巳 丙午\n");
    ASSERT_NE(title, std::string::npos) << out;
    EXPECT_NE(out.find("您的尊姓大名"), std::string::npos);
    EXPECT_LT(out.find("您的尊姓大名"), title);
    std::size_t at = title;
    for (const char* section : kBirthSections) {
        const std::size_t found = out.find(std::string("\n") + section, at);
        ASSERT_NE(found, std::string::npos) << section << "\n" << out;
        at = found;
    }
    // The years are this year by the clock and the next two.
    for (const char* year : {"2026年", "2027年", "2028年"})
        EXPECT_NE(out.find(year, title), std::string::npos);
    // Without --chart, no chart.
    EXPECT_EQ(out.find("八字排盘"), std::string::npos);
}

TEST_F(ReadAnalysis, JsonHasTheAnalysisObjectBesideTheReading) {
    ASSERT_EQ(Run({"--name", "张三", "--solar", "1988-07-01", "--hour", "13", "--analysis", "--json"}),
              kExitReading)
        << m_err.str();
    const nlohmann::json json = nlohmann::json::parse(m_out.str());
    EXPECT_TRUE(json.contains("sections"));
    EXPECT_FALSE(json.contains("chart"));
    const nlohmann::json& a = json.at("analysis");
    for (const char* key :
         {"pillars", "hasLuck", "strength", "pattern", "useful", "month", "luckMethod", "luck", "yearsMethod",
          "years", "summaryMethod", "summary", "shenshaMethod", "shensha"})
        EXPECT_TRUE(a.contains(key)) << key;
    EXPECT_EQ(a.at("pillars"), nlohmann::json({"戊辰", "戊午", "丁巳", "丙午"}));
    EXPECT_TRUE(a.at("hasLuck").get<bool>());
    ASSERT_EQ(a.at("years").size(), 3u);
    EXPECT_EQ(a.at("years")[0].at("year"), 2026);
    EXPECT_EQ(a.at("years")[2].at("year"), 2028);
    EXPECT_EQ(a.at("years")[0].at("age"), 2026 - 1988 + 1);  // nominal
}

TEST_F(ReadAnalysis, PillarsAloneHaveNoLuckAndNoYears) {
    ASSERT_EQ(Run({"--pillars", "甲子 丙寅 戊辰 壬子"}), kExitReading) << m_err.str();
    const std::string out = m_out.str();
    EXPECT_EQ(out.rfind("命局分析  甲子 丙寅 戊辰 壬子\n", 0), 0u) << out;
    std::size_t at = 0;
    for (const char* section : kPillarSections) {
        const std::size_t found = out.find(std::string("\n") + section, at);
        ASSERT_NE(found, std::string::npos) << section << "\n" << out;
        at = found;
    }
    EXPECT_EQ(out.find("大运"), std::string::npos);
    EXPECT_EQ(out.find("流年"), std::string::npos);

    ASSERT_EQ(Run({"--pillars=甲子丙寅戊辰壬子", "--analysis", "--json"}), kExitReading) << m_err.str();
    const nlohmann::json json = nlohmann::json::parse(m_out.str());
    EXPECT_EQ(json.at("input").at("pillars"), "甲子丙寅戊辰壬子");
    EXPECT_FALSE(json.contains("sections"));
    EXPECT_FALSE(json.at("analysis").at("hasLuck").get<bool>());
    EXPECT_TRUE(json.at("analysis").at("luck").empty());
    EXPECT_TRUE(json.at("analysis").at("years").empty());
}

TEST_F(ReadAnalysis, RefusalsNameTheRule) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    } const cases[] = {
        {{"--pillars", "甲子丙寅"}, "four stem-branch pairs"},
        {{"--pillars", "甲子丙寅戊辰壬X"}, "four stem-branch pairs"},
        {{"--pillars", "甲子丁寅戊辰壬子"}, "a yang stem goes with a yang branch"},
        {{"--pillars", "甲子戊寅戊辰壬子"}, "breaks 五虎遁"},
        {{"--pillars", "甲子丙寅戊辰戊辰"}, "breaks 五鼠遁"},
        {{"--pillars", "甲子丙寅戊辰壬子", "--name", "张三"}, "--name cannot go with --pillars"},
        {{"--pillars", "甲子丙寅戊辰壬子", "--chart"}, "--chart cannot go with --pillars"},
        {{"--pillars", "甲子丙寅戊辰壬子", "--json", "--export", "a.pdf"}, "exclude each other"},
        {{"--person", "0"}, "a positive number"},
        {{"--person", "x1"}, "a positive number"},
        {{"--person", "1", "--solar", "1988-07-01"}, "--solar cannot go with --person"},
        {{"--name", "张三", "--solar", "1988-07-01", "--store", "people.db"}, "--store"},
        {{"--name", "张三", "--solar", "1988-07-01", "--zi", "late"}, "--zi goes with --chart, --analysis"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(Run(c.args), kExitBadArguments);
        EXPECT_NE(m_err.str().find(c.message), std::string::npos) << m_err.str();
        EXPECT_EQ(m_out.str(), "");
    }
}

// A saved person reads exactly as its birth typed, the conventions included.
TEST_F(ReadAnalysis, PersonReadsAsTyped) {
    const std::filesystem::path store = m_dir / "people.db";
    people::Person p;
    p.name = "王五";
    p.sex = people::Sex::Female;
    p.year = 1988, p.month = 7, p.day = 1, p.hour = 23, p.minute = 40;
    p.place = "乌鲁木齐";
    p.longitude = 87.6;
    p.trueSolarTime = true;
    p.zi = chart::ZiHour::NextDay;
    const people::PersonId id = people::PeopleStore(store).Add(p);

    ASSERT_EQ(
        Run({"--person", std::to_string(id), "--store", store.string(), "--chart", "--analysis", "--json"}),
        kExitReading)
        << m_err.str();
    const std::string saved = m_out.str();
    ASSERT_EQ(Run({"--name", "王五", "--sex", "female", "--solar", "1988-07-01", "--hour", "23", "--minute",
                   "40", "--zi", "next-day", "--longitude", "87.6", "--chart", "--analysis", "--json"}),
              kExitReading)
        << m_err.str();
    nlohmann::json typed = nlohmann::json::parse(m_out.str());
    nlohmann::json fromStore = nlohmann::json::parse(saved);
    for (const char* key : {"conventions", "time", "pillars", "luck", "notes"})
        EXPECT_EQ(fromStore.at("chart").at(key), typed.at("chart").at(key)) << key;
    EXPECT_EQ(fromStore.at("chart").at("conventions").at("zi"), "next-day");
    EXPECT_EQ(fromStore.at("chart").at("conventions").at("timeBasis"), "true-solar");
    EXPECT_EQ(fromStore.at("analysis"), typed.at("analysis"));
    EXPECT_EQ(fromStore.at("sections"), typed.at("sections"));
    EXPECT_EQ(fromStore.at("pillars"), typed.at("pillars"));
}

TEST_F(ReadAnalysis, MissingPersonOrStoreExitsWith6AndCreatesNothing) {
    const std::filesystem::path missing = m_dir / "none.db";
    EXPECT_EQ(Run({"--person", "1", "--store", missing.string()}), kExitPersonUnavailable);
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_EQ(m_out.str(), "");

    const std::filesystem::path store = m_dir / "people.db";
    people::PeopleStore{store};
    EXPECT_EQ(Run({"--person", "7", "--store", store.string()}), kExitPersonUnavailable);
    EXPECT_NE(m_err.str().find("no saved person has the id 7"), std::string::npos) << m_err.str();
}

}  // namespace
