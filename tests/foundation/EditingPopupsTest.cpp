// The gradient editor, the fill-mode popup with its texture grid, and the
// easing, media-type and transitions list popups, driven by real input.
#include "AVEasing.h"
#include "ColorMatrixPaletteWidget.h"
#include "EditableGradientWidget.h"
#include "IsolatedSettings.h"
#include "ModalDialogAnswerer.h"
#include "PopupColorMatrixWidget.h"
#include "PopupDrawingModeWidget.h"
#include "PopupEasingFunctionsWidget.h"
#include "PopupMainWidget.h"
#include "PopupMediaTypeSelectionWidget.h"
#include "PopupTransitionsListWidget.h"
#include "SliderPopupTestSupport.h"
#include "TextureGridWidget.h"
#include "TooltipButton.h"

#include <QColorDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cmath>
#include <numeric>

namespace {

constexpr int kBlueCell = 17; // 0x0000FF in the colour matrix

// Keeps a picture of the window for a reviewer.
void keepScreenshot(QWidget& window, const QString& name)
{
    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fadesEnded(window); }, 5000)) << "a popup never faded in";
    EXPECT_TRUE(window.grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/" + name + ".png"));
}

struct GradientEditor : public ::testing::Test {
    void SetUp() override
    {
        editor = new EditableGradientWidget(Qt::red, Qt::blue, QPointF(0.25, 0.5), QPointF(0.75, 0.5), false, &host);
        editor->setGeometry(100, 100, 400, 200);
        QObject::connect(editor, &EditableGradientWidget::editableGradientWidgetGetPopupParent, &host,
                         [this](EditableGradientWidget*, QWidget*& parent) { parent = &host; },
                         Qt::DirectConnection);
        host.showFocused(QSize(1000, 800));
    }
    QMenu* menu() const { return editor->findChild<QMenu*>(); }
    void choose(const QString& entry)
    {
        QMenu* open = menu();
        ASSERT_TRUE(open && QTest::qWaitForWindowExposed(open));
        for (QAction* action : open->actions())
            if (action->text() == entry)
                action->trigger();
        open->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    IsolatedSettings isolated;
    HostWindow host;
    EditableGradientWidget* editor = nullptr;
};

TEST_F(GradientEditor, AClickOpensTheMenuAndADragMovesTheHandleClampedToTheWidget)
{
    QSignalSpy changed(editor, &EditableGradientWidget::editableGradientWidgetValueDidChange);
    const QImage painted = editor->grab().toImage();
    EXPECT_TRUE(near(painted.pixelColor(5, 100), Qt::red, 10));
    EXPECT_TRUE(near(painted.pixelColor(395, 100), Qt::blue, 10));

    clickOn(host, editor->endHandle());
    ASSERT_TRUE(menu());
    EXPECT_EQ(changed.count(), 0);
    QStringList entries;
    for (QAction* action : menu()->actions())
        entries << action->text();
    EXPECT_EQ(entries, QStringList({"Choose Color", "No Color"}));
    menu()->close();

    dragFrom(host, centreIn(host, editor->endHandle()), QPoint(300, -40));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_DOUBLE_EQ(editor->endLocation().x(), 1.0);
    EXPECT_DOUBLE_EQ(editor->endLocation().y(), 60.0 / 200);
    EXPECT_EQ(changed.first().at(4).toPointF(), editor->endLocation());
    EXPECT_EQ(changed.first().at(3).toPointF(), QPointF(0.25, 0.5));
}

TEST_F(GradientEditor, OverlappingHandlesGiveTheStartHandleToAPress)
{
    auto* overlapping = new EditableGradientWidget(Qt::red, Qt::blue, QPointF(0.5, 0.5), QPointF(0.5, 0.5), true, &host);
    overlapping->setGeometry(100, 400, 300, 200);
    overlapping->show();
    dragFrom(host, centreIn(host, overlapping->startHandle()), QPoint(-60, 0));
    EXPECT_DOUBLE_EQ(overlapping->startLocation().x(), 90.0 / 300);
    EXPECT_EQ(overlapping->endLocation(), QPointF(0.5, 0.5));
}

TEST_F(GradientEditor, NoColorThenABlueStartGivesATransparentBlueEnd)
{
    QSignalSpy changed(editor, &EditableGradientWidget::editableGradientWidgetValueDidChange);
    clickOn(host, editor->endHandle());
    choose("No Color");
    EXPECT_EQ(editor->endColor(), QColor(255, 0, 0, 0));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.last().at(2).value<QColor>().alpha(), 0);
    // Transparent towards the end: the checkerboard shows through there.
    const QImage painted = editor->grab().toImage();
    EXPECT_FALSE(near(painted.pixelColor(395, 100), Qt::red, 40));

