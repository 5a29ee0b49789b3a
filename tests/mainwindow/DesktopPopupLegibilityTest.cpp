#include "DesktopMainWindow.h"

#include "AssetLoadingThreadPool.h"
#include "CommonPopup.h"
#include "GutterScrollArea.h"
#include "IsolatedSettings.h"
#include "MenuEntries.h"
#include "ModalDialogAnswerer.h"
#include "OpeningWindow.h"
#include "PopupColorMatrixWidget.h"
#include "ProjectTestSupport.h"
#include "SegmentInspectorWidget.h"
#include "SegmentWidget.h"
#include "TrackWidget.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsOpacityEffect>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

namespace {

const QString kExample = QStringLiteral("5-4-3-2-1-0");
const QString kExamples = QStringLiteral("Examples");

// The desktop window with the popup it shows and the parts that open the
// others opened up to the tests.
class LegibilityWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;

    CommonPopup* popup() const { return qobject_cast<CommonPopup*>(_currentPopup.data()); }
    QPushButton* newTrackButton() const { return _gutterArea->buttonAt(_gutterArea->buttonCount() - 1); }
    // The inspector of the first text segment, entered by a double click on
    // its tile.
    QWidget* editFirstText()
    {
        for (int index = 0; index < _projectManager->segmentCount(); ++index) {
            Segment* segment = _projectManager->segmentAt(index);
            TrackWidget* track = _timeline->trackWidgetById(segment->trackId());
            SegmentWidget* tile = track ? track->segmentWidgetForSegment(segment) : nullptr;
            if (!tile || segment->type() != QLatin1String("TEXT"))
                continue;
            QTest::mouseDClick(tile, Qt::LeftButton, Qt::NoModifier, tile->rect().center());
            waitFor([this] { return _segmentInspectorWidget && _segmentInspectorWidget->isVisible(); }, 5000);
            return _segmentInspectorWidget;
        }
        return nullptr;
    }
    // Shown, its project open and its media loaded; false without a preview
    // surface.
    bool showOpened()
    {
        resize(1600, 900);
        show();
        return waitFor([this] { return _previewWidget && _previewWidget->isValid() && !_waitingHUD; }, 60000)
               && waitFor([] { return AssetLoadingThreadPool::instance()->activeThreadCount() == 0; }, 30000);
    }
};

// Relative luminance as the web's contrast rules define it.
double luminance(QRgb pixel)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(pixel)) + 0.7152 * channel(qGreen(pixel)) + 0.0722 * channel(qBlue(pixel));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What a widget shows in the window's picture: the colour most of its area
// has (what lies behind its text) and the pixel that stands out most from it.
struct Ink
{
    QRgb background = 0;
    QRgb text = 0;
};

Ink inkOf(const QImage& shot, QWidget* window, QWidget* widget)
{
    // Only what the ancestors leave on screen: a section scrolled out of an
    // area is on but not seen.
    const QRect seen = widget->visibleRegion().boundingRect();
    const QRect area = seen.translated(widget->mapTo(window, QPoint(0, 0))) & shot.rect();
    EXPECT_FALSE(area.isEmpty()) << widget->objectName().toStdString();
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[shot.pixel(x, y)];
    Ink ink;
    int most = 0;
    for (const auto& [colour, count] : counts) {
        if (count > most) {
            most = count;
            ink.background = colour;
        }
    }
    // From the background itself: a starting black would pass for ink on a light one.
    ink.text = ink.background;
    for (const auto& entry : counts)
        if (contrast(entry.first, ink.background) > contrast(ink.text, ink.background))
            ink.text = entry.first;
    return ink;
}

// What a user reads in a popup, as far as it is on, can be used and is not
// scrolled out of sight: the labels and fields, which the panels show light
// on dark, and the buttons' words, which some buttons show on fills of their
// own.
struct Readables
{
    QList<QWidget*> lightOnDark;
    QList<QWidget*> buttons;
};

Readables readables(QWidget* popup)
{
    Readables found;
    for (QWidget* widget : popup->findChildren<QWidget*>()) {
        if (!widget->isVisible() || !widget->isEnabled() || widget->visibleRegion().isEmpty())
            continue;
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QPushButton*>(widget);
        if ((label && !label->text().trimmed().isEmpty()) || qobject_cast<QLineEdit*>(widget))
            found.lightOnDark << widget;
        else if (button && !button->text().trimmed().isEmpty())
            found.buttons << widget;
    }
    return found;
}

// Whether the popup is still on its way in: a translucent layer over it or
// under it, or a slide that moves it.
bool arriving(QWidget* popup)
{
    QList<QGraphicsOpacityEffect*> effects = popup->findChildren<QGraphicsOpacityEffect*>();
    for (QWidget* widget = popup; widget; widget = widget->parentWidget())
        if (auto* effect = qobject_cast<QGraphicsOpacityEffect*>(widget->graphicsEffect()))
            effects << effect;
    for (QGraphicsOpacityEffect* effect : effects)
        if (effect->isEnabled() && effect->opacity() < 1.0)
            return true;
    for (QPropertyAnimation* animation : popup->findChildren<QPropertyAnimation*>())
        if (animation->targetObject() == popup && animation->state() == QAbstractAnimation::Running)
            return true;
    return false;
}

