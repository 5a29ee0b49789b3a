#include "DesktopMainWindow.h"

#include "AVGLWidget.h"
#include "AssetLoadingThreadPool.h"
#include "CanvasWidget.h"
#include "CropWidget.h"
#include "DrawingColorWidget.h"
#include "DrawingSegment.h"
#include "DrawingTuningWidget.h"
#include "EditScrollArea.h"
#include "FullscreenControlWidget.h"
#include "HelpTipsSeen.h"
#include "IsolatedSettings.h"
#include "MediaPreviewWidget.h"
#include "OpeningWindow.h"
#include "PopupMicrophoneWidget.h"
#include "PopupMovieExportingWidget.h"
#include "ProjectManager.h"
#include "ProjectTestSupport.h"
#include "Segment.h"
#include "SegmentWidget.h"
#include "TextEditWidget.h"
#include "PlainTransformOverlay.h"
#include "TextSegment.h"
#include "WidgetAnimations.h"

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QMenuBar>
#include <QSplitter>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The desktop window with its full-screen state opened to the tests.
class FullscreenWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    using DesktopMainWindow::_currentScrollTime;
    using DesktopMainWindow::_dismissAllPopupsAndPreview;
    using DesktopMainWindow::_endCropEditing;
    using DesktopMainWindow::_endTextEditing;
    using DesktopMainWindow::_finishClosing;
    using DesktopMainWindow::_togglePlayback;
    using DesktopMainWindow::_seekPreview;
    using DesktopMainWindow::editScrollArea_scaleBegan;
    using DesktopMainWindow::_endDrawingEditing;
    using DesktopMainWindow::_enterCropMode;
    using DesktopMainWindow::_enterEditingMode;
    using DesktopMainWindow::_enterDrawingMode;

    bool isFullScreenMode() const { return _fullScreen; }
    bool playing() const { return _playing; }
    bool ready() const { return _waitingHUD == nullptr; }
    AVGLWidget* preview() const { return _previewWidget; }
    QWidget* previewArea() const { return _previewArea; }
    EditScrollArea* timeline() const { return _timeline; }
    CropWidget* cropWidget() const { return _cropWidget; }
    void startCrop(const QRectF& rect, float left, float top, float right, float bottom)
    {
        _cropWidget = new CropWidget(QRect(40, 40, 320, 180), QPixmap(), rect, left, top, right, bottom, true,
                                     centralWidget());
    }
    void setTransitionSide(int state) { _editingTransitionState = state; }
    TextEditWidget* textEditor() const { return _textEditor; }
    void startTextEditing(const QString& text)
    {
        _textEditor = new TextEditWidget(_textEditParent);
        _textEditor->setPlainText(text);
        _textEditor->show();
    }
    FullscreenControlWidget* bar() const { return findChild<FullscreenControlWidget*>(); }
    QWidget* previewContainer() const { return _previewContainer; }
    // A library item shown in the composition preview's place.
    MediaPreviewWidget* showMediaPreview()
    {
        if (!_mediaPreview)
            _mediaPreview = new MediaPreviewWidget(_previewContainer);
        _mediaPreview->setGeometry(_previewContainer->rect());
        _mediaPreview->show();
        _previewWidget->hide();
        return _mediaPreview;
    }
    void showTransformOverlay(TransformWidget* overlay) { _transformWidget = overlay; }
    TransformWidget* transformOverlay() const { return _transformWidget; }
    CanvasWidget* canvas() const { return _canvas; }
    // The drawing editor's canvas over the central widget, with a colour and
    // a tuning panel the window uses but does not own (the inspector's).
    void startDrawing(const QSize& canvasSize)
    {
        _canvas = new CanvasWidget(canvasSize.width(), canvasSize.height(), centralWidget());
        if (!ownColorPanel) {
            ownColorPanel = new DrawingColorWidget(canvasSize, centralWidget());
            ownColorPanel->setGeometry(10, 10, 180, 60);
            ownTuningPanel = new DrawingTuningWidget(centralWidget());
            ownTuningPanel->setGeometry(10, 80, 100, 120);
        }
        _segmentEditingSetDrawingWidgets(ownColorPanel, ownTuningPanel);
        _canvas->show();
    }
    // The window's references to the panels.
    QList<QWidget*> drawingPanels() const { return {_drawingColorWidget, _drawingTuningWidget}; }
    QPointer<DrawingColorWidget> ownColorPanel;
    QPointer<DrawingTuningWidget> ownTuningPanel;
    QPushButton* button(const char* name) const { return findChild<QPushButton*>(QString::fromLatin1(name)); }
    QSplitter* mainSplitter() const { return findChild<QSplitter*>(QStringLiteral("mainSplitter")); }
    QBoxLayout* rightAreaLayout() const { return findChild<QBoxLayout*>(QStringLiteral("rightAreaVerticalLayout")); }
};

class DesktopFullscreenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ProjectManager::copyExampleProjects());
        // The tips on handling a tile would stand in front of the commands tried here.
        markHelpTipsSeen();
        window = new FullscreenWindow(QStringLiteral("5-4-3-2-1-0"), QStringLiteral("Examples"));
        ASSERT_FALSE(window->isOpenFailed());
        window->show();
        if (!waitFor([this] { return window->preview() != nullptr; }, 5000) || !window->preview()->isValid())
            GTEST_SKIP() << "no OpenGL context for the preview";
        ASSERT_TRUE(waitFor([this] { return window->ready(); }, 60000));
        QApplication::setActiveWindow(window);
    }

    // The closing step stops the engine threads, which call back into the window.
    void TearDown() override
    {
        if (window->preview())
            window->_finishClosing();
        delete window;
    }

    void pressToggleShortcut()
    {
        pressToggleShortcutOnly();
        QCoreApplication::processEvents();
    }
    // With no event handled after it, as when the user's next key follows at once.
    // Shortcuts reach the active window only, and another test program's
    // window on the shared display may take the keyboard at any time: the
    // press is meant for this window, so it is made active first.
    void pressToggleShortcutOnly()
    {
        QApplication::setActiveWindow(window);
        QTest::keyClick(window, Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
    }

    // The bar centred, 100 px above the bottom of the central widget.
    void expectBarPlaced()
    {
        FullscreenControlWidget* bar = window->bar();
        ASSERT_NE(bar, nullptr);
        const QWidget* central = window->centralWidget();
        const QPoint topLeft = bar->mapTo(window->centralWidget(), QPoint(0, 0));
        EXPECT_EQ(topLeft.x(), (central->width() - bar->width()) / 2);
        EXPECT_EQ(topLeft.y() + bar->height(), central->height() - 100);
    }

    SegmentWidget* selectFirstTile()
    {
        auto tiles = window->timeline()->findChildren<SegmentWidget*>();
        if (tiles.isEmpty() || !tiles.first()->segment())
            return nullptr;
        window->timeline()->setSelectedSegmentWidget(tiles.first());
        return tiles.first();
    }

    // The first tile of a text segment, selected.
    SegmentWidget* selectTextTile()
    {
        for (SegmentWidget* tile : window->timeline()->findChildren<SegmentWidget*>()) {
            if (dynamic_cast<TextSegment*>(tile->segment())) {
                window->timeline()->setSelectedSegmentWidget(tile);
                return tile;
            }
        }
        return nullptr;
    }

    int undoSteps() const { return window->projectManager()->history().size(); }

    // The first tile, selected, shows the drawing until giveTileBack; then a
    // red picture is on the canvas.
    bool startRedDrawingOnFirstTile(DrawingSegment* drawing)
    {
        drawingTile = selectFirstTile();
        if (!drawingTile)
            return false;
        lentSegment = drawingTile->segment();
        drawingTile->setSegment(drawing);
        window->startDrawing(drawing->pixmap().size());
        QPixmap red(drawing->pixmap().size());
        red.fill(Qt::red);
        window->canvas()->drawImage(red);
        return true;
    }
    void giveTileBack() { drawingTile->setSegment(lentSegment); }
    SegmentWidget* drawingTile = nullptr;
    Segment* lentSegment = nullptr;

    IsolatedSettings settings;
    TemporaryProduct product;
    FullscreenWindow* window = nullptr;
};

} // namespace

