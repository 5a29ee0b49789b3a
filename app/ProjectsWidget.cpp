#include "ProjectsWidget.h"

#include "DesktopMainWindow.h"
#include "PopupProjectSettingsWidget.h"
#include "ProjectFoldersPopup.h"
#include "ProjectManager.h"
#include "ProjectXml.h"
#include "ProjectsListWidget.h"
#include "Util.h"

#include <QEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QXmlStreamWriter>

namespace {

// The values a new project starts with: 16:9 landscape, 30 frames per second, on black.
constexpr int kNewProjectResolution = 1;
constexpr bool kNewProjectDirection = true;
constexpr float kNewProjectFrameRate = 30.0f;
constexpr QRgb kNewProjectBackground = 0xFF000000;

// The properties file format this version writes.
constexpr double kPropertiesVersion = 7.0;

// The attributes in the order the editor's own files have them.
void writeNewProperties(QXmlStreamWriter& writer, const PopupProjectSettingsWidget& settings)
{
    writer.writeEmptyElement(QStringLiteral("Properties"));
    writer.writeAttribute(QStringLiteral("version"), QString::number(kPropertiesVersion, 'g', 6));
    writer.writeAttribute(QStringLiteral("direction"), QString::number(settings.direction() ? 1 : 0));
    writer.writeAttribute(QStringLiteral("resolution"), QString::number(settings.resolution()));
    writer.writeAttribute(QStringLiteral("frameRate"), QString::number(double(settings.frameRate()), 'g', 6));
    writer.writeAttribute(QStringLiteral("fixCoverImage"), QString::number(settings.fixCoverImage() ? 1 : 0));
    writer.writeAttribute(QStringLiteral("backgroundColor"), settings.backgroundColor().name(QColor::HexArgb));
}

} // namespace

ProjectsWidget::ProjectsWidget(QWidget* parent) : QWidget(parent), _title(tr("Movies"))
{
    _buildForm();
    _connectList();
    connect(_backButton, &QPushButton::clicked, _projectsListWidget, &ProjectsListWidget::cdUp);
    connect(_importButton, &QPushButton::clicked, _projectsListWidget, &ProjectsListWidget::importArchive);
    connect(_editButton, &QPushButton::clicked, _projectsListWidget, &ProjectsListWidget::toggleEdit);
    connect(_editNewFolderButton, &QPushButton::clicked, _projectsListWidget, &ProjectsListWidget::newFolder);
    connect(_editMoveToButton, &QPushButton::clicked, this, &ProjectsWidget::onEditMoveToButtonClicked);
    connect(_editCopyToButton, &QPushButton::clicked, this, &ProjectsWidget::onEditCopyToButtonClicked);
    connect(_editDeleteButton, &QPushButton::clicked, _projectsListWidget, &ProjectsListWidget::deleteSelectedItems);
    // The list must not remove or move the project the editor is saving into.
    _projectsListWidget->setOpenProjectHook([] {
        const ProjectManager* project = _openProjectStorage();
        return project ? ProjectManager::projectDirectory(project->projectName(), project->projectFolder())
                       : QString();
    });
}

void ProjectsWidget::_connectList()
{
    ProjectsListWidget* list = _projectsListWidget;
    connect(list, &ProjectsListWidget::issueShowWaitingHUD, this, &ProjectsWidget::issueShowWaitingHUD);
    connect(list, &ProjectsListWidget::issueHideWaitingHUD, this, &ProjectsWidget::issueHideWaitingHUD);
    connect(list, &ProjectsListWidget::issueShowProgressHUD, this, &ProjectsWidget::issueShowProgressHUD);
    connect(list, &ProjectsListWidget::issueHideProgressHUD, this, &ProjectsWidget::issueHideProgressHUD);
    connect(list, &ProjectsListWidget::issueShowTextMessage, this, &ProjectsWidget::issueShowTextMessage);
    connect(list, &ProjectsListWidget::projectFolderEntered, this, &ProjectsWidget::onProjectFolderEntered);
    connect(list, &ProjectsListWidget::oneProjectClicked, this, &ProjectsWidget::onProjectClicked);
    connect(list, &ProjectsListWidget::editStateChanged, this, &ProjectsWidget::onEditStateChanged);
    connect(list, &ProjectsListWidget::editSelectionChanged, this, &ProjectsWidget::onEditSelectionChanged);
    connect(list, &ProjectsListWidget::newProjectCreated, this, &ProjectsWidget::onNewProjectCreated);
}

