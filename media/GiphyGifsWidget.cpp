#include "GiphyGifsWidget.h"

#include "AnimatedLabel.h"
#include "GiphyGifsCache.h"
#include "GiphyGifsListWidget.h"
#include "GiphyGifsWidgetItemDelegate.h"
#include "TooltipButton.h"
#include "Util.h"
#include "ui_GiphyGifsWidget.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QMovie>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSettings>
#include <QTimer>
#include <QUrlQuery>

namespace {
const char* const kApiKey = "Qw7rTz2mNp4XbL9kVc3HsJ8dFg6YaE5u";
const char* const kPreview = "fixed_width_small";
const char* const kOriginal = "original";
const char* const kRandomIdKey = "GiphyRandomId";
constexpr int kIdRole = Qt::UserRole + 1;
constexpr int kUrlRole = Qt::UserRole + 3;
constexpr int kRequestDelayMs = 30;
constexpr int kMinPageSize = 30;
constexpr int kListMargins = 20;
constexpr int kIndicatorSide = 80;
constexpr int kSmallIndicatorSide = 30;
constexpr int kIndicatorBottomGap = 15;

const char* const kSearchStyle = "color: white; background-color: rgb(44,45,46); padding: 0px 5px 0px 40px;"
                                 " border: none; border-radius: 5px;";
const char* const kListStyle =
    "QListWidget { background: transparent; color: white; margin: 10px; border: none; }"
    "QToolTip { background-color: rgb(54,200,255); color: white; padding: 2px; border-radius: 3px; }";
// Set on the scroll bar itself: the explorer's own sheet reaches every child.
const char* const kScrollBarStyle =
    "QScrollBar:vertical { width: 15px; margin: 3px; background: #2A2929; border: 1px solid transparent;"
    " border-radius: 4px; }"
    "QScrollBar::handle:vertical { background: #6b6b6b; min-height: 30px; border-radius: 4px; }"
    "QScrollBar::handle:vertical:hover, QScrollBar::handle:vertical:pressed { background: #a4a5a7; }"
    "QScrollBar::sub-line:vertical { height: 10px; width: 10px; subcontrol-position: top;"
    " border-image: url(:/icons/res/icons/png/up_arrow_disabled.png); }"
    "QScrollBar::sub-line:vertical:hover, QScrollBar::sub-line:vertical:pressed {"
    " border-image: url(:/icons/res/icons/png/up_arrow.png); }"
    "QScrollBar::add-line:vertical { height: 10px; width: 10px; subcontrol-position: bottom;"
    " border-image: url(:/icons/res/icons/png/down_arrow_disabled.png); }"
    "QScrollBar::add-line:vertical:hover, QScrollBar::add-line:vertical:pressed {"
    " border-image: url(:/icons/res/icons/png/down_arrow.png); }"
    "QScrollBar::up-arrow:vertical, QScrollBar::down-arrow:vertical { background: none; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }";

bool isSuccess(int status)
{
    return status >= 200 && status <= 299;
}

int httpStatus(QNetworkReply* reply)
{
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}
} // namespace

GiphyGifsWidget::GiphyGifsWidget(QSettings* settings, QWidget* parent)
    : QWidget(parent)
    , _ui(new Ui::GiphyGifsWidget)
    , _network(new QNetworkAccessManager(this))
    , _settings(settings)
    , _previewNetwork(new QNetworkAccessManager(this))
    , _cache(new GiphyGifsCache(this))
{
    _ui->setupUi(this);
    _type = _settings->value("Giphy/Type", _type).toInt() == 1 ? 1 : 0;
    connect(_previewNetwork, &QNetworkAccessManager::finished, this, &GiphyGifsWidget::onGifDownloadFinished);
    _delegate = new GiphyGifsWidgetItemDelegate(devicePixelRatioF(), this);
    _setUpSearchField();
    _setUpList();
    _setUpTypeButtons();
    _randomId = QSettings().value(kRandomIdKey).toString();
    QTimer::singleShot(kRequestDelayMs, this, &GiphyGifsWidget::_firstRequest);
}

