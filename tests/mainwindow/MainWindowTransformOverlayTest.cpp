#include "HistoryWindow.h"

#include "AVAnimation.h"
#include "AVEngine.h"
#include "AVLayerSegment.h"
#include "AVTransition.h"
#include "CanvasWidget.h"
#include "EditScrollArea.h"
#include "ImageSegment.h"
#include "MovieSegment.h"
#include "SegmentWidget.h"
#include "TextEditWidget.h"
#include "TransformWidget.h"
#include "WidgetAnimations.h"

#include <QApplication>
#include <QGraphicsOpacityEffect>
#include <QGridLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Where the preview sits inside the panel that holds the overlay.
const QPoint kPreviewOffset(40, 30);

// The window with the preview nested in a larger panel, as the desktop
// window nests them, so that the overlay works in the panel's coordinates;
// the movie is 1920 x 1080.
class OverlayWindow : public HistoryWindow
{
public:
    OverlayWindow(const QString& name, const QSize& previewSize) : HistoryWindow(name, previewSize)
    {
        _previewSizeLevel = 3;
        auto* grid = qobject_cast<QGridLayout*>(centralWidget()->layout());
        _previewArea = new QWidget(centralWidget());
        grid->replaceWidget(_previewContainer, _previewArea);
        _previewContainer->setParent(_previewArea);
        _previewContainer->move(kPreviewOffset);
        setPreviewSize(previewSize);
    }
    using MainWindow::_editingSegment;
    using MainWindow::_editingTransitionState;
    using MainWindow::_fillScreen;
    using MainWindow::_initEditScrollArea;
    using MainWindow::_layoutTransformWidgetForEditingSegment;
    using MainWindow::_maintainAspectRatio;
    using MainWindow::_originalSize;
    using MainWindow::_overlayBaseSize;
    using MainWindow::_rememberedCornerIndex;
    using MainWindow::_restoreDefaultGeometry;
    using MainWindow::_saveProject;
    using MainWindow::_segmentEditingMaintainAspectRatio;
    using MainWindow::_segmentEditingRestoreDefault;
    using MainWindow::_showTransformWidgetForSegment;
    using MainWindow::_canvas;
    using MainWindow::_textEditor;
    using MainWindow::_transformWidget;

    void setPreviewSize(const QSize& size)
    {
        _previewContainer->setFixedSize(size);
        _previewArea->setFixedSize(size + QSize(2 * kPreviewOffset.x(), 2 * kPreviewOffset.y()));
        QCoreApplication::processEvents();
    }
    QWidget* overlayHost() const { return _previewArea; }
};

class TransformOverlayTest : public HistoryTest
{
protected:
    // A picture of one colour and the given size, made with the ffmpeg command line.
    bool makeSizedPicture(const QString& fileName, const QSize& size)
    {
        const QString spec = QStringLiteral("color=c=orange:s=%1x%2").arg(size.width()).arg(size.height());
        return QProcess::execute(QStringLiteral("ffmpeg"), {"-v", "error", "-y", "-f", "lavfi", "-i", spec,
                                                            "-frames:v", "1", dir + "/" + fileName})
            == 0;
    }

    static RecordBuilder pictureRecord(const QString& uid, const QString& file, float start)
    {
        return std::move(RecordBuilder("IMAGE").set("UId", uid).set("File", file).set("TrackId", 1)
                             .set("RangeStart", start).set("RangeDuration", 2));
    }

    // Opens the records with the preview at the size; the reason when it cannot run here.
    QString open(std::vector<RecordBuilder>& records, const QSize& preview)
    {
        const QString problem = openProject(records, window);
        if (!problem.isEmpty())
            return problem;
        window->_initEditScrollArea();
        window->setPreviewSize(preview);
        return QString();
    }

    void edit(Segment* segment)
    {
        auto* tile = qobject_cast<SegmentWidget*>(window->projectManager()->segmentWidgetFor(segment));
        ASSERT_NE(tile, nullptr);
        tile->setEditing(true, false);
        ASSERT_EQ(window->_editingSegment(), segment);
    }
    void finishEditing(Segment* segment)
    {
        qobject_cast<SegmentWidget*>(window->projectManager()->segmentWidgetFor(segment))->setEditing(false, false);
    }

