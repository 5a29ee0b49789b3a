#include "LocalFilesWidget.h"

#include "AnimatedLabel.h"
#include "AssetLoadingThreadPool.h"
#include "FilesLoadingTask.h"
#include "LocalFilesListWidget.h"
#include "LocalFilesWidgetItemDelegate.h"
#include "LocalThumbnailsCache.h"
#include "SeekableSliderStyle.h"
#include "ThumbnailLoadingTask.h"
#include "Util.h"
#include "ui_LocalFilesWidget.h"

#include <QDebug>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileSystemWatcher>
#include <QHostInfo>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSettings>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>

namespace {
constexpr int kFirstListingDelayMs = 500;
constexpr int kListingDelayMs = 100;
constexpr int kScrollSettleMs = 100;
constexpr int kPoolPollMs = 50;
constexpr int kLoadingHudSide = 80;
constexpr int kErrorLabelHeight = 40;
constexpr int kNarrowPageWidth = 430;
constexpr int kThumbnailRequestSide = 320;
const char* const kGroup = "LocalFiles";
const char* const kIconViewIcon = ":/images/media-explorer/icon_view_icon";
const char* const kListViewIcon = ":/images/media-explorer/list_view_icon";

const char* const kContainerStyle = "background-color: rgb(44,45,46); color: white; border-radius: 5px;";
const char* const kTextButtonStyle =
    "QPushButton { background-color: transparent; color: white; padding: 5px; text-align: left; }"
    "QPushButton:pressed { color: grey; }";
const char* const kViewButtonStyle =
    "QPushButton { background-color: transparent; color: white; padding: 5px 0px; }"
    "QPushButton:pressed { color: grey; }";
const char* const kSliderStyle =
    "QSlider::groove:horizontal { background: transparent; height: 5px; }"
    "QSlider::sub-page:horizontal, QSlider::add-page:horizontal { background: #2A2929; height: 5px;"
    " border-radius: 2px; }"
    "QSlider::handle:horizontal { background: white; width: 11px; margin: -3px 0px; border-radius: 4px; }";
const char* const kListStyle =
    "QListWidget { background: transparent; color: white; margin: 10px; border: none; }"
    "QToolTip { background-color: rgb(54,200,255); color: white; padding: 2px; border-radius: 3px; }"
    "QScrollBar:vertical { width: 15px; background: #2A2929; margin: 3px; border-radius: 4px; }"
    "QScrollBar::handle:vertical { background: #6b6b6b; min-height: 30px; border-radius: 4px; }"
    "QScrollBar::handle:vertical:hover { background: #a4a5a7; }"
    "QScrollBar::sub-line:vertical { height: 10px; width: 10px;"
    " image: url(:/icons/res/icons/png/up_arrow_disabled.png); }"
    "QScrollBar::sub-line:vertical:hover { image: url(:/icons/res/icons/png/up_arrow.png); }"
    "QScrollBar::add-line:vertical { height: 10px; width: 10px;"
    " image: url(:/icons/res/icons/png/down_arrow_disabled.png); }"
    "QScrollBar::add-line:vertical:hover { image: url(:/icons/res/icons/png/down_arrow.png); }";
const char* const kMenuStyle =
    "QMenu { background-color: rgb(7,8,10); color: white; padding: 10px; border-radius: 10px; }"
    "QMenu::icon { margin: 5px; }"
    "QMenu::item { padding: %1; }"
    "QMenu::item:selected { background-color: rgb(44,46,50); }"
    "QMenu::separator { height: 1px; background: rgb(44,46,50); }";

bool typeIsShown(int type, int filter)
{
    const int bit = type == LocalFileVideo ? 1 : type == LocalFilePicture ? 2 : type == LocalFileAudio ? 4 : 0;
    return (filter & bit) != 0;
}

// Runs the menu at pos and deletes it (with its actions) unless the page went
// with it; the data of the chosen action, invalid when none was chosen.
QVariant runMenu(QMenu* menu, const QPoint& pos)
{
    QPointer<QMenu> guard(menu);
    QAction* chosen = menu->exec(pos);
    const QVariant data = guard && chosen ? chosen->data() : QVariant();
    delete guard.data();
    return data;
}

QVariant runMenuBelow(QMenu* menu, QWidget* container)
{
    return runMenu(menu, container->mapToGlobal(QPoint(0, container->height())));
}

QString folderName(const QDir& dir)
{
    const QString name = dir.dirName();
    return name.isEmpty() || dir.isRoot() ? QHostInfo::localHostName() : name;
}
} // namespace

