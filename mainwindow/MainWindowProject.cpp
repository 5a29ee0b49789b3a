// Opening, saving and tidying the project folder.
#include "MainWindow.h"

#include "ProgressHUD.h"
#include "ProjectLoader.h"
#include "ProjectManager.h"
#include "RulerScrollArea.h"
#include "Segment.h"
#include "Util.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr int kSaveFailureMessageMs = 4000;

} // namespace

void MainWindow::showNewerProjectMessage(QWidget* parent)
{
    Util::showMessageBox(parent, tr("Higher Version Project"),
                         tr("Vidorna can not open the higher version movie project. Please update Vidorna to the "
                            "latest version."),
                         QMessageBox::Warning);
}

QString MainWindow::unreadableProjectText(const QString& reason)
{
    return tr("The movie project cannot be read: %1").arg(reason);
}

bool MainWindow::_showOpenProjectError()
{
    QString errorText;
    const int code = ProjectLoader::loadProperties(_projectName, _folderName, _projectManager, &errorText);
    if (code == 0)
        return true;
    const QString fallbackText = errorText.isEmpty() ? tr("Open properties error occurs (%1)").arg(code) : errorText;
    QString title;
    QString text = fallbackText;
    switch (code) {
    case ProjectLoader::PropertiesConvertFailed:
        title = tr("Convert Project Failed");
        break;
    case ProjectLoader::PropertiesUnreadable:
        title = tr("Open Project Failed");
        text = tr("Current movie project is damaged.");
        break;
    case ProjectLoader::PropertiesReadRefused:
        title = tr("Open Project Failed");
        text = unreadableProjectText(errorText);
        break;
    case ProjectLoader::PropertiesNotAProject:
        title = tr("Open Project Failed");
        break;
    case ProjectLoader::PropertiesTooNew:
        showNewerProjectMessage(_openingBoxParent());
        return false;
    default:
        break;
    }
    Util::showMessageBox(_openingBoxParent(), title, text, QMessageBox::Warning);
    return false;
}

// A box centres on its parent's window; one not yet shown has no place of its own.
QWidget* MainWindow::_openingBoxParent()
{
    return isVisible() ? this : QApplication::activeWindow();
}

bool MainWindow::_loadProject()
{
    if (_ruler)
        _ruler->setHeld(true);
    // Relayed on the window's thread from a queue of its own.
    connect(this, &MainWindow::segmentListener_segmentStateChanged, this, &MainWindow::onSegmentStateChanged,
            Qt::DirectConnection);
    // Emitted on the asset pool's threads, so these are queued.
    connect(this, &MainWindow::segmentListener_segmentRangeChanged, _projectScope,
            [this](Segment* segment, float duration) { onSegmentRangeChanged(segment, duration); });
    connect(this, &MainWindow::segmentListener_segmentAudioPlotDataDidReady, _projectScope,
            [this](Segment* segment) { onSegmentAudioPlotDataDidReady(segment); });
    _projectLoader = new ProjectLoader(_projectName, _folderName, _projectManager);
    connect(_projectLoader, &ProjectLoader::onMessage, this, &MainWindow::onProjectLoaderMessage);
    connect(_projectLoader, &QThread::finished, _projectLoader, &QObject::deleteLater);
    _projectLoader->start(QThread::InheritPriority);
    return true;
}

void MainWindow::_saveProject()
{
    if (!_projectManager->isModified())
        return;
    _writeProject(true);
    _tellSaveResult(true);
}

bool MainWindow::_writeProject(bool propertiesAfterFailure)
{
    // Another program may have put files there that this version refuses:
    // written over, a newer version's project would be lost.
    QString refused;
    if (ProjectLoader::refusal(_projectName, _folderName, &refused) != 0) {
        _projectManager->noteSaveRefused(refused);
        return false;
    }
    _settleLiveGeometry();
    _projectManager->setVersion(7);
    const bool segmentsSaved = _projectManager->saveSegments(_projectName, _folderName) == 0;
    if (segmentsSaved || propertiesAfterFailure)
        _projectManager->saveProperties(_projectName, _folderName);
    // A project that did not reach the disk stays modified, so the next save tries again.
    if (_projectManager->lastSaveFailed())
        return false;
    _projectManager->setModified(false);
    // The cached exports no longer match the project; what it names is
    // judged by the file just saved.
    _removeExportedFiles();
    return true;
}

bool MainWindow::_projectFilesRefused() const
{
    return ProjectLoader::refusal(_projectName, _folderName) != 0;
}

// The autosave tries every 30 s while a save keeps failing: a failure is
// news when it is the first since a save went through, or its reason is
// another one. Told once, it stays long enough to read the reason.
void MainWindow::_tellSaveResult(bool evenIfTold)
{
    if (!_projectManager->lastSaveFailed()) {
        _toldSaveFailure.reset();
        return;
    }
    const QString reason = _projectManager->saveFailureReason();
    if (!evenIfTold && _toldSaveFailure == reason)
        return;
    _toldSaveFailure = reason;
    ProgressHUD::showMessage(QStringLiteral("%1\n%2").arg(tr("Failed to save movie"), reason), this,
                             kSaveFailureMessageMs);
}

bool MainWindow::_isProjectOwnFile(const QString& fileName) const
{
    const QString suffix = QFileInfo(fileName).suffix();
    return suffix == QLatin1String("xml") || suffix == QLatin1String("plist") || suffix == QLatin1String("config")
        || fileName == QLatin1String("shot.jpg") || fileName == QLatin1String("example.dat");
}

void MainWindow::_cleanProjectFolder()
{
    const QDir folder(_projectDirectory());
    QStringList candidates;
    for (const QFileInfo& file : folder.entryInfoList(QDir::Files | QDir::NoSymLinks, QDir::Unsorted)) {
        if (!_isProjectOwnFile(file.fileName()))
            candidates << file.absoluteFilePath();
    }
    _removeUnnamedFiles(candidates);
    _projectManager->removeHistory(_projectName, _folderName);
    _projectManager->setModified(false);
}

// Matches every name the cached export can have, whatever rate, size or
// codec it was made with: a project's frame rate can be any number. The
// unfinished file of an export that never ended goes as well, under
// "<movie>.part" or the exporter's "<movie>.<six letters or digits>.part".
void MainWindow::_removeExportedFiles(const QString& keptMovie)
{
    const QDir folder(_projectDirectory());
    const QRegularExpression cachedExport(
        QStringLiteral("^%1_.+_\\d+fps\\.(mp4|mov|webm)(\\.([A-Za-z0-9]{6}\\.)?part)?$")
            .arg(QRegularExpression::escape(_projectName)));
    QStringList candidates;
    for (const QString& name : folder.entryList(QDir::Files | QDir::NoSymLinks, QDir::Unsorted)) {
        if (cachedExport.match(name).hasMatch() && (keptMovie.isEmpty() || !name.startsWith(keptMovie)))
            candidates << folder.absoluteFilePath(name);
    }
    _removeUnnamedFiles(candidates);
}

// Reading what the project names costs a parse of the whole project file,
// so it is left out when no file is to be judged (as on most autosaves).
void MainWindow::_removeUnnamedFiles(const QStringList& paths) const
{
    if (paths.isEmpty())
        return;
    const std::optional<QSet<QString>> used = _usedFilePaths();
    if (!used) {
        qWarning().noquote() << "The project file cannot be read whole: no file of " + _projectDirectory()
                                    + " is deleted";
        return;
    }
    for (const QString& path : paths) {
        if (!used->contains(QDir::cleanPath(path)))
            QFile::remove(path);
    }
}
