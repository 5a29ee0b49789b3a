// ProjectsListWidget: the commands that change the disk: new project, new
// folder, rename, duplicate, remove, and copy or move to a folder.
#include "ProjectsListWidget.h"

#include "AVRegularFile.h"
#include "CopyOrMoveProjectsTask.h"
#include "DirCopier.h"
#include "HiddenFolder.h"
#include "ProjectFolderMaker.h"
#include "ProjectManager.h"
#include "SaveFileCommit.h"
#include "Util.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QInputDialog>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <memory>


namespace {

// A copy that has not finished after this long is left to finish on its own.
constexpr int kWorkerWaitLimitMs = 60 * 60 * 1000;

const QByteArray kXmlDeclaration = QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");

// Whether path is inside directory or is it; both canonical.
bool isWithin(const QString& path, const QString& directory)
{
    return path == directory || path.startsWith(directory + QLatin1Char('/'));
}

} // namespace

// --- Shared steps -------------------------------------------------------------------------------

bool ProjectsListWidget::_prompt(const QString& title, const QString& okText, const QString& label,
                                 const QString& text, QString* value)
{
    QPointer<QInputDialog> dialog = new QInputDialog(this);
    Util::setDialogStyleSheet(dialog);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setTextEchoMode(QLineEdit::Normal);
    dialog->setWindowTitle(title);
    dialog->setLabelText(label);
    dialog->setOkButtonText(okText);
    dialog->setCancelButtonText(tr("Cancel"));
    dialog->setTextValue(text);
    const bool accepted = dialog->exec() == QDialog::Accepted && dialog;
    if (accepted)
        *value = dialog->textValue();
    delete dialog;
    if (!accepted)
        _pendingName.clear();
    return accepted;
}

int ProjectsListWidget::_warn(const QString& title, const QString& text)
{
    return Util::showMessageBox(this, title, text, QMessageBox::Warning);
}

bool ProjectsListWidget::_acceptTypedName(const QString& name)
{
    if (ProjectManager::isValidProjectName(name))
        return true;
    _warn(tr("Wrong Name"), tr("A name cannot be empty, \".\" or \"..\", or hold \"/\"."));
    _pendingName = name;
    return false;
}

bool ProjectsListWidget::_refuseOpenProject(const QStringList& paths)
{
    const QString open = _openProjectHook ? QFileInfo(_openProjectHook()).canonicalFilePath() : QString();
    if (open.isEmpty())
        return false;
    for (const QString& path : paths) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (!canonical.isEmpty() && isWithin(open, canonical)) {
            _warn(tr("Movie In Use"),
                  tr("\"%1\" is open in the editor. Close the movie first.").arg(QFileInfo(path).fileName()));
            return true;
        }
    }
    return false;
}

bool ProjectsListWidget::_runAndWait(QThread* thread)
{
    QEventLoop loop;
    connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kWorkerWaitLimitMs, &loop, &QEventLoop::quit);
    const QDeadlineTimer deadline(kWorkerWaitLimitMs);
    thread->start(QThread::InheritPriority);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    // The program quitting ends every event loop at once; the copy is still
    // let finish, or half of it would be left behind.
    if (thread->wait(deadline))
        return true;
    qWarning() << "A copy did not finish in time; it goes on alone";
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    return false;
}

QString ProjectsListWidget::_firstFreeName(const QString& first, const std::function<QString(int)>& numbered,
                                           const QString& directory) const
{
    QString name = first;
    for (int n = 1; QFileInfo::exists(directory + QDir::separator() + name); ++n)
        name = numbered(n);
    return name;
}

QStringList ProjectsListWidget::_pathsOf(const QStringList& names) const
{
    QStringList paths;
    for (const QString& name : names)
        paths.append(ProjectManager::projectDirectory(name, _currentFolder));
    return paths;
}

// --- New project and new folder ---------------------------------------------------------------

bool ProjectsListWidget::_writeNewProjectFiles(const QString& name)
{
    // What the storage reads as an empty project of format version 7.
    const QByteArray project = kXmlDeclaration + "<Project/>";
    const QByteArray properties = kXmlDeclaration + "<Properties version=\"" + QByteArray::number(7.0) + "\"/>";
    // Whole or not at all: a cut file on a full disk would stand for the project.
    return SaveFileCommit::writeWhole(ProjectManager::projectXmlPath(name, _currentFolder), project)
           && SaveFileCommit::writeWhole(ProjectManager::propertiesXmlPath(name, _currentFolder), properties);
}