TEST_F(DesktopFullscreenTest, ShortcutMovesThePreviewIntoTheScreenAndBack)
{
    QWidget* area = window->previewArea();
    pressToggleShortcut();
    ASSERT_TRUE(window->isFullScreenMode());
    EXPECT_EQ(area->parentWidget(), window->centralWidget());
    EXPECT_TRUE(window->mainSplitter()->isHidden());
    EXPECT_TRUE(window->menuBar()->isHidden());
    EXPECT_TRUE(window->isFullScreen());
    // Without a window manager the screen-filling size may never come: the
    // placement is checked against whatever size the window has.
    QCoreApplication::processEvents();
    expectBarPlaced();
    EXPECT_TRUE(window->bar()->isVisible());

    for (const QSize& size : {QSize(1280, 720), QSize(1600, 900)}) {
        window->resize(size);
        ASSERT_TRUE(waitFor([&] { return window->centralWidget()->width() == size.width(); }, 3000));
        expectBarPlaced();
    }

    // The menu bar is gone; the shortcut still reaches the window.
    pressToggleShortcut();
    EXPECT_FALSE(window->isFullScreenMode());
    EXPECT_EQ(window->bar(), nullptr);
    EXPECT_EQ(window->rightAreaLayout()->indexOf(area), 0);
    EXPECT_FALSE(window->mainSplitter()->isHidden());
    EXPECT_FALSE(window->menuBar()->isHidden());
    EXPECT_FALSE(window->isFullScreen());
}

TEST_F(DesktopFullscreenTest, TheBarShowsItsTimesInLightTextOnItsDarkBackground)
{
    pressToggleShortcut();
    FullscreenControlWidget* bar = window->bar();
    ASSERT_NE(bar, nullptr);
    const QImage picture = bar->grab().toImage();
    for (const char* name : {"leftLabel", "rightLabel"}) {
        const QLabel* label = bar->findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr);
        ASSERT_FALSE(label->text().isEmpty());
        int light = 0;
        int dark = 0;
        const QRect area(label->mapTo(bar, QPoint(0, 0)), label->size());
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const int grey = qGray(picture.pixel(x, y));
                light += grey > 200;
                dark += grey < 60;
            }
        }
        // The digits cover a few dozen pixels; the bar shows around them.
        EXPECT_GT(light, 30) << name;
        EXPECT_GT(dark, area.width() * area.height() / 2) << name;
    }
}

TEST_F(DesktopFullscreenTest, RefusedWhileTheWaitingOverlayIsUp)
{
    window->showWaitingHUD(QStringLiteral("busy"));
    pressToggleShortcut();
    EXPECT_FALSE(window->isFullScreenMode());
    EXPECT_EQ(window->bar(), nullptr);
    window->hideWaitingHUD();
    pressToggleShortcut();
    EXPECT_TRUE(window->isFullScreenMode());
}

TEST_F(DesktopFullscreenTest, SliderSeekAndPauseReachThePlayback)
{
    pressToggleShortcut();
    FullscreenControlWidget* bar = window->bar();
    ASSERT_NE(bar, nullptr);
    const float duration = window->projectManager()->duration();
    ASSERT_GT(duration, 1.0f);

    emit bar->seekToPosition(50);
    // Within one timeline pixel of half the length.
    EXPECT_NEAR(window->_currentScrollTime(), duration / 2.0f, 0.05f);

    window->_togglePlayback();
    ASSERT_TRUE(waitFor([this] { return window->playing(); }, 5000));
    bool wasPlaying = false;
    emit bar->pauseIfPlaying(wasPlaying);
    EXPECT_TRUE(wasPlaying);
    EXPECT_TRUE(waitFor([this] { return !window->playing(); }, 5000));
    emit bar->pauseIfPlaying(wasPlaying);
    EXPECT_FALSE(wasPlaying);
}

