// The names of printed files.
#include "app/print/PrintFileName.h"

#include <QDir>
#include <QStandardPaths>

namespace print {
namespace {

constexpr qsizetype kNameCharacters = 40;  // keeps the file name well within 255 bytes
constexpr char16_t kFullWidthSolidus = u'\uFF0F';

}  // namespace

QString PdfFileName(const QString& name, QDate date, const QString& kind) {
    QString shown;
    for (const QChar c : name) {
        if (c == QLatin1Char('/')) {
            shown += QChar(kFullWidthSolidus);
        } else if (c.category() == QChar::Other_Control) {
            shown += QLatin1Char(' ');
        } else {
            shown += c;
        }
    }
    shown = shown.simplified();
    if (shown.size() > kNameCharacters) {
        qsizetype cut = kNameCharacters;
        if (shown[cut].isLowSurrogate()) --cut;  // never half a character
        shown = shown.left(cut).trimmed();
    }
    if (shown.isEmpty()) shown = QString::fromUtf8(kUnnamed);
    QStringList parts{shown};
    if (date.isValid()) parts << date.toString(QStringLiteral("yyyy-MM-dd"));
    parts << kind;
    return parts.join(QLatin1Char('-')) + QStringLiteral(".pdf");
}

QString PrintFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists()) return documents;
    return QDir::homePath();
}

QString ProposedPdfPath(const QString& name, QDate date, const QString& kind) {
    return QDir(PrintFolder()).filePath(PdfFileName(name, date, kind));
}

}  // namespace print
