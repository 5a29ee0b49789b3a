// The slider, chroma key and shadow popups on the sliders page: buttons
// open each floating over a stage with a preview picture (for the colour
// popup's eyedropper), and a chooser shows one embedded in a card. Every
// signal goes to the page's log.
#include "SlidersPage.h"

#include "PopupChromaKeyWidget.h"
#include "PopupSliderColor1Switch2SlidersWidget.h"
#include "PopupSliderColor2SlidersWidget.h"
#include "PopupSliderColorShadowWidget.h"
#include "PopupSliderColorWidget.h"
#include "PopupSliderWidget.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>
#include <memory>

namespace {

using GalleryLog = std::function<void(const QString&)>;

const QSize kStageSize(700, 420);
const QRect kPreviewRect(10, 50, 336, 189);
const QSize kEmbeddedSize(380, 330);

// Shows a popup of one kind, embedded in host or floating above point.
// wire connects the popup's signals before it is configured, so that the log
// also shows what configuring emits.
using Wire = std::function<void(CommonSliderColorPopup* popup)>;
using PopupMaker = std::function<void(QWidget* host, const QPoint* point, const Wire& wire)>;

// Where the floating popups open, with a picture standing for the preview.
// The last popup (the shadow) opens when the stage is first shown.
class PreviewStage : public QWidget
{
public:
    using Opener = std::function<void(QWidget* stage, const PopupMaker& make)>;

    explicit PreviewStage(Opener opener) : _opener(std::move(opener)) { setFixedSize(kStageSize); }

    void open(const PopupMaker& make) { _opener(this, make); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(44, 46, 50));
        painter.drawImage(kPreviewRect, samplePreviewPicture());
    }
    void showEvent(QShowEvent* event) override;

private:
    Opener _opener;
    bool _shownOnce = false;
};

struct Demo {
    const char* name;
    PopupMaker make;
};

QString sizeText(const QSizeF& size)
{
    return QString("(%1, %2)").arg(size.width()).arg(size.height());
}

template <typename Popup, typename... Args>
void configure(Popup* popup, QWidget* host, const QString& title, const QPoint* point, Args... args)
{
    if (point)
        popup->configure(host, title, *point, args...);
    else
        popup->configure(host, title, args...);
}

