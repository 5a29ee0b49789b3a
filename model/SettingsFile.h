#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

class QSettings;

// The settings of one INI file in a project folder ("media.config"), kept
// in memory while they are used and written back whole or not at all.
// QSettings puts its file in place through QSaveFile::commit(), which takes
// a file that a full disk cut for a whole one: on the project's own file it
// would leave the old settings empty. Here QSettings only reads that file
// and writes private copies; save() gives the file its new text through
// SaveFileCommit once that text is known to be whole. The format stays
// QSettings' INI format, byte for byte as QSettings writes it.
class SettingsFile
{
public:
    // Reads the file at path, when there is one. Something that is no
    // regular file there (a named pipe) is neither read nor replaced.
    explicit SettingsFile(const QString& path);
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    // What the users of the file read and change; nothing written through
    // it reaches the file before save().
    QSettings* values() const { return _values.get(); }

    // Replaces the file with the values; on failure the old file stays and
    // the reason goes to the log.
    bool save() const;

private:
    bool _iniText(QByteArray* text) const;

    QString _path;
    // The working copy's own file: QSettings keeps its values in a file.
    QTemporaryDir _scratch;
    std::unique_ptr<QSettings> _values;
};