    clickOn(host, editor->startHandle());
    choose("Choose Color");
    PopupColorMatrixWidget* popup = editor->colorPopup();
    ASSERT_TRUE(popup);
    EXPECT_EQ(popup->parentWidget(), &host);
    auto* palette = popup->findChild<ColorMatrixPaletteWidget*>("palettePanel");
    clickWindowAt(host, palette->mapTo(&host, palette->cellRects().at(kBlueCell).center().toPoint()));
    EXPECT_EQ(editor->startColor(), QColor(0, 0, 255));
    EXPECT_EQ(editor->endColor(), QColor(0, 0, 255, 0));
    EXPECT_EQ(changed.count(), 2);
    EXPECT_FALSE(editor->colorPopup());
    keepScreenshot(host, "gradient-editor");

    // An editor that goes while its colour popup is open takes the popup along.
    clickOn(host, editor->endHandle());
    choose("Choose Color");
    QPointer<PopupColorMatrixWidget> open = editor->colorPopup();
    ASSERT_TRUE(open);
    delete editor;
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open.isNull());
}

TEST_F(GradientEditor, MoreColoursSetsTheHandleAndAnEditorDeletedMeanwhileSurvivesTheDialog)
{
    QSignalSpy changed(editor, &EditableGradientWidget::editableGradientWidgetValueDidChange);
    clickOn(host, editor->startHandle());
    choose("Choose Color");
    ASSERT_TRUE(editor->colorPopup());
    const QColor chosen(12, 140, 200);
    {
        ModalDialogAnswerer pick([&](QWidget* dialog) {
            auto* colorDialog = qobject_cast<QColorDialog*>(dialog);
            ASSERT_NE(colorDialog, nullptr);
            colorDialog->setCurrentColor(chosen);
            colorDialog->accept();
        });
        clickOn(host, editor->colorPopup()->findChild<QPushButton*>("moreColorButton"));
        EXPECT_TRUE(pick.answered());
    }
    EXPECT_EQ(editor->startColor(), chosen);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_FALSE(editor->colorPopup());

    // The editor goes while the dialog is still open: the dialog must outlive it.
    clickOn(host, editor->endHandle());
    choose("Choose Color");
    QPointer<PopupColorMatrixWidget> open = editor->colorPopup();
    ASSERT_TRUE(open);
    QPointer<QWidget> seen;
    ModalDialogAnswerer deleteThenCancel([&](QWidget* dialog) {
        seen = dialog;
        delete editor;
        editor = nullptr;
        ASSERT_FALSE(seen.isNull());
        static_cast<QDialog*>(dialog)->reject();
    });
    clickOn(host, open->findChild<QPushButton*>("moreColorButton"));
    EXPECT_TRUE(deleteThenCancel.answered());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open.isNull());
    EXPECT_EQ(changed.count(), 1);
}

struct TextureGrid : public ::testing::Test {
    void SetUp() override { host.showFocused(QSize(800, 600)); }

    TextureGridWidget* grid(QWidget* parent)
    {
        auto* widget = new TextureGridWidget({":/images/texture/01", ":/images/texture/02", ":/images/texture/03"},
                                             parent);
        widget->setGeometry(0, 0, 400, 300);
        widget->show();
        QObject::connect(widget, &TextureGridWidget::textureGridWidgetPatternDidSelect, &host,
                         [this](TextureGridWidget*, QString path) { chosen << path; });
        return widget;
    }
    static QPixmap picture(int width, int height)
    {
        QPixmap pixmap(width, height);
        pixmap.fill(Qt::darkCyan);
        return pixmap;
    }

    IsolatedSettings isolated;
    HostWindow host;
    QStringList chosen;
};

