#include "gui/registration/frm_Fauna.h"

#include "core/exchange/AtlasImport.h"
#include "core/group/GroupSave.h"
#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "gui/group/frm_BatchRegistrering.h"
#include "gui/ui/ListProcedures.h"

#include <QDir>
#include <QListWidget>

namespace lirvenda {

// "&Grupperegistrering": many species at once, for one time, place and set of observers.
void frm_Fauna::Command24_Click()
{
    bool hasObserver = List1->count() > 0;
    if (!hasObserver && !succeeds([&] { hasObserver = HasRegisteredObservers(m_program); }))
        return;
    if (!hasObserver) {
        prompter().information(
            QStringLiteral("Du må definere minst en observatør før du kan legge inn gruppeobservasjoner."));
        return;
    }
    QList<KeyedEntry> registeredSpecies;
    for (int i = 0; i < List3->count(); ++i)
        registeredSpecies << entryOf(List3->item(i));
    frm_BatchRegistrering speciesList(m_program, registeredSpecies, this);
    speciesList.exec();
    succeeds([this] {
        ReturnToShownRegistration();
        RefreshSpeciesLists();
    });
}

// "Import": the atlas records replace every observation, after a question and a backup.
void frm_Fauna::Command30_Click()
{
    AtlasImportPlan plan;
    QString refusal;
    if (!succeeds([&] {
            plan = atlasImportPlan(m_program);
            refusal = atlasImportRefusal(m_program, plan);
        }))
        return;
    if (!refusal.isEmpty()) {
        prompter().information(refusal);
        return;
    }
    if (!prompter().askYesNo(QStringLiteral("Importen sletter alle %1 observasjoner med koblingene til observatørene "
                                            "og legger inn %2 poster fra tabellen Atlas. Databasen kopieres først "
                                            "til en sikkerhetskopi i programmappa. Vil du fortsette?")
                                 .arg(plan.observations)
                                 .arg(plan.atlasRecords)))
        return;
    QString backup;
    AtlasImportResult result;
    if (!succeeds([&] {
            backup = backUpObservations(m_program);
            result = ImportAtlas(m_program);
        }))
        return;
    ReopenObservations();
    QString done = QStringLiteral("Ferdig!\n\n%1 poster er importert.").arg(result.imported);
    if (result.unmatched > 0)
        done += QStringLiteral("\n%1 av dem fikk ikke lokalitet eller art.").arg(result.unmatched);
    done += QStringLiteral("\nSikkerhetskopi: %1").arg(QDir::toNativeSeparators(backup));
    prompter().message(done, Prompter::Icon::None);
}

// The stored observations are others now: the saved-in-this-run list names rows that are gone.
void frm_Fauna::ReopenObservations()
{
    succeeds([this] {
        ObservationRecordSet &observations = m_program.observations();
        List2->clear();
        RefreshSpeciesLists();
        RefreshLocalityList({});
        if (observations.isEmpty()) {
            ShowNoRegistration();
            return;
        }
        observations.moveLast();
        ShowRegistration();
    });
}

} // namespace lirvenda
