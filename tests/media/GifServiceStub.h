#pragma once

// The GIF search service played by a local Python HTTP server: the tests set
// its answers per path and read back the requests it received, in order.

#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrlQuery>

class GifServiceStub {
public:
    // Starts the server (at most lifeSeconds long) and points the program's
    // GIF service root at it; stopped and restored on destruction.
    explicit GifServiceStub(int lifeSeconds = 120);
    ~GifServiceStub();

    bool isRunning() const { return _port > 0; }
    QString root() const;
    // The address of path on the server, e.g. "/files/a.gif".
    QString url(const QString& path) const;

    void setRoute(const QString& path, int status, const QByteArray& body, double delaySeconds = 0,
                  const QJsonObject& headers = {});
    void setFileRoute(const QString& path, const QString& file, double delaySeconds = 0);

    // Every request received so far as "path?query", in order.
    QStringList requests();
    QStringList requestsTo(const QString& path);
    // Waits (bounded) until count requests to path have come in.
    bool waitForRequests(const QString& path, int count, int timeoutMs = 10000);

    // A list reply of the service with items (id, title) whose preview and
    // original renditions are served by this server under /files/.
    QByteArray listReply(const QList<QPair<QString, QString>>& items, int offset, int totalCount) const;

private:
    void _writeRoutes();

    QTemporaryDir _dir;
    QProcess _server;
    QJsonObject _routes;
    QStringList _requests;
    QByteArray _pending;
    int _port = 0;
    QByteArray _savedRoot;
    bool _hadRoot = false;
};

// The query of a request line as decoded key/value pairs.
QUrlQuery queryOf(const QString& request);
