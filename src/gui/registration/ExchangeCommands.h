#pragma once

#include <functional>

class QWidget;

namespace lirvenda {

class Program;

// "Lag Excelark for rapportering": the unreported observations into the portal's template, after
// the user has said yes and the template is there.
void RunPortalExport(Program &program, QWidget *parent);

// "Import": the atlas records replace every observation, after a question and a backup; once they
// have, reopened is called before the closing message.
void RunAtlasImport(Program &program, const std::function<void()> &reopened);

// "Importer fra eBird": the window that imports a file downloaded from eBird; once rows are
// added, reopened is called before the closing message.
void RunEbirdImport(Program &program, const std::function<void()> &reopened, QWidget *parent);

} // namespace lirvenda
