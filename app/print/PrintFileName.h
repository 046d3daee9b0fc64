// The file a print job proposes when it prints to a PDF file: one place that
// names it for every window ("张三-1990-07-02-报告.pdf" for the report,
// "张三-1990-07-02-排盘.pdf" for the chart), in the user's documents folder,
// whatever the window system.
#pragma once

#include <QDate>
#include <QString>

namespace print {

// What each window prints: the last part of its file name (UTF-8).
inline constexpr char kReportFileKind[] = "报告";
inline constexpr char kChartFileKind[] = "排盘";
// The name part when a person has no name to show.
inline constexpr char kUnnamed[] = "未命名";

// "<name>-<date>-<kind>.pdf", the date as YYYY-MM-DD ("<name>-<kind>.pdf"
// for an invalid date). The name is trimmed and cut at 40 characters; a "/"
// in it becomes a full-width "／" and a control character a space, so that
// the name stays readable and the file stays in its folder; an empty name
// is kUnnamed.
QString PdfFileName(const QString& name, QDate date, const QString& kind);

// Where printed files are proposed: the user's documents folder
// (QStandardPaths::DocumentsLocation), or the home folder when that does
// not exist.
QString PrintFolder();

// PdfFileName in PrintFolder(): the file the print dialog proposes.
QString ProposedPdfPath(const QString& name, QDate date, const QString& kind);

}  // namespace print
