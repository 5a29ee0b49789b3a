#include "MediaExplorerHelpTipWidget.h"

#include "UiMetrics.h"

MediaExplorerHelpTipWidget::MediaExplorerHelpTipWidget(QWidget* parent)
    : CommonPopupHelpTipWidget(parent,
                               tr("You can drag a footage from the Media Explorer and drop it directly at the desired location on a track."),
                               tr("Got it"))
{
}

QSize MediaExplorerHelpTipWidget::tipSize() const
{
    return UiMetrics::mediaExplorerHelpTipSize();
}

QSize MediaExplorerHelpTipWidget::pictureSize() const
{
    return QSize(808, 626);
}
