#include "DesktopMainWindow.h"

#include "AVComposition.h"
#include "EditButtonEditingWidget.h"
#include "EditScrollArea.h"
#include "HelpTipsSeen.h"
#include "IsolatedSettings.h"
#include "ModalDialogAnswerer.h"
#include "OpeningWindow.h"
#include "ProjectTestSupport.h"
#include "SegmentInspectorWidget.h"
#include "TextEditWidget.h"
#include "TextSegment.h"
#include "TransformWidget.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <QTextBlock>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

// The whole desktop window, with what the text editing tests drive and read opened up.
class TextEditingWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    using MainWindow::_actionAddSelfDraw;
    using MainWindow::_actionAddText;
    using MainWindow::_actionEditDrawing;
    using MainWindow::_actionEditText;
    using MainWindow::_canvas;
    using MainWindow::_dismissAllPopupsAndPreview;
    using MainWindow::_editingSegment;
    using MainWindow::_endTextEditing;
    using MainWindow::_saveProject;
    using MainWindow::_textEditor;
    using MainWindow::_transformWidget;
    // The add commands wait while the waiting message is up.
    bool waitingMessageShown() const { return _waitingHUD && _waitingHUD->isVisible(); }

    SegmentInspectorWidget* inspector() const { return _segmentInspectorWidget; }
    EditScrollArea* timeline() const { return _timeline; }
    AVGLWidget* preview() const { return _previewWidget; }
    QWidget* previewContainer() const { return _previewContainer; }
    QWidget* previewArea() const { return _previewArea; }
    QSizeF compositionSize() const { return QSizeF(_composition->width(), _composition->height()); }
    int historySize() const { return _projectManager->history().size(); }

    bool waitUntilLoaded()
    {
        return waitFor(
            [this] {
                if (!_previewWidget || !_previewWidget->isValid() || !_composition
                    || _projectManager->segmentCount() == 0)
                    return false;
                for (int index = 0; index < _projectManager->segmentCount(); ++index) {
                    const Segment* segment = _projectManager->segmentAt(index);
                    if (segment->state() != 4 || !_composition->findSegment(uint32_t(segment->serialNumber())))
                        return false;
                }
                return true;
            },
            60000);
    }

    // Puts the segment's tile into editing, as a click on it does; whether the
    // tile and the transform overlay (for a visual segment) are there.
    bool edit(Segment* segment)
    {
        if (SegmentWidget* current = _timeline->editingSegmentWidget())
            current->setEditing(false, false);
        auto* tile = qobject_cast<SegmentWidget*>(_projectManager->segmentWidgetFor(segment));
        if (!tile)
            return false;
        _timeline->setSelectedSegmentWidget(tile);
        tile->setEditing(true, false);
        return waitFor([&] { return _timeline->editingSegmentWidget() == tile && _transformWidget; }, 5000);
    }

    Segment* segmentWithUId(const QString& uid) const
    {
        const int index = _projectManager->indexOfSegmentUId(uid);
        return index < 0 ? nullptr : _projectManager->segmentAt(index);
    }
};

// Clicks the Edit button of the inspector's shown edit section; false when none is shown.
bool clickEditButton(SegmentInspectorWidget* inspector)
{
    for (EditButtonEditingWidget* section : inspector->findChildren<EditButtonEditingWidget*>()) {
        if (section->isVisibleTo(inspector) && section->editButton()->isEnabled()) {
            QTest::mouseClick(section->editButton(), Qt::LeftButton);
            return true;
        }
    }
    return false;
}

// A caption at scale 1 is edited in a box of the preview's full width and
// half its height, centred on the preview.
void expectCaptionBox(TextEditingWindow& window, const QWidget* editor)
{
    const QRect preview(window.previewContainer()->mapTo(window.previewArea(), QPoint(0, 0)),
                        window.previewContainer()->size());
    EXPECT_LE(std::abs(editor->width() - preview.width()), 2);
    EXPECT_LE(std::abs(editor->height() - preview.height() / 2), 2);
    EXPECT_LE((editor->geometry().center() - preview.center()).manhattanLength(), 3);
}

