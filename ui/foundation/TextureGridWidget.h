#pragma once

#include <QPixmap>
#include <QStringList>
#include <QWidget>

class QPushButton;
class QScrollArea;

// The grid of fill patterns: one button per picture and "Custom Picture...",
// which turns a picture of the user's into the pattern file
// "texturePattern.png" in the cache folder, fitted into the canvas. A choice
// is reported 200 ms after the click, so the pressed look shows first.
class TextureGridWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TextureGridWidget(const QStringList& images, QWidget* parent = nullptr);

    // Fits the picture into the canvas (never enlarging it), saves it as the
    // custom pattern and reports its path; a failed save reports nothing.
    void saveCustomPattern(const QPixmap& picture);
    static QString customPatternPath();
    QList<QPushButton*> gridButtons() const { return _gridButtons; }

signals:
    void textureGridWidgetPatternDidSelect(TextureGridWidget* textureWidget, QString imgRes);
    // The receiver fills in the drawing canvas's size (direct connection).
    void textureGridWidgetGetCanvasSize(TextureGridWidget* textureWidget, QSize* size);

protected slots:
    void onGridButtonClicked();
    void onCustomButtonClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void _addGridButton(const QString& image, int tag);
    void _layoutGrid();

    QScrollArea* _scrollArea = nullptr;
    QWidget* _scrollAreaWidgetContents = nullptr;
    QList<QPushButton*> _gridButtons;
};
