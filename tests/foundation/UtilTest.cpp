#include "FileRevealer.h"
#include "ModalDialogAnswerer.h"
#include "NameSquatter.h"
#include "TestMedia.h"
#include "Util.h"
#include "WatchedPipe.h"

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QMainWindow>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The folder the copies are made of: "top.txt" holding "top" and
// "inner/deep.txt" holding "deep".
bool writeSourceFolder(const QString& source)
{
    return QDir().mkpath(source + "/inner") && writeFile(source + "/top.txt", "top")
        && writeFile(source + "/inner/deep.txt", "deep");
}

TEST(UtilTexts, DurationsSizesAndVersions)
{
    EXPECT_EQ(Util::durationText(59), "00:59");
    EXPECT_EQ(Util::durationText(3600), "1:00:00");
    EXPECT_EQ(Util::durationText(36000), "10:00:00");

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(Util::byteSizeText(1023), "1,023 bytes");
    EXPECT_EQ(Util::byteSizeText(1024), "1 KB");
    EXPECT_EQ(Util::byteSizeText(1048575), "1023 KB");
    EXPECT_EQ(Util::byteSizeText(1048576), "1.0 MB");
    EXPECT_EQ(Util::byteSizeText(1073741824), "1.00 GB");
    EXPECT_EQ(Util::byteSizeText(5LL * 1073741824), "5.00 GB");

    EXPECT_GT(Util::compareVersions("2.10", "2.9"), 0);
    EXPECT_EQ(Util::compareVersions("2.6", "2.6.0"), 0);
    EXPECT_GT(Util::compareVersions("3", "2.9.9"), 0);
    EXPECT_LT(Util::compareVersions("2.x", "2.1"), 0);
    EXPECT_EQ(Util::compareVersions(Util::versionString(), "2.6"), 0);
}

TEST(UtilTexts, DatesAreTodayThisYearOrFull)
{
    const QDateTime now = QDateTime::currentDateTime();
    EXPECT_EQ(Util::dateText(now), "Today");
    const QDateTime lastYear = now.addYears(-1);
    EXPECT_EQ(Util::dateText(lastYear), lastYear.toString("M/d/yyyy"));
    // Yesterday is in this year except on the 1st of January.
    const QDateTime yesterday = now.addDays(-1);
    const QString expected = yesterday.date().year() == now.date().year()
                                 ? yesterday.toString("M/d") : yesterday.toString("M/d/yyyy");
    EXPECT_EQ(Util::dateText(yesterday), expected);
}

TEST(UtilWeb, AddressesCarryTheQueryAndFollowOverrides)
{
    const QString query = Util::webQueryUrl("http://127.0.0.1:8080/check");
    EXPECT_TRUE(query.startsWith("http://127.0.0.1:8080/check?product=vidorna&dev="));
    EXPECT_TRUE(query.endsWith("&end=1"));
    EXPECT_FALSE(query.contains(' '));  // the OS name's spaces are encoded

    qputenv("VIDORNA_HELP_URL", "http://localhost:9/help/index.html");
    const QString help = Util::userHelpUrl("export video");
    qunsetenv("VIDORNA_HELP_URL");
    EXPECT_TRUE(help.startsWith("http://localhost:9/help/index.html?product=vidorna&branch=help&topic=export%20video&dev="));
    EXPECT_TRUE(Util::userHelpPageUrl().endsWith("/user-help-desktop/index.html"));
}

TEST(UtilMedia, DescribesStreamsOfRealFiles)
{
    QString video;
    QString audio;
    double duration = 0;
    ASSERT_TRUE(Util::mediaStreamDescription(TestMedia::path("clip_h264_aac.mp4"), video, audio, duration));
    EXPECT_EQ(video, "H.264, 1280 x 720");
    EXPECT_EQ(audio, "AAC, Stereo, 48000 Hz");
    EXPECT_NEAR(duration, 2.0, 0.1);

    video.clear();
    audio.clear();
    ASSERT_TRUE(Util::mediaStreamDescription(TestMedia::path("prores4444_6ch.mov"), video, audio, duration));
    EXPECT_EQ(video, "Apple ProRes 4444, 64 x 48");
    EXPECT_EQ(audio, "AAC, Mono, 48000 Hz");

    audio = "kept";
    ASSERT_TRUE(Util::mediaStreamDescription(TestMedia::path("prores422.mov"), video, audio, duration));
    EXPECT_EQ(video, "Apple ProRes 422, 64 x 48");
    EXPECT_EQ(audio, "kept");  // no audio stream
}

