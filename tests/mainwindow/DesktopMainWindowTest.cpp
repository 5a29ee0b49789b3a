#include "DesktopMainWindow.h"

#include "HelpTipsSeen.h"
#include "IsolatedSettings.h"
#include "MediaExplorerHelpTipWidget.h"
#include "MediaLibraryClicks.h"
#include "MediaPreviewWidget.h"
#include "ModalDialogAnswerer.h"
#include "MultiLanguage.h"
#include "OpeningWindow.h"
#include "ProgressHUD.h"
#include "PointerWidget.h"
#include "PopupMainWidget.h"
#include "ProjectTestSupport.h"
#include "SegmentOperationDoubleTapTipWidget.h"
#include "SegmentOperationPressAndDragTipWidget.h"
#include "TipManager.h"
#include "Util.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <cstdlib>

#include <gtest/gtest.h>

namespace {

const QString kExample = QStringLiteral("5-4-3-2-1-0");
const QString kExamples = QStringLiteral("Examples");

// The desktop window with its protected state opened to the tests.
class DesktopWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;

    ProgressHUD* waitingHUD() const { return _waitingHUD; }
    int previewSizeLevel() const { return _previewSizeLevel; }
    float previewScale() const { return _previewScale; }
    AVGLWidget* preview() const { return _previewWidget; }
    PointerWidget* pointer() const { return _pointer; }
    float playTime() const { return _currentScrollTime(); }

    template <typename T>
    T* part(const char* name) const
    {
        return findChild<T*>(QString::fromLatin1(name));
    }
    QWidget* widget(const char* name) const { return part<QWidget>(name); }
    QSplitter* splitter(const char* name) const { return part<QSplitter>(name); }
    QPushButton* button(const char* name) const { return part<QPushButton>(name); }

    // Shows the window at a size the screen holds and waits for its layout.
    bool showLaidOut(const QSize& size)
    {
        resize(size);
        show();
        return QTest::qWaitForWindowExposed(this);
    }
    bool waitUntilOpen()
    {
        return waitFor([this] { return _previewWidget && _previewWidget->isValid() && !_waitingHUD; }, 60000);
    }
};

// The first size of a splitter against the whole of both, within the
// rounding a splitter does when it shares out its room.
void expectShare(QSplitter* splitter, int numerator, int denominator)
{
    const QList<int> sizes = splitter->sizes();
    ASSERT_EQ(sizes.size(), 2);
    const int total = sizes[0] + sizes[1];
    EXPECT_NEAR(sizes[0], total * numerator / denominator, 2) << sizes[0] << " of " << total;
}

// Picks the entry with the text from the next menu that pops up, by the keyboard.
void chooseFromNextMenu(const QString& text)
{
    QTimer::singleShot(50, [text] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            if (action->text() == text) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
        menu->close();
    });
}

// The help tip on screen when it is of the kind, else null.
template <class Tip>
Tip* shownTip()
{
    if (!TipManager::hasInstance())
        return nullptr;
    auto* tip = qobject_cast<Tip*>(TipManager::instance()->currentTip());
    return tip && tip->panel() && tip->panel()->isVisible() ? tip : nullptr;
}

// Where the tip's balloon points, in the window's coordinates.
QPoint tipArrowIn(QWidget* window, CommonPopupHelpTipWidget* tip)
{
    return tip->panel()->mapTo(window, tip->panel()->arrowPoint());
}

class DesktopMainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(ProjectManager::copyExampleProjects()); }

    // Layout values stored for the example as a previous session left them.
    void storeLayout(const std::function<void(ProjectManager&)>& fill)
    {
        ProjectManager manager;
        manager.setProjectName(kExample);
        manager.setProjectFolder(kExamples);
        fill(manager);
        ASSERT_EQ(manager.saveLayout(), 0);
    }

    IsolatedSettings settings;
    TemporaryProduct product;
};

} // namespace

