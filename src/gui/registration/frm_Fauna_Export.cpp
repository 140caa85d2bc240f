// "Lag Excelark for rapportering": the unreported observations into the portal's template.

#include "gui/registration/frm_Fauna.h"

#include "core/exchange/CalcEngineModule.h"
#include "core/exchange/PortalExport.h"
#include "core/shared/Prompter.h"
#include "core/store/Program.h"

#include <QCoreApplication>
#include <QDate>
#include <QProgressDialog>

namespace lirvenda {

void frm_Fauna::Command23_Click()
{
    const QDate today = QDate::currentDate();
    const QString templatePath = PreparePortalExport(m_program, prompter(), today);
    if (!templatePath.isEmpty())
        ExportToPortal(templatePath, today);
}

// One office for the whole export; it has ended by the time the closing message shows.
void frm_Fauna::ExportToPortal(const QString &templatePath, const QDate &today)
{
    const int total = UnreportedCount(m_program);
    QProgressDialog progress(QStringLiteral("Lager excel-ark med %1 observasjoner …").arg(total), QString(), 0, total,
                             this);
    progress.setWindowTitle(QStringLiteral("Lirvenda"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.show();
    QCoreApplication::processEvents(); // up before the office starts, which takes a second or two
    QStringList files;
    try {
        const std::unique_ptr<SpreadsheetEngine> engine = StartCalcEngine();
        files = ExportUnreported(m_program, *engine, templatePath, today,
                                 [&progress](int done) { progress.setValue(done); });
    } catch (const SpreadsheetError &error) {
        progress.close();
        prompter().exclamation(ExportFailedMessage(error.message()));
        return;
    }
    progress.close();
    prompter().information(ExportedMessage(m_program.folder(), files));
}

} // namespace lirvenda
