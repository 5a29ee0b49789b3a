#pragma once

#include "CommonPopup.h"

#include <QStringList>

#include <array>

class PopupColorsScrollWidgetEditItemWidget;
class PopupColorsScrollWidgetOneSliderItemWidget;
class PopupOptionsButton;
class QPushButton;
class QScrollArea;

// The nine colour adjustments of a layer (saturation, brightness, contrast,
// temperature, exposure, hue, red, green, blue), each from -100 to 100, as a
// scrolling list of rows that expand into sliders. Values stream out while a
// control moves (the Changing signals) and once more when the change is
// final (the Changed signals); a change still pending when the popup is
// hidden, dismissed or destroyed is reported then. The options menu applies
// built-in and saved schemes, saves the values as a scheme file, manages the
// saved schemes and asks to apply the values to all segments.
class PopupColorsScrollWidget : public CommonPopup
{
    Q_OBJECT

public:
    static constexpr int kAdjustments = 9;
    using Values = std::array<int, kAdjustments>;

    explicit PopupColorsScrollWidget(QWidget* parent = nullptr);
    ~PopupColorsScrollWidget() override;

    void showWithValues(QWidget* parent, const QPoint& point, int saturation, int brightness, int contrast,
                        int whiteBalance, int exposure, int hue, int red, int green, int blue);
    void showFullscreenWithValues(QWidget* parent, int saturation, int brightness, int contrast, int whiteBalance,
                                  int exposure, int hue, int red, int green, int blue);
    // Refreshes the rows; only a change the user made and that is still
    // pending is reported first.
    void setValues(int saturation, int brightness, int contrast, int whiteBalance, int exposure, int hue, int red,
                   int green, int blue);
    Values values() const { return _values; }
    bool isExpanded(int index) const { return _expanded[size_t(index)]; }
    // The height the embedded panel needs: title, rows and margins.
    int fitHeight() const;
    bool isInManageMode() const { return _manageMode; }

    void setupUi(QWidget* parent, const QString& title) override;
    void layoutAtPoint(const QPoint& point) override;
    int popupHeight() override;
    void updateControls(bool enabled) override;
    bool isValueEnabled() override;
    void dismiss() override;

    // Scheme files: INI files named after the scheme in "Colors" under the
    // writable application data folder.
    static QString schemesFolder();
    void loadSchemeNames();
    QStringList schemeNames() const { return _schemeNames; }
    void loadScheme(const QString& name);
    bool saveScheme(const QString& name);
    void applyBuiltInScheme(int index);
    void saveAsScheme();
    void enterManageMode();
    static QStringList builtInSchemeNames();

signals:
    void saturationChanging(PopupColorsScrollWidget* colorsWidget, int value);
    void brightnessChanging(PopupColorsScrollWidget* colorsWidget, int value);
    void contrastChanging(PopupColorsScrollWidget* colorsWidget, int value);
    void whiteBalanceChanging(PopupColorsScrollWidget* colorsWidget, int value);
    void exposureChanging(PopupColorsScrollWidget* colorsWidget, int value);
    void hueChanging(PopupColorsScrollWidget* colorsWidget, int value);
    void redChanging(PopupColorsScrollWidget* colorsWidget, int value);
    void greenChanging(PopupColorsScrollWidget* colorsWidget, int value);
    void blueChanging(PopupColorsScrollWidget* colorsWidget, int value);
    void saturationChanged(PopupColorsScrollWidget* colorsWidget, int value);
    void brightnessChanged(PopupColorsScrollWidget* colorsWidget, int value);
    void contrastChanged(PopupColorsScrollWidget* colorsWidget, int value);
    void whiteBalanceChanged(PopupColorsScrollWidget* colorsWidget, int value);
    void exposureChanged(PopupColorsScrollWidget* colorsWidget, int value);
    void hueChanged(PopupColorsScrollWidget* colorsWidget, int value);
    void redChanged(PopupColorsScrollWidget* colorsWidget, int value);
    void greenChanged(PopupColorsScrollWidget* colorsWidget, int value);
    void blueChanged(PopupColorsScrollWidget* colorsWidget, int value);
    void schemeChanged(PopupColorsScrollWidget* colorsWidget, int saturation, int brightness, int contrast,
                       int whiteBalance, int exposure, int hue, int red, int green, int blue);
    void needtoDisplayMessage(PopupColorsScrollWidget* colorsWidget, QString message);
    void widgetFitHeightChanged(PopupColorsScrollWidget* colorsWidget);
    void applyToAllSegmentsRequested(PopupColorsScrollWidget* colorsWidget, int saturation, int brightness,
                                     int contrast, int whiteBalance, int exposure, int hue, int red, int green,
                                     int blue);

protected slots:
    void onSliderItemWidgetValueChanged(PopupColorsScrollWidgetOneSliderItemWidget* itemWidget, int value);
    void onSliderItemWidgetValueChanging(PopupColorsScrollWidgetOneSliderItemWidget* itemWidget, int value);
    void onSliderItemWidgetPressed(PopupColorsScrollWidgetOneSliderItemWidget* itemWidget);
    void onEditItemWidgetDeleteTriggered(PopupColorsScrollWidgetEditItemWidget* itemWidget);
    void onOptionsButtonPressed();
    void onDoneButtonPressed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void _buildForm();
    void _storeValues(const Values& values);
    void _applySchemeValues(const Values& values);
    void _buildRows();
    void _layoutRows(int first);
    void _setScrollContentHeight(int height);
    void _buildEditItems();
    void _stackEditItems();
    void _createOptionsButton();
    void _placeTitleButtons();
    void _relayout();
    void _commitPendingChanges();
    int _rowWidth() const;
    QString _schemePath(const QString& name) const;
    static bool _isPlainSchemeName(const QString& name);
    void _removeScheme(const QString& name);

    QScrollArea* _scrollArea = nullptr;
    QWidget* _scrollAreaWidget = nullptr;
    Values _values{};
    std::array<bool, kAdjustments> _expanded{};
    QList<PopupColorsScrollWidgetOneSliderItemWidget*> _sliderItems;
    PopupOptionsButton* _optionsButton = nullptr;
    QList<PopupColorsScrollWidgetEditItemWidget*> _editItems;
    QPushButton* _doneButton = nullptr;
    QStringList _schemeNames;
    bool _manageMode = false;
    bool _styled = false;
};
