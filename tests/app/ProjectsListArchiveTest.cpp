// Archiving a listed project from its item menu and importing the archive,
// through the real menu, file dialogs and archive threads.
#include "ArchiveBytes.h"
#include "ArchiveImporter.h"
#include "FileRevealer.h"
#include "MultiLanguage.h"
#include "ProjectsListWidget.h"
#include "ProjectsTestSupport.h"
#include "TestMedia.h"
#include "WatchedPipe.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDirIterator>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <signal.h>
#include <sys/stat.h>

namespace {

// Picks the entry named text in the next popup menu, by keyboard.
void chooseMenuEntryLater(const QString& text)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, text] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        timer->deleteLater();
        for (QAction* action : menu->actions()) {
            if (action->text() == text)
                menu->setActiveAction(action);
        }
        QTest::keyClick(menu, Qt::Key_Return);
    });
    timer->start(20);
}

// Notes the entries of the next popup menu, then closes it.
void readMenuLater(QStringList* entries)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, entries] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        timer->deleteLater();
        for (QAction* action : menu->actions())
            entries->append(action->text());
        menu->close();
    });
    timer->start(20);
}

} // namespace

class ProjectsListArchiveTest : public ProjectsTest
{
protected:
    void TearDown() override
    {
        FileRevealer::setCurrent(FileRevealer());
        ProjectsTest::TearDown();
    }

    // Archives the listed project into output from its item menu; what the
    // box that answers says. The list names its menu entries in the language
    // in force when it made them.
    static QString archiveAnswer(const QString& name, const QString& output)
    {
        ProjectsListWidget list(nullptr);
        showForList(list);
        DialogScript dialogs({DialogScript::choose(output), DialogScript::ok()});
        chooseMenuEntryLater(QCoreApplication::translate("ProjectsListWidget", "Archive"));
        emit list.customContextMenuRequested(list.visualItemRect(list.findItems(name, Qt::MatchExactly).first()).center());
        EXPECT_TRUE(QTest::qWaitFor([&dialogs] { return dialogs.finished(); }, 20000)) << qPrintable(name);
        return dialogs.seen().value(1);
    }

    // Imports from the list an archive of the project holding the entries
    // beside its two files: it is refused as damaged, with no word of a
    // completed import, and nothing of it is kept. what names the case.
    void expectRefusedAsDamaged(ProjectsListWidget& list, const QByteArray& project,
                                std::vector<std::pair<QByteArray, QByteArray>> entries, const QByteArray& what)
    {
        const QStringList before = QDir(projects()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QTemporaryDir outside;
        const QString archive = outside.filePath("damaged.vidornaproject");
        entries.insert(entries.begin(),
                       {{"properties.xml", "<Properties version=\"7\"/>"}, {"project.xml", "<Project/>"}});
        writeFile(archive, archiveBytes(project, entries));
        QStringList messages;
        QObject listening;
        QObject::connect(&list, &ProjectsListWidget::issueShowTextMessage, &listening,
                         [&messages](const QString& text) { messages.append(text); });
        DialogScript dialogs({DialogScript::choose(archive), DialogScript::ok()});
        list.importArchive();
        // An archive taken as whole tells "Import Completed" instead of a box.
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.finished() || !messages.isEmpty(); }, 20000))
            << what.constData() << ": " << qPrintable(dialogs.seen().join('\n'));
        EXPECT_EQ(messages.join(' ').toStdString(), "") << what.constData();
        EXPECT_EQ(dialogs.seen().value(1).toStdString(), "Import Failed / Import archive error occurs (9)");
        EXPECT_EQ(QDir(projects()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before)
            << what.constData();
    }
};

