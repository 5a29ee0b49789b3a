#include "HistoryWindow.h"

#include "AVAnimatedValues.h"
#include "AVAnimation.h"
#include "AVLayerSegment.h"
#include "AVTransition.h"
#include "CropWidget.h"
#include "EditScrollArea.h"
#include "SegmentWidget.h"
#include "TextSegment.h"
#include "TransformWidget.h"

#include <QAction>
#include <QCoreApplication>
#include <QGridLayout>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// The window with the geometry slots open, driven the way the inspector's
// geometry section drives them.
class GeometryWindow : public HistoryWindow
{
public:
    // The preview inside a larger panel, as the desktop window nests them:
    // the transform overlay covers that panel.
    GeometryWindow(const QString& name, const QSize& previewSize) : HistoryWindow(name, previewSize)
    {
        auto* grid = qobject_cast<QGridLayout*>(centralWidget()->layout());
        _previewArea = new QWidget(centralWidget());
        grid->replaceWidget(_previewContainer, _previewArea);
        _previewContainer->setParent(_previewArea);
        _previewArea->setFixedSize(_previewContainer->size() + QSize(80, 60));
        _previewContainer->move(40, 30);
    }
    using MainWindow::_segmentEditingAfterUpdateGeometry;
    using MainWindow::_segmentEditingBeforeUpdateGeometry;
    using MainWindow::_segmentEditingSetCornerIndex;
    using MainWindow::_segmentEditingSetCornerOffset;
    using MainWindow::_segmentEditingSetGeometry;
    using MainWindow::_segmentEditingSetGeometryRotation;
    using MainWindow::_segmentEditingSetGeometryX;
    using MainWindow::_segmentEditingSetTextAlignment;
    using MainWindow::_segmentEditingUpdateCornerOffset;
    using MainWindow::_segmentEditingUpdateGeometryX;
    using MainWindow::autoSave;

    void showTransitionState(int state) { _editingTransitionState = state; }
    TransformWidget* overlay() const { return _transformWidget; }
    int rememberedCorner(const QString& uid) const { return _rememberedCornerIndex.value(uid, -1); }
    bool insertModeSwitchEnabled() const { return _actionInsertOverwriteMode->isEnabled(); }
    void openCropEditor()
    {
        _cropWidget = new CropWidget(QRect(0, 0, 320, 180), QPixmap(), QRectF(0, 0, 1, 1), 0, 0, 0, 0, false, this);
        _enterCropMode(true);
    }
    void closeCropEditor() { _endCropEditing(false); }
};

class GeometryCommandsTest : public HistoryTest
{
protected:
    // Opens a project of the one segment and starts editing it.
    QString openEditing(RecordBuilder record, const QString& uid)
    {
        std::vector<RecordBuilder> records;
        records.push_back(std::move(record.set("UId", uid).set("TrackId", 1).set("RangeStart", 0)
                                        .set("RangeDuration", 4)));
        const QString failure = openProject(records, window);
        if (!failure.isEmpty())
            return failure;
        edited = segmentByUId(*window, uid);
        tile = window->editSegment(edited);
        return tile ? QString() : QStringLiteral("the segment did not enter editing");
    }
    QString openPicture()
    {
        if (!makePicture(QStringLiteral("red.png"), QStringLiteral("red")))
            return QStringLiteral("ffmpeg could not make the picture");
        return openEditing(std::move(RecordBuilder("IMAGE").set("File", "red.png")), QStringLiteral("red"));
    }

