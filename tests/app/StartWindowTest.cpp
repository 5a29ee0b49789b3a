// The start window under the X server: its rows and pages, project archives
// dropped on it or handed in from outside, the overlay its pages ask for,
// the File menu and its shortcuts, the help page and the feedback link, and
// a change of language.
#include "StartWindow.h"

#include "ArchiveExporter.h"
#include "LeftsideListWidget.h"
#include "MultiLanguage.h"
#include "NativeWebBrowserWidget.h"
#include "OpenedUrls.h"
#include "ProjectsListWidget.h"
#include "ProjectsListWidgetItemDelegate.h"
#include "ProjectsTestSupport.h"
#include "ProjectsWidget.h"
#include "SettingsWidget.h"
#include "UserSettings.h"
#include "Util.h"
#include "WebViewTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QUrl>
#include <QUrlQuery>

#include <memory>

namespace {

const QByteArray kEmptyProject = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Project/>\n";
const QByteArray kProperties = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Properties version=\"7\" direction=\"1\" "
                               "resolution=\"1\" frameRate=\"30\" fixCoverImage=\"0\" backgroundColor=\"#ff000000\"/>\n";

} // namespace

class StartWindowTest : public ProjectsTest
{
protected:
    void SetUp() override
    {
        ProjectsTest::SetUp();
        // The window asks the update service once it is active: a closed
        // local port keeps these tests off the network and free of its dialog.
        qputenv("VIDORNA_UPDATE_URL", "http://127.0.0.1:9/update");
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
        UserSettings::instance()->setWorkingDir(_savedWorkingDir);
        ProjectsTest::TearDown();
    }

    LeftsideListWidget& rows() const { return *window->leftsideListWidget(); }
    QWidget* currentPage() const { return window->stackedWidget()->currentWidget(); }

    // An archive of a project "Trip" written under the given file name, in its own folder.
    QString makeArchive(const QString& fileName)
    {
        makeProject("Trip");
        writeFile(ProjectManager::projectXmlPath("Trip", QString()), kEmptyProject);
        writeFile(ProjectManager::propertiesXmlPath("Trip", QString()), kProperties);
        ArchiveExporter exporter("Trip", QString(), _archives.path());
        exporter.start();
        EXPECT_TRUE(exporter.wait(20000));
        const QString path = _archives.path() + "/" + fileName;
        EXPECT_TRUE(QFile::rename(_archives.path() + "/Trip.vidornaproject", path));
        return path;
    }

    // A copy of the file beside it under another name.
    static QString copyAs(const QString& path, const QString& name)
    {
        const QString copy = QFileInfo(path).path() + "/" + name;
        EXPECT_TRUE(QFile::copy(path, copy));
        return copy;
    }

    // Drags the files over the window and drops them; true when the drag was accepted.
    bool drop(const QStringList& paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls.append(QUrl::fromLocalFile(path));
        data.setUrls(urls);
        const QPoint centre = window->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        QDropEvent dropped(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &dropped);
        return enter.isAccepted();
    }

    // Waits for the import that the dialog script agrees to and its closing message.
    void expectImportedAs(const DialogScript& dialogs, const QString& archiveName, const QString& project)
    {
        QStringList messages;
        QObject::connect(window->projectsWidget(), &ProjectsWidget::issueShowTextMessage,
                         [&](const QString& text) { messages << text; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.finished(); }, 10000));
        EXPECT_EQ(dialogs.seen(), QStringList{QString("Import Project / Do you want to import project \"%1\" "
                                                      "into Vidorna?")
                                                  .arg(archiveName)});
        ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.isEmpty(); }, 20000));
        EXPECT_EQ(messages.last(), "Import Completed");
        EXPECT_TRUE(QFileInfo(projectPath(project + "/project.xml")).isFile());
        EXPECT_TRUE(QFileInfo(projectPath(project + "/properties.xml")).isFile());
    }

    // Whether a modal dialog comes up within half a second; it is dismissed if so.
    static bool anyDialogAsks()
    {
        ModalDialogAnswerer answerer(ModalDialogAnswerer::reject(), 500);
        QTest::qWait(600);
        return answerer.answered();
    }

    std::unique_ptr<StartWindow> window;

