#pragma once

#include <QHash>
#include <QPixmap>
#include <QWidget>

// A horizontal bar of equal segments, each with a title or an icon, of which
// exactly one is selected; the user picks one by clicking it.
class SegmentedControl : public QWidget
{
    Q_OBJECT

public:
    explicit SegmentedControl(QWidget* parent = nullptr);

    void setSegments(const QStringList& titles);
    QString segmentTitle(int index) const;
    int selectedIndex() const { return _selectedIndex; }
    // Selects without telling anyone: only a user's click emits.
    void setSelectedIndex(int index);
    void setSegmentIcons(int index, const QPixmap& normal, const QPixmap& selected);
    void setIconSize(const QSize& size);
    // Any width above 0 shows the border; it is always drawn 2 pixels wide.
    void setBorderWidth(float width);
    void setCornerRadius(float radius);
    void setBackgroundColor(const QColor& color);
    // Also the fill of the selected segment.
    void setBorderColor(const QColor& color);
    void setUnselectedTextColor(const QColor& color);
    void setSelectedTextColor(const QColor& color);

signals:
    void segmentIndexChanged(SegmentedControl* segmentControl, int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void _paintSegment(QPainter& painter, int index, const QRectF& rect);
    int _segmentAt(const QPoint& position) const;

    QColor _backgroundColor = Qt::black;
    QColor _borderColor = Qt::white;
    QColor _unselectedTextColor = Qt::white;
    QColor _selectedTextColor = Qt::black;
    QStringList _titles;
    int _selectedIndex = 0;
    QHash<int, QPixmap> _icons;
    QHash<int, QPixmap> _selectedIcons;
    QSize _iconSize{16, 16};
    float _borderWidth = 2.0f;
    QPoint _lastPressPosition{-1, -1};
    bool _pressed = false;
    float _cornerRadius = 5.0f;
};
