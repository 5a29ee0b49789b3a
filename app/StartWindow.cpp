#include "StartWindow.h"

#include "LeftsideListWidget.h"
#include "NativeWebBrowserWidget.h"
#include "NewVersionDialog.h"
#include "ProjectManager.h"
#include "ProjectsWidget.h"
#include "QNativeWebView.h"
#include "SettingsWidget.h"
#include "UserSettings.h"
#include "Util.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QShowEvent>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>

namespace {

const QString kProjectSuffix = QStringLiteral("vidornaproject");
const char* const kFeedbackAddress = "feedback@peltrane.com";

// Into the working folder in force; a failure leaves the list without them.
void installExampleProjects()
{
    if (!ProjectManager::copyExampleProjects())
        qWarning() << "The example projects could not be installed in" << ProjectManager::projectsDirectory();
}

} // namespace

StartWindow::StartWindow(QWidget* parent) : QMainWindow(parent)
{
    _buildForm();
    _addRows();
    _leftsideListWidget->setCurrentRow(MoviesRow);
    connect(_leftsideListWidget, &LeftsideListWidget::currentRowChanged, this,
            &StartWindow::listsideListWidget_onCurrentRowChanged);
    ProjectManager::setWorkingFolder(UserSettings::instance()->workingDir());
    installExampleProjects();
    createProjectsWidget();
    statusBar()->hide();
    _createActions();
    createMenus();
    qApp->installEventFilter(this);
    setAcceptDrops(true);
}

StartWindow::~StartWindow() = default;

// --- Pages -------------------------------------------------------------------------------

void StartWindow::createProjectsWidget()
{
    if (_projectsWidget)
        return;
    _projectsWidget = new ProjectsWidget(_stackedWidget);
    _stackedWidget->addWidget(_projectsWidget);
    connect(_projectsWidget, &ProjectsWidget::issueShowWaitingHUD, this, &StartWindow::showWaitingHUD);
    connect(_projectsWidget, &ProjectsWidget::issueHideWaitingHUD, this, &StartWindow::hideWaitingHUD);
    connect(_projectsWidget, &ProjectsWidget::issueShowProgressHUD, this, &StartWindow::showProgressHUD);
    connect(_projectsWidget, &ProjectsWidget::issueHideProgressHUD, this, &StartWindow::hideProgressHUD);
    connect(_projectsWidget, &ProjectsWidget::issueShowTextMessage, this, &StartWindow::showTextMessage);
    connect(_projectsWidget, &ProjectsWidget::titleChanged, this, &StartWindow::changeTitle);
    connect(_projectsWidget, &ProjectsWidget::workingDirectoryChanged, this,
            &StartWindow::settingsWidget_onWorkingDirectoryChanged);
}

void StartWindow::_createSettingsWidget()
{
    if (_settingsWidget)
        return;
    _settingsWidget = new SettingsWidget(_stackedWidget);
    _stackedWidget->addWidget(_settingsWidget);
    connect(_settingsWidget, &SettingsWidget::issueShowTextMessage, this, &StartWindow::showTextMessage);
    connect(_settingsWidget, &SettingsWidget::workingDirectoryChanged, this,
            &StartWindow::settingsWidget_onWorkingDirectoryChanged);
}

void StartWindow::_showHelpPage()
{
    if (!QNativeWebView::isEngineAvailable()) {
        // The help pages open in the default browser and the page that was
        // showing stays.
        Util::openHelpInBrowser(this, Util::userHelpUrl(QString()));
        return;
    }
    if (!_helpWidget) {
        _helpWidget = new NativeWebBrowserWidget(_stackedWidget);
        _stackedWidget->addWidget(_helpWidget);
        connect(_helpWidget, &NativeWebBrowserWidget::titleChanged, this, &StartWindow::changeTitle);
        _helpWidget->loadUrl(Util::userHelpUrl(QString()));
    }
    // Given each time, so that a change of language reaches it.
    _helpWidget->setTitle(tr("Help Center"));
    _showPage(_helpWidget, _helpWidget->title());
}

void StartWindow::_showPage(QWidget* page, const QString& title)
{
    _stackedWidget->setCurrentWidget(page);
    changeTitle(title);
}

