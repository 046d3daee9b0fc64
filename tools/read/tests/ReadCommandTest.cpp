// karvuto-read end to end: arguments, exit statuses, messages, the plain and
// JSON readings, and the local clock behind the age and the time line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>

#include "Clock.h"
#include "ComposerTestDb.h"
#include "GbkCodec.h"
#include "ReadCommand.h"
#include "TextCipher.h"

namespace {

const std::map<std::string, std::string> kTestData = {
    {"bazi0.tsv", "type\tamount\n甲寅\t12\n冬月\t9\n十九\t5\n子时\t16\n庚午\t9\n五月\t5\n初十\t16\n"},
    {"bazi1.tsv", "Amount\tmeaning\n42\t四两二钱之命。\n"},
    {"bazi2.tsv", "day\ttime\tmeaning\n丁\t庚子\t丁日庚子时。\n丁未\t庚子\t丁未日庚子时。\n"},
    {"bazi3.tsv", "year\tmeaning\n甲寅\t甲寅年生。\n"},
    {"bazi4.tsv", "month\tmeaning\n冬月\t冬月生人。\n五月\t五月生人。\n"},
    {"bazi5.tsv", "day\tmeaning\n十九\t十九日生。\n"},
    {"bazi6.tsv", "time\tmeaning\n子时\t子时生人。\n"},
};

// Pins the clock to a UTC instant and the time zone to China's for a test.
class ReadCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_db = new ComposerTestDb(kTestData); }
    static void TearDownTestSuite() {
        delete s_db;
        s_db = nullptr;
    }
    void SetUp() override {
        if (const char* tz = std::getenv("TZ")) m_oldTz = tz;
        setenv("TZ", "Asia/Shanghai", 1);
        PinUtc(2026, 12, 8, 1, 5, 3);  // 09:05:03 in China
    }
    void TearDown() override {
        platform::SetClockForTesting({});
        if (m_oldTz) {
            setenv("TZ", m_oldTz->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
    }
    static void PinUtc(int y, int mo, int d, int h, int mi, int s) {
        using namespace std::chrono;
        const auto t = sys_days{year{y} / mo / d} + hours{h} + minutes{mi} + seconds{s};
        platform::SetClockForTesting([t] { return platform::Clock::time_point{t}; });
    }
    int Run(std::vector<std::string> args, const std::filesystem::path& db = s_db->File()) {
        m_out.str({});
        m_err.str({});
        return RunReadCommand(args, db, m_out, m_err);
    }

    static ComposerTestDb* s_db;
    std::optional<std::string> m_oldTz;
    std::ostringstream m_out;
    std::ostringstream m_err;
};
ComposerTestDb* ReadCommand::s_db = nullptr;

TEST_F(ReadCommand, BadArgumentsExitWith2) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        const char* message;  // part of what is printed
    };
    const Case cases[] = {
        {"no arguments", {}, "--name is required"},
        {"empty name", {"--name", "", "--solar", "1975-01-01"}, "请输入您的姓名!"},
        {"name of 11 GBK bytes", {"--name", "欧阳春花雨a", "--solar", "1975-01-01"}, "at most 10"},
        {"name GBK cannot encode", {"--name", "张😀", "--solar", "1975-01-01"}, "GBK cannot encode"},
        {"name not UTF-8", {"--name", "\xFF", "--solar", "1975-01-01"}, "GBK cannot encode"},
        {"name with a line feed", {"--name", "张\n三", "--solar", "1975-01-01"}, "control characters"},
        {"no date", {"--name", "张三"}, "exactly one of"},
        {"two dates", {"--name", "张三", "--solar", "1975-01-01", "--lunar", "1975-01-01"}, "exactly one of"},
        {"leap with a solar date", {"--name", "张三", "--solar", "1975-01-01", "--leap"}, "--leap"},
        {"bad sex", {"--name", "张三", "--sex", "f", "--solar", "1975-01-01"}, "male or female"},
        {"hour 24", {"--name", "张三", "--solar", "1975-01-01", "--hour", "24"}, "0-23"},
        {"negative hour", {"--name", "张三", "--solar", "1975-01-01", "--hour", "-1"}, "0-23"},
        {"hour not a number", {"--name", "张三", "--solar", "1975-01-01", "--hour", "3pm"}, "0-23"},
        {"malformed date", {"--name", "张三", "--solar", "1975/01/01"}, "YYYY-MM-DD"},
        {"date with trailing text", {"--name", "张三", "--solar", "1975-01-01x"}, "YYYY-MM-DD"},
        {"month 13", {"--name", "张三", "--solar", "1975-13-01"}, "1-12"},
        {"day 32", {"--name", "张三", "--lunar", "1975-01-32"}, "1-31"},
        {"day before the span",
         {"--name", "张三", "--solar", "1900-01-30"},
         "must lie in 1900-01-31 … 2100-12-31"},
        {"day after the span",
         {"--name", "张三", "--solar", "2101-01-01"},
         "must lie in 1900-01-31 … 2100-12-31"},
        {"lunar year after the span", {"--name", "张三", "--lunar", "2101-01-01"}, "lunar years 1900-2100"},
        {"both summer-time options",
         {"--name", "张三", "--solar", "1988-07-01", "--dst-correct", "--no-dst-correct"},
         "exclude each other"},
        {"unknown option", {"--name", "张三", "--solar", "1975-01-01", "--verbose"}, "unknown argument"},
        {"repeated option", {"--name", "张三", "--name", "李四", "--solar", "1975-01-01"}, "twice"},
        {"missing value", {"--solar", "1975-01-01", "--name"}, "needs a value"},
        {"value for a flag", {"--name", "张三", "--solar", "1975-01-01", "--json=yes"}, "takes no value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Run(c.args), kExitBadArguments);
        EXPECT_NE(m_err.str().find(c.message), std::string::npos) << m_err.str();
        EXPECT_EQ(m_out.str(), "");
    }
}

