#include "MultiLanguage.h"

#include "UserSettings.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QHash>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const char* const kEnglish = "en_US";

QString& currentCode()
{
    static QString code = kEnglish;
    return code;
}

QTranslator& translator()
{
    static QTranslator installed;
    return installed;
}

// Qt's own texts (file dialogs, standard buttons, key names) in the same language.
QTranslator& qtTranslator()
{
    static QTranslator installed;
    return installed;
}

void removeIfInstalled(QTranslator& installed)
{
    if (!installed.isEmpty() && !QCoreApplication::removeTranslator(&installed))
        qDebug() << "Remove old translator failed";
}

// Qt's catalogue for the language, "qt_de" for "de_DE"; English stays when
// the system has none.
void installQtTranslation(const QString& language)
{
    const QString folder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    if (!qtTranslator().load("qt_" + language, folder)) {
        qDebug() << "No Qt translation for" << language << "in" << folder;
        return;
    }
    QCoreApplication::installTranslator(&qtTranslator());
}

QString resourcePath(const QString& code)
{
    return QString(":/languages/%1.qm").arg(code);
}

// Each translation carries its own word for "Classic", so the word tells
// which translation is in force.
const QHash<QString, QString>& codesByClassicWord()
{
    static const QHash<QString, QString> codes{
        {QString::fromUtf8("经典"), "zh_CN"},
        {QString::fromUtf8("經典"), "zh_TW"},
        {QString::fromUtf8("クラシック"), "ja_JP"},
        {QString::fromUtf8("권위 있는"), "ko_KR"},
        {QString::fromUtf8("Classique"), "fr_FR"},
        {QString::fromUtf8("Klassisch"), "de_DE"},
        {QString::fromUtf8("Clásico"), "es_ES"},
        {QString::fromUtf8("Classico"), "it_IT"},
        {QString::fromUtf8("Clássico"), "pt_BR"},
        {QString::fromUtf8("Классический"), "ru_RU"},
        {QString::fromUtf8("كلاسيك"), "ar"},
    };
    return codes;
}

} // namespace

MultiLanguage::MultiLanguage(QObject* parent) : QObject(parent)
{
}

void MultiLanguage::switchLanguage(const QString& code)
{
    if (code == currentCode())
        return;
    if (!translator().isEmpty()) {
        removeIfInstalled(translator());
        removeIfInstalled(qtTranslator());
        currentCode() = kEnglish;
    }
    QString language = code;
    if (!QFile::exists(resourcePath(language)) && language.startsWith("ar_"))
        language = "ar";
    if (!QFile::exists(resourcePath(language)))
        return;
    if (!translator().load(resourcePath(language))) {
        qDebug() << "Load new translator failed";
        return;
    }
    // Installed first, so that where both translate a text ours wins.
    installQtTranslation(language);
    if (!QCoreApplication::installTranslator(&translator()))
        qDebug() << "Install new translator failed";
    currentCode() = language;
}

QString MultiLanguage::currentLanguage() const
{
    const QString classic = tr("Classic");
    if (classic == "Classic") {
        const QString setting = UserSettings::instance()->language();
        return setting.isEmpty() || setting == "auto" ? QString(kEnglish) : setting;
    }
    return codesByClassicWord().value(classic, kEnglish);
}

QString MultiLanguage::displayName(const QString& code)
{
    static const QHash<QString, QString> names{
        {"zh_CN", QString::fromUtf8("简体中文")},
        {"zh_TW", QString::fromUtf8("繁體中文")},
        {"en_US", "English"},
        {"ja_JP", QString::fromUtf8("日本語")},
        {"ko_KR", QString::fromUtf8("한국어")},
        {"fr_FR", QString::fromUtf8("Français")},
        {"de_DE", "Deutsch"},
        {"es_ES", QString::fromUtf8("Español")},
        {"it_IT", "Italiano"},
        {"pt_BR", QString::fromUtf8("Português")},
        {"ru_RU", QString::fromUtf8("Русский")},
    };
    if (names.contains(code))
        return names.value(code);
    if (code.startsWith("ar"))
        return QString::fromUtf8("العربية");
    return code;
}
