#pragma once

#include "CommonPopup.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointer>

class ColorMatrixPaletteWidget;
class ColorPickerWidget;
class QLabel;
class QPushButton;
class QVBoxLayout;

// The plain-colour chooser: a row of recently used colours, a fixed matrix of
// 80 colours, "More Colors..." (the owner runs the colour dialog) and an
// optional eyedropper that reads a colour from a still picture of the preview.
// The recent colours are shared program-wide through the default settings
// store: loaded when the popup is set up, written back when it is deleted.
class PopupColorMatrixWidget : public CommonPopup
{
    Q_OBJECT

public:
    static constexpr int kMaxRecentColors = 10;

    explicit PopupColorMatrixWidget(QWidget* parent = nullptr);
    ~PopupColorMatrixWidget() override;

    // Floating over parent, centred on point; colorPicker shows the eyedropper button.
    void showInWidgetWithPicker(QWidget* parent, const QPoint& point, bool colorPicker);
    // Embedded, filling parent.
    void showFullscreenInWidgetWithPicker(QWidget* parent, bool colorPicker);

    // Moves the colour to the front of the recent list. The row on screen keeps
    // its order until the next set-up, so cells do not jump under the mouse.
    void addRecentColor(const QColor& color);
    QList<QColor> recentColors() const { return _recentColors; }

    // Re-places the picture and the eyedropper; the embedded owner calls it
    // after resizing the popup.
    void layoutColorPicking();
    bool isColorPicking() const;
    bool isDraggingEyedropper() const { return _dragging; }
    // Hiding the popup switches an active eyedropper off.
    void setPopupVisible(bool visible);

    void setupUi(QWidget* parent, const QString& title) override;
    void layoutAtPoint(const QPoint& point) override;

    // The 80 colours of the matrix, row by row.
    static QList<QColor> matrixColors();

    // Runs the "More Colors..." colour dialog for popup's owner, starting at
    // initial. The dialog runs its own event loop, so popup or owner may go
    // meanwhile: the answer is invalid when cancelled or when owner went, and
    // an accepted colour joins the recent colours of popup while it lives.
    static QColor askMoreColor(PopupColorMatrixWidget* popup, const QColor& initial, const QObject* owner);

signals:
    void colorMatrixPopupColorSelected(PopupColorMatrixWidget* popup, QColor color);
    void colorMatrixPopupMoreColorNeeded(PopupColorMatrixWidget* popup);
    // The receiver fills image with the current preview picture (direct connection).
    void colorMatrixPopupColorPickingImageNeeded(PopupColorMatrixWidget* popup, QImage* image);
    // The receiver writes the preview's rectangle in the coordinates of the
    // picking picture's parent (direct connection).
    void colorMatrixPopupGetPlaybackAreaFrame(PopupColorMatrixWidget* popup, QRect* rect);
    // Embedded only: the receiver may name another parent for the picture.
    void colorMatrixPopupGetColorPickingLabelParent(PopupColorMatrixWidget* popup, QWidget*& parent);
    // Embedded only: the owner hides its card while the eyedropper is dragged.
    void colorMatrixPopupSetParentWidgetHidden(PopupColorMatrixWidget* popup, bool hide);

protected slots:
    void onColorMatrixPaletteWidgetColorClicked(QColor color);

private slots:
    void on_moreColorButton_clicked();
    void on_colorPickerButton_clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void _buildForm();
    void _styleForm();
    void _setPickerMode(bool colorPicker);
    void _loadRecentColors();
    void _saveRecentColors() const;
    void _fixRecentRowHeight(int popupWidth);
    void _createPickingLabel();
    void _createEyedropper();
    void _setOverlayVisible(bool visible);
    void _setCardHidden(bool hide);
    QColor _colorAt(double x, double y) const;

    // The form.
    QVBoxLayout* _mainVerticalLayout = nullptr;
    QLabel* _recentlyUsedColorsLabel = nullptr;
    ColorMatrixPaletteWidget* _recentlyUsedColorsPanel = nullptr;
    ColorMatrixPaletteWidget* _palettePanel = nullptr;
    QWidget* _separator = nullptr;
    QPushButton* _moreColorButton = nullptr;
    QPushButton* _colorPickerButton = nullptr;

    QList<QColor> _recentColors;
    // Choices made since the list was loaded, not yet in the store.
    bool _recentColorsChanged = false;
    // 0 no eyedropper button, 1 eyedropper off, 2 eyedropper on.
    int _pickerMode = 0;
    // Children of their widget parent, which may be the owner's: guarded.
    QPointer<QLabel> _pickingImageLabel;
    QImage _pickingImage;
    QPointer<ColorPickerWidget> _eyedropper;
    double _locationX = 0.5;
    double _locationY = 0.5;
    bool _dragging = false;
    QPoint _pressPoint;
    QPoint _eyedropperStart;
};
