// ProjectsListWidget: the view, the listing, the tile pictures, navigation,
// clicks, keys, edit mode and the item menu.
#include "ProjectsListWidget.h"

#include "AVGeometry.h"
#include "AVRegularFile.h"
#include "HiddenFolder.h"
#include "ProjectManager.h"
#include "ProjectsListWidgetItemDelegate.h"
#include "Util.h"

#include <QAction>
#include <QCoreApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <QWidgetAction>

namespace {

constexpr int kItemWidth = 140;
constexpr int kItemHeight = 178;
constexpr int kEnterFolderDelayMs = 100;
constexpr qreal kPreviewSide = 30.0;

const QString kNewNormalPicture = QStringLiteral(":/images/project_new_normal");
const QString kNewDisabledPicture = QStringLiteral(":/images/project_new_disabled");
const QString kFolderPicture = QStringLiteral(":/images/project_folder");

const char* const kStyleSheet =
    "QListWidget { background-color: rgb(31,32,35); color: white; border: none; }"
    "QMenu { background-color: rgba(7,8,10,230); color: white; padding: 10px; border-radius: 10px; }"
    "QMenu::icon { margin: 5px; }"
    "QMenu::item { padding: 8px 10px; }"
    "QMenu::item:selected { background-color: rgb(44,46,50); }"
    "QScrollBar:vertical { width: 15px; margin: 3px; background: #2A2929; border-radius: 4px; }"
    "QScrollBar::handle:vertical { background: #6b6b6b; min-height: 15px; border-radius: 4px; }"
    "QScrollBar::handle:vertical:hover { background: #a4a5a7; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 10px; width: 10px; }"
    "QScrollBar::up-arrow:vertical, QScrollBar::down-arrow:vertical { background: none; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }";

QString folderSubtitle(int count)
{
    // The folder counts are shared texts of the whole program.
    if (count > 1)
        return QCoreApplication::translate("QObject", "(%1 Items)").arg(count);
    if (count == 1)
        return QCoreApplication::translate("QObject", "(1 Item)");
    return QCoreApplication::translate("QObject", "(Empty)");
}

QString coverOf(const QFileInfo& directory)
{
    return directory.filePath() + QLatin1Char('/') + ProjectEntry::coverFileName();
}

} // namespace

ProjectsListWidget::ProjectsListWidget(QWidget* parent, const QString& folder)
    : QListWidget(parent), _currentFolder(folder), _delegate(new ProjectsListWidgetItemDelegate(this))
{
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setGridSize(QSize(160, 218));
    setResizeMode(QListView::Adjust);
    setMouseTracking(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalScrollBar()->setSingleStep(10);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setItemDelegate(_delegate);
    setStyleSheet(QString::fromLatin1(kStyleSheet));

    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { _queueForItem(item, &ProjectsListWidget::onItemClicked); });
    connect(this, &QListWidget::itemPressed, this, &ProjectsListWidget::onItemPressed);
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { _queueForItem(item, &ProjectsListWidget::onItemDoubleClicked); });
    connect(this, &QWidget::customContextMenuRequested, this, &ProjectsListWidget::onCustomContextMenuRequested,
            Qt::QueuedConnection);
    connect(_delegate, &ProjectsListWidgetItemDelegate::projectMenuClicked, this,
            &ProjectsListWidget::onProjectMenuClicked, Qt::QueuedConnection);
    connect(_delegate, &ProjectsListWidgetItemDelegate::projectFetchImage, this,
            &ProjectsListWidget::onProjectFetchImage, Qt::DirectConnection);
    connect(_delegate, &ProjectsListWidgetItemDelegate::projectFetchSubImage, this,
            &ProjectsListWidget::onProjectFetchSubImage, Qt::DirectConnection);
}

ProjectsListWidget::~ProjectsListWidget() = default;

// --- Listing -------------------------------------------------------------------------------------

QString ProjectsListWidget::_levelDirectory() const
{
    if (_currentFolder.isEmpty())
        return ProjectManager::projectsDirectory();
    return ProjectManager::projectDirectory(_currentFolder, QString());
}

void ProjectsListWidget::_listCurrentFolder()
{
    _entries.clear();
    clear();
    _entries.scan(_levelDirectory(), !isInFolder());
    for (int i = 0; i < _entries.size(); ++i)
        addItem(_makeItem(_entries.at(i)));
    for (int i = 0; i < _entries.size(); ++i) {
        ProjectEntry& entry = _entries.at(i);
        if (entry.isPlaceholder()) {
            entry.imagePath = _editing ? kNewDisabledPicture : kNewNormalPicture;
        } else if (entry.isFolder) {
            entry.imagePath = kFolderPicture;
            for (int child = 1; child < entry.children.size() && child <= 4; ++child)
                entry.subImagePaths[child - 1] = coverOf(entry.children[child].fileInfo);
        } else {
            entry.imagePath = coverOf(entry.fileInfo);
        }
    }
}

