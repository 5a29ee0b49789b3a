#include "ProjectLoader.h"
#include "ProjectTestSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPoint>

#include <cstring>

namespace {

const QString kName = QStringLiteral("Loading");

// Plays the editor window's part: builds segments on message 5, reports the
// layout, and records the messages in order.
class LoaderWindow : public QObject
{
public:
    explicit LoaderWindow(ProjectManager* manager, bool layOut = true) : _manager(manager), _layOut(layOut) {}

    void watch(ProjectLoader* loader)
    {
        connect(loader, &ProjectLoader::onMessage, this, &LoaderWindow::_onMessage, Qt::QueuedConnection);
    }

    // Starts the loader and processes events until its thread ended and its
    // messages arrived.
    bool run(ProjectLoader* loader, int timeoutMs)
    {
        watch(loader);
        loader->start();
        QDeadlineTimer deadline(timeoutMs);
        while (!loader->isFinished() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QCoreApplication::processEvents();
        return loader->isFinished();
    }

    QList<int> messages;
    QVariant backgroundColor;
    QString conversionError;
    SegmentRecords records;

private:
    void _onMessage(ProjectLoader* loader, int message, const QVariant& data)
    {
        messages << message;
        if (message == ProjectLoaderBackgroundColor)
            backgroundColor = data;
        if (message == ProjectLoaderConvertFailed)
            conversionError = data.toString();
        if (message != ProjectLoaderSegmentsReady)
            return;
        records = loader->takeRecords();
        for (const auto& record : records) {
            auto* segment = new FakeMediaSegment(Segment::stringAttribute(record.get(), "Type"));
            _manager->appendSegment(segment, nullptr);
        }
        if (_layOut)
            loader->setLayoutEditAreaCompleted();
    }

    ProjectManager* _manager;
    bool _layOut;
};

class ProjectLoading : public ::testing::Test
{
protected:
    void SetUp() override { dir = product.projectDir(kName); }
    void TearDown() override { ProjectLoader::setPlistConverters(nullptr, nullptr); }

    void writeProject(const QByteArray& version, const QByteArray& segments)
    {
        writeFile(dir + "/properties.xml",
                  "<Properties version=\"" + version + "\" backgroundColor=\"#ff102030\"/>");
        writeFile(dir + "/project.xml", "<Project>" + segments + "</Project>");
    }

