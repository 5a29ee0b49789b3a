#include "Util.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMovie>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kToolTimeoutMs = 60000;

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Runs a tool of the build; the exit code, or -1 when it did not finish.
int run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished(kToolTimeoutMs);
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

TEST(CompiledResources, PicturesAndTranslationsAreBuiltIn)
{
    for (const char* path : {":/images/drawing/hollow_back", ":/images/voice_audio_meter",
                             ":/images/voice_audio_meter_gray", ":/icons/res/icons/png/up_arrow.png",
                             ":/icons/res/icons/png/down_arrow_disabled.png"})
        EXPECT_FALSE(QImage(path).isNull()) << path;
    EXPECT_EQ(QDir(":/languages").entryList().size(), 10);
}

TEST(GenAssets, RendersDrawingsStillAndAnimatedSvgsAndTheirCollection)
{
    QTemporaryDir dir;
    const QString sources = dir.filePath("src");
    QDir().mkpath(sources);
    ASSERT_TRUE(writeFile(sources + "/still.svg",
                          "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                          "<rect width='5' height='10' fill='#ff0000'/></svg>"));
    for (int frame = 0; frame < 3; ++frame) {
        ASSERT_TRUE(writeFile(sources + QString("/moving%1.svg").arg(frame),
                              QString("<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20'>"
                                      "<rect x='%1' width='10' height='20' fill='#00ff00'/></svg>")
                                  .arg(frame * 15).toUtf8()));
    }
    ASSERT_TRUE(writeFile(dir.filePath("assets.list"),
                          "# comment\n"
                          "images/still  still.svg  20x20\n"
                          "images/moving moving0.svg,moving1.svg,moving2.svg 40x20 5\n"
                          "images/checks @checkerboard 32x32\n"));
    const QString qrc = dir.filePath("out.qrc");
    ASSERT_EQ(run(VIDORNA_GEN_ASSETS, {dir.filePath("assets.list"), sources, dir.filePath("out"), qrc}), 0);

    const QImage still(dir.filePath("out/images/still.png"));
    ASSERT_EQ(still.size(), QSize(20, 20));
    EXPECT_EQ(still.pixelColor(2, 10), QColor(255, 0, 0));
    EXPECT_EQ(still.pixelColor(17, 10).alpha(), 0);

    QMovie movie(dir.filePath("out/images/moving.gif"));
    ASSERT_TRUE(movie.isValid());
    ASSERT_EQ(movie.frameCount(), 3);
    for (int frame = 0; frame < 3; ++frame) {
        ASSERT_TRUE(movie.jumpToFrame(frame));
        const QImage image = movie.currentImage();
        EXPECT_GT(qGreen(image.pixel(frame * 15 + 5, 10)), 200) << frame;
        EXPECT_EQ(qAlpha(image.pixel((frame + 1) % 3 * 15 + 5, 10)), 0) << frame;
    }
    EXPECT_NEAR(Util::animatedImageDuration(dir.filePath("out/images/moving.gif")), 0.6, 0.001);

    QFile collection(qrc);
    ASSERT_TRUE(collection.open(QIODevice::ReadOnly));
    const QByteArray text = collection.readAll();
    EXPECT_TRUE(text.contains("alias=\"images/moving\""));
    EXPECT_TRUE(text.contains("alias=\"images/checks\""));
}

TEST(GenAssets, RejectsBadListsAndUnknownDrawings)
{
    QTemporaryDir dir;
    const QStringList lists{"images/a  @nothing-by-this-name 8x8\n", "images/a @checkerboard\n",
                            "../outside @checkerboard 8x8\n"};
    for (const QString& list : lists) {
        ASSERT_TRUE(writeFile(dir.filePath("assets.list"), list.toUtf8()));
        EXPECT_NE(run(VIDORNA_GEN_ASSETS, {dir.filePath("assets.list"), dir.path(), dir.filePath("out"),
                                           dir.filePath("out.qrc")}), 0) << qPrintable(list);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("out.qrc")));
}

TEST(UiGallery, ScreenshotOfTheControlsPage)
{
    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    const QString picture = QString(VIDORNA_ARTEFACT_DIR) + "/ui-gallery-controls.png";
    QFile::remove(picture);
    ASSERT_EQ(run(VIDORNA_UI_GALLERY, {"--page", "controls", "--screenshot", picture}), 0);
    const QImage shot(picture);
    ASSERT_FALSE(shot.isNull());
    EXPECT_GE(shot.width(), 800);
    // The controls' accent colour and the checkerboard of the transparent swatch.
    int accent = 0;
    int checks = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb pixel = shot.pixel(x, y);
            accent += pixel == qRgb(54, 200, 255);
            checks += pixel == qRgb(204, 204, 204);
        }
    }
    EXPECT_GT(accent, 500);
    EXPECT_GT(checks, 100);

    EXPECT_NE(run(VIDORNA_UI_GALLERY, {"--page", "no-such-page", "--screenshot", picture}), 0);
}

} // namespace