void ProjectsListWidget::newProject()
{
    const QString level = _levelDirectory();
    if (level.isEmpty())
        return;
    for (;;) {
        const auto numbered = [](int n) { return tr("New Movie %1").arg(n); };
        const QString suggestion =
            _pendingName.isEmpty() ? _firstFreeName(tr("New Movie"), numbered, level) : _pendingName;
        QString name;
        if (!_prompt(tr("New Movie"), tr("Create"), tr("Enter project name"), suggestion, &name))
            return;
        if (!_acceptTypedName(name))
            continue;
        const QString directory = ProjectManager::projectDirectory(name, _currentFolder);
        if (!QFileInfo::exists(directory) && QDir(level).mkdir(name)) {
            if (!_writeNewProjectFiles(name)) {
                emit issueShowTextMessage(tr("Failed to create movie file"));
                _pendingName.clear();
                return;
            }
            _listCurrentFolder();
            _selectRow(0);
            emit newProjectCreated(name, _currentFolder);
            _pendingName.clear();
            return;
        }
        if (QFileInfo(directory).isDir())
            _warn(tr("Wrong Name"), tr("The named movie already exists"));
        else
            _warn(QString(), tr("Failed to create movie file"));
        _pendingName = name;
    }
}

void ProjectsListWidget::newFolder()
{
    // Folders hold projects only.
    const QString level = _levelDirectory();
    if (level.isEmpty() || isInFolder())
        return;
    for (;;) {
        QString name;
        if (!_prompt(tr("New Folder"), tr("Create"), tr("Enter folder name"), _pendingName, &name))
            return;
        const ProjectFolderMaker::Result result = ProjectFolderMaker::make(level, name);
        if (result == ProjectFolderMaker::WrongName) {
            _acceptTypedName(name);
            continue;
        }
        if (result == ProjectFolderMaker::NameTaken || result == ProjectFolderMaker::MakeFailed) {
            if (result == ProjectFolderMaker::NameTaken)
                _warn(tr("New Folder Failed"), tr("An item with the name \"%1\" already exists").arg(name));
            else
                _warn(QString(), tr("New Folder Failed"));
            _pendingName = name;
            continue;
        }
        if (result == ProjectFolderMaker::Made)
            _listAndSelectLater(name);
        else
            _warn(QString(), tr("Create new folder exception occurs"));
        _pendingName.clear();
        return;
    }
}

// --- Rename and duplicate ---------------------------------------------------------------------

void ProjectsListWidget::onRenameActionTriggered()
{
    const ProjectEntry* entry = _currentEntry();
    const QString level = _levelDirectory();
    if (!entry || level.isEmpty() || _refuseOpenProject({entry->fileInfo.filePath()}))
        return;
    const QString oldName = entry->name();
    for (;;) {
        QString name;
        if (!_prompt(tr("Rename Item"), tr("Rename"), tr("Enter item name"),
                     _pendingName.isEmpty() ? oldName : _pendingName, &name))
            return;
        if (!_acceptTypedName(name))
            continue;
        QDir directory(level);
        if (directory.rename(oldName, name)) {
            _listAndSelectLater(name);
            _pendingName.clear();
            return;
        }
        if (QFileInfo::exists(directory.filePath(name)))
            _warn(tr("Rename Failed"), tr("An item with the name \"%1\" already exists").arg(name));
        else
            _warn(QString(), tr("Rename failed"));
        _pendingName = name;
    }
}

void ProjectsListWidget::onDuplicateActionTriggered()
{
    const ProjectEntry* entry = _currentEntry();
    const QString level = _levelDirectory();
    if (!entry || entry->isFolder || entry->damaged || level.isEmpty())
        return;
    const QString source = entry->fileInfo.filePath();
    const QString sourceName = entry->name();
    QString name;
    for (;;) {
        // One arg() call: a source name holding "%2" stays as it is.
        const auto numbered = [&sourceName](int n) { return tr("%1 Copy %2").arg(sourceName, QString::number(n)); };
        const QString suggestion =
            _pendingName.isEmpty() ? _firstFreeName(tr("%1 Copy").arg(sourceName), numbered, level) : _pendingName;
        if (!_prompt(tr("Duplicate Movie"), tr("Duplicate"), tr("Enter movie name"), suggestion, &name))
            return;
        if (!_acceptTypedName(name))
            continue;
        if (!QFileInfo::exists(QDir(level).filePath(name)))
            break;
        _warn(tr("Wrong Name"), tr("The named movie already exists"));
        _pendingName = name;
    }
    _pendingName.clear();
    QDir directory(level);
    if (!directory.mkdir(name))
        return;
    const QString destination = directory.filePath(name);
    emit issueShowWaitingHUD(QString());
    auto copier = std::make_unique<DirCopier>(nullptr, source, destination);
    const bool finished = _runAndWait(copier.get());
    if (!finished)
        (void)copier.release();
    if (finished && copier->succeeded()) {
        ProjectEntry::dropExampleMarker(destination);
        _listAndSelectLater(name);
    } else {
        if (finished)
            HiddenFolder::remove(destination);
        _warn(QString(), tr("Failed to duplicate movie"));
    }
    emit issueHideWaitingHUD();
}

// --- Remove ----------------------------------------------------------------------------------------

void ProjectsListWidget::onDeleteActionTriggered()
{
    const ProjectEntry* entry = _currentEntry();
    if (!entry)
        return;
    _removeNames({entry->name()});
}

void ProjectsListWidget::deleteSelectedItems()
{
    if (!_selectedNames.isEmpty())
        _removeNames(_selectedNames);
}

