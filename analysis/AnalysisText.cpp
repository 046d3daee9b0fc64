// The analysis as an outline of lines, and its terminal layout.
#include "AnalysisText.h"

#include "Format.h"
#include "Natal.h"

namespace analysis {
namespace {

constexpr std::string_view kMethodPrefix = "方法：";
constexpr std::string_view kSecondaryMark = "（参考）";
constexpr std::array<std::string_view, 8> kNumerals = {"一", "二", "三", "四", "五", "六", "七", "八"};

struct Outline {
    std::vector<OutlineLine> out;
    bool secondary = false;
    void Add(LineKind kind, std::string text, std::string detail = {}) {
        out.push_back({kind, std::move(text), std::move(detail), secondary});
    }
    void Section(std::size_t number, Section section, std::string detail, std::string_view mark = {}) {
        Add(LineKind::Section, Str(kNumerals[number]) + "、" + Str(SectionName(section)) + Str(mark),
            std::move(detail));
    }
    void Body(const std::string& method, const std::vector<std::string>& evidence, const std::string& text) {
        Add(LineKind::Method, Str(kMethodPrefix) + method);
        for (const std::string& e : evidence) Add(LineKind::Evidence, e);
        if (!text.empty()) Add(LineKind::Paragraph, text);
    }
    void Fortunes(const std::vector<FortuneFinding>& list) {
        for (const FortuneFinding& f : list) {
            std::string head = chart::PillarName(f.pillar) + "  " + std::to_string(f.year) + "年";
            if (f.age > 0) head += "  " + std::to_string(f.age) + "岁";
            Add(LineKind::Item, head + "  " + Str(VerdictName(f.verdict)));
            for (const std::string& e : f.evidence) Add(LineKind::ItemEvidence, e);
            if (!f.text.empty()) Add(LineKind::ItemParagraph, f.text);
        }
    }
};

std::string PositionsText(const std::vector<int>& positions) {
    if (positions.empty()) return "无";
    std::vector<std::string> names;
    for (int p : positions) names.push_back(Str(PositionName(p)) + "柱");
    return Join(names, "、");
}

}  // namespace

std::vector<OutlineLine> AnalysisOutline(const Analysis& a) {
    Outline o;
    o.Add(LineKind::Title, "命局分析  " + chart::PillarName(a.pillars[0]) + " " +
                               chart::PillarName(a.pillars[1]) + " " + chart::PillarName(a.pillars[2]) + " " +
                               chart::PillarName(a.pillars[3]));

    const StrengthFinding& s = a.strength;
    std::string parts;
    for (const ScorePart& p : s.parts) parts += (parts.empty() ? "" : " ") + Str(p.name) + Decimal(p.points);
    o.Section(0, Section::Strength,
              std::to_string(s.score) + "分  " + Str(BandName(s.band)) + "（" + parts + "）");
    o.Body(s.method, s.evidence, s.text);

    const PatternFinding& p = a.pattern;
    o.Section(1, Section::Pattern, Str(PatternName(p.kind)) + "  格" + Str(PatternStateName(p.state)));
    o.Body(p.method, p.evidence, p.text);

    const UsefulFinding& u = a.useful;
    o.Section(2, Section::Useful,
              "用" + Str(chart::ElementName(u.yong)) + "  喜" + ElementList(u.xi) + "  忌" +
                  ElementList(u.ji) + "  （" + Str(UsefulMethodName(u.decidedBy)) + "）");
    o.Body(u.method, u.evidence, u.text);

    o.Section(3, Section::Month, chart::PillarName(a.month.monthPillar));
    o.Body(a.month.method, a.month.evidence, a.month.text);

    std::size_t next = 4;
    if (a.hasLuck) {
        o.Section(next++, Section::Luck, "");
        o.Add(LineKind::Method, Str(kMethodPrefix) + a.luckMethod);
        o.Fortunes(a.luck);
        o.Section(next++, Section::Years, "");
        o.Add(LineKind::Method, Str(kMethodPrefix) + a.yearsMethod);
        o.Fortunes(a.years);
        o.Section(next++, Section::Summary, "");
        o.Add(LineKind::Method, Str(kMethodPrefix) + a.summaryMethod);
        for (const SummarySentence& sentence : a.summary)
            o.Add(LineKind::Paragraph, sentence.text + "（见" + Str(SectionName(sentence.section)) + "）");
    }

    o.secondary = true;
    o.Section(next, Section::Shensha, "", kSecondaryMark);
    o.Add(LineKind::Method, Str(kMethodPrefix) + a.shenshaMethod);
    for (const ShenshaFinding& star : a.shensha) {
        o.Add(LineKind::Item, Str(star.name) + "  " + PositionsText(star.positions) + "  ——" +
                                  Str(star.rule) + "（" + Str(star.source) + "）");
        if (!star.text.empty()) o.Add(LineKind::ItemParagraph, star.text);
    }
    return o.out;
}

std::vector<std::string> AnalysisLines(const Analysis& a) {
    std::vector<std::string> lines;
    for (const OutlineLine& l : AnalysisOutline(a)) {
        switch (l.kind) {
            case LineKind::Title:
                lines.push_back(l.text);
                break;
            case LineKind::Section:
                lines.push_back(l.detail.empty() ? l.text : l.text + "  " + l.detail);
                break;
            case LineKind::Method:
            case LineKind::Paragraph:
            case LineKind::Item:
                lines.push_back("  " + l.text);
                break;
            case LineKind::Evidence:
                lines.push_back("  · " + l.text);
                break;
            case LineKind::ItemEvidence:
                lines.push_back("    · " + l.text);
                break;
            case LineKind::ItemParagraph:
                lines.push_back("    " + l.text);
                break;
        }
    }
    return lines;
}

}  // namespace analysis