TEST_F(ReadCommand, PlainReadingIsHeaderEmptyLineBody) {
    ASSERT_EQ(Run({"--name", "张三", "--solar", "1975-01-01"}), kExitReading) << m_err.str();
    EXPECT_EQ(m_out.str(),
              "您的尊姓大名: 张三\n    您的性别: 男 \n出生年月日时:(阴历) 虎(甲寅)年   十一月十九 子时\n"
              "             (阳历) 1975年       01月01日 00时\n    您的八字: 甲寅  丙子  丁未  庚子\n"
              "    您的年龄: 52岁\n\n    测算时间: 2026年12月08日 09时05分03秒\n\n"
              "                                 ☆☆☆ 八字命理分析 ☆☆☆\n\n◆称骨论命\n"
              "    骨重：总命重42钱 [ 年命重12钱 月命重9钱 日命重5钱 时命重16钱 ]\n    四两二钱之命。\n\n"
              "◆八字论命\n丁日庚子时。\n丁未日庚子时。\n◎年命理\n甲寅年生。\n◎月命理\n冬月生人。\n"
              "◎日命理\n十九日生。\n◎时命理\n子时生人。\n");
    EXPECT_EQ(m_err.str(), "");
}

// The age and the time line come from one reading of the local clock, with
// the date carried: 16:30 UTC is already the next day in China.
TEST_F(ReadCommand, LocalTimeCarriesTheDateAndTheAge) {
    PinUtc(2026, 12, 31, 16, 30, 0);
    ASSERT_EQ(Run({"--name=张三", "--solar=1975-01-01"}), kExitReading) << m_err.str();
    EXPECT_NE(m_out.str().find("    您的年龄: 53岁\n\n    测算时间: 2027年01月01日 00时30分00秒\n"),
              std::string::npos)
        << m_out.str();
}

TEST_F(ReadCommand, InvalidDateExitsWith1) {
    EXPECT_EQ(Run({"--name", "张三", "--solar", "1975-02-31"}), kExitInvalidDate);
    EXPECT_EQ(m_err.str(), "无效的日期! 请重新输入!\n");
    EXPECT_EQ(m_out.str(), "");
    EXPECT_EQ(Run({"--name", "张三", "--lunar", "1975-03-01", "--leap"}), kExitInvalidDate);
}

TEST_F(ReadCommand, DatabaseThatCannotBeOpenedExitsWith3) {
    EXPECT_EQ(Run({"--name", "张三", "--solar", "1975-01-01", "--db", "/nonexistent/Karvuto.mdb"}),
              kExitDatabaseOpen);
    EXPECT_TRUE(m_err.str().starts_with("连接数据库失败!\n错误信息:")) << m_err.str();
    EXPECT_EQ(m_out.str(), "");
    // The default database is the one given for "beside the executable".
    EXPECT_EQ(Run({"--name", "张三", "--solar", "1975-01-01"}, "/nonexistent/Karvuto.mdb"),
              kExitDatabaseOpen);
}

