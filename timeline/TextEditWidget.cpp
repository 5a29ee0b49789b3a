#include "TextEditWidget.h"

#include <QMimeData>

TextEditWidget::TextEditWidget(QWidget* parent)
    : QTextEdit(parent)
{
}

void TextEditWidget::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText()) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    QMimeData plain;
    plain.setText(source->text());
    QTextEdit::insertFromMimeData(&plain);
    _pasted = true;
}
