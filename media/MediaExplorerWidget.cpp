#include "MediaExplorerWidget.h"

#include "AssetTable.h"
#include "GiphyGifsWidget.h"
#include "LocalFilesWidget.h"
#include "ResourceAssetsWidget.h"
#include "SettingsFile.h"

#include <QBoxLayout>
#include <QDir>

namespace {
QString mediaIdForPath(const QString& path)
{
    return QString::number(qHash(path, 0));
}
} // namespace

MediaExplorerWidget::MediaExplorerWidget(const QString& settingsDir, QWidget* parent)
    : QWidget(parent)
    , _settings(std::make_unique<SettingsFile>(settingsDir + QDir::separator() + "media.config"))
{
}

MediaExplorerWidget::~MediaExplorerWidget()
{
    // These two write their settings as they go: before the file is written.
    delete _localFilesPage;
    delete _giphyPage;
    if (!_settingsUnwritten)
        _settings->save();
}

QSettings* MediaExplorerWidget::settings() const
{
    return _settings->values();
}

void MediaExplorerWidget::showPage(const QString& pageId, const QVariantMap& params)
{
    if (pageId == "local_files")
        showLocalFilesPage(params.value("path").toString());
    else if (pageId == "in_app_music")
        showInAppMusicPage();
    else if (pageId == "in_app_sound_fx")
        showInAppSoundFxPage();
    else if (pageId == "in_app_stickers")
        showInAppStickersPage();
    else if (pageId == "giphy")
        showGiphyPage();
}

void MediaExplorerWidget::downloadGiphyGif(const QString& id, const QString& url)
{
    if (_giphyPage)
        _giphyPage->downloadGif(id, url);
}

void MediaExplorerWidget::hideAllPages()
{
    for (QWidget* page : std::initializer_list<QWidget*>{_localFilesPage, _musicPage, _soundFxPage,
                                                         _stickersPage, _giphyPage}) {
        if (page)
            page->hide();
    }
}

bool MediaExplorerWidget::_showExisting(QWidget* page)
{
    if (!page)
        return false;
    if (!page->isVisible()) {
        hideAllPages();
        page->show();
    }
    return true;
}

void MediaExplorerWidget::_addPage(QWidget* page)
{
    containerLayout->addWidget(page);
    page->show();
}

void MediaExplorerWidget::showLocalFilesPage(const QString& path)
{
    // The path counts only for the first showing: later ones keep the folder.
    if (_showExisting(_localFilesPage))
        return;
    hideAllPages();
    _localFilesPage = new LocalFilesWidget(path, settings(), container);
    connect(_localFilesPage, &LocalFilesWidget::fileItemClicked, this, &MediaExplorerWidget::onFileItemClicked);
    _addPage(_localFilesPage);
}

ResourceAssetsWidget* MediaExplorerWidget::_newAssetsPage(int viewMode, const AssetTable& table)
{
    hideAllPages();
    auto* page = new ResourceAssetsWidget(viewMode, table.groupTitles, table.groups, container);
    connect(page, &ResourceAssetsWidget::assetItemClicked, this, &MediaExplorerWidget::onAssetItemClicked);
    _addPage(page);
    return page;
}

void MediaExplorerWidget::showInAppMusicPage()
{
    if (!_showExisting(_musicPage))
        _musicPage = _newAssetsPage(1, AssetTable::music());
}

void MediaExplorerWidget::showInAppSoundFxPage()
{
    if (!_showExisting(_soundFxPage))
        _soundFxPage = _newAssetsPage(1, AssetTable::soundEffects());
}

void MediaExplorerWidget::showInAppStickersPage()
{
    if (!_showExisting(_stickersPage))
        _stickersPage = _newAssetsPage(0, AssetTable::stickers());
}

void MediaExplorerWidget::showGiphyPage()
{
    if (_showExisting(_giphyPage))
        return;
    hideAllPages();
    _giphyPage = new GiphyGifsWidget(settings(), container);
    connect(_giphyPage, &GiphyGifsWidget::showTextMessage, this, &MediaExplorerWidget::showTextMessage);
    connect(_giphyPage, &GiphyGifsWidget::showProgressHUD, this, &MediaExplorerWidget::showProgressHUD);
    connect(_giphyPage, &GiphyGifsWidget::hideProgressHUD, this, &MediaExplorerWidget::hideProgressHUD);
    connect(_giphyPage, &GiphyGifsWidget::downloadFinished, this, &MediaExplorerWidget::downloadFinished);
    connect(_giphyPage, &GiphyGifsWidget::giphyItemClicked, this, &MediaExplorerWidget::onGiphyItemClicked);
    _addPage(_giphyPage);
}

void MediaExplorerWidget::onFileItemClicked(int type, QFileInfo fi, QPixmap image, QString metadata)
{
    const QString path = fi.absoluteFilePath();
    emit mediaItemClicked(mediaIdForPath(path), type, path, image, metadata);
}

void MediaExplorerWidget::onAssetItemClicked(int type, QString resPath, QPixmap image, QString metadata)
{
    emit mediaItemClicked(mediaIdForPath(resPath), type, resPath, image, metadata);
}

void MediaExplorerWidget::onGiphyItemClicked(QString id, QString filePath, QPixmap image)
{
    emit mediaItemClicked(id, 4, filePath, image, QString());
}
