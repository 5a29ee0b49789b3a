#include "MediaPreviewWidget.h"

#include "MediaPreviewControlWidget.h"
#include "Util.h"
#include "ui_MediaPreviewWidget.h"

#include <QFileInfo>
#include <QGraphicsScene>
#include <QGraphicsVideoItem>
#include <QGraphicsView>
#include <QMovie>
#include <QResizeEvent>
#include <QtMath>

namespace {

const char* const kMusicArtwork = ":/images/media-explorer/music_preview_artwork_preview";
// The media library gives a sound without cover art a placeholder of this size.
const QSize kMusicPlaceholderSize(192, 192);
const int kVideoType = 1;
const int kPictureType = 2;
const int kAudioType = 3;
const int kGifType = 4;
const int kBarMargin = 20;

int roundHalfUp(qreal value)
{
    return qFloor(value + 0.5);
}

// A picture smaller than its label in both directions keeps its own size,
// centred; any other is stretched over the label.
void applyScaledContents(QLabel* label, const QSize& contentSize)
{
    const bool smaller = contentSize.width() < label->width() && contentSize.height() < label->height();
    label->setScaledContents(!smaller);
}

QUrl musicUrl(const QString& filePath)
{
    // Built-in music lives in the resources, which the player reaches by URL.
    if (filePath.startsWith(':'))
        return QUrl("qrc" + filePath);
    return QUrl::fromLocalFile(filePath);
}

} // namespace

MediaPreviewWidget::MediaPreviewWidget(QWidget* parent) : QWidget(parent), ui(new Ui::MediaPreviewWidget)
{
    ui->setupUi(this);
}

MediaPreviewWidget::~MediaPreviewWidget()
{
    _reset();
    delete videoItem;
    delete view;
    delete scene;
    delete ui;
}

void MediaPreviewWidget::showMedia(const QString& mediaId, int type, const QString& filePath, const QPixmap& image,
                                   const QString& metadata)
{
    _reset();
    this->mediaId = mediaId;
    mediaSize = image.size();
    this->metadata = metadata;
    if (type == kVideoType)
        _showVideo(filePath);
    else if (type == kAudioType)
        _showMusic(filePath, image);
    else if (type == kPictureType || type == kGifType)
        _showPicture(filePath, type, image);

    if (!controlWidget)
        _createControlWidget();
    emit displayMediaPreviewControlWidgetExternal(controlWidget);
    _placeControlWidget();
    controlWidget->show();
    controlWidget->setControlsEnabled(type != kPictureType && type != kGifType);
    controlWidget->setPlaying(player && player->state() == QMediaPlayer::PlayingState);
    controlWidget->setTime(0, 0);
}

void MediaPreviewWidget::close()
{
    _reset();
    if (!controlWidget)
        return;
    emit hideMediaPreviewControlWidgetExternal(controlWidget);
    controlWidget->hide();
}

QString MediaPreviewWidget::filePath() const
{
    return mediaId;
}

void MediaPreviewWidget::relayoutControlIfFloating()
{
    // The bar floats inside the preview or sits in the main window's panel;
    // either way it moves with its parent.
}

void MediaPreviewWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    _layout();
    _placeControlWidget();
}

void MediaPreviewWidget::_reset()
{
    mediaId.clear();
    pendingSeekValue = -1;
    if (player) {
        player->stop();
        delete player;
        player = nullptr;
    }
    if (view)
        view->hide();
    if (movie) {
        movie->stop();
        delete movie;
        movie = nullptr;
    }
    ui->artworkLabel->setPixmap(QPixmap());
    ui->pictureLabel->setPixmap(QPixmap());
}

void MediaPreviewWidget::_showVideo(const QString& filePath)
{
    ui->stackedWidget->setCurrentWidget(ui->videoPage);
    if (!view)
        _createVideoView();
    _layout();
    _createPlayer();
    // A video clicked before the library read its facts comes without
    // metadata; it still plays, unturned.
    player->setMedia(QUrl::fromLocalFile(filePath));
    player->setVideoOutput(videoItem);
    player->play();
    view->show();
}

