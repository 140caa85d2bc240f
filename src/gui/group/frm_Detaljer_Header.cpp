#include "gui/group/frm_Detaljer.h"

#include "core/group/GroupSave.h"
#include "core/registration/DateSteps.h"
#include "core/shared/DateTexts.h"
#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "gui/ui/ListProcedures.h"
#include "gui/ui/NamedControl.h"

#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTime>

namespace lirvenda {

namespace {

constexpr int RowHeight = 24;

void label(QWidget *parent, const QString &caption, int left, int top)
{
    (new QLabel(caption, parent))->setGeometry(left, top, 90, RowHeight);
}

void stepBox(QLineEdit *box, int days)
{
    const SteppedDate stepped = stepDate(box->text(), days);
    box->setText(stepped.text);
    if (stepped.refused)
        prompter().beep();
}

} // namespace

void frm_Detaljer::BuildHeader()
{
    Frame3 = placed(new QWidget(this), QStringLiteral("Frame3"), rect());
    Frame1 = placed(new QGroupBox(QStringLiteral("Registrering av dato, tid, lokalitet og observatører"), Frame3),
                    QStringLiteral("Frame1"), {8, 8, 440, 520});
    QWidget *f = Frame1;
    const auto dateRow = [&](int top, const QString &caption, QPushButton *&back, QLineEdit *&date, QPushButton *&on,
                             QLineEdit *&time, const char *names[4]) {
        label(f, caption, 12, top);
        back = dialogButton(f, QLatin1String(names[0]), QStringLiteral("-"), {104, top, 24, RowHeight});
        date = placed(new QLineEdit(f), QLatin1String(names[1]), {130, top, 90, RowHeight});
        on = dialogButton(f, QLatin1String(names[2]), QStringLiteral("+"), {222, top, 24, RowHeight});
        label(f, QStringLiteral("Tid"), 260, top);
        time = placed(new QLineEdit(f), QLatin1String(names[3]), {290, top, 60, RowHeight});
    };
    const char *startNames[] = {"Command5", "Text2", "Command7", "Text3"};
    const char *stopNames[] = {"Command6", "Text5", "Command21", "Text6"};
    dateRow(32, QStringLiteral("Tid - Start"), Command5, Text2, Command7, Text3, startNames);
    dateRow(62, QStringLiteral("Tid - Slutt"), Command6, Text5, Command21, Text6, stopNames);
    label(f, QStringLiteral("Lokalitet"), 12, 100);
    Combo5 = placed(new QComboBox(f), QStringLiteral("Combo5"), {104, 100, 266, RowHeight});
    Command22 = dialogButton(f, QStringLiteral("Command22"), QStringLiteral("Ny"), {374, 100, 50, RowHeight});
    label(f, QStringLiteral("Observatør"), 12, 130);
    Combo6 = placed(new QComboBox(f), QStringLiteral("Combo6"), {104, 130, 320, RowHeight});
    Combo6->setEditable(true);
    Combo6->setInsertPolicy(QComboBox::NoInsert);
    label(f, QStringLiteral("Andre"), 12, 160);
    List1 = placed(new ChoiceList(f), QStringLiteral("List1"), {104, 160, 320, 300});
    Command9 = dialogButton(f, QStringLiteral("Command9"), QStringLiteral("&Lagre"), {104, 476, 110, 28});
    Command10 = dialogButton(f, QStringLiteral("Command10"), QStringLiteral("&Tilbake"), {222, 476, 110, 28});
    Command8 = dialogButton(f, QStringLiteral("Command8"), QStringLiteral("&Avbryt"), {314, 476, 110, 28});
    Frame3->hide();

    connect(Command5, &QPushButton::clicked, this, &frm_Detaljer::Command5_Click);
    connect(Command7, &QPushButton::clicked, this, &frm_Detaljer::Command7_Click);
    connect(Command6, &QPushButton::clicked, this, &frm_Detaljer::Command6_Click);
    connect(Command21, &QPushButton::clicked, this, &frm_Detaljer::Command21_Click);
    connect(Command22, &QPushButton::clicked, this, &frm_Detaljer::Command22_Click);
    connect(Command9, &QPushButton::clicked, this, &frm_Detaljer::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &frm_Detaljer::Command10_Click);
    connect(Command8, &QPushButton::clicked, this, &frm_Detaljer::Command8_Click);
}

// Observers added to the register since the last time join the lists; those listed stay, with
// their choice.
void frm_Detaljer::FillObservers()
{
    for (const KeyedEntry &observer : GroupObserverEntries(m_program)) {
        if (rowOfKey(List1, observer.key) < 0)
            addKeyedEntry(List1, observer);
        if (rowOfKey(Combo6, observer.key) < 0)
            addKeyedEntry(Combo6, observer);
    }
}

// The named localities and the places used in the observations, by name; the one given is chosen
// while it is there, else the first.
void frm_Detaljer::FillLocalities(const LocalityChoice &chosen)
{
    m_localities = GroupLocalityChoices(m_program);
    Combo5->clear();
    for (const LocalityChoice &locality : std::as_const(m_localities))
        addKeyedEntry(Combo5, LocalityEntry(locality));
    Combo5->setCurrentIndex(std::max(0, int(m_localities.indexOf(chosen))));
}

LocalityChoice frm_Detaljer::chosenLocality() const { return m_localities.value(Combo5->currentIndex()); }

// The first "&Gå videre" sets the time to now and the main observer to the remembered one (else
// the first); after "&Tilbake" the user's choices are kept.
void frm_Detaljer::FillHeaderOnce()
{
    if (m_headerFilled)
        return;
    for (QLineEdit *date : {Text2, Text5})
        date->setText(dateBoxText(QDate::currentDate()));
    for (QLineEdit *time : {Text3, Text6})
        time->setText(timeBoxText(QTime::currentTime()));
    Combo6->setCurrentIndex(std::max(0, rowOfKey(Combo6, RememberedMainObserverId(m_program))));
    m_headerFilled = true;
}

GroupHeader frm_Detaljer::header() const
{
    GroupHeader h{Text2->text(), Text3->text(), Text5->text(), Text6->text(), chosenLocality(), {}, {}};
    // A typed main observer counts only when it is one of the entries.
    if (const int typed = Combo6->findText(Combo6->currentText()); typed >= 0)
        h.mainObserverId = Combo6->itemData(typed).toString();
    for (int i = 0; i < List1->count(); ++i)
        if (List1->item(i)->isSelected())
            h.otherObserverIds << keyOf(List1->item(i));
    return h;
}

void frm_Detaljer::Command5_Click() { stepBox(Text2, -1); }
void frm_Detaljer::Command7_Click() { stepBox(Text2, 1); }
void frm_Detaljer::Command6_Click() { stepBox(Text5, -1); }
void frm_Detaljer::Command21_Click() { stepBox(Text5, 1); }

// "Ny": a named locality added at once and chosen.
void frm_Detaljer::Command22_Click()
{
    const std::optional<QString> name =
        prompter().input(QStringLiteral("Ny lokalitet"), QStringLiteral("Navn på den nye lokaliteten:"), QString());
    if (!name)
        return;
    NewLocality added;
    if (!succeeds([&] { added = AddNamedLocality(m_program, *name); }))
        return;
    if (!added.refusal.isEmpty()) {
        prompter().information(added.refusal);
        return;
    }
    succeeds([&] { FillLocalities(added.locality); });
}

// "&Lagre": every species not left out becomes an observation, all of them or none.
void frm_Detaljer::Command9_Click()
{
    const GroupHeader h = header();
    QList<ValidationMessage> problems;
    if (!succeeds([&] { problems = groupHeaderProblems(m_program, h); }))
        return;
    for (const ValidationMessage &problem : problems)
        prompter().message(problem.text,
                           problem.exclamation ? Prompter::Icon::Exclamation : Prompter::Icon::Information);
    if (!problems.isEmpty())
        return;
    int written = 0;
    if (!succeeds([&] { written = SaveGroupRegistration(m_program, h, m_entries.values()); }))
        return;
    prompter().information(QStringLiteral("Det ble totalt registrert %1 nye observasjoner.").arg(written));
    m_ended = true;
    accept();
}

// "&Tilbake"
void frm_Detaljer::Command10_Click() { ShowHeader(false); }

// "&Avbryt" on the header: the group registration ends, nothing is stored.
void frm_Detaljer::Command8_Click()
{
    m_ended = true;
    reject();
}

} // namespace lirvenda
