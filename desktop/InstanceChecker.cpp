#include "desktop/InstanceChecker.h"

#include <QApplication>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>

namespace {

constexpr char kBlockPrefix[] = "CInstanceChecker_MMF_";
constexpr int kConnectTimeoutMs = 1000;
constexpr int kReplyTimeoutMs = 2000;
constexpr int kConnectAttempts = 10;  // the first instance may be just starting to listen
constexpr int kRetryDelayMs = 100;
// Tries at the guard: one to find it taken by a holder that does not answer,
// and one more in case another start took over that stale lock meanwhile.
constexpr int kGuardRounds = 2;

QPointer<QWidget>& RecordedWindow() {
    static QPointer<QWidget> window;
    return window;
}

void RestoreIfMinimised(QWidget* window) {
    if (window && window->isMinimized()) {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
    }
}

// Brings the window forward. X11 lets a program raise and focus itself; Wayland
// only with an activation token, which Qt's Wayland plugin takes from
// XDG_ACTIVATION_TOKEN when the window asks to be activated. Where the window
// system refuses, the window asks for attention instead.
void BringForward(QWidget* window, const QByteArray& token) {
    if (!window) return;
    if (!token.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", token);
    window->raise();
    window->activateWindow();
    QApplication::alert(window);
}

}  // namespace

CInstanceChecker::CInstanceChecker(const QString& applicationName, const QString& runtimeDir) {
    QString dir = runtimeDir;
    if (dir.isEmpty()) {
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    }
    if (dir.isEmpty()) {
        dir = QDir::tempPath();
    }
    const QString base = QDir(dir).filePath(QString::fromLatin1(kBlockPrefix) + applicationName);
    m_lockPath = base + QStringLiteral(".lock");
    m_serverPath = base + QStringLiteral(".sock");
}

CInstanceChecker::~CInstanceChecker() {
    if (m_server) {
        m_server->close();
    }
    RecordedWindow() = nullptr;
}

bool CInstanceChecker::IsPreviousInstanceRunning() {
    for (int round = 0; round < kGuardRounds; ++round) {
        auto lock = std::make_unique<QLockFile>(m_lockPath);
        // Age never makes a lock stale; only a holder that does not answer does.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            m_lock = std::move(lock);
            Listen();
            return false;
        }
        if (lock->error() != QLockFile::LockFailedError) {
            // The guard cannot be set up (no runtime directory, no
            // permission): run without it rather than refuse to start.
            return false;
        }
        if (AskHolder()) {
            m_previousInstance = true;
            return true;
        }
        // Nobody answers for the lock: remove it unless a live process still
        // holds it (the file's system lock tells), and try again.
        lock->removeStaleLockFile();
    }
    // A live process keeps the lock and does not answer: run without the
    // guard rather than end without a window.
    return false;
}

void CInstanceChecker::Listen() {
    // A socket left by an instance that was killed is stale: we hold the lock,
    // so nobody else listens on it.
    QLocalServer::removeServer(m_serverPath);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server.get(), &QLocalServer::newConnection, this, &CInstanceChecker::OnNewConnection);
    m_server->listen(m_serverPath);
}

bool CInstanceChecker::ActivatePreviousInstance() {
    return m_previousInstance || AskHolder();
}

bool CInstanceChecker::AskHolder() {
    QLocalSocket socket;
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        socket.connectToServer(m_serverPath);
        if (socket.waitForConnected(kConnectTimeoutMs)) {
            break;
        }
        QThread::msleep(kRetryDelayMs);
    }
    if (socket.state() != QLocalSocket::ConnectedState) {
        return false;
    }
    socket.write(ActivateRequestLine(qgetenv("XDG_ACTIVATION_TOKEN")));
    if (!socket.waitForBytesWritten(kReplyTimeoutMs)) {
        return false;
    }
    QByteArray reply;
    while (!reply.contains('\n') && socket.waitForReadyRead(kReplyTimeoutMs)) {
        reply += socket.readAll();
    }
    socket.disconnectFromServer();
    return reply == kActivateReply;
}

namespace {

// A token is printable ASCII without blanks; anything else is not passed on.
bool IsCleanToken(const QByteArray& token) {
    return !token.isEmpty() && std::ranges::all_of(token, [](char c) { return c > ' ' && c < 127; });
}

}  // namespace

QByteArray ActivateRequestLine(const QByteArray& token) {
    if (!IsCleanToken(token)) return QByteArray(kActivateRequest);
    return QByteArray("activate ") + token + '\n';
}

bool ParseActivateRequest(const QByteArray& line, QByteArray* token) {
    token->clear();
    if (line == kActivateRequest) return true;
    if (!line.startsWith("activate ") || !line.endsWith('\n')) return false;
    const QByteArray value = line.mid(9, line.size() - 10);
    if (!IsCleanToken(value)) return false;
    *token = value;
    return true;
}

QWidget* CInstanceChecker::MainWindow() {
    return RecordedWindow().data();
}

void CInstanceChecker::RecordMainWindow(QWidget* window) {
    RecordedWindow() = window;
}

void CInstanceChecker::OnNewConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                return;
            }
            if (QByteArray token; ParseActivateRequest(socket->readLine(), &token)) {
                RestoreIfMinimised(RecordedWindow());
                BringForward(RecordedWindow(), token);
                socket->write(kActivateReply);
                socket->flush();
                emit activated();
            }
            socket->disconnectFromServer();
        });
    }
}
