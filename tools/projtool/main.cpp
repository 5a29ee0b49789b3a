// projtool: a command-line window onto project storage for developers and
// reviewers.
//   projtool roundtrip DIR   loads a project folder and writes it back
//   projtool info DIR        prints its properties, layout and segments
//   projtool convert DIR     converts its property lists to XML and brings old
//                            chroma keys up to date, as opening does
//   projtool pack DIR OUTDIR      writes the project into an archive in OUTDIR
//   projtool unpack ARCHIVE DESTDIR  unpacks an archive into a new project in DESTDIR
// DIR is a project folder inside a "Projects" folder, directly or in a group
// folder (Projects/NAME or Projects/GROUP/NAME).

#include "ArchiveCommands.h"
#include "ProjectLoader.h"
#include "ProjectManager.h"
#include "PlistXmlConverter.h"
#include "ProjectXml.h"
#include "Segment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

struct ProjectAddress {
    QString name;
    QString folder;
};

int fail(const QString& message)
{
    std::fprintf(stderr, "projtool: %s\n", qPrintable(message));
    return 2;
}

// Points the product folder at the one holding DIR's "Projects" folder.
bool addressOf(const QString& path, ProjectAddress* address)
{
    const QFileInfo project(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (!project.isDir())
        return false;
    QDir parent = project.dir();
    address->name = project.fileName();
    if (parent.dirName() != QLatin1String("Projects")) {
        address->folder = parent.dirName();
        if (!parent.cdUp() || parent.dirName() != QLatin1String("Projects"))
            return false;
    }
    parent.cdUp();
    ProjectManager::setWorkingFolder(parent.absolutePath());
    return true;
}

// Reads properties, layout and segments. The segments are kept as records
// of the base class: they are written back exactly as they were read.
int openProject(const ProjectAddress& address, ProjectManager& manager, bool* hasLayout)
{
    manager.setProjectName(address.name);
    manager.setProjectFolder(address.folder);
    QString error;
    const int properties = ProjectLoader::loadProperties(address.name, address.folder, &manager, &error);
    if (properties != 0)
        return fail(QString("cannot open the properties (%1) %2").arg(QString::number(properties), error));
    const int layout = manager.loadLayout();
    if (layout != 0 && layout != -1)
        return fail(QString("cannot read layout.xml (%1)").arg(layout));
    *hasLayout = layout == 0;
    SegmentRecords records;
    KeptXml besideRecords;
    const int segments = ProjectManager::loadSegments(records, address.name, address.folder, &besideRecords);
    if (segments != 0)
        return fail(QString("cannot read project.xml (%1)").arg(segments));
    for (auto& record : records)
        manager.appendSegment(new Segment(std::move(record), nullptr), nullptr);
    manager.keepElementsBesideRecords(besideRecords);
    manager.setModified(false);
    return 0;
}

int roundtrip(const ProjectAddress& address)
{
    ProjectManager manager;
    bool hasLayout = false;
    if (const int result = openProject(address, manager, &hasLayout))
        return result;
    if (const int result = manager.saveSegments(address.name, address.folder))
        return fail(QString("cannot write project.xml (%1)").arg(result));
    if (const int result = manager.saveProperties(address.name, address.folder))
        return fail(QString("cannot write properties.xml (%1)").arg(result));
    if (hasLayout) {
        if (const int result = manager.saveLayout())
            return fail(QString("cannot write layout.xml (%1)").arg(result));
    }
    std::printf("%d segments written\n", manager.segmentCount());
    return 0;
}

int info(const ProjectAddress& address)
{
    ProjectManager manager;
    bool hasLayout = false;
    if (const int result = openProject(address, manager, &hasLayout))
        return result;
    const QSize size = manager.movieSize(manager.previewQuality());
    std::printf("project %s%s%s\n", qPrintable(address.folder), address.folder.isEmpty() ? "" : "/",
                qPrintable(address.name));
    std::printf("version %g\n%s, resolution %d, aspect %g, preview size %dx%d\n", double(manager.version()),
                manager.direction() ? "landscape" : "portrait", manager.resolution(),
                double(manager.aspectRatio()), size.width(), size.height());
    std::printf("frame rate %g, duration %g s, image scale %g, background #%08x\n",
                double(manager.frameRate()), double(manager.duration()), double(manager.imageScale()),
                manager.backgroundColor());
    std::printf("fixed cover %d, edit %d, segment mode %d\n", int(manager.fixCoverImage()), int(manager.edit()),
                manager.segmentMode());
    for (auto it = manager.layoutValues().cbegin(); it != manager.layoutValues().cend(); ++it)
        std::printf("layout %s = %d\n", qPrintable(it.key()), it.value());
    std::printf("%d segments\n", manager.segmentCount());
    for (int i = 0; i < manager.segmentCount(); ++i) {
        const Segment* segment = manager.segmentAt(i);
        std::printf("%4d %-7s track %d start %g duration %g transitions %d %s\n", i,
                    qPrintable(segment->type()), segment->trackId(), double(segment->rangeStart()),
                    double(segment->duration()), segment->transitionCount(), qPrintable(segment->uid()));
    }
    return 0;
}

// Converts one property list whose XML file is missing; false on failure.
bool convertMissing(const QString& plistPath, const QString& xmlPath, ProjectLoader::PlistConverter converter)
{
    if (QFileInfo::exists(xmlPath) || !QFileInfo::exists(plistPath))
        return true;
    char error[1024] = {};
    if (converter(plistPath.toStdString(), xmlPath.toStdString(), error, int32_t(sizeof error)) != 0) {
        fail(QString("cannot convert %1: %2").arg(QFileInfo(plistPath).fileName(), QString::fromUtf8(error)));
        return false;
    }
    std::printf("%s written\n", qPrintable(QFileInfo(xmlPath).fileName()));
    return true;
}

// Brings the old chroma keys of "project.xml" up to date, as opening does;
// false when the file cannot be read or written.
bool migrateChromaKeys(const ProjectAddress& address)
{
    const QString path = ProjectManager::projectXmlPath(address.name, address.folder);
    if (!QFileInfo::exists(path))
        return true;
    SegmentRecords records;
    KeptXml besideRecords;
    if (const int result = ProjectManager::loadSegments(records, address.name, address.folder, &besideRecords)) {
        fail(QString("cannot read project.xml (%1)").arg(result));
        return false;
    }
    if (!ProjectLoader::migrateChromaKeys(records))
        return true;
    const int result = ProjectXml::write(path, "Project segments save error",
                                         [&records, &besideRecords](QXmlStreamWriter& writer) {
                                             ProjectXml::writeRecords(writer, records, &besideRecords);
                                         });
    if (result != 0) {
        fail(QString("cannot write project.xml (%1)").arg(result));
        return false;
    }
    std::printf("project.xml chroma keys migrated\n");
    return true;
}

int convert(const ProjectAddress& address)
{
    const QString& name = address.name;
    const QString& folder = address.folder;
    QString why;
    if (ProjectLoader::refusal(name, folder, &why) != 0)
        return fail("cannot open the project: " + why);
    const bool converted =
        convertMissing(ProjectManager::propertiesPlistPath(name, folder), ProjectManager::propertiesXmlPath(name, folder),
                       convertPropertiesPlistToXml) &&
        convertMissing(ProjectManager::projectPlistPath(name, folder), ProjectManager::projectXmlPath(name, folder),
                       convertProjectPlistToXml) &&
        migrateChromaKeys(address);
    return converted ? 0 : 2;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: projtool roundtrip DIR   load a project folder and write it back\n"
                 "       projtool info DIR        print its properties, layout and segments\n"
                 "       projtool convert DIR     convert its property lists to XML where XML is missing\n"
                 "                                and bring old chroma keys up to date\n"
                 "       projtool pack DIR OUTDIR          write the project into an archive in OUTDIR\n"
                 "       projtool unpack ARCHIVE DESTDIR   unpack an archive into a new project in DESTDIR\n"
                 "DIR lies in a \"Projects\" folder: Projects/NAME or Projects/GROUP/NAME\n");
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 4 && arguments.at(1) == QLatin1String("pack")) {
        ProjectAddress address;
        if (!addressOf(arguments.at(2), &address))
            return fail(arguments.at(2) + " is no project folder inside a \"Projects\" folder");
        return packProject(address.name, address.folder, arguments.at(3));
    }
    if (arguments.size() == 4 && arguments.at(1) == QLatin1String("unpack"))
        return unpackArchive(arguments.at(2), arguments.at(3));
    if (arguments.size() != 3)
        return usage();
    ProjectAddress address;
    if (!addressOf(arguments.at(2), &address))
        return fail(arguments.at(2) + " is no project folder inside a \"Projects\" folder");
    if (arguments.at(1) == QLatin1String("roundtrip"))
        return roundtrip(address);
    if (arguments.at(1) == QLatin1String("info"))
        return info(address);
    if (arguments.at(1) == QLatin1String("convert"))
        return convert(address);
    return usage();
}
