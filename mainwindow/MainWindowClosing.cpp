#include "MainWindow.h"

#include "AVEngine.h"
#include "AVExporter.h"
#include "CommonPopup.h"
#include "EditScrollArea.h"
#include "PopupTransitionsListWidget.h"
#include "ProgressHUD.h"
#include "ProjectManager.h"
#include "SegmentWidget.h"
#include "TipManager.h"
#include "Util.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QTimer>

namespace {

constexpr int kMessageMs = 2000;
// The question comes after the close request has been handled, so that the
// window manager's close gesture is over when the modal box appears.
constexpr int kQuestionDelayMs = 50;
// A renderer still busy after this long is left behind: the close goes on.
constexpr int kIdleWaitMs = 5000;
constexpr int kIdlePollMs = 10;
// Leaves the last redraw time to reach the preview before it is grabbed.
constexpr int kFinishDelayMs = 1000;

} // namespace

void MainWindow::autoSave()
{
    // A running export writes its movie into the project folder, and saving
    // removes the cached exports there. Once the closing has begun, what is
    // written is the closing's to write, and a project that failed to open
    // is never written.
    if (_closing || _exporter || !_projectManager || !_projectManager->isModified())
        return;
    // A failed write keeps the modified flag, so the next tick retries.
    _writeProject(false);
    _tellSaveResult(false);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!_previewWidget) {
        event->accept();
        return;
    }
    event->ignore();
    // A file being copied into the project is still needed by its insertion.
    if (_isShowingHUD() || _copyingMedia) {
        ProgressHUD::showMessage(tr("Please wait a moment"), this, kMessageMs);
        return;
    }
    if (_isExportUnderWay()) {
        QTimer::singleShot(kQuestionDelayMs, this, &MainWindow::_askToCancelExportForClose);
        return;
    }
    if (_fullScreen) {
        _toggleFullScreen();
        return;
    }
    _runCloseSequence();
}

void MainWindow::_askToCancelExportForClose()
{
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::Question, tr("Export Interrupted"),
                                                tr("Do you want to cancel the exporting?"),
                                                QMessageBox::Yes | QMessageBox::No, this,
                                                Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    Util::setDialogStyleSheet(box);
    QPointer<MainWindow> window(this);
    const int answer = box->exec();
    delete box.data();
    if (!window || answer != QMessageBox::Yes)
        return;
    if (!_exporter) {
        // Asked for but not started, or ended meanwhile: nothing to wait for.
        _exportRetries = 0;
        close();
        return;
    }
    _exporter->cancel();
    _closeAfterCancel = true;
    showWaitingHUD(tr("Canceling..."));
    // An export that does not end is not waited for without end.
    _runForProject(kExportEndWaitMs, [this] { _closeAfterExportEnded(); });
}

void MainWindow::_closeAfterExportEnded()
{
    if (!_closeAfterCancel)
        return;
    _closeAfterCancel = false;
    hideWaitingHUD();
    // Its end did not come: it is waited for once more, or left behind.
    if (_exporter)
        _freeExporter();
    close();
}

void MainWindow::_beginClosing()
{
    _closing = true;
    _autosaveTimer->stop();
    // An export still waiting for the renderer is dropped.
    _exportRetries = 0;
}

bool MainWindow::_isExportUnderWay() const
{
    return _exporter || _exportRetries > 0;
}

void MainWindow::_runCloseSequence()
{
    _beginClosing();
    if (TipManager::hasInstance())
        TipManager::instance()->closeCurrentTip();
    _hideMediaPreview();
    if (_engine)
        _engine->pause();
    if (auto* transitions = qobject_cast<PopupTransitionsListWidget*>(_currentPopup.data()))
        transitions->dismiss();
    _endTextEditing(false);
    _endCropEditing(false);
    // The cover picture and the saved project show the drawing as it was.
    _endDrawingEditing(false);
    SegmentWidget* editing = _timeline ? _timeline->selectedSegmentWidget() : nullptr;
    if (editing && editing->isEditing())
        editing->setEditing(false, true);
    _exitRangeSelectionMode();
    showWaitingHUD(tr("Saving..."));
    _waitForIdleRenderer();
    // The layout of a folder whose project files are refused stays as the
    // version that wrote them left it.
    if (!_projectFilesRefused())
        saveLayout();
    // The drawing pass frees the layers taken out of the composition.
    if (_engine)
        _engine->requestRedraw();
    _runForProject(kFinishDelayMs, [this] { _finishClosing(); });
}

bool MainWindow::_saveBeforeClosing()
{
    if (!_projectManager->isModified() || _writeProject(true))
        return true;
    hideWaitingHUD();
    if (_askToCloseWithoutSaving())
        return true;
    _closing = false;
    _autosaveTimer->start();
    return false;
}

bool MainWindow::_askToCloseWithoutSaving()
{
    const QString reason = _projectManager->saveFailureReason();
    _toldSaveFailure = reason;
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::Warning, tr("Failed to save movie"),
                                                tr("The changes could not be saved: %1").arg(reason),
                                                QMessageBox::NoButton, this,
                                                Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    box->setInformativeText(
        tr("If you close without saving, the changes are lost. Keep the window open to try again."));
    Util::setDialogStyleSheet(box);
    QPushButton* keep = box->addButton(tr("Keep Open"), QMessageBox::RejectRole);
    QPushButton* discard = box->addButton(tr("Close Without Saving"), QMessageBox::DestructiveRole);
    box->setDefaultButton(keep);
    box->setEscapeButton(keep);
    box->exec();
    const bool closing = box && box->clickedButton() == discard;
    delete box.data();
    return closing;
}

void MainWindow::_waitForIdleRenderer()
{
    QElapsedTimer clock;
    clock.start();
    QPointer<MainWindow> window(this);
    while (window && _engine && !_engine->isRenderIdle()) {
        if (clock.elapsed() >= kIdleWaitMs) {
            qWarning().noquote() << QStringLiteral("The renderer did not become idle within %1 ms; closing anyway.")
                                        .arg(kIdleWaitMs);
            return;
        }
        QCoreApplication::processEvents();
        QThread::msleep(kIdlePollMs);
    }
}
