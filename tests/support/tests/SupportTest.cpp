// The test harness checks itself: the fixtures exist as described, settings
// stay inside the isolated folder, and modal dialogs get answered.

#include "IsolatedSettings.h"
#include "ModalDialogAnswerer.h"
#include "TestMedia.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

QString probe(const QString& file, const QString& entries)
{
    QProcess ffprobe;
    ffprobe.start("ffprobe", {"-v", "error", "-show_entries", entries, "-of", "default=nw=1:nk=1", file});
    if (!ffprobe.waitForFinished(20000))
        return {};
    return QString::fromUtf8(ffprobe.readAllStandardOutput()).simplified();
}

TEST(Fixtures, PictureIsAsymmetric)
{
    QImage picture(TestMedia::path("picture.png"));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(320, 240));
    const QColor topLeft = picture.pixelColor(10, 10);
    const QColor bottomRight = picture.pixelColor(310, 230);
    EXPECT_GT(topLeft.red(), 200);
    EXPECT_LT(topLeft.blue(), 60);
    EXPECT_GT(bottomRight.green(), 100);
    EXPECT_LT(bottomRight.red(), 60);
}

TEST(Fixtures, MediaHaveTheirStreams)
{
    const QString clip = TestMedia::path("clip_h264_aac.mp4");
    ASSERT_TRUE(QFileInfo::exists(clip));
    EXPECT_EQ(probe(clip, "stream=codec_name"), "h264 aac");
    EXPECT_EQ(probe(clip, "stream=width,height"), "1280 720");
    EXPECT_EQ(probe(TestMedia::path("tone440.wav"), "stream=sample_rate,channels"), "44100 2");
    EXPECT_EQ(probe(TestMedia::path("animation.gif"), "stream=codec_name"), "gif");
}

TEST(IsolatedSettings, WritesStayInTheTemporaryFolder)
{
    QString root;
    {
        IsolatedSettings isolated;
        root = isolated.root();
        QSettings settings("Peltrane", "Vidorna");
        settings.setValue("UserSettings/Language", "de_DE");
        settings.sync();
        EXPECT_TRUE(settings.fileName().startsWith(root)) << settings.fileName().toStdString();
        EXPECT_TRUE(QStandardPaths::writableLocation(QStandardPaths::CacheLocation).startsWith(root));
    }
    EXPECT_FALSE(QFileInfo::exists(root));
    EXPECT_FALSE(QSettings("Peltrane", "Vidorna").fileName().startsWith(root));
}

TEST(ModalDialogAnswerer, ClicksTheNamedButton)
{
    ModalDialogAnswerer answerer(ModalDialogAnswerer::clickButton("No"));
    const auto choice = QMessageBox::question(nullptr, "Question", "Continue?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(answerer.answered());
    EXPECT_EQ(choice, QMessageBox::No);
}

} // namespace
