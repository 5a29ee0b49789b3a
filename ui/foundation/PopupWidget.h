#pragma once

#include <QPointer>
#include <QWidget>

// A frameless overlay that covers its parent and follows the parent's size.
// While shown floating it takes the keyboard away from the widget that had
// focus (and from the parent), so that typing does not reach what lies
// behind it: Escape asks the popup to dismiss, Return or Enter to accept.
class PopupWidget : public QWidget
{
    Q_OBJECT

public:
    explicit PopupWidget(QWidget* parent = nullptr);

    // A transparent popup lets the mouse through and leaves the keys alone.
    void setTransparentForMouse(bool transparent);
    bool isTransparentForMouse() const { return _transparent; }
    bool isEmbedded() const { return _embedded; }

    // Called on Escape; true when the popup went away.
    virtual bool tryDismiss();
    // Called on Return or Enter; true when the popup acted on it.
    virtual bool acceptByReturnKey();

protected:
    void setEmbedded(bool embedded) { _embedded = embedded; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool _filterKey(QEvent* event);
    void _coverParent();

    QPointer<QWidget> _focusWidget;
    bool _transparent = false;
    bool _embedded = false;
};