const std::vector<Demo>& demos()
{
    static const std::vector<Demo> list{
        {"Opacity %",
         [](QWidget* host, const QPoint* point, const Wire& wire) {
             auto* popup = new PopupSliderWidget(host);
             wire(popup);
             popup->setPercentFormat(true);
             configure(popup, host, "Opacity", point, 0.8f, 0.0f, 1.0f, false, 0.01f);
         }},
        {"Speed",
         [](QWidget* host, const QPoint* point, const Wire& wire) {
             auto* popup = new PopupSliderWidget(host);
             wire(popup);
             configure(popup, host, "Speed", point, 3.0f, 0.0f, 15.0f, true, 1.0f);
         }},
        {"Volume",
         [](QWidget* host, const QPoint* point, const Wire& wire) {
             auto* popup = new PopupSliderWidget(host);
             wire(popup);
             configure(popup, host, "Volume", point, 0.6f, 0.0f, 2.0f, false, 0.1f);
             popup->setDefaultValueMarker(1.0f, 0.1f);
         }},
        {"Border",
         [](QWidget* host, const QPoint* point, const Wire& wire) {
             auto* popup = new PopupSliderColorWidget(host);
             wire(popup);
             configure(popup, host, "Border", point, 4.0f, QColor(Qt::yellow), 0.0f, 20.0f, 1.0f);
         }},
        {"Background",
         [](QWidget* host, const QPoint* point, const Wire& wire) {
             auto* popup = new PopupSliderColor2SlidersWidget(host);
             wire(popup);
             configure(popup, host, "Background", point, 0.5f, QColor(Qt::darkBlue), 0.0f, 1.0f, 0.01f,
                       QString("Corner"), 2.0f, 0.0f, 10.0f, 1.0f, QString("Padding"), 3.0f, 0.0f, 10.0f, 1.0f);
         }},
        {"Stroke",
         [](QWidget* host, const QPoint* point, const Wire& wire) {
             auto* popup = new PopupSliderColor1Switch2SlidersWidget(host);
             wire(popup);
             configure(popup, host, "Stroke", point, 0.3f, QColor(Qt::red), 0.0f, 1.0f, 0.01f, QString("Width"),
                       2.0f, 0.0f, 10.0f, 1.0f, QString("Blur"), 1.0f, 0.0f, 10.0f, 1.0f, QString("Outline"),
                       false);
         }},
        {"Chroma key",
         [](QWidget* host, const QPoint* point, const Wire& wire) {
             auto* popup = new PopupChromaKeyWidget(host);
             wire(popup);
             if (point)
                 popup->setupValues(host, *point, true, 55, 20, QColor(0, 255, 0));
             else
                 popup->setValues(host, true, 55, 20, QColor(0, 255, 0));
         }},
        {"Shadow",
         [](QWidget* host, const QPoint* point, const Wire& wire) {
             auto* popup = new PopupSliderColorShadowWidget(host);
             wire(popup);
             const QSizeF offset(8, 8);
             if (point)
                 popup->showWithValues(host, "Shadow", *point, 0.7f, QColor(Qt::black), offset, 0, 1, 0.01f, "Blur",
                                       1.5f, 0, 5, 0.1f);
             else
                 popup->showFullscreenWithValues(host, "Shadow", 0.7f, QColor(Qt::black), offset, 0, 1, 0.01f,
                                                 "Blur", 1.5f, 0, 5, 0.1f);
         }},
    };
    return list;
}

// Logs what only some popups emit.
void logExtraSignals(CommonSliderColorPopup* popup, const GalleryLog& log)
{
    if (auto* chroma = qobject_cast<PopupChromaKeyWidget*>(popup)) {
        QObject::connect(chroma, &PopupChromaKeyWidget::valuesChanged, chroma,
                         [log](PopupChromaKeyWidget*, int sensitivity, int smoothing, QColor color) {
                             log(QString("valuesChanged %1 %2 %3").arg(sensitivity).arg(smoothing).arg(color.name()));
                         });
    }
    if (auto* shadow = qobject_cast<PopupSliderColorShadowWidget*>(popup)) {
        QObject::connect(shadow, &PopupSliderColorShadowWidget::shadowOffsetChanging, shadow,
                         [log](PopupSliderColorShadowWidget*, QSizeF offset) {
                             log("shadowOffsetChanging " + sizeText(offset));
                         });
        QObject::connect(shadow, &PopupSliderColorShadowWidget::shadowOffsetChanged, shadow,
                         [log](PopupSliderColorShadowWidget*, QSizeF offset) {
                             log("shadowOffsetChanged " + sizeText(offset));
                         });
    }
}

void PreviewStage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!_shownOnce)
        open(demos().back().make);
    _shownOnce = true;
}

// Answers the colour popup's eyedropper as the main window does: the
// preview picture and where it lies (over the stage, or the host's window).
void answerEyedropper(CommonSliderColorPopup* popup, const GalleryLog& log)
{
    using P = CommonSliderColorPopup;
    QObject::connect(popup, &P::sliderColorPopupNeedColorPickingImage, popup,
                     [log](P*, QImage* image) {
                         log("needColorPickingImage");
                         *image = samplePreviewPicture();
                     },
                     Qt::DirectConnection);
    QObject::connect(popup, &P::sliderColorPopupGetPlaybackAreaFrame, popup,
                     [log](P*, QRect* rect, QWidget*) {
                         log("getPlaybackAreaFrame");
                         *rect = kPreviewRect;
                     },
                     Qt::DirectConnection);
}

