#pragma once

#include <QSettings>
#include <QStringList>

// Marks the help tips seen in the settings store, as the editor does once a
// user has clicked each away: windows opened afterwards show none. For tests
// that a tip in front of the window would disturb.
inline void markHelpTipsSeen()
{
    QSettings store;
    store.beginGroup(QStringLiteral("Tip"));
    for (const QString& name : {QStringLiteral("MediaExplorerHelpTip"), QStringLiteral("SegmentOperationDoubleTapTip"),
                                QStringLiteral("SegmentOperationPressAndDragTip")})
        store.setValue(name, true);
    store.endGroup();
    store.sync();
}
