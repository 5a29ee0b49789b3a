#include "PopupMovieExportingWidget.h"

#include "MovieSizeForLevel.h"
#include "PopupProjectSettingsWidget.h"
#include "SeekableSliderStyle.h"
#include "UiMetrics.h"
#include "Util.h"
#include "ui_PopupMovieExportingWidget.h"

#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QPointer>
#include <QPropertyAnimation>

#include <cmath>

namespace {

constexpr int kShowMs = 200;
constexpr int kBottomGap = 40;
constexpr int kHandleWidth = 18;
constexpr int kSliderMaximum = 4;
constexpr int kTickCount = 4;

const char* const kLevelNames[] = {
    QT_TRANSLATE_NOOP("PopupMovieExportingWidget", "SD - 360P"),
    QT_TRANSLATE_NOOP("PopupMovieExportingWidget", "SD - 540P"),
    QT_TRANSLATE_NOOP("PopupMovieExportingWidget", "HD - 720P"),
    QT_TRANSLATE_NOOP("PopupMovieExportingWidget", "Full HD - 1080P"),
    QT_TRANSLATE_NOOP("PopupMovieExportingWidget", "Quad HD - 2K"),
    QT_TRANSLATE_NOOP("PopupMovieExportingWidget", "Ultra HD - 4K"),
};
constexpr int kLevelCount = int(sizeof(kLevelNames) / sizeof(kLevelNames[0]));

// Level 0 has no slider position of its own: it shows at the first one.
int sliderPositionForLevel(int level)
{
    return level >= 2 && level < kLevelCount ? level - 1 : 0;
}

// The done page's captions are in Qt's own grey, rgb(160,160,164): the
// darker grey of the style-sheet names, rgb(128,128,128), reads at less than
// 4.5:1 on the panel and on its detail box.
const char* const kStyleSheet = R"(
QLabel { color: white; }
QWidget#resolutionPanel QLabel { color: rgb(192,192,192); }
QWidget#resolutionPanel QLabel:disabled { color: rgb(128,128,128); }
QWidget#resolutionPanel QLabel#resolutionLabel { color: white; font-weight: bold; }
QLabel#nameLabel, QLabel#locationLabel { font-weight: bold; }
QWidget#widget QLabel { color: lightgray; }
QWidget#frameRateButtonContainer, QWidget#videoCodecButtonContainer, QLineEdit#nameLineEdit {
    background-color: rgb(44,45,46); border-radius: 5px; color: white; border: none; }
QPushButton#frameRateButton, QPushButton#videoCodecButton, QPushButton#frameRateTriangleButton,
QPushButton#videoCodecTriangleButton, QPushButton#locationButton, QPushButton#doneFileNameGoButton {
    color: white; background: transparent; border: none; text-align: left; }
QWidget#separatorWidget { background-color: rgb(64,64,64); }
QSlider::groove:horizontal { height: 4px; background: rgb(44,46,50); border-radius: 2px; }
QSlider::sub-page:horizontal { background: rgb(54,200,255); border-radius: 2px; }
QSlider::add-page:horizontal { background: rgb(44,46,50); border-radius: 2px; }
QSlider::handle:horizontal { background: white; width: 18px; margin: -7px 0; border-radius: 9px; }
QSlider::sub-page:horizontal:disabled { background: rgb(44,105,133); }
QSlider::handle:horizontal:disabled { background: gray; }
QProgressBar { height: 20px; max-height: 20px; border-radius: 10px; background: rgb(44,46,50);
    color: white; text-align: center; border: none; }
QProgressBar::chunk { background: rgb(54,200,255); border-radius: 10px; }
QPushButton#exportButton, QPushButton#exportCancelButton, QPushButton#errorCloseButton,
QPushButton#computerDoneButton { color: white; background: transparent; border: 1px solid darkgray;
    border-radius: 5px; padding: 6px 16px; }
