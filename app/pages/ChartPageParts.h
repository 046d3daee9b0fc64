// Inside the chart pages: how the facts and notes are spread over the pages,
// and the painting of page 2 (the luck), shared by ChartPage.cpp and
// ChartLuckPage.cpp. Sheet units throughout.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "ChartModel.h"

class QPainter;

namespace pages::chartpage {

// A fact beside the elements: its label and its text's lines.
struct BoxedFact {
    QString label;
    QStringList lines;
};

// Where each fact and note stands. The facts take the box beside the
// elements while each fits whole; from the first that does not, facts and
// then notes run as full-width lines: at page 1's foot as far as they fit,
// then under page 2's years, then on pages of their own.
struct EntryFlow {
    std::vector<BoxedFact> box;
    QStringList foot;                // page 1
    std::vector<QStringList> later;  // page 2's tail, then one list a further page
    double natalEnd = 0;             // where page 1's elements section ends
};
EntryFlow FlowEntries(const chart::ChartModel& m);

// Item texts kept whole when wrapped: the blank inside a date and time
// ("1990-09-16 01:00") becomes a no-break space.
QString KeepDateTimes(QString text);

// Page 2: the person, the luck, 小运, the years of every luck pillar, and
// the entries of its tail. A further page: the person and its entries.
void PaintLuckPage(QPainter& p, const chart::ChartModel& m, const QStringList& tail);
void PaintEntriesPage(QPainter& p, const chart::ChartModel& m, const QStringList& lines);

// What the luck page and the natal page share.
void PersonLines(QPainter& p, const chart::ChartModel& m);
void EntryLines(QPainter& p, double top, const QStringList& lines);
// The y where page 2's years end and its tail begins.
double LuckPageEnd();

}  // namespace pages::chartpage