// The window's picture once the popup has come in.
QImage windowPicture(LegibilityWindow& window, QWidget* popup, const char* name)
{
    EXPECT_TRUE(waitFor([popup] { return !arriving(popup); }, 10000)) << name;
    const QImage shot = window.grab().toImage();
    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    shot.save(QStringLiteral(VIDORNA_ARTEFACT_DIR "/desktop-popup-%1.png").arg(QString::fromLatin1(name)));
    return shot;
}

// Legible at the contrast the web asks of body text and, where asked, light on
// dark.
void expectLegible(const QImage& shot, QWidget* window, const QList<QWidget*>& widgets, bool lightOnDark,
                   const char* name)
{
    for (QWidget* widget : widgets) {
        const Ink ink = inkOf(shot, window, widget);
        const std::string what = std::string(name) + " " + widget->objectName().toStdString() + " "
                                 + QColor(ink.text).name().toStdString() + " on "
                                 + QColor(ink.background).name().toStdString();
        if (lightOnDark)
            EXPECT_LT(luminance(ink.background), luminance(ink.text)) << what;
        EXPECT_GE(contrast(ink.text, ink.background), 4.5) << what;
    }
}

// Opens the menu as a click on its title does (its entries are brought up
// to date then) and triggers the entry.
bool trigger(LegibilityWindow& window, const char* menu, const char* entry)
{
    QMenu* opened = menuTitled(window.menuBar(), QString::fromLatin1(menu));
    if (!opened)
        return false;
    emit opened->aboutToShow();
    QAction* action = entryTitled(opened, QString::fromLatin1(entry));
    if (!action || !action->isEnabled())
        return false;
    action->trigger();
    return true;
}

QWidget* fromMenu(LegibilityWindow& window, const char* menu, const char* entry)
{
    return trigger(window, menu, entry) ? window.popup() : nullptr;
}

// The export popup, opened from the menu bar.
QWidget* exportPopup(LegibilityWindow& window)
{
    return fromMenu(window, "Movie", "Export && Share");
}

// Runs the export from the popup's Export button; the popup once it shows its
// done page.
QWidget* exportedMovie(LegibilityWindow& window)
{
    QWidget* popup = exportPopup(window);
    if (!popup)
        return nullptr;
    auto* slider = popup->findChild<QSlider*>(QStringLiteral("resolutionSlider"));
    QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, QPoint(3, slider->height() / 2));
    QTest::mouseClick(popup->findChild<QPushButton*>(QStringLiteral("exportButton")), Qt::LeftButton);
    auto* pages = popup->findChild<QStackedWidget*>(QStringLiteral("mainStackedWidget"));
    const bool done =
        waitFor([&] { return pages->currentWidget()->objectName() == QLatin1String("computerDonePage"); }, 120000);
    return done ? popup : nullptr;
}

// The list of transitions to add, from the inspector of a text in transition
// editing.
QWidget* transitionsList(LegibilityWindow& window)
{
    QWidget* inspector = window.editFirstText();
    if (!inspector || !trigger(window, "Transition", "Edit Transitions"))
        return nullptr;
    auto* add = inspector->findChild<QPushButton*>(QStringLiteral("addTransitionButton"));
    if (!add || !waitFor([add] { return add->isVisible(); }, 5000))
        return nullptr;
    QTest::mouseClick(add, Qt::LeftButton);
    return window.popup();
}

// The easing choices of a transition just added from that list.
QWidget* easingFunctions(LegibilityWindow& window)
{
    QWidget* list = transitionsList(window);
    QAbstractButton* fade = nullptr;
    for (QAbstractButton* item : list ? list->findChildren<QAbstractButton*>() : QList<QAbstractButton*>())
        fade = item->text() == QLatin1String("Fade Out") ? item : fade;
    if (!fade)
        return nullptr;
    QTest::mouseClick(fade, Qt::LeftButton);
    auto* easing = window.findChild<QPushButton*>(QStringLiteral("easingTypeButton"));
    if (!easing || !waitFor([easing] { return easing->isVisible() && easing->isEnabled(); }, 5000))
        return nullptr;
    QTest::mouseClick(easing, Qt::LeftButton);
    return window.popup();
}

struct Opening
{
    const char* name;
    std::function<QWidget*(LegibilityWindow&)> open;
};

class ExampleInTheDesktopWindow : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(ProjectManager::copyExampleProjects()); }

    IsolatedSettings settings;
    TemporaryProduct product;
};

class DesktopPopupLegibility : public ExampleInTheDesktopWindow, public ::testing::WithParamInterface<Opening>
{
};

