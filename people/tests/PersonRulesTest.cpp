// The rules of a storable person, the report's GBK name, the pinyin keys and
// the time form of files: tables that hit both sides of each boundary.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "GbkCodec.h"
#include "IsoTime.h"
#include "NameKeys.h"
#include "PersonBirth.h"
#include "PersonCheck.h"
#include "ReportName.h"

namespace people {
namespace {

Person Solar(int y, int m, int d) {
    Person p;
    p.name = "张三";
    p.year = y;
    p.month = m;
    p.day = d;
    return p;
}

Person Lunar(int y, int m, int d, bool leap = false) {
    Person p = Solar(y, m, d);
    p.calendar = CalendarKind::Lunar;
    p.leap = leap;
    return p;
}

SYSTEMTIME DayAfter(const SYSTEMTIME& d, int days) {
    using namespace std::chrono;
    const year_month_day next{sys_days{year{d.wYear} / d.wMonth / d.wDay} + std::chrono::days{days}};
    return MakeSystemTime(int(next.year()), unsigned(next.month()), unsigned(next.day()));
}

TEST(PersonCheck, RefusesEachBrokenRuleNamingTheField) {
    struct Case {
        const char* name;
        Person person;
        Field field;
        const char* message;  // part of the message
    };
    auto with = [](Person p, auto change) {
        change(p);
        return p;
    };
    const Person ok = Solar(1990, 5, 10);
    const Case cases[] = {
        {"empty name", with(ok, [](Person& p) { p.name = ""; }), Field::Name, "姓名：不能为空"},
        {"blank name", with(ok, [](Person& p) { p.name = " \t\n"; }), Field::Name, "姓名：不能为空"},
        {"name not UTF-8", with(ok, [](Person& p) { p.name = "\xFF"; }), Field::Name, "UTF-8"},
        {"name with NUL", with(ok, [](Person& p) { p.name = std::string("a\0b", 3); }), Field::Name, "NUL"},
        {"name too long", with(ok, [](Person& p) { p.name.assign(kMaxTextBytes + 1, 'a'); }), Field::Name,
         "过长"},
        {"February 30", Solar(1990, 2, 30), Field::Date, "阳历 1990 年 2 月只有 28 天"},
        {"February 29 of a common year", Solar(1900 + 99, 2, 29), Field::Date, "只有 28 天"},
        {"month 13", Solar(1990, 13, 1), Field::Date, "月份须在 1 至 12 之间"},
        {"month 0", Solar(1990, 0, 1), Field::Date, "月份"},
        {"day 0", Solar(1990, 1, 0), Field::Date, "日须在 1 至 31 之间"},
        {"lunar day 31", Lunar(1990, 1, 31), Field::Date, "日须在 1 至 30 之间"},
        {"lunar day 30 of a 29-day month", Lunar(1999, 2, 30), Field::Date, "农历 1999 年 2 月没有 30 日"},
        {"leap flag for a month that is not leap", Lunar(1990, 4, 1, true), Field::Leap,
         "农历 1990 年没有闰 4 月"},
        {"leap flag in a year without a leap month", Lunar(1975, 3, 1, true), Field::Leap, "没有闰 3 月"},
        {"leap flag on a Gregorian date", with(ok, [](Person& p) { p.leap = true; }), Field::Leap,
         "阳历没有闰月"},
        {"year far before the calendar", Solar(1000, 1, 1), Field::Date, "不在历法所及之内"},
        {"lunar year far after the calendar", Lunar(3000, 1, 1), Field::Date, "不在历法所及之内"},
        {"hour 24", with(ok, [](Person& p) { p.hour = 24; }), Field::Hour,
         "时：须在 0 至 23 之间（所给 24）"},
        {"hour -1", with(ok, [](Person& p) { p.hour = -1; }), Field::Hour, "时："},
        {"minute 60", with(ok, [](Person& p) { p.minute = 60; }), Field::Minute,
         "分：须在 0 至 59 之间（所给 60）"},
        {"longitude 180.5", with(ok, [](Person& p) { p.longitude = 180.5; }), Field::Longitude, "经度"},
        {"longitude NaN", with(ok, [](Person& p) { p.longitude = std::nan(""); }), Field::Longitude, "经度"},
        {"true solar time without a longitude", with(ok, [](Person& p) { p.trueSolarTime = true; }),
         Field::TrueSolarTime, "真太阳时：须有出生地的经度"},
        {"place not UTF-8", with(ok, [](Person& p) { p.place = "\xC0\x80"; }), Field::Place, "出生地"},
        {"note with NUL", with(ok, [](Person& p) { p.note = std::string(1, '\0'); }), Field::Note,
         "备注：含有 NUL"},
        {"empty tag",
         with(ok,
              [](Person& p) {
                  p.tags = {"客户", ""};
              }),
         Field::Tags, "不能为空"},
        {"tag with a line feed", with(ok, [](Person& p) { p.tags = {"a\nb"}; }), Field::Tags, "控制字符"},
        {"tag with a semicolon", with(ok, [](Person& p) { p.tags = {"a;b"}; }), Field::Tags,
         "标签「a;b」：不能含分号"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<FieldProblem> problems = CheckPerson(c.person);
        ASSERT_EQ(problems.size(), 1u) << DescribeProblems(problems);
        EXPECT_EQ(problems[0].field, c.field);
        EXPECT_NE(problems[0].message.find(c.message), std::string::npos) << problems[0].message;
    }
}

TEST(PersonCheck, TakesEveryKindOfValidPerson) {
    Person withPlace = Solar(1988, 7, 1);
    withPlace.place = "北京";
    withPlace.longitude = 116.4;
    withPlace.trueSolarTime = true;
    withPlace.hour = 23;
    withPlace.minute = 59;
    withPlace.name = "\"'; DROP TABLE person; --\x01\x7f";  // control characters are allowed in a name
    withPlace.tags = {"客户", "朋友"};
    const Person cases[] = {
        Solar(2000, 2, 29),        // a leap day
        Lunar(2020, 4, 1, true),   // 闰四月
        Lunar(2000, 2, 30),        // day 30 of a 30-day month
        Lunar(1990, 5, 10, true),  // 闰五月
        withPlace,
    };
    for (const Person& p : cases) {
        SCOPED_TRACE(DateText(p));
        EXPECT_TRUE(CheckPerson(p).empty()) << DescribeProblems(CheckPerson(p));
    }
}

TEST(PersonCheck, SeveralProblemsAreAllSaidInFieldOrder) {
    Person p = Solar(1990, 2, 30);
    p.name = "";
    p.minute = 60;
    const std::vector<FieldProblem> problems = CheckPerson(p);
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].field, Field::Name);
    EXPECT_EQ(problems[1].field, Field::Date);
    EXPECT_EQ(problems[2].field, Field::Minute);
    EXPECT_EQ(DescribeProblems(problems).find("姓名"), 0u);
}

// The span is the calendar engine's, whatever it is: its first and last day
// are storable, the days just outside are not, for both calendars.
TEST(PersonCheck, TheCalendarsSpanIsAskedOfTheEngine) {
    const CalendarSpan& span = SupportedSpan();
    const SYSTEMTIME before = DayAfter(span.first, -1);
    const SYSTEMTIME after = DayAfter(span.last, 1);
    EXPECT_TRUE(CheckPerson(Solar(span.first.wYear, span.first.wMonth, span.first.wDay)).empty());
    EXPECT_TRUE(CheckPerson(Solar(span.last.wYear, span.last.wMonth, span.last.wDay)).empty());
    EXPECT_EQ(CheckPerson(Solar(before.wYear, before.wMonth, before.wDay)).size(), 1u);
    EXPECT_EQ(CheckPerson(Solar(after.wYear, after.wMonth, after.wDay)).size(), 1u);
    // The message states the span it found.
    char first[32];
    std::snprintf(first, sizeof first, "%04d-%02d-%02d", span.first.wYear, span.first.wMonth,
                  span.first.wDay);
    EXPECT_NE(DescribeProblems(CheckPerson(Solar(before.wYear, before.wMonth, before.wDay))).find(first),
              std::string::npos);
    // The first lunar day of the span is 正月初一 of its year only when the
    // span starts on one; either way a lunar date a year before is refused.
    EXPECT_EQ(CheckPerson(Lunar(span.first.wYear - 1, 6, 1)).size(), 1u);
}

TEST(PersonCheck, GregorianBirthConvertsLunarDates) {
    Person p = Lunar(2020, 4, 1, true);
    p.hour = 8;
    p.minute = 30;
    EXPECT_EQ(GregorianBirth(p), MakeSystemTime(2020, 5, 23, 8, 30));
    p.leap = false;
    EXPECT_EQ(GregorianBirth(p), MakeSystemTime(2020, 4, 23, 8, 30));
    EXPECT_EQ(GregorianBirth(Solar(1990, 2, 30)), std::nullopt);
    EXPECT_EQ(GregorianBirth(Lunar(1999, 2, 30)), std::nullopt);
}

TEST(PersonCheck, RecordLabelCutsLongNamesAtACharacter) {
    EXPECT_EQ(RecordLabel(3, "张三"), "第 3 条（张三）");
    EXPECT_EQ(RecordLabel(1, ""), "第 1 条（无姓名）");
    // 61 characters of three bytes each: cut at 60 bytes, a whole character.
    std::string hanzi;
    for (int i = 0; i < 61; ++i) hanzi += "张";
    EXPECT_EQ(RecordLabel(1, hanzi), "第 1 条（" + hanzi.substr(0, 60) + "…）");
}

TEST(ReportName, FitsTheNameToTenGbkBytesAndSaysWhatWasLost) {
    struct Case {
        const char* name;
        std::string utf8;
        std::string expected;  // UTF-8 of the GBK name
        bool shortened;
        bool replaced;
    };
    const Case cases[] = {
        {"five hanzi fit exactly", "欧阳春花雨", "欧阳春花雨", false, false},
        {"six hanzi are cut to five", "欧阳春花雨露", "欧阳春花雨", true, false},
        {"a hanzi never split", "abcdefghi张", "abcdefghi", true, false},
        {"ten ASCII letters fit", "Mary Smith", "Mary Smith", false, false},
        {"an emoji becomes ?", "张😀三", "张?三", false, true},
        {"a control character becomes ?", "张\n三", "张?三", false, true},
        {"stray byte becomes ?", "张\xFF", "张?", false, true},
        {"white space at the ends dropped", "  张三 \t", "张三", false, false},
        {"both at once", "😀欧阳春花雨", "?欧阳春花", true, true},
        {"blank", "   ", "", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReportName name = MakeReportName(c.utf8);
        EXPECT_LE(name.gbk.size(), kReportNameBytes);
        EXPECT_EQ(platform::Utf8(name.gbk), c.expected);
        EXPECT_EQ(name.shortened, c.shortened);
        EXPECT_EQ(name.replaced, c.replaced);
    }
}

TEST(PersonBirth, CarriesTheReportNameAndTheConventions) {
    Person p = Lunar(1990, 5, 10, true);
    p.name = "欧阳春花雨露";
    p.sex = Sex::Female;
    p.hour = 23;
    p.minute = 15;
    p.longitude = 116.4;
    p.zi = chart::ZiHour::Late;
    p.dstCorrect = true;
    PersonBirth b = ToBirth(p);
    EXPECT_EQ(platform::Utf8(b.birth.name), "欧阳春花雨");
    EXPECT_TRUE(b.reportName.shortened);
    EXPECT_EQ(b.birth.sex, 1);
    EXPECT_EQ(b.birth.CalendarKind, kLunarCalendar);
    EXPECT_EQ(b.birth.leap, 1);
    EXPECT_EQ(b.birth.hour, 23);
    EXPECT_EQ(b.minute, 15);
    EXPECT_EQ(b.conventions.zi, chart::ZiHour::Late);
    EXPECT_TRUE(b.conventions.dstCorrect);
    EXPECT_FALSE(b.conventions.longitude) << "a longitude counts only with true solar time on";
    p.trueSolarTime = true;
    EXPECT_EQ(ToBirth(p).conventions.longitude, 116.4);
}

// Each initial's first level-1 hanzi and the one before it, the ends of
// level 1, and what the trick cannot know.
TEST(NameKeys, PinyinInitialsFromGbkCodes) {
    struct Case {
        const char* name;
        const char* initials;
    };
    const Case cases[] = {
        {"啊澳", "aa"},      {"芭怖", "bb"}, {"擦错", "cc"}, {"搭堕", "dd"}, {"蛾贰", "ee"},
        {"发咐", "ff"},      {"噶过", "gg"}, {"哈祸", "hh"}, {"击骏", "jj"}, {"喀阔", "kk"},
        {"垃络", "ll"},      {"妈穆", "mm"}, {"拿诺", "nn"}, {"哦沤", "oo"}, {"啪瀑", "pp"},
        {"期群", "qq"},      {"然弱", "rr"}, {"撒所", "ss"}, {"塌唾", "tt"}, {"挖误", "ww"},
        {"昔迅", "xx"},      {"压孕", "yy"}, {"匝座", "zz"}, {"张三", "zs"}, {"欧阳修", "oyx"},
        {"Li 小龙", "lixl"}, {"A1", "a1"},   {"亍", ""},  // level 2 (radical order): no initial
        {"张婧", "z"},                                    // 婧 is level 2
        {"😀张", "z"},                                     // GBK lacks the emoji
        {"单仇朴", "dcp"},  // filed under dan, chou, pu, not the surnames' shan, qiu, piao
        {"，。", ""},       // punctuation
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PinyinInitials(c.name), c.initials);
    }
}

TEST(NameKeys, SortKeyOrdersNamesByPinyinAndIgnoresAsciiCase) {
    const std::vector<std::string> ordered = {"Anna", "bob", "Carl", "安", "白", "陈",
                                              "李",   "王",  "张",   "赵", "亍", "😀"};
    std::vector<std::string> shuffled = {"王", "😀",    "Carl", "张", "bob", "陈",
                                         "亍", "Anna", "赵",   "白", "李",  "安"};
    std::sort(shuffled.begin(), shuffled.end(),
              [](const std::string& a, const std::string& b) { return NameSortKey(a) < NameSortKey(b); });
    EXPECT_EQ(shuffled, ordered);
    EXPECT_EQ(NameSortKey("ABC"), NameSortKey("abc"));
}

TEST(IsoTime, WritesAndReadsUtcToTheSecond) {
    EXPECT_EQ(FormatUtcTime(0), "1970-01-01T00:00:00Z");
    EXPECT_EQ(FormatUtcTime(951782400 + 3723), "2000-02-29T01:02:03Z");
    for (std::int64_t t :
         {std::int64_t{0}, std::int64_t{951782400}, std::int64_t{1714564800}, std::int64_t{253402300799}}) {
        EXPECT_EQ(ParseUtcTime(FormatUtcTime(t)), t);
    }
    for (const char* bad : {"", "2024-05-01 12:00:00Z", "2024-05-01T12:00:00", "2023-02-29T00:00:00Z",
                            "2024-05-01T24:00:00Z", "2024-05-01T12:60:00Z", "1969-12-31T23:59:59Z",
                            "2024-5-01T12:00:00Z", "2024-05-01T12:00:00+08:00"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(ParseUtcTime(bad), std::nullopt);
    }
}

}  // namespace
}  // namespace people
