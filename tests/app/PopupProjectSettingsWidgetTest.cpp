// The project settings popup driven by real clicks and keys over a window:
// the values it gives back, what it reports and when, and where its panel sits.
#include "PopupProjectSettingsWidget.h"

#include "ColorButton.h"
#include "FadeWaits.h"
#include "IsolatedSettings.h"
#include "ModalDialogAnswerer.h"
#include "MovieSizeGridButton.h"
#include "PopupColorMatrixWidget.h"
#include "PopupMainWidget.h"
#include "SegmentedControl.h"
#include "SwitchButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QColor kOpaqueBlack(0, 0, 0, 255);

// Picks the menu entry titled text once the menu shows, with a real click.
void pickMenuEntryWhenShown(const QString& text)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, text] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || !menu->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        for (QAction* action : menu->actions()) {
            if (action->text() == text) {
                QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(action).center());
                return;
            }
        }
        menu->close();
    });
    timer->start(20);
    // Never left running: a menu that does not come ends the wait after 5 s.
    QTimer::singleShot(5000, timer, [timer] { timer->deleteLater(); });
}

} // namespace

class PopupProjectSettingsWidgetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        _window.resize(1000, 1000);
        _anchor = new QPushButton("Settings", &_window);
        _anchor->setGeometry(900, 300, 60, 40);
        _window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&_window));
    }
    void TearDown() override { delete _popup; }

    PopupProjectSettingsWidget* open(int mode, int resolution, bool direction, float frameRate,
                                     const QColor& background, bool fixCover = false)
    {
        _popup = new PopupProjectSettingsWidget(&_window);
        _popup->showWithSettings(&_window, mode == 0 ? nullptr : _anchor.data(), mode, resolution, direction,
                                 frameRate, fixCover, background);
        QTest::qWait(50);
        return _popup;
    }
    template <typename T>
    T* child(const char* name) const
    {
        T* found = _popup->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QList<MovieSizeGridButton*> gridButtons() const
    {
        QList<MovieSizeGridButton*> buttons = _popup->findChildren<MovieSizeGridButton*>();
        std::sort(buttons.begin(), buttons.end(),
                  [](auto* a, auto* b) { return a->ratioIndex() < b->ratioIndex(); });
        return buttons;
    }
    MovieSizeGridButton* selectedButton() const
    {
        for (MovieSizeGridButton* button : gridButtons())
            if (button->isSelected())
                return button;
        return nullptr;
    }
    // Through the window, so the toolkit finds the widget under the point.
    void clickInWindow(QWidget* widget, const QPoint& position)
    {
        QTest::mouseClick(_window.windowHandle(), Qt::LeftButton, Qt::NoModifier, widget->mapTo(&_window, position));
    }
    void clickCentre(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center()); }
    void clickTransparent()
    {
        auto* box = child<QCheckBox>("noColorCheckBox");
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
    }
    void choosePortrait()
    {
        auto* control = child<SegmentedControl>("directionSegmentedWidget");
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(control->width() * 3 / 4, 15));
    }
    // The colour matrix popup open on the window, if any.
    PopupColorMatrixWidget* colorPopup() const
    {
        for (auto* popup : _window.findChildren<PopupColorMatrixWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (popup->isVisible())
                return popup;
        return nullptr;
    }

    IsolatedSettings _settings;
    QWidget _window;
    QPointer<QPushButton> _anchor;
    QPointer<PopupProjectSettingsWidget> _popup;
};

TEST_F(PopupProjectSettingsWidgetTest, TransparentBackgroundUntickedGivesOpaqueBlack)
{
    open(0, 1, true, 30, QColor(200, 40, 40, 0));
    auto* box = child<QCheckBox>("noColorCheckBox");
    EXPECT_TRUE(box->isChecked());
    EXPECT_FALSE(child<ColorButton>("colorButton")->isEnabled());
    clickTransparent();
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(_popup->backgroundColor(), kOpaqueBlack);
    EXPECT_TRUE(child<ColorButton>("colorButton")->isEnabled());
    EXPECT_EQ(child<ColorButton>("colorButton")->color(), kOpaqueBlack);
}

