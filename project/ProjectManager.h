#pragma once

#include "KeptXml.h"
#include "SnapshotFolder.h"
#include "UndoHistory.h"

#include <QHash>
#include <QMap>
#include <QMutex>
#include <QRgb>
#include <QSet>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QVector>

#include <atomic>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QWidget;
class QXmlStreamWriter;
class Segment;
class SegmentAttributes;

// Segment records read from a project file or a snapshot, in file order.
using SegmentRecords = std::vector<std::unique_ptr<SegmentAttributes>>;

// The open project of one editor window: its segments, each held once, with
// the timeline widget of each (two lists of equal length, index i of one
// belonging to index i of the other), its properties, layout values and undo history,
// and the files it is stored in.
//
// One non-recursive mutex guards both lists and the writers that read them:
// the window changes the lists on the GUI thread while segments finish
// loading on pool threads and the loader thread counts them. No locking
// operation calls another. The nearest-start searches, firstSegment and the
// property accessors do not lock; they belong to the GUI thread.
//
// Storage operations return 0 on success, -1 when a file or folder cannot be
// opened or created, -2 on a write error, and otherwise the XML reader's
// error code. Files are written to a temporary file that replaces the old
// one only once complete, so a crash or a full disk never leaves a cut file.
class ProjectManager
{
public:
    // Aspect choices of "resolution"; any other value is 4:3.
    enum Resolution { Aspect16x9 = 1, Aspect1x1 = 2, Aspect5x4 = 3, Aspect19_5x9 = 4, Aspect21x9 = 5 };

    ProjectManager();
    // Deletes the segments, after cancelling or waiting for their loading tasks.
    virtual ~ProjectManager();
    ProjectManager(const ProjectManager&) = delete;
    ProjectManager& operator=(const ProjectManager&) = delete;

    // --- Segment list ---------------------------------------------------------
    // The list takes ownership of the segments it holds; widgets stay their
    // parents'. Removing or clearing hands the segments back to the caller,
    // who lets AssetLoadingThreadPool::cancelOrWaitForSegment settle their
    // loading tasks before deleting them.
    void appendSegment(Segment* segment, QWidget* widget);
    // Inserts keeping the list ordered by track, then start; equal starts go
    // after the segments already there.
    void addSegmentSorted(Segment* segment, QWidget* widget);
    // Adds each pair as addSegmentSorted would, in turn, reading the list once.
    void addSegmentsSorted(const std::vector<std::pair<Segment*, QWidget*>>& added);
    void removeSegment(Segment* segment);
    void removeSegmentAt(int index);
    void clearSegments();
    void setSegmentWidgetAt(QWidget* widget, int index);
    int segmentCount() const;
    Segment* segmentAt(int index) const;
    QWidget* segmentWidgetAt(int index) const;
    QWidget* segmentWidgetFor(const Segment* segment) const;
    bool contains(const Segment* segment) const;
    QWidget* segmentWidgetAtTime(float time, int track) const;
    Segment* firstSegment() const;
    // First index whose serial number or second engine id is id; -1 when none.
    int indexOfSegmentId(int id) const;
    int indexOfSegmentUId(const QString& uid) const;
    // The segment whose serial number is serial, or null; it does not lock:
    // the caller holds mutex() for as long as it uses the segment, so that
    // another thread cannot remove (and then delete) it meanwhile.
    Segment* segmentWithSerialLocked(int serial) const;
    int segmentCountOnTrack(int track) const;
    // Serial numbers of the visual layers in list order.
    QVector<int> layerSegmentIds() const;
    // True when every segment has loaded; the counts go to the out-parameters.
    bool loadedSegmentCount(int* loaded = nullptr, int* total = nullptr) const;
    // Whether a segment other than except uses the media file: a bare file
    // name is compared with the file name of each segment's path, an
    // absolute path with the whole path. Text segments use no file.
    bool isFileUsedByOtherSegment(const QString& path, const Segment* except) const;
    void resetTrackIds();
    // Nearest-start searches; track 0 means any track. Times within 1/30 s
    // count as equal.
    Segment* segmentStartingAtOrAfter(float time, int track) const;
    Segment* segmentStartingAfter(float time, int track) const;
    Segment* segmentStartingAtOrBefore(float time, int track) const;
    Segment* segmentStartingBefore(float time, int track) const;
    // duration := the latest end of the segments with a positive duration.
    void updateDuration();
    float movieDuration() const;
    QMutex* mutex() { return &_mutex; }

