#pragma once

#include <QString>

namespace lirvenda {

// What is wrong with a file that should be a workbook in the binary (.xls, an OLE compound file)
// or the zipped XML (.xlsx) format, read from its structure; the empty text when nothing is.
// The office would open a text file or a damaged workbook as text and go on.
QString workbookFault(const QString &path);

} // namespace lirvenda
