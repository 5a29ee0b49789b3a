#include "DesktopMainWindow.h"

#include "CanvasWidget.h"
#include "CropWidget.h"
#include "DoneButtonEditingWidget.h"
#include "DoneButtonEditingWidgetController.h"
#include "DrawingColorWidget.h"
#include "DrawingTuningWidget.h"
#include "EditButtonEditingWidget.h"
#include "EditButtonEditingWidgetController.h"
#include "IsolatedSettings.h"
#include "OpeningWindow.h"
#include "ProjectTestSupport.h"
#include "SegmentInspectorWidget.h"
#include "SelfDrawEditingWidgetController.h"
#include "TextEditWidget.h"
#include "TextSegment.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The desktop window with the edit modes' beginnings open to the test: each
// edit is opened the way its mode opens it, then left by the inspector's Done.
class DoneWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    using DesktopMainWindow::_enterCropMode;
    using DesktopMainWindow::_enterDrawingMode;
    using DesktopMainWindow::_enterEditingMode;
    using DesktopMainWindow::_finishClosing;

    SegmentInspectorWidget* inspector() const { return _segmentInspectorWidget; }
    ProjectManager* manager() const { return _projectManager; }
    int historySize() const { return _projectManager->history().size(); }
    TextEditWidget* textEditor() const { return _textEditor; }
    CropWidget* cropWidget() const { return _cropWidget; }
    CanvasWidget* canvas() const { return _canvas; }

    void beginText(const QString& typed)
    {
        _textEditor = new TextEditWidget(_textEditParent);
        _textEditor->setPlainText(typed);
        _textEditor->show();
        _enterEditingMode(true);
    }
    void openCrop(const QRectF& crop)
    {
        _cropWidget = new CropWidget(QRect(40, 40, 320, 180), QPixmap(), crop, 0, 0, 0, 0, true, centralWidget());
        _cropWidget->show();
    }
    void beginDrawing(const QSize& size)
    {
        _canvas = new CanvasWidget(size.width(), size.height(), centralWidget());
        _canvas->show();
        _enterDrawingMode(true);
    }
    // Opens the caption's tile for editing; the inspector shows its sections.
    bool edit(Segment* segment)
    {
        TrackWidget* track = _timeline->trackWidgetById(segment->trackId());
        SegmentWidget* tile = track ? track->segmentWidgetForSegment(segment) : nullptr;
        if (!tile)
            return false;
        _timeline->setSelectedSegmentWidget(tile);
        tile->toggleEditing();
        return waitFor([&] { return _segmentInspectorWidget && _segmentInspectorWidget->isVisible(); }, 5000);
    }
};

template <class Section>
Section* shownSection(SegmentInspectorWidget* inspector)
{
    for (CommonEditingWidgetController* controller : inspector->editingControllers()) {
        if (auto* section = dynamic_cast<Section*>(controller); section && section->isVisible())
            return section;
    }
    return nullptr;
}

} // namespace

// Done in the inspector applies and leaves the edit that is open, one at a
// time: the text first, then the crop, and a drawing without losing the
// inspector's own panels.
TEST(InspectorDone, AppliesTheOpenEditOneAtATime)
{
    IsolatedSettings settings;
    TemporaryProduct product;
    const QString name = QStringLiteral("Done");
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "A").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 4)));
    writeProject(product.projectDir(name), records);
    DoneWindow window(name, QString());
    ASSERT_FALSE(window.isOpenFailed());
    window.resize(1600, 900);
    window.show();
    ASSERT_TRUE(waitFor([&] { return window.manager()->segmentCount() == 1; }, 20000));
    auto* caption = dynamic_cast<TextSegment*>(window.manager()->segmentAt(0));
    ASSERT_NE(caption, nullptr);
    if (!waitFor([&] { return caption->state() == 4; }, 20000))
        GTEST_SKIP() << "the caption did not load (no OpenGL context?)";
    ASSERT_TRUE(window.edit(caption));
    SegmentInspectorWidget* inspector = window.inspector();
    auto* editButton = shownSection<EditButtonEditingWidgetController>(inspector);
    ASSERT_NE(editButton, nullptr);
    EXPECT_EQ(editButton->editWidget()->editButton()->text(), QStringLiteral("Edit Text"));

    {
        SCOPED_TRACE("the text editor goes first, the crop editor stays");
        const int before = window.historySize();
        window.openCrop(QRectF(0.1, 0.2, 0.5, 0.6));
        window.beginText(QStringLiteral("Hello"));
        auto* done = shownSection<DoneButtonEditingWidgetController>(inspector);
        ASSERT_NE(done, nullptr);
        EXPECT_EQ(done->doneWidget()->title(), QStringLiteral("Editing..."));
        QTest::mouseClick(done->doneWidget()->doneButton(), Qt::LeftButton);
        EXPECT_EQ(window.textEditor(), nullptr);
        EXPECT_EQ(caption->text(), QStringLiteral("Hello"));
        EXPECT_EQ(window.historySize(), before + 1);
        EXPECT_NE(window.cropWidget(), nullptr);
        EXPECT_FALSE(done->isVisible());
    }
    {
        SCOPED_TRACE("then the crop editor, applied");
        const int before = window.historySize();
        window._enterCropMode(true);
        auto* done = shownSection<DoneButtonEditingWidgetController>(inspector);
        ASSERT_NE(done, nullptr);
        QTest::mouseClick(done->doneWidget()->doneButton(), Qt::LeftButton);
        EXPECT_EQ(window.cropWidget(), nullptr);
        EXPECT_NEAR(caption->cropTopLeft().x(), 0.1, 1e-4);
        EXPECT_NEAR(caption->cropTopLeft().y(), 0.2, 1e-4);
        EXPECT_NEAR(caption->cropBottomRight().x(), 0.6, 1e-4);
        EXPECT_NEAR(caption->cropBottomRight().y(), 0.8, 1e-4);
        EXPECT_EQ(window.historySize(), before + 1);
    }
    {
        SCOPED_TRACE("a drawing ends, and the inspector keeps its panels");
        window.beginDrawing(QSize(1280, 720));
        auto* tools = shownSection<SelfDrawEditingWidgetController>(inspector);
        ASSERT_NE(tools, nullptr);
        EXPECT_EQ(tools->colorWidget()->canvasSize(), QSize(1280, 720));
        QPointer<DrawingColorWidget> color = tools->colorWidget();
        QPointer<DrawingTuningWidget> tuning = tools->tuningWidget();
        auto* done = shownSection<DoneButtonEditingWidgetController>(inspector);
        ASSERT_NE(done, nullptr);
        QTest::mouseClick(done->doneWidget()->doneButton(), Qt::LeftButton);
        EXPECT_EQ(window.canvas(), nullptr);
        EXPECT_FALSE(color.isNull());
        EXPECT_FALSE(tuning.isNull());
        EXPECT_FALSE(tools->isVisible());
    }
    window._finishClosing();
}