void StartWindow::listsideListWidget_onCurrentRowChanged(int currentRow)
{
    switch (currentRow) {
    case MoviesRow:
        createProjectsWidget();
        _showPage(_projectsWidget, _projectsWidget->title());
        break;
    case SettingsRow:
        _createSettingsWidget();
        _showPage(_settingsWidget, _settingsWidget->title());
        break;
    case HelpRow:
        _showHelpPage();
        break;
    default:
        break;
    }
}

void StartWindow::settingsWidget_onWorkingDirectoryChanged()
{
    installExampleProjects();
    if (_projectsWidget)
        _projectsWidget->resetAfterWorkingDirectoryChanged();
}

// --- Actions -----------------------------------------------------------------------------

void StartWindow::onActionNewProjectTriggered()
{
    if (isHidden())
        show();
    _leftsideListWidget->setCurrentRow(MoviesRow);
    QTimer::singleShot(kDeferredMs, this, [this] { _projectsWidget->newProject(); });
}

void StartWindow::onActionNewFolderTriggered()
{
    if (isHidden())
        show();
    _projectsWidget->newFolder();
}

void StartWindow::onActionImportArchiveTriggered()
{
    _leftsideListWidget->setCurrentRow(MoviesRow);
    QTimer::singleShot(kDeferredMs, this, [this] { _projectsWidget->importArchive(); });
}

void StartWindow::onFileMenuAboutToShow()
{
    // Folders do not nest.
    _actionNewFolder->setEnabled(!_projectsWidget->isInFolder());
}

void StartWindow::showUserHelp()
{
    if (isHidden())
        show();
    _leftsideListWidget->setCurrentRow(HelpRow);
}

void StartWindow::showAbout()
{
    Util::showAboutDialog(this);
}

void StartWindow::getMobileApp()
{
    Util::openUrl(Util::productSiteUrl());
}

void StartWindow::feedback()
{
    QString body = tr("How do you think about Vidorna? What features do you want to see in the next version of "
                      "Vidorna? Or do you want to report a bug? All about Vidorna, please tell us.\n\n\n\n\n\n\n\n"
                      "<From Vidorna v%1 on %2 with %3>")
                       .arg(Util::versionString(), Util::machineHostName(), Util::osName());
    body.replace("\n", "%0A").replace("<", "%3C").replace(">", "%3E");
    QString link = QString("mailto:%1?subject=Vidorna Feedback&body=%2").arg(kFeedbackAddress, body);
    link.replace(" ", "%20");
    qDebug() << "Email url " << link;
    Util::openUrl(link);
}

// --- Update check ------------------------------------------------------------------------

void StartWindow::checkNewVersion()
{
    // One request at a time, and none once a reply has named a version.
    if (!isActiveWindow() || _updateCheckPending || !_latestVersion.isEmpty())
        return;
    if (!_networkManager) {
        _networkManager = new QNetworkAccessManager(this);
        connect(_networkManager, &QNetworkAccessManager::finished, this, &StartWindow::onNetworkCompleted);
    }
    const QUrl address(Util::webQueryUrl(Util::updateCheckUrl()), QUrl::TolerantMode);
    _networkManager->get(QNetworkRequest(address));
    _updateCheckPending = true;
}

void StartWindow::onNetworkCompleted(QNetworkReply* reply)
{
    reply->deleteLater();
    _updateCheckPending = false;
    // Whatever the outcome, the window does not ask again unless the reply
    // names an empty version.
    _latestVersion = Util::versionString();
    if (reply->error() != QNetworkReply::NoError) {
        qDebug() << "Network error " << reply->error();
        return;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 200 && status <= 299)
        _handleUpdateReply(reply->readAll());
}

void StartWindow::_handleUpdateReply(const QByteArray& body)
{
    // "<version>##<download address>", nothing trimmed.
    const QStringList parts = QString::fromUtf8(body).split("##", Qt::KeepEmptyParts, Qt::CaseSensitive);
    if (parts.size() != 2)
        return;
    _latestVersion = parts.at(0);
    qDebug() << "Check new version:" << _latestVersion;
    if (!isActiveWindow() || Util::compareVersions(_latestVersion, Util::versionString()) <= 0)
        return;
    NewVersionDialog dialog(_latestVersion, parts.at(1), this);
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    dialog.exec();
}