QListWidgetItem* ProjectsListWidget::_makeItem(const ProjectEntry& entry) const
{
    auto* item = new QListWidgetItem(entry.isPlaceholder() ? ProjectsListWidgetItemDelegate::newTileName()
                                                           : entry.name());
    item->setSizeHint(QSize(kItemWidth, kItemHeight));
    QString subtitle;
    if (entry.isFolder)
        subtitle = folderSubtitle(entry.realChildCount());
    else if (!entry.isPlaceholder() && entry.modified.toMSecsSinceEpoch() != 0)
        subtitle = Util::dateText(entry.modified);
    item->setData(ProjectsListWidgetItemDelegate::SubtitleRole, subtitle);
    item->setData(ProjectsListWidgetItemDelegate::FolderRole, entry.isFolder);
    item->setData(ProjectsListWidgetItemDelegate::DamagedRole, entry.damaged);
    item->setData(ProjectsListWidgetItemDelegate::TickedRole,
                  _editing && !entry.isPlaceholder() && _selectedNames.contains(entry.name()));
    return item;
}

void ProjectsListWidget::_listKeepingScrollPosition()
{
    const int position = verticalScrollBar()->value();
    _listCurrentFolder();
    doItemsLayout();
    verticalScrollBar()->setValue(position);
}

void ProjectsListWidget::_selectRow(int row)
{
    if (row < 0 || row >= count())
        return;
    setCurrentRow(row);
    scrollToItem(item(row), QAbstractItemView::EnsureVisible);
}

void ProjectsListWidget::_selectName(const QString& name)
{
    _selectRow(_entries.indexOf(name));
}

void ProjectsListWidget::_listAndSelectLater(const QString& name)
{
    QTimer::singleShot(kDeferredCommandMs, this, [this, name] {
        _listCurrentFolder();
        _selectName(name);
    });
}

void ProjectsListWidget::reload()
{
    // Listing again between a press and its release would delete the tile
    // pressed, and the click with it: the list waits for the release.
    if (_buttonHeld) {
        _reloadAfterRelease = true;
        return;
    }
    const QListWidgetItem* current = currentItem();
    const int row = current ? this->row(current) : -1;
    const QString name = _entries.isValidIndex(row) ? _entries.at(row).name() : QString();
    _listCurrentFolder();
    if (!name.isEmpty())
        _selectName(name);
}

const ProjectEntry* ProjectsListWidget::_currentEntry() const
{
    const int row = currentRow();
    if (row <= 0 || !_entries.isValidIndex(row))
        return nullptr;
    return &_entries.at(row);
}

// --- Tile pictures -----------------------------------------------------------------------------

