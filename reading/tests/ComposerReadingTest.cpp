// Whole readings on a small database whose every weight and text is known:
// the header and body byte for byte, the empty-row and NULL rules, the
// clock, database failures and over-long texts.
#include <gtest/gtest.h>

#include <algorithm>

#include "ComError.h"
#include "ComposerTestDb.h"
#include "GbkCodec.h"
#include "ReadingComposer.h"
#include "TextCipher.h"

namespace {

const std::map<std::string, std::string> kTestData = {
    {"bazi0.tsv",
     "type\tamount\n"
     "甲寅\t12\n冬月\t9\n十九\t5\n子时\t16\n"  // 1975-01-01 00:00: 42
     "庚午\t9\n五月\t5\n初十\t16\n"            // lunar 1990 (闰)五月初十 23:00: 46
     "己卯\t19\n腊月\t8\n廿九\t7\n"},
    {"bazi1.tsv", "Amount\tmeaning\n42\t四两二钱之命：平生衣禄是绵长。\n"},
    {"bazi2.tsv",
     "day\ttime\tmeaning\n"
     "丁\t庚子\t丁日生于庚子时。\n丁未\t庚子\t丁未日庚子时，早年辛苦。\n"
     "戊\t壬子\t戊日生于壬子时。\n戊辰\t壬子\t戊辰日壬子时，晚景安然。\n"},
    {"bazi3.tsv", "year\tmeaning\n甲寅\t甲寅年生，心性刚直。\n己卯\t己卯年生。\n庚辰\t庚辰年生。\n"},
    {"bazi4.tsv", "month\tmeaning\n冬月\t冬月生人，沉稳。\n五月\t五月生人，热情。\n"},
    {"bazi5.tsv", "day\tmeaning\n十九\t十九日生。\n初十\t初十日生。\n"},
    {"bazi6.tsv", "time\tmeaning\n子时\t子时生人。\n"},
};

BirthRecord Birth(const char* nameUtf8, int sex, int kind, int year, int month, int day, int hour,
                  int leap = 0) {
    BirthRecord b{};
    const std::string name = platform::Gbk(nameUtf8);
    std::copy(name.begin(), name.end(), b.name);
    b.sex = sex;
    b.CalendarKind = kind;
    b.year = year;
    b.month = month;
    b.day = day;
    b.hour = hour;
    b.leap = static_cast<std::uint8_t>(leap);
    return b;
}

const BirthRecord kDefaultBirth = Birth("张三", 0, kGregorianCalendar, 1975, 1, 1, 0);
const BirthRecord kLeapMonthBirth = Birth("李四", 1, kLunarCalendar, 1990, 5, 10, 23, 1);
const SYSTEMTIME kNow = MakeSystemTime(2026, 12, 8, 9, 5, 3);

class ComposerReading : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_db = new ComposerTestDb(kTestData); }
    static void TearDownTestSuite() {
        delete s_db;
        s_db = nullptr;
    }
    void SetUp() override { m_connection = s_db->Open(); }

    ComposedReport Compose(const BirthRecord& birth, const SYSTEMTIME& now = kNow,
                           const ReadingOptions& options = {}) {
        std::optional<ComposedReport> report = ComposeReport(birth, m_connection.get(), now, options);
        EXPECT_TRUE(report.has_value());
        return report.value_or(ComposedReport{});
    }

    static ComposerTestDb* s_db;
    std::unique_ptr<Connection> m_connection;
};
ComposerTestDb* ComposerReading::s_db = nullptr;

TEST_F(ComposerReading, DefaultBirthWholeReport) {
    const ComposedReport r = Compose(kDefaultBirth);
    EXPECT_EQ(platform::Utf8(r.header),
              "您的尊姓大名: 张三\n"
              "    您的性别: 男 \n"
              "出生年月日时:(阴历) 虎(甲寅)年   十一月十九 子时\n"
              "             (阳历) 1975年       01月01日 00时\n"
              "    您的八字: 甲寅  丙子  丁未  庚子\n"
              "    您的年龄: 52岁\n"
              "\n"
              "    测算时间: 2026年12月08日 09时05分03秒");
    EXPECT_EQ(platform::Utf8(r.body),
              "                                 ☆☆☆ 八字命理分析 ☆☆☆\n\n"
              "◆称骨论命\n"
              "    骨重：总命重42钱 [ 年命重12钱 月命重9钱 日命重5钱 时命重16钱 ]\n"
              "    四两二钱之命：平生衣禄是绵长。\n\n"
              "◆八字论命\n"
              "丁日生于庚子时。\n"
              "丁未日庚子时，早年辛苦。\n"
              "◎年命理\n"
              "甲寅年生，心性刚直。\n"
              "◎月命理\n"
              "冬月生人，沉稳。\n"
              "◎日命理\n"
              "十九日生。\n"
              "◎时命理\n"
              "子时生人。\n");
    EXPECT_EQ(platform::Utf8(r.starSign), "摩羯座");
    const char* const pillars[] = {"甲", "寅", "丙", "子", "丁", "未", "庚", "子"};
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_EQ(platform::Utf8(r.pillarChars[k].data()), pillars[k]);
        EXPECT_EQ(r.pillarChars[k][2], '\0');
    }
    EXPECT_EQ(r.weights, (std::array<std::int32_t, 4>{12, 9, 5, 16}));
    EXPECT_EQ(r.totalWeight, 42);
}

