// The start window's update check against a local update service: the
// request it sends once it is active, the replies that bring up the
// new-version dialog and those that do not, and where the dialog's buttons
// lead.
#include "StartWindow.h"

#include "GifServiceStub.h"
#include "MultiLanguage.h"
#include "OpenedUrls.h"
#include "ProjectsTestSupport.h"
#include "UserSettings.h"
#include "Util.h"

#include <QDialog>
#include <QLabel>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QPushButton>

#include <memory>

namespace {

const QString kUpdatePath = QStringLiteral("/update");
const QByteArray kSite = "https://site.vidorna.test/home";
const QByteArray kHelp = "https://help.vidorna.test/index.html";

QString labelText(QWidget* dialog, const char* name)
{
    auto* label = dialog->findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<no label>");
}

// Clicks the dialog's buttons named in order, then closes it; keeps what it showed.
struct DialogVisit {
    QString title;
    QString currentVersion;
    QString newVersion;
    bool stillOpenAfterClicks = false;

    ModalDialogAnswerer::Answer clicking(const QStringList& buttons)
    {
        return [this, buttons](QWidget* widget) {
            title = widget->windowTitle();
            currentVersion = labelText(widget, "currentVersionValueLabel");
            newVersion = labelText(widget, "newVersionValueLabel");
            for (const QString& text : buttons) {
                for (QPushButton* button : widget->findChildren<QPushButton*>()) {
                    if (button->text() == text)
                        button->click();
                }
            }
            stillOpenAfterClicks = widget->isVisible();
            QDir().mkpath(VIDORNA_ARTEFACT_DIR);
            widget->grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/new-version-dialog.png");
            qobject_cast<QDialog*>(widget)->reject();
        };
    }
};

} // namespace

class UpdateCheckTest : public ProjectsTest
{
protected:
    void SetUp() override
    {
        ProjectsTest::SetUp();
        if (!service.isRunning())
            GTEST_SKIP() << "python3 is needed to play the update service";
        qputenv("VIDORNA_UPDATE_URL", service.url(kUpdatePath).toUtf8());
        qputenv("VIDORNA_SITE_URL", kSite);
        qputenv("VIDORNA_HELP_URL", kHelp);
        _savedWorkingDir = UserSettings::instance()->workingDir();
        UserSettings::instance()->setWorkingDir(productFolder());
    }
    void TearDown() override
    {
        _windows.clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        UserSettings::instance()->setWorkingDir(_savedWorkingDir);
        for (const char* name : {"VIDORNA_UPDATE_URL", "VIDORNA_SITE_URL", "VIDORNA_HELP_URL"})
            qunsetenv(name);
        ProjectsTest::TearDown();
    }

    // Answered a little late, so a test can start listening once the request is out.
    void reply(int status, const QByteArray& body) { service.setRoute(kUpdatePath, status, body, 0.2); }

    // A new start window, shown and made the active window.
    StartWindow* activeWindow()
    {
        _windows.push_back(std::make_unique<StartWindow>());
        StartWindow* window = _windows.back().get();
        window->resize(900, 700);
        window->show();
        activate(window);
        return window;
    }
    static void activate(QWidget* window)
    {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }

    // Waits (bounded) until the window has handled its update reply. The
    // window's own handler runs first and holds any dialog it shows.
    static bool waitForReplyHandled(StartWindow* window)
    {
        QNetworkAccessManager* manager = nullptr;
        if (!QTest::qWaitFor([&] { return (manager = window->findChild<QNetworkAccessManager*>()) != nullptr; },
                             10000))
            return false;
        bool handled = false;
        QObject::connect(manager, &QNetworkAccessManager::finished, manager, [&handled] { handled = true; });
        return QTest::qWaitFor([&] { return handled; }, 10000);
    }

    // Runs a window's check against the reply; true when a dialog came.
    bool dialogShownFor(int status, const QByteArray& body, const ModalDialogAnswerer::Answer& answer)
    {
        reply(status, body);
        ModalDialogAnswerer answerer(answer, 10000);
        EXPECT_TRUE(waitForReplyHandled(activeWindow()));
        return answerer.answered();
    }

    GifServiceStub service;

private:
    std::vector<std::unique_ptr<StartWindow>> _windows;
    QString _savedWorkingDir;
};

