#include "TextFontEditingWidget.h"

#include "DropDownButtonStyle.h"

#include "ui_TextFontEditingWidget.h"

TextFontEditingWidget::TextFontEditingWidget(QWidget* parent)
    : QWidget(parent)
    , _ui(std::make_unique<Ui::TextFontEditingWidget>())
{
    _ui->setupUi(this);
    DropDownButtonStyle::apply(_ui->fontNameButtonContainer, _ui->fontNameButton);
    connect(_ui->fontNameButton, &QPushButton::clicked, this, &TextFontEditingWidget::fontButtonClicked);
    connect(_ui->fontNameTriangleButton, &QPushButton::clicked, this, &TextFontEditingWidget::fontButtonClicked);
}

TextFontEditingWidget::~TextFontEditingWidget() = default;

void TextFontEditingWidget::setTextFont(const QFont& font)
{
    _ui->fontNameButton->setFont(font);
    const QString style = font.styleName();
    _ui->fontNameButton->setText(style.isEmpty() ? font.family() : font.family() + QStringLiteral(" - ") + style);
}

void TextFontEditingWidget::setControlEnabled(bool enabled)
{
    _ui->fontNameButtonContainer->setEnabled(enabled);
}
