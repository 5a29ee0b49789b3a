#pragma once

#include "CommonPopup.h"

#include <QPointer>

class PopupMainWidget;
class QPushButton;
class QVBoxLayout;

// Where a new timeline item comes from: a file, the camera, the microphone,
// a text or a drawing. The panel opens beside the button that asked, its
// arrow aimed at the middle of that button's right edge; the choice goes out
// as one of five signals and the popup stays open (its owner closes it).
class PopupMediaTypeSelectionWidget : public CommonPopup
{
    Q_OBJECT

public:
    explicit PopupMediaTypeSelectionWidget(QWidget* parent = nullptr);

    // 0 any media, 1 video, 2 picture, 3 music; before the popup is shown.
    void setMediaKind(int kind);
    int mediaKind() const { return _mediaKind; }
    void showAtAnchor(QWidget* parent, const QString& title, QWidget* anchor);

    void setupUi(QWidget* parent, const QString& title) override;
    // Places the panel by its anchor widget; the point is not used.
    void layoutAtPoint(const QPoint& point) override;

signals:
    void popupMediaTypeSelectionWidgetDidClickSelectFile(PopupMediaTypeSelectionWidget* popup);
    void popupMediaTypeSelectionWidgetDidClickCamera(PopupMediaTypeSelectionWidget* popup);
    void popupMediaTypeSelectionWidgetDidClickMicrophone(PopupMediaTypeSelectionWidget* popup);
    void popupMediaTypeSelectionWidgetDidClickText(PopupMediaTypeSelectionWidget* popup);
    void popupMediaTypeSelectionWidgetDidClickSelfDraw(PopupMediaTypeSelectionWidget* popup);

protected slots:
    void onMediaTypeButtonClicked();

private:
    QPushButton* _addButton(const QString& name, const QString& text);

    PopupMainWidget* _panel = nullptr;
    QVBoxLayout* _mainVerticalLayout = nullptr;
    QPushButton* _chooseFileButton = nullptr;
    QPushButton* _cameraButton = nullptr;
    QPushButton* _microphoneButton = nullptr;
    QPushButton* _textButton = nullptr;
    QPushButton* _selfdrawButton = nullptr;
    // Not owned: the button that asked, which may go away first.
    QPointer<QWidget> _anchor;
    int _mediaKind = 0;
    bool _styled = false;
};