TEST_F(DesktopFullscreenTest, DismissalLeavesFullScreenThenRangeSelectionThenTheTileEditing)
{
    auto tiles = window->timeline()->findChildren<SegmentWidget*>();
    ASSERT_FALSE(tiles.isEmpty());
    SegmentWidget* tile = tiles.first();
    window->timeline()->setSelectedSegmentWidget(tile);
    tile->setEditing(true, false);
    window->timeline()->setRangeSelectionMode(true);
    pressToggleShortcut();
    ASSERT_TRUE(window->isFullScreenMode());

    EXPECT_TRUE(window->_dismissAllPopupsAndPreview());
    EXPECT_FALSE(window->isFullScreenMode());
    EXPECT_TRUE(window->timeline()->isRangeSelectionMode());

    EXPECT_TRUE(window->_dismissAllPopupsAndPreview());
    EXPECT_FALSE(window->timeline()->isRangeSelectionMode());
    EXPECT_TRUE(tile->isEditing());

    EXPECT_TRUE(window->_dismissAllPopupsAndPreview());
    EXPECT_FALSE(tile->isEditing());

    window->timeline()->setSelectedSegmentWidget(nullptr);
    // The edit opened the inspector area; the next dismissal closes it.
    EXPECT_TRUE(window->_dismissAllPopupsAndPreview());
    EXPECT_FALSE(window->_dismissAllPopupsAndPreview());
}

namespace {

const QRectF kEditedCrop(QPointF(0.1, 0.2), QPointF(0.7, 0.9));

// The model keeps single precision.
void expectPoint(const QPointF& actual, const QPointF& expected)
{
    EXPECT_NEAR(actual.x(), expected.x(), 1e-6);
    EXPECT_NEAR(actual.y(), expected.y(), 1e-6);
}

void expectCrop(const Segment* segment, int tId, bool begin, const QRectF& rect)
{
    SCOPED_TRACE(begin ? "begin" : "end");
    expectPoint(segment->transitionCropTopLeft(tId, begin), rect.topLeft());
    expectPoint(segment->transitionCropBottomRight(tId, begin), rect.bottomRight());
}

} // namespace

TEST_F(DesktopFullscreenTest, AppliedCropReachesTheSegmentAsOneUndoStep)
{
    SegmentWidget* tile = selectFirstTile();
    ASSERT_NE(tile, nullptr);
    Segment* segment = tile->segment();
    const int steps = undoSteps();
    window->startCrop(kEditedCrop, 0.05f, 0.1f, 0.15f, 0.2f);
    window->_endCropEditing(true);
    EXPECT_EQ(window->cropWidget(), nullptr);
    expectPoint(segment->cropTopLeft(), kEditedCrop.topLeft());
    expectPoint(segment->cropBottomRight(), kEditedCrop.bottomRight());
    EXPECT_EQ(segment->featheringX0(), 0.05f);
    EXPECT_EQ(segment->featheringY0(), 0.1f);
    EXPECT_EQ(segment->featheringX1(), 0.15f);
    EXPECT_EQ(segment->featheringY1(), 0.2f);
    EXPECT_TRUE(window->projectManager()->isModified());
    EXPECT_EQ(undoSteps(), steps + 1);
}

TEST_F(DesktopFullscreenTest, UnchangedOrDiscardedCropLeavesNoTrace)
{
    SegmentWidget* tile = selectFirstTile();
    ASSERT_NE(tile, nullptr);
    Segment* segment = tile->segment();
    const QRectF original(segment->cropTopLeft(), segment->cropBottomRight());
    window->projectManager()->setModified(false);
    const int steps = undoSteps();

    window->startCrop(original, segment->featheringX0(), segment->featheringY0(), segment->featheringX1(),
                      segment->featheringY1());
    window->_endCropEditing(true);
    EXPECT_EQ(undoSteps(), steps);
    EXPECT_FALSE(window->projectManager()->isModified());

    window->startCrop(kEditedCrop, 0.3f, 0.3f, 0.3f, 0.3f);
    // The editor is the first thing a dismissal leaves, before the tile's editing.
    tile->setEditing(true, false);
    EXPECT_TRUE(window->_dismissAllPopupsAndPreview());
    EXPECT_EQ(window->cropWidget(), nullptr);
    EXPECT_TRUE(tile->isEditing());
    expectPoint(segment->cropTopLeft(), original.topLeft());
    EXPECT_NE(segment->featheringX0(), 0.3f);
    EXPECT_EQ(undoSteps(), steps);
}

