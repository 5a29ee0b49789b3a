#include "GiphyGifsWidgetItemDelegate.h"

#include "Util.h"

#include <QPainter>

namespace {
constexpr int kInset = 10;
constexpr qreal kCornerRadius = 2;
const QColor kSelectedColor(44, 46, 50);
} // namespace

GiphyGifsWidgetItemDelegate::GiphyGifsWidgetItemDelegate(float devicePixelRatio, QObject* parent)
    : QStyledItemDelegate(parent)
    , _devicePixelRatio(devicePixelRatio)
{
}

QPixmap GiphyGifsWidgetItemDelegate::placeholder() const
{
    if (_placeholder.isNull())
        _placeholder = QPixmap(":/images/media-explorer/giphy_placeholder_dark");
    return _placeholder;
}

void GiphyGifsWidgetItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    const QRect inner = option.rect.adjusted(kInset, kInset, -kInset, -kInset);
    painter->save();
    if (option.state & QStyle::State_Selected) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(kSelectedColor);
        painter->drawRoundedRect(option.rect, kCornerRadius, kCornerRadius);
        painter->setBrush(Qt::NoBrush);
    }
    QPixmap picture = index.data(FrameRole).value<QPixmap>();
    if (picture.isNull())
        picture = placeholder();
    if (!picture.isNull()) {
        const QRectF target = Util::aspectFitRect(picture.width(), picture.height(), inner);
        const QPixmap scaled = picture.scaled(int(target.width() * _devicePixelRatio),
                                              int(target.height() * _devicePixelRatio), Qt::KeepAspectRatio,
                                              Qt::SmoothTransformation);
        painter->drawPixmap(target, scaled, QRectF(scaled.rect()));
    }
    painter->restore();
}
