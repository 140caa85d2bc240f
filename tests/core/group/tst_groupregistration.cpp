#include "core/group/GroupEntries.h"
#include "core/group/GroupSave.h"
#include "core/group/GroupSpecies.h"
#include "core/group/NamedLocalities.h"
#include "core/shared/DateTexts.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;

namespace {

// Species keys "s0", "s1", ... with the counts "0", "1", ...
GroupEntries numberedEntries(int n)
{
    QStringList keys;
    for (int i = 0; i < n; ++i)
        keys << QStringLiteral("s%1").arg(i);
    GroupEntries entries(keys);
    for (int i = 0; i < n; ++i)
        entries[i].count = QString::number(i);
    return entries;
}

// The counts one after another, for single-digit counts.
QString countsOf(const GroupEntries &entries)
{
    QString out;
    for (const GroupSpeciesValues &values : entries.values())
        out += values.count;
    return out;
}

// Two observers, a named locality and a valid header of yesterday.
struct GroupStore {
    test::TestProgram t;
    QString ola, kari;
    GroupHeader header;

    explicit GroupStore(bool observerFile = false)
    {
        if (observerFile)
            t.createObserverFile();
        ola = t.addObserver("Ola", "Nordmann", "ON");
        kari = t.addObserver("Kari", "Hansen", "KH");
        t.db().execute("INSERT INTO Lokalitet(ID, Lokalitet) VALUES (7, 'Gåsholmen')");
        const QString yesterday = QDate::currentDate().addDays(-1).toString("dd.MM.yyyy");
        const auto id = [&](const QString &uniqueId) {
            return t.program()
                .observerConnection()
                .scalar("SELECT ObserverID FROM Observers WHERE ObserverUniqueID = ?", {uniqueId})
                .toString();
        };
        header = {yesterday, "06:00", yesterday, "07:30", {"Gåsholmen", 7}, id(ola), {id(kari)}};
    }
};

} // namespace

