// What the tests of the documents look for on their pages: every text of a
// chart's model and of an analysis, compared without blanks and line breaks
// (a wrapped line reads as one).
#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include "AnalysisText.h"
#include "ChartModel.h"

namespace pagetest {

inline QString U(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// Text without its blanks and line breaks.
inline QString Squeezed(QString text) {
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

// A PDF's text (pdftotext, pages apart by form feeds) without what every
// page repeats: the footer (the maker, the document and "n / m") and the
// running head of the analysis's later pages, so that a text that runs over
// a page break reads as one.
inline QString BodyText(const QString& pdfText) {
    static const QRegularExpression furniture(QStringLiteral("^(\\d+/\\d+|弈澜坊-星衡命鉴·.*|命局分析·.*)$"));
    QStringList kept;
    for (const QString& line : pdfText.split(QRegularExpression(QStringLiteral("[\\n\\f]"))))
        if (!furniture.match(Squeezed(line)).hasMatch()) kept << line;
    return kept.join(QLatin1Char('\n'));
}

// Every text of the chart's model its pages show, in no particular order; a
// cell's texts that pdftotext reads apart (a year and its pillar) are apart.
inline QStringList ChartTexts(const chart::ChartModel& m) {
    QStringList texts = {U(m.person),
                         U(m.solarLine),
                         U(m.lunarLine),
                         U(m.conventions),
                         U(m.castTime),
                         U(m.missing),
                         U(m.luckLine),
                         U(std::string(chart::kRelationsLabel)),
                         U(std::string(chart::kElementsLabel)),
                         U(std::string(chart::kLuckLabel)),
                         U(std::string(chart::kYearsLabel))};
    for (const chart::GridRowLabel& row : chart::kGridRows) texts << U(std::string(row.label));
    for (const chart::PillarColumn& c : m.columns) {
        texts << U(c.heading);
        for (const chart::GridRowLabel& row : chart::kGridRows)
            for (const std::string& line : chart::CellLines(c, row.row)) texts << U(line);
    }
    for (const chart::RelationText& r : m.relations) texts << U(r.text);
    for (const chart::FactLine& f : m.facts)
        if (f.label != chart::kXiaoYunLabel) texts << U(f.label) + U(f.text);
    for (const chart::XiaoYunText& x : m.xiaoyun) texts << U(x.yearText) + U(x.ageText) << U(x.pillarName);
    for (const std::string& note : m.notes) texts << U(std::string(chart::kNotePrefix) + note);
    for (const chart::LuckText& l : m.luck) {
        texts << U(l.age) << U(l.yearText) << U(l.tenGod) << U(l.pillarName);
        for (const chart::YearText& y : l.years) texts << U(y.yearText) << U(y.pillarName);
    }
    return texts;
}

// Every line of the analysis's outline: the title's pillars, each section's
// title and verdict, and every method, fact, paragraph and item, in order.
inline QStringList AnalysisTexts(const analysis::Analysis& a) {
    QStringList texts;
    for (const analysis::OutlineLine& line : analysis::AnalysisOutline(a)) {
        if (line.kind == analysis::LineKind::Title) {
            texts << U(line.text).mid(QStringLiteral("命局分析").size());
            continue;
        }
        texts << U(line.text) + U(line.detail);
    }
    return texts;
}

}  // namespace pagetest
