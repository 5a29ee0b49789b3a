#include "GifServiceStub.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QTest>
#include <QUrl>

GifServiceStub::GifServiceStub(int lifeSeconds)
{
    _hadRoot = qEnvironmentVariableIsSet("VIDORNA_GIF_API_ROOT");
    _savedRoot = qgetenv("VIDORNA_GIF_API_ROOT");
    _writeRoutes();
    _server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    _server.start("python3", {VIDORNA_GIF_STUB, _dir.filePath("routes.json"), QString::number(lifeSeconds)});
    if (!_server.waitForStarted(10000))
        return;
    while (_server.waitForReadyRead(10000)) {
        const QByteArray line = _server.readLine().trimmed();
        if (line.startsWith("PORT ")) {
            _port = line.mid(5).toInt();
            break;
        }
    }
    qputenv("VIDORNA_GIF_API_ROOT", root().toUtf8());
}

GifServiceStub::~GifServiceStub()
{
    _server.kill();
    _server.waitForFinished(5000);
    if (_hadRoot)
        qputenv("VIDORNA_GIF_API_ROOT", _savedRoot);
    else
        qunsetenv("VIDORNA_GIF_API_ROOT");
}

QString GifServiceStub::root() const
{
    return url("/v1");
}

QString GifServiceStub::url(const QString& path) const
{
    return QString("http://127.0.0.1:%1%2").arg(_port).arg(path);
}

void GifServiceStub::setRoute(const QString& path, int status, const QByteArray& body, double delaySeconds,
                              const QJsonObject& headers)
{
    _routes.insert(path, QJsonObject{{"status", status},
                                     {"body", QString::fromUtf8(body)},
                                     {"delay", delaySeconds},
                                     {"headers", headers}});
    _writeRoutes();
}

void GifServiceStub::setFileRoute(const QString& path, const QString& file, double delaySeconds)
{
    _routes.insert(path, QJsonObject{{"status", 200}, {"file", file}, {"delay", delaySeconds}});
    _writeRoutes();
}

void GifServiceStub::_writeRoutes()
{
    // Written whole under another name and renamed over the old one in one
    // step: the server may read at any time, and must never find none.
    QSaveFile file(_dir.filePath("routes.json"));
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(QJsonDocument(_routes).toJson());
    file.commit();
}

QStringList GifServiceStub::requests()
{
    _pending += _server.readAllStandardOutput();
    int end;
    while ((end = _pending.indexOf('\n')) >= 0) {
        const QByteArray line = _pending.left(end).trimmed();
        _pending.remove(0, end + 1);
        if (line.startsWith("GET "))
            _requests << QString::fromUtf8(line.mid(4));
    }
    return _requests;
}

QStringList GifServiceStub::requestsTo(const QString& path)
{
    QStringList found;
    for (const QString& request : requests()) {
        if (request.section('?', 0, 0) == path)
            found << request;
    }
    return found;
}

bool GifServiceStub::waitForRequests(const QString& path, int count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return requestsTo(path).size() >= count; }, timeoutMs);
}

QByteArray GifServiceStub::listReply(const QList<QPair<QString, QString>>& items, int offset, int totalCount) const
{
    QJsonArray data;
    for (const auto& item : items) {
        const QString files = "/files/" + QString::fromLatin1(QUrl::toPercentEncoding(item.first));
        data.append(QJsonObject{
            {"id", item.first},
            {"title", item.second},
            {"images", QJsonObject{{"fixed_width_small", QJsonObject{{"url", url(files + "/small.gif")}}},
                                   {"original", QJsonObject{{"url", url(files + "/original.gif")},
                                                            {"width", "160"},
                                                            {"height", "120"}}}}}});
    }
    const QJsonObject pagination{{"offset", offset}, {"count", int(items.size())}, {"total_count", totalCount}};
    return QJsonDocument(QJsonObject{{"data", data}, {"pagination", pagination}}).toJson();
}

QUrlQuery queryOf(const QString& request)
{
    return QUrlQuery(QUrl("http://h" + request));
}
