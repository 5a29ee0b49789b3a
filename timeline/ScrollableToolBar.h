#pragma once

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

class QLabel;
class QScrollArea;
class RoundTabWidget;
class TooltipButton;

// The horizontal bar of command buttons that slides in at the bottom of a
// panel. It scrolls kinetically when its buttons do not fit or, in overflow
// mode, hides what does not fit behind a "more" button that opens a menu.
// It can dock, float, dim, fade and mark a selected command with a tab.
class ScrollableToolBar : public QWidget
{
    Q_OBJECT

public:
    explicit ScrollableToolBar(QWidget* parent = nullptr);
    // bottomGap: the fixed height left free below the buttons.
    ScrollableToolBar(int bottomGap, QWidget* parent);

    TooltipButton* addButton(const QString& iconPath, const QString& highlightedIconPath, const QString& toolTip,
                             int cmdId, int ignored, bool show);
    // A decoration (a separator) without command, tool tip or click.
    TooltipButton* addIconButton(const QString& iconPath, bool show);
    TooltipButton* buttonForCommand(int cmdId) const;
    void setButtonToolTip(int cmdId, const QString& toolTip);
    void removeAllButtons();
    void setCommandSelected(int cmdId, bool on);
    void setBackgroundColor(const QColor& color);
    QPoint scrollPosition() const;
    void setScrollPosition(const QPoint& position);
    void hideIndicators();
    // On: overflow mode (a "more" menu instead of scrolling).
    void setScrollingDisabled(bool disabled);

    void placeAtBottom(int barHeight, int gapHeight);
    void slideUp();
    void showFloating();
    void dismiss();
    void fadeOut();
    void fadeIn();
    void setDimmed();
    void undim();

    bool isDocked() const { return _docked; }
    bool isDimmed() const { return _dimmed; }
    int contentWidth() const { return _contentWidth; }
    const QList<TooltipButton*>& buttons() const { return _buttons; }
    const QList<TooltipButton*>& hiddenButtons() const { return _hiddenButtons; }
    TooltipButton* overflowButton() const { return _overflowButton; }
    bool isOverflowActive() const { return _overflowActive; }

signals:
    void scrollableToolBarButtonClicked(ScrollableToolBar* toolbar, int cmdId);

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void onButtonClicked();
    void onOverflowButtonClicked();

private:
    void _buildForm(int bottomGap);
    void _grabScrollGesture();
    // pixmap width x iconHeight / pixmap height; 0 (logged) for a missing
    // picture, which has no height to divide by.
    static int _scaledIconWidth(const QPixmap& pixmap, int iconHeight, const QString& path);
    TooltipButton* _addButton(const QString& iconPath, const QString& highlightedIconPath, int iconHeight,
                              int padding, bool show);
    void _layoutOverflow();
    void _showAllButtons();
    void _createOverflowButton();
    void _placeOverflowButton(int rightGap);
    int _rightIndicatorWidth() const;
    QRect _parentRect() const;
    // What the overflow menu lists: hidden buttons with a command or a tool tip.
    QList<TooltipButton*> _menuButtons() const;

    QLabel* _leftIndicator = nullptr;
    QLabel* _rightIndicator = nullptr;
    QScrollArea* _scrollArea = nullptr;
    QWidget* _scrollAreaWidget = nullptr;
    QWidget* _bottomPlaceholder = nullptr;
    int _bottomGap = 0;
    bool _docked = false;
    int _contentWidth = 0;
    QList<TooltipButton*> _buttons;
    QHash<int, TooltipButton*> _commandButtons;
    QList<TooltipButton*> _hiddenButtons;
    QPointer<RoundTabWidget> _selectionTab;
    TooltipButton* _overflowButton = nullptr;
    bool _dimmed = false;
    int _yBeforeDim = 0;
    qreal _opacityBeforeFade = 1.0;
    bool _overflowMode = false;
    bool _overflowActive = false;
};
