#include "ProjectFoldersPopup.h"

#include "ProjectFolderMaker.h"
#include "ProjectManager.h"
#include "ProjectEntry.h"
#include "Util.h"

#include <QDir>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kMoveOperation = 1;
constexpr int kBarHeight = 40;
constexpr int kRowHeight = 40;
constexpr int kReloadDelayMs = 200;

const char* const kStyleSheet =
    "QWidget#mainWidget { background-color: rgb(31,32,35); color: white; border-radius: 5px; "
    "border: 1px solid rgb(64,64,64); }"
    "QLabel#titleLabel { color: white; }"
    "QListWidget { background-color: rgb(31,32,35); color: white; border: none; "
    "border-left: 1px solid rgb(64,64,64); border-right: 1px solid rgb(64,64,64); outline: none; }"
    "QListWidget::item { margin: 5px 0px; padding-left: 10px; background-color: rgb(31,32,35); }"
    "QListWidget::item:selected { background-color: rgb(44,46,50); }"
    "QWidget#bottomBar { border-top: 0.5px solid rgb(64,64,64); }"
    "QWidget#titleBar QPushButton, QWidget#bottomBar QPushButton { color: white; background: transparent; "
    "border: none; padding: 4px 8px; }"
    "QWidget#titleBar QPushButton:hover, QWidget#bottomBar QPushButton:hover { background-color: rgb(44,46,50); "
    "border-radius: 5px; }"
    "QWidget#titleBar QPushButton:pressed, QWidget#bottomBar QPushButton:pressed { background-color: black; "
    "border-radius: 5px; }"
    "QWidget#titleBar QPushButton:disabled, QWidget#bottomBar QPushButton:disabled { color: rgb(64,64,64); }";

QPushButton* makeBarButton(const QString& name, const QString& text)
{
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    QFont font = button->font();
    font.setPointSizeF(font.pointSizeF() + 1);
    button->setFont(font);
    return button;
}

} // namespace

ProjectFoldersPopup::ProjectFoldersPopup(QWidget* parent, int operation, const QString& startFolder)
    : PopupWidget(parent), _operation(operation), _currentFolder(startFolder)
{
    _buildForm();
    _operationButton->setText(_operation == kMoveOperation ? tr("Move") : tr("Copy"));
    connect(_listWidget, &QListWidget::itemClicked, this, &ProjectFoldersPopup::onFolderItemClicked);
    connect(_backButton, &QPushButton::clicked, this, &ProjectFoldersPopup::on_backButton_clicked);
    connect(_cancelButton, &QPushButton::clicked, this, &ProjectFoldersPopup::on_cancelButton_clicked);
    connect(_newFolderButton, &QPushButton::clicked, this, &ProjectFoldersPopup::on_newFolderButton_clicked);
    connect(_operationButton, &QPushButton::clicked, this, &ProjectFoldersPopup::on_operationButton_clicked);
    setStyleSheet(kStyleSheet);
    auto* shadow = new QGraphicsDropShadowEffect(_mainWidget);
    shadow->setBlurRadius(100);
    shadow->setOffset(0, 0);
    shadow->setColor(QColor(0, 0, 0, 128));
    _mainWidget->setGraphicsEffect(shadow);
    if (parent)
        setGeometry(0, 0, parent->width(), parent->height());
    _loadFolders();
}

void ProjectFoldersPopup::_buildForm()
{
    auto* verticalLayout = new QVBoxLayout(this);
    auto* horizontalLayout = new QHBoxLayout;
    _mainWidget = new QWidget;
    _mainWidget->setObjectName("mainWidget");
    _mainWidget->setAttribute(Qt::WA_StyledBackground, true);
    _mainWidget->setMinimumSize(500, 500);
    auto* panel = new QVBoxLayout(_mainWidget);
    panel->setSpacing(0);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(_buildTitleBar());
    _listWidget = new QListWidget;
    _listWidget->setObjectName("listWidget");
    _listWidget->setIconSize(QSize(25, 25));
    _listWidget->installEventFilter(this);
    panel->addWidget(_listWidget);
    panel->addWidget(_buildBottomBar());
    horizontalLayout->addStretch();
    horizontalLayout->addWidget(_mainWidget);
    horizontalLayout->addStretch();
    verticalLayout->addSpacerItem(new QSpacerItem(20, 24, QSizePolicy::Minimum, QSizePolicy::Expanding));
    verticalLayout->addLayout(horizontalLayout);
    verticalLayout->addSpacerItem(new QSpacerItem(20, 24, QSizePolicy::Minimum, QSizePolicy::Expanding));
}

