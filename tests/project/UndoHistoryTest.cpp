#include "ProjectTestSupport.h"

#include <QFileInfo>

namespace {

const QString kName = QStringLiteral("Undo");
const QString kLabel = QStringLiteral("Label");

// A project whose whole state is the label of its one segment.
class UndoProject : public ::testing::Test
{
protected:
    void SetUp() override
    {
        product.projectDir(kName);
        manager.setProjectName(kName);
        segment = new FakeMediaSegment("IMAGE");
        manager.appendSegment(segment, nullptr);
        show("S0");
    }

    void show(const QString& label) { Segment::setStringAttribute(segment->attributes(), kLabel, label); }
    int record() { return manager.recordSnapshot(kName, QString()); }
    // The label of the state that undo or redo hands back, which is then shown.
    QString shown(const std::optional<SegmentRecords>& records)
    {
        if (!records)
            return QStringLiteral("nothing");
        EXPECT_EQ(records->size(), 1u);
        const QString label = Segment::stringAttribute(records->front().get(), kLabel);
        show(label);
        return label;
    }
    QString undo() { return shown(manager.undo()); }
    QString redo() { return shown(manager.redo()); }

    TemporaryProduct product;
    ProjectManager manager;
    FakeMediaSegment* segment = nullptr;
};

TEST_F(UndoProject, TwoUndosAndTwoRedosWalkTheWorkedSequence)
{
    EXPECT_EQ(undo(), "nothing") << "nothing recorded yet";
    ASSERT_EQ(record(), 0);
    show("S1");
    EXPECT_EQ(redo(), "nothing") << "redo right after a recording";
    ASSERT_EQ(record(), 0);
    show("S2");
    EXPECT_TRUE(QFileInfo::exists(ProjectManager::historySnapshotPath(kName, "", 1)));

    EXPECT_EQ(undo(), "S1");
    EXPECT_EQ(undo(), "S0");
    EXPECT_EQ(undo(), "nothing");
    EXPECT_EQ(redo(), "S1");
    EXPECT_EQ(redo(), "S2");
    EXPECT_EQ(redo(), "nothing");
    // From the newest entry, undo returns the state before it.
    EXPECT_EQ(undo(), "S1");
    EXPECT_EQ(redo(), "S2");
}

TEST_F(UndoProject, UndoAfterAShortRedoGoesBackFurther)
{
    ASSERT_EQ(record(), 0);
    show("S1");
    ASSERT_EQ(record(), 0);
    show("S2");
    EXPECT_EQ(undo(), "S1");
    EXPECT_EQ(undo(), "S0");
    EXPECT_EQ(redo(), "S1");
    EXPECT_EQ(undo(), "S0") << "undo must change the state shown";
    EXPECT_EQ(redo(), "S1");
    EXPECT_EQ(redo(), "S2");
}

TEST_F(UndoProject, AnEditAfterUndoReplacesTheStatesAfterIt)
{
    ASSERT_EQ(record(), 0);
    show("S1");
    ASSERT_EQ(record(), 0);
    show("S2");
    EXPECT_EQ(undo(), "S1");
    ASSERT_EQ(record(), 0);  // the edit made while S1 is shown
    show("S3");
    EXPECT_EQ(redo(), "nothing");
    EXPECT_EQ(undo(), "S1");
    EXPECT_EQ(undo(), "S0");
    EXPECT_EQ(redo(), "S1");
    EXPECT_EQ(redo(), "S3");
}

TEST_F(UndoProject, DroppingARecordingReusesItsFile)
{
    ASSERT_EQ(record(), 0);
    show("S1");
    ASSERT_EQ(record(), 0);
    EXPECT_EQ(manager.history().count(), 2);
    manager.dropLastSnapshot();
    EXPECT_EQ(manager.history().count(), 1);
    show("S1b");
    ASSERT_EQ(record(), 0);
    EXPECT_EQ(manager.history().size(), 2);
    show("S2");
    EXPECT_EQ(undo(), "S1b");
}

TEST_F(UndoProject, AnUnreadableSnapshotLeavesStateAndPositionAlone)
{
    ASSERT_EQ(record(), 0);
    show("S1");
    ASSERT_EQ(record(), 0);
    show("S2");
    writeFile(ProjectManager::historySnapshotPath(kName, "", 1), "<Project><Segment Label=\"cut");
    const int countBefore = manager.history().count();
    EXPECT_EQ(undo(), "nothing");
    EXPECT_EQ(manager.history().count(), countBefore);
    EXPECT_EQ(manager.history().size(), 2);
    // Once the snapshot is whole again, the same undo works.
    ASSERT_TRUE(QFile::remove(ProjectManager::historySnapshotPath(kName, "", 1)));
    show("S1");
    manager.dropLastSnapshot();
    ASSERT_EQ(record(), 0);
    show("S2");
    EXPECT_EQ(undo(), "S1");
}

TEST_F(UndoProject, AnUnwritableHistoryFolderRecordsNothing)
{
    ASSERT_EQ(record(), 0);
    writeFile(ProjectManager::historyDirectory(kName, "") + ".file", "x");
    ASSERT_TRUE(QDir(ProjectManager::historyDirectory(kName, "")).removeRecursively());
    ASSERT_TRUE(QFile::rename(ProjectManager::historyDirectory(kName, "") + ".file",
                              ProjectManager::historyDirectory(kName, "")));
    show("S1");
    EXPECT_EQ(record(), -1);
    EXPECT_EQ(manager.history().count(), 1);
    EXPECT_EQ(manager.history().size(), 1);

    QFile::remove(ProjectManager::historyDirectory(kName, ""));
    ASSERT_EQ(record(), 0);
    manager.removeHistory(kName, "");
    EXPECT_FALSE(QFileInfo::exists(ProjectManager::historyDirectory(kName, "")));
    EXPECT_EQ(manager.history().count(), 0);
    EXPECT_EQ(undo(), "nothing");
}

} // namespace
