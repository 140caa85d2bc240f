#include "FaunaWindow.h"

#include "data/SharedProcedures.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

using namespace lirvenda;
using test::FaunaWindow;
using test::isGreen;
using test::isYellow;

namespace {

const QString Blackbird = "Svarttrost (Turdus merula) [11870]";
const QString Fieldfare = "Gråtrost (Turdus pilaris) [11980]";
const QString Whooper = "Sangsvane (Cygnus cygnus) [01540]";

void click(FaunaWindow &w, const char *button) { QTest::mouseClick(w.control<QPushButton>(button), Qt::LeftButton); }

// Species, count and place as the user would leave them before "&Lagre registrering".
void enter(FaunaWindow &w, const QString &species, const QString &count)
{
    w.control<QComboBox>("Combo13")->setEditText("Per's holme");
    w.control<QLineEdit>("Text7")->setText("63.4305");
    w.control<QLineEdit>("Text8")->setText("10.3951");
    w.control<QPushButton>("Command2")->setText(species);
    w.control<QLineEdit>("Text1")->setText(count);
}

qint64 saveNew(FaunaWindow &w, const QString &species, const QString &count)
{
    enter(w, species, count);
    click(w, "Command7");
    return w.t.db().scalar("SELECT max(ObsID) FROM Observasjoner").toLongLong();
}

QString column(FaunaWindow &w, qint64 obsId, const char *name)
{
    return w.t.db().scalar(QString("SELECT \"%1\" FROM Observasjoner WHERE ObsID = ?").arg(name), {obsId}).toString();
}

bool inBrowseState(FaunaWindow &w)
{
    auto *newButton = w.control<QPushButton>("Command7");
    return newButton->text() == "&Ny registrering" && isGreen(newButton) &&
           w.control<QPushButton>("Command8")->isEnabled() &&
           w.control<QPushButton>("Command9")->text() == "&Stryk registrering" &&
           w.control<QPushButton>("Command11")->isVisibleTo(&w.window);
}

} // namespace

class WorkflowTest : public QObject {
    Q_OBJECT
private slots:
    void newRegistrationIsSavedAndTheWindowStaysNew()
    {
        FaunaWindow w;
        const QString observer = w.t.addObserver("Kari", "Nordmann", "KN", true);
        click(w, "Command7");
        QCOMPARE(w.shown("Command7"), QString("&Lagre registrering"));
        QVERIFY(isYellow(w.control<QPushButton>("Command7")));
        QVERIFY(!w.control<QPushButton>("Command8")->isEnabled());
        QCOMPARE(w.shown("Command9"), QString("A&vbryt"));
        QCOMPARE(w.shown("Text1"), QString("1"));
        QCOMPARE(w.shown("Command2"), QString("&Art"));
        QVERIFY(w.control<QPushButton>("Command16_0")->isVisibleTo(&w.window));
        QCOMPARE(w.control<QListWidget>("List1")->item(0)->checkState(), Qt::Checked);

        const qint64 obsId = saveNew(w, Blackbird, "2");
        QCOMPARE(w.t.prompter().lastText(), QString());
        QCOMPARE(column(w, obsId, "Art"), QString("11870"));
        QCOMPARE(column(w, obsId, "Lokalitet"), QString("Per's holme"));
        QCOMPARE(column(w, obsId, "Fylke_Kommune"), QString());
        QCOMPARE(column(w, obsId, "Observatører"), observer);
        QCOMPARE(column(w, obsId, "Rapportert"), QString("0"));
        QVERIFY(QRegularExpression("^\\d{14}-\\d+$").match(column(w, obsId, "ObsUniqueID")).hasMatch());

        // Ready for the next species at the same place.
        QCOMPARE(w.shown("Command7"), QString("&Lagre registrering"));
        QCOMPARE(w.shown("Command2"), QString("&Art"));
        QCOMPARE(w.shown("Text1"), QString());
        QCOMPARE(w.shown("Text7"), QString("63.4305"));
        QCOMPARE(w.shown("Combo13"), QString("Per's holme"));
        QCOMPARE(w.control<QListWidget>("List1")->count(), 1);
        auto *saved = w.control<QListWidget>("List2");
        QCOMPARE(saved->count(), 1);
        QVERIFY(saved->item(0)->text().startsWith("Svarttrost Antall = 2"));
        QCOMPARE(BracketCode(saved->item(0)->text()), QString::number(obsId));
        QCOMPARE(w.control<QGroupBox>("Frame9")->title(), QString("Siste observasjoner av TURMER"));
    }

    void refusedRegistrationKeepsEverythingTyped()
    {
        FaunaWindow w;
        w.t.addObserver("Kari", "Nordmann", "KN", true);
        click(w, "Command7");
        enter(w, "&Art", "3");
        click(w, "Command7");
        QCOMPARE(w.t.prompter().lastText(), QString("Du må oppgi en art"));
        QCOMPARE(w.t.db().scalar("SELECT count(*) FROM Observasjoner").toInt(), 0);
        QCOMPARE(w.shown("Text1"), QString("3"));
        QCOMPARE(w.shown("Command7"), QString("&Lagre registrering"));
    }

