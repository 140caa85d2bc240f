#include "support/FaunaWindow.h"

#include "core/shared/TextFiles.h"
#include "core/store/Program.h"
#include "gui/group/GroupDialog.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

const QString Blackbird = "Svarttrost (Turdus merula) [11870]";
const QString Fieldfare = "Gråtrost (Turdus pilaris) [11980]";
const QString Whooper = "Sangsvane (Cygnus cygnus) [01540]";

// Species, count and place as the user would leave them before "&Lagre registrering".
void enter(FaunaWindow &w, const QString &species, const QString &count)
{
    w.enter({"Combo13=Per's holme", "Text7=63.4305", "Text8=10.3951", "Command2=" + species, "Text1=" + count});
}

qint64 saveNew(FaunaWindow &w, const QString &species, const QString &count)
{
    enter(w, species, count);
    w.click("Command7");
    return w.lastObsId();
}

QString allObsIds(FaunaWindow &w)
{
    return w.t.db().scalar("SELECT group_concat(ObsID) FROM Observasjoner").toString();
}

// "&Grupperegistrering" with the species picked, saved from the grid; a save the store refuses is
// given up on the header. Without species the species list is cancelled.
bool groupRegistration(FaunaWindow &w, const QStringList &speciesKeys)
{
    return answerModal([&] { w.click("Command24"); },
                       [&](QWidget *speciesList) {
                           if (speciesKeys.isEmpty()) {
                               click(speciesList, "Command1");
                               return;
                           }
                           QVERIFY(answerModal([&] { click(speciesList, "Command3"); },
                                               [&](QWidget *picker) {
                                                   auto *all = child<ChoiceList>(picker, "List1");
                                                   for (const QString &key : speciesKeys)
                                                       all->choose(key);
                                                   click(picker, "Command2");
                                               }));
                           ModalAnswer grid([](QWidget *window) {
                               click(window, "Command4");
                               click(window, "Command9");
                               if (window->isVisible())
                                   click(window, "Command8");
                           });
                           click(speciesList, "Command2");
                       });
}

bool inBrowseState(FaunaWindow &w)
{
    return w.shown("Command7") == "&Ny registrering" && isGreen(w.control("Command7")) &&
           w.control("Command8")->isEnabled() && w.shown("Command9") == "&Stryk registrering" &&
           w.control("Command11")->isVisibleTo(&w.window);
}

} // namespace

