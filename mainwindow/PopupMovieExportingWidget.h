#pragma once

#include "CommonPopup.h"

#include <QMetaType>
#include <QPair>
#include <QStringList>
#include <QVector>

#include <memory>

class QMenu;
class Ui_PopupMovieExportingWidget;

// What the user asked the exported movie to become.
enum MovieExportingAction {
    // Save the movie to a file on the computer.
    MovieExportingActionSaveToComputer = 1,
};
Q_DECLARE_METATYPE(MovieExportingAction)

// The export popup over the editing window: an options page (resolution,
// frame rate, codec, name, folder), the export page with its progress, an
// error page and a done page describing the written file. It only collects
// choices and shows states; the window starts and stops the export.
class PopupMovieExportingWidget : public CommonPopup
{
    Q_OBJECT

public:
    explicit PopupMovieExportingWidget(QWidget* parent = nullptr);
    ~PopupMovieExportingWidget() override;

    // (codec id, display name) in the order offered.
    static const QVector<QPair<QString, QString>>& videoCodecs();
    static const QStringList& videoCodecIds();
    // The display name of the id; that of the first codec for an unknown id.
    static QString videoCodecName(const QString& codecId);

    // Stores the choices to offer and shows the popup over parent. Mode 0
    // centres it and fades it in; mode 1 slides it up from the bottom edge.
    void setExportOptions(QWidget* parent, int level, float aspectWidth, float aspectHeight,
                          const QString& defaultName, const QString& location, const QString& videoCodec,
                          float frameRate, int presentationMode);

    // The typed name, trimmed; the default name when nothing was typed.
    QString fileName() const;
    QString location() const { return _location; }
    QString videoCodec() const { return _videoCodec; }
    float frameRate() const { return _frameRate; }
    int resolutionLevel() const { return _level; }

    // Progress 0 to 1; the first report turns to the export page.
    void setProgress(float progress);
    void setEstimatedTimeRemaining(float seconds);
    // An error text shows the error page, else the done page for the file.
    void showExportSucceeded(const QString& errorText, const QString& filePath);

    void setupUi(QWidget* parent, const QString& title) override;
    void showInWidget(QWidget* parent, const QString& title, const QPoint& point) override;
    void layoutAtPoint(const QPoint& point) override;
    bool acceptByReturnKey() override;

signals:
    void popupMovieExportingWidgetShareAction(PopupMovieExportingWidget* exportingWidget,
                                              MovieExportingAction action);
    void popupMovieExportingWidgetExportCancelAction(PopupMovieExportingWidget* exportingWidget);

public slots:
    void resolutionSliderValueChanged(int value);
    void shareOperationButtonOnClicked();
    void exportCancelButtonOnClicked();
    void errorCloseButtonOnClicked();
    void computerDoneButtonOnClicked();
    void computerGoButtonOnClicked();
    void locationButtonOnClicked();
    void frameRateButtonOnClicked();
    void videoCodecButtonOnClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void _applyLook();
    void _connectForm();
    void _updateResolutionLabel();
    void _layoutResolutionTicks();
    void _releaseNameFocus();
    void _showExportPage();
    void _showDonePage(const QString& filePath);
    // Runs the menu of the texts at the cursor; the chosen index, or -1.
    int _chooseFromMenu(const QStringList& texts);
    static QString _frameRateText(float rate);

    std::unique_ptr<Ui_PopupMovieExportingWidget> _ui;
    int _presentationMode = 0;
    float _aspectWidth = 0.0f;
    float _aspectHeight = 0.0f;
    int _level = 3;
    QString _defaultName;
    QString _location;
    float _frameRate = 0.0f;
    QString _videoCodec;
    bool _formReady = false;
};
