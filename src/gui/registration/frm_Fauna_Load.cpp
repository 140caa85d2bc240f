#include "gui/registration/frm_Fauna.h"

#include "core/registration/Places.h"
#include "core/shared/SharedProcedures.h"
#include "core/store/Program.h"
#include "gui/ui/Colours.h"
#include "gui/windows/frm_Frontside.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTime>
#include <QTimer>

namespace lirvenda {

namespace {

const char *const AgeCaptions[] = {"Egg", "Pulli", "1K",  "1K+", "2K", "2K+", "2K-", "3K", "3K+", "3K-", "4K",   "4K+",
                                   "4K-", "5K",    "5K+", "5K-", "6K", "6K+", "6K-", "7K", "7K+", "7K-", "Adult"};

// "-1" means not given; the counts follow from 0.
void fillNumbers(QComboBox *combo, int last)
{
    for (int n = -1; n <= last; ++n)
        combo->addItem(QString::number(n));
    combo->setCurrentIndex(0);
}

// A code table as text, blanks, "[ID]", in ID order, the first row chosen.
void fillCodeList(QComboBox *combo, Database &db, const QString &table, const QString &textColumn, int blanks)
{
    Statement rows = db.query(QStringLiteral("SELECT ID, %1 FROM %2 ORDER BY ID").arg(textColumn, table));
    while (rows.next())
        combo->addItem(withKey(rows.text(textColumn), blanks, rows.text(QStringLiteral("ID"))));
    combo->setCurrentIndex(0);
}

// Activities start unchosen: a chosen one is coloured.
void fillActivities(QComboBox *combo, Database &db)
{
    Statement rows = db.query(QStringLiteral("SELECT AktivitetID, Aktivitet FROM Aktivitet ORDER BY AktivitetID"));
    while (rows.next())
        combo->addItem(withKey(rows.text(QStringLiteral("Aktivitet")), 100, rows.text(QStringLiteral("AktivitetID"))));
    combo->setCurrentIndex(-1);
}

} // namespace

void frm_Fauna::Form_Load(Splash splash)
{
    Timer1->setInterval(2000);
    m_program.openMainConnection();
    m_program.openObserverConnection();
    RefreshLocalityList({});
    setWindowTitle(QStringLiteral("Lirvenda  ") + QDate::currentDate().toString(DateFormat) +
                   QStringLiteral(" - Versjon: ") + m_program.versionText);
    Combo1->addItems({QStringLiteral("="), QStringLiteral(">"), QStringLiteral("<"), QStringLiteral("~")});
    Combo1->setCurrentIndex(0);
    for (int i = 0; i < 10; ++i)
        Command16[i]->setText(QString::number((i + 1) % 10));
    ShowTodayAndNow();
    m_program.openObservations();
    RefreshSpeciesLists();
    for (int i = 0; i < 23; ++i)
        Command20[i]->setText(QString::fromLatin1(AgeCaptions[i]));
    ReadGpsSettings();
    FillListsFromDatabase();
    EnableSpeciesGroups();
    SetBrowseState();
    ObservationRecordSet &observations = m_program.observations();
    if (!observations.isEmpty())
        observations.moveLast();
    ShowRegistration();
    ArrangeMiddleColumn();
    if (splash == Splash::AsDesigned && !m_program.observerFileExists())
        ShowSplash();
    setColour(Command32[0], Colour::Green);
}

void frm_Fauna::ShowTodayAndNow()
{
    const QString today = QDate::currentDate().toString(DateFormat);
    const QString now = QTime::currentTime().toString(TimeFormat);
    Text2->setText(today);
    Text5->setText(today);
    Text3->setText(now);
    Text6->setText(now);
}

// The line is the port (one character) and the speed, e.g. "14800"; without it, port 5 at 9600.
void frm_Fauna::ReadGpsSettings()
{
    const QString line = ReadFirstLine(m_program.filePath(QStringLiteral("DefaultGPSSettings.txt")));
    m_program.gpsPort = line.isEmpty() ? QStringLiteral("5") : line.left(1);
    m_program.gpsSpeed = line.isEmpty() ? 9600 : line.mid(1).toInt();
}

void frm_Fauna::FillListsFromDatabase()
{
    Database &db = m_program.mainConnection();
    fillActivities(Combo2, db);
    FillReferenceList();
    fillCodeList(Combo6, db, QStringLiteral("Reirplassering"), QStringLiteral("ReirplasseringTekst"), 40);
    fillCodeList(Combo7, db, QStringLiteral("Tresorter"), QStringLiteral("TresortTekst"), 40);
    Combo3->addItem(QStringLiteral("-"));
    Combo3->addItems(CountyItems(m_program));
    fillNumbers(Combo8, 30);
    for (QComboBox *count : {Combo9, Combo10, Combo11})
        fillNumbers(count, 15);
    fillCodeList(Combo12, db, QStringLiteral("Ungealder"), QStringLiteral("UngealderTekst"), 30);
}

// "Documentation" is put away; "Registrerte arter" takes the top of the middle column.
void frm_Fauna::ArrangeMiddleColumn()
{
    List5->move(24, 32);
    Frame7->setGeometry(458, 4, 300, 376);
    List3->setGeometry(8, 22, 284, 316);
    List6->setGeometry(8, 22, 284, 316);
    Check1->move(8, 344);
    Frame6->hide();
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
