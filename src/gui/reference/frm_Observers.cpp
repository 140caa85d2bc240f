#include "gui/reference/frm_Observers.h"

#include "core/reference/ObserverRegister.h"
#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "gui/reference/frm_Default.h"
#include "gui/reference/frm_Observers_Modify.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/KeyedListModel.h"
#include "gui/ui/NamedControl.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace lirvenda {

frm_Observers::frm_Observers(Program &program, QWidget *parent)
    : QDialog(parent), m_program(program), Frame1(named(new QGroupBox(tr("Navn"), this), QStringLiteral("Frame1"))),
      Text1(named(new QLineEdit(Frame1), QStringLiteral("Text1"))),
      Command4(named(new QPushButton(tr("Reset"), Frame1), QStringLiteral("Command4"))),
      Frame2(named(new QGroupBox(tr("Observatører"), this), QStringLiteral("Frame2"))),
      List1(named(new QListView(Frame2), QStringLiteral("List1"))), m_matching(new KeyedListModel(List1)),
      Command2(named(new QPushButton(tr("&Ny obs."), this), QStringLiteral("Command2"))),
      Command3(named(new QPushButton(tr("&Endre obs."), this), QStringLiteral("Command3"))),
      Command5(named(new QPushButton(tr("&Set Default"), this), QStringLiteral("Command5"))),
      Command1(named(new QPushButton(tr("&Exit"), this), QStringLiteral("Command1")))
{
    setObjectName(QStringLiteral("frm_Observers"));
    setWindowTitle(tr("Observers"));
    List1->setModel(m_matching);
    List1->setMinimumSize(460, 320);

    auto *search = new QHBoxLayout(Frame1);
    search->addWidget(Text1);
    search->addWidget(Command4);
    (new QVBoxLayout(Frame2))->addWidget(List1);
    // Enter belongs to the search box: it picks the first observer, it presses no button.
    for (QPushButton *button : {Command2, Command3, Command5, Command1, Command4})
        button->setAutoDefault(false);
    layOutFramesAndButtons(this, {Frame1, Frame2}, {Command2, Command3, Command5}, {Command1});

    connect(Text1, &QLineEdit::textChanged, this, &frm_Observers::Text1_Change);
    connect(Text1, &QLineEdit::returnPressed, this, &frm_Observers::Text1_KeyPress);
    connect(Command1, &QPushButton::clicked, this, &frm_Observers::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frm_Observers::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frm_Observers::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frm_Observers::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frm_Observers::Command5_Click);
    connect(List1, &QListView::doubleClicked, this, &frm_Observers::ChangeSelectedObserver);
    Form_Load();
}

void frm_Observers::Form_Load() { ShowMatching({}); }

void frm_Observers::Text1_Change() { m_matching->setEntries(searchObservers(m_program, Text1->text())); }

// Enter in the search box.
void frm_Observers::Text1_KeyPress()
{
    if (m_matching->rowCount() > 0)
        List1->setCurrentIndex(m_matching->index(0));
}

void frm_Observers::Command1_Click() { reject(); }

void frm_Observers::Command2_Click()
{
    if (const std::optional<QString> lastName = addNewObserver(m_program, this))
        ShowMatching(*lastName);
}

void frm_Observers::Command3_Click() { ChangeSelectedObserver(); }

void frm_Observers::Command4_Click() { ShowMatching({}); }

void frm_Observers::Command5_Click()
{
    frm_Default defaults(m_program, this);
    defaults.exec();
}

void frm_Observers::ChangeSelectedObserver()
{
    const QModelIndex entry = List1->currentIndex();
    const qint64 observerId = entry.isValid() && List1->selectionModel()->isSelected(entry)
                                  ? m_matching->keyAt(entry.row()).toLongLong()
                                  : NewObserver;
    const std::optional<ObserverFields> stored =
        observerId != NewObserver ? readObserver(m_program, observerId) : std::nullopt;
    if (!stored) {
        prompter().information(tr("No observer selected."));
        return;
    }
    frm_Observers_Modify entryWindow(m_program, observerId, *stored, this);
    if (entryWindow.exec() == QDialog::Accepted)
        ShowMatching(entryWindow.savedLastName());
}

// The search runs even when the text is already there: a saved observer's entry has changed, or
// the register has changed since the list was filled.
void frm_Observers::ShowMatching(const QString &searchText)
{
    {
        const QSignalBlocker quiet(Text1);
        Text1->setText(searchText);
    }
    Text1_Change();
}

} // namespace lirvenda