    // --- Properties -------------------------------------------------------------
    QString projectName() const { return _projectName; }
    void setProjectName(const QString& name) { _projectName = name; }
    QString projectFolder() const { return _projectFolder; }
    void setProjectFolder(const QString& folder) { _projectFolder = folder; }
    float version() const { return _version; }
    void setVersion(float version) { _version = version; }
    int resolution() const { return _resolution; }
    void setResolution(int resolution) { _resolution = resolution; }
    // True for landscape.
    bool direction() const { return _direction; }
    void setDirection(bool landscape) { _direction = landscape; }
    float frameRate() const { return _frameRate; }
    void setFrameRate(float frameRate) { _frameRate = frameRate; }
    float duration() const { return _duration; }
    void setDuration(float seconds) { _duration = seconds; }
    float timeScale() const { return _timeScale; }
    void setTimeScale(float scale) { _timeScale = scale; }
    bool fixCoverImage() const { return _fixCoverImage; }
    void setFixCoverImage(bool fixed) { _fixCoverImage = fixed; }
    float imageScale() const { return _imageScale; }
    QRgb backgroundColor() const { return _backgroundColor; }
    void setBackgroundColor(QRgb color) { _backgroundColor = color; }
    int segmentMode() const { return _segmentMode; }
    void setSegmentMode(int mode) { _segmentMode = mode; }
    bool edit() const { return _edit; }
    bool isModified() const { return _modified; }
    // Logs "modified = %d" when the value changes.
    void setModified(bool modified);
    // True while the last write of "project.xml" or "properties.xml" failed:
    // the files on disk are older than the project, so nothing that they
    // may still use can be tidied away.
    bool lastSaveFailed() const { return _segmentsSaveFailure || _propertiesSaveFailure; }
    // Why, in the system's words, while the last save failed: the reason of
    // each file that failed, one a line, "project.xml"'s first; else empty.
    QString saveFailureReason() const;
    // Counts a save left undone, because the files on disk must not be
    // written over, as one that failed for reason: the project stays modified.
    void noteSaveRefused(const QString& reason);

    // --- Layout values (-1, or false, when absent) -------------------------------
    int inspectorAreaSize() const;
    void setInspectorAreaSize(int size);
    int mediaAreaSize() const;
    void setMediaAreaSize(int size);
    int previewAreaSize() const;
    void setPreviewAreaSize(int size);
    int previewQuality() const;
    void setPreviewQuality(int quality);
    bool isMediaAreaHidden() const;
    void setMediaAreaHidden(bool hidden);
    const QMap<QString, int>& layoutValues() const { return _layout; }

    // --- Aspect and sizes ---------------------------------------------------------
    // Width over height, inverted for portrait.
    float aspectRatio() const;
    // The aspect as a size (16 x 9 ...), width and height swapped for portrait.
    QSizeF aspectSize() const;
    // The output size of a movie size level 0 to 5.
    QSizeF movieSizeF(int level) const;
    // The output size of a preview quality 0 to 3; other values mean level 1.
    QSize movieSize(int quality) const;

    // --- Paths ----------------------------------------------------------------------
    // Empty when the folder cannot be created, or when a project's name or
    // group folder is not a plain folder name (so no name can lead outside
    // "Projects"); a file path is empty whenever its folder is.
    static void setWorkingFolder(const QString& folder);
    // Whether a typed name can be a project or folder name of the projects
    // browser: one plain name below its parent folder (not empty, not "." or
    // "..", no "/" and no NUL), so that it cannot lead outside "Projects".
    static bool isValidProjectName(const QString& name);
    static QString productDirectory();
    static QString projectsDirectory();
    static QString projectDirectory(const QString& name, const QString& folder);
    static QString projectXmlPath(const QString& name, const QString& folder);
    static QString propertiesXmlPath(const QString& name, const QString& folder);
    static QString layoutXmlPath(const QString& name, const QString& folder);
    static QString projectPlistPath(const QString& name, const QString& folder);
    static QString propertiesPlistPath(const QString& name, const QString& folder);
    static QString historyDirectory(const QString& name, const QString& folder);
    static QString historySnapshotPath(const QString& name, const QString& folder, int index);

