#include "IsolatedSettings.h"
#include "MediaExplorerHelpTipWidget.h"
#include "MultiLanguage.h"
#include "PopupColorMatrixWidget.h"
#include "UiMetrics.h"
#include "UserSettings.h"
#include "Util.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

// The application's own settings store, isolated in a temporary home.
class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        QCoreApplication::setOrganizationName("Peltrane");
        QCoreApplication::setApplicationName("Vidorna");
    }

    QStringList storedKeys()
    {
        QSettings store;
        store.beginGroup("UserSettings");
        return store.childKeys();
    }

    IsolatedSettings _isolated;
};

TEST_F(SettingsStore, FreshStoreGivesDefaultsAndAProductFolder)
{
    UserSettings* settings = UserSettings::instance();
    settings->load();
    EXPECT_EQ(settings->photoDuration(), 2.0f);
    EXPECT_EQ(settings->textDuration(), 2.0f);
    EXPECT_EQ(settings->drawingDuration(), 2.0f);
    EXPECT_TRUE(settings->applyUserHabits());
    EXPECT_TRUE(settings->autoDragDropAlign());
    EXPECT_EQ(settings->editorUI(), 1);
    EXPECT_TRUE(settings->hardwareCodec());
    EXPECT_FALSE(settings->autoCopyAssets());
    EXPECT_EQ(settings->language(), "auto");
    const QString movies = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    EXPECT_EQ(settings->workingDir(), QDir(movies).absoluteFilePath("Vidorna"));
    EXPECT_TRUE(QDir(settings->workingDir()).exists());

    // Loading resolved the folder but changed nothing: saving writes nothing.
    settings->save();
    EXPECT_TRUE(storedKeys().isEmpty());
}

TEST_F(SettingsStore, AFileNamedLikeTheProductFolderIsNotTakenForIt)
{
    const QString movies = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    ASSERT_TRUE(QDir().mkpath(movies));
    QFile blocker(QDir(movies).filePath("Vidorna"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    UserSettings* settings = UserSettings::instance();
    settings->load();
    EXPECT_TRUE(settings->workingDir().isEmpty());
}

TEST_F(SettingsStore, InvertedSwitchesAndChangesAreStored)
{
    UserSettings* settings = UserSettings::instance();
    settings->load();
    settings->setApplyUserHabits(false);
    settings->setAutoDragDropAlign(true);
    settings->setPhotoDuration(3.5f);
    settings->save();
    QSettings store;
    store.beginGroup("UserSettings");
    EXPECT_EQ(store.value("DontApplyUserHabits").toBool(), true);
    EXPECT_EQ(store.value("DontAutoDragDropAlign").toBool(), false);
    EXPECT_EQ(store.value("PhotoDuration").toFloat(), 3.5f);
    EXPECT_EQ(store.childKeys().size(), 10);

    // A stored folder that has gone is replaced by the default at load.
    store.setValue("WorkingDir", _isolated.root() + "/gone");
    store.sync();
    settings->load();
    EXPECT_FALSE(settings->applyUserHabits());
    EXPECT_TRUE(settings->workingDir().endsWith("/Vidorna"));
}

// Counts the application's language change events, which every install and
// removal of a translation sends.
class LanguageChangeCounter : public QObject {
public:
    LanguageChangeCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~LanguageChangeCounter() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange)
            ++count;
        return false;
    }
    int count = 0;
};

TEST_F(SettingsStore, ChangesStayPendingWhileTheStoreCannotBeWritten)
{
    UserSettings* settings = UserSettings::instance();
    settings->load();
    const QString file = QSettings().fileName();
    ASSERT_TRUE(QDir().mkpath(file));  // a folder where the file belongs
    settings->setEditorUI(0);
    settings->save();
    ASSERT_TRUE(QDir(file).removeRecursively());
    settings->save();
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().contains("EditorUI=0"));
}

