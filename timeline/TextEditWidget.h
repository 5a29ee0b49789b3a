#pragma once

#include <QTextEdit>

// The text box of inline text editing. Every paste and drop arrives as
// plain text, so the segment's own style applies to it; the pasted flag
// tells the owner that it should apply that style to the whole text.
class TextEditWidget : public QTextEdit
{
    Q_OBJECT

public:
    explicit TextEditWidget(QWidget* parent = nullptr);

    bool isPasted() const { return _pasted; }
    void setPasted(bool pasted) { _pasted = pasted; }

protected:
    void insertFromMimeData(const QMimeData* source) override;

private:
    bool _pasted = false;
};