TEST_F(PopupProjectSettingsWidgetTest, TickingAndUntickingRestoresTheShownColour)
{
    const QColor red(200, 40, 40, 255);
    open(0, 1, true, 30, red);
    EXPECT_FALSE(child<QCheckBox>("noColorCheckBox")->isChecked());
    clickTransparent();
    EXPECT_EQ(_popup->backgroundColor().alpha(), 0);
    EXPECT_FALSE(child<ColorButton>("colorButton")->isEnabled());
    clickTransparent();
    EXPECT_EQ(_popup->backgroundColor(), red);
}

TEST_F(PopupProjectSettingsWidgetTest, GridPositionsGiveTheirCodesAndPortraitKeepsTheSelection)
{
    open(0, 2, true, 30, kOpaqueBlack);
    ASSERT_EQ(gridButtons().size(), 6);
    ASSERT_NE(selectedButton(), nullptr);
    EXPECT_EQ(selectedButton()->text(), "1:1");
    const int expectedCodes[] = {1, 2, 0, 3, 4, 5};
    const char* landscapeTitles[] = {"16:9", "1:1", "4:3", "5:4", "19.5:9", "21:9"};
    for (int position = 5; position >= 0; --position) {
        MovieSizeGridButton* button = gridButtons().at(position);
        EXPECT_EQ(button->text(), landscapeTitles[position]);
        clickCentre(button);
        EXPECT_EQ(_popup->resolution(), expectedCodes[position]) << position;
        EXPECT_EQ(selectedButton(), button);
    }
    // "16:9" is selected now.
    choosePortrait();
    EXPECT_FALSE(_popup->direction());
    ASSERT_NE(selectedButton(), nullptr);
    EXPECT_EQ(selectedButton()->text(), "9:16");
    EXPECT_EQ(_popup->resolution(), 1);
    const char* portraitTitles[] = {"9:16", "1:1", "3:4", "4:5", "9:19.5", "9:21"};
    for (int position = 0; position < 6; ++position)
        EXPECT_EQ(gridButtons().at(position)->text(), portraitTitles[position]);
}

TEST_F(PopupProjectSettingsWidgetTest, UnknownResolutionSelectsNothingAndIsKept)
{
    open(0, 9, false, 30, kOpaqueBlack);
    EXPECT_EQ(selectedButton(), nullptr);
    EXPECT_EQ(_popup->resolution(), 9);
    EXPECT_EQ(gridButtons().at(0)->text(), "9:16");
}

TEST_F(PopupProjectSettingsWidgetTest, FrameRateShownAsGivenUntilTheMenuPicksOne)
{
    open(0, 1, true, 29.97f, kOpaqueBlack);
    auto* label = child<QLabel>("frameRateValueLabel");
    EXPECT_EQ(label->text(), "29.97");
    EXPECT_FLOAT_EQ(_popup->frameRate(), 29.97f);
    pickMenuEntryWhenShown("24");
    auto* row = child<QWidget>("frameRateItemWidget");
    clickInWindow(row, QPoint(40, row->height() / 2));
    EXPECT_EQ(_popup->frameRate(), 24.0f);
    EXPECT_EQ(label->text(), "24");
    EXPECT_EQ(PopupProjectSettingsWidget::frameRates(), (QVector<float>{60, 30, 25, 24}));
}

TEST_F(PopupProjectSettingsWidgetTest, PopupClosedWhileTheFrameRateMenuIsOpen)
{
    open(0, 1, true, 30, kOpaqueBlack);
    QPointer<QMenu> menu;
    auto* timer = new QTimer(&_window);
    QObject::connect(timer, &QTimer::timeout, [&] {
        if (!qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            return;
        timer->stop();
        menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        delete _popup;
    });
    timer->start(20);
    QTimer::singleShot(5000, timer, &QTimer::stop);
    auto* row = child<QWidget>("frameRateItemWidget");
    clickInWindow(row, QPoint(40, row->height() / 2));
    EXPECT_TRUE(_popup.isNull());
    EXPECT_TRUE(menu.isNull());
}

TEST_F(PopupProjectSettingsWidgetTest, SheetReportsNothingUntilOk)
{
    open(0, 1, true, 30, kOpaqueBlack);
    QSignalSpy changed(_popup.data(), &PopupProjectSettingsWidget::popupProjectSettingsWidgetParametersDidChange);
    QSignalSpy finished(_popup.data(), &PopupProjectSettingsWidget::popupProjectSettingsWidgetDidFinish);
    clickCentre(gridButtons().at(3));
    choosePortrait();
    clickTransparent();
    clickCentre(child<SwitchButton>("switchButton"));
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(finished.count(), 0);
    auto* ok = child<QPushButton>("doneButton");
    ASSERT_TRUE(ok->isVisible());
    clickCentre(ok);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.first().first().value<PopupProjectSettingsWidget*>(), _popup.data());
    EXPECT_EQ(_popup->resolution(), 3);
    EXPECT_FALSE(_popup->direction());
    EXPECT_EQ(_popup->backgroundColor(), QColor(0, 0, 0, 0));
    EXPECT_TRUE(_popup->fixCoverImage());
    // Still open: closing is the receiver's call.
    EXPECT_TRUE(_popup->isVisible());
}

