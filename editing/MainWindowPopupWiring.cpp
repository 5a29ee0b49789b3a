// Wiring of the popups the segment inspector embeds: each is tagged with the
// property it edits and connected to the value slots, once, when its
// section is made. The connections end with the popup.
#include "AVGLWidget.h"
#include "CommonSliderColorPopup.h"
#include "MainWindow.h"
#include "PopupChromaKeyWidget.h"
#include "PopupColorsScrollWidget.h"
#include "PopupSliderColor1Switch2SlidersWidget.h"
#include "PopupSliderColor2SlidersWidget.h"
#include "PopupSliderColorShadowWidget.h"
#include "PopupSliderColorWidget.h"
#include "PopupSliderWidget.h"
#include "SliderPopupKind.h"

using namespace SliderPopupKind;

using Popup = CommonSliderColorPopup;

// --- Connection groups ------------------------------------------------------------

void MainWindow::_connectSliderPair(CommonSliderColorPopup* popup, int kind)
{
    popup->setTag(kind);
    connect(popup, &Popup::sliderColorPopupValueChanged, this, &MainWindow::sliderColorPopup_onValueChanged);
    connect(popup, &Popup::sliderColorPopupValueChanging, this, &MainWindow::sliderColorPopup_onValueChanging);
}

void MainWindow::_connectSecondSliderPair(CommonSliderColorPopup* popup)
{
    connect(popup, &Popup::sliderColorPopupValue2Changed, this, &MainWindow::sliderColorPopup_onValue2Changed);
    connect(popup, &Popup::sliderColorPopupValue2Changing, this, &MainWindow::sliderColorPopup_onValue2Changing);
}

void MainWindow::_connectThirdSliderPair(CommonSliderColorPopup* popup)
{
    connect(popup, &Popup::sliderColorPopupValue3Changed, this, &MainWindow::sliderColorPopup_onValue3Changed);
    connect(popup, &Popup::sliderColorPopupValue3Changing, this, &MainWindow::sliderColorPopup_onValue3Changing);
}

// The two questions fill the pointers they carry: they must run before the
// popup reads the answer.
void MainWindow::_connectColorTrio(CommonSliderColorPopup* popup)
{
    connect(popup, &Popup::sliderColorPopupColorChanged, this, &MainWindow::sliderColorPopup_onColorChanged);
    connect(popup, &Popup::sliderColorPopupNeedColorPickingImage, this,
            &MainWindow::sliderColorPopup_onNeedColorPickingImage, Qt::DirectConnection);
    connect(popup, &Popup::sliderColorPopupGetPlaybackAreaFrame, this,
            &MainWindow::sliderColorPopup_onGetPlaybackAreaFrame, Qt::DirectConnection);
}

void MainWindow::_connectSwitch(CommonSliderColorPopup* popup)
{
    connect(popup, &Popup::sliderColorPopupSwitchValueChanged, this, &MainWindow::sliderColorPopup_onSwitchValueChanged);
}

// --- Announced popups -------------------------------------------------------------

void MainWindow::_segmentEditingSetConnectionsForTransparencyPopupSliderWidget(PopupSliderWidget* sliderWidget,
                                                                               bool transition)
{
    _connectSliderPair(sliderWidget, transition ? kTransitionTransparency : kTransparency);
}

void MainWindow::_segmentEditingSetConnectionsForVolumePopupSliderWidget(PopupSliderWidget* sliderWidget,
                                                                         bool transition)
{
    _connectSliderPair(sliderWidget, transition ? kTransitionVolume : kVolume);
}

void MainWindow::_segmentEditingSetConnectionsForSpeedPopupSliderWidget(PopupSliderWidget* sliderWidget)
{
    _connectSliderPair(sliderWidget, kSpeed);
}

void MainWindow::_segmentEditingSetConnectionsForPitchPopupSliderWidget(PopupSliderWidget* sliderWidget)
{
    _connectSliderPair(sliderWidget, kPitch);
}

void MainWindow::_segmentEditingSetConnectionsForRoundCornerPopupSliderWidget(PopupSliderWidget* sliderWidget)
{
    _connectSliderPair(sliderWidget, kRoundCorner);
}

void MainWindow::_segmentEditingSetConnectionsForBorderPopupSliderColorWidget(PopupSliderColorWidget* sliderWidget)
{
    _connectSliderPair(sliderWidget, kTextBorder);
    _connectColorTrio(sliderWidget);
}

void MainWindow::_segmentEditingSetConnectionsForTextSizePopupSliderColorWidget(PopupSliderColorWidget* sliderWidget)
{
    _connectSliderPair(sliderWidget, kTextSize);
    _connectColorTrio(sliderWidget);
}

void MainWindow::_segmentEditingSetConnectionsForStrokeBorderPopupSliderColorSwitchWidget(
    PopupSliderColor1Switch2SlidersWidget* sliderWidget)
{
    _connectSliderPair(sliderWidget, kStrokeBorder);
    _connectSecondSliderPair(sliderWidget);
    _connectThirdSliderPair(sliderWidget);
    _connectColorTrio(sliderWidget);
    _connectSwitch(sliderWidget);
}

void MainWindow::_segmentEditingSetConnectionsForTextBackPopupSliderColor2SlidersWidget(
    PopupSliderColor2SlidersWidget* sliderWidget)
{
    _connectSliderPair(sliderWidget, kTextBackground);
    _connectSecondSliderPair(sliderWidget);
    _connectThirdSliderPair(sliderWidget);
    _connectColorTrio(sliderWidget);
}

