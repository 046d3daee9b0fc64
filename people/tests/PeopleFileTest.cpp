// The JSON and CSV files: everything round-trips through export and
// import, and every bad file is refused naming its record, changing nothing.
#include <gtest/gtest.h>

#include "CsvReader.h"
#include "PeopleFile.h"
#include "PeopleTestSupport.h"
#include "PersonCsv.h"
#include "PersonJson.h"
#include "StoreError.h"

namespace people {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::Sample;
using test::TempDir;
using test::WriteFile;

TEST(CsvReader, ReadsRfc4180Records) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::vector<std::string>> records;
    };
    const Case cases[] = {
        {"plain, CRLF", "a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
        {"LF and no final line break", "a,b\nc,d", {{"a", "b"}, {"c", "d"}}},
        {"quoted comma, quote, line breaks", "\"a,\"\"b\"\"\r\nc\",\"\n\"\r\n", {{"a,\"b\"\r\nc", "\n"}}},
        {"empty fields", ",,\r\n", {{"", "", ""}}},
        {"empty quoted field", "\"\",x\n", {{"", "x"}}},
        {"byte-order mark skipped", "\xEF\xBB\xBFname\n", {{"name"}}},
        {"blank lines skipped", "a\n\n\r\nb\n", {{"a"}, {"b"}}},
        {"spaces kept", " a , b ", {{" a ", " b "}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CsvReader reader(c.text);
        std::vector<std::vector<std::string>> records;
        for (std::vector<std::string> fields; reader.Next(fields);) records.push_back(fields);
        EXPECT_EQ(reader.Error(), "");
        EXPECT_EQ(records, c.records);
    }
}

TEST(CsvReader, RefusesWhatRfc4180DoesNotAllow) {
    struct Case {
        const char* name;
        std::string text;
        const char* error;
    };
    const Case cases[] = {
        {"unterminated quote", "a\n\"b,c\nd", "第 2 行：引号没有收尾：文件不完整"},
        {"quote inside a field", "a\"b\n", "第 1 行：引号只能围住整个字段"},
        {"text after the closing quote", "\"a\"b\n", "收尾的引号后只能是逗号或换行"},
        {"lone carriage return", "a\rb\n", "回车符须后随换行符"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CsvReader reader(c.text);
        std::vector<std::string> fields;
        while (reader.Next(fields)) {
        }
        EXPECT_NE(reader.Error().find(c.error), std::string::npos) << reader.Error();
    }
}

TEST(CsvReader, RowsReadBackAsWritten) {
    const std::vector<std::string> fields = {"", "a,b", "\"q\"", "x\r\ny", "\r", "plain"};
    const std::string text = CsvRow(fields) + CsvRow({"1"});
    CsvReader reader(text);
    std::vector<std::string> back;
    ASSERT_TRUE(reader.Next(back));
    EXPECT_EQ(back, fields);
    ASSERT_TRUE(reader.Next(back));
    EXPECT_EQ(back, std::vector<std::string>{"1"});
}

TEST(PeopleFile, CsvColumnsAreTheJsonKeys) {
    std::vector<std::string> keys;
    const nlohmann::ordered_json json = PersonToJson(test::Full(), false);
    for (const auto& [key, value] : json.items()) keys.push_back(key);
    EXPECT_EQ(CsvHeader(), keys);
    EXPECT_EQ(PersonToJson(test::Full(), true).begin().key(), "id");
}

TEST(PeopleFile, EveryFieldAndEveryTrickyTextRoundTripsThroughBothFormats) {
    std::vector<Person> people = {test::Full(), Sample("无出生地")};
    for (const test::TrickyText& t : test::TrickyTexts()) {
        Person p = Sample(t.text);
        p.note = t.text;
        p.place = t.text;
        p.created = p.changed = 1'700'000'000;
        people.push_back(p);
    }
    people[1].created = people[1].changed = 1'650'000'000;
    for (const FileFormat format : {FileFormat::Json, FileFormat::Csv}) {
        SCOPED_TRACE(format == FileFormat::Json ? "JSON" : "CSV");
        EXPECT_EQ(PeopleFromText(PeopleToText(people, format), format), people);
    }
}

TEST(PeopleFile, ExportThenImportIntoAnotherStore) {
    TempDir dir;
    PeopleStore from(dir / "from.db");
    from.Add(test::Full());
    for (const test::TrickyText& t : test::TrickyTexts()) from.Add(Sample(t.text));
    const std::vector<Person> original = from.Find();
    for (const char* file : {"people.json", "people.CSV"}) {
        SCOPED_TRACE(file);
        EXPECT_EQ(ExportPeopleFile(from, dir / file), original.size());
        PeopleStore to(dir / (std::string(file) + ".db"));
        ImportPeopleFile(to, dir / file);
        std::vector<Person> imported = to.Find();
        ASSERT_EQ(imported.size(), original.size());
        for (std::size_t i = 0; i < imported.size(); ++i) {
            Person expected = original[i];
            expected.id = imported[i].id;
            EXPECT_EQ(imported[i], expected);
        }
    }
    // An export leaves no temporary file beside its own.
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name.ends_with(".db") || name.ends_with("-wal") || name.ends_with("-shm") ||
                    name.ends_with(".json") || name.ends_with(".CSV"))
            << name;
    }
}

// Each bad file fails the whole import with a message naming the record,
// and the store is as it was.
TEST(PeopleFile, BadFilesAreRefusedWholeNamingTheRecord) {
    const std::string good = R"({"name": "甲", "sex": "male", "calendar": "solar", "date": "1990-05-10"})";
    const std::string csvHeader = "name,sex,calendar,date,hour\r\n";
    struct Case {
        const char* name;
        const char* file;
        std::string text;
        StoreErrorKind kind;
        const char* message;  // part of the message
    };
    const Case cases[] = {
        {"impossible date", "a.json",
         "[" + good + R"(, {"name": "乙", "sex": "male", "calendar": "solar", "date": "1990-02-30"}])",
         StoreErrorKind::Invalid, "第 2 条（乙）：日期：阳历 1990 年 2 月只有 28 天"},
        {"missing name", "a.json",
         "[" + good + R"(, {"sex": "male", "calendar": "solar", "date": "1990-02-03"}])",
         StoreErrorKind::Invalid, "第 2 条（无姓名）：缺少字段 name"},
        {"empty name", "a.json",
         "[" + good + R"(, {"name": "", "sex": "male", "calendar": "solar", "date": "1990-02-03"}])",
         StoreErrorKind::Invalid, "第 2 条（无姓名）：姓名：不能为空"},
        {"truncated inside a record", "a.json",
         "[" + good + R"(, {"name": "丙", "sex": "male", "calendar": "sol)", StoreErrorKind::Invalid,
         "第 2 条（丙）：文件不完整"},
        {"truncated between records", "a.json", "[" + good + ",", StoreErrorKind::Invalid, "文件不完整"},
        {"not JSON", "a.json", "[" + good + "] x", StoreErrorKind::Invalid, "不是合法的 JSON（第 1 行"},
        {"hour as a string", "a.json", "[" + good.substr(0, good.size() - 1) + R"(, "hour": "8"}])",
         StoreErrorKind::Invalid, "第 1 条（甲）：字段 hour 须为整数"},
        {"hour with a fraction", "a.json", "[" + good.substr(0, good.size() - 1) + R"(, "hour": 8.5}])",
         StoreErrorKind::Invalid, "字段 hour 须为整数"},
        {"huge hour", "a.json", "[" + good.substr(0, good.size() - 1) + R"(, "hour": 9999999999}])",
         StoreErrorKind::Invalid, "时：须在 0 至 23 之间（所给 1000000）"},
        {"leap as a number", "a.json", "[" + good.substr(0, good.size() - 1) + R"(, "leap": 1}])",
         StoreErrorKind::Invalid, "字段 leap 须为 true 或 false"},
        {"tags not an array", "a.json", "[" + good.substr(0, good.size() - 1) + R"(, "tags": "a"}])",
         StoreErrorKind::Invalid, "字段 tags 须为字符串的数组"},
        {"unknown key", "a.json", "[" + good.substr(0, good.size() - 1) + R"(, "hours": 8}])",
         StoreErrorKind::Invalid, "未知的字段 hours"},
        {"bad sex", "a.json", R"([{"name": "甲", "sex": "m", "calendar": "solar", "date": "1990-05-10"}])",
         StoreErrorKind::Invalid, "字段 sex 须为 male 或 female"},
        {"bad date form", "a.json",
         R"([{"name": "甲", "sex": "male", "calendar": "solar", "date": "1990/05/10"}])",
         StoreErrorKind::Invalid, "字段 date 须为 YYYY-MM-DD"},
        {"bad time", "a.json", "[" + good.substr(0, good.size() - 1) + R"(, "created": "yesterday"}])",
         StoreErrorKind::Invalid, "字段 created 须为 UTC 时间"},
        {"an object, not an array", "a.json", good, StoreErrorKind::Invalid, "须为一个数组"},
        {"a record that is not an object", "a.json", "[" + good + ", 5]", StoreErrorKind::Invalid,
         "第 2 条（无姓名）：须为一个 JSON 对象"},
        {"empty file", "a.json", "", StoreErrorKind::Invalid, "文件不完整"},
        {"CSV impossible date", "a.csv",
         csvHeader + "甲,male,solar,1990-05-10,8\r\n乙,male,lunar,1999-02-30,8\r\n", StoreErrorKind::Invalid,
         "第 2 条（乙）：日期：农历 1999 年 2 月没有 30 日"},
        {"CSV truncated inside quotes", "a.csv", csvHeader + "甲,male,solar,1990-05-10,8\r\n\"乙,male",
         StoreErrorKind::Invalid, "第 2 条（乙,male）：第 3 行：引号没有收尾"},
        {"CSV truncated mid-record", "a.csv", csvHeader + "甲,male,solar,1990-05-10,8\r\n乙,male,sol",
         StoreErrorKind::Invalid, "第 2 条（乙）：第 3 行有 3 栏，标题行有 5 栏"},
        {"CSV hour not a number", "a.csv", csvHeader + "甲,male,solar,1990-05-10,八\r\n",
         StoreErrorKind::Invalid, "第 1 条（甲）：字段 hour 须为整数（所给 \"八\"）"},
        {"CSV bad boolean", "a.csv", "name,sex,calendar,date,leap\n甲,male,lunar,1990-05-10,yes\n",
         StoreErrorKind::Invalid, "字段 leap 须为 true 或 false"},
        {"CSV unknown column", "a.csv", "name,sex,calendar,date,colour\n", StoreErrorKind::Invalid,
         "标题行有未知的列 \"colour\""},
        {"CSV column twice", "a.csv", "name,sex,name\n", StoreErrorKind::Invalid, "\"name\" 重复"},
        {"CSV missing column", "a.csv", "name,sex,calendar\n甲,male,solar\n", StoreErrorKind::Invalid,
         "第 1 条（甲）：缺少字段 date"},
        {"CSV empty file", "a.csv", "", StoreErrorKind::Invalid, "须有标题行"},
        {"wrong extension", "a.txt", "[]", StoreErrorKind::FileError, "须以 .json 或 .csv 结尾"},
    };
    TempDir dir;
    PeopleStore store(dir / "people.db");
    store.Add(Sample("原有"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(dir / c.file, c.text);
        try {
            ImportPeopleFile(store, dir / c.file);
            ADD_FAILURE() << "imported";
        } catch (const StoreError& e) {
            EXPECT_EQ(e.Kind(), c.kind);
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        EXPECT_EQ(store.Count(), 1);
    }
    EXPECT_EQ(StoreErrorKind::FileError, [&] {
        try {
            ImportPeopleFile(store, dir / "missing.json");
        } catch (const StoreError& e) {
            return e.Kind();
        }
        return StoreErrorKind::Failed;
    }());
}

TEST(PeopleFile, AFailedExportLeavesTheOldFile) {
    TempDir dir;
    PeopleStore store(dir / "people.db");
    store.Add(Sample("甲"));
    WriteFile(dir / "old.json", "old");
    EXPECT_THROW(ExportPeopleFile(store, dir / "missing-folder" / "x.json"), StoreError);
    EXPECT_THROW(ExportPeopleFile(store, dir / "x.pdf"), StoreError);
    EXPECT_EQ(ReadFile(dir / "old.json"), "old");
    ExportPeopleFile(store, dir / "old.json");
    EXPECT_NE(ReadFile(dir / "old.json").find("\"甲\""), std::string::npos);
}

}  // namespace
}  // namespace people
