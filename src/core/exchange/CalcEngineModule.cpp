#include "core/exchange/CalcEngineModule.h"

#include "core/shared/ModuleFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace lirvenda {

QString calcEngineModulePath() { return programModulePath(QStringLiteral("lirvenda_calc.so")); }

std::unique_ptr<SpreadsheetEngine> startCalcEngine(const OfficeSettings &settings)
{
    const QString path = calcEngineModulePath();
    if (!QFileInfo(path).isFile())
        throw SpreadsheetError(
            QCoreApplication::translate("CalcEngineModule", "Programmet mangler fila %1, som lager excel-arkene.")
                .arg(QDir::toNativeSeparators(path)));
    // Loaded for the rest of the run: the engine's code lives in it. It fails to load where the
    // UNO libraries it is linked to are missing, that is where LibreOffice is not installed.
    // Never unloaded, not even at exit, where Qt would otherwise close every library it loaded:
    // the UNO runtime under the module keeps threads and registries of its own until the process
    // ends, and they must not outlive the code and data they use.
    QLibrary module(path);
    module.setLoadHints(QLibrary::PreventUnloadHint);
    if (!module.load())
        throw SpreadsheetError(
            QCoreApplication::translate("CalcEngineModule",
                                        "Excel-arkene lages med LibreOffice Calc, som ikke er installert på "
                                        "denne maskinen (%1).")
                .arg(module.errorString()));
    const auto start = reinterpret_cast<StartEngineFunction>(module.resolve(StartEngineSymbol));
    if (!start)
        throw SpreadsheetError(
            QCoreApplication::translate("CalcEngineModule", "Fila %1 er ikke programmets regnearkmodul.")
                .arg(QDir::toNativeSeparators(path)));
    return std::unique_ptr<SpreadsheetEngine>(start(settings));
}

} // namespace lirvenda
