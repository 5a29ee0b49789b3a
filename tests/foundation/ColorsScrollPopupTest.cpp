// The colour-correction popup: its rows as a user drives them, what it tells
// its owner, and its scheme files in an isolated data folder.
#include "IsolatedSettings.h"
#include "ModalDialogAnswerer.h"
#include "PopupColorsScrollWidget.h"
#include "PopupColorsScrollWidgetEditItemWidget.h"
#include "PopupColorsScrollWidgetOneSliderItemWidget.h"
#include "SliderPopupTestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QStyle>

namespace {

const QPoint kAnchor(500, 700);
constexpr int kDialogWaitMs = 5000;

using Row = PopupColorsScrollWidgetOneSliderItemWidget;

struct ColorsPopup : public ::testing::Test {
    void SetUp() override { host.showFocused(QSize(1000, 800)); }

    PopupColorsScrollWidget* show(const PopupColorsScrollWidget::Values& v)
    {
        popup = new PopupColorsScrollWidget(&host);
        popup->showWithValues(&host, kAnchor, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
        listen();
        return popup;
    }
    void listen()
    {
        using P = PopupColorsScrollWidget;
        QObject::connect(popup, &P::saturationChanging, &host, [this](P*, int v) { log << QString("changing %1").arg(v); });
        QObject::connect(popup, &P::saturationChanged, &host, [this](P*, int v) { log << QString("changed %1").arg(v); });
        QObject::connect(popup, &P::needtoDisplayMessage, &host, [this](P*, QString text) { messages << text; });
        QObject::connect(popup, &CommonPopup::dismissed, &host, [this] { log << "dismissed"; });
    }
    QList<Row*> rows() const { return popup->findChildren<Row*>(); }
    Row* row(int index) const
    {
        for (Row* r : rows())
            if (r->index() == index)
                return r;
        return nullptr;
    }
    // Opens the options menu by its button, as a user does.
    QMenu* openOptions()
    {
        clickOn(host, popup->findChild<QPushButton*>("optionsButton"));
        QMenu* menu = popup->findChild<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
        EXPECT_TRUE(menu && QTest::qWaitForWindowExposed(menu));
        return menu;
    }
    static QAction* action(QMenu* menu, const QString& text)
    {
        for (QAction* a : menu->actions())
            if (a->text() == text)
                return a;
        return nullptr;
    }
    // "Save as Scheme..." with the name typed in the dialog.
    void saveAs(const QString& name)
    {
        QMenu* menu = openOptions();
        QAction* save = action(menu, "Save as Scheme...");
        ASSERT_TRUE(save && save->isEnabled());
        ModalDialogAnswerer answerer([&](QWidget* widget) {
            auto* dialog = qobject_cast<QInputDialog*>(widget);
            ASSERT_TRUE(dialog);
            EXPECT_EQ(dialog->windowTitle(), "Save as Scheme");
            dialog->setTextValue(name);
            dialog->accept();
        });
        const int before = messages.size();
        save->trigger();
        menu->close();
        EXPECT_TRUE(QTest::qWaitFor([&] { return messages.size() > before; }, kDialogWaitMs));
    }
    static void writeScheme(const QString& name, int version, const QString& key, int value)
    {
        QDir().mkpath(PopupColorsScrollWidget::schemesFolder());
        QSettings file(PopupColorsScrollWidget::schemesFolder() + "/" + name + ".scheme", QSettings::IniFormat);
        file.setValue("version", version);
        file.setValue(key, value);
    }

    IsolatedSettings isolated;
    HostWindow host;
    QPointer<PopupColorsScrollWidget> popup;
    QStringList log;
    QStringList messages;
};

// The handle's centre in the window for a value of the row's slider.
QPoint handleAt(QWidget& host, QSlider* slider, int value)
{
    const QRect handle = sliderHandleRect(slider);
    const int span = slider->width() - handle.width();
    const int shift = QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), value, span)
                      - QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), slider->value(), span);
    return slider->mapTo(&host, handle.center() + QPoint(shift, 0));
}