LocalFilesWidget::LocalFilesWidget(const QString& defaultFolder, QSettings* settings, QWidget* parent)
    : QWidget(parent)
    , _ui(new Ui::LocalFilesWidget)
    , _cache(new LocalThumbnailsCache(this))
    , _settings(settings)
    , _receiver(std::make_shared<LocalFilesTaskReceiver>(this))
    , _poolWaitTimer(new QTimer(this))
{
    _ui->setupUi(this);
    _settings->beginGroup(kGroup);
    _dir.setPath(_settings->value("Dir", defaultFolder).toString());
    _filter = _settings->value("Filter", 7).toInt();
    _zoom = _settings->value("Zoom", 1).toInt();
    _view = _settings->value("View", 0).toInt();
    _settings->endGroup();

    _applyStyles();
    _updateDirButton();
    _updateFilterButton();
    _updateViewButton();
    _ui->slider->setValue(_zoom);
    _prepareList();
    _connectSignals();
    _poolWaitTimer->setInterval(kPoolPollMs);
    connect(_poolWaitTimer, &QTimer::timeout, this, &LocalFilesWidget::_startListingWhenIdle);
    _scheduleLoading(kFirstListingDelayMs, true);
}

LocalFilesWidget::~LocalFilesWidget()
{
    // Tasks still running report to nothing from here on.
    _receiver->detach();
    _settings->beginGroup(kGroup);
    _settings->setValue("Dir", _dir.absolutePath());
    _settings->setValue("Filter", _filter);
    _settings->setValue("Zoom", _zoom);
    _settings->setValue("View", _view);
    _settings->endGroup();
    delete _cache;
    delete _ui;
}

QString LocalFilesWidget::formatDuration(double seconds)
{
    const qint64 whole = qint64(seconds);
    if (whole >= 3600)
        return QString::asprintf("%d:%02d:%02d", int(whole / 3600), int(whole / 60 % 60), int(whole % 60));
    return QString::asprintf("%d:%02d", int(whole / 60), int(whole % 60));
}

// ---- construction -------------------------------------------------------------

void LocalFilesWidget::_applyStyles()
{
    for (QWidget* container : {_ui->dirButtonContainer, _ui->viewButtonContainer, _ui->filterButtonContainer})
        container->setStyleSheet(kContainerStyle);
    _ui->dirButton->setStyleSheet(kTextButtonStyle);
    _ui->filterButton->setStyleSheet(kTextButtonStyle);
    _ui->viewButton->setStyleSheet(kViewButtonStyle);
    _ui->slider->setStyle(new SeekableSliderStyle);
    _ui->slider->setStyleSheet(kSliderStyle);
    _ui->listWidget->setStyleSheet(kListStyle);
}

void LocalFilesWidget::_prepareList()
{
    LocalFilesListWidget* list = _ui->listWidget;
    list->setViewMode(_view == 0 ? QListView::IconMode : QListView::ListMode);
    list->setDragDropMode(QAbstractItemView::DragOnly);
    list->setGridSize(LocalFilesWidgetItemDelegate::itemSize(_zoom, _view));
    list->setResizeMode(QListView::Adjust);
    list->setTextElideMode(Qt::ElideMiddle);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    _delegate = new LocalFilesWidgetItemDelegate(list);
    _delegate->setZoom(_zoom);
    _delegate->setView(_view);
    list->setItemDelegate(_delegate);
}

