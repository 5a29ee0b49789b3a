#include "GeometryEditingWidget.h"
#include "GeometryEditingWidgetController.h"
#include "ImageSegment.h"
#include "InspectorTestSupport.h"
#include "MultiLanguage.h"
#include "ScrollableToolBar.h"
#include "SegmentInspectorWidget.h"
#include "TooltipButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

constexpr double kTolerance = 1e-6;

// What the section's owner keeps of one held edit: the snapshot it wrote at
// the start and every signal in the order it came.
struct HoldRecorder {
    int before = 0;
    int after = 0;
    QPointF afterTranslation;
    QPointF afterScale;
    double afterRotation = 0.0;
    qreal afterCornerX[4] = {};
    QStringList order;
};

// The section as the inspector holds it: a controller and its widget in the
// inspector's content widget, filled from a picture segment.
struct GeometrySection {
    QWidget content;
    GeometryEditingWidgetController controller { false, &content };
    GeometryEditingWidget* widget = qobject_cast<GeometryEditingWidget*>(controller.widget());
    ImageSegment segment { nullptr };
    HoldRecorder hold;

    GeometrySection()
    {
        segment.setUserTranslation(QPointF(0.1, -0.25));
        segment.setUserScale(QPointF(0.5, 0.75));
        segment.setUserRotation(0.3);
        segment.setUserPoint2Offset(QPointF(0.1, -0.2));
        controller.updateValues(&segment);
        content.resize(420, 400);
        content.show();
        // The owner answers the before-signal with the segment's geometry.
        QObject::connect(
            &controller, &GeometryEditingWidgetController::beforeGeometryValueChanging, &controller,
            [this](QPointF& translation, QPointF& scale, qreal& rotation, qreal* cornerX, qreal* cornerY) {
                ++hold.before;
                hold.order << QStringLiteral("before");
                translation = segment.userTranslation();
                scale = segment.userScale();
                rotation = segment.userRotation();
                for (int i = 0; i < 4; ++i) {
                    cornerX[i] = 0.01 * (i + 1);
                    cornerY[i] = -0.01 * (i + 1);
                }
            },
            Qt::DirectConnection);
        QObject::connect(&controller, &GeometryEditingWidgetController::afterGeometryValueChanging, &controller,
                         [this](QPointF translation, QPointF scale, double rotation, const qreal* cornerX,
                                const qreal*) {
                             ++hold.after;
                             hold.order << QStringLiteral("after");
                             hold.afterTranslation = translation;
                             hold.afterScale = scale;
                             hold.afterRotation = rotation;
                             std::copy(cornerX, cornerX + 4, hold.afterCornerX);
                         });
        QObject::connect(&controller, &GeometryEditingWidgetController::xValueChanged, &controller,
                         [this] { hold.order << QStringLiteral("x"); });
        QObject::connect(&controller, &GeometryEditingWidgetController::widthValueChanged, &controller,
                         [this] { hold.order << QStringLiteral("width"); });
    }

    QPushButton* button(const char* name) const { return widget->findChild<QPushButton*>(QLatin1String(name)); }
    QLineEdit* field(const char* name) const { return widget->findChild<QLineEdit*>(QLatin1String(name)); }
    void tap(const char* name) const
    {
        QTest::mousePress(button(name), Qt::LeftButton);
        QTest::mouseRelease(button(name), Qt::LeftButton);
    }
};

// Where the field draws its cursor, as it tells an input method.
int cursorX(QLineEdit* field)
{
    return field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
}

// Where the field draws its first character when nothing is scrolled away:
// its place with the text held at the left and the cursor at the start.
int unscrolledTextStart(QLineEdit* field)
{
    const Qt::Alignment alignment = field->alignment();
    field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    field->setCursorPosition(0);
    field->grab();
    const int start = cursorX(field);
    field->setAlignment(alignment);
    return start;
}

// Whether the field shows its whole text. Painted with the cursor at the
// end, as after typing, a field too narrow scrolls its first characters out
// of sight on the left.
bool showsWholeText(QLineEdit* field)
{
    const int unscrolled = unscrolledTextStart(field);
    field->setCursorPosition(field->text().size());
    field->grab();
    field->setCursorPosition(0);
    return cursorX(field) >= unscrolled;
}

} // namespace

