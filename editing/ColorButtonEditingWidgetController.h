#pragma once

#include "CommonEditingWidgetController.h"

#include <QPointer>

class CommonPopup;

// A section whose embedded popup has a colour button. The popup places its
// colour picker from its own geometry, which it only learns again from a
// resize event of its own; so every resize of the top-level window is passed
// on to the popup as a resize to its unchanged size.
class ColorButtonEditingWidgetController : public CommonEditingWidgetController
{
    Q_OBJECT

public:
    explicit ColorButtonEditingWidgetController(QWidget* parent);
    ~ColorButtonEditingWidgetController() override;

    // Closes the colour picker opened from the popup.
    void dismissPopups() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    // The subclass's last constructor step: watches the popup's window as it
    // stands now.
    void _watchPopupWindow(CommonPopup* popup);
    // Posts the popup a resize to its own current size.
    void _postPopupResize();

private:
    QPointer<CommonPopup> _popup;
    // The window may be destroyed before the section.
    QPointer<QWidget> _popupWindow;
};
