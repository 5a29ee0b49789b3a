#include "TransitionWindow.h"

#include "AVPixelBuffer.h"
#include "DesktopMainWindow.h"
#include "SegmentInspectorWidget.h"
#include "CropAreaWidget.h"
#include "CropWidget.h"
#include "ImageSegment.h"
#include "PixelBufferImage.h"
#include "TextSegment.h"
#include "WatchedPipe.h"

#include <QDir>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <cmath>
#include <cstring>

namespace {

// The window on a 640 x 360 preview, with crop mode open to the tests; it
// can hand out a grabbed frame of a format the engine does not make.
class CropWindow : public TransitionWindow
{
public:
    CropWindow(const QString& name, const QSize&) : TransitionWindow(name, QSize(640, 360)) {}
    using MainWindow::_cropCover;
    using MainWindow::_cropWidget;
    using MainWindow::_endCropEditing;
    using MainWindow::_pushTransitionAnimation;
    using MainWindow::_segmentEditingCrop;
    using MainWindow::_segmentEditingSeekToTransition;
    using MainWindow::_syncEditingTransition;

    bool grabsRGB16 = false;
    QList<bool> cropModes;

protected:
    AVPixelBuffer* _grabSegmentImage(Segment* segment) override
    {
        if (grabsRGB16)
            return avPixelBufferCreate(64, 36, AVPixelFormatRGB16);
        return TransitionWindow::_grabSegmentImage(segment);
    }
    void _enterCropMode(bool on) override
    {
        cropModes << on;
        TransitionWindow::_enterCropMode(on);
    }
};

// The desktop window with its crop mode open to the tests.
class DesktopCropWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    SegmentInspectorWidget* inspector() const { return _segmentInspectorWidget; }
    EditScrollArea* timeline() const { return _timeline; }
    CropWidget* editor() const { return _cropWidget; }
    QWidget* cover() const { return _cropCover; }
    QWidget* playbackArea() const { return _previewContainer; }
    QWidget* surface() const { return _previewWidget; }
    using DesktopMainWindow::_isShowingHUD;
};

// The picture the crop editor shows, and where it lies in the central widget.
QLabel* pictureOf(const CropWidget* editor)
{
    return editor ? editor->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly).value(0) : nullptr;
}

QRect placeOf(const QWidget* widget, const QWidget* central)
{
    return QRect(widget->mapTo(central, QPoint(0, 0)), widget->size());
}

// Crop values are stored as floats.
bool near(const QPointF& a, const QPointF& b)
{
    return std::abs(a.x() - b.x()) < 1e-6 && std::abs(a.y() - b.y()) < 1e-6;
}

bool near(const QRectF& a, const QRectF& b)
{
    return near(a.topLeft(), b.topLeft()) && near(a.bottomRight(), b.bottomRight());
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 70 && qBlue(pixel) < 70;
}

bool isBlue(QRgb pixel)
{
    return qBlue(pixel) > 200 && qRed(pixel) < 70 && qGreen(pixel) < 70;
}

class CropEditing : public HistoryTest
{
protected:
    // Puts the segment's tile into editing and selects it, as a click does;
    // the tile, or null.
    SegmentWidget* edit(Segment* segment)
    {
        if (SegmentWidget* editing = window->timeline()->editingSegmentWidget())
            editing->setEditing(false, true);
        SegmentWidget* tile = window->editSegment(segment);
        window->timeline()->setSelectedSegmentWidget(tile);
        return tile;
    }

    // Red over the top fifth, blue below: which way up a picture comes, and
    // whether red and blue changed places.
    bool makeMarked(const QString& fileName, const QString& size, const QStringList& output)
    {
        const QStringList input{"-v", "error", "-y", "-f", "lavfi", "-i",
                                "color=c=blue:s=" + size + ":r=30:d=2,drawbox=x=0:y=0:w=iw:h=ih/5:color=red:t=fill"};
        return QProcess::execute(QStringLiteral("ffmpeg"), input + output + QStringList{dir + "/" + fileName}) == 0;
    }

    CropWidget* editor() const { return window->_cropWidget; }
    int undoSteps() const { return window->projectManager()->history().count(); }

    std::unique_ptr<CropWindow> window;
};

