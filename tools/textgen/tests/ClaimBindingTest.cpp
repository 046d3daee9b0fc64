// Claim binding, one table per kind of claim: each row a text with what it is
// bound to, and whether the claim holds (no complaint) or not (a complaint
// naming the truth). Rows come in pairs either side of the rule where they can.
#include <gtest/gtest.h>

#include "ClaimBinding.h"
#include "Theory.h"

using namespace textgen;
using namespace chart;

namespace {

constexpr int kJia = 0, kYi = 1, kBing = 2, kWu = 4, kGeng = 6, kGui = 9;  // stems
constexpr int kZi = 0, kChen = 4, kYin = 2, kHai = 11;                     // branches

struct Case {
    const char* name;
    ClaimScope scope;
    const char* text;
    const char* complaint;  // a part of the complaint, or nullptr when the claim holds
};

std::string Complaints(const ClaimScope& scope, const char* text) {
    std::string all;
    for (const std::string& c : UnboundClaims(scope, text)) all += c + "\n";
    return all;
}

void Expect(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ": " + c.text);
        const std::string got = Complaints(c.scope, c.text);
        if (c.complaint)
            EXPECT_NE(got.find(c.complaint), std::string::npos) << got;
        else
            EXPECT_EQ(got, "");
    }
}

const ClaimScope kNone{};
// A 甲 day master on 辰 (衰) meeting 亥 (长生), with 甲 and 丙 in stem positions.
const ClaimScope kJiaDay{kJia, kChen, kHai, {kJia, kBing}, {}};

}  // namespace

TEST(ClaimBinding, ATenGodIsThatOfTheStemBesideIt) {
    Expect({
        {"stem before", kJiaDay, "时干丙火为食神，才思外发。", nullptr},
        {"wrong god", kJiaDay, "时干丙火为正财。", "丙 is 食神"},
        {"hidden stem", kJiaDay, "辰中藏戊为偏财，乙木劫财为根。", nullptr},
        {"stem after", kJiaDay, "时上正财己土。", nullptr},
        {"stem after, wrong", kJiaDay, "时上正财戊土。", "戊 is 偏财"},
        {"no stem beside it", kJiaDay, "食神生财，手艺换得收入。", nullptr},
        {"no day master", kNone, "丙火为正财。", nullptr},
    });
}

TEST(ClaimBinding, AHiddenStemIsOneItsBranchHides) {
    Expect({
        {"enumeration", kNone, "辰中藏戊土、乙木与癸水。", nullptr},
        {"not hidden", kNone, "辰中藏丁火，暖意内蓄。", "辰 hides 戊乙癸"},
        {"only one", kNone, "子中只藏癸水。", nullptr},
        {"与 outside an enumeration", kNone, "申中壬水偏印与癸水相合。", nullptr},
        {"与 ending an enumeration", kNone, "申中庚金、壬水与丙火。", "申 hides 庚壬戊"},
        {"both branches hide it", kNone, "午、未皆藏己土。", nullptr},
        {"one branch lacks it", kNone, "戌、未皆藏己土。", "戌 hides 戊辛丁"},
        {"branch of an earlier clause", kNone, "辰为湿土，藏戊为偏财。", nullptr},
        {"branch of a pillar is not the subject", kNone, "甲子年生，藏于心中。", nullptr},
    });
}

TEST(ClaimBinding, AStageIsThatOfTheStemAtTheBranch) {
    const ClaimScope wuAtYin{kWu, kZi, kYin, {kWu}, {}};
    Expect({
        {"stem at branch", kNone, "丙火于申为病地。", nullptr},
        {"收藏 is 墓", kNone, "丙临酉为收藏之地。", "it is 死"},
        {"branch is the stem's", kNone, "寅为甲之禄地。", nullptr},
        {"branch is the stem's, wrong", kNone, "卯为甲之禄地。", "it is 帝旺"},
        {"with its element", kNone, "巳为丁火帝旺之地。", nullptr},
        {"日主 at a branch", kJiaDay, "日主临子为沐浴之地。", nullptr},
        {"坐 and 临", kJiaDay, "日主坐衰而临长生。", nullptr},
        {"坐 is the day branch", kJiaDay, "日主坐长生。", "it is 衰"},
        {"于时坐 is the hour branch", wuAtYin, "戊土于时坐长生，后劲绵长。", nullptr},
        {"a plain word", kNone, "童年得人培养。", nullptr},
    });
}

