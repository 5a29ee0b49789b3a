#include "ModalDialogAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>

namespace {

constexpr int kPollIntervalMs = 20;

} // namespace

ModalDialogAnswerer::ModalDialogAnswerer(Answer answer, int timeLimitMs, QObject* parent)
    : QObject(parent), _answer(std::move(answer)), _remainingPolls(timeLimitMs / kPollIntervalMs + 1)
{
    connect(&_timer, &QTimer::timeout, this, &ModalDialogAnswerer::_poll);
    _timer.start(kPollIntervalMs);
}

void ModalDialogAnswerer::_poll()
{
    if (--_remainingPolls < 0) {
        _timer.stop();
        return;
    }
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog)
        return;
    _timer.stop();
    _answered = true;
    _answer(dialog);
}

ModalDialogAnswerer::Answer ModalDialogAnswerer::accept()
{
    return [](QWidget* widget) {
        if (auto* dialog = qobject_cast<QDialog*>(widget))
            dialog->accept();
    };
}

ModalDialogAnswerer::Answer ModalDialogAnswerer::reject()
{
    return [](QWidget* widget) {
        if (auto* dialog = qobject_cast<QDialog*>(widget))
            dialog->reject();
    };
}

ModalDialogAnswerer::Answer ModalDialogAnswerer::clickButton(const QString& text)
{
    return [text](QWidget* dialog) {
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
            if (button->text().contains(text, Qt::CaseInsensitive)) {
                button->click();
                return;
            }
        }
    };
}

ModalDialogAnswerer::Answer ModalDialogAnswerer::chooseFile(const QString& path)
{
    return [path](QWidget* widget) {
        if (auto* dialog = qobject_cast<QFileDialog*>(widget)) {
            // Typed into the name field, as a user would: selectFile leaves a
            // focused field alone.
            if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit"))
                name->setText(path);
            else
                dialog->selectFile(path);
            // Through QDialog, where accept is public: the file dialog's own accept checks the choice.
            static_cast<QDialog*>(dialog)->accept();
        }
    };
}