// Female, lunar leap fifth month, hour 23 on the clock (in the summer time of
// 1990, kept as the clock showed it), 晚子时: the 戊 day's pillar with the
// next day's 甲子 hour, for which bazi2 has no text; its total (46) has no
// bazi1 row and its year pillar no bazi3 row.
TEST_F(ComposerReading, LeapMonthFemaleHour23WithMissingRows) {
    const ComposedReport r = Compose(kLeapMonthBirth, kNow, {.dstCorrect = false});
    EXPECT_EQ(platform::Utf8(r.header),
              "您的尊姓大名: 李四\n"
              "    您的性别: 女 \n"
              "出生年月日时:(阴历) 马(庚午)年 闰五月初十 子时\n"
              "             (阳历) 1990年       07月02日 23时\n"
              "    您的八字: 庚午  壬午  戊辰  甲子\n"
              "    您的年龄: 37岁\n"
              "\n"
              "    测算时间: 2026年12月08日 09时05分03秒");
    EXPECT_EQ(platform::Utf8(r.body),
              "                                 ☆☆☆ 八字命理分析 ☆☆☆\n\n"
              "注: 出生于夏令时（1990-04-15 02:00 至 1990-09-16 01:00）；按钟表时间排盘，未拨回标准时间\n"
              "注: 23时按晚子时：日柱不换，时柱取次日子时\n"
              "\n"
              "◆称骨论命\n"
              "    骨重：总命重46钱 [ 年命重9钱 月命重5钱 日命重16钱 时命重16钱 ]\n"
              "    \n\n"
              "◆八字论命\n"
              "\n"
              "\n"
              "◎年命理\n"
              "\n"
              "◎月命理\n"
              "五月生人，热情。\n"
              "◎日命理\n"
              "初十日生。\n"
              "◎时命理\n"
              "子时生人。\n");
    EXPECT_EQ(platform::Utf8(r.starSign), "巨蟹座");
    EXPECT_EQ(r.leap, 1);

    // The ordinary fifth month reads the same month weight and text.
    const ComposedReport ordinary = Compose(Birth("李四", 1, kLunarCalendar, 1990, 5, 10, 23, 0));
    EXPECT_EQ(ordinary.weights[1], r.weights[1]);
    EXPECT_EQ(ordinary.sections[4], r.sections[4]);

    // By default the summer time is taken back: 22:00 standard time, 亥时.
    const ComposedReport standard = Compose(kLeapMonthBirth);
    EXPECT_NE(platform::Utf8(standard.header)
                  .find("(阳历) 1990年       07月02日 22时\n"
                        "    您的八字: 庚午  壬午  戊辰  癸亥\n"),
              std::string::npos)
        << platform::Utf8(standard.header);
    EXPECT_NE(platform::Utf8(standard.body)
                  .find("注: 出生于夏令时（1990-04-15 02:00 至 1990-09-16 01:00）；钟表时间"
                        "已拨回一小时，按标准时间 1990-07-02 22:00 排盘\n"),
              std::string::npos);
    EXPECT_EQ(standard.clockSolar, MakeSystemTime(1990, 7, 2, 23));
    EXPECT_EQ(standard.solar, MakeSystemTime(1990, 7, 2, 22));
}

