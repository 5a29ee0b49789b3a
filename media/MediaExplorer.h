#pragma once

#include "MediaExplorerWidget.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QSize>
#include <QString>

class QWidget;

// The media library as the editor window sees it: builds the explorer
// widget on demand inside the widget the window names and passes its
// signals on unchanged.
class MediaExplorer : public QObject
{
    Q_OBJECT

public:
    // settingsDir: the folder that holds "media.config".
    explicit MediaExplorer(const QString& settingsDir, QObject* parent = nullptr);
    ~MediaExplorer() override;

    // Only the first call builds (tabs: the tab row, else the button bar);
    // later calls change nothing, whatever their arguments.
    void createWidget(QWidget* parent, bool tabs);
    bool hasWidget() const { return !_widget.isNull(); }
    MediaExplorerWidget* widget() const { return _widget; }
    // "media.config" is not written, by the widget there is or one made later.
    void keepSettingsUnwritten();
    // These do nothing before createWidget.
    void setInteractive(bool interactive);
    void resize(const QSize& size);
    void downloadGiphyGif(const QString& id, const QString& url);

signals:
    void showTextMessage(QString message);
    void showProgressHUD(QString text, float progress);
    void hideProgressHUD();
    void downloadFinished(int error, QString id, QString filePath);
    void mediaItemClicked(QString mediaId, int type, QString filePath, QPixmap image, QString metadata);

private:
    // Owned by the parent given to createWidget.
    QPointer<MediaExplorerWidget> _widget;
    QString _settingsDir;
    bool _settingsUnwritten = false;
};
