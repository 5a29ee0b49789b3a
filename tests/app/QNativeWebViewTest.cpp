// The web view on pages served from this machine: the order of its load
// reports, the dark scroll bars it adds to every page, going back, the
// titles of the maker's site, and what it does without an engine.
#include "QNativeWebView.h"

#include "OpenedUrls.h"
#include "ProjectsTestSupport.h"
#include "WebViewTestSupport.h"

#ifdef VIDORNA_HAVE_WEBENGINE
#include <QWebEnginePage>
#include <QWebEngineView>
#endif

#include <QTest>

#include <memory>

class QNativeWebViewTest : public WebViewTest
{
protected:
    void SetUp() override
    {
        WebViewTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        server.addPage("first.html", "First Page", "<p>one</p>");
        server.addPage("second.html", "Second Page", "<p>two</p>");
        server.addPage("maker.html", "Help - peltrane.com");
        view = std::make_unique<QNativeWebView>();
        view->resize(640, 480);
        view->show();
        record = std::make_unique<WebViewSignals>(view.get());
    }

    // Loads the page and waits for its finish report.
    void loadAndWait(const QString& page)
    {
        record->clear();
        view->load(QUrl(server.url(page)));
        ASSERT_TRUE(record->waitForFinish()) << page.toStdString() << " never finished";
    }

    // The result of a script in the page, as text.
    QString evaluate(const QString& script)
    {
#ifdef VIDORNA_HAVE_WEBENGINE
        QString result;
        bool done = false;
        view->findChild<QWebEngineView*>()->page()->runJavaScript(script, [&](const QVariant& value) {
            result = value.toString();
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 30000));
        return result;
#else
        Q_UNUSED(script);
        return QString();
#endif
    }

    std::unique_ptr<QNativeWebView> view;
    std::unique_ptr<WebViewSignals> record;
};

TEST_F(QNativeWebViewTest, ALoadStartsAtZeroAndEndsWithOneHundredThenItsFinishAndStylesTheScrollBars)
{
    loadAndWait("first.html");
    const QStringList seen = record->seen();
    ASSERT_GE(seen.size(), 4) << seen.join(", ").toStdString();
    EXPECT_EQ(seen.mid(0, 2), QStringList({"started", "progress 0"})) << seen.join(", ").toStdString();
    EXPECT_EQ(seen.mid(seen.size() - 2), QStringList({"progress 100", "finished true"}))
        << seen.join(", ").toStdString();
    EXPECT_TRUE(seen.contains("title First Page")) << seen.join(", ").toStdString();
    EXPECT_TRUE(seen.contains("url " + server.url("first.html"))) << seen.join(", ").toStdString();
    EXPECT_EQ(view->url(), QUrl(server.url("first.html")));
    EXPECT_EQ(view->title(), "First Page");
    EXPECT_EQ(server.requests().filter("/first.html").size(), 1);

    EXPECT_EQ(evaluate("document.getElementById('scrollbarStyle').tagName"), "STYLE");
    const QString style = evaluate("document.getElementById('scrollbarStyle').innerText");
    EXPECT_TRUE(style.contains("::-webkit-scrollbar-thumb")) << style.toStdString();
    EXPECT_TRUE(style.contains("background-color: #2A2929")) << style.toStdString();
    EXPECT_EQ(evaluate("getComputedStyle(document.body, '::-webkit-scrollbar').width"), "12px");
}

TEST_F(QNativeWebViewTest, NavigationReportsAStartAtZeroAndBackReturnsToTheFirstPage)
{
    // Back on the first page reports a start and stays there.
    loadAndWait("first.html");
    record->clear();
    view->back();
    EXPECT_EQ(record->seen(), QStringList({"started", "progress 0"}));
    QTest::qWait(300);
    EXPECT_EQ(view->url(), QUrl(server.url("first.html")));
    EXPECT_EQ(evaluate("document.title"), "First Page");

    loadAndWait("second.html");
    EXPECT_EQ(view->url(), QUrl(server.url("second.html")));
    record->clear();
    view->back();
    ASSERT_GE(record->seen().size(), 2);
    EXPECT_EQ(record->seen().mid(0, 2), QStringList({"started", "progress 0"}));
    ASSERT_TRUE(record->waitForFinish());
    EXPECT_EQ(record->seen().last(), "finished true");
    EXPECT_EQ(view->url(), QUrl(server.url("first.html")));
    EXPECT_EQ(view->title(), "First Page");

    record->clear();
    view->forward();
    EXPECT_EQ(record->seen().mid(0, 2), QStringList({"started", "progress 0"}));
    ASSERT_TRUE(record->waitForFinish());
    EXPECT_EQ(view->url(), QUrl(server.url("second.html")));

    // Stop ends as finished at once; reload asks the server again.
    record->clear();
    view->stop();
    EXPECT_EQ(record->seen(), QStringList({"progress 100", "finished true"}));
    record->clear();
    view->reload();
    EXPECT_EQ(record->seen().mid(0, 2), QStringList({"started", "progress 0"}));
    ASSERT_TRUE(record->waitForFinish());
    EXPECT_EQ(server.requests().filter("/second.html").size(), 2);
}

TEST_F(QNativeWebViewTest, TitlesNamingTheMakersSiteAreClearedAndInvalidAddressesIgnored)
{
    loadAndWait("maker.html");
    EXPECT_EQ(view->title(), "");
    EXPECT_TRUE(record->seen().contains("title ")) << record->seen().join(", ").toStdString();
    EXPECT_FALSE(record->seen().filter("peltrane").size()) << record->seen().join(", ").toStdString();
    EXPECT_EQ(evaluate("document.title"), "Help - peltrane.com");

    record->clear();
    view->load(QUrl("http://exa mple.com/%%"));
    EXPECT_TRUE(record->seen().isEmpty()) << record->seen().join(", ").toStdString();
    EXPECT_EQ(view->url(), QUrl(server.url("maker.html")));

    // Text with spaces is taken the way a user typed it.
    server.addPage("with space.html", "Spaced");
    record->clear();
    view->setUrlString(server.url("with space.html"));
    ASSERT_TRUE(record->waitForFinish());
    EXPECT_EQ(view->title(), "Spaced");
    EXPECT_EQ(server.requests().filter("/with%20space.html").size(), 1);
}

TEST(QNativeWebViewWithoutEngineTest, AddressesOpenInTheDefaultBrowserAndNavigationDoesNothing)
{
    WebEngineForbidden forbidden;
    OpenedUrls opened;
    QNativeWebView view;
    WebViewSignals record(&view);
    view.setUrlString("http://127.0.0.1:9/help?topic=a b");
    view.load(QUrl());
    view.back();
    view.forward();
    view.reload();
    view.stop();
    EXPECT_TRUE(record.seen().isEmpty()) << record.seen().join(", ").toStdString();
    ASSERT_EQ(opened.urls().size(), 1);
    EXPECT_EQ(opened.urls().first(), QUrl("http://127.0.0.1:9/help?topic=a%20b"));
    EXPECT_EQ(view.url(), QUrl("http://127.0.0.1:9/help?topic=a%20b"));
    EXPECT_TRUE(view.children().isEmpty()) << "no engine, no layout";
}