TEST_F(TextureGrid, AClickReachesTheOwner200MsLaterAndNotAfterTheGridWent)
{
    TextureGridWidget* widget = grid(&host);
    ASSERT_EQ(widget->gridButtons().size(), 3);
    EXPECT_EQ(widget->gridButtons()[1]->x(), 65);
    EXPECT_FALSE(widget->gridButtons()[0]->icon().isNull());
    QElapsedTimer sinceClick;
    sinceClick.start();
    clickOn(host, widget->gridButtons()[2]);
    EXPECT_TRUE(chosen.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !chosen.isEmpty(); }, 5000))
        << "the chosen texture never reached the owner";
    EXPECT_GE(sinceClick.elapsed(), 200);
    EXPECT_EQ(chosen, QStringList({":/images/texture/03"}));

    chosen.clear();
    clickOn(host, widget->gridButtons()[0]);
    delete widget;
    QTest::qWait(400);  // past the delay: nothing may come
    EXPECT_TRUE(chosen.isEmpty());
}

TEST_F(TextureGrid, ACustomPictureIsFittedIntoTheCanvasAndNeverEnlarged)
{
    TextureGridWidget* widget = grid(&host);
    QSize canvas(400, 300);
    QObject::connect(widget, &TextureGridWidget::textureGridWidgetGetCanvasSize, &host,
                     [&](TextureGridWidget*, QSize* size) { *size = canvas; }, Qt::DirectConnection);
    const QString path = TextureGridWidget::customPatternPath();
    EXPECT_TRUE(path.startsWith(isolated.root()));
    widget->saveCustomPattern(picture(1600, 600));
    EXPECT_EQ(chosen, QStringList({path}));
    EXPECT_EQ(QImage(path).size(), QSize(400, 150));

    widget->saveCustomPattern(picture(120, 90));
    EXPECT_EQ(QImage(path).size(), QSize(120, 90));

    // Nobody tells the canvas size: the picture stays as it is.
    canvas = QSize();
    widget->saveCustomPattern(picture(1600, 600));
    EXPECT_EQ(QImage(path).size(), QSize(1600, 600));
}

TEST_F(TextureGrid, AFailedSaveReportsNoPattern)
{
    TextureGridWidget* widget = grid(&host);
    // A folder in the file's place: the save cannot succeed.
    ASSERT_TRUE(QDir().mkpath(TextureGridWidget::customPatternPath()));
    widget->saveCustomPattern(picture(100, 100));
    EXPECT_TRUE(chosen.isEmpty());
}

TEST_F(TextureGrid, CustomPictureOpensAFileAndRemembersItsFolder)
{
    TextureGridWidget* widget = grid(&host);
    QTemporaryDir dir;
    const QString file = dir.filePath("stripes.png");
    ASSERT_TRUE(picture(64, 48).save(file));
    ModalDialogAnswerer answerer([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_TRUE(files);
        EXPECT_EQ(files->windowTitle(), "Open a Picture");
        files->findChild<QLineEdit*>("fileNameEdit")->setText(file);
        static_cast<QDialog*>(files)->accept();
    });
    clickOn(host, widget->findChild<QPushButton*>("customButton"));
    EXPECT_TRUE(answerer.answered());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !chosen.isEmpty(); }, 5000));
    EXPECT_EQ(chosen, QStringList({TextureGridWidget::customPatternPath()}));
    EXPECT_EQ(QImage(chosen.first()).size(), QSize(64, 48));
    EXPECT_EQ(QSettings().value("OpenPictureDir").toString(), QFileInfo(file).absolutePath());
}

TEST(TexturePictures, SixteenDifferentPatternsAreCompiledIn)
{
    QList<QImage> textures;
    for (int i = 1; i <= 16; ++i) {
        const QImage texture(QString::asprintf(":/images/texture/%02d", i));
        ASSERT_FALSE(texture.isNull()) << i;
        EXPECT_EQ(texture.size(), QSize(128, 128));
        EXPECT_FALSE(textures.contains(texture)) << i;
        textures << texture;
    }
    EXPECT_TRUE(QImage(":/images/texture/17").isNull());
}

