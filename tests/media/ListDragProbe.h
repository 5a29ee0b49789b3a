#pragma once

// Drives a real drag out of a media list with the mouse, for the list tests.

#include <QApplication>
#include <QCursor>
#include <QDrag>
#include <QHash>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

namespace ListDragProbe {

// What a drag started by the mouse showed: its data and picture, read while
// the drag runs, which is then cancelled.
struct SeenDrag {
    QHash<QString, QByteArray> data;
    QImage picture;
    QPoint hotSpot;
};

// Presses on the item and moves the held mouse away until the list starts its
// drag; a timer inside the drag's own event loop reads the drag and cancels it.
inline SeenDrag dragItem(QListWidget* list, QListWidgetItem* item)
{
    SeenDrag seen;
    QTimer inspector;
    inspector.setInterval(20);
    QObject::connect(&inspector, &QTimer::timeout, [&] {
        QDrag* drag = list->findChild<QDrag*>();
        if (!drag)
            return;
        for (const QString& format : drag->mimeData()->formats())
            seen.data.insert(format, drag->mimeData()->data(format));
        seen.picture = drag->pixmap().toImage();
        seen.hotSpot = drag->hotSpot();
        inspector.stop();
        QDrag::cancel();
    });
    list->scrollToItem(item);
    QWidget* viewport = list->viewport();
    const QPoint start = list->visualItemRect(item).center();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, start);
    inspector.start();
    // The first held move arms the drag, a farther one starts it (and returns when it ends).
    for (const int step : {2, 40}) {
        const QPoint at = start + QPoint(step, step);
        QCursor::setPos(viewport->mapToGlobal(at));
        QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }
    inspector.stop();
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, start);
    return seen;
}

} // namespace ListDragProbe
