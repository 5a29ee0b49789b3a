#include "../foundation/SliderPopupTestSupport.h"
#include "MultiLanguage.h"
#include "ProjectsTestSupport.h"
#include "SettingsWidget.h"
#include "SwitchButton.h"
#include "UserSettings.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>
#include <QWheelEvent>

#include <functional>

namespace {

// Answers the next popup menu as soon as it shows. A timer polls for it and
// gives up after five seconds, so a menu that never opens fails the test
// instead of hanging it.
class MenuAnswerer : public QObject
{
public:
    using Answer = std::function<void(QMenu*)>;

    explicit MenuAnswerer(Answer answer) : _answer(std::move(answer))
    {
        connect(&_timer, &QTimer::timeout, this, &MenuAnswerer::_poll);
        _timer.start(20);
    }
    bool answered() const { return _answered; }

    // Picks the entry with the data (the menu closes when none has it) and
    // notes the entries that were checked.
    static Answer choose(const QVariant& data, QStringList* checked = nullptr)
    {
        return [data, checked](QMenu* menu) {
            for (QAction* action : menu->actions()) {
                if (checked && action->isChecked())
                    checked->append(action->text());
            }
            for (QAction* action : menu->actions()) {
                if (action->data() == data) {
                    menu->setActiveAction(action);
                    QTest::keyClick(menu, Qt::Key_Return);
                    return;
                }
            }
            menu->close();
        };
    }

private:
    void _poll()
    {
        if (++_polls > 250) {
            _timer.stop();
            return;
        }
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        _timer.stop();
        _answered = true;
        _answer(menu);
    }

