#pragma once

#include "CommonPopup.h"

#include <QColor>
#include <QPointF>

class EditableGradientWidget;
class PopupColorMatrixWidget;
class TextureGridWidget;
class TooltipButton;

// How the drawing editor's pen fills: 1 a plain colour, 2 a texture
// pattern, 3 a linear gradient, 4 a radial gradient (0, the eraser, shows
// no chooser). Four mode buttons above the chooser of the current mode; the
// choosers are made on first use and kept while the popup lives. The popup
// starts from the state its caller hands in and reports every choice by a
// signal; it never changes the drawing itself.
class PopupDrawingModeWidget : public CommonPopup
{
    Q_OBJECT

public:
    explicit PopupDrawingModeWidget(QWidget* parent = nullptr);

    void showWithState(QWidget* parent, const QPoint& anchor, int mode, const QColor& fillColor,
                       const QColor& linearStartColor, const QColor& linearEndColor,
                       const QPointF& linearStartLocation, const QPointF& linearEndLocation,
                       const QColor& radialStartColor, const QColor& radialEndColor,
                       const QPointF& radialStartLocation, const QPointF& radialEndLocation);

    int mode() const { return _mode; }
    PopupColorMatrixWidget* colorMatrixPopup() const { return _colorMatrixPopup; }
    TextureGridWidget* textureGrid() const { return _textureGrid; }
    EditableGradientWidget* linearGradientEditor() const { return _linearEditor; }
    EditableGradientWidget* radialGradientEditor() const { return _radialEditor; }

    void setupUi(QWidget* parent, const QString& title) override;
    void layoutAtPoint(const QPoint& point) override;

signals:
    void drawingModePopupModeChanged(PopupDrawingModeWidget* modeWidget, int mode);
    void drawingModePopupColorSelected(PopupDrawingModeWidget* modeWidget, QColor color);
    void drawingModePopupNeedColorPickingImage(PopupDrawingModeWidget* modeWidget, QImage* image);
    void drawingModePopupGetPlaybackAreaFrame(PopupDrawingModeWidget* modeWidget, QRect* rect, QWidget* inWidget);
    void drawingModePopupDidPatternChange(PopupDrawingModeWidget* modeWidget, QString imgPath);
    void drawingModePopupGetCanvasSize(PopupDrawingModeWidget* modeWidget, QSize* size);
    void drawingModePopupGradientValueDidChange(PopupDrawingModeWidget* modeWidget, bool radialOrLinearGradient,
                                                QColor startColor, QColor endColor, QPointF startLocation,
                                                QPointF endLocation);

protected slots:
    void onButtonClicked();
    void onPopupColorMatrixWidgetColorSelected(PopupColorMatrixWidget* popup, QColor color);
    void onPopupColorMatrixWidgetMoreColorNeeded(PopupColorMatrixWidget* popup);
    void onPopupColorMatrixWidgetColorPickingImageNeeded(PopupColorMatrixWidget* popup, QImage* image);
    void onPopupColorMatrixWidgetGetPlaybackAreaFrame(PopupColorMatrixWidget* popup, QRect* rect);
    void onPopupColorMatrixWidgetGetColorPickingLabelParent(PopupColorMatrixWidget* popup, QWidget*& parent);
    void onPopupColorMatrixWidgetSetParentWidgetHidden(PopupColorMatrixWidget* popup, bool hide);
    void onTextureGridWidgetPatternDidSelect(TextureGridWidget* textureWidget, QString imgRes);
    void onTextureGridWidgetGetCanvasSize(TextureGridWidget* textureWidget, QSize* size);
    void onEditableGradientWidgetValueDidChange(EditableGradientWidget* gradientWidget, QColor startColor,
                                                QColor endColor, QPointF startLocation, QPointF endLocation);
    void onEditableGradientWidgetGetPopupParent(EditableGradientWidget* gradientWidget, QWidget*& parent);
    void onEditableGradientWidgetGetPlaybackAreaFrameInWidget(EditableGradientWidget* gradientWidget, QRect* rect,
                                                              QWidget* inWidget);
    void onEditableGradientWidgetColorPickingImageNeeded(EditableGradientWidget* gradientWidget, QImage* image);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void _buildForm();
    void _showContent();
    void _refreshButtons();
    void _createColorMatrixPopup();
    void _createTextureGrid();
    EditableGradientWidget* _createGradientEditor(bool radial);
    void _layoutChoosers();
    bool _isColorPicking() const;

    QWidget* _contentWidget = nullptr;
    QList<TooltipButton*> _modeButtons;
    int _mode = 0;
    QColor _fillColor;
    QColor _linearStartColor;
    QColor _linearEndColor;
    QPointF _linearStartLocation;
    QPointF _linearEndLocation;
    QColor _radialStartColor;
    QColor _radialEndColor;
    QPointF _radialStartLocation;
    QPointF _radialEndLocation;
    PopupColorMatrixWidget* _colorMatrixPopup = nullptr;
    TextureGridWidget* _textureGrid = nullptr;
    EditableGradientWidget* _linearEditor = nullptr;
    EditableGradientWidget* _radialEditor = nullptr;
    bool _styled = false;
};
