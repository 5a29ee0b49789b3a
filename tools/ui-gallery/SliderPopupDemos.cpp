#include "SliderPopupDemos.h"

#include "PopupChromaKeyWidget.h"
#include "PopupSliderColor1Switch2SlidersWidget.h"
#include "PopupSliderColor2SlidersWidget.h"
#include "PopupSliderColorShadowWidget.h"
#include "PopupSliderColorWidget.h"
#include "PopupSliderWidget.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Shows a popup of one kind, embedded in host or floating above point.
using PopupMaker = std::function<CommonSliderColorPopup*(QWidget* host, const QPoint* point)>;

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
        {"Opacity (percent)",
         [](QWidget* host, const QPoint* point) -> CommonSliderColorPopup* {
             auto* popup = new PopupSliderWidget(host);
             popup->setPercentFormat(true);
             configure(popup, host, "Opacity", point, 0.8f, 0.0f, 1.0f, false, 0.01f);
             return popup;
         }},
        {"Speed (multiplier)",
         [](QWidget* host, const QPoint* point) -> CommonSliderColorPopup* {
             auto* popup = new PopupSliderWidget(host);
             configure(popup, host, "Speed", point, 3.0f, 0.0f, 15.0f, true, 1.0f);
             return popup;
         }},
        {"Volume (default marker)",
         [](QWidget* host, const QPoint* point) -> CommonSliderColorPopup* {
             auto* popup = new PopupSliderWidget(host);
             configure(popup, host, "Volume", point, 0.6f, 0.0f, 2.0f, false, 0.1f);
             popup->setDefaultValueMarker(1.0f, 0.1f);
             return popup;
         }},
        {"Border size and colour",
         [](QWidget* host, const QPoint* point) -> CommonSliderColorPopup* {
             auto* popup = new PopupSliderColorWidget(host);
             configure(popup, host, "Border", point, 4.0f, QColor(Qt::yellow), 0.0f, 20.0f, 1.0f);
             return popup;
         }},
        {"Text background",
         [](QWidget* host, const QPoint* point) -> CommonSliderColorPopup* {
             auto* popup = new PopupSliderColor2SlidersWidget(host);
             configure(popup, host, "Background", point, 0.5f, QColor(Qt::darkBlue), 0.0f, 1.0f, 0.01f,
                       QString("Corner"), 2.0f, 0.0f, 10.0f, 1.0f, QString("Padding"), 3.0f, 0.0f, 10.0f, 1.0f);
             return popup;
         }},
        {"Stroke with switch",
         [](QWidget* host, const QPoint* point) -> CommonSliderColorPopup* {
             auto* popup = new PopupSliderColor1Switch2SlidersWidget(host);
             configure(popup, host, "Stroke", point, 0.3f, QColor(Qt::red), 0.0f, 1.0f, 0.01f, QString("Width"),
                       2.0f, 0.0f, 10.0f, 1.0f, QString("Blur"), 1.0f, 0.0f, 10.0f, 1.0f, QString("Outline"),
                       false);
             return popup;
         }},
        {"Chroma key",
         [](QWidget* host, const QPoint* point) -> CommonSliderColorPopup* {
             auto* popup = new PopupChromaKeyWidget(host);
             if (point)
                 popup->setupValues(host, *point, true, 55, 20, QColor(0, 255, 0));
             else
                 popup->setValues(host, true, 55, 20, QColor(0, 255, 0));
             return popup;
         }},
        {"Shadow",
         [](QWidget* host, const QPoint* point) -> CommonSliderColorPopup* {
             auto* popup = new PopupSliderColorShadowWidget(host);
             const QSizeF offset(8, 8);
             if (point)
                 popup->showWithValues(host, "Shadow", *point, 0.7f, QColor(Qt::black), offset, 0, 1, 0.01f, "Blur",
                                       1.5f, 0, 5, 0.1f);
             else
                 popup->showFullscreenWithValues(host, "Shadow", 0.7f, QColor(Qt::black), offset, 0, 1, 0.01f,
                                                 "Blur", 1.5f, 0, 5, 0.1f);
             return popup;
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

} // namespace

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
}

QWidget* createSliderPopupDemos(QWidget* stage, const GalleryLog& log)
{
    auto* demosPanel = new QWidget;
    auto* layout = new QVBoxLayout(demosPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* floatingRow = new QHBoxLayout;
    layout->addLayout(floatingRow);
    for (const Demo& demo : demos()) {
        auto* open = new QPushButton(demo.name);
        floatingRow->addWidget(open);
        const PopupMaker make = demo.make;
        QObject::connect(open, &QPushButton::clicked, stage, [stage, make, log] {
            const QPoint point(stage->width() / 2, stage->height() - 20);
            CommonSliderColorPopup* popup = make(stage, &point);
            logSliderPopupSignals(popup, log);
        });
    }
    floatingRow->addStretch();

    // The embedded popup fills this panel, as in the segment inspector.
    auto* chooser = new QComboBox;
    for (const Demo& demo : demos())
        chooser->addItem(demo.name);
    layout->addWidget(chooser);
    auto* embeddedHost = new QWidget;
    embeddedHost->setObjectName("embeddedHost");
    embeddedHost->setFixedSize(380, 330);
    layout->addWidget(embeddedHost);
    auto embedded = std::make_shared<QPointer<CommonSliderColorPopup>>();
    const auto showEmbedded = [embeddedHost, embedded, log](int index) {
        delete embedded->data();
        *embedded = demos()[index].make(embeddedHost, nullptr);
        (*embedded)->resize(embeddedHost->size());
        logSliderPopupSignals(*embedded, log);
    };
    QObject::connect(chooser, QOverload<int>::of(&QComboBox::currentIndexChanged), embeddedHost, showEmbedded);
    showEmbedded(0);
    return demosPanel;
}
