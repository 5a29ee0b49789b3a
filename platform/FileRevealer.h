#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

// Shows a file selected in the desktop's file manager. The freedesktop
// FileManager1 service selects the file; without it (no session bus, no
// service, an error) the file's folder is opened with the default handler.
// Both steps are replaceable so tests can watch what would happen.
class FileRevealer
{
public:
    // Asks a file manager to show the items (file:// addresses) selected.
    using ShowItems = std::function<bool(const QStringList& fileUris)>;
    // Opens a folder address with the desktop's default handler.
    using OpenFolder = std::function<bool(const QUrl& folder)>;

    FileRevealer();
    FileRevealer(ShowItems showItems, OpenFolder openFolder);

    // False for a path that does not exist (nothing is shown) or when
    // neither step succeeded.
    bool reveal(const QString& path) const;

    // The revealer the application uses; tests install their own.
    static const FileRevealer& current();
    static void setCurrent(const FileRevealer& revealer);

    static bool showItemsOverDBus(const QStringList& fileUris);
    static bool openWithDesktop(const QUrl& folder);

private:
    ShowItems _showItems;
    OpenFolder _openFolder;
};