// The "Text" of the segment with the UId as "project.xml" holds it; null when it is not there.
QString savedText(const QString& projectFile, const QString& uid)
{
    QFile file(projectFile);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("Segment")
            && reader.attributes().value(QLatin1String("UId")) == uid)
            return reader.attributes().value(QLatin1String("Text")).toString();
    }
    return QString();
}

// How many pixels of the preview's middle band (where a centred caption's
// box lies) are dark; the project's background is white.
int darkPixelsInTextBox(AVGLWidget* preview)
{
    const QImage frame = preview->grabFramebuffer();
    int dark = 0;
    for (int y = frame.height() / 4; y < frame.height() * 3 / 4; ++y) {
        for (int x = 0; x < frame.width(); ++x)
            dark += qGray(frame.pixel(x, y)) < 128 ? 1 : 0;
    }
    return dark;
}

// The pixel sizes of the fonts the editor's text is written in.
QSet<int> textPixelSizes(const QTextEdit* editor)
{
    QSet<int> sizes;
    for (QTextBlock block = editor->document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            sizes.insert(fragment.fragment().charFormat().font().pixelSize());
    }
    return sizes;
}

class TextEditing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A help tip in front would turn the presses on the tiles away.
        markHelpTipsSeen();
        dir = product.projectDir(QStringLiteral("TextEditing"));
    }

    bool makePicture(const QString& fileName, const QString& color)
    {
        return QProcess::execute(QStringLiteral("ffmpeg"), {"-v", "error", "-y", "-f", "lavfi", "-i",
                                                            "color=c=" + color + ":s=320x180", "-frames:v", "1",
                                                            dir + "/" + fileName})
            == 0;
    }

    IsolatedSettings settings;
    TemporaryProduct product;
    QString dir;
};

} // namespace