// The editor lies on the picture fitted into the preview; the cover hides
// the live preview in the project's background colour, without its alpha.
// A transition's begin state is cropped while the pointer is on its begin,
// the segment's own crop elsewhere; a crop there changes only that state.
TEST_F(CropEditing, APictureIsCroppedOnItsStillOrAtATransitionsBegin)
{
    ASSERT_TRUE(makeMarked(QStringLiteral("wide.png"), QStringLiteral("1000x500"), {"-frames:v", "1"}));
    ASSERT_TRUE(makeMarked(QStringLiteral("drawingImage-1.png"), QStringLiteral("1280x720"), {"-frames:v", "1"}));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("IMAGE").set("UId", "picture").set("File", "wide.png")
                                    .set("TrackId", 1).set("RangeStart", 0).set("RangeDuration", 4)));
    records.push_back(std::move(RecordBuilder("DRAWING").set("UId", "drawing").set("File", "drawingImage-1.png")
                                    .set("TrackId", 2).set("RangeStart", 0).set("RangeDuration", 4)));
    writeProject(dir, records, "#80336699");
    const QString problem = openWrittenProjectIn(name, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    QWidget* central = window->centralWidget();
    Segment* picture = segmentByUId(*window, QStringLiteral("picture"));
    SegmentWidget* pictureTile = edit(picture);
    ASSERT_NE(pictureTile, nullptr);

    {
        SCOPED_TRACE("the picture fitted into the preview, on the cover");
        window->_segmentEditingCrop();
        ASSERT_NE(editor(), nullptr);
        EXPECT_EQ(window->cropModes, QList<bool>{true});
        const QLabel* still = pictureOf(editor());
        ASSERT_NE(still, nullptr);
        const QRect preview = placeOf(window->playbackArea(), central);
        EXPECT_EQ(placeOf(still, central), QRect(preview.topLeft() + QPoint(0, 20), QSize(640, 320)));
        const QImage shown = still->pixmap(Qt::ReturnByValue).toImage();
        EXPECT_EQ(shown.size(), QSize(600, 300)) << "a picture is edited fitted into 600 x 600";
        EXPECT_TRUE(isRed(shown.pixel(300, 10)) && isBlue(shown.pixel(300, 290))) << "upright";
        EXPECT_EQ(editor()->cropRect(), QRectF(0, 0, 1, 1));
        EXPECT_TRUE(window->timeline()->isMouseTransparent());

        QWidget* cover = window->_cropCover;
        ASSERT_NE(cover, nullptr);
        EXPECT_EQ(cover->parentWidget(), window->preview()->parentWidget());
        EXPECT_EQ(cover->geometry(), window->preview()->geometry());
        ASSERT_TRUE(waitFor([&] { return !cover->graphicsEffect(); }, 5000)) << "the cover fades in";
        EXPECT_EQ(cover->grab().toImage().pixel(10, 10), qRgb(0x33, 0x66, 0x99));

        SCOPED_TRACE("beginning again changes nothing");
        QPointer<CropWidget> first = editor();
        window->_segmentEditingCrop();
        EXPECT_EQ(editor(), first.data());
        EXPECT_EQ(window->cropModes.size(), 1);
    }
    {
        SCOPED_TRACE("ending takes editor and cover away");
        QPointer<QWidget> cover = window->_cropCover.data();
        window->_endCropEditing(false);
        EXPECT_EQ(editor(), nullptr);
        EXPECT_TRUE(cover.isNull());
        EXPECT_FALSE(window->timeline()->isMouseTransparent());
        EXPECT_EQ(window->cropModes, (QList<bool>{true, false}));
    }

    {
        SCOPED_TRACE("a drawing at its own size");
        ASSERT_TRUE(edit(segmentByUId(*window, QStringLiteral("drawing"))));
        window->_segmentEditingCrop();
        ASSERT_NE(editor(), nullptr);
        const QImage drawn = pictureOf(editor())->pixmap(Qt::ReturnByValue).toImage();
        EXPECT_EQ(drawn.size(), QSize(1280, 720));
        EXPECT_TRUE(isRed(drawn.pixel(640, 20)) && isBlue(drawn.pixel(640, 700))) << "upright";
        const QRect preview = placeOf(window->playbackArea(), central);
        EXPECT_EQ(placeOf(pictureOf(editor()), central), QRect(preview.topLeft(), QSize(640, 360)));
        window->_endCropEditing(false);
        ASSERT_EQ(edit(picture), pictureTile);
    }

    const int id = picture->addTransitionAtTime(2.0f, 1.0f);
    ASSERT_EQ(id, 1);
    window->_pushTransitionAnimation(picture, id);
    picture->setTransitionCropTopLeft(id, true, QPointF(0.1, 0.1));
    picture->setTransitionCropBottomRight(id, true, QPointF(0.6, 0.6));
    picture->setTransitionFeatheringX0(id, true, 0.25f);
    picture->setTransitionCropTopLeft(id, false, QPointF(0.2, 0.3));
    picture->setTransitionCropBottomRight(id, false, QPointF(0.9, 0.8));
    picture->setCropTopLeft(QPointF(0.05, 0.0));
    window->editingTransitions = true;
    pictureTile->setTransitionId(id, false);
    const int steps = undoSteps();
    {
        SCOPED_TRACE("on the transition's begin: its begin state");
        ASSERT_EQ(window->_segmentEditingSeekToTransition(1), id);
        ASSERT_EQ(window->_editingTransitionState, 1);
        window->_segmentEditingCrop();
        ASSERT_NE(editor(), nullptr);
        EXPECT_TRUE(near(editor()->cropRect(), QRectF(0.1, 0.1, 0.5, 0.5)));
        EXPECT_FLOAT_EQ(editor()->featheringLeft(), 0.25f);

        // The area dragged 64 px right and 32 px down: a tenth of the picture each way.
        QWidget* area = editor()->cropArea();
        const QPoint from = area->geometry().center();
        const QPoint to = from + QPoint(64, 32);
        auto send = [&](QEvent::Type type, const QPoint& at, Qt::MouseButtons buttons) {
            QMouseEvent event(type, at, editor()->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
            QCoreApplication::sendEvent(editor(), &event);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::NoButton);
        window->_endCropEditing(true);
        EXPECT_NEAR(picture->transitionCropTopLeft(id, true).x(), 0.2, 0.01);
        EXPECT_NEAR(picture->transitionCropTopLeft(id, true).y(), 0.2, 0.01);
        EXPECT_NEAR(picture->transitionCropBottomRight(id, true).x(), 0.7, 0.01);
        EXPECT_TRUE(near(picture->transitionCropTopLeft(id, false), QPointF(0.2, 0.3))) << "the end state stays";
        EXPECT_TRUE(near(picture->transitionCropBottomRight(id, false), QPointF(0.9, 0.8)));
        EXPECT_TRUE(near(picture->cropTopLeft(), QPointF(0.05, 0.0))) << "the segment's own crop stays";
        EXPECT_EQ(undoSteps(), steps + 1);
    }
    {
        SCOPED_TRACE("elsewhere on the segment: its own crop");
        window->_seekToTime(3.5f, false);
        window->_syncEditingTransition(3.5f);
        ASSERT_EQ(window->_editingTransitionState, -1);
        window->_segmentEditingCrop();
        ASSERT_NE(editor(), nullptr);
        EXPECT_TRUE(near(editor()->cropRect(), QRectF(QPointF(0.05, 0.0), QPointF(1.0, 1.0))));
        window->_endCropEditing(false);
    }
}

// In the desktop window the inspector's crop button opens the mode; the
// editor and the cover follow the preview when the window is resized, and
// Escape takes both away.
TEST_F(CropEditing, TheDesktopWindowKeepsTheEditorOnThePreviewUntilEscape)
{
    ASSERT_TRUE(makeMarked(QStringLiteral("wide.png"), QStringLiteral("1000x500"), {"-frames:v", "1"}));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("IMAGE").set("UId", "picture").set("File", "wide.png")
                                    .set("TrackId", 1).set("RangeStart", 0).set("RangeDuration", 4)));
    writeProject(dir, records);
    DesktopCropWindow desktop(name, QString());
    if (desktop.isOpenFailed())
        GTEST_SKIP() << "the project did not open";
    desktop.resize(1600, 900);
    desktop.show();
    ProjectManager* manager = desktop.projectManager();
    // The waiting heads-up covers the window, keys included, until the project is open.
    if (!waitFor([&] { return manager->segmentCount() == 1 && manager->segmentAt(0)->state() == 4; }, 60000)
        || !waitFor([&] { return !desktop._isShowingHUD(); }, 10000))
        GTEST_SKIP() << "the picture did not load";
    auto* tile = qobject_cast<SegmentWidget*>(manager->segmentWidgetFor(manager->segmentAt(0)));
    ASSERT_NE(tile, nullptr);
    desktop.timeline()->setSelectedSegmentWidget(tile);
    tile->toggleEditing();
    ASSERT_TRUE(waitFor([&] { return desktop.timeline()->editingSegmentWidget() == tile; }, 5000));

    emit desktop.inspector()->segmentInspectorWidgetCropAction(desktop.inspector());
    ASSERT_NE(desktop.editor(), nullptr);
    QWidget* central = desktop.centralWidget();
    // The 2:1 picture across the preview's width, centred on its height.
    auto expectedPlace = [&] {
        const QRect preview = placeOf(desktop.playbackArea(), central);
        const int height = int(std::floor(preview.width() / 2.0 + 0.5));
        const int top = int(std::floor((preview.height() - preview.width() / 2.0) / 2.0 + 0.5));
        return QRect(preview.x(), preview.y() + top, preview.width(), height);
    };
    EXPECT_EQ(placeOf(pictureOf(desktop.editor()), central), expectedPlace());

    const QSize before = desktop.playbackArea()->size();
    desktop.resize(1100, 800);
    ASSERT_TRUE(waitFor([&] { return desktop.playbackArea()->size() != before; }, 3000));
    QCoreApplication::processEvents();
    EXPECT_EQ(placeOf(pictureOf(desktop.editor()), central), expectedPlace());
    ASSERT_NE(desktop.cover(), nullptr);
    EXPECT_EQ(desktop.cover()->geometry(), desktop.surface()->geometry());

    QPointer<QWidget> cover = desktop.cover();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&desktop, &escape);
    EXPECT_EQ(desktop.editor(), nullptr);
    EXPECT_TRUE(cover.isNull());
}