TEST_F(ReadCommand, DatabaseErrorWhileReadingExitsWith4) {
    const ComposerTestDb broken(kTestData);
    broken.Tamper("UPDATE bazi0 SET amount = 'heavy' WHERE type = '冬月'");
    EXPECT_EQ(Run({"--name", "张三", "--solar", "1975-01-01", "--db", broken.File().string()}),
              kExitDatabaseRead);
    EXPECT_TRUE(m_err.str().starts_with("读取命理数据失败!\n错误信息:")) << m_err.str();
    EXPECT_EQ(m_out.str(), "");
}

TEST_F(ReadCommand, JsonReading) {
    // The clock hour is kept (--no-dst-correct): 23:00 is 晚子时, the 戊 day with the 甲子 hour.
    ASSERT_EQ(Run({"--name", "李四", "--sex", "female", "--lunar", "1990-05-10", "--leap", "--hour", "23",
                   "--no-dst-correct", "--json"}),
              kExitReading)
        << m_err.str();
    const auto json = nlohmann::json::parse(m_out.str());
    EXPECT_EQ(json["input"]["name"], "李四");
    EXPECT_EQ(json["input"]["sex"], "female");
    EXPECT_EQ(json["input"]["calendar"], "lunar");
    EXPECT_EQ(json["input"]["leap"], true);
    EXPECT_EQ(json["input"]["hour"], 23);
    EXPECT_EQ(json["solar"]["date"], "1990-07-02");
    EXPECT_EQ(json["lunar"]["month"], 5);
    EXPECT_EQ(json["lunar"]["leap"], true);
    EXPECT_EQ(json["lunar"]["text"], "马(庚午)年 闰五月初十");
    EXPECT_EQ(json["lunar"]["hourName"], "子时");
    EXPECT_EQ(json["pillars"],
              nlohmann::json({{"year", "庚午"}, {"month", "壬午"}, {"day", "戊辰"}, {"hour", "甲子"}}));
    EXPECT_EQ(json["weights"],
              nlohmann::json({{"year", 9}, {"month", 5}, {"day", 16}, {"hour", 16}, {"total", 46}}));
    EXPECT_EQ(json["zodiacSign"], "巨蟹座");
    EXPECT_EQ(json["sections"], nlohmann::json({{"boneWeight", ""},
                                                {"dayStemHour", ""},
                                                {"dayPillarHour", ""},
                                                {"yearPillar", ""},
                                                {"lunarMonth", "五月生人。"},
                                                {"lunarDay", ""},
                                                {"hour", "子时生人。"}}));
}

TEST_F(ReadCommand, HelpPrintsTheUsage) {
    EXPECT_EQ(Run({"--help"}), kExitReading);
    EXPECT_TRUE(m_out.str().starts_with("usage: karvuto-read"));
}

// A device that refuses every byte, like a full disk.
class FullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST_F(ReadCommand, OutputThatCannotBeWrittenExitsWith5) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--name", "张三", "--solar", "1975-01-01", "--db", s_db->File().string()},
          std::vector<std::string>{"--help"}}) {
        SCOPED_TRACE(args[0]);
        FullBuffer full;
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(RunReadCommand(args, s_db->File(), out, err), kExitOutputLost);
        EXPECT_TRUE(err.str().starts_with("karvuto-read: cannot write the ")) << err.str();
    }
}

// A stored text is shown, not obeyed, on a terminal; a pipe gets it as stored.
TEST_F(ReadCommand, ControlCharactersOfStoredTextsAreEscapedOnATerminal) {
    // The builder refuses such a text; a damaged or crafted file may hold one.
    const ComposerTestDb db(kTestData);
    db.Tamper("UPDATE bazi3 SET meaning = '" + EncodeText(platform::Gbk("甲寅年生。") + "\x1B[2J\x07") +
              "' WHERE year = '甲寅'");
    const std::vector<std::string> args{"--name",     "张三", "--solar",
                                        "1975-01-01", "--db", db.File().string()};

    std::ostringstream terminal, err;
    ASSERT_EQ(RunReadCommand(args, db.File(), terminal, err, true), kExitReading) << err.str();
    EXPECT_NE(terminal.str().find("甲寅年生。\\x1B[2J\\x07"), std::string::npos) << terminal.str();
    EXPECT_EQ(terminal.str().find('\x1B'), std::string::npos);
    EXPECT_NE(terminal.str().find('\n'), std::string::npos);  // the lines stay lines

    std::ostringstream pipe;
    ASSERT_EQ(RunReadCommand(args, db.File(), pipe, err, false), kExitReading);
    EXPECT_NE(pipe.str().find("甲寅年生。\x1B[2J\x07"), std::string::npos);
}

}  // namespace