TEST_F(UpdateCheckTest, ANewerVersionOffersItsDownloadPageAndWhatsNew)
{
    OpenedUrls opened;
    DialogVisit visit;
    const QString download = service.url("/dl");
    EXPECT_TRUE(dialogShownFor(200, "2.7##" + download.toUtf8(),
                               visit.clicking({"Download new version", "See what's new"})));
    EXPECT_EQ(visit.title, "New Version");
    EXPECT_EQ(visit.currentVersion, "2.6");
    EXPECT_EQ(visit.newVersion, "2.7");
    EXPECT_TRUE(visit.stillOpenAfterClicks) << "the buttons leave the dialog open";
    ASSERT_EQ(opened.urls().size(), 2);
    EXPECT_EQ(opened.urls().at(0), QUrl(download));
    const QUrl whatsNew = opened.urls().at(1);
    EXPECT_EQ(whatsNew.toString(QUrl::RemoveQuery), kHelp);
    EXPECT_EQ(QUrlQuery(whatsNew).queryItemValue("topic"), "whats_new");
}

TEST_F(UpdateCheckTest, AnAddressThatIsNoWebPageOpensTheProductSite)
{
    OpenedUrls opened;
    DialogVisit visit;
    EXPECT_TRUE(dialogShownFor(200, "2.7##", visit.clicking({"Download new version"})));
    EXPECT_TRUE(dialogShownFor(200, "2.7##file:///etc/passwd", visit.clicking({"Download new version"})));
    EXPECT_EQ(QUrl::toStringList(opened.urls()), QStringList({kSite, kSite}));
}

TEST_F(UpdateCheckTest, NoNewerVersionAndUnreadableRepliesShowNothing)
{
    const auto noDialog = ModalDialogAnswerer::reject();
    EXPECT_FALSE(dialogShownFor(200, "2.6##" + service.url("/dl").toUtf8(), noDialog)) << "the same version";
    EXPECT_FALSE(dialogShownFor(200, "2.7##a##b", noDialog)) << "two separators";
    EXPECT_FALSE(dialogShownFor(404, "2.7##" + service.url("/dl").toUtf8(), noDialog)) << "not found";
    EXPECT_EQ(service.requestsTo(kUpdatePath).size(), 3) << "one request per window";
}

TEST_F(UpdateCheckTest, AWindowAsksOnceWithItsVersionHoweverOftenItIsActivated)
{
    reply(200, "2.5##x");
    StartWindow* window = activeWindow();
    ASSERT_TRUE(waitForReplyHandled(window));
    QWidget other;
    other.show();
    for (int i = 0; i < 3; ++i) {
        activate(&other);
        activate(window);
    }
    // Each activation starts a check a second later; let the last one run.
    QTest::qWait(1500);
    const QStringList requests = service.requestsTo(kUpdatePath);
    ASSERT_EQ(requests.size(), 1);
    const QUrlQuery query = queryOf(requests.first());
    EXPECT_EQ(query.queryItemValue("ver"), "2.6");
    EXPECT_EQ(query.queryItemValue("end"), "1");
    EXPECT_EQ(query.queryItemValue("product"), "vidorna");
}

// The maker's service is told the system's language, not the one the interface shows.
TEST_F(UpdateCheckTest, TheCheckNamesTheSystemsFirstLanguageWhicheverTheInterfaceShows)
{
    QString system = QLocale::system().uiLanguages().value(0, QLocale::system().name());
    if (system.startsWith("de"))
        GTEST_SKIP() << "the system speaks the language the interface is switched to";
    MultiLanguage language;
    language.switchLanguage("de_DE");
    reply(200, "2.5##x");
    const bool handled = waitForReplyHandled(activeWindow());
    language.switchLanguage("en_US");
    ASSERT_TRUE(handled);
    const QStringList requests = service.requestsTo(kUpdatePath);
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(queryOf(requests.first()).queryItemValue("lang"), system.replace('-', '_'));
}

TEST_F(UpdateCheckTest, AReplyWithoutAVersionLetsTheNextActivationAskAgain)
{
    reply(200, "##" + service.url("/dl").toUtf8());
    StartWindow* window = activeWindow();
    ASSERT_TRUE(waitForReplyHandled(window));
    QWidget other;
    other.show();
    reply(200, "2.5##x");
    activate(&other);
    activate(window);
    ASSERT_TRUE(waitForReplyHandled(window)) << "no second request after an empty version";
    // That reply named a version: later activations ask nothing.
    activate(&other);
    activate(window);
    QTest::qWait(1500);
    EXPECT_EQ(service.requestsTo(kUpdatePath).size(), 2);
}
