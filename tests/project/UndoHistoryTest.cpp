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
    }

    // Records the shown state before an edit that shows the next one.
    void edit(const QString& before, const QString& after)
    {
        show(before);
        ASSERT_EQ(manager.recordSnapshot(kName, QString()), 0);
        show(after);
    }
    void show(const QString& label) { Segment::setStringAttribute(segment->attributes(), kLabel, label); }
    // The label of the state handed back, which is then shown.
    QString shown(const std::optional<SegmentRecords>& records)
    {
        if (!records || records->size() != 1)
            return QStringLiteral("nothing");
        const QString label = Segment::stringAttribute(records->front().get(), kLabel);
        show(label);
        return label;
    }
    QString undo() { return shown(manager.undo()); }
    QString redo() { return shown(manager.redo()); }
    QString history() { return ProjectManager::historyDirectory(kName, ""); }

    TemporaryProduct product;
    ProjectManager manager;
    FakeMediaSegment* segment = nullptr;
};

TEST_F(UndoProject, UndoAndRedoWalkTheStatesAndAlwaysChangeTheShownOne)
{
    EXPECT_EQ(undo(), "nothing") << "nothing recorded yet";
    edit("S0", "S1");
    EXPECT_EQ(redo(), "nothing") << "redo right after a recording";
    edit("S1", "S2");
    EXPECT_EQ(undo(), "S1");
    EXPECT_EQ(undo(), "S0");
    EXPECT_EQ(undo(), "nothing");
    EXPECT_EQ(redo(), "S1");
    EXPECT_EQ(undo(), "S0") << "after a redo short of the newest state";
    EXPECT_EQ(redo(), "S1");
    EXPECT_EQ(redo(), "S2");
    EXPECT_EQ(redo(), "nothing");
    EXPECT_EQ(undo(), "S1");
    // An edit after an undo replaces what followed; a dropped recording reuses its file.
    edit("S1", "S3");
    edit("S3", "S4");
    manager.dropLastSnapshot();
    EXPECT_EQ(manager.history().count(), 2);
    EXPECT_EQ(undo(), "S1");
    EXPECT_EQ(redo(), "S4");
}

TEST_F(UndoProject, AnEditAfterARedoIsUndoneStepByStep)
{
    edit("S0", "S1");
    edit("S1", "S2");
    EXPECT_EQ(undo(), "S1");
    EXPECT_EQ(undo(), "S0");
    EXPECT_EQ(redo(), "S1");
    // The state before this edit is already in the history as the redone entry.
    edit("S1", "S3");
    EXPECT_EQ(undo(), "S1");
    EXPECT_EQ(undo(), "S0") << "every undo shows another state";
    EXPECT_EQ(redo(), "S1");
    EXPECT_EQ(redo(), "S3");
    EXPECT_EQ(redo(), "nothing");
}

TEST_F(UndoProject, FailedSnapshotsLeaveTheHistoryAlone)
{
    edit("S0", "S1");
    edit("S1", "S2");
    const QString second = ProjectManager::historySnapshotPath(kName, "", 1);
    const QByteArray whole = readFile(second);
    writeFile(second, "<Project><Segment Label=\"cut");
    EXPECT_EQ(undo(), "nothing");
    EXPECT_EQ(manager.history().count(), 2) << "a failed read moves nothing";
    writeFile(second, whole);
    EXPECT_EQ(undo(), "S1");

    // A file where the history folder belongs cannot take snapshots.
    ASSERT_TRUE(QDir(history()).removeRecursively());
    writeFile(history(), "not a folder");
    show("S5");
    EXPECT_EQ(manager.recordSnapshot(kName, QString()), -1);
    EXPECT_EQ(manager.history().count(), 1);
    EXPECT_EQ(manager.history().size(), 3);
    // The window drops the recording of an operation that changed nothing
    // even when that recording failed: every state stays.
    manager.dropLastSnapshot();
    EXPECT_EQ(manager.history().count(), 1);
    EXPECT_EQ(manager.history().size(), 3);

    ASSERT_TRUE(QFile::remove(history()));
    edit("S5", "S6");
    manager.removeHistory(kName, "");
    EXPECT_FALSE(QFileInfo::exists(history()));
    EXPECT_EQ(undo(), "nothing");
}

// The main window's four moves: an edit, undo, redo, and an operation that
// recorded a snapshot and then changed nothing.
enum class Move { Edit, Undo, Redo, NoChange };

// The plain linear model of undo: the states in order and the shown one.
struct LinearUndo {
    QStringList states{QStringLiteral("S0")};
    int shown = 0;

    void apply(Move move, const QString& newState)
    {
        if (move == Move::Edit) {
            states = states.mid(0, shown + 1) << newState;
            ++shown;
        } else if (move == Move::Undo && shown > 0) {
            --shown;
        } else if (move == Move::Redo && shown + 1 < states.size()) {
            ++shown;
        }
    }
};

TEST_F(UndoProject, EverySequenceOfSevenMovesShowsWhatLinearUndoShows)
{
    constexpr int kMoves = 7;
    const char* names[] = {"edit", "undo", "redo", "no-change"};
    // 16,384 runs of snapshots: kept off the disk where possible.
    TemporaryProduct memory(memoryBackedFolder());
    memory.projectDir(kName);
    int failures = 0;
    for (int code = 0; code < (1 << (2 * kMoves)) && failures < 5; ++code) {
        manager.removeHistory(kName, "");
        show("S0");
        LinearUndo model;
        QString trace;
        for (int step = 0; step < kMoves; ++step) {
            const Move move = Move((code >> (2 * step)) & 3);
            trace += QString::fromLatin1(names[int(move)]) + ' ';
            const QString label = segment->stringAttribute(segment->attributes(), kLabel);
            const QString next = QStringLiteral("S%1").arg(step + 1);
            if (move == Move::Edit) {
                edit(label, next);
            } else if (move == Move::NoChange) {
                ASSERT_EQ(manager.recordSnapshot(kName, QString()), 0);
                manager.dropLastSnapshot();
            } else {
                move == Move::Undo ? undo() : redo();
            }
            model.apply(move, next);
            const QString actual = segment->stringAttribute(segment->attributes(), kLabel);
            if (actual != model.states.at(model.shown)) {
                ADD_FAILURE() << qPrintable(trace) << "shows " << qPrintable(actual) << " for "
                              << qPrintable(model.states.at(model.shown));
                ++failures;
                break;
            }
        }
    }
}

TEST_F(UndoProject, ARedoAfterANoChangeOperationReachesTheNewestState)
{
    edit("S0", "S1");
    edit("S1", "S2");
    EXPECT_EQ(undo(), "S1");
    EXPECT_EQ(undo(), "S0");
    EXPECT_EQ(redo(), "S1");
    ASSERT_EQ(manager.recordSnapshot(kName, QString()), 0);
    manager.dropLastSnapshot();
    EXPECT_EQ(redo(), "S2");
}

} // namespace
