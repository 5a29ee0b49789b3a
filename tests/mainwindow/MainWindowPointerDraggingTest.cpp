#include "HistoryWindow.h"

#include "EditScrollArea.h"
#include "PointerWidget.h"
#include "SelectionOperationWidget.h"
#include "TimelineMetrics.h"
#include "TransformWidget.h"
#include "UiMetrics.h"
#include "WidgetAnimations.h"

#include <QApplication>
#include <QBoxLayout>
#include <QGridLayout>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kPointerHeight = 41;
// The play pointer starts this far right of the margin (22 / 24 s).
constexpr int kInset = 22;

// The window with a play pointer over its timeline, as the desktop window
// has it (ruler and timeline in one column, the pointer laid over it), and
// the drag state open to the tests.
class PointerWindow : public HistoryWindow
{
public:
    PointerWindow(const QString& name, const QSize& previewSize) : HistoryWindow(name, previewSize)
    {
        auto* grid = static_cast<QGridLayout*>(centralWidget()->layout());
        _editAreaWidget = new QWidget(centralWidget());
        auto* column = new QVBoxLayout(_editAreaWidget);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
        grid->removeWidget(_ruler);
        grid->removeWidget(_timeline);
        column->addWidget(_ruler);
        column->addWidget(_timeline);
        grid->addWidget(_editAreaWidget, 1, 1, 2, 1);
        _timeline->setStyleSheet(QStringLiteral("border: none;"));
        _mediaArea = new QWidget(centralWidget());
        _pointer = new PointerWidget(0, kPointerHeight, _editAreaWidget);
        _pointer->setGeometry(0, 0, UiMetrics::metric52(), 400);
        _pointer->moveToX(float(TimelineMetrics::leftMargin() + kInset), false);
        _pointerOffset = kInset;
    }

    using MainWindow::_autoScrollRangeLeft;
    using MainWindow::_currentScrollTime;
    using MainWindow::_setRangeSelectionMode;

    PointerWidget* pointer() const { return _pointer; }
    PointerWidget* selectionPointer() const { return _selectionPointer; }
    SelectionOperationWidget* operationWidget() const { return _selectionOperationWidget; }
    float pointerOffset() const { return _pointerOffset; }
    void setTransformWidget(TransformWidget* overlay) { _transformWidget = overlay; }
};

class MainWindowPointerDragging : public HistoryTest
{
protected:
    void TearDown() override { setAnimationsEnabled(true); }

    // One caption a minute long, so that the timeline can scroll.
    QString openLongCaption()
    {
        setAnimationsEnabled(false);
        std::vector<RecordBuilder> records;
        records.push_back(std::move(RecordBuilder("TEXT").set("Text", "A").set("TrackId", 1).set("RangeStart", 0)
                                        .set("RangeDuration", 60)));
        return openProject(records, window);
    }

    // The mouse as the window's handlers get it, in window coordinates.
    void send(QEvent::Type type, const QPoint& pos, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, pos, window->mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &event);
    }
    void press(const QPoint& pos) { send(QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton); }
    void move(const QPoint& pos) { send(QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton); }
    void release(const QPoint& pos) { send(QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton); }

    // The middle of a pointer's handle.
    QPoint grip(PointerWidget* pointer) const
    {
        return pointer->mapTo(window.get(), QPoint(pointer->width() / 2, kPointerHeight / 2));
    }

    float margin() const { return float(TimelineMetrics::leftMargin()); }

    std::unique_ptr<PointerWindow> window;
};

#define OPEN_OR_SKIP()                                                                                           \
    do {                                                                                                         \
        const QString reason = openLongCaption();                                                                \
        if (reason.startsWith(QStringLiteral("no OpenGL")))                                                      \
            GTEST_SKIP() << qPrintable(reason);                                                                  \
        ASSERT_TRUE(reason.isEmpty()) << qPrintable(reason);                                                     \
    } while (false)

} // namespace

TEST_F(MainWindowPointerDragging, HoldingThePointerStillStartsARangeSelection)
{
    OPEN_OR_SKIP();
    EditScrollArea* timeline = window->timeline();
    const QPoint at = grip(window->pointer());
    press(at);
    // Less than 4 px still counts as holding still.
    move(at + QPoint(3, 0));
    EXPECT_FALSE(timeline->isRangeSelectionMode());
    ASSERT_TRUE(waitFor([&] { return timeline->isRangeSelectionMode(); }, 5000));
    ASSERT_NE(window->operationWidget(), nullptr);
    EXPECT_TRUE(window->operationWidget()->isVisible());

    // The drag goes on as the drag of the range's end.
    move(at + QPoint(51, 0));
    EXPECT_FLOAT_EQ(window->pointer()->centerX(), margin() + kInset + 51);
    EXPECT_NEAR(timeline->selectionEnd(), (kInset + 51) / 24.0f, 1e-4);
    release(at + QPoint(51, 0));
    EXPECT_NEAR(window->_currentScrollTime(), (kInset + 51) / 24.0f, 1e-4);
}

TEST_F(MainWindowPointerDragging, MovingFourPixelsFirstKeepsThePlainDrag)
{
    OPEN_OR_SKIP();
    const QPoint at = grip(window->pointer());
    press(at);
    move(at + QPoint(0, 4));
    move(at + QPoint(4, 4));
    EXPECT_FLOAT_EQ(window->pointer()->centerX(), margin() + kInset + 4);
    EXPECT_FLOAT_EQ(window->pointerOffset(), kInset + 4);
    QTest::qWait(800);
    EXPECT_FALSE(window->timeline()->isRangeSelectionMode());
    EXPECT_EQ(window->operationWidget(), nullptr);
    release(at + QPoint(4, 4));
    EXPECT_NEAR(window->_currentScrollTime(), (kInset + 4) / 24.0f, 1e-4);
}

