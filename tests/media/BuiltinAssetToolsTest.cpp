// The build-time tools that make the built-in assets, run on lists of our
// own: gen-sounds synthesises MP3 files of the listed lengths and titles, the
// same bytes on every run, and refuses bad lines; gen-assets draws the
// stickers it knows and no others.
#include "SoundDecoding.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kToolTimeoutMs = 120000;

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Runs a tool of the build; the exit code, or -1 when it did not finish.
int run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

int makeSounds(const QTemporaryDir& dir, const QByteArray& list)
{
    const QString listPath = dir.filePath("sounds.list");
    if (!writeFile(listPath, list))
        return -1;
    return run(VIDORNA_GEN_SOUNDS, {VIDORNA_FFMPEG, listPath, dir.filePath("out")});
}

int drawPictures(const QTemporaryDir& dir, const QByteArray& list)
{
    const QString listPath = dir.filePath("pictures.list");
    if (!writeFile(listPath, list))
        return -1;
    return run(VIDORNA_GEN_ASSETS, {listPath, dir.path(), dir.filePath("out"), dir.filePath("out.qrc")});
}

} // namespace

TEST(GenSounds, SynthesisesEveryRecipeAtItsLength)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Expected {
        QString path;
        double seconds;
        QString title;
    };
    const QList<Expected> expected{
        {"a/Short Beep.mp3", 0.27, "Short Beep"}, {"a/tune.mp3", 3.5, "tune"}, {"b/siren.mp3", 1.3, "siren"},
        {"b/bell.mp3", 2.0, "Church Bell"}, {"c/hiss.mp3", 1.0, "hiss"}, {"c/sweep.mp3", 0.68, "sweep"},
        {"d/voice.mp3", 1.65, "voice"}, {"d/buzz.mp3", 2.2, "buzz"}, {"d/hit.mp3", 1.04, "hit"},
    };
    ASSERT_EQ(makeSounds(dir, "# every recipe once\n"
                              "a/Short Beep.mp3 | 0.27 | beep 1000 0.27 0.9\n"
                              "a/tune.mp3 | 3.5 | music 120 220 1 0 5 3 7 0.5\n"
                              "b/siren.mp3 | 1.3 | siren 600 900 1.5\n"
                              "b/bell.mp3 | 2.0 | strike 440 2 0.5 4 1 | Church Bell\n"
                              "c/hiss.mp3 | 1.0 | hiss 3000 0.9\n"
                              "c/sweep.mp3 | 0.68 | sweep 2400 300 3\n"
                              "d/voice.mp3 | 1.65 | voice 900 1300 7 0.03 0.5\n"
                              "d/buzz.mp3 | 2.2 | buzz 160 1.25\n"
                              "d/hit.mp3 | 1.04 | hit 0.25 25 0.5 3\n"),
              0);
    for (const auto& [path, seconds, title] : expected) {
        SoundDecoding decoding(dir.filePath("out/" + path));
        QByteArray samples;
        QByteArray log;
        ASSERT_TRUE(decoding.finish(&samples, &log)) << qPrintable(path);
        EXPECT_TRUE(log.contains("Audio: mp3")) << qPrintable(path);
        EXPECT_NEAR(SoundDecoding::seconds(samples), seconds, 0.02) << qPrintable(path);
        EXPECT_GT(SoundDecoding::peak(samples), 2000) << qPrintable(path);
        EXPECT_EQ(SoundDecoding::title(log).toStdString(), title.toStdString()) << qPrintable(path);
    }
}

TEST(GenSounds, RefusesListsItCannotFollow)
{
    const QList<QByteArray> badLists{
        "x.mp3 | 1.0 | whistle 1000\n",              // no such recipe
        "x.mp3 | 1.0 | beep 1000 0.5\n",             // a number short
        "x.mp3 | 1.0 | beep 1000 0.5 half\n",        // not a number
        "x.mp3 | 0 | beep 1000 0.5 0.5\n",           // no length
        "x.mp3 | 1.0\n",                             // no recipe
        "../x.mp3 | 1.0 | beep 1000 0.5 0.5\n",      // outside the output folder
        "x.mp3 | 1.0 | beep 1000 0.5 0.5 | \n",      // an empty title
        "x.mp3 | 1.0 | beep 1000 0.5 0.5 | x | y\n", // a field too many
    };
    for (const QByteArray& list : badLists) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        EXPECT_EQ(makeSounds(dir, list), 1) << list.constData();
        EXPECT_FALSE(QFile::exists(dir.filePath("x.mp3")));
        EXPECT_FALSE(QFile::exists(dir.filePath("out/x.mp3")));
    }
    QTemporaryDir dir;
    EXPECT_EQ(run(VIDORNA_GEN_SOUNDS, {VIDORNA_FFMPEG, dir.filePath("missing.list"), dir.filePath("out")}), 1);
}

TEST(GenSounds, MakesTheSameBytesOnEveryRun)
{
    const QByteArray list = "m/tune.mp3 | 1.5 | music 120 220 1 0 5 3 7 0.5\n"
                            "m/noise.mp3 | 0.5 | hiss 3000 0.9 | Noise\n";
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    ASSERT_EQ(makeSounds(first, list), 0);
    ASSERT_EQ(makeSounds(second, list), 0);
    for (const QString& path : {"out/m/tune.mp3", "out/m/noise.mp3"}) {
        QFile made(first.filePath(path));
        QFile again(second.filePath(path));
        ASSERT_TRUE(made.open(QIODevice::ReadOnly) && again.open(QIODevice::ReadOnly)) << qPrintable(path);
        const QByteArray bytes = made.readAll();
        EXPECT_GT(bytes.size(), 1000) << qPrintable(path);
        EXPECT_TRUE(bytes == again.readAll()) << qPrintable(path);
    }
}

TEST(GenAssets, DrawsTheStickersOfEachGroupAndNoOthers)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(drawPictures(dir, "s/first.png @sticker-emoticons-01 64x64\n"
                                "s/last.png @sticker-comic_words-16 128x128\n"
                                "s/placeholder @audio-placeholder 192x192\n"),
              0);
    const QImage first(dir.filePath("out/s/first.png"));
    EXPECT_EQ(first.size(), QSize(64, 64));
    EXPECT_EQ(qAlpha(first.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(first.pixel(32, 32)), 255);
    EXPECT_EQ(QImage(dir.filePath("out/s/last.png")).size(), QSize(128, 128));
    const QImage placeholder(dir.filePath("out/s/placeholder.png"));
    EXPECT_EQ(placeholder.size(), QSize(192, 192));
    // A dark square with rounded corners.
    EXPECT_EQ(qAlpha(placeholder.pixel(0, 0)), 0);
    EXPECT_LT(qGray(placeholder.pixel(20, 96)), 60);

    const QList<QByteArray> unknown{"sticker-emoticons-26", "sticker-love-00", "sticker-hats-01", "sticker-love-1"};
    for (const QByteArray& name : unknown) {
        QTemporaryDir bad;
        ASSERT_TRUE(bad.isValid());
        EXPECT_EQ(drawPictures(bad, "s/x.png @" + name + " 64x64\n"), 1) << name.constData();
    }
}