TEST_F(DesktopFullscreenTest, CropOfAnEditedTransitionLandsOnTheSideBeingEdited)
{
    SegmentWidget* tile = selectFirstTile();
    ASSERT_NE(tile, nullptr);
    Segment* segment = tile->segment();
    const int tId = segment->addTransitionAtTime(std::min(1.0f, segment->duration() / 2.0f), segment->rangeStart());
    ASSERT_GT(tId, 0);
    const QRectF original(segment->transitionCropTopLeft(tId, false), segment->transitionCropBottomRight(tId, false));
    ASSERT_NE(original, kEditedCrop);
    tile->setTransitionId(tId, true);

    // 1: the begin state is edited.
    window->setTransitionSide(1);
    window->startCrop(kEditedCrop, 0.1f, 0.1f, 0.1f, 0.1f);
    window->_endCropEditing(true);
    expectCrop(segment, tId, true, kEditedCrop);
    expectCrop(segment, tId, false, original);
    EXPECT_EQ(segment->transitionFeatheringX0(tId, true), 0.1f);
    EXPECT_NE(segment->transitionFeatheringX0(tId, false), 0.1f);

    // 0: the end state.
    const QRectF endCrop(QPointF(0.25, 0.25), QPointF(0.5, 0.75));
    window->setTransitionSide(0);
    window->startCrop(endCrop, 0.2f, 0.2f, 0.2f, 0.2f);
    window->_endCropEditing(true);
    expectCrop(segment, tId, false, endCrop);
    expectCrop(segment, tId, true, kEditedCrop);
    EXPECT_EQ(segment->transitionFeatheringY1(tId, false), 0.2f);
    // The segment's own crop stays as it was.
    EXPECT_NE(QRectF(segment->cropTopLeft(), segment->cropBottomRight()), endCrop);
}

TEST_F(DesktopFullscreenTest, FullScreenIsRefusedWhileCropping)
{
    window->startCrop(kEditedCrop, 0.0f, 0.0f, 0.0f, 0.0f);
    pressToggleShortcut();
    EXPECT_FALSE(window->isFullScreenMode());
    window->_endCropEditing(false);
    pressToggleShortcut();
    EXPECT_TRUE(window->isFullScreenMode());
}

TEST_F(DesktopFullscreenTest, AppliedTextBecomesTheSegmentsAndOnlyAChangeIsAnUndoStep)
{
    SegmentWidget* tile = selectTextTile();
    if (!tile)
        GTEST_SKIP() << "the example project holds no text segment";
    auto* segment = static_cast<TextSegment*>(tile->segment());
    window->projectManager()->setModified(false);
    const int steps = undoSteps();

    window->startTextEditing(segment->text());
    window->_endTextEditing(true);
    EXPECT_EQ(window->textEditor(), nullptr);
    EXPECT_EQ(undoSteps(), steps);
    EXPECT_FALSE(window->projectManager()->isModified());

    window->startTextEditing(QStringLiteral("Zwölf Boxkämpfer\njagen Viktor"));
    window->_endTextEditing(true);
    EXPECT_EQ(segment->text(), QStringLiteral("Zwölf Boxkämpfer\njagen Viktor"));
    EXPECT_EQ(undoSteps(), steps + 1);
    EXPECT_TRUE(window->projectManager()->isModified());
}

TEST_F(DesktopFullscreenTest, InFullScreenTheFirstDismissalLeavesItAndTheSecondDiscardsTheText)
{
    SegmentWidget* tile = selectTextTile();
    if (!tile)
        GTEST_SKIP() << "the example project holds no text segment";
    auto* segment = static_cast<TextSegment*>(tile->segment());
    const QString original = segment->text();
    pressToggleShortcut();
    ASSERT_TRUE(window->isFullScreenMode());
    window->startTextEditing(QStringLiteral("discarded"));

    EXPECT_TRUE(window->_dismissAllPopupsAndPreview());
    EXPECT_FALSE(window->isFullScreenMode());
    EXPECT_NE(window->textEditor(), nullptr);
    // While the text is edited the window does not go back into full screen.
    pressToggleShortcut();
    EXPECT_FALSE(window->isFullScreenMode());

    EXPECT_TRUE(window->_dismissAllPopupsAndPreview());
    EXPECT_EQ(window->textEditor(), nullptr);
    EXPECT_EQ(segment->text(), original);
}

