#include "gui/registration/frm_Fauna.h"

#include "core/exchange/AtlasImport.h"
#include "core/positions/GpsSettings.h"
#include "core/registration/CodeLists.h"
#include "core/registration/Places.h"
#include "core/shared/DateTexts.h"
#include "core/shared/SharedProcedures.h"
#include "core/store/Program.h"
#include "gui/positions/PositionLink.h"
#include "gui/ui/Colours.h"
#include "gui/ui/ListProcedures.h"
#include "gui/windows/frm_Frontside.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTime>

namespace lirvenda {

namespace {

// "-1" means not given; the counts follow from 0.
void fillNumbers(QComboBox *combo, int last)
{
    for (int n = -1; n <= last; ++n)
        combo->addItem(QString::number(n));
    combo->setCurrentIndex(0);
}

// A code table in key order; the first code is chosen, or none when it must be chosen by the user.
void fillCodeList(QComboBox *combo, Program &program, CodeList list, int chosen = 0)
{
    addKeyedEntries(combo, CodeListEntries(program, list));
    combo->setCurrentIndex(chosen);
}

} // namespace

void frm_Fauna::Form_Load(Splash splash)
{
    m_program.openMainConnection();
    m_program.openObserverConnection();
    RefreshLocalityList({});
    setWindowTitle(QStringLiteral("Lirvenda  ") + dateBoxText(QDate::currentDate()) + QStringLiteral(" - Versjon: ") +
                   m_program.versionText);
    Combo1->addItems({QStringLiteral("="), QStringLiteral(">"), QStringLiteral("<"), QStringLiteral("~")});
    Combo1->setCurrentIndex(0);
    for (int i = 0; i < 10; ++i)
        Command16[i]->setText(QString::number((i + 1) % 10));
    ShowTodayAndNow();
    m_program.openObservations();
    RefreshSpeciesLists();
    for (int i = 0; i < int(Command20.size()); ++i)
        Command20[i]->setText(RegistrationState::Ages[i]);
    LoadGpsSettings(m_program);
    FillListsFromDatabase();
    Command30->setVisible(hasAtlasRecords(m_program));
    EnableSpeciesGroups();
    SetBrowseState();
    ObservationRecordSet &observations = m_program.observations();
    if (!observations.isEmpty())
        observations.moveLast();
    ShowRegistration();
    ArrangeMiddleColumn();
    if (splash == Splash::Show && !m_program.observerFileExists())
        ShowSplash();
    Command32_Click(0);
    m_positionLink->start();
}

void frm_Fauna::ShowTodayAndNow()
{
    const QString today = dateBoxText(QDate::currentDate());
    const QString now = timeBoxText(QTime::currentTime());
    Text2->setText(today);
    Text5->setText(today);
    Text3->setText(now);
    Text6->setText(now);
}

void frm_Fauna::FillListsFromDatabase()
{
    fillCodeList(Combo2, m_program, CodeList::Activities, -1); // a chosen activity is coloured
    FillReferenceList();
    fillCodeList(Combo6, m_program, CodeList::NestSites);
    fillCodeList(Combo7, m_program, CodeList::TreeSpecies);
    Combo3->addItem(QStringLiteral("-"));
    addKeyedEntries(Combo3, CountyItems(m_program));
    fillNumbers(Combo8, 30);
    for (QComboBox *count : {Combo9, Combo10, Combo11})
        fillNumbers(count, 15);
    fillCodeList(Combo12, m_program, CodeList::YoungAges);
}

// "Documentation" shows only for a registration with files; "Registrerte arter" takes its place.
void frm_Fauna::ArrangeMiddleColumn()
{
    List5->move(24, 32);
    DrawDocumentation();
}

void frm_Fauna::ShowSplash()
{
    frm_Frontside splash(this);
    splash.exec();
}

void frm_Fauna::RefreshLocalityList(const QString &locality)
{
    Combo13->clear();
    Combo13->addItems(UsedLocalities(m_program));
    Combo13->setCurrentIndex(-1);
    if (!locality.isEmpty())
        Combo13->setEditText(locality);
}

} // namespace lirvenda
