#include "../model/SoundTestListener.h"
#include "ProjectManager.h"
#include "TextSegment.h"

#include <gtest/gtest.h>

namespace {

// An owner that answers the aspect questions from a real project.
class ProjectListener : public SoundTestListener
{
public:
    explicit ProjectListener(ProjectManager* project) : _project(project) {}
    ProjectManager* segmentProjectManager(Segment*) override { return _project; }
    int segmentProjectResolution(Segment*) override { return _project->resolution(); }
    bool segmentProjectIsLandscape(Segment*) override { return _project->direction(); }

private:
    ProjectManager* _project;
};

// A text's stored size refers to the project's reference size, which its
// aspect and direction give.
TEST(TextSegmentAspect, ReferenceSizeFollowsTheProject)
{
    ProjectManager project;
    ProjectListener listener(&project);
    TextSegment owned(QStringLiteral("x"), 0, 1, &listener, nullptr);
    owned.setFontSize(80);

    project.setResolution(ProjectManager::Aspect16x9);
    EXPECT_FLOAT_EQ(owned.fontSize(QSizeF(1920, 1080)), 120);
    project.setDirection(false); // portrait: 720 x 1280
    EXPECT_FLOAT_EQ(owned.fontSize(QSizeF(1080, 1920)), 120);
    project.setResolution(ProjectManager::Aspect1x1);
    EXPECT_FLOAT_EQ(owned.fontSize(QSizeF(1080, 1080)), 135);
    project.setResolution(ProjectManager::Aspect21x9); // treated as 4:3, 480 x 640 in portrait
    EXPECT_FLOAT_EQ(owned.fontSize(QSizeF(960, 1280)), 160);
    project.setDirection(true);
    EXPECT_FLOAT_EQ(owned.fontSize(QSizeF(1280, 960)), 160);
    ASSERT_TRUE(waitFor([&] { return listener.lastState.load() == 4; }));
}

} // namespace
