#include "DesktopMainWindow.h"
#include "TaskbarProgress.h"

#include "IsolatedSettings.h"
#include "OpeningWindow.h"
#include "ProjectTestSupport.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QVariantMap>

#include <cmath>
#include <limits>
#include <memory>

#include <gtest/gtest.h>

namespace {

// Collects the launcher entry updates sent on a bus.
class LauncherEntryListener : public QObject
{
    Q_OBJECT

public:
    struct Update {
        QString appUri;
        double progress;
        bool visible;
    };

    QList<Update> updates;

public slots:
    void onUpdate(const QString& appUri, const QVariantMap& properties)
    {
        updates.append({appUri, properties.value(QStringLiteral("progress"), -1.0).toDouble(),
                        properties.value(QStringLiteral("progress-visible")).toBool()});
    }
};

// A session bus of the test's own, named in DBUS_SESSION_BUS_ADDRESS while
// it lives, with a listener connected to it.
class PrivateSessionBus
{
public:
    PrivateSessionBus()
    {
        _saved = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        _daemon.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (!_daemon.waitForStarted(5000) || !_daemon.waitForReadyRead(5000))
            return;
        _address = QString::fromLocal8Bit(_daemon.readLine()).trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", _address.toLocal8Bit());
        QDBusConnection bus = QDBusConnection::connectToBus(_address, kListenerName);
        bus.connect(QString(), TaskbarProgress::objectPath, QStringLiteral("com.canonical.Unity.LauncherEntry"),
                    QStringLiteral("Update"), &listener, SLOT(onUpdate(QString, QVariantMap)));
    }
    ~PrivateSessionBus()
    {
        QDBusConnection::disconnectFromBus(kListenerName);
        qputenv("DBUS_SESSION_BUS_ADDRESS", _saved);
        _daemon.kill();
        _daemon.waitForFinished(5000);
    }

    bool isRunning() const { return !_address.isEmpty() && QDBusConnection(kListenerName).isConnected(); }
    bool waitForUpdates(int count) const
    {
        return waitFor([this, count] { return listener.updates.size() >= count; }, 5000);
    }

    LauncherEntryListener listener;

private:
    static inline const QString kListenerName = QStringLiteral("taskbar-test-listener");
    QProcess _daemon;
    QString _address;
    QByteArray _saved;
};

class DesktopWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    using DesktopMainWindow::createTaskbarProgress;
    using DesktopMainWindow::hideTaskbarProgress;
    using DesktopMainWindow::setTaskbarProgressValue;
    TaskbarProgress* taskbarProgress() const { return _taskbarProgress; }
};

class TaskbarProgressTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(ProjectManager::copyExampleProjects()); }

    IsolatedSettings settings;
    TemporaryProduct product;
};

} // namespace

TEST_F(TaskbarProgressTest, AnExportsProgressReachesTheLauncherEntry)
{
    PrivateSessionBus bus;
    if (!bus.isRunning())
        GTEST_SKIP() << "dbus-daemon did not start a private session bus";
    DesktopWindow window(QStringLiteral("5-4-3-2-1-0"), QStringLiteral("Examples"));
    window.createTaskbarProgress();
    ASSERT_NE(window.taskbarProgress(), nullptr);
    EXPECT_TRUE(window.taskbarProgress()->hasBus());
    window.setTaskbarProgressValue(0.5f);
    window.setTaskbarProgressValue(1.7f);
    window.hideTaskbarProgress();
    EXPECT_EQ(window.taskbarProgress(), nullptr);
    // Reset and show at the start, the two values, then the hide.
    ASSERT_TRUE(bus.waitForUpdates(5));
    const auto& updates = bus.listener.updates;
    for (const auto& update : updates)
        EXPECT_EQ(update.appUri, TaskbarProgress::appUri);
    EXPECT_DOUBLE_EQ(updates[1].progress, 0.0);
    EXPECT_TRUE(updates[1].visible);
    EXPECT_DOUBLE_EQ(updates[2].progress, 0.5);
    EXPECT_TRUE(updates[2].visible);
    EXPECT_DOUBLE_EQ(updates[3].progress, 1.0);
    EXPECT_TRUE(updates[3].visible);
    EXPECT_FALSE(updates[4].visible);

    // A second export starts again from nothing.
    window.createTaskbarProgress();
    ASSERT_TRUE(bus.waitForUpdates(7));
    EXPECT_DOUBLE_EQ(updates[6].progress, 0.0);
    EXPECT_TRUE(updates[6].visible);
}

TEST_F(TaskbarProgressTest, WithoutASessionBusNothingFails)
{
    const QByteArray saved = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    for (const QByteArray& address : {QByteArray(), QByteArray("unix:path=/nonexistent/vidorna-bus")}) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        DesktopWindow window(QStringLiteral("5-4-3-2-1-0"), QStringLiteral("Examples"));
        window.createTaskbarProgress();
        ASSERT_NE(window.taskbarProgress(), nullptr);
        EXPECT_FALSE(window.taskbarProgress()->hasBus());
        window.setTaskbarProgressValue(0.42f);
        EXPECT_EQ(window.taskbarProgress()->value(), 42);
        EXPECT_TRUE(window.taskbarProgress()->isVisible());
        window.hideTaskbarProgress();
        EXPECT_EQ(window.taskbarProgress(), nullptr);
    }
    // Setting a value before any export is ignored.
    DesktopWindow window(QStringLiteral("5-4-3-2-1-0"), QStringLiteral("Examples"));
    window.setTaskbarProgressValue(0.3f);
    EXPECT_EQ(window.taskbarProgress(), nullptr);
    qputenv("DBUS_SESSION_BUS_ADDRESS", saved);
}

TEST(TaskbarProgressValues, FractionsBecomeWholePercentsWithinTheRange)
{
    EXPECT_EQ(TaskbarProgress::percentOf(0.0f), 0);
    EXPECT_EQ(TaskbarProgress::percentOf(0.999f), 99);
    EXPECT_EQ(TaskbarProgress::percentOf(1.0f), 100);
    EXPECT_EQ(TaskbarProgress::percentOf(1.7f), 100);
    EXPECT_EQ(TaskbarProgress::percentOf(-0.2f), 0);
    EXPECT_EQ(TaskbarProgress::percentOf(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(TaskbarProgress::percentOf(std::numeric_limits<float>::infinity()), 100);
    TaskbarProgress progress;
    progress.setValue(250);
    EXPECT_EQ(progress.value(), 100);
    progress.setValue(-5);
    EXPECT_EQ(progress.value(), 0);
    progress.setValue(37);
    progress.reset();
    EXPECT_EQ(progress.value(), 0);
}

#include "TaskbarProgressTest.moc"
