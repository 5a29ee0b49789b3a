// The media explorer in both its layouts: the tab row (opened on the
// stickers, which need no network) and the button bar.
#include "GalleryPages.h"

#include "MediaExplorer.h"

#include <QHBoxLayout>
#include <QSettings>
#include <QTemporaryDir>

namespace {

QWidget* explorerHost(QWidget* parent, const QString& settingsDir, bool tabs, const QSize& size)
{
    auto* host = new QWidget(parent);
    host->setFixedSize(size);
    auto* explorer = new MediaExplorer(settingsDir, host);
    explorer->createWidget(host, tabs);
    return host;
}

} // namespace

QWidget* createMediaPage()
{
    // Lives as long as the gallery.
    static QTemporaryDir settingsDir;
    QSettings(settingsDir.filePath("media.config"), QSettings::IniFormat).setValue("Tabs/Index", 3);
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(explorerHost(page, settingsDir.path(), true, QSize(480, 420)), 0, Qt::AlignTop);
    layout->addWidget(explorerHost(page, settingsDir.path(), false, QSize(421, 239)), 0, Qt::AlignTop);
    layout->addStretch();
    return page;
}
