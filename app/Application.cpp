#include "Application.h"

#include <QDebug>
#include <QDir>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QFileOpenEvent>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

#include <sys/socket.h>
#include <unistd.h>

namespace {

// A running instance takes a later start's request when its main thread
// gets to it: the later start waits that long for it, generously.
constexpr int kAnswerWaitMs = 30000;
// Between attempts to connect to an instance whose queue of connections is
// full.
constexpr int kConnectRetryMs = 50;
constexpr int kReadWaitMs = 1000;

// The running instance has its own working folder: a relative path would be
// looked up there.
QString handedOverArgument()
{
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2 || arguments.last().isEmpty())
        return QString();
    return QFileInfo(arguments.last()).absoluteFilePath();
}

} // namespace

Application::Application(int& argc, char** argv) : SteppedApplication(argc, argv), _serverName(serverName())
{
    _running = _handOverOrServe();
}

QString Application::serverName()
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::tempPath();
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return QDir(folder).filePath(QStringLiteral("%1-%2").arg(program).arg(getuid()));
}

// Starts decide one at a time, under a lock beside the name, so the name
// refuses a connection only when it was left by an instance that died: one
// that starts binds the name and listens on it before it lets the next start
// look. A lock whose holder died is taken over by QLockFile.
bool Application::_handOverOrServe()
{
    QLockFile decision(_serverName + QStringLiteral(".lock"));
    decision.setStaleLockTime(0);
    if (!decision.tryLock(kAnswerWaitMs) && decision.error() == QLockFile::LockFailedError) {
        qWarning() << "Another start of the program kept deciding for" << kAnswerWaitMs / 1000
                   << "seconds; this start ends without handing over" << handedOverArgument();
        return true;
    }
    QLocalSocket socket;
    switch (_connectToRunningInstance(socket)) {
    case RunningInstance::None:
        _listen();
        return false;
    case RunningInstance::TooBusy:
        qWarning() << "The running instance took no connection within" << kAnswerWaitMs / 1000
                   << "seconds; this start ends without handing over" << handedOverArgument();
        return true;
    case RunningInstance::Listening:
        decision.unlock();
        _handOver(socket);
        return true;
    }
    return true;
}

// A name nobody binds, or one bound without a listener, means no instance.
// An instance whose queue of connections is full leaves the connection
// pending: it runs, only busy, and is asked again until the bound.
Application::RunningInstance Application::_connectToRunningInstance(QLocalSocket& socket) const
{
    const QDeadlineTimer deadline(kAnswerWaitMs);
    for (;;) {
        socket.connectToServer(_serverName, QIODevice::ReadWrite);
        if (socket.waitForConnected(0))
            return RunningInstance::Listening;
        if (socket.state() != QLocalSocket::ConnectingState)
            return RunningInstance::None;
        socket.abort();
        if (deadline.hasExpired())
            return RunningInstance::TooBusy;
        QThread::msleep(kConnectRetryMs);
    }
}

// The text ends where the sending side closes; the running instance closes
// its side once it has taken the text, which is the answer waited for.
void Application::_handOver(QLocalSocket& socket)
{
    const QString file = handedOverArgument();
    socket.write(file.toUtf8());
    // remainingTime() is never negative, which a wait would take for "forever".
    const QDeadlineTimer deadline(kAnswerWaitMs);
    while (socket.bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            break;
    }
    ::shutdown(int(socket.socketDescriptor()), SHUT_WR);
    while (socket.state() == QLocalSocket::ConnectedState && !deadline.hasExpired())
        socket.waitForDisconnected(int(deadline.remainingTime()));
    if (socket.state() == QLocalSocket::ConnectedState)
        qWarning() << "The running instance did not take" << file << "within" << kAnswerWaitMs / 1000
                   << "seconds; it opens it when it gets to it, and this start ends.";
}

// Under the decision's lock a name still there is one nobody listens on.
void Application::_listen()
{
    _localServer = new QLocalServer(this);
    connect(_localServer, &QLocalServer::newConnection, this, &Application::newLocalConnectioin);
    QLocalServer::removeServer(_serverName);
    if (!_localServer->listen(_serverName))
        qDebug() << "No single-instance service:" << _localServer->errorString();
}

void Application::newLocalConnectioin()
{
    QLocalSocket* socket = _localServer->nextPendingConnection();
    if (socket == nullptr)
        return;
    const QString text = _readAll(*socket);
    delete socket;
    if (_mainWindow.isNull())
        return;
    _bringMainWindowToFront();
    if (!text.isEmpty())
        emit openExternalFile(text);
}

// The text ends where the sender closes the connection, within a bound.
QString Application::_readAll(QLocalSocket& socket)
{
    QByteArray bytes;
    const QDeadlineTimer deadline(kReadWaitMs);
    while (socket.state() == QLocalSocket::ConnectedState && !deadline.hasExpired()) {
        socket.waitForReadyRead(int(deadline.remainingTime()));
        bytes += socket.readAll();
    }
    bytes += socket.readAll();
    return QString::fromUtf8(bytes);
}

void Application::_bringMainWindowToFront()
{
    _mainWindow->raise();
    _mainWindow->activateWindow();
    _mainWindow->setWindowState((_mainWindow->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    _mainWindow->show();
}

bool Application::event(QEvent* event)
{
    if (event->type() == QEvent::FileOpen) {
        const QString file = static_cast<QFileOpenEvent*>(event)->file();
        qDebug() << "Open file from external" << file;
        emit openExternalFile(file);
    }
    return SteppedApplication::event(event);
}
