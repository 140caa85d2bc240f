#include "gui/reference/frm_Default.h"

#include "core/reference/ObserverRegister.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/KeyedListModel.h"
#include "gui/ui/NamedControl.h"

#include <QGroupBox>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace lirvenda {

frm_Default::frm_Default(Program &program, QWidget *parent)
    : QDialog(parent), m_program(program),
      Frame1(named(new QGroupBox(tr("Observers"), this), QStringLiteral("Frame1"))),
      List1(named(new QListView(Frame1), QStringLiteral("List1"))), m_observers(new KeyedListModel(List1)),
      Command2(named(new QPushButton(tr("&OK"), this), QStringLiteral("Command2"))),
      Command1(named(new QPushButton(tr("&Quit"), this), QStringLiteral("Command1")))
{
    setObjectName(QStringLiteral("frm_Default"));
    setWindowTitle(tr("Default observers"));
    List1->setModel(m_observers);
    List1->setSelectionMode(QAbstractItemView::MultiSelection);
    List1->setMinimumSize(420, 300);
    (new QVBoxLayout(Frame1))->addWidget(List1);
    layOutFramesAndButtons(this, {Frame1}, {}, {Command2, Command1});

    connect(Command2, &QPushButton::clicked, this, &frm_Default::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &frm_Default::Command1_Click);
    Form_Load();
}

void frm_Default::Form_Load()
{
    const QList<DefaultObserverEntry> entries = defaultObserverEntries(m_program);
    m_observers->setEntries({entries.begin(), entries.end()});
    for (int row = 0; row < entries.size(); ++row)
        if (entries.at(row).isDefault)
            List1->selectionModel()->select(m_observers->index(row), QItemSelectionModel::Select);
}

void frm_Default::Command1_Click() { reject(); }

// "&OK": the selection replaces every mark.
void frm_Default::Command2_Click()
{
    QList<qint64> chosen;
    for (const QModelIndex &entry : List1->selectionModel()->selectedRows())
        chosen << m_observers->keyAt(entry.row()).toLongLong();
    setDefaultObservers(m_program, chosen);
    accept();
}

} // namespace lirvenda
