#include "gui/registration/frm_Fylke_Kommune.h"

#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "gui/ui/KeyedListModel.h"
#include "gui/ui/PickList.h"

namespace lirvenda {

frm_Fylke_Kommune::frm_Fylke_Kommune(const QList<MunicipalityCandidate> &candidates, QWidget *parent)
    : QDialog(parent), m_candidates(new KeyedListModel(this))
{
    setObjectName(QStringLiteral("frm_Fylke_Kommune"));
    setWindowTitle(tr("Fylker/kommuner"));
    for (const MunicipalityCandidate &candidate : candidates)
        m_candidates->append(candidate.pickerEntry());
    layOutPickList(this, tr("Mulige fylker/kommuner"), m_candidates, {51, 9},
                   [this](const QModelIndex &entry) { List1_Click(entry); });
}

void frm_Fylke_Kommune::List1_Click(const QModelIndex &entry)
{
    m_pickedCode = m_candidates->keyAt(entry.row());
    accept();
}

QString suggestMunicipality(Program &program, const QString &latitude, const QString &longitude, QWidget *parent)
{
    const QList<MunicipalityCandidate> candidates = municipalitiesAt(program, latitude, longitude);
    if (candidates.isEmpty()) {
        prompter().information(frm_Fylke_Kommune::tr("Finner ingen kommuner som passer"));
        return {};
    }
    frm_Fylke_Kommune picker(candidates, parent);
    return picker.exec() == QDialog::Accepted ? picker.pickedCode() : QString();
}

} // namespace lirvenda