struct FillModePopup : public ::testing::Test {
    void SetUp() override { host.showFocused(QSize(1000, 800)); }

    PopupDrawingModeWidget* show(int mode, const QPoint& anchor = QPoint(500, 700))
    {
        auto* popup = new PopupDrawingModeWidget(&host);
        popup->showWithState(&host, anchor, mode, Qt::red, Qt::red, Qt::blue, {0.1, 0.5}, {0.9, 0.5}, Qt::yellow,
                             Qt::green, {0.5, 0.5}, {0.8, 0.8});
        return popup;
    }
    static QList<TooltipButton*> modeButtons(PopupDrawingModeWidget* popup)
    {
        QList<TooltipButton*> buttons;
        for (const char* name : {"colorModeButton", "patternModeButton", "linearModeButton", "radialModeButton"})
            buttons << popup->findChild<TooltipButton*>(name);
        return buttons;
    }

    IsolatedSettings isolated;
    HostWindow host;
};

TEST_F(FillModePopup, ModeButtonsSwitchChoosersMadeOnFirstUse)
{
    PopupDrawingModeWidget* popup = show(1);
    QSignalSpy mode(popup, &PopupDrawingModeWidget::drawingModePopupModeChanged);
    ASSERT_TRUE(popup->colorMatrixPopup());
    EXPECT_TRUE(popup->colorMatrixPopup()->isVisible());
    EXPECT_FALSE(popup->textureGrid());
    EXPECT_TRUE(modeButtons(popup)[0]->isHighlighted());

    clickOn(host, modeButtons(popup)[0]);
    EXPECT_EQ(mode.count(), 0);

    clickOn(host, modeButtons(popup)[1]);
    ASSERT_EQ(mode.count(), 1);
    EXPECT_EQ(mode.first().at(1).toInt(), 2);
    ASSERT_TRUE(popup->textureGrid());
    EXPECT_TRUE(popup->textureGrid()->isVisible());
    EXPECT_EQ(popup->textureGrid()->gridButtons().size(), 16);
    EXPECT_FALSE(popup->colorMatrixPopup()->isVisible());
    EXPECT_FALSE(modeButtons(popup)[0]->isHighlighted());
    EXPECT_TRUE(modeButtons(popup)[1]->isHighlighted());

    QSignalSpy gradient(popup, &PopupDrawingModeWidget::drawingModePopupGradientValueDidChange);
    clickOn(host, modeButtons(popup)[3]);
    EditableGradientWidget* radial = popup->radialGradientEditor();
    ASSERT_TRUE(radial);
    EXPECT_TRUE(radial->constructionFlag());
    EXPECT_EQ(radial->geometry(), radial->parentWidget()->rect().adjusted(12, 12, -12, -12));
    dragFrom(host, centreIn(host, radial->endHandle()), QPoint(-20, 0));
    ASSERT_EQ(gradient.count(), 1);
    EXPECT_TRUE(gradient.first().at(1).toBool());
    EXPECT_EQ(gradient.first().at(2).value<QColor>(), QColor(Qt::yellow));

    keepScreenshot(host, "fill-mode-popup-radial");

    // Back to the colour: the same chooser, kept.
    PopupColorMatrixWidget* colors = popup->colorMatrixPopup();
    clickOn(host, modeButtons(popup)[0]);
    EXPECT_EQ(popup->colorMatrixPopup(), colors);
    EXPECT_FALSE(radial->isVisible());
}

TEST_F(FillModePopup, LeavingTheColourModeSwitchesTheEyedropperOff)
{
    PopupDrawingModeWidget* popup = show(1);
    QObject::connect(popup, &PopupDrawingModeWidget::drawingModePopupNeedColorPickingImage, &host,
                     [](PopupDrawingModeWidget*, QImage* image) {
                         *image = QImage(64, 36, QImage::Format_RGB32);
                         image->fill(Qt::green);
                     }, Qt::DirectConnection);
    QObject::connect(popup, &PopupDrawingModeWidget::drawingModePopupGetPlaybackAreaFrame, &host,
                     [](PopupDrawingModeWidget*, QRect* rect, QWidget*) { *rect = QRect(10, 10, 320, 180); },
                     Qt::DirectConnection);
    clickOn(host, popup->colorMatrixPopup()->findChild<QPushButton*>("colorPickerButton"));
    ASSERT_TRUE(popup->colorMatrixPopup()->isColorPicking());
    clickOn(host, modeButtons(popup)[2]);
    EXPECT_FALSE(popup->colorMatrixPopup()->isColorPicking());
    EXPECT_TRUE(popup->linearGradientEditor()->isVisible());
}