class WorkflowTest : public QObject {
    Q_OBJECT
private slots:
    // A new registration is refused first (nothing typed is lost), then saved, and the window stays
    // new (the edit state's colours and controls are tested in tst_showregistration). Two more and a
    // fourth cancelled are browsed, one changed through "Siste observasjoner", one deleted.
    void registrationsSavedBrowsedChangedAndDeleted()
    {
        FaunaWindow w;
        const QString observer = w.t.addObserver("Kari", "Nordmann", "KN", true);
        w.click("Command7");
        QCOMPARE(w.shownAs({"Text1", "Command2"}), (QStringList{"Text1=1", "Command2=&Art"}));
        QVERIFY(!w.control("Command8")->isEnabled());
        const QModelIndex first = w.control<QAbstractItemView>("List1")->model()->index(0, 0);
        QCOMPARE(Qt::CheckState(first.data(Qt::CheckStateRole).toInt()), Qt::Checked);

        saveNew(w, "&Art", "3");
        QCOMPARE(w.t.prompter().lastText(), QString("Du må oppgi en art"));
        QCOMPARE(allObsIds(w), QString());
        QCOMPARE(w.shownAs({"Text1", "Command7"}), (QStringList{"Text1=3", "Command7=&Lagre registrering"}));

        w.t.prompter().shown.clear();
        const qint64 blackbird = saveNew(w, Blackbird, "2");
        QCOMPARE(w.t.prompter().lastText(), QString());
        const QStringList stored = {"Art=11870", "Lokalitet=Per's holme", "Fylke_Kommune=", "Observatører=" + observer,
                                    "Rapportert=0"};
        QCOMPARE(w.storedAs(blackbird, stored), stored);
        const QString uniqueId = w.column(blackbird, "ObsUniqueID");
        QVERIFY(QRegularExpression("^\\d{14}-\\d+$").match(uniqueId).hasMatch());
        // Ready for the next species at the same place.
        const QStringList next = {"Command7=&Lagre registrering", "Text1=", "Command2=&Art", "Text7=63.4305",
                                  "Combo13=Per's holme"};
        QCOMPARE(w.shownAs(next), next);
        auto *saved = w.control<QAbstractItemView>("List2");
        QCOMPARE(entries(saved).size(), 1);
        QVERIFY(entries(saved)[0].startsWith("Svarttrost Antall = 2"));
        QCOMPARE(bracketCode(entries(saved)[0]), QString::number(blackbird));

        const qint64 fieldfare = saveNew(w, Fieldfare, "7");
        const qint64 whooper = saveNew(w, Whooper, "4");
        enter(w, Fieldfare, "1");
        w.click("Command9"); // cancelled: nothing stored, the row the set stands on shown
        QVERIFY(inBrowseState(w));
        QCOMPARE(w.shownAs({"Command2", "Text1"}), (QStringList{"Command2=" + Whooper, "Text1=4"}));
        w.t.db().execute("UPDATE Observasjoner SET Rapportert = 1");

        // Rows saved in this run are browsed by species key, as after a restart, not as saved.
        w.click("Command11");
        QCOMPARE(w.shown("Command2"), Whooper); // "<---" on the first row shows it again
        for (const QString &next : {Blackbird, Fieldfare, Fieldfare}) {
            w.click("Command12");
            QCOMPARE(w.shown("Command2"), next); // "--->" on the last row shows it again
        }
        w.click("Command11");
        QCOMPARE(w.shown("Command2"), Blackbird);

        // Away from the blackbird, then double click its line and change the count.
        w.click("Command11");
        doubleClickEntry(saved, 0);
        QCOMPARE(w.shown("Command8"), QString("&Lagre endring"));
        QVERIFY(!w.control("Command33")->isEnabled());
        QCOMPARE(w.shown("Command2"), Blackbird);
        w.control<QLineEdit>("Text1")->setText("5");
        w.click("Command8");
        QVERIFY(inBrowseState(w));
        const QStringList changed = {"Antall=5", "ObsUniqueID=" + uniqueId, "Rapportert=0", "Observatører=" + observer};
        QCOMPARE(w.storedAs(blackbird, changed), changed);
        QCOMPARE(saved->model()->rowCount(), 3);
        QVERIFY(entries(saved)[0].startsWith("Svarttrost Antall = 5"));

        // Declined, then agreed.
        w.t.prompter().yesNoAnswers = {false, true};
        w.click("Command9");
        QVERIFY(inBrowseState(w));
        QCOMPARE(allObsIds(w), QString("%1,%2,%3").arg(blackbird).arg(fieldfare).arg(whooper));
        w.click("Command9");
        QCOMPARE(w.t.prompter().lastText(), QString("Observasjonen er strøket."));
        QVERIFY(inBrowseState(w));
        QCOMPARE(allObsIds(w), QString("%1,%2").arg(fieldfare).arg(whooper));
        QCOMPARE(w.shown("Command2"), Whooper); // the first row in key order
        QCOMPARE(w.t.db().scalar("PRAGMA integrity_check").toString(), QString("ok"));
    }

