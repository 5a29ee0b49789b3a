#pragma once

#include <QObject>

class QWidget;

// One section of the segment inspector: owns an editing widget and the thin
// line under it, knows where it stands among the sections and whether it
// applies to the segment being edited. The inspector talks to sections only
// through this interface plus, per class, the same-named operations below.
//
// Every concrete section offers, under these names:
//   - a constructor (QWidget* parent), or (bool transition, QWidget* parent)
//     for the sections that also edit a transition's state; the parent is the
//     inspector's content widget and also parents the section's widgets;
//   - static bool appliesTo(const Segment* segment);
//   - void updateValues(const Segment* segment), or
//     void updateValues(const Segment* segment, const QSize& canvasSize) where
//     the values scale with the movie's width; fills the widget silently;
//   - void setEditable(QWidget* overlay, bool segmentUnderPointer), where
//     overlay is the transform overlay on the preview or null;
//   - for the transition flavour, void setTransitionState(const Segment*, int
//     transitionId, int state).
class CommonEditingWidgetController : public QObject
{
    Q_OBJECT

public:
    explicit CommonEditingWidgetController(QWidget* parent);

    virtual QWidget* widget() const = 0;
    // Shows or hides the separator and the editing widget.
    virtual void setVisible(bool visible);
    virtual bool isVisible() const;
    virtual void dismissPopups();
    // Sections are stacked by increasing order.
    virtual int displayOrder() const;

    // The widget's height plus the separator's single pixel.
    int sectionHeight() const;
    void setApplicable(bool applicable) { _applicable = applicable; }
    bool isApplicable() const { return _applicable; }
    QWidget* separator() const { return _separator; }

signals:
    void editingWidgetControllerSizeChanged(CommonEditingWidgetController* editingController);

private:
    QWidget* _separator = nullptr;
    bool _applicable = true;
};
