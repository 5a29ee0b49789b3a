// The folders popup over a real projects directory, driven by the keyboard
// and by its buttons, with its name dialogs answered as a user would.
#include "ProjectFoldersPopup.h"
#include "ProjectsTestSupport.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

class ProjectFoldersPopupTest : public ProjectsTest
{
protected:
    void SetUp() override
    {
        ProjectsTest::SetUp();
        makeFolder("A");
        makeProject("B");
        _window.resize(800, 700);
        _window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&_window));
    }
    void TearDown() override
    {
        delete _popup;
        ProjectsTest::TearDown();
    }

    ProjectFoldersPopup* open(int operation)
    {
        _popup = new ProjectFoldersPopup(&_window, operation, QString());
        _popup->show();
        QTest::qWait(20);
        return _popup;
    }
    QListWidget* list() const { return _popup->findChild<QListWidget*>("listWidget"); }
    QString title() const { return _popup->findChild<QLabel*>("titleLabel")->text(); }
    QPushButton* button(const char* name) const { return _popup->findChild<QPushButton*>(name); }
    QStringList listed() const
    {
        QStringList names;
        for (int row = 0; row < list()->count(); ++row)
            names.append(list()->item(row)->text());
        return names;
    }
    // Keys as the user types them, to the window's focus widget (tests that
    // run side by side on one display leave no window reliably active).
    void press(Qt::Key key) { QTest::keyClick(_window.focusWidget(), key); }

    QWidget _window;
    QPointer<ProjectFoldersPopup> _popup;
};

TEST_F(ProjectFoldersPopupTest, KeyboardOpensAFolderAndConfirmsIt)
{
    open(0);
    EXPECT_EQ(listed(), QStringList{"A"});
    EXPECT_EQ(_popup->folderNames(), QStringList{"A"});
    EXPECT_EQ(title(), "Copy to Movies");
    EXPECT_EQ(button("operationButton")->text(), "Copy");
    EXPECT_FALSE(button("backButton")->isVisible());
    EXPECT_TRUE(button("newFolderButton")->isEnabled());
    EXPECT_EQ(_window.focusWidget(), list());
    EXPECT_EQ(list()->currentItem(), nullptr);

    QSignalSpy selected(_popup.data(), &ProjectFoldersPopup::didSelectFolder);
    press(Qt::Key_Down);
    ASSERT_NE(list()->currentItem(), nullptr);
    press(Qt::Key_Return);
    EXPECT_EQ(selected.count(), 0);
    EXPECT_EQ(_popup->currentFolder(), "A");
    EXPECT_EQ(title(), "Copy to A");
    EXPECT_FALSE(button("newFolderButton")->isEnabled());
    EXPECT_TRUE(button("backButton")->isVisible());
    EXPECT_TRUE(listed().isEmpty());

    press(Qt::Key_Return);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.first().first().toString(), "A");
    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    _window.grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/project-folders-popup.png");
}

TEST_F(ProjectFoldersPopupTest, BackAndCancelKeys)
{
    open(1);
    EXPECT_EQ(title(), "Move to Movies");
    EXPECT_EQ(button("operationButton")->text(), "Move");
    QSignalSpy cancelled(_popup.data(), &ProjectFoldersPopup::didCancel);
    QSignalSpy selected(_popup.data(), &ProjectFoldersPopup::didSelectFolder);
    press(Qt::Key_Down);
    press(Qt::Key_Right);
    EXPECT_EQ(title(), "Move to A");
    press(Qt::Key_Backspace);
    EXPECT_EQ(title(), "Move to Movies");
    EXPECT_EQ(listed(), QStringList{"A"});
    press(Qt::Key_Down);
    press(Qt::Key_Space);
    EXPECT_EQ(_popup->currentFolder(), "A");
    press(Qt::Key_Left);
    EXPECT_TRUE(_popup->currentFolder().isEmpty());
    // No current row after listing again: Return confirms the top level.
    press(Qt::Key_Return);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.first().first().toString(), QString());
    press(Qt::Key_Escape);
    EXPECT_EQ(cancelled.count(), 1);
    // The popup never closes itself.
    EXPECT_TRUE(_popup->isVisible());
}

TEST_F(ProjectFoldersPopupTest, NewestFolderFirstAndProjectsNeverListed)
{
    makeFolder("Older");
    makeProject("A/Inside");
    setModified(projectPath("Older"), QDateTime::currentDateTime().addDays(-3));
    setModified(projectPath("A"), QDateTime::currentDateTime().addDays(-1));
    open(0);
    EXPECT_EQ(listed(), (QStringList{"A", "Older"}));
}

TEST_F(ProjectFoldersPopupTest, NewFolderRefusesEscapingAndTakenNamesAndAsksAgain)
{
    open(0);
    DialogScript script({DialogScript::type("../x"), DialogScript::ok(), DialogScript::type("A"),
                         DialogScript::ok(), DialogScript::type("B"), DialogScript::ok(),
                         DialogScript::type("C")});
    QTest::mouseClick(button("newFolderButton"), Qt::LeftButton);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.seen(),
              (QStringList{"prompt: ", "Wrong Name / A name cannot be empty, \".\" or \"..\", or hold \"/\".",
                           "prompt: ../x", "Rename Failed / An item with the name \"A\" already exists",
                           "prompt: A", "Rename Failed / An item with the name \"B\" already exists",
                           "prompt: B"}));
    EXPECT_FALSE(QFileInfo::exists(projects() + "/../x"));
    EXPECT_FALSE(QFileInfo::exists(productFolder() + "/x"));
    EXPECT_TRUE(QFileInfo::exists(projectPath("C/.folder")));
    // "B" is still the project it was.
    EXPECT_TRUE(QFileInfo::exists(projectPath("B/project.xml")));
    EXPECT_FALSE(QFileInfo::exists(projectPath("B/.folder")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return listed().contains("C"); }, 5000));
    EXPECT_EQ(listed().size(), 2);
}

TEST_F(ProjectFoldersPopupTest, CancellingForgetsTheRefusedName)
{
    open(0);
    {
        DialogScript script({DialogScript::type("A"), DialogScript::ok(), DialogScript::cancel()});
        QTest::mouseClick(button("newFolderButton"), Qt::LeftButton);
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(script.seen().last(), "prompt: A");
    }
    DialogScript again({DialogScript::cancel()});
    QTest::mouseClick(button("newFolderButton"), Qt::LeftButton);
    EXPECT_EQ(again.seen(), QStringList{"prompt: "});
    EXPECT_EQ(listed(), QStringList{"A"});
}

TEST_F(ProjectFoldersPopupTest, PopupClosedWhileTheNameIsAskedMakesNothing)
{
    open(0);
    // The owner closes the popup just as the name is confirmed.
    DialogScript script({[this](QWidget* widget) {
        auto* dialog = qobject_cast<QInputDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        dialog->setTextValue("Late");
        dialog->accept();
        delete _popup;
    }});
    _popup->on_newFolderButton_clicked();
    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(_popup.isNull());
    EXPECT_FALSE(QFileInfo::exists(projectPath("Late")));
}