TEST_F(FillModePopup, APatternClickAndTheCanvasQuestionReachTheOwner)
{
    PopupDrawingModeWidget* popup = show(2);
    QSignalSpy pattern(popup, &PopupDrawingModeWidget::drawingModePopupDidPatternChange);
    clickOn(host, popup->textureGrid()->gridButtons()[4]);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pattern.count() == 1; }, 5000));
    EXPECT_EQ(pattern.first().at(1).toString(), ":/images/texture/05");
    keepScreenshot(host, "fill-mode-popup-textures");

    QObject::connect(popup, &PopupDrawingModeWidget::drawingModePopupGetCanvasSize, &host,
                     [](PopupDrawingModeWidget*, QSize* size) { *size = QSize(100, 100); }, Qt::DirectConnection);
    QPixmap wide(300, 100);
    wide.fill(Qt::magenta);
    popup->textureGrid()->saveCustomPattern(wide);
    ASSERT_EQ(pattern.count(), 2);
    EXPECT_EQ(QImage(pattern.last().at(1).toString()).size(), QSize(100, 33));
}

TEST_F(FillModePopup, APanelNearTheRightEdgeEndsNinePixelsInsideAndOneAboveTheTopIsCentred)
{
    PopupDrawingModeWidget* popup = show(0, QPoint(990, 700));
    EXPECT_EQ(popup->mainWidget()->geometry(), QRect(1000 - 383 - 9, 700 - 470 - 10, 383, 470));
    for (TooltipButton* button : modeButtons(popup))
        EXPECT_FALSE(button->isHighlighted());
    popup->showAt(QPoint(400, 100));
    EXPECT_EQ(popup->mainWidget()->geometry(), QRect(400 - 191, (800 - 470) / 2, 383, 470));
}

TEST(EasingPopup, OpenedWithSevenOnlyCircularInOutIsHighlightedAndClicksReportTheirCode)
{
    HostWindow host;
    host.showFocused(QSize(1000, 800));
    auto* popup = new PopupEasingFunctionsWidget(&host);
    QSignalSpy selected(popup, &PopupEasingFunctionsWidget::easingFunctionSelected);
    QSignalSpy applyAll(popup, &PopupEasingFunctionsWidget::applyToAllTransitionsRequested);
    popup->showWithEasing(&host, QPoint(500, 700), 7, false);
    QStringList highlighted;
    const QList<TooltipButton*> buttons = popup->findChildren<TooltipButton*>();
    EXPECT_EQ(buttons.size(), 18);
    for (TooltipButton* button : buttons)
        if (button->isHighlighted())
            highlighted << button->objectName();
    EXPECT_EQ(highlighted, QStringList({"circularInOutButton"}));

    clickOn(host, popup->findChild<TooltipButton*>("elasticOutButton"));
    clickOn(host, popup->findChild<TooltipButton*>("pushButton"));
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.first().at(1).toInt(), 12);
    EXPECT_TRUE(popup->findChild<TooltipButton*>("circularInOutButton")->isHighlighted());
    EXPECT_FALSE(popup->findChild<TooltipButton*>("elasticOutButton")->isHighlighted());

    clickOn(host, popup->findChild<QPushButton*>("optionsButton"));
    QMenu* menu = popup->findChild<QMenu*>();
    ASSERT_TRUE(menu);
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().first()->text(), "Apply to all transitions");
    menu->actions().first()->trigger();
    menu->close();
    ASSERT_EQ(applyAll.count(), 1);
    EXPECT_EQ(applyAll.first().at(1).toInt(), 7);
    EXPECT_TRUE(popup->isVisible());
}

