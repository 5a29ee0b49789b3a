#pragma once

#include <QWidget>

#include <memory>

class QFont;

namespace Ui {
class TextFontEditingWidget;
}

// Shows a text's font by name, set in that font; a click on it asks for
// another font.
class TextFontEditingWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TextFontEditingWidget(QWidget* parent = nullptr);
    ~TextFontEditingWidget() override;

    void setTextFont(const QFont& font);
    void setControlEnabled(bool enabled);

signals:
    void fontButtonClicked();

private:
    std::unique_ptr<Ui::TextFontEditingWidget> _ui;
};
