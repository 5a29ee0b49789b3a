#include "LeftsideListWidgetItemDelegate.h"

#include "Util.h"

#include <QFontMetrics>
#include <QIcon>
#include <QPainter>

namespace {

constexpr int kItemMargin = 10;
constexpr int kCaptionHeight = 20;
constexpr int kTileIconInset = 5;
constexpr int kRowCaptionMargin = 10;

const QColor kSelectedColor(31, 32, 35);
const QColor kCaptionColor(255, 255, 255);

// The largest point size, down to the floor, at which text fits width
// without eliding; the floor keeps a caption that never fits from looping.
QFont fittedFont(const QString& text, int width)
{
    QFont font;
    while (font.pointSize() > LeftsideListWidgetItemDelegate::kMinimumCaptionPointSize
           && QFontMetrics(font).elidedText(text, Qt::ElideMiddle, width) != text) {
        font.setPointSize(font.pointSize() - 1);
    }
    return font;
}

} // namespace

LeftsideListWidgetItemDelegate::LeftsideListWidgetItemDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

LeftsideListWidgetItemDelegate::~LeftsideListWidgetItemDelegate() = default;

void LeftsideListWidgetItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    painter->save();
    if (option.state & QStyle::State_Selected) {
        painter->setPen(Qt::NoPen);
        painter->fillRect(option.rect, kSelectedColor);
    }
    if (_style == 0)
        _paintTile(painter, option.rect, index);
    else
        _paintRow(painter, option.rect, index);
    painter->restore();
}

void LeftsideListWidgetItemDelegate::_paintTile(QPainter* painter, const QRect& itemRect,
                                                const QModelIndex& index) const
{
    const QRect r = itemRect.adjusted(kItemMargin, kItemMargin, -kItemMargin, -kItemMargin);
    const QRect iconArea = r.adjusted(0, 0, 0, -kCaptionHeight);
    _paintIcon(painter, iconArea.adjusted(kTileIconInset, kTileIconInset, -kTileIconInset, -kTileIconInset), index);
    const QString caption = index.data(Qt::DisplayRole).toString();
    if (caption.isEmpty())
        return;
    const QRect captionRect(r.x(), iconArea.y() + iconArea.height(), iconArea.width(), kCaptionHeight);
    painter->setPen(kCaptionColor);
    painter->setFont(fittedFont(caption, captionRect.width()));
    painter->drawText(captionRect, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, caption);
}

void LeftsideListWidgetItemDelegate::_paintRow(QPainter* painter, const QRect& itemRect,
                                               const QModelIndex& index) const
{
    const QRect r = itemRect.adjusted(kItemMargin, 0, -kItemMargin, 0);
    const QRect iconRect(r.topLeft(), QSize(r.height(), r.height()));
    _paintIcon(painter, iconRect, index);
    const QString caption = index.data(Qt::DisplayRole).toString();
    if (caption.isEmpty())
        return;
    QRect captionRect = r;
    captionRect.setLeft(iconRect.x() + iconRect.width());
    captionRect.adjust(kRowCaptionMargin, 0, -kRowCaptionMargin, 0);
    const QFont font;
    painter->setPen(kCaptionColor);
    painter->setFont(font);
    painter->drawText(captionRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      QFontMetrics(font).elidedText(caption, Qt::ElideRight, captionRect.width()));
}

void LeftsideListWidgetItemDelegate::_paintIcon(QPainter* painter, const QRect& iconRect, const QModelIndex& index)
{
    const QIcon icon = qvariant_cast<QIcon>(index.data(Qt::DecorationRole));
    if (icon.isNull())
        return;
    const QPixmap pixmap = icon.pixmap(iconRect.size(), QIcon::Normal);
    if (pixmap.isNull())
        return;
    const QRectF target = Util::aspectFitRect(float(pixmap.width()), float(pixmap.height()), QRectF(iconRect));
    painter->drawPixmap(target, pixmap, QRectF(pixmap.rect()));
}