private:
    QString _savedWorkingDir;
    QTemporaryDir _archives;
};

TEST_F(StartWindowTest, OpensOnTheProjectsPageWithTheExamplesInstalled)
{
    EXPECT_EQ(window->objectName(), "StartWindow");
    ASSERT_EQ(rows().count(), 3);
    EXPECT_EQ(rows().item(0)->text(), "Movies");
    EXPECT_EQ(rows().item(1)->text(), "Settings");
    EXPECT_EQ(rows().item(2)->text(), "Help");
    for (int row = 0; row < 3; ++row) {
        EXPECT_FALSE(rows().item(row)->icon().isNull()) << row;
        EXPECT_EQ(rows().item(row)->sizeHint(), QSize(75, 75)) << row;
    }
    EXPECT_EQ(rows().currentRow(), 0);
    EXPECT_EQ(currentPage(), window->projectsWidget());
    EXPECT_EQ(window->windowTitle(), "Movies");
    EXPECT_EQ(window->leftsideListWidget()->parentWidget()->width(), 100);
    EXPECT_TRUE(QFileInfo(projectPath("Examples/.folder")).isFile());
    EXPECT_TRUE(QFileInfo(projectPath("Examples/5-4-3-2-1-0")).isDir());
}

TEST_F(StartWindowTest, SettingsRowShowsItsPageAndHelpOpensTheBrowserKeepingThePage)
{
    // As root or without a web engine, help goes to the default browser.
    WebEngineForbidden noWebEngine;
    OpenedUrls opened;
    EXPECT_EQ(window->settingsWidget(), nullptr) << "made when first chosen";
    rows().setCurrentRow(1);
    QWidget* settings = currentPage();
    ASSERT_NE(window->settingsWidget(), nullptr);
    EXPECT_EQ(settings, window->settingsWidget());
    EXPECT_EQ(window->windowTitle(), "Settings");
    rows().setCurrentRow(0);
    rows().setCurrentRow(1);
    EXPECT_EQ(currentPage(), settings) << "the settings page is made once and kept";
    EXPECT_TRUE(opened.urls().isEmpty());

    rows().setCurrentRow(2);
    ASSERT_EQ(opened.urls().size(), 1);
    EXPECT_EQ(opened.urls().first(), QUrl(Util::userHelpUrl(QString()), QUrl::TolerantMode));
    EXPECT_EQ(currentPage(), settings);
    EXPECT_EQ(rows().currentRow(), 2);

    rows().setCurrentRow(0);
    EXPECT_EQ(currentPage(), window->projectsWidget());
    EXPECT_EQ(window->windowTitle(), "Movies");
}

// Messages of a page show over the whole window.
QStringList shownMessages(QWidget* window)
{
    QStringList texts;
    for (ProgressHUD* hud : window->findChildren<ProgressHUD*>())
        if (hud->mode() == ProgressHUDMessage && hud->isVisible())
            texts << hud->messageLabel()->text();
    return texts;
}

TEST_F(StartWindowTest, ANewWorkingDirectoryGetsTheExamplesAndTheProjectsPageLeavesItsFolder)
{
    makeFolder("Trips");
    window->projectsWidget()->reloadProjects();
    window->projectsWidget()->projectsListWidget()->changeDirectory("Trips");
    ASSERT_TRUE(window->projectsWidget()->isInFolder());

    rows().setCurrentRow(1);
    QTemporaryDir elsewhere;
    DialogScript chooser({DialogScript::choose(elsewhere.path())});
    window->settingsWidget()->findChild<QPushButton*>("workingDirectoryButton")->click();
    ASSERT_TRUE(chooser.finished());
    EXPECT_EQ(ProjectManager::projectsDirectory(), elsewhere.path() + "/Projects");
    EXPECT_TRUE(QFileInfo(elsewhere.path() + "/Projects/Examples/5-4-3-2-1-0").isDir());
    EXPECT_FALSE(window->projectsWidget()->isInFolder());
}

TEST_F(StartWindowTest, TheSettingsPagesMessageShowsOverTheWindow)
{
    rows().setCurrentRow(1);
    DialogScript confirm({DialogScript::click("Reset")});
    window->settingsWidget()->findChild<QPushButton*>("segmentPropertiesResetButton")->click();
    ASSERT_TRUE(confirm.finished());
    EXPECT_EQ(shownMessages(window.get()), QStringList{"Segment properties reset successfully"});
}

