// The luck panel: two strips, the months table and the year's judgement.
#include "app/chart/LuckPanel.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "LuckPillars.h"
#include "app/chart/PillarStrip.h"

namespace {

constexpr int kLuckAboveLines = 2;  // age, year
constexpr int kYearAboveLines = 2;  // age, year
constexpr int kMonthColumns = 4;    // month, pillar, 节, its moment
constexpr int kJudgementMinHeight = 140;
constexpr int kRowAir = 6;  // pixels above and below a month's line
constexpr char kHeadingStyle[] = "font-weight:bold; color:#7a3b1a;";

QString U(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QLabel* Heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QString::fromLatin1(kHeadingStyle));
    return label;
}

QString AgeText(int year, int birthYear) {
    return QStringLiteral("%1岁").arg(chart::NominalAge(year, birthYear));
}

}  // namespace

CLuckPanel::CLuckPanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);

    layout->addWidget(Heading(QStringLiteral("大运"), this));
    m_pLuckLine = new QLabel(this);
    m_pLuckLine->setWordWrap(true);
    layout->addWidget(m_pLuckLine);
    m_pLuckStrip = new CPillarStrip(kLuckAboveLines, this);
    m_pLuckStrip->setAccessibleName(QStringLiteral("大运"));
    m_pLuckStrip->setAccessibleDescription(QStringLiteral("左右键选大运，显示其十年流年"));
    layout->addWidget(m_pLuckStrip);

    m_pYearsHeading = Heading(QString(), this);
    layout->addWidget(m_pYearsHeading);
    m_pYearStrip = new CPillarStrip(kYearAboveLines, this);
    m_pYearStrip->setAccessibleName(QStringLiteral("流年"));
    m_pYearStrip->setAccessibleDescription(QStringLiteral("左右键选流年，显示其流月与评断"));
    layout->addWidget(m_pYearStrip);

    m_pMonthsHeading = Heading(QString(), this);
    layout->addWidget(m_pMonthsHeading);
    m_pMonthTable = new QTableWidget(0, kMonthColumns, this);
    m_pMonthTable->setHorizontalHeaderLabels(
        {QStringLiteral("月"), QStringLiteral("月柱"), QStringLiteral("节"), QStringLiteral("交节时刻")});
    m_pMonthTable->verticalHeader()->hide();
    // Rows as tall as a line of text and a little air, so the twelve stand together.
    m_pMonthTable->verticalHeader()->setMinimumSectionSize(1);
    m_pMonthTable->verticalHeader()->setDefaultSectionSize(m_pMonthTable->fontMetrics().height() + kRowAir);
    m_pMonthTable->horizontalHeader()->setStretchLastSection(true);
    m_pMonthTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pMonthTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pMonthTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pMonthTable->setAlternatingRowColors(true);
    m_pMonthTable->setTabKeyNavigation(false);
    m_pMonthTable->setAccessibleName(QStringLiteral("流月"));
    layout->addWidget(m_pMonthTable);

    m_pJudgementHeading = Heading(QString(), this);
    layout->addWidget(m_pJudgementHeading);
    m_pJudgement = new QTextBrowser(this);
    m_pJudgement->setMinimumHeight(kJudgementMinHeight);
    m_pJudgement->setTabChangesFocus(true);
    m_pJudgement->setAccessibleName(QStringLiteral("流年评断"));
    layout->addWidget(m_pJudgement, 1);

    connect(m_pLuckStrip, &CPillarStrip::picked, this, [this](int cell) {
        if (cell >= 0 && cell < static_cast<int>(m_lucks.size())) emit luckPicked(m_lucks[cell]);
    });
    connect(m_pYearStrip, &CPillarStrip::picked, this, [this](int cell) {
        if (cell >= 0 && cell < static_cast<int>(m_years.size())) emit yearPicked(m_years[cell]);
    });
}

