#pragma once

#include <QByteArray>
#include <QTemporaryDir>

#include <map>

// For the lifetime of the object, settings, caches and data folders live in a
// temporary folder: HOME and the XDG folders point into it and Qt's
// standard paths are in test mode. Everything is restored on destruction.
class IsolatedSettings {
public:
    IsolatedSettings();
    ~IsolatedSettings();
    IsolatedSettings(const IsolatedSettings&) = delete;
    IsolatedSettings& operator=(const IsolatedSettings&) = delete;

    QString root() const { return _dir.path(); }

private:
    void _setVariable(const char* name, const QString& value);

    QTemporaryDir _dir;
    std::map<QByteArray, std::pair<bool, QByteArray>> _saved;
};