void LocalFilesWidget::_connectSignals()
{
    qRegisterMetaType<QFileInfo>("QFileInfo");
    connect(_ui->dirButton, &QPushButton::clicked, this, &LocalFilesWidget::onDirButtonClicked);
    connect(_ui->dirTriangleButton, &QPushButton::clicked, this, &LocalFilesWidget::onDirButtonClicked);
    connect(_ui->filterButton, &QPushButton::clicked, this, &LocalFilesWidget::onFilterButtonClicked);
    connect(_ui->filterTriangleButton, &QPushButton::clicked, this, &LocalFilesWidget::onFilterButtonClicked);
    connect(_ui->viewButton, &QPushButton::clicked, this, &LocalFilesWidget::onViewButtonClicked);
    connect(_ui->viewTriangleButton, &QPushButton::clicked, this, &LocalFilesWidget::onViewButtonClicked);
    connect(_ui->slider, &QSlider::valueChanged, this, &LocalFilesWidget::onSliderValueChanged);
    connect(_ui->valueDownButton, &QPushButton::clicked, this, &LocalFilesWidget::onValueDownButtonClicked);
    connect(_ui->valueUpButton, &QPushButton::clicked, this, &LocalFilesWidget::onValueUpButtonClicked);
    _connectListSignals();
    connect(this, &LocalFilesWidget::beginLoadingFiles, this, &LocalFilesWidget::onBeginLoadingFiles,
            Qt::QueuedConnection);
    connect(this, &LocalFilesWidget::finishLoadingFiles, this, &LocalFilesWidget::onFinishLoadingFiles,
            Qt::QueuedConnection);
    connect(this, &LocalFilesWidget::finishLoadingThumbnail, this, &LocalFilesWidget::onFinishLoadingThumbnail,
            Qt::QueuedConnection);
    connect(this, &LocalFilesWidget::errorOccurred, this, &LocalFilesWidget::onLoadError, Qt::QueuedConnection);
}

void LocalFilesWidget::_connectListSignals()
{
    LocalFilesListWidget* list = _ui->listWidget;
    connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &LocalFilesWidget::onVerticalScrollBarValueChanged);
    // The item is resolved now, while it exists; the handling follows queued.
    connect(list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { _queueEntryCall(item, &LocalFilesWidget::onItemClicked); });
    connect(list, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { _queueEntryCall(item, &LocalFilesWidget::onItemDoubleClicked); });
    connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint& pos) {
        const int index = _entryIndexOf(list->itemAt(pos));
        const QString path = _entryPath(index);
        QMetaObject::invokeMethod(
            this, [this, index, path, pos] { onCustomContextMenuRequested(index, path, pos); }, Qt::QueuedConnection);
    });
    connect(list, &QListWidget::currentItemChanged, this, &LocalFilesWidget::onCurrentItemChanged);
    connect(list, &LocalFilesListWidget::fetchFilePathForItem, this, &LocalFilesWidget::onFetchFilePathForItem,
            Qt::DirectConnection);
}

// ---- entries --------------------------------------------------------------------

int LocalFilesWidget::_entryIndexOf(const QListWidgetItem* item) const
{
    if (!item)
        return -1;
    bool ok = false;
    const int index = item->data(LocalFileEntryRole).toInt(&ok);
    return ok && index >= 0 && index < _files.size() ? index : -1;
}

QString LocalFilesWidget::_entryPath(int index) const
{
    return index >= 0 && index < _files.size() ? _files[index].fileInfo.absoluteFilePath() : QString();
}

const LocalFileEntry* LocalFilesWidget::_entryAt(int index, const QString& path) const
{
    if (index < 0 || index >= _files.size() || _files[index].fileInfo.absoluteFilePath() != path)
        return nullptr;
    return &_files[index];
}

