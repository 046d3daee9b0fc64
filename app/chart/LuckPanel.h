// CLuckPanel: the chart window's luck and years to click. A strip of the luck
// pillars (大运, with 小运 first when the chart has years before the first
// luck pillar), the years (流年) of the luck pillar picked, and for the year
// picked its twelve months (流月: pillar, the 节 that begins each, and its
// moment) and its judgement from the analysis. The panel only shows; the
// window decides what is picked and hands over the texts.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "ChartModel.h"

class CPillarStrip;
class QLabel;
class QTableWidget;
class QTextBrowser;

// The luck cell of the years before the first luck pillar (小运).
inline constexpr int kXiaoYunLuck = -1;

class CLuckPanel : public QWidget {
    Q_OBJECT
public:
    explicit CLuckPanel(QWidget* parent = nullptr);

    // Shows the luck of `model` for someone born in `birthYear`, the present
    // being `currentYear`: luck pillar `luck` picked (an index into
    // model.luck, or kXiaoYunLuck), its years, and `year` picked among them
    // with its months and `judgementHtml` (rich text). A year outside the
    // calendar's span shows no months and says so.
    void Show(const chart::ChartModel& model, int birthYear, int currentYear, int luck, int year,
              const QString& judgementHtml);

    // The year of each cell of the years strip, in order.
    const std::vector<int>& ShownYears() const { return m_years; }

    CPillarStrip* LuckStrip() const { return m_pLuckStrip; }
    CPillarStrip* YearStrip() const { return m_pYearStrip; }
    QTableWidget* MonthTable() const { return m_pMonthTable; }
    QTextBrowser* Judgement() const { return m_pJudgement; }
    QLabel* MonthsHeading() const { return m_pMonthsHeading; }

signals:
    // The user picked a luck pillar (an index into the model's luck, or
    // kXiaoYunLuck) or a year.
    void luckPicked(int luck);
    void yearPicked(int year);

private:
    void ShowMonths(int year);

    std::vector<int> m_lucks;  // the luck index of each cell of the luck strip
    std::vector<int> m_years;  // the year of each cell of the years strip

    QLabel* m_pLuckLine = nullptr;
    CPillarStrip* m_pLuckStrip = nullptr;
    QLabel* m_pYearsHeading = nullptr;
    CPillarStrip* m_pYearStrip = nullptr;
    QLabel* m_pMonthsHeading = nullptr;
    QTableWidget* m_pMonthTable = nullptr;
    QLabel* m_pJudgementHeading = nullptr;
    QTextBrowser* m_pJudgement = nullptr;
};
