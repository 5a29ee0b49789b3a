#include "TestWindow.h"

#include "DesktopMainWindow.h"
#include "MenuEntries.h"
#include "ModalDialogAnswerer.h"
#include "MusicSegment.h"
#include "ProgressHUD.h"
#include "ProjectManager.h"
#include "ProjectTestSupport.h"
#include "TestMedia.h"
#include "TextSegment.h"
#include "WatchedPipe.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocalServer>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QString kName = QStringLiteral("Trip");

struct ShownMessage {
    QString title;
    QString text;
};

class MainWindowProject : public ::testing::Test
{
protected:
    void SetUp() override { dir = product.projectDir(kName); }

    void writeProperties(const QByteArray& version)
    {
        writeFile(dir + "/properties.xml", "<Properties version=\"" + version + "\"/>");
        writeFile(dir + "/project.xml", "<Project></Project>");
    }

    // Notes the message box that comes next into shown and accepts it.
    static ModalDialogAnswerer::Answer noteMessage(ShownMessage* shown)
    {
        return [shown](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            if (box) {
                *shown = {box->windowTitle(), box->text()};
                box->accept();
            }
        };
    }

    // Opens the project's properties and answers the message box it shows.
    std::pair<bool, ShownMessage> openProperties(TestWindow& window)
    {
        ShownMessage shown;
        ModalDialogAnswerer answerer(noteMessage(&shown));
        const bool opened = window._showOpenProjectError();
        return {opened, shown};
    }

    QStringList files() const { return QDir(dir).entryList(QDir::Files, QDir::Name); }

    TemporaryProduct product;
    QString dir;
};

// The desktop window, telling whether it still shows "Opening...".
class OpeningDesktopWindow : public DesktopMainWindow
{
public:
    OpeningDesktopWindow() : DesktopMainWindow(kName, QString()) {}
    bool isOpening() const { return _waitingHUD; }
};

} // namespace

TEST_F(MainWindowProject, PropertiesThatCannotOpenAreReported)
{
    TestWindow window(kName, QString());
    writeProperties("7.5");
    auto [opened, shown] = openProperties(window);
    EXPECT_FALSE(opened);
    EXPECT_EQ(shown.title, QStringLiteral("Higher Version Project"));
    EXPECT_TRUE(shown.text.contains(QStringLiteral("higher version")));

    QFile::remove(dir + "/properties.xml");
    std::tie(opened, shown) = openProperties(window);
    EXPECT_FALSE(opened);
    EXPECT_EQ(shown.title, QStringLiteral("Open Project Failed"));
    EXPECT_EQ(shown.text, QStringLiteral("Current movie project is damaged."));

    // Properties the system will not let the window read are not damaged:
    // the reason is told. As root no permission stops a read; a folder does.
    ASSERT_TRUE(QDir(dir).mkdir(QStringLiteral("properties.xml")));
    QFile unreadable(dir + "/properties.xml");
    ASSERT_FALSE(unreadable.open(QIODevice::ReadOnly));
    std::tie(opened, shown) = openProperties(window);
    EXPECT_FALSE(opened);
    EXPECT_EQ(shown.title, QStringLiteral("Open Project Failed"));
    EXPECT_EQ(shown.text.toStdString(),
              QStringLiteral("The movie project cannot be read: %1").arg(unreadable.errorString()).toStdString());
    ASSERT_TRUE(QDir(dir).rmdir(QStringLiteral("properties.xml")));

    writeProperties("7");
    std::tie(opened, shown) = openProperties(window);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(shown.title.isEmpty());
}

