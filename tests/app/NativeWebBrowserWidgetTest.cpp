// The help browser on pages served from this machine: the title its window
// shows, the progress strip under its top panel, the back button, and the
// free-standing help window of the editor's Help menu.
#include "NativeWebBrowserWidget.h"

#include "OpenedUrls.h"
#include "ProjectsTestSupport.h"
#include "Util.h"
#include "WebViewTestSupport.h"

#ifdef VIDORNA_HAVE_WEBENGINE
#include <QWebEnginePage>
#include <QWebEngineView>
#endif

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const char* const kHelpTitle = "Vidorna User Help";

} // namespace

class NativeWebBrowserWidgetTest : public WebViewTest
{
protected:
    void SetUp() override
    {
        WebViewTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        server.addPage("help.html", kHelpTitle,
                       "<p style='height:3000px'><a id='other' href='other.html'>Other</a></p>");
        server.addPage("other.html", "Other Page", "<p>elsewhere</p>");
        browser = std::make_unique<NativeWebBrowserWidget>();
        browser->resize(800, 600);
        browser->setTitle("Help Center");
        browser->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(browser.get()));
        record = std::make_unique<WebViewSignals>(browser->webView());
    }

    // Loads the page and waits until the browser has handled its finish.
    void loadAndWait(const QString& page)
    {
        record->clear();
        browser->loadUrl(server.url(page));
        ASSERT_TRUE(record->waitForFinish());
        QCoreApplication::processEvents();
    }

    std::unique_ptr<NativeWebBrowserWidget> browser;
    std::unique_ptr<WebViewSignals> record;
};

TEST_F(NativeWebBrowserWidgetTest, TheHelpPagesKeepTheStoredTitleAndALinkedPageShowsItsOwn)
{
    QStringList titles;
    QObject::connect(browser.get(), &NativeWebBrowserWidget::titleChanged,
                     [&](const QString& title) { titles << title; });
    loadAndWait("help.html");
    EXPECT_EQ(browser->webView()->title(), kHelpTitle);
    EXPECT_EQ(browser->title(), "Help Center");
    EXPECT_EQ(browser->windowTitle(), "Help Center");
    ASSERT_FALSE(titles.isEmpty());
    EXPECT_EQ(titles.last(), "Help Center");

#ifdef VIDORNA_HAVE_WEBENGINE
    // The user clicks the link.
    QWebEngineView* engine = browser->findChild<QWebEngineView*>();
    QVariant box;
    engine->page()->runJavaScript(
        "(function() { var r = document.getElementById('other').getBoundingClientRect();"
        " return [r.left + r.width / 2, r.top + r.height / 2]; })()",
        [&](const QVariant& value) { box = value; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return box.isValid(); }, 30000));
    const QPoint link(box.toList().at(0).toInt(), box.toList().at(1).toInt());
    record->clear();
    QWidget* input = engine->focusProxy();
    ASSERT_NE(input, nullptr);
    QTest::mouseClick(input, Qt::LeftButton, Qt::NoModifier, input->mapFrom(engine, link));
    ASSERT_TRUE(record->waitForFinish());
    QCoreApplication::processEvents();
    EXPECT_EQ(browser->webView()->url(), QUrl(server.url("other.html")));
    EXPECT_EQ(browser->title(), "Other Page");
    EXPECT_EQ(browser->windowTitle(), "Other Page");
    EXPECT_EQ(titles.last(), "Other Page");

    // Back returns to the help page and its stored title.
    record->clear();
    QTest::mouseClick(browser->findChild<QPushButton*>("backButton"), Qt::LeftButton);
    ASSERT_TRUE(record->waitForFinish());
    QCoreApplication::processEvents();
    EXPECT_EQ(browser->webView()->url(), QUrl(server.url("help.html")));
    EXPECT_EQ(browser->windowTitle(), "Help Center");
#endif
}

