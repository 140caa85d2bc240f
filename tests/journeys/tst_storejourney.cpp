#include "journeys/Journey.h"

#include "core/shared/DateTexts.h"
#include "gui/group/GroupDialog.h"
#include "support/PortalSheets.h"

#include <QDialog>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

const QString Blackbird = "Svarttrost (Turdus merula) [11870]";
const QString Fieldfare = "Gråtrost (Turdus pilaris) [11980]";
const QString GreatTit = "Kjøttmeis (Parus major) [14640]";

// The group's counts by short code, as typed into the grid.
using Counts = QList<std::pair<QString, QString>>;

// The group's grid: the counts typed by short code, "&Gå videre", a new locality made with "Ny"
// beside the localities, "&Lagre"; a refused save is cancelled (its reason is in the prompter).
void fillGridAndSave(QWidget *grid, FaunaWindow &w, const Counts &counts, const QString &locality)
{
    for (const auto &[code, count] : counts)
        for (int row = 0; row < 15; ++row)
            if (child<QLabel>(grid, QString("Label1_%1").arg(row))->text() == code) {
                auto *box = child<QLineEdit>(grid, QString("Text1_%1").arg(row));
                box->selectAll();
                QTest::keyClicks(box, count);
            }
    click(grid, "Command4");
    w.t.prompter().inputAnswers = {locality};
    click(grid, "Command22");
    click(grid, "Command9");
    if (grid->isVisible())
        qobject_cast<QDialog *>(grid)->reject();
}

// "&Grupperegistrering": the species picked from every species, then the grid; answers whether
// the grid came up.
bool registerGroup(FaunaWindow &w, const QStringList &speciesKeys, const Counts &counts, const QString &locality)
{
    const auto pick = [&](QWidget *picker) {
        auto *all = child<ChoiceList>(picker, "List1");
        for (const QString &key : speciesKeys)
            all->choose(key);
        click(picker, "Command2");
    };
    bool gridShown = false;
    const bool opened = answerModal([&] { w.click("Command24"); },
                                    [&](QWidget *speciesList) {
                                        answerModal([&] { click(speciesList, "Command3"); }, pick);
                                        ModalAnswer grid([&](QWidget *window) {
                                            gridShown = true;
                                            fillGridAndSave(window, w, counts, locality);
                                        });
                                        click(speciesList, "Command2");
                                    });
    return opened && gridShown;
}

// The species the main window shows, stepping with "--->" from the first row to the last.
QStringList browseAll(FaunaWindow &w, int rows)
{
    for (int i = 0; i < rows; ++i)
        w.click("Command11");
    QStringList shown = {w.shown("Command2")};
    for (int i = 1; i < rows; ++i) {
        w.click("Command12");
        shown << w.shown("Command2");
    }
    return shown;
}

QString storedCounts(FaunaWindow &w)
{
    return w.t.db().columnTexts("SELECT Art || '=' || Antall FROM Observasjoner ORDER BY Art").join(' ');
}

bool officeInstalled() { return !QStandardPaths::findExecutable("soffice").isEmpty(); }

} // namespace