GiphyGifsWidget::~GiphyGifsWidget()
{
    _settings->setValue("Giphy/Type", _type);
    _clearMovies();
    for (QNetworkReply* reply : {_apiReply, _downloadReply}) {
        if (reply)
            reply->disconnect(this);
        delete reply;
    }
    delete _ui;
}

void GiphyGifsWidget::_setUpSearchField()
{
    IconLineEdit* edit = _ui->lineEdit;
    edit->setStyleSheet(kSearchStyle);
    edit->setAttribute(Qt::WA_MacShowFocusRect, false);
    edit->setIcon(QPixmap(":/images/media-explorer/giphy_search_icon"));
    edit->setIconSize(QSize(20, 20));
    edit->setIconLeft(10);
    connect(edit, &QLineEdit::returnPressed, this, &GiphyGifsWidget::onLineEditReturnPressed);
    connect(edit, &QLineEdit::textEdited, this, &GiphyGifsWidget::onLineEditTextEdited);
    _ui->cancelSearchButton->hide();
    connect(_ui->cancelSearchButton, &QPushButton::clicked, this, &GiphyGifsWidget::onCancelSearchButtonClicked);
}

void GiphyGifsWidget::_setUpList()
{
    GiphyGifsListWidget* list = _ui->listWidget;
    list->setViewMode(QListView::IconMode);
    list->setDragDropMode(QAbstractItemView::DragOnly);
    list->setGridSize(GiphyGifsWidgetItemDelegate::itemSize());
    list->setResizeMode(QListView::Adjust);
    list->setItemDelegate(_delegate);
    list->setStyleSheet(kListStyle);
    list->verticalScrollBar()->setStyleSheet(kScrollBarStyle);
    connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &GiphyGifsWidget::onVerticalScrollBarValueChanged);
    // Queued: a click is handled after the event that caused it has finished.
    connect(list, &QListWidget::itemClicked, this, &GiphyGifsWidget::onItemClicked, Qt::QueuedConnection);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, &GiphyGifsWidget::onCustomContextMenuRequested,
            Qt::QueuedConnection);
    connect(list, &GiphyGifsListWidget::fetchGifPathForItem, this, &GiphyGifsWidget::onFetchGifPathForItem,
            Qt::DirectConnection);
}

void GiphyGifsWidget::_setUpTypeButtons()
{
    _ui->gifTypeButton->setNormalIcon(":/images/media-explorer/giphy_gif_dark");
    _ui->gifTypeButton->setHighlightedIcon(":/images/media-explorer/giphy_gif_dark_hl");
    _ui->stickerTypeButton->setNormalIcon(":/images/media-explorer/giphy_sticker_dark");
    _ui->stickerTypeButton->setHighlightedIcon(":/images/media-explorer/giphy_sticker_dark_hl");
    _ui->gifTypeButton->setHighlighted(_type == 0);
    _ui->stickerTypeButton->setHighlighted(_type == 1);
    connect(_ui->gifTypeButton, &QPushButton::clicked, this, &GiphyGifsWidget::onGifTypeButtonClicked);
    connect(_ui->stickerTypeButton, &QPushButton::clicked, this, &GiphyGifsWidget::onStickerTypeButtonClicked);
}

void GiphyGifsWidget::_firstRequest()
{
    const QSize cell = GiphyGifsWidgetItemDelegate::itemSize();
    const int columns = (_ui->listWidget->width() - kListMargins) / cell.width();
    const int rows = (_ui->listWidget->height() - kListMargins) / cell.height() + 1;
    _pageSize = std::max(kMinPageSize, columns * rows);
    if (_randomId.isEmpty())
        _requestRandomId();
    else
        _requestGifs();
}

