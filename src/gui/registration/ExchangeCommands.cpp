#include "gui/registration/ExchangeCommands.h"

#include "core/exchange/AtlasImport.h"
#include "core/exchange/CalcEngineModule.h"
#include "core/exchange/PortalExport.h"
#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "gui/exchange/frm_EbirdImport.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QProgressDialog>

namespace lirvenda {

namespace {

// One office for the whole export; it has ended by the time the closing message shows.
void ExportToPortal(Program &program, const QString &templatePath, const QDate &today, QWidget *parent)
{
    const int total = unreportedCount(program);
    QProgressDialog progress(
        QCoreApplication::translate("ExchangeCommands", "Lager excel-ark med %1 observasjoner …").arg(total), QString(),
        0, total, parent);
    progress.setWindowTitle(QStringLiteral("Lirvenda"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.show();
    QCoreApplication::processEvents(); // up before the office starts, which takes a second or two
    QStringList files;
    try {
        const std::unique_ptr<SpreadsheetEngine> engine = startCalcEngine();
        files =
            exportUnreported(program, *engine, templatePath, today, [&progress](int done) { progress.setValue(done); });
    } catch (const SpreadsheetError &error) {
        progress.close();
        prompter().exclamation(exportFailedMessage(error.message()));
        return;
    }
    progress.close();
    prompter().information(exportedMessage(program.folder(), files));
}

bool askToImport(const AtlasImportPlan &plan)
{
    return prompter().askYesNo(
        QCoreApplication::translate("ExchangeCommands",
                                    "Importen sletter alle %1 observasjoner med koblingene til observatørene "
                                    "og legger inn %2 poster fra tabellen Atlas. Databasen kopieres først "
                                    "til en sikkerhetskopi i programmappa. Vil du fortsette?")
            .arg(plan.observations)
            .arg(plan.atlasRecords));
}

void tellImported(const AtlasImportResult &result, const QString &backup)
{
    QString done =
        QCoreApplication::translate("ExchangeCommands", "Ferdig!\n\n%1 poster er importert.").arg(result.imported);
    if (result.unmatched > 0)
        done += QCoreApplication::translate("ExchangeCommands", "\n%1 av dem fikk ikke lokalitet eller art.")
                    .arg(result.unmatched);
    done +=
        QCoreApplication::translate("ExchangeCommands", "\nSikkerhetskopi: %1").arg(QDir::toNativeSeparators(backup));
    prompter().message(done, Prompter::Icon::None);
}

} // namespace

void RunPortalExport(Program &program, QWidget *parent)
{
    const QDate today = QDate::currentDate();
    const QString templatePath = preparePortalExport(program, prompter(), today);
    if (!templatePath.isEmpty())
        ExportToPortal(program, templatePath, today, parent);
}

void RunAtlasImport(Program &program, const std::function<void()> &reopened)
{
    AtlasImportPlan plan;
    QString refusal;
    if (!succeeds([&] {
            plan = atlasImportPlan(program);
            refusal = atlasImportRefusal(program, plan);
        }))
        return;
    if (!refusal.isEmpty()) {
        prompter().information(refusal);
        return;
    }
    if (!askToImport(plan))
        return;
    QString backup;
    AtlasImportResult result;
    if (!succeeds([&] {
            backup = backUpObservations(program);
            result = importAtlas(program);
        }))
        return;
    reopened();
    tellImported(result, backup);
}

void RunEbirdImport(Program &program, const std::function<void()> &reopened, QWidget *parent)
{
    frm_EbirdImport window(program, reopened, parent);
    window.exec();
}

} // namespace lirvenda