void MediaPreviewWidget::_showMusic(const QString& filePath, const QPixmap& image)
{
    ui->stackedWidget->setCurrentWidget(ui->audioPage);
    _layout();
    _createPlayer();
    player->setMedia(musicUrl(filePath));
    player->play();
    const QPixmap artwork = image.size() == kMusicPlaceholderSize ? QPixmap(kMusicArtwork) : image;
    ui->artworkLabel->setPixmap(artwork);
    applyScaledContents(ui->artworkLabel, artwork.size());
}

void MediaPreviewWidget::_showPicture(const QString& filePath, int type, const QPixmap& image)
{
    ui->stackedWidget->setCurrentWidget(ui->imagePage);
    _layout();
    applyScaledContents(ui->pictureLabel, image.size());
    const bool gif = QFileInfo(filePath).suffix().toLower() == "gif" || type == kGifType;
    // A still picture is shown at the library's resolution, not read again.
    if (!gif || !_startMovie(filePath))
        ui->pictureLabel->setPixmap(image);
}

bool MediaPreviewWidget::_startMovie(const QString& filePath)
{
    auto* candidate = new QMovie(filePath, QByteArray(), this);
    if (!candidate->isValid() || candidate->frameCount() <= 1
        || candidate->lastError() != QImageReader::UnknownError) {
        delete candidate;
        return false;
    }
    movie = candidate;
    ui->pictureLabel->setMovie(movie);
    movie->start();
    mediaSize = movie->currentPixmap().size();
    _layout();
    applyScaledContents(ui->pictureLabel, mediaSize);
    return true;
}

void MediaPreviewWidget::_createVideoView()
{
    scene = new QGraphicsScene(this);
    view = new QGraphicsView(scene, ui->videoPage);
    view->setStyleSheet("background-color: black; border: none;");
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    videoItem = new QGraphicsVideoItem;
    scene->addItem(videoItem);
}

void MediaPreviewWidget::_createPlayer()
{
    player = new QMediaPlayer(this);
    connect(player, &QMediaPlayer::stateChanged, this, &MediaPreviewWidget::onMediaPlayerStateChanged);
    connect(player, &QMediaPlayer::positionChanged, this, &MediaPreviewWidget::onMediaPlayerPositionChanged);
    connect(player, &QMediaPlayer::mediaStatusChanged, this, &MediaPreviewWidget::_onMediaPlayerStatusChanged);
}

void MediaPreviewWidget::_onMediaPlayerStatusChanged(QMediaPlayer::MediaStatus status)
{
    if (pendingSeekValue < 0 || status == QMediaPlayer::LoadingMedia)
        return;
    const int value = pendingSeekValue;
    pendingSeekValue = -1;
    onMediaControlWidgetSeekToPosition(value);
}

void MediaPreviewWidget::_createControlWidget()
{
    controlWidget = new MediaPreviewControlWidget(this);
    connect(controlWidget, &MediaPreviewControlWidget::playPauseButtonClicked, this,
            &MediaPreviewWidget::onMediaControlWidgetPlayPauseButtonClicked);
    // The answer is written into the bar's flag before the signal returns.
    connect(controlWidget, &MediaPreviewControlWidget::pauseIfPlaying, this,
            &MediaPreviewWidget::onMediaControlWidgetPauseIfPlaying, Qt::DirectConnection);
    connect(controlWidget, &MediaPreviewControlWidget::seekToPosition, this,
            &MediaPreviewWidget::onMediaControlWidgetSeekToPosition);
    connect(controlWidget, &MediaPreviewControlWidget::needToPlay, this,
            &MediaPreviewWidget::onMediaControlWidgetNeedToPlay);
    connect(controlWidget, &MediaPreviewControlWidget::closeButtonClicked, this,
            &MediaPreviewWidget::onMediaControlWidgetCloseButtonClicked);
}