QNetworkReply* GiphyGifsWidget::_getApi(const QString& path, const QList<QPair<QString, QString>>& query)
{
    QString root = Util::gifApiRoot();
    while (root.endsWith('/'))
        root.chop(1);
    QUrl url(root + "/" + path);
    // Values go in encoded, so that "&", "#" or "+" in a search stay part of it.
    QUrlQuery urlQuery;
    for (const auto& item : query)
        urlQuery.addQueryItem(item.first, QString::fromLatin1(QUrl::toPercentEncoding(item.second)));
    url.setQuery(urlQuery);
    QNetworkReply* reply = _network->get(QNetworkRequest(url));
    connect(reply, &QNetworkReply::finished, this, &GiphyGifsWidget::onNetworkReplyFinished);
    return reply;
}

void GiphyGifsWidget::_requestGifs()
{
    if (_requestState != 0)
        return;
    _requestState = 2;
    _showWaitingIndicator();
    const QString search = _ui->lineEdit->text().trimmed();
    const QString kind = _type == 1 ? "stickers" : "gifs";
    QList<QPair<QString, QString>> query{{"api_key", kApiKey},
                                         {"offset", QString::number(_offset)},
                                         {"limit", QString::number(_pageSize)},
                                         {"rating", "g"},
                                         {"random_id", _randomId}};
    if (!search.isEmpty())
        query.append({"q", search});
    _apiReply = _getApi(kind + (search.isEmpty() ? "/trending" : "/search"), query);
}

void GiphyGifsWidget::_requestRandomId()
{
    if (_requestState != 0)
        return;
    _requestState = 1;
    _showWaitingIndicator();
    _apiReply = _getApi("randomid", {{"api_key", kApiKey}});
}

void GiphyGifsWidget::onNetworkReplyFinished()
{
    if (_requestState == 1)
        _parseRandomIdReply();
    else if (_requestState == 2)
        _parseGifsReply();
    if (_apiReply)
        _apiReply->deleteLater();
    _apiReply = nullptr;
}

// The API reply's JSON object; on a failure shows its message and returns false.
bool GiphyGifsWidget::_readReply(QNetworkReply* reply, const QString& transportMessage, QJsonObject& object)
{
    _hideWaitingIndicator();
    _requestState = 0;
    if (reply->error() != QNetworkReply::NoError) {
        qDebug() << "Network error " << reply->error();
        emit showTextMessage(transportMessage);
        return false;
    }
    const int status = httpStatus(reply);
    qDebug() << "Network status code:" << status;
    if (!isSuccess(status)) {
        emit showTextMessage(tr("Network failed (Status code=%1)").arg(status));
        return false;
    }
    QJsonParseError parseError;
    object = QJsonDocument::fromJson(reply->readAll(), &parseError).object();
    if (parseError.error != QJsonParseError::NoError) {
        emit showTextMessage(tr("Parse data error (code=%1)").arg(int(parseError.error)));
        return false;
    }
    return true;
}

void GiphyGifsWidget::_parseGifsReply()
{
    QJsonObject document;
    if (!_readReply(_apiReply, tr("Network error (code=%1)").arg(int(_apiReply->error())), document))
        return;
    for (const QJsonValue& value : document.value("data").toArray()) {
        const QJsonObject gif = value.toObject();
        if (!gif.isEmpty())
            _addGif(gif);
    }
    const QJsonObject pagination = document.value("pagination").toObject();
    if (!pagination.isEmpty()) {
        _offset = pagination.value("offset").toInt() + pagination.value("count").toInt();
        _totalCount = pagination.value("total_count").toInt();
    }
}

void GiphyGifsWidget::_addGif(const QJsonObject& gif)
{
    const QString id = gif.value("id").toString();
    if (!GiphyGifsCache::isUsableId(id)) {
        qDebug() << "Giphy: skipped an item with the id" << id;
        return;
    }
    const QString title = gif.value("title").toString();
    const QJsonObject images = gif.value("images").toObject();
    const QString previewUrl = images.value(kPreview).toObject().value("url").toString();
    const QJsonObject original = images.value(kOriginal).toObject();
    QString sizeText;
    if (!original.isEmpty()) {
        sizeText = QString("%1x%2")
                       .arg(original.value("width").toString().toInt())
                       .arg(original.value("height").toString().toInt());
    }
    auto* item = new QListWidgetItem(title);
    item->setData(kIdRole, id);
    item->setData(kUrlRole, original.value("url").toString());
    item->setToolTip(sizeText.isEmpty() ? title : title + "\n" + sizeText);
    item->setSizeHint(GiphyGifsWidgetItemDelegate::itemSize());
    _ui->listWidget->addItem(item);
    const int row = _ui->listWidget->row(item);
    const QString cached = _cache->cachePathForId(id, kPreview);
    if (cached.isEmpty())
        _fetchPreview(id, previewUrl, row);
    else
        _startMovie(cached, row);
}

