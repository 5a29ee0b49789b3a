#include "GalleryPages.h"

const std::vector<GalleryPage>& galleryPages()
{
    static const std::vector<GalleryPage> pages{
        {"controls", createControlsPage},
        {"drawing", createDrawingPanelsPage},
        {"editors", createEditorsPage},
        {"help-browser", createHelpBrowserPage},
        {"inspector", createInspectorPage},
        {"media", createMediaPage},
        {"popups", createPopupsPage},
        {"projects", createProjectsPage},
        {"project-popups", createProjectPopupsPage},
        {"shell-dialogs", createShellDialogsPage},
        {"sliders", createSlidersPage},
    };
    return pages;
}
