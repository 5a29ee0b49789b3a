#pragma once

#include <QFileInfo>
#include <QPixmap>
#include <QString>
#include <QVariantMap>
#include <QWidget>

#include <memory>

struct AssetTable;
class GiphyGifsWidget;
class LocalFilesWidget;
class QBoxLayout;
class QSettings;
class ResourceAssetsWidget;
class SettingsFile;

// The media library's panel: owns "media.config" (written whole when the
// panel goes, never in between), creates its five pages the first time each
// is shown, keeps one of them visible and turns the pages' clicks into one
// mediaItemClicked(mediaId, type, filePath, image, metadata).
// The variants below it decide how the user picks a page.
class MediaExplorerWidget : public QWidget
{
    Q_OBJECT

public:
    MediaExplorerWidget(const QString& settingsDir, QWidget* parent = nullptr);
    ~MediaExplorerWidget() override;

    // pageId: "local_files" (params "path": the folder shown the first time),
    // "in_app_music", "in_app_sound_fx", "in_app_stickers" or "giphy".
    void showPage(const QString& pageId, const QVariantMap& params);
    // Does nothing while the GIF page has never been shown.
    void downloadGiphyGif(const QString& id, const QString& url);
    // The panel goes without writing "media.config": the folder is not to be written.
    void keepSettingsUnwritten() { _settingsUnwritten = true; }

signals:
    void showTextMessage(QString message);
    void showProgressHUD(QString text, float progress);
    void hideProgressHUD();
    void downloadFinished(int error, QString id, QString filePath);
    void mediaItemClicked(QString mediaId, int type, QString filePath, QPixmap image, QString metadata);

public slots:
    void onFileItemClicked(int type, QFileInfo fi, QPixmap image, QString metadata);
    void onAssetItemClicked(int type, QString resPath, QPixmap image, QString metadata);
    void onGiphyItemClicked(QString id, QString filePath, QPixmap image);

protected:
    void hideAllPages();
    void showLocalFilesPage(const QString& path);
    void showGiphyPage();
    void showInAppMusicPage();
    void showInAppSoundFxPage();
    void showInAppStickersPage();

    QSettings* settings() const;

    // Set by the variant from its form: the pages' parent and its layout.
    QWidget* container = nullptr;
    QBoxLayout* containerLayout = nullptr;

private:
    // Shows an existing page; false when the page is still to be made.
    bool _showExisting(QWidget* page);
    void _addPage(QWidget* page);
    ResourceAssetsWidget* _newAssetsPage(int viewMode, const AssetTable& table);

    LocalFilesWidget* _localFilesPage = nullptr;
    ResourceAssetsWidget* _musicPage = nullptr;
    ResourceAssetsWidget* _soundFxPage = nullptr;
    ResourceAssetsWidget* _stickersPage = nullptr;
    GiphyGifsWidget* _giphyPage = nullptr;
    std::unique_ptr<SettingsFile> _settings;
    bool _settingsUnwritten = false;
};
