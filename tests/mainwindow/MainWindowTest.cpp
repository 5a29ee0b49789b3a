#include "TestWindow.h"

#include "AVExporter.h"
#include "ProjectManager.h"
#include "ProjectTestSupport.h"

#include <QAction>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString kName = QStringLiteral("Trip");

QStringList capturedWarnings;

void captureWarning(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtWarningMsg)
        capturedWarnings << text;
}

struct CopyResult {
    bool success = false;
    int64_t copied = 0;
};

CopyResult copyOnThread(const QString& source, const QString& destination)
{
    std::atomic<int64_t> copied{0};
    std::atomic<bool> success{false};
    std::atomic<bool> running{true};
    const int output =
        ::open(QFile::encodeName(destination).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    EXPECT_GE(output, 0) << "cannot open " << qPrintable(destination);
    QThread* thread =
        QThread::create(&MainWindow::_copyFileChunked, source, destination, output, &copied, &success, &running);
    thread->start();
    const bool ended = thread->wait(20000);
    EXPECT_TRUE(ended) << "the copy never ended";
    EXPECT_FALSE(running.load());
    if (ended)
        delete thread;
    ::close(output);
    return {success.load(), copied.load()};
}

QAction* actionWithShortcut(const QWidget& window, const QKeySequence& shortcut)
{
    for (QAction* action : window.actions()) {
        if (action->shortcut() == shortcut)
            return action;
    }
    return nullptr;
}

} // namespace

TEST(MainWindowActions, TableTextsShortcutsAndStates)
{
    TemporaryProduct product;
    MainWindow window(kName, QString());
    const QList<QAction*> all = window.findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(all.size(), 30);
    QStringList texts;
    for (QAction* action : all)
        texts << action->text();
    EXPECT_EQ(texts.first(), QStringLiteral("Maintain aspect ratio"));
    EXPECT_TRUE(texts.contains(QStringLiteral("Toggle Insert/Overwite Mode")));
    EXPECT_EQ(texts.last(), QStringLiteral("Configuration..."));
    // The six transform-view actions and "Add Transition" are not the window's.
    EXPECT_EQ(window.actions().size(), 23);
    for (int index = 0; index < 6; ++index) {
        EXPECT_TRUE(all[index]->shortcut().isEmpty()) << index;
        EXPECT_FALSE(window.actions().contains(all[index])) << index;
    }
    EXPECT_EQ(actionWithShortcut(window, QKeySequence::Undo)->text(), QStringLiteral("Undo"));
    EXPECT_EQ(actionWithShortcut(window, QKeySequence(QStringLiteral("Alt+I")))->text(),
              QStringLiteral("Toggle Insert/Overwite Mode"));
    // The segment group's and the transition group's "Edit Transition".
    QAction* segmentGroup = actionWithShortcut(window, QKeySequence(QStringLiteral("Ctrl+Shift+E")));
    QAction* transitionGroup = actionWithShortcut(window, QKeySequence(QStringLiteral("Ctrl+T")));
    ASSERT_TRUE(segmentGroup && transitionGroup);
    EXPECT_NE(segmentGroup, transitionGroup);
    EXPECT_EQ(segmentGroup->text(), QStringLiteral("Edit Transition"));
    EXPECT_EQ(transitionGroup->text(), QStringLiteral("Edit Transition"));
    EXPECT_EQ(all.last()->menuRole(), QAction::NoRole);
}

TEST(MainWindowActions, EditingShortcutsDoNothingAfterConstruction)
{
    TemporaryProduct product;
    MainWindow window(kName, QString());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    const QList<QKeySequence> keys{QKeySequence(QStringLiteral("Ctrl+T")), QKeySequence(QStringLiteral("Ctrl+E")),
                                   QKeySequence(QStringLiteral("Ctrl+D")),
                                   QKeySequence(QStringLiteral("Ctrl+Shift+D")),
                                   QKeySequence(QStringLiteral("Ctrl+L"))};
    for (const QKeySequence& key : keys) {
        QAction* action = actionWithShortcut(window, key);
        ASSERT_NE(action, nullptr) << key.toString().toStdString();
        EXPECT_FALSE(action->isEnabled());
        QSignalSpy triggered(action, &QAction::triggered);
        QTest::keySequence(&window, key);
        EXPECT_EQ(triggered.count(), 0) << key.toString().toStdString();
    }
    // An enabled one goes through the same way, so the check above is a real one.
    QAction* fullscreen = actionWithShortcut(window, QKeySequence(QStringLiteral("Ctrl+Shift+H")));
    QSignalSpy triggered(fullscreen, &QAction::triggered);
    QTest::keySequence(&window, fullscreen->shortcut());
    EXPECT_EQ(triggered.count(), 1);
}