    TransformWidget* overlay() const { return window->_transformWidget; }
    QSizeF overlaySize() const
    {
        QSizeF size;
        overlay()->geometry(nullptr, &size);
        return size;
    }
    QPointF overlayCentre() const
    {
        QPointF centre;
        overlay()->geometry(&centre);
        return centre;
    }
    // The box the user would have dragged out: new size, same everything else.
    void resizeOverlay(const QSizeF& size)
    {
        overlay()->setContentGeometry(overlayCentre(), size, 0.0f, 0.0f, 0.0f, QPointF(0.5, 0.5), {}, {}, {}, {},
                                      window->_overlayBaseSize);
        emit overlay()->transformWidgetContentLayerGeometryDidChange(overlay());
    }
    AVLayerSegment* layerOf(const Segment* segment) const
    {
        return dynamic_cast<AVLayerSegment*>(window->composition()->findSegment(uint32_t(segment->serialNumber())));
    }
    // A transition of 1 s from half a second into the segment.
    static int addTransition(Segment* segment)
    {
        const int tId = segment->addTransitionAtTime(1.0f, segment->rangeStart() + 0.5f);
        EXPECT_GT(tId, 0);
        return tId;
    }
    static void expectSize(const QSizeF& actual, const QSizeF& expected)
    {
        EXPECT_NEAR(actual.width(), expected.width(), 1e-4);
        EXPECT_NEAR(actual.height(), expected.height(), 1e-4);
    }
    void drag(const QPoint& pos)
    {
        QMouseEvent move(QEvent::MouseMove, pos, overlay()->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        overlay()->handleMouseMove(&move);
    }
    int steps() const { return window->projectManager()->history().count(); }

    // The texts of the options menu the overlay asks for, read while it is open.
    QStringList optionsMenuTexts()
    {
        QStringList texts;
        QTimer::singleShot(100, [&texts] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions())
                texts << action->text();
            menu->close();
        });
        emit overlay()->transformWidgetRequestContextMenu(overlay(), window->mapToGlobal(QPoint(100, 100)));
        return texts;
    }

    std::unique_ptr<OverlayWindow> window;
};

} // namespace

TEST_F(TransformOverlayTest, PictureIsFramedOnThePreviewAndADragIsStoredOnce)
{
    ASSERT_TRUE(makeSizedPicture(QStringLiteral("wide.png"), QSize(1000, 500)));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(pictureRecord("wide", "wide.png", 0).set("UserScale", "{0.5,0.5}")));
    const QString problem = open(records, QSize(800, 600));
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* picture = segmentByUId(*window, "wide");
    edit(picture);
    ASSERT_NE(overlay(), nullptr);
    EXPECT_EQ(overlay()->parentWidget(), window->overlayHost());
    EXPECT_EQ(overlay()->QWidget::geometry(), window->overlayHost()->rect());
    // The fitted factor is single precision: sizes hold within a float's reach.
    expectSize(window->_overlayBaseSize, QSizeF(800, 400));
    // A 400 x 200 box around the preview's centre, in the panel's coordinates.
    expectSize(overlaySize(), QSizeF(400, 200));
    EXPECT_EQ(overlayCentre(), QPointF(kPreviewOffset + QPoint(400, 300)));

    // The overlay moved 60 px up, as its own drags report it.
    const int before = steps();
    overlay()->setContentGeometry(overlayCentre() - QPointF(0, 60), overlaySize(), 0.0f, 0.0f, 0.0f,
                                  QPointF(0.5, 0.5), {}, {}, {}, {}, window->_overlayBaseSize);
    emit overlay()->transformWidgetContentLayerGeometryDidChange(overlay());
    EXPECT_EQ(steps(), before + 1);
    EXPECT_NEAR(picture->userTranslation().y(), -0.1, 1e-6);
    EXPECT_NEAR(picture->userScale().x(), 0.5, 1e-6);
    EXPECT_NEAR(layerOf(picture)->staticValues().position.y, -0.1f, 1e-6);

    // With the preview collapsed to nothing there is no frame to measure in:
    // nothing is recorded and no NaN reaches the project.
    window->setPreviewSize(QSize(0, 0));
    emit overlay()->transformWidgetContentLayerGeometryDidChange(overlay());
    EXPECT_EQ(steps(), before + 1);
    EXPECT_NEAR(picture->userTranslation().y(), -0.1, 1e-6);
    EXPECT_NEAR(picture->userScale().x(), 0.5, 1e-6);
    window->setPreviewSize(QSize(800, 600));

    // The body is taken beside the anchor's handle, which sits on the centre.
    const QPoint body = kPreviewOffset + QPoint(460, 280);
    QMouseEvent press(QEvent::MouseButtonPress, body, overlay()->mapToGlobal(body), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    ASSERT_TRUE(overlay()->handleMousePress(&press));
    drag(body + QPoint(40, 0));
    drag(body + QPoint(80, 0));
    overlay()->handleMouseRelease();
    EXPECT_EQ(steps(), before + 2);
    EXPECT_NEAR(picture->userTranslation().x(), 0.1, 1e-6);
    EXPECT_NEAR(picture->userTranslation().y(), -0.1, 1e-6);
    EXPECT_NEAR(layerOf(picture)->staticValues().position.x, 0.1f, 1e-6);
    EXPECT_EQ(picture->userAnchorPoint(), QPointF(0.5, 0.5));
    window->_saveProject();
    SegmentRecords saved;
    ASSERT_EQ(ProjectManager::loadSegments(saved, name, QString()), 0);
    ASSERT_EQ(saved.size(), 1u);
    const QPointF stored = Segment::pointAttribute(saved[0].get(), QStringLiteral("UserTranslation"), QPointF());
    EXPECT_NEAR(stored.x(), 0.1, 1e-6);
    EXPECT_NEAR(stored.y(), -0.1, 1e-6);
}