TEST_F(DesktopMainWindowTest, TheExampleOpensInTheFormAndIsFoundAsTheEditorWindow)
{
    DesktopWindow window(kExample, kExamples);
    ASSERT_FALSE(window.isOpenFailed());
    EXPECT_EQ(window.objectName(), QStringLiteral("DesktopMainWindow"));
    EXPECT_EQ(window.windowTitle(), kExample);
    ASSERT_TRUE(window.showLaidOut(QSize(1600, 900)));
    EXPECT_EQ(Util::mainWindow(), window.centralWidget());
    EXPECT_TRUE(window.statusBar()->isHidden());
    for (const char* name : {"previewScaleButton", "previewQualityButton", "fullscreenButton", "previousPosButton",
                             "playPauseButton", "nextPosButton", "undoButton", "projectSettingsButton", "shareButton",
                             "hideInspectorAreaButton"})
        EXPECT_NE(window.button(name), nullptr) << name;
    if (!waitFor([&] { return window.preview() != nullptr; }, 5000) || !window.preview()->isValid())
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(window.waitUntilOpen());
    EXPECT_GT(window.projectManager()->segmentCount(), 0);
    // The preview surface sits in the playback area, laid out inside the preview area.
    QWidget* playback = window.widget("playbackWidget");
    EXPECT_EQ(window.preview()->parentWidget(), playback);
    EXPECT_TRUE(window.widget("previewAreaWidget")->rect().contains(playback->geometry()));
    EXPECT_GT(playback->width(), 231);

    QTest::qWait(500);
    const QImage shot = window.grab().toImage();
    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    const QString path = QStringLiteral(VIDORNA_ARTEFACT_DIR "/desktop-main-window.png");
    ASSERT_TRUE(shot.save(path));
    const QImage saved(path);
    EXPECT_EQ(saved.size(), window.size() * window.devicePixelRatio());
    // The control bar's play button is drawn over the preview area's colour.
    const QPoint play = window.button("playPauseButton")->mapTo(&window, window.button("playPauseButton")->rect().center());
    EXPECT_NE(saved.pixel(play), qRgb(31, 32, 35));
}

TEST_F(DesktopMainWindowTest, WithoutAStoredLayoutTheAreasTakeTheirDefaultShares)
{
    DesktopWindow window(kExample, kExamples);
    ASSERT_TRUE(window.showLaidOut(QSize(1800, 1000)));
    EXPECT_EQ(window.splitter("mainSplitter")->sizes().value(1), 0);
    expectShare(window.splitter("topAreaSplitter"), 2, 5);
    expectShare(window.splitter("rootAreaSplitter"), 1, 2);
    EXPECT_EQ(window.button("previewQualityButton")->text(), QStringLiteral("540p"));
    EXPECT_EQ(window.previewSizeLevel(), 1);
    // The media library is built in the open media area.
    EXPECT_FALSE(window.widget("mediaAreaWidget")->findChildren<QWidget*>().isEmpty());
}

TEST_F(DesktopMainWindowTest, AStoredHiddenMediaAreaStaysShutWhateverItsSize)
{
    storeLayout([](ProjectManager& manager) {
        manager.setMediaAreaSize(600);
        manager.setMediaAreaHidden(true);
        manager.setPreviewQuality(3);
    });
    DesktopWindow window(kExample, kExamples);
    ASSERT_TRUE(window.showLaidOut(QSize(1800, 1000)));
    EXPECT_EQ(window.splitter("topAreaSplitter")->sizes().value(0), 0);
    EXPECT_TRUE(window.widget("mediaAreaWidget")->findChildren<QWidget*>().isEmpty());
    EXPECT_EQ(window.button("previewQualityButton")->text(), QStringLiteral("1080p"));
    EXPECT_EQ(window.previewSizeLevel(), 3);
}