TEST_F(StartWindowTest, ADroppedArchiveWithTwoDotsIsImportedButNotFromOutside)
{
    const QString archive = makeArchive("a.b.vidornaproject");
    rows().setCurrentRow(1);
    window->openFileFromExternal(archive);
    EXPECT_FALSE(anyDialogAsks()) << "from outside the complete suffix counts: \"b.vidornaproject\"";

    DialogScript dialogs({DialogScript::click("Import")});
    ASSERT_TRUE(drop({archive}));
    EXPECT_EQ(rows().currentRow(), 0);
    EXPECT_EQ(currentPage(), window->projectsWidget());
    expectImportedAs(dialogs, "a.b.vidornaproject", "Trip (1)");
}

TEST_F(StartWindowTest, AnArchiveFromOutsideIsImportedAfterAsking)
{
    const QString archive = makeArchive("trip.vidornaproject");
    DialogScript cancel({DialogScript::click("Cancel")});
    window->openFileFromExternal(archive);
    EXPECT_TRUE(cancel.finished());
    EXPECT_FALSE(QFileInfo::exists(projectPath("Trip (1)")));

    DialogScript dialogs({DialogScript::click("Import")});
    window->openFileFromExternal(archive);
    expectImportedAs(dialogs, "trip.vidornaproject", "Trip (1)");
}

TEST_F(StartWindowTest, OnlyTheFirstDroppedFileCountsAndItsSuffixMustMatchExactly)
{
    const QString archive = makeArchive("trip.vidornaproject");
    const QString capitals = copyAs(archive, "trip.VIDORNAPROJECT");
    EXPECT_FALSE(drop({capitals}));
    EXPECT_FALSE(anyDialogAsks());
    EXPECT_FALSE(drop({copyAs(archive, "trip.txt"), archive}));
    EXPECT_FALSE(anyDialogAsks());

    DialogScript dialogs({DialogScript::click("Import")});
    ASSERT_TRUE(drop({archive, capitals}));
    expectImportedAs(dialogs, "trip.vidornaproject", "Trip (1)");
    EXPECT_FALSE(QFileInfo::exists(projectPath("Trip (2)")));
}

TEST_F(StartWindowTest, TheOverlayIsSharedByTheSpinnerAndTheProgressBar)
{
    ProjectsWidget* page = window->projectsWidget();
    emit page->issueShowWaitingHUD("Copying");
    QPointer<ProgressHUD> spinner = window->hud();
    ASSERT_NE(spinner, nullptr);
    EXPECT_EQ(spinner->mode(), ProgressHUDSpinner);
    EXPECT_TRUE(spinner->isVisible());
    EXPECT_EQ(spinner->geometry(), window->rect());
    EXPECT_NE(spinner->findChild<QLabel*>(), nullptr);
    QStringList texts;
    for (QLabel* label : spinner->findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("Copying")) << texts.join(", ").toStdString();

    emit page->issueShowProgressHUD("Archiving", 0.5f);
    EXPECT_EQ(window->hud(), spinner.data()) << "an overlay already shown is reused";
    EXPECT_EQ(spinner->mode(), ProgressHUDSpinner);
    emit page->issueHideProgressHUD();
    EXPECT_EQ(window->hud(), nullptr);
    EXPECT_TRUE(spinner.isNull()) << "a hidden overlay is deleted at once";

    emit page->issueShowProgressHUD("Archiving", 0.25f);
    QPointer<ProgressHUD> bar = window->hud();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->mode(), ProgressHUDBar);
    EXPECT_EQ(bar->progressBar()->value(), 25);
    emit page->issueShowProgressHUD("Archiving", 0.75f);
    EXPECT_EQ(bar->progressBar()->value(), 75);
    emit page->issueHideWaitingHUD();
    EXPECT_TRUE(bar.isNull());
    emit page->issueHideWaitingHUD();

    emit page->issueShowTextMessage("Import Completed");
    EXPECT_EQ(shownMessages(window.get()), QStringList{"Import Completed"});
    EXPECT_EQ(window->hud(), nullptr) << "a message is not the busy overlay";
}

