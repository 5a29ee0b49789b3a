#pragma once

#include <QAbstractScrollArea>
#include <QList>
#include <QPoint>
#include <QPushButton>

#include <algorithm>

// The zoom buttons in the row beside a timeline's scroll bar, which reads
// from left to right zoom out, the slider, zoom in. Both stay null where the
// row does not hold three.
struct ZoomButtons {
    explicit ZoomButtons(QAbstractScrollArea* timeline)
    {
        QList<QWidget*> row = timeline->scrollBarWidgets(Qt::AlignRight);
        if (row.size() != 3)
            return;
        const auto left = [timeline](QWidget* widget) { return widget->mapTo(timeline, QPoint(0, 0)).x(); };
        std::sort(row.begin(), row.end(), [&](QWidget* a, QWidget* b) { return left(a) < left(b); });
        out = qobject_cast<QPushButton*>(row.at(0));
        in = qobject_cast<QPushButton*>(row.at(2));
    }

    QPushButton* out = nullptr;
    QPushButton* in = nullptr;
};