TEST(GeometrySection, HoldingXUpStepsLiveAndCommitsOnceWithTheSnapshot)
{
    GeometrySection section;
    QSignalSpy live(&section.controller, &GeometryEditingWidgetController::xValueChanging);
    QSignalSpy committed(&section.controller, &GeometryEditingWidgetController::xValueChanged);

    QTest::mousePress(section.button("xValueUpButton"), Qt::LeftButton);
    // The first step comes with the press, before anything else moves.
    ASSERT_EQ(section.hold.before, 1);
    ASSERT_EQ(live.count(), 1);
    // Held on until the repeat has stepped twice more.
    ASSERT_TRUE(QTest::qWaitFor([&] { return live.count() >= 3; }, 5000)) << "the held button never repeated";
    QTest::mouseRelease(section.button("xValueUpButton"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return committed.count() == 1; }, 5000)) << "the value was never committed";

    // A step at the press, one 500 ms later and more every 50 ms, each one
    // percent further; one snapshot for the whole hold.
    ASSERT_GE(live.count(), 3);
    for (int i = 0; i < live.count(); ++i)
        EXPECT_NEAR(live.at(i).at(0).toDouble(), 0.1 + 0.01 * (i + 1), kTolerance) << "step " << i;
    EXPECT_EQ(section.hold.before, 1);
    EXPECT_EQ(section.hold.order, QStringList({ "before", "after", "x" }));
    // The segment keeps single precision.
    EXPECT_NEAR(section.hold.afterTranslation.x(), 0.1, kTolerance);
    EXPECT_NEAR(section.hold.afterTranslation.y(), -0.25, kTolerance);
    EXPECT_NEAR(section.hold.afterScale.x(), 0.5, kTolerance);
    EXPECT_NEAR(section.hold.afterScale.y(), 0.75, kTolerance);
    EXPECT_NEAR(section.hold.afterRotation, 0.3, kTolerance);
    EXPECT_DOUBLE_EQ(section.hold.afterCornerX[3], 0.04);
    EXPECT_NEAR(committed.at(0).at(0).toDouble(), live.last().at(0).toDouble(), kTolerance);
    EXPECT_EQ(section.field("xLineEdit")->text(),
              QString::asprintf("%.1f%%", 10.0 + live.count()).remove(QLatin1Char(' ')));

    // The next hold takes a new snapshot.
    section.tap("xValueDownButton");
    ASSERT_TRUE(QTest::qWaitFor([&] { return committed.count() == 2; }, 5000)) << "the second hold was never committed";
    EXPECT_EQ(section.hold.before, 2);
    EXPECT_EQ(section.hold.after, 2);
}

TEST(GeometrySection, TwoFieldsSteppedWithinTheCommitDelayBothCommit)
{
    GeometrySection section;
    QSignalSpy x(&section.controller, &GeometryEditingWidgetController::xValueChanged);
    QSignalSpy width(&section.controller, &GeometryEditingWidgetController::widthValueChanged);

    // The second tap at once, well within the commit delay.
    section.tap("xValueUpButton");
    section.tap("wValueUpButton");
    ASSERT_TRUE(QTest::qWaitFor([&] { return section.hold.after == 1; }, 5000)) << "the steps were never committed";
    // Nothing more is committed.
    QTest::qWait(50);

    EXPECT_EQ(section.hold.order, QStringList({ "before", "after", "x", "width" }));
    ASSERT_EQ(x.count(), 1);
    EXPECT_NEAR(x.at(0).at(0).toDouble(), 0.11, kTolerance);
    ASSERT_EQ(width.count(), 1);
    EXPECT_NEAR(width.at(0).at(0).toDouble(), 0.51, kTolerance);
}