TEST_F(ColorsPopup, ADragNearTheMiddleSnapsToZeroAndAStepFromZeroGivesOne)
{
    show({30, 0, 0, 0, 0, 0, 0, 0, 0});
    auto* slider = row(0)->findChild<QSlider*>("slider");
    ASSERT_TRUE(slider->isVisible());
    const QPoint start = handleAt(host, slider, 30);
    const QPoint end = handleAt(host, slider, 4);
    QTest::mousePress(host.windowHandle(), Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(host.windowHandle(), (start + end) / 2);
    QTest::mouseMove(host.windowHandle(), end);
    QTest::mouseRelease(host.windowHandle(), Qt::LeftButton, Qt::NoModifier, end);
    EXPECT_EQ(slider->value(), 0);
    EXPECT_EQ(row(0)->findChild<QLabel*>("valueLabel")->text(), "0");
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(log.filter("changing").last(), "changing 0");
    EXPECT_EQ(log.last(), "changed 0");
    EXPECT_EQ(popup->values()[0], 0);

    log.clear();
    clickOn(host, row(0)->findChild<QPushButton*>("valueUpButton"));
    EXPECT_EQ(log, QStringList({"changing 1"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.size() == 2; }, 5000)) << "the step was never committed";
    EXPECT_EQ(log, QStringList({"changing 1", "changed 1"}));
}

TEST_F(ColorsPopup, AStepStillPendingIsReportedBeforeThePopupGoes)
{
    show({0, 0, 0, 0, 0, 0, 0, 0, 0});
    clickOn(host, row(0)->findChild<QLabel*>("titleLabel"));
    clickOn(host, row(0)->findChild<QPushButton*>("valueDownButton"));
    QTest::keyClick(host.windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return popup.isNull(); }, 5000));
    QTest::qWait(400);
    EXPECT_EQ(log, QStringList({"changing -1", "changed -1", "dismissed"}));
}

TEST_F(ColorsPopup, AStepStillPendingIsReportedBeforeTheOwnerRefreshesTheValues)
{
    show({0, 0, 0, 0, 0, 0, 0, 0, 0});
    clickOn(host, row(0)->findChild<QLabel*>("titleLabel"));
    clickOn(host, row(0)->findChild<QPushButton*>("valueUpButton"));
    // The owner refreshes from its segment before the step's final change came.
    popup->setValues(0, 5, 0, 0, 0, 0, 0, 0, 0);
    QTest::qWait(400);
    EXPECT_EQ(log, QStringList({"changing 1", "changed 1"}));
    EXPECT_EQ(popup->values()[1], 5);
}

TEST_F(ColorsPopup, AClickTogglesARowAndADragOfFivePixelsDoesNot)
{
    show({0, 0, 0, 0, 0, 0, 0, 0, 0});
    QLabel* title = row(2)->findChild<QLabel*>("titleLabel");
    EXPECT_EQ(row(2)->height(), 38);
    const int below = row(3)->y();
    clickOn(host, title);
    EXPECT_TRUE(popup->isExpanded(2));
    EXPECT_EQ(row(2)->height(), 95);
    EXPECT_EQ(row(3)->y(), below + 57);
    EXPECT_TRUE(row(2)->findChild<QWidget*>("sliderAreaWidget")->isVisible());

    dragFrom(host, centreIn(host, title), QPoint(5, 0));
    EXPECT_TRUE(popup->isExpanded(2));
    dragFrom(host, centreIn(host, title), QPoint(3, 0));
    EXPECT_FALSE(popup->isExpanded(2));
    EXPECT_EQ(row(3)->y(), below);
}

TEST_F(ColorsPopup, EmbeddedItAsksForMoreRoomWhenARowExpands)
{
    auto* card = new QWidget(&host);
    card->setGeometry(600, 50, 383, 700);
    card->show();
    popup = new PopupColorsScrollWidget(card);
    QSignalSpy fit(popup, &PopupColorsScrollWidget::widgetFitHeightChanged);
    popup->showFullscreenWithValues(card, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    const int collapsed = popup->fitHeight();
    fit.clear();
    clickOn(host, row(8)->findChild<QLabel*>("titleLabel"));
    EXPECT_EQ(fit.count(), 1);
    EXPECT_EQ(popup->fitHeight(), collapsed + 57);
    EXPECT_EQ(row(8)->width(), popup->findChild<QWidget*>("scrollArea")->width());
}

TEST_F(ColorsPopup, TheYellowSchemeExpandsRedGreenAndBlueOnly)
{
    show({0, 40, 0, 0, 0, 0, 0, 0, 0});
    QSignalSpy scheme(popup, &PopupColorsScrollWidget::schemeChanged);
    QMenu* menu = openOptions();
    QMenu* schemes = action(menu, "Schemes")->menu();
    ASSERT_TRUE(schemes);
    EXPECT_EQ(schemes->actions().size(), 5);
    action(schemes, "[Yellow]")->trigger();
    menu->close();
    ASSERT_EQ(scheme.count(), 1);
    EXPECT_EQ(popup->values(), (PopupColorsScrollWidget::Values{0, 0, 0, 0, 0, 0, 50, 50, -100}));
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(popup->isExpanded(i), i >= 6) << i;
        EXPECT_EQ(row(i)->height(), i >= 6 ? 95 : 38) << i;
    }
    EXPECT_EQ(row(8)->findChild<QLabel*>("valueLabel")->text(), "-100");
    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fadesEnded(host); }, 5000)) << "the popup never faded in";
    EXPECT_TRUE(host.grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/colors-popup-yellow.png"));
    EXPECT_EQ(scheme.first().at(7).toInt(), 50);
    EXPECT_EQ(scheme.first().at(9).toInt(), -100);
    // Applying a scheme is one change, not nine.
    EXPECT_TRUE(log.filter("changed").isEmpty());
}

