#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class QSlider;
class SwitchButton;
class UserSettings;

// The Settings page of the start window: language, default durations of new
// photo, text and drawing segments, four on/off preferences, the working
// directory, and a command that forgets the saved segment style defaults.
// Every change goes into the settings store at once; the store is written to
// its file when the page hides.
class SettingsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsWidget(QWidget* parent = nullptr);

    QString title() const;

signals:
    void issueShowTextMessage(QString message);
    void workingDirectoryChanged();

protected slots:
    void onSegmentPropertiesSwitchValueChanged(bool value);
    void onAutoAlignSwitchValueChanged(bool value);
    void onHardwareAccelSwitchValueChanged(bool value);
    void onAutoCopyAssetsSwitchValueChanged(bool value);
    void onSliderValueChanged(int value);
    void onSliderReleased();
    void onSegmentPropertiesResetButtonClicked();
    void onWorkingDirectoryButtonClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // A row that opens a menu: its caption and the value in force.
    struct ValueRow {
        QWidget* panel = nullptr;
        QLabel* label = nullptr;
        QLabel* valueLabel = nullptr;
    };
    // A duration preference with its slider, labels and store accessors.
    struct DurationRow {
        QLabel* label = nullptr;
        QLabel* valueLabel = nullptr;
        QSlider* slider = nullptr;
        float (UserSettings::*stored)() const = nullptr;
        void (UserSettings::*store)(float seconds) = nullptr;
    };
    // An on/off preference: caption, explanation and switch.
    struct SwitchRow {
        QLabel* label = nullptr;
        QLabel* detailLabel = nullptr;
        SwitchButton* switchButton = nullptr;
    };

    // The form, in SettingsWidgetForm.cpp.
    void _buildForm();
    QWidget* _buildValueRow(const QString& name, const QString& prefix, ValueRow& row);
    QWidget* _buildDurationRow(const QString& name, const QString& prefix, DurationRow& row);
    QWidget* _buildSwitchRow(const QString& name, const QString& prefix, int height, SwitchRow& row);
    QWidget* _buildSegmentPropertiesRow();
    QWidget* _buildWorkingDirectoryRow();
    void _retranslateUi();

    void _connectControls();
    void _showValues();
    void _showLanguage();
    void _showEditorLayout();
    void _showHardwareHint();
    void _showWorkingDirectory();
    void _showDurations();
    const DurationRow* _durationRowOf(QObject* slider) const;
    static void _showDuration(const DurationRow& row);
    static void _storeDuration(const DurationRow& row);

    // The row under a press, among the rows that open a menu; null elsewhere.
    QWidget* _menuRowAt(const QPoint& position) const;
    void _showLanguageMenu(const QPoint& globalPosition);
    void _showEditorLayoutMenu(const QPoint& globalPosition);
    // Each shows why the change is refused, when it is.
    bool _refusesWhileEditing();
    bool _refusesWorkingDirectory(const QString& folder);

    bool _editorLayoutRowPressed = false;
    bool _languageRowPressed = false;

    ValueRow _language;
    ValueRow _videoEditorLayout;
    QWidget* _videoEditorLayoutSeparator = nullptr;
    std::array<DurationRow, 3> _durations;
    SwitchRow _segmentProperties;
    QPushButton* _segmentPropertiesResetButton = nullptr;
    SwitchRow _autoAlign;
    SwitchRow _hardwareAccel;
    QLabel* _workingDirectoryLabel = nullptr;
    QLabel* _workingDirectoryValueLabel = nullptr;
    QPushButton* _workingDirectoryButton = nullptr;
    SwitchRow _autoCopyAssets;
};
