#pragma once

#include <QObject>
#include <QString>

// The progress of a long task (an export) on the program's launcher icon.
// Docks and task managers read it from the session bus as the
// "com.canonical.Unity.LauncherEntry" signal "Update": "progress" as a
// fraction 0 to 1 and "progress-visible". Without a session bus (no
// DBUS_SESSION_BUS_ADDRESS, or nothing listening there) every call does
// nothing beyond keeping the state.
class TaskbarProgress : public QObject
{
    Q_OBJECT

public:
    // The launcher entry the signal names: the program's desktop file.
    static const QString appUri;
    static const QString objectPath;

    explicit TaskbarProgress(QObject* parent = nullptr);
    ~TaskbarProgress() override;

    bool hasBus() const;
    // Whole percent of a fraction: truncated and kept within 0 to 100,
    // whatever the caller passes (negative, above one, not a number).
    static int percentOf(float fraction);

    // Back to 0 percent.
    void reset();
    void show();
    void hide();
    // Clamped to 0 to 100.
    void setValue(int percent);
    int value() const { return _value; }
    bool isVisible() const { return _visible; }

private:
    void _publish() const;

    QString _connectionName;
    int _value = 0;
    bool _visible = false;
};