    Answer _answer;
    QTimer _timer;
    int _polls = 0;
    bool _answered = false;
};

// The page over a settings store of its own, as the program names it.
class SettingsWidgetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QCoreApplication::setOrganizationName("Vidorna");
        QCoreApplication::setApplicationName("Vidorna");
    }
    void TearDown() override
    {
        _page.reset();
        MultiLanguage().switchLanguage("en_US");
        ProjectManager::setWorkingFolder(QString());
    }

    // Stores values as an earlier run left them, then shows a new page.
    void showPage(const QVariantMap& stored = {})
    {
        QSettings store;
        for (auto it = stored.begin(); it != stored.end(); ++it)
            store.setValue(it.key(), it.value());
        store.sync();
        UserSettings::instance()->load();
        _page = std::make_unique<SettingsWidget>();
        _page->resize(700, 900);
        _page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(_page.get()));
    }
    template <typename T>
    T* child(const QString& name) const
    {
        T* found = _page->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QString text(const QString& labelName) const { return child<QLabel>(labelName)->text(); }
    static QByteArray storeFile()
    {
        QFile file(QSettings().fileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A press and release on the middle of a row of the page, as the window system sends it.
    void clickRow(const QString& name)
    {
        QWidget* row = child<QWidget>(name);
        const QPoint position = row->mapTo(_page.get(), row->rect().center());
        QTest::mousePress(_page->windowHandle(), Qt::LeftButton, Qt::NoModifier, position);
        QTest::mouseRelease(_page->windowHandle(), Qt::LeftButton, Qt::NoModifier, position);
    }

    // Whether a press and release at a point of the page opens a menu (which is then closed).
    bool pressOpensMenu(const QPoint& position)
    {
        MenuAnswerer closer([](QMenu* menu) { menu->close(); });
        const QPoint global = _page->mapToGlobal(position);
        QMouseEvent press(QEvent::MouseButtonPress, position, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(_page.get(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, position, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        // A menu runs inside the release: it has been answered when this returns.
        QApplication::sendEvent(_page.get(), &release);
        return closer.answered();
    }

    IsolatedSettings _isolated;
    std::unique_ptr<SettingsWidget> _page;
};

void moveHeld(QSlider* slider, const QPoint& position)
{
    QMouseEvent move(QEvent::MouseMove, position, slider->mapToGlobal(position), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(slider, &move);
}

// Presses the handle and moves it right, pixel by pixel, until the slider
// shows the value; the button stays down.
void dragUntil(QSlider* slider, int value)
{
    QPoint position = sliderHandleRect(slider).center();
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, position);
    ASSERT_TRUE(slider->isSliderDown());
    while (slider->value() < value && position.x() < slider->width()) {
        position.rx() += 1;
        moveHeld(slider, position);
    }
    ASSERT_EQ(slider->value(), value);
}

void releaseSlider(QSlider* slider)
{
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, sliderHandleRect(slider).center());
}

void turnWheel(QSlider* slider)
{
    const QPoint center = slider->rect().center();
    QWheelEvent wheel(center, slider->mapToGlobal(center), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(slider, &wheel);
}

TEST_F(SettingsWidgetTest, DurationsShowTheStoreAndStoreEveryValueTheSliderSettlesOn)
{
    showPage({{"UserSettings/PhotoDuration", 0.05}, {"UserSettings/TextDuration", 12.5}});
    auto* photo = child<QSlider>("photoDurationSlider");
    auto* text = child<QSlider>("textDurationSlider");
    auto* drawing = child<QSlider>("selfDrawDurationSlider");
    EXPECT_EQ(photo->value(), 1);
    EXPECT_EQ(this->text("photoDurationValueLabel"), "0.1s");
    EXPECT_EQ(text->value(), 100);
    EXPECT_EQ(this->text("textDurationValueLabel"), "10.0s");
    EXPECT_EQ(drawing->value(), 20);
    EXPECT_EQ(this->text("selfDrawDurationValueLabel"), "2.0s");
    // Showing values stores nothing, and leaving the page unchanged writes nothing.
    const QByteArray before = storeFile();
    _page->hide();
    EXPECT_EQ(storeFile(), before);
    EXPECT_FLOAT_EQ(UserSettings::instance()->photoDuration(), 0.05f);
    _page->show();

    // A drag shows each value and stores only where it is released.
    QTest::keyClick(photo, Qt::Key_PageUp);
    EXPECT_EQ(photo->value(), 11);
    EXPECT_FLOAT_EQ(UserSettings::instance()->photoDuration(), 1.1f);
    photo->setValue(20);
    ASSERT_NO_FATAL_FAILURE(dragUntil(photo, 35));
    EXPECT_EQ(this->text("photoDurationValueLabel"), "3.5s");
    EXPECT_FLOAT_EQ(UserSettings::instance()->photoDuration(), 2.0f);
    releaseSlider(photo);
    EXPECT_FLOAT_EQ(UserSettings::instance()->photoDuration(), 3.5f);
    EXPECT_FLOAT_EQ(UserSettings::instance()->textDuration(), 12.5f);
    EXPECT_FLOAT_EQ(UserSettings::instance()->drawingDuration(), 2.0f);

    // Keys and the wheel settle without a release.
    text->setValue(20);
    QTest::keyClick(text, Qt::Key_Right);
    EXPECT_EQ(this->text("textDurationValueLabel"), "2.1s");
    EXPECT_FLOAT_EQ(UserSettings::instance()->textDuration(), 2.1f);
    turnWheel(drawing);
    const int wheeled = drawing->value();
    EXPECT_NE(wheeled, 20);
    EXPECT_FLOAT_EQ(UserSettings::instance()->drawingDuration(), wheeled / 10.0f);

    // What was stored comes back on the same steps in the next run.
    _page->hide();
    showPage();
    EXPECT_EQ(child<QSlider>("photoDurationSlider")->value(), 35);
    EXPECT_EQ(child<QSlider>("textDurationSlider")->value(), 21);
    EXPECT_EQ(this->text("textDurationValueLabel"), "2.1s");
    EXPECT_EQ(child<QSlider>("selfDrawDurationSlider")->value(), wheeled);
}

TEST_F(SettingsWidgetTest, SwitchesStoreTheirKeysAndTheFileGetsThemWhenThePageHides)
{
    showPage({{"UserSettings/DontAutoDragDropAlign", true}});
    auto* habits = child<SwitchButton>("segmentPropertiesSwitchButton");
    auto* align = child<SwitchButton>("autoAlignSwitchButton");
    auto* hardware = child<SwitchButton>("hardwareAccelSwitchButton");
    auto* copy = child<SwitchButton>("autoCopyAssetsSwitchButton");
    EXPECT_TRUE(habits->value());
    EXPECT_FALSE(align->value());
    EXPECT_TRUE(hardware->value());
    EXPECT_FALSE(copy->value());
    EXPECT_EQ(text("hardwareAccelDetailLabel"), "Enabled: high performance, loss compatibility");

    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    _page->grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/settings-page.png");

    QTest::mouseClick(habits, Qt::LeftButton);
    EXPECT_FALSE(UserSettings::instance()->applyUserHabits());
    EXPECT_FALSE(storeFile().contains("DontApplyUserHabits"));
    QTest::mouseClick(align, Qt::LeftButton);
    EXPECT_TRUE(UserSettings::instance()->autoDragDropAlign());
    QTest::mouseClick(hardware, Qt::LeftButton);
    EXPECT_FALSE(UserSettings::instance()->hardwareCodec());
    EXPECT_EQ(text("hardwareAccelDetailLabel"), "Disabled: better compatibility, loss performance");
    QTest::mouseClick(copy, Qt::LeftButton);
    EXPECT_TRUE(UserSettings::instance()->autoCopyAssets());

    _page->hide();
    const QByteArray written = storeFile();
    EXPECT_TRUE(written.contains("DontApplyUserHabits=true")) << written.toStdString();
    EXPECT_TRUE(written.contains("DontAutoDragDropAlign=false"));
    EXPECT_TRUE(written.contains("HardwareCodec=false"));
    EXPECT_TRUE(written.contains("AutoCopyAssets=true"));
}

TEST_F(SettingsWidgetTest, ChangesStayPendingUntilTheStoreCanBeWritten)
{
    showPage();
    const QString file = QSettings().fileName();
    ASSERT_TRUE(QDir().mkpath(file)); // a folder where the file belongs
    QTest::mouseClick(child<SwitchButton>("autoCopyAssetsSwitchButton"), Qt::LeftButton);
    _page->hide();
    ASSERT_TRUE(QDir(file).removeRecursively());
    _page->show();
    _page->hide();
    EXPECT_TRUE(storeFile().contains("AutoCopyAssets=true")) << storeFile().toStdString();
}

TEST_F(SettingsWidgetTest, TheLanguageMenuSwitchesEveryLabelAtOnce)
{
    showPage();
    const QString folder = text("workingDirectoryValueLabel");
    ASSERT_FALSE(folder.isEmpty());
    QStringList checked;
    {
        MenuAnswerer menu(MenuAnswerer::choose("fr_FR", &checked));
        clickRow("languagePanel");
        ASSERT_TRUE(menu.answered());
    }
    EXPECT_EQ(checked, QStringList{"English"});
    EXPECT_EQ(text("languageValueLabel"), QString::fromUtf8("Français"));
    EXPECT_EQ(UserSettings::instance()->language(), "fr_FR");
    EXPECT_EQ(text("languageLabel"), "Langue");
    EXPECT_EQ(_page->title(), QString::fromUtf8("Paramètres"));
    EXPECT_EQ(text("photoDurationValueLabel"), "2.0s");
    EXPECT_EQ(text("workingDirectoryValueLabel"), folder);
    EXPECT_EQ(text("hardwareAccelDetailLabel"),
              QCoreApplication::translate("SettingsWidget", "Enabled: high performance, loss compatibility"));
    EXPECT_NE(text("hardwareAccelDetailLabel"), "Enabled: high performance, loss compatibility");

    // The next opening marks the language in force; leaving it changes nothing.
    checked.clear();
    {
        MenuAnswerer menu(MenuAnswerer::choose(QVariant(), &checked));
        clickRow("languagePanel");
        ASSERT_TRUE(menu.answered());
    }
    EXPECT_EQ(checked, QStringList{QString::fromUtf8("Français")});
    EXPECT_EQ(UserSettings::instance()->language(), "fr_FR");
}

TEST_F(SettingsWidgetTest, RowsOpenTheirMenuOnlyWhereTheyAreShown)
{
    showPage();
    QWidget* language = child<QWidget>("languagePanel");
    EXPECT_TRUE(pressOpensMenu(language->mapTo(_page.get(), language->rect().center())));
    // Where the hidden layout row was laid out, the photo duration's caption is now.
    QLabel* caption = child<QLabel>("photoDurationLabel");
    EXPECT_FALSE(pressOpensMenu(caption->mapTo(_page.get(), QPoint(4, caption->height() / 2))));

    // Scrolled down, the language row's former place shows other rows.
    _page->resize(700, 200);
    QScrollBar* bar = child<QScrollArea>("scrollArea")->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 100);
    bar->setValue(bar->maximum());
    EXPECT_FALSE(pressOpensMenu(QPoint(300, 25)));

    // Shown, the layout row offers both layouts.
    bar->setValue(0);
    child<QWidget>("videoEditorLayoutPanel")->show();
    QTRY_VERIFY(child<QWidget>("videoEditorLayoutPanel")->isVisible());
    MenuAnswerer menu(MenuAnswerer::choose(0));
    clickRow("videoEditorLayoutPanel");
    ASSERT_TRUE(menu.answered());
    EXPECT_EQ(UserSettings::instance()->editorUI(), 0);
    EXPECT_EQ(text("videoEditorLayoutValueLabel"), "Classic");
}

TEST_F(SettingsWidgetTest, ResetForgetsTheSavedSegmentPropertiesOnlyWhenConfirmed)
{
    showPage({{"User/TextColor", "#ff102030"}, {"User/TextSize", 0.05}, {"UserSettings/PhotoDuration", 3.0}});
    QSignalSpy messages(_page.get(), &SettingsWidget::issueShowTextMessage);
    auto* reset = child<QPushButton>("segmentPropertiesResetButton");
    {
        DialogScript script({DialogScript::click("Cancel")});
        reset->click();
        EXPECT_TRUE(script.finished());
        ASSERT_EQ(script.seen().size(), 1);
        EXPECT_TRUE(script.seen().front().endsWith("Do you really want to reset the saved segment properties?"));
    }
    QSettings store;
    store.beginGroup("User");
    EXPECT_EQ(store.childKeys().size(), 2);
    EXPECT_TRUE(messages.isEmpty());
    {
        DialogScript script({DialogScript::click("Reset")});
        reset->click();
        EXPECT_TRUE(script.finished());
    }
    store.sync();
    EXPECT_TRUE(store.childKeys().isEmpty());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.front().front().toString(), "Segment properties reset successfully");
    store.endGroup();
    EXPECT_EQ(store.value("UserSettings/PhotoDuration").toDouble(), 3.0) << "the page's own keys stay";
}

TEST_F(SettingsWidgetTest, TheWorkingDirectoryMovesOnlyToAFolderThatCanHoldProjects)
{
    showPage();
    const QString before = UserSettings::instance()->workingDir();
    QSignalSpy changed(_page.get(), &SettingsWidget::workingDirectoryChanged);
    auto* button = child<QPushButton>("workingDirectoryButton");
    const QString chosen = _isolated.root() + "/Elsewhere";
    ASSERT_TRUE(QDir().mkpath(chosen));
    ASSERT_NE(before, chosen);
    for (int time = 0; time < 2; ++time) {
        DialogScript script({DialogScript::choose(chosen)});
        button->click();
        EXPECT_TRUE(script.finished());
    }
    EXPECT_EQ(changed.size(), 2) << "the folder in use is taken again";
    EXPECT_EQ(UserSettings::instance()->workingDir(), chosen);
    EXPECT_EQ(text("workingDirectoryValueLabel"), chosen);
    EXPECT_EQ(ProjectManager::projectsDirectory(), chosen + "/Projects");

    // Folders where "Projects" cannot be made are refused with a message.
    const QString blocked = _isolated.root() + "/Blocked";
    ASSERT_TRUE(QDir().mkpath(blocked));
    QFile blocker(blocked + "/Projects");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    for (const QString& folder : {QString("/proc"), blocked}) {
        DialogScript script({DialogScript::choose(folder), DialogScript::ok()});
        button->click();
        ASSERT_TRUE(script.finished()) << folder.toStdString();
        EXPECT_TRUE(script.seen().last().contains("\"Projects\" cannot be created")) << script.seen().last().toStdString();
    }
    EXPECT_EQ(changed.size(), 2);
    EXPECT_EQ(UserSettings::instance()->workingDir(), chosen);
    EXPECT_EQ(ProjectManager::projectsDirectory(), chosen + "/Projects");

    // While an editor window is open its project saves below the folder: no change.
    QMainWindow editor;
    editor.setObjectName("DesktopMainWindow");
    editor.setCentralWidget(new QWidget);
    {
        DialogScript script({DialogScript::ok()});
        button->click();
        ASSERT_TRUE(script.finished());
        EXPECT_EQ(script.seen(),
                  QStringList{"Working Directory / Close the open movie before changing the working directory."});
    }
    EXPECT_EQ(changed.size(), 2);
    EXPECT_EQ(UserSettings::instance()->workingDir(), chosen);
}

} // namespace

// Where the first light pixel of a caption lies across the page: the start
// of its text as the user sees it.
int textStartOnPage(const QImage& page, QWidget* pageWidget, QWidget* caption)
{
    const QRect band(caption->mapTo(pageWidget, QPoint(0, 0)), caption->size());
    for (int x = 0; x < page.width(); ++x) {
        for (int y = band.top(); y <= band.bottom(); ++y) {
            if (qGray(page.pixel(x, y)) > 128)
                return x;
        }
    }
    return -1;
}

TEST_F(SettingsWidgetTest, EveryRowsCaptionStartsInOneLine)
{
    showPage();
    const QImage page = _page->grab().toImage();
    const QStringList captions = {"languageLabel",         "photoDurationLabel",  "textDurationLabel",
                                  "selfDrawDurationLabel", "segmentPropertiesLabel", "segmentPropertiesResetButton",
                                  "autoAlignLabel",        "hardwareAccelLabel",  "workingDirectoryLabel",
                                  "autoCopyAssetsLabel"};
    const int first = textStartOnPage(page, _page.get(), child<QWidget>(captions.first()));
    ASSERT_GT(first, 0);
    for (const QString& name : captions) {
        // Glyphs differ by a pixel at most in where their ink begins.
        EXPECT_NEAR(textStartOnPage(page, _page.get(), child<QWidget>(name)), first, 1) << name.toStdString();
    }
}
