#include "UserSettings.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const char* const kGroup = "UserSettings";
const char* const kProductFolder = "Vidorna";

} // namespace

UserSettings* UserSettings::instance()
{
    // Created on the GUI thread at start-up, before any worker reads it.
    static UserSettings* settings = [] {
        auto* created = new UserSettings;
        created->load();
        return created;
    }();
    return settings;
}

void UserSettings::load()
{
    QSettings store;
    store.beginGroup(kGroup);
    _photoDuration = store.value("PhotoDuration", 2.0f).toFloat();
    _textDuration = store.value("TextDuration", 2.0f).toFloat();
    _drawingDuration = store.value("DrawingDuration", 2.0f).toFloat();
    _dontApplyUserHabits = store.value("DontApplyUserHabits", false).toBool();
    _dontAutoDragDropAlign = store.value("DontAutoDragDropAlign", false).toBool();
    _editorUI = store.value("EditorUI", 1).toInt();
    _hardwareCodec = store.value("HardwareCodec", true).toBool();
    _workingDir = store.value("WorkingDir", QString()).toString();
    _autoCopyAssets = store.value("AutoCopyAssets", false).toBool();
    _language = store.value("Language", "auto").toString();
    store.endGroup();
    _resolveWorkingDir();
    _dirty = false;
}

void UserSettings::save()
{
    if (!_dirty)
        return;
    QSettings store;
    store.beginGroup(kGroup);
    store.setValue("PhotoDuration", _photoDuration);
    store.setValue("TextDuration", _textDuration);
    store.setValue("DrawingDuration", _drawingDuration);
    store.setValue("DontApplyUserHabits", _dontApplyUserHabits);
    store.setValue("DontAutoDragDropAlign", _dontAutoDragDropAlign);
    store.setValue("EditorUI", _editorUI);
    store.setValue("HardwareCodec", _hardwareCodec);
    store.setValue("WorkingDir", _workingDir);
    store.setValue("AutoCopyAssets", _autoCopyAssets);
    store.setValue("Language", _language);
    store.endGroup();
    store.sync();
    // A store that could not be written keeps the changes for the next save.
    _dirty = store.status() != QSettings::NoError;
}

void UserSettings::_resolveWorkingDir()
{
    if (!_workingDir.isEmpty() && QFileInfo(_workingDir).isDir())
        return;
    QString movies = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (movies.isEmpty()) {
        // Without a home folder there is no movies folder; never fall back to
        // the current folder.
        qDebug().noquote() << QString("Cannot create product directory: %1 without a movies folder")
                                  .arg(kProductFolder);
        return;
    }
    const QFileInfo moviesInfo(movies);
    if (moviesInfo.isSymLink())
        movies = moviesInfo.symLinkTarget();
    QDir moviesDir(movies);
    // A file of that name is no folder for projects (and cannot become one).
    if (QFileInfo(moviesDir.filePath(kProductFolder)).isDir() || moviesDir.mkpath(kProductFolder)) {
        _workingDir = QFileInfo(moviesDir.filePath(kProductFolder)).absoluteFilePath();
        return;
    }
    qDebug().noquote() << QString("Cannot create product directory: %1 in %2").arg(kProductFolder, movies);
}

void UserSettings::setPhotoDuration(float seconds)
{
    _store(_photoDuration, seconds);
}

void UserSettings::setTextDuration(float seconds)
{
    _store(_textDuration, seconds);
}

void UserSettings::setDrawingDuration(float seconds)
{
    _store(_drawingDuration, seconds);
}

void UserSettings::setApplyUserHabits(bool apply)
{
    _store(_dontApplyUserHabits, !apply);
}

void UserSettings::setAutoDragDropAlign(bool align)
{
    _store(_dontAutoDragDropAlign, !align);
}

void UserSettings::setEditorUI(int layout)
{
    _store(_editorUI, layout);
}

void UserSettings::setHardwareCodec(bool enabled)
{
    _store(_hardwareCodec, enabled);
}

void UserSettings::setWorkingDir(const QString& folder)
{
    _store(_workingDir, folder);
}

void UserSettings::setAutoCopyAssets(bool copy)
{
    _store(_autoCopyAssets, copy);
}

void UserSettings::setLanguage(const QString& code)
{
    _store(_language, code);
}
