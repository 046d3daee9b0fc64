// Setting the analysis outline on pages, and painting them.
#include "app/pages/AnalysisPage.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <memory>

#include "AnalysisText.h"
#include "app/pages/AnalysisPageLayout.h"

namespace pages {

using namespace analysislayout;

namespace {

constexpr char kTitle[] = "命局分析";
constexpr char kRunningHead[] = "命局分析";
constexpr char kFooter[] = "弈澜坊-星衡命鉴 · 命局分析";
constexpr char kPillarsLabel[] = "四柱  ";
constexpr char kBullet[] = "· ";
constexpr qsizetype kTitlePillarsFrom = 6;  // the outline's title: "命局分析  " and the pillars

// A line before pagination: the space above it, and whether it must stand
// on the same page as the line after it.
struct Piece {
    SetLine line;
    double space = 0;
    bool keepWithNext = false;
};

class Setter {
public:
    std::vector<Piece> pieces;

    // `text` wrapped in the type at `indent`, each line `lineHeight` high;
    // with a bullet, the lines after the first hang after it. A head is kept
    // whole and with the line after it.
    void Lines(const QString& text, const Type& type, double lineHeight, double indent, double space,
               bool bullet = false, bool secondary = false, bool head = false) {
        const QString mark = bullet ? QString::fromUtf8(kBullet) : QString();
        const double hang =
            bullet ? QFontMetricsF(SheetFont(type.size, type.bold)).horizontalAdvance(mark) : 0;
        const double width = kContentWidth - indent - hang;
        const QStringList lines = Wrapped(text, width, type);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            SetLine l;
            l.text = i == 0 ? mark + lines[i] : lines[i];
            l.type = type;
            l.left = kMargin + indent + (i == 0 ? 0 : hang);
            l.width = kContentWidth - indent;
            l.height = lineHeight;
            l.secondary = secondary;
            pieces.push_back({l, i == 0 ? space : 0, head});
        }
    }

    void Section(const QString& title, const QString& verdict, bool secondary) {
        SetLine l;
        l.kind = SetLine::Kind::Section;
        l.text = title;
        l.detail = verdict;
        l.type = {kHeadingSize, secondary ? kQuiet : kMark, true};
        l.left = kMargin;
        l.width = kContentWidth;
        l.height = kSectionLineHeight;
        l.secondary = secondary;
        pieces.push_back({l, kSectionSpace, true});
    }

    void Score(const analysis::ScorePart& part, bool first) {
        SetLine l;
        l.kind = SetLine::Kind::Score;
        l.text = U(part.name);
        l.type = {kEvidenceSize, kInk};
        l.left = kMargin + kEvidenceIndent;
        l.width = kContentWidth - kEvidenceIndent;
        l.height = kScoreRowHeight;
        l.value = part.points;
        l.maximum = part.maximum;
        pieces.push_back({l, first ? kScoreSpace : 0, false});
    }
};

std::vector<Piece> SetOutline(const analysis::Analysis& a) {
    using analysis::LineKind;
    Setter s;
    bool strength = true;  // the first section is the strength's, whose parts follow its method
    for (const analysis::OutlineLine& line : analysis::AnalysisOutline(a)) {
        const QString text = U(line.text);
        const bool quiet = line.secondary;
        const QColor ink = quiet ? kQuiet : kInk;
        switch (line.kind) {
            case LineKind::Title:
                break;  // the page's own title and pillars line say it
            case LineKind::Section:
                s.Section(text, U(line.detail), quiet);
                break;
            case LineKind::Method:
                s.Lines(text, {kMethodSize, kQuiet}, kMethodLineHeight, 0, 0, false, quiet);
                if (strength) {
                    for (std::size_t i = 0; i < a.strength.parts.size(); ++i)
                        s.Score(a.strength.parts[i], i == 0);
                    strength = false;
                }
                break;
            case LineKind::Evidence:
                s.Lines(text, {kEvidenceSize, ink}, kEvidenceLineHeight, kEvidenceIndent, 0, true, quiet);
                break;
            case LineKind::Paragraph:
                s.Lines(text, {kParagraphSize, ink}, kParagraphLineHeight, 0, kParagraphSpace, false, quiet);
                break;
            case LineKind::Item:
                s.Lines(text, {kItemSize, ink, true}, kItemLineHeight, 0, kItemSpace, false, quiet, true);
                break;
            case LineKind::ItemEvidence:
                s.Lines(text, {kEvidenceSize, ink}, kEvidenceLineHeight, kItemEvidenceIndent, 0, true, quiet);
                break;
            case LineKind::ItemParagraph:
                s.Lines(text, {kItemParagraphSize, ink}, kItemParagraphLineHeight, kItemParagraphIndent,
                        kParagraphSpace, false, quiet);
                break;
        }
    }
    return s.pieces;
}

// The height from piece `i` through the pieces it is kept with, the space
// above the first included unless it opens the page.
double ChainHeight(const std::vector<Piece>& pieces, std::size_t i, bool pageTop) {
    double height = (pageTop ? 0 : pieces[i].space) + pieces[i].line.height;
    while (pieces[i].keepWithNext && i + 1 < pieces.size()) {
        ++i;
        height += pieces[i].space + pieces[i].line.height;
    }
    return height;
}

std::vector<std::vector<SetLine>> Paginate(const std::vector<Piece>& pieces) {
    std::vector<std::vector<SetLine>> pages(1);
    double y = kFirstBodyTop;
    bool pageTop = true;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (!pageTop && y + ChainHeight(pieces, i, false) > kBodyBottom) {
            pages.emplace_back();
            y = kLaterBodyTop;
            pageTop = true;
        }
        SetLine line = pieces[i].line;
        if (!pageTop) y += pieces[i].space;
        line.top = y;
        y += line.height;
        pages.back().push_back(std::move(line));
        pageTop = false;
    }
    return pages;
}