// The row of the curve in each column of a plotted icon, read back from the
// icon's brightest opaque pixels; -1 where the column holds no curve.
QList<double> plottedRows(const QImage& icon)
{
    QList<double> rows;
    for (int x = 0; x < icon.width(); ++x) {
        double sum = 0;
        double weight = 0;
        for (int y = 0; y < icon.height(); ++y) {
            const QColor c = icon.pixelColor(x, y);
            // The curve, not the faint guides.
            if (c.alpha() > 200 && c.green() > 150) {
                sum += y * c.alphaF();
                weight += c.alphaF();
            }
        }
        rows << (weight > 0 ? sum / weight : -1.0);
    }
    return rows;
}

// How well the plotted rows follow a curve: the correlation of the rows
// (upward) with the curve's values at the columns, whatever the scales.
double correlation(const QList<double>& rows, AVEasingFunction curve)
{
    int first = 0;
    int last = int(rows.size()) - 1;
    while (first < last && rows[first] < 0)
        ++first;
    while (last > first && rows[last] < 0)
        --last;
    QList<double> a;
    QList<double> b;
    for (int x = first; x <= last; ++x) {
        if (rows[x] < 0)
            continue;
        a << -rows[x];
        b << curve(double(x - first) / (last - first));
    }
    const auto mean = [](const QList<double>& v) { return std::accumulate(v.begin(), v.end(), 0.0) / v.size(); };
    const double ma = mean(a);
    const double mb = mean(b);
    double ab = 0, aa = 0, bb = 0;
    for (int i = 0; i < a.size(); ++i) {
        ab += (a[i] - ma) * (b[i] - mb);
        aa += (a[i] - ma) * (a[i] - ma);
        bb += (b[i] - mb) * (b[i] - mb);
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0.0;
}

TEST(EasingPictures, EachIconPlotsTheEngineCurveOfItsCode)
{
    // Icon stems in code order and the engine curve each code plays.
    const struct {
        const char* stem;
        int type;
    } icons[] = {{"linear", AVEasingLinear},          {"in_default", AVEasingCubicIn},
                 {"out_default", AVEasingCubicOut},   {"in_out_default", AVEasingSmoothstep},
                 {"in_circular", AVEasingCircularIn}, {"out_circular", AVEasingCircularOut},
                 {"in_out_circular", AVEasingCircularInOut}, {"in_back", AVEasingBackIn},
                 {"out_back", AVEasingBackOut},       {"in_out_back", AVEasingBackInOut},
                 {"in_elastic", AVEasingElasticIn},   {"out_elastic", AVEasingElasticOut},
                 {"in_out_elastic", AVEasingElasticInOut}, {"in_bounce", AVEasingBounceIn},
                 {"out_bounce", AVEasingBounceOut},   {"in_out_bounce", AVEasingBounceInOut}};
    for (const auto& icon : icons) {
        for (const QString& suffix : {QString(), QString("2")}) {
            const QImage picture(QString(":/images/easing/easing_") + icon.stem + suffix);
            ASSERT_FALSE(picture.isNull()) << icon.stem;
            const QList<double> rows = plottedRows(picture.convertToFormat(QImage::Format_ARGB32));
            // The icon's curve follows its own engine curve better than any
            // other curve the popup offers.
            const double own = correlation(rows, avEasingFunction(icon.type));
            EXPECT_GT(own, 0.95) << icon.stem;
            for (const auto& other : icons) {
                if (other.type != icon.type) {
                    EXPECT_LT(correlation(rows, avEasingFunction(other.type)), own) << icon.stem << " " << other.stem;
                }
            }
        }
    }
    // Selected icons are drawn in the accent colour.
    const QImage selected(":/images/easing/easing_in_out_circular2");
    bool accent = false;
    for (int y = 0; y < selected.height() && !accent; ++y)
        for (int x = 0; x < selected.width() && !accent; ++x)
            accent = selected.pixel(x, y) == qRgb(54, 200, 255);
    EXPECT_TRUE(accent);
}

TEST(MediaTypePopup, TheKindEnablesItsButtonsAndTheArrowPointsAtTheAnchor)
{
    HostWindow host;
    auto* anchor = new QPushButton("+", &host);
    anchor->setGeometry(900, 300, 40, 40);
    host.showFocused(QSize(1000, 800));
    auto* popup = new PopupMediaTypeSelectionWidget(&host);
    QSignalSpy file(popup, &PopupMediaTypeSelectionWidget::popupMediaTypeSelectionWidgetDidClickSelectFile);
    QSignalSpy camera(popup, &PopupMediaTypeSelectionWidget::popupMediaTypeSelectionWidgetDidClickCamera);
    QSignalSpy microphone(popup, &PopupMediaTypeSelectionWidget::popupMediaTypeSelectionWidgetDidClickMicrophone);
    popup->setMediaKind(3);
    popup->showAtAnchor(&host, "Add Music", anchor);
    const QStringList names{"chooseFileButton", "cameraButton", "microphoneButton", "textButton", "selfdrawButton"};
    QStringList enabled;
    for (const QString& name : names)
        if (popup->findChild<QPushButton*>(name)->isEnabled())
            enabled << name;
    EXPECT_EQ(enabled, QStringList({"chooseFileButton"}));
    clickOn(host, popup->findChild<QPushButton*>("microphoneButton"));
    clickOn(host, popup->findChild<QPushButton*>("chooseFileButton"));
    EXPECT_EQ(microphone.count(), 0);
    EXPECT_EQ(file.count(), 1);
    EXPECT_TRUE(popup->isVisible());

    // Pushed left to end 9 px inside the window; the arrow still on the anchor.
    auto* panel = static_cast<PopupMainWidget*>(popup->mainWidget());
    EXPECT_EQ(panel->geometry(), QRect(1000 - 240 - 9, 320 - 150, 240, 300));
    EXPECT_EQ(panel->arrowPoint(), QPoint(940, 320) - panel->pos());
    EXPECT_EQ(panel->arrowSide(), int(PopupArrowLeft));
    keepScreenshot(host, "media-type-popup");

    // A window too narrow for the panel and its margins centres it.
    auto* narrow = new QWidget(&host);
    narrow->setGeometry(0, 0, 250, 600);
    narrow->show();
    auto* centred = new PopupMediaTypeSelectionWidget(narrow);
    centred->showAtAnchor(narrow, "Add Video", anchor);
    EXPECT_EQ(centred->mainWidget()->x(), (250 - 240) / 2);

    popup->setMediaKind(1);
    EXPECT_TRUE(popup->findChild<QPushButton*>("cameraButton")->isEnabled());
    EXPECT_FALSE(popup->findChild<QPushButton*>("textButton")->isEnabled());
    clickOn(host, popup->findChild<QPushButton*>("cameraButton"));
    EXPECT_EQ(camera.count(), 1);
}

TEST(TransitionsListPopup, EightItemsMakeTheList360PixelsHighAndAClickReportsItsId)
{
    HostWindow host;
    host.showFocused(QSize(1000, 800));
    auto* popup = new PopupTransitionsListWidget(&host);
    QSignalSpy selected(popup, &PopupTransitionsListWidget::transitionItemSelected);
    TransitionMenuItems items;
    for (int i = 0; i < 8; ++i)
        items.append({QString("Item %1").arg(i), 10201 + i, i % 3 == 0, false});
    popup->showWithItems(&host, QPoint(500, 700), items, false);
    EXPECT_EQ(popup->findChild<QWidget*>("scrollAreaWidget")->height(), 360);
    const QList<QPushButton*> buttons = popup->buttons();
    ASSERT_EQ(buttons.size(), 8);
    EXPECT_EQ(buttons[3]->font().weight(), 75);
    EXPECT_NE(buttons[4]->font().weight(), 75);
    EXPECT_EQ(buttons[0]->text(), "Item 0");
    EXPECT_EQ(buttons[2]->height(), 44);

    keepScreenshot(host, "transitions-list-popup");
    auto* scroll = popup->findChild<QScrollArea*>("scrollArea");
    scroll->ensureWidgetVisible(buttons[1]);
    clickOn(host, buttons[1]);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.first().at(1).toInt(), 10202);
    EXPECT_TRUE(popup->isVisible());

    auto* empty = new PopupTransitionsListWidget(&host);
    empty->showWithItems(&host, QPoint(500, 700), {}, true);
    EXPECT_EQ(empty->findChild<QWidget*>("scrollAreaWidget")->height(), 0);
}

} // namespace
