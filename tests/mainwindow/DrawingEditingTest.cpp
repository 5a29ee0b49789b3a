#include "DesktopMainWindow.h"

#include "AVComposition.h"
#include "AVGLWidget.h"
#include "CanvasWidget.h"
#include "DoneButtonEditingWidget.h"
#include "DrawingColorWidget.h"
#include "DrawingToolsWidget.h"
#include "DrawingTuningWidget.h"
#include "EditButtonEditingWidget.h"
#include "FileSizeLimit.h"
#include "IsolatedSettings.h"
#include "ModalDialogAnswerer.h"
#include "OpeningWindow.h"
#include "ProjectTestSupport.h"
#include "SegmentInspectorWidget.h"
#include "TooltipButton.h"
#include "WatchedPipe.h"

#include <QApplication>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QRgb kBackground = qRgb(0x30, 0x50, 0xa0);
const QRgb kDrawingGreen = qRgb(0, 200, 0);

// The whole desktop window with the drawing mode's parts open to the test.
class DrawingWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    using MainWindow::_finishClosing;
    using MainWindow::_isShowingHUD;

    SegmentInspectorWidget* inspector() const { return _segmentInspectorWidget; }
    CanvasWidget* canvas() const { return _canvas; }
    DrawingColorWidget* colorPanel() const { return _drawingColorWidget; }
    DrawingTuningWidget* tuningPanel() const { return _drawingTuningWidget; }
    QWidget* previewContainer() const { return _previewContainer; }
    ProjectManager* manager() const { return _projectManager; }
    int historySize() const { return _projectManager->history().size(); }
    Segment* drawing() const { return _projectManager->segmentAt(0); }

    bool loaded() const
    {
        if (!_previewWidget || !_previewWidget->isValid() || !_composition || _projectManager->segmentCount() == 0)
            return false;
        const Segment* segment = _projectManager->segmentAt(0);
        return segment->state() == 4 && _composition->findSegment(uint32_t(segment->serialNumber()));
    }
    // The preview surface's pixel at a fraction of its size.
    QRgb previewPixel(QPointF at) const
    {
        const QImage frame = _previewWidget->grabFramebuffer();
        return frame.pixel(int(at.x() * frame.width()), int(at.y() * frame.height())) | 0xff000000u;
    }
    bool editFirstSegment()
    {
        SegmentWidget* tile = _timeline->findChildren<SegmentWidget*>().value(0);
        if (!tile)
            return false;
        // Undo gives the edited tile its editing back.
        if (_timeline->editingSegmentWidget() == tile && _segmentInspectorWidget && _segmentInspectorWidget->isVisible())
            return true;
        _timeline->setSelectedSegmentWidget(tile);
        tile->toggleEditing();
        return waitFor([this] { return _segmentInspectorWidget && _segmentInspectorWidget->isVisible(); }, 5000);
    }
    bool undo()
    {
        QPointer<TrackWidget> first = _timeline->trackWidgetAt(0);
        onActionUndoTriggered();
        return waitFor([&] { return first.isNull(); }, 10000);
    }
    QStringList takeHeadsUps()
    {
        QStringList texts;
        for (ProgressHUD* hud : findChildren<ProgressHUD*>()) {
            if (hud->messageLabel() && !hud->messageLabel()->text().isEmpty())
                texts << hud->messageLabel()->text();
            delete hud;
        }
        return texts;
    }
};

bool near(QRgb a, QRgb b, int tolerance = 12)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
        && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

