// The gallery page of the painted controls, in the colours the editor's
// panels give them.
#include "GalleryPages.h"

#include "AudioLevelMeterWidget.h"
#include "ColorButton.h"
#include "ColorMatrixPaletteWidget.h"
#include "MovieSizeGridButton.h"
#include "NavigationBar.h"
#include "SegmentedControl.h"
#include "SwitchButton.h"
#include "UiMetrics.h"
#include "Util.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

namespace {

const QColor kAccent(54, 200, 255);

SegmentedControl* segmentedControl(bool enabled)
{
    auto* control = new SegmentedControl;
    control->setSegments({"Video", "Picture", "Audio"});
    control->setSelectedIndex(1);
    control->setBackgroundColor(QColor(7, 8, 10));
    control->setBorderColor(kAccent);
    control->setUnselectedTextColor(kAccent);
    control->setSelectedTextColor(Qt::white);
    control->setFixedSize(240, 30);
    control->setCornerRadius(15);
    control->setEnabled(enabled);
    return control;
}

SwitchButton* switchButton(bool value, bool enabled, const QSize& size)
{
    auto* button = new SwitchButton;
    button->useEditorColors();
    button->setFixedSize(size);
    button->setValue(value);
    button->setEnabled(enabled);
    return button;
}

ColorButton* colorButton(const QColor& color, bool enabled)
{
    auto* button = new ColorButton;
    button->setColor(color);
    button->setFixedSize(44, 28);
    button->setEnabled(enabled);
    return button;
}

QWidget* row(std::initializer_list<QWidget*> widgets)
{
    auto* container = new QWidget;
    auto* layout = new QHBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return container;
}

QWidget* palette()
{
    QList<QColor> colors;
    for (int i = 0; i < 25; ++i)
        colors.append(QColor::fromHsv(i * 360 / 25, 200, 240));
    auto* grid = new ColorMatrixPaletteWidget;
    grid->setFixedSize(350, 110);
    grid->setColors(colors, 10, 5.0f);
    return grid;
}

QWidget* movieSizes()
{
    const QList<QPair<QString, float>> shapes{{"16:9", 16.0f / 9}, {"1:1", 1.0f}, {"9:16", 9.0f / 16}, {"4:3", 4.0f / 3}};
    auto* container = new QWidget;
    auto* layout = new QHBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < shapes.size(); ++i) {
        auto* button = new MovieSizeGridButton(shapes[i].first, shapes[i].second);
        button->setFixedSize(MovieSizeGridButton::sizeForWidth(UiMetrics::metric75()));
        button->setRatioIndex(i);
        button->setSelected(i == 0);
        layout->addWidget(button);
    }
    layout->addStretch();
    return container;
}

QWidget* meter()
{
    auto* meter = new AudioLevelMeterWidget;
    meter->setFixedSize(300, 24);
    meter->setLevel(0.6f);
    return meter;
}

QWidget* navigationBar()
{
    auto* bar = new NavigationBar;
    bar->addButton(1, "Projects");
    bar->addButton(2, "Settings");
    bar->addButton(3, "Help");
    return bar;
}

QWidget* styledList()
{
    auto* list = new QListWidget;
    for (int i = 1; i <= 20; ++i)
        list->addItem(QString("Item %1").arg(i));
    list->setFixedSize(200, 110);
    list->setStyleSheet("QListWidget { background: rgb(25,26,28); color: white; border: none; }");
    Util::setScrollBarStyleSheet(list->verticalScrollBar());
    return list;
}

QWidget* texts()
{
    // Translated texts, so that --lang shows its effect.
    const QString text = QString("%1 · %2 · %3 · %4")
                             .arg(Util::dateText(QDateTime::currentDateTime()), Util::byteSizeText(1023),
                                  Util::byteSizeText(1048576), Util::durationText(3725));
    return new QLabel(text);
}

} // namespace

QWidget* createControlsPage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->setContentsMargins(24, 24, 24, 24);
    form->setVerticalSpacing(16);
    form->setHorizontalSpacing(24);
    form->addRow("Segmented control", row({segmentedControl(true), segmentedControl(false)}));
    form->addRow("Switch button", row({switchButton(false, true, {44, 24}), switchButton(true, true, {44, 24}),
                                        switchButton(true, false, {44, 24}), switchButton(true, true, {24, 44})}));
    form->addRow("Colour button", row({colorButton(QColor(235, 70, 60), true), colorButton(Qt::transparent, true),
                                        colorButton(QColor(1, 1, 1), true), colorButton(kAccent, false)}));
    form->addRow("Colour palette", palette());
    form->addRow("Movie size", movieSizes());
    form->addRow("Audio level meter", meter());
    form->addRow("Navigation bar", navigationBar());
    form->addRow("Scroll bar", styledList());
    form->addRow("Texts", texts());
    return page;
}
