// CInstanceChecker: keeps the program to one running instance per user.
//
// The first instance holds a lock file in the user's runtime directory and
// listens on a local socket beside it. The operating system releases the lock
// when the holder ends in any way (a crash or kill included: the lock records
// the holder's process id and a lock whose holder is gone counts as free), so
// a later start is never locked out. A second instance finds the lock taken,
// asks the first through the socket to restore its window, and ends.
//
// Only an answer proves a first instance: a lock file whose holder does not
// answer (an empty or damaged file, one written on another host, one whose
// process id now belongs to another program) is stale and is taken over. A
// lock that a live process keeps without answering is left to it, and this
// instance runs without the guard. So every start ends in a window: its own,
// or the first instance's, restored.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

class CInstanceChecker : public QObject {
    Q_OBJECT
public:
    // `applicationName` names the lock and the socket; `runtimeDir` empty
    // means the user's runtime directory.
    explicit CInstanceChecker(const QString& applicationName, const QString& runtimeDir = {});
    ~CInstanceChecker() override;

    // True when another instance holds the guard and has confirmed that it
    // restores its window. Otherwise this instance takes the guard, if it can,
    // and answers later starts from now on.
    bool IsPreviousInstanceRunning();
    // Asks the other instance to restore its window if it is minimised and to
    // bring it forward (passing on this start's activation token, if any).
    // Returns true when it confirmed the request; after
    // IsPreviousInstanceRunning returned true, it has already done so.
    bool ActivatePreviousInstance();

    // The window a later start restores: the program's main window, recorded
    // here and nowhere else (null when there is none).
    static void RecordMainWindow(QWidget* window);
    static QWidget* MainWindow();

    QString LockFilePath() const { return m_lockPath; }
    QString ServerPath() const { return m_serverPath; }

signals:
    // Emitted in the first instance after a later start asked for its window.
    void activated();

private:
    // Sends the activation request to the holder of the guard; true when it
    // answered as the first instance does.
    bool AskHolder();
    void Listen();
    void OnNewConnection();

    QString m_lockPath;
    QString m_serverPath;
    std::unique_ptr<QLockFile> m_lock;  // held while this is the first instance
    std::unique_ptr<QLocalServer> m_server;
    bool m_previousInstance = false;
};

// The byte strings of the activation exchange. A later start that was given a
// desktop activation token (XDG_ACTIVATION_TOKEN, which launchers on Wayland set)
// sends "activate TOKEN\n" instead, so that the first instance may use it: on
// Wayland a program may bring its window forward only with such a token.
inline constexpr char kActivateRequest[] = "activate\n";
inline constexpr char kActivateReply[] = "restored\n";

// The request line for a start given `token` (empty: none).
QByteArray ActivateRequestLine(const QByteArray& token);
// True when `line` is an activation request; `token` receives its token, if any.
bool ParseActivateRequest(const QByteArray& line, QByteArray* token);
