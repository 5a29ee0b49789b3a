#pragma once

#include "ProgressHUD.h"

#include <QMainWindow>
#include <QPointer>

class LeftsideListWidget;
class NativeWebBrowserWidget;
class ProjectsWidget;
class QAction;
class QMenu;
class QNetworkAccessManager;
class QNetworkReply;
class QStackedWidget;
class SettingsWidget;

// The program's first window, and the one the user comes back to between
// projects: a black column with the left-side list (Movies, Settings, Help)
// beside a stack of pages. It owns the File and Help menus, the overlay its
// pages ask for during long operations, the drop target for project
// archives and the entry point for files handed in from outside.
class StartWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The rows of the left-side list, in order.
    enum Row { MoviesRow = 0, SettingsRow = 1, HelpRow = 2 };

    explicit StartWindow(QWidget* parent = nullptr);
    ~StartWindow() override;

    LeftsideListWidget* leftsideListWidget() const { return _leftsideListWidget; }
    QStackedWidget* stackedWidget() const { return _stackedWidget; }
    ProjectsWidget* projectsWidget() const { return _projectsWidget; }
    // Null until the Settings row is first chosen.
    SettingsWidget* settingsWidget() const { return _settingsWidget; }
    // Made when the Help row is chosen, dropped when the window closes;
    // never made without a web engine (help then opens in the browser).
    NativeWebBrowserWidget* helpWidget() const { return _helpWidget; }
    ProgressHUD* hud() const { return _hud; }
    QMenu* fileMenu() const { return _fileMenu; }
    QMenu* helpMenu() const { return _helpMenu; }
    QAction* newProjectAction() const { return _actionNewProject; }
    QAction* newFolderAction() const { return _actionNewFolder; }
    QAction* importArchiveAction() const { return _actionImportArchive; }

public slots:
    // A project archive from the command line, a second start or the
    // desktop: imported (after asking) when its complete suffix is
    // "vidornaproject", anything else is ignored.
    void openFileFromExternal(const QString& file);

protected slots:
    void showWaitingHUD(const QString& text);
    void hideWaitingHUD();
    void showProgressHUD(const QString& text, float progress);
    void hideProgressHUD();
    void showTextMessage(const QString& text);
    void changeTitle(const QString& title);
    void showAbout();
    void showUserHelp();
    void feedback();
    void getMobileApp();
    void listsideListWidget_onCurrentRowChanged(int currentRow);
    void settingsWidget_onWorkingDirectoryChanged();
    void onActionNewProjectTriggered();
    void onActionNewFolderTriggered();
    void onActionImportArchiveTriggered();
    void onFileMenuAboutToShow();
    void onNetworkCompleted(QNetworkReply* reply);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Work after a menu command or a drop waits this long, so that the
    // menu or the drag has gone and the projects page shows first.
    static constexpr int kDeferredMs = 200;
    // How long after the window becomes active the update check runs.
    static constexpr int kUpdateCheckDelayMs = 1000;
    static constexpr int kTextMessageMs = 2000;

    // The form, in StartWindowForm.cpp.
    void _buildForm();
    void _addRows();
    void _retranslateRows();
    void _createActions();
    void _retranslateActions();
    void createMenus();

    void createProjectsWidget();
    void _createSettingsWidget();
    void _showHelpPage();
    void _showPage(QWidget* page, const QString& title);
    void _showOverlay(ProgressHUDMode mode, const QString& text);
    void _hideOverlay();
    // Asks the update service whether a newer version exists: once in the
    // window's life, unless a reply names an empty version.
    void checkNewVersion();
    // Shows the new-version dialog when the reply names a newer version.
    void _handleUpdateReply(const QByteArray& body);

    // Null until the update check is first sent.
    QNetworkAccessManager* _networkManager = nullptr;
    // The version the last reply named (the running one after a failed
    // check); empty while the window should still ask.
    QString _latestVersion;
    bool _updateCheckPending = false;

    LeftsideListWidget* _leftsideListWidget = nullptr;
    QStackedWidget* _stackedWidget = nullptr;

    QPointer<ProgressHUD> _hud;
    ProjectsWidget* _projectsWidget = nullptr;
    SettingsWidget* _settingsWidget = nullptr;
    NativeWebBrowserWidget* _helpWidget = nullptr;
    QAction* _actionNewProject = nullptr;
    QAction* _actionNewFolder = nullptr;
    QAction* _actionImportArchive = nullptr;
    QMenu* _fileMenu = nullptr;
    QMenu* _helpMenu = nullptr;
    QString _droppedFile;
};