// With a transition end shown, a drag lands in that end, model and engine,
// and leaves the segment's own placement and the other end alone.
TEST_F(TransformOverlayTest, ADragOnAShownTransitionEndIsStoredInThatEnd)
{
    ASSERT_TRUE(makeSizedPicture(QStringLiteral("wide.png"), QSize(1000, 500)));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(pictureRecord("wide", "wide.png", 0).set("UserScale", "{0.5,0.5}")));
    const QString problem = open(records, QSize(800, 600));
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* picture = segmentByUId(*window, "wide");
    edit(picture);
    const int tId = addTransition(picture);
    picture->setTransitionUserScale(tId, true, QPointF(0.5, 0.5));
    picture->setTransitionUserScale(tId, false, QPointF(0.5, 0.5));
    window->engine()->addAnimation(picture->serialNumber(), tId, 0.5f, 1.0f, 1);
    qobject_cast<SegmentWidget*>(window->projectManager()->segmentWidgetFor(picture))->setTransitionId(tId, false);
    window->_editingTransitionState = 0;
    window->_layoutTransformWidgetForEditingSegment(true);
    ASSERT_NE(overlay(), nullptr);
    expectSize(overlaySize(), QSizeF(400, 200));

    const int before = steps();
    resizeOverlay(QSizeF(200, 100));
    EXPECT_EQ(steps(), before + 1);
    EXPECT_NEAR(picture->transitionUserScale(tId, false).x(), 0.25, 1e-6);
    EXPECT_NEAR(picture->transitionUserScale(tId, false).y(), 0.25, 1e-6);
    EXPECT_EQ(picture->transitionUserScale(tId, true), QPointF(0.5, 0.5));
    EXPECT_EQ(picture->userScale(), QPointF(0.5, 0.5));
    EXPECT_NEAR(layerOf(picture)->staticValues().scale.x, 0.5f, 1e-6);
    // Found, the animation holds the segment's lock until it is released.
    AVAnimation* animation = layerOf(picture)->findAnimation(uint32_t(tId));
    ASSERT_NE(animation, nullptr);
    AVTransition* scale = animation->transition(AVSlotScale);
    ASSERT_NE(scale, nullptr);
    EXPECT_FLOAT_EQ(scale->toX(), 0.25f);
    EXPECT_FLOAT_EQ(scale->toY(), 0.25f);
    layerOf(picture)->releaseAnimation(uint32_t(tId));
}

