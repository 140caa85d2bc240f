#include "gui/reference/frm_Referanse_Modify.h"

#include "core/reference/References.h"
#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "gui/ui/Colours.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/NamedControl.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lirvenda {

frm_Referanse_Modify::frm_Referanse_Modify(Program &program, QWidget *parent)
    : QDialog(parent), m_program(program),
      Frame1(named(new QGroupBox(tr("Referanse"), this), QStringLiteral("Frame1"))),
      Command2(named(new QPushButton(tr("&Lagre"), this), QStringLiteral("Command2"))),
      Command1(named(new QPushButton(tr("&Avbryt"), this), QStringLiteral("Command1")))
{
    setObjectName(QStringLiteral("frm_Referanse_Modify"));
    setWindowTitle(tr("Referanser"));

    auto *fields = new QFormLayout(Frame1);
    const auto row = [&](QLabel *&label, QLineEdit *&box, int number, const QString &caption) {
        label = named(new QLabel(caption, Frame1), QStringLiteral("Label%1").arg(number));
        box = named(new QLineEdit(Frame1), QStringLiteral("Text%1").arg(number));
        box->setMinimumWidth(360);
        setColour(box, Colour::Yellow);
        fields->addRow(label, box);
    };
    row(Label1, Text1, 1, tr("Forfatter"));
    row(Label2, Text2, 2, tr("År"));
    row(Label3, Text3, 3, tr("Tittel"));
    row(Label4, Text4, 4, tr("Jornal/rapport"));
    row(Label5, Text5, 5, tr("Sider"));
    row(Label6, Text6, 6, tr("Utgiver"));
    Check1 = named(new QCheckBox(tr("Ny post"), Frame1), QStringLiteral("Check1"));
    Check1->setChecked(true);
    Check1->setEnabled(false); // there is no reference here to change instead
    fields->addRow(Check1);

    layOutFramesAndButtons(this, {Frame1}, {}, {Command2, Command1});

    connect(Command2, &QPushButton::clicked, this, &frm_Referanse_Modify::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &frm_Referanse_Modify::reject);
}

bool frm_Referanse_Modify::ValidateReference()
{
    const QString problem = referenceProblem({Text1->text(), Text2->text(), Text3->text(), Text4->text(), {}, {}});
    if (!problem.isEmpty())
        prompter().information(problem);
    return problem.isEmpty();
}

void frm_Referanse_Modify::Command2_Click()
{
    if (!ValidateReference())
        return;
    m_savedId = addReference(
        m_program, {Text1->text(), Text2->text(), Text3->text(), Text4->text(), Text5->text(), Text6->text()});
    accept();
}

} // namespace lirvenda