    // --- Project files ------------------------------------------------------------------
    // -1 when the file cannot be opened or read (unreadable, when given, then
    // holds the system's reason), else the reader's error code.
    int loadProperties(const QString& name, const QString& folder, QString* unreadable = nullptr);
    int saveProperties(const QString& name, const QString& folder);
    // For the manager's own project name and folder. A layout file that is
    // no regular file is read as none and never replaced (-1).
    int loadLayout();
    int saveLayout();
    // Appends one record per "Segment" element to records, and keeps the
    // other elements beside them in besideRecords unless it is null. The
    // file that holds only the declaration
    // <?xml version="1.0" encoding="utf-8"?> is an empty project. -1 when the
    // file cannot be opened or read (unreadable, when given, then holds the
    // system's reason).
    static int loadSegments(SegmentRecords& records, const QString& name, const QString& folder,
                            KeptXml* besideRecords = nullptr, QString* unreadable = nullptr);
    // The files that the saved "project.xml" names, as clean absolute
    // paths: those of the records of any type (also one this version does
    // not know), and every existing file that an attribute value or the
    // text of any element leads to (so also of the elements it keeps
    // unused). None when that cannot be told: the file cannot be read or
    // does not parse whole, or it is missing while the project has records
    // (holdsRecords, or an older version's "project.plist"); whatever
    // deletes files by this list must then delete none. The bytes read go
    // to savedBytes when given.
    static std::optional<QSet<QString>> recordedFilePaths(const QString& name, const QString& folder,
                                                          bool holdsRecords = true, QByteArray* savedBytes = nullptr);
    // The same for a project document in memory, whose relative paths lead
    // into directory (an absolute path).
    static std::optional<QSet<QString>> filePathsNamedBy(const QByteArray& document, const QString& directory);
    // The same for the project as the manager holds it: what a save would
    // write into "project.xml" and "properties.xml" (so also what the
    // properties keep unread), whatever the files on disk hold now. The
    // project document is not read again when it is the saved bytes
    // (recordedFilePaths' own) byte for byte.
    std::optional<QSet<QString>> heldFilePaths(const QString& name, const QString& folder,
                                               const QByteArray& savedBytes) const;
    int saveSegments(const QString& name, const QString& folder);
    // Installs the built-in example projects into "Projects/Examples" unless
    // that folder exists; false when the copy failed.
    static bool copyExampleProjects();
    // "example.dat", the file that marks a project as a built-in example.
    // Copies and archives of a project leave it out: they are the user's own.
    static const QString exampleMarkerFile;

    // --- Records the window does not build ------------------------------------------
    // A record of "project.xml" that the window does not build (a type of a
    // newer version, or one that the opening's repair leaves out) is kept as
    // it was read, at the index it had among the file's records, and logged.
    // Every save of "project.xml" writes it back at that index, the segments
    // filling the other places in list order, or after the last record when
    // fewer records come before it now: so a newer version or a repaired
    // file still finds it, and the tidy keeps its file. Undo snapshots leave
    // it out, as no edit reaches it.
    void keepUnbuiltRecord(std::unique_ptr<SegmentAttributes> record, int index);
    // The track ids that kept records name: a new track takes none of them,
    // so that no segment joins a kept record's track.
    QSet<int> unbuiltTrackIds() const;
    // The root's attributes and declarations, and the elements, comments and
    // processing instructions of "project.xml" beside the records that the
    // window does not use, placed by the number of records before them:
    // every save of "project.xml" writes them back there. Undo snapshots
    // leave them out.
    void keepElementsBesideRecords(const KeptXml& elements);
    // Whether anything is bound for "project.xml": segments, or records or
    // elements kept unused.
    bool holdsRecords() const;