// A 3840 x 2160 drawing: transparent, with a green square over the middle half.
bool writeDrawing(const QString& path)
{
    QImage image(3840, 2160, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(QRect(960, 540, 1920, 1080), QColor(kDrawingGreen));
    painter.end();
    return image.save(path, "PNG");
}

// A left-button drag over the canvas, in fractions of its size: the events
// go to the canvas itself, so a layout still settling cannot move them.
void dragOver(CanvasWidget* canvas, QPointF from, QPointF to)
{
    const auto send = [canvas](QEvent::Type type, QPointF fraction) {
        const QPoint at(int(fraction.x() * canvas->width()), int(fraction.y() * canvas->height()));
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, canvas->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(canvas, &event);
        QTest::qWait(25);
    };
    send(QEvent::MouseButtonPress, from);
    send(QEvent::MouseMove, (from + to) / 2);
    // The canvas drops a move that comes within 16 ms of the last one it took;
    // the end point is sent twice so that one of them is taken even on a busy machine.
    send(QEvent::MouseMove, to);
    send(QEvent::MouseMove, to);
    send(QEvent::MouseButtonRelease, to);
}

template <class Section>
Section* findShown(QWidget* inspector)
{
    for (Section* section : inspector->findChildren<Section*>()) {
        if (section->isVisibleTo(inspector))
            return section;
    }
    return nullptr;
}

class DrawingEditing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = product.projectDir(name);
        ASSERT_TRUE(writeDrawing(dir + "/drawingImage-1.png"));
        std::vector<RecordBuilder> records;
        records.push_back(std::move(RecordBuilder("DRAWING").set("File", "drawingImage-1.png").set("UId", "sketch")
                                        .set("DrawSize", "{3840,2160}").set("TrackId", 1).set("RangeStart", 0)
                                        .set("RangeDuration", 4)));
        writeProject(dir, records, "#ff3050a0");
        window = std::make_unique<DrawingWindow>(name, QString());
        ASSERT_FALSE(window->isOpenFailed());
        window->resize(1600, 900);
        window->show();
        if (!waitFor([this] { return window->loaded(); }, 60000))
            GTEST_SKIP() << "no OpenGL context, or the drawing did not load";
        // Until its first picture is drawn the preview shows the background
        // alone, as it does once the drawing is taken out for the canvas.
        ASSERT_TRUE(waitFor([this] { return near(window->previewPixel(QPointF(0.5, 0.5)), kDrawingGreen); }, 5000));
        QApplication::setActiveWindow(window.get());
    }
    void TearDown() override
    {
        if (window)
            window->_finishClosing();
    }

    bool clickEdit()
    {
        auto* section = findShown<EditButtonEditingWidget>(window->inspector());
        if (!section)
            return false;
        QTest::mouseClick(section->editButton(), Qt::LeftButton);
        return waitFor([this] { return window->canvas() && window->colorPanel(); }, 5000);
    }
    void clickDone()
    {
        auto* section = findShown<DoneButtonEditingWidget>(window->inspector());
        ASSERT_NE(section, nullptr);
        QTest::mouseClick(section->doneButton(), Qt::LeftButton);
    }
    DrawingToolsWidget* strip() const { return window->inspector()->findChild<DrawingToolsWidget*>(); }
    // A click on the strip acts 200 ms later: this waits until it has.
    void clickStrip(int cmdId)
    {
        TooltipButton* button = strip()->buttonForCommand(cmdId);
        ASSERT_NE(button, nullptr) << cmdId;
        QSignalSpy commands(strip(), &DrawingToolsWidget::drawingToolsWidgetOnCommand);
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_TRUE(waitFor([&] { return !commands.isEmpty(); }, 5000)) << "the strip never acted on " << cmdId;
    }
    QString fileOf(const Segment* segment) const { return Segment::stringAttribute(segment->attributes(), "File"); }

    IsolatedSettings settings;
    TemporaryProduct product;
    QString name = QStringLiteral("Sketches");
    QString dir;
    std::unique_ptr<DrawingWindow> window;
};

} // namespace

