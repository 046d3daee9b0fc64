// Naming a reading's PDF.
#include "app/people/ReportFileName.h"

namespace {

// Refused in file names here or on the systems a file may be copied to.
constexpr char16_t kUnsafe[] = u"/\\:*?\"<>|";

}  // namespace

QString ReportFileName(const QString& name, int year, int month, int day) {
    QString safe = name.trimmed();
    for (QChar& c : safe)
        if (c.category() == QChar::Other_Control || QStringView(kUnsafe).contains(c)) c = QLatin1Char('_');
    if (safe.isEmpty()) safe = QStringLiteral("八字");
    return safe + QStringLiteral("-%1%2%3-报告.pdf")
                      .arg(year, 4, 10, QLatin1Char('0'))
                      .arg(month, 2, 10, QLatin1Char('0'))
                      .arg(day, 2, 10, QLatin1Char('0'));
}