// --- Overlay -----------------------------------------------------------------------------

void StartWindow::_showOverlay(ProgressHUDMode mode, const QString& text)
{
    if (!_hud) {
        _hud = new ProgressHUD(this, mode);
        _hud->setGeometry(0, 0, width(), height());
        _hud->show();
    }
    _hud->setText(text);
}

void StartWindow::_hideOverlay()
{
    if (!_hud)
        return;
    _hud->hide();
    _hud->close();
    delete _hud;
}

void StartWindow::showWaitingHUD(const QString& text)
{
    _showOverlay(ProgressHUDSpinner, text);
}

void StartWindow::hideWaitingHUD()
{
    _hideOverlay();
}

void StartWindow::showProgressHUD(const QString& text, float progress)
{
    _showOverlay(ProgressHUDBar, text);
    _hud->setProgress(progress);
}

void StartWindow::hideProgressHUD()
{
    _hideOverlay();
}

void StartWindow::showTextMessage(const QString& text)
{
    ProgressHUD::showMessage(text, this, kTextMessageMs);
}

void StartWindow::changeTitle(const QString& title)
{
    if (!title.isEmpty())
        setWindowTitle(title);
}

// --- Files from outside ----------------------------------------------------------------------

void StartWindow::openFileFromExternal(const QString& file)
{
    if (QFileInfo(file).completeSuffix() == kProjectSuffix)
        _projectsWidget->importProject(file);
}

void StartWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QMimeData* data = event->mimeData();
    qDebug() << "StartWindow dropEnterEvent" << data->formats() << data->urls();
    _droppedFile.clear();
    if (!data->hasFormat("text/uri-list") || data->urls().isEmpty())
        return;
    // Only the first file counts, and the last suffix must match exactly.
    const QUrl url = data->urls().first();
    if (!url.isLocalFile() || QFileInfo(url.toLocalFile()).suffix() != kProjectSuffix)
        return;
    _droppedFile = url.toLocalFile();
    event->acceptProposedAction();
}

void StartWindow::dragMoveEvent(QDragMoveEvent* event)
{
    event->acceptProposedAction();
}

void StartWindow::dropEvent(QDropEvent* event)
{
    if (_droppedFile.isEmpty())
        return;
    raise();
    activateWindow();
    _leftsideListWidget->setCurrentRow(MoviesRow);
    const QString path = _droppedFile;
    QTimer::singleShot(kDeferredMs, this, [this, path] { _projectsWidget->importProject(path); });
    event->acceptProposedAction();
    _droppedFile.clear();
}

// --- Events ------------------------------------------------------------------------------

bool StartWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Clicking the program in the dock brings the window back.
    if (event->type() == QEvent::ApplicationActivate && !isVisible())
        setVisible(true);
    return QMainWindow::eventFilter(watched, event);
}

void StartWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (_projectsWidget)
            _projectsWidget->reloadProjects();
        QTimer::singleShot(kUpdateCheckDelayMs, this, &StartWindow::checkNewVersion);
    } else if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(tr("Vidorna"));
        // The pages get the same event in no set order: the page's title is
        // read once every widget has been translated. A help row without its
        // page only opened the browser, so it is not run again.
        QMetaObject::invokeMethod(
            this,
            [this] {
                const int row = _leftsideListWidget->currentRow();
                if (row != HelpRow || _helpWidget)
                    listsideListWidget_onCurrentRowChanged(row);
            },
            Qt::QueuedConnection);
        _retranslateRows();
        _retranslateActions();
        createMenus();
    }
}

void StartWindow::closeEvent(QCloseEvent* event)
{
    // The web view is torn down whenever the window closes.
    delete _helpWidget;
    _helpWidget = nullptr;
    QMainWindow::closeEvent(event);
}

void StartWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // A help page dropped by the last close is built and loaded again.
    if (_leftsideListWidget->currentRow() == HelpRow && !_helpWidget && QNativeWebView::isEngineAvailable()) {
        _leftsideListWidget->setCurrentRow(MoviesRow);
        _leftsideListWidget->setCurrentRow(HelpRow);
    }
}
