#include "VideoUtilitiesEditingWidget.h"

#include "ScrollableToolBar.h"
#include "SectionButtonForm.h"
#include "UiMetrics.h"

#include <QLabel>
#include <QVBoxLayout>

VideoUtilitiesEditingWidget::VideoUtilitiesEditingWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("VideoUtilitiesEditingWidget"));
    QVBoxLayout* layout = SectionButtonForm::addTitle(this, _titleLabel);
    _titleLabel->setText(tr("Video Utilities"));
    _toolbar = new ScrollableToolBar(this);
    _toolbar->setObjectName(QStringLiteral("toolbar"));
    _toolbar->setFixedHeight(UiMetrics::toolBarButtonHeight());
    _toolbar->setBackgroundColor(QColor(7, 8, 10));
    _toolbar->addButton(QStringLiteral(":/images/toolbar/capture"), QStringLiteral(":/images/toolbar/capture2"),
                        tr("Grab image from video"), GrabImageCommand, 0, true);
    _toolbar->hideIndicators();
    layout->addWidget(_toolbar);
    connect(_toolbar, &ScrollableToolBar::scrollableToolBarButtonClicked, this,
            &VideoUtilitiesEditingWidget::onToolBarButtonClicked);
}

QString VideoUtilitiesEditingWidget::title() const
{
    return _titleLabel->text();
}

void VideoUtilitiesEditingWidget::onToolBarButtonClicked(ScrollableToolBar*, int cmdId)
{
    if (cmdId == GrabImageCommand)
        emit grabImageButtonClicked();
}
