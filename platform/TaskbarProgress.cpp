#include "TaskbarProgress.h"

#include <QAtomicInt>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

#include <algorithm>
#include <cmath>

const QString TaskbarProgress::appUri = QStringLiteral("application://vidorna.desktop");
const QString TaskbarProgress::objectPath = QStringLiteral("/org/vidorna/TaskbarProgress");

namespace {

const QString kInterface = QStringLiteral("com.canonical.Unity.LauncherEntry");
const QString kSignal = QStringLiteral("Update");
QAtomicInt connectionSerial;

} // namespace

// A private connection of its own, to the bus the environment names when the
// object is made: the process-wide session connection is fixed at its first
// use and would also be started by other means where no bus is wanted.
TaskbarProgress::TaskbarProgress(QObject* parent) : QObject(parent)
{
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (address.isEmpty())
        return;
    _connectionName = QStringLiteral("vidorna-taskbar-progress-%1").arg(connectionSerial.fetchAndAddRelaxed(1));
    QDBusConnection::connectToBus(QString::fromLocal8Bit(address), _connectionName);
}

TaskbarProgress::~TaskbarProgress()
{
    if (!_connectionName.isEmpty())
        QDBusConnection::disconnectFromBus(_connectionName);
}

bool TaskbarProgress::hasBus() const
{
    return !_connectionName.isEmpty() && QDBusConnection(_connectionName).isConnected();
}

int TaskbarProgress::percentOf(float fraction)
{
    if (!(fraction > 0.0f))
        return 0;
    return int(std::trunc(std::min(fraction, 1.0f) * 100.0f));
}

void TaskbarProgress::reset()
{
    _value = 0;
    _publish();
}

void TaskbarProgress::show()
{
    _visible = true;
    _publish();
}

void TaskbarProgress::hide()
{
    _visible = false;
    _publish();
}

void TaskbarProgress::setValue(int percent)
{
    _value = std::clamp(percent, 0, 100);
    _publish();
}

void TaskbarProgress::_publish() const
{
    if (!hasBus())
        return;
    QDBusMessage message = QDBusMessage::createSignal(objectPath, kInterface, kSignal);
    const QVariantMap properties = {{QStringLiteral("progress"), double(_value) / 100.0},
                                    {QStringLiteral("progress-visible"), _visible}};
    message << appUri << properties;
    QDBusConnection(_connectionName).send(message);
}