void GiphyGifsWidget::_fetchPreview(const QString& id, const QString& url, int row)
{
    QNetworkReply* reply = _previewNetwork->get(QNetworkRequest(QUrl(url)));
    reply->setProperty("id", id);
    reply->setProperty("rendition", kPreview);
    reply->setProperty("row", row);
}

void GiphyGifsWidget::_parseRandomIdReply()
{
    const QString transport =
        tr("Network error (code=%1 %2)").arg(int(_apiReply->error())).arg(_apiReply->errorString());
    QJsonObject document;
    if (!_readReply(_apiReply, transport, document))
        return;
    const QJsonObject data = document.value("data").toObject();
    if (data.isEmpty())
        return;
    _randomId = data.value("random_id").toString();
    qDebug() << "Random Id: " << _randomId;
    if (_randomId.isEmpty())
        return;
    QSettings().setValue(kRandomIdKey, _randomId);
    QTimer::singleShot(kRequestDelayMs, this, &GiphyGifsWidget::_requestGifs);
}

void GiphyGifsWidget::onGifDownloadFinished(QNetworkReply* reply)
{
    reply->deleteLater();
    const QString id = reply->property("id").toString();
    const QString rendition = reply->property("rendition").toString();
    const int row = reply->property("row").toInt();
    if (reply->error() != QNetworkReply::NoError) {
        qDebug() << "Download error " << id << reply->error();
        return;
    }
    qDebug() << "Download status code:" << httpStatus(reply);
    if (!isSuccess(httpStatus(reply)))
        return;
    const QString path = _cache->setCacheForId(reply->readAll(), id, rendition);
    QListWidgetItem* item = _ui->listWidget->item(row);
    if (!path.isEmpty() && item && item->data(kIdRole).toString() == id)
        _startMovie(path, row);
}

void GiphyGifsWidget::_startMovie(const QString& path, int row)
{
    auto* movie = new QMovie(path, QByteArray(), this);
    movie->setProperty("row", row);
    connect(movie, &QMovie::frameChanged, this, &GiphyGifsWidget::onMovieFrameChanged);
    _movies.append(movie);
    movie->start();
    // A hidden page plays nothing; showing it starts every movie.
    if (!isVisible())
        movie->setPaused(true);
}

void GiphyGifsWidget::onMovieFrameChanged(int)
{
    auto* movie = qobject_cast<QMovie*>(sender());
    QListWidgetItem* item = movie ? _ui->listWidget->item(movie->property("row").toInt()) : nullptr;
    if (item)
        item->setData(GiphyGifsWidgetItemDelegate::FrameRole, movie->currentPixmap());
}

void GiphyGifsWidget::_clearMovies()
{
    qDeleteAll(_movies);
    _movies.clear();
}

void GiphyGifsWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    for (QMovie* movie : qAsConst(_movies)) {
        if (movie->state() == QMovie::Paused)
            movie->setPaused(false);
        else
            movie->start();
    }
    _placeWaitingIndicator();
}

void GiphyGifsWidget::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    for (QMovie* movie : qAsConst(_movies))
        movie->setPaused(true);
}

void GiphyGifsWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    _placeWaitingIndicator();
}

void GiphyGifsWidget::onVerticalScrollBarValueChanged(int value)
{
    QScrollBar* bar = _ui->listWidget->verticalScrollBar();
    if (value <= 0 || value < bar->maximum())
        return;
    qDebug() << "Giphy gifs reach bottom";
    if (_offset < _totalCount - 1)
        _requestGifs();
}

