// A reading on the database the build ships (bin/Karvuto.mdb): the form's
// default birth, whose weights are the traditional table's.
#include <gtest/gtest.h>

#include <cstring>

#include "ComposerTestDb.h"
#include "GbkCodec.h"
#include "ReadingComposer.h"

namespace {

TEST(ComposerShippedDb, DefaultBirthHasEveryTextAndTheTraditionalWeights) {
    Connection connection;
    connection.Open(std::string("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + KARVUTO_SHIPPED_DB, "", "",
                    0);
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

}  // namespace