TEST(MainWindowCopy, CopiesWholeFilesAndEndsOnShortOrFailingOnes)
{
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty.bin"));
    writeFile(empty, QByteArray());
    CopyResult result = copyOnThread(empty, dir.filePath(QStringLiteral("empty copy.bin")));
    EXPECT_TRUE(result.success);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("empty copy.bin"))));

    QByteArray large(5 * 1024 * 1024, Qt::Uninitialized);
    for (int index = 0; index < large.size(); ++index)
        large[index] = char((index * 31 + index / 7919) & 0xff);
    const QString source = dir.filePath(QStringLiteral("large.bin"));
    writeFile(source, large);
    result = copyOnThread(source, dir.filePath(QStringLiteral("large copy.bin")));
    EXPECT_TRUE(result.success);
    EXPECT_EQ(result.copied, large.size());
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("large copy.bin"))), large);

    if (QFile::exists(QStringLiteral("/dev/full"))) {
        capturedWarnings.clear();
        QtMessageHandler previous = qInstallMessageHandler(captureWarning);
        result = copyOnThread(source, QStringLiteral("/dev/full"));
        qInstallMessageHandler(previous);
        EXPECT_FALSE(result.success);
        ASSERT_EQ(capturedWarnings.size(), 1);
        EXPECT_TRUE(capturedWarnings.first().startsWith(QStringLiteral("failed to write to full (error:")))
            << capturedWarnings.first().toStdString();
    }
    // This file announces a page but yields a few bytes.
    const QString shortFile = QStringLiteral("/sys/devices/system/cpu/online");
    if (QFileInfo(shortFile).size() > readFile(shortFile).size()) {
        result = copyOnThread(shortFile, dir.filePath(QStringLiteral("online")));
        EXPECT_FALSE(result.success);
    }
}

TEST(MainWindowRelay, EngineReportsBecomeTheirSignals)
{
    TemporaryProduct product;
    MainWindow window(kName, QString());
    QSignalSpy finished(&window, &MainWindow::avexporterFinished);
    QSignalSpy progress(&window, &MainWindow::avexporterProgressChanged);
    QSignalSpy remaining(&window, &MainWindow::avexporterRemainingTimeChanged);
    MainWindow::AVExporterCallback(nullptr, AVExporter_Msg_Finished, 0.0, &window);
    MainWindow::AVExporterCallback(nullptr, AVExporter_Msg_Progress, 0.25, &window);
    MainWindow::AVExporterCallback(nullptr, AVExporter_Msg_RemainingTime, 12.5, &window);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.first().first().toInt(), 0);
    ASSERT_EQ(progress.count(), 1);
    EXPECT_FLOAT_EQ(progress.first().first().toFloat(), 0.25f);
    ASSERT_EQ(remaining.count(), 1);
    EXPECT_DOUBLE_EQ(remaining.first().first().toDouble(), 12.5);

    // A frame of a renderer without a composition has no duration to report.
    AVRender render(nullptr, 64, 36);
    QSignalSpy rendered(&window, &MainWindow::avrenderProgressChanged);
    QSignalSpy status(&window, &MainWindow::avrenderStatusChanged);
    MainWindow::AVRenderCallback(&render, AVRender::StateFrameDrawn, 1.0, &window);
    EXPECT_EQ(rendered.count(), 0);
    AVComposition composition(64, 36, AVEngine::kSampleRate, AVEngine::kChannelCount, nullptr);
    render.setComposition(&composition);
    MainWindow::AVRenderCallback(&render, AVRender::StateFrameDrawn, 1.0, &window);
    EXPECT_EQ(rendered.count(), 1);
    render.setComposition(nullptr);
    MainWindow::AVRenderCallback(&render, AVRender::StateEnded, 0.0, &window);
    ASSERT_EQ(status.count(), 1);
    EXPECT_EQ(status.first().first().toInt(), int(AVRender::StateEnded));

    QSignalSpy thumbnails(&window, &MainWindow::avsegmentLoadStatusUpdated);
    MainWindow::AVSegmentThumbnailStatusCallback(7, &window);
    ASSERT_EQ(thumbnails.count(), 1);
    EXPECT_EQ(thumbnails.first(), (QList<QVariant>{7, 0, 1, 0}));
}
