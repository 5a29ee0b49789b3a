// The colour matrix on the sliders page: embedded in a card beside a preview
// picture with its eyedropper on, and floating over a stage where a click
// opens it. Every signal goes to the page's log.
#include "SlidersPage.h"

#include "PopupColorMatrixWidget.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

namespace {

const QSize kStageSize(700, 420);
const QRect kPreviewRect(10, 10, 336, 189);
const QRect kSwatchRect(10, 215, 60, 30);

// A stage with the preview picture and a swatch of the last colour chosen.
class PreviewStage : public QWidget
{
public:
    PreviewStage(SlidersPage* page, const QString& name) : page(page), name(name)
    {
        setFixedSize(kStageSize);
    }

    // Wires a popup's signals to the log and answers its questions, as an
    // owner of the colour matrix does.
    void own(PopupColorMatrixWidget* popup)
    {
        using P = PopupColorMatrixWidget;
        connect(popup, &P::colorMatrixPopupColorSelected, this, [this](P* popup, QColor color) {
            log(QString("colorMatrixPopupColorSelected %1").arg(color.name()));
            choose(popup, color);
        });
        connect(popup, &P::colorMatrixPopupMoreColorNeeded, this, [this](P* popup) {
            log("colorMatrixPopupMoreColorNeeded");
            const QColor color = QColorDialog::getColor(chosen, this, QString());
            if (!color.isValid())
                return;
            popup->addRecentColor(color);
            choose(popup, color);
        });
        connect(popup, &P::colorMatrixPopupColorPickingImageNeeded, this, [this](P*, QImage* image) {
            log("colorMatrixPopupColorPickingImageNeeded");
            *image = samplePreviewPicture();
        }, Qt::DirectConnection);
        connect(popup, &P::colorMatrixPopupGetPlaybackAreaFrame, this, [this](P*, QRect* rect) {
            log("colorMatrixPopupGetPlaybackAreaFrame");
            *rect = kPreviewRect;
        }, Qt::DirectConnection);
        connect(popup, &P::colorMatrixPopupGetColorPickingLabelParent, this, [this](P*, QWidget*& parent) {
            log("colorMatrixPopupGetColorPickingLabelParent");
            parent = this;
        }, Qt::DirectConnection);
        connect(popup, &P::colorMatrixPopupSetParentWidgetHidden, this, [this](P*, bool hide) {
            log(QString("colorMatrixPopupSetParentWidgetHidden %1").arg(hide ? "true" : "false"));
            if (card)
                card->setVisible(!hide);
        });
        connect(popup, &CommonPopup::dismissed, this, [this]() { log("dismissed"); });
    }

    SlidersPage* page;
    QString name;
    QColor chosen = Qt::white;
    QPointer<PopupColorMatrixWidget> popup;
    // The embedded popup's card, hidden while its eyedropper is dragged.
    QWidget* card = nullptr;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(44, 46, 50));
        painter.drawImage(kPreviewRect, samplePreviewPicture());
        painter.fillRect(kSwatchRect, chosen);
        painter.setPen(Qt::white);
        painter.drawText(kSwatchRect.right() + 10, kSwatchRect.center().y() + 5, "last colour chosen");
    }

    // The eyedropper lies outside the embedded card: its drags reach the
    // stage, which hands them to the popup.
    void mousePressEvent(QMouseEvent* event) override { forward(event); }
    void mouseMoveEvent(QMouseEvent* event) override { forward(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { forward(event); }

private:
    void forward(QMouseEvent* event)
    {
        if (popup && popup->isColorPicking())
            QCoreApplication::sendEvent(popup, event);
    }
    void log(const QString& line) { page->log(name + ": " + line); }
    void choose(PopupColorMatrixWidget* popup, const QColor& color)
    {
        chosen = color;
        update();
        // Floating owners close the popup once a colour is chosen.
        if (!popup->isFullscreen())
            popup->dismiss();
    }
};

// A stage where a click opens the floating popup at that point; one opens
// when the stage is first shown.
class FloatingStage : public PreviewStage
{
public:
    using PreviewStage::PreviewStage;

protected:
    void mousePressEvent(QMouseEvent* event) override { open(event->pos()); }
    void showEvent(QShowEvent* event) override
    {
        PreviewStage::showEvent(event);
        if (!shownOnce)
            open(rect().center());
        shownOnce = true;
    }

private:
    void open(const QPoint& point)
    {
        if (popup)
            return;
        popup = new PopupColorMatrixWidget(this);
        own(popup);
        popup->showInWidgetWithPicker(this, point, true);
    }
    bool shownOnce = false;
};

QWidget* embeddedStage(SlidersPage* page)
{
    auto* stage = new PreviewStage(page, "embedded");
    stage->card = new QWidget(stage);
    stage->card->setGeometry(kPreviewRect.right() + 14, 10, 340, 400);
    stage->card->setAutoFillBackground(true);
    stage->card->setPalette(QPalette(QColor(7, 8, 10)));
    stage->popup = new PopupColorMatrixWidget(stage->card);
    stage->own(stage->popup);
    stage->popup->showFullscreenInWidgetWithPicker(stage->card, true);
    // Eyedropper on from the start, so the page shows it over the picture.
    stage->popup->findChild<QPushButton*>("colorPickerButton")->click();
    return stage;
}

} // namespace

void addColorMatrixSections(SlidersPage* page)
{
    page->addSection("Colour matrix, embedded, eyedropper on (drag it over the picture)", embeddedStage(page));
    page->addSection("Colour matrix, floating (click the stage to open it)", new FloatingStage(page, "floating"));
}
