// The chart's page 2: the luck pillars, the 小运 before them and the ten
// years of every luck pillar, the current ones marked; and the pages that
// only continue the facts and notes.
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "app/pages/ChartPage.h"
#include "app/pages/ChartPageLayout.h"
#include "app/pages/ChartPageParts.h"
#include "app/pages/LineBreak.h"
#include "app/pages/SheetStyle.h"

namespace pages::chartpage {

using namespace chartlayout;

namespace {

constexpr char kLuckTitle[] = "大运流年";
constexpr char kEntriesTitle[] = "八字排盘（续）";
constexpr char kXiaoYunNote[] = "  起运之前";
constexpr char kYearsNote[] = "  各步大运十年";
constexpr char kLuckSuffix[] = "运";

// A pillar written as two coloured characters side by side, meeting at the
// box's middle (one word to a PDF reader).
void PillarText(QPainter& p, const QRectF& box, int sexagenary, double size) {
    const int stem = sexagenary % 10;
    const int branch = sexagenary % 12;
    QRectF first = box, second = box;
    first.setRight(box.center().x());
    second.setLeft(box.center().x());
    Text(p, first, Qt::AlignRight | Qt::AlignVCenter, U(chart::StemName(stem)),
         {size, QColor::fromRgb(ElementColour(chart::StemElement(stem))), true});
    Text(p, second, Qt::AlignLeft | Qt::AlignVCenter, U(chart::BranchName(branch)),
         {size, QColor::fromRgb(ElementColour(chart::BranchElement(branch))), true});
}

// A cell of a strip or of the years; the current one is tinted and ringed.
void PaintCell(QPainter& p, const QRectF& box, bool current) {
    p.setBrush(current ? kCurrentFill : QColor(Qt::white));
    p.setPen(QPen(current ? kMark : kRuleColour, current ? kCurrentPen : kRulePen));
    p.drawRect(box.adjusted(1, 1, -1, -1));
}

void PaintLuck(QPainter& p, const chart::ChartModel& m, double top) {
    for (std::size_t i = 0; i < m.luck.size() && i < kStripCells; ++i) {
        const chart::LuckText& luck = m.luck[i];
        const double left = kMargin + static_cast<double>(i) * kCellWidth;
        const bool current = static_cast<int>(i) == m.currentLuck;
        PaintCell(p, QRectF(left, top, kCellWidth, kLuckCellHeight), current);
        Text(p, QRectF(left, top + kCellTextTop, kCellWidth, kCellTextHeight), Qt::AlignCenter, U(luck.age),
             {kLuckTextSize, kInk});
        Text(p, QRectF(left, top + kLuckYearTop, kCellWidth, kCellTextHeight), Qt::AlignCenter,
             U(luck.yearText), {kLuckTextSize, kInk});
        PillarText(p, QRectF(left, top + kLuckPillarTop, kCellWidth, kLuckPillarHeight), luck.pillar,
                   kLuckPillarSize);
        Text(p, QRectF(left, top + kLuckGodTop, kCellWidth, kCellTextHeight), Qt::AlignCenter, U(luck.tenGod),
             {kLuckTextSize, current ? kMark : kInk, current});
    }
}

// 小运: a cell a year, narrower when there are more than a strip's ten.
void PaintXiaoYun(QPainter& p, const chart::ChartModel& m, double top) {
    const double width =
        kContentWidth / static_cast<double>(std::max<std::size_t>(kStripCells, m.xiaoyun.size()));
    for (std::size_t i = 0; i < m.xiaoyun.size(); ++i) {
        const chart::XiaoYunText& x = m.xiaoyun[i];
        const double left = kMargin + static_cast<double>(i) * width;
        PaintCell(p, QRectF(left, top, width, kXiaoYunCellHeight), false);
        Text(p, QRectF(left, top + kCellTextTop, width, kCellTextHeight), Qt::AlignCenter, U(x.yearText),
             {kLuckTextSize, kInk});
        Text(p, QRectF(left, top + kXiaoYunAgeTop, width, kCellTextHeight), Qt::AlignCenter, U(x.ageText),
             {kLuckTextSize, kInk});
        PillarText(p, QRectF(left, top + kXiaoYunPillarTop, width, kXiaoYunPillarHeight), x.pillar,
                   kYearPillarSize);
    }
}

// The years: a row a luck pillar, its label (the pillar and its first age)
// then its ten years; the current luck pillar's label and the current year marked.
void PaintYears(QPainter& p, const chart::ChartModel& m, double top) {
    for (std::size_t row = 0; row < m.luck.size(); ++row) {
        const chart::LuckText& luck = m.luck[row];
        const double y = top + static_cast<double>(row) * kYearRowHeight;
        const bool currentLuck = static_cast<int>(row) == m.currentLuck;
        const bool shown = static_cast<int>(row) == m.shownLuck;
        p.setPen(Qt::NoPen);
        p.setBrush(currentLuck ? kCurrentFill : kShade);
        p.drawRect(QRectF(kMargin, y + 1, kYearLabelWidth - 2, kYearRowHeight - 2));
        Text(p, QRectF(kMargin, y + kYearTextTop, kYearLabelWidth, kCellTextHeight), Qt::AlignCenter,
             U(luck.pillarName) + QString::fromUtf8(kLuckSuffix),
             {kLuckTextSize, currentLuck ? kMark : kInk, true});
        Text(p, QRectF(kMargin, y + kYearPillarTop, kYearLabelWidth, kYearPillarHeight), Qt::AlignCenter,
             U(luck.age), {kLuckTextSize, kInk});
        for (std::size_t i = 0; i < luck.years.size() && i < kStripCells; ++i) {
            const chart::YearText& year = luck.years[i];
            const double left = kMargin + kYearLabelWidth + static_cast<double>(i) * kYearCellWidth;
            const bool current = shown && static_cast<int>(i) == m.currentYear;
            PaintCell(p, QRectF(left, y, kYearCellWidth, kYearRowHeight), current);
            Text(p, QRectF(left, y + kYearTextTop, kYearCellWidth, kCellTextHeight), Qt::AlignCenter,
                 U(year.yearText), {kSmallSize, current ? kMark : kInk, current});
            PillarText(p,
                       QRectF(left + kYearPillarInset, y + kYearPillarTop,
                              kYearCellWidth - 2 * kYearPillarInset, kYearPillarHeight),
                       year.pillar, kYearPillarSize);
        }
    }
}

double YearsTop() {
    return kLuckPageTop + kLuckSection + kXiaoYunSection;
}

}  // namespace

double LuckPageEnd() {
    return YearsTop() + kSectionBodyTop + kYearRowHeight * kStripCells + kSectionGap;
}

void PaintLuckPage(QPainter& p, const chart::ChartModel& m, const QStringList& tail) {
    Title(p, QString::fromUtf8(kLuckTitle));
    PersonLines(p, m);

    double y = kLuckPageTop;
    const QString luckLine = KeepDateTimes(U(m.luckLine)).replace(kNoBreakSpace, QLatin1Char(' '));
    const double luckLineWidth = QFontMetricsF(SheetFont(kSmallSize)).horizontalAdvance(luckLine);
    Heading(p, y, U(chart::kLuckLabel), kContentRight - luckLineWidth - kLuckRuleGap);
    Text(p, QRectF(kLuckLineLeft, y, kLuckLineWidth, kHeadingHeight), Qt::AlignRight | Qt::AlignVCenter,
         luckLine, {kSmallSize, kInk});
    PaintLuck(p, m, y + kSectionBodyTop);

    y += kLuckSection;
    Heading(p, y, U(chart::kXiaoYunLabel) + QString::fromUtf8(kXiaoYunNote));
    if (m.xiaoyun.empty())
        Text(p, QRectF(kMargin, y + kSectionBodyTop, kContentWidth, kCellTextHeight),
             Qt::AlignLeft | Qt::AlignVCenter, U(chart::kNoneText), {kSmallSize, kInk});
    PaintXiaoYun(p, m, y + kSectionBodyTop);

    y = YearsTop();
    Heading(p, y, U(chart::kYearsLabel) + QString::fromUtf8(kYearsNote));
    PaintYears(p, m, y + kSectionBodyTop);

    EntryLines(p, LuckPageEnd(), tail);
}

void PaintEntriesPage(QPainter& p, const chart::ChartModel& m, const QStringList& lines) {
    Title(p, QString::fromUtf8(kEntriesTitle));
    PersonLines(p, m);
    EntryLines(p, kLuckPageTop, lines);
}

}  // namespace pages::chartpage