QPushButton#exportButton:pressed, QPushButton#exportCancelButton:pressed, QPushButton#errorCloseButton:pressed,
QPushButton#computerDoneButton:pressed { color: darkgray; }
QWidget#computerDonePage QLabel#label_2, QWidget#computerDoneDetailPanel QLabel#doneFileNameLabel,
QLabel#doneFileSizeLabel, QLabel#doneDurationLabel, QLabel#doneVideoLabel, QLabel#doneAudioLabel {
    color: rgb(160,160,164); }
QWidget#computerDoneDetailPanel { background-color: rgb(44,46,50); border-radius: 5px; }
)";

void adjustPointSize(QWidget* widget, qreal delta, bool bold = false)
{
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() + delta);
    font.setBold(bold || font.bold());
    widget->setFont(font);
}

} // namespace

PopupMovieExportingWidget::PopupMovieExportingWidget(QWidget* parent)
    : CommonPopup(parent), _ui(std::make_unique<Ui_PopupMovieExportingWidget>())
{
    // The sheet comes before the form: building the form shows its first
    // pages, which polishes them, and over a host that has a sheet of its own
    // (the window's central widget) a sheet set later on this still unpolished
    // popup would not reach the children polished already.
    setStyleSheet(QString::fromLatin1(kStyleSheet));
    _ui->setupUi(this);
    setMainWidget(_ui->mainWidget);
    setTitleLabel(_ui->titleLabel);
}

PopupMovieExportingWidget::~PopupMovieExportingWidget() = default;

const QVector<QPair<QString, QString>>& PopupMovieExportingWidget::videoCodecs()
{
    static const QVector<QPair<QString, QString>> codecs = {
        {QStringLiteral("h264"), QStringLiteral("H.264")},
        {QStringLiteral("hevc"), QStringLiteral("HEVC")},
        {QStringLiteral("vp9"), QStringLiteral("VP9")},
    };
    return codecs;
}

const QStringList& PopupMovieExportingWidget::videoCodecIds()
{
    static const QStringList ids = [] {
        QStringList list;
        for (const auto& codec : videoCodecs())
            list << codec.first;
        return list;
    }();
    return ids;
}

QString PopupMovieExportingWidget::videoCodecName(const QString& codecId)
{
    for (const auto& codec : videoCodecs()) {
        if (codec.first == codecId)
            return codec.second;
    }
    return videoCodecs().first().second;
}

QString PopupMovieExportingWidget::_frameRateText(float rate)
{
    return QString::number(double(rate), 'g', 6);
}

void PopupMovieExportingWidget::setExportOptions(QWidget* parent, int level, float aspectWidth, float aspectHeight,
                                                 const QString& defaultName, const QString& location,
                                                 const QString& videoCodec, float frameRate, int presentationMode)
{
    _presentationMode = presentationMode;
    _defaultName = defaultName;
    _location = location;
    _videoCodec = videoCodec;
    _frameRate = frameRate;
    _aspectWidth = aspectWidth;
    _aspectHeight = aspectHeight;
    _level = level;
    // Not connected yet: placing the handle must not change the level.
    _ui->resolutionSlider->setValue(sliderPositionForLevel(level));
    _updateResolutionLabel();
    showInWidget(parent, tr("Export & Share"), QPoint(0, 0));
}

void PopupMovieExportingWidget::showInWidget(QWidget* parent, const QString& title, const QPoint& point)
{
    setupUi(parent, title);
    coverWithTitle(parent, title);
    if (_presentationMode == 1) {
        const int parentHeight = parent ? parent->height() : height();
        move(0, parentHeight);
        show();
        auto* slide = new QPropertyAnimation(this, "pos", this);
        slide->setDuration(kShowMs);
        slide->setEndValue(QPoint(0, 0));
        slide->start(QAbstractAnimation::DeleteWhenStopped);
    } else {
        Util::fadeInWidget(this, kShowMs, 1.0);
    }
    layoutAtPoint(point);
    addShadow();
    _layoutResolutionTicks();
}