    // The group windows leave the record set on the rows they saved, or on rows rolled back when the
    // store refused them, and the archive on the row clicked: the main window goes on showing,
    // changing and deleting its own row (a delete refused first). Deleting the only row leaves an
    // empty window.
    void otherWindowsLeaveTheShownRowToChangeAndDelete_data()
    {
        QTest::addColumn<QStringList>("groupSpecies"); // none: the species list cancelled
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("archiveAfter"); // opened after the group windows, closed at once
        QTest::addColumn<int>("groupRows");
        const QStringList two{"14640", "02060"};
        QTest::newRow("group saved") << two << false << false << 2;
        QTest::newRow("group refused") << two << true << false << 0;
        QTest::newRow("group cancelled") << QStringList() << false << false << 0;
        QTest::newRow("group saved, archive closed") << two << false << true << 2;
    }
    void otherWindowsLeaveTheShownRowToChangeAndDelete()
    {
        QFETCH(QStringList, groupSpecies);
        QFETCH(bool, refused);
        QFETCH(bool, archiveAfter);
        QFETCH(int, groupRows);
        FaunaWindow w;
        const QString observer = w.t.addObserver("Ola", "Nordmann", "ON");
        w.t.db().execute("INSERT INTO Lokalitet(ID, Lokalitet) VALUES (5, 'Gåsholmen')");
        const qint64 shown = w.insertObservation({{"Art", "11870"},
                                                  {"Antall", 3},
                                                  {"StartDato", "2024-05-01 08:00:00"},
                                                  {"StoppDato", "2024-05-01 09:00:00"},
                                                  {"Lokalitet", "Tjønna"},
                                                  {"Breddegrad", "63.4305"},
                                                  {"Lengdegrad", "10.3951"},
                                                  {"Observatører", observer},
                                                  {"ObsUniqueID", "20240501080000-1"}});
        QVERIFY(w.show(shown));
        if (refused) // the second species: the first is rolled back with it
            w.t.db().execute("CREATE TRIGGER refuse BEFORE INSERT ON Observasjoner "
                             "WHEN (SELECT count(*) FROM Observasjoner) > 1 BEGIN SELECT RAISE(ABORT, 'full'); END");
        QVERIFY(groupRegistration(w, groupSpecies));
        if (archiveAfter)
            QVERIFY(answerModal([&] { w.click("Command1"); }, [](QWidget *archive) { click(archive, "Command1"); }));
        QCOMPARE(w.shownAs({"Command2", "Text1"}), (QStringList{"Command2=" + Blackbird, "Text1=3"}));

        w.click("Command8");
        w.control<QLineEdit>("Text1")->setText("5");
        w.click("Command8");
        QVERIFY(inBrowseState(w));
        const QStringList changed{"Antall=5", "ObsUniqueID=20240501080000-1"};
        QCOMPARE(w.storedAs(shown, changed), changed);
        // Rows, distinct ObsUniqueIDs, rows with the changed count.
        const auto census = [&] {
            return w.t.db()
                .scalar("SELECT count(*) || '/' || count(DISTINCT ObsUniqueID) || '/' || "
                        "ifnull(sum(Antall = 5), 0) FROM Observasjoner")
                .toString();
        };
        QCOMPARE(census(), QString("%1/%1/1").arg(groupRows + 1));

        // A delete the store refuses leaves the row shown in the browse state, with the reason.
        w.t.db().execute("CREATE TRIGGER keep BEFORE DELETE ON Observasjoner BEGIN SELECT RAISE(ABORT, 'locked'); END");
        w.t.prompter().yesNoAnswers = {true, true};
        w.click("Command9");
        QCOMPARE(w.t.prompter().shown.last().icon, Prompter::Icon::Critical);
        QVERIFY(inBrowseState(w));
        QVERIFY(isGreen(w.control("Command9")) && !w.control("Text1")->isEnabled());
        QCOMPARE(w.shownAs({"Command2", "Text1"}), (QStringList{"Command2=" + Blackbird, "Text1=5"}));
        QCOMPARE(census(), QString("%1/%1/1").arg(groupRows + 1));
        w.t.db().execute("DROP TRIGGER keep");
        w.click("Command9");
        QCOMPARE(w.column(shown, "ObsID"), QString()); // the row shown is the one deleted
        QCOMPARE(census(), QString("%1/%1/0").arg(groupRows));
        if (groupRows > 0)
            return;
        QCOMPARE(w.shownAs({"Command2", "Combo13"}), (QStringList{"Command2=&Art", "Combo13="}));
        QVERIFY(inBrowseState(w));
        for (const char *button : {"Command8", "Command9"}) {
            w.t.prompter().shown.clear();
            w.click(button);
            QCOMPARE(w.t.prompter().lastText(), QString("Ingen observasjon er valgt."));
        }
    }

    // A group saved on a new store (its observer in the register alone) leaves nothing shown: "--->"
    // then starts at the first row. The new species are listed, the locality's number by its name,
    // and a new registration starts with the species selected in the list.
    void groupOnANewStoreThenBrowseAndStartNew()
    {
        FaunaWindow w;
        w.t.addObserver("Ola", "Nordmann", "ON");
        w.t.db().execute("INSERT INTO Lokalitet(ID, Lokalitet) VALUES (5, 'Gåsholmen')");
        QVERIFY(groupRegistration(w, {"14640", "02060"}));
        QCOMPARE(w.shown("Command2"), QString("&Species"));
        w.click("Command12");
        QVERIFY2(w.shown("Command2").endsWith("[02060]"), qPrintable(w.shown("Command2")));
        w.click("Command12");
        QVERIFY2(w.shown("Command2").endsWith("[14640]"), qPrintable(w.shown("Command2")));
        w.window.RefreshLocalityList({});
        QCOMPARE(entries(w.control<QComboBox>("Combo13")), QStringList{"Gåsholmen"});
        auto *registered = w.control<QAbstractItemView>("List3");
        selectEntry(registered, rowWithKey(registered, "02060"));
        w.click("Command7");
        QVERIFY2(w.shown("Command2").endsWith("[02060]"), qPrintable(w.shown("Command2")));
    }

