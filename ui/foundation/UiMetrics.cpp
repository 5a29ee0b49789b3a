#include "UiMetrics.h"

#include <QGuiApplication>
#include <QScreen>

namespace UiMetrics {

QSize portraitScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QSize();
    const QSize size = screen->size();
    return size.width() > size.height() ? size.transposed() : size;
}

int toolBarButtonHeight() { return 44; }
int toolBarIconHeight() { return 22; }
int metric21() { return 21; }
int metric52() { return 52; }
int metric28() { return 28; }
float metricOne() { return 1.0f; }
float metricThree() { return 3.0f; }
QSize pointerHandleSize() { return QSize(27, 21); }
int metric24() { return 24; }
int metric60() { return 60; }
int metric40() { return 40; }
int metric30() { return 30; }
int metric20() { return 20; }
int metric34() { return 34; }
int metric26() { return 26; }
int metric35() { return 35; }
int metric37() { return 37; }
int metric38() { return 38; }
int metric45() { return 45; }
int metric50() { return 50; }
int metric65() { return 65; }
int metric75() { return 75; }
int metric95() { return 95; }
int metric100() { return 100; }
int metric120() { return 120; }
QSize smallButtonSize() { return QSize(23, 23); }
QSize segmentOperationButtonSize(bool wide) { return QSize(wide ? 180 : 100, 60); }
QSize selectionOperationSize() { return QSize(350, 45); }
QSize pressAndDragTipSize() { return QSize(300, 300); }
QSize doubleTapTipSize() { return QSize(300, 260); }
QSize mediaExplorerHelpTipSize() { return QSize(300, 340); }
QSize colorMatrixPopupSize() { return QSize(350, 400); }
QSize colorsScrollPopupSize() { return QSize(383, 470); }
QSize mediaTypeSelectionPopupSize() { return QSize(240, 300); }
QSize microphonePopupSize() { return QSize(430, 280); }
QSize movieExportingPopupSize() { return QSize(500, 370); }

QSizeF projectSettingsPopupSize(int mode)
{
    switch (mode) {
    case 0:
        return QSizeF(0.6, 0.9);
    case 1:
        return QSizeF(1.0, 0.95);
    case 2:
        return QSizeF(480, 640);
    case 3:
        return QSizeF(360, 640);
    default:
        return QSizeF();
    }
}

QString segmentBackImagePath() { return QStringLiteral(":/images/segment_back"); }
QString segmentBackColorImagePath() { return QStringLiteral(":/images/segment_back_color"); }

int chromaKeyPopupHeight() { return 300; }
int colorsScrollPopupHeight() { return 420; }
int easingFunctionsPopupHeight() { return 317; }
int colorTwoSlidersSwitchPopupHeight() { return 314; }
int colorTwoSlidersPopupHeight() { return 254; }
int shadowPopupHeight() { return 320; }
int transitionsListPopupHeight() { return 360; }

} // namespace UiMetrics
