#pragma once

#include "PopupWidget.h"

class AnimatedLabel;
class QHBoxLayout;
class QLabel;
class QProgressBar;
class QSpacerItem;
class QVBoxLayout;

// The look of a heads-up overlay, fixed when it is made.
enum ProgressHUDMode { ProgressHUDSpinner = 0, ProgressHUDBar = 1, ProgressHUDMessage = 2 };

// The heads-up overlay a window lays over itself while it is busy (a spinner
// or a progress bar, each with a caption) or to show a short message. A
// message overlay lets the mouse and the keyboard through.
class ProgressHUD : public PopupWidget
{
    Q_OBJECT

public:
    ProgressHUD(QWidget* parent, ProgressHUDMode mode);

    // An empty text removes the caption.
    void setText(const QString& text);
    // fraction from 0 to 1; only a bar-mode overlay shows it.
    void setProgress(float fraction);

    ProgressHUDMode mode() const { return _mode; }
    AnimatedLabel* spinner() const { return _spinner; }
    QLabel* messageLabel() const { return _messageLabel; }
    QProgressBar* progressBar() const { return _progressBar; }

    // Shows text over parent for msecs, then the overlay deletes itself.
    static void showMessage(const QString& text, QWidget* parent, int msecs);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Form {
        QVBoxLayout* verticalLayout_2 = nullptr;
        QHBoxLayout* horizontalLayout = nullptr;
        QWidget* mainWidget = nullptr;
        QVBoxLayout* mainVerticalLayout = nullptr;
        QHBoxLayout* mainUpperHorizontalLayout = nullptr;
        QSpacerItem* bottomSpacer = nullptr;
    };
    void _buildForm();
    void _setUpSpinner();
    void _setUpBar();
    void _setUpMessage();

    Form _form;
    ProgressHUDMode _mode;
    AnimatedLabel* _spinner = nullptr;
    QLabel* _messageLabel = nullptr;
    QProgressBar* _progressBar = nullptr;
};
