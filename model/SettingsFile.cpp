#include "SettingsFile.h"

#include "AVRegularFile.h"
#include "SaveFileCommit.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

// Equal key for key: as read back from an INI file, and as the text the INI
// format writes (a read-back number is text; a cut "true" would read as true).
bool sameValues(const QSettings& expected, const QSettings& read)
{
    QStringList keys = expected.allKeys();
    QStringList readKeys = read.allKeys();
    keys.sort();
    readKeys.sort();
    if (keys != readKeys)
        return false;
    for (const QString& key : qAsConst(keys)) {
        const QVariant value = expected.value(key);
        const QVariant back = read.value(key);
        if (value != back || value.toString() != back.toString())
            return false;
    }
    return true;
}

} // namespace

SettingsFile::SettingsFile(const QString& path)
    : _path(path)
    , _values(std::make_unique<QSettings>(_scratch.filePath(QStringLiteral("values.ini")), QSettings::IniFormat))
{
    if (!_scratch.isValid())
        qWarning().noquote() << "No private folder for the settings of " + path + ": " + _scratch.errorString();
    if (!avIsRegularFile(path))
        return;
    const QSettings file(path, QSettings::IniFormat);
    for (const QString& key : file.allKeys())
        _values->setValue(key, file.value(key));
}

SettingsFile::~SettingsFile() = default;

bool SettingsFile::save() const
{
    // With no value there is nothing to keep, and no file is made. What is
    // there and no regular file is another program's, and stays. A link to
    // a file is replaced: the settings never go into what it leads to.
    if (_values->allKeys().isEmpty() || (QFileInfo::exists(_path) && !avIsRegularFile(_path)))
        return true;
    QByteArray text;
    QString reason = QStringLiteral("its text did not come out whole");
    if (_iniText(&text) && SaveFileCommit::writeWhole(_path, text, &reason))
        return true;
    qWarning().noquote() << "Cannot write " + _path + ": " + reason;
    return false;
}

// QSettings writes its INI text only into files, and says nothing when a
// full disk cut the one it wrote. So the text is written into a private
// draft and taken only when a fresh reading of the draft gives every value
// back. The draft is read under another name, as QSettings answers a file
// it wrote itself from memory.
bool SettingsFile::_iniText(QByteArray* text) const
{
    QTemporaryDir drafts;
    if (!drafts.isValid())
        return false;
    const QString draft = drafts.filePath(QStringLiteral("draft.ini"));
    const QString reread = drafts.filePath(QStringLiteral("reread.ini"));
    {
        QSettings out(draft, QSettings::IniFormat);
        for (const QString& key : _values->allKeys())
            out.setValue(key, _values->value(key));
        out.sync();
        if (out.status() != QSettings::NoError)
            return false;
    }
    if (!QFile::rename(draft, reread))
        return false;
    const QSettings in(reread, QSettings::IniFormat);
    QFile file(reread);
    if (in.status() != QSettings::NoError || !sameValues(*_values, in) || !file.open(QIODevice::ReadOnly))
        return false;
    *text = file.readAll();
    return file.error() == QFileDevice::NoError;
}