void PopupMovieExportingWidget::setupUi(QWidget* parent, const QString& title)
{
    CommonPopup::setupUi(parent, title);
    // Showing again must neither restyle nor connect twice.
    if (_formReady)
        return;
    _formReady = true;
    _applyLook();
    _ui->resolutionSlider->setRange(0, kSliderMaximum);
    _ui->resolutionSpacer->changeSize(20, 0);
    _ui->frameRateButton->setText(_frameRateText(_frameRate));
    _ui->videoCodecButton->setText(videoCodecName(_videoCodec));
    _ui->nameLineEdit->setText(_defaultName);
    _ui->nameLineEdit->unsetCursor();
    _ui->locationValueLabel->setText(QDir::toNativeSeparators(_location));
    _ui->optionsStackedWidget->setCurrentWidget(_ui->computerOptionsPage);
    _ui->remainingTimeLabel->hide();
    _connectForm();
}

void PopupMovieExportingWidget::_applyLook()
{
    auto* panel = static_cast<PopupMainWidget*>(_ui->mainWidget);
    panel->setFillColor(QColor(31, 32, 35));
    panel->setBorderColor(QColor(64, 64, 64, 128));
    panel->setCornerRadius(10);
    for (QWidget* smaller : {static_cast<QWidget*>(_ui->resolutionDetailLabel), static_cast<QWidget*>(_ui->frameRateLabel),
                             static_cast<QWidget*>(_ui->videoCodecLabel), static_cast<QWidget*>(_ui->label540p),
                             static_cast<QWidget*>(_ui->label720p), static_cast<QWidget*>(_ui->label1080p),
                             static_cast<QWidget*>(_ui->label2k), static_cast<QWidget*>(_ui->label4k)})
        adjustPointSize(smaller, -1);
    adjustPointSize(_ui->exportLabel, 2, true);
    adjustPointSize(_ui->errorLabel, 2, true);
    auto* seekable = new SeekableSliderStyle();
    seekable->setParent(_ui->resolutionSlider);
    _ui->resolutionSlider->setStyle(seekable);
    _ui->doneIconLabel->setPixmap(QPixmap(QStringLiteral(":/images/export/export_done_icon")));
    _ui->errorIconLabel->setPixmap(QPixmap(QStringLiteral(":/images/export/export_error_icon")));
}

void PopupMovieExportingWidget::_connectForm()
{
    using P = PopupMovieExportingWidget;
    connect(_ui->resolutionSlider, &QSlider::valueChanged, this, &P::resolutionSliderValueChanged);
    connect(_ui->frameRateButton, &QPushButton::clicked, this, &P::frameRateButtonOnClicked);
    connect(_ui->frameRateTriangleButton, &QPushButton::clicked, this, &P::frameRateButtonOnClicked);
    connect(_ui->videoCodecButton, &QPushButton::clicked, this, &P::videoCodecButtonOnClicked);
    connect(_ui->videoCodecTriangleButton, &QPushButton::clicked, this, &P::videoCodecButtonOnClicked);
    connect(_ui->exportButton, &QPushButton::clicked, this, &P::shareOperationButtonOnClicked);
    connect(_ui->locationButton, &QPushButton::clicked, this, &P::locationButtonOnClicked);
    connect(_ui->exportCancelButton, &QPushButton::clicked, this, &P::exportCancelButtonOnClicked);
    connect(_ui->errorCloseButton, &QPushButton::clicked, this, &P::errorCloseButtonOnClicked);
    connect(_ui->computerDoneButton, &QPushButton::clicked, this, &P::computerDoneButtonOnClicked);
    connect(_ui->doneFileNameGoButton, &QPushButton::clicked, this, &P::computerGoButtonOnClicked);
}

void PopupMovieExportingWidget::layoutAtPoint(const QPoint&)
{
    const QSize size = UiMetrics::movieExportingPopupSize();
    const QWidget* host = parentWidget() ? parentWidget() : this;
    const int x = (host->width() - size.width()) / 2;
    const int y = _presentationMode == 1 ? host->height() - kBottomGap - size.height()
                                         : (host->height() - size.height()) / 2;
    _ui->mainWidget->setGeometry(x, y, size.width(), size.height());
}

