#include "gui/exchange/SaveFileDialog.h"

#include <QFileDialog>

namespace lirvenda {

std::optional<QString> chosenSaveFile(QWidget *parent, const QString &filter, const QString &suffix)
{
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace lirvenda
