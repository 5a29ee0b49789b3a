#include "TextWrappingButtonProxyStyle.h"

TextWrappingButtonProxyStyle::TextWrappingButtonProxyStyle() = default;

void TextWrappingButtonProxyStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                                                const QPalette& palette, bool enabled, const QString& text,
                                                QPalette::ColorRole textRole) const
{
    QProxyStyle::drawItemText(painter, rect, flags | Qt::TextWordWrap, palette, enabled, text, textRole);
}
