#include "SelfDrawEditingWidget.h"

#include "DrawingColorWidget.h"
#include "DrawingToolsWidget.h"
#include "DrawingTuningWidget.h"
#include "UiMetrics.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMoveEvent>
#include <QVBoxLayout>

namespace {
// The strip's rows wrap a little inside the section's width.
constexpr int kToolsWidthInset = 24;
// Room for the spacing between the three panels and around them.
constexpr int kPanelsSpacing = 44;
} // namespace

SelfDrawEditingWidget::SelfDrawEditingWidget(const QSize& canvasSize, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("SelfDrawEditingWidget"));
    resize(400, 300);
    auto* layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    layout->setSpacing(10);

    auto* colorRow = new QHBoxLayout;
    colorRow->setContentsMargins(10, 0, 10, 0);
    _colorWidget = new DrawingColorWidget(canvasSize, this);
    const int side = UiMetrics::toolBarButtonHeight();
    _colorWidget->setFixedSize(side, side);
    _colorWidget->setCompactStyle();
    colorRow->addWidget(_colorWidget, 0, Qt::AlignLeft);
    layout->addLayout(colorRow);

    _tuningWidget = new DrawingTuningWidget(this);
    _tuningWidget->setFixedHeight(120);
    _tuningWidget->setCompactLayout();
    layout->addWidget(_tuningWidget);

    _toolsWidget = new DrawingToolsWidget(true, this);
    layout->addWidget(_toolsWidget);

    _filteredWindow = window();
    _filteredWindow->installEventFilter(this);
}

SelfDrawEditingWidget::~SelfDrawEditingWidget()
{
    if (_filteredWindow)
        _filteredWindow->removeEventFilter(this);
}

void SelfDrawEditingWidget::dismissPopups()
{
    _colorWidget->dismissPopup();
    _tuningWidget->dismissPopup();
}

void SelfDrawEditingWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    _toolsWidget->setFixedHeight(_toolsWidget->sizeForWidth(width() - kToolsWidthInset).height());
    setFixedHeight(_tuningWidget->height() + _toolsWidget->height() + _colorWidget->height() + kPanelsSpacing);
    emit widgetSizeChanged();
}

bool SelfDrawEditingWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == _filteredWindow) {
        for (QWidget* panel : {static_cast<QWidget*>(_colorWidget), static_cast<QWidget*>(_tuningWidget)})
            QCoreApplication::postEvent(panel, new QMoveEvent(panel->pos(), panel->pos()));
    }
    return QWidget::eventFilter(watched, event);
}
