#include "AssetTable.h"

#include <QCoreApplication>

namespace {

constexpr int kAudioType = 3;
constexpr int kPictureType = 2;
constexpr float kStickerScale = 0.5f;
// The group titles are translated where the explorer shows them.
constexpr const char* kTitleContext = "MediaExplorerWidget";

struct SoundRow {
    const char* title;
    float duration;
    const char* fileName = nullptr;  // when the file is not named after the title
};

struct SoundGroup {
    const char* title;
    const char* folder;
    QList<SoundRow> rows;
};

struct StickerGroup {
    const char* title;
    const char* folder;
    int count;
};

const QList<SoundRow> kMusicV1{
    {"Love", 29.11f}, {"Technology", 35.06f}, {"Naughty", 33.18f},
    {"Flight", 38.32f}, {"Cheerful", 32.06f}, {"Action", 36.55f},
};

const QList<SoundRow> kMusicV2{
    {"Moutain", 47.97f}, {"Doll", 44.14f}, {"Stadium", 46.17f}, {"Lakeside", 44.32f},
    {"Mechanical", 44.66f}, {"Faltering", 43.17f}, {"Travel", 41.30f},
};

const QList<SoundGroup> kSoundEffects{
    {QT_TRANSLATE_NOOP("MediaExplorerWidget", "Ambience"), "ambience",
     {{"Disco", 8.03f}, {"Ghost", 5.05f}, {"Danger", 5.15f}, {"Horror", 3.06f}, {"Alarm", 1.49f},
      {"Launghing Ghost", 14.77f, "Laughing Ghost"}, {"Beep", 1.07f}, {"School Bell", 10.05f},
      {"Church Bell", 9.06f}, {"Busy Office", 24.30f}, {"Warning", 1.57f}, {"Big Impact", 2.10f}}},
    {QT_TRANSLATE_NOOP("MediaExplorerWidget", "People"), "people",
     {{"Applause", 15.96f}, {"Punching", 1.58f}, {"Cheer", 3.97f}, {"Scream", 1.65f}, {"Ehhh", 2.51f},
      {"Panic Screaming", 1.54f}, {"Laughing Crowd", 3.36f}, {"Hmm", 0.84f}, {"What", 0.81f},
      {"Finger Snap", 0.27f}, {"Slap Face", 1.04f}, {"Whistle", 1.50f}}},
    {QT_TRANSLATE_NOOP("MediaExplorerWidget", "Event"), "event",
     {{"Appears", 1.78f}, {"Surprise", 1.57f}, {"Camera Shutter", 1.24f}, {"Clock Ticking", 3.99f},
      {"Pop-up", 0.30f}, {"Timer Tick", 0.95f}, {"Gun Shot", 2.47f}, {"Elastic", 1.86f},
      {"Reception Bell", 4.09f}, {"Keyboard Typing", 15.68f}, {"Camera Shutter 2", 0.71f},
      {"Success", 3.37f}, {"Knock", 2.16f}, {"Smartphone Vibrating", 5.10f}, {"Laser", 0.68f},
      {"Friend Request", 1.45f}, {"iPhone Typing", 16.91f}, {"Phone Ringing", 10.55f},
      {"Door Bell", 9.44f}}},
    {QT_TRANSLATE_NOOP("MediaExplorerWidget", "Musical"), "musical",
     {{"Monophonic Beat", 0.32f}, {"Drum", 1.99f}, {"Accordion", 1.47f}, {"Wind Chimes", 4.09f},
      {"Vibraphone", 10.64f}, {"Harp 2", 4.09f}, {"Harp 1", 4.09f}}},
    {QT_TRANSLATE_NOOP("MediaExplorerWidget", "Transition"), "transition",
     {{"Slide Switch", 0.64f}, {"Transition", 2.85f}, {"Stapler Staple", 0.48f},
      {"Throwing Knife", 0.50f}, {"Swoosh", 1.15f}, {"Breaking News", 18.29f}, {"Fast Pass", 2.69f}}},
    {QT_TRANSLATE_NOOP("MediaExplorerWidget", "Vehicle"), "vehicle",
     {{"Train Bell", 2.00f}, {"Police 1", 6.57f}, {"Police 2", 3.10f}, {"Car Screeching", 1.34f},
      {"Jet Fly Over", 11.56f}, {"Vehicle Idle", 3.21f}, {"Jet Landing", 13.05f},
      {"Helicopter", 10.05f}, {"Ambulance", 21.68f}}},
    {QT_TRANSLATE_NOOP("MediaExplorerWidget", "Animal"), "animal",
     {{"Thrush", 2.57f}, {"Dog Bark", 1.36f}, {"Monkey", 4.42f}, {"Mouse", 1.02f}, {"Sheep", 2.60f},
      {"Rooster Crowing", 4.07f}, {"Hen", 1.31f}, {"Crow", 2.72f}, {"Flys", 6.08f}}},
};

const QList<StickerGroup> kStickers{
    {QT_TRANSLATE_NOOP("MediaExplorerWidget", "Emoticons"), "emoticons", 25},
    {QT_TRANSLATE_NOOP("MediaExplorerWidget", "Party"), "party", 19},
    {QT_TRANSLATE_NOOP("MediaExplorerWidget", "Love"), "love", 11},
    {QT_TRANSLATE_NOOP("MediaExplorerWidget", "Comic Words"), "comic_words", 16},
};

AssetRecord soundRecord(const SoundRow& row, const QString& folder)
{
    AssetRecord record;
    record.title = row.title;
    record.resPath = folder + QString(row.fileName ? row.fileName : row.title) + ".mp3";
    record.type = kAudioType;
    record.duration = row.duration;
    return record;
}

QList<AssetRecord> soundRecords(const QList<SoundRow>& rows, const QString& folder)
{
    QList<AssetRecord> records;
    for (const SoundRow& row : rows)
        records.append(soundRecord(row, folder));
    return records;
}

QList<AssetRecord> stickerRecords(const StickerGroup& group)
{
    QList<AssetRecord> records;
    const QString folder = QString(":/stickers/%1/").arg(group.folder);
    for (int n = 1; n <= group.count; ++n) {
        const QString fileName = QString("%1.png").arg(n, 2, 10, QChar('0'));
        AssetRecord record;
        record.resPath = folder + "Content/" + fileName;
        record.thumbnailPath = folder + fileName;
        record.type = kPictureType;
        record.scale = kStickerScale;
        records.append(record);
    }
    return records;
}

QString translatedTitle(const char* title)
{
    return QCoreApplication::translate(kTitleContext, title);
}

} // namespace

void AssetTable::_appendGroup(const QString& title, const QList<AssetRecord>& records)
{
    groups.insert(title, records);
    groupTitles.append(title);
}

AssetTable AssetTable::music()
{
    AssetTable table;
    // The one music group keeps its internal name: its button panel is never shown.
    table._appendGroup("general", soundRecords(kMusicV1, ":/music/v1/") + soundRecords(kMusicV2, ":/music/v2/"));
    return table;
}

AssetTable AssetTable::soundEffects()
{
    AssetTable table;
    for (const SoundGroup& group : kSoundEffects)
        table._appendGroup(translatedTitle(group.title),
                           soundRecords(group.rows, QString(":/soundfx/%1/").arg(group.folder)));
    return table;
}

AssetTable AssetTable::stickers()
{
    AssetTable table;
    for (const StickerGroup& group : kStickers)
        table._appendGroup(translatedTitle(group.title), stickerRecords(group));
    return table;
}
