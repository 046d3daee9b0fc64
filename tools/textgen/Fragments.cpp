// Phrase tables of Fragments.h, one entry per fact, in the order of its enum.
#include "Fragments.h"

#include <array>

namespace textgen {
namespace {

// Image and character of each day stem 甲 … 癸.
constexpr std::array<std::string_view, 10> kDayStemNature = {
    "甲木为阳木，如挺拔的大树，性情正直，有担当，向上之心强",
    "乙木为阴木，如花草藤萝，柔韧灵活，善于借势生长，待人温和",
    "丙火为阳火，如当空的太阳，热情坦荡，光明磊落，乐于照耀他人",
    "丁火为阴火，如灯烛与星光，细腻温暖，心思敏锐，内有恒光",
    "戊土为阳土，如厚重的高山，稳重守信，包容力强，不易动摇",
    "己土为阴土，如田园沃土，朴实细心，善于培育，能容能养",
    "庚金为阳金，如刀剑顽铁，刚毅果断，重义气，敢作敢为",
    "辛金为阴金，如珠玉首饰，清秀精致，自尊心强，讲究品位",
    "壬水为阳水，如江河大海，胸襟开阔，聪明好动，志在远方",
    "癸水为阴水，如雨露清泉，沉静灵慧，善解人意，润物无声",
};

// The hour stem as each ten god, 比肩 … 正印: the hour speaks of later years,
// of what one's work yields and of what one aims at inwardly.
constexpr std::array<std::string_view, 10> kHourTenGod = {
    "主自立自强，身边多志同道合之人，做事喜欢亲力亲为，越到后来越有同路的伙伴",
    "主性格好胜，敢想敢拼，肯与人并肩争先，与人合作时宜讲明规矩、分清彼此",
    "主才思温润，气度从容，懂得享受生活，所得成果多出于自然流露的才情",
    "主才华锋利，思想独立，不愿循规蹈矩，表达见解时宜留三分余地",
    "主眼光活络，善抓机会，出手大方，交游广阔，常在变化中找到收获",
    "主勤俭务实，重视积累，凭踏实经营换来稳定的收获与安定的晚景",
    "主压力与动力并存，性格果决，敢于迎难而上，能在困境中奋起",
    "主守规矩、重名誉，做事有责任感，容易得到上下的信任与托付",
    "主思维独特，喜欢钻研，直觉敏锐，常有不拘常理的见解",
    "主心性仁厚，好学不倦，常得长辈与师长的护持，心中有所依靠",
};

// The day stem at each growth stage, 长生 … 养.
constexpr std::array<std::string_view, 12> kStage = {
    "如幼苗初生，生机蓬勃，后劲绵长，越往后越有发展",
    "如婴孩初浴，活泼多变，喜好新鲜，需要定下心来",
    "如少年加冠，渐趋成熟，重视仪表与名声，做事日见章法",
    "如学成立业，自立有成，根气充实，凭本事站稳脚跟",
    "气势到了顶点，能力强，个性也强，宜防过刚易折",
    "盛极而渐收，性情转为稳重持守，经验老到，处事沉着",
    "病字只是比喻气势不足，心思细腻而多虑，做事宜量力而行",
    "死字只是比喻气息沉静，性情内向专注，宜守一门而求精",
    "如物入库中收藏，善于积蓄，含而不露，多为大器晚成",
    "旧气已尽而新气未生，处事敏感多变，宜稳定心志再作打算",
    "如胎中孕育，心怀新念，潜力尚待生发，宜耐心培养",
    "如在母体中受养，得人照顾，性情温和，渐渐成其气候",
};

// Advice by the ten god's pair (比劫, 食伤, 财, 官杀, 印) and the day stem's strength.
constexpr std::array<std::array<std::string_view, 3>, 5> kAdvice = {{
    {"身旺又见同气，自信有余，宜多听他人之见，把力量用在合作与担当上",
     "得同气扶助，力量适中，宜与可靠的伙伴携手，互补长短",
     "自身气弱而得同气相扶，宜珍惜朋友与团队，众人拾柴火焰高"},
    {"身强而能吐秀，正宜把才华化为作品与技艺，越用越精", "才华与精力大体相称，宜选准方向，细水长流地发挥",
     "身弱而才思外泄，宜量力表现，先养精蓄锐再求施展"},
    {"身强能任财，善于经营，宜守信用、立规矩，使财物来去有度", "财与身力量相当，宜稳中求进，勤俭与眼光并重",
     "身弱而见财，宜量入为出，不求多而求稳，凭专业立身"},
    {"身强遇官杀，压力反成动力，宜担当重任，守正而行", "身与官杀相持，宜以规矩自律，以学识化解压力",
     "身弱而受制，宜多借学习与贵人之力，不逞强，循序渐进"},
    {"身强又得生扶，学识与依靠俱足，宜主动付出，防安逸懈怠", "得印生扶，心有所依，宜多读书进修，以学养立身",
     "身弱得印相生，如久旱逢雨，宜亲近良师益友，厚积而后发"},
}};

// Image of each nayin, in the order of the 30 pairs 甲子乙丑 … 壬戌癸亥.
constexpr std::array<std::string_view, 30> kNayinImage = {
    "金藏深海，贵在内敛", "火在炉中，能熔炼百物", "木成大林，枝繁叶茂", "土铺大道，承载往来",
    "金成利剑，锋芒锐利", "火燃山巅，光照四野",   "水行山涧，清澈细长", "土筑城墙，坚实可守",
    "金初熔炼，洁白待琢", "柳枝柔韧，随风不折",   "泉自地出，清冽不竭", "土为屋瓦，遮风挡雨",
    "雷火一闪，声势惊人", "松柏常青，经霜愈坚",   "长河奔流，源远不息", "金混砂中，淘洗见真",
    "余晖映山，温而不烈", "原野之木，朴实成材",   "土成墙壁，护卫家室", "金成薄箔，贵在精工",
    "灯在罩中，夜里长明", "天河降雨，润泽万物",   "驿道通衢，四通八达", "金为钗钏，精巧华美",
    "桑柘养蚕，实用利人", "大溪奔流，气势充沛",   "细沙聚散，蕴藏生机", "日光普照，温暖大地",
    "榴花似火，果实累累", "大海浩瀚，包容百川",
};

// The day branch's main hidden stem as each ten god: the day branch is one's
// own footing and home life.
constexpr std::array<std::string_view, 10> kSitting = {
    "根基扎实，独立而有主见，家中事务喜欢自己拿主意",   "个性鲜明，好胜心强，与亲近之人相处宜多些体谅",
    "心态乐观，懂得生活情趣，家中气氛多温和融洽",       "聪明敏锐，感受力强，与家人相处宜多包容、少挑剔",
    "为人慷慨，交际活跃，善于把握身边的机会",           "务实顾家，重视经营与储蓄，生活讲究安稳",
    "性格刚毅，自我要求高，内心常有紧迫感，宜适度放松", "端正守礼，重视家风与名誉，处事有分寸",
    "心思深沉，喜好独处思考，宜多与家人交流",           "心地仁厚，容易得到家人与长辈的关爱，内心安稳",
};

// Closing advice of a day pillar with its hour pillar, by nayin at ease /
// controlling, then by Meeting (Together, AtOdds, Neither).
constexpr std::array<std::array<std::string_view, 3>, 2> kClosing = {{
    {"纳音相得而两支相合，日与时上下相顾，宜顺势而为，把良好的根基用在长远的目标上",
     "纳音虽然相得，两支却有所不和，外和而内有磨合，宜在顺境中留意细节，以平和之心对待小的波折",
     "纳音相得而两支平稳，宜守住这份安定，循序渐进，把日常的功夫做足"},
    {"纳音相制而两支相合，表面有考验，内里有助力，遇到难处不必灰心，转机常在人和",
     "纳音相制，两支又不和，日时之间多有磨合，宜放慢脚步，凡事多商量、多准备，以耐心换安稳",
     "纳音相制而两支平和，考验多来自外部，守住本心，稳扎稳打即可"},
}};

}  // namespace

Meeting MeetingOf(BranchLink firstLink) {
    switch (firstLink) {
        case BranchLink::Combine:
        case BranchLink::HalfTrine:
        case BranchLink::ArchTrine:
        case BranchLink::HalfDirection:
            return Meeting::Together;
        case BranchLink::SelfPunish:
        case BranchLink::Clash:
        case BranchLink::Punish:
        case BranchLink::Harm:
        case BranchLink::Break:
            return Meeting::AtOdds;
        case BranchLink::Repeat:
            break;
    }
    return Meeting::Neither;
}

std::string_view PillarsClosing(bool nayinAtEase, Meeting m) {
    return kClosing[nayinAtEase ? 0 : 1][static_cast<int>(m)];
}

Strength StrengthOf(Stage s) {
    switch (s) {
        case Stage::Birth:
        case Stage::Cap:
        case Stage::Office:
        case Stage::Peak:
            return Strength::Strong;
        case Stage::Bath:
        case Stage::Decline:
        case Stage::Womb:
        case Stage::Nurture:
            return Strength::Moderate;
        case Stage::Ailing:
        case Stage::Death:
        case Stage::Tomb:
        case Stage::Extinct:
            return Strength::Weak;
    }
    return Strength::Moderate;
}

std::string_view DayStemNature(int stem) {
    return kDayStemNature[stem];
}
std::string_view HourTenGodMeaning(TenGod g) {
    return kHourTenGod[static_cast<int>(g)];
}
std::string_view StageMeaning(Stage s) {
    return kStage[static_cast<int>(s)];
}
std::string_view StemHourAdvice(TenGod g, Strength s) {
    return kAdvice[static_cast<int>(g) / 2][static_cast<int>(s)];
}
std::string_view NayinImage(int sexagenary) {
    return kNayinImage[sexagenary / 2];
}
std::string_view SittingMeaning(TenGod g) {
    return kSitting[static_cast<int>(g)];
}

std::string_view LinkMeaning(BranchLink l, PunishKind k) {
    switch (l) {
        case BranchLink::Repeat:
            return "心之所向与身之所处如出一辙，专一而执着，宜防固守一端、不肯变通";
        case BranchLink::SelfPunish:
            return "对自己要求过严，容易自寻压力，宜学会放过自己，张弛有度";
        case BranchLink::Combine:
            return "日时相亲，内外和谐，所求与所居相互成全，常得身边人的帮衬";
        case BranchLink::Clash:
            return "日时相对，动多静少，想法与处境常有拉扯，宜以变应变，谋定而后动";
        case BranchLink::HalfTrine:
            return "同心协力，心意相通，做事容易得到呼应，合作多成";
        case BranchLink::ArchTrine:
            return "虽缺中间一字，意却相通，主暗中得助，机缘常在不经意处";
        case BranchLink::HalfDirection:
            return "气同道合，眼前所为与将来所求一脉相承";
        case BranchLink::Punish:
            switch (k) {
                case PunishKind::Ungrateful:
                    return "内外有所牵制，宜念人之好、知恩图报，以礼让化解摩擦";
                case PunishKind::Bullying:
                    return "内外有所牵制，宜不恃己长、不争意气，以谦和化解摩擦";
                case PunishKind::Rude:
                case PunishKind::None:
                    return "内外有所牵制，宜讲究礼数与分寸，以体谅化解摩擦";
            }
            break;
        case BranchLink::Harm:
            return "彼此暗有妨碍，信任需要时间，宜坦诚沟通，少生猜疑";
        case BranchLink::Break:
            return "好事多磨，计划常有小的改动，宜耐心修补，不急不躁";
    }
    return "";
}

std::string_view LinkShortName(BranchLink l) {
    switch (l) {
        case BranchLink::Clash:
            return "相冲";
        case BranchLink::HalfDirection:
            return "半会";
        case BranchLink::Punish:
            return "相刑";
        case BranchLink::Harm:
            return "相害";
        case BranchLink::Break:
            return "相破";
        case BranchLink::Repeat:
        case BranchLink::SelfPunish:
        case BranchLink::Combine:
        case BranchLink::HalfTrine:
        case BranchLink::ArchTrine:
            break;
    }
    return "";
}

std::string_view LinkShortAdvice(BranchLink l) {
    switch (l) {
        case BranchLink::Clash:
            return "在变动之中守住根本";
        case BranchLink::Punish:
            return "以礼让化解摩擦";
        case BranchLink::Harm:
            return "坦诚相待";
        case BranchLink::Break:
            return "耐心修补";
        case BranchLink::HalfDirection:
        case BranchLink::Repeat:
        case BranchLink::SelfPunish:
        case BranchLink::Combine:
        case BranchLink::HalfTrine:
        case BranchLink::ArchTrine:
            break;
    }
    return "";
}

}  // namespace textgen
