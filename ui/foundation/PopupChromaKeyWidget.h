#pragma once

#include "CommonSliderColorPopup.h"

class QPushButton;
// A segment's chroma key: on/off switch, sensitivity and smoothing (whole
// numbers 0 to 100 on the second and third rows), the key colour, and a menu
// that restores the defaults. It has no first slider row.
class PopupChromaKeyWidget : public CommonSliderColorPopup
{
    Q_OBJECT

public:
    explicit PopupChromaKeyWidget(QWidget* parent = nullptr);

    // Embedded in parent.
    void setValues(QWidget* parent, bool enabled, int sensitivity, int smoothing, const QColor& color);
    // Floating above point.
    void setupValues(QWidget* parent, const QPoint& point, bool enabled, int sensitivity, int smoothing,
                     const QColor& color);

    void setupUi(QWidget* parent, const QString& title) override;
    void updateControls(bool enabled) override;
    bool isValueEnabled() override;
    int popupHeight() override;

signals:
    void valuesChanged(PopupChromaKeyWidget* chromaKeyWidget, int sensitivity, int smoothing, QColor color);

public slots:
    void onOptionsButtonPressed();

private:
    void _apply(bool enabled, int sensitivity, int smoothing, const QColor& color);
    void _restoreDefaultValues();

    QLabel* _keyColorLabel;
    QPushButton* _optionsButton;
};