// One window session: the caption is edited in place from the window's action
// and from the inspector, stored once on Done; a picture is replaced from the
// inspector; a new caption and a new drawing enter their edit modes by
// themselves, and the window's Edit Drawing opens the drawing's canvas.
TEST_F(TextEditing, CaptionIsEditedInPlaceStoredOnDoneAndNewSegmentsOpenTheirEditors)
{
    ASSERT_TRUE(makePicture(QStringLiteral("red.png"), QStringLiteral("red")));
    ASSERT_TRUE(makePicture(QStringLiteral("blue.png"), QStringLiteral("blue")));
    std::vector<RecordBuilder> records;
    // Black text, empty at first; the picture comes later, so the caption's box shows the white background.
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "").set("Color", "#ff000000")
                                    .set("TrackId", 4).set("RangeStart", 0).set("RangeDuration", 4)));
    records.push_back(std::move(RecordBuilder("IMAGE").set("UId", "photo").set("File", "red.png").set("TrackId", 1)
                                    .set("RangeStart", 5).set("RangeDuration", 2)));
    writeProject(dir, records, "#ffffffff");
    auto window = std::make_unique<TextEditingWindow>(QStringLiteral("TextEditing"), QString());
    ASSERT_FALSE(window->isOpenFailed());
    window->resize(1600, 900);
    window->show();
    if (!window->waitUntilLoaded())
        GTEST_SKIP() << "no OpenGL context, or the media did not load";
    auto* caption = dynamic_cast<TextSegment*>(window->segmentWithUId(QStringLiteral("caption")));
    ASSERT_NE(caption, nullptr);
    ASSERT_TRUE(window->edit(caption));
    window->engine()->requestRedraw();
    ASSERT_TRUE(waitFor([&] { return darkPixelsInTextBox(window->preview()) == 0; }, 5000))
        << "the empty caption should leave the white background alone";
    const int historyBefore = window->historySize();

    {
        SCOPED_TRACE("the window's Edit Text action, left with Escape");
        window->_actionEditText->trigger();
        TextEditWidget* editor = window->_textEditor;
        ASSERT_NE(editor, nullptr);
        EXPECT_TRUE(editor->isVisible());
        EXPECT_FALSE(editor->acceptRichText());
        EXPECT_EQ(editor->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        expectCaptionBox(*window, editor);
        // Black text is edited on light grey, where it can be read.
        EXPECT_TRUE(editor->styleSheet().contains(QLatin1String("color:#000000")));
        EXPECT_EQ(editor->grab().toImage().pixelColor(3, 3), QColor(230, 230, 230));
        // The transform overlay goes while the editor is open, and a second begin changes nothing.
        EXPECT_TRUE(waitFor([&] { return !window->_transformWidget || !window->_transformWidget->isVisible(); },
                            5000));
        window->_actionEditText->trigger();
        EXPECT_EQ(window->_textEditor, editor);
        QTest::keyClicks(editor, QStringLiteral("Gone"));
        EXPECT_TRUE(window->_dismissAllPopupsAndPreview());
        EXPECT_TRUE(window->_textEditor.isNull());
        EXPECT_EQ(caption->text(), QString());
        EXPECT_EQ(window->historySize(), historyBefore);
    }

    {
        SCOPED_TRACE("the inspector's Edit button: typing keeps the format, a paste takes the caption's style");
        // Without the overlay on screen the editor takes the box from the caption's own placement.
        if (window->_transformWidget)
            window->_transformWidget->hide();
        ASSERT_TRUE(clickEditButton(window->inspector()));
        TextEditWidget* editor = window->_textEditor;
        ASSERT_NE(editor, nullptr);
        expectCaptionBox(*window, editor);
        const QSizeF composition = window->compositionSize();
        const int styled = int(caption->fontSize(composition) * window->previewContainer()->width()
                               / composition.width());
        ASSERT_GT(styled, 3);
        QTest::keyClicks(editor, QStringLiteral("Hel"));
        EXPECT_EQ(textPixelSizes(editor), QSet<int>{styled});
        // A foreign format over the whole text: typing must leave it alone.
        editor->selectAll();
        QFont tiny = editor->currentFont();
        tiny.setPixelSize(3);
        editor->setCurrentFont(tiny);
        editor->moveCursor(QTextCursor::End);
        QTest::keyClick(editor, Qt::Key_L);
        EXPECT_EQ(textPixelSizes(editor), QSet<int>{3});
        QApplication::clipboard()->setText(QStringLiteral("o"));
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(editor->toPlainText(), QStringLiteral("Hello"));
        EXPECT_EQ(textPixelSizes(editor), QSet<int>{styled});
        EXPECT_FALSE(editor->isPasted());
        // The cursor stays after the pasted text.
        EXPECT_EQ(editor->textCursor().position(), 5);
        EXPECT_FALSE(editor->textCursor().hasSelection());
        EXPECT_EQ(editor->alignment(), Qt::AlignHCenter);
        // A new alignment from the inspector restyles the whole text at once, the cursor kept.
        editor->selectAll();
        editor->setCurrentFont(tiny);
        editor->moveCursor(QTextCursor::End);
        QTest::keyClick(editor, Qt::Key_Left);
        emit window->inspector()->segmentInspectorWidgetSetTextAlignment(window->inspector(), 2);
        EXPECT_EQ(editor->document()->firstBlock().blockFormat().alignment(), Qt::AlignRight);
        EXPECT_EQ(textPixelSizes(editor), QSet<int>{styled});
        EXPECT_EQ(editor->textCursor().position(), 4);
        EXPECT_FALSE(editor->textCursor().hasSelection());
        QTest::keyClick(editor, Qt::Key_End);
    }

    {
        SCOPED_TRACE("the inspector's Done stores the text with one undo step");
        const int historyBeforeDone = window->historySize();
        emit window->inspector()->segmentInspectorWidgetDoneAction(window->inspector());
        EXPECT_TRUE(window->_textEditor.isNull());
        EXPECT_EQ(caption->text(), QStringLiteral("Hello"));
        EXPECT_EQ(window->historySize(), historyBeforeDone + 1);
        window->_saveProject();
        EXPECT_EQ(savedText(dir + QStringLiteral("/project.xml"), QStringLiteral("caption")), QStringLiteral("Hello"));
        EXPECT_TRUE(waitFor([&] {
            window->engine()->requestRedraw();
            return darkPixelsInTextBox(window->preview()) > 20;
        }, 5000)) << "the preview should draw the black text in the caption's box";

        // Done on an unchanged text records nothing.
        ASSERT_TRUE(clickEditButton(window->inspector()));
        ASSERT_NE(window->_textEditor, nullptr);
        EXPECT_EQ(window->_textEditor->toPlainText(), QStringLiteral("Hello"));
        const int historyUnchanged = window->historySize();
        emit window->inspector()->segmentInspectorWidgetDoneAction(window->inspector());
        EXPECT_TRUE(window->_textEditor.isNull());
        EXPECT_EQ(window->historySize(), historyUnchanged);
        EXPECT_EQ(caption->text(), QStringLiteral("Hello"));
    }

    {
        SCOPED_TRACE("the inspector's picture button replaces the edited picture");
        Segment* photo = window->segmentWithUId(QStringLiteral("photo"));
        ASSERT_NE(photo, nullptr);
        ASSERT_TRUE(window->edit(photo));
        ModalDialogAnswerer answerer(ModalDialogAnswerer::chooseFile(dir + QStringLiteral("/blue.png")));
        ASSERT_TRUE(clickEditButton(window->inspector()));
        EXPECT_TRUE(answerer.answered());
        EXPECT_EQ(photo->fileDisplayName(), QStringLiteral("blue.png"));
        // Asked of a caption, the picture button opens nothing.
        ASSERT_TRUE(window->edit(caption));
        ModalDialogAnswerer unexpected(ModalDialogAnswerer::reject(), 300);
        emit window->inspector()->segmentInspectorWidgetEditPicture(window->inspector(), nullptr);
        EXPECT_FALSE(unexpected.answered());
    }

    {
        SCOPED_TRACE("a new caption enters text editing by itself");
        window->timeline()->editingSegmentWidget()->setEditing(false, false);
        ASSERT_TRUE(
            waitFor([&] { return window->_actionAddText->isEnabled() && !window->waitingMessageShown(); }, 5000));
        window->_actionAddText->trigger();
        EXPECT_TRUE(window->_textEditor.isNull()) << "the editor opens a moment later, not at once";
        ASSERT_TRUE(waitFor([&] { return !window->_textEditor.isNull(); }, 3000));
        Segment* added = window->_editingSegment();
        ASSERT_NE(added, nullptr);
        EXPECT_EQ(added->type(), QStringLiteral("TEXT"));
        EXPECT_NE(added, caption);
        EXPECT_TRUE(window->_textEditor->toPlainText().isEmpty());
        EXPECT_TRUE(window->_textEditor->isVisible());
        expectCaptionBox(*window, window->_textEditor);
        QTest::keyClicks(window->_textEditor, QStringLiteral("New"));
        emit window->inspector()->segmentInspectorWidgetDoneAction(window->inspector());
        EXPECT_TRUE(window->_textEditor.isNull());
        EXPECT_EQ(dynamic_cast<TextSegment*>(added)->text(), QStringLiteral("New"));
        EXPECT_EQ(caption->text(), QStringLiteral("Hello"));
    }

    {
        SCOPED_TRACE("a new drawing opens its canvas by itself, and Edit Drawing opens it again");
        window->_endTextEditing(false);
        window->timeline()->editingSegmentWidget()->setEditing(false, false);
        ASSERT_TRUE(
            waitFor([&] { return window->_actionAddSelfDraw->isEnabled() && !window->waitingMessageShown(); }, 5000));
        window->_actionAddSelfDraw->trigger();
        EXPECT_TRUE(window->_canvas.isNull());
        ASSERT_TRUE(waitFor([&] { return !window->_canvas.isNull(); }, 3000));
        Segment* drawing = window->_editingSegment();
        ASSERT_NE(drawing, nullptr);
        EXPECT_EQ(drawing->type(), QStringLiteral("DRAWING"));
        EXPECT_TRUE(window->_textEditor.isNull());
        EXPECT_TRUE(window->_dismissAllPopupsAndPreview());
        ASSERT_TRUE(window->_canvas.isNull());
        ASSERT_TRUE(waitFor([&] { return window->_transformWidget && window->_transformWidget->isVisible(); }, 3000));
        window->_actionEditDrawing->trigger();
        EXPECT_FALSE(window->_canvas.isNull());
        EXPECT_TRUE(window->_textEditor.isNull());
        EXPECT_TRUE(window->_dismissAllPopupsAndPreview());
    }
}