// A root element in a namespace is a format this version does not know:
// the project is refused as a newer one would be, and its files are left
// as they are, not rewritten from defaults or opened empty.
TEST_F(MainWindowProject, FilesWhoseRootIsInANamespaceAreRefusedAsNewerAndLeftAlone)
{
    const QByteArray plain = "<Properties version=\"7\"/>";
    const std::pair<QByteArray, QByteArray> projects[] = {
        {"<Properties xmlns=\"urn:x-newer\" version=\"9\" backgroundColor=\"#ff336699\">"
         "<Soundtrack file=\"theme.wav\"/></Properties>",
         "<Project></Project>"},
        {plain, "<Project xmlns=\"urn:x-newer\"><Segment Type=\"TEXT\"/></Project>"},
        {plain, "<v:Project xmlns:v=\"urn:x-newer\"><Segment Type=\"TEXT\"/></v:Project>"},
    };
    for (const auto& [properties, project] : projects) {
        writeFile(dir + "/properties.xml", properties);
        writeFile(dir + "/project.xml", project);
        {
            TestWindow window(kName, QString());
            auto [opened, shown] = openProperties(window);
            EXPECT_FALSE(opened) << project.constData();
            EXPECT_EQ(shown.title.toStdString(), "Higher Version Project") << project.constData();
        }
        EXPECT_EQ(readFile(dir + "/properties.xml"), properties);
        EXPECT_EQ(readFile(dir + "/project.xml"), project);
    }
}

// Project files that a newer version (a root in a namespace, properties of
// a higher version number) or another program (a web page, a root of
// another name, a named pipe) left: the desktop window refuses to open them
// with a message, again when opened once more, telling a file that is no
// project by its name, and writes nothing into the folder, its media
// library's settings included.
TEST_F(MainWindowProject, ProjectFilesOfAnotherFormatOrThatAreNoRegularFilesAreRefusedAndNotWritten)
{
    for (const char* file : {"/mark.png", "/cover2.png", "/notes.txt"})
        writeFile(dir + file, "kept\n");
    const QByteArray plain = "<Properties version=\"7\"/>";
    const QByteArray project = "<Project><Segment Type=\"TEXT\" Text=\"Hi\"/></Project>";
    const QString newer = "Higher Version Project / Vidorna can not open the higher version movie project. Please "
                          "update Vidorna to the latest version.";
    const QString unreadable = "Open Project Failed / The movie project cannot be read: \"%1\" is not a regular file";
    const QString noProject = "Open Project Failed / \"%1\" is not a Vidorna project file. Please move it away and "
                              "save again.";
    const QByteArray page = "<!DOCTYPE html><html><body>502 Bad Gateway</body></html>";
    struct Case {
        QByteArray properties;
        QByteArray project;
        const char* pipe;
        QString told;
        // A link to a device in the pipe's place.
        bool linked = false;
    };
    const Case cases[] = {
        {plain, "<Project xmlns=\"urn:x-newer\"><Segment Type=\"IMAGE\" File=\"notes.txt\"/></Project>", nullptr, newer},
        {"<PropertiesV9 version=\"7\" xmlns:e=\"urn:x-e\" e:mark=\"mark.png\"><e:Cover>cover2.png</e:Cover>"
         "<Notes>notes.txt</Notes></PropertiesV9>",
         project, nullptr, noProject.arg("properties.xml")},
        {plain, "<ProjectV9><Segment Type=\"IMAGE\" File=\"notes.txt\"/></ProjectV9>", nullptr,
         noProject.arg("project.xml")},
        {plain, page, nullptr, noProject.arg("project.xml")},
        {page, project, nullptr, noProject.arg("properties.xml")},
        {"<Properties version=\"8\"/>", project, nullptr, newer},
        {plain, project, "properties.xml", unreadable.arg("properties.xml")},
        {plain, project, "project.xml", unreadable.arg("project.xml")},
        {plain, project, "properties.plist", unreadable.arg("properties.plist"), true},
        {plain, QByteArray(), "project.plist", unreadable.arg("project.plist"), true},
    };
    for (const Case& test : cases) {
        writeFile(dir + "/properties.xml", test.properties);
        QFile::remove(dir + "/project.xml");
        if (!test.project.isEmpty())
            writeFile(dir + "/project.xml", test.project);
        const QString pipe = dir + "/" + test.pipe;
        if (test.linked) {
            ASSERT_TRUE(QFile::link("/dev/null", pipe));
        } else if (test.pipe) {
            ASSERT_TRUE(QFile::remove(pipe));
            ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        }
        const auto entries = [this] {
            return QDir(dir)
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name)
                .join(' ')
                .toStdString();
        };
        const std::string entriesBefore = entries();
        const QMap<QString, QByteArray> before = folderDigests(dir);
        for (int opening = 0; opening < 2; ++opening) {
            ShownMessage shown;
            ModalDialogAnswerer answerer(noteMessage(&shown));
            QPointer<DesktopMainWindow> window = new DesktopMainWindow(kName, QString());
            EXPECT_TRUE(window->isOpenFailed());
            EXPECT_EQ((shown.title + " / " + shown.text).toStdString(), test.told.toStdString());
            EXPECT_TRUE(QTest::qWaitFor([&window] { return window.isNull(); }, 5000)) << "the window stays";
        }
        EXPECT_EQ(entries(), entriesBefore) << test.properties.constData();
        EXPECT_EQ(folderDigests(dir), before) << test.properties.constData();
        if (test.pipe) {
            EXPECT_FALSE(QFileInfo(pipe).isFile()) << "the named pipe was written over";
            ASSERT_TRUE(QFile::remove(pipe));
        }
    }
}