TEST_F(ColorsPopup, SchemeNamesBecomeFileNamesAndOnlyVersionOneIsRead)
{
    show({0, 0, 0, 0, 0, 0, 0, 0, 0});
    QMenu* menu = openOptions();
    EXPECT_FALSE(action(menu, "Save as Scheme...")->isEnabled());
    EXPECT_FALSE(action(menu, "Manage..."));
    menu->close();

    popup->setValues(-20, 0, 0, 0, 0, 0, 0, 0, 33);
    saveAs("a/b:c");
    saveAs("summer.2");
    EXPECT_EQ(messages, QStringList({"Color scheme saved", "Color scheme saved"}));
    const QString folder = PopupColorsScrollWidget::schemesFolder();
    EXPECT_TRUE(folder.startsWith(isolated.root()));
    EXPECT_TRUE(QFile::exists(folder + "/a b c.scheme"));
    QSettings saved(folder + "/summer.2.scheme", QSettings::IniFormat);
    EXPECT_EQ(saved.value("version").toInt(), 1);
    EXPECT_EQ(saved.value("saturation").toInt(), -20);
    EXPECT_EQ(saved.value("blue").toInt(), 33);

    writeScheme("future", 2, "red", 70);
    writeScheme("handmade", 1, "red", 70);
    QFile(folder + "/notes.txt").open(QIODevice::WriteOnly);
    popup->loadSchemeNames();
    EXPECT_EQ(popup->schemeNames(), QStringList({"a b c", "future", "handmade", "summer.2"}));

    QSignalSpy scheme(popup, &PopupColorsScrollWidget::schemeChanged);
    popup->loadScheme("future");
    EXPECT_EQ(scheme.count(), 0);
    EXPECT_EQ(popup->values()[6], 0);
    popup->loadScheme("handmade");
    ASSERT_EQ(scheme.count(), 1);
    EXPECT_EQ(popup->values(), (PopupColorsScrollWidget::Values{0, 0, 0, 0, 0, 0, 70, 0, 0}));
    EXPECT_TRUE(popup->isExpanded(6));

    menu = openOptions();
    QMenu* schemes = action(menu, "Schemes")->menu();
    QStringList entries;
    for (QAction* a : schemes->actions())
        entries << (a->isSeparator() ? QString("|") : a->text());
    EXPECT_EQ(entries, QStringList({"a b c", "future", "handmade", "summer.2", "|", "[None]", "[Mono]", "[Cold]",
                                    "[Warm]", "[Yellow]"}));
    EXPECT_TRUE(action(menu, "Manage..."));
    menu->close();
}

TEST_F(ColorsPopup, ManageModeRemovesASchemeOnlyWhenTheUserConfirms)
{
    writeScheme("dusk", 1, "hue", 10);
    writeScheme("noon", 1, "hue", 20);
    show({0, 0, 0, 0, 0, 0, 0, 0, 0});
    QMenu* menu = openOptions();
    action(menu, "Manage...")->trigger();
    menu->close();
    ASSERT_TRUE(popup->isInManageMode());
    EXPECT_TRUE(rows().isEmpty());
    auto items = popup->findChildren<PopupColorsScrollWidgetEditItemWidget*>();
    ASSERT_EQ(items.size(), 2);

    auto removeFirst = [&](const QString& answer) {
        PopupColorsScrollWidgetEditItemWidget* first = nullptr;
        for (auto* item : popup->findChildren<PopupColorsScrollWidgetEditItemWidget*>())
            if (item->isVisible() && item->index() == 0)
                first = item;
        ASSERT_TRUE(first);
        QString text;
        ModalDialogAnswerer answerer([&](QWidget* dialog) {
            text = qobject_cast<QMessageBox*>(dialog)->text();
            ModalDialogAnswerer::clickButton(answer)(dialog);
        });
        clickOn(host, first->findChild<QPushButton*>("deleteButton"));
        EXPECT_TRUE(answerer.answered());
        EXPECT_EQ(text, "Do you really want to remove scheme \"dusk\"?");
    };
    removeFirst("Cancel");
    EXPECT_TRUE(QFile::exists(PopupColorsScrollWidget::schemesFolder() + "/dusk.scheme"));
    removeFirst("Remove");
    EXPECT_FALSE(QFile::exists(PopupColorsScrollWidget::schemesFolder() + "/dusk.scheme"));
    EXPECT_EQ(popup->schemeNames(), QStringList({"noon"}));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    items = popup->findChildren<PopupColorsScrollWidgetEditItemWidget*>();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items.first()->findChild<QLabel*>("label")->text(), "noon");

    clickOn(host, popup->findChild<QPushButton*>("doneButton"));
    EXPECT_FALSE(popup->isInManageMode());
    EXPECT_EQ(rows().size(), 9);
    EXPECT_TRUE(popup->findChild<QPushButton*>("optionsButton"));
}

