#include "Util.h"

#include "FileRevealer.h"

#include <QApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QHostInfo>
#include <QLocale>
#include <QMainWindow>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QUrl>

namespace {

constexpr int kVersionMajor = 2;
constexpr int kVersionMinor = 6;
// The product's short code in web requests.
const char* const kProductCode = "vidorna";

const char* const kProductSite = "https://www.peltrane.com/vidorna";
const char* const kUpdateCheck = "https://api.peltrane.com/vidorna/update";
const char* const kGifApiRoot = "https://api.giphy.com/v1";

Util::AboutDialogFactory& aboutDialogFactory()
{
    static Util::AboutDialogFactory factory;
    return factory;
}

Util::HelpBrowserFactory& helpBrowserFactory()
{
    static Util::HelpBrowserFactory factory;
    return factory;
}

QString addressOrOverride(const char* variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? fallback : value;
}

// Keeps the address readable: only what would break it is encoded.
QString percentEncoded(const QString& address)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(address, ":/?&="));
}

} // namespace

QString Util::durationText(int seconds)
{
    if (seconds >= 3600)
        return QString::asprintf("%d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return QString::asprintf("%02d:%02d", seconds / 60, seconds % 60);
}

QString Util::byteSizeText(qint64 bytes)
{
    if (bytes < 1024)
        return tr("%1 bytes").arg(QLocale().toString(bytes));
    // The units are the language's own ("Ko" in French, "КБ" in Russian).
    if (bytes < 1048576)
        return tr("%1 KB").arg(bytes / 1024);
    if (bytes < 1073741824)
        return tr("%1 MB").arg(QString::asprintf("%.1f", bytes / 1048576.0));
    return tr("%1 GB").arg(QString::asprintf("%.2f", bytes / 1073741824.0));
}

QString Util::dateText(const QDateTime& dateTime)
{
    const QDate today = QDate::currentDate();
    if (dateTime.date() == today)
        return tr("Today");
    // The order of day and month is the language's.
    if (dateTime.date().year() == today.year()) {
        //: Date format (QDateTime::toString) of a date in the current year: month/day.
        return dateTime.toString(tr("M/d"));
    }
    //: Date format (QDateTime::toString) of a date in another year: month/day/year.
    return dateTime.toString(tr("M/d/yyyy"));
}

QString Util::versionString()
{
    return QString("%1.%2").arg(kVersionMajor).arg(kVersionMinor);
}

int Util::compareVersions(const QString& a, const QString& b)
{
    const QStringList partsA = a.split('.');
    const QStringList partsB = b.split('.');
    const int count = std::max(partsA.size(), partsB.size());
    for (int i = 0; i < count; ++i) {
        const int valueA = i < partsA.size() ? partsA[i].toInt() : 0;
        const int valueB = i < partsB.size() ? partsB[i].toInt() : 0;
        if (valueA != valueB)
            return valueA - valueB;
    }
    return 0;
}

int Util::compareWithTolerance(float a, float b, float tolerance)
{
    const float difference = a - b;
    if (difference >= -tolerance && difference <= tolerance)
        return 0;
    return difference > 0 ? 1 : -1;
}

QString Util::machineHostName()
{
    return QHostInfo::localHostName();
}

QString Util::osName()
{
    return QSysInfo::prettyProductName();
}

QString Util::cacheLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

QString Util::systemTerritoryCode()
{
    const QLocale system = QLocale::system();
    const QStringList parts = system.name().split('_');
    return parts.size() >= 2 ? parts[1] : system.bcp47Name();
}

QString Util::uiLanguage()
{
    const QLocale system = QLocale::system();
    const QStringList languages = system.uiLanguages();
    QString language = languages.isEmpty() ? system.name() : languages.first();
    return language.replace('-', '_');
}

QString Util::gifApiRoot()
{
    return addressOrOverride("VIDORNA_GIF_API_ROOT", kGifApiRoot);
}

QString Util::updateCheckUrl()
{
    return addressOrOverride("VIDORNA_UPDATE_URL", kUpdateCheck);
}

QString Util::userHelpPageUrl()
{
    return addressOrOverride("VIDORNA_HELP_URL", productSiteUrl() + "/user-help-desktop/index.html");
}

QString Util::productSiteUrl()
{
    return addressOrOverride("VIDORNA_SITE_URL", kProductSite);
}

QString Util::webQueryUrl(const QString& base)
{
    return percentEncoded(QString("%1?product=%2&dev=%3&os=%4&ver=%5&from=%6&lang=%7&end=1")
                              .arg(base, kProductCode, machineHostName(), osName(),
                                   versionString(), systemTerritoryCode(), uiLanguage()));
}

QString Util::userHelpUrl(const QString& topic)
{
    return percentEncoded(
        QString("%1?product=%2&branch=help&topic=%3&dev=%4&os=%5&ver=%6&from=%7&lang=%8&end=1")
            .arg(userHelpPageUrl(), kProductCode, topic, machineHostName(), osName(),
                 versionString(), systemTerritoryCode(), uiLanguage()));
}

bool Util::openUrl(const QString& text)
{
    return QDesktopServices::openUrl(QUrl(text, QUrl::TolerantMode));
}

bool Util::openHelpInBrowser(QWidget* parent, const QString& address)
{
    if (openUrl(address))
        return true;
    qWarning() << "No web browser opened" << address;
    showHelpAddress(parent, address);
    return false;
}

void Util::showHelpAddress(QWidget* parent, const QString& address)
{
    showMessageBox(parent, tr("Help Center"),
                   tr("No web browser could be opened for the help pages. You can read them at this address:")
                       + "\n\n" + address,
                   QMessageBox::Information, Qt::TextSelectableByMouse);
}

void Util::setAboutDialogFactory(AboutDialogFactory factory)
{
    aboutDialogFactory() = std::move(factory);
}

void Util::setHelpBrowserFactory(HelpBrowserFactory factory)
{
    helpBrowserFactory() = std::move(factory);
}

void Util::showAboutDialog(QWidget* parent)
{
    if (!aboutDialogFactory())
        return;
    // The parent owns the dialog too and may be deleted while it runs, so the
    // dialog is only watched, never owned twice.
    QPointer<QDialog> dialog = aboutDialogFactory()(parent);
    if (!dialog)
        return;
    dialog->setFixedSize(300, 340);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    dialog->exec();
    delete dialog;
}

void Util::openUserHelp(const QString& address, const QString& title)
{
    if (!helpBrowserFactory())
        return;
    QWidget* browser = helpBrowserFactory()(title, address);
    if (!browser)
        return;
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowCloseButtonHint);
    browser->setFixedSize(1024, 800);
    browser->show();
}

