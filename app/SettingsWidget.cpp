#include "SettingsWidget.h"

#include "MultiLanguage.h"
#include "ProjectManager.h"
#include "SegmentStyleDefaults.h"
#include "SwitchButton.h"
#include "UserSettings.h"
#include "Util.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSlider>

namespace {

const char* const kPressedRowStyleSheet = "QWidget{background-color:rgb(44,46,50);}";
const char* const kReleasedRowStyleSheet = "QWidget{background-color:transparent;}";

const char* const kMenuStyleSheet =
    "QMenu { background-color: rgba(7,8,10,230); color: white; padding: 10px; border-radius: 10px; }"
    "QMenu::item:selected { background-color: rgb(44,46,50); }";
const char* const kLanguageMenuItemStyleSheet =
    "QMenu::item { padding: 8px 30px 8px 8px; }"
    "QMenu::icon { margin: 2px; margin-right: 5px; }";
const char* const kLayoutMenuItemStyleSheet =
    "QMenu::item { padding: 8px 30px 8px 30px; }"
    "QMenu::icon { margin: 5px; }";

const char* const kLanguageCodes[] = {"de_DE", "en_US", "es_ES", "fr_FR", "it_IT", "ja_JP",
                                      "ko_KR", "pt_BR", "ru_RU", "zh_CN", "zh_TW"};

// The folder the projects live in below the working directory.
const char* const kProjectsFolder = "Projects";

constexpr int kDesktopLayout = 1;
constexpr int kClassicLayout = 0;

// A duration in seconds as its slider position, one step a tenth of a
// second. The small allowance keeps a stored 2.1 (held as 2.0999999) on 21.
int sliderPosition(float seconds)
{
    return static_cast<int>(static_cast<double>(seconds) * 10.0 + 1e-4);
}

QMenu* makeMenu(QWidget* parent, const char* itemStyleSheet)
{
    auto* menu = new QMenu(parent);
    menu->setWindowFlags(menu->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    menu->setAttribute(Qt::WA_TranslucentBackground, true);
    menu->setStyleSheet(QString(kMenuStyleSheet) + itemStyleSheet);
    return menu;
}

// Runs the menu; it is deleted afterwards unless its page went meanwhile.
QAction* runMenu(QMenu* menu, const QPoint& globalPosition)
{
    const QPointer<QMenu> alive(menu);
    QAction* chosen = menu->exec(globalPosition);
    if (!alive)
        return nullptr;
    menu->deleteLater();
    return chosen;
}

// A folder can hold the projects when "Projects" is, or can be made, a
// writable folder in it.
bool canHoldProjects(const QString& folder)
{
    QDir dir(folder);
    if (!dir.exists() || !dir.mkpath(kProjectsFolder))
        return false;
    const QFileInfo projects(dir.filePath(kProjectsFolder));
    return projects.isDir() && projects.isWritable();
}

} // namespace

SettingsWidget::SettingsWidget(QWidget* parent) : QWidget(parent)
{
    _buildForm();
    _videoEditorLayout.panel->hide();
    _videoEditorLayoutSeparator->hide();
    _durations[0].stored = &UserSettings::photoDuration;
    _durations[0].store = &UserSettings::setPhotoDuration;
    _durations[1].stored = &UserSettings::textDuration;
    _durations[1].store = &UserSettings::setTextDuration;
    _durations[2].stored = &UserSettings::drawingDuration;
    _durations[2].store = &UserSettings::setDrawingDuration;
    // The values go on before the signals are connected, so showing them stores nothing.
    _showValues();
    _connectControls();
}

QString SettingsWidget::title() const
{
    return tr("Settings");
}

void SettingsWidget::_connectControls()
{
    connect(_segmentProperties.switchButton, &SwitchButton::valueChanged, this,
            &SettingsWidget::onSegmentPropertiesSwitchValueChanged);
    connect(_autoAlign.switchButton, &SwitchButton::valueChanged, this,
            &SettingsWidget::onAutoAlignSwitchValueChanged);
    connect(_hardwareAccel.switchButton, &SwitchButton::valueChanged, this,
            &SettingsWidget::onHardwareAccelSwitchValueChanged);
    connect(_autoCopyAssets.switchButton, &SwitchButton::valueChanged, this,
            &SettingsWidget::onAutoCopyAssetsSwitchValueChanged);
    connect(_segmentPropertiesResetButton, &QPushButton::clicked, this,
            &SettingsWidget::onSegmentPropertiesResetButtonClicked);
    for (const DurationRow& row : _durations) {
        connect(row.slider, &QSlider::valueChanged, this, &SettingsWidget::onSliderValueChanged);
        connect(row.slider, &QSlider::sliderReleased, this, &SettingsWidget::onSliderReleased);
    }
    connect(_workingDirectoryButton, &QPushButton::clicked, this, &SettingsWidget::onWorkingDirectoryButtonClicked);
}

void SettingsWidget::_showValues()
{
    const UserSettings* settings = UserSettings::instance();
    _showDurations();
    _showWorkingDirectory();
    _showEditorLayout();
    _showLanguage();
    _segmentProperties.switchButton->setValue(settings->applyUserHabits());
    _autoAlign.switchButton->setValue(settings->autoDragDropAlign());
    _hardwareAccel.switchButton->setValue(settings->hardwareCodec());
    _autoCopyAssets.switchButton->setValue(settings->autoCopyAssets());
    _showHardwareHint();
}

void SettingsWidget::_showDurations()
{
    const UserSettings* settings = UserSettings::instance();
    for (const DurationRow& row : _durations) {
        row.slider->setValue(sliderPosition((settings->*row.stored)()));
        _showDuration(row);
    }
}

void SettingsWidget::_showLanguage()
{
    _language.valueLabel->setText(MultiLanguage::displayName(MultiLanguage().currentLanguage()));
}

void SettingsWidget::_showEditorLayout()
{
    const bool desktop = UserSettings::instance()->editorUI() == kDesktopLayout;
    _videoEditorLayout.valueLabel->setText(desktop ? tr("Desktop") : tr("Classic"));
}

void SettingsWidget::_showHardwareHint()
{
    _hardwareAccel.detailLabel->setText(UserSettings::instance()->hardwareCodec()
                                            ? tr("Enabled: high performance, loss compatibility")
                                            : tr("Disabled: better compatibility, loss performance"));
}

void SettingsWidget::_showWorkingDirectory()
{
    _workingDirectoryValueLabel->setText(QDir::toNativeSeparators(UserSettings::instance()->workingDir()));
}

void SettingsWidget::_showDuration(const DurationRow& row)
{
    row.valueLabel->setText(QString::asprintf("%.1fs", row.slider->value() / 10.0));
}

void SettingsWidget::_storeDuration(const DurationRow& row)
{
    (UserSettings::instance()->*row.store)(row.slider->value() / 10.0f);
}

const SettingsWidget::DurationRow* SettingsWidget::_durationRowOf(QObject* slider) const
{
    for (const DurationRow& row : _durations) {
        if (row.slider == slider)
            return &row;
    }
    return nullptr;
}

void SettingsWidget::onSegmentPropertiesSwitchValueChanged(bool value)
{
    UserSettings::instance()->setApplyUserHabits(value);
}

void SettingsWidget::onAutoAlignSwitchValueChanged(bool value)
{
    UserSettings::instance()->setAutoDragDropAlign(value);
}

void SettingsWidget::onHardwareAccelSwitchValueChanged(bool value)
{
    UserSettings::instance()->setHardwareCodec(value);
    _showHardwareHint();
}

void SettingsWidget::onAutoCopyAssetsSwitchValueChanged(bool value)
{
    UserSettings::instance()->setAutoCopyAssets(value);
}

void SettingsWidget::onSliderValueChanged(int /*value*/)
{
    const DurationRow* row = _durationRowOf(sender());
    if (!row)
        return;
    _showDuration(*row);
    // A drag is stored when it is released; keys, the wheel and clicks on
    // the groove move the slider without a release and are stored here.
    if (!row->slider->isSliderDown())
        _storeDuration(*row);
}

void SettingsWidget::onSliderReleased()
{
    if (const DurationRow* row = _durationRowOf(sender()))
        _storeDuration(*row);
}

void SettingsWidget::onSegmentPropertiesResetButtonClicked()
{
    QMessageBox box(window());
    Util::setDialogStyleSheet(&box);
    box.setIcon(QMessageBox::Question);
    box.setText(tr("Do you really want to reset the saved segment properties?"));
    box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    QPushButton* reset = box.addButton(tr("Reset"), QMessageBox::AcceptRole);
    box.exec();
    if (box.clickedButton() != reset)
        return;
    SegmentStyleDefaults::reset();
    emit issueShowTextMessage(tr("Segment properties reset successfully"));
}

void SettingsWidget::onWorkingDirectoryButtonClicked()
{
    if (_refusesWhileEditing())
        return;
    const QString chosen = QFileDialog::getExistingDirectory(this, tr("Select working directory"),
                                                             UserSettings::instance()->workingDir(),
                                                             QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty() || _refusesWorkingDirectory(chosen))
        return;
    const QString folder = QDir::toNativeSeparators(chosen);
    UserSettings::instance()->setWorkingDir(folder);
    ProjectManager::setWorkingFolder(folder);
    _showWorkingDirectory();
    emit workingDirectoryChanged();
}

bool SettingsWidget::_refusesWhileEditing()
{
    // The open project saves and autosaves below the working directory: a new
    // one would send its saves where they fail or overwrite a namesake.
    if (!Util::mainWindow())
        return false;
    Util::showMessageBox(this, tr("Working Directory"),
                         tr("Close the open movie before changing the working directory."),
                         QMessageBox::Warning);
    return true;
}

bool SettingsWidget::_refusesWorkingDirectory(const QString& folder)
{
    // An editor may have opened while the folder dialog was up.
    if (_refusesWhileEditing())
        return true;
    if (canHoldProjects(folder))
        return false;
    Util::showMessageBox(this, tr("Working Directory"),
                         tr("No movie can be kept in \"%1\": the folder \"Projects\" cannot be created there. "
                            "Choose another folder.")
                             .arg(QDir::toNativeSeparators(folder)),
                         QMessageBox::Warning);
    return true;
}

QWidget* SettingsWidget::_menuRowAt(const QPoint& position) const
{
    // A hidden row keeps its last geometry, over the rows that took its place.
    for (QWidget* row : {_videoEditorLayout.panel, _language.panel}) {
        if (row->isVisible() && QRect(row->mapTo(this, QPoint(0, 0)), row->size()).contains(position))
            return row;
    }
    return nullptr;
}

void SettingsWidget::mousePressEvent(QMouseEvent* event)
{
    QWidget* row = _menuRowAt(event->pos());
    if (!row)
        return;
    row->setStyleSheet(kPressedRowStyleSheet);
    _editorLayoutRowPressed = row == _videoEditorLayout.panel;
    _languageRowPressed = row == _language.panel;
}

void SettingsWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (_editorLayoutRowPressed) {
        _editorLayoutRowPressed = false;
        _videoEditorLayout.panel->setStyleSheet(kReleasedRowStyleSheet);
        _showEditorLayoutMenu(event->globalPos());
    } else if (_languageRowPressed) {
        _languageRowPressed = false;
        _language.panel->setStyleSheet(kReleasedRowStyleSheet);
        _showLanguageMenu(event->globalPos());
    }
}

