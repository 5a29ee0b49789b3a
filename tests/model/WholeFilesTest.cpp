// Files of a project folder written whole or not at all: the panel settings
// ("media.config") and the helpers every writer of the folder goes through.
#include "FileBytes.h"
#include "SaveFileCommit.h"
#include "SettingsFile.h"
#include "SmallFileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// TMPDIR set to another folder while the object lives.
struct TemporaryFolderAt {
    explicit TemporaryFolderAt(const QString& folder) : saved(qgetenv("TMPDIR")) { qputenv("TMPDIR", folder.toUtf8()); }
    ~TemporaryFolderAt() { saved.isEmpty() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", saved); }
    QByteArray saved;
};

const QByteArray kOldSettings = "[LocalFiles]\nDir=\"/a, b\"\nZoom=1\n\n[Tabs]\nIndex=1\n\n[Later]\nSize=@Size(3 4)\n";

} // namespace

// The file keeps what it held, with the changes, in the bytes QSettings
// itself writes; nothing reaches it before save().
TEST(WholeFiles, SettingsKeepTheirValuesAndQSettingsOwnText)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("media.config");
    putFile(path, kOldSettings);
    {
        SettingsFile settings(path);
        QSettings* values = settings.values();
        EXPECT_EQ(values->value("LocalFiles/Dir").toString(), "/a, b");
        values->setValue("Tabs/Index", 3);
        values->setValue("Giphy/Type", 1);
        values->sync();
        EXPECT_EQ(bytesOf(path), kOldSettings) << "the file changed before save()";
        ASSERT_TRUE(settings.save());
    }
    const QString reference = folder.filePath("reference.ini");
    {
        QSettings expected(reference, QSettings::IniFormat);
        expected.setValue("LocalFiles/Dir", "/a, b");
        expected.setValue("LocalFiles/Zoom", 1);
        expected.setValue("Tabs/Index", 3);
        expected.setValue("Later/Size", QSize(3, 4));
        expected.setValue("Giphy/Type", 1);
    }
    EXPECT_EQ(bytesOf(path).toStdString(), bytesOf(reference).toStdString());
}

// Every writer on a full disk fails and leaves the old file; so does the
// settings file when only its private draft finds a full disk.
TEST(WholeFiles, AFullDiskKeepsEveryOldFile)
{
    QTemporaryDir folder;
    SmallFileSystem disk(folder.path());
    if (!disk.mounted)
        GTEST_SKIP() << "no file system of its own can be mounted here (not root?)";
    const QString settingsPath = folder.filePath("media.config");
    const QString picturePath = folder.filePath("shot.jpg");
    const QString dataPath = folder.filePath("project.xml");
    putFile(settingsPath, kOldSettings);
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(picturePath, "JPG"));
    putFile(dataPath, "<Project/>");
    const QByteArray oldPicture = bytesOf(picturePath);
    SettingsFile settings(settingsPath);
    settings.values()->setValue("Tabs/Index", 4);
    // Longer than the room the draft finds below, shorter than QFile's buffer.
    settings.values()->setValue("Notes/Long", QString(10000, 'n'));
    ASSERT_TRUE(disk.fill());

    picture.fill(Qt::blue);
    QString reason;
    EXPECT_FALSE(SaveFileCommit::writeImage(picturePath, picture, "JPG", -1, &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_FALSE(SaveFileCommit::writeWhole(dataPath, QByteArray(3000, 'x')));
    EXPECT_FALSE(settings.save());
    EXPECT_EQ(bytesOf(picturePath), oldPicture);
    EXPECT_EQ(bytesOf(dataPath), "<Project/>");
    EXPECT_EQ(bytesOf(settingsPath), kOldSettings);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 4) << "a temporary file stayed";

    // The project's disk has room again, though less than 2 MB: one write
    // larger than the room stops part way, and Qt keeps no error for it,
    // only the writer's count tells.
    ASSERT_TRUE(QFile::remove(QDir(folder.path()).filePath(".filler")));
    reason.clear();
    EXPECT_FALSE(SaveFileCommit::writeWhole(dataPath, QByteArray(2 * 1024 * 1024, 'y'), &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(bytesOf(dataPath), "<Project/>");
    // The draft's disk has 8 KB: the draft is cut there, and QSettings does not tell.
    QTemporaryDir elsewhere;
    SmallFileSystem draftDisk(elsewhere.path(), QStringLiteral("16k"));
    ASSERT_TRUE(draftDisk.mounted);
    putFile(QDir(elsewhere.path()).filePath("ballast"), QByteArray(8192, 'b'));
    {
        TemporaryFolderAt drafts(elsewhere.path());
        EXPECT_FALSE(settings.save());
    }
    EXPECT_EQ(bytesOf(settingsPath), kOldSettings);
    EXPECT_TRUE(settings.save()) << "the settings were lost with the failures";
    EXPECT_EQ(QSettings(settingsPath, QSettings::IniFormat).value("Tabs/Index").toInt(), 4);
}

// A link at the name is replaced by the file, and what it led to stays;
// a file that is there keeps its permissions. No temporary file stays.
TEST(WholeFiles, AWriteReplacesALinkAndKeepsTheOldFilesPermissions)
{
    QTemporaryDir folder;
    QTemporaryDir outside;
    const QString users = outside.filePath("notes.txt");
    const QString path = folder.filePath("layout.xml");
    putFile(users, "mine\n");
    ASSERT_TRUE(QFile::link(users, path));
    EXPECT_TRUE(SaveFileCommit::writeWhole(path, "<Layout/>"));
    EXPECT_EQ(bytesOf(users), "mine\n");
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(bytesOf(path), "<Layout/>");

    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, permissions));
    EXPECT_TRUE(SaveFileCommit::writeWhole(path, "<Layout a=\"1\"/>"));
    const auto userBits = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    EXPECT_EQ(QFile::permissions(path) & ~userBits, permissions);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 1);
}