TEST(UtilMedia, UnreadableFilesLeaveTheOutputsUntouched)
{
    QTemporaryDir dir;
    const QString notMedia = dir.filePath("notes.mp4");
    ASSERT_TRUE(writeFile(notMedia, QByteArray(4096, 'x')));
    for (const QString& path : {dir.filePath("missing.mp4"), notMedia}) {
        QString video = "v";
        QString audio = "a";
        double duration = 7.0;
        EXPECT_FALSE(Util::mediaStreamDescription(path, video, audio, duration));
        EXPECT_EQ(video, "v");
        EXPECT_EQ(audio, "a");
        EXPECT_EQ(duration, 7.0);
    }
}

TEST(UtilMedia, PicturesAndAnimations)
{
    const QImage full = Util::readImage(TestMedia::path("picture.png"), 1000);
    EXPECT_EQ(full.size(), QSize(320, 240));
    const QImage small = Util::readImage(TestMedia::path("picture.png"), 100);
    EXPECT_EQ(small.size(), QSize(100, 75));
    // The red block stays top left.
    EXPECT_GT(qRed(small.pixel(5, 5)), 200);
    EXPECT_TRUE(Util::readImage(TestMedia::path("missing.png"), 100).isNull());

    EXPECT_NEAR(Util::animatedImageDuration(TestMedia::path("animation.gif")), 1.0, 0.001);
    EXPECT_EQ(Util::animatedImageDuration(TestMedia::path("missing.gif")), 0.0);
    // The file's delays, however long its large frames take to decode.
    EXPECT_NEAR(Util::animatedImageDuration(TestMedia::path("bigcells_10x20ms.gif")), 0.2, 0.001);
}

TEST(UtilFiles, CopyFileKeepsBackslashesAndHonoursOverwrite)
{
    QTemporaryDir dir;
    // A backslash is an ordinary character in a Linux file name.
    const QString source = dir.filePath("a\\b.txt");
    const QString target = dir.filePath("copy.txt");
    ASSERT_TRUE(writeFile(source, "first"));
    EXPECT_TRUE(Util::copyFile(source, target, false));
    EXPECT_EQ(readFile(target), "first");
    EXPECT_FALSE(QFile::exists(dir.filePath("a/b.txt")));

    ASSERT_TRUE(writeFile(source, "second"));
    EXPECT_FALSE(Util::copyFile(source, target, false));
    EXPECT_EQ(readFile(target), "first");
    EXPECT_TRUE(Util::copyFile(source, target, true));
    EXPECT_EQ(readFile(target), "second");

    EXPECT_TRUE(Util::copyFile(target, target, true));  // onto itself: nothing to do
    EXPECT_EQ(readFile(target), "second");
    // The same file spelt differently is not removed before the copy.
    EXPECT_TRUE(Util::copyFile(target, dir.path() + "/./copy.txt", true));
    EXPECT_EQ(readFile(target), "second");
    EXPECT_FALSE(Util::copyFile(dir.filePath("missing"), target, true));
}

// A named pipe is no file to copy: opening it waits until a writer comes.
TEST(UtilFiles, CopyFileRefusesANamedPipeWithoutOpeningIt)
{
    QTemporaryDir dir;
    WatchedPipe pipe(dir.filePath("pipe.mp4"));
    ASSERT_TRUE(pipe.isMade());
    EXPECT_FALSE(Util::copyFile(dir.filePath("pipe.mp4"), dir.filePath("copy.mp4"), true));
    EXPECT_EQ(pipe.readers(), 0);
    EXPECT_FALSE(QFile::exists(dir.filePath("copy.mp4")));
}

