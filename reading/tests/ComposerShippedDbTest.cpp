// A reading on the database the build ships (bin/Karvuto.mdb): the form's
// default birth, whose weights are the traditional table's, and the 晚子时
// births at 23:00, whose hour pillar takes the next day's 子 stem.
#include <gtest/gtest.h>

#include <cstring>

#include "ComposerTestDb.h"
#include "GbkCodec.h"
#include "HourPillars.h"
#include "LunarCalendar.h"
#include "ReadingComposer.h"

namespace {

void OpenShippedDb(Connection& connection) {
    connection.Open(std::string("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + KARVUTO_SHIPPED_DB, "", "",
                    0);
}

TEST(ComposerShippedDb, DefaultBirthHasEveryTextAndTheTraditionalWeights) {
    Connection connection;
    OpenShippedDb(connection);
    BirthRecord birth{};
    std::strcpy(birth.name, platform::Gbk("张三").c_str());
    birth.year = 1975;
    birth.month = 1;
    birth.day = 1;
    const auto r = ComposeReport(birth, &connection, MakeSystemTime(2026, 12, 8, 9, 5, 3));
    ASSERT_TRUE(r);
    EXPECT_EQ(platform::Utf8(r->header),
              "您的尊姓大名: 张三\n    您的性别: 男 \n出生年月日时:(阴历) 虎(甲寅)年   十一月十九 子时\n"
              "             (阳历) 1975年       01月01日 00时\n    您的八字: 甲寅  丙子  丁未  庚子\n"
              "    您的年龄: 52岁\n\n    测算时间: 2026年12月08日 09时05分03秒");
    // 甲寅 12, 冬月 9, 十九 5, 子时 16 钱.
    EXPECT_EQ(r->weights, (std::array<std::int32_t, 4>{12, 9, 5, 16}));
    const std::string body = platform::Utf8(r->body);
    EXPECT_TRUE(
        body.starts_with("                                 ☆☆☆ 八字命理分析 ☆☆☆\n\n◆称骨论命\n"
                         "    骨重：总命重42钱 [ 年命重12钱 月命重9钱 日命重5钱 时命重16钱 ]\n    "));
    std::size_t at = 0;
    for (std::size_t i = 0; i < r->sections.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(r->sections[i].empty());
        const std::string text = platform::Utf8(r->sections[i]);
        at = body.find(text, at);
        ASSERT_NE(at, std::string::npos);
        at += text.size();
    }
    EXPECT_TRUE(body.ends_with(platform::Utf8(r->sections[6]) + "\n"));
}

// Ten consecutive days at 23:00 give every day stem its late 子 (2000-01-01 is
// 戊午 with 甲子): both day-and-hour paragraphs have a text, and neither is the
// text of the same day's 00:00 子 hour.
TEST(ComposerShippedDb, LateZiHourHasBothDayAndHourTexts) {
    Connection connection;
    OpenShippedDb(connection);
    const CLunarCalendar cal;
    const SYSTEMTIME now = MakeSystemTime(2026, 12, 8, 9, 5, 3);
    for (int day = 1; day <= 10; ++day) {
        SCOPED_TRACE("2000-01-" + std::to_string(day) + " 23:00");
        BirthRecord birth{};
        std::strcpy(birth.name, platform::Gbk("张三").c_str());
        birth.year = 2000;
        birth.month = 1;
        birth.day = day;
        const auto midnight = ComposeReport(birth, &connection, now);
        birth.hour = 23;
        const auto late = ComposeReport(birth, &connection, now);
        ASSERT_TRUE(midnight && late);
        const auto pillars = cal.GetFourPillarIndices(MakeSystemTime(2000, 1, day, 23));
        const int lateZi = calendar::HourPillarsOfDayStem(pillars[2] % calendar::kStemCount).back();
        EXPECT_EQ(pillars[3], lateZi);
        const auto& pc = late->pillarChars;
        EXPECT_EQ(platform::Utf8(std::string(pc[6].data()) + pc[7].data()), calendar::PillarNameUtf8(lateZi));
        if (day == 1) {
            EXPECT_EQ(calendar::PillarNameUtf8(lateZi), "甲子");
        }
        for (const std::size_t section : {1u, 2u}) {
            EXPECT_FALSE(late->sections[section].empty()) << "section " << section;
            EXPECT_NE(late->sections[section], midnight->sections[section]) << "section " << section;
        }
    }
}

}  // namespace