    TemporaryProduct product;
    QString dir;
    ProjectManager manager;
};

TEST_F(ProjectLoading, PropertiesDecideWhetherTheProjectOpens)
{
    QString error;
    EXPECT_EQ(ProjectLoader::loadProperties(kName, "", &manager, &error), ProjectLoader::PropertiesUnreadable);
    writeProject("7.5", "");
    EXPECT_EQ(ProjectLoader::loadProperties(kName, "", &manager, &error), ProjectLoader::PropertiesTooNew);
    writeProject("7", "");
    EXPECT_EQ(ProjectLoader::loadProperties(kName, "", &manager, &error), 0);
    EXPECT_EQ(manager.backgroundColor(), 0xff102030u);
    writeFile(dir + "/properties.xml", "<Properties version=");
    EXPECT_EQ(ProjectLoader::loadProperties(kName, "", &manager, &error), ProjectLoader::PropertiesUnreadable);

    // A property list alone is converted first; without a converter that fails with a reason.
    QFile::remove(dir + "/properties.xml");
    writeFile(dir + "/properties.plist", "bplist00");
    EXPECT_EQ(ProjectLoader::loadProperties(kName, "", &manager, &error), ProjectLoader::PropertiesConvertFailed);
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(ProjectLoading, AProjectReportsBeginColourSegmentsAndTheEnd)
{
    writeProject("7", "<Segment Type=\"TEXT\" UId=\"a\"/><Segment Type=\"IMAGE\" UId=\"b\"/>");
    QString error;
    ASSERT_EQ(ProjectLoader::loadProperties(kName, "", &manager, &error), 0);
    manager.setModified(true);
    ProjectLoader loader(kName, "", &manager);
    LoaderWindow window(&manager);
    ASSERT_TRUE(window.run(&loader, 15000));
    EXPECT_EQ(window.messages, QList<int>({1, 6, 5, 100}));
    EXPECT_EQ(window.backgroundColor.toInt(), int(0xff102030));
    ASSERT_EQ(window.records.size(), 2u);
    EXPECT_EQ(Segment::stringAttribute(window.records[1].get(), "UId"), "b");
    EXPECT_EQ(manager.segmentCount(), 2);
    EXPECT_FALSE(manager.isModified()) << "a freshly opened current project is unmodified";
}

TEST_F(ProjectLoading, AnOldFormatIsMarkedModified)
{
    writeProject("2.5", "<Segment Type=\"TEXT\" FxGreenScreenSensitivity=\"40\"/>");
    QString error;
    ASSERT_EQ(ProjectLoader::loadProperties(kName, "", &manager, &error), 0);
    ProjectLoader loader(kName, "", &manager);
    LoaderWindow window(&manager);
    ASSERT_TRUE(window.run(&loader, 15000));
    EXPECT_EQ(window.messages.last(), int(ProjectLoaderAllLoaded));
    EXPECT_TRUE(manager.isModified());
    // Old keys of a project that already was XML stay as they are.
    EXPECT_EQ(Segment::stringAttribute(window.records[0].get(), "FxGreenScreenSensitivity"), "40");
}

TEST_F(ProjectLoading, AnEmptyFolderOrABrokenFileEndsWith15)
{
    for (const QByteArray& content : {QByteArray(), QByteArray("<Project><Segment")}) {
        if (!content.isEmpty())
            writeFile(dir + "/project.xml", content);
        ProjectLoader loader(kName, "", &manager);
        LoaderWindow window(&manager);
        ASSERT_TRUE(window.run(&loader, 5000));
        EXPECT_EQ(window.messages, QList<int>({1, 15}));
    }
}

int convertToGreenScreenProject(const std::string&, const std::string& xmlPath, char*, int32_t)
{
    QFile file(QString::fromStdString(xmlPath));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write("<Project><Segment Type=\"MOVIE\" FxGreenScreenSensitivity=\"40\" FxGreenScreenSmooth=\"15\"/>"
               "<Segment Type=\"IMAGE\" FxGreenScreenSensitivity=\"0\"/></Project>");
    return 0;
}

int refuseConversion(const std::string&, const std::string&, char* errorBuffer, int32_t size)
{
    qstrncpy(errorBuffer, "Not a keyed archive", uint(size));
    return 1;
}

TEST_F(ProjectLoading, ConvertedProjectsGetTheNewChromaKeys)
{
    writeFile(dir + "/properties.xml", "<Properties version=\"4\"/>");
    writeFile(dir + "/project.plist", "bplist00");
    QString error;
    ASSERT_EQ(ProjectLoader::loadProperties(kName, "", &manager, &error), 0);

    {
        ProjectLoader refused(kName, "", &manager);
        LoaderWindow window(&manager);
        ASSERT_TRUE(window.run(&refused, 5000));
        EXPECT_EQ(window.messages, QList<int>({1, 14}));
        EXPECT_FALSE(window.conversionError.isEmpty()) << "the missing converter says why";
    }

    ProjectLoader::setPlistConverters(convertToGreenScreenProject, refuseConversion);
    ProjectLoader loader(kName, "", &manager);
    LoaderWindow window(&manager);
    ASSERT_TRUE(window.run(&loader, 15000));
    EXPECT_EQ(window.messages, QList<int>({1, 6, 5, 100}));
    EXPECT_TRUE(QFileInfo::exists(dir + "/project.xml"));
    ASSERT_EQ(window.records.size(), 2u);
    const SegmentAttributes* keyed = window.records[0].get();
    EXPECT_EQ(Segment::stringAttribute(keyed, "KeyEnabled"), "1");
    EXPECT_EQ(Segment::stringAttribute(keyed, "KeySensitivity"), "40");
    EXPECT_EQ(Segment::stringAttribute(keyed, "KeyColor"), "#ff00ff00");
    EXPECT_EQ(Segment::stringAttribute(keyed, "KeySmoothing"), "15");
    EXPECT_EQ(keyed->findText("FxGreenScreenSensitivity"), nullptr);
    EXPECT_EQ(keyed->findText("FxGreenScreenSmooth"), nullptr);
    EXPECT_EQ(Segment::stringAttribute(window.records[1].get(), "FxGreenScreenSensitivity"), "0");
    EXPECT_TRUE(manager.isModified());

    QFile::remove(dir + "/properties.xml");
    writeFile(dir + "/properties.plist", "bplist00");
    EXPECT_EQ(ProjectLoader::loadProperties(kName, "", &manager, &error), ProjectLoader::PropertiesConvertFailed);
    EXPECT_EQ(error, "Not a keyed archive");
}

TEST_F(ProjectLoading, ClosingTheWindowEndsBothWaits)
{
    writeProject("7", "<Segment Type=\"MOVIE\"/>");
    QString error;
    ASSERT_EQ(ProjectLoader::loadProperties(kName, "", &manager, &error), 0);
    for (bool layOut : {false, true}) {
        ProjectLoader loader(kName, "", &manager);
        LoaderWindow window(&manager, layOut);
        window.watch(&loader);
        loader.start();
        // Waiting for a layout that never comes, or for a segment that never loads.
        QDeadlineTimer deadline(10000);
        while (!window.messages.contains(ProjectLoaderSegmentsReady) && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        ASSERT_TRUE(window.messages.contains(ProjectLoaderSegmentsReady));
        static_cast<FakeMediaSegment*>(manager.segmentAt(manager.segmentCount() - 1))->loaded = false;
        QThread::msleep(300);
        EXPECT_FALSE(loader.isFinished());
        loader.requestInterruption();
        EXPECT_TRUE(loader.wait(2000)) << "layout ready: " << layOut;
        QCoreApplication::processEvents();
        EXPECT_FALSE(window.messages.contains(ProjectLoaderAllLoaded));
    }
}

} // namespace
