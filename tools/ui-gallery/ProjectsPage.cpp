// The projects page over a small projects directory made for the gallery:
// projects with covers, a project without one, a damaged one and a folder,
// in edit mode with one project ticked, so that the edit bar shows its
// buttons both enabled and disabled.
#include "GalleryPages.h"

#include "ProjectManager.h"
#include "ProjectsListWidget.h"
#include "ProjectsWidget.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// A project folder; with a cover of the colour unless it is invalid, and
// without "project.xml" when damaged.
void makeProject(const QString& directory, const QColor& cover, bool damaged = false)
{
    QDir().mkpath(directory);
    if (!damaged) {
        QFile xml(directory + "/project.xml");
        if (xml.open(QIODevice::WriteOnly))
            xml.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Project/>");
    }
    if (!cover.isValid())
        return;
    QImage picture(640, 360, QImage::Format_RGB32);
    picture.fill(cover);
    QPainter painter(&picture);
    painter.setBrush(cover.darker(160));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPoint(320, 180), 120, 120);
    painter.end();
    picture.save(directory + "/shot.jpg");
}

} // namespace

QWidget* createProjectsPage()
{
    // Lives as long as the gallery.
    static QTemporaryDir root;
    ProjectManager::setWorkingFolder(root.path() + "/Vidorna");
    const QString projects = ProjectManager::projectsDirectory();
    makeProject(projects + "/Summer Trip", QColor(54, 200, 255));
    makeProject(projects + "/Birthday", QColor(255, 140, 60));
    makeProject(projects + "/A project with a rather long name", QColor(120, 200, 90));
    makeProject(projects + "/No Cover Yet", QColor());
    makeProject(projects + "/Damaged", QColor(), true);
    QDir().mkpath(projects + "/Travels");
    QFile(projects + "/Travels/.folder").open(QIODevice::WriteOnly);
    makeProject(projects + "/Travels/Lisbon", QColor(230, 80, 120));
    makeProject(projects + "/Travels/Oslo", QColor(90, 110, 230));

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* projectsPage = new ProjectsWidget(page);
    layout->addWidget(projectsPage);
    ProjectsListWidget* list = projectsPage->projectsListWidget();
    list->toggleEdit();
    // A tick on one project: copy, move and delete turn on.
    QTimer::singleShot(0, list, [list] {
        const QList<QListWidgetItem*> found = list->findItems(QStringLiteral("Birthday"), Qt::MatchExactly);
        if (!found.isEmpty())
            list->itemClicked(found.first());
    });
    return page;
}
