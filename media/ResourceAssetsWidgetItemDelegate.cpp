#include "ResourceAssetsWidgetItemDelegate.h"

#include "ResourceAssetsWidget.h"
#include "Util.h"

#include <QIcon>
#include <QPainter>

namespace {

constexpr int kIconViewMode = 0;
constexpr int kInset = 10;
constexpr qreal kSelectionRadius = 2;
const QColor kSelectionColor(44, 46, 50);
const QColor kDurationColor(162, 162, 162);

void drawElidedLine(QPainter* painter, const QRect& rect, const QString& text, Qt::TextElideMode elide,
                    Qt::Alignment alignment)
{
    const QString elided = painter->fontMetrics().elidedText(text, elide, rect.width());
    painter->drawText(rect, int(alignment | Qt::AlignVCenter | Qt::TextSingleLine), elided);
}

} // namespace

ResourceAssetsWidgetItemDelegate::ResourceAssetsWidgetItemDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void ResourceAssetsWidgetItemDelegate::setViewMode(int viewMode)
{
    this->viewMode = viewMode;
}

void ResourceAssetsWidgetItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                             const QModelIndex& index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (option.state & QStyle::State_Selected) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(kSelectionColor);
        painter->drawRoundedRect(option.rect, kSelectionRadius, kSelectionRadius);
    }
    if (viewMode == kIconViewMode) {
        _paintPicture(painter, index, option.rect.adjusted(kInset, kInset, -kInset, -kInset));
    } else {
        const QRect row = option.rect.adjusted(kInset, 0, -kInset, 0);
        const QRect picture(row.topLeft(), QSize(row.height(), row.height()));
        _paintPicture(painter, index, picture);
        // From the square's last column, as the local files list lays out its names.
        _paintTexts(painter, index,
                    QRect(QPoint(picture.right(), row.top()), row.bottomRight()).adjusted(kInset, 0, -kInset, 0));
    }
    painter->restore();
}

void ResourceAssetsWidgetItemDelegate::_paintPicture(QPainter* painter, const QModelIndex& index,
                                                     const QRect& pictureRect) const
{
    const QIcon icon = qvariant_cast<QIcon>(index.data(Qt::DecorationRole));
    if (icon.isNull())
        return;
    const QPixmap pixmap = icon.pixmap(pictureRect.size());
    painter->drawPixmap(Util::aspectFitRect(pixmap.width(), pixmap.height(), pictureRect), pixmap,
                        QRectF(pixmap.rect()));
}

void ResourceAssetsWidgetItemDelegate::_paintTexts(QPainter* painter, const QModelIndex& index,
                                                   const QRect& textRect) const
{
    const QString title = index.data(Qt::DisplayRole).toString();
    if (!title.isEmpty()) {
        painter->setPen(Qt::white);
        painter->setFont(QFont());
        drawElidedLine(painter, textRect, title, Qt::ElideRight, Qt::AlignLeft);
    }
    const QString duration = index.data(ResourceAssetsWidget::DurationTextRole).toString();
    if (!duration.isEmpty()) {
        QFont font;
        font.setPointSizeF(font.pointSizeF() - 1);
        painter->setPen(kDurationColor);
        painter->setFont(font);
        drawElidedLine(painter, textRect, duration, Qt::ElideLeft, Qt::AlignRight);
    }
}
