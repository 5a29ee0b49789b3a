// The gallery page of the editing popups: the colour-correction popup
// embedded as the segment inspector shows it, the two gradient editors, and
// a stage whose buttons open the floating popups (fill mode, easing, media
// type, transitions list, colours). Every signal goes to the page's log.
#include "GalleryPages.h"
#include "SlidersPage.h"

#include "EditableGradientWidget.h"
#include "PopupColorsScrollWidget.h"
#include "PopupDrawingModeWidget.h"
#include "PopupEasingFunctionsWidget.h"
#include "PopupMediaTypeSelectionWidget.h"
#include "PopupTransitionsListWidget.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QSize kStageSize(760, 560);
const QSize kCanvasSize(1280, 720);

QString colorText(const QColor& color)
{
    return color.name(QColor::HexArgb);
}

QString pointText(const QPointF& point)
{
    return QString("(%1, %2)").arg(point.x(), 0, 'f', 2).arg(point.y(), 0, 'f', 2);
}

void logColorSignals(SlidersPage* page, PopupColorsScrollWidget* popup)
{
    using P = PopupColorsScrollWidget;
    const struct {
        void (P::*signal)(P*, int);
        const char* name;
    } values[] = {{&P::saturationChanged, "saturationChanged"}, {&P::brightnessChanged, "brightnessChanged"},
                  {&P::contrastChanged, "contrastChanged"},     {&P::whiteBalanceChanged, "whiteBalanceChanged"},
                  {&P::exposureChanged, "exposureChanged"},     {&P::hueChanged, "hueChanged"},
                  {&P::redChanged, "redChanged"},               {&P::greenChanged, "greenChanged"},
                  {&P::blueChanged, "blueChanged"}};
    for (const auto& value : values) {
        const QString name = value.name;
        QObject::connect(popup, value.signal, page, [page, name](P*, int v) { page->log(name + QString(" %1").arg(v)); });
    }
    QObject::connect(popup, &P::schemeChanged, page, [page](P* popup) {
        QStringList values;
        for (int v : popup->values())
            values << QString::number(v);
        page->log("schemeChanged " + values.join(' '));
    });
    QObject::connect(popup, &P::needtoDisplayMessage, page,
                     [page](P*, const QString& message) { page->log("needtoDisplayMessage " + message); });
    QObject::connect(popup, &P::applyToAllSegmentsRequested, page,
                     [page](P*) { page->log("applyToAllSegmentsRequested"); });
}

QWidget* colorsCard(SlidersPage* page)
{
    auto* card = new QWidget;
    card->setFixedSize(383, 470);
    card->setAutoFillBackground(true);
    card->setPalette(QPalette(QColor(7, 8, 10)));
    auto* popup = new PopupColorsScrollWidget(card);
    logColorSignals(page, popup);
    popup->showFullscreenWithValues(card, 0, 20, 0, -40, 0, 0, 0, 0, 0);
    return card;
}

QWidget* gradientEditors(SlidersPage* page)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    const struct {
        bool radial;
        QColor start;
        QColor end;
        QPointF from;
        QPointF to;
    } editors[] = {{false, QColor(255, 80, 40), QColor(40, 120, 255), {0.1, 0.5}, {0.9, 0.5}},
                   {true, QColor(255, 230, 60), QColor(200, 30, 120, 0), {0.5, 0.5}, {0.9, 0.9}}};
    for (const auto& e : editors) {
        auto* editor = new EditableGradientWidget(e.start, e.end, e.from, e.to, e.radial);
        editor->setFixedSize(300, 200);
        QObject::connect(editor, &EditableGradientWidget::editableGradientWidgetValueDidChange, page,
                         [page](EditableGradientWidget* w, QColor a, QColor b, QPointF p, QPointF q) {
                             page->log(QString("%1 gradient %2 %3 %4 %5")
                                           .arg(w->constructionFlag() ? "radial" : "linear", colorText(a),
                                                colorText(b), pointText(p), pointText(q)));
                         });
        QObject::connect(editor, &EditableGradientWidget::editableGradientWidgetGetPopupParent, page,
                         [](EditableGradientWidget* w, QWidget*& parent) { parent = w->window(); },
                         Qt::DirectConnection);
        layout->addWidget(editor);
    }
    layout->addStretch(1);
    return row;
}

TransitionMenuItems sampleTransitions()
{
    return {{"Custom Transition", 10201, true, false}, {"Fade In && Fade Out", 10202, true, true},
            {"Fade In", 10203, false, false},          {"Fade Out", 10204, false, false},
            {"Left In && Right Out", 10205, true, true}, {"Right In && Left Out", 10206, true, false},
            {"Left In", 10207, false, false},          {"Left Out", 10208, false, false}};
}