void LocalFilesWidget::_queueEntryCall(QListWidgetItem* item, void (LocalFilesWidget::*handler)(int, QString))
{
    const int index = _entryIndexOf(item);
    const QString path = _entryPath(index);
    QMetaObject::invokeMethod(this, [this, handler, index, path] { (this->*handler)(index, path); },
                              Qt::QueuedConnection);
}

// ---- listing ----------------------------------------------------------------------

void LocalFilesWidget::_scheduleLoading(int delayMs, bool clearList)
{
    QTimer::singleShot(delayMs, this, [this, clearList] {
        _clearListOnListing = _clearListOnListing || clearList;
        if (_poolWaitTimer->isActive())
            return; // the listing already waiting will do
        _poolWaitClock.start();
        _startListingWhenIdle();
    });
}

void LocalFilesWidget::_startListingWhenIdle()
{
    // A project that is loading has the disk first, but only for so long.
    const bool busy = AssetLoadingThreadPool::instance()->activeThreadCount() > 0;
    if (busy && !_poolWaitClock.hasExpired(kAssetPoolWaitMs)) {
        if (!_poolWaitTimer->isActive()) {
            qDebug() << "Still wait until project loading complete...";
            _poolWaitTimer->start();
        }
        return;
    }
    if (busy)
        qDebug() << "Project loading still runs; listing the folder anyway";
    _poolWaitTimer->stop();
    _startListing();
}

void LocalFilesWidget::_startListing()
{
    if (_clearListOnListing)
        _ui->listWidget->clear();
    _clearListOnListing = false;
    QThreadPool::globalInstance()->start(new FilesLoadingTask(_receiver, _dir), 0);
}

void LocalFilesWidget::onBeginLoadingFiles()
{
    if (_loadingHud)
        return;
    _loadingHud = new AnimatedLabel(this, ":/images/loading_hud_dark-2");
    _loadingHud->setFixedSize(kLoadingHudSide, kLoadingHudSide);
    _centerLoadingHud();
    _loadingHud->show();
    _loadingHud->start(0);
}

QListWidgetItem* LocalFilesWidget::_newItem(int index)
{
    static const QFileIconProvider icons;
    const LocalFileEntry& entry = _files[index];
    auto* item = new QListWidgetItem(icons.icon(entry.fileInfo), entry.fileInfo.fileName());
    item->setData(LocalFileDurationRole, QString());
    item->setSizeHint(LocalFilesWidgetItemDelegate::itemSize(_zoom, _view));
    item->setData(LocalFileTypeRole, entry.type);
    item->setData(LocalFileEntryRole, index);
    return item;
}

void LocalFilesWidget::onFinishLoadingFiles(bool fromThread)
{
    // The listing's own list replaces the old one whole, here on the GUI thread.
    if (fromThread && !_receiver->takeFiles(&_files))
        return;
    delete _loadingHud;
    _loadingHud = nullptr;
    _ui->listWidget->clear();
    for (int i = 0; i < _files.size(); ++i) {
        _files[i].thumbnailLoaded = false;
        if (typeIsShown(_files[i].type, _filter))
            _ui->listWidget->addItem(_newItem(i));
    }
    _loadVisibleThumbnails();
    if (!fromThread)
        return;
    delete _watcher;
    _watcher = new QFileSystemWatcher(this);
    _watcher->addPath(_dir.absolutePath());
    connect(_watcher, &QFileSystemWatcher::directoryChanged, this, &LocalFilesWidget::onFileSystemDirectoryChanged);
}

void LocalFilesWidget::onLoadError(QString errMsg)
{
    if (errMsg.isEmpty()) {
        delete _errorLabel;
        _errorLabel = nullptr;
        return;
    }
    if (!_errorLabel) {
        _errorLabel = new QLabel(this);
        _errorLabel->setFixedHeight(kErrorLabelHeight);
        _errorLabel->setAlignment(Qt::AlignCenter);
        _errorLabel->setStyleSheet("QLabel{color: yellow;}");
    }
    _errorLabel->setText(errMsg);
    _layoutErrorLabel();
    _errorLabel->show();
}

