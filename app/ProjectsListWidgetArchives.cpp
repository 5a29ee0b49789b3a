// ProjectsListWidget: archiving a project into one file and importing one.
#include "ProjectsListWidget.h"

#include "ArchiveExporter.h"
#include "ArchiveImporter.h"
#include "MainWindow.h"
#include "ProjectArchiveFormat.h"
#include "Util.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Where the archive choosers open: a folder that exists, or the chooser would
// show a name that cannot be chosen.
QString startFolder()
{
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    return QFileInfo(downloads).isDir() ? downloads : QDir::homePath();
}

// Runs an archive thread that reports to the list and deletes itself when done.
template <typename Worker>
void startReporting(Worker* worker, ProjectsListWidget* list,
                    void (ProjectsListWidget::*onMessage)(Worker*, int, QVariant))
{
    QObject::connect(worker, &Worker::onMessage, list, onMessage, Qt::QueuedConnection);
    QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
}

} // namespace

void ProjectsListWidget::onArchiveActionTriggered()
{
    const ProjectEntry* entry = _currentEntry();
    if (!entry || entry->isFolder || entry->damaged)
        return;
    const QString name = entry->name();
    const QString output = QFileDialog::getExistingDirectory(this, tr("Select an output directory"),
                                                             startFolder(), QFileDialog::ShowDirsOnly);
    if (output.isEmpty())
        return;
    startReporting(new ArchiveExporter(name, _currentFolder, output, this), this,
                   &ProjectsListWidget::onArchiveExporterMessage);
}

void ProjectsListWidget::onArchiveExporterMessage(ArchiveExporter*, int message, QVariant data)
{
    switch (message) {
    case ArchiveMessageCode::Begin:
    case ArchiveMessageCode::Progress:
        // Begin carries no data: 0 %.
        emit issueShowProgressHUD(tr("Archiving project..."), data.toFloat() / 100.0f);
        break;
    case ArchiveMessageCode::ExportCreateFailed:
    case ArchiveMessageCode::ExportEstimateFailed:
    case ArchiveMessageCode::ExportCopyFailed:
    case ArchiveMessageCode::ExportProjectXmlFailed:
        emit issueHideProgressHUD();
        // A file refused with its reason is told as the opening tells it;
        // the texts of the other failures are shown as written, in every language.
        _warn(tr("Archive Project Failed"),
              data.toString().isEmpty() ? QStringLiteral("Archive project error occurs (%1)").arg(message)
                                        : MainWindow::unreadableProjectText(data.toString()));
        break;
    case ArchiveMessageCode::ExportNoSpace:
        emit issueHideProgressHUD();
        _warn(tr("Insufficient Space"), QStringLiteral("There's not enough storage space to archive this project. "
                                                       "About %1 more space is needed.")
                                            .arg(Util::byteSizeText(data.toLongLong())));
        break;
    case ArchiveMessageCode::ExportNotAProject:
        // Told as the opening tells it, asking to archive again.
        emit issueHideProgressHUD();
        _warn(tr("Archive Project Failed"), data.toString());
        break;
    case ArchiveMessageCode::ExportTooNew:
        // Told as the opening tells it.
        emit issueHideProgressHUD();
        MainWindow::showNewerProjectMessage(this);
        break;
    case ArchiveMessageCode::ExportCancelled:
        emit issueHideProgressHUD();
        break;
    case ArchiveMessageCode::Done:
        emit issueHideProgressHUD();
        emit issueShowTextMessage(tr("Archive Project Completed"));
        Util::revealInExplorer(data.toString());
        break;
    default:
        break;
    }
}

void ProjectsListWidget::importArchive()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Select an archive to import"), startFolder(),
                                                      tr("Vidorna Project File (*.vidornaproject)"));
    if (!path.isEmpty())
        importArchiveFile(path);
}

void ProjectsListWidget::importArchiveFile(const QString& path)
{
    const QString destination = _levelDirectory();
    if (destination.isEmpty() || path.isEmpty())
        return;
    startReporting(new ArchiveImporter(path, destination, this), this, &ProjectsListWidget::onArchiveImporterMessage);
}

void ProjectsListWidget::onArchiveImporterMessage(ArchiveImporter*, int message, QVariant data)
{
    switch (message) {
    case ArchiveMessageCode::Begin:
    case ArchiveMessageCode::Progress:
        // Begin carries no data: 0 %.
        emit issueShowProgressHUD(tr("Importing archive..."), data.toFloat() / 100.0f);
        break;
    case ArchiveMessageCode::ImportNoSpace:
        emit issueHideProgressHUD();
        _warn(tr("Insufficient Space"), tr("There's not enough storage space to import this archive. "
                                           "About %1 more space is needed.")
                                            .arg(Util::byteSizeText(data.toLongLong())));
        break;
    case ArchiveMessageCode::ImportCancelled:
        emit issueHideProgressHUD();
        break;
    case ArchiveMessageCode::Done:
        emit issueHideProgressHUD();
        emit issueShowTextMessage(tr("Import Completed"));
        _listCurrentFolder();
        _selectRow(0);
        break;
    default:
        // An archive refused with its reason is told as an unreadable project is.
        if (message >= ArchiveMessageCode::ImportWriteFailed && message <= ArchiveMessageCode::ImportFolderFailed) {
            emit issueHideProgressHUD();
            _warn(tr("Import Failed"), data.toString().isEmpty()
                                           ? tr("Import archive error occurs (%1)").arg(message)
                                           : MainWindow::unreadableProjectText(data.toString()));
        }
        break;
    }
}