QPixmap ProjectsListWidget::_loadScaled(const QString& path, const QSizeF& area) const
{
    if (!avIsRegularFile(path))
        return QPixmap();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return QPixmap();
    // The smallest rectangle of the picture's aspect that covers the area,
    // in device pixels: painting then only crops it.
    AVVec4 covering;
    avRectAspectFill(&covering, float(size.width()), float(size.height()),
                     AVVec4{0.0f, 0.0f, float(area.width()), float(area.height())});
    const qreal ratio = devicePixelRatioF();
    const QSize target(qRound(covering.z * ratio), qRound(covering.w * ratio));
    const QImage image = reader.read();
    if (image.isNull())
        return QPixmap();
    return QPixmap::fromImage(image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void ProjectsListWidget::onProjectFetchImage(const QModelIndex& index, QPixmap& pixmap)
{
    if (!_entries.isValidIndex(index.row()))
        return;
    ProjectEntry& entry = _entries.at(index.row());
    if (!entry.pixmapTried) {
        entry.pixmapTried = true;
        if (entry.imagePath.startsWith(QLatin1Char(':'))) {
            entry.pixmap.load(entry.imagePath);
        } else {
            const QRect area = ProjectsListWidgetItemDelegate::pictureRect(QRect(0, 0, kItemWidth, kItemHeight));
            entry.pixmap = _loadScaled(entry.imagePath, area.size());
        }
    }
    pixmap = entry.pixmap;
}

void ProjectsListWidget::onProjectFetchSubImage(const QModelIndex& index, int subIndex, QPixmap& pixmap)
{
    if (!_entries.isValidIndex(index.row()) || subIndex < 0 || subIndex >= 4)
        return;
    ProjectEntry& entry = _entries.at(index.row());
    const QString& path = entry.subImagePaths[subIndex];
    if (!entry.subPixmapTried[subIndex] && !path.isEmpty()) {
        entry.subPixmapTried[subIndex] = true;
        entry.subPixmaps[subIndex] = _loadScaled(path, QSizeF(kPreviewSide, kPreviewSide));
    }
    pixmap = entry.subPixmaps[subIndex];
}

// --- Navigation ------------------------------------------------------------------------------------

void ProjectsListWidget::_enterFolder(const QString& name)
{
    if (_editing || isInFolder() || !ProjectManager::isValidProjectName(name))
        return;
    _currentFolder = name;
    _listCurrentFolder();
    emit projectFolderEntered(name);
}

void ProjectsListWidget::changeDirectory(const QString& newFolder)
{
    _enterFolder(newFolder);
}

void ProjectsListWidget::cdUp()
{
    if (!isInFolder())
        return;
    const QString folder = _currentFolder;
    _currentFolder.clear();
    _listCurrentFolder();
    _selectName(folder);
    emit projectFolderEntered(QString());
}

void ProjectsListWidget::_queueForItem(QListWidgetItem* item, void (ProjectsListWidget::*slot)(QListWidgetItem*))
{
    // A listing before the call runs deletes the item the signal named: the
    // call then has no item to act on (and must not take it for "none").
    const QPersistentModelIndex index = indexFromItem(item);
    const bool named = item != nullptr;
    QMetaObject::invokeMethod(
        this,
        [this, index, named, slot] {
            QListWidgetItem* current = itemFromIndex(index);
            if (!named || current)
                (this->*slot)(current);
        },
        Qt::QueuedConnection);
}

void ProjectsListWidget::mousePressEvent(QMouseEvent* event)
{
    _buttonHeld = true;
    QListWidget::mousePressEvent(event);
}

void ProjectsListWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    _buttonHeld = true;
    QListWidget::mouseDoubleClickEvent(event);
}

void ProjectsListWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    _buttonHeld = event->buttons() != Qt::NoButton;
    if (_buttonHeld || !_reloadAfterRelease)
        return;
    _reloadAfterRelease = false;
    // After the click's own queued call, so that it finds the tile pressed.
    QMetaObject::invokeMethod(this, &ProjectsListWidget::reload, Qt::QueuedConnection);
}

void ProjectsListWidget::onItemDoubleClicked(QListWidgetItem* item)
{
    if (_editing)
        return;
    const int row = item ? this->row(item) : -1;
    if (row <= 0 || !_entries.isValidIndex(row)) {
        newProject();
        return;
    }
    const ProjectEntry& entry = _entries.at(row);
    if (entry.isFolder) {
        const QString name = entry.name();
        QTimer::singleShot(kEnterFolderDelayMs, this, [this, name] { _enterFolder(name); });
        return;
    }
    emit oneProjectClicked(entry.name(), _currentFolder, entry.damaged);
}

void ProjectsListWidget::onItemPressed(QListWidgetItem* item)
{
    if (!_editing && row(item) == 0) {
        item->setData(ProjectsListWidgetItemDelegate::PressedRole, true);
    }
}

void ProjectsListWidget::onItemClicked(QListWidgetItem* item)
{
    const int row = this->row(item);
    if (row < 0)
        return;
    if (row == 0) {
        item->setData(ProjectsListWidgetItemDelegate::PressedRole, false);
        if (!_editing)
            newProject();
        return;
    }
    if (!_editing || item->data(ProjectsListWidgetItemDelegate::MenuOpenRole).toBool())
        return;
    const QString name = item->text();
    const bool ticked = !_selectedNames.contains(name);
    if (ticked)
        _selectedNames.append(name);
    else
        _selectedNames.removeAll(name);
    item->setData(ProjectsListWidgetItemDelegate::TickedRole, ticked);
    emit editSelectionChanged(_selectedNames.size());
}

void ProjectsListWidget::toggleEdit()
{
    _editing = !_editing;
    _selectedNames.clear();
    _delegate->setEditing(_editing);
    for (int row = 0; row < count(); ++row)
        item(row)->setData(ProjectsListWidgetItemDelegate::TickedRole, false);
    if (_entries.isValidIndex(0)) {
        ProjectEntry& placeholder = _entries.at(0);
        placeholder.imagePath = _editing ? kNewDisabledPicture : kNewNormalPicture;
        placeholder.pixmap = QPixmap();
        placeholder.pixmapTried = false;
    }
    viewport()->update();
    emit editStateChanged(_editing);
}