// A caption is cropped on the text the engine's rasteriser draws, at the
// base box scaled by the layer; a movie on its grabbed frame. A frame in a
// pixel format other than the engine's own is refused: nothing opens.
// Another program puts a named pipe in a picture's file while the window has
// it open: the crop editor never waits on it.
TEST_F(CropEditing, APictureReplacedByANamedPipeIsNeverWaitedOnByTheCropEditor)
{
    ASSERT_TRUE(makeMarked(QStringLiteral("wide.png"), QStringLiteral("640x360"), {"-frames:v", "1"}));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("IMAGE").set("UId", "picture").set("File", "wide.png")
                                    .set("TrackId", 1).set("RangeStart", 0).set("RangeDuration", 2)));
    writeProject(dir, records);
    const QString problem = openWrittenProjectIn(name, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    WatchedPipe pipe(dir + "/wide.png");
    ASSERT_TRUE(pipe.isMade());
    ASSERT_TRUE(edit(segmentByUId(*window, QStringLiteral("picture"))));
    window->_segmentEditingCrop();
    EXPECT_EQ(pipe.readers(), 0);
}

TEST_F(CropEditing, TextAndMovieAreCroppedOnRealPicturesAndOtherFormatsAreRefused)
{
    ASSERT_TRUE(makeMarked(QStringLiteral("marked.mp4"), QStringLiteral("320x180"),
                           {"-c:v", "libx264", "-preset", "veryfast", "-pix_fmt", "yuv420p"}));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("MOVIE").set("UId", "movie").set("File", "marked.mp4")
                                    .set("TrackId", 1).set("RangeStart", 0).set("RangeDuration", 2)));
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "Hello")
                                    .set("TrackId", 2).set("RangeStart", 0).set("RangeDuration", 2)));
    writeProject(dir, records);
    const QString problem = openWrittenProjectIn(name, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    {
        SCOPED_TRACE("a caption on its rendered text");
        auto* caption = dynamic_cast<TextSegment*>(segmentByUId(*window, QStringLiteral("caption")));
        ASSERT_NE(caption, nullptr);
        caption->setColor(qRgb(255, 0, 0));
        caption->setUserScale(QPointF(0.5, 0.8));
        ASSERT_TRUE(edit(caption));
        window->_segmentEditingCrop();
        ASSERT_NE(editor(), nullptr);
        const QImage text = pictureOf(editor())->pixmap(Qt::ReturnByValue).toImage();
        const QSize composition(window->composition()->width(), window->composition()->height());
        // Full width and half height of the composition, each by the layer's scale.
        EXPECT_EQ(text.size(), QSize(int(composition.width() * 0.5), int(composition.height() * 0.5 * 0.8)));
        int red = 0;
        for (int y = 0; y < text.height(); ++y)
            for (int x = 0; x < text.width(); ++x)
                red += isRed(text.pixel(x, y)) && qAlpha(text.pixel(x, y)) > 200;
        EXPECT_GT(red, 20) << "the text is drawn in its colour";
        EXPECT_EQ(qAlpha(text.pixel(0, 0)), 0) << "around it the picture is clear";
        window->_endCropEditing(false);
    }
    Segment* movie = segmentByUId(*window, QStringLiteral("movie"));
    ASSERT_TRUE(edit(movie));
    window->_seekPreview(1.0f, true);
    {
        SCOPED_TRACE("a frame of another format opens nothing");
        window->grabsRGB16 = true;
        window->_segmentEditingCrop();
        window->grabsRGB16 = false;
        EXPECT_EQ(editor(), nullptr);
        EXPECT_TRUE(window->_cropCover.isNull());
        EXPECT_TRUE(window->cropModes.count(true) == 1) << "only the caption's crop began";
        EXPECT_FALSE(window->timeline()->isMouseTransparent());
    }
    {
        SCOPED_TRACE("a movie on its grabbed frame");
        window->_segmentEditingCrop();
        ASSERT_NE(editor(), nullptr);
        const QImage frame = pictureOf(editor())->pixmap(Qt::ReturnByValue).toImage();
        ASSERT_FALSE(frame.isNull());
        EXPECT_TRUE(isRed(frame.pixel(frame.width() / 2, frame.height() / 20))) << "red at the top";
        EXPECT_TRUE(isBlue(frame.pixel(frame.width() / 2, frame.height() * 3 / 4))) << "blue below";
        QDir().mkpath(VIDORNA_ARTEFACT_DIR);
        ASSERT_TRUE(waitFor([&] { return !editor()->graphicsEffect(); }, 5000)) << "the editor fades in";
        window->grab().save(QStringLiteral(VIDORNA_ARTEFACT_DIR "/crop-editor-movie.png"));
        window->_endCropEditing(false);
    }
}