QWidget* ProjectFoldersPopup::_buildTitleBar()
{
    auto* titleBar = new QWidget;
    titleBar->setObjectName("titleBar");
    titleBar->setMinimumHeight(kBarHeight);
    auto* layout = new QHBoxLayout(titleBar);
    layout->setContentsMargins(12, 5, 12, 5);
    _backButton = makeBarButton("backButton", QString());
    _backButton->setIcon(QIcon(":/images/navi_back"));
    _backButton->setMinimumWidth(40);
    // Hidden at the top level without moving the title.
    QSizePolicy policy = _backButton->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    _backButton->setSizePolicy(policy);
    _titleLabel = new QLabel;
    _titleLabel->setObjectName("titleLabel");
    QFont font = _titleLabel->font();
    font.setPointSizeF(font.pointSizeF() + 1);
    font.setWeight(QFont::Bold);
    _titleLabel->setFont(font);
    _cancelButton = makeBarButton("cancelButton", tr("Cancel"));
    layout->addWidget(_backButton);
    layout->addStretch();
    layout->addWidget(_titleLabel);
    layout->addStretch();
    layout->addWidget(_cancelButton);
    return titleBar;
}

QWidget* ProjectFoldersPopup::_buildBottomBar()
{
    auto* bottomBar = new QWidget;
    bottomBar->setObjectName("bottomBar");
    bottomBar->setAttribute(Qt::WA_StyledBackground, true);
    bottomBar->setMinimumHeight(kBarHeight);
    auto* layout = new QHBoxLayout(bottomBar);
    layout->setContentsMargins(12, 0, 12, 0);
    _newFolderButton = makeBarButton("newFolderButton", tr("New Folder"));
    _newFolderButton->setToolTip(tr("Create a new folder"));
    _operationButton = makeBarButton("operationButton", QString());
    layout->addWidget(_newFolderButton);
    layout->addStretch();
    layout->addWidget(_operationButton);
    return bottomBar;
}

QString ProjectFoldersPopup::_listedDirectory() const
{
    const QString projects = ProjectManager::projectsDirectory();
    if (projects.isEmpty() || _currentFolder.isEmpty())
        return projects;
    return projects + QDir::separator() + _currentFolder;
}

void ProjectFoldersPopup::_loadFolders()
{
    _folderNames.clear();
    _listWidget->clear();
    const bool atTop = _currentFolder.isEmpty();
    _newFolderButton->setEnabled(atTop);
    _backButton->setVisible(!atTop);
    const QString shown = atTop ? tr("Movies") : _currentFolder;
    _titleLabel->setText(_operation == kMoveOperation ? tr("Move to %1").arg(shown) : tr("Copy to %1").arg(shown));
    const QString listed = _listedDirectory();
    if (listed.isEmpty())
        return;
    const QFileInfoList entries = QDir(listed).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Time);
    for (const QFileInfo& entry : entries) {
        if (!QFileInfo::exists(entry.filePath() + QLatin1Char('/') + ProjectEntry::folderMarker()))
            continue;
        _folderNames.append(entry.fileName());
        auto* item = new QListWidgetItem(QIcon(":/images/project_folder_small"), entry.fileName(), _listWidget);
        item->setSizeHint(QSize(0, kRowHeight));
    }
}

void ProjectFoldersPopup::onFolderItemClicked(QListWidgetItem* item)
{
    if (!item)
        return;
    _currentFolder = item->text();
    _loadFolders();
}