    // On an empty register a registration cannot be saved without an observer: the refusal says
    // how to add one, and that way, through the picker, keeps everything typed and saves.
    void firstObserverIsAddedWithoutLeavingTheRegistration()
    {
        FaunaWindow w;
        w.click("Command7");
        enter(w, Blackbird, "2");
        w.click("Command7");
        QCOMPARE(w.t.prompter().lastText(), QString("Det må avkrysses en hovedobservatør. Legg til en observatør med "
                                                    "høyre museknapp på observatørlista."));
        auto *observers = w.control<QAbstractItemView>("List1");
        QVERIFY(answerModal([&] { QTest::mouseClick(observers->viewport(), Qt::RightButton); },
                            [](QWidget *picker) {
                                QVERIFY(answerModal([&] { click(picker, "Command3"); },
                                                    [](QWidget *entry) {
                                                        child<QLineEdit>(entry, "Text1")->setText("Kari");
                                                        child<QLineEdit>(entry, "Text2")->setText("Nordmann");
                                                        child<QLineEdit>(entry, "Text8")->setText("KN");
                                                        click(entry, "Command2");
                                                    }));
                                click(picker, "Command2");
                            }));
        QCOMPARE(initialsIn(observers), QStringList{"KN"});
        observers->model()->setData(observers->model()->index(0, 0), Qt::Checked, Qt::CheckStateRole);
        w.t.prompter().shown.clear();
        w.click("Command7");
        QCOMPARE(w.t.prompter().lastText(), QString());
        const QString added =
            w.t.program().observerConnection().scalar("SELECT ObserverUniqueID FROM Observers").toString();
        const QStringList stored{"Art=11870", "Antall=2", "Observatører=" + added};
        QCOMPARE(w.storedAs(w.lastObsId(), stored), stored);
    }

    // A store that refuses the row: nothing is stored, everything typed stays, and the remembered
    // main observer is not changed by a save that did not happen. Then the row is stored but
    // remembering the main observer fails: the failure is shown and the window is ready for the
    // next registration, so a second press cannot store the row twice.
    void failedSaves()
    {
        FaunaWindow w;
        const QString kari = w.t.addObserver("Kari", "Nordmann", "KN", true);
        w.t.addObserver("Per", "Hansen", "PH", true);
        writeLine(w.t.path("MainObserver.txt"), kari);
        w.click("Command7");
        QAbstractItemModel *observers = w.control<QAbstractItemView>("List1")->model();
        for (int i : {0, 1}) {
            const QModelIndex entry = observers->index(i, 0);
            observers->setData(entry, entry.data(Qt::CheckStateRole).toInt() ? Qt::Unchecked : Qt::Checked,
                               Qt::CheckStateRole);
        }
        const QByteArray remembered = contents(w.t.path("MainObserver.txt"));
        w.t.db().execute("CREATE TRIGGER refuse BEFORE INSERT ON Observasjoner BEGIN SELECT RAISE(ABORT, 'full'); END");
        saveNew(w, Blackbird, "2");
        QCOMPARE(w.t.prompter().shown.last().icon, Prompter::Icon::Critical);
        QCOMPARE(allObsIds(w), QString());
        QCOMPARE(w.shownAs({"Command2", "Text1", "Command7"}),
                 (QStringList{"Command2=" + Blackbird, "Text1=2", "Command7=&Lagre registrering"}));
        QCOMPARE(contents(w.t.path("MainObserver.txt")), remembered);

        w.t.db().execute("DROP TRIGGER refuse");
        QFile::remove(w.t.path("MainObserver.txt"));
        QDir(w.t.folder()).mkdir("MainObserver.txt");
        w.t.prompter().shown.clear();
        w.click("Command7");
        const qint64 obsId = w.lastObsId();
        QVERIFY(std::any_of(w.t.prompter().shown.begin(), w.t.prompter().shown.end(),
                            [](const auto &m) { return m.icon == Prompter::Icon::Critical; }));
        QCOMPARE(w.shownAs({"Command2", "Text1"}), (QStringList{"Command2=&Art", "Text1="}));
        w.click("Command7");
        QCOMPARE(allObsIds(w), QString::number(obsId));
    }

    // The button was once left without a handler and opened nothing.
    void aboutButtonOpensTheAboutBox()
    {
        FaunaWindow w;
        QString opened;
        QVERIFY(answerModal([&] { w.click("Command13"); },
                            [&](QWidget *box) {
                                opened = box->objectName();
                                box->close();
                            }));
        QCOMPARE(opened, QString("frmAbout"));
    }
};

QTEST_MAIN(WorkflowTest)
#include "tst_workflow.moc"