TEST_F(DesktopMainWindowTest, StoredSizesBelowTheMinimumsAreRaised)
{
    storeLayout([](ProjectManager& manager) {
        manager.setMediaAreaSize(100);
        manager.setPreviewAreaSize(50);
        manager.setPreviewQuality(-1);
    });
    DesktopWindow window(kExample, kExamples);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_TRUE(window.showLaidOut(screen.size()));
    // Shared out in the proportions of 350 and 200 against the screen.
    const QList<int> top = window.splitter("topAreaSplitter")->sizes();
    EXPECT_NEAR(double(top[0]) / (top[0] + top[1]), 350.0 / screen.width(), 0.01);
    const QList<int> root = window.splitter("rootAreaSplitter")->sizes();
    EXPECT_NEAR(double(root[0]) / (root[0] + root[1]), 200.0 / screen.height(), 0.01);
    EXPECT_EQ(window.button("previewQualityButton")->text(), QStringLiteral("540p"));
    EXPECT_EQ(window.previewSizeLevel(), 1);
}

TEST_F(DesktopMainWindowTest, ANarrowPreviewDropsTheMenusThenThePositionButtons)
{
    DesktopWindow window(kExample, kExamples);
    ASSERT_TRUE(window.showLaidOut(QSize(1600, 900)));
    QWidget* previewArea = window.widget("previewAreaWidget");
    const auto shown = [&window](const char* name) { return !window.button(name)->isHidden(); };
    previewArea->resize(499, previewArea->height());
    EXPECT_FALSE(shown("previewScaleButton"));
    EXPECT_FALSE(shown("previewQualityButton"));
    EXPECT_TRUE(shown("previousPosButton"));
    EXPECT_TRUE(shown("nextPosButton"));
    previewArea->resize(299, previewArea->height());
    EXPECT_FALSE(shown("previewScaleButton"));
    EXPECT_FALSE(shown("previousPosButton"));
    EXPECT_FALSE(shown("nextPosButton"));
    EXPECT_TRUE(shown("playPauseButton"));
    previewArea->resize(500, previewArea->height());
    EXPECT_TRUE(shown("previewScaleButton"));
    EXPECT_TRUE(shown("previewQualityButton"));
    EXPECT_TRUE(shown("previousPosButton"));
    EXPECT_TRUE(shown("nextPosButton"));
}

TEST_F(DesktopMainWindowTest, ThePreviewMenusSetResolutionAndScale)
{
    DesktopWindow window(kExample, kExamples);
    ASSERT_TRUE(window.showLaidOut(QSize(1600, 900)));
    if (!window.waitUntilOpen())
        GTEST_SKIP() << "no OpenGL context for the preview";
    // The menu bar's menus are the window's children too.
    const int menuBarMenus = window.findChildren<QMenu*>().size();
    chooseFromNextMenu(QStringLiteral("720p"));
    QTest::mouseClick(window.button("previewQualityButton"), Qt::LeftButton);
    EXPECT_EQ(window.previewSizeLevel(), 2);
    EXPECT_EQ(window.button("previewQualityButton")->text(), QStringLiteral("720p"));
    // Closing the menu without a choice changes nothing.
    chooseFromNextMenu(QString());
    QTest::mouseClick(window.button("previewQualityButton"), Qt::LeftButton);
    EXPECT_EQ(window.previewSizeLevel(), 2);
    EXPECT_EQ(window.findChildren<QMenu*>().size(), menuBarMenus);

    QWidget* playback = window.widget("playbackWidget");
    const int fullWidth = playback->width();
    chooseFromNextMenu(QStringLiteral("50%"));
    QTest::mouseClick(window.button("previewScaleButton"), Qt::LeftButton);
    EXPECT_FLOAT_EQ(window.previewScale(), 0.5f);
    EXPECT_EQ(window.button("previewScaleButton")->text(), QStringLiteral("50%"));
    EXPECT_NEAR(playback->width(), fullWidth / 2, 2);
}

