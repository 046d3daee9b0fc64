// The word lists of the text checks. A word matches anywhere in a text, so each
// is chosen to be unambiguous on its own: a compound where the single character
// would also stand in harmless words (丈夫 and 夫妻, never 夫, which 功夫 holds).
#include "WordLists.h"

namespace textgen {

namespace {

// Death, grave illness, disaster, lawsuits, losses, divorce and childlessness.
constexpr std::string_view kHarm[] = {
    "死",   "夭",   "亡",   "离婚", "克夫", "克妻", "绝症", "血光", "灾祸", "短命",
    "横祸", "无子", "绝嗣", "刑克", "破产", "牢狱", "重病", "大病", "灾难", "厄运",
    "车祸", "手术", "官司", "寿命", "疾病", "病痛", "破财", "大难", "凶死", "孤寡",
};
// Words that tie a text to one sex.
constexpr std::string_view kSex[] = {"男命", "女命", "男性", "女性", "嫁", "娶"};
// A partner, which the chart reads from 财 for a man and from 官 for a woman.
constexpr std::string_view kPartner[] = {
    "丈夫",   "妻",   "夫君", "夫星", "夫宫", "夫家",     "配偶", "伴侣", "婚",   "姻缘",
    "另一半", "异性", "情侣", "恋爱", "恋人", "所喜之人", "良人", "郎君", "红鸾", "情缘",
};
// How strong the day master, a ten god or an element is: the analysis weighs
// the whole chart for that; a text that sees two pillars cannot.
constexpr std::string_view kStrength[] = {
    "身强", "身弱",     "身旺", "身衰", "身轻", "身重", "日主强", "日主弱", "日主旺", "日主衰", "旺极",
    "极旺", "太旺",     "过旺", "甚旺", "最旺", "偏旺", "旺盛",   "当旺",   "正旺",   "极盛",   "太盛",
    "过盛", "最盛",     "甚盛", "势盛", "气盛", "盛极", "势弱",   "偏弱",   "太弱",   "过弱",   "极弱",
    "衰弱", "根深",     "根浅", "根薄", "根弱", "根足", "根气",   "根稳",   "根固",   "根基牢", "无根",
    "失根", "力量有限", "力薄", "力弱", "乏力", "无力", "有力",   "力极强", "足以担", "足以任", "足以承担",
    "担财", "任财",     "担官", "任官", "担杀", "任杀", "得令",   "失令",   "得地",   "失地",   "得势",
    "失势", "休囚",     "旺相", "从强", "从弱", "专旺", "气势最", "顶端",   "强旺",   "衰极",   "极衰",
    "木旺", "火旺",     "土旺", "金旺", "水旺", "木盛", "火盛",   "土盛",   "金盛",   "水盛",   "旺木",
    "旺火", "旺土",     "旺金", "旺水", "一旺", "势大", "太重",   "过重",
};
// The whole chart: two pillars say nothing of the other two.
constexpr std::string_view kWholeChart[] = {
    "唯一",   "满盘",   "全盘",     "全局",   "整局",     "通盘",   "原局",     "命局", "此局",   "局中",
    "缺去路", "无去路", "没有去路", "八字中", "八字之中", "四柱中", "四柱之中", "命中", "五行缺", "五行俱全",
};
// 当令 and 调候 belong to the month pillar, which the analysis reads.
constexpr std::string_view kSeason[] = {"当令", "调候", "司令"};
// Office vocabulary.
constexpr std::string_view kJargon[] = {
    "专业", "资源", "团队", "方案", "项目", "输出", "背书", "跑道", "配置", "品控", "投资",
    "产品", "产出", "上级", "领导", "老板", "公司", "企业", "职场", "岗位", "职位", "考核",
    "绩效", "指标", "流程", "体系", "证书", "资历", "平台", "渠道", "市场", "营销", "品牌",
    "客户", "用户", "复盘", "模式", "机制", "框架", "落地", "执行", "规划", "预算", "收益",
    "风险", "创意", "策划", "效率", "数据", "同事", "技能", "职业", "行业", "单位",
};
// Remarks on the text, its key or the set of texts, and disclaimers of the text itself.
constexpr std::string_view kDesignRemark[] = {
    "组合", "搭配", "最为鲜明", "最为典型", "最具代表", "教科书",   "只是比喻", "不必当真",     "不必迷信",
    "本段", "本条", "上文",     "下文",     "前文",     "此处所说", "这一段",   "十二时辰中最",
};
// Long life.
constexpr std::string_view kLongevity[] = {"寿", "天年", "百岁", "期颐", "耄耋", "善终", "长命", "延年"};
// Fatalism and absolute promises.
constexpr std::string_view kFated[] = {
    "注定",     "必定",     "必然",     "必将",     "一定会",   "终将",     "终究",
    "到头来",   "一场梦",   "宿命",     "在劫难",   "难逃",     "命该",     "逃不过",
    "躲不过",   "劫数",     "天意",     "命数",     "一生安稳", "一生顺遂", "衣食无忧",
    "少有人及", "无人能及", "非同一般", "少有人能", "荣华之极", "富贵之极",
};
// Property and investment directives.
constexpr std::string_view kDirective[] = {"置业", "置产", "买房", "购房", "房产",
                                           "地产", "股票", "基金", "炒股"};
// Relations the theory does not hold: 比劫 take from 财, never guard it; 印 and 财
// stand the other way round (财 controls 印).
constexpr std::string_view kDoctrine[] = {"比肩护财", "劫财护财",   "比劫护财",  "印多则财弱",
                                          "印多财弱", "印旺则财弱", "印多而财弱"};
// Variant spellings of 纳音 names: 沙中金, 沙中土, 覆灯火 and 金箔金 are the project's.
constexpr std::string_view kSpelling[] = {"砂中金", "砂中土", "佛灯火", "金泊金"};

const std::vector<WordList> kLists = {
    {Concern::Harm, "a word of harm", kHarm},
    {Concern::Sex, "a word for one sex", kSex},
    {Concern::Partner, "a partner reading", kPartner},
    {Concern::Strength, "a strength verdict", kStrength},
    {Concern::WholeChart, "a whole-chart claim", kWholeChart},
    {Concern::Season, "a season rule of the month pillar", kSeason},
    {Concern::Jargon, "office vocabulary", kJargon},
    {Concern::DesignRemark, "a remark on the text itself", kDesignRemark},
    {Concern::Longevity, "a longevity promise", kLongevity},
    {Concern::Fated, "a fated or absolute promise", kFated},
    {Concern::Directive, "a property or investment directive", kDirective},
    {Concern::Doctrine, "a relation the theory does not hold", kDoctrine},
    {Concern::Spelling, "a variant spelling", kSpelling},
};

// 合 taken as transformed.
constexpr std::string_view kTransform[] = {"合化", "合而化", "化木", "化火", "化土",   "化金",
                                           "化水", "化入",   "化气", "化神", "所化之", "合成之"};
// The condition that makes it a possibility rather than a fact.
constexpr std::string_view kCondition[] = {"若",   "倘",   "假如", "如果", "方可", "方能", "才可",
                                           "才能", "始可", "不化", "未化", "难化", "未必", "论化"};

// Temperament scales (only the lunar-day texts describe temperament).
constexpr std::string_view kOutgoing[] = {"外向", "健谈",     "活泼", "爱热闹", "喜欢热闹", "张扬",
                                          "好动", "心直口快", "直率", "爽快",   "豪爽",     "热情"};
constexpr std::string_view kReserved[] = {"内向", "寡言", "沉静", "内敛", "含蓄",       "低调",
                                          "好静", "喜静", "沉默", "腼腆", "不爱出风头", "不轻易吐露"};
constexpr std::string_view kHasty[] = {"急躁", "性急", "心急", "冲动",    "冒进",
                                       "浮躁", "毛躁", "莽撞", "急于求成"};
constexpr std::string_view kSteady[] = {"稳重", "沉稳", "持重", "谨慎", "不急不躁", "沉得住气", "慢条斯理"};
constexpr std::string_view kHard[] = {"刚烈", "固执", "倔强", "好胜", "争强", "胜负心", "要强", "好强"};
constexpr std::string_view kPliant[] = {"随和", "温和", "温顺", "与世无争", "淡泊", "好脾气", "忍让"};
constexpr std::string_view kDecided[] = {"果断", "干脆", "当机立断"};
constexpr std::string_view kHesitant[] = {"犹豫", "优柔", "瞻前顾后", "举棋不定"};
constexpr std::string_view kCheerful[] = {"乐观", "开朗", "豁达", "乐天", "爽朗"};
constexpr std::string_view kGloomy[] = {"悲观", "忧郁", "多愁", "多虑", "往坏处想"};
// Course scales (only the bone-weight texts tell the course of a life).
constexpr std::string_view kSettled[] = {"安稳"};
constexpr std::string_view kTroubled[] = {"波折"};
constexpr std::string_view kSmooth[] = {"顺遂"};
constexpr std::string_view kRough[] = {"坎坷"};
constexpr std::string_view kEven[] = {"平顺"};
constexpr std::string_view kUneven[] = {"起伏"};
constexpr std::string_view kEarly[] = {"早发"};
constexpr std::string_view kLate[] = {"晚成"};
// The family one is born into, which the bone-weight verses tell (祖业 and 根基).
constexpr std::string_view kModestFamily[] = {"祖业微薄", "祖上难有", "祖上难以倚靠", "门庭清苦", "身世清寒",
                                              "家境平常", "并不宽裕", "未必宽裕",     "家底未必", "清苦"};
constexpr std::string_view kWellOffFamily[] = {"殷实",     "家底厚",   "家道殷", "正当兴盛", "正当兴旺",
                                               "家境宽裕", "家计丰厚", "显赫",   "家资丰厚"};

const std::vector<DescriptorScale> kScales = {
    {kOutgoing, kReserved, false}, {kHasty, kSteady, false},
    {kHard, kPliant, false},       {kDecided, kHesitant, false},
    {kCheerful, kGloomy, false},   {kSettled, kTroubled, true},
    {kSmooth, kRough, true},       {kEven, kUneven, true},
    {kEarly, kLate, true},         {kModestFamily, kWellOffFamily, true},
};

}  // namespace

const std::vector<WordList>& WordLists() {
    return kLists;
}

std::span<const std::string_view> TransformWords() {
    return kTransform;
}

std::span<const std::string_view> ConditionWords() {
    return kCondition;
}

const std::vector<DescriptorScale>& DescriptorScales() {
    return kScales;
}

}  // namespace textgen