// Edit, draw a rectangle with the strip, Done, undo, Escape and back in:
// one window session, the steps in order.
TEST_F(DrawingEditing, ARectangleDrawnOnTheCanvasBecomesANewDrawingFileThatUndoGivesBack)
{
    ASSERT_TRUE(window->editFirstSegment());
    const QPointF middle(0.5, 0.5);
    const QPointF edge(0.3, 0.5);
    const int steps = window->historySize();

    SCOPED_TRACE("entering: a full-size canvas exactly over the preview, the drawing taken out of the preview");
    ASSERT_TRUE(clickEdit());
    CanvasWidget* canvas = window->canvas();
    EXPECT_EQ(canvas->canvasSize(), QSize(3840, 2160));
    QWidget* preview = window->previewContainer();
    EXPECT_EQ(canvas->geometry(), QRect(preview->mapTo(window->centralWidget(), QPoint(0, 0)), preview->size()));
    EXPECT_TRUE(canvas->isVisible());
    EXPECT_TRUE(waitFor([&] { return near(window->previewPixel(middle), kBackground); }, 3000));
    QPointer<DrawingColorWidget> colorPanel = window->colorPanel();
    QPointer<DrawingTuningWidget> tuningPanel = window->tuningPanel();
    EXPECT_EQ(colorPanel->canvasSize(), QSize(3840, 2160));
    EXPECT_EQ(colorPanel->parentWidget()->window(), window.get());
    EXPECT_TRUE(colorPanel->isVisibleTo(window->inspector()));

    SCOPED_TRACE("the colour picker sees the preview with the painting over it");
    QImage picking;
    emit colorPanel->drawingColorWidgetNeedColorPickingImage(colorPanel, &picking);
    ASSERT_FALSE(picking.isNull());
    EXPECT_TRUE(near(picking.pixel(picking.width() / 2, picking.height() / 2), kDrawingGreen));
    QRect frame;
    emit colorPanel->drawingColorWidgetGetPlaybackAreaFrame(colorPanel, &frame, window->centralWidget());
    EXPECT_EQ(frame, canvas->geometry());

    SCOPED_TRACE("a red rectangle outline from the strip, dragged over the canvas");
    emit colorPanel->drawingColorWidgetColorChanged(colorPanel, QColor(255, 0, 0));
    clickStrip(10310);
    ASSERT_EQ(strip()->selectedCommandId(), 10310);
    dragOver(canvas, QPointF(0.3, 0.3), QPointF(0.7, 0.7));
    const QPoint canvasEdge(int(0.7 * 3840) - 2, int(0.4 * 2160));
    EXPECT_TRUE(waitFor([&] { return near(canvas->canvasPixmap().toImage().pixel(canvasEdge), qRgb(255, 0, 0), 30); },
                        5000))
        << std::hex << canvas->canvasPixmap().toImage().pixel(canvasEdge);

    SCOPED_TRACE("Done: a new file with the rectangle, one undo step, the panels kept");
    clickDone();
    EXPECT_EQ(window->canvas(), nullptr);
    EXPECT_EQ(window->colorPanel(), nullptr);
    EXPECT_FALSE(colorPanel.isNull());
    EXPECT_FALSE(tuningPanel.isNull());
    EXPECT_EQ(window->historySize(), steps + 1);
    const QString saved = fileOf(window->drawing());
    EXPECT_EQ(saved, "drawingImage-2.png");
    const QImage written = QImage(dir + "/" + saved).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(written.size(), QSize(3840, 2160));
    const QRgb leftEdge = written.pixel(int(0.3 * 3840), 1080);
    EXPECT_TRUE(near(leftEdge, qRgb(255, 0, 0), 30)) << std::hex << leftEdge;
    EXPECT_GT(qAlpha(leftEdge), 128);
    EXPECT_TRUE(near(written.pixel(canvasEdge), qRgb(255, 0, 0), 30));
    // Inside the outline the drawing is as it was.
    EXPECT_TRUE(near(written.pixel(1920, 1080), kDrawingGreen));
    EXPECT_TRUE(QFileInfo::exists(dir + "/drawingImage-1.png"));
    EXPECT_TRUE(waitFor([&] { return near(window->previewPixel(edge), qRgb(255, 0, 0), 40); }, 3000))
        << std::hex << window->previewPixel(edge);

    SCOPED_TRACE("undo: the old file, still on disk, and the old drawing in the preview");
    ASSERT_TRUE(window->undo());
    ASSERT_TRUE(waitFor([&] { return window->loaded(); }, 10000));
    EXPECT_EQ(fileOf(window->drawing()), "drawingImage-1.png");
    EXPECT_TRUE(QFileInfo::exists(dir + "/drawingImage-1.png"));
    EXPECT_TRUE(waitFor([&] { return near(window->previewPixel(edge), kDrawingGreen); }, 5000))
        << std::hex << window->previewPixel(edge);

    SCOPED_TRACE("Escape leaves without saving; entering again works");
    ASSERT_TRUE(window->editFirstSegment());
    ASSERT_TRUE(clickEdit());
    const int beforeEscape = window->historySize();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(waitFor([&] { return window->canvas() == nullptr; }, 5000));
    EXPECT_EQ(window->historySize(), beforeEscape);
    EXPECT_FALSE(colorPanel.isNull());
    EXPECT_TRUE(waitFor([&] { return near(window->previewPixel(middle), kDrawingGreen); }, 3000));
    // Every entry hands the panels the canvas size, whatever they held before.
    colorPanel->setCanvasSize(QSize(1080, 1920));
    ASSERT_TRUE(clickEdit());
    EXPECT_EQ(window->canvas()->canvasSize(), QSize(3840, 2160));
    EXPECT_EQ(window->colorPanel(), colorPanel.data());
    EXPECT_EQ(colorPanel->canvasSize(), QSize(3840, 2160));
}

