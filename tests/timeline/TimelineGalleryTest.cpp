#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

int pixelsNear(const QImage& image, QRgb color, int tolerance)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            count += std::abs(qRed(pixel) - qRed(color)) <= tolerance
                     && std::abs(qGreen(pixel) - qGreen(color)) <= tolerance
                     && std::abs(qBlue(pixel) - qBlue(color)) <= tolerance;
        }
    }
    return count;
}

} // namespace

// The gallery's picture is kept in the build's artefacts for review. It is
// written into a folder of this run's own and read from there: a run beside
// this one may be rewriting the artefact meanwhile.
TEST(TimelineGallery, ScreenshotShowsTilesInTheirStates)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString picture = folder.filePath("timeline-gallery.png");
    QProcess gallery;
    gallery.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    gallery.start(VIDORNA_TIMELINE_GALLERY, {"--screenshot", picture});
    ASSERT_TRUE(gallery.waitForFinished(60000));
    ASSERT_EQ(gallery.exitCode(), 0);
    const QImage image(picture);
    ASSERT_FALSE(image.isNull());
    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    const QString kept = QString(VIDORNA_ARTEFACT_DIR) + "/timeline-gallery.png";
    QFile::remove(kept);
    QFile::copy(picture, kept);
    EXPECT_EQ(image.size(), QSize(1900, 1000));
    // Text tiles, plain and dimmed, at both scales.
    EXPECT_GT(pixelsNear(image, qRgb(65, 45, 46), 1), 5000);
    EXPECT_GT(pixelsNear(image, qRgb(32, 22, 23), 1), 1000);
    // Selection frames and failed segments' message strips.
    EXPECT_GT(pixelsNear(image, qRgb(255, 255, 0), 0), 20000);
    // Music tiles and the track backgrounds.
    EXPECT_GT(pixelsNear(image, qRgb(64, 64, 40), 2), 500);
    EXPECT_GT(pixelsNear(image, qRgb(0x2b, 0x2d, 0x33), 1), 10000);
    // The working timeline's gutter buttons.
    EXPECT_GT(pixelsNear(image, qRgb(44, 46, 50), 0), 3500);
}