void LocalFilesWidget::onFileSystemDirectoryChanged(QString path)
{
    _watcher->removePath(path);
    _scheduleLoading(kListingDelayMs, false);
}

// ---- thumbnails -------------------------------------------------------------------

void LocalFilesWidget::_loadVisibleThumbnails()
{
    LocalFilesListWidget* list = _ui->listWidget;
    if (list->count() == 0)
        return;
    const QListWidgetItem* firstItem = list->itemAt(20, 0);
    const QListWidgetItem* lastItem = list->itemAt(20, list->height() + 100);
    const int first = firstItem ? list->row(firstItem) : 0;
    const int last = lastItem ? list->row(lastItem) : list->count() - 1;
    qDebug() << "Start row: " << first << "End row: " << last;
    for (int row = first; row <= last; ++row) {
        QListWidgetItem* item = list->item(row);
        const int index = _entryIndexOf(item);
        if (index < 0 || _files[index].thumbnailLoaded)
            continue;
        LocalFileEntry& entry = _files[index];
        QString metadata;
        const QPixmap pixmap = _cache->thumbnail(entry.fileInfo, &metadata);
        if (pixmap.isNull()) {
            QThreadPool::globalInstance()->start(
                new ThumbnailLoadingTask(_receiver, entry.fileInfo, entry.type, row), 0);
            continue;
        }
        item->setIcon(pixmap);
        _applyItemMetadata(item, entry.type, metadata);
        entry.thumbnailLoaded = true;
    }
}

void LocalFilesWidget::onFinishLoadingThumbnail(QImage image, QFileInfo fi, int index, QString metadata)
{
    // index is the row the task was started for; a rebuilt list drops it.
    QListWidgetItem* item = index >= 0 && index < _ui->listWidget->count() ? _ui->listWidget->item(index) : nullptr;
    const int entryIndex = _entryIndexOf(item);
    if (entryIndex < 0 || _files[entryIndex].fileInfo != fi)
        return;
    LocalFileEntry& entry = _files[entryIndex];
    if (image.isNull()) {
        _applyItemMetadata(item, entry.type, QString());
    } else {
        const QPixmap pixmap = QPixmap::fromImage(image);
        item->setIcon(pixmap);
        _applyItemMetadata(item, entry.type, metadata);
        _cache->setThumbnail(fi, pixmap, metadata);
    }
    entry.thumbnailLoaded = true;
    qDebug() << "Finish loading thumbnail (" << index << ") " << fi.absoluteFilePath();
}

void LocalFilesWidget::_applyItemMetadata(QListWidgetItem* item, int type, const QString& metadata)
{
    QString toolTip = item->text();
    QString duration;
    if (type == LocalFileVideo) {
        const QStringList parts = metadata.split(';', Qt::KeepEmptyParts);
        duration = parts.value(0);
        if (!duration.isEmpty())
            toolTip += "\n" + duration;
        if (parts.size() >= 2)
            toolTip += "\n" + parts[1];
    } else if (type == LocalFilePicture && !metadata.isEmpty()) {
        toolTip += "\n" + metadata;
    } else if (type == LocalFileAudio && !metadata.isEmpty()) {
        duration = metadata;
        toolTip += "\n" + metadata;
    }
    if (!duration.isEmpty())
        item->setData(LocalFileDurationRole, duration);
    item->setToolTip(toolTip);
}

void LocalFilesWidget::onVerticalScrollBarValueChanged(int)
{
    const quint64 generation = ++_scrollGeneration;
    QTimer::singleShot(kScrollSettleMs, this, [this, generation] {
        if (generation == _scrollGeneration)
            _loadVisibleThumbnails();
    });
}

// ---- items --------------------------------------------------------------------------