void ProjectsListWidget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit itemDoubleClicked(currentItem());
        return;
    case Qt::Key_Delete:
        _removeCurrentOrTicked(_editing);
        return;
    case Qt::Key_Backspace:
    case Qt::Key_Back:
        if (!_editing && isInFolder())
            cdUp();
        else
            _removeCurrentOrTicked(_editing);
        return;
    case Qt::Key_Escape:
        if (_editing)
            toggleEdit();
        return;
    default:
        QListWidget::keyPressEvent(event);
    }
}

void ProjectsListWidget::_removeCurrentOrTicked(bool preferTicked)
{
    if (preferTicked && !_selectedNames.isEmpty())
        deleteSelectedItems();
    else
        onDeleteActionTriggered();
}

void ProjectsListWidget::showEvent(QShowEvent* event)
{
    QListWidget::showEvent(event);
    // What a killed import or a removal that could not take everything left
    // here goes when the browser comes up, before the listing.
    const QString level = _levelDirectory();
    if (!level.isEmpty())
        HiddenFolder::clearLeftovers(level);
    _listCurrentFolder();
}

void ProjectsListWidget::hideEvent(QHideEvent* event)
{
    // The pictures are loaded again on the next show.
    _entries.clear();
    clear();
    QListWidget::hideEvent(event);
}

// --- Item menu ---------------------------------------------------------------------------------------

void ProjectsListWidget::onCustomContextMenuRequested(const QPoint& pos)
{
    const QModelIndex index = indexAt(pos);
    if (index.isValid() && index.row() > 0)
        _showItemMenu(index, pos);
}

void ProjectsListWidget::onProjectMenuClicked(const QModelIndex& index, const QPoint& pos)
{
    if (index.isValid() && index.row() > 0)
        _showItemMenu(index, pos);
}

QAction* ProjectsListWidget::_action(QAction*& action, const QString& icon, const QString& text, const QString& tip,
                                     void (ProjectsListWidget::*slot)())
{
    if (!action) {
        action = new QAction(QIcon(icon), text, this);
        action->setToolTip(tip);
        action->setStatusTip(tip);
        connect(action, &QAction::triggered, this, slot, Qt::QueuedConnection);
    }
    return action;
}

void ProjectsListWidget::_showItemMenu(const QModelIndex& index, const QPoint& pos)
{
    if (!_entries.isValidIndex(index.row()))
        return;
    const ProjectEntry entry = _entries.at(index.row());
    setCurrentIndex(index);
    QPersistentModelIndex menuIndex(index);
    model()->setData(index, true, ProjectsListWidgetItemDelegate::MenuOpenRole);

    auto* menu = new QMenu(this);
    menu->setWindowFlags(menu->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    menu->setAttribute(Qt::WA_TranslucentBackground);
    auto* title = new QLabel(QStringLiteral("<font color=\"#36c8ff\"><i>%1</i></font>").arg(entry.name().toHtmlEscaped()));
    title->setAlignment(Qt::AlignCenter);
    title->setFixedHeight(30);
    auto* titleAction = new QWidgetAction(menu);
    titleAction->setDefaultWidget(title);
    menu->addAction(titleAction);
    menu->addAction(_action(_removeAction, QStringLiteral(":/images/project_edit_delete"), tr("Remove"),
                            tr("Delete current movie project"), &ProjectsListWidget::onDeleteActionTriggered));
    menu->addAction(_action(_renameAction, QStringLiteral(":/images/project_edit_rename"), tr("Rename"),
                            tr("Rename current movie project"), &ProjectsListWidget::onRenameActionTriggered));
    // A damaged project can be neither duplicated nor archived.
    if (!entry.isFolder && !entry.damaged) {
        menu->addAction(_action(_duplicateAction, QStringLiteral(":/images/project_edit_copy"), tr("Duplicate"),
                                tr("Duplicate current movie project"),
                                &ProjectsListWidget::onDuplicateActionTriggered));
        menu->addAction(_action(_archiveAction, QStringLiteral(":/images/project_edit_archive"), tr("Archive"),
                                tr("Archive current movie project"), &ProjectsListWidget::onArchiveActionTriggered));
    }
    QPointer<ProjectsListWidget> self(this);
    menu->exec(viewport()->mapToGlobal(pos));
    if (!self)
        return;
    delete menu;
    // The chosen action runs next, on the current row: a listing while the
    // menu was open may have made another tile current (or removed this one).
    setCurrentRow(_entries.indexOf(entry.name()));
    if (menuIndex.isValid())
        model()->setData(menuIndex, false, ProjectsListWidgetItemDelegate::MenuOpenRole);
}
