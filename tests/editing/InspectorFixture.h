#pragma once

#include "CommonEditingWidgetController.h"
#include "SegmentInspectorWidget.h"

#include <QLayout>
#include <QScrollArea>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

namespace InspectorTest {

// A whole inspector in a shown window, tall enough for every section, and
// what the tests read back of it.
class InspectorFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(320, 1400);
        inspector = new SegmentInspectorWidget(&window);
        inspector->resize(300, 1400);
        window.show();
    }

    // The classes of the shown sections, top to bottom as the layout holds them.
    QStringList shownSections() const
    {
        QStringList names;
        QLayout* layout = content()->layout();
        for (int i = 0; i < layout->count(); ++i) {
            QWidget* widget = layout->itemAt(i)->widget();
            for (CommonEditingWidgetController* section : inspector->editingControllers()) {
                if (section->widget() == widget && section->isVisible())
                    names << QString::fromLatin1(section->metaObject()->className()).remove("EditingWidgetController");
            }
        }
        return names;
    }

    int shownHeight() const
    {
        int total = 0;
        for (CommonEditingWidgetController* section : inspector->editingControllers())
            total += section->isVisible() ? section->sectionHeight() : 0;
        return total;
    }

    QWidget* content() const { return inspector->findChild<QScrollArea*>("scrollArea")->widget(); }

    QWidget window;
    SegmentInspectorWidget* inspector = nullptr;
};

} // namespace InspectorTest
