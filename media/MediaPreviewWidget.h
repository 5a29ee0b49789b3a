#pragma once

#include <QMediaPlayer>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

class MediaPreviewControlWidget;
class QGraphicsScene;
class QGraphicsVideoItem;
class QGraphicsView;
class QLabel;
class QMovie;
namespace Ui {
class MediaPreviewWidget;
}

// Plays or shows one item of the media library (a video, a picture, a music
// track or an animated GIF) in the place of the editor's player, with a
// control bar that floats over its bottom edge unless the main window docks
// it in a panel of its own.
class MediaPreviewWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MediaPreviewWidget(QWidget* parent);
    ~MediaPreviewWidget() override;

    // The five values of the media explorer's click. type: 1 video, 2 picture,
    // 3 audio, 4 GIF. A video's metadata reads "duration;WxH;rotation".
    void showMedia(const QString& mediaId, int type, const QString& filePath, const QPixmap& image,
                   const QString& metadata);
    // Stops the item and takes the bar away; the caller hides the preview.
    void close();
    // The media id of the item shown, empty when none is.
    QString filePath() const;
    // The preview has no window of its own to follow the main window's moves.
    void relayoutControlIfFloating();

signals:
    void displayMediaPreviewControlWidgetExternal(MediaPreviewControlWidget* controlWidget);
    void hideMediaPreviewControlWidgetExternal(MediaPreviewControlWidget* controlWidget);
    void didPressClose();

public slots:
    void onMediaControlWidgetPlayPauseButtonClicked();
    void onMediaControlWidgetPauseIfPlaying(bool& playing);
    void onMediaControlWidgetNeedToPlay();
    void onMediaControlWidgetSeekToPosition(int value);
    void onMediaControlWidgetCloseButtonClicked();
    void onMediaPlayerPositionChanged(qlonglong position);
    void onMediaPlayerStateChanged(QMediaPlayer::State state);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void _reset();
    void _showVideo(const QString& filePath);
    void _showMusic(const QString& filePath, const QPixmap& image);
    void _showPicture(const QString& filePath, int type, const QPixmap& image);
    // Starts the item as an animation; false when it has no more than a
    // still to show.
    bool _startMovie(const QString& filePath);
    void _createVideoView();
    void _createPlayer();
    void _onMediaPlayerStatusChanged(QMediaPlayer::MediaStatus status);
    void _createControlWidget();
    void _layout();
    void _layoutVideo(const QRect& rect);
    int _videoRotation() const;
    void _placeControlWidget();

    Ui::MediaPreviewWidget* ui;
    QMediaPlayer* player = nullptr;
    QGraphicsView* view = nullptr;
    QGraphicsVideoItem* videoItem = nullptr;
    QGraphicsScene* scene = nullptr;
    QString mediaId;
    QString metadata;
    QSize mediaSize;
    QMovie* movie = nullptr;
    // A seek asked for while the player still loads its media (a slider
    // value), or -1.
    int pendingSeekValue = -1;
    MediaPreviewControlWidget* controlWidget = nullptr;
};