void MediaPreviewWidget::_layout()
{
    // An item without a picture (a video clicked before its thumbnail was
    // made) has no aspect: it fills the preview.
    QRect r = rect();
    if (!mediaSize.isEmpty()) {
        const QRectF fit = Util::aspectFitRect(mediaSize.width(), mediaSize.height(), QRectF(rect()));
        r = QRect(roundHalfUp(fit.x()), roundHalfUp(fit.y()), roundHalfUp(fit.width()), roundHalfUp(fit.height()));
    }
    QWidget* page = ui->stackedWidget->currentWidget();
    if (page == ui->imagePage)
        ui->pictureLabel->setGeometry(r);
    else if (page == ui->audioPage)
        ui->artworkLabel->setGeometry(r);
    else if (page == ui->videoPage && view)
        _layoutVideo(r);
}

void MediaPreviewWidget::_layoutVideo(const QRect& rect)
{
    view->setGeometry(rect);
    const qreal w = rect.width();
    const qreal h = rect.height();
    // The scene is exactly what the view shows, so the turned item lands in
    // the view's top-left corner whatever the shape (a larger scene would
    // scroll, a smaller one would be centred).
    scene->setSceneRect(0, 0, w, h);
    QTransform transform;
    switch (_videoRotation()) {
    case 270:
        videoItem->setSize(QSizeF(h, w));
        transform.translate(h / 2, h / 2).rotate(270).translate(-h / 2, -h / 2);
        break;
    case 90:
        videoItem->setSize(QSizeF(h, w));
        transform.translate(w / 2, w / 2).rotate(90).translate(-w / 2, -w / 2);
        break;
    case 180:
        videoItem->setSize(QSizeF(w, h));
        transform.translate(w / 2, h / 2).rotate(180).translate(-w / 2, -h / 2);
        break;
    default:
        videoItem->setSize(QSizeF(w, h));
        break;
    }
    videoItem->setTransform(transform);
}

int MediaPreviewWidget::_videoRotation() const
{
    const QStringList fields = metadata.split(';', Qt::KeepEmptyParts);
    return fields.size() < 3 ? 0 : fields[2].toInt();
}

void MediaPreviewWidget::_placeControlWidget()
{
    if (!controlWidget || controlWidget->parentWidget() != this)
        return;
    controlWidget->setGeometry(kBarMargin, height() - kBarMargin - controlWidget->height(), width() - 2 * kBarMargin,
                               controlWidget->height());
}

void MediaPreviewWidget::onMediaControlWidgetPlayPauseButtonClicked()
{
    if (!player)
        return;
    if (player->state() == QMediaPlayer::PlayingState)
        player->pause();
    else
        player->play();
}

void MediaPreviewWidget::onMediaControlWidgetPauseIfPlaying(bool& playing)
{
    if (!player)
        return;
    playing = player->state() == QMediaPlayer::PlayingState;
    if (playing)
        player->pause();
}

void MediaPreviewWidget::onMediaControlWidgetNeedToPlay()
{
    if (player)
        player->play();
}

void MediaPreviewWidget::onMediaControlWidgetSeekToPosition(int value)
{
    if (!player)
        return;
    // The back end drops a seek made while the media loads, and the duration
    // is not known yet: the seek waits for the load.
    if (player->mediaStatus() == QMediaPlayer::LoadingMedia)
        pendingSeekValue = value;
    else
        player->setPosition(player->duration() * value / 100);
}

void MediaPreviewWidget::onMediaControlWidgetCloseButtonClicked()
{
    emit didPressClose();
}

void MediaPreviewWidget::onMediaPlayerPositionChanged(qlonglong position)
{
    if (!controlWidget || !player || player->duration() <= 0)
        return;
    controlWidget->setTime(position / 1000.0f, player->duration() / 1000.0f);
}

void MediaPreviewWidget::onMediaPlayerStateChanged(QMediaPlayer::State state)
{
    if (controlWidget)
        controlWidget->setPlaying(state == QMediaPlayer::PlayingState);
}
