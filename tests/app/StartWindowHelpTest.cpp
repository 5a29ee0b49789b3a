// The start window's Help page over pages served from this machine: made
// when its row is chosen and loading the help centre, titled "Help
// Center", dropped when the window closes and made again when it shows.
#include "StartWindow.h"

#include "LeftsideListWidget.h"
#include "NativeWebBrowserWidget.h"
#include "ProjectsTestSupport.h"
#include "ProjectsWidget.h"
#include "UserSettings.h"
#include "Util.h"
#include "WebViewTestSupport.h"

#include <QPointer>
#include <QStackedWidget>

#include <memory>

class StartWindowHelpTest : public ProjectsTest
{
protected:
    void SetUp() override
    {
        ProjectsTest::SetUp();
        const QString why = prepareWebViews();
        if (!why.isEmpty())
            GTEST_SKIP() << why.toStdString();
        ASSERT_TRUE(server.isRunning()) << "python3 -m http.server did not start";
        server.addPage("help.html", "Vidorna User Help", "<p>How to make a movie</p>");
        _savedHelpUrl = qgetenv("VIDORNA_HELP_URL");
        qputenv("VIDORNA_HELP_URL", server.url("help.html").toUtf8());
        _savedWorkingDir = UserSettings::instance()->workingDir();
        UserSettings::instance()->setWorkingDir(productFolder());
        window = std::make_unique<StartWindow>();
        window->resize(1000, 800);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override
    {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!_savedWorkingDir.isEmpty())
            UserSettings::instance()->setWorkingDir(_savedWorkingDir);
        qputenv("VIDORNA_HELP_URL", _savedHelpUrl);
        ProjectsTest::TearDown();
    }

    // The help centre requests the server has answered.
    int helpRequests() { return server.requests().filter("/help.html?product=").size(); }

    // Waits until the help page's load has finished and been handled.
    static void waitForLoad(NativeWebBrowserWidget* help)
    {
        WebViewSignals record(help->webView());
        ASSERT_TRUE(record.waitForFinish());
        QCoreApplication::processEvents();
    }

    LocalPagesServer server;
    std::unique_ptr<StartWindow> window;

private:
    QByteArray _savedHelpUrl;
    QString _savedWorkingDir;
};

TEST_F(StartWindowHelpTest, TheHelpRowShowsTheHelpCentreUnderItsOwnTitle)
{
    LeftsideListWidget& rows = *window->leftsideListWidget();
    EXPECT_EQ(window->helpWidget(), nullptr);
    rows.setCurrentRow(StartWindow::HelpRow);
    NativeWebBrowserWidget* help = window->helpWidget();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(window->stackedWidget()->currentWidget(), help);
    EXPECT_EQ(window->windowTitle(), "Help Center");
    waitForLoad(help);
    EXPECT_EQ(help->webView()->title(), "Vidorna User Help");
    EXPECT_EQ(window->windowTitle(), "Help Center");
    ASSERT_EQ(helpRequests(), 1);
    const QString request = server.requests().filter("/help.html?").first();
    EXPECT_TRUE(request.contains("branch=help")) << request.toStdString();
    EXPECT_TRUE(request.endsWith("end=1")) << request.toStdString();

    // Another page and back: the same help page, not loaded again.
    rows.setCurrentRow(StartWindow::MoviesRow);
    EXPECT_EQ(window->windowTitle(), "Movies");
    rows.setCurrentRow(StartWindow::HelpRow);
    EXPECT_EQ(window->helpWidget(), help);
    EXPECT_EQ(window->stackedWidget()->currentWidget(), help);
    EXPECT_EQ(window->windowTitle(), "Help Center");
    QTest::qWait(200);
    EXPECT_EQ(helpRequests(), 1);
}

TEST_F(StartWindowHelpTest, ClosingDropsTheHelpPageAndShowingAgainMakesAndLoadsANewOne)
{
    window->leftsideListWidget()->setCurrentRow(StartWindow::HelpRow);
    QPointer<NativeWebBrowserWidget> first = window->helpWidget();
    ASSERT_FALSE(first.isNull());
    waitForLoad(first);
    ASSERT_EQ(helpRequests(), 1);

    window->close();
    EXPECT_TRUE(first.isNull()) << "the web view goes with the closed window";
    EXPECT_EQ(window->helpWidget(), nullptr);
    EXPECT_EQ(window->stackedWidget()->currentWidget(), window->projectsWidget());

    window->show();
    NativeWebBrowserWidget* second = window->helpWidget();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(window->leftsideListWidget()->currentRow(), int(StartWindow::HelpRow));
    EXPECT_EQ(window->stackedWidget()->currentWidget(), second);
    waitForLoad(second);
    EXPECT_EQ(helpRequests(), 2);
    EXPECT_EQ(window->windowTitle(), "Help Center");
}
