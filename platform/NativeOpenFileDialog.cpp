#include "NativeOpenFileDialog.h"

#include <QCheckBox>
#include <QDebug>
#include <QFileDialog>
#include <QGridLayout>
#include <QStringList>

namespace {

// Qt's own dialog: the desktop's file chooser cannot carry an extra control.
void addCheckBox(QFileDialog* dialog, QCheckBox* checkBox)
{
    if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout()))
        grid->addWidget(checkBox, grid->rowCount(), 0, 1, grid->columnCount());
    else if (dialog->layout())
        dialog->layout()->addWidget(checkBox);
}

} // namespace

QString showNativeOpenFileDialog(const QString& title, const QString& checkText, bool* state,
                                 const QString& initialDir, const QString& filter)
{
    qDebug() << "open-file dialog with check box:" << title << checkText;
    QFileDialog dialog(nullptr, title, initialDir, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    auto* checkBox = new QCheckBox(checkText, &dialog);
    checkBox->setObjectName(QStringLiteral("extraCheckBox"));
    checkBox->setChecked(state && *state);
    addCheckBox(&dialog, checkBox);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return QString();
    if (state)
        *state = checkBox->isChecked();
    return files.first();
}