void CLuckPanel::Show(const chart::ChartModel& model, int birthYear, int currentYear, int luck, int year,
                      const QString& judgementHtml) {
    m_pLuckLine->setText(U(model.luckLine));

    // The luck strip: 小运 first when there are years before the first luck pillar.
    std::vector<PillarCell> cells;
    m_lucks.clear();
    int pickedLuck = -1;
    if (!model.xiaoyun.empty()) {
        const chart::XiaoYunText& first = model.xiaoyun.front();
        const bool present = currentYear >= first.year && currentYear <= model.xiaoyun.back().year;
        cells.push_back(
            {{U(first.ageText), U(first.yearText)}, QStringLiteral("小运"), -1, QString(), present});
        if (luck == kXiaoYunLuck) pickedLuck = 0;
        m_lucks.push_back(kXiaoYunLuck);
    }
    for (std::size_t i = 0; i < model.luck.size(); ++i) {
        const chart::LuckText& l = model.luck[i];
        if (static_cast<int>(i) == luck) pickedLuck = static_cast<int>(cells.size());
        cells.push_back({{U(l.age), U(l.yearText)},
                         U(l.pillarName),
                         l.pillar,
                         U(l.tenGod),
                         static_cast<int>(i) == model.currentLuck});
        m_lucks.push_back(static_cast<int>(i));
    }
    m_pLuckStrip->SetCells(cells, pickedLuck);

    // The years of the luck picked; under 小运 each year names its 小运 pillar.
    cells.clear();
    m_years.clear();
    int pickedYear = -1;
    if (luck == kXiaoYunLuck) {
        m_pYearsHeading->setText(QStringLiteral("流年（小运）"));
        for (const chart::XiaoYunText& x : model.xiaoyun) {
            if (x.year == year) pickedYear = static_cast<int>(cells.size());
            const int pillar = chart::YearPillarOfYear(x.year);
            cells.push_back({{U(x.ageText), U(x.yearText)},
                             QString::fromStdString(chart::PillarName(pillar)),
                             pillar,
                             QStringLiteral("运") + U(x.pillarName),
                             x.year == currentYear});
            m_years.push_back(x.year);
        }
    } else if (luck >= 0 && luck < static_cast<int>(model.luck.size())) {
        const chart::LuckText& l = model.luck[static_cast<std::size_t>(luck)];
        m_pYearsHeading->setText(QStringLiteral("流年（%1运 %2–%3）")
                                     .arg(U(l.pillarName))
                                     .arg(l.years.front().year)
                                     .arg(l.years.back().year));
        for (const chart::YearText& y : l.years) {
            if (y.year == year) pickedYear = static_cast<int>(cells.size());
            cells.push_back({{AgeText(y.year, birthYear), U(y.yearText)},
                             U(y.pillarName),
                             y.pillar,
                             QString(),
                             y.year == currentYear});
            m_years.push_back(y.year);
        }
    }
    m_pYearStrip->SetCells(cells, pickedYear);

    ShowMonths(year);
    m_pJudgementHeading->setText(QStringLiteral("流年评断 %1").arg(year));
    m_pJudgement->setHtml(judgementHtml);
}

void CLuckPanel::ShowMonths(int year) {
    const std::optional<std::array<chart::MonthStart, 12>> months = chart::MonthsOfYear(year);
    m_pMonthTable->setRowCount(0);
    if (!months) {
        m_pMonthsHeading->setText(QStringLiteral("流月 %1：此年不在历法范围（%2–%3）之内")
                                      .arg(year)
                                      .arg(chart::kFirstChartYear)
                                      .arg(chart::kLastChartYear));
        return;
    }
    m_pMonthsHeading->setText(QStringLiteral("流月 %1（%2年，立春起）")
                                  .arg(year)
                                  .arg(U(chart::PillarName(chart::YearPillarOfYear(year)))));
    m_pMonthTable->setRowCount(static_cast<int>(months->size()));
    for (int row = 0; row < static_cast<int>(months->size()); ++row) {
        const chart::MonthStart& m = (*months)[static_cast<std::size_t>(row)];
        const QString texts[kMonthColumns] = {
            QString::fromUtf8(chart::BranchName(m.pillar % 12).data()) + QStringLiteral("月"),
            U(chart::PillarName(m.pillar)), QString::fromUtf8(chart::TermName(m.term).data()),
            U(chart::FormatMinutes(m.begins))};
        for (int column = 0; column < kMonthColumns; ++column)
            m_pMonthTable->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
    m_pMonthTable->resizeColumnsToContents();
    m_pMonthTable->horizontalHeader()->setStretchLastSection(true);
    // All twelve rows stand in view.
    const int rows = m_pMonthTable->rowCount();
    m_pMonthTable->setFixedHeight(m_pMonthTable->horizontalHeader()->height() +
                                  rows * m_pMonthTable->verticalHeader()->defaultSectionSize() +
                                  2 * m_pMonthTable->frameWidth());
}