TEST_F(MainWindowPointerDragging, DraggedPastTheLeftEndThePointerPinsAndTheContentScrolls)
{
    OPEN_OR_SKIP();
    QScrollBar* bar = window->timeline()->horizontalScrollBar();
    bar->setValue(480);
    ASSERT_EQ(bar->value(), 480);
    const QPoint at = grip(window->pointer());
    press(at);
    move(at + QPoint(-300, 2));
    EXPECT_FLOAT_EQ(window->pointer()->centerX(), margin());
    EXPECT_FLOAT_EQ(window->pointerOffset(), 0.0f);
    EXPECT_TRUE(window->_autoScrollRangeLeft);
    // Half a second passes before the content moves.
    EXPECT_EQ(bar->value(), 480);
    EXPECT_TRUE(waitFor([&] { return bar->value() < 480; }, 5000));

    release(at + QPoint(-300, 2));
    EXPECT_FALSE(window->_autoScrollRangeLeft);
    const int stopped = bar->value();
    QTest::qWait(200);
    EXPECT_EQ(bar->value(), stopped);
    EXPECT_FLOAT_EQ(window->pointer()->centerX(), margin());
    EXPECT_NEAR(window->_currentScrollTime(), stopped / 24.0f, 1e-4);
}

TEST_F(MainWindowPointerDragging, RangeEndsComeBackIntoTheViewportAndSnapToSegmentEdges)
{
    OPEN_OR_SKIP();
    EditScrollArea* timeline = window->timeline();
    window->_setRangeSelectionMode();
    ASSERT_TRUE(timeline->isRangeSelectionMode());

    // In range selection the end may be dragged past the right edge...
    const QPoint at = grip(window->pointer());
    press(at);
    move(at + QPoint(2000, 0));
    EXPECT_FLOAT_EQ(window->pointer()->centerX(), margin() + kInset + 2000);
    // ...and comes back to the edge when let go.
    release(at + QPoint(2000, 0));
    const QWidget* viewport = timeline->viewport();
    const QPoint origin = viewport->mapTo(window->pointer()->parentWidget(), QPoint(0, 0));
    const float edge = float(origin.x()) - margin() + float(viewport->width());
    EXPECT_FLOAT_EQ(window->pointer()->centerX(), edge);
    EXPECT_FLOAT_EQ(window->pointerOffset(), edge - margin());
    EXPECT_NEAR(timeline->selectionEnd(), window->_currentScrollTime(), 1e-5);

    // The start, 18 px right of the caption's start at 0 s, lands on it.
    PointerWidget* start = window->selectionPointer();
    ASSERT_NE(start, nullptr);
    const QPoint startGrip = grip(start);
    press(startGrip);
    move(startGrip + QPoint(-18, 0));
    EXPECT_FLOAT_EQ(start->centerX(), margin());
    EXPECT_FLOAT_EQ(timeline->selectionStart(), 0.0f);
    release(startGrip + QPoint(-18, 0));
    EXPECT_FLOAT_EQ(timeline->selectionStart(), 0.0f);
}

TEST_F(MainWindowPointerDragging, TheTransformOverlayTakesTheMouseBeforeTheWindow)
{
    OPEN_OR_SKIP();
    auto* overlay = new TransformWidget(QStringLiteral(":/images/transform_dot_normal"),
                                        QStringLiteral(":/images/transform_square_normal"),
                                        QStringLiteral(":/images/transform_central_point_normal"),
                                        QColor(236, 236, 236, 128), 5.0f, window->playbackArea());
    overlay->setGeometry(window->playbackArea()->rect());
    overlay->setCenterRect(QRectF(0, 0, 320, 180));
    // A 120 x 80 layer centred at (100, 90), anchored at its centre.
    overlay->setContentGeometry(QPointF(100, 90), QSizeF(120, 80), 0.0f, 0.0f, 0.0f, QPointF(0.5, 0.5), QPointF(),
                                QPointF(), QPointF(), QPointF(), QSizeF(120, 80));
    overlay->show();
    window->setTransformWidget(overlay);
    QSignalSpy changed(overlay, &TransformWidget::transformWidgetContentLayerGeometryDidChange);
    const float pointerX = window->pointer()->centerX();

    // On the body, clear of the anchor and the frame's handles.
    const QPoint body = overlay->mapTo(window.get(), QPoint(130, 115));
    press(body);
    move(body + QPoint(50, 0));
    move(body + QPoint(100, 0));
    EXPECT_EQ(changed.count(), 0);
    release(body + QPoint(100, 0));
    ASSERT_EQ(changed.count(), 1);
    QPointF position;
    overlay->geometry(&position);
    EXPECT_DOUBLE_EQ(position.x(), 200.0);
    EXPECT_DOUBLE_EQ(position.y(), 90.0);
    EXPECT_FLOAT_EQ(window->pointer()->centerX(), pointerX);
    EXPECT_FALSE(window->timeline()->isRangeSelectionMode());

    // A wheel step over the layer scales it there.
    const QPoint over = overlay->mapTo(window.get(), QPoint(200, 90));
    QWheelEvent wheel(over, window->mapToGlobal(over), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(window.get(), &wheel);
    EXPECT_TRUE(wheel.isAccepted());
    QSizeF size;
    overlay->geometry(nullptr, &size);
    EXPECT_GT(size.width(), 120.0);
    // A double-click on it asks for the layer's menu instead of the full-screen preview.
    QSignalSpy menu(overlay, &TransformWidget::transformWidgetRequestContextMenu);
    send(QEvent::MouseButtonDblClick, over, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(menu.count(), 1);
}