// Another process keeps putting links to a user's file and named pipes at
// the names the copies take, and has put a link to a user's folder at the
// name of a folder a copy makes: each copy is whole in a folder of its own, the
// user's files stay as they were (their permissions too), and no copy waits
// on a pipe.
TEST(UtilFiles, CopiesNeitherWriteThroughLinksNorWaitOnPipesPutAtTheirNames)
{
    QTemporaryDir dir;
    const QString source = dir.filePath("source");
    ASSERT_TRUE(writeSourceFolder(source));
    // Copies of a file the owner may not write are made writable.
    QFile::setPermissions(source + "/inner/deep.txt", QFile::ReadOwner);
    const QString user = dir.filePath("user");
    ASSERT_TRUE(QDir().mkpath(user));
    const QByteArray letterBytes = "Dear Ann, the photos follow next week.\n";
    ASSERT_TRUE(writeFile(user + "/letter.txt", letterBytes));
    ASSERT_TRUE(writeFile(user + "/deep.txt", "the user's own deep thoughts"));
    QFile::setPermissions(user + "/letter.txt", QFile::ReadOwner);
    const QFile::Permissions letterPermissions = QFile::permissions(user + "/letter.txt");
    const QString target = dir.filePath("target");
    const QStringList files{target + "/top.txt", target + "/inner/deep.txt", target + "/single.txt"};
    const std::function<bool()> copies[] = {
        [&] { return Util::copyDirectory(source, target, true); },
        [&] { return Util::copyFile(source + "/top.txt", target + "/single.txt", true); },
    };
    for (int round = 0; round < 40; ++round) {
        // Never through a link: that would empty the user's folder.
        ASSERT_TRUE(QFileInfo(target + "/inner").isSymLink() ? QFile::remove(target + "/inner")
                                                               : QDir(target + "/inner").removeRecursively());
        ASSERT_TRUE(QDir().mkpath(target));
        ASSERT_TRUE(QFile::link(user, target + "/inner"));
        {
            NameSquatter fileSquatter(files, user + "/letter.txt");
            QElapsedTimer clock;
            clock.start();
            ASSERT_TRUE(copies[round % 2]()) << "round " << round;
            ASSERT_LT(clock.elapsed(), 10000) << "round " << round << " waited";
            EXPECT_EQ(fileSquatter.pipeWriters(), 0) << "round " << round << ": a copy opened a named pipe";
        }
        ASSERT_EQ(QDir(user).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).join(" | "),
                  "deep.txt | letter.txt") << "round " << round;
        ASSERT_EQ(readFile(user + "/deep.txt"), "the user's own deep thoughts")
            << "round " << round << ": the user's folder was written through a link";
        ASSERT_EQ(readFile(user + "/letter.txt"), letterBytes) << "round " << round;
        ASSERT_EQ(QFile::permissions(user + "/letter.txt"), letterPermissions) << "round " << round;
        const QString copy = round % 2 == 0 ? target + "/inner/deep.txt" : target + "/single.txt";
        ASSERT_TRUE(QFileInfo(copy).isFile() && !QFileInfo(copy).isSymLink()) << "round " << round;
        EXPECT_EQ(readFile(copy), round % 2 == 0 ? "deep" : "top") << "round " << round;
        EXPECT_TRUE(QFile::permissions(copy) & QFile::WriteOwner) << "round " << round;
    }
}

