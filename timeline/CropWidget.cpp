#include "CropWidget.h"

CropWidget::CropWidget(QWidget* parent)
    : QWidget(parent)
{
}

void CropWidget::setFeathering(float left, float top, float right, float bottom)
{
    _featheringLeft = left;
    _featheringTop = top;
    _featheringRight = right;
    _featheringBottom = bottom;
}