TEST_F(NativeWebBrowserWidgetTest, TheProgressStripRunsAlongThePanelsBottomEdgeAndGoesAfterTheLoad)
{
    QWidget* panel = browser->topPanelWidget();
    ASSERT_EQ(panel->width(), 800);
    EXPECT_EQ(browser->progressStrip(), nullptr);

    emit browser->webView()->loadProgress(40);
    QCoreApplication::processEvents();
    QWidget* strip = browser->progressStrip();
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->parentWidget(), panel);
    EXPECT_TRUE(strip->isVisible());
    EXPECT_EQ(strip->geometry(), QRect(0, panel->height() - 2, 320, 2));
    const QImage shot = browser->grab().toImage();
    EXPECT_EQ(shot.pixelColor(319, panel->height() - 1), QColor(54, 200, 255));
    EXPECT_EQ(shot.pixelColor(321, panel->height() - 1), QColor(31, 32, 35));
    EXPECT_EQ(shot.pixelColor(100, panel->height() - 3), QColor(31, 32, 35));

    // A wider panel gets a wider strip.
    browser->resize(1000, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(strip->geometry(), QRect(0, panel->height() - 2, 400, 2));

    // Full, then gone a second later.
    emit browser->webView()->loadProgress(100);
    QCoreApplication::processEvents();
    EXPECT_TRUE(strip->isVisible());
    EXPECT_EQ(strip->width(), 1000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return strip->isHidden(); }, 5000));

    // A later load shows it again; its finish hides it at once, and a
    // resize leaves it hidden.
    emit browser->webView()->loadProgress(10);
    QCoreApplication::processEvents();
    EXPECT_TRUE(strip->isVisible());
    EXPECT_EQ(strip->width(), 100);
    emit browser->webView()->loadFinished(false);
    QCoreApplication::processEvents();
    EXPECT_TRUE(strip->isHidden());
    browser->resize(900, 600);
    QCoreApplication::processEvents();
    EXPECT_TRUE(strip->isHidden());

    // A real load ends with the strip gone.
    loadAndWait("other.html");
    EXPECT_TRUE(QTest::qWaitFor([&] { return strip->isHidden(); }, 5000));

    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    browser->grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/help-browser.png");
}

TEST_F(NativeWebBrowserWidgetTest, TheHelpWindowIsAFixedCloseOnlyWindowShowingTheServedPage)
{
    Util::setHelpBrowserFactory(NativeWebBrowserWidget::createHelpWindow);
    Util::openUserHelp(server.url("help.html?topic=start"), "Help Center");
    Util::setHelpBrowserFactory(nullptr);

    NativeWebBrowserWidget* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* found = qobject_cast<NativeWebBrowserWidget*>(widget);
        if (found && found != browser.get())
            window = found;
    }
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(1024, 800));
    EXPECT_EQ(window->minimumSize(), QSize(1024, 800));
    EXPECT_EQ(window->maximumSize(), QSize(1024, 800));
    EXPECT_EQ(window->windowTitle(), "Help Center");
    EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);

    WebViewSignals windowRecord(window->webView());
    ASSERT_TRUE(windowRecord.waitForFinish());
    QCoreApplication::processEvents();
    EXPECT_EQ(server.requests().filter("/help.html?topic=start").size(), 1);
    EXPECT_EQ(window->webView()->title(), kHelpTitle);
    EXPECT_EQ(window->windowTitle(), "Help Center");

    QPointer<NativeWebBrowserWidget> closed(window);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull()) << "deleted when closed";
}

TEST(NativeWebBrowserWidgetWithoutEngineTest, TheHelpWindowOpensTheDefaultBrowserInstead)
{
    WebEngineForbidden forbidden;
    OpenedUrls opened;
    const int windows = QApplication::topLevelWidgets().size();
    Util::setHelpBrowserFactory(NativeWebBrowserWidget::createHelpWindow);
    Util::openUserHelp("http://127.0.0.1:9/help.html", "Help Center");
    Util::setHelpBrowserFactory(nullptr);
    ASSERT_EQ(opened.urls().size(), 1);
    EXPECT_EQ(opened.urls().first(), QUrl("http://127.0.0.1:9/help.html"));
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);
}