TEST(UtilFiles, CopyDirectoryRecursesAndMakesCopiesWritable)
{
    QTemporaryDir dir;
    const QString source = dir.filePath("source");
    ASSERT_TRUE(writeSourceFolder(source));
    QFile::setPermissions(source + "/top.txt", QFile::ReadOwner);
    // A link back to the source must not make the copy endless.
    ASSERT_TRUE(QFile::link(source, source + "/inner/loop"));

    const QString target = dir.filePath("target/nested");
    ASSERT_TRUE(Util::copyDirectory(source, target, false));
    EXPECT_EQ(readFile(target + "/top.txt"), "top");
    EXPECT_EQ(readFile(target + "/inner/deep.txt"), "deep");
    EXPECT_TRUE(QFile::permissions(target + "/top.txt") & QFile::WriteOwner);
    EXPECT_FALSE(Util::copyDirectory(source, target, false));  // files exist, no overwrite
    EXPECT_TRUE(Util::copyDirectory(source, target, true));
    // Onto itself with overwrite: every file survives.
    EXPECT_TRUE(Util::copyDirectory(target, target, true));
    EXPECT_EQ(readFile(target + "/inner/deep.txt"), "deep");

    // Into a folder of its own: the new folder is not copied into itself.
    ASSERT_TRUE(Util::copyDirectory(source, source + "/inner/backup", false));
    EXPECT_EQ(readFile(source + "/inner/backup/inner/deep.txt"), "deep");
    EXPECT_FALSE(QFile::exists(source + "/inner/backup/inner/backup"));

    // Resource folders are a source too (the example project comes from one).
    const QString languages = dir.filePath("languages");
    ASSERT_TRUE(Util::copyDirectory(":/languages", languages, false));
    EXPECT_EQ(QDir(languages).entryList(QDir::Files).size(), 10);
    EXPECT_TRUE(QFile::permissions(languages + "/de_DE.qm") & QFile::WriteOwner);

    // Nothing to copy is a failure, and it leaves no empty folder behind:
    // a duplicate of a project that vanished must not pass for a copy.
    const QString fromNothing = dir.filePath("from-nothing");
    EXPECT_FALSE(Util::copyDirectory(dir.filePath("missing"), fromNothing, true));
    EXPECT_FALSE(Util::copyDirectory(source + "/top.txt", fromNothing, true));
    EXPECT_FALSE(QFileInfo::exists(fromNothing));
    // No target is not the current folder.
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.filePath("target")));
    EXPECT_FALSE(Util::copyDirectory(source, QString(), true));
    QDir::setCurrent(previous);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("target/top.txt")));
}

TEST(UtilShell, RevealsSelectedFileOrFallsBackToItsFolder)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QString::fromUtf8("my vidéo.mp4"));
    ASSERT_TRUE(writeFile(file, "x"));
    QStringList shown;
    QList<QUrl> opened;
    bool managerAnswers = false;
    FileRevealer::setCurrent(FileRevealer(
        [&](const QStringList& uris) { shown += uris; return managerAnswers; },
        [&](const QUrl& folder) { opened.append(folder); return true; }));

    EXPECT_TRUE(Util::revealInExplorer(file));
    EXPECT_EQ(shown, QStringList{"file://" + dir.path() + "/my%20vid%C3%A9o.mp4"});
    EXPECT_EQ(opened, QList<QUrl>{QUrl::fromLocalFile(dir.path())});

    managerAnswers = true;
    EXPECT_TRUE(Util::revealInExplorer(file));
    EXPECT_EQ(opened.size(), 1);

    EXPECT_FALSE(Util::revealInExplorer(dir.filePath("missing.mp4")));
    EXPECT_EQ(shown.size(), 2);
    FileRevealer::setCurrent(FileRevealer());
}

TEST(UtilShell, FindsTheEditorWindowsCentralWidget)
{
    QMainWindow start;
    start.setObjectName("StartWindow");
    start.setCentralWidget(new QWidget);
    EXPECT_EQ(Util::mainWindow(), nullptr);
    {
        QMainWindow editor;
        editor.setObjectName("DesktopMainWindow");
        auto* central = new QWidget;
        editor.setCentralWidget(central);
        EXPECT_EQ(Util::mainWindow(), central);
    }
    EXPECT_EQ(Util::mainWindow(), nullptr);
}

