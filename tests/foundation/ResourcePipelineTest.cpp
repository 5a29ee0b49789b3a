#include "Util.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
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
                             ":/icons/res/icons/png/down_arrow_disabled.png", ":/images/animation/eliminate_ani4"})
        EXPECT_FALSE(QImage(path).isNull()) << path;
    // Spinners and the help tips' lessons: animations of their stated sizes.
    const QList<QPair<QString, QSize>> animations{
        {":/images/loading_hud_dark", QSize(80, 80)},
        {":/images/loading_hud_dark-2", QSize(80, 80)},
        {":/images/help-tip/media_explorer_help", QSize(808, 626)},
        {":/images/help-tip/segment_opr_double_tap_help", QSize(795, 391)},
        {":/images/help-tip/segment_opr_press_n_drag_help", QSize(795, 541)}};
    for (const auto& [path, size] : animations) {
        QMovie movie(path);
        EXPECT_GT(movie.frameCount(), 1) << qPrintable(path);
        EXPECT_TRUE(movie.jumpToFrame(0)) << qPrintable(path);
        EXPECT_EQ(movie.currentImage().size(), size) << qPrintable(path);
    }
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
                          "images/checks @checkerboard 32x32\n"
                          "images/spin @spinner*3 40x40 5\n"
                          "images/spin3 @spinner*3/3 40x40\n"));
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

    // Animations drawn in code: all frames as a GIF, or one frame alone.
    QMovie spin(dir.filePath("out/images/spin.gif"));
    EXPECT_EQ(spin.frameCount(), 3);
    EXPECT_NEAR(Util::animatedImageDuration(dir.filePath("out/images/spin.gif")), 0.6, 0.001);
    const QImage third = QImage(dir.filePath("out/images/spin3.png")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(third.size(), QSize(40, 40));
    QImageReader reader(dir.filePath("out/images/spin.gif"));
    const QImage gifFirst = reader.read().convertToFormat(QImage::Format_ARGB32);
    reader.read();
    const QImage gifThird = reader.read().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(gifThird.size(), QSize(40, 40));
    int opaque = 0;
    int likeThird = 0;
    int likeFirst = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            if (qAlpha(third.pixel(x, y)) < 255)
                continue;
            ++opaque;
            likeThird += std::abs(qGray(third.pixel(x, y)) - qGray(gifThird.pixel(x, y))) < 24;
            likeFirst += std::abs(qGray(third.pixel(x, y)) - qGray(gifFirst.pixel(x, y))) < 24;
        }
    }
    EXPECT_GT(opaque, 40);
    EXPECT_GT(likeThird, opaque * 9 / 10);
    EXPECT_LT(likeFirst, likeThird);

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
                            "../outside @checkerboard 8x8\n", "images/a @spinner*3/4 8x8\n",
                            "images/a @no-such-animation*2 8x8\n", "images/a @spinner*0 8x8\n"};
    for (const QString& list : lists) {
        ASSERT_TRUE(writeFile(dir.filePath("assets.list"), list.toUtf8()));
        EXPECT_NE(run(VIDORNA_GEN_ASSETS, {dir.filePath("assets.list"), dir.path(), dir.filePath("out"),
                                           dir.filePath("out.qrc")}), 0) << qPrintable(list);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("out.qrc")));
}

// The gallery's picture of a page, in English or in the language of code, or
// a null image when it could not be made.
QImage galleryScreenshot(const QString& page, const QString& code = QString())
{
    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    const QString suffix = code.isEmpty() ? QString() : "-" + code;
    const QString picture = QString(VIDORNA_ARTEFACT_DIR) + "/ui-gallery-" + page + suffix + ".png";
    QFile::remove(picture);
    QStringList arguments{"--page", page, "--screenshot", picture};
    if (!code.isEmpty())
        arguments << "--lang" << code;
    if (run(VIDORNA_UI_GALLERY, arguments) != 0)
        return QImage();
    return QImage(picture);
}

int pixelsOf(const QImage& image, QRgb color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == color;
    }
    return count;
}

TEST(UiGallery, ScreenshotsOfTheControlsAndPopupsPages)
{
    const QImage controls = galleryScreenshot("controls");
    ASSERT_FALSE(controls.isNull());
    EXPECT_GE(controls.width(), 800);
    // The controls' accent colour and the checkerboard of the transparent swatch.
    EXPECT_GT(pixelsOf(controls, qRgb(54, 200, 255)), 500);
    EXPECT_GT(pixelsOf(controls, qRgb(204, 204, 204)), 100);

    // The arrow panels in the tips' colour, and the stage where popups open.
    const QImage popups = galleryScreenshot("popups");
    ASSERT_FALSE(popups.isNull());
    EXPECT_GT(pixelsOf(popups, qRgb(54, 200, 255)), 4 * 60 * 50);
    EXPECT_GT(pixelsOf(popups, qRgb(44, 46, 50)), 400 * 300);

    EXPECT_TRUE(galleryScreenshot("no-such-page").isNull());
}

TEST(UiGallery, SlidersPageShowsTheColourMatrixBesideThePreviewPicture)
{
    const QImage sliders = galleryScreenshot("sliders");
    ASSERT_FALSE(sliders.isNull());
    // Whole cells of the matrix's pure colours, and the sun of the picture
    // the eyedropper reads.
    for (QRgb cell : {qRgb(0x4A, 0x86, 0xE8), qRgb(0x99, 0x00, 0xFF), qRgb(0x6A, 0xA8, 0x4F)})
        EXPECT_GT(pixelsOf(sliders, cell), 20 * 20) << std::hex << cell;
    EXPECT_GT(pixelsOf(sliders, qRgb(255, 220, 40)), 1000);
}

TEST(UiGallery, EditorsPageOpensTheEasingChooserOverItsStage)
{
    const QImage editors = galleryScreenshot("editors");
    ASSERT_FALSE(editors.isNull());
    // The stage, the easing card over it and the selected curve drawn in the
    // accent colour beside the plain ones.
    EXPECT_GT(pixelsOf(editors, qRgb(44, 46, 50)), 300 * 200);
    EXPECT_GT(pixelsOf(editors, qRgb(54, 200, 255)), 20);
    EXPECT_GT(pixelsOf(editors, qRgb(200, 200, 200)), 100);
}

TEST(UiGallery, PagesShowTheirTextsInTheLanguageChosen)
{
    // The colour popup's "Recently Used Colors" and "More Colors..." in
    // Japanese: the still page differs from the English one only in its texts.
    // Under a name of its own: tests run side by side.
    const QImage english = galleryScreenshot("sliders", "en_US");
    const QImage japanese = galleryScreenshot("sliders", "ja_JP");
    ASSERT_FALSE(english.isNull());
    ASSERT_FALSE(japanese.isNull());
    EXPECT_NE(english, japanese);
    // The help tip and its "Got it" in German; its pictures move, so the
    // texts themselves are checked where the widgets are made.
    EXPECT_FALSE(galleryScreenshot("popups", "de_DE").isNull());
}

} // namespace
