#pragma once

#include <QWidget>

#include <memory>

class SegmentedControl;

namespace Ui {
class TextAlignmentEditingWidget;
}

// Left, centre or right alignment of a text's lines, as a three-way switch.
class TextAlignmentEditingWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TextAlignmentEditingWidget(QWidget* parent = nullptr);
    ~TextAlignmentEditingWidget() override;

    // Selects without emitting.
    void setAlignmentIndex(int index);
    void setControlEnabled(bool enabled);

signals:
    void alignmentIndexChanged(int index);

private slots:
    void onSegmentIndexChanged(SegmentedControl* segmentControl, int index);

private:
    std::unique_ptr<Ui::TextAlignmentEditingWidget> _ui;
};