TEST(UtilShell, AboutDialogRunsModallyAtItsFixedSize)
{
    Util::showAboutDialog(nullptr);  // no factory yet: nothing happens, nothing hangs
    QSize shownSize;
    Util::setAboutDialogFactory([](QWidget* parent) { return new QDialog(parent); });
    ModalDialogAnswerer answerer([&](QWidget* dialog) {
        shownSize = dialog->size();
        static_cast<QDialog*>(dialog)->accept();
    });
    Util::showAboutDialog(nullptr);
    EXPECT_TRUE(answerer.answered());
    EXPECT_EQ(shownSize, QSize(300, 340));

    // A parent deleted while the dialog runs takes the dialog with it.
    auto* parent = new QWidget;
    ModalDialogAnswerer parentCloser([parent](QWidget*) { delete parent; });
    Util::showAboutDialog(parent);
    Util::setAboutDialogFactory(nullptr);
    EXPECT_TRUE(parentCloser.answered());
}

TEST(UtilShell, MessageBoxSurvivesItsParentGoing)
{
    QWidget keptParent;
    ModalDialogAnswerer ok(ModalDialogAnswerer::clickButton("OK"));
    EXPECT_EQ(Util::showMessageBox(&keptParent, "Title", "Text", QMessageBox::Warning), QMessageBox::Ok);
    EXPECT_TRUE(ok.answered());

    auto* parent = new QWidget;
    ModalDialogAnswerer parentCloser([parent](QWidget*) { delete parent; });
    Util::showMessageBox(parent, "Title", "Text", QMessageBox::Warning);
    EXPECT_TRUE(parentCloser.answered());
}

TEST(UtilShell, HelpOpensInTheInstalledBrowserWindow)
{
    Util::openUserHelp("http://localhost:9/help", "Help");  // no factory yet: nothing happens
    QPointer<QWidget> browser;
    QString address;
    Util::setHelpBrowserFactory([&](const QString& title, const QString& url) {
        browser = new QWidget;
        browser->setWindowTitle(title);
        address = url;
        return browser.data();
    });
    Util::openUserHelp("http://localhost:9/help", "Help");
    Util::setHelpBrowserFactory(nullptr);
    ASSERT_FALSE(browser.isNull());
    EXPECT_EQ(address, "http://localhost:9/help");
    EXPECT_TRUE(browser->isVisible());
    EXPECT_EQ(browser->size(), QSize(1024, 800));
    browser->close();  // deleted on close
    EXPECT_TRUE(QTest::qWaitFor([&]() { return browser.isNull(); }, 5000));
}

TEST(UtilWidgets, FadeOutHidesAndDeletes)
{
    auto* widget = new QWidget;
    widget->show();
    QPointer<QWidget> watched(widget);
    Util::fadeOutWidget(widget, 50, true);
    EXPECT_TRUE(QTest::qWaitFor([&]() { return watched.isNull(); }, 5000));

    QWidget shown;
    Util::fadeInWidget(&shown, 50, 1.0);
    EXPECT_TRUE(shown.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&]() { return shown.graphicsEffect() == nullptr; }, 5000));
}

TEST(UtilWidgets, SmallHelpers)
{
    const QRectF fitted = Util::aspectFitRect(16, 9, QRectF(0, 0, 100, 100));
    EXPECT_FLOAT_EQ(fitted.y(), 21.875);
    EXPECT_FLOAT_EQ(fitted.height(), 56.25);

    QWidget widget;
    widget.resize(41, 21);
    Util::moveCenterToXY(&widget, 100, 50);
    EXPECT_EQ(widget.pos(), QPoint(80, 40));
    EXPECT_EQ(Util::widgetCenter(&widget), QPoint(100, 50));

    EXPECT_FALSE(Util::hasKeyboardModifier(Qt::KeypadModifier));
    EXPECT_TRUE(Util::hasKeyboardModifier(Qt::KeypadModifier | Qt::MetaModifier));
    const AVVec4 color = Util::colorToVec4(QColor(255, 0, 51, 102));
    EXPECT_FLOAT_EQ(color.x, 1.0f);
    EXPECT_FLOAT_EQ(color.z, 0.2f);
    EXPECT_FLOAT_EQ(color.w, 0.4f);
}

} // namespace
