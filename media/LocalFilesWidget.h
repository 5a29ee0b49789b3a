#pragma once

#include "LocalFileEntry.h"
#include "LocalFilesTaskReceiver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QWidget>

class AnimatedLabel;
class LocalFilesWidgetItemDelegate;
class LocalThumbnailsCache;
class QFileSystemWatcher;
class QLabel;
class QListWidgetItem;
class QMenu;
class QSettings;
class QTimer;
namespace Ui {
class LocalFilesWidget;
}

// The local files page of the media library: one folder's pictures, videos
// and sounds with thumbnails and durations made on the global thread pool and
// kept in an on-disk cache. A click hands a file to the editor
// (fileItemClicked); a drag carries its URL; a double click opens it in the
// desktop's application; the context menu reveals it in the file manager.
// Folder, filter, zoom and view are kept in the group "LocalFiles" of the
// settings passed in, written when the page goes.
class LocalFilesWidget : public QWidget
{
    Q_OBJECT

public:
    LocalFilesWidget(const QString& defaultFolder, QSettings* settings, QWidget* parent = nullptr);
    ~LocalFilesWidget() override;

    // "m:ss", or "h:mm:ss" from an hour on; seconds truncated.
    static QString formatDuration(double seconds);
    // Longest wait for the project's asset loading before a folder is listed anyway.
    static constexpr int kAssetPoolWaitMs = 30000;

signals:
    void beginLoadingFiles();
    void finishLoadingFiles(bool fromThread);
    void beginLoadingThumbnail();
    void finishLoadingThumbnail(QImage image, QFileInfo fi, int index, QString metadata);
    void fileItemClicked(int type, QFileInfo fi, QPixmap image, QString metadata);
    void errorOccurred(QString errMsg);

protected slots:
    void onBeginLoadingFiles();
    // fromThread: a new listing arrived; otherwise the list is rebuilt from
    // the last one (filter, zoom or view changed).
    void onFinishLoadingFiles(bool fromThread);
    void onFinishLoadingThumbnail(QImage image, QFileInfo fi, int index, QString metadata);
    void onVerticalScrollBarValueChanged(int value);
    void onDirButtonClicked();
    void onViewButtonClicked();
    void onFilterButtonClicked();
    void onSliderValueChanged(int value);
    void onValueUpButtonClicked();
    void onValueDownButtonClicked();
    // Clicks and menu requests arrive queued: they name the entry's index and
    // path, so that a re-listing handled first turns them into nothing.
    void onItemClicked(int index, QString path);
    void onItemDoubleClicked(int index, QString path);
    void onCustomContextMenuRequested(int index, QString path, QPoint pos);
    void onCurrentItemChanged(QListWidgetItem* current, QListWidgetItem* previous);
    void onFetchFilePathForItem(QListWidgetItem* item, QString& outFilePath);
    void onFileSystemDirectoryChanged(QString path);
    void onLoadError(QString errMsg);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void _applyStyles();
    void _prepareList();
    void _connectSignals();
    void _connectListSignals();
    void _updateDirButton();
    void _updateFilterButton();
    void _updateViewButton();
    void _applyViewSettings();
    void _scheduleLoading(int delayMs, bool clearList);
    void _startListingWhenIdle();
    void _startListing();
    void _loadVisibleThumbnails();
    void _applyItemMetadata(QListWidgetItem* item, int type, const QString& metadata);
    QListWidgetItem* _newItem(int index);
    void _centerLoadingHud();
    void _layoutErrorLabel();
    void _selectDirectory(const QDir& dir);
    QMenu* _newMenu(const QString& itemPadding);
    void _showContextMenu(const LocalFileEntry& entry, const QPoint& globalPos);
    // The entry at index when it still is the file at path; null otherwise.
    const LocalFileEntry* _entryAt(int index, const QString& path) const;
    int _entryIndexOf(const QListWidgetItem* item) const;
    QString _entryPath(int index) const;
    void _queueEntryCall(QListWidgetItem* item, void (LocalFilesWidget::*handler)(int, QString));

    Ui::LocalFilesWidget* _ui;
    QDir _dir;
    int _zoom = 1;
    int _filter = 7;
    int _view = 0;
    QList<LocalFileEntry> _files;
    LocalThumbnailsCache* _cache;
    LocalFilesWidgetItemDelegate* _delegate = nullptr;
    quint64 _scrollGeneration = 0;
    QFileSystemWatcher* _watcher = nullptr;
    QSettings* _settings;
    QLabel* _errorLabel = nullptr;
    AnimatedLabel* _loadingHud = nullptr;
    LocalFilesTaskReceiverPtr _receiver;
    // The wait for the asset pool before a listing: polled, bounded.
    QTimer* _poolWaitTimer;
    QElapsedTimer _poolWaitClock;
    bool _clearListOnListing = false;
};