TEST_F(ColorsPopup, ASaveThatCannotBeWrittenSaysSo)
{
    show({0, 0, 0, 0, 0, 0, 12, 0, 0});
    // A file where the folder should be: no scheme can be written there.
    const QString folder = PopupColorsScrollWidget::schemesFolder();
    QDir().mkpath(QFileInfo(folder).absolutePath());
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    saveAs("blocked");
    saveAs("//");
    EXPECT_EQ(messages, QStringList({"Cannot save the color scheme", "Cannot save the color scheme"}));
    EXPECT_FALSE(popup->saveScheme("blocked"));

    // The folder is there, but the write itself fails: a folder stands in
    // the scheme file's place.
    ASSERT_TRUE(QFile::remove(folder));
    ASSERT_TRUE(QDir().mkpath(folder + "/taken.scheme"));
    messages.clear();
    saveAs("taken");
    saveAs("free");
    EXPECT_EQ(messages, QStringList({"Cannot save the color scheme", "Color scheme saved"}));
}

TEST_F(ColorsPopup, SchemeNamesWithSeparatorsNeverReachOutsideTheSchemesFolder)
{
    show({0, 0, 0, 0, 0, 0, 12, 0, 0});
    const QString folder = PopupColorsScrollWidget::schemesFolder();
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_FALSE(popup->saveScheme("../escaped"));
    EXPECT_FALSE(popup->saveScheme("..\\escaped"));
    EXPECT_FALSE(QFile::exists(folder + "/../escaped.scheme"));
    EXPECT_TRUE(popup->saveScheme("inside"));

    // A version-1 file beside the folder is not a scheme of ours.
    QSettings outside(folder + "/../outside.scheme", QSettings::IniFormat);
    outside.setValue("version", 1);
    outside.setValue("red", 70);
    outside.sync();
    QSignalSpy scheme(popup, &PopupColorsScrollWidget::schemeChanged);
    popup->loadScheme("../outside");
    EXPECT_EQ(scheme.count(), 0);
    EXPECT_EQ(popup->values()[6], 12);
}

TEST_F(ColorsPopup, HoldingUpAt99StopsAt100AndCommitsOnceAfterTheRelease)
{
    show({99, 0, 0, 0, 0, 0, 0, 0, 0});
    QPushButton* up = row(0)->findChild<QPushButton*>("valueUpButton");
    pressOn(host, up);
    QTest::qWait(700);  // held into the repeat: nothing past 100 may come
    EXPECT_EQ(log, QStringList({"changing 100"}));
    QElapsedTimer sinceRelease;
    sinceRelease.start();
    releaseOn(host, up);
    EXPECT_EQ(log, QStringList({"changing 100"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.size() == 2; }, 5000)) << "the held step was never committed";
    EXPECT_GE(sinceRelease.elapsed(), 350);
    EXPECT_EQ(log, QStringList({"changing 100", "changed 100"}));
}

TEST_F(ColorsPopup, AKeyStepCommitsLikeAStepButton)
{
    show({10, 0, 0, 0, 0, 0, 0, 0, 0});
    auto* slider = row(0)->findChild<QSlider*>("slider");
    QTest::mouseClick(host.windowHandle(), Qt::LeftButton, Qt::NoModifier, handleAt(host, slider, 10));
    ASSERT_EQ(QApplication::focusWidget(), slider);
    log.clear();
    QTest::keyClick(host.windowHandle(), Qt::Key_Right);
    EXPECT_EQ(log, QStringList({"changing 11"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.size() == 2; }, 5000)) << "the key step was never committed";
    EXPECT_EQ(log, QStringList({"changing 11", "changed 11"}));
}

} // namespace