void MainWindow::_segmentEditingSetConnectionsForShadowPopupSliderColorShadowWidget(
    PopupSliderColorShadowWidget* shadowWidget)
{
    _connectSliderPair(shadowWidget, kShadow);
    _connectSecondSliderPair(shadowWidget);
    _connectColorTrio(shadowWidget);
    connect(shadowWidget, &PopupSliderColorShadowWidget::shadowOffsetChanging, this,
            &MainWindow::sliderColorShadowPopup_onShadowOffsetChanging);
    connect(shadowWidget, &PopupSliderColorShadowWidget::shadowOffsetChanged, this,
            &MainWindow::sliderColorShadowPopup_onShadowOffsetChanged);
}

// The first slider's values are part of the combined values signal, which
// records them together with the colour; they are not connected on their own.
void MainWindow::_segmentEditingSetConnectionsForChromaKeyPopupChromaKeyWidget(PopupChromaKeyWidget* chromaKeyWidget)
{
    chromaKeyWidget->setTag(kChromaKey);
    _connectSecondSliderPair(chromaKeyWidget);
    _connectThirdSliderPair(chromaKeyWidget);
    _connectColorTrio(chromaKeyWidget);
    _connectSwitch(chromaKeyWidget);
    connect(chromaKeyWidget, &PopupChromaKeyWidget::valuesChanged, this, &MainWindow::chromaKeyPopup_onValuesChanged);
}

// The same slots serve the segment's colours and the transition state's:
// they find the target from the tile in editing.
void MainWindow::_segmentEditingSetConnectionsForColorsPopupColorsScrollWidget(PopupColorsScrollWidget* colorsWidget,
                                                                               bool)
{
    using Colors = PopupColorsScrollWidget;
    connect(colorsWidget, &Colors::saturationChanged, this, &MainWindow::scrollColorsPopup_onSaturationChanged);
    connect(colorsWidget, &Colors::brightnessChanged, this, &MainWindow::scrollColorsPopup_onBrightnessChanged);
    connect(colorsWidget, &Colors::contrastChanged, this, &MainWindow::scrollColorsPopup_onContrastChanged);
    connect(colorsWidget, &Colors::whiteBalanceChanged, this, &MainWindow::scrollColorsPopup_onWhiteBalanceChanged);
    connect(colorsWidget, &Colors::exposureChanged, this, &MainWindow::scrollColorsPopup_onExposureChanged);
    connect(colorsWidget, &Colors::hueChanged, this, &MainWindow::scrollColorsPopup_onHueChanged);
    connect(colorsWidget, &Colors::redChanged, this, &MainWindow::scrollColorsPopup_onRedChanged);
    connect(colorsWidget, &Colors::greenChanged, this, &MainWindow::scrollColorsPopup_onGreenChanged);
    connect(colorsWidget, &Colors::blueChanged, this, &MainWindow::scrollColorsPopup_onBlueChanged);
    connect(colorsWidget, &Colors::saturationChanging, this, &MainWindow::scrollColorsPopup_onSaturationChanging);
    connect(colorsWidget, &Colors::brightnessChanging, this, &MainWindow::scrollColorsPopup_onBrightnessChanging);
    connect(colorsWidget, &Colors::contrastChanging, this, &MainWindow::scrollColorsPopup_onContrastChanging);
    connect(colorsWidget, &Colors::whiteBalanceChanging, this, &MainWindow::scrollColorsPopup_onWhiteBalanceChanging);
    connect(colorsWidget, &Colors::exposureChanging, this, &MainWindow::scrollColorsPopup_onExposureChanging);
    connect(colorsWidget, &Colors::hueChanging, this, &MainWindow::scrollColorsPopup_onHueChanging);
    connect(colorsWidget, &Colors::redChanging, this, &MainWindow::scrollColorsPopup_onRedChanging);
    connect(colorsWidget, &Colors::greenChanging, this, &MainWindow::scrollColorsPopup_onGreenChanging);
    connect(colorsWidget, &Colors::blueChanging, this, &MainWindow::scrollColorsPopup_onBlueChanging);
    connect(colorsWidget, &Colors::schemeChanged, this, &MainWindow::scrollColorsPopup_onSchemeChanged);
    connect(colorsWidget, &Colors::needtoDisplayMessage, this, &MainWindow::scrollColorsPopup_onNeedToDisplayMessage);
    connect(colorsWidget, &Colors::applyToAllSegmentsRequested, this,
            &MainWindow::scrollColorsPopup_onApplyToAllSegmentsRequested);
}

// --- Colour picker questions --------------------------------------------------------

void MainWindow::sliderColorPopup_onNeedColorPickingImage(CommonSliderColorPopup*, QImage* image)
{
    if (image)
        *image = _colorPickingImage();
}

void MainWindow::sliderColorPopup_onGetPlaybackAreaFrame(CommonSliderColorPopup*, QRect* rect, QWidget* inWidget)
{
    QWidget* preview = _previewWidget ? _previewWidget->parentWidget() : nullptr;
    if (!rect || !inWidget || !preview)
        return;
    const QPoint corner = inWidget->mapFromGlobal(preview->mapToGlobal(QPoint(0, 0)));
    *rect = QRect(corner, preview->size());
}