// A link that leads nowhere in place of either project file is told by the
// file's name, not as a damaged project, and is left as it is.
TEST_F(MainWindowProject, AProjectFileThatIsALinkLeadingNowhereIsToldByName)
{
    QTemporaryDir elsewhere;
    for (const QString file : {"properties.xml", "project.xml"}) {
        writeProperties("7");
        const QString path = dir + "/" + file;
        ASSERT_TRUE(QFile::remove(path));
        ASSERT_TRUE(QFile::link(elsewhere.filePath(file), path));
        ShownMessage shown;
        ModalDialogAnswerer answerer(noteMessage(&shown), 30000);
        QPointer<OpeningDesktopWindow> window = new OpeningDesktopWindow;
        if (!window->isOpenFailed())
            window->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return answerer.answered() && (window.isNull() || !window->isVisible()); },
                                    30000))
            << qPrintable(file) << ": the window stays";
        delete window.data();
        EXPECT_EQ((shown.title + " / " + shown.text).toStdString(),
                  "Open Project Failed / The movie project cannot be read: \"" + file.toStdString()
                      + "\" is a link that leads nowhere");
        EXPECT_EQ(QFileInfo(path).symLinkTarget(), elsewhere.filePath(file));
        EXPECT_TRUE(QDir(elsewhere.path()).isEmpty()) << "written through the link";
        ASSERT_TRUE(QFile::remove(path));
    }
}

// The media library's settings as a named pipe, and the layout as a named
// pipe or a socket, that another program left: the window opens without
// waiting on them, and Save & Close leaves them as they are.
TEST_F(MainWindowProject, SettingsAndLayoutThatAreNoRegularFilesAreNeitherWaitedOnNorReplaced)
{
    writeProperties("7");
    for (const bool socket : {false, true}) {
        WatchedPipe settings(dir + "/media.config");
        const QString layoutPath = dir + "/layout.xml";
        std::unique_ptr<WatchedPipe> layoutPipe;
        QLocalServer layoutSocket;
        QFile::remove(layoutPath);
        if (socket)
            ASSERT_TRUE(layoutSocket.listen(layoutPath)) << qPrintable(layoutSocket.errorString());
        else
            layoutPipe = std::make_unique<WatchedPipe>(layoutPath);
        ASSERT_TRUE(settings.isMade() && (socket || layoutPipe->isMade()));
        QPointer<OpeningDesktopWindow> window = new OpeningDesktopWindow;
        ASSERT_FALSE(window->isOpenFailed());
        window->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isOpening(); }, 60000)) << "it stays on \"Opening...\"";
        ASSERT_TRUE(triggerEntry(window, "Save && Close"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull() || !window->isVisible(); }, 20000)) << "it stays";
        delete window.data();
        EXPECT_EQ(settings.readers(), 0) << "media.config was opened";
        EXPECT_TRUE(settings.isStillAPipe()) << "media.config was replaced";
        EXPECT_TRUE(socket || layoutPipe->readers() == 0) << "layout.xml was opened";
        const QFileInfo layout(layoutPath);
        EXPECT_TRUE(layout.exists() && !layout.isFile()) << "layout.xml was replaced, socket: " << socket;
    }
}

