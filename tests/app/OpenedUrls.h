#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Takes the addresses the program hands to the desktop instead of opening a
// browser, mail program or file viewer, for as long as it lives.
class OpenedUrls : public QObject
{
    Q_OBJECT

public:
    OpenedUrls();
    ~OpenedUrls() override;
    const QList<QUrl>& urls() const { return _urls; }

public slots:
    void open(const QUrl& url) { _urls.append(url); }

private:
    QList<QUrl> _urls;
};
