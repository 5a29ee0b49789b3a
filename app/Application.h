#pragma once

#include "SteppedApplication.h"

#include <QPointer>
#include <QWidget>

class QLocalServer;
class QLocalSocket;

// The program's application object. It keeps the program to one running
// instance per user: the first instance listens on a local socket; a later
// start hands its last argument (a file to open, made absolute) to it and
// ends, also when that instance is too busy to answer at once. Files handed
// in from outside, by a later start or by the window system's file-open
// event, come out as openExternalFile.
class Application : public SteppedApplication
{
    Q_OBJECT

public:
    // Runs the single-instance check.
    Application(int& argc, char** argv);

    // True when another instance runs: this one has handed over its argument
    // (or that instance never took it) and should end.
    bool isRunning() const { return _running; }

    // The window a later start brings to the front; not owned.
    void setMainWindow(QWidget* window) { _mainWindow = window; }
    QWidget* mainWindow() const { return _mainWindow; }

    // The socket both sides use: the executable's file name and the user id,
    // in the user's runtime folder (XDG_RUNTIME_DIR, else the temporary
    // folder), so separate users and separate runtime folders never meet.
    static QString serverName();

signals:
    void openExternalFile(const QString& file);

protected:
    bool event(QEvent* event) override;

private slots:
    void newLocalConnectioin();

private:
    enum class RunningInstance { None, Listening, TooBusy };

    bool _handOverOrServe();
    RunningInstance _connectToRunningInstance(QLocalSocket& socket) const;
    static void _handOver(QLocalSocket& socket);
    void _listen();
    void _bringMainWindowToFront();
    static QString _readAll(QLocalSocket& socket);

    QPointer<QWidget> _mainWindow;
    bool _running = false;
    QLocalServer* _localServer = nullptr;
    QString _serverName;
};
