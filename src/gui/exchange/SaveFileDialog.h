#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace lirvenda {

// The file an export is to be written to, chosen in the program's own save dialog (the same on
// every desktop); none when the user cancels. filter as "CSV-filer (*.csv)", suffix without a dot.
std::optional<QString> chosenSaveFile(QWidget *parent, const QString &filter, const QString &suffix);

} // namespace lirvenda
