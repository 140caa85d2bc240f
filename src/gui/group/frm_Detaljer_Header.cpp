#include "gui/group/frm_Detaljer.h"

#include "core/group/GroupSave.h"
#include "core/registration/DateSteps.h"
#include "core/shared/DateTexts.h"
#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/NamedControl.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTime>

namespace lirvenda {

namespace {

// The header's columns: captions, then a date with its step buttons and its time, then "Ny".
enum Column { CaptionColumn, BackColumn, DateColumn, OnColumn, TimeCaptionColumn, TimeColumn, NewColumn, Columns };

void stepBox(QLineEdit *box, int days)
{
    const SteppedDate stepped = stepDate(box->text(), days);
    box->setText(stepped.text);
    if (stepped.refused)
        prompter().beep();
}

} // namespace

// Frame3 holds the frame "Registrering av dato, tid, lokalitet og observatører" at its left: the
// dates and times, the locality with "Ny", the observers, and the buttons below them.
QWidget *frm_Detaljer::BuildHeader()
{
    m_headerPage = named(new QWidget(this), QStringLiteral("Frame3"));
    auto *frame = named(new QGroupBox(tr("Registrering av dato, tid, lokalitet og observatører"), m_headerPage),
                        QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(frame);
    BuildDateRows(grid);
    BuildPlaceAndObservers(grid);
    m_save = dialogButton(frame, QStringLiteral("Command9"), tr("&Lagre"));
    m_toGrid = dialogButton(frame, QStringLiteral("Command10"), tr("&Tilbake"));
    m_abandon = dialogButton(frame, QStringLiteral("Command8"), tr("&Avbryt"));
    grid->addLayout(buttonRow({m_save, m_toGrid, m_abandon}, {}), 5, BackColumn, 1, Columns - 1);
    auto *page = new QHBoxLayout(m_headerPage);
    page->addWidget(frame);
    page->addStretch();
    ConnectHeader();
    return m_headerPage;
}

// "Lokalitet" with "Ny", "Observatør", and "Andre", the list that takes the rest of the height.
void frm_Detaljer::BuildPlaceAndObservers(QGridLayout *grid)
{
    QWidget *frame = grid->parentWidget();
    const auto row = [&](int at, const QString &caption, QWidget *box, int span, Qt::Alignment align = {}) {
        grid->addWidget(new QLabel(caption, frame), at, CaptionColumn, Qt::AlignLeft | align);
        grid->addWidget(box, at, BackColumn, 1, span);
    };
    m_locality = named(new QComboBox(frame), QStringLiteral("Combo5"));
    m_locality->setModel(m_localityEntries = new KeyedListModel(m_locality));
    row(2, tr("Lokalitet"), m_locality, NewColumn - BackColumn);
    m_newLocality = dialogButton(frame, QStringLiteral("Command22"), tr("Ny"));
    grid->addWidget(m_newLocality, 2, NewColumn);
    m_mainObserver = named(new QComboBox(frame), QStringLiteral("Combo6"));
    m_mainObserver->setEditable(true);
    m_mainObserver->setInsertPolicy(QComboBox::NoInsert);
    row(3, tr("Observatør"), m_mainObserver, Columns - BackColumn);
    m_otherObservers = named(new ChoiceList(frame), QStringLiteral("List1"));
    m_mainObserver->setModel(&m_otherObservers->entries()); // the same observers in both
    row(4, tr("Andre"), m_otherObservers, Columns - BackColumn, Qt::AlignTop);
    grid->setRowStretch(4, 1);
}

// "Tid - Start" and "Tid - Slutt": a date between "-" and "+", and a time.
void frm_Detaljer::BuildDateRows(QGridLayout *grid)
{
    QWidget *frame = grid->parentWidget();
    const QString captions[] = {tr("Tid - Start"), tr("Tid - Slutt")};
    const char *names[][4] = {{"Command5", "Text2", "Command7", "Text3"}, {"Command6", "Text5", "Command21", "Text6"}};
    QLineEdit **dates[] = {&m_startDate, &m_stopDate};
    QLineEdit **times[] = {&m_startTime, &m_stopTime};
    for (int row = 0; row < 2; ++row) {
        grid->addWidget(new QLabel(captions[row], frame), row, CaptionColumn);
        m_dateSteps[2 * row] = named(new LetterButton(QStringLiteral("-"), frame), QLatin1String(names[row][0]));
        *dates[row] = named(new QLineEdit(frame), QLatin1String(names[row][1]));
        m_dateSteps[2 * row + 1] = named(new LetterButton(QStringLiteral("+"), frame), QLatin1String(names[row][2]));
        *times[row] = named(new QLineEdit(frame), QLatin1String(names[row][3]));
        grid->addWidget(m_dateSteps[2 * row], row, BackColumn);
        grid->addWidget(*dates[row], row, DateColumn);
        grid->addWidget(m_dateSteps[2 * row + 1], row, OnColumn);
        grid->addWidget(new QLabel(tr("Tid"), frame), row, TimeCaptionColumn);
        grid->addWidget(*times[row], row, TimeColumn);
    }
}

void frm_Detaljer::ConnectHeader()
{
    const std::array<void (frm_Detaljer::*)(), 4> steps = {&frm_Detaljer::Command5_Click, &frm_Detaljer::Command7_Click,
                                                           &frm_Detaljer::Command6_Click,
                                                           &frm_Detaljer::Command21_Click};
    for (int i = 0; i < 4; ++i)
        connect(m_dateSteps[i], &QPushButton::clicked, this, steps[i]);
    connect(m_newLocality, &QPushButton::clicked, this, &frm_Detaljer::Command22_Click);
    connect(m_save, &QPushButton::clicked, this, &frm_Detaljer::Command9_Click);
    connect(m_toGrid, &QPushButton::clicked, this, &frm_Detaljer::Command10_Click);
    connect(m_abandon, &QPushButton::clicked, this, &frm_Detaljer::Command8_Click);
}

// Observers added to the register since the last time join the list both observer boxes show;
// those listed stay, with their choice.
void frm_Detaljer::FillObservers()
{
    for (const KeyedEntry &observer : groupObserverEntries(m_program))
        m_otherObservers->add(observer);
}

// The named localities and the places used in the observations, by name; the one given is chosen
// while it is there, else the first.
void frm_Detaljer::FillLocalities(const LocalityChoice &chosen)
{
    m_localities = groupLocalityChoices(m_program);
    QList<KeyedEntry> entries;
    for (const LocalityChoice &locality : std::as_const(m_localities))
        entries << localityEntry(locality);
    m_localityEntries->setEntries(entries);
    m_locality->setCurrentIndex(std::max(0, int(m_localities.indexOf(chosen))));
}

LocalityChoice frm_Detaljer::chosenLocality() const { return m_localities.value(m_locality->currentIndex()); }

// The first "&Gå videre" sets the time to now and the main observer to the remembered one (else
// the first); after "&Tilbake" the user's choices are kept.
void frm_Detaljer::FillHeaderOnce()
{
    if (m_headerFilled)
        return;
    for (QLineEdit *date : {m_startDate, m_stopDate})
        date->setText(dateBoxText(QDate::currentDate()));
    for (QLineEdit *time : {m_startTime, m_stopTime})
        time->setText(timeBoxText(QTime::currentTime()));
    const int remembered = m_otherObservers->entries().rowOf(rememberedMainObserverId(m_program));
    m_mainObserver->setCurrentIndex(std::max(0, remembered));
    m_headerFilled = true;
}

GroupHeader frm_Detaljer::header() const
{
    GroupHeader h{
        m_startDate->text(), m_startTime->text(), m_stopDate->text(), m_stopTime->text(), chosenLocality(), {}, {}};
    // A typed main observer counts only when it is one of the entries.
    if (const int typed = m_mainObserver->findText(m_mainObserver->currentText()); typed >= 0)
        h.mainObserverId = m_otherObservers->entries().keyAt(typed);
    h.otherObserverIds = m_otherObservers->chosenKeys();
    return h;
}

void frm_Detaljer::Command5_Click() { stepBox(m_startDate, -1); }
void frm_Detaljer::Command7_Click() { stepBox(m_startDate, 1); }
void frm_Detaljer::Command6_Click() { stepBox(m_stopDate, -1); }
void frm_Detaljer::Command21_Click() { stepBox(m_stopDate, 1); }

// "Ny": a named locality added at once and chosen.
void frm_Detaljer::Command22_Click()
{
    const std::optional<QString> name =
        prompter().input(tr("Ny lokalitet"), tr("Navn på den nye lokaliteten:"), QString());
    if (!name)
        return;
    NewLocality added;
    if (!succeeds([&] { added = addNamedLocality(m_program, *name); }))
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
    if (!succeeds([&] { written = saveGroupRegistration(m_program, h, m_entries.values()); }))
        return;
    prompter().information(tr("Det ble totalt registrert %1 nye observasjoner.").arg(written));
    accept();
}

// "&Tilbake"
void frm_Detaljer::Command10_Click() { ShowHeader(false); }

// "&Avbryt" on the header: the group registration ends, nothing is stored.
void frm_Detaljer::Command8_Click() { done(Abandoned); }

} // namespace lirvenda
