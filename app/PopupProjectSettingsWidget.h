#pragma once

#include "CommonPopup.h"

#include <QColor>
#include <QList>
#include <QPointer>
#include <QVector>

class CommonPopup;
class ColorButton;
class MovieSizeGridButton;
class PopupColorMatrixWidget;
class PopupMainWidget;
class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class SegmentedControl;
class SwitchButton;

// The popup in which a project's shape (aspect ratio and direction),
// background colour, frame rate and fixed-cover flag are chosen. It only
// holds and shows the values; the caller reads them back.
//
// Mode 0 is a sheet centred over its parent with an OK button, reporting
// nothing until OK. Any other mode stands beside an anchor widget with a
// pointer arrow and no OK button (Return finishes it); mode 3 also reports
// every change at once, for callers that apply values live.
//
// The stored resolution code is not the grid position of its button: grid
// positions 0, 1 and 2 hold codes 1, 2 and 0, the others their own position.
class PopupProjectSettingsWidget : public CommonPopup
{
    Q_OBJECT

public:
    explicit PopupProjectSettingsWidget(QWidget* parent = nullptr);
    ~PopupProjectSettingsWidget() override;

    // 60, 30, 25 and 24, in that order.
    static const QVector<float>& frameRates();
    static int resolutionForGridIndex(int gridIndex);
    // -1 for a code outside 0 to 5.
    static int gridIndexForResolution(int resolution);

    // Stores the values and shows the popup over parent; "Transparent"
    // unticked later gives opaque black.
    void showWithSettings(QWidget* parent, QWidget* anchor, int presentationMode, int resolution, bool direction,
                          float frameRate, bool fixCoverImage, const QColor& backgroundColor);

    int presentationMode() const { return _presentationMode; }
    int resolution() const { return _resolution; }
    bool direction() const { return _direction; }
    float frameRate() const { return _frameRate; }
    bool fixCoverImage() const { return _fixCoverImage; }
    QColor backgroundColor() const { return _backgroundColor; }

    bool acceptByReturnKey() override;
    void setupUi(QWidget* parent, const QString& title) override;
    void showInWidget(QWidget* parent, const QString& title, const QPoint& point) override;
    void layoutAtPoint(const QPoint& point) override;

signals:
    void popupProjectSettingsWidgetDidFinish(PopupProjectSettingsWidget* settingsWidget);
    void popupProjectSettingsWidgetParametersDidChange(PopupProjectSettingsWidget* settingsWidget);

private slots:
    void gridButtonOnClicked();
    void directionSegmentedControlOnSegmentIndexChanged(SegmentedControl* segmentControl, int index);
    void colorButtonOnClicked();
    void onPopupColorMatrixWidgetDismissed(CommonPopup* popup);
    void onPopupColorMatrixWidgetColorSelected(PopupColorMatrixWidget* popup, QColor color);
    void onPopupColorMatrixWidgetMoreColorNeeded(PopupColorMatrixWidget* popup);
    void frameRateButtonOnClicked();
    void doneButtonOnClicked();
    void onSwitchValueChanged(bool value);
    void noColorCheckBoxOnStateChanged(int state);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The form, in PopupProjectSettingsWidgetForm.cpp.
    void _buildForm();
    QWidget* _buildTopPanel();
    QScrollArea* _buildScrollArea();
    QWidget* _buildBottomPanel();
    QWidget* _buildAspectRows(QVBoxLayout* rows);
    void _buildVideoRows(QVBoxLayout* rows);
    void _buildShowcaseRows(QVBoxLayout* rows);
    QPushButton* _addRowButton(QWidget* row);
    void _styleForm();

    void _rebuildAspectButtons();
    // Places the aspect buttons on their row; returns the height they need.
    int _placeAspectButtons();
    void _markSelection();
    void _showBackgroundColor();
    void _updateScrollContent();
    QSize _panelSize() const;
    void _closeColorPopup();
    void _notify();

    PopupMainWidget* _mainWidget = nullptr;
    QVBoxLayout* _mainVerticalLayout = nullptr;
    QLabel* _titleLabel = nullptr;
    QScrollArea* _scrollArea = nullptr;
    QWidget* _scrollAreaWidget = nullptr;
    QList<QWidget*> _rows;
    QWidget* _movieSizesItemWidget = nullptr;
    SegmentedControl* _directionSegmentedWidget = nullptr;
    QWidget* _backgroundColorItemWidget = nullptr;
    ColorButton* _colorButton = nullptr;
    QCheckBox* _noColorCheckBox = nullptr;
    QWidget* _frameRateItemWidget = nullptr;
    QLabel* _frameRateValueLabel = nullptr;
    QLabel* _coverInfoLabel = nullptr;
    SwitchButton* _switchButton = nullptr;
    QWidget* _bottomPanel = nullptr;
    QPushButton* _doneButton = nullptr;

    int _presentationMode = 0;
    QPointer<QWidget> _anchorWidget;
    int _resolution = 1;
    bool _direction = true;
    float _frameRate = 30.0f;
    bool _fixCoverImage = false;
    QColor _backgroundColor;
    QColor _savedBackgroundColor;
    QPushButton* _colorRowButton = nullptr;
    QPushButton* _frameRateRowButton = nullptr;
    QList<MovieSizeGridButton*> _aspectRatioButtons;
    int _selectedGridIndex = -1;
    // Lives on the parent widget, which may delete it first.
    QPointer<PopupColorMatrixWidget> _colorPopup;
};
