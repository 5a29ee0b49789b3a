#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

// One page of the gallery: a name for --page and a function building it.
struct GalleryPage {
    QString name;
    std::function<QWidget*()> create;
};

// Every page, in the order the gallery lists them.
const std::vector<GalleryPage>& galleryPages();

QWidget* createControlsPage();
QWidget* createDrawingPanelsPage();
QWidget* createEditorsPage();
QWidget* createHelpBrowserPage();
QWidget* createInspectorPage();
QWidget* createMediaPage();
QWidget* createPopupsPage();
QWidget* createProjectPopupsPage();
QWidget* createProjectsPage();
QWidget* createShellDialogsPage();
QWidget* createSlidersPage();
