// What the tests of the pages and of the windows that print them share: a
// disk that fills up mid-write, ink counted on a rendered page, and PDF files
// read back with the poppler tools (which setup installs).
#pragma once

#include <sys/resource.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <csignal>

#include "app/pages/PageGeometry.h"

namespace pagetest {

// While a FileSizeLimit lives, writing past `bytes` into any file fails
// (EFBIG, SIGXFSZ ignored) as a full disk fails it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
};

// The pages' resolution in dots per metre (an inch is 0.0254 m): 11811 at 300 dpi.
inline constexpr int kDotsPerMetre = pages::kPageDpi * 10000 / 254;

// A white page of `size` device pixels at the pages' resolution.
inline QImage BlankPage(QSize size) {
    QImage page(size, QImage::Format_RGB32);
    page.setDotsPerMeterX(kDotsPerMetre);
    page.setDotsPerMeterY(kDotsPerMetre);
    page.fill(Qt::white);
    return page;
}

// Pixels in `area` of `page` that are not white.
inline int InkIn(const QImage& page, const QRect& area) {
    int ink = 0;
    const QRect r = area.intersected(page.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) {
            if (qGray(line[x]) < 250) ++ink;
        }
    }
    return ink;
}

// Setup installs poppler-utils; without them the PDF checks fail with this.
inline constexpr char kPopplerMissing[] =
    "pdftotext and pdfinfo (poppler-utils, installed by scripts/setup.sh) are missing";

inline bool HavePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

// Runs a poppler tool and returns its standard output as UTF-8 text.
inline QString RunTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString PdfText(const QString& pdf) {
    return RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, "-"});
}

// One field of pdfinfo's output ("Pages", "Title", ...), trimmed.
inline QString PdfInfo(const QString& pdf, const QString& field) {
    const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf});
    for (const QString& line : info.split('\n')) {
        if (line.startsWith(field + ':')) return line.mid(field.size() + 1).trimmed();
    }
    return {};
}

// True when the text holds a Kangxi radical or a CJK radical-supplement character.
inline bool HasRadical(const QString& text) {
    for (const QChar ch : text)
        if (ch.unicode() >= 0x2E80 && ch.unicode() <= 0x2FDF) return true;
    return false;
}

}  // namespace pagetest