void LocalFilesWidget::onItemClicked(int index, QString path)
{
    const LocalFileEntry* entry = _entryAt(index, path);
    if (!entry)
        return;
    QIcon icon;
    for (int row = 0; row < _ui->listWidget->count() && icon.isNull(); ++row) {
        if (_entryIndexOf(_ui->listWidget->item(row)) == index)
            icon = _ui->listWidget->item(row)->icon();
    }
    QString metadata;
    _cache->thumbnail(entry->fileInfo, &metadata);
    emit fileItemClicked(entry->type, entry->fileInfo, icon.pixmap(kThumbnailRequestSide, kThumbnailRequestSide),
                         metadata);
}

void LocalFilesWidget::onItemDoubleClicked(int index, QString path)
{
    if (const LocalFileEntry* entry = _entryAt(index, path))
        QDesktopServices::openUrl(QUrl::fromLocalFile(entry->fileInfo.absoluteFilePath()));
}

void LocalFilesWidget::onCustomContextMenuRequested(int index, QString path, QPoint pos)
{
    if (const LocalFileEntry* entry = _entryAt(index, path))
        _showContextMenu(*entry, _ui->listWidget->mapToGlobal(pos));
}

void LocalFilesWidget::onCurrentItemChanged(QListWidgetItem*, QListWidgetItem*)
{
    qDebug() << "current item changed";
}

void LocalFilesWidget::onFetchFilePathForItem(QListWidgetItem* item, QString& outFilePath)
{
    const int index = _entryIndexOf(item);
    if (index >= 0)
        outFilePath = _files[index].fileInfo.absoluteFilePath();
}

// ---- menus --------------------------------------------------------------------------

QMenu* LocalFilesWidget::_newMenu(const QString& itemPadding)
{
    auto* menu = new QMenu(this);
    menu->setWindowFlags(menu->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    menu->setAttribute(Qt::WA_TranslucentBackground);
    if (!itemPadding.isEmpty())
        menu->setStyleSheet(QString(kMenuStyle).arg(itemPadding));
    return menu;
}

void LocalFilesWidget::onDirButtonClicked()
{
    QPointer<LocalFilesWidget> self(this);
    QMenu* menu = _newMenu("8px 30px 8px 10px");
    static const QFileIconProvider icons;
    QDir ancestor(_dir.absolutePath());
    bool hasAncestor = false;
    while (ancestor.cdUp()) {
        menu->addAction(icons.icon(QFileInfo(ancestor.absolutePath())), folderName(ancestor))
            ->setData(ancestor.absolutePath());
        hasAncestor = true;
    }
    if (hasAncestor)
        menu->addSeparator();
    menu->addAction(tr("Select Directory..."))->setData(false);
    const QVariant chosen = runMenuBelow(menu, _ui->dirButtonContainer);
    if (!self || !chosen.isValid())
        return;
    if (chosen.type() == QVariant::String) {
        _selectDirectory(QDir(chosen.toString()));
        return;
    }
    QTimer::singleShot(kListingDelayMs, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(window(), tr("Select Directory"),
                                                                 _dir.absolutePath(), QFileDialog::ShowDirsOnly);
        if (!folder.isEmpty())
            _selectDirectory(QDir(folder));
    });
}

void LocalFilesWidget::_selectDirectory(const QDir& dir)
{
    _dir = dir;
    _updateDirButton();
    _scheduleLoading(kListingDelayMs, true);
}

void LocalFilesWidget::onFilterButtonClicked()
{
    QPointer<LocalFilesWidget> self(this);
    QMenu* menu = _newMenu("8px 10px 8px 10px");
    const QList<QPair<QString, int>> choices{{tr("All"), 7}, {tr("Video"), 1}, {tr("Picture"), 2}, {tr("Audio"), 4}};
    for (const auto& choice : choices) {
        QAction* action = menu->addAction(choice.first);
        action->setCheckable(true);
        action->setChecked(_filter == choice.second);
        action->setData(choice.second);
    }
    const QVariant chosen = runMenuBelow(menu, _ui->filterButtonContainer);
    if (!self || !chosen.isValid())
        return;
    _filter = chosen.toInt();
    _updateFilterButton();
    onFinishLoadingFiles(false);
}

