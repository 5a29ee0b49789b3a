#include "ProjectTestSupport.h"

#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>

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
    QString undo() { return shown(manager.undo().records); }
    QString redo() { return shown(manager.redo().records); }
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
    // The edit goes on: as after any edit, the states that followed go.
    EXPECT_EQ(manager.history().count(), 2);
    EXPECT_EQ(manager.history().size(), 2);
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

// Edits whose snapshots could not be written: an undo that cannot write the
// shown state moves nothing and says why; the undo that goes back over them
// says so, and redo brings the shown state back.
TEST_F(UndoProject, AnUndoNeverGoesBackOverUnrecordedEditsUntold)
{
    edit("S0", "S1");
    const QString aside = history() + QStringLiteral(".aside");
    ASSERT_TRUE(QDir().rename(history(), aside));
    writeFile(history(), "not a folder");
    EXPECT_NE(manager.recordSnapshot(kName, QString()), 0);
    show("S2");
    EXPECT_NE(manager.recordSnapshot(kName, QString()), 0);
    show("S3");

    ProjectManager::HistoryStep refused = manager.undo();
    EXPECT_FALSE(refused.records);
    EXPECT_EQ(refused.recordResult, -1);
    ASSERT_TRUE(QFile::remove(history()));
    ASSERT_TRUE(QDir().rename(aside, history()));

    ProjectManager::HistoryStep undone = manager.undo();
    EXPECT_EQ(undone.recordResult, 0);
    EXPECT_TRUE(undone.overUnrecordedEdits);
    EXPECT_EQ(shown(undone.records), "S0");
    EXPECT_EQ(redo(), "S3");
    ProjectManager::HistoryStep again = manager.undo();
    EXPECT_TRUE(again.overUnrecordedEdits);
    EXPECT_EQ(shown(again.records), "S0");
    // A recorded edit after them is undone alone.
    EXPECT_EQ(redo(), "S3");
    edit("S3", "S4");
    ProjectManager::HistoryStep recorded = manager.undo();
    EXPECT_FALSE(recorded.overUnrecordedEdits);
    EXPECT_EQ(shown(recorded.records), "S3");
}

// A recording that a command drops leaves its file to the next one: a
// shorter state written there after a longer one keeps none of the longer
// one's tail, and the undo to it reads it.
TEST_F(UndoProject, AShorterStateWrittenIntoAnOwnSnapshotFileIsUndoneTo)
{
    show(QString(4000, QLatin1Char('L')));
    ASSERT_EQ(manager.recordSnapshot(kName, QString()), 0);
    manager.dropLastSnapshot();
    edit("S", "T");
    const QString first = ProjectManager::historySnapshotPath(kName, "", 0);
    ASSERT_TRUE(manager.history().names(first)) << "the recording went to another file";
    EXPECT_EQ(undo().toStdString(), "S");
}

// A file of the window's own whose name became a named pipe meanwhile: the
// recording at that name neither waits for a reader nor writes into it.
TEST_F(UndoProject, AnOwnSnapshotNameThatBecameANamedPipeHoldsNoRecordingUp)
{
    show("S0");
    ASSERT_EQ(manager.recordSnapshot(kName, QString()), 0);
    manager.dropLastSnapshot();
    const QByteArray first = QFile::encodeName(ProjectManager::historySnapshotPath(kName, "", 0));
    ASSERT_EQ(::unlink(first.constData()), 0);
    ASSERT_EQ(::mkfifo(first.constData(), 0600), 0);

    std::future<int> recording = std::async(std::launch::async, [this] {
        return manager.recordSnapshot(kName, QString());
    });
    const bool waited = recording.wait_for(std::chrono::seconds(10)) != std::future_status::ready;
    // A reader lets a waiting recording go on, so that the test ends.
    const int reader = waited ? ::open(first.constData(), O_RDONLY | O_NONBLOCK) : -1;
    const int result = recording.get();
    if (reader >= 0)
        ::close(reader);
    ASSERT_FALSE(waited) << "the recording waits for a reader of the named pipe";
    EXPECT_EQ(result, 0);
    show("S1");
    EXPECT_EQ(undo().toStdString(), "S0");
    struct stat status;
    EXPECT_TRUE(::lstat(first.constData(), &status) == 0 && S_ISFIFO(status.st_mode)) << "the pipe was replaced";
}

// The main window's four moves: an edit, undo, redo, and an operation that
// recorded a snapshot and then changed nothing.
enum class Move { Edit, Undo, Redo, NoChange };
const char* const kMoveNames[] = {"edit", "undo", "redo", "no-change"};

// What a plain linear undo shows after each move; edit n makes state "Sn".
QStringList linearUndo(const std::vector<Move>& moves)
{
    QStringList states{QStringLiteral("S0")};
    int position = 0;
    QStringList shown;
    for (size_t step = 0; step < moves.size(); ++step) {
        if (moves[step] == Move::Edit) {
            states = states.mid(0, position + 1) << QStringLiteral("S%1").arg(step + 1);
            ++position;
        } else if (moves[step] == Move::Undo && position > 0) {
            --position;
        } else if (moves[step] == Move::Redo && position + 1 < states.size()) {
            ++position;
        }
        shown << states.at(position);
    }
    return shown;
}

class UndoSequences : public UndoProject
{
protected:
    // Plays the moves on a fresh history; the state shown after each.
    QStringList play(const std::vector<Move>& moves)
    {
        manager.removeHistory(kName, "");
        show("S0");
        QStringList shownStates;
        for (size_t step = 0; step < moves.size(); ++step) {
            if (moves[step] == Move::Edit) {
                edit(label(), QStringLiteral("S%1").arg(step + 1));
            } else if (moves[step] == Move::Undo) {
                undo();
            } else if (moves[step] == Move::Redo) {
                redo();
            } else {
                EXPECT_EQ(manager.recordSnapshot(kName, QString()), 0);
                manager.dropLastSnapshot();
            }
            shownStates << label();
        }
        return shownStates;
    }
    QString label() const { return Segment::stringAttribute(segment->attributes(), kLabel); }
};

TEST_F(UndoSequences, EverySequenceOfSevenMovesShowsWhatLinearUndoShows)
{
    constexpr int kMoves = 7;
    // 16,384 runs of snapshots: kept off the disk where possible.
    TemporaryProduct memory(memoryBackedFolder());
    memory.projectDir(kName);
    int failures = 0;
    // Every prefix is checked on the way, so the shorter sequences are covered too.
    for (int code = 0; code < (1 << (2 * kMoves)) && failures < 5; ++code) {
        std::vector<Move> moves;
        QString names;
        for (int step = 0; step < kMoves; ++step) {
            moves.push_back(Move((code >> (2 * step)) & 3));
            names += QString::fromLatin1(kMoveNames[int(moves.back())]) + ' ';
        }
        const QStringList expected = linearUndo(moves);
        const QStringList shown = play(moves);
        if (shown != expected) {
            ADD_FAILURE() << qPrintable(names) << "shows " << qPrintable(shown.join(' ')) << " for "
                          << qPrintable(expected.join(' '));
            ++failures;
        }
    }
    // A redo after a no-change operation still reaches the user's latest edit.
    EXPECT_EQ(play({Move::Edit, Move::Edit, Move::Undo, Move::Undo, Move::Redo, Move::NoChange, Move::Redo}).last(),
              "S2");
}

} // namespace
