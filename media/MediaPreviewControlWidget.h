#pragma once

#include <QWidget>

namespace Ui {
class MediaPreviewControlWidget;
}

// The media preview's control bar: close, play/pause, elapsed time, position
// slider and remaining time. It only reports what the user does; the preview
// decides what happens to its player.
class MediaPreviewControlWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MediaPreviewControlWidget(QWidget* parent);
    ~MediaPreviewControlWidget() override;

    // Everything but the close button.
    void setControlsEnabled(bool enabled);
    void setPlaying(bool playing);
    // Position and duration in seconds.
    void setTime(float position, float duration);

signals:
    void playPauseButtonClicked();
    // Asks whether the item was playing (and pauses it) before a seek by drag.
    void pauseIfPlaying(bool& playing);
    void needToPlay();
    // value: the slider position, a percentage of the duration.
    void seekToPosition(int value);
    void closeButtonClicked();

public slots:
    void onSliderPressed();
    void onSliderReleased();
    void onSliderValueChanged(int value);

private:
    void _applyLooks();

    Ui::MediaPreviewControlWidget* ui;
    bool seeking = false;
    bool wasPlaying = false;
};