TEST_F(MainWindowProject, TidyKeepsTheProjectAndUsedMedia)
{
    TestWindow window(kName, QString());
    const QStringList kept{"example.dat", "layout.xml", "old.plist", "project.xml", "properties.xml",
                           "settings.config", "shot.jpg", "song.m4a"};
    for (const QString& name : kept + QStringList{"unused.png", "Trip_1080p_h264_30fps.mp4"}) {
        if (name != QLatin1String("song.m4a"))
            writeFile(dir + "/" + name, "x");
    }
    // A project file that does not parse would keep every file.
    writeFile(dir + "/project.xml", "<Project></Project>");
    QFile::copy(TestMedia::path(QStringLiteral("audio_only.m4a")), dir + "/song.m4a");
    auto* music = new MusicSegment(dir + "/song.m4a", 0.0f, QString(), QString(), &window);
    window.projectManager()->appendSegment(music, nullptr);
    window._cleanProjectFolder();
    EXPECT_EQ(files(), kept);
    EXPECT_FALSE(window.projectManager()->isModified());
}

TEST_F(MainWindowProject, FailedSaveStaysModifiedAndTidiesNothing)
{
    TestWindow window(kName, QString());
    writeFile(dir + "/unused.png", "x");
    writeFile(dir + "/Trip_720p_h264_50fps.mp4", "x");
    // A folder where the segment list goes makes its write fail, even for root.
    QDir(dir).mkdir(QStringLiteral("project.xml"));
    window.projectManager()->setModified(true);
    window._saveProject();
    EXPECT_TRUE(window.projectManager()->isModified());
    QStringList told;
    for (ProgressHUD* message : window.findChildren<ProgressHUD*>())
        told << message->messageLabel()->text();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told.first().startsWith(QStringLiteral("Failed to save movie\n"))) << qPrintable(told.first());
    EXPECT_GT(told.first().size(), QStringLiteral("Failed to save movie\n").size()) << "the reason is missing";
    // A save asked for is told every time, unlike the autosave.
    window._saveProject();
    EXPECT_EQ(window.findChildren<ProgressHUD*>().size(), 2);
    // The close asks before it lets the changes go.
    ModalDialogAnswerer discard(ModalDialogAnswerer::clickButton(QStringLiteral("Close Without Saving")));
    window._finishClosing();
    EXPECT_TRUE(discard.answered());
    EXPECT_TRUE(QFile::exists(dir + "/unused.png"));
}

TEST_F(MainWindowProject, SavingAModifiedProjectRemovesItsCachedExports)
{
    TestWindow window(kName, QString());
    const QString stale = dir + "/Trip_720p_h264_50fps.mp4";
    const QString otherProject = dir + "/Trap_720p_h264_50fps.mp4";
    writeFile(stale, "x");
    writeFile(otherProject, "x");
    window._saveProject(); // unmodified: nothing written, nothing removed
    EXPECT_TRUE(QFile::exists(stale));
    EXPECT_FALSE(QFile::exists(dir + "/project.xml"));
    window.projectManager()->setModified(true);
    window._saveProject();
    EXPECT_FALSE(QFile::exists(stale));
    EXPECT_TRUE(QFile::exists(otherProject));
    EXPECT_TRUE(QFile::exists(dir + "/project.xml"));
    EXPECT_FALSE(window.projectManager()->isModified());
}

TEST_F(MainWindowProject, TheTidyFindsAFileByItsResolvedPath)
{
    TestWindow window(kName, QString());
    const QString drawing = dir + "/drawingImage-1.png";
    writeFile(drawing, "x");
    // Without a saved project file what it names cannot be told, and nothing goes.
    writeFile(dir + "/project.xml", "<Project></Project>");
    // One stores the bare name (inside the project), the other a roundabout full path of the same file.
    auto* inside = new TextSegment(QStringLiteral("a"), 0.0f, 1.0f, &window, nullptr);
    inside->setFilePath(drawing);
    auto* outside = new TextSegment(QStringLiteral("b"), 1.0f, 1.0f, &window, nullptr);
    outside->setFilePath(dir + "/../" + kName + "/drawingImage-1.png");
    window.projectManager()->appendSegment(inside, nullptr);
    window.projectManager()->appendSegment(outside, nullptr);
    window.projectManager()->removeSegment(inside);
    delete inside;
    window._cleanProjectFolder();
    EXPECT_TRUE(QFile::exists(drawing));
    window.projectManager()->removeSegment(outside);
    delete outside;
    window._cleanProjectFolder();
    EXPECT_FALSE(QFile::exists(drawing));
}
