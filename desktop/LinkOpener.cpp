// Link opening on a freedesktop system: the desktop opener, then the default web
// browser's Exec line cut at its placeholder and started without a shell.
#include "desktop/LinkOpener.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <array>
#include <utility>

namespace {

// Placeholders of the open command: the registry's "%1" and the desktop entry's field codes.
constexpr std::array<const char*, 5> kPlaceholders{"%1", "%u", "%U", "%f", "%F"};
// Field codes a desktop entry may still hold after the cut; they expand to nothing here.
constexpr const char kDroppedFieldCodes[] = "ickdDnNvm";
// How long the desktop's MIME query may take.
constexpr int kQueryTimeoutMs = 3000;
// How long the desktop opener may take to refuse a target (its search for a program
// takes seconds on a busy machine); one still running after this has handed it to a
// program that runs on.
constexpr int kOpenerVerdictMs = 6000;

LinkOpenerHooks& Hooks() {
    static LinkOpenerHooks hooks;
    return hooks;
}

bool IsFileTarget(const QString& target) {
    if (target.startsWith(QLatin1Char('/')) || target.startsWith(QLatin1String("~/"))) return true;
    const QUrl url(target);
    if (url.isValid() && url.scheme().size() > 1) return url.isLocalFile();
    return QFileInfo::exists(target);
}

QString LocalPath(const QString& target) {
    if (target.startsWith(QLatin1String("~/"))) return QDir::homePath() + target.mid(1);
    const QUrl url(target);
    if (url.isValid() && url.isLocalFile()) return url.toLocalFile();
    return target;
}

// The desktop entry file for an id such as "firefox-esr.desktop" or "kde-foo.desktop"
// (a '-' may stand for a subdirectory).
QString FindDesktopEntry(const QString& id) {
    const QStringList dirs = QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    QString relative = id;
    while (true) {
        for (const QString& dir : dirs) {
            const QString path = dir + QLatin1Char('/') + relative;
            if (QFileInfo::exists(path)) return path;
        }
        const int dash = relative.indexOf(QLatin1Char('-'));
        if (dash < 0) return QString();
        relative[dash] = QLatin1Char('/');
    }
}

// Reads Exec= from the [Desktop Entry] group, with the value-level escapes undone.
std::optional<QString> ReadExecKey(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inEntry || !line.startsWith(QLatin1String("Exec"))) continue;
        const QString rest = line.mid(4).trimmed();
        if (!rest.startsWith(QLatin1Char('='))) continue;
        const QString raw = rest.mid(1).trimmed();
        QString value;
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] != QLatin1Char('\\') || i + 1 >= raw.size()) {
                value += raw[i];
                continue;
            }
            const QChar next = raw[++i];
            if (next == QLatin1Char('s')) {
                value += QLatin1Char(' ');
            } else if (next == QLatin1Char('n')) {
                value += QLatin1Char('\n');
            } else if (next == QLatin1Char('t')) {
                value += QLatin1Char('\t');
            } else if (next == QLatin1Char('r')) {
                value += QLatin1Char('\r');
            } else if (next == QLatin1Char('\\')) {
                // An escaped backslash stays escaped for the Exec-level quoting rules.
                value += QLatin1String("\\\\");
            } else {
                value += QLatin1Char('\\');
                value += next;
            }
        }
        if (value.isEmpty()) return std::nullopt;
        return value;
    }
    return std::nullopt;
}

std::optional<QString> QueryHtmlHandlerExec() {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
    if (!query.waitForFinished(kQueryTimeoutMs) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0) {
        query.kill();
        return std::nullopt;
    }
    const QString id = QString::fromUtf8(query.readAllStandardOutput()).trimmed();
    if (id.isEmpty()) return std::nullopt;
    const QString path = FindDesktopEntry(id);
    if (path.isEmpty()) return std::nullopt;
    return ReadExecKey(path);
}

// The desktop's opener program; without one, Qt's own desktop services.
bool OpenUrlOnDesktop(const QUrl& url) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) return QDesktopServices::openUrl(url);
    return RunDesktopOpener(opener, url, kOpenerVerdictMs);
}

}  // namespace