TEST_F(ProjectsListArchiveTest, ArchivesFromTheMenuAndImportsTheArchiveBesideTheProject)
{
    const QString media = TestMedia::path("clip_h264_aac.mp4");
    if (!QFileInfo::exists(media))
        GTEST_SKIP() << "the test media were not made";
    const QString trip = makeProject("Trip");
    writeFile(trip + "/project.xml", "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Project/>");
    ASSERT_TRUE(QFile::copy(media, trip + "/clip.mp4"));

    QStringList revealed;
    FileRevealer::setCurrent(FileRevealer(
        [&revealed](const QStringList& uris) {
            revealed += uris;
            return true;
        },
        [](const QUrl&) { return false; }));
    ProjectsListWidget list(nullptr);
    QStringList messages;
    QObject::connect(&list, &ProjectsListWidget::issueShowTextMessage,
                     [&messages](const QString& text) { messages.append(text); });
    showForList(list);

    QTemporaryDir output;
    DialogScript dialogs({DialogScript::choose(output.path())});
    chooseMenuEntryLater("Archive");
    const QRect tile = list.visualItemRect(list.findItems("Trip", Qt::MatchExactly).first());
    emit list.customContextMenuRequested(tile.center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !revealed.isEmpty(); }, 20000));
    EXPECT_TRUE(dialogs.finished());
    EXPECT_EQ(messages, QStringList{"Archive Project Completed"});
    const QString archive = output.path() + "/Trip.vidornaproject";
    EXPECT_EQ(revealed, QStringList{QUrl::fromLocalFile(archive).toString()});
    ASSERT_TRUE(QFileInfo::exists(archive));

    DialogScript open({DialogScript::choose(archive)});
    list.importArchive();
    ASSERT_TRUE(QTest::qWaitFor([&] { return messages.size() == 2; }, 20000));
    EXPECT_EQ(messages.last(), "Import Completed");
    EXPECT_EQ(readFile(projectPath("Trip (1)/clip.mp4")), readFile(media));
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_FALSE(list.findItems("Trip (1)", Qt::MatchExactly).isEmpty());
}

TEST_F(ProjectsListArchiveTest, TheItemMenuOffersOnlyWhatTheItemAllows)
{
    makeProject("Trip");
    makeProject("Broken", false);
    makeFolder("Trips");
    ProjectsListWidget list(nullptr);
    showForList(list);
    const auto menuOf = [&list](const QString& name) {
        QStringList entries;
        readMenuLater(&entries);
        emit list.customContextMenuRequested(list.visualItemRect(list.findItems(name, Qt::MatchExactly).first()).center());
        EXPECT_TRUE(QTest::qWaitFor([&entries] { return !entries.isEmpty(); }, 3000));
        // The menu's title row comes first.
        return entries.mid(1);
    };
    EXPECT_EQ(menuOf("Trip"), (QStringList{"Remove", "Rename", "Duplicate", "Archive"}));
    EXPECT_EQ(menuOf("Broken"), (QStringList{"Remove", "Rename"}));
    EXPECT_EQ(menuOf("Trips"), (QStringList{"Remove", "Rename"}));
}

TEST_F(ProjectsListArchiveTest, TheMenuActsOnItsOwnItemWhenAListingSelectsAnotherMeanwhile)
{
    makeProject("A");
    makeProject("B");
    ProjectsListWidget list(nullptr);
    showForList(list);
    DialogScript script({DialogScript::ok(), DialogScript::click("Cancel")});
    list.setCurrentItem(list.findItems("A", Qt::MatchExactly).first());
    // The duplicate lists again and selects "A Copy" 200 ms after it returns,
    // while the menu of B is open.
    ASSERT_TRUE(QMetaObject::invokeMethod(&list, "onDuplicateActionTriggered"));
    emit list.customContextMenuRequested(list.visualItemRect(list.findItems("B", Qt::MatchExactly).first()).center());
    QTimer::singleShot(400, [] { chooseMenuEntryLater("Remove"); });
    ASSERT_TRUE(QTest::qWaitFor([&script] { return script.finished(); }, 5000));
    EXPECT_EQ(script.seen(), (QStringList{"prompt: A Copy", "Remove Item / Do you really want to remove item \"B\"?"}));
    EXPECT_TRUE(isDir(projectPath("A Copy")));
}