TEST_F(DesktopFullscreenTest, ASeekAZoomPinchPlaybackAndFullScreenCloseTheMediaPreview)
{
    MediaPreviewWidget* media = window->showMediaPreview();
    window->_seekPreview(0.5f, true);
    EXPECT_FALSE(media->isVisible());
    EXPECT_TRUE(window->preview()->isVisible());

    window->showMediaPreview();
    window->editScrollArea_scaleBegan();
    EXPECT_FALSE(media->isVisible());
    EXPECT_TRUE(window->preview()->isVisible());

    window->showMediaPreview();
    EXPECT_TRUE(window->_dismissAllPopupsAndPreview());
    EXPECT_FALSE(media->isVisible());
    EXPECT_TRUE(window->preview()->isVisible());

    window->showMediaPreview();
    window->_togglePlayback();
    ASSERT_TRUE(waitFor([this] { return window->playing(); }, 10000));
    EXPECT_FALSE(media->isVisible());
    EXPECT_TRUE(window->preview()->isVisible());
    window->_togglePlayback();
    ASSERT_TRUE(waitFor([this] { return !window->playing(); }, 10000));

    window->showMediaPreview();
    pressToggleShortcut();
    ASSERT_TRUE(window->isFullScreenMode());
    EXPECT_FALSE(media->isVisible());
    EXPECT_TRUE(window->preview()->isVisible());
}

// Escape first hides a library item shown in the preview's place; the range
// selection stays until the next Escape.
TEST_F(DesktopFullscreenTest, EscapeHidesTheMediaPreviewBeforeLeavingRangeSelection)
{
    window->timeline()->setRangeSelectionMode(true);
    MediaPreviewWidget* media = window->showMediaPreview();
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(media->isVisible());
    EXPECT_TRUE(window->preview()->isVisible());
    EXPECT_TRUE(window->timeline()->isRangeSelectionMode());

    // A second press within 100 ms counts as the same one.
    QTest::qWait(150);
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->timeline()->isRangeSelectionMode());
}

TEST_F(DesktopFullscreenTest, EnteringFullScreenFadesTheTransformOverlayAway)
{
    setAnimationsEnabled(true);
    QPointer<TransformWidget> faded = makePlainTransformOverlay(window->centralWidget(), nullptr);
    faded->show();
    window->showTransformOverlay(faded);
    pressToggleShortcut();
    ASSERT_TRUE(window->isFullScreenMode());
    EXPECT_EQ(window->transformOverlay(), nullptr);
    EXPECT_TRUE(waitFor([&] { return faded.isNull(); }, 5000));
}

TEST_F(DesktopFullscreenTest, TheUndoButtonStepsBackAndIsUnavailableWhileAModeIsOn)
{
    SegmentWidget* tile = selectTextTile();
    if (!tile)
        GTEST_SKIP() << "the example project holds no text segment";
    QPushButton* undo = window->button("undoButton");
    ASSERT_NE(undo, nullptr);
    auto* segment = static_cast<TextSegment*>(tile->segment());
    const QString original = segment->text();
    const int serial = segment->serialNumber();
    window->startTextEditing(QStringLiteral("undone"));
    window->_endTextEditing(true);
    ASSERT_EQ(segment->text(), QStringLiteral("undone"));

    QTest::mouseClick(undo, Qt::LeftButton);
    // The rebuild waits while the renderer works.
    EXPECT_TRUE(waitFor([&] {
        ProjectManager* project = window->projectManager();
        const Segment* restored = project->segmentAt(project->indexOfSegmentId(serial));
        return restored && restored->text() == original;
    }, 10000));

    // Each inline editor's exit gives the button back.
    window->_enterCropMode(true);
    EXPECT_FALSE(undo->isEnabled());
    window->startCrop(kEditedCrop, 0.0f, 0.0f, 0.0f, 0.0f);
    window->_endCropEditing(false);
    EXPECT_TRUE(undo->isEnabled());
    window->_enterEditingMode(true);
    window->startTextEditing(QStringLiteral("x"));
    window->_endTextEditing(false);
    EXPECT_TRUE(undo->isEnabled());
    window->_enterDrawingMode(true);
    window->startDrawing(QSize(64, 48));
    window->_endDrawingEditing(false);
    EXPECT_TRUE(undo->isEnabled());
}

