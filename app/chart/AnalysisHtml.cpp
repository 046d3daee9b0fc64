// The chart window's rich text of the analysis: the outline every face lays out, with
// headings in the chart's lacquer colour, methods grey and evidence as lists; and one year's
// judgement for the years panel.
#include "app/chart/AnalysisHtml.h"

#include <QStringList>
#include <array>

#include "AnalysisText.h"
#include "Format.h"
#include "Natal.h"

namespace chartwnd {
namespace {

using analysis::FortuneFinding;

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

}  // namespace

QString AnalysisHtml(const analysis::Analysis& a) {
    // The outline the terminal and the pages lay out, set as rich text: evidence lines
    // become lists, the auxiliary stars are grey.
    QString html;
    bool inList = false;
    const auto closeList = [&] {
        if (inList) html += QStringLiteral("</ul>");
        inList = false;
    };
    for (const analysis::OutlineLine& line : analysis::AnalysisOutline(a)) {
        const bool evidence =
            line.kind == analysis::LineKind::Evidence || line.kind == analysis::LineKind::ItemEvidence;
        if (!evidence) closeList();
        const QString text = Esc(line.text);
        const QString colour = QLatin1String(line.secondary ? kMethodColour : "inherit");
        switch (line.kind) {
            case analysis::LineKind::Title:
                html += QStringLiteral("<h2 style=\"color:%1; margin-bottom:2px;\">%2</h2>")
                            .arg(QLatin1String(kHeadingColour), text);
                break;
            case analysis::LineKind::Section:
                html +=
                    QStringLiteral("<h3 style=\"color:%1; margin-top:14px; margin-bottom:4px;\">%2　%3</h3>")
                        .arg(QLatin1String(kHeadingColour), text, Esc(line.detail));
                break;
            case analysis::LineKind::Method:
                html += QStringLiteral("<p style=\"color:%1; margin:2px 0;\">%2</p>")
                            .arg(QLatin1String(kMethodColour), text);
                break;
            case analysis::LineKind::Evidence:
            case analysis::LineKind::ItemEvidence:
                if (!inList) html += QStringLiteral("<ul style=\"margin-top:2px; margin-bottom:2px;\">");
                inList = true;
                html += QStringLiteral("<li style=\"color:%1;\">%2</li>").arg(colour, text);
                break;
            case analysis::LineKind::Item:
                html += QStringLiteral("<p style=\"color:%1; margin:8px 0 2px 0;\"><b>%2</b></p>")
                            .arg(colour, text);
                break;
            case analysis::LineKind::Paragraph:
            case analysis::LineKind::ItemParagraph:
                html += QStringLiteral("<p style=\"color:%1; margin:4px 0 6px 0;\">%2</p>").arg(colour, text);
                break;
        }
    }
    closeList();
    return html;
}

QString FortuneHtml(const FortuneFinding& f) {
    return QStringLiteral("<p style=\"margin:2px 0;\">%1</p>").arg(FortuneHeading(f)) + FortuneBody(f);
}

}  // namespace chartwnd
