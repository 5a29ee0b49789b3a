#include "FileRevealer.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>

namespace {

// A file manager that hangs must not freeze the interface for long.
constexpr int kDBusTimeoutMs = 3000;

FileRevealer& currentRevealer()
{
    static FileRevealer revealer;
    return revealer;
}

} // namespace

FileRevealer::FileRevealer()
    : FileRevealer(&FileRevealer::showItemsOverDBus, &FileRevealer::openWithDesktop)
{
}

FileRevealer::FileRevealer(ShowItems showItems, OpenFolder openFolder)
    : _showItems(std::move(showItems)), _openFolder(std::move(openFolder))
{
}

bool FileRevealer::reveal(const QString& path) const
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return false;
    const QString absolute = info.absoluteFilePath();
    // Another process reads the address: spaces and non-ASCII letters are encoded.
    if (_showItems({QUrl::fromLocalFile(absolute).toString(QUrl::FullyEncoded)}))
        return true;
    const QString folder = info.isDir() ? absolute : info.absolutePath();
    return _openFolder(QUrl::fromLocalFile(folder));
}

const FileRevealer& FileRevealer::current()
{
    return currentRevealer();
}

void FileRevealer::setCurrent(const FileRevealer& revealer)
{
    currentRevealer() = revealer;
}

bool FileRevealer::showItemsOverDBus(const QStringList& fileUris)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        "org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
        "org.freedesktop.FileManager1", "ShowItems");
    call << fileUris << QString();
    const QDBusMessage reply = bus.call(call, QDBus::Block, kDBusTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}

bool FileRevealer::openWithDesktop(const QUrl& folder)
{
    return QDesktopServices::openUrl(folder);
}
