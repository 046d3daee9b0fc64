// Names of the model's kinds.
#include "Analysis.h"

namespace analysis {

std::string_view SectionName(Section s) {
    constexpr std::array<std::string_view, 8> kNames = {"日主旺衰", "格局", "用神喜忌", "月令",
                                                        "大运",     "流年", "总评",     "神煞"};
    return kNames[static_cast<int>(s)];
}

std::string_view BandName(Band b) {
    constexpr std::array<std::string_view, 6> kNames = {"从弱", "偏弱", "中和", "偏强", "从强", "专旺"};
    return kNames[static_cast<int>(b)];
}

std::string_view PatternName(PatternKind k) {
    constexpr std::array<std::string_view, kPatternKinds> kNames = {
        "正官格", "七杀格", "正财格", "偏财格", "正印格", "偏印格", "食神格", "伤官格", "建禄格",
        "月刃格", "从杀格", "从财格", "从儿格", "从势格", "从强格", "曲直格", "炎上格", "稼穑格",
        "从革格", "润下格", "化土格", "化金格", "化水格", "化木格", "化火格"};
    return kNames[static_cast<int>(k)];
}

bool IsRegular(PatternKind k) {
    return static_cast<int>(k) < kRegularPatterns;
}

std::string_view PatternStateName(PatternState s) {
    constexpr std::array<std::string_view, 3> kNames = {"成", "败", "有救"};
    return kNames[static_cast<int>(s)];
}

std::string_view RuleOutcomeName(RuleOutcome o) {
    constexpr std::array<std::string_view, 3> kNames = {"成", "败", "救"};
    return kNames[static_cast<int>(o)];
}

std::string_view UsefulMethodName(UsefulMethod m) {
    constexpr std::array<std::string_view, 5> kNames = {"扶抑", "调候", "顺势", "通关", "病药"};
    return kNames[static_cast<int>(m)];
}

std::string_view StanceName(Stance s) {
    constexpr std::array<std::string_view, 3> kNames = {"喜", "忌", "闲"};
    return kNames[static_cast<int>(s)];
}

std::string_view VerdictName(Verdict v) {
    constexpr std::array<std::string_view, 3> kNames = {"宜进", "平稳", "宜守"};
    return kNames[static_cast<int>(v)];
}

std::string_view FortuneLinkName(FortuneLink l) {
    constexpr std::array<std::string_view, kFortuneLinks> kNames = {
        "冲提纲", "冲日支", "合提纲", "合日支", "三合成局", "三会成方", "伏吟",    "反吟",
        "值太岁", "冲太岁", "刑太岁", "害太岁", "破太岁",   "合太岁",   "岁运并临"};
    return kNames[static_cast<int>(l)];
}

}  // namespace analysis
