#include "ProjectsWidget.h"

#include "ProjectsListWidget.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {

const char* const kPageStyleSheet =
    "QWidget#toolsPanelWidget { background-color: rgb(31,32,35); color: white; border: none; }"
    "QWidget#bottomToolbar { background-color: rgb(44,46,50); color: white; border: none;"
    " border-top: 0.5px solid rgb(64,64,64); }"
    "QWidget#toolsPanelWidget > QPushButton, QWidget#bottomToolbar > QPushButton {"
    " color: white; background-color: transparency; }"
    "QWidget#toolsPanelWidget > QPushButton:hover, QWidget#bottomToolbar > QPushButton:hover {"
    " background-color: rgb(44,46,50); border-radius: 5px; }"
    "QWidget#toolsPanelWidget > QPushButton:pressed, QWidget#bottomToolbar > QPushButton:pressed {"
    " background-color: black; border-radius: 5px; }"
    "QStatusBar { background-color: rgb(44,46,50); color: white; }"
    "QToolTip { background-color: rgb(54,200,255); color: white; padding: 2px; border-radius: 3px; }";

// A normal picture with its greyed counterpart for the disabled state.
QIcon iconWithDisabled(const QString& normal)
{
    QIcon icon(normal);
    icon.addFile(normal + "_disabled", QSize(), QIcon::Disabled);
    return icon;
}

QPushButton* flatButton(QWidget* parent, const QString& name)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFlat(true);
    return button;
}

} // namespace

void ProjectsWidget::_buildForm()
{
    resize(809, 469);
    auto* layout = new QVBoxLayout(this);
    layout->setObjectName("verticalLayout");
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(_buildToolsPanel());
    _projectsListWidget = new ProjectsListWidget(this);
    _projectsListWidget->setObjectName("projectsListWidget");
    layout->addWidget(_projectsListWidget);
    layout->addWidget(_buildBottomToolbar());
    _retranslateUi();
    _backButton->setEnabled(false);
    _menuButton->hide();
    _bottomToolbar->hide();
    setStyleSheet(kPageStyleSheet);
}

QWidget* ProjectsWidget::_buildToolsPanel()
{
    _toolsPanelWidget = new QWidget(this);
    _toolsPanelWidget->setObjectName("toolsPanelWidget");
    _toolsPanelWidget->setMinimumHeight(50);
    QFont font = _toolsPanelWidget->font();
    font.setPointSizeF(font.pointSizeF() + 1);
    _toolsPanelWidget->setFont(font);
    auto* layout = new QHBoxLayout(_toolsPanelWidget);
    layout->setObjectName("toolsPanelWidgetHorizontalLayout");
    const QMargins margins = layout->contentsMargins();
    layout->setContentsMargins(margins.left(), 9, 9, 9);

    _backButton = flatButton(_toolsPanelWidget, "backButton");
    _backButton->setIcon(iconWithDisabled(":/images/navi_back"));
    _menuButton = flatButton(_toolsPanelWidget, "menuButton");
    _menuButton->setIcon(QIcon(":/images/navi_menu"));
    for (QPushButton* button : {_backButton, _menuButton}) {
        button->setIconSize(QSize(20, 20));
        button->setMinimumWidth(40);
        layout->addWidget(button);
    }
    layout->addItem(new QSpacerItem(559, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    _importButton = flatButton(_toolsPanelWidget, "importButton");
    layout->addWidget(_importButton);
    _editButton = flatButton(_toolsPanelWidget, "editButton");
    _editButton->setMinimumWidth(80);
    layout->addWidget(_editButton);
    return _toolsPanelWidget;
}

QWidget* ProjectsWidget::_buildBottomToolbar()
{
    _bottomToolbar = new QWidget(this);
    _bottomToolbar->setObjectName("bottomToolbar");
    _bottomToolbar->setMinimumHeight(44);
    auto* layout = new QHBoxLayout(_bottomToolbar);
    layout->setObjectName("horizontalLayout_3");
    const QMargins margins = layout->contentsMargins();
    layout->setContentsMargins(margins.left(), 0, margins.right(), 0);
    _editNewFolderButton = _addEditButton("editNewFolderButton", ":/images/project_tb_new_folder");
    _editCopyToButton = _addEditButton("editCopyToButton", ":/images/project_tb_copy");
    _editMoveToButton = _addEditButton("editMoveToButton", ":/images/project_tb_moveto");
    _editDeleteButton = _addEditButton("editDeleteButton", ":/images/project_tb_delete");
    for (QPushButton* button : {_editNewFolderButton, _editCopyToButton, _editMoveToButton}) {
        layout->addWidget(button);
        layout->addItem(new QSpacerItem(151, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    }
    layout->addWidget(_editDeleteButton);
    return _bottomToolbar;
}

QPushButton* ProjectsWidget::_addEditButton(const QString& name, const QString& icon)
{
    QPushButton* button = flatButton(_bottomToolbar, name);
    button->setIcon(iconWithDisabled(icon));
    button->setIconSize(QSize(24, 24));
    return button;
}

void ProjectsWidget::_retranslateUi()
{
    _backButton->setToolTip(tr("Back"));
    _importButton->setText(tr("Import..."));
    _importButton->setToolTip(tr("Import project"));
    _editButton->setText(_projectsListWidget->isEditing() ? tr("Done") : tr("Edit"));
    _editNewFolderButton->setToolTip(tr("Create a new folder"));
    _editCopyToButton->setToolTip(tr("Copy selected items to folder"));
    _editMoveToButton->setToolTip(tr("Move selected items to folder"));
    _editDeleteButton->setToolTip(tr("Delete selected items"));
}
