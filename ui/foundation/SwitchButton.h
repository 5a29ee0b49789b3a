#pragma once

#include <QColor>
#include <QVariant>
#include <QWidget>

class QPropertyAnimation;

// An on/off toggle: a pill-shaped track whose round thumb slides to the other
// end in 200 ms when clicked. Wider than tall it slides horizontally, else
// vertically from the top.
class SwitchButton : public QWidget
{
    Q_OBJECT

public:
    explicit SwitchButton(QWidget* parent = nullptr);

    bool value() const { return _value; }
    // Places the thumb at once; emits nothing.
    void setValue(bool value);
    void setOnColor(const QColor& color);
    void setOffColor(const QColor& color);
    void setThumbColor(const QColor& color);
    // Colours while disabled; unset ones are the normal colours, darker.
    void setDisabledOnSideColor(const QColor& color);
    void setDisabledOffSideColor(const QColor& color);
    void setDisabledThumbColor(const QColor& color);
    // The colours the editor's panels give every switch: the accent blue on,
    // near-black off, a white thumb, and dimmed forms of them while disabled.
    void useEditorColors();

signals:
    void valueChanged(bool value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void OnValueChanged(QVariant value);

private:
    bool _isHorizontal() const { return width() >= height(); }
    int _diameter() const { return std::min(width(), height()); }
    int _extent() const { return _isHorizontal() ? width() : height(); }
    void _placeThumb();
    QColor _paintColor(const QColor& normal, const QColor& disabled) const;

    bool _value = false;
    int _thumbPosition = 0;
    QColor _offColor = Qt::gray;
    QColor _onColor = Qt::green;
    QColor _thumbColor = Qt::white;
    QPropertyAnimation* _animation;
    QColor _disabledOnColor;
    QColor _disabledOffColor;
    QColor _disabledThumbColor;
};