// A stage standing for the editor window, with a column of buttons that
// open the floating popups over it. The easing chooser opens at first.
class PopupStage : public QWidget
{
public:
    explicit PopupStage(SlidersPage* page) : _page(page)
    {
        setFixedSize(kStageSize);
        setAutoFillBackground(true);
        setPalette(QPalette(QColor(44, 46, 50)));
        auto* column = new QVBoxLayout(this);
        _addButton(column, "Fill mode", [this](QPushButton* b) { _openFillMode(b); });
        _addButton(column, "Easing", [this](QPushButton* b) { _openEasing(b); });
        _addButton(column, "Add media", [this](QPushButton* b) { _openMediaType(b); });
        _addButton(column, "Transitions", [this](QPushButton* b) { _openTransitions(b); });
        _addButton(column, "Colors", [this](QPushButton* b) { _openColors(b); });
        column->addStretch(1);
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QWidget::showEvent(event);
        if (!_shownOnce)
            _openEasing(nullptr);
        _shownOnce = true;
    }

private:
    template <typename Open>
    void _addButton(QVBoxLayout* column, const QString& text, Open open)
    {
        auto* button = new QPushButton(text, this);
        button->setFixedWidth(120);
        connect(button, &QPushButton::clicked, this, [button, open] { open(button); });
        column->addWidget(button);
    }
    QPoint _anchor() const { return QPoint(width() / 2 + 60, height() - 20); }
    void _track(CommonPopup* popup)
    {
        if (_popup)
            _popup->dismiss();
        _popup = popup;
        connect(popup, &CommonPopup::dismissed, _page, [this] { _page->log("dismissed"); });
    }
    void _openFillMode(QPushButton*)
    {
        auto* popup = new PopupDrawingModeWidget(this);
        _track(popup);
        using P = PopupDrawingModeWidget;
        connect(popup, &P::drawingModePopupModeChanged, _page,
                [this](P*, int mode) { _page->log(QString("drawingModePopupModeChanged %1").arg(mode)); });
        connect(popup, &P::drawingModePopupColorSelected, _page,
                [this](P*, QColor c) { _page->log("drawingModePopupColorSelected " + colorText(c)); });
        connect(popup, &P::drawingModePopupDidPatternChange, _page,
                [this](P*, QString path) { _page->log("drawingModePopupDidPatternChange " + path); });
        connect(popup, &P::drawingModePopupGetCanvasSize, _page, [](P*, QSize* size) { *size = kCanvasSize; },
                Qt::DirectConnection);
        connect(popup, &P::drawingModePopupGradientValueDidChange, _page,
                [this](P*, bool radial, QColor a, QColor b, QPointF p, QPointF q) {
                    _page->log(QString("drawingModePopupGradientValueDidChange %1 %2 %3 %4 %5")
                                   .arg(radial ? "radial" : "linear", colorText(a), colorText(b), pointText(p),
                                        pointText(q)));
                });
        popup->showWithState(this, _anchor(), 2, Qt::red, Qt::red, Qt::blue, {0.2, 0.5}, {0.8, 0.5}, Qt::yellow,
                             Qt::darkGreen, {0.5, 0.5}, {0.9, 0.9});
    }
    void _openEasing(QPushButton*)
    {
        auto* popup = new PopupEasingFunctionsWidget(this);
        _track(popup);
        using P = PopupEasingFunctionsWidget;
        connect(popup, &P::easingFunctionSelected, _page,
                [this](P*, int code) { _page->log(QString("easingFunctionSelected %1").arg(code)); });
        connect(popup, &P::applyToAllTransitionsRequested, _page,
                [this](P*, int code) { _page->log(QString("applyToAllTransitionsRequested %1").arg(code)); });
        popup->showWithEasing(this, _anchor(), 7, false);
    }
    void _openMediaType(QPushButton* anchor)
    {
        auto* popup = new PopupMediaTypeSelectionWidget(this);
        _track(popup);
        using P = PopupMediaTypeSelectionWidget;
        const struct {
            void (P::*signal)(P*);
            const char* name;
        } clicks[] = {{&P::popupMediaTypeSelectionWidgetDidClickSelectFile, "choose file"},
                      {&P::popupMediaTypeSelectionWidgetDidClickCamera, "camera"},
                      {&P::popupMediaTypeSelectionWidgetDidClickMicrophone, "microphone"},
                      {&P::popupMediaTypeSelectionWidgetDidClickText, "text"},
                      {&P::popupMediaTypeSelectionWidgetDidClickSelfDraw, "self-draw"}};
        for (const auto& click : clicks) {
            const QString name = click.name;
            connect(popup, click.signal, _page, [this, name] { _page->log("media type: " + name); });
        }
        popup->setMediaKind(0);
        popup->showAtAnchor(this, "Add Media", anchor);
    }
    void _openTransitions(QPushButton*)
    {
        auto* popup = new PopupTransitionsListWidget(this);
        _track(popup);
        connect(popup, &PopupTransitionsListWidget::transitionItemSelected, _page,
                [this](PopupTransitionsListWidget*, int id) { _page->log(QString("transitionItemSelected %1").arg(id)); });
        popup->showWithItems(this, _anchor(), sampleTransitions(), false);
    }
    void _openColors(QPushButton*)
    {
        auto* popup = new PopupColorsScrollWidget(this);
        _track(popup);
        logColorSignals(_page, popup);
        popup->showWithValues(this, _anchor(), 0, 0, 0, 0, 0, 0, 50, 50, -100);
    }

    SlidersPage* _page;
    QPointer<CommonPopup> _popup;
    bool _shownOnce = false;
};

} // namespace

QWidget* createEditorsPage()
{
    auto* page = new SlidersPage;
    page->addSection("Floating popups (the buttons open them over the stage)", new PopupStage(page));
    page->addSection("Colour correction, embedded (click a row to expand it; the menu holds the schemes)",
                     colorsCard(page));
    page->addSection("Gradient editors, linear and radial (drag a handle; click one for its colour)",
                     gradientEditors(page));
    return page;
}