namespace {

// Drags the splitter's first handle by the offset, as a press, move and release on it do.
void dragSplitterHandle(QSplitter* splitter, const QPoint& offset)
{
    QSplitterHandle* handle = splitter->handle(1);
    const QPoint start = handle->rect().center();
    const auto send = [&](QEvent::Type type, const QPoint& at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, handle->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(handle, &event);
    };
    send(QEvent::MouseButtonPress, start, Qt::LeftButton);
    send(QEvent::MouseMove, start + offset, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, start + offset, Qt::NoButton);
}

} // namespace

// While a caption is typed in place, resizing the window or dragging a
// splitter keeps the editor on the caption's box, its text at the preview's
// scale, and what was typed.
TEST_F(TextEditing, InlineEditorFollowsWindowAndSplitterResizes)
{
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 4)));
    writeProject(dir, records);
    auto window = std::make_unique<TextEditingWindow>(QStringLiteral("TextEditing"), QString());
    ASSERT_FALSE(window->isOpenFailed());
    window->resize(1600, 900);
    window->show();
    if (!window->waitUntilLoaded())
        GTEST_SKIP() << "no OpenGL context, or the media did not load";
    auto* caption = dynamic_cast<TextSegment*>(window->segmentWithUId(QStringLiteral("caption")));
    ASSERT_NE(caption, nullptr);
    ASSERT_TRUE(window->edit(caption));
    ASSERT_TRUE(clickEditButton(window->inspector()));
    TextEditWidget* editor = window->_textEditor;
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("Hi"));
    const auto styledSize = [&] {
        const QSizeF composition = window->compositionSize();
        return int(caption->fontSize(composition) * window->previewContainer()->width() / composition.width());
    };

    QSize before = window->previewContainer()->size();
    window->resize(1100, 650);
    ASSERT_TRUE(waitFor([&] { return window->previewContainer()->size() != before; }, 3000));
    QCoreApplication::processEvents();
    expectCaptionBox(*window, editor);
    EXPECT_EQ(textPixelSizes(editor), QSet<int>{styledSize()});

    before = window->previewContainer()->size();
    auto* splitter = window->findChild<QSplitter*>(QStringLiteral("rootAreaSplitter"));
    ASSERT_NE(splitter, nullptr);
    dragSplitterHandle(splitter, splitter->orientation() == Qt::Vertical ? QPoint(0, -120) : QPoint(-120, 0));
    ASSERT_TRUE(waitFor([&] { return window->previewContainer()->size() != before; }, 3000));
    QCoreApplication::processEvents();
    expectCaptionBox(*window, editor);
    EXPECT_EQ(textPixelSizes(editor), QSet<int>{styledSize()});
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("Hi"));
    EXPECT_EQ(window->_textEditor, editor);
}