void logSliderPopupSignals(CommonSliderColorPopup* popup, const GalleryLog& log)
{
    using P = CommonSliderColorPopup;
    const std::pair<void (P::*)(P*, float), const char*> values[] = {
        {&P::sliderColorPopupValueChanging, "valueChanging"},   {&P::sliderColorPopupValueChanged, "valueChanged"},
        {&P::sliderColorPopupValue2Changing, "value2Changing"}, {&P::sliderColorPopupValue2Changed, "value2Changed"},
        {&P::sliderColorPopupValue3Changing, "value3Changing"}, {&P::sliderColorPopupValue3Changed, "value3Changed"},
    };
    for (const auto& [signal, name] : values) {
        const QString text(name);
        QObject::connect(popup, signal, popup, [log, text](P*, float value) { log(QString("%1 %2").arg(text).arg(value)); });
    }
    QObject::connect(popup, &P::sliderColorPopupColorChanged, popup,
                     [log](P*, QColor color) { log("colorChanged " + color.name(QColor::HexArgb)); });
    QObject::connect(popup, &P::sliderColorPopupSwitchValueChanged, popup,
                     [log](P*, bool on) { log(QString("switchValueChanged %1").arg(on ? "on" : "off")); });
    QObject::connect(popup, &P::dismissed, popup, [log](CommonPopup*) { log("dismissed"); });
    logExtraSignals(popup, log);
    answerEyedropper(popup, log);
}

GalleryLog pageLog(SlidersPage* page, const QString& name)
{
    return [page, name](const QString& line) { page->log(name + ": " + line); };
}

// A row of buttons over the stage, each opening one popup floating there.
QWidget* floatingSection(SlidersPage* page)
{
    const GalleryLog log = pageLog(page, "slider popup, floating");
    auto* stage = new PreviewStage([log](QWidget* stage, const PopupMaker& make) {
        const QPoint point(stage->width() / 2, stage->height() - 20);
        make(stage, &point, [log](CommonSliderColorPopup* popup) { logSliderPopupSignals(popup, log); });
    });
    auto* buttons = new QHBoxLayout;
    auto* row = new QWidget(stage);
    row->setLayout(buttons);
    row->setGeometry(0, 0, kStageSize.width(), 44);
    for (const Demo& demo : demos()) {
        auto* open = new QPushButton(demo.name);
        buttons->addWidget(open);
        const PopupMaker make = demo.make;
        QObject::connect(open, &QPushButton::clicked, stage, [stage, make] { stage->open(make); });
    }
    return stage;
}

// The embedded popup fills a card, as in the segment inspector.
QWidget* embeddedSection(SlidersPage* page)
{
    auto* section = new QWidget;
    auto* layout = new QVBoxLayout(section);
    auto* chooser = new QComboBox;
    for (const Demo& demo : demos())
        chooser->addItem(demo.name);
    layout->addWidget(chooser, 0, Qt::AlignLeft);
    auto* card = new QWidget;
    card->setFixedSize(kEmbeddedSize);
    card->setAutoFillBackground(true);
    card->setPalette(QPalette(QColor(7, 8, 10)));
    layout->addWidget(card);
    const GalleryLog log = pageLog(page, "slider popup, embedded");
    auto shown = std::make_shared<QPointer<CommonSliderColorPopup>>();
    const auto show = [card, shown, log](int index) {
        delete shown->data();
        demos()[index].make(card, nullptr, [shown, log](CommonSliderColorPopup* popup) {
            *shown = popup;
            logSliderPopupSignals(popup, log);
        });
    };
    QObject::connect(chooser, QOverload<int>::of(&QComboBox::currentIndexChanged), card, show);
    show(0);
    return section;
}

} // namespace

void addSliderPopupSections(SlidersPage* page)
{
    page->addSection("Slider, chroma key and shadow popups, floating (the buttons open them)", floatingSection(page));
    page->addSection("Slider, chroma key and shadow popups, embedded (choose one)", embeddedSection(page));
}
