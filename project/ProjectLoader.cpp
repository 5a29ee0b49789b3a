#include "ProjectLoader.h"

#include "PlistXmlConverter.h"
#include "ProjectXml.h"
#include "Segment.h"

#include <QDebug>
#include <QFileInfo>
#include <QPoint>

#include <array>
#include <limits>

namespace {

constexpr int kErrorBufferSize = 1024;
constexpr float kNewestFormatVersion = 7.0f;
// Projects older than this are written back in the current format.
constexpr float kOutdatedFormatVersion = 3.0f;
constexpr int kLayoutPollMs = 100;
constexpr int kProgressPollMs = 1000;
// Progress is shown only for loads that take a while.
constexpr int kFirstProgressPass = 5;
// The window lays out its editing area right after it built the segments;
// if it never says so, loading goes on rather than hanging.
constexpr int kLayoutWaitLimitMs = 30000;
constexpr int kInterruptPollMs = 50;
// Every step of a run ends within this once interrupted.
constexpr int kStopWaitMs = 10000;

std::atomic<ProjectLoader::PlistConverter> s_projectConverter{convertProjectPlistToXml};
std::atomic<ProjectLoader::PlistConverter> s_propertiesConverter{convertPropertiesPlistToXml};

} // namespace

ProjectLoader::ProjectLoader(const QString& name, const QString& folder, ProjectManager* manager)
    : _projectName(name), _projectFolder(folder), _manager(manager)
{
}

ProjectLoader::~ProjectLoader()
{
    // A running thread must never be deleted; its waits end on interruption.
    requestInterruption();
    if (!wait(kStopWaitMs))
        qWarning() << "ProjectLoader still runs while it is deleted";
    qDebug() << "ProjectLoader deleted";
}

void ProjectLoader::setPlistConverters(PlistConverter project, PlistConverter properties)
{
    s_projectConverter = project ? project : convertProjectPlistToXml;
    s_propertiesConverter = properties ? properties : convertPropertiesPlistToXml;
}

bool ProjectLoader::_convert(PlistConverter converter, const QString& plistPath, const QString& xmlPath,
                             QString* errorText)
{
    std::array<char, kErrorBufferSize> buffer{};
    if (converter(plistPath.toStdString(), xmlPath.toStdString(), buffer.data(), kErrorBufferSize) == 0)
        return true;
    buffer.back() = '\0';
    *errorText = QString::fromUtf8(buffer.data());
    return false;
}

int ProjectLoader::loadProperties(const QString& name, const QString& folder, ProjectManager* manager,
                                  QString* errorText)
{
    const QString xmlPath = ProjectManager::propertiesXmlPath(name, folder);
    if (xmlPath.isEmpty())
        return PropertiesUnreadable;
    // A property list converts into this version's format.
    if (const int refused = refusal(name, folder, errorText))
        return refused;
    if (!QFileInfo::exists(xmlPath)) {
        const QString plistPath = ProjectManager::propertiesPlistPath(name, folder);
        if (!QFileInfo::exists(plistPath))
            return ProjectXml::isDanglingLink(xmlPath, errorText) ? PropertiesReadRefused : PropertiesUnreadable;
        QString message;
        if (!_convert(s_propertiesConverter, plistPath, xmlPath, &message)) {
            qWarning().noquote() << "Convert properties from Plist to XML failed " + message;
            if (errorText)
                *errorText = message;
            return PropertiesConvertFailed;
        }
    }
    QString unreadable;
    if (manager->loadProperties(name, folder, &unreadable) != 0) {
        if (unreadable.isEmpty())
            return PropertiesUnreadable;
        if (errorText)
            *errorText = unreadable;
        return PropertiesReadRefused;
    }
    return manager->version() > kNewestFormatVersion ? _tooNew(xmlPath, errorText) : 0;
}

int ProjectLoader::refusal(const QString& name, const QString& folder, QString* errorText, Retry retry)
{
    const QString files[] = {
        ProjectManager::propertiesXmlPath(name, folder), ProjectManager::projectXmlPath(name, folder),
        ProjectManager::propertiesPlistPath(name, folder), ProjectManager::projectPlistPath(name, folder)};
    for (const QString& file : files) {
        if (ProjectXml::isIrregularFile(file, errorText))
            return PropertiesReadRefused;
    }
    // Read as this version's, such a file would be empty and rewritten from defaults.
    const QString properties = ProjectManager::propertiesXmlPath(name, folder);
    if (const int refused =
            _anotherFormat(properties, QStringLiteral("Properties"), kNewestFormatVersion, errorText, retry))
        return refused;
    return _anotherFormat(ProjectManager::projectXmlPath(name, folder), QStringLiteral("Project"),
                          std::numeric_limits<float>::infinity(), errorText, retry);
}

int ProjectLoader::_anotherFormat(const QString& path, const QString& rootName, float newestVersion,
                                  QString* errorText, Retry retry)
{
    switch (ProjectXml::rootKind(path, rootName, newestVersion)) {
    case ProjectXml::RootKind::ThisVersion:
        return 0;
    case ProjectXml::RootKind::HigherVersion:
        return _tooNew(path, errorText);
    case ProjectXml::RootKind::OtherDocument:
        break;
    }
    // Kept, as it may be the user's; moved away, it no longer stands in the way of a save.
    if (errorText)
        *errorText = (retry == Retry::Archive
                          ? tr("\"%1\" is not a Vidorna project file. Please move it away and archive again.")
                          : tr("\"%1\" is not a Vidorna project file. Please move it away and save again."))
                         .arg(QFileInfo(path).fileName());
    return PropertiesNotAProject;
}