TEST_F(DesktopFullscreenTest, AppliedDrawingIsWrittenIntoTheSelectedDrawingSegment)
{
    DrawingSegment drawing(QSizeF(64, 48), 0.0f, 2.0f, window);
    window->projectManager()->setModified(false);
    const int steps = undoSteps();
    ASSERT_TRUE(startRedDrawingOnFirstTile(&drawing));
    // Full screen waits until the drawing is left.
    pressToggleShortcut();
    EXPECT_FALSE(window->isFullScreenMode());
    window->_endDrawingEditing(true);
    giveTileBack();

    EXPECT_EQ(window->canvas(), nullptr);
    for (QWidget* panel : window->drawingPanels())
        EXPECT_EQ(panel, nullptr);
    // The panels themselves are the inspector's and stay.
    EXPECT_NE(window->ownColorPanel, nullptr);
    EXPECT_NE(window->ownTuningPanel, nullptr);
    EXPECT_EQ(undoSteps(), steps + 1);
    EXPECT_TRUE(window->projectManager()->isModified());
    const QImage written(drawing.absoluteFilePath());
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.size(), QSize(64, 48));
    EXPECT_EQ(written.pixelColor(32, 24), QColor(Qt::red));
}

TEST_F(DesktopFullscreenTest, DismissingADrawingDiscardsItAndKeepsTheSegment)
{
    DrawingSegment drawing(QSizeF(64, 48), 0.0f, 2.0f, window);
    const QString before = drawing.absoluteFilePath();
    const int steps = undoSteps();
    ASSERT_TRUE(startRedDrawingOnFirstTile(&drawing));
    EXPECT_TRUE(window->_dismissAllPopupsAndPreview());
    giveTileBack();
    EXPECT_EQ(window->canvas(), nullptr);
    EXPECT_EQ(undoSteps(), steps);
    EXPECT_EQ(drawing.absoluteFilePath(), before);
    EXPECT_EQ(QImage(before).pixelColor(32, 24).alpha(), 0);
}

TEST_F(DesktopFullscreenTest, TheCanvasCoversThePreviewAfterAResizeAndThePanelsStayWhereTheyAre)
{
    window->startDrawing(QSize(64, 48));
    window->resize(window->width() - 40, window->height() - 30);
    ASSERT_TRUE(waitFor([this] {
        const QWidget* preview = window->previewContainer();
        return window->canvas()->geometry()
            == QRect(preview->mapTo(window->centralWidget(), QPoint(0, 0)), preview->size());
    }, 5000));
    // The panels are laid out by the inspector that holds them, not by the window.
    const QList<QWidget*> panels = window->drawingPanels();
    EXPECT_EQ(panels[0]->geometry(), QRect(10, 10, 180, 60));
    EXPECT_EQ(panels[1]->geometry(), QRect(10, 80, 100, 120));
}

