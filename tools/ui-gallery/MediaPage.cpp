// The media explorer in both its layouts: the tab row (opened on the
// stickers, which need no network) and the button bar; the media preview
// showing a picture under its control bar; and the microphone popup of a
// machine where no input opens.
#include "GalleryPages.h"

#include "MediaExplorer.h"
#include "MediaPreviewWidget.h"
#include "PopupMicrophoneWidget.h"

#include <QHBoxLayout>
#include <QPainter>
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

QWidget* previewOfAPicture(QWidget* parent)
{
    QPixmap picture(320, 240);
    picture.fill(QColor(40, 90, 160));
    QPainter painter(&picture);
    painter.fillRect(0, 0, 80, 60, Qt::red);
    painter.fillRect(240, 180, 80, 60, Qt::green);
    painter.end();
    auto* preview = new MediaPreviewWidget(parent);
    preview->setFixedSize(362, 212);
    preview->showMedia("gallery", 2, "gallery.png", picture, "320x240");
    return preview;
}

// The popup over a stage standing for the editor, offering no input.
QWidget* microphoneWithoutInputs(QWidget* parent)
{
    auto* stage = new QWidget(parent);
    stage->setFixedSize(480, 360);
    stage->setAutoFillBackground(true);
    stage->setPalette(QPalette(QColor(60, 62, 66)));
    auto* popup = new PopupMicrophoneWidget(stage, {});
    popup->showForRecording(stage, 0.0f, 0);
    return stage;
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
    layout->addWidget(previewOfAPicture(page), 0, Qt::AlignTop);
    layout->addWidget(microphoneWithoutInputs(page), 0, Qt::AlignTop);
    layout->addStretch();
    return page;
}
