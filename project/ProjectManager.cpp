// The segment list, properties, layout values, sizes and paths of the open project.
#include "ProjectManager.h"

#include "AppGlobals.h"
#include "AssetLoadingThreadPool.h"
#include "MovieSizeForLevel.h"
#include "Segment.h"
#include "Util.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace {

// Two times closer than one frame at 30 fps are the same time.
constexpr float kTimeTolerance = 1.0f / 30.0f;
// How long deleting the project waits for the running loading tasks of its segments.
constexpr int kLoadingTaskWaitMs = 30000;

const QString kProductFolder = QStringLiteral("Vidorna");
const QString kProjectsFolder = QStringLiteral("Projects");
const QString kMovieType = QStringLiteral("MOVIE");
const QString kTextType = QStringLiteral("TEXT");

const QString kInspectorAreaSize = QStringLiteral("L1_InspectorAreaSize");
const QString kMediaAreaSize = QStringLiteral("L1_MediaAreaSize");
const QString kMediaAreaHidden = QStringLiteral("L1_MediaAreaHidden");
const QString kPreviewAreaSize = QStringLiteral("L1_PreviewAreaSize");
const QString kPreviewQuality = QStringLiteral("PreviewQuality");

bool onTrack(const Segment* segment, int track)
{
    return track == 0 || segment->trackId() == track;
}

int compareTimes(float a, float b)
{
    return Util::compareWithTolerance(a, b, kTimeTolerance);
}

enum class Direction { Forward = 1, Backward = -1 };
enum class Bound { Inclusive, Exclusive };

// The segment starting nearest to time in the direction, no further than
// limit. Each start that qualifies becomes the new limit, so among equal
// starts an inclusive search keeps the last and an exclusive one the first.
Segment* nearestStart(const std::vector<Segment*>& segments, float time, int track, float limit,
                      Direction direction, Bound bound)
{
    const int sign = int(direction);
    Segment* found = nullptr;
    for (Segment* segment : segments) {
        if (!onTrack(segment, track))
            continue;
        const float start = segment->rangeStart();
        const int pastTime = sign * compareTimes(start, time);
        const int beforeLimit = -sign * compareTimes(start, limit);
        const bool qualifies = bound == Bound::Inclusive ? pastTime >= 0 && beforeLimit >= 0
                                                         : pastTime > 0 && beforeLimit > 0;
        if (qualifies) {
            limit = start;
            found = segment;
        }
    }
    return found;
}

// Where a segment goes in the list: by track, then by start.
struct PlaceKey {
    int track;
    float start;
    bool operator<(const PlaceKey& other) const
    {
        return track < other.track || (track == other.track && start < other.start);
    }
};

PlaceKey placeKey(const Segment* segment)
{
    return {segment->trackId(), segment->rangeStart()};
}

// In a list out of order: before the first later start on the track, else
// before the first higher track, else at the end.
std::vector<PlaceKey>::const_iterator placeAmong(const std::vector<PlaceKey>& keys, const PlaceKey& key)
{
    const auto later = std::find_if(keys.begin(), keys.end(), [&key](const PlaceKey& other) {
        return other.track == key.track && other.start > key.start;
    });
    if (later != keys.end())
        return later;
    return std::find_if(keys.begin(), keys.end(), [&key](const PlaceKey& other) { return other.track > key.track; });
}

QString joinPath(const QString& folder, const QString& name)
{
    return folder + QDir::separator() + name;
}

} // namespace

ProjectManager::ProjectManager() = default;

ProjectManager::~ProjectManager()
{
    _deleteSegmentsAfterTheirTasks();
}

void ProjectManager::_deleteSegmentsAfterTheirTasks()
{
    std::vector<Segment*> segments;
    {
        QMutexLocker locker(&_mutex);
        segments.swap(_segments);
        _segmentWidgets.clear();
        _widgetOfSegment.clear();
    }
    if (segments.empty())
        return;
    // Waiting happens without the mutex: a running task reports to the
    // window, which may ask this manager about its segments meanwhile.
    // One time limit for all: tasks stuck on unreachable media must not
    // hold the window for the limit once per segment.
    AssetLoadingThreadPool* pool = AssetLoadingThreadPool::instance();
    const QDeadlineTimer deadline(kLoadingTaskWaitMs);
    for (Segment* segment : segments) {
        if (pool->cancelOrWaitForSegment(segment, int(deadline.remainingTime())))
            delete segment;
        else
            qWarning() << "A loading task still runs; segment" << segment->serialNumber() << "is kept alive";
    }
}

// --- Segment list ----------------------------------------------------------------