TEST_F(ProjectsListArchiveTest, TheArchiveChooserOpensOnTheDownloadsFolderOrElseTheHomeFolder)
{
    makeProject("Trip");
    ProjectsListWidget list(nullptr);
    showForList(list);
    const QString home = QDir::homePath();
    // What the chooser offers: its folder, the chosen one, and whether it may be chosen.
    const auto offered = [&list] {
        QStringList seen;
        DialogScript chooser({[&seen](QWidget* widget) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            ASSERT_NE(dialog, nullptr);
            const QPushButton* choose = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open);
            seen << dialog->directory().absolutePath() << dialog->selectedFiles().value(0)
                 << (choose->isEnabled() ? "can choose" : "cannot choose");
            dialog->reject();
        }});
        chooseMenuEntryLater("Archive");
        emit list.customContextMenuRequested(list.visualItemRect(list.findItems("Trip", Qt::MatchExactly).first()).center());
        EXPECT_TRUE(QTest::qWaitFor([&chooser] { return chooser.finished(); }, 5000));
        return seen;
    };
    ASSERT_FALSE(isDir(home + "/Downloads"));
    EXPECT_EQ(offered(), (QStringList{home, home, "can choose"}));
    ASSERT_TRUE(QDir(home).mkdir("Downloads"));
    EXPECT_EQ(offered(), (QStringList{home + "/Downloads", home + "/Downloads", "can choose"}));
}

// A project of a newer version, and a project file that holds another
// document, are told as the opening tells them (the other document asks to
// archive again, not to save), in the language in force;
// the texts of the archive's failures read as written
// in every language.
TEST_F(ProjectsListArchiveTest, ANewerProjectIsToldAsTheOpeningTellsItAndFailuresReadAsWritten)
{
    writeFile(makeProject("Newer") + "/project.xml", "<Project xmlns=\"urn:x-newer\"><Segment Type=\"TEXT\"/></Project>");
    writeFile(makeProject("Damaged") + "/project.xml", "<Project><Segment Type=\"TEXT\"");
    writeFile(makeProject("Page") + "/project.xml", "<!DOCTYPE html>\n<html><body>Trip</body></html>\n");
    QTemporaryDir output;
    const auto archive = [&output](const QString& name) { return archiveAnswer(name, output.path()); };
    EXPECT_EQ(archive("Newer").toStdString(), "Higher Version Project / Vidorna can not open the higher version movie "
                                              "project. Please update Vidorna to the latest version.");
    // A web page saved in the project file's place is no newer project.
    EXPECT_EQ(archive("Page").toStdString(), "Archive Project Failed / \"project.xml\" is not a Vidorna project file. "
                                             "Please move it away and archive again.");
    MultiLanguage language;
    language.switchLanguage("de_DE");
    const QString newer = archive("Newer");
    const QString damaged = archive("Damaged");
    language.switchLanguage("en_US");
    EXPECT_EQ(newer.toStdString(), "Projekt einer neueren Version / Vidorna kann kein Filmprojekt einer neueren Version "
                                   "öffnen. Bitte aktualisieren Sie Vidorna auf die neueste Version.");
    EXPECT_EQ(damaged.toStdString(), "Archivieren fehlgeschlagen / Archive project error occurs (4)");
    EXPECT_TRUE(QDir(output.path()).isEmpty()) << "an archive was written";
}

// Properties of a higher version number are refused as the other newer
// projects are; a project file that is no regular file is told by name.
TEST_F(ProjectsListArchiveTest, AHigherVersionNumberAndAFileThatIsNotRegularAreRefusedWithTheirReasons)
{
    FileRevealer::setCurrent(FileRevealer([](const QStringList&) { return true; }, [](const QUrl&) { return false; }));
    const QString eight = makeProject("Eight");
    writeFile(eight + "/project.xml", "<Project/>");
    writeFile(eight + "/properties.xml", "<Properties version=\"8\"/>");
    const QString pipe = makeProject("Piped") + "/project.xml";
    ASSERT_TRUE(QFile::remove(pipe));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QTemporaryDir output;
    EXPECT_EQ(archiveAnswer("Eight", output.path()).toStdString(),
              "Higher Version Project / Vidorna can not open the higher version movie project. Please update Vidorna "
              "to the latest version.");
    EXPECT_EQ(archiveAnswer("Piped", output.path()).toStdString(),
              "Archive Project Failed / The movie project cannot be read: \"project.xml\" is not a regular file");
    EXPECT_TRUE(QDir(output.path()).isEmpty()) << "an archive was written";
}

