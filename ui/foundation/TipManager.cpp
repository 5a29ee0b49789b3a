#include "TipManager.h"

#include "MediaExplorerHelpTipWidget.h"
#include "PopupMainWidget.h"
#include "SegmentOperationDoubleTapTipWidget.h"
#include "SegmentOperationPressAndDragTipWidget.h"

#include <QSettings>
#include <QTimer>

#include <functional>

namespace {

const char* const kGroup = "Tip";
// Read and written in this order; only some have a tip of their own.
const char* const kKeys[] = {"SegmentOperationDoubleTapTip", "SegmentOperationPressAndDragTip",
                             "ToolButtonHelpTip", "MediaExplorerActivationTip", "MediaExplorerHelpTip"};

struct TipKind {
    std::function<CommonPopupHelpTipWidget*(QWidget*)> create;
    QString picture;
    int arrowSide;
};

const QMap<QString, TipKind>& tipKinds()
{
    static const QMap<QString, TipKind> kinds{
        {"MediaExplorerHelpTip",
         {[](QWidget* parent) { return new MediaExplorerHelpTipWidget(parent); },
          ":/images/help-tip/media_explorer_help", PopupArrowTop}},
        {"SegmentOperationDoubleTapTip",
         {[](QWidget* parent) { return new SegmentOperationDoubleTapTipWidget(parent); },
          ":/images/help-tip/segment_opr_double_tap_help", PopupArrowBottom}},
        {"SegmentOperationPressAndDragTip",
         {[](QWidget* parent) { return new SegmentOperationPressAndDragTipWidget(parent); },
          ":/images/help-tip/segment_opr_press_n_drag_help", PopupArrowBottom}},
    };
    return kinds;
}

TipManager*& singleton()
{
    static TipManager* manager = nullptr;
    return manager;
}

} // namespace

TipManager* TipManager::instance()
{
    if (!singleton())
        singleton() = new TipManager;
    return singleton();
}

bool TipManager::hasInstance()
{
    return singleton() != nullptr;
}

TipManager::TipManager(QObject* parent) : QObject(parent)
{
    _load();
}

void TipManager::_load()
{
    QSettings store;
    store.beginGroup(kGroup);
    for (const char* key : kKeys)
        _shown[key] = store.value(key, false).toBool();
    store.endGroup();
}

void TipManager::_save()
{
    QSettings store;
    store.beginGroup(kGroup);
    // A finished tip is never un-finished: only true is ever written.
    for (const char* key : kKeys) {
        if (_shown.value(key))
            store.setValue(key, true);
    }
    store.endGroup();
}

bool TipManager::showTipDelayed(const QString& name, QWidget* anchor, QWidget* parent, int delayMs)
{
    closeCurrentTip();
    if (isFinished(name))
        return false;
    _currentName = name;
    _anchorWidget = anchor;
    _parent = parent;
    if (delayMs < 1)
        _showCurrentTip();
    else
        QTimer::singleShot(delayMs, this, &TipManager::_showCurrentTip);
    return true;
}

void TipManager::_showCurrentTip()
{
    // Two requests within the delay expire twice: the tip already on screen
    // is the one of the current name (any other name would have closed it).
    if (_currentTip)
        return;
    const auto kind = tipKinds().constFind(_currentName);
    if (kind == tipKinds().constEnd() || !_parent)
        return;
    CommonPopupHelpTipWidget* tip = kind->create(_parent);
    tip->showNextToWidget(_parent, kind->picture, kind->arrowSide, _anchorWidget);
    tip->setNotDismissable(true);
    connect(tip, &CommonPopupHelpTipWidget::clickedOnHelpTip, this, &TipManager::finishCurrentTip);
    _currentTip = tip;
}

void TipManager::closeCurrentTip()
{
    if (_currentTip)
        _currentTip->dismiss();
    _currentTip.clear();
    _currentName.clear();
}

void TipManager::closeTipAndMarkShown(const QString& name)
{
    closeCurrentTip();
    if (name.isEmpty() || isFinished(name))
        return;
    _shown[name] = true;
    _save();
}

void TipManager::finishCurrentTip()
{
    const QString name = _currentName;
    closeTipAndMarkShown(name);
}

void TipManager::relayoutCurrentTip()
{
    if (_currentTip)
        _currentTip->showAt(QPoint(0, 0));
}
