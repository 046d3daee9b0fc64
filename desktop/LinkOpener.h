// Opening a link target on the desktop, answered with numeric result codes (a success is
// above 32): the desktop's opener first, then the default web browser's command line
// started directly.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>

// Result codes (a success is above 32).
inline constexpr int kOpenOutOfMemory = 0;
inline constexpr int kOpenFileNotFound = 2;
inline constexpr int kOpenPathNotFound = 3;
inline constexpr int kOpenAccessDenied = 5;
inline constexpr int kOpenNotEnoughMemory = 8;
inline constexpr int kOpenNoAssociation = 31;
inline constexpr int kOpenSuccess = 42;

// The desktop services the opener uses; tests replace them so nothing is launched.
struct LinkOpenerHooks {
    std::function<bool(const QUrl&)> openUrl;                 // the desktop's opener
    std::function<std::optional<QString>()> htmlHandlerExec;  // Exec line of the text/html handler
    std::function<bool(const QString&, const QStringList&)> startDetached;  // program, arguments
};
// Replaces the hooks (empty members keep the real service); returns the previous hooks.
LinkOpenerHooks SetLinkOpenerHooksForTesting(LinkOpenerHooks hooks);

// Hands the target (URL, mail address or file path) to the desktop's opener: 2 when a file
// target does not exist, 5 when it cannot be read, 31 when the opener refuses or fails
// (no browser or mail program), else 42.
int ShellOpenTarget(const QString& target);
// Runs the desktop opener `program` (xdg-open) on the target and waits up to verdictMs
// (the windows repaint meanwhile but take no input, under a busy cursor):
// true when it succeeded or still runs (a program has the target), false when it failed
// or could not be started. An opener reports "no program for this target" only by its
// exit status, so starting it is not yet success.
bool RunDesktopOpener(const QString& program, const QUrl& url, int verdictMs);
// The Exec line of the desktop's default text/html handler, if one is registered.
std::optional<QString> DefaultHtmlHandlerExec();
// The command line cut before its placeholder: the quoted "%1" (or %u %U %f %F) first,
// else the bare one; without a placeholder the whole line.
QString CutOpenCommand(const QString& command);
// The cut command line, one space and the target.
QString FallbackCommandLine(const QString& command, const QString& target);
// Splits an Exec line into arguments by the desktop-entry quoting rules and drops the
// remaining field codes; nullopt for an unterminated quote.
std::optional<QStringList> SplitExecLine(const QString& exec);
// Starts the program of the argument list directly (no shell): 2 when it is not found,
// 5 when it is not executable, 8 when it cannot be started, else 42.
int StartCommand(const QStringList& arguments);
// The whole fallback: the text/html handler's cut command with the target as one more
// argument; shellResult when no handler is registered or its Exec line is unusable.
int OpenWithHtmlHandler(const QString& target, int shellResult);
