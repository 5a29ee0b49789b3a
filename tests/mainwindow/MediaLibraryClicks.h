#pragma once

#include "OpeningWindow.h"
#include "ResourceAssetsListWidget.h"

#include <QPushButton>
#include <QTest>

// Opens the media library's page under the tab of the text and clicks the
// page's first item, as the user does; false when there is no such page or
// it shows no items.
inline bool clickFirstLibraryItem(QWidget* window, const QString& tab)
{
    QPushButton* button = nullptr;
    for (QPushButton* candidate : window->findChildren<QPushButton*>())
        if (candidate->text() == tab)
            button = candidate;
    if (!button)
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    ResourceAssetsListWidget* list = nullptr;
    const bool shown = waitFor([&] {
        for (ResourceAssetsListWidget* candidate : window->findChildren<ResourceAssetsListWidget*>())
            if (candidate->isVisible() && candidate->count() > 0)
                list = candidate;
        return list != nullptr;
    }, 5000);
    if (!shown)
        return false;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    return true;
}
