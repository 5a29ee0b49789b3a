#pragma once

#include <QProxyStyle>

// Wraps item texts (button captions) at word boundaries.
class TextWrappingButtonProxyStyle : public QProxyStyle
{
    Q_OBJECT

public:
    TextWrappingButtonProxyStyle();

    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
};