// A movie that is a named pipe is told by name, not left out of an archive
// that calls itself complete; an archive that is a named pipe is refused by
// name, and its thread ends. Neither is ever opened.
TEST_F(ProjectsListArchiveTest, NamedPipesAreToldByNameAndNeverOpened)
{
    FileRevealer::setCurrent(FileRevealer([](const QStringList&) { return true; }, [](const QUrl&) { return false; }));
    QTemporaryDir outside;
    WatchedPipe movie(outside.filePath("Beach.mp4"));
    ASSERT_TRUE(movie.isMade());
    const QString project = QString("<Project><Segment Type=\"MOVIE\" File=\"%1\"/></Project>");
    writeFile(makeProject("Trip") + "/project.xml", project.arg(outside.filePath("Beach.mp4")).toUtf8());
    QTemporaryDir output;
    EXPECT_EQ(archiveAnswer("Trip", output.path()).toStdString(),
              "Archive Project Failed / The movie project cannot be read: \"Beach.mp4\" is not a regular file");
    EXPECT_TRUE(QDir(output.path()).isEmpty()) << "an archive was written";
    EXPECT_EQ(movie.readers(), 0) << "the movie was opened";

    WatchedPipe archive(outside.filePath("pipe.vidornaproject"));
    ASSERT_TRUE(archive.isMade());
    ProjectsListWidget list(nullptr);
    showForList(list);
    DialogScript dialogs({DialogScript::choose(outside.filePath("pipe.vidornaproject")), DialogScript::ok()});
    list.importArchive();
    ASSERT_TRUE(QTest::qWaitFor([&dialogs] { return dialogs.finished(); }, 10000))
        << qPrintable(dialogs.seen().join('\n'));
    EXPECT_EQ(dialogs.seen().value(1).toStdString(),
              "Import Failed / The movie project cannot be read: \"pipe.vidornaproject\" is not a regular file");
    EXPECT_TRUE(QTest::qWaitFor([&list] { return list.findChildren<ArchiveImporter*>().isEmpty(); }, 5000))
        << "the import thread did not end";
    EXPECT_EQ(archive.readers(), 0) << "the archive was opened";
}

// An archive holding a name that is not what its bytes say ("a\0b" would be
// read as "a", "project.xml\0x" as "project.xml"; bytes that are no UTF-8)
// is refused as damaged, and nothing of it is kept.
TEST_F(ProjectsListArchiveTest, AnArchiveWithANameThatIsNotWhatItsBytesSayIsRefused)
{
    makeProject("Trip");
    ProjectsListWidget list(nullptr);
    showForList(list);
    for (const QByteArray& name : {QByteArray("a\0b", 3), QByteArray("project.xml\0x", 13), QByteArray("clip\xff.mp4")})
        ASSERT_NO_FATAL_FAILURE(expectRefusedAsDamaged(list, "Hostile", {{name, "payload"}}, name.toHex()));
    EXPECT_TRUE(list.findItems("Hostile", Qt::MatchExactly).isEmpty());
}