// The engine's pixels are blue, green, red, alpha, premultiplied: they are
// seen in place as such, and freed with the last image that uses them.
TEST(PixelBufferImage, SeesTheEnginesFormatInPlaceAndRefusesOthers)
{
    AVPixelBuffer* buffer = avPixelBufferCreate(2, 1, AVPixelFormatBGRA32);
    ASSERT_NE(buffer, nullptr);
    const uint8_t pixels[8] = {0, 0, 255, 255, 64, 0, 0, 128};
    std::memcpy(buffer->data, pixels, sizeof pixels);
    const uint8_t* data = buffer->data;
    const QImage image = PixelBufferImage::adopt(buffer);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.constBits(), data) << "not copied";
    EXPECT_EQ(image.pixel(0, 0), qRgba(255, 0, 0, 255));
    // Half-transparent blue of premultiplied value 64 is blue 127 or 128 unpremultiplied.
    const QRgb half = image.convertToFormat(QImage::Format_ARGB32).pixel(1, 0);
    EXPECT_NEAR(qBlue(half), 128, 1);
    EXPECT_EQ(qAlpha(half), 128);
    EXPECT_EQ(qRed(half), 0);

    EXPECT_TRUE(PixelBufferImage::adopt(avPixelBufferCreate(4, 4, AVPixelFormatRGB16)).isNull());
    EXPECT_TRUE(PixelBufferImage::adopt(nullptr).isNull());
}

} // namespace