void LocalFilesWidget::onViewButtonClicked()
{
    QPointer<LocalFilesWidget> self(this);
    QMenu* menu = _newMenu("8px 10px 8px 10px");
    menu->addAction(QIcon(kIconViewIcon), tr("Icon Mode"))->setData(0);
    menu->addAction(QIcon(kListViewIcon), tr("List Mode"))->setData(1);
    const QVariant chosen = runMenuBelow(menu, _ui->viewButtonContainer);
    if (!self || !chosen.isValid() || chosen.toInt() == _view)
        return;
    _view = chosen.toInt();
    _updateViewButton();
    _ui->listWidget->setViewMode(_view == 0 ? QListView::IconMode : QListView::ListMode);
    _ui->listWidget->setMovement(QListView::Free);
    _ui->listWidget->setDragDropMode(QAbstractItemView::DragOnly);
    _applyViewSettings();
}

void LocalFilesWidget::_showContextMenu(const LocalFileEntry& entry, const QPoint& globalPos)
{
    QPointer<LocalFilesWidget> self(this);
    QMenu* menu = _newMenu(QString());
    Util::setPopupMenuStyleSheet(menu);
    const QString path = entry.fileInfo.absoluteFilePath();
    menu->addAction(tr("Show in File Explorer"))->setData(true);
    if (runMenu(menu, globalPos).isValid() && self)
        Util::revealInExplorer(path);
}

void LocalFilesWidget::_updateDirButton()
{
    static const QFileIconProvider icons;
    _ui->dirButton->setIcon(icons.icon(QFileInfo(_dir.absolutePath())).pixmap(16, 16));
    _ui->dirButton->setText(folderName(_dir));
}

void LocalFilesWidget::_updateFilterButton()
{
    _ui->filterButton->setText(_filter == 1   ? tr("Video")
                               : _filter == 2 ? tr("Picture")
                               : _filter == 4 ? tr("Audio")
                                              : tr("All"));
}

void LocalFilesWidget::_updateViewButton()
{
    _ui->viewButton->setIcon(QIcon(_view == 1 ? kListViewIcon : kIconViewIcon));
}

void LocalFilesWidget::_applyViewSettings()
{
    _delegate->setView(_view);
    _ui->listWidget->setGridSize(LocalFilesWidgetItemDelegate::itemSize(_zoom, _view));
    onFinishLoadingFiles(false);
}

// ---- zoom and layout ----------------------------------------------------------------

void LocalFilesWidget::onSliderValueChanged(int value)
{
    if (value == _zoom)
        return;
    _zoom = value;
    _delegate->setZoom(_zoom);
    _ui->listWidget->setGridSize(LocalFilesWidgetItemDelegate::itemSize(_zoom, _view));
    onFinishLoadingFiles(false);
}

void LocalFilesWidget::onValueUpButtonClicked()
{
    _ui->slider->setValue(_ui->slider->value() + 1);
}

void LocalFilesWidget::onValueDownButtonClicked()
{
    _ui->slider->setValue(_ui->slider->value() - 1);
}

void LocalFilesWidget::_centerLoadingHud()
{
    if (_loadingHud)
        _loadingHud->move((width() - kLoadingHudSide) / 2, (height() - kLoadingHudSide) / 2);
}

void LocalFilesWidget::_layoutErrorLabel()
{
    if (_errorLabel)
        _errorLabel->setGeometry(0, (height() - kErrorLabelHeight) / 2, width(), kErrorLabelHeight);
}

void LocalFilesWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    _centerLoadingHud();
    _layoutErrorLabel();
    emit _ui->listWidget->verticalScrollBar()->valueChanged(0);
    const bool wide = width() >= kNarrowPageWidth;
    for (QWidget* control : {static_cast<QWidget*>(_ui->slider), static_cast<QWidget*>(_ui->valueDownButton),
                             static_cast<QWidget*>(_ui->valueUpButton)}) {
        if (control->isVisibleTo(this) != wide)
            control->setVisible(wide);
    }
}