void SettingsWidget::_showLanguageMenu(const QPoint& globalPosition)
{
    QMenu* menu = makeMenu(this, kLanguageMenuItemStyleSheet);
    const QString current = MultiLanguage().currentLanguage();
    for (const char* code : kLanguageCodes) {
        QAction* action = menu->addAction(MultiLanguage::displayName(code));
        action->setData(QString(code));
        action->setCheckable(true);
        action->setChecked(current == code);
    }
    QAction* chosen = runMenu(menu, globalPosition);
    if (!chosen)
        return;
    const QString code = chosen->data().toString();
    UserSettings::instance()->setLanguage(code);
    // Installs the translation at once: every open widget retranslates.
    MultiLanguage().switchLanguage(code);
    _showLanguage();
}

void SettingsWidget::_showEditorLayoutMenu(const QPoint& globalPosition)
{
    QMenu* menu = makeMenu(this, kLayoutMenuItemStyleSheet);
    menu->addAction(tr("Desktop"))->setData(kDesktopLayout);
    menu->addAction(tr("Classic"))->setData(kClassicLayout);
    QAction* chosen = runMenu(menu, globalPosition);
    if (!chosen)
        return;
    UserSettings::instance()->setEditorUI(chosen->data().toInt());
    _showEditorLayout();
}

void SettingsWidget::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    UserSettings::instance()->save();
}

void SettingsWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    _retranslateUi();
    for (const DurationRow& row : _durations)
        _showDuration(row);
    _showWorkingDirectory();
    _showEditorLayout();
    _showLanguage();
    _showHardwareHint();
}
