#include "ProjectsListWidgetItemDelegate.h"

#include "AVGeometry.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kContentMargin = 10;
constexpr int kTitleHeight = 20;
constexpr int kSubtitleHeight = 18;
constexpr int kMenuButtonSide = 20;
constexpr int kTickBoxSide = 22;
constexpr int kBadgeSide = 20;
constexpr int kBadgeInset = 23;
constexpr int kNewTilePictureSide = 54;
constexpr int kPreviewSide = 30;
constexpr qreal kPictureCornerRadius = 3.0;
constexpr qreal kPreviewCornerRadius = 4.0;

const QColor kSelectedColor(44, 46, 50);
const QColor kEditingNewTileColor(16, 16, 16);
const QColor kSubtitleColor(101, 101, 101);

const char* const kPicturePaths[] = {
    ":/images/project_error",        ":/images/project_menu",           ":/images/project_menu_selected",
    ":/images/project_edit_checked", ":/images/project_edit_unchecked",
};

// The largest rectangle of aspect w:h centred in rect, truncated to integers.
QRect aspectFit(float w, float h, const QRectF& rect)
{
    AVVec4 fitted;
    avRectAspectFit(&fitted, w, h,
                    AVVec4{float(rect.x()), float(rect.y()), float(rect.width()), float(rect.height())});
    return QRect(int(fitted.x), int(fitted.y), int(fitted.z), int(fitted.w));
}

// The centred part of pixmap with the aspect of target, drawn into target.
void drawCropped(QPainter* painter, const QRect& target, const QPixmap& pixmap)
{
    const QRect source = aspectFit(float(target.width()), float(target.height()), QRectF(pixmap.rect()));
    painter->drawPixmap(target, pixmap, source);
}

void clipToRoundedRect(QPainter* painter, const QRect& rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(rect), radius, radius);
    painter->setClipPath(path, Qt::ReplaceClip);
}

} // namespace

ProjectsListWidgetItemDelegate::ProjectsListWidgetItemDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

ProjectsListWidgetItemDelegate::~ProjectsListWidgetItemDelegate() = default;

QRect ProjectsListWidgetItemDelegate::_contentRect(const QRect& itemRect)
{
    return itemRect.adjusted(kContentMargin, kContentMargin, -kContentMargin, -kContentMargin);
}

QRect ProjectsListWidgetItemDelegate::_squareRect(const QRect& itemRect)
{
    const QRect content = _contentRect(itemRect);
    return QRect(content.topLeft(), QSize(content.width(), content.width()));
}

QRect ProjectsListWidgetItemDelegate::pictureRect(const QRect& itemRect)
{
    return aspectFit(5.0f, 4.0f, QRectF(_squareRect(itemRect)));
}

QRect ProjectsListWidgetItemDelegate::menuButtonRect(const QRect& itemRect)
{
    const QRect content = _contentRect(itemRect);
    return QRect(content.right() - 10, content.bottom() - 20, kMenuButtonSide, kMenuButtonSide);
}

void ProjectsListWidgetItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    const QRect itemRect = option.rect;
    const bool isNewTile = index.data(Qt::DisplayRole).toString() == newTileName();
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    if (selected && !isNewTile) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(kSelectedColor);
        painter->drawRoundedRect(itemRect, 2.0, 2.0);
    }
    const QPixmap image = _fetchImage(index);
    const QRect picture = pictureRect(itemRect);
    clipToRoundedRect(painter, picture, kPictureCornerRadius);
    if (isNewTile) {
        _paintNewTile(painter, index, picture, image);
    } else {
        if (index.data(FolderRole).toBool())
            _paintFolderTile(painter, index, itemRect, image);
        else
            _paintProjectTile(painter, index, picture, image);
        painter->setClipping(false);
        _paintTexts(painter, index, itemRect);
        if (selected || (option.state & QStyle::State_MouseOver)) {
            const bool menuOpen = index.data(MenuOpenRole).toBool();
            painter->drawPixmap(menuButtonRect(itemRect), _picture(menuOpen ? Picture::MenuSelected : Picture::Menu));
        }
    }
    painter->restore();
}

