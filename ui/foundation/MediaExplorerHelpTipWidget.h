#pragma once

#include "CommonPopupHelpTipWidget.h"

// The help tip that teaches the media library.
class MediaExplorerHelpTipWidget : public CommonPopupHelpTipWidget
{
    Q_OBJECT

public:
    explicit MediaExplorerHelpTipWidget(QWidget* parent);

    QSize tipSize() const override;

protected:
    QSize pictureSize() const override;
};
