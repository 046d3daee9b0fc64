// The analysis as rich text: headings in the chart's lacquer colour, the
// method line in grey, the evidence as a list, then the paragraph.
#include "app/chart/AnalysisHtml.h"

#include <QStringList>
#include <array>

#include "Format.h"
#include "Natal.h"

namespace chartwnd {
namespace {

using analysis::FortuneFinding;

// The section numbers as headings write them.
constexpr std::array<const char*, 8> kNumbers = {"一", "二", "三", "四", "五", "六", "七", "八"};
// Colours of the page's furniture and of the verdicts (宜进, 平稳, 宜守).
constexpr char kHeadingColour[] = "#7a3b1a";
constexpr char kMethodColour[] = "#6a6a6a";
constexpr std::array<const char*, 3> kVerdictColours = {"#2e7d32", "#555555", "#8d5a00"};

QString Esc(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toHtmlEscaped();
}

QString Esc(const std::string& utf8) {
    return Esc(std::string_view(utf8));
}

// A section heading: its number, its name and what it found.
QString Heading(int number, std::string_view name, const QString& finding) {
    return QStringLiteral("<h3 style=\"color:%1; margin-top:14px; margin-bottom:4px;\">%2、%3　%4</h3>")
        .arg(QLatin1String(kHeadingColour), QString::fromUtf8(kNumbers[static_cast<std::size_t>(number)]),
             Esc(name), finding);
}

QString Method(const std::string& method) {
    if (method.empty()) return {};
    return QStringLiteral("<p style=\"color:%1; margin:2px 0;\">方法：%2</p>")
        .arg(QLatin1String(kMethodColour), Esc(method));
}

QString Evidence(const std::vector<std::string>& lines) {
    if (lines.empty()) return {};
    QString html = QStringLiteral("<ul style=\"margin-top:2px; margin-bottom:2px;\">");
    for (const std::string& line : lines) html += QStringLiteral("<li>%1</li>").arg(Esc(line));
    return html + QStringLiteral("</ul>");
}

QString Paragraph(const std::string& text) {
    if (text.empty()) return {};
    return QStringLiteral("<p style=\"margin:4px 0 6px 0;\">%1</p>").arg(Esc(text));
}

QString Verdict(analysis::Verdict v) {
    return QStringLiteral("<span style=\"color:%1;\"><b>%2</b></span>")
        .arg(QLatin1String(kVerdictColours[static_cast<std::size_t>(v)]), Esc(analysis::VerdictName(v)));
}

// "丙辰  2024年  37岁  宜进": a luck pillar's or a year's line.
QString FortuneHeading(const FortuneFinding& f) {
    QString head = QStringLiteral("<b>%1</b>　%2年").arg(Esc(chart::PillarName(f.pillar))).arg(f.year);
    if (f.age > 0) head += QStringLiteral("　%1岁").arg(f.age);
    return head + QStringLiteral("　") + Verdict(f.verdict);
}

// "天干丙 七杀（忌）　地支辰 食神（喜）".
QString Stances(const FortuneFinding& f) {
    return QStringLiteral("天干%1 %2（%3）　地支%4 %5（%6）")
        .arg(Esc(chart::StemName(f.pillar % 10)), Esc(chart::TenGodName(f.stemGod)),
             Esc(analysis::StanceName(f.stemStance)), Esc(chart::BranchName(f.pillar % 12)),
             Esc(chart::TenGodName(f.branchGod)), Esc(analysis::StanceName(f.branchStance)));
}

QString FortuneBody(const FortuneFinding& f) {
    QString html = QStringLiteral("<p style=\"margin:2px 0;\">%1</p>").arg(Stances(f));
    std::vector<std::string> lines = f.evidence;
    for (const analysis::FortuneRelation& r : f.relations)
        lines.push_back(std::string(analysis::FortuneLinkName(r.link)) + "：" + r.fact);
    return html + Evidence(lines) + Paragraph(f.text);
}

QString Fortunes(const std::vector<FortuneFinding>& list) {
    QString html;
    for (const FortuneFinding& f : list)
        html +=
            QStringLiteral("<p style=\"margin:8px 0 2px 0;\">%1</p>").arg(FortuneHeading(f)) + FortuneBody(f);
    return html;
}

QString Positions(const std::vector<int>& positions) {
    QStringList names;
    for (int p : positions) names << Esc(analysis::PositionName(p)) + QStringLiteral("柱");
    return names.join(QStringLiteral("、"));
}

QString Strength(const analysis::StrengthFinding& s) {
    QStringList parts;
    for (const analysis::ScorePart& p : s.parts)
        parts << Esc(p.name) + Esc(analysis::Decimal(p.points)) + QLatin1Char('/') +
                     Esc(analysis::Decimal(p.maximum));
    QString found = QStringLiteral("%1分 %2（%3）")
                        .arg(s.score)
                        .arg(Esc(analysis::BandName(s.band)), parts.join(QStringLiteral("　")));
    QString html = Heading(0, analysis::SectionName(analysis::Section::Strength), found) + Method(s.method);
    if (s.nearBand)
        html += Paragraph("分数近于界线，亦可作" + std::string(analysis::BandName(*s.nearBand)) + "看");
    if (!s.condition.empty()) html += Paragraph("所依之条件：" + s.condition);
    return html + Evidence(s.evidence) + Paragraph(s.text);
}

QString Pattern(const analysis::PatternFinding& p) {
    const QString found = Esc(analysis::PatternName(p.kind)) + QStringLiteral("　格") +
                          Esc(analysis::PatternStateName(p.state));
    std::vector<std::string> lines = p.evidence;
    for (const analysis::RuleHit& r : p.rules)
        lines.push_back(std::string(analysis::RuleOutcomeName(r.outcome)) + "　" + std::string(r.rule) +
                        "：" + r.fact + "（" + std::string(r.source) + "）");
    return Heading(1, analysis::SectionName(analysis::Section::Pattern), found) + Method(p.method) +
           Evidence(lines) + Paragraph(p.text);
}

QString Useful(const analysis::UsefulFinding& u) {
    const QString found =
        QStringLiteral("用%1　喜%2　忌%3（%4）")
            .arg(Esc(chart::ElementName(u.yong)), Esc(analysis::ElementList(u.xi)),
                 Esc(analysis::ElementList(u.ji)), Esc(analysis::UsefulMethodName(u.decidedBy)));
    QString html = Heading(2, analysis::SectionName(analysis::Section::Useful), found) + Method(u.method);
    if (!u.decision.empty()) html += Paragraph(u.decision);
    return html + Evidence(u.evidence) + Paragraph(u.text);
}

}  // namespace

QString AnalysisHtml(const analysis::Analysis& a) {
    QString html = QStringLiteral("<h2 style=\"color:%1; margin-bottom:2px;\">命局分析　%2 %3 %4 %5</h2>")
                       .arg(QLatin1String(kHeadingColour), Esc(chart::PillarName(a.pillars[0])),
                            Esc(chart::PillarName(a.pillars[1])), Esc(chart::PillarName(a.pillars[2])),
                            Esc(chart::PillarName(a.pillars[3])));
    html += Strength(a.strength) + Pattern(a.pattern) + Useful(a.useful);
    html += Heading(3, analysis::SectionName(analysis::Section::Month),
                    Esc(chart::PillarName(a.month.monthPillar))) +
            Method(a.month.method) + Evidence(a.month.evidence) + Paragraph(a.month.text);

    int number = 4;
    if (a.hasLuck) {
        html += Heading(number++, analysis::SectionName(analysis::Section::Luck), {}) + Method(a.luckMethod) +
                Fortunes(a.luck);
        html += Heading(number++, analysis::SectionName(analysis::Section::Years), {}) +
                Method(a.yearsMethod) + Fortunes(a.years);
        html += Heading(number++, analysis::SectionName(analysis::Section::Summary), {}) +
                Method(a.summaryMethod);
        for (const analysis::SummarySentence& s : a.summary)
            html +=
                QStringLiteral("<p style=\"margin:3px 0;\">%1<span style=\"color:%2;\">（见%3）</span></p>")
                    .arg(Esc(s.text), QLatin1String(kMethodColour), Esc(analysis::SectionName(s.section)));
    }

    html += Heading(number, analysis::SectionName(analysis::Section::Shensha), QStringLiteral("（参考）")) +
            Method(a.shenshaMethod);
    for (const analysis::ShenshaFinding& star : a.shensha) {
        const QString where = star.positions.empty() ? QStringLiteral("不见") : Positions(star.positions);
        html +=
            QStringLiteral(
                "<p style=\"margin:6px 0 2px 0;\"><b>%1</b>　%2　<span "
                "style=\"color:%3;\">%4（%5）</span></p>")
                .arg(Esc(star.name), where, QLatin1String(kMethodColour), Esc(star.rule), Esc(star.source));
        html += Paragraph(star.text);
    }
    return html;
}

QString FortuneHtml(const FortuneFinding& f) {
    return QStringLiteral("<p style=\"margin:2px 0;\">%1</p>").arg(FortuneHeading(f)) + FortuneBody(f);
}

}  // namespace chartwnd
