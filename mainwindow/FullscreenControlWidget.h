#pragma once

#include <QTimer>
#include <QWidget>

namespace Ui {
class FullscreenControlWidget;
}

// The floating play and seek bar over the full-screen preview. It only
// reports what the user asks; the window carries it out and feeds back the
// playing state and the position. While playing it hides itself after three
// seconds without interaction; while paused it stays.
class FullscreenControlWidget : public QWidget
{
    Q_OBJECT

public:
    explicit FullscreenControlWidget(QWidget* parent = nullptr);
    ~FullscreenControlWidget() override;

    void setPlaying(bool playing);
    // Times in seconds; the slider runs from 0 to 100 over the duration.
    void setPosition(float current, float duration);
    // Restarts the countdown and shows the bar (the mouse moved).
    void showControls();

signals:
    void playPauseButtonClicked();
    void nextPositionButtonClicked();
    void previousPositionButtonClicked();
    void fullscreenButtonClicked();
    // The receiver pauses and answers whether playback was running; it
    // must be connected directly so the answer is there on return.
    void pauseIfPlaying(bool& playing);
    void needToPlay();
    void seekToPosition(int value);

public slots:
    void onSliderPressed();
    void onSliderReleased();
    void onSliderValueChanged(int value);
    void autoHide();

private:
    void _applyStyles();
    void _restartCountdown();

    Ui::FullscreenControlWidget* _ui;
    bool _sliderPressed = false;
    bool _wasPlaying = false;
    bool _playing = false;
    int _countdownMs = kNever;
    QTimer* _autoHideTimer;

    static constexpr int kNever = 2147483647;
};