class GroupRegistrationTest : public QObject {
    Q_OBJECT
private slots:
    // Clicks on eight species whose counts are their numbers: "r2" remembers species 2, "s6"
    // is a Shift-click on species 6, "c4" a Ctrl-click on species 4.
    void copyButtons_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("expected"); // the eight counts
        QTest::addColumn<int>("refused");
        QTest::newRow("plain click changes nothing") << "r2" << QString("01234567") << 0;
        QTest::newRow("shift copies down from the source") << "r2 s6" << QString("01222227") << 0;
        QTest::newRow("ctrl copies to one species") << "r2 c5" << QString("01234267") << 0;
        QTest::newRow("ctrl may copy upwards") << "r5 c0" << QString("51234567") << 0;
        QTest::newRow("shift with nothing remembered") << "s4" << QString("01234567") << 1;
        QTest::newRow("ctrl with nothing remembered") << "c4" << QString("01234567") << 1;
        QTest::newRow("shift above the source") << "r4 s2 s4" << QString("01234567") << 2;
        QTest::newRow("the source stays after a shift") << "r1 s2 s4" << QString("01111567") << 0;
    }
    void copyButtons()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, expected);
        QFETCH(int, refused);
        GroupEntries entries = numberedEntries(8);
        int refusals = 0;
        for (const QString &click : clicks.split(' ')) {
            const int species = click.mid(1).toInt();
            if (click.startsWith('r'))
                entries.remember(GroupField::Count, species);
            else if (!(click.startsWith('s') ? entries.copyDown(GroupField::Count, species)
                                             : entries.copyTo(GroupField::Count, species)))
                ++refusals;
        }
        QCOMPARE(countsOf(entries), expected);
        QCOMPARE(refusals, refused);
    }

    // Each button copies only its own field.
    void copyOnlyItsField()
    {
        GroupEntries entries = numberedEntries(3);
        entries[0].agePosition = 4;
        entries[0].comment = "sang";
        entries.remember(GroupField::Age, 0);
        QVERIFY(entries.copyDown(GroupField::Age, 2));
        QCOMPARE(entries[2].agePosition, 4);
        QCOMPARE(entries[2].comment, QString());
        QCOMPARE(entries[2].count, "2");
    }

    void counts_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<bool>("valid");
        QTest::newRow("zero") << "0" << true;
        QTest::newRow("whole") << "12" << true;
        QTest::newRow("decimal comma") << "2,5" << true;
        QTest::newRow("minus one half") << "-0,5" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("text") << "mange" << false;
    }
    void counts()
    {
        QFETCH(QString, count);
        QFETCH(bool, valid);
        QCOMPARE(isGroupCount(count), valid);
        GroupEntries entries = numberedEntries(3);
        entries[2].count = count;
        entries[2].leftOut = true; // a species left out is checked too
        QCOMPARE(entries.countsValid(), valid);
    }

    void headerProblems_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("message");
        const QString badDate = "Ulovlig dato.", noLocality = "Du må velge en lokalitet fra lista.";
        QTest::newRow("valid") << "" << QString();
        QTest::newRow("bad start date") << "startDate=31.04.2013" << badDate;
        QTest::newRow("bad stop time") << "stopTime=12.30" << badDate;
        QTest::newRow("hour out of range") << "startTime=24:00" << QString("Ulovlig tid!");
        QTest::newRow("stop before start") << "stopTime=05:59" << QString("Stopptid er før starttid.");
        QTest::newRow("equal moments") << "stopTime=06:00" << QString();
        QTest::newRow("main observer among the others")
            << "same" << QString("Hoved- og medobservatør kan ikke være samme person.");
        QTest::newRow("no locality") << "usedPlace=" << noLocality;
        QTest::newRow("unknown locality") << "localityId=8" << noLocality;
        QTest::newRow("used place") << "usedPlace=Storvatnet" << QString();
        QTest::newRow("used place without a name") << "usedPlace= " << noLocality;
        QTest::newRow("main observer not registered")
            << "mainObserverId=99" << QString("Du må velge en hovedobservatør fra lista.");
    }
    void headerProblems()
    {
        QFETCH(QString, change);
        QFETCH(QString, message);
        GroupStore s;
        GroupHeader &h = s.header;
        const QString field = change.section('=', 0, 0), value = change.section('=', 1);
        const QMap<QString, QString *> texts{{"startDate", &h.startDate},
                                             {"startTime", &h.startTime},
                                             {"stopTime", &h.stopTime},
                                             {"mainObserverId", &h.mainObserverId}};
        if (texts.contains(field))
            *texts[field] = value;
        else if (field == "same")
            h.otherObserverIds << h.mainObserverId;
        else if (field == "localityId")
            h.locality = {QString(), value.toLongLong()};
        else if (field == "usedPlace")
            h.locality = {value, 0};
        const QList<ValidationMessage> problems = groupHeaderProblems(s.t.program(), h);
        QCOMPARE(problems.isEmpty() ? QString() : problems.first().text, message);
    }

    // Every species not left out becomes a row with the header's values and its own, linked to
    // the observers by ObserverID, whether the register is in Nest.mdb or not.
    void save_data()
    {
        QTest::addColumn<bool>("observerFile");
        QTest::newRow("register in Observasjoner.mdb") << false;
        QTest::newRow("register in Nest.mdb") << true;
    }
    void save()
    {
        QFETCH(bool, observerFile);
        GroupStore s(observerFile);
        GroupEntries entries(QStringList{"11870", " 11980 ", "14640"});
        entries[0] = {"11870", 1, "2,5", 2, 3, false, 1, "sang"};
        entries[2].leftOut = true;
        QCOMPARE(saveGroupRegistration(s.t.program(), s.header, entries.values(), QDate(2024, 5, 1)), 2);

        Statement rows = s.t.db().query("SELECT * FROM Observasjoner ORDER BY ObsID");
        QVERIFY(rows.next());
        const QString start = storedDateTime(s.header.startDate, "06:00");
        QCOMPARE(
            QStringList({rows.text("Art"), rows.text("Operator"), rows.text("Antall"), rows.text("Kjønn"),
                         rows.text("Alder"), rows.text("AtlasKode"), rows.text("Kommentar"), rows.text("Lokalitet"),
                         rows.text("StartDato"), rows.text("SistEndret"), rows.text("Observatører")}),
            QStringList({"11870", ">", "3", "Hunn", "1K", "1", "sang", "7", start, "2024-05-01 00:00:00",
                         s.ola + ',' + s.kari}));
        QVERIFY(!rows.text("ObsUniqueID").isEmpty());
        QVERIFY(rows.next()); // defaults, the key trimmed
        QCOMPARE(QStringList({rows.text("Art"), rows.text("Operator"), rows.text("Antall"), rows.text("Kjønn"),
                              rows.text("Alder"), rows.text("AtlasKode"), rows.text("Kommentar")}),
                 QStringList({"11980", "=", "0", "", "", "", ""}));
        QVERIFY(!rows.next());

        const QString main = s.header.mainObserverId, other = s.header.otherObserverIds.first();
        QCOMPARE(s.t.db().columnTexts("SELECT RecordID || ':' || ObservasjonsId || ':' || HovedObservatør "
                                      "FROM ObservatørKobling ORDER BY rowid"),
                 QStringList({"1:" + main + ":1", "1:" + other + ":0", "2:" + main + ":1", "2:" + other + ":0"}));
    }

    // A write that fails at the k-th row leaves nothing of the save behind, nor the used place it
    // would have named; saved, a used place becomes a named locality, once, and the rows store its ID.
    void usedPlaceNamedOnlyBySaves_data()
    {
        QTest::addColumn<int>("failingRow");
        QTest::newRow("first") << 0;
        QTest::newRow("third") << 2;
    }
    void usedPlaceNamedOnlyBySaves()
    {
        QFETCH(int, failingRow);
        GroupStore s;
        s.t.insertObservation({{"Art", "00020"}, {"Lokalitet", "Storvatnet"}});
        s.t.db().execute(QStringLiteral("CREATE TRIGGER Fails BEFORE INSERT ON Observasjoner "
                                        "WHEN (SELECT count(*) FROM Observasjoner) >= %1 "
                                        "BEGIN SELECT RAISE(ABORT, 'disk full'); END")
                             .arg(failingRow + 1));
        const GroupEntries entries(QStringList{"11870", "11980", "14640", "05900"});
        s.header.locality = {"Storvatnet", 0};
        QVERIFY_THROWS_EXCEPTION(DatabaseError, saveGroupRegistration(s.t.program(), s.header, entries.values()));
        QCOMPARE(s.t.db().scalar("SELECT count(*) FROM Observasjoner").toInt(), 1);
        QCOMPARE(s.t.db().scalar("SELECT count(*) FROM ObservatørKobling").toInt(), 0);
        QCOMPARE(s.t.db().scalar("SELECT count(*) FROM Lokalitet").toInt(), 1);

        s.t.db().execute("DROP TRIGGER Fails");
        for (int save = 0; save < 2; ++save)
            QCOMPARE(saveGroupRegistration(s.t.program(), s.header, entries.values()), 4);
        QCOMPARE(s.t.db().columnTexts("SELECT ID || ':' || Lokalitet FROM Lokalitet ORDER BY ID"),
                 QStringList({"7:Gåsholmen", "8:Storvatnet"}));
        QCOMPARE(s.t.db().columnTexts("SELECT DISTINCT Lokalitet FROM Observasjoner WHERE Art = '11870'"),
                 QStringList({"8"}));
    }

    // The named localities and the used places that are none of them (a group registration's
    // number is its named locality; a name in another case is the same place).
    void localityChoices()
    {
        GroupStore s;
        s.t.db().execute("INSERT INTO Lokalitet(ID, Lokalitet) VALUES (8, 'aker')");
        for (const char *place : {"Åsen", "Zeta", "Aker", "7", "Øra", "Bø", "Bø"})
            s.t.insertObservation({{"Art", "00020"}, {"Lokalitet", place}});
        const auto texts = [](const QList<LocalityChoice> &choices) {
            QStringList out;
            for (const LocalityChoice &choice : choices)
                out << localityEntry(choice).text;
            return out;
        };
        QCOMPARE(texts(namedAndUsedLocalities(s.t.program())),
                 QStringList({"Gåsholmen          [7]", "aker          [8]", "Bø", "Zeta", "Øra", "Åsen"}));
        QCOMPARE(texts(groupLocalityChoices(s.t.program())),
                 QStringList({"aker          [8]", "Bø", "Gåsholmen          [7]", "Zeta", "Øra", "Åsen"}));
    }

    // "Ny" adds a named locality by its trimmed name; an empty one, or one already there in any
    // case, is refused.
    void newLocality_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("refusal");
        const QString empty = "Skriv inn et navn på lokaliteten.", there = "Lokaliteten finnes allerede.";
        QTest::newRow("blanks around") << "  Storvatnet " << QString();
        QTest::newRow("blanks only") << "   " << empty;
        QTest::newRow("already there in capitals") << " GÅSHOLMEN" << there;
    }
    void newLocality()
    {
        QFETCH(QString, name);
        QFETCH(QString, refusal);
        GroupStore s;
        const NewLocality added = addNamedLocality(s.t.program(), name);
        QCOMPARE(added.refusal, refusal);
        const QStringList expected =
            refusal.isEmpty() ? QStringList({"7:Gåsholmen", "8:Storvatnet"}) : QStringList({"7:Gåsholmen"});
        QCOMPARE(s.t.db().columnTexts("SELECT ID || ':' || Lokalitet FROM Lokalitet ORDER BY ID"), expected);
        if (refusal.isEmpty())
            QCOMPARE(added.locality, (LocalityChoice{"Storvatnet", 8}));
    }

    // Observed species with a row in the species table, each once, by key or by name; species
    // whose key has blanks around it are found too.
    void observedSpecies()
    {
        test::TestProgram t;
        for (const QString &key : {"14640", "11870", "11870", " 05900", "999999"})
            t.insertObservation({{"Art", key}});
        const auto keys = [&](bool inKeyOrder) {
            QStringList out;
            for (const KeyedEntry &entry : observedGroupSpecies(t.program(), inKeyOrder))
                out << entry.key;
            return out;
        };
        QCOMPARE(keys(true), QStringList({"05900", "11870", "14640"}));
        QCOMPARE(keys(false), QStringList({"05900", "14640", "11870"})); // Fiskemåke, Kjøttmeis, Svarttrost
        QCOMPARE(observedGroupSpecies(t.program(), true).at(1).text, "Svarttrost (Turdus merula) [11870]");
    }
};

QTEST_GUILESS_MAIN(GroupRegistrationTest)
#include "tst_groupregistration.moc"
