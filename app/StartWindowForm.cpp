#include "StartWindow.h"

#include "LeftsideListWidget.h"
#include "Util.h"

#include <QAction>
#include <QHBoxLayout>
#include <QIcon>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

constexpr int kLeftsideWidth = 100;
constexpr int kRowSide = 75;

const char* const kListStyleSheet =
    "QListWidget {                        background-color: rgb(44,46,50);                        color:white;"
    "                        border:0;                   }";

const char* const kRowIcons[] = {":/images/leftside_logo", ":/images/leftside_settings",
                                 ":/images/leftside_help_support"};

} // namespace

void StartWindow::_buildForm()
{
    if (objectName().isEmpty())
        setObjectName("StartWindow");
    resize(800, 600);
    auto* centralWidget = new QWidget(this);
    centralWidget->setObjectName("centralwidget");
    auto* horizontalLayout = new QHBoxLayout(centralWidget);
    horizontalLayout->setObjectName("horizontalLayout");
    horizontalLayout->setSpacing(0);
    horizontalLayout->setContentsMargins(0, 0, 0, 0);

    auto* leftsideWidget = new QWidget(centralWidget);
    leftsideWidget->setObjectName("leftsideWidget");
    leftsideWidget->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    leftsideWidget->setMinimumSize(kLeftsideWidth, 0);
    leftsideWidget->setMaximumSize(kLeftsideWidth, QWIDGETSIZE_MAX);
    leftsideWidget->setStyleSheet("background-color: rgb(0, 0, 0);");
    auto* verticalLayout = new QVBoxLayout(leftsideWidget);
    verticalLayout->setObjectName("verticalLayout");
    verticalLayout->setContentsMargins(0, 0, 0, 0);
    _leftsideListWidget = new LeftsideListWidget(leftsideWidget);
    _leftsideListWidget->setObjectName("leftsideListWidget");
    _leftsideListWidget->setFocusPolicy(Qt::NoFocus);
    _leftsideListWidget->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    _leftsideListWidget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalLayout->addWidget(_leftsideListWidget);

    _stackedWidget = new QStackedWidget(centralWidget);
    _stackedWidget->setObjectName("stackedWidget");
    horizontalLayout->addWidget(leftsideWidget);
    horizontalLayout->addWidget(_stackedWidget);
    setCentralWidget(centralWidget);

    auto* menubar = new QMenuBar(this);
    menubar->setObjectName("menubar");
    menubar->setGeometry(0, 0, 800, 24);
    setMenuBar(menubar);
    auto* statusbar = new QStatusBar(this);
    statusbar->setObjectName("statusbar");
    setStatusBar(statusbar);
    setWindowTitle(tr("Vidorna"));

    _leftsideListWidget->setStyleSheet(kListStyleSheet);
    _leftsideListWidget->setDelegateStyle(0);
    _leftsideListWidget->setItemIconSize(kRowSide);
}

void StartWindow::_addRows()
{
    for (const char* icon : kRowIcons) {
        auto* item = new QListWidgetItem(QIcon(icon), QString(), _leftsideListWidget);
        item->setSizeHint(QSize(kRowSide, kRowSide));
    }
    _retranslateRows();
}

void StartWindow::_retranslateRows()
{
    _leftsideListWidget->item(MoviesRow)->setText(tr("Movies"));
    _leftsideListWidget->item(SettingsRow)->setText(tr("Settings"));
    _leftsideListWidget->item(HelpRow)->setText(tr("Help"));
}

void StartWindow::_createActions()
{
    _actionNewProject = new QAction(this);
    _actionNewProject->setShortcut(QKeySequence::New);
    _actionNewFolder = new QAction(this);
    _actionImportArchive = new QAction(this);
    _retranslateActions();
    connect(_actionNewProject, &QAction::triggered, this, &StartWindow::onActionNewProjectTriggered);
    connect(_actionNewFolder, &QAction::triggered, this, &StartWindow::onActionNewFolderTriggered);
    connect(_actionImportArchive, &QAction::triggered, this, &StartWindow::onActionImportArchiveTriggered);
    // Their shortcuts work on every page; "New Folder..." is reached only through the menu.
    addAction(_actionNewProject);
    addAction(_actionImportArchive);
}

void StartWindow::_retranslateActions()
{
    _actionNewProject->setText(tr("New Movie..."));
    _actionNewFolder->setText(tr("New Folder..."));
    _actionImportArchive->setText(tr("Import..."));
}

void StartWindow::createMenus()
{
    // Run again on a language change: the old menus and their own actions go first.
    menuBar()->clear();
    delete _fileMenu;
    delete _helpMenu;

    _fileMenu = menuBar()->addMenu(tr("File"));
    connect(_fileMenu, &QMenu::aboutToShow, this, &StartWindow::onFileMenuAboutToShow);
    _fileMenu->addAction(_actionNewProject);
    _fileMenu->addAction(_actionNewFolder);
    _fileMenu->addSeparator();
    _fileMenu->addAction(_actionImportArchive);
    _fileMenu->addSeparator();
    _fileMenu->addAction(tr("Close"), this, &QWidget::close, QKeySequence::Close);

    _helpMenu = menuBar()->addMenu(tr("Help"));
    _helpMenu->addAction(tr("Vidorna Help"), this, &StartWindow::showUserHelp);
    _helpMenu->addAction(tr("Get Vidorna on Smartphones"), this, &StartWindow::getMobileApp);
    _helpMenu->addSeparator();
    _helpMenu->addAction(tr("Feedback..."), this, &StartWindow::feedback);
    _helpMenu->addSeparator();
    _helpMenu->addAction(tr("About Vidorna"), this, &StartWindow::showAbout)->setMenuRole(QAction::AboutRole);

    Util::setMenuBarStyleSheet(menuBar());
    Util::setMenuStyleSheet(_fileMenu);
    Util::setMenuStyleSheet(_helpMenu);
}