class StoreJourney : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::NorwegianBokmal, QLocale::Norway)); }

    // From a new store to a backup: an observer, a group of three species at a new locality,
    // browsed, one changed and one deleted, and the two left found, counted, reported and copied.
    void newStoreToBackup()
    {
        FaunaWindow w;
        QCOMPARE(storedObsIds(w), QStringList());
        QVERIFY(addObserverThroughWindows(w, "Kari", "Nordmann", "KN"));
        QCOMPARE(w.t.db().columnTexts("SELECT ObserverInitials || ObserverDefault FROM Observers"), QStringList("KN1"));
        const QString observerId = w.t.db().scalar("SELECT ObserverID FROM Observers").toString();

        QVERIFY(registerGroup(w, {"14640", "11870", "11980"}, {{"TURMER", "3"}, {"TURPIL", "4"}, {"PARMAJ", "5"}},
                              "Gåsholmen"));
        QCOMPARE(w.t.prompter().lastText(), QString("Det ble totalt registrert 3 nye observasjoner."));
        const QString localityId = w.t.db().scalar("SELECT ID FROM Lokalitet WHERE Lokalitet = 'Gåsholmen'").toString();
        QVERIFY(!localityId.isEmpty());
        QCOMPARE(storedCounts(w), QString("11870=3 11980=4 14640=5"));
        QCOMPARE(w.t.db().columnTexts("SELECT DISTINCT Lokalitet FROM Observasjoner"), QStringList(localityId));
        QCOMPARE(
            w.t.db().columnTexts("SELECT DISTINCT ObservasjonsId || '/' || HovedObservatør FROM ObservatørKobling"),
            QStringList(observerId + "/1"));

        // Browsed in the order of the species keys; the rows show the new locality by name.
        QCOMPARE(browseAll(w, 3), QStringList({Blackbird, Fieldfare, GreatTit}));
        QCOMPARE(w.shown("Combo13"), QString("Gåsholmen"));

        // The fieldfare is changed: the row shown is the row stored.
        w.click("Command11");
        QCOMPARE(w.shown("Command2"), Fieldfare);
        w.click("Command8");
        type(w, "Text1", "7");
        type(w, "Text7", "59.9127"); // a group has no position; a change of one of its rows needs one
        type(w, "Text8", "10.7461");
        w.click("Command8");
        QVERIFY2(w.shown("Command8") == "&Endre registrering", qPrintable(w.t.prompter().lastText()));
        QCOMPARE(storedCounts(w), QString("11870=3 11980=7 14640=5"));
        QCOMPARE(w.shownAs({"Command2", "Text1", "Combo13"}),
                 QStringList({"Command2=" + Fieldfare, "Text1=7", "Combo13=Gåsholmen"}));
        // The locality was not touched: the row still refers to the named locality.
        QCOMPARE(w.t.db().columnTexts("SELECT DISTINCT Lokalitet FROM Observasjoner"), QStringList(localityId));

        // The great tit is deleted, and only it.
        w.click("Command12");
        QCOMPARE(w.shown("Command2"), GreatTit);
        w.t.prompter().yesNoAnswers = {true};
        w.click("Command9");
        QCOMPARE(w.t.prompter().lastText(), QString("Observasjonen er strøket."));
        QCOMPARE(storedCounts(w), QString("11870=3 11980=7"));
        const QStringList kept = storedObsIds(w);

        // The archive finds the two at the locality.
        const ArchiveAnswer found = searchArchive(w, "Combo6", localityId);
        QVERIFY(found.opened);
        QCOMPARE(found.caption, QString("Resultater (2 forekomster.)"));
        QCOMPARE(found.lines.size(), 2);
        for (const QString &line : found.lines)
            QVERIFY2(line.contains("Gåsholmen"), qPrintable(line));

        // The statistics of this year count them.
        QStringList report;
        QVERIFY(answerModal([&] { w.click("Command14"); },
                            [&](QWidget *statistics) {
                                report = entries(child<QListWidget>(statistics, "List1"));
                                statistics->close();
                            }));
        QVERIFY2(report.contains("Antall observerte arter: 2"), qPrintable(report.join('\n')));
        QVERIFY2(report.contains("Totalt antall enkeltobservasjoner: 2"), qPrintable(report.join('\n')));

        // The portal export writes them and marks them reported.
        if (officeInstalled()) {
            makeTemplate(w.t.path("lirv_excelimport.xls"));
            w.t.prompter().yesNoAnswers = {true};
            w.click("Command23");
            QVERIFY2(w.t.prompter().lastText().startsWith("Observasjonene ble eksportert"),
                     qPrintable(w.t.prompter().lastText()));
            const QList<QStringList> sheet = readSheet(w.t.path(compactDate(QDate::currentDate()) + "_1.xls"));
            QStringList written;
            for (int row : {2, 3})
                written << sheet.at(row).mid(0, 2).join('=');
            written.sort();
            QCOMPARE(written, QStringList({"TURMER=3", "TURPIL=7"}));
            QCOMPARE(w.t.db().columnTexts("SELECT DISTINCT Rapportert FROM Observasjoner"), QStringList("1"));
        } else {
            qInfo("LibreOffice Calc is not installed: the export step is left out");
        }

        // "lirvenda backup" copies the open diary, "lirvenda restore" puts it in a new folder; the
        // store there opens with the key and holds the two.
        QTemporaryDir target;
        for (const QStringList &command :
             {QStringList{"backup", target.filePath("kopi.tar"), "--folder", w.t.folder()},
              QStringList{"restore", target.filePath("kopi.tar"), "--folder", target.filePath("tilbake")}}) {
            QProcess run;
            run.start(LIRVENDA_EXECUTABLE, command);
            QVERIFY(run.waitForFinished(-1));
            QCOMPARE(run.exitCode(), 0);
        }
        const std::unique_ptr<Database> copied =
            Database::open(target.filePath("tilbake/Observasjoner.mdb"), Program::DatabaseKey);
        QCOMPARE(copied->columnTexts("SELECT ObsID FROM Observasjoner ORDER BY ObsID"), kept);
        QCOMPARE(copied->columnTexts("SELECT Art || '=' || Antall || '@' || Lokalitet FROM Observasjoner ORDER BY Art"),
                 QStringList({"11870=3@" + localityId, "11980=7@" + localityId}));
        QCOMPARE(copied->scalar("SELECT Lokalitet FROM Lokalitet WHERE ID = ?", {localityId}).toString(),
                 QString("Gåsholmen"));
        QCOMPARE(copied->scalar("SELECT count(*) FROM Observers").toInt(), 1);
    }
};

QTEST_MAIN(StoreJourney)
#include "tst_storejourney.moc"
