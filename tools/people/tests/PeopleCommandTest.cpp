// karvuto-people end to end: each command, its output, its messages and its
// exit status, on stores in a temporary folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "DatabaseTestFiles.h"
#include "PeopleCommand.h"

namespace peopletool {
namespace {

namespace fs = std::filesystem;
using dbtest::ReadFile;
using dbtest::TempDir;
using dbtest::WriteFile;

const std::vector<std::string> kZhang = {"add",     "--name",     "张三",   "--sex", "male",
                                         "--solar", "1990-05-10", "--hour", "8",     "--minute",
                                         "30",      "--tag",      "客户"};

class PeopleCommand : public ::testing::Test {
protected:
    int Run(std::vector<std::string> args) {
        m_out.str({});
        m_err.str({});
        return RunPeopleCommand(args, m_store, m_out, m_err);
    }
    std::string Out() const { return m_out.str(); }
    std::string Err() const { return m_err.str(); }
    nlohmann::json Json() const { return nlohmann::json::parse(m_out.str()); }

    TempDir m_dir;
    fs::path m_store = m_dir / "data" / "karvuto" / "people.db";
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(PeopleCommand, AddShowListEditRemove) {
    ASSERT_EQ(Run(kZhang), kExitDone) << Err();
    EXPECT_EQ(Out(), "1\n");
    struct stat info {};
    ASSERT_EQ(::stat(m_store.parent_path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u) << "the default store's folder is private";

    ASSERT_EQ(Run({"add", "--name=李四", "--sex=female", "--lunar", "2020-04-01", "--leap", "--longitude",
                   "北京", "--place", "北京", "--true-solar", "--zi", "late", "--note", "第一行\n第二行"}),
              kExitDone)
        << Err();
    EXPECT_EQ(Out(), "2\n");

    ASSERT_EQ(Run({"show", "2"}), kExitDone);
    for (const char* part :
         {"编号  2\n", "姓名  李四\n", "性别  女\n", "出生  农历 2020-04-01 闰月 00:00\n",
          "出生地  北京（东经116.4000°）\n", "子时：晚子时；时间：真太阳时", "备注  第一行\n第二行\n"}) {
        EXPECT_NE(Out().find(part), std::string::npos) << part << "\n" << Out();
    }

    ASSERT_EQ(Run({"show", "1", "--json"}), kExitDone);
    const nlohmann::json zhang = Json();
    EXPECT_EQ(zhang["id"], 1);
    EXPECT_EQ(zhang["name"], "张三");
    EXPECT_EQ(zhang["sex"], "male");
    EXPECT_EQ(zhang["calendar"], "solar");
    EXPECT_EQ(zhang["date"], "1990-05-10");
    EXPECT_EQ(zhang["leap"], false);
    EXPECT_EQ(zhang["hour"], 8);
    EXPECT_EQ(zhang["minute"], 30);
    EXPECT_EQ(zhang["tags"], nlohmann::json::array({"客户"}));
    EXPECT_TRUE(zhang["longitude"].is_null());

    ASSERT_EQ(Run({"list"}), kExitDone);
    EXPECT_EQ(Out(),
              "2  李四  女  农历 2020-04-01 闰月 00:00  北京\n1  张三  男  阳历 1990-05-10 08:30  客户\n");
    ASSERT_EQ(Run({"list", "--search", "zs", "--json"}), kExitDone);
    EXPECT_EQ(Json().size(), 1u);
    EXPECT_EQ(Json()[0]["name"], "张三");
    ASSERT_EQ(Run({"list", "--sort", "birth"}), kExitDone);
    EXPECT_EQ(Out().substr(0, 2), "1 ");

    ASSERT_EQ(Run({"edit", "1", "--hour", "9", "--tag", "朋友", "--tag", "旧友", "--place", "上海"}),
              kExitDone)
        << Err();
    ASSERT_EQ(Run({"show", "1", "--json"}), kExitDone);
    EXPECT_EQ(Json()["hour"], 9);
    EXPECT_EQ(Json()["minute"], 30) << "fields not given are kept";
    EXPECT_EQ(Json()["tags"], nlohmann::json::array({"朋友", "旧友"}));
    EXPECT_EQ(Json()["place"], "上海");
    ASSERT_EQ(Run({"edit", "1", "--place", "", "--no-tags", "--lunar", "1990-04-16"}), kExitDone) << Err();
    ASSERT_EQ(Run({"show", "1", "--json"}), kExitDone);
    EXPECT_EQ(Json()["place"], "");
    EXPECT_EQ(Json()["tags"], nlohmann::json::array());
    EXPECT_EQ(Json()["calendar"], "lunar");

    ASSERT_EQ(Run({"remove", "1"}), kExitDone);
    EXPECT_EQ(Run({"show", "1"}), kExitNoSuchPerson);
    EXPECT_NE(Err().find("没有编号为 1 的人"), std::string::npos);
    EXPECT_EQ(Run({"remove", "1"}), kExitNoSuchPerson);
    EXPECT_EQ(Run({"edit", "1", "--hour", "3"}), kExitNoSuchPerson);
}

TEST_F(PeopleCommand, BadArgumentsExitWith2) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {"no command", {}, "no command"},
        {"unknown command", {"delete", "1"}, "unknown command \"delete\""},
        {"unknown option", {"list", "--colour"}, "unknown option \"--colour\""},
        {"option of another command",
         {"add", "--json", "--name", "a", "--sex", "male", "--solar", "1990-01-01"},
         "--json does not go with add"},
        {"add without a name", {"add", "--sex", "male", "--solar", "1990-01-01"}, "add needs --name"},
        {"add without a sex", {"add", "--name", "a", "--solar", "1990-01-01"}, "add needs --sex"},
        {"add without a date", {"add", "--name", "a", "--sex", "male"}, "add needs --solar"},
        {"two dates",
         {"add", "--name", "a", "--sex", "male", "--solar", "1990-01-01", "--lunar", "1990-01-01"},
         "only one of --solar and --lunar"},
        {"bad sex",
         {"add", "--name", "a", "--sex", "m", "--solar", "1990-01-01"},
         "--sex must be male or female"},
        {"hour not a number", {"edit", "1", "--hour", "八"}, "--hour must be a whole number"},
        {"negative minute", {"edit", "1", "--minute", "-5"}, "--minute must be a whole number"},
        {"unknown place", {"edit", "1", "--longitude", "火星"}, "--longitude must be degrees"},
        {"unknown school", {"edit", "1", "--zi", "early"}, "--zi must be same-day, late or next-day"},
        {"leap both ways", {"edit", "1", "--leap", "--no-leap"}, "exclude each other"},
        {"tags both ways", {"edit", "1", "--tag", "a", "--no-tags"}, "exclude each other"},
        {"option twice", {"edit", "1", "--hour", "1", "--hour", "2"}, "--hour is given twice"},
        {"missing value", {"list", "--search"}, "--search needs a value"},
        {"flag with a value", {"list", "--json=yes"}, "--json takes no value"},
        {"show without an id", {"show"}, "show needs ID"},
        {"id zero", {"show", "0"}, "not a positive whole number"},
        {"id not a number", {"remove", "张三"}, "not a positive whole number"},
        {"extra argument", {"show", "1", "2"}, "unexpected argument \"2\""},
        {"bad sort", {"list", "--sort", "age"}, "--sort must be"},
        {"empty store path", {"list", "--store="}, "--store needs a path"},
        {"export to another kind of file", {"export", "people.txt"}, ".json or .csv"},
        {"import from another kind of file", {"import", "people.txt"}, ".json or .csv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Run(c.args), kExitBadArguments);
        EXPECT_NE(Err().find(c.message), std::string::npos) << Err();
        EXPECT_EQ(Out(), "");
    }
    EXPECT_EQ(Run({"--help"}), kExitDone);
    EXPECT_NE(Out().find("Exit status:"), std::string::npos);
}

TEST_F(PeopleCommand, InvalidFieldsExitWith1NamingOptionAndField) {
    struct Case {
        const char* name;
        std::vector<std::string> extra;  // after --name, --sex and the date
        const char* date;
        const char* message;
    };
    const Case cases[] = {
        {"hour 24", {"--hour", "24"}, "1990-05-10", "--hour: 时：须在 0 至 23 之间（所给 24）"},
        {"minute 60", {"--minute", "60"}, "1990-05-10", "--minute: 分：须在 0 至 59 之间（所给 60）"},
        {"impossible date", {}, "1990-02-30", "--solar/--lunar: 日期：阳历 1990 年 2 月只有 28 天"},
        {"date of another form", {}, "1990/02/03", "the date \"1990/02/03\" is not of the form YYYY-MM-DD"},
        {"leap on a Gregorian date", {"--leap"}, "1990-05-10", "--leap: 闰月：阳历没有闰月"},
        {"true solar time without a longitude", {"--true-solar"}, "1990-05-10", "--true-solar: 真太阳时"},
        {"longitude beyond 180", {"--longitude", "190"}, "1990-05-10", "--longitude: 经度"},
        {"tag with a semicolon", {"--tag", "a;b"}, "1990-05-10", "--tag: 标签「a;b」"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = {"add", "--name", "张三", "--sex", "male", "--solar", c.date};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        EXPECT_EQ(Run(args), kExitInvalid);
        EXPECT_NE(Err().find(c.message), std::string::npos) << Err();
    }
    EXPECT_EQ(Run({"add", "--name", "", "--sex", "male", "--solar", "1990-05-10"}), kExitInvalid);
    EXPECT_NE(Err().find("--name: 姓名：不能为空"), std::string::npos) << Err();
    EXPECT_EQ(Run({"add", "--name", "a", "--sex", "male", "--lunar", "1990-04-01", "--leap"}), kExitInvalid);
    EXPECT_NE(Err().find("闰月：农历 1990 年没有闰 4 月"), std::string::npos) << Err();
    ASSERT_EQ(Run({"list", "--json"}), kExitDone);
    EXPECT_EQ(Json(), nlohmann::json::array()) << "nothing was added";
}

TEST_F(PeopleCommand, TheReportNameIsShownWhenItDiffers) {
    ASSERT_EQ(Run({"add", "--name", "欧阳春花雨露", "--sex", "female", "--solar", "1990-05-10"}), kExitDone);
    EXPECT_EQ(Out(), "1\n");
    EXPECT_NE(Err().find("报告中的姓名为「欧阳春花雨」（超出 10 字节，已截短）"), std::string::npos) << Err();
    ASSERT_EQ(Run({"add", "--name", "张😀", "--sex", "female", "--solar", "1990-05-10"}), kExitDone);
    EXPECT_NE(Err().find("报告中的姓名为「张?」（GBK 没有的字以 ? 代替）"), std::string::npos) << Err();
    ASSERT_EQ(Run({"show", "1"}), kExitDone);
    EXPECT_NE(Out().find("报告中的姓名为「欧阳春花雨」"), std::string::npos) << Out();
}

TEST_F(PeopleCommand, ControlCharactersAreEscapedInTextButKeptInJson) {
    ASSERT_EQ(Run({"add", "--name", "张\x1b[31m三\n", "--sex", "male", "--solar", "1990-05-10"}), kExitDone);
    ASSERT_EQ(Run({"list"}), kExitDone);
    EXPECT_EQ(Out(), "1  张\\x1B[31m三\\n  男  阳历 1990-05-10 00:00\n");
    ASSERT_EQ(Run({"list", "--json"}), kExitDone);
    EXPECT_EQ(Json()[0]["name"], "张\x1b[31m三\n");
}

TEST_F(PeopleCommand, ExportAndImportCarryEveryTextThroughBothFormats) {
    std::string control;
    for (char c = 1; c < 0x20; ++c) control += c;
    std::string large;
    while (large.size() < 200 * 1024) large += "长文本，\"引号\",逗号\r\n";
    const std::vector<std::string> texts = {"\"quoted\" 'and' \"\"",
                                            "x'); DROP TABLE person; --",
                                            "家 👨‍👩‍👧",
                                            "\u05E9\u05DC\u05D5\u05DD مرحبا",
                                            control,
                                            large};
    for (const std::string& text : texts) {
        ASSERT_EQ(Run({"add", "--name", text, "--sex", "male", "--solar", "1990-05-10", "--note", text}),
                  kExitDone)
            << Err();
    }
    ASSERT_EQ(Run({"list", "--json", "--sort", "added"}), kExitDone);
    nlohmann::json original = Json();
    for (const char* file : {"people.json", "people.csv"}) {
        SCOPED_TRACE(file);
        const std::string path = (m_dir / file).string();
        ASSERT_EQ(Run({"export", path}), kExitDone) << Err();
        const std::string other = (m_dir / (std::string(file) + ".db")).string();
        ASSERT_EQ(Run({"--store", other, "import", path}), kExitDone) << Err();
        EXPECT_EQ(Out(), "1\n2\n3\n4\n5\n6\n");
        ASSERT_EQ(Run({"list", "--json", "--sort", "added", "--store", other}), kExitDone);
        EXPECT_EQ(Json(), original);
    }
}

TEST_F(PeopleCommand, ABadImportChangesNothing) {
    ASSERT_EQ(Run(kZhang), kExitDone);
    WriteFile(m_dir / "bad.json",
              R"([{"name": "甲", "sex": "male", "calendar": "solar", "date": "1990-05-10"},
                                      {"name": "乙", "sex": "male", "calendar": "solar", "date": "1990-02-30"}])");
    EXPECT_EQ(Run({"import", (m_dir / "bad.json").string()}), kExitInvalid);
    EXPECT_NE(Err().find("第 2 条（乙）：日期：阳历 1990 年 2 月只有 28 天"), std::string::npos) << Err();
    EXPECT_EQ(Out(), "");
    WriteFile(m_dir / "cut.csv", "name,sex,calendar,date\n甲,male,solar,1990-05-10\n\"乙,male");
    EXPECT_EQ(Run({"import", (m_dir / "cut.csv").string()}), kExitInvalid);
    EXPECT_NE(Err().find("第 2 条"), std::string::npos) << Err();
    EXPECT_EQ(Run({"import", (m_dir / "missing.csv").string()}), kExitInvalid);
    EXPECT_NE(Err().find("不能读取"), std::string::npos) << Err();
    ASSERT_EQ(Run({"list", "--json"}), kExitDone);
    EXPECT_EQ(Json().size(), 1u);
}

TEST_F(PeopleCommand, StoresThatCannotBeUsedExitWith3) {
    const fs::path missing = m_dir / "missing.db";
    EXPECT_EQ(Run({"list", "--store", missing.string()}), kExitStoreOpen);
    EXPECT_NE(Err().find("没有档案库"), std::string::npos) << Err();
    EXPECT_FALSE(fs::exists(missing)) << "only add and import make a store given with --store";

    const fs::path damaged = m_dir / "damaged.db";
    WriteFile(damaged,
              "not a database, just text that is long enough to fill a header of one hundred bytes ....");
    const std::string bytes = ReadFile(damaged);
    for (const std::vector<std::string>& args : {std::vector<std::string>{"list"}, kZhang}) {
        std::vector<std::string> withStore = args;
        withStore.insert(withStore.end(), {"--store", damaged.string()});
        EXPECT_EQ(Run(withStore), kExitStoreOpen);
        EXPECT_NE(Err().find("未作改动"), std::string::npos) << Err();
    }
    EXPECT_EQ(ReadFile(damaged), bytes);
}

TEST_F(PeopleCommand, AnExportThatCannotBeWrittenExitsWith5) {
    ASSERT_EQ(Run(kZhang), kExitDone);
    EXPECT_EQ(Run({"export", (m_dir / "no-folder" / "people.json").string()}), kExitOutputLost);
    EXPECT_NE(Err().find("不能写入"), std::string::npos) << Err();
}

}  // namespace
}  // namespace peopletool