void PaintSection(QPainter& p, const SetLine& l) {
    const QRectF box(l.left, l.top, l.width, l.height);
    Text(p, box, Qt::AlignLeft | Qt::AlignVCenter, l.text, l.type);
    double end = l.left + QFontMetricsF(SheetFont(l.type.size, true)).horizontalAdvance(l.text);
    if (!l.detail.isEmpty()) {
        const Type verdict{kVerdictSize, l.secondary ? kQuiet : kInk, true};
        const QRectF after(end + kVerdictGap, l.top, l.left + l.width - end - kVerdictGap, l.height);
        Text(p, after, Qt::AlignLeft | Qt::AlignVCenter, l.detail, verdict);
        end = after.left() + QFontMetricsF(SheetFont(verdict.size, true)).horizontalAdvance(l.detail);
    }
    if (end + kHeadingRuleGap >= kContentRight) return;
    p.setPen(QPen(kRuleColour, kRulePen));
    p.drawLine(QPointF(end + kHeadingRuleGap, l.top + l.height / 2),
               QPointF(kContentRight, l.top + l.height / 2));
}

void PaintScore(QPainter& p, const SetLine& l) {
    const int middle = Qt::AlignLeft | Qt::AlignVCenter;
    Text(p, QRectF(l.left, l.top, kScoreLabelWidth, l.height), middle, l.text, l.type);
    const double barTop = l.top + (l.height - kScoreBarHeight) / 2;
    const double barLeft = l.left + kScoreLabelWidth;
    p.setPen(QPen(kRuleColour, kRulePen));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(barLeft, barTop, kScoreBarWidth, kScoreBarHeight));
    if (l.maximum > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(kMark);
        p.drawRect(QRectF(barLeft, barTop, kScoreBarWidth * std::clamp(l.value / l.maximum, 0.0, 1.0),
                          kScoreBarHeight));
    }
    const double valueLeft = barLeft + kScoreBarWidth + kScoreValueGap;
    Text(p, QRectF(valueLeft, l.top, l.left + l.width - valueLeft, l.height), middle,
         QString::number(l.value, 'f', 1) + QStringLiteral(" / ") + QString::number(l.maximum, 'f', 0),
         l.type);
}

void PaintHead(QPainter& p, const AnalysisSheets& sheets, int page) {
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    if (page == 0) {
        Title(p, QString::fromUtf8(kTitle));
        Text(p, QRectF(kMargin, kPersonTop, kContentWidth, kPersonHeight), left, sheets.person,
             {kPersonSize, kInk, true});
        QString line = sheets.birth;
        if (!line.isEmpty()) line += QStringLiteral("    ");
        Text(p, QRectF(kMargin, kBirthTop, kContentWidth, kBirthHeight), left,
             line + QString::fromUtf8(kPillarsLabel) + sheets.pillars, {kBirthSize, kInk});
        return;
    }
    QString head = QString::fromUtf8(kRunningHead);
    if (!sheets.person.isEmpty()) head += QStringLiteral(" · ") + sheets.person;
    Text(p, QRectF(kMargin, kRunningHeadTop, kContentWidth, kRunningHeadHeight), left, head,
         {kSmallSize, kRuleColour});
    p.setPen(QPen(kRuleColour, kRulePen));
    p.drawLine(QPointF(kMargin, kRunningRuleY), QPointF(kContentRight, kRunningRuleY));
}

}  // namespace

AnalysisSheets LayOutAnalysis(const analysis::Analysis& a, const AnalysisHeading& heading) {
    AnalysisSheets sheets;
    sheets.person = U(heading.person);
    sheets.birth = U(heading.birth);
    const std::vector<analysis::OutlineLine> outline = analysis::AnalysisOutline(a);
    sheets.pillars = U(outline.front().text).mid(kTitlePillarsFrom);
    sheets.pages = Paginate(SetOutline(a));
    return sheets;
}

void PaintAnalysisPage(QPainter& p, const QRectF& target, const AnalysisSheets& sheets, int page) {
    const SheetScope sheet(p, target);
    if (!sheet.Active() || page < 0 || page >= sheets.PageCount()) return;
    PaintHead(p, sheets, page);
    for (const SetLine& l : sheets.pages[static_cast<std::size_t>(page)]) {
        switch (l.kind) {
            case SetLine::Kind::Text:
                Text(p, QRectF(l.left, l.top, l.width, l.height), Qt::AlignLeft | Qt::AlignVCenter, l.text,
                     l.type);
                break;
            case SetLine::Kind::Section:
                PaintSection(p, l);
                break;
            case SetLine::Kind::Score:
                PaintScore(p, l);
                break;
        }
    }
    Footer(p, QString::fromUtf8(kFooter), page + 1, sheets.PageCount());
}

std::vector<PagePainter> AnalysisPagePainters(const analysis::Analysis& a, const AnalysisHeading& heading) {
    const auto sheets = std::make_shared<const AnalysisSheets>(LayOutAnalysis(a, heading));
    std::vector<PagePainter> painters;
    for (int page = 0; page < sheets->PageCount(); ++page)
        painters.push_back([sheets, page](QPainter& painter, QPaintDevice& device) {
            PaintAnalysisPage(painter, QRectF(0, 0, device.width(), device.height()), *sheets, page);
        });
    return painters;
}

}  // namespace pages
