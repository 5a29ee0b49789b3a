// The on-disk thumbnail cache of local folders: what it writes, what it
// hands back after a restart, and when an entry no longer holds.
#include "IsolatedSettings.h"
#include "LocalThumbnailsCache.h"
#include "ThumbnailsCacheFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

QPixmap filled(const QColor& colour)
{
    QPixmap pixmap(32, 24);
    pixmap.fill(colour);
    return pixmap;
}

QColor centreOf(const QPixmap& pixmap)
{
    return pixmap.toImage().pixelColor(pixmap.width() / 2, pixmap.height() / 2);
}

// A file in the folder with a fixed modification time.
QFileInfo makeFile(const QTemporaryDir& folder, const QString& name, qint64 modifiedMs)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();
    // Set after the write, which would move the time again.
    EXPECT_TRUE(file.open(QIODevice::ReadWrite));
    EXPECT_TRUE(file.setFileTime(QDateTime::fromMSecsSinceEpoch(modifiedMs), QFileDevice::FileModificationTime));
    file.close();
    return QFileInfo(path);
}

class ThumbnailsCacheTest : public ::testing::Test {
protected:
    QString folderDirectory() const
    {
        return LocalThumbnailsCache().rootPath() + "/" + ThumbnailsCacheFolder::hashText(source.path());
    }

    IsolatedSettings isolated;
    QTemporaryDir source;
};

} // namespace

TEST_F(ThumbnailsCacheTest, FolderNumbersAreTheStableTextHash)
{
    // 31 x h + c over the UTF-16 units, modulo 2^32, in decimal.
    EXPECT_EQ(ThumbnailsCacheFolder::hashText("ab"), "3105");
    quint32 h = 0;
    const QString path = "/home/user/Movies/Été";
    for (QChar c : path)
        h = 31 * h + c.unicode();
    EXPECT_EQ(ThumbnailsCacheFolder::hashText(path), QString::number(h));
}

TEST_F(ThumbnailsCacheTest, WritesIndexAndPicturesOnlyWhenDestroyed)
{
    const QFileInfo red = makeFile(source, "red.png", 1600000000000);
    const QFileInfo blue = makeFile(source, "blue.mp4", 1600000001000);
    {
        LocalThumbnailsCache cache;
        QString metadata = "untouched";
        EXPECT_TRUE(cache.thumbnail(red, &metadata).isNull());
        EXPECT_EQ(metadata, "untouched");
        EXPECT_FALSE(QFileInfo::exists(cache.rootPath())) << "a lookup must write nothing";
        cache.setThumbnail(red, filled(Qt::red), "32x24");
        cache.setThumbnail(blue, filled(Qt::blue), "0:02;640x360;0");
        EXPECT_FALSE(QFileInfo::exists(folderDirectory()));
    }
    const QString directory = folderDirectory();
    const QString redKey = ThumbnailsCacheFolder::hashText("red.png");
    ASSERT_TRUE(QFileInfo::exists(directory + "/media.data"));
    EXPECT_TRUE(QFileInfo::exists(directory + "/" + redKey));
    EXPECT_TRUE(QFileInfo::exists(directory + "/" + ThumbnailsCacheFolder::hashText("blue.mp4")));
    QSettings index(directory + "/media.data", QSettings::IniFormat);
    index.beginGroup(redKey);
    EXPECT_EQ(index.value("meta").toString(), "32x24");
    EXPECT_EQ(index.value("time").toLongLong(), 1600000000000);

    // After a restart: metadata from the index, the picture from its PNG.
    LocalThumbnailsCache reopened;
    QString metadata;
    const QPixmap pixmap = reopened.thumbnail(blue, &metadata);
    EXPECT_EQ(metadata, "0:02;640x360;0");
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(centreOf(pixmap), QColor(Qt::blue));
}

TEST_F(ThumbnailsCacheTest, TouchedFileLosesItsEntryAndPicture)
{
    const QFileInfo red = makeFile(source, "red.png", 1600000000000);
    const QFileInfo green = makeFile(source, "green.png", 1600000000000);
    {
        LocalThumbnailsCache cache;
        cache.setThumbnail(red, filled(Qt::red), "32x24");
        cache.setThumbnail(green, filled(Qt::green), "32x24");
    }
    const QString redPicture = folderDirectory() + "/" + ThumbnailsCacheFolder::hashText("red.png");
    ASSERT_TRUE(QFileInfo::exists(redPicture));
    makeFile(source, "red.png", 1700000000000);
    {
        LocalThumbnailsCache cache;
        QString metadata;
        EXPECT_TRUE(cache.thumbnail(QFileInfo(red.absoluteFilePath()), &metadata).isNull());
        EXPECT_TRUE(metadata.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(redPicture));
    }
    // The stale group left the index; the other entry stayed.
    QSettings index(folderDirectory() + "/media.data", QSettings::IniFormat);
    EXPECT_EQ(index.childGroups(), QStringList{ThumbnailsCacheFolder::hashText("green.png")});
    LocalThumbnailsCache cache;
    QString metadata;
    EXPECT_EQ(centreOf(cache.thumbnail(green, &metadata)), QColor(Qt::green));
}

