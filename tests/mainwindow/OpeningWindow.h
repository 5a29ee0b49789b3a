#pragma once

#include "EditScrollArea.h"
#include "GutterScrollArea.h"
#include "ProgressHUD.h"
#include "ProjectLoader.h"
#include "ProjectManager.h"
#include "RulerScrollArea.h"
#include "RulerWidget.h"
#include "Segment.h"
#include "SegmentWidget.h"
#include "TestWindow.h"
#include "TrackWidget.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGridLayout>
#include <QPointer>
#include <QXmlStreamWriter>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

template <typename Condition>
bool waitFor(Condition condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

// The editing window laid out as the desktop window lays it out: the
// playback area over the ruler, gutter and timeline. It opens its project
// the way the desktop window does and records what the loader reported.
class OpeningWindow : public TestWindow
{
public:
    OpeningWindow(const QString& name, const QSize& previewSize) : TestWindow(name, QString())
    {
        auto* central = new QWidget(this);
        auto* grid = new QGridLayout(central);
        _previewContainer = new QWidget(central);
        _previewContainer->setFixedSize(previewSize);
        _ruler = new RulerScrollArea(central);
        _ruler->setWidget(new RulerWidget);
        _ruler->setFixedHeight(20);
        _timeline = new EditScrollArea(central);
        _gutterArea = new GutterScrollArea(central);
        _gutterArea->setFixedWidth(60);
        grid->addWidget(_previewContainer, 0, 1);
        grid->addWidget(_ruler, 1, 1);
        grid->addWidget(_gutterArea, 2, 0);
        grid->addWidget(_timeline, 2, 1);
        setCentralWidget(central);
        resize(previewSize.width() + 200, previewSize.height() + 400);
    }

    using MainWindow::_openProject;
    using MainWindow::_prepareOpenGL;
    using MainWindow::_seekPreview;

    // Shows the window and builds its engine stack as opening does.
    bool prepareEngine()
    {
        show();
        _prepareOpenGL();
        return _previewWidget->isValid();
    }

    GutterScrollArea* gutter() const { return _gutterArea; }
    QWidget* playbackArea() const { return _previewContainer; }
    EditScrollArea* timeline() const { return _timeline; }
    RulerScrollArea* ruler() const { return _ruler; }
    ProgressHUD* waitingHUD() const { return _waitingHUD; }
    TrackWidget* newestTrack() const { return _newestTrack; }

    void onProjectLoaderMessageForTest(int message, const QVariant& data)
    {
        onProjectLoaderMessage(nullptr, message, data);
    }
    void onProjectLoaderMessageFrom(ProjectLoader* loader, int message)
    {
        onProjectLoaderMessage(loader, message, QVariant());
    }

    // Undo or redo as the actions do and wait until it is done: a busy
    // renderer defers the step, which then replaces every track; a step with
    // nothing to apply shows its message at once. On a loaded machine the
    // renderer can stay busy for many seconds while reloaded layers draw.
    // The messages are told apart by identity, not counted: an earlier
    // message may go in the same moment as the step's own one comes (at the
    // same address, so they are held by guarded pointers).
    bool stepHistory(bool undo)
    {
        QPointer<TrackWidget> first = _timeline->trackWidgetAt(0);
        QList<QPointer<ProgressHUD>> earlier;
        for (ProgressHUD* message : findChildren<ProgressHUD*>())
            earlier << message;
        undo ? onActionUndoTriggered() : onActionRedoTriggered();
        return waitFor(
            [&] {
                if (first.isNull())
                    return true;
                for (ProgressHUD* message : findChildren<ProgressHUD*>()) {
                    if (!earlier.contains(message))
                        return true;
                }
                return false;
            },
            30000);
    }

    QList<int> loaderMessages;

protected:
    void onProjectLoaderMessage(ProjectLoader* loader, int message, QVariant data) override
    {
        loaderMessages << message;
        TestWindow::onProjectLoaderMessage(loader, message, data);
    }
};

// One segment record of a project file, built with the model's own setters.
struct RecordBuilder {
    explicit RecordBuilder(const QString& type) : attributes(std::make_unique<SegmentAttributes>())
    {
        Segment::setStringAttribute(attributes.get(), QStringLiteral("Type"), type);
    }
    RecordBuilder& set(const char* key, const QString& value)
    {
        Segment::setStringAttribute(attributes.get(), QString::fromLatin1(key), value);
        return *this;
    }
    RecordBuilder& set(const char* key, double value) { return set(key, QString::number(value)); }

    std::unique_ptr<SegmentAttributes> attributes;
};

// Writes "project.xml" with the records and "properties.xml" for a 16:9
// project with the background colour (#AARRGGBB), of the format version.
inline void writeProject(const QString& dir, std::vector<RecordBuilder>& records,
                         const QByteArray& background = "#ff000000", const QByteArray& version = "7")
{
    QFile project(dir + QStringLiteral("/project.xml"));
    ASSERT_TRUE(project.open(QIODevice::WriteOnly));
    QXmlStreamWriter writer(&project);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("Project"));
    for (RecordBuilder& record : records)
        Segment::saveToXml(*record.attributes, writer);
    writer.writeEndElement();
    writer.writeEndDocument();
    project.close();
    QFile properties(dir + QStringLiteral("/properties.xml"));
    ASSERT_TRUE(properties.open(QIODevice::WriteOnly));
    properties.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Properties version=\"" + version
                     + "\" direction=\"1\" resolution=\"1\" frameRate=\"30\" duration=\"0\" backgroundColor=\""
                     + background + "\" segmentMode=\"0\"/>\n");
}
