#include "LocalFilesWidgetItemDelegate.h"

#include "LocalFileEntry.h"
#include "Util.h"

#include <QIcon>
#include <QPainter>

namespace {
constexpr int kMargin = 10;
constexpr int kNameHeight = 20;
constexpr int kFlagInset = 3;
constexpr int kFlagGap = 5;
constexpr int kDurationBaseline = 7;
const QColor kSelectionColor(44, 46, 50);
const QColor kSecondaryTextColor(162, 162, 162);
} // namespace

LocalFilesWidgetItemDelegate::LocalFilesWidgetItemDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

LocalFilesWidgetItemDelegate::~LocalFilesWidgetItemDelegate() = default;

QSize LocalFilesWidgetItemDelegate::itemSize(int zoom, int view)
{
    if (view == 0)
        return zoom == 0 ? QSize(60, 80) : zoom == 2 ? QSize(180, 200) : QSize(100, 120);
    return zoom == 0 ? QSize(20, 20) : zoom == 2 ? QSize(80, 80) : QSize(40, 40);
}

const QPixmap& LocalFilesWidgetItemDelegate::_flag(QPixmap& flag, const char* resource)
{
    if (flag.isNull())
        flag.load(resource);
    return flag;
}

void LocalFilesWidgetItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    painter->save();
    if (_view == 0)
        _paintIconMode(painter, option, index);
    else
        _paintListMode(painter, option, index);
    painter->restore();
}

QRectF LocalFilesWidgetItemDelegate::_paintSelectionAndIcon(QPainter* painter, const QStyleOptionViewItem& option,
                                                            const QModelIndex& index, const QRect& iconArea) const
{
    if (option.state & QStyle::State_Selected) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(kSelectionColor);
        painter->drawRoundedRect(option.rect, 2, 2, Qt::AbsoluteSize);
        painter->setBrush(Qt::NoBrush);
    }
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    if (icon.isNull())
        return QRectF();
    const QPixmap pixmap = icon.pixmap(iconArea.size(), QIcon::Normal, QIcon::Off);
    if (pixmap.isNull())
        return QRectF();
    const QRectF target = Util::aspectFitRect(pixmap.width(), pixmap.height(), iconArea);
    painter->drawPixmap(target, pixmap, QRectF(pixmap.rect()));
    return target;
}

QFont LocalFilesWidgetItemDelegate::_nameFont() const
{
    QFont font;
    if (_zoom == 0)
        font.setPointSizeF(font.pointSizeF() - 1);
    return font;
}

void LocalFilesWidgetItemDelegate::_paintFlag(QPainter* painter, const QPointF& topLeft, int type,
                                              const QString& duration) const
{
    if (duration.isEmpty() || (type != LocalFileVideo && type != LocalFileAudio))
        return;
    const int x = int(topLeft.x()) + kFlagInset;
    const int y = int(topLeft.y()) + kFlagInset;
    const QSize flagSize = type == LocalFileVideo ? QSize(15, 8) : QSize(11, 11);
    const QPixmap& flag = type == LocalFileVideo ? _flag(_videoFlag, ":/images/media-explorer/flag_video")
                                             : _flag(_musicFlag, ":/images/media-explorer/flag_music");
    if (!flag.isNull())
        painter->drawPixmap(QRect(QPoint(x, y), flagSize), flag);
    painter->setPen(Qt::white);
    QFont font;
    font.setPixelSize(9);
    painter->setFont(font);
    painter->drawText(QPoint(x + flagSize.width() + kFlagGap, y + kDurationBaseline), duration);
}

void LocalFilesWidgetItemDelegate::_paintIconMode(QPainter* painter, const QStyleOptionViewItem& option,
                                                  const QModelIndex& index) const
{
    const QRect inner = option.rect.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const QRect iconArea = inner.adjusted(0, 0, 0, -kNameHeight);
    const QRect textArea(inner.left(), iconArea.bottom(), inner.width(), kNameHeight);
    const QRectF target = _paintSelectionAndIcon(painter, option, index, iconArea);
    if (!target.isEmpty())
        _paintFlag(painter, target.topLeft(), index.data(LocalFileTypeRole).toInt(), index.data(LocalFileDurationRole).toString());
    const QString name = index.data(Qt::DisplayRole).toString();
    if (name.isEmpty())
        return;
    painter->setPen(Qt::white);
    painter->setFont(_nameFont());
    const QString shown = painter->fontMetrics().elidedText(name, Qt::ElideRight, textArea.width());
    painter->drawText(textArea, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine, shown);
}

void LocalFilesWidgetItemDelegate::_paintListMode(QPainter* painter, const QStyleOptionViewItem& option,
                                                  const QModelIndex& index) const
{
    const QRect inner = option.rect.adjusted(kMargin, 0, -kMargin, 0);
    QRect iconArea = inner;
    iconArea.setWidth(inner.height());
    QRect textArea = inner;
    textArea.setLeft(iconArea.right());
    textArea.adjust(kMargin, 0, -kMargin, 0);
    _paintSelectionAndIcon(painter, option, index, iconArea);
    const QString name = index.data(Qt::DisplayRole).toString();
    if (name.isEmpty())
        return;
    painter->setPen(Qt::white);
    painter->setFont(_nameFont());
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      painter->fontMetrics().elidedText(name, Qt::ElideMiddle, textArea.width()));
    const int type = index.data(LocalFileTypeRole).toInt();
    const QString duration = index.data(LocalFileDurationRole).toString();
    if (duration.isEmpty() || (type != LocalFileVideo && type != LocalFileAudio))
        return;
    painter->setPen(kSecondaryTextColor);
    QFont font;
    font.setPointSizeF(font.pointSizeF() - 1);
    painter->setFont(font);
    painter->drawText(textArea, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                      painter->fontMetrics().elidedText(duration, Qt::ElideLeft, textArea.width()));
}