// Two entries that become one file, of one name or of names that unpack
// alike (a carriage return becomes "_", or apart only in case, as on a
// file system that tells no case apart), refuse the archive as damaged:
// the project would keep whichever came last. Nothing of it is kept.
TEST_F(ProjectsListArchiveTest, AnArchiveWithTwoEntriesThatBecomeOneFileIsRefused)
{
    makeProject("Trip");
    ProjectsListWidget list(nullptr);
    showForList(list);
    const std::pair<QByteArray, QByteArray> twins[] = {
        {"clip.mp4", "clip.mp4"},       {"a\rb.png", "a_b.png"},   {"a_b.png", "a\rb.png"},
        {"luts/x.cube", "luts/x.cube"}, {"Clip.mp4", "clip.mp4"}, {"LUTS/x.cube", "luts/X.cube"}};
    for (const auto& [first, second] : twins)
        ASSERT_NO_FATAL_FAILURE(
            expectRefusedAsDamaged(list, "Twice", {{first, "first"}, {second, "second"}}, first.toHex()));
    EXPECT_TRUE(list.findItems("Twice", Qt::MatchExactly).isEmpty());
}

// An import killed half-way, that of the archive tool in a process of its
// own, leaves no folder that the list shows as a project; the next import
// into the projects folder clears what the killed one left (its first
// entry and the part of the large one it was writing) and comes out whole.
// A hidden folder of another program (".git") stays as it was.
TEST_F(ProjectsListArchiveTest, AKilledImportLeavesNoProjectAndTheNextImportClearsWhatItLeft)
{
    makeProject("Beach");
    const QByteArray gitConfig = "[core]\n\tbare = false\n";
    writeFile(projectPath(".git/config"), gitConfig);
    // Shown before the import is killed: the import clears what it left, not the list's start.
    ProjectsListWidget list(nullptr);
    QStringList messages;
    QObject::connect(&list, &ProjectsListWidget::issueShowTextMessage,
                     [&messages](const QString& text) { messages.append(text); });
    showForList(list);
    QTemporaryDir outside;
    const QString archive = outside.filePath("trip.vidornaproject");
    const QByteArray large(96 * 1024 * 1024, 'v');
    writeFile(archive, archiveBytes("Trip", {{"properties.xml", "<Properties version=\"7\"/>"},
                                             {"large.mp4", large},
                                             {"project.xml", "<Project/>"}}));
    // Bytes of the large entry on the disk, below the projects folder.
    const auto unpackedBytes = [this] {
        qint64 bytes = 0;
        QDirIterator it(projects(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo file(it.next());
            bytes += file.size() >= 1024 * 1024 ? file.size() : 0;
        }
        return bytes;
    };
    QProcess tool;
    tool.start(VIDORNA_PROJTOOL, {"unpack", archive, projects()});
    // The import takes its project's name a second after it began at the earliest.
    ASSERT_TRUE(QTest::qWaitFor([&] { return unpackedBytes() > 0 || tool.state() == QProcess::NotRunning; }, 30000));
    ::kill(pid_t(tool.processId()), SIGKILL);
    ASSERT_TRUE(tool.waitForFinished(10000));
    ASSERT_EQ(tool.exitStatus(), QProcess::CrashExit) << "the import ended before it was killed";
    ASSERT_GT(unpackedBytes(), 0) << "nothing of the import is on the disk";

    list.reload();
    QStringList listed;
    for (int row = 0; row < list.count(); ++row)
        listed << list.item(row)->text();
    EXPECT_TRUE(listed.contains("Beach"));
    EXPECT_FALSE(listed.contains("Trip")) << qPrintable(listed.join(", "));
    EXPECT_EQ(QDir(projects()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"Beach"});
    ASSERT_EQ(QDir(projects()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden).size(), 3)
        << "the killed import left no folder";

    DialogScript open({DialogScript::choose(archive)});
    list.importArchive();
    ASSERT_TRUE(QTest::qWaitFor([&messages] { return !messages.isEmpty(); }, 60000));
    EXPECT_EQ(messages, QStringList{"Import Completed"});
    EXPECT_EQ(QDir(projects()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{".git", "Beach", "Trip"}));
    EXPECT_EQ(readFile(projectPath(".git/config")), gitConfig);
    EXPECT_EQ(QDir(projectPath("Trip")).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"large.mp4", "project.xml", "properties.xml"}));
    EXPECT_TRUE(readFile(projectPath("Trip/large.mp4")) == large);
}
