#pragma once

#include <QScrollArea>

class RulerWidget;

// The ruler above the tracks, scrolled in step with them. While held (a
// project is loading) sizing requests are ignored; the window sizes it once
// the load ends.
class RulerScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit RulerScrollArea(QWidget* parent);

    void setHeld(bool held) { _held = held; }
    bool isHeld() const { return _held; }
    void setScrollX(float x);
    void setScale(float scale, float duration);

private:
    RulerWidget* _rulerWidget();

    bool _held = false;
    RulerWidget* _ruler = nullptr;
};
