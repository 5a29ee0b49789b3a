#include "HorizontalMediaExplorerWidget.h"

#include "RoundTabWidget.h"
#include "TooltipButton.h"
#include "ui_HorizontalMediaExplorerWidget.h"

#include <QTimer>

namespace {
constexpr int kFirstHighlightDelayMs = 10;
const QString kIconFolder = ":/images/media-explorer/";
} // namespace

HorizontalMediaExplorerWidget::HorizontalMediaExplorerWidget(const QString& settingsDir, QWidget* parent)
    : MediaExplorerWidget(settingsDir, parent)
    , _ui(new Ui::HorizontalMediaExplorerWidget)
{
    _ui->setupUi(this);
    container = _ui->containerWidget;
    containerLayout = _ui->containerVerticalLayout;
    _filterButtons = {_ui->filterPictureButton, _ui->filterVideoButton, _ui->filterMusicButton};
    _locationButtons = {_ui->locPhotoGalleryButton, _ui->locInappLibraryButton, _ui->locFileSharingButton};
    setStyleSheet("background-color: transparent;");
    _ui->leftPanel->setStyleSheet("QWidget{background-color: black;}");
    _ui->rightPanel->setStyleSheet("QWidget{background-color: black;}");
    _ui->backButton->setStyleSheet(_ui->backButton->styleSheet()
                                   + "QPushButton:pressed{background-color: rgb(25,26,28);}");
    for (TooltipButton* button : qAsConst(_locationButtons))
        button->setStyleSheet(button->styleSheet() + "QPushButton{background-color: transparent;}");
    _setUpIcons();
    _connectButtons();
    _ui->filterVideoButton->setChecked(true);
    _ui->locPhotoGalleryButton->setChecked(true);
    _highlight = new RoundTabWidget(0, QColor(28, 29, 32, 255), _ui->rightPanel);
    _highlight->lower();
    QTimer::singleShot(kFirstHighlightDelayMs, this, &HorizontalMediaExplorerWidget::updateHighlightGeometry);
}

HorizontalMediaExplorerWidget::~HorizontalMediaExplorerWidget()
{
    delete _ui;
}

void HorizontalMediaExplorerWidget::_setUpIcons()
{
    _ui->backButton->setNormalIcon(kIconFolder + "media_navi_back");
    _ui->backButton->setDisabledIcon(kIconFolder + "media_navi_back_dis");
    const QStringList filterIcons{"media_type_photo", "media_type_video", "media_type_music"};
    for (int i = 0; i < _filterButtons.size(); ++i) {
        _filterButtons[i]->setNormalIcon(kIconFolder + filterIcons[i]);
        _filterButtons[i]->setHighlightedIcon(kIconFolder + filterIcons[i] + "_hl");
        _filterButtons[i]->setDisabledIcon(kIconFolder + filterIcons[i] + "_dis");
    }
    const QStringList locationIcons{"media_loc_photo_gallery", "media_loc_inapp_library", "media_loc_file_sharing"};
    for (int i = 0; i < _locationButtons.size(); ++i) {
        _locationButtons[i]->setNormalIcon(kIconFolder + locationIcons[i]);
        _locationButtons[i]->setHighlightedIcon(kIconFolder + locationIcons[i] + "_hl");
    }
}

void HorizontalMediaExplorerWidget::_connectButtons()
{
    using Self = HorizontalMediaExplorerWidget;
    connect(_ui->backButton, &QPushButton::clicked, this, &Self::onBackButtonClicked);
    connect(_ui->filterPictureButton, &QPushButton::clicked, this, &Self::onFilterPictureButtonClicked);
    connect(_ui->filterVideoButton, &QPushButton::clicked, this, &Self::onFilterVideoButtonClicked);
    connect(_ui->filterMusicButton, &QPushButton::clicked, this, &Self::onFilterMusicButtonClicked);
    connect(_ui->locPhotoGalleryButton, &QPushButton::clicked, this, &Self::onLocPhotoGalleryButtonClicked);
    connect(_ui->locInappLibraryButton, &QPushButton::clicked, this, &Self::onLocInAppLibraryButtonClicked);
    connect(_ui->locFileSharingButton, &QPushButton::clicked, this, &Self::onLocFileSharingButtonClicked);
}

void HorizontalMediaExplorerWidget::_checkOnly(const QList<TooltipButton*>& group, TooltipButton* checked)
{
    for (TooltipButton* button : group)
        button->setChecked(button == checked);
}

void HorizontalMediaExplorerWidget::onBackButtonClicked() {}

void HorizontalMediaExplorerWidget::onFilterPictureButtonClicked()
{
    _checkOnly(_filterButtons, _ui->filterPictureButton);
}

void HorizontalMediaExplorerWidget::onFilterVideoButtonClicked()
{
    _checkOnly(_filterButtons, _ui->filterVideoButton);
}

void HorizontalMediaExplorerWidget::onFilterMusicButtonClicked()
{
    _checkOnly(_filterButtons, _ui->filterMusicButton);
}

void HorizontalMediaExplorerWidget::onLocPhotoGalleryButtonClicked()
{
    _checkOnly(_locationButtons, _ui->locPhotoGalleryButton);
    updateHighlightGeometry();
}

void HorizontalMediaExplorerWidget::onLocInAppLibraryButtonClicked()
{
    _checkOnly(_locationButtons, _ui->locInappLibraryButton);
    updateHighlightGeometry();
}

void HorizontalMediaExplorerWidget::onLocFileSharingButtonClicked()
{
    _checkOnly(_locationButtons, _ui->locFileSharingButton);
    updateHighlightGeometry();
}

void HorizontalMediaExplorerWidget::resizeEvent(QResizeEvent* event)
{
    MediaExplorerWidget::resizeEvent(event);
    updateHighlightGeometry();
}

void HorizontalMediaExplorerWidget::updateHighlightGeometry()
{
    const int radius = int(RoundTabWidget::cornerRadius());
    for (TooltipButton* button : qAsConst(_locationButtons)) {
        if (button->isChecked()) {
            _highlight->setGeometry(button->geometry().adjusted(0, -radius, 0, radius));
            return;
        }
    }
}
