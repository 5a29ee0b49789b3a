#include "MediaExplorer.h"

#include "HorizontalMediaExplorerWidget.h"
#include "TabsMediaExplorerWidget.h"

MediaExplorer::MediaExplorer(const QString& settingsDir, QObject* parent)
    : QObject(parent)
    , _settingsDir(settingsDir)
{
}

MediaExplorer::~MediaExplorer() = default;

void MediaExplorer::createWidget(QWidget* parent, bool tabs)
{
    if (_widget)
        return;
    if (tabs)
        _widget = new TabsMediaExplorerWidget(_settingsDir, parent);
    else
        _widget = new HorizontalMediaExplorerWidget(_settingsDir, parent);
    if (_settingsUnwritten)
        _widget->keepSettingsUnwritten();
    connect(_widget, &MediaExplorerWidget::showTextMessage, this, &MediaExplorer::showTextMessage);
    connect(_widget, &MediaExplorerWidget::showProgressHUD, this, &MediaExplorer::showProgressHUD);
    connect(_widget, &MediaExplorerWidget::hideProgressHUD, this, &MediaExplorer::hideProgressHUD);
    connect(_widget, &MediaExplorerWidget::downloadFinished, this, &MediaExplorer::downloadFinished);
    connect(_widget, &MediaExplorerWidget::mediaItemClicked, this, &MediaExplorer::mediaItemClicked);
    _widget->setGeometry(0, 0, parent->width(), parent->height());
    _widget->show();
}

void MediaExplorer::keepSettingsUnwritten()
{
    _settingsUnwritten = true;
    if (_widget)
        _widget->keepSettingsUnwritten();
}

void MediaExplorer::setInteractive(bool interactive)
{
    if (_widget)
        _widget->setAttribute(Qt::WA_TransparentForMouseEvents, !interactive);
}

void MediaExplorer::resize(const QSize& size)
{
    if (_widget)
        _widget->setGeometry(0, 0, size.width(), size.height());
}

void MediaExplorer::downloadGiphyGif(const QString& id, const QString& url)
{
    if (_widget)
        _widget->downloadGiphyGif(id, url);
}
