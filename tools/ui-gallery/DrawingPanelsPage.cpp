// The gallery page of the drawing editor's panels as the segment inspector
// shows them: the colour swatch (its fill-mode popup opens over the stage),
// the tool strip wrapped into rows, and the tuning panel in its compact
// layout with a chooser of its page and a pencil/eraser switch. Every signal
// goes to the page's log.
#include "GalleryPages.h"
#include "SlidersPage.h"

#include "DrawingColorWidget.h"
#include "DrawingToolsWidget.h"
#include "DrawingTuningWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QVBoxLayout>

namespace {

const QSize kStageSize(700, 440);
const QSize kCanvasSize(1280, 720);

QWidget* darkStage(const QSize& size)
{
    auto* stage = new QWidget;
    stage->setFixedSize(size);
    stage->setAutoFillBackground(true);
    stage->setPalette(QPalette(QColor(44, 46, 50)));
    return stage;
}

QWidget* colorSection(SlidersPage* page)
{
    QWidget* stage = darkStage(kStageSize);
    auto* swatch = new DrawingColorWidget(kCanvasSize, stage);
    swatch->setCompactStyle();
    swatch->setPopupParent(stage);
    swatch->setGeometry(320, 390, 60, 40);
    QObject::connect(swatch, &DrawingColorWidget::drawingColorWidgetColorChanged, page,
                     [page](DrawingColorWidget*, QColor color) { page->log("colorChanged " + color.name()); });
    QObject::connect(swatch, &DrawingColorWidget::drawingColorWidgetPatternChanged, page,
                     [page](DrawingColorWidget* widget, QPixmap pattern) {
                         page->log(QString("patternChanged mode %1, %2 x %3")
                                       .arg(widget->mode()).arg(pattern.width()).arg(pattern.height()));
                     });
    return stage;
}

QWidget* toolsSection(SlidersPage* page)
{
    auto* strip = new DrawingToolsWidget(true);
    strip->setFixedSize(strip->sizeForWidth(310));
    QObject::connect(strip, &DrawingToolsWidget::drawingToolsWidgetOnCommand, page,
                     [page](DrawingToolsWidget*, int id, float) { page->log(QString("command %1").arg(id)); });
    return strip;
}

void logTuning(SlidersPage* page, DrawingTuningWidget* tuning)
{
    using T = DrawingTuningWidget;
    const auto logValue = [page](const QString& name) {
        return [page, name](T*, float value) { page->log(name + QString(" %1").arg(value, 0, 'f', 2)); };
    };
    QObject::connect(tuning, &T::drawingTuningWidgetLineWidthChanged, page, logValue("lineWidthChanged"));
    QObject::connect(tuning, &T::drawingTuningWidgetHardnessChanged, page, logValue("hardnessChanged"));
    QObject::connect(tuning, &T::drawingTuningWidgetPictureSizeChanged, page, logValue("pictureSizeChanged"));
    QObject::connect(tuning, &T::drawingTuningWidgetTextSizeChanged, page,
                     [page](T*, int size) { page->log(QString("textSizeChanged %1").arg(size)); });
    QObject::connect(tuning, &T::drawingTuningWidgetTextAlignChanged, page,
                     [page](T*, int align) { page->log(QString("textAlignChanged %1").arg(align)); });
    QObject::connect(tuning, &T::drawingTuningWidgetTextFontChanged, page,
                     [page](T*, QString name, QString style) { page->log("textFontChanged " + name + " " + style); });
}

QWidget* tuningSection(SlidersPage* page)
{
    auto* section = new QWidget;
    auto* layout = new QVBoxLayout(section);
    auto* pageChooser = new QComboBox;
    pageChooser->addItems({"line", "text", "picture"});
    auto* eraser = new QCheckBox("eraser");
    QWidget* stage = darkStage(QSize(kStageSize.width(), 300));
    auto* tuning = new DrawingTuningWidget(stage);
    tuning->setCompactLayout();
    tuning->setPopupParent(stage);
    tuning->setGeometry(20, 180, 310, 110);
    logTuning(page, tuning);
    QObject::connect(pageChooser, QOverload<int>::of(&QComboBox::currentIndexChanged), tuning,
                     &DrawingTuningWidget::setMode);
    QObject::connect(eraser, &QCheckBox::toggled, tuning, &DrawingTuningWidget::setEraserMode);
    layout->addWidget(pageChooser);
    layout->addWidget(eraser);
    layout->addWidget(stage);
    return section;
}

} // namespace

QWidget* createDrawingPanelsPage()
{
    auto* page = new SlidersPage;
    page->addSection("Drawing colour swatch", colorSection(page));
    page->addSection("Drawing tool strip", toolsSection(page));
    page->addSection("Drawing tuning panel", tuningSection(page));
    return page;
}