TEST_F(SettingsStore, LanguagesSwitchAndTellWhichIsInForce)
{
    UserSettings* settings = UserSettings::instance();
    settings->load();
    MultiLanguage language;
    for (const char* code : {"zh_CN", "zh_TW", "ja_JP", "ko_KR", "fr_FR", "de_DE", "es_ES",
                             "it_IT", "pt_BR", "ru_RU"}) {
        language.switchLanguage(code);
        EXPECT_EQ(language.currentLanguage(), code);
    }
    language.switchLanguage("de_DE");
    EXPECT_EQ(language.currentLanguage(), "de_DE");
    EXPECT_EQ(Util::byteSizeText(5), "5 Bytes");
    EXPECT_TRUE(Util::videoFileFilter().startsWith("Alle Videodateien (*.mp4"));
    // Already in force: the translation is neither removed nor installed again.
    LanguageChangeCounter changes;
    language.switchLanguage("de_DE");
    EXPECT_EQ(changes.count, 0);
    EXPECT_EQ(language.currentLanguage(), "de_DE");

    // Neither ar_SA nor ar exists: English stays, and the setting decides the name.
    language.switchLanguage("ar_SA");
    EXPECT_EQ(Util::byteSizeText(5), "5 bytes");
    EXPECT_EQ(language.currentLanguage(), "en_US");
    settings->setLanguage("fr_FR");
    EXPECT_EQ(language.currentLanguage(), "fr_FR");
    settings->setLanguage("auto");

    EXPECT_EQ(MultiLanguage::displayName("de_DE"), "Deutsch");
    EXPECT_EQ(MultiLanguage::displayName("ar_EG"), QString::fromUtf8("العربية"));
    EXPECT_EQ(MultiLanguage::displayName("xx_YY"), "xx_YY");
}

TEST_F(SettingsStore, WidgetsAndFormatsShowTheLanguageInForce)
{
    MultiLanguage language;
    language.switchLanguage("ja_JP");
    {
        PopupColorMatrixWidget colors;
        EXPECT_EQ(colors.findChild<QLabel*>("recentlyUsedColorsLabel")->text(), QString::fromUtf8("最近使った色"));
        EXPECT_EQ(colors.findChild<QPushButton*>("moreColorButton")->text(), QString::fromUtf8("その他の色..."));
    }
    language.switchLanguage("de_DE");
    {
        QWidget host;
        MediaExplorerHelpTipWidget tip(&host);
        EXPECT_EQ(tip.okButton()->text(), "Verstanden");
        EXPECT_TRUE(tip.helpTextLabel()->text().startsWith(QString::fromUtf8("Sie können")));
    }
    // Day before month, in the language's own way.
    const QDate today = QDate::currentDate();
    const QDate sameYear = today.month() == 1 && today.day() == 1 ? today.addDays(1) : today.addDays(-1);
    EXPECT_EQ(Util::dateText(QDateTime(sameYear, QTime(12, 0))),
              QString("%1.%2.").arg(sameYear.day()).arg(sameYear.month()));
    EXPECT_EQ(Util::dateText(QDateTime(QDate(2001, 3, 4), QTime(12, 0))), "4.3.2001");
    language.switchLanguage("fr_FR");
    EXPECT_EQ(Util::byteSizeText(2048), "2 Ko");
    EXPECT_EQ(Util::byteSizeText(1048576), "1.0 Mo");
    language.switchLanguage("ru_RU");
    EXPECT_EQ(Util::byteSizeText(1073741824), QString::fromUtf8("1.00 ГБ"));
    language.switchLanguage("en_US");
    EXPECT_EQ(Util::byteSizeText(2048), "2 KB");
}

// Qt's own texts, from the translations the system installs for Qt, follow
// the interface language.
TEST_F(SettingsStore, QtsOwnDialogsAndKeyNamesSpeakTheInterfaceLanguage)
{
    const auto fileDialogTexts = [] {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        auto* lookIn = dialog.findChild<QLabel*>("lookInLabel");
        return ((buttons ? buttons->button(QDialogButtonBox::Cancel)->text() : QString()) + "|"
                + (lookIn ? lookIn->text() : QString()))
            .toStdString();
    };
    const auto keyNames = [] {
        return (QKeySequence("Ctrl+Right").toString(QKeySequence::NativeText) + " "
                + QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText))
            .toStdString();
    };
    MultiLanguage language;
    language.switchLanguage("de_DE");
    EXPECT_EQ(fileDialogTexts(), "Abbrechen|Suchen in:");
    EXPECT_EQ(keyNames(), "Strg+Rechts Leertaste");
    language.switchLanguage("fr_FR");
    EXPECT_EQ(fileDialogTexts().substr(0, 8), "Annuler|");
    language.switchLanguage("en_US");
    EXPECT_EQ(fileDialogTexts(), "Cancel|Look in:");
    EXPECT_EQ(keyNames(), "Ctrl+Right Space");
}

TEST(UiMetricsTest, PortraitScreenAndProjectSettingsSizes)
{
    const QSize portrait = UiMetrics::portraitScreenSize();
    EXPECT_LE(portrait.width(), portrait.height());
    EXPECT_EQ(UiMetrics::projectSettingsPopupSize(0), QSizeF(0.6, 0.9));
    EXPECT_EQ(UiMetrics::projectSettingsPopupSize(1), QSizeF(1.0, 0.95));
    EXPECT_EQ(UiMetrics::projectSettingsPopupSize(3), QSizeF(360, 640));
    EXPECT_FALSE(UiMetrics::projectSettingsPopupSize(4).isValid());
}

} // namespace