TEST(ClaimBinding, A透StemStandsInAStemPosition) {
    const ClaimScope gengHour{kGeng, kChen, kChen, {kGeng, kGeng}, {}};
    const ClaimScope guiHour{kGeng, kChen, kChen, {kGeng, kGui}, {}};
    Expect({
        {"hidden stem 透", gengHour, "癸水伤官透出，言辞锋利。", "癸 stands in no stem position"},
        {"hour stem 透", guiHour, "癸水伤官透出，言辞锋利。", nullptr},
        {"透出 before the stem", gengHour, "时上透出癸水。", "癸 stands in no stem position"},
        {"two of one stem", gengHour, "两庚同透。", nullptr},
        {"not 透 of a stem", gengHour, "读书通透，看得透彻。", nullptr},
    });
}

TEST(ClaimBinding, ElementAndTenGodRelationsFollowTheCycles) {
    // 壬午 杨柳木 and 庚午 路旁土.
    const ClaimScope kWoodAndEarth{-1, -1, -1, {}, {PillarIndex(8, 6), PillarIndex(6, 6)}};
    Expect({
        {"generates", kNone, "水生木，木生火。", nullptr},
        {"does not generate", kNone, "木生土。", "木 controls 土"},
        {"反克 of an ordinary 克", kWoodAndEarth, "杨柳木反克路旁土。", "木 controls 土"},
        {"反克 the right way", kWoodAndEarth, "路旁土反克杨柳木。", nullptr},
        {"stems as their elements", kNone, "丁火可制辛金。", nullptr},
        {"stems the wrong way", kNone, "辛金制丁火。", "金 is controlled by 火"},
        {"mutual", kNone, "金水相生。", nullptr},
        {"mutual, wrong", kNone, "水火相生。", "水 controls 火"},
        {"ten gods", kJiaDay, "官印相生，食神制杀，伤官生财。", nullptr},
        {"ten gods, wrong", kJiaDay, "财生印。", "财 controls 印"},
        {"the 印 generates, not the 杀 it transforms", kJiaDay, "偏印化杀生身。", nullptr},
        {"born in", kNone, "丙火生于寅月。", nullptr},
        {"negated", kNone, "木不生金。", nullptr},
    });
}

TEST(ClaimBinding, StoresKindsAndPairsAreThoseOfTheNamedBranches) {
    Expect({
        {"store", kNone, "辰为水库。", nullptr},
        {"wrong store", kNone, "未为水库。", "未 is the 木库"},
        {"store after an adjective", kNone, "丑为湿土金库。", nullptr},
        {"combine", kNone, "子丑六合。", nullptr},
        {"no combine", kNone, "子午六合。", "does not hold between 子 and 午"},
        {"combine into the wrong element", kNone, "子丑六合化木。", "would form 土"},
        {"stems combine", kNone, "甲己相合。", nullptr},
        {"stems do not", kNone, "甲庚相合。", "does not hold between 甲 and 庚"},
        {"clash with a mark between", kNone, "子、午相冲。", nullptr},
        {"wet earth", kNone, "辰为湿土，能晦火。", nullptr},
        {"dry earth called wet", kNone, "戌为湿土。", "湿土 is 辰丑"},
        {"cold water", kNone, "丁火坐于亥，如灯在寒水之上；子为寒水。", nullptr},
        {"warm water called cold", kNone, "巳为寒水。", "寒水 is 亥子"},
    });
}

TEST(ClaimBinding, A纳音IsOneOfTheKeysPillars) {
    const ClaimScope jiazi{-1, -1, -1, {kJia}, {PillarIndex(kJia, kZi)}};
    Expect({
        {"own", jiazi, "纳音海中金，宝光不露。", nullptr},
        {"other", jiazi, "纳音炉中火。", "this key's 纳音 is 海中金"},
        {"no pillar", kNone, "海中金。", "does not have"},
    });
}

TEST(ClaimBinding, StemGodsNamedAreTheBoundAndTrueOnes) {
    const auto named =
        StemGodsNamed(kJia, "时干丙火为食神，辰中藏戊为偏财，乙木劫财为根；食神生财；庚金正财。");
    const std::set<std::pair<int, TenGod>> expected = {
        {kBing, TenGod::EatingGod}, {kWu, TenGod::IndirectWealth}, {kYi, TenGod::RobWealth}};
    EXPECT_EQ(named, expected);
}
