#pragma once

#include <QPointer>
#include <QSize>
#include <QWidget>

class DrawingColorWidget;
class DrawingToolsWidget;
class DrawingTuningWidget;

// The drawing editor's panels in the inspector while a drawing is made: the
// colour swatch, the pen settings and the tool strip, whose rows wrap at
// the inspector's width. Its height follows from the strip's.
class SelfDrawEditingWidget : public QWidget
{
    Q_OBJECT

public:
    SelfDrawEditingWidget(const QSize& canvasSize, QWidget* parent = nullptr);
    ~SelfDrawEditingWidget() override;

    DrawingColorWidget* colorWidget() const { return _colorWidget; }
    DrawingTuningWidget* tuningWidget() const { return _tuningWidget; }
    DrawingToolsWidget* toolsWidget() const { return _toolsWidget; }
    // Closes the colour and pen settings popups.
    void dismissPopups();

signals:
    void widgetSizeChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The panels' popups are anchored in the window: a resize of the window
    // has them placed again.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DrawingColorWidget* _colorWidget = nullptr;
    DrawingTuningWidget* _tuningWidget = nullptr;
    DrawingToolsWidget* _toolsWidget = nullptr;
    QPointer<QWidget> _filteredWindow;
};