void ProjectsListWidgetItemDelegate::_paintNewTile(QPainter* painter, const QModelIndex& index, const QRect& picture,
                                                   const QPixmap& image) const
{
    QColor fill = kSelectedColor;
    if (_editing)
        fill = kEditingNewTileColor;
    else if (index.data(PressedRole).toBool())
        fill = kSelectedColor.lighter(150);
    painter->fillRect(picture, fill);
    const QPoint topLeft(picture.x() + (picture.width() - kNewTilePictureSide) / 2,
                         picture.y() + (picture.height() - kNewTilePictureSide) / 2);
    painter->drawPixmap(QRect(topLeft, QSize(kNewTilePictureSide, kNewTilePictureSide)), image);
    painter->setClipping(false);
}

void ProjectsListWidgetItemDelegate::_paintProjectTile(QPainter* painter, const QModelIndex& index,
                                                       const QRect& picture, const QPixmap& image) const
{
    if (image.isNull())
        painter->fillRect(picture, Qt::black);
    else
        drawCropped(painter, picture, image);
    if (index.data(DamagedRole).toBool()) {
        const QRect badge(picture.right() - kBadgeInset, picture.bottom() - kBadgeInset, kBadgeSide, kBadgeSide);
        painter->drawPixmap(badge, _picture(Picture::Damaged));
    }
}

void ProjectsListWidgetItemDelegate::_paintFolderTile(QPainter* painter, const QModelIndex& index,
                                                      const QRect& itemRect, const QPixmap& image) const
{
    painter->setClipping(false);
    const QRect square = _squareRect(itemRect);
    painter->drawPixmap(square, image);
    const QPoint centre = square.center() + QPoint(0, 10);
    const QPoint offsets[] = {{-33, -33}, {3, -33}, {-33, 3}, {3, 3}};
    for (int i = 0; i < 4; ++i) {
        const QPixmap preview = _fetchSubImage(index, i);
        if (preview.isNull())
            continue;
        const QRect target(centre + offsets[i], QSize(kPreviewSide, kPreviewSide));
        clipToRoundedRect(painter, target, kPreviewCornerRadius);
        drawCropped(painter, target, preview);
    }
    painter->setClipping(false);
}

void ProjectsListWidgetItemDelegate::_paintTexts(QPainter* painter, const QModelIndex& index,
                                                 const QRect& itemRect) const
{
    const QRect content = _contentRect(itemRect);
    if (_editing) {
        const QPoint topLeft = content.center() - QPoint(kTickBoxSide / 2, kTickBoxSide / 2);
        const bool ticked = index.data(TickedRole).toBool();
        painter->drawPixmap(QRect(topLeft, QSize(kTickBoxSide, kTickBoxSide)),
                            _picture(ticked ? Picture::Ticked : Picture::Unticked));
    }
    const int titleTop = content.top() + content.width();
    const QRect titleRow(content.left(), titleTop, content.width(), kTitleHeight);
    const QRect subtitleRow(content.left(), titleTop + kTitleHeight, content.width(), kSubtitleHeight);
    const QString name = index.data(Qt::DisplayRole).toString();
    painter->setPen(Qt::white);
    painter->drawText(titleRow, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine,
                      painter->fontMetrics().elidedText(name, Qt::ElideMiddle, titleRow.width()));
    painter->setPen(kSubtitleColor);
    painter->drawText(subtitleRow, Qt::AlignHCenter | Qt::AlignBottom, index.data(SubtitleRole).toString());
}

const QPixmap& ProjectsListWidgetItemDelegate::_picture(Picture picture) const
{
    QPixmap& cached = _pictures[int(picture)];
    if (cached.isNull())
        cached.load(QString::fromLatin1(kPicturePaths[int(picture)]));
    return cached;
}

QPixmap ProjectsListWidgetItemDelegate::_fetchImage(const QModelIndex& index) const
{
    QPixmap pixmap;
    emit const_cast<ProjectsListWidgetItemDelegate*>(this)->projectFetchImage(index, pixmap);
    return pixmap;
}

QPixmap ProjectsListWidgetItemDelegate::_fetchSubImage(const QModelIndex& index, int subIndex) const
{
    QPixmap pixmap;
    emit const_cast<ProjectsListWidgetItemDelegate*>(this)->projectFetchSubImage(index, subIndex, pixmap);
    return pixmap;
}

bool ProjectsListWidgetItemDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                                 const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    const QPoint position = static_cast<QMouseEvent*>(event)->pos();
    const bool isCurrent = view && view->currentIndex() == index;
    if (isCurrent && index.data(Qt::DisplayRole).toString() != newTileName()
        && menuButtonRect(option.rect).contains(position))
        emit projectMenuClicked(index, position);
    return true;
}