TEST(GeometrySection, AQuickReleaseAndPressRunOneRepeatChain)
{
    GeometrySection section;
    QSignalSpy live(&section.controller, &GeometryEditingWidgetController::yValueChanging);
    QElapsedTimer clock;

    section.tap("yValueUpButton");
    QTest::qWait(150);
    QTest::mousePress(section.button("yValueUpButton"), Qt::LeftButton);
    clock.start();
    // Held 1500 ms, and on until the repeat has stepped twice.
    ASSERT_TRUE(QTest::qWaitFor([&] { return clock.elapsed() >= 1500 && live.count() >= 3; }, 10000))
        << "the held button never repeated";
    QTest::mouseRelease(section.button("yValueUpButton"), Qt::LeftButton);
    const qint64 held = clock.elapsed();

    // One chain steps at the press, 500 ms later and then every 50 ms: no
    // more than that fits into the hold, while a second chain left from the
    // tap would step about as often again.
    const qint64 mostForOneChain = 1 + 1 + 1 + std::max<qint64>(0, (held - 500) / 50) + 1;
    EXPECT_GE(live.count(), 3);
    EXPECT_LE(live.count(), mostForOneChain);
    const int steps = live.count();
    // Past the repeat: no step may follow the release.
    QTest::qWait(400);
    EXPECT_EQ(live.count(), steps) << "a step after the release";
}

TEST(GeometrySection, WidthHeldDownStopsAtZero)
{
    GeometrySection section;
    section.widget->setWValue(0.01);
    QSignalSpy live(&section.controller, &GeometryEditingWidgetController::widthValueChanging);
    QSignalSpy committed(&section.controller, &GeometryEditingWidgetController::widthValueChanged);

    QTest::mousePress(section.button("wValueDownButton"), Qt::LeftButton);
    EXPECT_EQ(section.field("wLineEdit")->text(), "0.0%");
    // Held past the first repeat: no step may go below zero.
    QTest::qWait(700);
    QTest::mouseRelease(section.button("wValueDownButton"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return committed.count() == 1; }, 5000)) << "the value was never committed";

    ASSERT_EQ(live.count(), 1);
    EXPECT_DOUBLE_EQ(live.at(0).at(0).toDouble(), 0.0);
    EXPECT_DOUBLE_EQ(committed.at(0).at(0).toDouble(), 0.0);
}

TEST(GeometrySection, ControlHeldAtThePressStepsATenth)
{
    GeometrySection section;
    QSignalSpy live(&section.controller, &GeometryEditingWidgetController::rotationValueChanging);
    QSignalSpy committed(&section.controller, &GeometryEditingWidgetController::rotationValueChanged);
    const double shownDegrees = 0.3 * 57.29577951308232; // shown as 17.2

    QTest::mousePress(section.button("rValueUpButton"), Qt::LeftButton, Qt::ControlModifier);
    QTest::mouseRelease(section.button("rValueUpButton"), Qt::LeftButton, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return committed.count() == 1; }, 5000)) << "the value was never committed";

    ASSERT_EQ(live.count(), 1);
    const double steppedDegrees = std::round(shownDegrees * 10.0) / 10.0 + 0.1;
    EXPECT_NEAR(live.at(0).at(0).toDouble(), steppedDegrees / 180.0 * M_PI, 1e-6);
    EXPECT_NEAR(committed.at(0).at(0).toDouble(), steppedDegrees / 180.0 * M_PI, 1e-6);
    EXPECT_EQ(section.field("rLineEdit")->text(), QString::asprintf("%.1f", steppedDegrees) + QChar(0x00B0));
}

