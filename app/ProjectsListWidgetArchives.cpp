// ProjectsListWidget: archiving a project into one file and importing one.
#include "ProjectsListWidget.h"

#include "ArchiveExporter.h"
#include "ArchiveImporter.h"
#include "ProjectArchiveFormat.h"
#include "Util.h"

#include <QFileDialog>
#include <QStandardPaths>

namespace {

QString downloadsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
}

} // namespace

void ProjectsListWidget::onArchiveActionTriggered()
{
    const ProjectEntry* entry = _currentEntry();
    if (!entry || entry->isFolder || entry->damaged)
        return;
    const QString name = entry->name();
    const QString output = QFileDialog::getExistingDirectory(this, tr("Select an output directory"),
                                                             downloadsFolder(), QFileDialog::ShowDirsOnly);
    if (output.isEmpty())
        return;
    auto* exporter = new ArchiveExporter(name, _currentFolder, output, this);
    connect(exporter, &ArchiveExporter::onMessage, this, &ProjectsListWidget::onArchiveExporterMessage,
            Qt::QueuedConnection);
    connect(exporter, &QThread::finished, exporter, &QObject::deleteLater);
    exporter->start();
}

void ProjectsListWidget::onArchiveExporterMessage(ArchiveExporter*, int message, QVariant data)
{
    switch (message) {
    case ArchiveMessageCode::Begin:
        emit issueShowProgressHUD(tr("Archiving project..."), 0.0f);
        break;
    case ArchiveMessageCode::Progress:
        emit issueShowProgressHUD(tr("Archiving project..."), data.toFloat() / 100.0f);
        break;
    case ArchiveMessageCode::ExportCreateFailed:
    case ArchiveMessageCode::ExportEstimateFailed:
    case ArchiveMessageCode::ExportCopyFailed:
    case ArchiveMessageCode::ExportProjectXmlFailed:
        emit issueHideProgressHUD();
        _warn(tr("Archive Project Failed"), tr("Archive project error occurs (%1)").arg(message));
        break;
    case ArchiveMessageCode::ExportNoSpace:
        emit issueHideProgressHUD();
        _warn(tr("Insufficient Space"), tr("There's not enough storage space to archive this project. "
                                           "About %1 more space is needed.")
                                            .arg(Util::byteSizeText(data.toLongLong())));
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
    const QString path = QFileDialog::getOpenFileName(this, tr("Select an archive to import"), downloadsFolder(),
                                                      tr("Vidorna Project File (*.vidornaproject)"));
    if (!path.isEmpty())
        importArchiveFile(path);
}

void ProjectsListWidget::importArchiveFile(const QString& path)
{
    const QString destination = _levelDirectory();
    if (destination.isEmpty() || path.isEmpty())
        return;
    auto* importer = new ArchiveImporter(path, destination, this);
    connect(importer, &ArchiveImporter::onMessage, this, &ProjectsListWidget::onArchiveImporterMessage,
            Qt::QueuedConnection);
    connect(importer, &QThread::finished, importer, &QObject::deleteLater);
    importer->start();
}

void ProjectsListWidget::onArchiveImporterMessage(ArchiveImporter*, int message, QVariant data)
{
    switch (message) {
    case ArchiveMessageCode::Begin:
        emit issueShowProgressHUD(tr("Importing archive..."), 0.0f);
        break;
    case ArchiveMessageCode::Progress:
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
        if (message >= ArchiveMessageCode::ImportWriteFailed && message <= ArchiveMessageCode::ImportFolderFailed) {
            emit issueHideProgressHUD();
            _warn(tr("Import Failed"), tr("Import archive error occurs (%1)").arg(message));
        }
        break;
    }
}
