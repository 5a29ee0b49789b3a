#pragma once

#include <QPointer>
#include <QWidget>

class CommonPopup;
class MainWindow;
class ProjectManager;
class PopupProjectSettingsWidget;
class ProjectFoldersPopup;
class ProjectsListWidget;
class QPushButton;

// The "Movies" page of the start window: a tool bar over the projects list,
// an edit bar under it, and the glue that turns a chosen project into an
// open editor window. It also asks for a new project's settings and writes
// them, hosts the destination chooser of copy and move, and asks before
// importing an archive handed in from outside.
//
// Only one project is open at a time: choosing the open one brings its
// window back, choosing another is refused while it is open.
class ProjectsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ProjectsWidget(QWidget* parent = nullptr);

    QString title() const { return _title; }
    bool isInFolder() const;
    ProjectsListWidget* projectsListWidget() const { return _projectsListWidget; }

    void newProject();
    void newFolder();
    void importArchive();
    // Asks first; imports into the level the list shows.
    void importProject(const QString& path);
    void reloadProjects();
    void resetAfterWorkingDirectoryChanged();

signals:
    void titleChanged(QString title);
    void issueShowWaitingHUD(QString text);
    void issueHideWaitingHUD();
    void issueShowProgressHUD(QString text, float progress);
    void issueHideProgressHUD();
    void issueShowTextMessage(QString text);
    void workingDirectoryChanged();

public slots:
    void onProjectFolderEntered(const QString& folder);
    void onProjectClicked(const QString& name, const QString& folder, bool damaged);
    void onEditStateChanged(bool editing);
    void onEditSelectionChanged(int selectedCnt);
    void onNewProjectCreated(const QString& name, const QString& folder);
    void onEditMoveToButtonClicked();
    void onEditCopyToButtonClicked();
    void onProjectFoldersPopupDidCancel();
    void onProjectFoldersPopupDidSelectFolder(const QString& folder);
    void popup_onDismissed(CommonPopup* popup);
    void projectSettingsPopup_onDidFinish(PopupProjectSettingsWidget* settingsWidget);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Work after a closing popup waits this long, so the popup is gone first.
    static constexpr int kDeferredMs = 200;

    // The form, in ProjectsWidgetForm.cpp.
    void _buildForm();
    QWidget* _buildToolsPanel();
    QWidget* _buildBottomToolbar();
    QPushButton* _addEditButton(const QString& name, const QString& icon);
    void _retranslateUi();
    void _connectList();

    void _openProject(const QString& name, const QString& folder);
    // The editor window now open, or null.
    static MainWindow* _openEditorWindow();
    // The storage of the project open in the editor, which knows its (name, folder); null when none.
    static const ProjectManager* _openProjectStorage();
    void _leaveEditMode();
    void _showFoldersPopup(int operation);
    void _closeFoldersPopup();
    void _enableEditButtons(int selectedCnt);

    QString _title;
    QPointer<ProjectFoldersPopup> _foldersPopup;
    QPointer<PopupProjectSettingsWidget> _settingsPopup;
    QString _newProjectName;
    QString _newProjectFolder;

    QWidget* _toolsPanelWidget = nullptr;
    QPushButton* _backButton = nullptr;
    QPushButton* _menuButton = nullptr;
    QPushButton* _importButton = nullptr;
    QPushButton* _editButton = nullptr;
    ProjectsListWidget* _projectsListWidget = nullptr;
    QWidget* _bottomToolbar = nullptr;
    QPushButton* _editNewFolderButton = nullptr;
    QPushButton* _editCopyToButton = nullptr;
    QPushButton* _editMoveToButton = nullptr;
    QPushButton* _editDeleteButton = nullptr;
};
