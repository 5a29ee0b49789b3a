#pragma once

#include "ProjectManager.h"

#include <QThread>
#include <QVariant>

#include <atomic>
#include <cstdint>
#include <string>

// What the loader reports through onMessage.
enum ProjectLoaderMessage {
    ProjectLoaderBegin = 1,             // the run begins
    ProjectLoaderProgress = 2,          // QPoint(loaded segments, all segments)
    ProjectLoaderSegmentsReady = 5,     // take the records and build the segments now
    ProjectLoaderBackgroundColor = 6,   // int: the project's background colour (ARGB)
    ProjectLoaderConvertFailed = 14,    // QString: why "project.plist" could not be converted
    ProjectLoaderNoProject = 15,        // no "project.xml" (nor "project.plist"), or a damaged one
    ProjectLoaderUnreadable = 16,       // QString: why "project.xml" cannot be read (also a link to nothing)
    ProjectLoaderAllLoaded = 100,       // every segment has loaded its media
};

// Opens a project in two steps. On the GUI thread loadProperties reads the
// properties (converting "properties.plist" first) and refuses a newer
// format, also a project file or properties of another format, and a
// project one of whose files is a named pipe, a device or a socket. Then
// the thread reads the segment records of "project.xml" (converting
// "project.plist" first), gives the manager the elements beside the records
// to keep, hands the records to the window, waits until the window has laid
// out its editing area and reports loading progress until every segment
// has loaded. Both waits end when the window requests an interruption.
class ProjectLoader : public QThread
{
    Q_OBJECT

public:
    // loadProperties results besides 0.
    // PropertiesUnreadable: missing or damaged; PropertiesReadRefused: the
    // system would not let the file be read, or it is a link to nothing;
    // PropertiesNotAProject: a file in a project file's place holds another
    // document (a web page, a root of another name); the error text says
    // why, also for PropertiesTooNew.
    enum PropertiesResult {
        PropertiesConvertFailed = 11,
        PropertiesUnreadable = 12,
        PropertiesTooNew = 13,
        PropertiesReadRefused = 14,
        PropertiesNotAProject = 15
    };

    // Converts a property-list file into its XML file; 0 on success, else 1
    // with a message in the zero-filled error buffer. Paths are UTF-8.
    using PlistConverter = int (*)(const std::string& plistPath, const std::string& xmlPath,
                                   char* errorBuffer, int32_t bufferSize);

    ProjectLoader(const QString& name, const QString& folder, ProjectManager* manager);
    // Interrupts a run that has not ended and waits for it.
    ~ProjectLoader() override;

    static int loadProperties(const QString& name, const QString& folder, ProjectManager* manager,
                              QString* errorText);
    // Why the project is neither opened nor written to, 0 when it may be:
    // PropertiesReadRefused when one of its project files or property lists
    // is a named pipe, a device or a socket, told before anything opens it;
    // PropertiesTooNew when one of its files is of a higher version's format
    // (a root in a namespace, properties of a higher version number);
    // PropertiesNotAProject when one holds another document. errorText, when
    // given, says which file and why in the user's words, and what to do
    // again once such a document is moved away: retry.
    enum class Retry { Save, Archive };
    static int refusal(const QString& name, const QString& folder, QString* errorText = nullptr,
                       Retry retry = Retry::Save);
    // The records read, handed over once on message 5.
    SegmentRecords takeRecords();

    // Brings the chroma key of records written by the earlier format up to
    // date: a positive "FxGreenScreenSensitivity" (with "FxGreenScreenSmooth")
    // becomes an enabled green key with the same sensitivity (and
    // smoothing). True when a record changed; a record whose old value is 0
    // or below keeps it, as its key is off either way.
    static bool migrateChromaKeys(SegmentRecords& records);

    // Puts other property-list converters in place of the built-in ones
    // (convertProjectPlistToXml, convertPropertiesPlistToXml); null
    // restores those.
    static void setPlistConverters(PlistConverter project, PlistConverter properties);

signals:
    void onMessage(ProjectLoader* loader, int message, QVariant data);
    void onStart(ProjectLoader* loader);
    void onEnd(ProjectLoader* loader);

public slots:
    void setLayoutEditAreaCompleted();

protected:
    void run() override;

private:
    // PropertiesTooNew for the file at path, errorText (when given) saying so.
    static int _tooNew(const QString& path, QString* errorText);
    // PropertiesTooNew when the root of the file at path is of a higher
    // version, PropertiesNotAProject when it is no rootName at all
    // (errorText, when given, telling which), else 0.
    static int _anotherFormat(const QString& path, const QString& rootName, float newestVersion,
                              QString* errorText, Retry retry);
    // Runs a converter with the loader's 1024-byte error buffer; the message
    // goes to errorText on failure.
    static bool _convert(PlistConverter converter, const QString& plistPath, const QString& xmlPath,
                         QString* errorText);
    // Sleeps in short steps until the layout is ready; false when interrupted.
    bool _waitForLayout();
    // Reports progress until every segment has loaded; false when interrupted.
    bool _waitForSegments();
    bool _sleepUnlessInterrupted(int milliseconds);
    // Reports that the segment list at xmlPath is missing, naming a link to nothing.
    void _reportMissing(const QString& xmlPath);

    SegmentRecords _records;
    QString _projectName;
    QString _projectFolder;
    ProjectManager* _manager;
    std::atomic<bool> _layoutReady{false};
};