TEST(GeometryFieldsFocus, TabbingThroughRoundedFieldsCommitsNothing)
{
    GeometrySection section;
    section.segment.setUserTranslation(QPointF(0.12345, -0.06789));
    section.segment.setUserScale(QPointF(0.33333, 1.23456));
    section.segment.setUserRotation(0.123456);
    section.controller.updateValues(&section.segment);
    ASSERT_EQ(section.field("xLineEdit")->text(), "12.3%");
    QSignalSpy x(&section.controller, &GeometryEditingWidgetController::xValueChanged);
    QSignalSpy y(&section.controller, &GeometryEditingWidgetController::yValueChanged);
    QSignalSpy width(&section.controller, &GeometryEditingWidgetController::widthValueChanged);
    QSignalSpy height(&section.controller, &GeometryEditingWidgetController::heightValueChanged);
    QSignalSpy rotation(&section.controller, &GeometryEditingWidgetController::rotationValueChanged);

    section.content.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&section.content));
    section.field("xLineEdit")->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return section.field("xLineEdit")->hasFocus(); }, 5000)) << "the field never took the focus";
    for (int i = 0; i < 15; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    // What the tabbing posted runs: nothing may be committed.
    QTest::qWait(20);
    EXPECT_EQ(x.count() + y.count() + width.count() + height.count() + rotation.count(), 0);

    // A field the user did change commits what it shows.
    QLineEdit* w = section.field("wLineEdit");
    w->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->hasFocus(); }, 5000)) << "the field never took the focus";
    w->setText("45.6%");
    QTest::keyClick(w, Qt::Key_Tab);
    ASSERT_EQ(width.count(), 1);
    EXPECT_NEAR(width.at(0).at(0).toDouble(), 0.456, kTolerance);
    EXPECT_EQ(x.count() + y.count() + height.count() + rotation.count(), 0);
}

TEST(GeometrySection, TransitionStateRefreshesButtonsAndReadsFieldsOnlyForANewState)
{
    QWidget content;
    GeometryEditingWidgetController controller(true, &content);
    auto* widget = qobject_cast<GeometryEditingWidget*>(controller.widget());
    auto* x = widget->findChild<QLineEdit*>("xLineEdit");
    auto* flip = widget->findChild<ScrollableToolBar*>("toolbar")->buttonForCommand(10008);
    ImageSegment segment(nullptr);
    segment.setRangeDuration(4);
    ASSERT_EQ(segment.addTransitionAtTime(1, 0), 1);
    segment.setTransitionUserTranslation(1, true, QPointF(0.3, 0.4));
    segment.setTransitionUserTranslation(1, false, QPointF(-0.2, 0.4));
    segment.setTransitionStateFlippedHorizontally(1, true, true);
    EXPECT_EQ(controller.displayOrder(), 190);

    controller.setTransitionState(&segment, 1, 1);
    EXPECT_TRUE(widget->isEnabled());
    EXPECT_EQ(x->text(), "30.0%");
    EXPECT_TRUE(flip->isChecked());

    segment.setTransitionUserTranslation(1, true, QPointF(0.5, 0.4));
    segment.setTransitionStateFlippedHorizontally(1, true, false);
    controller.setTransitionState(&segment, 1, 1);
    EXPECT_FALSE(flip->isChecked());
    EXPECT_EQ(x->text(), "30.0%") << "the same state is not read again";
    controller.updateTransitionValues(&segment, 1, 1);
    EXPECT_EQ(x->text(), "50.0%");

    controller.setTransitionState(&segment, 1, 0);
    EXPECT_EQ(x->text(), "-20.0%");
    controller.setTransitionState(&segment, 0, 0);
    EXPECT_FALSE(widget->isEnabled());
    EXPECT_EQ(x->text(), "-20.0%");

    // Hidden and shown again, the section reads its state anew.
    controller.setTransitionState(&segment, 1, 1);
    segment.setTransitionUserTranslation(1, true, QPointF(0.6, 0.4));
    controller.setVisible(false);
    controller.setVisible(true);
    controller.setTransitionState(&segment, 1, 1);
    EXPECT_EQ(x->text(), "60.0%");
}