TEST_F(TransformOverlayTest, MaintainAspectRatioAndFillTheScreen)
{
    ASSERT_TRUE(makeSizedPicture(QStringLiteral("wide.png"), QSize(1000, 500)));
    ASSERT_TRUE(makeSizedPicture(QStringLiteral("four.png"), QSize(800, 600)));
    ASSERT_TRUE(makeSizedPicture(QStringLiteral("cinema.png"), QSize(1050, 450)));
    std::vector<RecordBuilder> records;
    records.push_back(pictureRecord("wide", "wide.png", 0));
    records.push_back(pictureRecord("four", "four.png", 2));
    records.push_back(pictureRecord("cinema", "cinema.png", 4));
    const QString problem = open(records, QSize(800, 600));
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);

    // Nothing to place without an overlay: the transition buttons reach here too.
    const int untouched = steps();
    window->_segmentEditingMaintainAspectRatio();
    window->_segmentEditingRestoreDefault();
    window->_fillScreen();
    window->_originalSize();
    EXPECT_EQ(steps(), untouched);

    Segment* wide = segmentByUId(*window, "wide");
    edit(wide);
    ASSERT_NE(overlay(), nullptr);
    resizeOverlay(QSizeF(400, 400));
    EXPECT_NEAR(wide->userScale().y(), 1.0, 1e-9);
    const QPointF centre = overlayCentre();
    const int before = steps();
    window->_segmentEditingMaintainAspectRatio();
    expectSize(overlaySize(), QSizeF(400, 200));
    EXPECT_EQ(overlayCentre(), centre);
    EXPECT_EQ(steps(), before + 1);
    EXPECT_NEAR(wide->userScale().x(), 0.5, 1e-6);
    EXPECT_NEAR(wide->userScale().y(), 0.5, 1e-6);
    EXPECT_NEAR(layerOf(wide)->staticValues().scale.y, 0.5f, 1e-6);
    finishEditing(wide);

    window->setPreviewSize(QSize(1280, 720));
    Segment* four = segmentByUId(*window, "four");
    edit(four);
    ASSERT_NE(overlay(), nullptr);
    resizeOverlay(QSizeF(300, 200));
    window->_fillScreen();
    expectSize(overlaySize(), QSizeF(1280, 960));
    EXPECT_EQ(overlayCentre(), QPointF(kPreviewOffset + QPoint(640, 360)));
    // The base size is 960 x 720: the layer is a third larger than fitted.
    EXPECT_NEAR(four->userScale().x(), 4.0 / 3.0, 1e-5);
    EXPECT_NEAR(four->userTranslation().x(), 0.0, 1e-9);
    finishEditing(four);

    Segment* cinema = segmentByUId(*window, "cinema");
    edit(cinema);
    ASSERT_NE(overlay(), nullptr);
    window->_fillScreen();
    EXPECT_NEAR(overlaySize().height(), 720.0, 1e-9);
    EXPECT_NEAR(overlaySize().width(), 1680.0, 1e-9);
}

TEST_F(TransformOverlayTest, OriginalSizeAndRestoreDefault)
{
    ASSERT_TRUE(makeSizedPicture(QStringLiteral("small.png"), QSize(640, 360)));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(pictureRecord("small", "small.png", 0)
                          .set("CropTopLeft", "{0.1,0.2}")
                          .set("CropBottomRight", "{0.8,0.9}")
                          .set("FeatheringX0", 0.2)
                          .set("FeatheringY1", 0.3)
                          .set("UserRotation", 0.5)
                          .set("UserRotationX", 3.1415927)
                          .set("UserRotationY", 3.1415927)
                          .set("UserTranslation", "{0.2,0.1}")
                          .set("UserTransparency", 0.4)
                          .set("ClrSaturation", 30)));
    const QString problem = open(records, QSize(640, 360));
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    ASSERT_EQ(window->composition()->width(), 1920);
    Segment* picture = segmentByUId(*window, "small");
    edit(picture);
    ASSERT_NE(overlay(), nullptr);

    int before = steps();
    window->_originalSize();
    EXPECT_EQ(steps(), before + 1);
    EXPECT_NEAR(picture->userScale().x(), 1.0 / 3.0, 1e-6);
    EXPECT_NEAR(picture->userScale().y(), 1.0 / 3.0, 1e-6);
    EXPECT_NEAR(layerOf(picture)->staticValues().scale.x, 1.0f / 3.0f, 1e-6);
    // The overlay follows: the preview shows the movie at a third of its width.
    EXPECT_NEAR(overlaySize().width(), 640.0 / 3.0, 0.01);

    before = steps();
    window->_restoreDefaultGeometry();
    EXPECT_EQ(steps(), before + 1);
    EXPECT_EQ(picture->cropTopLeft(), QPointF(0, 0));
    EXPECT_EQ(picture->cropBottomRight(), QPointF(1, 1));
    EXPECT_EQ(picture->featheringX0(), 0.0f);
    EXPECT_EQ(picture->featheringY1(), 0.0f);
    EXPECT_EQ(picture->userRotation(), 0.0);
    EXPECT_EQ(picture->userRotationX(), 0.0f);
    EXPECT_EQ(picture->userRotationY(), 0.0f);
    EXPECT_EQ(picture->userScale(), QPointF(1, 1));
    EXPECT_EQ(picture->userTranslation(), QPointF(0, 0));
    EXPECT_NEAR(picture->userTransparency(), 0.4f, 1e-6);
    EXPECT_EQ(picture->clrSaturation(), 30);
    const AVAnimatedValues engine = layerOf(picture)->staticValues();
    EXPECT_FLOAT_EQ(engine.cropTopLeft.x, 0.0f);
    EXPECT_FLOAT_EQ(engine.cropBottomRight.y, 1.0f);
    EXPECT_FLOAT_EQ(engine.feathering[3], 0.0f);
    EXPECT_FLOAT_EQ(engine.rotation, 0.0f);
    EXPECT_FLOAT_EQ(engine.rotationX, 0.0f);
    EXPECT_FLOAT_EQ(engine.rotationY, 0.0f);
    EXPECT_FLOAT_EQ(engine.position.x, 0.0f);
    EXPECT_NEAR(engine.transparency, 0.4f, 1e-6);
    EXPECT_EQ(engine.effectColor[0], 30);
    expectSize(overlaySize(), QSizeF(640, 360));

    // On the end state of a transition the default is its begin state.
    const int tId = addTransition(picture);
    picture->setTransitionUserTranslation(tId, true, QPointF(0.25, 0.0));
    picture->setTransitionUserTranslation(tId, false, QPointF(-0.25, 0.5));
    qobject_cast<SegmentWidget*>(window->projectManager()->segmentWidgetFor(picture))->setTransitionId(tId, false);
    window->_editingTransitionState = 0;
    window->_restoreDefaultGeometry();
    EXPECT_EQ(picture->transitionUserTranslation(tId, false), QPointF(0.25, 0.0));
    EXPECT_EQ(picture->userTranslation(), QPointF(0, 0));
}

