#include "InspectorTestSupport.h"

#include "SegmentedControl.h"
#include "TransitionsEditingWidget.h"
#include "TransitionsEditingWidgetController.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace InspectorTest;

namespace {

class TransitionsSection : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qRegisterMetaType<QPushButton*>();
        window.resize(320, 500);
        window.setObjectName(QStringLiteral("window"));
        window.setStyleSheet(QStringLiteral("#window { background-color: rgb(7,8,10); }"));
        new QVBoxLayout(&window);
        section = std::make_unique<TransitionsEditingWidgetController>(&window);
        window.layout()->addWidget(section->widget());
        window.layout()->addWidget(section->separator());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        widget = section->widget();
        tree = widget->findChild<QTreeWidget*>(QStringLiteral("treeWidget"));
        // The main window answers the easing questions from the transition.
        QObject::connect(section.get(), &TransitionsEditingWidgetController::getEasingFunctionHintText, &window,
                [](Segment* segment, int id, QString& text) {
                    text = QStringLiteral("Easing %1").arg(segment->transitionEasingFunction(id));
                },
                Qt::DirectConnection);
        QObject::connect(section.get(), &TransitionsEditingWidgetController::getEasingFunctionIconImage, &window,
                [](Segment*, int id, QPixmap& pixmap) {
                    pixmap = QPixmap(20, 20);
                    pixmap.fill(id == 1 ? Qt::red : Qt::green);
                },
                Qt::DirectConnection);
    }
    // Two transitions at known places of a 6 s picture.
    std::unique_ptr<Segment> pictureWithTransitions()
    {
        auto photo = picture();
        const int first = photo->addTransitionAtTime(1.0f, 0.5f);
        const int second = photo->addTransitionAtTime(1.0f, 4.0f);
        EXPECT_EQ(first, 1);
        EXPECT_EQ(second, 2);
        photo->setTransitionStart(1, 0.5f);
        photo->setTransitionDuration(1, 1.25f);
        photo->setTransitionStart(2, 3.0f);
        photo->setTransitionDuration(2, 0.75f);
        photo->setTransitionEasingFunction(1, 3);
        photo->setTransitionEasingFunction(2, 7);
        return photo;
    }
    template <typename T>
    T* child(const char* name)
    {
        return widget->findChild<T*>(QLatin1String(name));
    }
    QLabel* emptyHint()
    {
        for (QLabel* label : widget->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (label->objectName().isEmpty())
                return label;
        }
        return nullptr;
    }
    QStringList row(int index)
    {
        const QTreeWidgetItem* item = tree->topLevelItem(index);
        return item ? QStringList{item->text(0), item->text(1), item->text(2)} : QStringList();
    }
    QPoint rowCentre(int index)
    {
        return tree->visualItemRect(tree->topLevelItem(index)).center();
    }

    QWidget window;
    std::unique_ptr<TransitionsEditingWidgetController> section;
    QWidget* widget = nullptr;
    QTreeWidget* tree = nullptr;
};

} // namespace

