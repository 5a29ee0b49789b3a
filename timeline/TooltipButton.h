#pragma once

#include <QPushButton>
#include <QString>

// The flat push button of tool bars and panels: a normal, a highlighted and
// a disabled icon, a styled tooltip bubble that can show while the button is
// highlighted, and an optional small triangle in one corner.
class TooltipButton : public QPushButton
{
    Q_OBJECT

public:
    enum CornerMarker { NoMarker = 0, TopRight = 1, BottomRight = 2, BottomLeft = 3, TopLeft = 4 };

    TooltipButton(const QString& iconPath, const QString& highlightedIconPath, QWidget* parent = nullptr);
    explicit TooltipButton(QWidget* parent = nullptr);

    void setNormalIcon(const QString& path);
    void setHighlightedIcon(const QString& path);
    void setDisabledIcon(const QString& path);
    void setHighlighted(bool on);
    bool isHighlighted() const { return _highlighted; }
    // Checked reads as highlighted; the button itself is not checkable.
    void setChecked(bool checked);
    bool isChecked() const { return _checked; }
    void setCornerMarker(int marker);
    int cornerMarker() const { return _cornerMarker; }
    bool isBubbleShown() const { return _bubbleShown; }
    void showTooltipBubble();

    // The owner's command for this button (0 = none).
    int commandId = 0;
    // The bubble's text, apart from the standard tool tip, and how it shows:
    // after bubbleDelay ms (at once below 1), bubbleOffset pixels from the top.
    QString tooltipText;
    bool bubbleEnabled = true;
    bool showBubbleWhenHighlighted = false;
    int bubbleDelay = 0;
    int bubbleOffset = 0;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private slots:
    void onPressed();
    void onReleased();

private:
    void _showStateIcon();
    void _hideBubble();
    // The delayed bubble: only when the button is still highlighted.
    void _showBubbleIfHighlighted();

    QString _normalIconPath;
    QString _highlightedIconPath;
    QString _disabledIconPath;
    bool _highlighted = false;
    bool _checked = false;
    bool _bubbleShown = false;
    int _cornerMarker = NoMarker;
};