QString Util::videoFileFilter()
{
    return tr("All video files (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg "
              "*.dat *.m2v *.vob *.rm *.rmvb *.webm)");
}

QString Util::pictureFileFilter()
{
    return tr("All picture files (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm "
              "*.xpm *.svg *.tiff *.tif *.webp *.heic)");
}

QString Util::choosePictureFile(const QString& title)
{
    static const char* const kOpenPictureDirKey = "OpenPictureDir";
    QSettings settings;
    const QString folder =
        settings.value(kOpenPictureDirKey, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation))
            .toString();
    const QString path = QFileDialog::getOpenFileName(nullptr, title, folder, pictureFileFilter());
    if (!path.isEmpty())
        settings.setValue(kOpenPictureDirKey, QFileInfo(path).absolutePath());
    return path;
}

QString Util::musicFileFilter()
{
    return tr("All music files (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)");
}

bool Util::revealInExplorer(const QString& path)
{
    return FileRevealer::current().reveal(path);
}

QWidget* Util::mainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<QMainWindow*>(widget);
        if (window && window->objectName().contains("MainWindow"))
            return window->centralWidget();
    }
    return nullptr;
}

bool Util::hasKeyboardModifier(Qt::KeyboardModifiers modifiers)
{
    return modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

AVVec4 Util::colorToVec4(const QColor& color)
{
    return AVVec4{static_cast<float>(color.redF()), static_cast<float>(color.greenF()),
                  static_cast<float>(color.blueF()), static_cast<float>(color.alphaF())};
}