void ProjectManager::_insertAt(int index, Segment* segment, QWidget* widget)
{
    _segments.insert(_segments.begin() + index, segment);
    _segmentWidgets.insert(_segmentWidgets.begin() + index, widget);
    _widgetOfSegment.insert(segment, widget);
    _modified = true;
}

void ProjectManager::_removeAt(int index)
{
    _widgetOfSegment.remove(_segments[size_t(index)]);
    _segments.erase(_segments.begin() + index);
    _segmentWidgets.erase(_segmentWidgets.begin() + index);
    _modified = true;
}

void ProjectManager::appendSegment(Segment* segment, QWidget* widget)
{
    QMutexLocker locker(&_mutex);
    _insertAt(int(_segments.size()), segment, widget);
}

void ProjectManager::addSegmentSorted(Segment* segment, QWidget* widget)
{
    addSegmentsSorted({{segment, widget}});
}

// The places are found among the track and start of each segment read once:
// read from the segment's dictionary, they are too dear to read again for
// every segment added.
void ProjectManager::addSegmentsSorted(const std::vector<std::pair<Segment*, QWidget*>>& added)
{
    QMutexLocker locker(&_mutex);
    std::vector<PlaceKey> keys;
    keys.reserve(_segments.size() + added.size());
    for (const Segment* segment : _segments)
        keys.push_back(placeKey(segment));
    // A sorted list stays sorted, and in it the first later start on the
    // track, else the first higher track, is where a binary search ends.
    const bool sorted = std::is_sorted(keys.begin(), keys.end());
    for (const auto& [segment, widget] : added) {
        const PlaceKey key = placeKey(segment);
        const auto at = sorted ? std::upper_bound(keys.cbegin(), keys.cend(), key) : placeAmong(keys, key);
        _insertAt(int(at - keys.cbegin()), segment, widget);
        keys.insert(at, key);
    }
}

void ProjectManager::removeSegment(Segment* segment)
{
    QMutexLocker locker(&_mutex);
    const auto found = std::find(_segments.begin(), _segments.end(), segment);
    if (found != _segments.end())
        _removeAt(int(found - _segments.begin()));
}

void ProjectManager::removeSegmentAt(int index)
{
    QMutexLocker locker(&_mutex);
    if (index >= 0 && index < int(_segments.size()))
        _removeAt(index);
}

void ProjectManager::clearSegments()
{
    QMutexLocker locker(&_mutex);
    _segments.clear();
    _segmentWidgets.clear();
    _widgetOfSegment.clear();
    _modified = true;
}

void ProjectManager::setSegmentWidgetAt(QWidget* widget, int index)
{
    QMutexLocker locker(&_mutex);
    if (index >= 0 && index < int(_segmentWidgets.size())) {
        _segmentWidgets[size_t(index)] = widget;
        _widgetOfSegment.insert(_segments[size_t(index)], widget);
    }
}

int ProjectManager::segmentCount() const
{
    QMutexLocker locker(&_mutex);
    return int(_segments.size());
}

Segment* ProjectManager::segmentAt(int index) const
{
    QMutexLocker locker(&_mutex);
    return index >= 0 && index < int(_segments.size()) ? _segments[size_t(index)] : nullptr;
}

QWidget* ProjectManager::segmentWidgetAt(int index) const
{
    QMutexLocker locker(&_mutex);
    return index >= 0 && index < int(_segmentWidgets.size()) ? _segmentWidgets[size_t(index)] : nullptr;
}

QWidget* ProjectManager::segmentWidgetFor(const Segment* segment) const
{
    QMutexLocker locker(&_mutex);
    return _widgetOfSegment.value(segment);
}

bool ProjectManager::contains(const Segment* segment) const
{
    QMutexLocker locker(&_mutex);
    return _widgetOfSegment.contains(segment);
}

QWidget* ProjectManager::segmentWidgetAtTime(float time, int track) const
{
    QMutexLocker locker(&_mutex);
    for (size_t i = 0; i < _segments.size(); ++i) {
        const Segment* segment = _segments[i];
        const float start = segment->rangeStart();
        if (segment->trackId() == track && start <= time && time < start + segment->duration())
            return _segmentWidgets[i];
    }
    return nullptr;
}

Segment* ProjectManager::firstSegment() const
{
    return _segments.empty() ? nullptr : _segments.front();
}

int ProjectManager::indexOfSegmentId(int id) const
{
    QMutexLocker locker(&_mutex);
    for (size_t i = 0; i < _segments.size(); ++i) {
        if (_segments[i]->serialNumber() == id || _segments[i]->secondEngineId() == id)
            return int(i);
    }
    return -1;
}

