#pragma once

#include <QSize>
#include <QSizeF>
#include <QString>

// The interface's fixed sizes in logical pixels, taken from one place so that
// every widget uses the same numbers.
namespace UiMetrics {

// The primary screen's size with width <= height.
QSize portraitScreenSize();

int toolBarButtonHeight();
int toolBarIconHeight();
int metric21();
int metric52();
int metric28();
float metricOne();
float metricThree();
QSize pointerHandleSize();
int metric24();
int metric60();
int metric40();
int metric30();
int metric20();
int metric34();
int metric26();
int metric35();
int metric37();
int metric38();
int metric45();
int metric50();
int metric65();
int metric75();
int metric95();
int metric100();
int metric120();
QSize smallButtonSize();
QSize segmentOperationButtonSize(bool wide);
QSize selectionOperationSize();
QSize pressAndDragTipSize();
QSize doubleTapTipSize();
QSize mediaExplorerHelpTipSize();
QSize colorMatrixPopupSize();
QSize colorsScrollPopupSize();
QSize mediaTypeSelectionPopupSize();
QSize microphonePopupSize();
QSize movieExportingPopupSize();
// Modes 0 and 1 are fractions of the available area, 2 and 3 pixels; any
// other mode gives an empty size.
QSizeF projectSettingsPopupSize(int mode);
QString segmentBackImagePath();
QString segmentBackColorImagePath();

// Heights of the floating popups.
int chromaKeyPopupHeight();
int colorsScrollPopupHeight();
int easingFunctionsPopupHeight();
int colorTwoSlidersSwitchPopupHeight();
int colorTwoSlidersPopupHeight();
int shadowPopupHeight();
int transitionsListPopupHeight();

} // namespace UiMetrics