TEST_F(DesktopFullscreenTest, RefusedWhileTheExportOrTheMicrophonePanelIsOpen)
{
    // The export panel waits until the segments have loaded.
    ASSERT_TRUE(waitFor([] { return AssetLoadingThreadPool::instance()->activeThreadCount() == 0; }, 30000));
    QTest::mouseClick(window->button("shareButton"), Qt::LeftButton);
    auto* exporting = qobject_cast<PopupMovieExportingWidget*>(window->currentPopup());
    ASSERT_NE(exporting, nullptr);
    pressToggleShortcut();
    EXPECT_FALSE(window->isFullScreenMode());
    EXPECT_EQ(window->bar(), nullptr);
    exporting->dismiss();

    // A shortcut, like the toggle's: it reaches the active window only.
    QApplication::setActiveWindow(window);
    QTest::keyClick(window, Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    auto* microphone = qobject_cast<PopupMicrophoneWidget*>(window->currentPopup());
    ASSERT_NE(microphone, nullptr);
    pressToggleShortcut();
    EXPECT_FALSE(window->isFullScreenMode());
    microphone->dismiss();
    // The panel goes once its recorder has stopped.
    ASSERT_TRUE(waitFor([this] { return window->currentPopup() == nullptr; }, 10000))
        << "the microphone panel stayed open";

    pressToggleShortcut();
    EXPECT_TRUE(window->isFullScreenMode());
}

// Alt+I (insert or overwrite mode) stands for the commands refused while the
// window re-lays itself out.
TEST_F(DesktopFullscreenTest, CommandsWaitUntilTheSwitchHasSettled)
{
    ProjectManager* project = window->projectManager();
    // Shortcuts reach the active window only. Another program's window on the
    // same display (switching to full screen activates it) may take the
    // keyboard at any time, so the window is made active again before each
    // key: a press refused below is refused by the window, not lost.
    const auto activate = [this] {
        QApplication::setActiveWindow(window);
        return window->isActiveWindow();
    };
    const auto pressModeKey = [&] {
        activate();
        QTest::keyClick(window, Qt::Key_I, Qt::AltModifier);
    };
    for (bool entering : {true, false}) {
        SCOPED_TRACE(entering ? "entering" : "leaving");
        const int mode = project->segmentMode();
        ASSERT_TRUE(activate());
        pressToggleShortcutOnly();
        ASSERT_EQ(window->isFullScreenMode(), entering);
        ASSERT_TRUE(activate());
        pressModeKey();
        EXPECT_EQ(project->segmentMode(), mode);
        // Pressed again until it goes through, once.
        EXPECT_TRUE(waitFor([&] {
            if (project->segmentMode() == mode)
                pressModeKey();
            return project->segmentMode() != mode;
        }, 5000));
    }
}

TEST_F(DesktopFullscreenTest, TheEditedDrawingsOverlayComesBackOnceTheWindowHasSettled)
{
    SegmentWidget* tile = nullptr;
    for (SegmentWidget* candidate : window->timeline()->findChildren<SegmentWidget*>())
        if (candidate->segment() && candidate->segment()->type() == QStringLiteral("DRAWING"))
            tile = candidate;
    ASSERT_NE(tile, nullptr);
    QTest::mouseDClick(tile, Qt::LeftButton, Qt::NoModifier, QPoint(tile->width() / 2, tile->height() / 2));
    ASSERT_TRUE(waitFor([&] { return tile->isEditing() && window->transformOverlay(); }, 5000));
    pressToggleShortcut();
    ASSERT_TRUE(window->isFullScreenMode());
    ASSERT_TRUE(waitFor([this] { return window->transformOverlay() == nullptr; }, 5000));

    // Back out of full screen and at once out of and into editing again: no
    // overlay until the preview has its settled place.
    pressToggleShortcutOnly();
    ASSERT_FALSE(window->isFullScreenMode());
    EXPECT_EQ(window->transformOverlay(), nullptr);
    QTest::mouseDClick(tile, Qt::LeftButton, Qt::NoModifier, QPoint(tile->width() / 2, tile->height() / 2));
    QTest::mouseDClick(tile, Qt::LeftButton, Qt::NoModifier, QPoint(tile->width() / 2, tile->height() / 2));
    ASSERT_TRUE(tile->isEditing());
    EXPECT_EQ(window->transformOverlay(), nullptr);
    ASSERT_TRUE(waitFor([this] { return window->transformOverlay() != nullptr; }, 5000));
    // Over the preview surface, which it frames.
    EXPECT_TRUE(window->transformOverlay()->isVisible());
    EXPECT_EQ(window->transformOverlay()->parentWidget(), window->previewArea());
}