void ProjectsListWidget::_removeNames(const QStringList& names)
{
    QPointer<QMessageBox> box = new QMessageBox(this);
    Util::setDialogStyleSheet(box);
    box->setIcon(QMessageBox::Warning);
    if (names.size() == 1) {
        box->setWindowTitle(tr("Remove Item"));
        box->setText(tr("Do you really want to remove item \"%1\"?").arg(names.first()));
    } else {
        box->setWindowTitle(tr("Remove Item(s)"));
        box->setText(tr("Do you really want to remove %1 item(s)?").arg(names.size()));
    }
    box->addButton(tr("Cancel"), QMessageBox::RejectRole);
    QPushButton* remove = box->addButton(tr("Remove"), QMessageBox::AcceptRole);
    box->exec();
    const bool confirmed = box && box->clickedButton() == remove;
    delete box;
    if (!confirmed || _refuseOpenProject(_pathsOf(names)))
        return;
    QStringList removed;
    QString keptLink;
    bool failed = false;
    for (const QString& name : names) {
        // No directory means nothing to remove: QDir("") is the current folder.
        // A link to a folder elsewhere is kept and told: what the user asked
        // to remove is not here.
        const QString path = ProjectManager::projectDirectory(name, _currentFolder);
        const QFileInfo info(path);
        if (info.isSymLink()) {
            keptLink = name;
            break;
        }
        failed = path.isEmpty() || !info.isDir() || !HiddenFolder::remove(path);
        // What could not go stays hidden: the name is free all the same.
        if (!path.isEmpty() && !avIsNameTaken(path))
            removed.append(name);
        if (failed)
            break;
    }
    if (!removed.isEmpty()) {
        QTimer::singleShot(kDeferredCommandMs, this, [this, removed] {
            _listKeepingScrollPosition();
            for (const QString& name : removed)
                _selectedNames.removeAll(name);
            emit editSelectionChanged(_selectedNames.size());
        });
    }
    if (!keptLink.isEmpty())
        _warn(tr("Failed to remove the item(s)"),
              tr("\"%1\" is a link to a folder elsewhere. It is kept, so that what that folder holds is not "
                 "removed with it.")
                  .arg(keptLink));
    else if (failed)
        _warn(QString(), tr("Failed to remove the item(s)"));
}

// --- Copy and move to a folder -------------------------------------------------------------------

void ProjectsListWidget::copySelectedItemsToFolder(const QString& folder)
{
    _copyOrMoveTickedItems(folder, true);
}

void ProjectsListWidget::moveSelectedItemsToFolder(const QString& folder)
{
    _copyOrMoveTickedItems(folder, false);
}

QStringList ProjectsListWidget::_sourcesOfTickedItems() const
{
    QStringList sources;
    for (const QString& name : _selectedNames) {
        const int index = _entries.indexOf(name);
        if (index < 0)
            continue;
        const ProjectEntry& entry = _entries.at(index);
        if (!entry.isFolder) {
            sources.append(entry.fileInfo.filePath());
            continue;
        }
        for (const ProjectEntry& child : entry.children) {
            if (!child.isPlaceholder())
                sources.append(child.fileInfo.filePath());
        }
    }
    return sources;
}

void ProjectsListWidget::_copyOrMoveTickedItems(const QString& folder, bool copy)
{
    const QString destination =
        folder.isEmpty() ? ProjectManager::projectsDirectory() : ProjectManager::projectDirectory(folder, QString());
    const QStringList sources = _sourcesOfTickedItems();
    // Ticked empty folders give no sources, yet a move still deletes them.
    if (destination.isEmpty() || _selectedNames.isEmpty()
        || (!copy && _refuseOpenProject(_pathsOf(_selectedNames))))
        return;
    const QString text = copy ? tr("Copying items...") : tr("Moving items...");
    emit issueShowProgressHUD(text, 0.0f);
    auto task = std::make_unique<CopyOrMoveProjectsTask>(nullptr, sources, destination, copy);
    connect(task.get(), &CopyOrMoveProjectsTask::progressChanged, this,
            [this, text](float progress) { emit issueShowProgressHUD(text, progress); });
    const bool finished = _runAndWait(task.get());
    if (!finished)
        (void)task.release();
    emit issueHideProgressHUD();
    int done = 0;
    if (!finished || !task->result(&done))
        _warn(QString(), copy ? tr("Failed to duplicate movie") : tr("Failed to move movie"));
    else
        emit issueShowTextMessage((copy ? tr("%1 item(s) copied") : tr("%1 item(s) moved")).arg(done));
    if (!copy)
        _removeEmptiedFolders();
    _selectedNames.clear();
    _listKeepingScrollPosition();
    emit editSelectionChanged(0);
}

void ProjectsListWidget::_removeEmptiedFolders()
{
    for (const QString& name : _selectedNames) {
        const int index = _entries.indexOf(name);
        if (index < 0 || !_entries.at(index).isFolder)
            continue;
        // What is on disk now, not the listing: a project the listing did
        // not hold (made since, or failed to move) keeps its folder.
        QDir folder(_entries.at(index).fileInfo.filePath());
        if (folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).isEmpty())
            HiddenFolder::remove(folder.path());
    }
}