TEST(GeometrySection, PerspectiveCornersAndHeight)
{
    GeometrySection section;
    QSignalSpy resized(&section.controller, &CommonEditingWidgetController::editingWidgetControllerSizeChanged);
    QSignalSpy fit(section.widget, &GeometryEditingWidget::widgetFitHeightChanged);
    QSignalSpy corner(&section.controller, &GeometryEditingWidgetController::cornerIndexChanged);
    EXPECT_EQ(section.controller.sectionHeight(), 236);
    EXPECT_EQ(section.controller.displayOrder(), 60);

    section.segment.setPerspective(true);
    section.controller.updateValues(&section.segment);
    EXPECT_EQ(section.controller.sectionHeight(), 332);
    EXPECT_EQ(resized.count(), 1);
    section.widget->setPerspectiveEnabled(true);
    EXPECT_EQ(fit.count(), 1);

    QTest::mouseClick(section.button("bottomRightCornerButton"), Qt::LeftButton);
    ASSERT_EQ(corner.count(), 1);
    EXPECT_EQ(corner.at(0).at(0).toInt(), 2);
    EXPECT_EQ(section.field("cornerXLineEdit")->text(), "10.0%");
    EXPECT_EQ(section.field("cornerYLineEdit")->text(), "-20.0%");
    QTest::mouseClick(section.button("bottomRightCornerButton"), Qt::LeftButton);
    section.controller.setCornerIndex(0);
    EXPECT_EQ(corner.count(), 1);
    EXPECT_TRUE(qobject_cast<TooltipButton*>(section.button("topLeftCornerButton"))->isChecked());
    EXPECT_FALSE(qobject_cast<TooltipButton*>(section.button("bottomRightCornerButton"))->isChecked());

    section.segment.setPerspective(false);
    section.controller.setEditable(&section.segment, nullptr, true);
    EXPECT_FALSE(section.widget->isEnabled());
    EXPECT_EQ(section.controller.sectionHeight(), 236);
    section.controller.setEditable(&section.segment, &section.content, false);
    EXPECT_TRUE(section.widget->isEnabled());
}

TEST(GeometrySection, ToolBarButtonsSendTheirCommands)
{
    GeometrySection section;
    using C = GeometryEditingWidgetController;
    const std::vector<std::pair<int, void (C::*)()>> commands = {
        { 10024, &C::cropButtonClicked },
        { 10008, &C::flipHorizontalButtonClicked },
        { 10009, &C::flipVerticalButtonClicked },
        { 10003, &C::maintainAspectRatioButtonClicked },
        { 10004, &C::restoreDefaultButtonClicked },
        { 10030, &C::perspectiveButtonClicked },
        { 10006, &C::rotateClockwiseButtonClicked },
        { 10007, &C::rotateCounterClockwiseButtonClicked },
    };
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const auto& command : commands)
        spies.push_back(std::make_unique<QSignalSpy>(&section.controller, command.second));
    const auto toolbars = section.widget->findChildren<ScrollableToolBar*>();
    ASSERT_EQ(toolbars.size(), 2);

    for (size_t i = 0; i < commands.size(); ++i) {
        TooltipButton* button = toolbars[0]->buttonForCommand(commands[i].first);
        if (!button)
            button = toolbars[1]->buttonForCommand(commands[i].first);
        ASSERT_NE(button, nullptr) << commands[i].first;
        QTest::mouseClick(button, Qt::LeftButton);
        for (size_t j = 0; j < commands.size(); ++j)
            EXPECT_EQ(spies[j]->count(), j == i ? 1 : 0) << "command " << commands[i].first;
        spies[i]->clear();
    }
}

TEST(GeometrySection, FlipButtonsShowEachFlipOfTheSegment)
{
    GeometrySection section;
    const auto button = [&](int command) -> TooltipButton* {
        for (ScrollableToolBar* toolbar : section.widget->findChildren<ScrollableToolBar*>())
            if (TooltipButton* found = toolbar->buttonForCommand(command))
                return found;
        return nullptr;
    };
    TooltipButton* horizontal = button(10008);
    TooltipButton* vertical = button(10009);
    ASSERT_TRUE(horizontal && vertical);
    section.segment.setFlippedHorizontally(true);
    section.controller.updateValues(&section.segment);
    EXPECT_TRUE(horizontal->isChecked());
    EXPECT_FALSE(vertical->isChecked());
    section.segment.setFlippedHorizontally(false);
    section.segment.setFlippedVertically(true);
    section.controller.updateValues(&section.segment);
    EXPECT_FALSE(horizontal->isChecked());
    EXPECT_TRUE(vertical->isChecked());
}

