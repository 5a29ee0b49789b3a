#pragma once

#include <QProxyStyle>

// Pop-up menus given this style draw their icons at 24 pixels.
class CustomMenuStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};
