#pragma once

#include <QWidget>

class QLabel;
class ScrollableToolBar;

// A movie's tools: for now one, the grab of the frame under the play
// pointer as a picture.
class VideoUtilitiesEditingWidget : public QWidget
{
    Q_OBJECT

public:
    enum Command { GrabImageCommand = 10021 };

    explicit VideoUtilitiesEditingWidget(QWidget* parent = nullptr);

    ScrollableToolBar* toolbar() const { return _toolbar; }
    QString title() const;

signals:
    void grabImageButtonClicked();

public slots:
    void onToolBarButtonClicked(ScrollableToolBar* toolbar, int cmdId);

private:
    QLabel* _titleLabel = nullptr;
    ScrollableToolBar* _toolbar = nullptr;
};
