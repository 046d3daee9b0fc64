// The chart page's texts and its painting.
#include "app/pages/ChartPage.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <cstdio>

#include "ChartText.h"
#include "LunarCalendar.h"
#include "SolarTerms.h"
#include "app/pages/GbkText.h"

namespace pages {
namespace {

QString U(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString Pillar(int sexagenary) {
    return U(chart::PillarName(sexagenary));
}

QString SignedMinutes(double minutes) {
    char text[32];
    std::snprintf(text, sizeof text, "%+.1f", minutes);
    return QString::fromLatin1(text);
}

QString LongitudeText(double longitude) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f°%s", std::fabs(longitude), longitude < 0 ? "W" : "E");
    return QString::fromUtf8(text);
}

QString ConventionsLine(const chart::Chart& c, const PageInput& input) {
    const chart::Conventions& conv = c.conventions;
    QString line = QStringLiteral("子时：") + U(chart::ZiHourName(conv.zi)) + QStringLiteral("；时间：");
    if (conv.longitude) {
        const double correction =
            static_cast<double>(chart::ToSeconds(c.chartTime) - chart::ToSeconds(c.standardTime)) / 60.0;
        line += QStringLiteral("真太阳时（");
        if (!input.place.isEmpty()) line += input.place + QLatin1Char(' ');
        line += LongitudeText(*conv.longitude) + QStringLiteral("，校正 ") + SignedMinutes(correction) +
                QStringLiteral(" 分钟）");
    } else {
        line += QStringLiteral("钟表时间");
    }
    line += QStringLiteral("；夏令时：");
    if (c.summerClock == chart::SummerClock::Standard) {
        line += conv.dstCorrect ? QStringLiteral("校正（出生时不在夏令时）") : QStringLiteral("不校正");
    } else {
        line += conv.dstCorrect ? QStringLiteral("拨回标准时间") : QStringLiteral("按钟表时间（未校正）");
    }
    return line;
}

QString LunarLine(const chart::DateTime& clock) {
    const CLunarCalendar calendar;
    SYSTEMTIME solar{};
    solar.wYear = static_cast<decltype(solar.wYear)>(clock.year);
    solar.wMonth = static_cast<decltype(solar.wYear)>(clock.month);
    solar.wDay = static_cast<decltype(solar.wYear)>(clock.day);
    solar.wHour = static_cast<decltype(solar.wYear)>(clock.hour);
    SYSTEMTIME lunar{};
    int leap = 0;
    if (!calendar.SolarToLunar(solar, lunar, leap)) return {};
    lunar.wHour = solar.wHour;
    return QStringLiteral("阴历 ") + FromGbk(calendar.FormatLunarDate(lunar, leap)) + QLatin1Char(' ') +
           FromGbk(calendar.GetHourName(lunar));
}

}  // namespace

ChartPageText MakeChartPageText(const chart::Chart& c, const PageInput& input) {
    ChartPageText page;
    page.title = QStringLiteral("八字排盘");
    const QString sex = c.birth.sex == chart::Sex::Male ? QStringLiteral("男") : QStringLiteral("女");
    page.person = (input.name.isEmpty() ? QString() : input.name + QStringLiteral("  ")) + sex +
                  QStringLiteral("  属") + U(chart::AnimalName(c.pillars[0].branch));
    page.solarLine =
        QString::asprintf("阳历 %04d年%02d月%02d日 %02d:%02d", c.clockTime.year, c.clockTime.month,
                          c.clockTime.day, c.clockTime.hour, c.clockTime.minute);
    page.lunarLine = LunarLine(c.clockTime);
    page.conventions = ConventionsLine(c, input);
    if (c.chartTime != c.clockTime)
        page.castTime =
            QStringLiteral("按 ") + U(chart::FormatMinutes(c.chartTime)) + QStringLiteral(" 排盘");

    for (int col = 0; col < 4; ++col) {
        const chart::Pillar& p = c.pillars[col];
        page.stems[col] = p.stem;
        page.branches[col] = p.branch;
        page.grid[TenGodRow][col] = p.dayMaster ? QStringLiteral("日主") : U(chart::TenGodName(p.tenGod));
        page.grid[StemRow][col] = U(chart::StemName(p.stem));
        page.grid[BranchRow][col] = U(chart::BranchName(p.branch));
        QStringList hidden;
        for (int i = 0; i < p.hiddenCount; ++i) {
            page.hiddenStems[col].push_back(p.hidden[i].stem);
            hidden << U(chart::StemName(p.hidden[i].stem)) + QLatin1Char(' ') +
                          U(chart::TenGodName(p.hidden[i].tenGod));
        }
        page.grid[HiddenRow][col] = hidden.join(QLatin1Char('\n'));
        page.grid[NayinRow][col] = U(chart::NayinName(p.pillar));
        page.grid[StageRow][col] = U(chart::StageName(p.stage));
        page.grid[SelfStageRow][col] = U(chart::StageName(p.selfStage));
        page.grid[XunKongRow][col] = U(chart::BranchName(p.xunkong[0])) + U(chart::BranchName(p.xunkong[1]));
    }

    static constexpr const char* kPillarChar[] = {"年", "月", "日", "时"};
    for (const chart::ChartRelation& r : c.relations) {
        QString text = U(chart::RelationKindName(r.kind)) + QLatin1Char(' ') + U(r.members);
        if (r.hasElement) text += QLatin1Char('(') + U(chart::ElementName(r.element)) + QLatin1Char(')');
        text += QLatin1Char(' ');
        for (int p : r.pillars) text += U(kPillarChar[p]);
        page.relations << text;
    }

    page.elementCounts = c.elements.characters;
    page.elementWeights = c.elements.weighted;
    if (c.elements.missing.empty()) {
        page.missing = QStringLiteral("五行俱全");
    } else {
        page.missing = QStringLiteral("缺：");
        for (chart::Element e : c.elements.missing) page.missing += U(chart::ElementName(e));
    }
    page.extras =
        QStringLiteral("胎元 ") + Pillar(c.taiyuan) + QStringLiteral("    命宫 ") + Pillar(c.minggong);
    page.termsLine = U(chart::TermSpanText(c));
    for (const std::string& note : c.notes) page.notes << U(note);

    const chart::Luck& luck = c.luck;
    page.luckLine = QString::asprintf("%s  出生后 %d 年 %d 月 %d 天起运  %s 交运",
                                      luck.forward ? "顺行" : "逆行", luck.start.years, luck.start.months,
                                      luck.start.days, chart::FormatDate(luck.startDate).c_str());
    for (std::size_t i = 0; i < luck.pillars.size() && i < page.luck.size(); ++i) {
        const chart::LuckPillar& p = luck.pillars[i];
        LuckCell& cell = page.luck[i];
        cell.pillar = Pillar(p.pillar);
        cell.tenGod = U(chart::TenGodName(p.tenGod));
        cell.age = QString::number(p.startAge) + QStringLiteral("岁");
        cell.year = QString::number(p.startYear);
        cell.sexagenary = p.pillar;
        if (input.currentYear >= p.startYear && input.currentYear < p.startYear + 10)
            page.currentLuck = static_cast<int>(i);
    }
    // The years shown: the current luck pillar's; before the first one starts,
    // the first one's; after the last, the last one's.
    if (page.currentLuck >= 0) {
        page.shownLuck = page.currentLuck;
    } else if (!luck.pillars.empty() && input.currentYear >= luck.pillars.back().startYear) {
        page.shownLuck = static_cast<int>(luck.pillars.size()) - 1;
    }
    if (!luck.pillars.empty()) {
        const chart::LuckPillar& shown = luck.pillars[static_cast<std::size_t>(page.shownLuck)];
        for (int y = 0; y < 10; ++y) {
            page.years[y].year = QString::number(shown.startYear + y);
            page.years[y].pillar = Pillar(shown.years[y]);
            page.years[y].sexagenary = shown.years[y];
            if (shown.startYear + y == input.currentYear) page.currentYearCell = y;
        }
    }
    page.footer = QStringLiteral("弈澜坊-星衡命鉴 · 八字排盘与大运");
    return page;
}

PagePainter ChartPagePainter(ChartPageText page) {
    return [page = std::move(page)](QPainter& painter, QPaintDevice& device) {
        PaintChartPage(painter, QRectF(0, 0, device.width(), device.height()), page);
    };
}

QRgb ElementColour(chart::Element element) {
    switch (element) {
        case chart::Element::Wood:
            return qRgb(30, 130, 50);
        case chart::Element::Fire:
            return qRgb(204, 40, 30);
        case chart::Element::Earth:
            return qRgb(140, 90, 40);
        case chart::Element::Metal:
            return qRgb(190, 140, 0);
        case chart::Element::Water:
            return qRgb(25, 80, 180);
    }
    return qRgb(0, 0, 0);
}

namespace {

const QColor kInk(30, 30, 30);
const QColor kRule(120, 100, 80);
const QColor kShade(245, 238, 222);
const QColor kMark(170, 44, 32);

QFont PageFont(double pixels, bool bold = false) {
    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setFamilies({QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("AR PL UMing CN")});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void Text(QPainter& p, const QRectF& box, int flags, const QString& text, double pixels, const QColor& colour,
          bool bold = false) {
    p.setFont(PageFont(pixels, bold));
    p.setPen(colour);
    p.drawText(box, flags, text);
}

QColor StemColour(int stem) {
    return QColor::fromRgb(ElementColour(chart::StemElement(stem)));
}
QColor BranchColour(int branch) {
    return QColor::fromRgb(ElementColour(chart::BranchElement(branch)));
}

// A pillar written as two coloured characters side by side, meeting at the
// box's middle (one word to a PDF reader).
void PillarText(QPainter& p, const QRectF& box, int sexagenary, double pixels) {
    const int stem = sexagenary % 10;
    const int branch = sexagenary % 12;
    QRectF first = box, second = box;
    first.setRight(box.center().x());
    second.setLeft(box.center().x());
    Text(p, first, Qt::AlignRight | Qt::AlignVCenter, U(chart::StemName(stem)), pixels, StemColour(stem),
         true);
    Text(p, second, Qt::AlignLeft | Qt::AlignVCenter, U(chart::BranchName(branch)), pixels,
         BranchColour(branch), true);
}

// A section heading with a rule after it, up to `ruleEnd`.
void Heading(QPainter& p, double y, const QString& text, double ruleEnd = 760) {
    Text(p, QRectF(40, y, 720, 24), Qt::AlignLeft | Qt::AlignVCenter, text, 17, kMark, true);
    const double start = 40 + QFontMetricsF(PageFont(17, true)).horizontalAdvance(text) + 8;
    if (ruleEnd <= start) return;
    p.setPen(QPen(kRule, 0.8));
    p.drawLine(QPointF(start, y + 12), QPointF(ruleEnd, y + 12));
}

// The grid's row heights on the page.
constexpr double kRowHeights[kGridRows] = {30, 62, 62, 78, 30, 30, 30, 30};

double PaintGrid(QPainter& p, const ChartPageText& page, double top) {
    const double left = 40, labelWidth = 96, width = 720;
    const double columnWidth = (width - labelWidth) / 4;
    const double headerHeight = 32;
    double height = headerHeight;
    for (double h : kRowHeights) height += h;
    p.setPen(Qt::NoPen);
    p.setBrush(kShade);
    p.drawRect(QRectF(left, top, width, headerHeight));
    p.drawRect(QRectF(left, top + headerHeight, labelWidth, height - headerHeight));
    for (int col = 0; col < 4; ++col)
        Text(p, QRectF(left + labelWidth + col * columnWidth, top, columnWidth, headerHeight),
             Qt::AlignCenter, U(kGridColumnNames[col]), 17, kInk, true);
    double y = top + headerHeight;
    for (int row = 0; row < kGridRows; ++row) {
        const double h = kRowHeights[row];
        Text(p, QRectF(left, y, labelWidth, h), Qt::AlignCenter, U(kGridRowNames[row]), 16, kInk, true);
        for (int col = 0; col < 4; ++col) {
            const QRectF cell(left + labelWidth + col * columnWidth, y, columnWidth, h);
            const QString& text = page.grid[row][col];
            if (row == StemRow) {
                Text(p, cell, Qt::AlignCenter, text, 44, StemColour(page.stems[col]), true);
            } else if (row == BranchRow) {
                Text(p, cell, Qt::AlignCenter, text, 44, BranchColour(page.branches[col]), true);
            } else if (row == HiddenRow) {
                const QStringList lines = text.split(QLatin1Char('\n'));
                const double lineHeight = 23;
                double ly = cell.top() + (h - lineHeight * static_cast<double>(lines.size())) / 2;
                for (qsizetype i = 0; i < lines.size(); ++i) {
                    const QString& line = lines[i];
                    const std::vector<int>& stems = page.hiddenStems[col];
                    const int stem =
                        i < static_cast<qsizetype>(stems.size()) ? stems[static_cast<std::size_t>(i)] : 0;
                    const QRectF lineBox(cell.left(), ly, cell.width(), lineHeight);
                    const double split = cell.left() + cell.width() / 2 - 14;
                    Text(p, QRectF(lineBox.left(), ly, split - lineBox.left(), lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, line.left(1), 18, StemColour(stem), true);
                    Text(p, QRectF(split + 6, ly, lineBox.right() - split - 6, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, line.mid(2), 15, kInk);
                    ly += lineHeight;
                }
            } else {
                Text(p, cell, Qt::AlignCenter, text, row == TenGodRow ? 17 : 16,
                     col == 2 && row == TenGodRow ? kMark : kInk, row == TenGodRow);
            }
        }
        y += h;
    }
    // Rules: the frame, the label column, the columns and every row.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRule, 0.8));
    y = top + headerHeight;
    for (int row = 0; row < kGridRows; ++row) {
        p.drawLine(QPointF(left, y), QPointF(left + width, y));
        y += kRowHeights[row];
    }
    for (int col = 1; col < 4; ++col)
        p.drawLine(QPointF(left + labelWidth + col * columnWidth, top),
                   QPointF(left + labelWidth + col * columnWidth, top + height));
    p.drawLine(QPointF(left + labelWidth, top), QPointF(left + labelWidth, top + height));
    p.setPen(QPen(kRule, 1.6));
    p.drawRect(QRectF(left, top, width, height));
    return top + height;
}

void PaintElements(QPainter& p, const ChartPageText& page, const QRectF& box) {
    const double barMax = 8;  // eight characters at most
    const double rowHeight = box.height() / 5;
    const double labelWidth = 30, barLeft = box.left() + labelWidth;
    const double barWidth = box.width() - labelWidth - 90;
    for (int e = 0; e < 5; ++e) {
        const auto element = static_cast<chart::Element>(e);
        const QColor colour = QColor::fromRgb(ElementColour(element));
        const double y = box.top() + e * rowHeight;
        Text(p, QRectF(box.left(), y, labelWidth, rowHeight), Qt::AlignCenter, U(chart::ElementName(element)),
             17, colour, true);
        QColor light = colour;
        light.setAlpha(90);
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawRect(QRectF(barLeft, y + rowHeight * 0.18, barWidth * page.elementWeights[e] / barMax,
                          rowHeight * 0.3));
        p.setBrush(colour);
        p.drawRect(QRectF(barLeft, y + rowHeight * 0.52, barWidth * page.elementCounts[e] / barMax,
                          rowHeight * 0.3));
        Text(p, QRectF(barLeft + barWidth + 4, y, 86, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
             QString::number(page.elementCounts[e]) + QStringLiteral(" / ") +
                 QString::number(page.elementWeights[e], 'f', 1),
             14, kInk);
    }
}

// A cell of the luck strip or of the years row; the current one is tinted and ringed.
void PaintCell(QPainter& p, const QRectF& box, bool current) {
    p.setBrush(current ? QColor(252, 232, 214) : QColor(Qt::white));
    p.setPen(QPen(current ? kMark : kRule, current ? 2.0 : 0.8));
    p.drawRect(box.adjusted(1, 1, -1, -1));
}

void PaintLuck(QPainter& p, const ChartPageText& page, double top) {
    const double left = 40, cellWidth = 72, height = 112;
    for (int i = 0; i < 10; ++i) {
        const LuckCell& cell = page.luck[i];
        const QRectF box(left + i * cellWidth, top, cellWidth, height);
        const bool current = i == page.currentLuck;
        PaintCell(p, box, current);
        Text(p, QRectF(box.left(), top + 4, cellWidth, 20), Qt::AlignCenter, cell.age, 14, kInk);
        Text(p, QRectF(box.left(), top + 22, cellWidth, 20), Qt::AlignCenter, cell.year, 14, kInk);
        PillarText(p, QRectF(box.left(), top + 48, cellWidth, 32), cell.sexagenary, 24);
        Text(p, QRectF(box.left(), top + 88, cellWidth, 20), Qt::AlignCenter, cell.tenGod, 14,
             current ? kMark : kInk, current);
    }
}

void PaintYears(QPainter& p, const ChartPageText& page, double top) {
    const double left = 40, cellWidth = 72, height = 56;
    for (int i = 0; i < 10; ++i) {
        const YearCell& cell = page.years[i];
        const QRectF box(left + i * cellWidth, top, cellWidth, height);
        const bool current = i == page.currentYearCell;
        PaintCell(p, box, current);
        Text(p, QRectF(box.left(), top + 4, cellWidth, 20), Qt::AlignCenter, cell.year, 14,
             current ? kMark : kInk, current);
        PillarText(p, QRectF(box.left() + 8, top + 26, cellWidth - 16, 24), cell.sexagenary, 18);
    }
}

}  // namespace

void PaintChartPage(QPainter& p, const QRectF& target, const ChartPageText& page) {
    if (target.isEmpty()) return;
    p.save();
    p.fillRect(target, Qt::white);
    const double scale = std::min(target.width() / kPageWidth, target.height() / kPageHeight);
    p.translate(target.left() + (target.width() - kPageWidth * scale) / 2,
                target.top() + (target.height() - kPageHeight * scale) / 2);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Title and the person.
    Text(p, QRectF(40, 30, 720, 40), Qt::AlignCenter, page.title, 30, kInk, true);
    p.setPen(QPen(kMark, 1.2));
    p.drawLine(QPointF(300, 74), QPointF(500, 74));
    Text(p, QRectF(40, 86, 720, 26), Qt::AlignLeft | Qt::AlignVCenter, page.person, 19, kInk, true);
    Text(p, QRectF(40, 114, 360, 22), Qt::AlignLeft | Qt::AlignVCenter, page.solarLine, 15, kInk);
    Text(p, QRectF(400, 114, 360, 22), Qt::AlignLeft | Qt::AlignVCenter, page.lunarLine, 15, kInk);
    Text(p, QRectF(40, 138, 720, 22), Qt::AlignLeft | Qt::AlignVCenter, page.conventions, 13, kInk);
    Text(p, QRectF(40, 158, 720, 20), Qt::AlignLeft | Qt::AlignVCenter, page.castTime, 13, kMark);

    double y = PaintGrid(p, page, 184);

    // Relations, elements, terms and notes.
    y += 12;
    Heading(p, y, QStringLiteral("刑冲合会"));
    const QString relations =
        page.relations.isEmpty() ? QStringLiteral("无") : page.relations.join(QStringLiteral("    "));
    Text(p, QRectF(40, y + 26, 720, 44), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, relations, 14,
         kInk);
    y += 74;
    Heading(p, y, QStringLiteral("五行"));
    PaintElements(p, page, QRectF(40, y + 28, 330, 140));
    Text(p, QRectF(40, y + 170, 330, 20), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("深色：八字个数  浅色：含藏干  ") + page.missing, 13, kInk);
    const QRectF side(400, y + 28, 360, 170);
    QString sideText = page.extras + QStringLiteral("\n节气  ") + page.termsLine;
    for (const QString& note : page.notes) sideText += QStringLiteral("\n注：") + note;
    Text(p, side, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, sideText, 13, kInk);
    y += 206;

    const double luckLineWidth = QFontMetricsF(PageFont(13)).horizontalAdvance(page.luckLine);
    Heading(p, y, QStringLiteral("大运"), 760 - luckLineWidth - 10);
    Text(p, QRectF(120, y, 640, 24), Qt::AlignRight | Qt::AlignVCenter, page.luckLine, 13, kInk);
    PaintLuck(p, page, y + 28);
    y += 146;
    Heading(p, y,
            QStringLiteral("流年  ") + page.luck[static_cast<std::size_t>(page.shownLuck)].pillar +
                QStringLiteral("运"));
    PaintYears(p, page, y + 28);

    Text(p, QRectF(40, kPageHeight - 40, 720, 20), Qt::AlignCenter, page.footer, 12, kRule);
    p.restore();
}

}  // namespace pages