TEST_F(StartWindowTest, PagesSetTheTitleButAnEmptyOneIsIgnored)
{
    emit window->projectsWidget()->titleChanged("Trips");
    EXPECT_EQ(window->windowTitle(), "Trips");
    emit window->projectsWidget()->titleChanged(QString());
    EXPECT_EQ(window->windowTitle(), "Trips");
}

TEST_F(StartWindowTest, ActivatingTheProgramBringsTheHiddenWindowBack)
{
    window->hide();
    QEvent activate(QEvent::ApplicationActivate);
    QApplication::sendEvent(qApp, &activate);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(StartWindowTest, FileMenuOffersNewFolderOnlyAtTheTopLevel)
{
    QStringList file;
    for (QAction* action : window->fileMenu()->actions())
        file << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(file, QStringList({"New Movie...", "New Folder...", "-", "Import...", "-", "Close"}));
    QStringList help;
    for (QAction* action : window->helpMenu()->actions())
        help << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(help, QStringList({"Vidorna Help", "Get Vidorna on Smartphones", "-", "Feedback...", "-",
                                 "About Vidorna"}));

    makeFolder("Trips");
    window->projectsWidget()->reloadProjects();
    window->fileMenu()->popup(window->mapToGlobal(QPoint(10, 10)));
    EXPECT_TRUE(window->newFolderAction()->isEnabled());
    window->fileMenu()->hide();

    window->projectsWidget()->projectsListWidget()->changeDirectory("Trips");
    ASSERT_TRUE(window->projectsWidget()->isInFolder());
    window->fileMenu()->popup(window->mapToGlobal(QPoint(10, 10)));
    EXPECT_FALSE(window->newFolderAction()->isEnabled()) << "folders do not nest";
    window->fileMenu()->hide();
}

TEST_F(StartWindowTest, MenuCommandsGoToTheProjectsPageFirst)
{
    rows().setCurrentRow(1);
    DialogScript prompt({DialogScript::cancel()});
    window->newProjectAction()->trigger();
    EXPECT_EQ(currentPage(), window->projectsWidget());
    EXPECT_EQ(prompt.seen(), QStringList()) << "the prompt waits until the page shows";
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompt.finished(); }, 5000));
    ASSERT_EQ(prompt.seen().size(), 1);
    EXPECT_TRUE(prompt.seen().first().startsWith("prompt: New Movie")) << prompt.seen().first().toStdString();

    rows().setCurrentRow(1);
    DialogScript chooser({DialogScript::cancel()});
    window->importArchiveAction()->trigger();
    EXPECT_EQ(currentPage(), window->projectsWidget());
    ASSERT_TRUE(QTest::qWaitFor([&] { return chooser.finished(); }, 5000));
    EXPECT_EQ(chooser.seen(), QStringList{"QFileDialog"});
}

TEST_F(StartWindowTest, HelpMenuOpensHelpTheSiteAndAFeedbackMail)
{
    WebEngineForbidden noWebEngine;
    OpenedUrls opened;
    const auto trigger = [&](const QString& text) {
        for (QAction* action : window->helpMenu()->actions())
            if (action->text() == text)
                action->trigger();
    };
    trigger("Vidorna Help");
    EXPECT_EQ(rows().currentRow(), 2);
    trigger("Get Vidorna on Smartphones");
    trigger("Feedback...");
    ASSERT_EQ(opened.urls().size(), 3);
    EXPECT_EQ(opened.urls().at(0), QUrl(Util::userHelpUrl(QString()), QUrl::TolerantMode));
    EXPECT_EQ(opened.urls().at(1), QUrl(Util::productSiteUrl()));

    const QUrl mail = opened.urls().at(2);
    EXPECT_EQ(mail.scheme(), "mailto");
    EXPECT_FALSE(mail.path().isEmpty());
    const QString link = mail.toString(QUrl::FullyEncoded);
    EXPECT_FALSE(link.contains(' ')) << link.toStdString();
    EXPECT_FALSE(link.contains('<')) << link.toStdString();
    const QUrlQuery query(mail);
    EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded), "Vidorna Feedback");
    const QString body = query.queryItemValue("body", QUrl::FullyDecoded);
    EXPECT_TRUE(body.startsWith("How do you think about Vidorna?")) << body.toStdString();
    EXPECT_TRUE(body.endsWith(QString("please tell us.\n\n\n\n\n\n\n\n<From Vidorna v%1 on %2 with %3>")
                                  .arg(Util::versionString(), Util::machineHostName(), Util::osName())))
        << body.toStdString();

    // The subject stays as written in every language.
    MultiLanguage language;
    language.switchLanguage("de_DE");
    trigger("Feedback...");
    language.switchLanguage("en_US");
    ASSERT_EQ(opened.urls().size(), 4);
    EXPECT_EQ(QUrlQuery(opened.urls().at(3)).queryItemValue("subject", QUrl::FullyDecoded), "Vidorna Feedback");
}