bool ProjectsWidget::isInFolder() const
{
    return _projectsListWidget->isInFolder();
}

void ProjectsWidget::newProject()
{
    _leaveEditMode();
    _projectsListWidget->newProject();
}

void ProjectsWidget::newFolder()
{
    _projectsListWidget->newFolder();
}

void ProjectsWidget::importArchive()
{
    _leaveEditMode();
    _projectsListWidget->importArchive();
}

void ProjectsWidget::importProject(const QString& path)
{
    QMessageBox box(QMessageBox::Question, tr("Import Project"),
                    tr("Do you want to import project \"%1\" into Vidorna?").arg(QFileInfo(path).fileName()),
                    QMessageBox::NoButton, this);
    Util::setDialogStyleSheet(&box);
    box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    const QPushButton* importButton = box.addButton(tr("Import"), QMessageBox::AcceptRole);
    box.exec();
    if (box.clickedButton() != importButton)
        return;
    _leaveEditMode();
    _projectsListWidget->importArchiveFile(path);
}

void ProjectsWidget::reloadProjects()
{
    _projectsListWidget->reload();
}

void ProjectsWidget::resetAfterWorkingDirectoryChanged()
{
    _leaveEditMode();
    if (_projectsListWidget->isInFolder())
        _projectsListWidget->cdUp();
}

void ProjectsWidget::_leaveEditMode()
{
    if (_projectsListWidget->isEditing())
        _projectsListWidget->toggleEdit();
}

// --- Opening -----------------------------------------------------------------------------

void ProjectsWidget::onProjectClicked(const QString& name, const QString& folder, bool damaged)
{
    if (damaged) {
        Util::showMessageBox(window(), tr("Open Movie Failed"), tr("This movie is damaged, you cannot open it."),
                             QMessageBox::Warning);
        return;
    }
    _openProject(name, folder);
}

MainWindow* ProjectsWidget::_openEditorWindow()
{
    QWidget* central = Util::mainWindow();
    return central ? qobject_cast<MainWindow*>(central->window()) : nullptr;
}

const ProjectManager* ProjectsWidget::_openProjectStorage()
{
    const MainWindow* window = _openEditorWindow();
    return window ? window->projectManager() : nullptr;
}

