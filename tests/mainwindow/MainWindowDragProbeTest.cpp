#include "TestWindow.h"

#include "ProjectTestSupport.h"
#include "TestMedia.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kName = QStringLiteral("Trip");

bool processEventsUntil(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// Runs a probe to its end and hands its value to the window.
float probed(TestWindow& window, QThread* (TestWindow::*probe)(const QString&), const QString& fixture)
{
    QPointer<QThread> thread = (window.*probe)(TestMedia::path(fixture));
    EXPECT_TRUE(thread->wait(10000)) << "the probe never ended";
    EXPECT_TRUE(processEventsUntil([&] { return thread.isNull(); })) << "the finished thread was not deleted";
    return window.draggedMediaDuration();
}

} // namespace

TEST(MainWindowDragProbes, DurationsReachTheWindowOnTheGuiThread)
{
    TemporaryProduct product;
    TestWindow window(kName, QString());
    EXPECT_EQ(window.draggedMediaDuration(), 0.0f);

    QPointer<QThread> thread = window._probeDraggedGifDuration(TestMedia::path(QStringLiteral("animation.gif")));
    ASSERT_TRUE(thread->wait(10000));
    // The probe has ended but the GUI thread has not run yet: the value must
    // not have been written from the probe's thread.
    EXPECT_EQ(window.draggedMediaDuration(), 0.0f);
    ASSERT_TRUE(processEventsUntil([&] { return thread.isNull(); }));
    // Ten frames of 100 ms.
    EXPECT_NEAR(window.draggedMediaDuration(), 1.0f, 0.02f);

    EXPECT_NEAR(probed(window, &TestWindow::_probeDraggedMediaDuration, QStringLiteral("video_only_4s.mp4")), 4.0f,
                0.1f);
    EXPECT_NEAR(probed(window, &TestWindow::_probeDraggedGifDuration, QStringLiteral("bigcells_10x20ms.gif")), 0.2f,
                0.02f);
    // A file that is no movie has no duration; the last file's must not linger.
    EXPECT_EQ(probed(window, &TestWindow::_probeDraggedMediaDuration, QStringLiteral("garbage.mp4")), 0.0f);
}

TEST(MainWindowDragProbes, AProbeOutlivingTheWindowIsHarmless)
{
    TemporaryProduct product;
    auto* window = new TestWindow(kName, QString());
    QPointer<QThread> media = window->_probeDraggedMediaDuration(TestMedia::path(QStringLiteral("long64_10fps.mp4")));
    QPointer<QThread> gif = window->_probeDraggedGifDuration(TestMedia::path(QStringLiteral("animation.gif")));
    delete window;
    // Both threads still end, deliver into nothing and delete themselves.
    EXPECT_TRUE(processEventsUntil([&] { return media.isNull() && gif.isNull(); }));
}
