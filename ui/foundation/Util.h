#pragma once

#include "AVGeometry.h"

#include <QDateTime>
#include <QImage>
#include <QMessageBox>
#include <QObject>
#include <QPoint>
#include <QRectF>

#include <functional>

class QDialog;
class QWidget;

// Static helpers shared by the interface. The class has no instances; it is a
// QObject so that its texts are translated in the "Util" context.
class Util : public QObject
{
    Q_OBJECT

public:
    Util() = delete;

    // Texts.
    static QString durationText(int seconds);
    static QString byteSizeText(qint64 bytes);
    static QString dateText(const QDateTime& dateTime);
    // The application version sent to web services.
    static QString versionString();
    // Difference of the first unequal dotted part (missing or non-numeric
    // parts count 0), or 0 when the versions are equal.
    static int compareVersions(const QString& a, const QString& b);
    // 0 when a - b lies within [-tolerance, tolerance], else the sign of a - b.
    static int compareWithTolerance(float a, float b, float tolerance);

    // Facts about the host, sent along with web requests.
    static QString machineHostName();
    static QString osName();
    static QString cacheLocation();
    static QString systemTerritoryCode();
    // The system's first interface language ("en_US"), whatever language the
    // program itself shows: the maker's pages choose their language by it.
    static QString uiLanguage();

    // Addresses of the web services. Each can be replaced by an environment
    // variable so that tests talk to local servers.
    static QString gifApiRoot();
    static QString updateCheckUrl();
    static QString userHelpPageUrl();
    static QString productSiteUrl();
    static QString webQueryUrl(const QString& base);
    static QString userHelpUrl(const QString& topic);
    static bool openUrl(const QString& text);
    // Opens a help address in the default browser; where none opens, tells
    // the user the address (selectable) so they can open it themselves.
    static bool openHelpInBrowser(QWidget* parent, const QString& address);
    static void showHelpAddress(QWidget* parent, const QString& address);

    // The about dialog and the help browser belong to the application shell,
    // which installs their factories at start-up; until then the two calls
    // below show nothing.
    using AboutDialogFactory = std::function<QDialog*(QWidget* parent)>;
    // Creates the help browser window titled `title`, loading `address` once shown.
    using HelpBrowserFactory = std::function<QWidget*(const QString& title, const QString& address)>;
    static void setAboutDialogFactory(AboutDialogFactory factory);
    static void setHelpBrowserFactory(HelpBrowserFactory factory);
    static void showAboutDialog(QWidget* parent);
    static void openUserHelp(const QString& address, const QString& title);

    // File dialog filters.
    static QString videoFileFilter();
    static QString pictureFileFilter();
    static QString musicFileFilter();

    // The dark style sheets.
    static void setDialogStyleSheet(QWidget* widget);
    static void setMenuBarStyleSheet(QWidget* widget);
    static void setMenuStyleSheet(QWidget* widget);
    static void setPopupMenuStyleSheet(QWidget* widget);
    static void setScrollBarStyleSheet(QWidget* widget);

    // Opacity fades; the animations belong to the widget and end themselves.
    static void fadeInWidget(QWidget* widget, int milliseconds, qreal targetOpacity);
    static void fadeOutWidget(QWidget* widget, int milliseconds, bool deleteAfterwards);

    // Placement.
    static QPoint widgetCenter(const QWidget* widget);
    static void moveCenterTo(QWidget* widget, const QPoint& point);
    static void moveCenterToXY(QWidget* widget, int x, int y);
    static QRectF aspectFitRect(float w, float h, const QRectF& rect);

    // Dialogs and the desktop shell.
    static int showMessageBox(QWidget* parent, const QString& title, const QString& text,
                              QMessageBox::Icon icon,
                              Qt::TextInteractionFlags textFlags = Qt::NoTextInteraction);
    // For what a library reports through its signals: the box's loop must not
    // run inside the library's dispatch, whose objects the loop's events may
    // delete. The box comes from the event loop instead, provided the parent
    // still exists then.
    static void showMessageBoxLater(QWidget* parent, const QString& title, const QString& text,
                                    QMessageBox::Icon icon);
    static bool revealInExplorer(const QString& path);
    // Asks for one picture file with the dialog titled `title`, starting in the
    // folder the last pick came from and remembering the new one; empty when
    // cancelled. The dialog has no parent, so callers guard themselves.
    static QString choosePictureFile(const QString& title);
    // The editor window's central widget, or null while no editor is open.
    static QWidget* mainWindow();

    // Files and media.
    // Copies through a file of its own beside target, which takes target's
    // name once whole (owner-writable): a link or named pipe at the name is
    // never opened. Without overwrite, a taken name fails the copy.
    static bool copyFile(const QString& source, const QString& target, bool overwrite);
    // As copyFile without overwrite, but a name taken at the very moment
    // passes to the next one nextFreePath gives, in the same folder: the
    // path the copy took, or empty when it failed.
    static QString copyFileAsNew(const QString& source, const QString& target,
                                 const std::function<QString()>& nextFreePath);
    // False when source is not a folder or target is empty. What is no regular
    // file (a named pipe, a link to a device) is left out.
    static bool copyDirectory(const QString& source, const QString& target, bool overwrite);
    // Null also for what is no regular file (a named pipe), never opened.
    static QImage readImage(const QString& path, int maxSide);
    // Play time of one pass through an animated picture, in seconds.
    static double animatedImageDuration(const QString& path);
    // Describes the best video and audio streams; false (outputs untouched)
    // when the file cannot be opened or read.
    static bool mediaStreamDescription(const QString& path, QString& videoText,
                                       QString& audioText, double& durationSeconds);

    static bool hasKeyboardModifier(Qt::KeyboardModifiers modifiers);
    static AVVec4 colorToVec4(const QColor& color);
};
