// Terminal layout of the analysis.
#include "AnalysisText.h"

#include "Format.h"
#include "Natal.h"

namespace analysis {
namespace {

constexpr std::string_view kIndent = "  ";
constexpr std::string_view kBullet = "  · ";

struct Lines {
    std::vector<std::string> out;
    void Add(std::string line) { out.push_back(std::move(line)); }
    void Method(const std::string& m) { Add(Str(kIndent) + "方法：" + m); }
    void Evidence(const std::vector<std::string>& lines, std::string_view bullet = kBullet) {
        for (const std::string& l : lines) Add(Str(bullet) + l);
    }
    void Paragraph(const std::string& text, std::string_view indent = kIndent) {
        if (!text.empty()) Add(Str(indent) + text);
    }
};

std::string PositionsText(const std::vector<int>& positions) {
    if (positions.empty()) return "无";
    std::vector<std::string> names;
    for (int p : positions) names.push_back(Str(PositionName(p)) + "柱");
    return Join(names, "、");
}

void Fortunes(Lines& l, const std::vector<FortuneFinding>& list) {
    for (const FortuneFinding& f : list) {
        std::string head = Str(kIndent) + chart::PillarName(f.pillar) + "  " + std::to_string(f.year) + "年";
        if (f.age > 0) head += "  " + std::to_string(f.age) + "岁";
        l.Add(head + "  " + Str(VerdictName(f.verdict)));
        l.Evidence(f.evidence, "    · ");
        l.Paragraph(f.text, "    ");
    }
}

}  // namespace

std::vector<std::string> AnalysisLines(const Analysis& a) {
    Lines l;
    l.Add("命局分析  " + chart::PillarName(a.pillars[0]) + " " + chart::PillarName(a.pillars[1]) + " " +
          chart::PillarName(a.pillars[2]) + " " + chart::PillarName(a.pillars[3]));

    const StrengthFinding& s = a.strength;
    std::string parts;
    for (const ScorePart& p : s.parts) parts += (parts.empty() ? "" : " ") + Str(p.name) + Decimal(p.points);
    l.Add("一、日主旺衰  " + std::to_string(s.score) + "分  " + Str(BandName(s.band)) + "（" + parts + "）");
    l.Method(s.method);
    l.Evidence(s.evidence);
    l.Paragraph(s.text);

    const PatternFinding& p = a.pattern;
    l.Add("二、格局  " + Str(PatternName(p.kind)) + "  格" + Str(PatternStateName(p.state)));
    l.Method(p.method);
    l.Evidence(p.evidence);
    l.Paragraph(p.text);

    const UsefulFinding& u = a.useful;
    l.Add("三、用神喜忌  用" + Str(chart::ElementName(u.yong)) + "  喜" + ElementList(u.xi) + "  忌" +
          ElementList(u.ji) + "  （" + Str(UsefulMethodName(u.decidedBy)) + "）");
    l.Method(u.method);
    l.Evidence(u.evidence);
    l.Paragraph(u.text);

    l.Add("四、月令  " + chart::PillarName(a.month.monthPillar));
    l.Method(a.month.method);
    l.Evidence(a.month.evidence);
    l.Paragraph(a.month.text);

    if (a.hasLuck) {
        l.Add("五、大运");
        l.Method(a.luckMethod);
        Fortunes(l, a.luck);
        l.Add("六、流年");
        l.Method(a.yearsMethod);
        Fortunes(l, a.years);
        l.Add("七、总评");
        l.Method(a.summaryMethod);
        for (const SummarySentence& sentence : a.summary)
            l.Add(Str(kIndent) + sentence.text + "（见" + Str(SectionName(sentence.section)) + "）");
    }

    l.Add(Str(a.hasLuck ? "八" : "五") + "、神煞（参考）");
    l.Method(a.shenshaMethod);
    for (const ShenshaFinding& star : a.shensha) {
        l.Add(Str(kIndent) + Str(star.name) + "  " + PositionsText(star.positions) + "  ——" + Str(star.rule) +
              "（" + Str(star.source) + "）");
        l.Paragraph(star.text, "    ");
    }
    return l.out;
}

}  // namespace analysis
