#pragma once

#include <QMap>
#include <QObject>
#include <QPointer>

class CommonPopup;
class QWidget;

// Shows one help tip at a time, after a short delay, and remembers for ever
// (settings group "Tip") which tips the user has finished: by their "Got it"
// button, a click on the balloon, or doing what the tip teaches.
class TipManager : public QObject
{
    Q_OBJECT

public:
    // The process's manager, made on first use.
    static TipManager* instance();
    static bool hasInstance();

    // A manager on the finished tips stored so far.
    explicit TipManager(QObject* parent = nullptr);

    // Takes the tip on screen away, then, unless name is finished, shows that
    // tip on parent pointing at anchor after delayMs (at once below 1).
    // False when the tip is finished.
    bool showTipDelayed(const QString& name, QWidget* anchor, QWidget* parent, int delayMs);
    void closeCurrentTip();
    void closeTipAndMarkShown(const QString& name);
    void finishCurrentTip();
    bool isShowingTip() const { return !_currentTip.isNull(); }
    void relayoutCurrentTip();

    bool isFinished(const QString& name) const { return _shown.value(name, false); }
    CommonPopup* currentTip() const { return _currentTip; }

private:
    void _load();
    void _save();
    void _showCurrentTip();

    QPointer<CommonPopup> _currentTip;
    QString _currentName;
    QPointer<QWidget> _anchorWidget;
    QPointer<QWidget> _parent;
    QMap<QString, bool> _shown;
};
