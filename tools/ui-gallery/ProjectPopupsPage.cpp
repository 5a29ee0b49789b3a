// The project settings popup, as the new-project sheet and beside a button
// as the editor shows it, and the folders popup of copy and move.
#include "GalleryPages.h"

#include "PopupProjectSettingsWidget.h"
#include "ProjectFoldersPopup.h"
#include "ProjectManager.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

namespace {

void showSettings(QWidget* host, QWidget* anchor, int mode)
{
    auto* popup = new PopupProjectSettingsWidget(host);
    QObject::connect(popup, &PopupProjectSettingsWidget::popupProjectSettingsWidgetDidFinish, popup,
                     &PopupProjectSettingsWidget::dismiss);
    popup->showWithSettings(host, anchor, mode, 1, true, 30, false, QColor(0, 0, 0));
}

// A projects directory of its own with two folders and a project.
void showFolders(QWidget* host)
{
    static QTemporaryDir root;
    ProjectManager::setWorkingFolder(root.path() + "/Vidorna");
    const QString projects = ProjectManager::projectsDirectory();
    for (const QString folder : {"Travels", "Family"}) {
        QDir().mkpath(projects + "/" + folder);
        QFile(projects + "/" + folder + "/.folder").open(QIODevice::WriteOnly);
    }
    QDir().mkpath(projects + "/Beach");
    auto* popup = new ProjectFoldersPopup(host, 0, QString());
    QObject::connect(popup, &ProjectFoldersPopup::didCancel, popup, &QObject::deleteLater);
    QObject::connect(popup, &ProjectFoldersPopup::didSelectFolder, popup, &QObject::deleteLater);
    popup->show();
}

} // namespace

QWidget* createProjectPopupsPage()
{
    auto* page = new QWidget;
    page->setMinimumSize(900, 760);
    auto* layout = new QVBoxLayout(page);
    auto* buttons = new QHBoxLayout;
    auto* sheet = new QPushButton("New project sheet", page);
    auto* folders = new QPushButton("Copy to a folder", page);
    // At the right, so the anchored panels have room at their left.
    auto* live = new QPushButton("Beside this button", page);
    auto* editor = new QPushButton("Editor size, no live changes", page);
    buttons->addWidget(sheet);
    buttons->addWidget(folders);
    buttons->addStretch();
    buttons->addWidget(live);
    buttons->addWidget(editor);
    layout->addLayout(buttons);
    layout->addStretch();
    QObject::connect(sheet, &QPushButton::clicked, page, [page] { showSettings(page, nullptr, 0); });
    QObject::connect(live, &QPushButton::clicked, page, [page, live] { showSettings(page, live, 3); });
    QObject::connect(editor, &QPushButton::clicked, page, [page, editor] { showSettings(page, editor, 2); });
    QObject::connect(folders, &QPushButton::clicked, page, [page] { showFolders(page); });
    return page;
}
