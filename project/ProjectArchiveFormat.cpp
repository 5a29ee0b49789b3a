#include "ProjectArchiveFormat.h"

#include <QDir>
#include <QIODevice>
#include <QStringList>
#include <QTextCodec>
#include <QtEndian>

#include <algorithm>

const QByteArray ProjectArchiveFormat::magic = QByteArrayLiteral("vidorna ");
const QString ProjectArchiveFormat::suffix = QStringLiteral("vidornaproject");

namespace {

template <typename T>
void appendLittleEndian(QByteArray& bytes, T value)
{
    char raw[sizeof(T)];
    qToLittleEndian(value, raw);
    bytes.append(raw, int(sizeof(T)));
}

void appendString(QByteArray& bytes, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    appendLittleEndian<qint32>(bytes, qint32(utf8.size()));
    bytes.append(utf8);
}

template <typename T>
bool readLittleEndian(QIODevice& device, T* value)
{
    char raw[sizeof(T)];
    if (device.read(raw, qint64(sizeof(T))) != qint64(sizeof(T)))
        return false;
    *value = qFromLittleEndian<T>(raw);
    return true;
}

} // namespace

QByteArray ProjectArchiveFormat::header(const QString& projectName)
{
    QByteArray bytes = magic;
    appendLittleEndian<qint32>(bytes, version);
    appendString(bytes, projectName);
    return bytes;
}

QByteArray ProjectArchiveFormat::entryHead(const QString& entryName, qint64 size)
{
    QByteArray bytes;
    appendString(bytes, entryName);
    appendLittleEndian<qint64>(bytes, size);
    return bytes;
}

bool ProjectArchiveFormat::decodeName(const QByteArray& bytes, QString* name)
{
    constexpr int kUtf8Mib = 106;
    if (bytes.contains('\0'))
        return false;
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    *name = QTextCodec::codecForMib(kUtf8Mib)->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

bool ProjectArchiveFormat::isSafeName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

bool ProjectArchiveFormat::readInt32(QIODevice& device, qint32* value)
{
    return readLittleEndian(device, value);
}

bool ProjectArchiveFormat::readInt64(QIODevice& device, qint64* value)
{
    return readLittleEndian(device, value);
}

int ProjectArchiveFormat::percent(qint64 done, qint64 total)
{
    if (total <= 0)
        return 100;
    // Clamped first, done * 100 stays within 64 bits for any real file size.
    return int(std::clamp<qint64>(done, 0, total) * 100 / total);
}

// An absolute name (a drive on some systems) would lead out of the folder.
bool ProjectArchiveFormat::isSafeEntryPath(const QString& name)
{
    const QStringList parts = name.split(QLatin1Char('/'));
    return !QDir::isAbsolutePath(name) && std::all_of(parts.cbegin(), parts.cend(), &ProjectArchiveFormat::isSafeName);
}
