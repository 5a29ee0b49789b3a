#include "DrawingSegment.h"
#include "IsolatedSettings.h"
#include "RecordingListener.h"
#include "SegmentKeys.h"
#include "VideoThumbnailsCache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString fileOf(const Segment& segment)
{
    return Segment::stringAttribute(segment.attributes(), SegmentKey::File);
}

QImage filled(QSize size, QColor color)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

TEST(DrawingSegment, NewDrawingIsATransparentPngKeptUnderItsName)
{
    QTemporaryDir project;
    RecordingListener listener;
    listener.projectDirectory = project.path();
    DrawingSegment drawing(QSizeF(1280, 720), 0.0f, 3.0f, &listener);
    ASSERT_TRUE(listener.waitForState(4));

    EXPECT_EQ(fileOf(drawing), "drawingImage-1.png");
    EXPECT_EQ(Segment::stringAttribute(drawing.attributes(), SegmentKey::DrawSize), "{1280,720}");
    const QImage written(project.filePath(QStringLiteral("drawingImage-1.png")));
    ASSERT_EQ(written.size(), QSize(1280, 720));
    EXPECT_EQ(qAlpha(written.pixel(640, 360)), 0);

    // Saving again writes a new file and leaves the old one for undo.
    ASSERT_TRUE(drawing.saveImage(filled(QSize(640, 360), Qt::red)));
    EXPECT_EQ(fileOf(drawing), "drawingImage-2.png");
    EXPECT_EQ(QImage(project.filePath(QStringLiteral("drawingImage-2.png"))).size(), QSize(640, 360));
    EXPECT_EQ(drawing.imageSize(), QSizeF(640, 360));
    const QImage kept(project.filePath(QStringLiteral("drawingImage-1.png")));
    ASSERT_EQ(kept.size(), QSize(1280, 720));
    EXPECT_EQ(qAlpha(kept.pixel(640, 360)), 0);
}

TEST(DrawingSegment, FailedOrSharedSavesNeverLoseAFile)
{
    QTemporaryDir project;
    RecordingListener listener;
    listener.projectDirectory = project.path();
    DrawingSegment owned(QSizeF(64, 32), 0.0f, 3.0f, &listener);
    ASSERT_EQ(fileOf(owned), "drawingImage-1.png");
    ASSERT_TRUE(owned.saveImage(filled(QSize(64, 32), Qt::green)));

    // Without a project folder there is nowhere to write.
    DrawingSegment homeless(QSizeF(64, 32), 0.0f, 3.0f, nullptr);
    EXPECT_TRUE(fileOf(homeless).isEmpty());

    ASSERT_EQ(fileOf(owned), "drawingImage-2.png");

    // A picture that cannot be written keeps the old file and reference.
    EXPECT_FALSE(owned.saveImage(QImage()));
    EXPECT_EQ(fileOf(owned), "drawingImage-2.png");
    EXPECT_EQ(QImage(project.filePath(QStringLiteral("drawingImage-2.png"))).pixel(5, 5), QColor(Qt::green).rgb());
    EXPECT_EQ(Segment::stringAttribute(owned.attributes(), SegmentKey::DrawSize), "{64,32}");

    // The next save goes to the next free number again; the earlier file stays for undo.
    ASSERT_TRUE(owned.saveImage(filled(QSize(64, 32), Qt::blue)));
    EXPECT_EQ(fileOf(owned), "drawingImage-3.png");
    EXPECT_EQ(QImage(project.filePath(QStringLiteral("drawingImage-2.png"))).pixel(5, 5), QColor(Qt::green).rgb());
    EXPECT_EQ(owned.pixmap().size(), QSize(64, 32));
}

TEST(VideoThumbnailsCache, PicturesSurviveOnDiskAndOnlyMissingFilesAreWritten)
{
    IsolatedSettings isolated;
    const QString movie = QStringLiteral("/movies/holiday \u00e9t\u00e9.mp4");
    QString savedPath;
    {
        VideoThumbnailsCache cache;
        EXPECT_FALSE(cache.hasThumbnails(movie));
        VideoThumbnails* entry = cache.thumbnails(movie);
        // md5sum of the path's UTF-8 bytes.
        EXPECT_EQ(entry->name(), "ecff852be087553fdaf55882d1afbb06");
        cache.setThumbnail(movie, filled(QSize(32, 18), Qt::red), 0);
        cache.setThumbnail(movie, filled(QSize(32, 18), Qt::green), 3);
        cache.setThumbnail(movie, filled(QSize(32, 18), Qt::blue), 16); // ignored
        EXPECT_TRUE(cache.thumbnail(movie, 16).isNull());
        cache.saveAll();
        savedPath = entry->thumbnailPath(0);
        EXPECT_TRUE(savedPath.endsWith(QStringLiteral("Thumbnails/") + entry->name() + QStringLiteral("/00.png")));
        EXPECT_TRUE(QFileInfo::exists(entry->thumbnailPath(3)));
        EXPECT_FALSE(QFileInfo::exists(entry->thumbnailPath(1)));

        // A second fetch replaces the picture in memory but not the file on disk.
        cache.setThumbnail(movie, filled(QSize(32, 18), Qt::yellow), 0);
        cache.saveAll();
        EXPECT_EQ(QImage(savedPath).pixel(1, 1), QColor(Qt::red).rgb());
        EXPECT_EQ(cache.thumbnail(movie, 0).pixel(1, 1), QColor(Qt::yellow).rgb());
    }
    VideoThumbnailsCache reopened;
    EXPECT_TRUE(reopened.hasThumbnails(movie));
    EXPECT_EQ(reopened.thumbnail(movie, 3).pixel(1, 1), QColor(Qt::green).rgb());
    EXPECT_TRUE(reopened.thumbnail(movie, 1).isNull());
    EXPECT_TRUE(savedPath.startsWith(isolated.root()));
}

} // namespace
