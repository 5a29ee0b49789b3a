#pragma once

// Web pages served from a temporary folder by Python's HTTP server on
// 127.0.0.1, at a port the system chose, for the tests of the web view and
// the help browser. The paths the server was asked for are kept.

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

class LocalPagesServer
{
public:
    LocalPagesServer()
    {
        _server.start("python3", {"-u", "-m", "http.server", "0", "--bind", "127.0.0.1", "--directory", _dir.path()});
        if (!_server.waitForStarted(10000))
            return;
        // "Serving HTTP on 127.0.0.1 port N (...) ..."
        if (!QTest::qWaitFor([&] { return _server.canReadLine(); }, 10000))
            return;
        const QList<QByteArray> words = _server.readLine().split(' ');
        const int portAt = words.indexOf("port") + 1;
        if (portAt > 0 && portAt < words.size())
            _port = words.at(portAt).toInt();
    }
    ~LocalPagesServer()
    {
        _server.kill();
        _server.waitForFinished(5000);
    }
    LocalPagesServer(const LocalPagesServer&) = delete;
    LocalPagesServer& operator=(const LocalPagesServer&) = delete;

    bool isRunning() const { return _port > 0; }
    QString url(const QString& path) const { return QString("http://127.0.0.1:%1/%2").arg(_port).arg(path); }

    // An HTML page titled `title` with `body` as its content.
    void addPage(const QString& name, const QString& title, const QString& body = QString())
    {
        QFile file(_dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(QString("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                               "<body>%2</body></html>")
                           .arg(title, body)
                           .toUtf8());
    }

    // The paths of the GET requests answered so far, queries included.
    QStringList requests()
    {
        // 127.0.0.1 - - [date] "GET /page.html?x=1 HTTP/1.1" 200 -
        _log += _server.readAllStandardError();
        QStringList paths;
        for (const QByteArray& line : _log.split('\n')) {
            const int start = line.indexOf("\"GET ");
            if (start >= 0)
                paths << QString::fromUtf8(line.mid(start + 5).split(' ').first());
        }
        return paths;
    }

private:
    QTemporaryDir _dir;
    QProcess _server;
    QByteArray _log;
    int _port = 0;
};
