#pragma once

#include <QListWidget>

class LeftsideListWidgetItemDelegate;

// The narrow navigation list of the start window: one row per page, each an
// icon with a short caption painted by LeftsideListWidgetItemDelegate.
class LeftsideListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit LeftsideListWidget(QWidget* parent = nullptr);
    ~LeftsideListWidget() override;

    void setItemIconSize(int size);
    // 0 paints square tiles (icon over caption), any other value rows (icon beside caption).
    void setDelegateStyle(int style);
    int delegateStyle() const { return _delegateStyle; }

private:
    LeftsideListWidgetItemDelegate* _delegate = nullptr;
    int _delegateStyle = 0;
};
