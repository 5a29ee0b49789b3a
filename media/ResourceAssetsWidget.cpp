#include "ResourceAssetsWidget.h"

#include "ResourceAssetsWidgetItemDelegate.h"
#include "ui_ResourceAssetsWidget.h"

#include <QIcon>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

namespace {

constexpr int kIconViewMode = 0;
constexpr int kButtonHeight = 30;
constexpr int kButtonPadding = 20;
constexpr int kFlowMargin = 10;
constexpr int kRowPitch = 40;
// The picture handed on with a click is taken at most this large.
constexpr int kClickedImageSide = 320;
const char* const kAudioPlaceholder = ":/images/media-explorer/audio_placeholder_dark";

const char* const kTagButtonStyle =
    "QPushButton { background-color: transparent; color: rgb(162,162,162);"
    " border: 1px solid rgb(162,162,162); border-radius: 15px; }"
    "QPushButton:pressed, QPushButton[highlighted=\"true\"] { color: white; border: 1px solid white; }";

const char* const kListStyle =
    "QListWidget { background-color: transparent; color: white; margin: 10px; border: 0px; }";

// The dark scroll bar the local files and GIF pages share.
const char* const kScrollBarStyle =
    "QScrollBar:vertical { background: #2A2929; width: 15px; margin: 3px; border-radius: 4px; }"
    "QScrollBar::handle:vertical { background: #6b6b6b; min-height: 30px; border-radius: 4px; }"
    "QScrollBar::handle:vertical:hover { background: #a4a5a7; }"
    "QScrollBar::sub-line:vertical { height: 10px; width: 10px; subcontrol-position: top;"
    " subcontrol-origin: margin; border-image: url(:/icons/res/icons/png/up_arrow_disabled.png); }"
    "QScrollBar::sub-line:vertical:hover { border-image: url(:/icons/res/icons/png/up_arrow.png); }"
    "QScrollBar::add-line:vertical { height: 10px; width: 10px; subcontrol-position: bottom;"
    " subcontrol-origin: margin; border-image: url(:/icons/res/icons/png/down_arrow_disabled.png); }"
    "QScrollBar::add-line:vertical:hover { border-image: url(:/icons/res/icons/png/down_arrow.png); }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }";

QPixmap listPicture(const AssetRecord& record)
{
    if (!record.thumbnailPath.isEmpty())
        return QPixmap(record.thumbnailPath);
    if (record.type == 3)
        return QPixmap(kAudioPlaceholder);
    return QPixmap();
}

} // namespace

ResourceAssetsWidget::ResourceAssetsWidget(int viewMode, const QStringList& groupTitles,
                                           const QHash<QString, QList<AssetRecord>>& assets, QWidget* parent)
    : QWidget(parent), ui(new Ui::ResourceAssetsWidget), viewMode(viewMode), assets(assets)
{
    ui->setupUi(this);
    for (const QString& title : groupTitles)
        _addTagButton(title);
    if (tagButtons.size() < 2)
        ui->tagsPanel->hide();
    _setUpList();
    _selectTag(groupTitles.value(0));
}

ResourceAssetsWidget::~ResourceAssetsWidget()
{
    delete ui;
}

QString ResourceAssetsWidget::durationText(float duration)
{
    const int s = static_cast<int>(duration);
    if (s >= 3600)
        return QString::asprintf("%d:%02d:%02d", s / 3600, (s % 3600) / 60, s % 60);
    return QString::asprintf("%d:%02d", s / 60, s % 60);
}

void ResourceAssetsWidget::_addTagButton(const QString& title)
{
    auto* button = new QPushButton(title, ui->tagsPanel);
    button->setFlat(true);
    button->setFixedSize(button->fontMetrics().boundingRect(title).width() + kButtonPadding, kButtonHeight);
    button->setStyleSheet(kTagButtonStyle);
    connect(button, &QPushButton::clicked, this, &ResourceAssetsWidget::onTagButtonClicked);
    tagButtons.append(button);
}