TEST_F(PopupProjectSettingsWidgetTest, AnchoredReportsEveryChangeAndFinishesOnReturn)
{
    open(3, 1, true, 30, kOpaqueBlack);
    EXPECT_FALSE(child<QPushButton>("doneButton")->isVisible());
    QSignalSpy changed(_popup.data(), &PopupProjectSettingsWidget::popupProjectSettingsWidgetParametersDidChange);
    QSignalSpy finished(_popup.data(), &PopupProjectSettingsWidget::popupProjectSettingsWidgetDidFinish);
    clickCentre(gridButtons().at(2));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(_popup->resolution(), 0);
    choosePortrait();
    clickTransparent();
    clickCentre(child<SwitchButton>("switchButton"));
    EXPECT_EQ(changed.count(), 4);
    QTest::keyClick(&_window, Qt::Key_Return);
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(PopupProjectSettingsWidgetTest, EditorModeIsAnchoredWithoutLiveReports)
{
    open(2, 1, true, 30, kOpaqueBlack);
    EXPECT_FALSE(child<QPushButton>("doneButton")->isVisible());
    QSignalSpy changed(_popup.data(), &PopupProjectSettingsWidget::popupProjectSettingsWidgetParametersDidChange);
    QSignalSpy finished(_popup.data(), &PopupProjectSettingsWidget::popupProjectSettingsWidgetDidFinish);
    clickCentre(gridButtons().at(4));
    clickTransparent();
    EXPECT_EQ(changed.count(), 0);
    QTest::keyClick(&_window, Qt::Key_Enter);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(_popup->resolution(), 4);
    // Beside the anchor like the live mode, at the editor's size.
    auto* panel = child<PopupMainWidget>("mainWidget");
    EXPECT_EQ(panel->size(), QSize(480, 640));
    EXPECT_EQ(panel->geometry().right() + 1, _anchor->x());
}

TEST_F(PopupProjectSettingsWidgetTest, SheetIsCentredAtItsFractionOfTheParent)
{
    open(0, 1, true, 30, kOpaqueBlack);
    auto* panel = child<PopupMainWidget>("mainWidget");
    ASSERT_EQ(_window.size(), QSize(1000, 1000));
    EXPECT_EQ(panel->geometry(), QRect(200, 50, 600, 899));
    EXPECT_EQ(panel->arrowPoint(), QPoint());
    // Every aspect button lies inside its row, on the panel.
    auto* sizes = child<QWidget>("movieSizesItemWidget");
    for (MovieSizeGridButton* button : gridButtons())
        EXPECT_TRUE(sizes->rect().contains(button->geometry())) << button->text().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return fadesEnded(_window); }, 5000)) << "the sheet never faded in";
    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    _window.grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/project-settings-sheet.png");
}

TEST_F(PopupProjectSettingsWidgetTest, SheetFollowsItsParentsSize)
{
    open(0, 1, true, 30, kOpaqueBlack);
    _window.resize(800, 600);
    auto* panel = child<PopupMainWidget>("mainWidget");
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel->geometry() == QRect(160, 30, 480, 539); }, 5000))
        << panel->geometry().width() << "x" << panel->geometry().height();
}