// 2000-02-04 21:00 is after 立春 (20:40:23) but still the lunar year 1999:
// the weight uses the lunar year name 己卯, section 4 the year pillar 庚辰.
// At 20:00 the same day, before 立春, the year pillar is still 己卯.
TEST_F(ComposerReading, YearNameAndYearPillarDifferBeforeLunarNewYear) {
    const ComposedReport r = Compose(Birth("王五", 0, kGregorianCalendar, 2000, 2, 4, 21));
    EXPECT_EQ(r.weights[0], 19);
    EXPECT_EQ(platform::Utf8(r.sections[3]), "庚辰年生。");
    const ComposedReport before = Compose(Birth("王五", 0, kGregorianCalendar, 2000, 2, 4, 20));
    EXPECT_EQ(platform::Utf8(std::string(before.pillarChars[0].data()) + before.pillarChars[1].data()),
              "己卯");
    EXPECT_NE(platform::Utf8(before.body).find("注: 本时辰内交节（立春 2000-02-04 20:40:23）"),
              std::string::npos);
}

TEST_F(ComposerReading, AgeAndTimeLineFollowTheGivenLocalTime) {
    struct Case {
        const char* name;
        SYSTEMTIME now;
        const char* tail;  // the end of the header
    };
    const Case cases[] = {
        {"in the birth year", MakeSystemTime(1975, 6, 1, 12, 0, 0),
         "    您的年龄: 1岁\n\n    测算时间: 1975年06月01日 12时00分00秒"},
        {"last second of the birth year", MakeSystemTime(1975, 12, 31, 23, 59, 59),
         "    您的年龄: 1岁\n\n    测算时间: 1975年12月31日 23时59分59秒"},
        {"new year adds one", MakeSystemTime(1976, 1, 1, 0, 0, 0),
         "    您的年龄: 2岁\n\n    测算时间: 1976年01月01日 00时00分00秒"},
        // Late evening stays late evening: no hour shifted past midnight
        // onto the same date.
        {"late evening", MakeSystemTime(2026, 12, 8, 23, 30, 5),
         "    您的年龄: 52岁\n\n    测算时间: 2026年12月08日 23时30分05秒"},
        // The birth is 1975-01-01: before that day nobody has an age.
        {"the birthday itself", MakeSystemTime(1975, 1, 1, 0, 0, 0),
         "    您的年龄: 1岁\n\n    测算时间: 1975年01月01日 00时00分00秒"},
        {"the evening before the birth", MakeSystemTime(1974, 12, 31, 23, 59, 59),
         "    您的年龄: 尚未出生\n\n    测算时间: 1974年12月31日 23时59分59秒"},
        {"a birth 22 years ahead", MakeSystemTime(1953, 1, 2, 8, 0, 0),
         "    您的年龄: 尚未出生\n\n    测算时间: 1953年01月02日 08时00分00秒"},
        {"same year, later month", MakeSystemTime(1974, 1, 2, 8, 0, 0),
         "    您的年龄: 尚未出生\n\n    测算时间: 1974年01月02日 08时00分00秒"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string header = platform::Utf8(Compose(kDefaultBirth, c.now).header);
        EXPECT_TRUE(header.ends_with(c.tail)) << header;
    }
}

TEST_F(ComposerReading, InvalidDateGivesNoReport) {
    EXPECT_FALSE(
        ComposeReport(Birth("张三", 0, kGregorianCalendar, 1975, 2, 31, 0), m_connection.get(), kNow));
    EXPECT_FALSE(ComposeReport(Birth("张三", 0, kLunarCalendar, 1999, 2, 30, 0), m_connection.get(), kNow));
}

TEST_F(ComposerReading, NameOfTenBytesAndUnterminatedName) {
    const ComposedReport ten = Compose(Birth("欧阳春花雨", 0, kGregorianCalendar, 1975, 1, 1, 0));
    EXPECT_TRUE(platform::Utf8(ten.header).starts_with("您的尊姓大名: 欧阳春花雨\n"));
    // A record whose name fills all 12 bytes is read no further than them.
    BirthRecord full = kDefaultBirth;
    std::fill(std::begin(full.name), std::end(full.name), 'x');
    EXPECT_TRUE(Compose(full).header.starts_with(platform::Gbk("您的尊姓大名: xxxxxxxxxxxx\n")));
}

TEST(ComposerDatabaseError, NullConnectionThrowsBeforeAnyText) {
    try {
        (void)ComposeReport(kDefaultBirth, nullptr, kNow);
        FAIL() << "no ComError";
    } catch (const ComError& e) {
        EXPECT_EQ(e.Error(), kE_POINTER);
    }
}

TEST(ComposerDatabaseError, FailuresDuringTheLookupsAreThrown) {
    // An hour weight that is no number fails the fourth query's read.
    const ComposerTestDb db(kTestData);
    db.Tamper("UPDATE bazi0 SET amount = 'heavy' WHERE type = '子时'");
    const auto connection = db.Open();
    try {
        (void)ComposeReport(kDefaultBirth, connection.get(), kNow);
        FAIL() << "no ComError";
    } catch (const ComError& e) {
        EXPECT_EQ(e.Error(), kDISP_E_TYPEMISMATCH);
    }
    // A connection closed under the composer.
    connection->Close();
    EXPECT_THROW((void)ComposeReport(kDefaultBirth, connection.get(), kNow), ComError);
}

TEST(ComposerStoredValues, NullOddAndZeroStoredValues) {
    const ComposerTestDb db(kTestData);
    const std::string odd = EncodeText(platform::Gbk("十九日生。")) + "7";
    db.Tamper(
        "UPDATE bazi0 SET amount = NULL WHERE type = '子时';"
        "UPDATE bazi6 SET meaning = NULL WHERE time = '子时';"
        "UPDATE bazi5 SET meaning = '" +
        odd +
        "' WHERE day = '十九';"
        "UPDATE bazi4 SET meaning = '00' || substr(meaning, 3) WHERE month = '冬月';");
    const auto connection = db.Open();
    const auto r = ComposeReport(kDefaultBirth, connection.get(), kNow);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->weights, (std::array<std::int32_t, 4>{12, 9, 5, 0}));
    EXPECT_EQ(platform::Utf8(r->sections[4]), "");
    EXPECT_EQ(platform::Utf8(r->sections[5]), "十九日生。");
    EXPECT_EQ(platform::Utf8(r->sections[6]), "");
    EXPECT_TRUE(platform::Utf8(r->body).ends_with("◎月命理\n\n◎日命理\n十九日生。\n◎时命理\n\n"));
    EXPECT_NE(platform::Utf8(r->body).find("总命重26钱 [ 年命重12钱 月命重9钱 日命重5钱 时命重0钱 ]"),
              std::string::npos);
}

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