void ResourceAssetsWidget::_setUpList()
{
    QListWidget* list = ui->listWidget;
    list->setViewMode(viewMode == kIconViewMode ? QListView::IconMode : QListView::ListMode);
    list->setDragDropMode(QAbstractItemView::DragOnly);
    list->setGridSize(_assetGridSize());
    list->setResizeMode(QListView::Adjust);
    auto* delegate = new ResourceAssetsWidgetItemDelegate(this);
    delegate->setViewMode(viewMode);
    list->setItemDelegate(delegate);
    list->setStyleSheet(kListStyle);
    list->verticalScrollBar()->setStyleSheet(kScrollBarStyle);
    // The click is handled queued, when a group switch may have refilled the
    // list: it names its item by group and row, not by the item itself.
    connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const QString tag = currentTag;
        const int row = ui->listWidget->row(item);
        QMetaObject::invokeMethod(
            this,
            [this, tag, row] {
                if (tag == currentTag && row >= 0 && row < ui->listWidget->count())
                    onItemClicked(ui->listWidget->item(row));
            },
            Qt::QueuedConnection);
    });
    connect(list, &QListWidget::itemDoubleClicked, this, &ResourceAssetsWidget::onItemDoubleClicked,
            Qt::QueuedConnection);
    connect(ui->listWidget, &ResourceAssetsListWidget::fetchResPathForItem, this,
            &ResourceAssetsWidget::onFetchResPathForItem, Qt::DirectConnection);
}

QSize ResourceAssetsWidget::_assetGridSize() const
{
    return viewMode == kIconViewMode ? QSize(80, 80) : QSize(40, 40);
}

void ResourceAssetsWidget::onTagButtonClicked()
{
    if (auto* button = qobject_cast<QPushButton*>(sender()))
        _selectTag(button->text());
}

void ResourceAssetsWidget::_selectTag(const QString& title)
{
    if (title == currentTag)
        return;
    if (!currentTag.isEmpty())
        _setTagHighlighted(currentTag, false);
    currentTag = title;
    _setTagHighlighted(currentTag, true);
    _reloadList();
}

void ResourceAssetsWidget::_setTagHighlighted(const QString& title, bool highlighted)
{
    QPushButton* button = _findTagButton(title);
    if (!button)
        return;
    button->setProperty("highlighted", highlighted);
    button->style()->unpolish(button);
    button->style()->polish(button);
    button->update();
}

QPushButton* ResourceAssetsWidget::_findTagButton(const QString& title) const
{
    for (QPushButton* button : tagButtons) {
        if (button->text() == title)
            return button;
    }
    return nullptr;
}

void ResourceAssetsWidget::_reloadList()
{
    ui->listWidget->clear();
    for (const AssetRecord& record : assets.value(currentTag)) {
        auto* item = new QListWidgetItem(QIcon(listPicture(record)), record.title);
        item->setData(DurationTextRole, durationText(record.duration));
        item->setSizeHint(_assetGridSize());
        ui->listWidget->addItem(item);
    }
    ui->listWidget->scrollToTop();
}

AssetRecord ResourceAssetsWidget::_recordForItem(QListWidgetItem* item) const
{
    return assets.value(currentTag).value(ui->listWidget->row(item));
}

void ResourceAssetsWidget::onItemClicked(QListWidgetItem* item)
{
    const AssetRecord record = _recordForItem(item);
    const QIcon icon = item->icon();
    const QPixmap image = icon.pixmap(icon.actualSize(QSize(kClickedImageSide, kClickedImageSide)));
    const QString metadata =
        QString("%1;%2").arg(double(record.duration), 0, 'g', -1).arg(double(record.scale), 0, 'g', -1);
    emit assetItemClicked(record.type, record.resPath, image, metadata);
}

void ResourceAssetsWidget::onItemDoubleClicked(QListWidgetItem*)
{
    // A double click adds nothing: the first click has already handed the asset on.
}

void ResourceAssetsWidget::onFetchResPathForItem(QListWidgetItem* item, int& type, QString& outResPath,
                                                 float& outDuration, float& outScale)
{
    const AssetRecord record = _recordForItem(item);
    type = record.type;
    outResPath = record.resPath;
    outDuration = record.duration;
    outScale = record.scale;
}

void ResourceAssetsWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int width = ui->tagsPanel->width();
    int x = kFlowMargin;
    int y = kFlowMargin;
    for (QPushButton* button : tagButtons) {
        if (x + button->width() > width - kFlowMargin) {
            x = kFlowMargin;
            y += kRowPitch;
        }
        button->move(x, y);
        x += button->width() + kFlowMargin;
    }
    ui->tagsPanel->setFixedHeight(tagButtons.isEmpty() ? kRowPitch : y + kButtonHeight);
}
