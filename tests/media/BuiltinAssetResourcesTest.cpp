// The built-in assets as the program carries them: every path of the three
// tables is a resource, every picture loads, and every sound is an MP3 whose
// decoded length is the one its table states and whose title tag is its title.
#include "AssetTable.h"
#include "SoundDecoding.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr int kParallelDecodings = 4;
constexpr double kDurationTolerance = 0.02;
constexpr qint64 kSoundBudgetBytes = 15 * 1024 * 1024;

QList<AssetRecord> allRecords(const AssetTable& table)
{
    QList<AssetRecord> records;
    for (const QString& title : table.groupTitles)
        records += table.groups.value(title);
    return records;
}

QStringList titles(const QList<AssetRecord>& records)
{
    QStringList result;
    for (const AssetRecord& record : records)
        result.append(record.title);
    return result;
}

// The resource written out to a real file, so that the command line can read it.
QString extract(const QString& resPath, const QTemporaryDir& dir)
{
    const QString target = dir.filePath(QString::number(qHash(resPath)) + ".mp3");
    QFile::remove(target);
    return QFile::copy(resPath, target) ? target : QString();
}

// The share of the picture's pixels that are not transparent.
double coverage(const QImage& picture)
{
    int covered = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            covered += qAlpha(picture.pixel(x, y)) > 0;
    }
    return double(covered) / (picture.width() * picture.height());
}

} // namespace

TEST(BuiltinAssetTables, HoldTheListedGroupsAndRows)
{
    const AssetTable music = AssetTable::music();
    ASSERT_EQ(music.groupTitles, QStringList{"general"});
    const QList<AssetRecord> songs = music.groups.value("general");
    ASSERT_EQ(songs.size(), 13);
    EXPECT_EQ(songs[0].resPath, ":/music/v1/Love.mp3");
    EXPECT_EQ(songs[5].resPath, ":/music/v1/Action.mp3");
    EXPECT_EQ(songs[6].resPath, ":/music/v2/Moutain.mp3");
    EXPECT_EQ(songs[12].title, "Travel");
    EXPECT_FLOAT_EQ(songs[12].duration, 41.30f);

    const AssetTable effects = AssetTable::soundEffects();
    EXPECT_EQ(effects.groupTitles,
              QStringList({"Ambience", "People", "Event", "Musical", "Transition", "Vehicle", "Animal"}));
    EXPECT_EQ(allRecords(effects).size(), 75);
    const AssetRecord ghost = effects.groups.value("Ambience").value(5);
    EXPECT_EQ(ghost.title, "Launghing Ghost");
    EXPECT_EQ(ghost.resPath, ":/soundfx/ambience/Laughing Ghost.mp3");
    EXPECT_EQ(titles(effects.groups.value("Musical")).mid(5), QStringList({"Harp 2", "Harp 1"}));
    EXPECT_EQ(effects.groups.value("Animal").last().resPath, ":/soundfx/animal/Flys.mp3");
    for (const AssetRecord& record : allRecords(effects)) {
        EXPECT_EQ(record.type, 3) << qPrintable(record.title);
        EXPECT_EQ(record.scale, 0.0f);
        EXPECT_TRUE(record.thumbnailPath.isEmpty());
    }

    const AssetTable stickers = AssetTable::stickers();
    EXPECT_EQ(stickers.groupTitles, QStringList({"Emoticons", "Party", "Love", "Comic Words"}));
    EXPECT_EQ(allRecords(stickers).size(), 71);
    const AssetRecord last = stickers.groups.value("Comic Words").last();
    EXPECT_EQ(last.resPath, ":/stickers/comic_words/Content/16.png");
    EXPECT_EQ(last.thumbnailPath, ":/stickers/comic_words/16.png");
    EXPECT_EQ(last.type, 2);
    EXPECT_EQ(last.scale, 0.5f);
    EXPECT_EQ(last.duration, 0.0f);
}

TEST(BuiltinAssetTables, TranslateTheirGroupTitlesButNotGeneral)
{
    QTranslator german;
    ASSERT_TRUE(german.load(":/languages/de_DE.qm"));
    QCoreApplication::installTranslator(&german);
    const AssetTable effects = AssetTable::soundEffects();
    const AssetTable stickers = AssetTable::stickers();
    const AssetTable music = AssetTable::music();
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(effects.groupTitles.first(), "Atmosphäre");
    // The shown title is the key of the group's records.
    EXPECT_EQ(effects.groups.value("Atmosphäre").value(6).title, "Beep");
    EXPECT_EQ(stickers.groupTitles.last(), "Comic-Wörter");
    EXPECT_EQ(stickers.groups.value("Comic-Wörter").size(), 16);
    EXPECT_EQ(music.groupTitles, QStringList{"general"});
}

TEST(BuiltinAssetResources, EveryPictureLoadsWithATransparentBackground)
{
    for (const AssetRecord& record : allRecords(AssetTable::stickers())) {
        for (const QString& path : {record.resPath, record.thumbnailPath}) {
            const QImage picture(path);
            ASSERT_FALSE(picture.isNull()) << qPrintable(path);
            EXPECT_TRUE(picture.hasAlphaChannel()) << qPrintable(path);
            EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << qPrintable(path);
            // A sticker covers a good part of its picture.
            EXPECT_GT(coverage(picture), 0.2) << qPrintable(path);
        }
        EXPECT_GT(QImage(record.resPath).width(), QImage(record.thumbnailPath).width());
    }
    const QImage placeholder(":/images/media-explorer/audio_placeholder_dark");
    EXPECT_EQ(placeholder.size(), QSize(192, 192));
}

TEST(BuiltinAssetResources, EverySoundIsAnMp3OfItsTableLength)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QList<AssetRecord> sounds = allRecords(AssetTable::music()) + allRecords(AssetTable::soundEffects());
    qint64 totalBytes = 0;
    for (int first = 0; first < sounds.size(); first += kParallelDecodings) {
        const QList<AssetRecord> batch = sounds.mid(first, kParallelDecodings);
        std::vector<std::unique_ptr<SoundDecoding>> decodings;
        for (const AssetRecord& record : batch) {
            const QString path = extract(record.resPath, dir);
            ASSERT_FALSE(path.isEmpty()) << qPrintable(record.resPath) << " is not a resource";
            totalBytes += QFile(path).size();
            decodings.push_back(std::make_unique<SoundDecoding>(path));
        }
        for (int i = 0; i < batch.size(); ++i) {
            const AssetRecord& record = batch[i];
            // Counted in decoded samples: the container's own duration adds the encoder delay.
            QByteArray samples;
            QByteArray log;
            ASSERT_TRUE(decodings[i]->finish(&samples, &log)) << qPrintable(record.resPath);
            EXPECT_TRUE(log.contains("Audio: mp3")) << qPrintable(record.resPath);
            const double seconds = SoundDecoding::seconds(samples);
            EXPECT_NEAR(seconds, record.duration, kDurationTolerance) << qPrintable(record.resPath);
            // Heard clearly (above -24 dB).
            EXPECT_GT(SoundDecoding::peak(samples), 2000) << qPrintable(record.resPath);
            // Placed in a project, the sound takes its title from this tag.
            EXPECT_EQ(SoundDecoding::title(log).toStdString(), record.title.toStdString()) << qPrintable(record.resPath);
        }
    }
    EXPECT_LT(totalBytes, kSoundBudgetBytes);
}
