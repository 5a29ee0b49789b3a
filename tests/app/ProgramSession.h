#pragma once

// The program started as a user starts it, on a virtual display of its own
// (1920x1080 at 96 dots per inch, so one pixel is one pixel), with HOME, the
// XDG folders and the runtime folder in a temporary folder. Windows are
// looked up with xdotool. Shared by the start-up tests and benchmark.

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <functional>
#include <memory>
#include <vector>

// Polls condition every 20 ms for at most milliseconds.
inline bool waitUntil(const std::function<bool()>& condition, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QThread::msleep(20);
    }
    return true;
}

class ProgramSession
{
public:
    explicit ProgramSession(const QString& program) : _program(program) {}
    ~ProgramSession()
    {
        for (const std::unique_ptr<QProcess>& process : _processes) {
            process->kill();
            process->waitForFinished(5000);
        }
        if (_display) {
            _display->terminate();
            if (!_display->waitForFinished(5000))
                _display->kill();
        }
    }
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    // Empty when everything is ready, else why not.
    QString start()
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
            return "Xvfb and xdotool are needed (scripts/install-deps installs them)";
        if (!_root.isValid() || !QDir(_root.path()).mkpath("runtime") || !QDir(_root.path()).mkpath("home"))
            return "no temporary folder";
        QFile(runtimeFolder()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        _display = std::make_unique<QProcess>();
        // Xvfb writes the display number to stdout once it accepts clients.
        _display->start("Xvfb", {"-displayfd", "1", "-screen", "0", "1920x1080x24", "-dpi", "96", "-nolisten", "tcp",
                                 "-noreset"});
        QElapsedTimer timer;
        timer.start();
        while (!_display->canReadLine() && _display->state() != QProcess::NotRunning && timer.elapsed() < 20000)
            _display->waitForReadyRead(200);
        if (!_display->canReadLine())
            return "Xvfb did not start";
        _displayName = ":" + QString::fromLatin1(_display->readLine()).trimmed();
        return QString();
    }

    QString root() const { return _root.path(); }
    QString home() const { return _root.filePath("home"); }
    QString runtimeFolder() const { return _root.filePath("runtime"); }
    // Where the program keeps its projects by default.
    QString projectsFolder() const { return home() + "/Videos/Vidorna/Projects"; }

    // Starts the program with the arguments in the working folder (the
    // temporary folder when empty). The session ends it if it still runs.
    QProcess* launch(const QStringList& arguments = {}, const QString& workingFolder = QString())
    {
        return launchProgram(_program, arguments, workingFolder);
    }
    // Another program in the same environment.
    QProcess* launchProgram(const QString& program, const QStringList& arguments, const QString& workingFolder = QString())
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(_environment());
        process->setWorkingDirectory(workingFolder.isEmpty() ? root() : workingFolder);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(program, arguments);
        process->waitForStarted(10000);
        _processes.push_back(std::move(process));
        return _processes.back().get();
    }

    // xdotool on the session's display: its output lines, empty when it fails.
    QStringList xdotool(const QStringList& arguments) const
    {
        QStringList lines;
        runXdotool(arguments, &lines);
        return lines;
    }
    bool runXdotool(const QStringList& arguments, QStringList* lines = nullptr) const
    {
        QProcess tool;
        tool.setProcessEnvironment(_environment());
        tool.start("xdotool", arguments);
        if (!tool.waitForFinished(10000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
            return false;
        if (lines != nullptr)
            *lines = QString::fromUtf8(tool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        return true;
    }
    // The shown windows whose class or title matches.
    QStringList windowsOfClass(const QString& windowClass) const
    {
        return xdotool({"search", "--onlyvisible", "--class", windowClass});
    }
    QStringList windowsNamed(const QString& title) const
    {
        return xdotool({"search", "--onlyvisible", "--name", "^" + title + "$"});
    }
    // Waits for exactly one shown window that matches; empty when none came.
    QString waitForWindow(const std::function<QStringList()>& search, int milliseconds) const
    {
        QStringList found;
        waitUntil([&] { return (found = search()).size() == 1; }, milliseconds);
        return found.size() == 1 ? found.first() : QString();
    }
    QRect geometry(const QString& window) const
    {
        QRect rect;
        for (const QString& line : xdotool({"getwindowgeometry", "--shell", window})) {
            const QString key = line.section('=', 0, 0);
            const int value = line.section('=', 1).toInt();
            if (key == "X")
                rect.moveLeft(value);
            else if (key == "Y")
                rect.moveTop(value);
            else if (key == "WIDTH")
                rect.setWidth(value);
            else if (key == "HEIGHT")
                rect.setHeight(value);
        }
        return rect;
    }
    qint64 processOf(const QString& window) const
    {
        const QStringList lines = xdotool({"getwindowpid", window});
        return lines.isEmpty() ? 0 : lines.first().toLongLong();
    }
    // Gives the window the keyboard and presses the key in it.
    bool pressKey(const QString& window, const QString& key) const
    {
        runXdotool({"windowfocus", window});
        return waitUntil([&] { return xdotool({"getwindowfocus"}).value(0) == window; }, 5000)
               && runXdotool({"key", key});
    }

private:
    QProcessEnvironment _environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", _displayName);
        environment.insert("HOME", home());
        environment.insert("XDG_CONFIG_HOME", home() + "/.config");
        environment.insert("XDG_DATA_HOME", home() + "/.local/share");
        environment.insert("XDG_CACHE_HOME", home() + "/.cache");
        environment.insert("XDG_RUNTIME_DIR", runtimeFolder());
        environment.remove("XDG_CONFIG_DIRS");
        environment.remove("QT_SCALE_FACTOR");
        // The update check goes to a closed local port, never to the network.
        environment.insert("VIDORNA_UPDATE_URL", "http://127.0.0.1:9/update");
        return environment;
    }

    QString _program;
    QTemporaryDir _root;
    std::unique_ptr<QProcess> _display;
    QString _displayName;
    std::vector<std::unique_ptr<QProcess>> _processes;
};
