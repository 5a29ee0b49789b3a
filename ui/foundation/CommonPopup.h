#pragma once

#include "PopupWidget.h"

#include <QColor>

class QLabel;

// Base of every popup panel. The visible panel (the main widget, object name
// "mainWidget") sits inside the transparent overlay. Shown floating, the panel
// stands above an anchor point and the popup goes away on Escape or a click
// outside the panel; shown embedded, the panel fills its host and input never
// dismisses it. A dismissed popup deletes itself.
class CommonPopup : public PopupWidget
{
    Q_OBJECT

public:
    explicit CommonPopup(QWidget* parent = nullptr);
    ~CommonPopup() override;

    bool tryDismiss() override;
    // Hides, emits dismissed, deletes later (outside every step under way).
    // Only the first call does so.
    virtual void dismiss();
    virtual void dismissChildPopups();
    // Re-places a shown popup, for instance after its host was resized.
    virtual void showAt(const QPoint& point);
    virtual void updateControls(bool animated);
    virtual bool isValueEnabled();
    virtual void setupUi(QWidget* parent, const QString& title);
    // The floating show: covers parent, fades in, places the panel above point
    // (in parent's coordinates).
    virtual void showInWidget(QWidget* parent, const QString& title, const QPoint& point);
    virtual void layoutAtPoint(const QPoint& point);
    // The panel's height when floating.
    virtual int popupHeight();

    // The embedded show: the panel fills parent, shown at once.
    void showFullscreenInWidget(QWidget* parent, const QString& title);

    void setNotDismissable(bool notDismissable) { _notDismissable = notDismissable; }
    void setBackgroundColor(const QColor& color) { _backgroundColor = color; }
    void setAnchorOffset(int offset) { _anchorOffset = offset; }
    // 2 rounds only the top corners, any other value all four.
    void setCornerMode(int mode) { _cornerMode = mode; }
    // A number the owner keeps with the popup (the property it edits, say).
    void setTag(int tag) { _tag = tag; }
    int tag() const { return _tag; }
    bool isFullscreen() const { return _fullscreen; }
    QWidget* mainWidget() const { return _mainWidget; }

    void addShadow();
    static void applyLabelStyle(QWidget* widget);
    // Square corners for a radius below 1, else corners of 10 px by the mode.
    void applyMainWidgetStyle(QWidget* widget, float radius, int cornerMode);

signals:
    void dismissed(CommonPopup* popup);

protected:
    // For the subclass's form.
    void setMainWidget(QWidget* widget) { _mainWidget = widget; }
    void setTitleLabel(QLabel* label) { _titleLabel = label; }
    QLabel* titleLabel() const { return _titleLabel; }
    // Covers parent (re-parenting the popup onto it when needed) and shows the title.
    void coverWithTitle(QWidget* parent, const QString& title);
    // Horizontal placement shared by every floating panel: keeps a panel of
    // width w inside a parent of width parentWidth.
    static int clampPanelX(int x, int w, int parentWidth);

    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* _mainWidget = nullptr;
    QLabel* _titleLabel = nullptr;
    bool _fullscreen = false;
    int _cornerMode = 2;
    int _anchorOffset = 0;
    bool _notDismissable = false;
    QColor _backgroundColor{7, 8, 10, 244};
    int _tag = 0;
    bool _titleStyled = false;
    bool _dismissed = false;
};
