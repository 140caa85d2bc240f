#include "gui/registration/frm_Lokalitet.h"

#include "gui/ui/KeyedListModel.h"
#include "gui/ui/PickList.h"

namespace lirvenda {

frm_Lokalitet::frm_Lokalitet(Program &program, QWidget *parent)
    : QDialog(parent), m_program(program), m_lines(new KeyedListModel(this))
{
    setObjectName(QStringLiteral("frm_Lokalitet"));
    setWindowTitle(tr("Lagrede lokaliteter"));
    layOutPickList(this, tr("Lokaliteter"), m_lines, {88, 18},
                   [this](const QModelIndex &entry) { List1_Click(entry); });
    Form_Load();
}

void frm_Lokalitet::Form_Load()
{
    m_places = usedPlaces(m_program);
    for (int i = 0; i < m_places.size(); ++i)
        m_lines->append({usedPlaceLine(m_program, m_places[i]), QString::number(i)});
}

// The place is taken from what was stored, not read back from the shown names: a name can be
// part of another name, and only the code tells them apart.
void frm_Lokalitet::List1_Click(const QModelIndex &entry)
{
    m_picked = m_places.value(m_lines->keyAt(entry.row()).toInt());
    accept();
}

} // namespace lirvenda
