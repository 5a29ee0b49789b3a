#include "GalleryPages.h"

const std::vector<GalleryPage>& galleryPages()
{
    static const std::vector<GalleryPage> pages{
        {"controls", createControlsPage},
        {"drawing", createDrawingPanelsPage},
        {"editors", createEditorsPage},
        {"inspector", createInspectorPage},
        {"media", createMediaPage},
        {"popups", createPopupsPage},
        {"projects", createProjectsPage},
        {"project-popups", createProjectPopupsPage},
        {"sliders", createSlidersPage},
    };
    return pages;
}