int ProjectLoader::_tooNew(const QString& path, QString* errorText)
{
    if (errorText)
        *errorText = tr("\"%1\" was written by a higher version of Vidorna").arg(QFileInfo(path).fileName());
    return PropertiesTooNew;
}

void ProjectLoader::_reportMissing(const QString& xmlPath)
{
    QString dangling;
    if (ProjectXml::isDanglingLink(xmlPath, &dangling))
        emit onMessage(this, ProjectLoaderUnreadable, dangling);
    else
        emit onMessage(this, ProjectLoaderNoProject, QVariant());
}

SegmentRecords ProjectLoader::takeRecords()
{
    return std::move(_records);
}

void ProjectLoader::setLayoutEditAreaCompleted()
{
    _layoutReady = true;
}

void ProjectLoader::run()
{
    emit onMessage(this, ProjectLoaderBegin, QVariant());
    emit onStart(this);

    const QString xmlPath = ProjectManager::projectXmlPath(_projectName, _projectFolder);
    if (xmlPath.isEmpty() || !QFileInfo::exists(xmlPath)) {
        const QString plistPath = ProjectManager::projectPlistPath(_projectName, _projectFolder);
        if (xmlPath.isEmpty() || !QFileInfo::exists(plistPath)) {
            _reportMissing(xmlPath);
            return;
        }
        QString message;
        if (!_convert(s_projectConverter, plistPath, xmlPath, &message)) {
            qWarning().noquote() << "Convert project from Plist to XML failed " + message;
            emit onMessage(this, ProjectLoaderConvertFailed, message);
            return;
        }
    }

    SegmentRecords records;
    KeptXml besideRecords;
    QString unreadable;
    if (ProjectManager::loadSegments(records, _projectName, _projectFolder, &besideRecords, &unreadable) != 0) {
        if (unreadable.isEmpty())
            emit onMessage(this, ProjectLoaderNoProject, QVariant());
        else
            emit onMessage(this, ProjectLoaderUnreadable, unreadable);
        return;
    }
    _records = std::move(records);
    _manager->keepElementsBesideRecords(besideRecords);
    // Old chroma keys are migrated whenever they are still there, not only
    // right after a conversion: a converted project whose first save failed,
    // or one converted by another tool, would otherwise keep them for good.
    bool markModified = _manager->version() < kOutdatedFormatVersion;
    if (migrateChromaKeys(_records))
        markModified = true;

    emit onMessage(this, ProjectLoaderBackgroundColor, int(_manager->backgroundColor()));
    emit onMessage(this, ProjectLoaderSegmentsReady, QVariant());
    if (!_waitForLayout())
        return;
    _manager->setModified(false);
    if (markModified)
        _manager->setModified(true);
    if (!_waitForSegments())
        return;
    emit onEnd(this);
    emit onMessage(this, ProjectLoaderAllLoaded, QVariant());
}

bool ProjectLoader::migrateChromaKeys(SegmentRecords& records)
{
    static const QString oldSensitivity = QStringLiteral("FxGreenScreenSensitivity");
    static const QString oldSmoothing = QStringLiteral("FxGreenScreenSmooth");
    bool migrated = false;
    for (const auto& record : records) {
        const QString* sensitivity = record->findText(oldSensitivity);
        if (!sensitivity || sensitivity->toInt() <= 0)
            continue;
        migrated = true;
        const QString value = *sensitivity;
        record->setText(QStringLiteral("KeyEnabled"), QStringLiteral("1"));
        record->setText(QStringLiteral("KeySensitivity"), value);
        record->setText(QStringLiteral("KeyColor"), QStringLiteral("#ff00ff00"));
        record->removeText(oldSensitivity);
        if (const QString* smoothing = record->findText(oldSmoothing)) {
            record->setText(QStringLiteral("KeySmoothing"), *smoothing);
            record->removeText(oldSmoothing);
        }
    }
    return migrated;
}

bool ProjectLoader::_sleepUnlessInterrupted(int milliseconds)
{
    for (int slept = 0; slept < milliseconds; slept += kInterruptPollMs) {
        if (isInterruptionRequested())
            return false;
        msleep(ulong(std::min(kInterruptPollMs, milliseconds - slept)));
    }
    return !isInterruptionRequested();
}

bool ProjectLoader::_waitForLayout()
{
    for (int waited = 0; !_layoutReady; waited += kLayoutPollMs) {
        if (waited >= kLayoutWaitLimitMs) {
            qWarning() << "The editing area was never laid out; loading goes on";
            return !isInterruptionRequested();
        }
        if (!_sleepUnlessInterrupted(kLayoutPollMs))
            return false;
    }
    return !isInterruptionRequested();
}

bool ProjectLoader::_waitForSegments()
{
    int loaded = 0;
    int total = 0;
    for (int pass = 1;; ++pass) {
        if (!_sleepUnlessInterrupted(kProgressPollMs))
            return false;
        if (pass >= kFirstProgressPass && total > 0)
            emit onMessage(this, ProjectLoaderProgress, QPoint(loaded, total));
        if (_manager->loadedSegmentCount(&loaded, &total))
            return true;
    }
}