void PopupMovieExportingWidget::_updateResolutionLabel()
{
    const QString name = _level >= 0 && _level < kLevelCount ? tr(kLevelNames[_level]) : QString();
    const QSize size = movieSizeForLevel(_aspectWidth, _aspectHeight, _level);
    _ui->resolutionDetailLabel->setText(
        QStringLiteral("%1 %2").arg(name, QString::asprintf("(%dx%d)", size.width(), size.height())));
}

void PopupMovieExportingWidget::resolutionSliderValueChanged(int value)
{
    _releaseNameFocus();
    if (value >= 0 && value <= kSliderMaximum)
        _level = value + 1;
    _updateResolutionLabel();
}

void PopupMovieExportingWidget::_layoutResolutionTicks()
{
    QWidget* strip = _ui->widget;
    const int sliderWidth = _ui->resolutionSlider->width();
    if (sliderWidth <= 0)
        return;
    strip->setFixedWidth(sliderWidth);
    const QFontMetrics metrics(_ui->label540p->font());
    // Its height before the first layout says nothing: a strip without a
    // layout of its own gets none from the panel's unless it asks for one.
    if (strip->minimumHeight() < metrics.height())
        strip->setFixedHeight(metrics.height() + 4);
    QLabel* const ticks[] = {_ui->label540p, _ui->label720p, _ui->label1080p, _ui->label2k, _ui->label4k};
    for (int index = 0; index <= kTickCount; ++index) {
        QLabel* tick = ticks[index];
        tick->adjustSize();
        tick->show();
        const int textWidth = metrics.horizontalAdvance(tick->text());
        int x = 0;
        if (index == kTickCount)
            x = sliderWidth - textWidth;
        else if (index > 0)
            x = int(float(index) / kTickCount * float(sliderWidth - kHandleWidth) + kHandleWidth / 2
                    - textWidth / 2);
        tick->move(x, (strip->height() - tick->height()) / 2);
    }
}

void PopupMovieExportingWidget::resizeEvent(QResizeEvent* event)
{
    CommonPopup::resizeEvent(event);
    _layoutResolutionTicks();
}

void PopupMovieExportingWidget::_releaseNameFocus()
{
    if (_ui->nameLineEdit->hasFocus())
        _ui->nameLineEdit->clearFocus();
}