TEST_F(PopupProjectSettingsWidgetTest, AnchoredPanelPointsAtTheAnchorsLeftEdge)
{
    open(3, 1, true, 30, kOpaqueBlack);
    auto* panel = child<PopupMainWidget>("mainWidget");
    const QPoint tip = _anchor->geometry().topLeft() + QPoint(0, _anchor->height() / 2);
    EXPECT_EQ(panel->geometry(), QRect(tip.x() - 360, tip.y() - 320, 360, 640));
    EXPECT_EQ(panel->arrowSide(), int(PopupArrowRight));
    EXPECT_EQ(panel->geometry().topLeft() + panel->arrowPoint(), tip);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fadesEnded(_window); }, 5000)) << "the sheet never faded in";
    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    _window.grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/project-settings-anchored.png");
}

TEST_F(PopupProjectSettingsWidgetTest, AnchoredPanelNearTheTopIsCentredVertically)
{
    _anchor->move(900, 20);
    open(3, 1, true, 30, kOpaqueBlack);
    EXPECT_EQ(child<PopupMainWidget>("mainWidget")->geometry(), QRect(900 - 360, (1000 - 640) / 2, 360, 640));
}

TEST_F(PopupProjectSettingsWidgetTest, MatrixColourBecomesTheBackground)
{
    open(3, 1, true, 30, kOpaqueBlack);
    QSignalSpy changed(_popup.data(), &PopupProjectSettingsWidget::popupProjectSettingsWidgetParametersDidChange);
    // A click on the row, beside the button, opens the colours too.
    auto* row = child<QWidget>("backgroundColorItemWidget");
    clickInWindow(row, QPoint(30, row->height() / 2));
    PopupColorMatrixWidget* matrix = colorPopup();
    ASSERT_NE(matrix, nullptr);
    // A second press while it is open opens no second one.
    clickCentre(child<ColorButton>("colorButton"));
    EXPECT_EQ(_window.findChildren<PopupColorMatrixWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
    const QColor green(10, 200, 30);
    emit matrix->colorMatrixPopupColorSelected(matrix, green);
    EXPECT_EQ(_popup->backgroundColor(), green);
    EXPECT_EQ(child<ColorButton>("colorButton")->color(), green);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return colorPopup() == nullptr; }, 5000)) << "the colour popup never went";
}

TEST_F(PopupProjectSettingsWidgetTest, MoreColoursSurvivesThePopupsGoingDuringTheDialog)
{
    open(3, 1, true, 30, kOpaqueBlack);
    clickCentre(child<ColorButton>("colorButton"));
    QPointer<PopupColorMatrixWidget> matrix = colorPopup();
    ASSERT_NE(matrix, nullptr);
    QSignalSpy changed(_popup.data(), &PopupProjectSettingsWidget::popupProjectSettingsWidgetParametersDidChange);
    // While the dialog runs, the window's owner throws the popup away.
    ModalDialogAnswerer answerer([this](QWidget* dialog) {
        delete _popup;
        auto* colors = qobject_cast<QColorDialog*>(dialog);
        ASSERT_NE(colors, nullptr);
        colors->setCurrentColor(QColor(1, 2, 3));
        colors->accept();
    });
    emit matrix->colorMatrixPopupMoreColorNeeded(matrix);
    EXPECT_TRUE(answerer.answered());
    EXPECT_TRUE(_popup.isNull());
    EXPECT_EQ(changed.count(), 0);
    // The colour popup did not stay behind choosing for nobody.
    EXPECT_TRUE(QTest::qWaitFor([&] { return matrix.isNull() || !matrix->isVisible(); }, 5000))
        << "the colour popup stayed";
}

TEST_F(PopupProjectSettingsWidgetTest, MoreColoursSetsTheChosenColour)
{
    open(3, 1, true, 30, kOpaqueBlack);
    clickCentre(child<ColorButton>("colorButton"));
    PopupColorMatrixWidget* matrix = colorPopup();
    ASSERT_NE(matrix, nullptr);
    ModalDialogAnswerer answerer([](QWidget* dialog) {
        auto* colors = qobject_cast<QColorDialog*>(dialog);
        ASSERT_NE(colors, nullptr);
        colors->setCurrentColor(QColor(1, 2, 3));
        colors->accept();
    });
    emit matrix->colorMatrixPopupMoreColorNeeded(matrix);
    EXPECT_EQ(_popup->backgroundColor(), QColor(1, 2, 3));
    EXPECT_TRUE(QTest::qWaitFor([&] { return colorPopup() == nullptr; }, 5000)) << "the colour popup never went";
}
