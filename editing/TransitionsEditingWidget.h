#pragma once

#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;
class QTreeWidgetItem;
class SegmentedControl;

namespace Ui {
class TransitionsEditingWidget;
}

// A segment's transitions as a table (id, start, duration), the buttons that
// add, remove and duplicate one, the selected one's easing, and a switch
// between its start and end states. It only shows and reports: every change
// is made by whoever listens.
class TransitionsEditingWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TransitionsEditingWidget(QWidget* parent = nullptr);
    ~TransitionsEditingWidget() override;

    void addTransitionItem(int id, float start, float duration);
    void clearItems();
    // Selection changes made here are not reported back.
    void selectRow(int row);
    void clearSelection();
    void setRemoveEnabled(bool enabled);
    void setDuplicateEnabled(bool enabled);
    void setSegmentIndex(int index);
    void setEasing(const QPixmap& pixmap, const QString& text);
    // Hidden, the section is compact: the easing row and the switch are
    // only of use with a transition selected.
    void setEasingPanelHidden(bool hidden);
    void setEmptyHintVisible(bool visible);

signals:
    void transitionSelectionIndexChanged(int row);
    void transitionSegmentedWidgetIndexChanged(int index);
    void popupEasingFunctionsWidgetOnButton(QPushButton* button);
    void addTransitionActionOnButton(QPushButton* button);
    void removeTransitionAtIndex(int row);
    void duplicateTransitionAtIndex(int row);

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void onTransitionItemClicked(QTreeWidgetItem* item, int column);
    void onAddTransitionButtonClicked();
    void onRemoveTransitionButtonClicked();
    void onDuplicateTransitionButtonClicked();
    void onEasingTypeButtonClicked();
    void transitionSegmentedControlOnSegmentIndexChanged(SegmentedControl* control, int index);

private:
    void _applyStyles();
    void _layoutEmptyHint();
    // Caption beside the drop-down where both fit the width, else above it.
    void _fitEasingRow();
    int _currentRow() const;

    std::unique_ptr<Ui::TransitionsEditingWidget> _ui;
    // Made on first need.
    QLabel* _emptyHint = nullptr;
    bool _silentSelection = false;
};