bool RunDesktopOpener(const QString& program, const QUrl& url, int verdictMs) {
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(program);
    process->setArguments({url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start();
    bool finished = !process->waitForStarted();
    if (!finished) {
        // Wait without freezing the windows: they repaint, but take no input meanwhile.
        QEventLoop wait;
        QTimer::singleShot(verdictMs, &wait, &QEventLoop::quit);
        QObject::connect(process, &QProcess::finished, &wait, &QEventLoop::quit);
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
            QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
        if (process->state() != QProcess::NotRunning) wait.exec(QEventLoop::ExcludeUserInputEvents);
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
            QGuiApplication::restoreOverrideCursor();
        finished = process->state() == QProcess::NotRunning;
    }
    if (finished) {
        const bool opened = process->error() == QProcess::UnknownError &&
                            process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
        delete process;
        return opened;
    }
    // Still running: a program took the target. The process ends on its own.
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return true;
}

LinkOpenerHooks SetLinkOpenerHooksForTesting(LinkOpenerHooks hooks) {
    return std::exchange(Hooks(), std::move(hooks));
}

int ShellOpenTarget(const QString& target) {
    if (target.trimmed().isEmpty()) return kOpenFileNotFound;
    QUrl url;
    if (IsFileTarget(target)) {
        const QFileInfo info(LocalPath(target));
        if (!info.exists()) return kOpenFileNotFound;
        if (!info.isReadable()) return kOpenAccessDenied;
        url = QUrl::fromLocalFile(info.absoluteFilePath());
    } else {
        url = QUrl::fromUserInput(target);
        if (!url.isValid()) return kOpenFileNotFound;
    }
    const bool opened = Hooks().openUrl ? Hooks().openUrl(url) : OpenUrlOnDesktop(url);
    return opened ? kOpenSuccess : kOpenNoAssociation;
}

std::optional<QString> DefaultHtmlHandlerExec() {
    return Hooks().htmlHandlerExec ? Hooks().htmlHandlerExec() : QueryHtmlHandlerExec();
}

QString CutOpenCommand(const QString& command) {
    auto earliest = [&command](bool quoted) -> qsizetype {
        qsizetype best = -1;
        for (const char* placeholder : kPlaceholders) {
            QString needle = QString::fromLatin1(placeholder);
            if (quoted) needle = QLatin1Char('"') + needle + QLatin1Char('"');
            const qsizetype at = command.indexOf(needle);
            if (at >= 0 && (best < 0 || at < best)) best = at;
        }
        return best;
    };
    qsizetype cut = earliest(true);
    if (cut < 0) cut = earliest(false);
    return cut < 0 ? command : command.left(cut);
}

QString FallbackCommandLine(const QString& command, const QString& target) {
    return CutOpenCommand(command) + QLatin1Char(' ') + target;
}

std::optional<QStringList> SplitExecLine(const QString& exec) {
    QStringList arguments;
    QString current;
    bool hadQuotes = false;  // an explicit "" is an empty argument; a lone dropped code is none
    bool quoted = false;
    auto finish = [&] {
        if (!current.isEmpty() || hadQuotes) arguments << current;
        current.clear();
        hadQuotes = false;
    };
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                quoted = false;
            } else if (c == QLatin1Char('\\') && i + 1 < exec.size() &&
                       QStringLiteral("\"`$\\").contains(exec[i + 1])) {
                current += exec[++i];
            } else {
                current += c;
            }
            continue;
        }
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')) {
            finish();
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            hadQuotes = true;
        } else if (c == QLatin1Char('%') && i + 1 < exec.size()) {
            const QChar code = exec[++i];
            if (code == QLatin1Char('%')) {
                current += code;
            } else if (!QString::fromLatin1(kDroppedFieldCodes).contains(code)) {
                current += c;
                current += code;
            }
        } else {
            current += c;
        }
    }
    if (quoted) return std::nullopt;
    finish();
    return arguments;
}

int StartCommand(const QStringList& arguments) {
    if (arguments.isEmpty() || arguments.front().isEmpty()) return kOpenFileNotFound;
    const QString& program = arguments.front();
    QString path = program;
    if (!program.contains(QLatin1Char('/'))) {
        path = QStandardPaths::findExecutable(program);
        if (path.isEmpty()) return kOpenFileNotFound;
    }
    const QFileInfo info(path);
    if (!info.exists()) return kOpenFileNotFound;
    if (!info.isFile() || !info.isExecutable()) return kOpenAccessDenied;
    const QStringList rest = arguments.mid(1);
    const bool started =
        Hooks().startDetached ? Hooks().startDetached(path, rest) : QProcess::startDetached(path, rest);
    return started ? kOpenSuccess : kOpenNotEnoughMemory;
}

int OpenWithHtmlHandler(const QString& target, int shellResult) {
    const std::optional<QString> exec = DefaultHtmlHandlerExec();
    if (!exec) return shellResult;
    std::optional<QStringList> arguments = SplitExecLine(CutOpenCommand(*exec));
    if (!arguments || arguments->isEmpty()) return shellResult;
    // The target is one argument of its own, whatever spaces or quotes it holds.
    arguments->append(target);
    return StartCommand(*arguments);
}