Segment* ProjectManager::segmentWithSerialLocked(int serial) const
{
    for (Segment* segment : _segments) {
        if (segment->serialNumber() == serial)
            return segment;
    }
    return nullptr;
}

int ProjectManager::indexOfSegmentUId(const QString& uid) const
{
    QMutexLocker locker(&_mutex);
    for (size_t i = 0; i < _segments.size(); ++i) {
        if (_segments[i]->uid() == uid)
            return int(i);
    }
    return -1;
}

int ProjectManager::segmentCountOnTrack(int track) const
{
    QMutexLocker locker(&_mutex);
    return int(std::count_if(_segments.begin(), _segments.end(),
                             [track](const Segment* segment) { return segment->trackId() == track; }));
}

QVector<int> ProjectManager::layerSegmentIds() const
{
    QMutexLocker locker(&_mutex);
    QVector<int> ids;
    for (const Segment* segment : _segments) {
        if (segment->isVisualLayer())
            ids.append(segment->serialNumber());
    }
    return ids;
}

bool ProjectManager::loadedSegmentCount(int* loaded, int* total) const
{
    QMutexLocker locker(&_mutex);
    const int loadedCount = int(std::count_if(_segments.begin(), _segments.end(),
                                              [](const Segment* segment) { return segment->isLoaded(); }));
    const int totalCount = int(_segments.size());
    if (loaded)
        *loaded = loadedCount;
    if (total)
        *total = totalCount;
    return loadedCount >= totalCount;
}

bool ProjectManager::isFileUsedByOtherSegment(const QString& path, const Segment* except) const
{
    const bool bareName = !QFileInfo(path).isAbsolute();
    const QString wanted = bareName ? path : QDir::cleanPath(path);
    QMutexLocker locker(&_mutex);
    for (const Segment* segment : _segments) {
        if (segment == except || segment->type() == kTextType)
            continue;
        const QString file = segment->text();
        if (file.isEmpty())
            continue;
        const QString candidate = bareName ? QFileInfo(file).fileName() : QDir::cleanPath(file);
        if (candidate == wanted)
            return true;
    }
    return false;
}

void ProjectManager::resetTrackIds()
{
    QMutexLocker locker(&_mutex);
    for (Segment* segment : _segments)
        segment->setTrackId(0);
}

Segment* ProjectManager::segmentStartingAtOrAfter(float time, int track) const
{
    return nearestStart(_segments, time, track, _duration, Direction::Forward, Bound::Inclusive);
}

Segment* ProjectManager::segmentStartingAfter(float time, int track) const
{
    return nearestStart(_segments, time, track, _duration, Direction::Forward, Bound::Exclusive);
}

Segment* ProjectManager::segmentStartingAtOrBefore(float time, int track) const
{
    return nearestStart(_segments, time, track, -1.0f, Direction::Backward, Bound::Inclusive);
}

Segment* ProjectManager::segmentStartingBefore(float time, int track) const
{
    return nearestStart(_segments, time, track, -1.0f, Direction::Backward, Bound::Exclusive);
}

void ProjectManager::updateDuration()
{
    QMutexLocker locker(&_mutex);
    float latestEnd = 0.0f;
    for (const Segment* segment : _segments) {
        const float length = segment->duration();
        if (length > 0.0f)
            latestEnd = std::max(latestEnd, segment->rangeStart() + length);
    }
    _duration = latestEnd;
}

float ProjectManager::movieDuration() const
{
    QMutexLocker locker(&_mutex);
    float latestEnd = 0.0f;
    for (const Segment* segment : _segments) {
        if (segment->type() == kMovieType)
            latestEnd = std::max(latestEnd, segment->rangeStart() + segment->duration());
    }
    return latestEnd;
}

// --- Properties and layout ------------------------------------------------------------

void ProjectManager::setModified(bool modified)
{
    if (_modified.exchange(modified) != modified)
        qDebug("modified = %d", int(modified));
}

int ProjectManager::inspectorAreaSize() const { return _layoutValue(kInspectorAreaSize); }
void ProjectManager::setInspectorAreaSize(int size) { _setLayoutValue(kInspectorAreaSize, size); }
int ProjectManager::mediaAreaSize() const { return _layoutValue(kMediaAreaSize); }
void ProjectManager::setMediaAreaSize(int size) { _setLayoutValue(kMediaAreaSize, size); }
int ProjectManager::previewAreaSize() const { return _layoutValue(kPreviewAreaSize); }
void ProjectManager::setPreviewAreaSize(int size) { _setLayoutValue(kPreviewAreaSize, size); }
int ProjectManager::previewQuality() const { return _layoutValue(kPreviewQuality); }
void ProjectManager::setPreviewQuality(int quality) { _setLayoutValue(kPreviewQuality, quality); }
bool ProjectManager::isMediaAreaHidden() const { return _layout.value(kMediaAreaHidden, 0) != 0; }
void ProjectManager::setMediaAreaHidden(bool hidden) { _setLayoutValue(kMediaAreaHidden, hidden ? 1 : 0); }