// The help centre served from this machine, as the Help page shows it.
class StartWindowHelpPage
{
public:
    StartWindowHelpPage()
    {
        _why = prepareWebViews();
        if (!_why.isEmpty() || !server.isRunning())
            return;
        server.addPage("help.html", "Vidorna User Help", "<p>How to make a movie</p>");
        _help = std::make_unique<HelpCentreAt>(server.url("help.html"));
    }
    // Empty when the page can be shown, else why not.
    QString unavailable() const
    {
        if (_why.isEmpty() && !server.isRunning())
            return "python3 -m http.server did not start";
        return _why;
    }
    // The help centre requests the server has answered.
    int requests() { return server.requests().filter("/help.html?product=").size(); }
    // Waits until the page's load has finished and been handled.
    static bool waitForLoad(NativeWebBrowserWidget* help)
    {
        WebViewSignals record(help->webView());
        const bool finished = record.waitForFinish();
        QCoreApplication::processEvents();
        return finished;
    }

    LocalPagesServer server;

private:
    QString _why;
    std::unique_ptr<HelpCentreAt> _help;
};

TEST_F(StartWindowTest, TheHelpRowShowsTheHelpCentreUnderItsOwnTitle)
{
    StartWindowHelpPage page;
    if (!page.unavailable().isEmpty())
        GTEST_SKIP() << page.unavailable().toStdString();
    EXPECT_EQ(window->helpWidget(), nullptr);
    rows().setCurrentRow(StartWindow::HelpRow);
    NativeWebBrowserWidget* help = window->helpWidget();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(currentPage(), help);
    EXPECT_EQ(window->windowTitle(), "Help Center");
    ASSERT_TRUE(page.waitForLoad(help));
    EXPECT_EQ(help->webView()->title(), "Vidorna User Help");
    EXPECT_EQ(window->windowTitle(), "Help Center");
    ASSERT_EQ(page.requests(), 1);
    const QString request = page.server.requests().filter("/help.html?").first();
    EXPECT_TRUE(request.contains("branch=help")) << request.toStdString();
    EXPECT_TRUE(request.endsWith("end=1")) << request.toStdString();

    // Another page and back: the same help page, not loaded again.
    rows().setCurrentRow(StartWindow::MoviesRow);
    EXPECT_EQ(window->windowTitle(), "Movies");
    rows().setCurrentRow(StartWindow::HelpRow);
    EXPECT_EQ(window->helpWidget(), help);
    EXPECT_EQ(currentPage(), help);
    EXPECT_EQ(window->windowTitle(), "Help Center");
    QTest::qWait(200);
    EXPECT_EQ(page.requests(), 1);

    // The help page stays across a change of language, under the new title.
    MultiLanguage language;
    language.switchLanguage("de_DE");
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->windowTitle() == "Hilfecenter"; }, 5000))
        << window->windowTitle().toStdString();
    EXPECT_EQ(currentPage(), help);
    language.switchLanguage("en_US");
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->windowTitle() == "Help Center"; }, 5000))
        << window->windowTitle().toStdString();
    EXPECT_EQ(page.requests(), 1);
}

