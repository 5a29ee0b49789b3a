#pragma once

#include "ProjectEntryList.h"

#include <QListWidget>
#include <QPersistentModelIndex>
#include <QVariant>

#include <functional>

class ArchiveExporter;
class ArchiveImporter;
class ProjectsListWidgetItemDelegate;
class QAction;

// The icon grid of the projects page: one level of the projects directory
// (the top level or one folder), newest first, behind the new-movie tile, and
// every command on its items: create a project or a folder, open, enter and
// leave a folder, rename, duplicate, remove, copy or move to a folder, archive
// a project and import an archive.
//
// Typed names are checked with ProjectManager::isValidProjectName before
// anything touches the disk, and a refused name is offered again. A command
// whose directory cannot be found (no product folder, a name that is not
// plain) does nothing. The project open in the editor, and the folder that
// holds it, cannot be removed, renamed or moved: its editor would go on
// saving into a folder that has gone.
class ProjectsListWidget : public QListWidget
{
    Q_OBJECT

public:
    // Answers the directory of the project open in the editor; empty when none.
    using OpenProjectHook = std::function<QString()>;

    explicit ProjectsListWidget(QWidget* parent, const QString& folder = QString());
    ~ProjectsListWidget() override;

    void reload();
    void importArchiveFile(const QString& path);
    bool isInFolder() const { return !_currentFolder.isEmpty(); }
    bool isEditing() const { return _editing; }
    QString currentFolder() const { return _currentFolder; }
    void setOpenProjectHook(OpenProjectHook hook) { _openProjectHook = std::move(hook); }

signals:
    void newProjectCreated(QString name, QString folder);
    void oneProjectClicked(QString name, QString folder, bool damaged);
    void projectFolderEntered(QString folder);
    void issueShowWaitingHUD(QString text);
    void issueHideWaitingHUD();
    void issueShowProgressHUD(QString text, float progress);
    void issueHideProgressHUD();
    void issueShowTextMessage(QString text);
    void editStateChanged(bool editing);
    void editSelectionChanged(int selectedCnt);

public slots:
    void changeDirectory(const QString& newFolder);
    void cdUp();
    void toggleEdit();
    void newFolder();
    void deleteSelectedItems();
    void copySelectedItemsToFolder(const QString& folder);
    void moveSelectedItemsToFolder(const QString& folder);
    void importArchive();
    void newProject();

protected slots:
    void onItemClicked(QListWidgetItem* item);
    void onItemPressed(QListWidgetItem* item);
    void onItemDoubleClicked(QListWidgetItem* item);
    void onCustomContextMenuRequested(const QPoint& pos);
    void onProjectMenuClicked(const QModelIndex& index, const QPoint& pos);
    void onProjectFetchImage(const QModelIndex& index, QPixmap& pixmap);
    void onProjectFetchSubImage(const QModelIndex& index, int subIndex, QPixmap& pixmap);
    void onDeleteActionTriggered();
    void onRenameActionTriggered();
    void onDuplicateActionTriggered();
    void onArchiveActionTriggered();
    void onArchiveImporterMessage(ArchiveImporter* importer, int message, QVariant data);
    void onArchiveExporterMessage(ArchiveExporter* exporter, int message, QVariant data);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Work after a closing dialog or a finished command waits this long.
    static constexpr int kDeferredCommandMs = 200;

    // --- Listing (ProjectsListWidget.cpp) ---------------------------------------------
    // The directory of the level shown; empty when there is none.
    QString _levelDirectory() const;
    void _listCurrentFolder();
    void _listKeepingScrollPosition();
    QListWidgetItem* _makeItem(const ProjectEntry& entry) const;
    void _selectName(const QString& name);
    void _selectRow(int row);
    // Lists again and selects name, 200 ms later.
    void _listAndSelectLater(const QString& name);
    void _enterFolder(const QString& name);
    // Calls slot for item from the event loop, once the view's own handling is over.
    void _queueForItem(QListWidgetItem* item, void (ProjectsListWidget::*slot)(QListWidgetItem*));
    void _removeCurrentOrTicked(bool preferTicked);
    // The scaled tile picture of path: covering area (device pixels); null when
    // unreadable or no regular file (a named pipe would hold the painting).
    QPixmap _loadScaled(const QString& path, const QSizeF& area) const;
    void _showItemMenu(const QModelIndex& index, const QPoint& pos);
    QAction* _action(QAction*& action, const QString& icon, const QString& text, const QString& tip,
                     void (ProjectsListWidget::*slot)());
    const ProjectEntry* _currentEntry() const;

    // --- Commands (ProjectsListWidgetCommands.cpp) ---------------------------------------------
    // A text prompt; false when cancelled (pendingName is then cleared).
    bool _prompt(const QString& title, const QString& okText, const QString& label, const QString& text,
                 QString* value);
    // Refuses a name that is not plain, with a message; the name is offered again.
    bool _acceptTypedName(const QString& name);
    int _warn(const QString& title, const QString& text);
    // Whether path is, or holds, the project open in the editor; says so when it is.
    bool _refuseOpenProject(const QStringList& paths);
    // Starts the thread and waits for it in an event loop that takes no user
    // input, so nothing else can start on the same directories meanwhile.
    // False when it did not finish in time: it then goes on alone and deletes
    // itself when done, and the caller must let go of it.
    bool _runAndWait(QThread* thread);
    QString _firstFreeName(const QString& first, const std::function<QString(int)>& numbered,
                           const QString& directory) const;
    bool _writeNewProjectFiles(const QString& name);
    // The directories a copy or move of the ticked items takes; folders give their projects.
    QStringList _sourcesOfTickedItems() const;
    void _copyOrMoveTickedItems(const QString& folder, bool copy);
    void _removeEmptiedFolders();
    void _removeNames(const QStringList& names);
    QStringList _pathsOf(const QStringList& names) const;

    QString _currentFolder;
    ProjectEntryList _entries;
    bool _editing = false;
    // A mouse button went down on the list and has not come up yet.
    bool _buttonHeld = false;
    bool _reloadAfterRelease = false;
    QAction* _removeAction = nullptr;
    QAction* _renameAction = nullptr;
    QAction* _duplicateAction = nullptr;
    QAction* _archiveAction = nullptr;
    QString _pendingName;
    QStringList _selectedNames;
    ProjectsListWidgetItemDelegate* _delegate;
    OpenProjectHook _openProjectHook;
};
