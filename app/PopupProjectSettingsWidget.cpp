#include "PopupProjectSettingsWidget.h"

const QVector<float>& PopupProjectSettingsWidget::frameRates()
{
    static const QVector<float> rates{60.0f, 30.0f, 25.0f, 24.0f};
    return rates;
}
