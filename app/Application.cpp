#include "Application.h"

#include <QDebug>
#include <QDir>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QFileOpenEvent>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace {

constexpr int kConnectWaitMs = 500;
constexpr int kWriteWaitMs = 30000;
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
    _running = _handOverToRunningInstance();
    if (!_running)
        _listen();
}

QString Application::serverName()
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::tempPath();
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return QDir(folder).filePath(QStringLiteral("%1-%2").arg(program).arg(getuid()));
}

bool Application::_handOverToRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(_serverName, QIODevice::ReadWrite);
    if (!socket.waitForConnected(kConnectWaitMs))
        return false;
    socket.write(handedOverArgument().toUtf8());
    // remainingTime() is never negative, which a wait would take for "forever".
    const QDeadlineTimer deadline(kWriteWaitMs);
    while (socket.bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            break;
    }
    if (socket.bytesToWrite() > 0)
        qDebug() << "The running instance did not take the file:" << socket.errorString();
    socket.disconnectFromServer();
    return true;
}

// A name left behind by an instance that died keeps the server from
// listening: it is removed and taken over once.
void Application::_listen()
{
    _localServer = new QLocalServer(this);
    connect(_localServer, &QLocalServer::newConnection, this, &Application::newLocalConnectioin);
    if (_localServer->listen(_serverName))
        return;
    if (_localServer->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(_serverName);
        if (_localServer->listen(_serverName))
            return;
    }
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