// The widest values of each field, shown from a segment in an inspector at
// its narrowest, in English and in every translation.
TEST(GeometryFieldsWidth, EveryFieldShowsItsWholeValueInTheNarrowestInspectorInEveryLanguage)
{
    struct Shown {
        const char* field;
        QString text;
    };
    const QString degree(QChar(0x00B0));
    const std::vector<std::pair<std::function<void(Segment&)>, std::vector<Shown>>> cases = {
        { [](Segment& s) {
              s.setUserTranslation(QPointF(-1.0, 10.0));
              s.setUserScale(QPointF(10.0, 10.0));
              s.setUserRotation(-M_PI);
              s.setUserPoint0Offset(QPointF(-1.0, 10.0));
          },
          { { "xLineEdit", "-100.0%" }, { "yLineEdit", "1000.0%" }, { "wLineEdit", "1000.0%" },
            { "hLineEdit", "1000.0%" }, { "rLineEdit", "-180.0" + degree }, { "cornerXLineEdit", "-100.0%" },
            { "cornerYLineEdit", "1000.0%" } } },
        { [](Segment& s) {
              s.setUserTranslation(QPointF(-9.999, -9.999));
              s.setUserScale(QPointF(9.999, 9.999));
              s.setUserRotation(-9999.9 / 57.29577951308232);
              s.setUserPoint0Offset(QPointF(-9.999, -9.999));
          },
          { { "xLineEdit", "-999.9%" }, { "yLineEdit", "-999.9%" }, { "wLineEdit", "999.9%" },
            { "hLineEdit", "999.9%" }, { "rLineEdit", "-9999.9" + degree }, { "cornerXLineEdit", "-999.9%" },
            { "cornerYLineEdit", "-999.9%" } } },
    };
    const QStringList languages = { "en_US", "zh_CN", "zh_TW", "ja_JP", "ko_KR", "fr_FR",
                                    "de_DE", "es_ES", "it_IT", "pt_BR", "ru_RU" };
    MultiLanguage language;
    for (const QString& code : languages) {
        language.switchLanguage(code);
        ASSERT_EQ(language.currentLanguage(), code);
        for (const auto& [place, shown] : cases) {
            auto picture = InspectorTest::picture();
            place(*picture);
            picture->setPerspective(true);
            QWidget window;
            auto* inspector = new SegmentInspectorWidget(&window);
            // The narrowest inspector the window allows, with its scroll bar.
            inspector->setFixedSize(300, 500);
            inspector->setSegment(picture.get(), InspectorTest::kCanvas);
            inspector->refreshEditingControllers(picture.get(), nullptr, true, 0.0f);
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
            auto* geometry = inspector->findChild<GeometryEditingWidget*>();
            ASSERT_NE(geometry, nullptr);
            auto* scrollArea = inspector->findChild<QScrollArea*>(QStringLiteral("scrollArea"));
            QWidget* viewport = scrollArea->viewport();
            // Nothing to scroll sideways: every section fits the inspector's width.
            EXPECT_LE(scrollArea->widget()->width(), viewport->width()) << qPrintable(code);
            EXPECT_LE(geometry->minimumSizeHint().width(), viewport->width()) << qPrintable(code);
            for (const Shown& value : shown) {
                auto* field = geometry->findChild<QLineEdit*>(QLatin1String(value.field));
                ASSERT_NE(field, nullptr) << value.field;
                EXPECT_EQ(field->text(), value.text) << qPrintable(code) << " " << value.field;
                EXPECT_TRUE(showsWholeText(field))
                    << qPrintable(code) << " " << value.field << " " << qPrintable(value.text) << " in "
                    << field->width() << " px";
                // The whole panel, up to its up button, lies inside the inspector.
                QWidget* panel = field->parentWidget();
                const int panelRight = panel->mapTo(inspector, QPoint(panel->width(), 0)).x();
                EXPECT_LE(panelRight, viewport->mapTo(inspector, QPoint(viewport->width(), 0)).x())
                    << qPrintable(code) << " " << value.field;
            }
        }
    }
    language.switchLanguage("en_US");
}