const Opening kOpenings[] = {
    {"ExportOptions", exportPopup},
    {"ExportFromTheShareButton",
     [](LegibilityWindow& window) -> QWidget* {
         QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("shareButton")), Qt::LeftButton);
         return window.popup();
     }},
    {"ExportDone", exportedMovie},
    {"ProjectSettings", [](LegibilityWindow& window) { return fromMenu(window, "Movie", "Configuration..."); }},
    {"Microphone", [](LegibilityWindow& window) { return fromMenu(window, "Segment", "Add from Microphone..."); }},
    {"AddMedia",
     [](LegibilityWindow& window) -> QWidget* {
         QTest::mouseClick(window.newTrackButton(), Qt::LeftButton);
         return window.popup();
     }},
    {"TextInspector", [](LegibilityWindow& window) { return window.editFirstText(); }},
    {"TransitionsList", transitionsList},
    {"EasingFunctions", easingFunctions},
    {"ColourMatrix",
     [](LegibilityWindow& window) -> QWidget* {
         QWidget* inspector = window.editFirstText();
         auto* colour = inspector ? inspector->findChild<QWidget*>(QStringLiteral("colorButton")) : nullptr;
         if (!colour)
             return nullptr;
         QTest::mouseClick(colour, Qt::LeftButton);
         return window.findChild<PopupColorMatrixWidget*>();
     }},
};

} // namespace

TEST_P(DesktopPopupLegibility, ItsTextsReadAndItsLabelsAndFieldsAreLightOnDark)
{
    LegibilityWindow window(kExample, kExamples);
    ASSERT_FALSE(window.isOpenFailed());
    if (!window.showOpened())
        GTEST_SKIP() << "no OpenGL context for the preview";
    QWidget* popup = GetParam().open(window);
    ASSERT_NE(popup, nullptr);
    const QImage shot = windowPicture(window, popup, GetParam().name);
    const Readables found = readables(popup);
    EXPECT_FALSE(found.lightOnDark.isEmpty() && found.buttons.isEmpty());
    expectLegible(shot, &window, found.lightOnDark, true, GetParam().name);
    expectLegible(shot, &window, found.buttons, false, GetParam().name);
}

// Its own buttons too are light on its dark panel, and the chooser
// containers and the name field sit on their own dark grey.
TEST_F(ExampleInTheDesktopWindow, TheExportPopupsCaptionsFieldsAndButtonAreLightOnDark)
{
    LegibilityWindow window(kExample, kExamples);
    ASSERT_FALSE(window.isOpenFailed());
    if (!window.showOpened())
        GTEST_SKIP() << "no OpenGL context for the preview";
    QWidget* popup = exportPopup(window);
    ASSERT_NE(popup, nullptr);
    const QImage shot = windowPicture(window, popup, "ExportOptionsNamed");
    QList<QWidget*> widgets;
    for (const char* name :
         {"resolutionLabel", "resolutionDetailLabel", "label540p", "label720p", "label1080p", "label2k", "label4k",
          "frameRateLabel", "frameRateButton", "videoCodecLabel", "videoCodecButton", "nameLabel", "nameLineEdit",
          "locationLabel", "locationValueLabel", "exportButton"}) {
        widgets << popup->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(widgets.last(), nullptr) << name;
    }
    expectLegible(shot, &window, widgets, true, "ExportOptions");
    for (const char* field : {"frameRateButton", "videoCodecButton", "nameLineEdit"})
        EXPECT_EQ(inkOf(shot, &window, popup->findChild<QWidget*>(QString::fromLatin1(field))).background,
                  qRgb(44, 45, 46))
            << field;
}

// The folder chooser the export popup's location button opens is the
// desktop's own dialog: the popup's light-on-dark sheet does not reach it.
TEST_F(ExampleInTheDesktopWindow, TheExportFolderChooserReadsAsTheAddFileDialogDoes)
{
    LegibilityWindow window(kExample, kExamples);
    ASSERT_FALSE(window.isOpenFailed());
    if (!window.showOpened())
        GTEST_SKIP() << "no OpenGL context for the preview";
    QWidget* popup = exportPopup(window);
    ASSERT_NE(popup, nullptr);
    windowPicture(window, popup, "ExportOptionsBeforeChooser");
    auto* location = popup->findChild<QPushButton*>(QStringLiteral("locationButton"));
    ASSERT_NE(location, nullptr);
    bool read = false;
    ModalDialogAnswerer answerer([&](QWidget* dialog) {
        if (qobject_cast<QFileDialog*>(dialog) && QTest::qWaitForWindowExposed(dialog)) {
            const QImage shot = dialog->grab().toImage();
            shot.save(QStringLiteral(VIDORNA_ARTEFACT_DIR "/desktop-popup-ExportFolderChooser.png"));
            const QList<QWidget*> labels = readables(dialog).lightOnDark;
            EXPECT_FALSE(labels.isEmpty());
            expectLegible(shot, dialog, labels, false, "ExportFolderChooser");
            read = true;
        }
        ModalDialogAnswerer::reject()(dialog);
    });
    QTest::mouseClick(location, Qt::LeftButton);
    EXPECT_TRUE(answerer.answered());
    EXPECT_TRUE(read) << "no folder chooser came";
}

INSTANTIATE_TEST_SUITE_P(FromTheDesktopWindow, DesktopPopupLegibility, ::testing::ValuesIn(kOpenings),
                         [](const ::testing::TestParamInfo<Opening>& info) { return std::string(info.param.name); });