    // --- Undo snapshots ---------------------------------------------------------------------
    // What an undo or redo found.
    struct HistoryStep {
        // The previous or next state; nothing (position kept) when there is
        // none, its snapshot cannot be read, or the shown state cannot be kept.
        std::optional<SegmentRecords> records;
        // The failed write of the shown state that kept an undo from
        // leaving it: the state would be lost. 0 otherwise.
        int recordResult = 0;
        // The undo went back over edits whose states were never written.
        bool overUnrecordedEdits = false;
        // There was a state in that direction, but its snapshot could not
        // be read (removed, cut or made unreadable since).
        bool unreadable = false;
    };

    // Writes the segments as the state before an edit. The history takes the
    // edit's step even when the write fails, so that no undo passes over
    // the edit unnoticed.
    int recordSnapshot(const QString& name, const QString& folder);
    // Writes the segments as the state an undo leaves.
    int pushUndoSnapshot(const QString& name, const QString& folder);
    HistoryStep undo();
    HistoryStep redo();
    // Forgets the last recording, written or not (an edit that changed
    // nothing). Nothing happens unless the last step of the history was a
    // recording: it would undo an earlier step.
    void dropLastSnapshot();
    void removeHistory(const QString& name, const QString& folder);
    const UndoHistory& history() const { return _history; }

private:
    enum class SnapshotKind { Record, Push };

    static QString _projectFile(const QString& name, const QString& folder, const QString& fileName);
    // The root "Project" with every segment, as "project.xml" (with the
    // records and elements kept unbuilt) or as an undo snapshot; the caller
    // holds the mutex.
    void _writeProjectBody(QXmlStreamWriter& writer, bool snapshot) const;
    // The element "Properties" with what it keeps unread.
    void _writePropertiesBody(QXmlStreamWriter& writer) const;
    // Writes _writeProjectBody's project file to path; the caller holds the mutex.
    int _writeSegments(const QString& path, const char* errorMessage, QString* reason = nullptr) const;
    // The reason of a failed save of one of the files; none when it was saved.
    std::optional<QString> _noteSaveResult(int result, const QString& reason);
    int _writeSnapshot(const QString& name, const QString& folder, SnapshotKind kind);
    // Reads the step's snapshot into its records; none when there is no
    // snapshot (an empty path), and none, marked unreadable, when it cannot
    // be opened or read.
    static void _readStep(const QString& path, HistoryStep* step);
    void _keepUnreadProperties(QXmlStreamReader& reader);
    void _writePropertyAttributes(QXmlStreamWriter& writer) const;
    void _setLayoutValue(const QString& key, int value) { _layout.insert(key, value); }
    int _layoutValue(const QString& key) const { return _layout.value(key, -1); }
    void _insertAt(int index, Segment* segment, QWidget* widget);
    void _removeAt(int index);
    // Segments whose loading tasks are over, deleted; the others are kept
    // alive (and reported), since a task still uses them.
    void _deleteSegmentsAfterTheirTasks();

    struct UnbuiltRecord {
        std::unique_ptr<SegmentAttributes> record;
        int index;
    };

    std::vector<Segment*> _segments;
    std::vector<QWidget*> _segmentWidgets;
    // The same pairs by segment: the window asks for a segment's widget
    // each time the segment reports its loading, thousands of times as a
    // project of thousands of captions opens.
    QHash<const Segment*, QWidget*> _widgetOfSegment;
    // In index order.
    std::vector<UnbuiltRecord> _unbuiltRecords;
    KeptXml _besideRecords;
    // What "properties.xml" holds that this version does not read.
    KeptXml _keptProperties;
    QString _projectName;
    QString _projectFolder;
    QMap<QString, int> _layout;
    float _version = 7.0f;
    int _resolution = Aspect16x9;
    bool _direction = true;
    float _frameRate = 30.0f;
    float _duration = 0.0f;
    float _timeScale = 1.0f;
    bool _fixCoverImage = false;
    float _imageScale = 1.0f;
    QRgb _backgroundColor = 0xff000000;
    int _segmentMode = 0;
    bool _edit = false;
    // Written by the loader thread as well as the GUI thread.
    std::atomic<bool> _modified{false};
    std::optional<QString> _segmentsSaveFailure;
    std::optional<QString> _propertiesSaveFailure;
    UndoHistory _history;
    SnapshotFolder _snapshotFolder;
    // Set by a recording, cleared by every other history step.
    bool _lastStepWasRecording = false;
    mutable QMutex _mutex;
};