// A reset drops a list request still on its way: its results belong to the
// list being cleared.
void GiphyGifsWidget::_abortListRequest()
{
    if (_requestState != 2 || !_apiReply)
        return;
    QNetworkReply* reply = _apiReply;
    _apiReply = nullptr;
    _requestState = 0;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    _hideWaitingIndicator();
}

void GiphyGifsWidget::_resetAndRequest()
{
    _abortListRequest();
    _clearMovies();
    _ui->listWidget->clear();
    _offset = 0;
    _totalCount = 0;
    _requestGifs();
}

void GiphyGifsWidget::_setType(int type)
{
    if (_type == type || _requestState != 0)
        return;
    _type = type;
    _ui->gifTypeButton->setHighlighted(type == 0);
    _ui->stickerTypeButton->setHighlighted(type == 1);
    _resetAndRequest();
}

void GiphyGifsWidget::onGifTypeButtonClicked()
{
    _setType(0);
}

void GiphyGifsWidget::onStickerTypeButtonClicked()
{
    _setType(1);
}

void GiphyGifsWidget::onLineEditReturnPressed()
{
    if (_ui->lineEdit->text().trimmed().isEmpty())
        return;
    _ui->listWidget->setFocus(Qt::OtherFocusReason);
    _resetAndRequest();
}

void GiphyGifsWidget::onLineEditTextEdited(const QString&)
{
    if (_ui->cancelSearchButton->isHidden())
        _ui->cancelSearchButton->show();
}

void GiphyGifsWidget::onCancelSearchButtonClicked()
{
    _ui->listWidget->setFocus(Qt::OtherFocusReason);
    _ui->lineEdit->clear();
    _resetAndRequest();
    _ui->cancelSearchButton->hide();
}

void GiphyGifsWidget::onCustomContextMenuRequested(const QPoint& pos)
{
    if (!_ui->listWidget->itemAt(pos))
        _showContextMenu(_ui->listWidget->mapToGlobal(pos));
}

