#pragma once

// What the tests of the web view, the help browser and the start window's
// help page share: the local pages server, a record of the web view's
// signals, and the switches that let them make web views or forbid them.

#include "LocalPagesServer.h"
#include "QNativeWebView.h"

#include <QStringList>
#include <QUrl>

#include <gtest/gtest.h>

// Empty when web views can be made here, else why not. The engine's sandbox
// refuses to run as root (CI runs as root), so the test process runs it
// without one; the pages are local.
inline QString prepareWebViews()
{
    if (!QNativeWebView::isEngineAvailable())
        return "the program was built without a web engine";
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    return QString();
}

// A test with web views on local pages: skipped when no web view can be
// made here.
class WebViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString why = prepareWebViews();
        if (!why.isEmpty())
            GTEST_SKIP() << why.toStdString();
        ASSERT_TRUE(server.isRunning()) << "python3 -m http.server did not start";
    }

    LocalPagesServer server;
};

// While it lives, the help centre address leads to `address`.
class HelpCentreAt
{
public:
    explicit HelpCentreAt(const QString& address) : _saved(qgetenv("VIDORNA_HELP_URL"))
    {
        qputenv("VIDORNA_HELP_URL", address.toUtf8());
    }
    ~HelpCentreAt() { qputenv("VIDORNA_HELP_URL", _saved); }

private:
    QByteArray _saved;
};

// While it lives, web views get no engine: the path taken as root or
// without a web engine.
class WebEngineForbidden
{
public:
    WebEngineForbidden() { QNativeWebView::setEngineAllowed(false); }
    ~WebEngineForbidden() { QNativeWebView::setEngineAllowed(true); }
};

// The web view's signals in the order they came, as "started",
// "progress 40", "finished true", "title Some Page", "url http://...".
class WebViewSignals
{
public:
    explicit WebViewSignals(QNativeWebView* view)
    {
        QObject::connect(view, &QNativeWebView::loadStarted, &_context, [this] { _seen << "started"; });
        QObject::connect(view, &QNativeWebView::loadProgress, &_context,
                         [this](int progress) { _seen << QString("progress %1").arg(progress); });
        QObject::connect(view, &QNativeWebView::loadFinished, &_context,
                         [this](bool ok) { _seen << (ok ? "finished true" : "finished false"); });
        QObject::connect(view, &QNativeWebView::titleChanged, &_context,
                         [this](const QString& title) { _seen << "title " + title; });
        QObject::connect(view, &QNativeWebView::urlChanged, &_context,
                         [this](const QUrl& url) { _seen << "url " + url.toString(); });
    }
    const QStringList& seen() const { return _seen; }
    void clear() { _seen.clear(); }
    // Waits for a finish report; false when none came in time.
    bool waitForFinish(int milliseconds = 60000) const
    {
        return QTest::qWaitFor([this] { return _seen.filter("finished").size() > 0; }, milliseconds);
    }

private:
    QObject _context;
    QStringList _seen;
};
