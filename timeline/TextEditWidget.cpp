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
    // Raised first: the owner reads it when the insertion reports the changed text.
    _pasted = true;
    QTextEdit::insertFromMimeData(&plain);
}