TEST_F(ThumbnailsCacheTest, NamesOfEqualHashKeepTheirOwnPictures)
{
    // "Aa" and "BB" hash alike; with one time they share an entry key.
    ASSERT_EQ(ThumbnailsCacheFolder::hashText("Aa.png"), ThumbnailsCacheFolder::hashText("BB.png"));
    const QFileInfo aa = makeFile(source, "Aa.png", 1600000000000);
    const QFileInfo bb = makeFile(source, "BB.png", 1600000000000);
    {
        LocalThumbnailsCache cache;
        cache.setThumbnail(aa, filled(Qt::red), "1x1");
        QString metadata;
        EXPECT_TRUE(cache.thumbnail(bb, &metadata).isNull()) << "BB.png must not get Aa.png's thumbnail";
        EXPECT_TRUE(metadata.isEmpty());
        cache.setThumbnail(bb, filled(Qt::blue), "2x2");
        EXPECT_TRUE(cache.thumbnail(aa, &metadata).isNull());
    }
    // The PNG on disk is the latest picture stored under the key.
    LocalThumbnailsCache cache;
    QString metadata;
    const QPixmap pixmap = cache.thumbnail(bb, &metadata);
    EXPECT_EQ(metadata, "2x2");
    EXPECT_EQ(centreOf(pixmap), QColor(Qt::blue));
}

TEST_F(ThumbnailsCacheTest, FoldersOfEqualHashNeverHandOutEachOthersPictures)
{
    // Folders "Aa" and "BB" hash alike, so they share one cache directory;
    // their files of one name share an entry key there.
    ASSERT_TRUE(QDir(source.path()).mkpath("Aa"));
    ASSERT_TRUE(QDir(source.path()).mkpath("BB"));
    ASSERT_EQ(ThumbnailsCacheFolder::hashText(source.filePath("Aa")),
              ThumbnailsCacheFolder::hashText(source.filePath("BB")));
    const QFileInfo inAa = makeFile(source, "Aa/clip.png", 1600000000000);
    const QFileInfo inBb = makeFile(source, "BB/clip.png", 1600000000000);
    {
        LocalThumbnailsCache cache;
        cache.setThumbnail(inAa, filled(Qt::red), "1x1");
        cache.setThumbnail(inBb, filled(Qt::blue), "2x2");
    }
    LocalThumbnailsCache cache;
    QString metadataAa;
    const QPixmap aa = cache.thumbnail(inAa, &metadataAa);
    EXPECT_TRUE(aa.isNull() || centreOf(aa) == QColor(Qt::red)) << "Aa/clip.png shows another file's picture";
    EXPECT_TRUE(aa.isNull() || metadataAa == "1x1");
    QString metadataBb;
    const QPixmap bb = cache.thumbnail(inBb, &metadataBb);
    EXPECT_TRUE(bb.isNull() || centreOf(bb) == QColor(Qt::blue)) << "BB/clip.png shows another file's picture";
    EXPECT_TRUE(bb.isNull() || metadataBb == "2x2");
    // The latest picture stored under the shared key holds.
    EXPECT_FALSE(bb.isNull());
}

TEST_F(ThumbnailsCacheTest, PictureLeftWithoutItsIndexIsWrittenAfresh)
{
    const QFileInfo clip = makeFile(source, "clip.png", 1600000000000);
    {
        LocalThumbnailsCache cache;
        cache.setThumbnail(clip, filled(Qt::red), "1x1");
    }
    // A save cut short after its pictures: the index never reached the disk.
    ASSERT_TRUE(QFile::remove(folderDirectory() + "/media.data"));
    const QFileInfo changed = makeFile(source, "clip.png", 1700000000000);
    {
        LocalThumbnailsCache cache;
        QString metadata;
        EXPECT_TRUE(cache.thumbnail(changed, &metadata).isNull());
        cache.setThumbnail(changed, filled(Qt::blue), "2x2");
    }
    LocalThumbnailsCache cache;
    QString metadata;
    EXPECT_EQ(centreOf(cache.thumbnail(changed, &metadata)), QColor(Qt::blue));
    EXPECT_EQ(metadata, "2x2");
}