// The pencil/eraser switch, Save to Album with text still pending, and a
// drawing that cannot be stored: one session.
TEST_F(DrawingEditing, StripCommandsSaveToAlbumAndAFailedSaveKeepsTheCanvas)
{
    ASSERT_TRUE(window->editFirstSegment());
    ASSERT_TRUE(clickEdit());
    DrawingColorWidget* color = window->colorPanel();
    DrawingTuningWidget* tuning = window->tuningPanel();

    SCOPED_TRACE("the switch leaves a texture for the eraser and brings it back");
    color->setPatternMode();
    clickStrip(10334);
    EXPECT_EQ(color->mode(), DrawingColorWidget::EraserMode);
    EXPECT_TRUE(tuning->isEraser());
    clickStrip(10310);
    dragOver(window->canvas(), QPointF(0.3, 0.3), QPointF(0.7, 0.7));
    const auto erased = [this](QPoint at) { return qAlpha(window->canvas()->canvasPixmap().toImage().pixel(at)); };
    EXPECT_TRUE(waitFor([&] { return erased(QPoint(int(0.3 * 3840), 1080)) == 0; }, 5000));
    EXPECT_GT(erased(QPoint(1920, 1080)), 200);
    clickStrip(10334);
    EXPECT_EQ(color->mode(), DrawingColorWidget::PatternMode);
    EXPECT_FALSE(tuning->isEraser());

    SCOPED_TRACE("Save to Album commits the pending text into the saved picture");
    const QImage beforeText = window->canvas()->canvasPixmap().toImage();
    clickStrip(10329);
    EXPECT_EQ(tuning->tuningMode(), DrawingTuningWidget::TextMode);
    ModalDialogAnswerer typing([](QWidget* dialog) {
        if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
            input->setTextValue(QStringLiteral("Hello"));
            input->accept();
        }
    });
    emit tuning->drawingTuningWidgetEditTextPressed(tuning);
    ASSERT_TRUE(waitFor([&] { return typing.answered(); }, 5000));
    QTest::qWait(60);
    const QString album = product.path() + "/album";
    ASSERT_TRUE(QDir().mkpath(album));
    const QString target = album + "/mine.png";
    window->takeHeadsUps();
    ModalDialogAnswerer choosing(ModalDialogAnswerer::chooseFile(target));
    clickStrip(10328);
    ASSERT_TRUE(waitFor([&] { return choosing.answered() && QFileInfo::exists(target); }, 5000));
    const QImage album_picture = QImage(target).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(album_picture.size(), QSize(3840, 2160));
    int changed = 0;
    const QImage reference = beforeText.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 2160; y += 4) {
        for (int x = 0; x < 3840; x += 4)
            changed += album_picture.pixel(x, y) != reference.pixel(x, y) ? 1 : 0;
    }
    EXPECT_GT(changed, 50);
    EXPECT_TRUE(window->takeHeadsUps().contains(QStringLiteral("Saved OK")));
    EXPECT_EQ(QSettings().value("SavePictureDir").toString(), album);
    EXPECT_NE(window->canvas(), nullptr);

    SCOPED_TRACE("a drawing that cannot be written: no undo step, a message, the canvas stays");
    const int steps = window->historySize();
    {
        // The 4K picture does not fit under the limit.
        FileSizeLimit smallFiles(4096);
        clickDone();
    }
    EXPECT_NE(window->canvas(), nullptr);
    EXPECT_EQ(window->historySize(), steps);
    EXPECT_TRUE(window->takeHeadsUps().contains(QStringLiteral("Save painting failed")));
    EXPECT_EQ(fileOf(window->drawing()), "drawingImage-1.png");
    // The panels drive the canvas again, and a second Done stores the
    // picture. A link that leads out of the folder, to nothing yet, takes
    // the next name: the picture never goes where it leads.
    EXPECT_EQ(window->colorPanel(), color);
    const QString outside = product.path() + "/outside.png";
    ASSERT_TRUE(QFile::link(outside, dir + "/drawingImage-2.png"));
    clickDone();
    EXPECT_EQ(window->canvas(), nullptr);
    EXPECT_EQ(window->historySize(), steps + 1);
    EXPECT_EQ(fileOf(window->drawing()), "drawingImage-3.png");
    EXPECT_FALSE(QFileInfo::exists(outside));

    SCOPED_TRACE("closing tidies away a drawing file no segment uses");
    ASSERT_TRUE(window->undo());
    ASSERT_TRUE(waitFor([&] { return window->loaded(); }, 10000));
    window->_finishClosing();
    window.reset();
    EXPECT_TRUE(QFileInfo::exists(dir + "/drawingImage-1.png"));
    EXPECT_FALSE(QFileInfo::exists(dir + "/drawingImage-3.png"));
}

