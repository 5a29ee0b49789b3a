#pragma once

#include <QProxyStyle>

// Lets a left click on a slider's groove move the handle to that spot instead
// of stepping by a page.
class SeekableSliderStyle : public QProxyStyle
{
    Q_OBJECT

public:
    SeekableSliderStyle();

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
