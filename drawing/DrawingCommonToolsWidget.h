#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QWidget>

class QScrollArea;
class TooltipButton;

// Base of the drawing editor's button strips. Owns the vocabulary of the
// drawing commands (10301 to 10337): their icons, in a normal and a selected
// ("_") form, and their tooltips. Buttons sit in square tool-bar cells laid
// out in rows that wrap at the strip's width, inside a scroll area that
// scrolls by dragging. A click reaches commandButtonClicked 200 ms later.
class DrawingCommonToolsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DrawingCommonToolsWidget(QWidget* parent = nullptr);

    static QString iconPath(int cmdId);
    static QString selectedIconPath(int cmdId);
    static QString commandToolTip(int cmdId);

    TooltipButton* addButton(const QString& iconPath, const QString& selectedIconPath, int cmdId);
    TooltipButton* addCommandButton(int cmdId);
    TooltipButton* buttonForCommand(int cmdId) const;
    const QList<TooltipButton*>& buttons() const { return _buttons; }
    void clearHighlights();
    // The strip's size when its rows wrap at width.
    QSize sizeForWidth(int width) const;

public slots:
    void onButtonClicked();

protected:
    virtual void commandButtonClicked(int cmdId, TooltipButton* button) = 0;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The top-left of each button's cell, rows wrapping at width.
    QList<QPoint> _cellPositions(int width) const;

    QScrollArea* _scrollArea = nullptr;
    QWidget* _contentWidget = nullptr;
    QList<TooltipButton*> _buttons;
};