TEST_F(TransformOverlayTest, OptionsMenuAndTextBoxFollowTheSegment)
{
    ASSERT_TRUE(makeSizedPicture(QStringLiteral("wide.png"), QSize(1000, 500)));
    ASSERT_EQ(QProcess::execute(QStringLiteral("ffmpeg"),
                                {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=s=320x240:d=2:r=25", "-pix_fmt",
                                 "yuv420p", dir + "/clip.mp4"}),
              0);
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("MOVIE").set("UId", "clip").set("File", "clip.mp4").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 2)));
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "A").set("TrackId", 1)
                                    .set("RangeStart", 2).set("RangeDuration", 2)));
    records.push_back(pictureRecord("wide", "wide.png", 4));
    const QString problem = open(records, QSize(800, 600));
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);

    auto* clip = dynamic_cast<MovieSegment*>(segmentByUId(*window, "clip"));
    ASSERT_NE(clip, nullptr);
    EXPECT_TRUE(clip->hasVideo());
    edit(clip);
    ASSERT_NE(overlay(), nullptr);
    // 320 x 240 fitted into 800 x 600.
    expectSize(window->_overlayBaseSize, QSizeF(800, 600));
    EXPECT_EQ(optionsMenuTexts(), QStringList({"Maintain aspect ratio", "Restore the default", "Fill the screen"}));
    finishEditing(clip);

    Segment* caption = segmentByUId(*window, "caption");
    edit(caption);
    ASSERT_NE(overlay(), nullptr);
    EXPECT_EQ(window->_overlayBaseSize, QSizeF(800, 300));
    EXPECT_EQ(overlay()->contentRect(), QRect(kPreviewOffset + QPoint(0, 150), QSize(800, 300)));
    EXPECT_EQ(optionsMenuTexts(), QStringList({"Maintain aspect ratio", "Restore the default", "Edit Text"}));
    finishEditing(caption);

    Segment* picture = segmentByUId(*window, "wide");
    edit(picture);
    ASSERT_NE(overlay(), nullptr);
    EXPECT_EQ(optionsMenuTexts(),
              QStringList({"Maintain aspect ratio", "Restore the default", "Fill the screen", "Original Size"}));
    qobject_cast<SegmentWidget*>(window->projectManager()->segmentWidgetFor(picture))
        ->setTransitionId(addTransition(picture), true);
    // Choosing the transition fades the overlay away; a new one comes once the
    // preview shows the transition, later on a loaded machine.
    ASSERT_TRUE(waitFor([&] { return overlay() != nullptr; }, 10000));
    EXPECT_EQ(optionsMenuTexts(), QStringList({"Maintain aspect ratio", "Restore the default", "Fill the screen"}));
}