void GiphyGifsWidget::_showContextMenu(const QPoint& globalPos)
{
    QPointer<QMenu> menu = new QMenu(this);
    menu->setWindowFlags(menu->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    menu->setAttribute(Qt::WA_TranslucentBackground);
    Util::setPopupMenuStyleSheet(menu);
    QAction* refresh = menu->addAction(tr("Refresh"));
    refresh->setShortcut(QKeySequence());
    QPointer<GiphyGifsWidget> self(this);
    QAction* chosen = menu->exec(globalPos);
    if (!self)
        return;
    delete menu.data();
    if (chosen == refresh)
        _resetAndRequest();
}

void GiphyGifsWidget::onItemClicked(QListWidgetItem* item)
{
    const QString id = item->data(kIdRole).toString();
    QString filePath = _cache->cachePathForId(id, kOriginal);
    const bool missing = filePath.isEmpty();
    if (missing)
        filePath = _cache->cachePathForId(id, kPreview);
    const QString name = filePath.isEmpty() ? id : QFileInfo(filePath).baseName();
    emit giphyItemClicked(name, filePath, _delegate->placeholder());
    if (missing) {
        // The latest click is the one to hand on again: a file still arriving
        // for an earlier click is not.
        _pendingId = id;
        downloadGif(id, item->data(kUrlRole).toString());
    }
}

void GiphyGifsWidget::downloadGif(const QString& id, const QString& url)
{
    if (_downloadReply)
        return;
    if (!GiphyGifsCache::isUsableId(id)) {
        // Nothing can be stored under such an id; the caller still hears the end.
        emit downloadFinished(CacheWriteError, id, QString());
        return;
    }
    emit showProgressHUD(tr("Downloading file..."), 0.0f);
    _downloadReply = _network->get(QNetworkRequest(QUrl(url)));
    _downloadReply->setProperty("id", id);
    connect(_downloadReply, &QNetworkReply::finished, this, &GiphyGifsWidget::onDownloadReplyFinished);
    connect(_downloadReply, &QNetworkReply::downloadProgress, this, &GiphyGifsWidget::onDownloadReplyProgress);
}

void GiphyGifsWidget::onDownloadReplyProgress(qint64 bytesReceived, qint64 bytesTotal)
{
    qDebug() << "Download gif progress " << bytesReceived << bytesTotal;
    // Qt reports 0 of 0 (or an unknown total of -1) on error replies.
    const double progress = bytesTotal > 0 ? double(bytesReceived) / double(bytesTotal) : 0.0;
    emit showProgressHUD(tr("Downloading file..."), float(progress));
}

void GiphyGifsWidget::onDownloadReplyFinished()
{
    emit hideProgressHUD();
    QNetworkReply* reply = _downloadReply;
    const QString id = reply->property("id").toString();
    int error = int(reply->error());
    QString path;
    if (error != QNetworkReply::NoError) {
        qDebug() << "Download gif error " << id << reply->error();
    } else {
        const int status = httpStatus(reply);
        qDebug() << "Download gif status code:" << status;
        // A redirect or other non-success status is no file either; it is
        // reported with the status as the code.
        if (!isSuccess(status))
            error = status;
        else if ((path = _cache->setCacheForId(reply->readAll(), id, kOriginal)).isEmpty())
            error = CacheWriteError;
    }
    reply->deleteLater();
    _downloadReply = nullptr;
    _finishDownload(error, id, path);
}

void GiphyGifsWidget::_finishDownload(int error, const QString& id, const QString& path)
{
    const bool wasPending = _pendingId == id;
    _pendingId.clear();
    if (error != 0) {
        const QString stale = _cache->cachePathForId(id, kOriginal);
        if (!stale.isEmpty())
            QFile::remove(stale);
        emit showTextMessage(tr("Download error (code=%1)").arg(error));
        emit downloadFinished(error, id, QString());
        return;
    }
    emit downloadFinished(0, id, path);
    // The click that asked for the file is handed on again, now with it.
    if (wasPending)
        emit giphyItemClicked(QFileInfo(path).baseName(), path, _delegate->placeholder());
}

void GiphyGifsWidget::onFetchGifPathForItem(QListWidgetItem* item, QString& outId, QString& outPath,
                                            QString& outUrl, float& outDuration, float& outScale)
{
    outId = item->data(kIdRole).toString();
    outUrl = item->data(kUrlRole).toString();
    outPath = _cache->cachePathForId(outId, kOriginal);
    const int row = _ui->listWidget->row(item);
    for (QMovie* movie : qAsConst(_movies)) {
        if (movie->property("row").toInt() != row)
            continue;
        outDuration = float(Util::animatedImageDuration(movie->fileName()));
        if (outDuration == 0.0f)
            outDuration = movie->frameCount() * movie->nextFrameDelay() / 1000.0f;
        break;
    }
    outScale = 0.5f;
}

void GiphyGifsWidget::_showWaitingIndicator()
{
    if (!_waitingIndicator) {
        _waitingIndicator = new AnimatedLabel(this, ":/images/loading_hud_dark-2");
        const int side = _ui->listWidget->count() == 0 ? kIndicatorSide : kSmallIndicatorSide;
        _waitingIndicator->setFixedSize(side, side);
    }
    _placeWaitingIndicator();
    _waitingIndicator->show();
    _waitingIndicator->start(0);
}

void GiphyGifsWidget::_hideWaitingIndicator()
{
    delete _waitingIndicator;
    _waitingIndicator = nullptr;
}

void GiphyGifsWidget::_placeWaitingIndicator()
{
    if (!_waitingIndicator)
        return;
    const int x = (width() - _waitingIndicator->width()) / 2;
    const int y = _ui->listWidget->count() == 0
                      ? (height() - _waitingIndicator->height()) / 2
                      : height() - _ui->bottomPanel->height() - kIndicatorBottomGap;
    _waitingIndicator->move(x, y);
}