int PopupMovieExportingWidget::_chooseFromMenu(const QStringList& texts)
{
    QPointer<PopupMovieExportingWidget> guard(this);
    auto* menu = new QMenu(this);
    menu->setWindowFlags(menu->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    menu->setAttribute(Qt::WA_TranslucentBackground);
    Util::setPopupMenuStyleSheet(menu);
    QList<QAction*> actions;
    for (const QString& text : texts) {
        QAction* action = menu->addAction(text);
        action->setShortcut(QKeySequence());
        actions << action;
    }
    QAction* chosen = menu->exec(QCursor::pos());
    // The popup (and the menu, its child) may have gone while the menu ran.
    if (!guard)
        return -1;
    const int index = actions.indexOf(chosen);
    delete menu;
    return index;
}

void PopupMovieExportingWidget::frameRateButtonOnClicked()
{
    _releaseNameFocus();
    QStringList texts;
    for (float rate : PopupProjectSettingsWidget::frameRates())
        texts << _frameRateText(rate);
    const int index = _chooseFromMenu(texts);
    if (index < 0)
        return;
    _frameRate = PopupProjectSettingsWidget::frameRates().at(index);
    _ui->frameRateButton->setText(_frameRateText(_frameRate));
}

void PopupMovieExportingWidget::videoCodecButtonOnClicked()
{
    _releaseNameFocus();
    QStringList texts;
    for (const auto& codec : videoCodecs())
        texts << codec.second;
    const int index = _chooseFromMenu(texts);
    if (index < 0)
        return;
    _videoCodec = videoCodecs().at(index).first;
    _ui->videoCodecButton->setText(videoCodecName(_videoCodec));
}

void PopupMovieExportingWidget::locationButtonOnClicked()
{
    _releaseNameFocus();
    // Without a parent, as the add-file chooser: under this popup the dialog
    // would take on the popup's light-on-dark sheet over its own light panels.
    const QPointer<PopupMovieExportingWidget> guard(this);
    const QString folder = QFileDialog::getExistingDirectory(nullptr, tr("Select save directory"), _location,
                                                             QFileDialog::ShowDirsOnly);
    if (!guard || folder.isEmpty())
        return;
    _location = QDir::toNativeSeparators(folder);
    _ui->locationValueLabel->setText(_location);
}

QString PopupMovieExportingWidget::fileName() const
{
    const QString typed = _ui->nameLineEdit->text().trimmed();
    return typed.isEmpty() ? _defaultName : typed;
}

void PopupMovieExportingWidget::shareOperationButtonOnClicked()
{
    emit popupMovieExportingWidgetShareAction(this, MovieExportingActionSaveToComputer);
}

bool PopupMovieExportingWidget::acceptByReturnKey()
{
    if (!_ui->exportButton->isVisible())
        return false;
    _ui->exportButton->click();
    return true;
}

void PopupMovieExportingWidget::exportCancelButtonOnClicked()
{
    emit popupMovieExportingWidgetExportCancelAction(this);
}

void PopupMovieExportingWidget::errorCloseButtonOnClicked()
{
    dismiss();
}

void PopupMovieExportingWidget::computerDoneButtonOnClicked()
{
    dismiss();
}

void PopupMovieExportingWidget::computerGoButtonOnClicked()
{
    Util::revealInExplorer(_ui->doneFileNameValueLabel->text());
}

void PopupMovieExportingWidget::_showExportPage()
{
    if (_ui->mainStackedWidget->currentWidget() == _ui->exportPage)
        return;
    _ui->mainStackedWidget->setCurrentWidget(_ui->exportPage);
    // While the export runs only Cancel may end it.
    setNotDismissable(true);
}

void PopupMovieExportingWidget::setProgress(float progress)
{
    _showExportPage();
    _ui->exportProgressBar->setValue(int(progress * 100.0f));
}

void PopupMovieExportingWidget::setEstimatedTimeRemaining(float seconds)
{
    _showExportPage();
    if (_ui->exportProgressBar->value() <= 0)
        return;
    QLabel* label = _ui->remainingTimeLabel;
    // Short exports never show an estimate; once shown it stays until the end.
    if (label->isHidden() && seconds > 30.0f)
        label->show();
    if (!label->isHidden())
        label->setText(tr("Estimated time remaining - %1").arg(Util::durationText(int(seconds + 0.5f))));
}

void PopupMovieExportingWidget::showExportSucceeded(const QString& errorText, const QString& filePath)
{
    if (!errorText.isEmpty()) {
        _ui->errorDetailLabel->setText(errorText);
        _ui->mainStackedWidget->setCurrentWidget(_ui->errorPage);
    } else {
        _showDonePage(filePath);
    }
    setNotDismissable(false);
}

void PopupMovieExportingWidget::_showDonePage(const QString& filePath)
{
    _ui->doneFileNameValueLabel->setText(QDir::toNativeSeparators(filePath));
    const qint64 bytes = QFileInfo(filePath).size();
    _ui->doneFileSizeValueLabel->setText(bytes >= 1024 ? tr("%L1 bytes (%2)").arg(bytes).arg(Util::byteSizeText(bytes))
                                                       : Util::byteSizeText(bytes));
    QString videoText = QStringLiteral("H.264");
    QString audioText = tr("None");
    double duration = 0.0;
    Util::mediaStreamDescription(filePath, videoText, audioText, duration);
    _ui->doneDurationValueLabel->setText(Util::durationText(int(std::ceil(duration))));
    _ui->doneVideoValueLabel->setText(videoText);
    _ui->doneAudioValueLabel->setText(audioText);
    _ui->mainStackedWidget->setCurrentWidget(_ui->computerDonePage);
}