void ProjectsWidget::_openProject(const QString& name, const QString& folder)
{
    if (MainWindow* open = _openEditorWindow()) {
        const ProjectManager* project = open->projectManager();
        if (project && project->projectName() == name && project->projectFolder() == folder) {
            open->setWindowState((open->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
            open->raise();
            open->activateWindow();
        } else {
            Util::showMessageBox(this, tr("Open Failed"), tr("This project cannot be opened at this time."),
                                 QMessageBox::Warning);
        }
        return;
    }
    // A window that fails to open says so itself and deletes itself later.
    QPointer<DesktopMainWindow> editor = new DesktopMainWindow(name, folder);
    if (editor.isNull() || editor->isOpenFailed())
        return;
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->showMaximized();
}

// --- Creating ------------------------------------------------------------------------------

void ProjectsWidget::onNewProjectCreated(const QString& name, const QString& folder)
{
    if (_settingsPopup)
        _settingsPopup->dismiss();
    _newProjectName = name;
    _newProjectFolder = folder;
    _settingsPopup = new PopupProjectSettingsWidget(window());
    connect(_settingsPopup, &CommonPopup::dismissed, this, &ProjectsWidget::popup_onDismissed);
    connect(_settingsPopup, &PopupProjectSettingsWidget::popupProjectSettingsWidgetDidFinish, this,
            &ProjectsWidget::projectSettingsPopup_onDidFinish);
    _settingsPopup->showWithSettings(window(), nullptr, 0, kNewProjectResolution, kNewProjectDirection,
                                     kNewProjectFrameRate, false, QColor::fromRgba(kNewProjectBackground));
}

void ProjectsWidget::popup_onDismissed(CommonPopup* popup)
{
    if (popup == _settingsPopup)
        _settingsPopup = nullptr;
}

void ProjectsWidget::projectSettingsPopup_onDidFinish(PopupProjectSettingsWidget* settingsWidget)
{
    // Written whole to a temporary file first: a failed write leaves the
    // version-only file the list made, never a cut one.
    const int result = ProjectXml::write(
        ProjectManager::propertiesXmlPath(_newProjectName, _newProjectFolder), "New project properties save error",
        [settingsWidget](QXmlStreamWriter& writer) { writeNewProperties(writer, *settingsWidget); });
    settingsWidget->dismiss();
    if (result != 0) {
        emit issueShowTextMessage(tr("Failed to open project file"));
        return;
    }
    const QString name = _newProjectName;
    const QString folder = _newProjectFolder;
    QTimer::singleShot(kDeferredMs, this, [this, name, folder] { _openProject(name, folder); });
}

// --- Copy and move ---------------------------------------------------------------------------

void ProjectsWidget::onEditCopyToButtonClicked()
{
    _showFoldersPopup(0);
}

void ProjectsWidget::onEditMoveToButtonClicked()
{
    _showFoldersPopup(1);
}

void ProjectsWidget::_showFoldersPopup(int operation)
{
    if (_foldersPopup)
        return;
    QWidget* cover = window();
    _foldersPopup = new ProjectFoldersPopup(cover, operation, QString());
    _foldersPopup->setGeometry(0, 0, cover->width(), cover->height());
    connect(_foldersPopup, &ProjectFoldersPopup::didCancel, this, &ProjectsWidget::onProjectFoldersPopupDidCancel);
    connect(_foldersPopup, &ProjectFoldersPopup::didSelectFolder, this,
            &ProjectsWidget::onProjectFoldersPopupDidSelectFolder);
    _foldersPopup->show();
}

void ProjectsWidget::_closeFoldersPopup()
{
    ProjectFoldersPopup* popup = _foldersPopup;
    _foldersPopup = nullptr;
    popup->hide();
    popup->close();
    popup->deleteLater();
}

void ProjectsWidget::onProjectFoldersPopupDidCancel()
{
    if (!_foldersPopup)
        return;
    _closeFoldersPopup();
    _projectsListWidget->reload();
}

void ProjectsWidget::onProjectFoldersPopupDidSelectFolder(const QString& folder)
{
    if (!_foldersPopup)
        return;
    const bool copy = _foldersPopup->operation() != 1;
    _closeFoldersPopup();
    QTimer::singleShot(kDeferredMs, this, [this, folder, copy] {
        if (copy)
            _projectsListWidget->copySelectedItemsToFolder(folder);
        else
            _projectsListWidget->moveSelectedItemsToFolder(folder);
    });
}

// --- Edit mode and navigation ------------------------------------------------------------------

void ProjectsWidget::onEditStateChanged(bool editing)
{
    _backButton->setVisible(!editing);
    _importButton->setVisible(!editing);
    _editButton->setText(editing ? tr("Done") : tr("Edit"));
    _bottomToolbar->setVisible(editing);
    _enableEditButtons(0);
}

void ProjectsWidget::onEditSelectionChanged(int selectedCnt)
{
    _enableEditButtons(selectedCnt);
}

void ProjectsWidget::_enableEditButtons(int selectedCnt)
{
    // Folders hold projects only.
    _editNewFolderButton->setEnabled(!_projectsListWidget->isInFolder());
    for (QPushButton* button : {_editCopyToButton, _editMoveToButton, _editDeleteButton})
        button->setEnabled(selectedCnt >= 1);
}

void ProjectsWidget::onProjectFolderEntered(const QString& folder)
{
    _backButton->setEnabled(!folder.isEmpty());
    _title = folder.isEmpty() ? tr("Movies") : folder;
    emit titleChanged(_title);
}

// --- Events ------------------------------------------------------------------------------------

void ProjectsWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    emit titleChanged(_title);
}

void ProjectsWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // A project may have been saved or closed meanwhile.
        _projectsListWidget->reload();
    } else if (event->type() == QEvent::LanguageChange) {
        _retranslateUi();
        if (!_backButton->isEnabled())
            _title = tr("Movies");
    }
}

void ProjectsWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (_settingsPopup && _settingsPopup->isVisible())
        _settingsPopup->showAt(QPoint(0, 0));
}