TEST_F(StartWindowTest, ClosingDropsTheHelpPageAndShowingAgainMakesAndLoadsANewOne)
{
    StartWindowHelpPage page;
    if (!page.unavailable().isEmpty())
        GTEST_SKIP() << page.unavailable().toStdString();
    rows().setCurrentRow(StartWindow::HelpRow);
    QPointer<NativeWebBrowserWidget> first = window->helpWidget();
    ASSERT_FALSE(first.isNull());
    ASSERT_TRUE(page.waitForLoad(first));
    ASSERT_EQ(page.requests(), 1);

    window->close();
    EXPECT_TRUE(first.isNull()) << "the web view goes with the closed window";
    EXPECT_EQ(window->helpWidget(), nullptr);
    EXPECT_EQ(currentPage(), window->projectsWidget());

    window->show();
    NativeWebBrowserWidget* second = window->helpWidget();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(rows().currentRow(), int(StartWindow::HelpRow));
    EXPECT_EQ(currentPage(), second);
    ASSERT_TRUE(page.waitForLoad(second));
    EXPECT_EQ(page.requests(), 2);
    EXPECT_EQ(window->windowTitle(), "Help Center");
}

TEST_F(StartWindowTest, AboutRunsTheInstalledDialogOverTheWindow)
{
    QWidget* parentSeen = nullptr;
    Util::setAboutDialogFactory([&](QWidget* parent) {
        parentSeen = parent;
        return new QDialog(parent);
    });
    ModalDialogAnswerer answerer(ModalDialogAnswerer::reject());
    window->helpMenu()->actions().last()->trigger();
    Util::setAboutDialogFactory(nullptr);
    EXPECT_TRUE(answerer.answered());
    EXPECT_EQ(parentSeen, window.get());
}

TEST_F(StartWindowTest, ALanguageChangeRetranslatesRowsActionsMenusAndTitle)
{
    MultiLanguage language;
    language.switchLanguage("de_DE");
    QCoreApplication::processEvents();
    EXPECT_EQ(rows().item(0)->text(), "Filme");
    EXPECT_EQ(rows().item(1)->text(), "Einstellungen");
    EXPECT_EQ(rows().item(2)->text(), "Hilfe");
    EXPECT_EQ(window->newProjectAction()->text(), "Neuer Film...");
    EXPECT_EQ(window->newFolderAction()->text(), "Neuer Ordner...");
    EXPECT_EQ(window->importArchiveAction()->text(), "Importieren...");
    QStringList menus;
    for (QAction* action : window->menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus, QStringList({"Datei", "Hilfe"}));
    EXPECT_EQ(window->fileMenu()->actions().last()->text(), QString::fromUtf8("Schließen"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->windowTitle() == "Filme"; }, 5000))
        << window->windowTitle().toStdString();
    EXPECT_EQ(window->menuBar()->findChildren<QMenu*>().size(), 2) << "the old menus are gone";

    language.switchLanguage("en_US");
    QCoreApplication::processEvents();
    EXPECT_EQ(rows().item(1)->text(), "Settings");
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->windowTitle() == "Movies"; }, 5000))
        << window->windowTitle().toStdString();
}

TEST_F(StartWindowTest, NewMovieShortcutWorksFromTheSettingsPage)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    rows().setCurrentRow(1);
    DialogScript prompt({DialogScript::cancel()});
    QTest::keySequence(window.get(), QKeySequence::New);
    EXPECT_EQ(currentPage(), window->projectsWidget());
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompt.finished(); }, 5000));
    EXPECT_TRUE(prompt.seen().first().startsWith("prompt: New Movie"));
}

// Finds no browser: no opener on PATH and no BROWSER.
class NoBrowser
{
public:
    NoBrowser() : _path(qgetenv("PATH")), _browser(qgetenv("BROWSER"))
    {
        qputenv("PATH", _empty.path().toUtf8());
        qunsetenv("BROWSER");
    }
    ~NoBrowser()
    {
        qputenv("PATH", _path);
        if (!_browser.isNull())
            qputenv("BROWSER", _browser);
    }

private:
    QTemporaryDir _empty;
    QByteArray _path;
    QByteArray _browser;
};

