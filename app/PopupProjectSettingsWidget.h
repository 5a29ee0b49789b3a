#pragma once

#include <QVector>

// The project settings popup. For now it only holds the frame rates a
// project and its exports may use.
class PopupProjectSettingsWidget
{
public:
    // 60, 30, 25 and 24, in that order.
    static const QVector<float>& frameRates();
};