TEST(ComposerLimits, StoredTextOverTheLimitIsCutAtACharacter) {
    // One ASCII byte first, so the limit of 10240 stored characters (5120
    // text bytes) falls inside a two-byte character. The builder refuses
    // such a text, so it is written into the file directly.
    const ComposerTestDb db(kTestData);
    db.Tamper("UPDATE bazi6 SET meaning = '" + EncodeText(platform::Gbk("a" + Repeat("长", 3000))) +
              "' WHERE time = '子时'");
    const auto connection = db.Open();
    const auto r = ComposeReport(kDefaultBirth, connection.get(), kNow);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->sections[6], platform::Gbk("a" + Repeat("长", 2559)));
    EXPECT_TRUE(r->body.ends_with(r->sections[6] + "\n"));
}

TEST(ComposerLimits, BodyOverTheLimitIsCutAtACharacter) {
    auto data = kTestData;
    const std::string longText = "a" + Repeat("长", 2500);  // 5001 bytes each
    data["bazi3.tsv"] = "year\tmeaning\n甲寅\t" + longText + "\n";
    data["bazi4.tsv"] = "month\tmeaning\n冬月\t" + longText + "\n";
    data["bazi5.tsv"] = "day\tmeaning\n十九\t" + longText + "\n";
    const ComposerTestDb db(data);
    const auto connection = db.Open();
    const auto r = ComposeReport(kDefaultBirth, connection.get(), kNow);
    ASSERT_TRUE(r);
    EXPECT_LE(r->body.size(), kBodyBufferSize - 1);
    EXPECT_GE(r->body.size(), kBodyBufferSize - 2);
    ASSERT_TRUE(platform::GbkToUtf8(r->body).has_value());
    const std::string uncut = platform::Gbk(
        "                                 ☆☆☆ 八字命理分析 ☆☆☆\n\n◆称骨论命\n"
        "    骨重：总命重42钱 [ 年命重12钱 月命重9钱 日命重5钱 时命重16钱 ]\n"
        "    "
        "四两二钱之命：平生衣禄是绵长。\n\n◆八字论命\n丁日生于庚子时。\n丁未日庚子时，早年辛苦。\n◎年命理\n" +
        longText + "\n◎月命理\n" + longText + "\n◎日命理\n" + longText + "\n◎时命理\n子时生人。\n");
    EXPECT_TRUE(uncut.starts_with(r->body));
    EXPECT_EQ(r->sections[5], platform::Gbk(longText));  // sections themselves are whole
}

}  // namespace