TEST_F(StartWindowTest, WithoutABrowserHelpTellsTheAddressInTheInterfaceLanguage)
{
    WebEngineForbidden noWebEngine;
    NoBrowser noBrowser;
    MultiLanguage language;
    language.switchLanguage("de_DE");
    QString text;
    bool selectable = false;
    ModalDialogAnswerer answerer([&](QWidget* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            text = box->text();
            selectable = box->textInteractionFlags() & Qt::TextSelectableByMouse;
        }
        dialog->close();
    }, 5000);
    QTest::mouseClick(rows().viewport(), Qt::LeftButton, {}, rows().visualItemRect(rows().item(2)).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return answerer.answered(); }, 6000)) << "help said nothing";
    language.switchLanguage("en_US");
    EXPECT_TRUE(text.startsWith(QString::fromUtf8("Es konnte kein Webbrowser"))) << text.toStdString();
    EXPECT_TRUE(selectable);
    const QUrl address(text.section("\n\n", 1), QUrl::StrictMode);
    EXPECT_EQ(address.toString(QUrl::RemoveQuery), QUrl(Util::userHelpPageUrl()).toString());
    const QUrlQuery query(address);
    EXPECT_EQ(query.queryItemValue("branch"), "help");
    // The address itself names the system's language for the maker's pages.
    EXPECT_EQ(query.queryItemValue("lang"), Util::uiLanguage()) << text.toStdString();
    EXPECT_EQ(rows().currentRow(), 2);
    EXPECT_EQ(currentPage(), window->projectsWidget()) << "the page that showed stays";
}

// The press that makes the window active reaches the tile pressed, though
// the activation lists the projects again before the release.
TEST_F(StartWindowTest, ThePressThatActivatesTheWindowActsOnTheTilePressed)
{
    makeProject("Alps");
    makeProject("Beach");
    ProjectsWidget* page = window->projectsWidget();
    ProjectsListWidget* list = page->projectsListWidget();
    page->reloadProjects();
    QTest::mouseClick(page->findChild<QPushButton*>("editButton"), Qt::LeftButton);
    ASSERT_TRUE(list->isEditing());
    QSignalSpy ticks(list, &ProjectsListWidget::editSelectionChanged);

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    const QList<QListWidgetItem*> beach = list->findItems("Beach", Qt::MatchExactly);
    ASSERT_EQ(beach.size(), 1);
    const QPoint at = list->visualItemRect(beach.first()).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ticks.isEmpty(); }, 3000)) << "the press was lost";
    EXPECT_EQ(ticks.first().first().toInt(), 1);
    QCoreApplication::processEvents();
    QStringList ticked;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->data(ProjectsListWidgetItemDelegate::TickedRole).toBool())
            ticked << list->item(row)->text();
    EXPECT_EQ(ticked, QStringList{"Beach"});
}

// A project of a higher version, refused as it opens, is told in a box
// centred on the window it was opened from, as that window's own boxes are.
TEST_F(StartWindowTest, TheBoxThatRefusesAHigherVersionProjectIsCentredOnTheWindowAsItsOwnBoxesAre)
{
    makeProject("Broken", false);
    makeProject("Future");
    writeFile(ProjectManager::projectXmlPath("Future", QString()), kEmptyProject);
    writeFile(ProjectManager::propertiesXmlPath("Future", QString()),
              QByteArray(kProperties).replace("version=\"7\"", "version=\"8\""));
    window->move(500, 150);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->projectsWidget()->reloadProjects();
    ProjectsListWidget* list = window->projectsWidget()->projectsListWidget();
    // A box is placed by the size it has before its text is laid out, so its
    // centre strays from the window's by a few tens of pixels.
    const QRect middle(window->frameGeometry().center() - QPoint(100, 80), QSize(200, 160));
    // Opens the listed project: the title of the box that answers and
    // whether it is centred.
    const auto answerOf = [&](const QString& name) {
        QString told;
        ModalDialogAnswerer answerer([&](QWidget* box) {
            const QPoint centre = box->frameGeometry().center();
            told = box->windowTitle() + (middle.contains(centre) ? QString(": centred")
                                                                 : QString(": at %1, %2").arg(centre.x()).arg(centre.y()));
            ModalDialogAnswerer::accept()(box);
        });
        doubleClickItem(*list, list->findItems(name, Qt::MatchExactly).value(0));
        EXPECT_TRUE(QTest::qWaitFor([&] { return answerer.answered(); }, 5000)) << qPrintable(name) << " was not refused";
        return told.toStdString();
    };
    ASSERT_EQ(answerOf("Broken"), "Open Movie Failed: centred");
    EXPECT_EQ(answerOf("Future"), "Higher Version Project: centred");
}