// A project whose properties cannot be read reports it and leaves; the
// caller sees the failure at once and the folder is left as it was.
TEST_F(DesktopMainWindowTest, AProjectThatCannotOpenIsReportedAndTheWindowGoes)
{
    const QString properties = ProjectManager::propertiesXmlPath(kExample, kExamples);
    writeFile(properties, "<Properties version=");
    QString title;
    ModalDialogAnswerer answerer([&title](QWidget* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            title = box->windowTitle();
            box->accept();
        }
    });
    QPointer<DesktopWindow> window = new DesktopWindow(kExample, kExamples);
    EXPECT_TRUE(answerer.answered());
    EXPECT_EQ(title, QStringLiteral("Open Project Failed"));
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isOpenFailed());
    EXPECT_FALSE(window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(readFile(properties), QByteArray("<Properties version="));
}

namespace {

// Presses the left button at the start, moves to the end with it held and
// lets it go there, as a user drags (points in the target's coordinates).
void drag(QWidget* target, const QPoint& start, const QPoint& end)
{
    QMouseEvent press(QEvent::MouseButtonPress, start, target->mapToGlobal(start), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent move(QEvent::MouseMove, end, target->mapToGlobal(end), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, end, target->mapToGlobal(end), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

// Drags a splitter's handle by the distance.
void dragHandle(QSplitter* splitter, int index, int distance)
{
    QSplitterHandle* handle = splitter->handle(index);
    const QPoint start = handle->rect().center();
    drag(handle, start,
         start + (splitter->orientation() == Qt::Horizontal ? QPoint(distance, 0) : QPoint(0, distance)));
}

} // namespace

// Dragging a shut media area open builds its library there; the inspector
// area's button shuts it again.
TEST_F(DesktopMainWindowTest, DraggingTheAreasOpenAndTheHideButton)
{
    storeLayout([](ProjectManager& manager) { manager.setMediaAreaHidden(true); });
    DesktopWindow window(kExample, kExamples);
    ASSERT_TRUE(window.showLaidOut(QSize(1800, 1000)));
    QWidget* mediaArea = window.widget("mediaAreaWidget");
    ASSERT_TRUE(mediaArea->findChildren<QWidget*>().isEmpty());
    dragHandle(window.splitter("topAreaSplitter"), 1, 500);
    EXPECT_GT(window.splitter("topAreaSplitter")->sizes().value(0), 0);
    EXPECT_FALSE(mediaArea->findChildren<QWidget*>().isEmpty());

    QSplitter* mainSplitter = window.splitter("mainSplitter");
    dragHandle(mainSplitter, 1, -400);
    ASSERT_GT(mainSplitter->sizes().value(1), 0);
    QTest::mouseClick(window.button("hideInspectorAreaButton"), Qt::LeftButton);
    EXPECT_EQ(mainSplitter->sizes().value(1), 0);
}

// Whether the button shows its whole text: along its middle line no ink of
// the text reaches the button's sides, where a cut word would end.
bool showsWholeText(QPushButton* button)
{
    const QImage picture = button->grab().toImage();
    const int y = picture.height() / 2;
    int firstInk = -1;
    int lastInk = -1;
    for (int x = 0; x < picture.width(); ++x) {
        if (qGray(picture.pixel(x, y)) < 128) {
            firstInk = firstInk < 0 ? x : firstInk;
            lastInk = x;
        }
    }
    return firstInk >= 3 && lastInk <= picture.width() - 4;
}

// The inspector area's Hide button in every language the window opens in.
TEST_F(DesktopMainWindowTest, TheHideButtonHoldsItsWordInEveryLanguage)
{
    MultiLanguage language;
    for (const QString code : {"en_US", "de_DE", "fr_FR", "es_ES", "it_IT", "pt_BR", "ru_RU", "ja_JP", "ko_KR",
                               "zh_CN", "zh_TW"}) {
        language.switchLanguage(code);
        DesktopWindow window(kExample, kExamples);
        ASSERT_FALSE(window.isOpenFailed());
        QPushButton* hide = window.button("hideInspectorAreaButton");
        EXPECT_EQ(hide->text(), QCoreApplication::translate("DesktopMainWindow", "Hide"));
        EXPECT_TRUE(showsWholeText(hide)) << qPrintable(code) << ": " << qPrintable(hide->text()) << " in "
                                          << hide->width() << " px";
        EXPECT_GE(hide->width(), 64);
        EXPECT_EQ(hide->height(), 30);
    }
    language.switchLanguage("en_US");
}

namespace {

const QString kEmpty = QStringLiteral("Empty");

} // namespace

TEST_F(DesktopMainWindowTest, AnEmptyProjectPointsAtTheMediaLibraryOnceOpen)
{
    std::vector<RecordBuilder> none;
    writeProject(product.projectDir(kEmpty), none);
    DesktopWindow window(kEmpty, QString());
    ASSERT_TRUE(window.showLaidOut(QSize(1600, 900)));
    if (!waitFor([&] { return window.preview() != nullptr; }, 5000) || !window.preview()->isValid())
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(window.waitUntilOpen());
    ASSERT_TRUE(waitFor([] { return shownTip<MediaExplorerHelpTipWidget>() != nullptr; }, 10000));
    auto* tip = shownTip<MediaExplorerHelpTipWidget>();
    EXPECT_EQ(tip->parentWidget(), window.centralWidget());
    QWidget* media = window.widget("mediaAreaWidget");
    EXPECT_EQ(tipArrowIn(&window, tip), media->mapTo(&window, QPoint(media->width() / 2, media->height() / 2)));

    // Its button puts it away for good.
    QTest::mouseClick(tip->okButton(), Qt::LeftButton);
    EXPECT_FALSE(TipManager::instance()->isShowingTip());
    EXPECT_TRUE(TipManager::instance()->isFinished(QStringLiteral("MediaExplorerHelpTip")));
}

// With the library shut no tip comes; the drag that first opens it and so
// makes the library brings the tip there, later drags do not.
TEST_F(DesktopMainWindowTest, AnEmptyProjectWithTheLibraryShutShowsTheTipOnceItIsDraggedOpen)
{
    std::vector<RecordBuilder> none;
    writeProject(product.projectDir(kEmpty), none);
    ProjectManager layout;
    layout.setProjectName(kEmpty);
    layout.setMediaAreaHidden(true);
    ASSERT_EQ(layout.saveLayout(), 0);
    DesktopWindow window(kEmpty, QString());
    ASSERT_TRUE(window.showLaidOut(QSize(1600, 900)));
    if (!waitFor([&] { return window.preview() != nullptr; }, 5000) || !window.preview()->isValid())
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(window.waitUntilOpen());
    // The tip would come half a second after the opening.
    EXPECT_FALSE(waitFor([] { return TipManager::hasInstance() && TipManager::instance()->isShowingTip(); }, 2000));

    QSplitter* top = window.splitter("topAreaSplitter");
    dragHandle(top, 1, 500);
    ASSERT_TRUE(waitFor([] { return shownTip<MediaExplorerHelpTipWidget>() != nullptr; }, 10000));
    auto* tip = shownTip<MediaExplorerHelpTipWidget>();
    EXPECT_EQ(tip->parentWidget(), window.centralWidget());
    QWidget* media = window.widget("mediaAreaWidget");
    EXPECT_EQ(tipArrowIn(&window, tip), media->mapTo(&window, QPoint(media->width() / 2, media->height() / 2)));

    // Put away unseen, as a scroll of the timeline does.
    TipManager::instance()->closeCurrentTip();
    dragHandle(top, 1, 50);
    EXPECT_FALSE(waitFor([] { return TipManager::instance()->isShowingTip(); }, 2000));
}

// The first tip points at the first segment's tile; once the user has put
// it away, the next opening shows the second one there.
TEST_F(DesktopMainWindowTest, AProjectWithSegmentsPointsAtItsFirstTileOnceOpen)
{
    for (bool firstSeen : {false, true}) {
        SCOPED_TRACE(firstSeen ? "the double tap seen" : "no tip seen");
        DesktopWindow window(kExample, kExamples);
        ASSERT_TRUE(window.showLaidOut(QSize(1600, 900)));
        if (!waitFor([&] { return window.preview() != nullptr; }, 5000) || !window.preview()->isValid())
            GTEST_SKIP() << "no OpenGL context for the preview";
        ASSERT_TRUE(window.waitUntilOpen());
        CommonPopupHelpTipWidget* tip = nullptr;
        ASSERT_TRUE(waitFor([&] {
            tip = firstSeen ? static_cast<CommonPopupHelpTipWidget*>(shownTip<SegmentOperationPressAndDragTipWidget>())
                            : shownTip<SegmentOperationDoubleTapTipWidget>();
            return tip != nullptr;
        }, 30000));
        auto* first = window.projectManager()->segmentWidgetAt(0);
        ASSERT_NE(first, nullptr);
        const QPoint topCentre = first->mapTo(&window, QPoint(first->width() / 2, 0));
        EXPECT_EQ(tipArrowIn(&window, tip), topCentre);
        QTest::mouseClick(tip->okButton(), Qt::LeftButton);
        EXPECT_FALSE(TipManager::instance()->isShowingTip());
    }
}

// A built-in music item plays in the preview's place until its library is
// dragged shut; a resize of the library leaves it playing.
TEST_F(DesktopMainWindowTest, DraggingTheLibraryShutPutsAwayItsMediaPreview)
{
    markHelpTipsSeen();
    DesktopWindow window(kExample, kExamples);
    ASSERT_TRUE(window.showLaidOut(QSize(1800, 1000)));
    if (!waitFor([&] { return window.preview() != nullptr; }, 5000) || !window.preview()->isValid())
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(window.waitUntilOpen());
    ASSERT_TRUE(clickFirstLibraryItem(&window, QStringLiteral("Music")));
    MediaPreviewWidget* media = nullptr;
    ASSERT_TRUE(waitFor([&] {
        media = window.findChild<MediaPreviewWidget*>();
        return media && media->isVisible();
    }, 5000));
    ASSERT_FALSE(window.preview()->isVisible());

    QSplitter* top = window.splitter("topAreaSplitter");
    const int libraryWidth = top->sizes().value(0);
    dragHandle(top, 1, -60);
    ASSERT_NEAR(top->sizes().value(0), libraryWidth - 60, 2);
    EXPECT_TRUE(media->isVisible()) << "a resize of the library put its preview away";
    dragHandle(top, 1, -top->sizes().value(0) - 50);
    ASSERT_EQ(top->sizes().value(0), 0);
    EXPECT_FALSE(media->isVisible());
    EXPECT_TRUE(window.preview()->isVisible());
}

namespace {

const QString kLong = QStringLiteral("Long");

} // namespace

// Widening the inspector narrows the timeline under the play pointer: the
// pointer comes back in at the right end, still on its time.
TEST_F(DesktopMainWindowTest, ThePlayPointerStaysInViewWhenTheInspectorIsDraggedWider)
{
    markHelpTipsSeen();
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("Text", "A").set("TrackId", 1).set("RangeStart", 0)
                                    .set("RangeDuration", 600)));
    writeProject(product.projectDir(kLong), records);
    DesktopWindow window(kLong, QString());
    ASSERT_TRUE(window.showLaidOut(QSize(1800, 1000)));
    if (!waitFor([&] { return window.preview() != nullptr; }, 5000) || !window.preview()->isValid())
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(window.waitUntilOpen());
    PointerWidget* pointer = window.pointer();
    QWidget* editArea = pointer->parentWidget();
    const QPoint grip = pointer->mapTo(&window, pointer->pointerRect().center());
    drag(&window, grip, grip + QPoint(editArea->width() - 100 - int(pointer->centerX()), 0));
    ASSERT_GT(pointer->centerX(), editArea->width() - 150);
    const float time = window.playTime();

    QSplitter* mainSplitter = window.splitter("mainSplitter");
    dragHandle(mainSplitter, 1, -500);
    ASSERT_GT(mainSplitter->sizes().value(1), 400);
    EXPECT_LT(pointer->centerX(), editArea->width());
    EXPECT_NEAR(window.playTime(), time, 0.1f);
}