// --- Aspect and sizes -------------------------------------------------------------------

QSizeF ProjectManager::aspectSize() const
{
    QSizeF landscape;
    switch (_resolution) {
    case Aspect16x9: landscape = QSizeF(16, 9); break;
    case Aspect1x1: landscape = QSizeF(1, 1); break;
    case Aspect5x4: landscape = QSizeF(5, 4); break;
    case Aspect19_5x9: landscape = QSizeF(19.5, 9); break;
    case Aspect21x9: landscape = QSizeF(21, 9); break;
    default: landscape = QSizeF(4, 3); break;
    }
    return _direction ? landscape : landscape.transposed();
}

float ProjectManager::aspectRatio() const
{
    const QSizeF size = aspectSize();
    return float(size.width()) / float(size.height());
}

QSizeF ProjectManager::movieSizeF(int level) const
{
    const QSizeF aspect = aspectSize();
    return QSizeF(movieSizeForLevel(float(aspect.width()), float(aspect.height()), level));
}

QSize ProjectManager::movieSize(int quality) const
{
    const int level = quality >= 0 && quality <= 3 ? quality : 1;
    return movieSizeF(level).toSize();
}

// --- Paths ---------------------------------------------------------------------------------

void ProjectManager::setWorkingFolder(const QString& folder)
{
    AppGlobals::setProductWorkingDir(folder);
}

QString ProjectManager::productDirectory()
{
    const QString working = AppGlobals::productWorkingDir();
    if (!working.isEmpty())
        return working;
    const QString movies = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (movies.isEmpty() || !QDir(movies).mkpath(kProductFolder)) {
        qDebug().noquote() << "Cannot create product directory: " + kProductFolder + " in " + movies;
        return QString();
    }
    const QString product = QFileInfo(joinPath(movies, kProductFolder)).absoluteFilePath();
    AppGlobals::setProductWorkingDir(product);
    return product;
}

QString ProjectManager::projectsDirectory()
{
    const QString product = productDirectory();
    if (product.isEmpty())
        return QString();
    if (!QDir(product).mkpath(kProjectsFolder)) {
        qDebug().noquote() << "Cannot create project directory: " + kProjectsFolder + " in " + product;
        return QString();
    }
    return joinPath(product, kProjectsFolder);
}

bool ProjectManager::isValidProjectName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

QString ProjectManager::projectDirectory(const QString& name, const QString& folder)
{
    if (!isValidProjectName(name) || (!folder.isEmpty() && !isValidProjectName(folder)))
        return QString();
    const QString projects = projectsDirectory();
    if (projects.isEmpty())
        return QString();
    return folder.isEmpty() ? joinPath(projects, name) : joinPath(joinPath(projects, folder), name);
}

QString ProjectManager::_projectFile(const QString& name, const QString& folder, const QString& fileName)
{
    const QString directory = projectDirectory(name, folder);
    return directory.isEmpty() ? QString() : joinPath(directory, fileName);
}

QString ProjectManager::projectXmlPath(const QString& name, const QString& folder)
{
    return _projectFile(name, folder, QStringLiteral("project.xml"));
}

QString ProjectManager::propertiesXmlPath(const QString& name, const QString& folder)
{
    return _projectFile(name, folder, QStringLiteral("properties.xml"));
}

QString ProjectManager::layoutXmlPath(const QString& name, const QString& folder)
{
    return _projectFile(name, folder, QStringLiteral("layout.xml"));
}

QString ProjectManager::projectPlistPath(const QString& name, const QString& folder)
{
    return _projectFile(name, folder, QStringLiteral("project.plist"));
}

QString ProjectManager::propertiesPlistPath(const QString& name, const QString& folder)
{
    return _projectFile(name, folder, QStringLiteral("properties.plist"));
}

QString ProjectManager::historyDirectory(const QString& name, const QString& folder)
{
    return _projectFile(name, folder, QStringLiteral("history"));
}

QString ProjectManager::historySnapshotPath(const QString& name, const QString& folder, int index)
{
    const QString history = historyDirectory(name, folder);
    return history.isEmpty() ? QString() : joinPath(history, SnapshotFolder::fileName(index));
}
