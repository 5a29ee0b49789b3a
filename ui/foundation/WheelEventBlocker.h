#pragma once

#include <QObject>

// An event filter that swallows mouse-wheel events, so that turning the
// wheel over a slider changes nothing.
class WheelEventBlocker : public QObject
{
    Q_OBJECT

public:
    explicit WheelEventBlocker(QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;
};
