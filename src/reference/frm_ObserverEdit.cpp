#include "reference/frm_ObserverEdit.h"

#include "data/Program.h"
#include "ui/DialogLayout.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace lirvenda {

frm_ObserverEdit::frm_ObserverEdit(Program &program, QWidget *parent)
    : QDialog(parent), m_program(program), Frame1(new QGroupBox(QStringLiteral("Observers"), this)),
      List1(new QListWidget(Frame1)), Command2(new QPushButton(QStringLiteral("&OK"), this)),
      Command1(new QPushButton(QStringLiteral("&Quit"), this))
{
    setObjectName(QStringLiteral("frm_ObserverEdit"));
    setWindowTitle(QStringLiteral("Edit observer list"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    List1->setObjectName(QStringLiteral("List1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1->setObjectName(QStringLiteral("Command1"));

    List1->setSelectionMode(QAbstractItemView::MultiSelection);
    List1->setMinimumSize(420, 300);
    auto *frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(List1);
    layOutFramesAndButtons(this, {Frame1}, {}, {Command2, Command1});

    connect(Command2, &QPushButton::clicked, this, &frm_ObserverEdit::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &frm_ObserverEdit::Command1_Click);
    m_program.areaPickCancelled = false;
}

void frm_ObserverEdit::reject()
{
    m_program.areaPickCancelled = true;
    QDialog::reject();
}

void frm_ObserverEdit::Command1_Click() { reject(); }

void frm_ObserverEdit::Command2_Click()
{
    m_program.areaPickCancelled = false;
    accept();
}

} // namespace lirvenda