    int historySize() const { return window->projectManager()->history().size(); }
    AVAnimatedValues engineValues() const
    {
        auto* layer = dynamic_cast<AVLayerSegment*>(window->composition()->findSegment(uint32_t(edited->serialNumber())));
        return layer ? layer->staticValues() : AVAnimatedValues();
    }
    QByteArray savedProject() const
    {
        QFile file(ProjectManager::projectXmlPath(name, QString()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<GeometryWindow> window;
    Segment* edited = nullptr;
    SegmentWidget* tile = nullptr;
};

} // namespace

// A held x field costs one snapshot, holding the value from before the hold;
// the preview sees only the final value and the saved project holds it.
TEST_F(GeometryCommandsTest, HeldValueLeavesOneSnapshotOfTheStateBeforeIt)
{
    const QString failure = openPicture();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    window->_segmentEditingSetGeometryX(0.1);
    const int before = historySize();

    QPointF translation, scale;
    qreal rotation = 0.0;
    qreal xs[4] = {}, ys[4] = {};
    window->_segmentEditingBeforeUpdateGeometry(translation, scale, rotation, xs, ys);
    EXPECT_DOUBLE_EQ(translation.x(), double(0.1f));
    EXPECT_EQ(scale, QPointF(1.0, 1.0));
    for (double x : {0.2, 0.3, 0.4})
        window->_segmentEditingUpdateGeometryX(x);
    EXPECT_NEAR(edited->userTranslation().x(), 0.4, 1e-6);
    EXPECT_NEAR(engineValues().position.x, 0.1f, 1e-6);
    EXPECT_EQ(historySize(), before);
    window->_segmentEditingAfterUpdateGeometry(translation, scale, rotation, xs, ys);
    EXPECT_NEAR(edited->userTranslation().x(), 0.1, 1e-6);
    window->_segmentEditingSetGeometryX(0.4);

    EXPECT_EQ(historySize(), before + 1);
    EXPECT_NEAR(engineValues().position.x, 0.4f, 1e-6);
    window->_saveProject();
    EXPECT_TRUE(savedProject().contains("UserTranslation=\"{0.4,0}\""));
    window->undoNow();
    edited = segmentByUId(*window, QStringLiteral("red"));
    EXPECT_NEAR(edited->userTranslation().x(), 0.1, 1e-6);
}

// Live values are never saved or undone into the project: autosave and
// undo in the middle of a hold see the committed values, and the hold's
// late end leaves what undo brought back.
TEST_F(GeometryCommandsTest, SaveAndUndoDuringAHoldSeeCommittedValues)
{
    const QString failure = openPicture();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    window->_segmentEditingSetGeometryX(0.1);
    window->_segmentEditingSetGeometryX(0.2);

    QPointF translation, scale;
    qreal rotation = 0.0;
    qreal xs[4] = {}, ys[4] = {};
    window->_segmentEditingBeforeUpdateGeometry(translation, scale, rotation, xs, ys);
    window->_segmentEditingUpdateGeometryX(0.35);
    window->_segmentEditingUpdateCornerOffset(1, 0.05, 0.05);
    window->autoSave();
    EXPECT_TRUE(savedProject().contains("UserTranslation=\"{0.2,0}\""));
    EXPECT_FALSE(savedProject().contains("UserPoint1Offset=\"{0.05,0.05}\""));

    window->_segmentEditingUpdateGeometryX(0.45);
    window->undoNow();
    edited = segmentByUId(*window, QStringLiteral("red"));
    window->_segmentEditingAfterUpdateGeometry(translation, scale, rotation, xs, ys);
    EXPECT_NEAR(edited->userTranslation().x(), 0.1, 1e-6);
    EXPECT_EQ(edited->userPoint1Offset(), QPointF());
}

// Both axes in one step; keys, corners and alignments that name nothing
// record nothing; a corner and a shown transition end reach the engine.
TEST_F(GeometryCommandsTest, CommittedKeysCornersAndTransitionEnds)
{
    const QString failure = openPicture();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    const int before = historySize();
    window->_segmentEditingSetGeometry({{"x", 0.25}, {"y", -0.125}, {"w", 2.0}});
    EXPECT_EQ(historySize(), before + 1);
    EXPECT_EQ(edited->userTranslation(), QPointF(0.25, -0.125));
    EXPECT_FLOAT_EQ(engineValues().position.y, -0.125f);
    EXPECT_FLOAT_EQ(engineValues().scale.x, 2.0f);
    EXPECT_FLOAT_EQ(engineValues().scale.y, 1.0f);

    window->projectManager()->setModified(false);
    window->_segmentEditingSetGeometry({{"z", 3.0}});
    window->_segmentEditingSetCornerOffset(4, 0.1, 0.1);
    window->_segmentEditingSetGeometryX(0.25);
    window->_segmentEditingSetTextAlignment(2);
    EXPECT_EQ(historySize(), before + 1);
    EXPECT_FALSE(window->projectManager()->isModified());

    window->_segmentEditingSetCornerOffset(2, -0.1, 0.2);
    EXPECT_NEAR(edited->userPoint2Offset().x(), -0.1, 1e-6);
    EXPECT_NEAR(edited->userPoint2Offset().y(), 0.2, 1e-6);
    EXPECT_FLOAT_EQ(engineValues().pointOffset[2].x, -0.1f);
    EXPECT_FLOAT_EQ(engineValues().pointOffset[1].x, 0.0f);

    if (!edited->attributes()->transitions())
        edited->attributes()->resetTransitions();
    auto first = std::make_unique<SegmentAttributes>();
    auto second = std::make_unique<SegmentAttributes>();
    for (auto* entry : {first.get(), second.get()}) {
        entry->resetState(true);
        entry->resetState(false);
    }
    edited->addTransition(first, 0.0f);
    const int tId = edited->addTransition(second, 0.5f);
    ASSERT_EQ(tId, 2);
    window->engine()->addAnimation(edited->serialNumber(), tId, 0.5f, 0.25f, 1);
    tile->setTransitionId(tId, true);
    window->showTransitionState(0);
    window->_segmentEditingSetGeometryRotation(1.5);
    EXPECT_FLOAT_EQ(edited->transitionUserRotation(tId, false), 1.5f);
    EXPECT_FLOAT_EQ(edited->transitionUserRotation(tId, true), 0.0f);
    EXPECT_DOUBLE_EQ(edited->userRotation(), 0.0);
    AVSegment* engine = window->composition()->findSegment(uint32_t(edited->serialNumber()));
    AVAnimation* animation = engine->findAnimation(uint32_t(tId));
    ASSERT_NE(animation, nullptr);
    AVTransition* turn = animation->transition(AVSlotRotate);
    ASSERT_NE(turn, nullptr);
    EXPECT_NEAR(turn->toX(), 1.5f * 180.0f / 3.14159265f, 1e-3);
    engine->releaseAnimation(uint32_t(tId));
}

// A text's alignment is one step; the insert mode switch waits while an
// editor lies over the preview.
TEST_F(GeometryCommandsTest, TextAlignmentAndTheModeSwitch)
{
    const QString failure = openEditing(std::move(RecordBuilder("TEXT").set("Text", "A")), QStringLiteral("caption"));
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    const int before = historySize();
    window->_segmentEditingSetTextAlignment(0);
    EXPECT_EQ(static_cast<TextSegment*>(edited)->alignment(), 0);
    EXPECT_EQ(historySize(), before + 1);

    EXPECT_TRUE(window->insertModeSwitchEnabled());
    window->openCropEditor();
    EXPECT_FALSE(window->insertModeSwitchEnabled());
    window->closeCropEditor();
    EXPECT_TRUE(window->insertModeSwitchEnabled());
}

// A sound segment has no placement: nothing is written, handed out or recorded.
TEST_F(GeometryCommandsTest, SoundSegmentsHaveNoPlacement)
{
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("tone440.wav")), dir + QStringLiteral("/tone.wav")));
    const QString failure = openEditing(std::move(RecordBuilder("MUSIC").set("File", "tone.wav")), QStringLiteral("tone"));
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    const int before = historySize();
    window->_segmentEditingSetGeometry({{"x", 0.3}, {"r", 1.0}});
    window->_segmentEditingSetCornerOffset(0, 0.1, 0.1);
    window->_segmentEditingUpdateGeometryX(0.2);
    QPointF translation(7.0, 7.0), scale;
    qreal rotation = 7.0;
    qreal xs[4] = {}, ys[4] = {};
    window->_segmentEditingBeforeUpdateGeometry(translation, scale, rotation, xs, ys);
    EXPECT_EQ(translation, QPointF(7.0, 7.0));
    EXPECT_EQ(historySize(), before);
    EXPECT_EQ(edited->userTranslation(), QPointF());
    EXPECT_DOUBLE_EQ(edited->userRotation(), 0.0);
    EXPECT_EQ(edited->userPoint0Offset(), QPointF());
}

// The inspector's corner choice reaches the overlay of a segment in
// perspective mode and comes back remembered for the segment; a corner
// that does not exist changes nothing.
TEST_F(GeometryCommandsTest, CornerChoiceReachesTheOverlayAndIsRemembered)
{
    if (!makePicture(QStringLiteral("red.png"), QStringLiteral("red")))
        GTEST_SKIP() << "ffmpeg could not make the picture";
    const QString failure = openEditing(std::move(RecordBuilder("IMAGE").set("File", "red.png").set("Perspective", 1)),
                                        QStringLiteral("red"));
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    if (!waitFor([&] { return window->overlay() != nullptr; }, 3000))
        GTEST_SKIP() << "no transform overlay over the preview";
    window->_segmentEditingSetCornerIndex(2);
    EXPECT_EQ(window->overlay()->activePointIndex(), 2);
    EXPECT_TRUE(waitFor([&] { return window->rememberedCorner(QStringLiteral("red")) == 2; }, 5000));
    window->_segmentEditingSetCornerIndex(4);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->overlay()->activePointIndex(), 2);
    EXPECT_EQ(window->rememberedCorner(QStringLiteral("red")), 2);
}