void ProjectFoldersPopup::on_backButton_clicked()
{
    _currentFolder.clear();
    _loadFolders();
}

void ProjectFoldersPopup::on_cancelButton_clicked()
{
    emit didCancel();
}

void ProjectFoldersPopup::on_operationButton_clicked()
{
    emit didSelectFolder(_currentFolder);
}

void ProjectFoldersPopup::_warn(const QString& title, const QString& text)
{
    Util::showMessageBox(this, title, text, QMessageBox::Warning);
}

void ProjectFoldersPopup::on_newFolderButton_clicked()
{
    // Folders hold projects only.
    if (!_currentFolder.isEmpty())
        return;
    // Each dialog runs its own event loop, in which the owner may close the popup.
    const QPointer<ProjectFoldersPopup> alive(this);
    for (;;) {
        QPointer<QInputDialog> dialog = new QInputDialog(this);
        Util::setDialogStyleSheet(dialog);
        dialog->setWindowTitle(tr("New Folder"));
        dialog->setOkButtonText(tr("Create"));
        dialog->setLabelText(tr("Enter folder name"));
        dialog->setInputMode(QInputDialog::TextInput);
        dialog->setTextEchoMode(QLineEdit::Normal);
        dialog->setTextValue(_rejectedFolderName);
        dialog->setCancelButtonText(tr("Cancel"));
        const bool accepted = dialog->exec() == QDialog::Accepted && alive && dialog;
        if (!alive)
            return;
        const QString name = accepted ? dialog->textValue() : QString();
        delete dialog;
        if (!accepted) {
            _rejectedFolderName.clear();
            return;
        }
        switch (ProjectFolderMaker::make(_listedDirectory(), name)) {
        case ProjectFolderMaker::Made:
            _rejectedFolderName.clear();
            QTimer::singleShot(kReloadDelayMs, this, &ProjectFoldersPopup::_loadFolders);
            return;
        case ProjectFolderMaker::MarkerFailed:
            _rejectedFolderName.clear();
            _warn(QString(), tr("Create new folder exception occurs"));
            return;
        case ProjectFolderMaker::WrongName:
            _warn(tr("Wrong Name"), tr("A name cannot be empty, \".\" or \"..\", or hold \"/\"."));
            break;
        case ProjectFolderMaker::NameTaken:
            _warn(tr("Rename Failed"), tr("An item with the name \"%1\" already exists").arg(name));
            break;
        case ProjectFolderMaker::MakeFailed:
            _warn(QString(), tr("New Folder Failed"));
            break;
        }
        if (!alive)
            return;
        _rejectedFolderName = name;
    }
}

bool ProjectFoldersPopup::_handleKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Backspace:
    case Qt::Key_Back:
        on_backButton_clicked();
        return true;
    case Qt::Key_Right:
        if (QListWidgetItem* item = _listWidget->currentItem())
            onFolderItemClicked(item);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (QListWidgetItem* item = _listWidget->currentItem())
            onFolderItemClicked(item);
        else
            on_operationButton_clicked();
        return true;
    case Qt::Key_Escape:
        on_cancelButton_clicked();
        return true;
    default:
        return false;
    }
}

bool ProjectFoldersPopup::tryDismiss()
{
    return _handleKey(Qt::Key_Escape);
}

bool ProjectFoldersPopup::acceptByReturnKey()
{
    return _handleKey(Qt::Key_Return);
}

bool ProjectFoldersPopup::eventFilter(QObject* watched, QEvent* event)
{
    // The list would take Space, Left and Right for itself.
    if (watched == _listWidget && event->type() == QEvent::KeyPress
        && _handleKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return PopupWidget::eventFilter(watched, event);
}

void ProjectFoldersPopup::keyPressEvent(QKeyEvent* event)
{
    if (!_handleKey(event->key()))
        PopupWidget::keyPressEvent(event);
}

void ProjectFoldersPopup::showEvent(QShowEvent* event)
{
    PopupWidget::showEvent(event);
    _listWidget->setFocus();
    _listWidget->setCurrentRow(-1);
}