TEST_F(TransitionsSection, EmptyListAsksForTheFirstTransition)
{
    ASSERT_TRUE(tree);
    EXPECT_EQ(section->displayOrder(), 180);
    // Compact from the start: no transition is selected yet.
    EXPECT_EQ(section->sectionHeight(), 257);
    EXPECT_EQ(tree->columnCount(), 3);
    EXPECT_EQ(tree->headerItem()->text(0), QStringLiteral("ID"));
    EXPECT_EQ(tree->headerItem()->text(2), QStringLiteral("Duration"));

    auto photo = picture();
    section->setTransition(photo.get(), 0, -1);
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    QLabel* hint = emptyHint();
    ASSERT_TRUE(hint);
    EXPECT_EQ(hint->text(), QStringLiteral("Press \"+\" to add a transition"));
    EXPECT_TRUE(hint->isVisible());
    // A band across the table's middle.
    const QWidget* viewport = tree->viewport();
    const QRect band(viewport->mapTo(widget, QPoint(0, 0)), viewport->size());
    EXPECT_EQ(hint->width(), viewport->width());
    EXPECT_EQ(hint->height(), 20);
    EXPECT_NEAR(hint->geometry().center().y(), band.center().y(), 1);
    EXPECT_FALSE(child<QPushButton>("removeTransitionButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("duplicateTransitionButton")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("addTransitionButton")->isEnabled());
    EXPECT_FALSE(child<QWidget>("easingTypePanel")->isVisible());
    EXPECT_FALSE(child<QWidget>("transitionSegmentedWidget")->isVisible());
    EXPECT_EQ(section->sectionHeight(), 257);

    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    window.grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/transitions-section-empty.png");

    // With no row chosen, Remove reports none (it is disabled; the signal is
    // what a click would send).
    QSignalSpy removed(section.get(), &TransitionsEditingWidgetController::removeTransitionAtIndex);
    child<QPushButton>("removeTransitionButton")->setEnabled(true);
    QTest::mouseClick(child<QPushButton>("removeTransitionButton"), Qt::LeftButton);
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed.at(0).at(0).toInt(), -1);

    QSignalSpy add(section.get(), &TransitionsEditingWidgetController::addTransitionActionOnButton);
    QTest::mouseClick(child<QPushButton>("addTransitionButton"), Qt::LeftButton);
    ASSERT_EQ(add.size(), 1);
    EXPECT_EQ(add.at(0).at(0).value<QPushButton*>(), child<QPushButton>("addTransitionButton"));
}

TEST_F(TransitionsSection, SelectedTransitionShowsItsRowEasingAndSide)
{
    auto photo = pictureWithTransitions();
    QSignalSpy selection(section.get(), &TransitionsEditingWidgetController::transitionSelectionIndexChanged);
    auto* side = child<SegmentedControl>("transitionSegmentedWidget");

    section->setTransition(photo.get(), 2, 0);
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(row(0), (QStringList{"1", "0.50", "1.25"}));
    EXPECT_EQ(row(1), (QStringList{"2", "3.00", "0.75"}));
    EXPECT_EQ(tree->currentIndex().row(), 1);
    EXPECT_FALSE(emptyHint() && emptyHint()->isVisible());
    EXPECT_EQ(child<QPushButton>("easingTypeButton")->text(), QStringLiteral("Easing 7"));
    EXPECT_EQ(child<QPushButton>("easingTypeIconButton")->icon().pixmap(20, 20).toImage().pixelColor(10, 10),
              QColor(Qt::green));
    // The pointer on the end: the switch shows "End".
    EXPECT_EQ(side->selectedIndex(), 1);
    EXPECT_EQ(side->segmentTitle(1), QStringLiteral("End"));
    EXPECT_TRUE(child<QWidget>("easingTypePanel")->isVisible());
    EXPECT_TRUE(side->isVisible());
    EXPECT_TRUE(child<QPushButton>("removeTransitionButton")->isEnabled());
    EXPECT_EQ(section->sectionHeight(), 346);
    // The easing name gets the room it needs once the layouts settle.
    auto* easingButton = child<QPushButton>("easingTypeButton");
    EXPECT_TRUE(QTest::qWaitFor([&] { return easingButton->width() >= easingButton->sizeHint().width(); }, 5000))
        << "the easing name never got its room";
    window.grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/transitions-section-selected.png");

    // On the start; then on neither end, which leaves the switch alone.
    section->setTransition(photo.get(), 1, 1);
    EXPECT_EQ(side->selectedIndex(), 0);
    EXPECT_EQ(tree->currentIndex().row(), 0);
    EXPECT_EQ(child<QPushButton>("easingTypeButton")->text(), QStringLiteral("Easing 3"));
    section->setTransition(photo.get(), 2, -1);
    EXPECT_EQ(side->selectedIndex(), 0);
    // The main window's selections never come back as the user's.
    EXPECT_EQ(selection.size(), 0);

    // An id the list no longer has selects nothing and shows no easing.
    section->setTransition(photo.get(), 5, -1);
    EXPECT_EQ(tree->currentIndex().row(), -1);
    section->setTransition(photo.get(), 0, -1);
    EXPECT_EQ(child<QPushButton>("easingTypeButton")->text(), QString());
    EXPECT_EQ(section->sectionHeight(), 257);
}

TEST_F(TransitionsSection, UserActionsAreReported)
{
    auto photo = pictureWithTransitions();
    section->setTransition(photo.get(), 1, 1);
    QSignalSpy selection(section.get(), &TransitionsEditingWidgetController::transitionSelectionIndexChanged);
    QSignalSpy side(section.get(), &TransitionsEditingWidgetController::transitionBeginOrEndPositionChanged);
    QSignalSpy duplicated(section.get(), &TransitionsEditingWidgetController::duplicateTransitionAtIndex);
    QSignalSpy easing(section.get(), &TransitionsEditingWidgetController::popupEasingFunctionsWidgetOnButton);

    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rowCentre(1));
    ASSERT_EQ(selection.size(), 1);
    EXPECT_EQ(selection.at(0).at(0).toInt(), 1);

    QTest::mouseClick(child<QPushButton>("duplicateTransitionButton"), Qt::LeftButton);
    ASSERT_EQ(duplicated.size(), 1);
    EXPECT_EQ(duplicated.at(0).at(0).toInt(), 1);

    // "End" asks for the end state (0), "Start" for the begin state (1).
    auto* control = child<SegmentedControl>("transitionSegmentedWidget");
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(control->width() * 3 / 4, control->height() / 2));
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(control->width() / 4, control->height() / 2));
    ASSERT_EQ(side.size(), 2);
    EXPECT_EQ(side.at(0).at(0).toInt(), 0);
    EXPECT_EQ(side.at(1).at(0).toInt(), 1);

    // Each of the three easing buttons opens the list from itself.
    for (const char* name : {"easingTypeIconButton", "easingTypeButton", "easingTypeTriangleButton"})
        QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton);
    ASSERT_EQ(easing.size(), 3);
    EXPECT_EQ(easing.at(0).at(0).value<QPushButton*>(), child<QPushButton>("easingTypeIconButton"));
    EXPECT_EQ(easing.at(2).at(0).value<QPushButton*>(), child<QPushButton>("easingTypeTriangleButton"));
}

TEST_F(TransitionsSection, ListReloadKeepsTheHintInStep)
{
    auto photo = pictureWithTransitions();
    section->reloadTransitionList(photo.get());
    EXPECT_EQ(tree->topLevelItemCount(), 2);
    // The table is refilled, not the selection or the panel.
    EXPECT_EQ(section->sectionHeight(), 257);
    EXPECT_EQ(emptyHint(), nullptr);

    photo->removeTransition(2);
    photo->removeTransition(1);
    section->reloadTransitionList(photo.get());
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    ASSERT_TRUE(emptyHint());
    EXPECT_TRUE(emptyHint()->isVisible());

    photo->addTransitionAtTime(1.0f, 2.0f);
    section->reloadTransitionList(photo.get());
    EXPECT_EQ(row(0).value(0), QStringLiteral("1"));
    EXPECT_FALSE(emptyHint()->isVisible());

    // Rows keep the fixed height whatever the font.
    EXPECT_EQ(tree->visualItemRect(tree->topLevelItem(0)).height(), 25);
    EXPECT_EQ(tree->header()->height(), 25);
}
