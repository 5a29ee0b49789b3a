#pragma once

#include "AVComposition.h"
#include "HelpTipsSeen.h"
#include "IsolatedSettings.h"
#include "OpeningWindow.h"
#include "ProjectTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Each segment of the project has loaded and is in the engine; false while
// there is none.
inline bool everySegmentInEngine(const ProjectManager& manager, AVComposition* composition)
{
    if (!composition || manager.segmentCount() == 0)
        return false;
    for (int index = 0; index < manager.segmentCount(); ++index) {
        const Segment* segment = manager.segmentAt(index);
        if (segment->state() != 4 || !composition->findSegment(uint32_t(segment->serialNumber())))
            return false;
    }
    return true;
}

// A project folder of the test's own, opened in the whole desktop window.
// Window is a test's kind of it that answers loaded(): the preview can draw
// and the segments the test looks at are in the engine.
template <typename Window>
class DesktopProjectTest : public ::testing::Test
{
protected:
    explicit DesktopProjectTest(const QString& projectName) : name(projectName) {}

    void SetUp() override
    {
        // A help tip in front would take the clicks and keys, and undo does nothing under one.
        markHelpTipsSeen();
        dir = product.projectDir(name);
    }
    // The window goes first: its render may still report to what the test holds.
    void TearDown() override { window.reset(); }

    // Writes the records and opens them laid out on a desktop screen, loaded;
    // the reason when that could not be, else nothing.
    QString openProject(std::vector<RecordBuilder>& records)
    {
        writeProject(dir, records);
        window = std::make_unique<Window>(name, QString());
        if (window->isOpenFailed())
            return QStringLiteral("the project did not open");
        window->resize(1600, 900);
        window->show();
        if (!waitFor([this] { return window->loaded(); }, 60000))
            return QStringLiteral("no OpenGL context, or the media did not load");
        return QString();
    }

    IsolatedSettings settings;
    TemporaryProduct product;
    const QString name;
    QString dir;
    std::unique_ptr<Window> window;
};