TEST_F(TransformOverlayTest, ActiveCornerIsRememberedPerSegment)
{
    ASSERT_TRUE(makeSizedPicture(QStringLiteral("wide.png"), QSize(1000, 500)));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(pictureRecord("bent", "wide.png", 0).set("Perspective", 1)));
    records.push_back(std::move(pictureRecord("fresh", "wide.png", 2).set("Perspective", 1)));
    const QString problem = open(records, QSize(800, 600));
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* bent = segmentByUId(*window, "bent");
    edit(bent);
    ASSERT_NE(overlay(), nullptr);
    // Only an overlay in perspective mode takes an active corner: none remembered gives corner 0.
    EXPECT_EQ(overlay()->activePointIndex(), 0);
    overlay()->setActivePointIndex(2);
    // The overlay's report is queued: it arrives once control is back in the loop.
    EXPECT_FALSE(window->_rememberedCornerIndex.contains("bent") && window->_rememberedCornerIndex["bent"] == 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->_rememberedCornerIndex.value("bent", -1), 2);

    window->_showTransformWidgetForSegment(bent);
    ASSERT_NE(overlay(), nullptr);
    EXPECT_EQ(overlay()->activePointIndex(), 2);
    finishEditing(bent);

    Segment* fresh = segmentByUId(*window, "fresh");
    edit(fresh);
    ASSERT_NE(overlay(), nullptr);
    EXPECT_EQ(overlay()->activePointIndex(), 0);
}

TEST_F(TransformOverlayTest, NoOverlayOverAnOpenEditorOrForAMovieWithoutPicture)
{
    ASSERT_TRUE(makeSizedPicture(QStringLiteral("wide.png"), QSize(1000, 500)));
    ASSERT_EQ(QProcess::execute(QStringLiteral("ffmpeg"), {"-v", "error", "-y", "-f", "lavfi", "-i", "sine=f=440:d=2",
                                                           "-c:a", "aac", dir + "/tone.mp4"}),
              0);
    std::vector<RecordBuilder> records;
    records.push_back(pictureRecord("wide", "wide.png", 0));
    records.push_back(std::move(RecordBuilder("MOVIE").set("UId", "tone").set("File", "tone.mp4").set("TrackId", 1)
                                    .set("RangeStart", 2).set("RangeDuration", 2)));
    const QString problem = open(records, QSize(800, 600));
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    const bool animated = animationsEnabled();
    setAnimationsEnabled(false);
    Segment* picture = segmentByUId(*window, "wide");
    edit(picture);
    ASSERT_NE(overlay(), nullptr);
    // Without widget animations the overlay shows at once, with no effect on it.
    EXPECT_TRUE(overlay()->isVisible());
    EXPECT_EQ(overlay()->graphicsEffect(), nullptr);

    {
        CanvasWidget canvas(64, 64);
        window->_canvas = &canvas;
        window->_showTransformWidgetForSegment(picture);
        EXPECT_EQ(overlay(), nullptr);
    }
    {
        TextEditWidget editor;
        window->_textEditor = &editor;
        window->_showTransformWidgetForSegment(picture);
        EXPECT_EQ(overlay(), nullptr);
        window->_textEditor = nullptr;
    }

    setAnimationsEnabled(true);
    window->_showTransformWidgetForSegment(picture);
    ASSERT_NE(overlay(), nullptr);
    auto* fade = qobject_cast<QGraphicsOpacityEffect*>(overlay()->graphicsEffect());
    ASSERT_NE(fade, nullptr);
    EXPECT_TRUE(fade->isEnabled());
    EXPECT_LT(fade->opacity(), 1.0);
    EXPECT_TRUE(waitFor([&] { return !fade->isEnabled(); }, 3000));
    EXPECT_DOUBLE_EQ(fade->opacity(), 1.0);
    setAnimationsEnabled(animated);
    finishEditing(picture);

    auto* tone = dynamic_cast<MovieSegment*>(segmentByUId(*window, "tone"));
    ASSERT_NE(tone, nullptr);
    EXPECT_FALSE(tone->hasVideo());
    edit(tone);
    EXPECT_EQ(overlay(), nullptr);
}
