#include "IsolatedSettings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

IsolatedSettings::IsolatedSettings()
{
    const QString home = _dir.path();
    _setVariable("HOME", home);
    _setVariable("XDG_CONFIG_HOME", home + "/config");
    _setVariable("XDG_CACHE_HOME", home + "/cache");
    _setVariable("XDG_DATA_HOME", home + "/data");
    for (const char* sub : {"config", "cache", "data"})
        QDir(home).mkpath(sub);
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home + "/config");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home + "/config");
}

IsolatedSettings::~IsolatedSettings()
{
    QStandardPaths::setTestModeEnabled(false);
    for (const auto& [name, value] : _saved) {
        if (value.first)
            qputenv(name.constData(), value.second);
        else
            qunsetenv(name.constData());
    }
    // Settings made later in the process must not go to the deleted folder.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);
}

void IsolatedSettings::_setVariable(const char* name, const QString& value)
{
    const QByteArray key(name);
    if (!_saved.count(key))
        _saved[key] = {qEnvironmentVariableIsSet(name), qgetenv(name)};
    qputenv(name, value.toLocal8Bit());
}