// Closing the window with the canvas open: the painting is not stored, and
// the drawing is back in the preview for the cover picture.
// Another program puts a named pipe in the drawing's file while the window
// has it open: entering the canvas never waits on it.
TEST_F(DrawingEditing, ADrawingReplacedByANamedPipeIsNeverWaitedOnByTheCanvas)
{
    ASSERT_TRUE(window->editFirstSegment());
    WatchedPipe pipe(dir + "/drawingImage-1.png");
    ASSERT_TRUE(pipe.isMade());
    ASSERT_TRUE(clickEdit());
    EXPECT_EQ(pipe.readers(), 0);
}

TEST_F(DrawingEditing, ClosingWithTheCanvasOpenLeavesTheStoredDrawing)
{
    ASSERT_TRUE(window->editFirstSegment());
    ASSERT_TRUE(clickEdit());
    const QPointF middle(0.5, 0.5);
    ASSERT_TRUE(waitFor([&] { return near(window->previewPixel(middle), kBackground); }, 3000));
    QPointer<DrawingColorWidget> colorPanel = window->colorPanel();
    emit colorPanel->drawingColorWidgetColorChanged(colorPanel, QColor(255, 0, 0));
    clickStrip(10310);
    dragOver(window->canvas(), QPointF(0.3, 0.3), QPointF(0.7, 0.7));
    window->manager()->setModified(true);
    QFile::remove(dir + "/shot.jpg");

    // A close is refused while the opening's indicator still shows.
    ASSERT_TRUE(waitFor([this] { return !window->_isShowingHUD(); }, 10000));
    EXPECT_FALSE(window->close());
    EXPECT_EQ(window->canvas(), nullptr);
    EXPECT_FALSE(colorPanel.isNull());
    ASSERT_TRUE(waitFor([this] { return !window->isVisible(); }, 15000));
    QFile saved(dir + "/project.xml");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray project = saved.readAll();
    EXPECT_TRUE(project.contains("drawingImage-1.png")) << project.constData();
    EXPECT_FALSE(QFileInfo::exists(dir + "/drawingImage-2.png"));
    const QImage cover(dir + "/shot.jpg");
    ASSERT_FALSE(cover.isNull());
    const QRgb centre = cover.pixel(cover.width() / 2, cover.height() / 2);
    EXPECT_TRUE(near(centre, kDrawingGreen, 24)) << std::hex << centre;
    window.reset();
}

namespace {

class UnopenedWindow : public OpeningWindow
{
public:
    using OpeningWindow::OpeningWindow;
    using MainWindow::drawingColorWidget_onNeedColorPickingImage;
    using MainWindow::sliderColorPopup_onNeedColorPickingImage;
};

} // namespace

// Without a preview surface both kinds of colour picker are told there is
// no picture, rather than left with whatever they held.
TEST(DrawingColourPicking, WithoutAPreviewSurfaceEveryPickerGetsANullPicture)
{
    IsolatedSettings settings;
    TemporaryProduct product;
    UnopenedWindow window(QStringLiteral("Unopened"), QSize(320, 180));
    QImage image(4, 4, QImage::Format_ARGB32);
    window.sliderColorPopup_onNeedColorPickingImage(nullptr, &image);
    EXPECT_TRUE(image.isNull());
    DrawingColorWidget panel(QSize(3840, 2160));
    image = QImage(4, 4, QImage::Format_ARGB32);
    window.drawingColorWidget_onNeedColorPickingImage(&panel, &image);
    EXPECT_TRUE(image.isNull());
}
