#pragma once

#include <QList>
#include <QPair>
#include <QPixmap>
#include <QString>
#include <QWidget>

class AnimatedLabel;
class GiphyGifsCache;
class GiphyGifsWidgetItemDelegate;
class QJsonObject;
class QListWidgetItem;
class QMovie;
class QNetworkAccessManager;
class QNetworkReply;
class QSettings;
namespace Ui {
class GiphyGifsWidget;
}

// The GIF search page of the media library: the service's trending GIFs or
// stickers, or the results of a search, a page at a time, each cell playing
// its small preview. A click hands the item on at once with the preview and
// again once its full-size file has been fetched. The GIF/sticker choice is
// kept in "Giphy"/"Type" of the explorer's settings, the installation's
// random id in "GiphyRandomId" of the default store.
class GiphyGifsWidget : public QWidget
{
    Q_OBJECT

public:
    // A failed write of a fetched file into the cache, reported like a transport error.
    static constexpr int CacheWriteError = -1;

    GiphyGifsWidget(QSettings* settings, QWidget* parent = nullptr);
    ~GiphyGifsWidget() override;

    // Fetches the full-size file of a GIF; dropped while another one is on its way.
    void downloadGif(const QString& id, const QString& url);

signals:
    void showTextMessage(QString message);
    void showProgressHUD(QString text, float progress);
    void hideProgressHUD();
    // error 0 with the cached file's path, else the error and an empty path.
    void downloadFinished(int error, QString id, QString filePath);
    void giphyItemClicked(QString id, QString filePath, QPixmap image);

private slots:
    void onNetworkReplyFinished();
    void onDownloadReplyFinished();
    void onDownloadReplyProgress(qint64 bytesReceived, qint64 bytesTotal);
    void onGifDownloadFinished(QNetworkReply* reply);
    void onItemClicked(QListWidgetItem* item);
    void onCustomContextMenuRequested(const QPoint& pos);
    void onMovieFrameChanged(int frameNumber);
    void onVerticalScrollBarValueChanged(int value);
    void onGifTypeButtonClicked();
    void onStickerTypeButtonClicked();
    void onLineEditReturnPressed();
    void onLineEditTextEdited(const QString& text);
    void onCancelSearchButtonClicked();
    void onFetchGifPathForItem(QListWidgetItem* item, QString& outId, QString& outPath, QString& outUrl,
                               float& outDuration, float& outScale);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void _setUpSearchField();
    void _setUpList();
    void _setUpTypeButtons();
    void _firstRequest();
    void _requestGifs();
    void _requestRandomId();
    QNetworkReply* _getApi(const QString& path, const QList<QPair<QString, QString>>& query);
    bool _readReply(QNetworkReply* reply, const QString& transportMessage, QJsonObject& object);
    void _parseGifsReply();
    void _parseRandomIdReply();
    void _addGif(const QJsonObject& gif);
    void _fetchPreview(const QString& id, const QString& url, int row);
    void _startMovie(const QString& path, int row);
    void _clearMovies();
    void _abortListRequest();
    void _resetAndRequest();
    void _setType(int type);
    void _finishDownload(int error, const QString& id, const QString& path);
    void _showContextMenu(const QPoint& globalPos);
    void _showWaitingIndicator();
    void _hideWaitingIndicator();
    void _placeWaitingIndicator();

    Ui::GiphyGifsWidget* _ui;
    AnimatedLabel* _waitingIndicator = nullptr;
    QNetworkAccessManager* _network;
    QNetworkReply* _apiReply = nullptr;
    int _requestState = 0;
    QNetworkReply* _downloadReply = nullptr;
    // The id of a GIF clicked before its full-size file was there: handed on
    // again when that file arrives, whatever happened to the list meanwhile.
    QString _pendingId;
    int _type = 0;
    QString _randomId;
    int _totalCount = 0;
    int _offset = 0;
    int _pageSize = 30;
    QSettings* _settings;
    QNetworkAccessManager* _previewNetwork;
    GiphyGifsCache* _cache;
    GiphyGifsWidgetItemDelegate* _delegate;
    QList<QMovie*> _movies;
};
