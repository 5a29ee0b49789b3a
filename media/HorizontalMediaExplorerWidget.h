#pragma once

#include "MediaExplorerWidget.h"

#include <QList>

class RoundTabWidget;
class TooltipButton;
namespace Ui {
class HorizontalMediaExplorerWidget;
}

// The media explorer as a bar of filter buttons on the left and location
// buttons on the right. The buttons only mark the choice; the bar shows no
// page of its own.
class HorizontalMediaExplorerWidget : public MediaExplorerWidget
{
    Q_OBJECT

public:
    HorizontalMediaExplorerWidget(const QString& settingsDir, QWidget* parent = nullptr);
    ~HorizontalMediaExplorerWidget() override;

    void updateHighlightGeometry();

public slots:
    void onBackButtonClicked();
    void onFilterPictureButtonClicked();
    void onFilterVideoButtonClicked();
    void onFilterMusicButtonClicked();
    void onLocPhotoGalleryButtonClicked();
    void onLocInAppLibraryButtonClicked();
    void onLocFileSharingButtonClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void _setUpIcons();
    void _connectButtons();
    static void _checkOnly(const QList<TooltipButton*>& group, TooltipButton* checked);

    Ui::HorizontalMediaExplorerWidget* _ui;
    QList<TooltipButton*> _filterButtons;
    QList<TooltipButton*> _locationButtons;
    RoundTabWidget* _highlight;
};
