#include "gui/registration/frm_Fauna.h"

#include "gui/archive/frm_Arkiv.h"
#include "gui/reference/ObserverLists.h"
#include "gui/reference/frm_ObserverEdit.h"
#include "gui/reference/frm_Observers.h"
#include "gui/statistics/frm_Statistikk.h"
#include "gui/windows/frmAbout.h"

#include "core/store/Program.h"

#include <QListWidget>

namespace lirvenda {

// "&Arkiv": the archive leaves the record set at the observation the user clicked, if any; else
// on the row shown.
void frm_Fauna::Command1_Click()
{
    StandOnShownRegistration();
    frm_Arkiv archive(m_program, this);
    archive.exec();
    if (m_program.observations().hasCurrent())
        ShowRegistration();
    else
        ReturnToShownRegistration();
}

// "&Observatører"
void frm_Fauna::Command10_Click()
{
    frm_Observers observers(m_program, this);
    observers.exec();
}

// "&Om Lirvenda"
void frm_Fauna::Command13_Click()
{
    frmAbout about(m_program.versionText, ViewerLauncher::system(), this);
    about.exec();
}

// "&Statistikk"
void frm_Fauna::Command14_Click()
{
    frm_Statistikk statistics(m_program, this);
    statistics.exec();
}

// The right button on the registration's observers chooses who takes part; the left one ticks.
bool frm_Fauna::List1_MouseDown(Qt::MouseButton button)
{
    if (button != Qt::RightButton || !List1->isEnabled())
        return false;
    EditObserverList(m_program, List1);
    return true;
}

} // namespace lirvenda
