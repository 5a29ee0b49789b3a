#include "TextAlignmentEditingWidget.h"

#include "SegmentedControl.h"

#include "ui_TextAlignmentEditingWidget.h"

TextAlignmentEditingWidget::TextAlignmentEditingWidget(QWidget* parent)
    : QWidget(parent)
    , _ui(std::make_unique<Ui::TextAlignmentEditingWidget>())
{
    _ui->setupUi(this);
    SegmentedControl* control = _ui->textAlignWidget;
    // The titles name the segments for code and tests; the icons show them.
    control->setSegments({QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")});
    const char* const icons[] = {"leftAlign", "centerAlign", "rightAlign"};
    for (int index = 0; index < 3; ++index) {
        const QString path = QStringLiteral(":/images/toolbar/") + QLatin1String(icons[index]);
        control->setSegmentIcons(index, QPixmap(path), QPixmap(path + QLatin1Char('2')));
    }
    control->setIconSize(QSize(20, 20));
    control->setBorderWidth(0.0f);
    control->setBorderColor(QColor(44, 46, 50));
    control->setBackgroundColor(QColor(25, 26, 28));
    connect(control, &SegmentedControl::segmentIndexChanged, this,
            &TextAlignmentEditingWidget::onSegmentIndexChanged);
}

TextAlignmentEditingWidget::~TextAlignmentEditingWidget() = default;

void TextAlignmentEditingWidget::setAlignmentIndex(int index)
{
    _ui->textAlignWidget->setSelectedIndex(index);
}

void TextAlignmentEditingWidget::setControlEnabled(bool enabled)
{
    _ui->textAlignWidget->setEnabled(enabled);
}

void TextAlignmentEditingWidget::onSegmentIndexChanged(SegmentedControl*, int index)
{
    emit alignmentIndexChanged(index);
}
