#include "registration/frm_Fauna.h"

#include "data/Program.h"

namespace lirvenda {

frm_Fauna::frm_Fauna(Program &program, QWidget *parent) : QWidget(parent), m_program(program)
{
    setObjectName(QStringLiteral("frm_Fauna"));
}

void frm_Fauna::Form_Load(Splash)
{
    m_program.openMainConnection();
    m_program.openObserverConnection();
    m_program.openObservations();
}

} // namespace lirvenda
