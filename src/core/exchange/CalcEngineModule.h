#pragma once

#include "core/exchange/SpreadsheetEngine.h"

#include <QString>

#include <memory>

namespace lirvenda {

// The engine module: in the folder $LIRVENDA_MODULE_DIR names, else beside the executable,
// else where the installed program keeps it.
QString calcEngineModulePath();

// Loads the module and starts its office, which ends when the engine is deleted. Throws
// SpreadsheetError saying what is missing when the module, LibreOffice or the office's start fails.
std::unique_ptr<SpreadsheetEngine> startCalcEngine(const OfficeSettings &settings = {});

} // namespace lirvenda
