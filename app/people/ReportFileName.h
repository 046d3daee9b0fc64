// The file name a reading's PDF is proposed under: "<name>-<yyyymmdd>-报告.pdf",
// the date the Gregorian birth date.
#pragma once

#include <QString>

// Characters no file name should hold (the separator '/', the ones other
// systems refuse, control characters) become '_'; an empty or blank name
// becomes "八字".
QString ReportFileName(const QString& name, int year, int month, int day);