    void cancelShowsTheRowTheSetStandsOn()
    {
        FaunaWindow w;
        w.t.addObserver("Kari", "Nordmann", "KN", true);
        click(w, "Command7");
        saveNew(w, Blackbird, "2");
        saveNew(w, Fieldfare, "7");
        enter(w, Whooper, "1");
        click(w, "Command9");
        QVERIFY(inBrowseState(w));
        QCOMPARE(w.shown("Command2"), Fieldfare);
        QCOMPARE(w.shown("Text1"), QString("7"));
        QCOMPARE(w.t.db().scalar("SELECT count(*) FROM Observasjoner").toInt(), 2);
    }

    // Three registrations, browsed, one changed through "Siste observasjoner", one deleted.
    void browseEditAndDelete()
    {
        FaunaWindow w;
        const QString observer = w.t.addObserver("Kari", "Nordmann", "KN", true);
        click(w, "Command7");
        const qint64 fieldfare = saveNew(w, Fieldfare, "7");
        const qint64 blackbird = saveNew(w, Blackbird, "2");
        const qint64 whooper = saveNew(w, Whooper, "4");
        click(w, "Command9");
        w.t.db().execute("UPDATE Observasjoner SET Rapportert = 1");

        // Rows saved in this run follow in the order they were saved; the set stands on the last.
        click(w, "Command12");
        QCOMPARE(w.shown("Command2"), Whooper); // "--->" on the last row shows it again
        w.t.program().observations().reopen(); // as the next start would: key order
        w.window.ShowRegistration();
        QCOMPARE(w.shown("Command2"), Whooper);
        click(w, "Command11");
        QCOMPARE(w.shown("Command2"), Whooper); // "<---" on the first row

        // The blackbird was saved second: double click its line, change the count.
        const QString uniqueId = column(w, blackbird, "ObsUniqueID");
        auto *saved = w.control<QListWidget>("List2");
        w.window.List2_DblClick(saved->item(1));
        QCOMPARE(w.shown("Command8"), QString("&Lagre endring"));
        QVERIFY(!w.control<QPushButton>("Command33")->isEnabled());
        QCOMPARE(w.shown("Command2"), Blackbird);
        w.control<QLineEdit>("Text1")->setText("5");
        click(w, "Command8");
        QVERIFY(inBrowseState(w));
        QCOMPARE(column(w, blackbird, "Antall"), QString("5"));
        QCOMPARE(column(w, blackbird, "ObsUniqueID"), uniqueId);
        QCOMPARE(column(w, blackbird, "Rapportert"), QString("0"));
        QCOMPARE(column(w, blackbird, "Observatører"), observer);
        QCOMPARE(saved->count(), 3);
        QVERIFY(saved->item(1)->text().startsWith("Svarttrost Antall = 5"));
        QCOMPARE(w.shown("Command2"), Blackbird);

        // Declined, then agreed.
        w.t.prompter().yesNoAnswers = {false, true};
        click(w, "Command9");
        QVERIFY(inBrowseState(w));
        QCOMPARE(w.t.db().scalar("SELECT count(*) FROM Observasjoner").toInt(), 3);
        click(w, "Command9");
        QCOMPARE(w.t.prompter().lastText(), QString("Observasjonen er strøket."));
        QVERIFY(inBrowseState(w));
        QCOMPARE(w.t.db().scalar("SELECT group_concat(ObsID) FROM Observasjoner").toString(),
                 QString("%1,%2").arg(fieldfare).arg(whooper));
        QCOMPARE(w.shown("Command2"), Whooper); // the first row in key order
        QCOMPARE(w.t.db().scalar("PRAGMA integrity_check").toString(), QString("ok"));
    }

    void deletingTheOnlyObservationLeavesAnEmptyWindow()
    {
        FaunaWindow w;
        w.insertObservation({{"Art", "11870"}, {"Antall", 1}, {"StartDato", "2024-05-01 08:00:00"},
                             {"Lokalitet", "Tjønna"}});
        w.t.program().observations().reopen();
        w.window.ShowRegistration();
        w.t.prompter().yesNoAnswers = {true};
        click(w, "Command9");
        QCOMPARE(w.shown("Command2"), QString("&Art"));
        QCOMPARE(w.shown("Combo13"), QString());
        QVERIFY(inBrowseState(w));
        click(w, "Command8");
        QCOMPARE(w.t.prompter().lastText(), QString("Ingen observasjon er valgt."));
        click(w, "Command9");
        QCOMPARE(w.t.prompter().lastText(), QString("Ingen observasjon er valgt."));
    }

    void newRegistrationStartsWithTheSelectedRegisteredSpecies()
    {
        FaunaWindow w;
        w.insertObservation({{"Art", "11980"}, {"StartDato", "2024-05-01 08:00:00"}});
        w.window.RefreshSpeciesLists();
        auto *species = w.control<QListWidget>("List3");
        species->setCurrentRow(0);
        click(w, "Command7");
        QCOMPARE(w.shown("Command2"), Fieldfare);
    }
};

QTEST_MAIN(WorkflowTest)
#include "tst_workflow.moc"
