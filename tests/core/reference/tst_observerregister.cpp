#include "core/reference/ObserverRegister.h"
#include "core/shared/DateTexts.h"
#include "support/TestProgram.h"

#include <QRegularExpression>
#include <QtTest>

using namespace lirvenda;

namespace {

// Observers are named by their initials below.
void addObservers(test::TestProgram &t, const QStringList &defaults = {})
{
    for (const auto &[first, last, initials] :
         {std::tuple{"Per", "Hansen", "PHA"}, {"Anna", "Hansen", "AHA"}, {"Åse", "Østby", "ÅØS"}})
        t.addObserver(first, last, initials, defaults.contains(initials));
}

// The initials of each entry, in order: every list here shows them as "(INITIALS)".
template <typename Entry>
QStringList initialsOf(const QList<Entry> &entries)
{
    QStringList out;
    for (const Entry &entry : entries)
        out << entry.text.section('(', 1).section(')', 0, 0);
    return out;
}

Database &observers(test::TestProgram &t) { return t.program().observerConnection(); }

qint64 idOf(test::TestProgram &t, const QString &initials)
{
    return observers(t).scalar("SELECT ObserverID FROM Observers WHERE ObserverInitials = ?", {initials}).toLongLong();
}

QList<qint64> ids(test::TestProgram &t, const QStringList &initials)
{
    QList<qint64> out;
    for (const QString &i : initials)
        out << idOf(t, i);
    return out;
}

// "first/last/initials" as typed in the entry window.
ObserverFields typed(const QString &fields)
{
    return {.firstName = fields.section('/', 0, 0),
            .lastName = fields.section('/', 1, 1),
            .initials = fields.section('/', 2)};
}

// The Observers table as one text, to see that nothing in it has changed.
QString dump(Database &db)
{
    QStringList rows;
    Statement row = db.query("SELECT * FROM Observers ORDER BY ObserverID");
    while (row.next())
        for (const QString &column : row.columnNames())
            rows << row.text(column);
    return rows.join('|');
}

QStringList defaultInitials(test::TestProgram &t)
{
    return observers(t).columnTexts(
        "SELECT ObserverInitials FROM Observers WHERE ObserverDefault = 1 ORDER BY ObserverID");
}

} // namespace

class ObserverRegisterTest : public QObject {
    Q_OBJECT
private slots:
    void searchFindsPartsOfNamesAndInitialsInAnyCase_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("everyone, Norwegian order")
            << "" << QStringList{"ZAU", "OBE", "AHA", "PHA", "JHE", "SON", "ESH", "ÅØS"};
        QTest::newRow("last name, same last name by first") << "HANS" << QStringList{"AHA", "PHA"};
        QTest::newRow("first name") << "ol" << QStringList{"OBE", "ESH"};
        QTest::newRow("initials in small letters") << "aha" << QStringList{"AHA"};
        QTest::newRow("Norwegian letters in any case") << "øst" << QStringList{"ÅØS"};
        QTest::newRow("blanks around the text") << "  per  " << QStringList{"PHA"};
        QTest::newRow("apostrophe") << "o'n" << QStringList{"SON"};
        QTest::newRow("underscore is a character") << "d_h" << QStringList{"ESH"};
    }
    void searchFindsPartsOfNamesAndInitialsInAnyCase()
    {
        QFETCH(QString, search);
        QFETCH(QStringList, found);
        test::TestProgram t;
        addObservers(t);
        for (const QString &o :
             {"Ola/Berg/OBE", "Eva/Strand_Holm/ESH", "Jon/Hedahl/JHE", "Sean/O'Neill/SON", "Zacharias/Aune/ZAU"})
            t.addObserver(o.section('/', 0, 0), o.section('/', 1, 1), o.section('/', 2));
        QCOMPARE(initialsOf(searchObservers(t.program(), search)), found);
    }

    void saveChecksNamesAndInitials_data()
    {
        QTest::addColumn<QString>("changing"); // the initials of the observer changed; empty: a new one
        QTest::addColumn<QString>("fields");   // first/last/initials as typed
        QTest::addColumn<QString>("message");  // empty: stored
        QTest::addColumn<QString>("stored");   // first/last/initials read back
        const QString missing = "Name and initials must be given!", taken = "Initials already used.";
        const auto add = [](const char *name, const QString &changing, const QString &fields, const QString &message,
                            const QString &stored = {}) {
            QTest::newRow(name) << changing << fields << message << stored;
        };
        add("new, initials in capitals", "", "Øystein/Lie/øli", "", "Øystein/Lie/ØLI");
        add("new, last name trimmed", "", "Ola/  Berg  /OBE", "", "Ola/Berg/OBE");
        add("new, Norwegian initials taken in other case", "", "Åge/Øen/åøs", taken);
        add("new, no first name", "", "/Lie/OLI", missing);
        add("new, blank last name", "", "Ola/   /OLI", missing);
        add("new, no initials", "", "Ola/Lie/", missing);
        add("change, own initials kept", "PHA", "Per/Hansen-Berg /pha", "", "Per/Hansen-Berg/PHA");
        add("change, another's initials", "PHA", "Per/Hansen/åøs", "Initials are already used by another observer!");
    }
    void saveChecksNamesAndInitials()
    {
        QFETCH(QString, changing);
        QFETCH(QString, fields);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        test::TestProgram t;
        addObservers(t);
        const QString before = dump(observers(t));
        const qint64 id = changing.isEmpty() ? NewObserver : idOf(t, changing);
        QCOMPARE(saveObserver(t.program(), id, typed(fields)), message);
        if (!message.isEmpty()) {
            QCOMPARE(dump(observers(t)), before);
            return;
        }
        const qint64 savedId = id == NewObserver ? idOf(t, stored.section('/', 2)) : id;
        const ObserverFields read = readObserver(t.program(), savedId).value();
        QCOMPARE(read.firstName + '/' + read.lastName + '/' + read.initials, stored);
        QCOMPARE(observers(t).scalar("SELECT count(*) FROM Observers").toInt(), id == NewObserver ? 4 : 3);
    }

    void savedObserverKeepsWhatWasTypedAndItsUniqueId()
    {
        test::TestProgram t;
        ObserverFields f{" Kari ",         "Nordmann", " Storgata 1 ", "7010", "Norway",
                         "+47 900 00 000", "1970",     "kno",          "A-123"};
        QCOMPARE(saveObserver(t.program(), NewObserver, f), QString());
        const qint64 id = idOf(t, "KNO");
        const auto column = [&](const char *name) {
            return observers(t)
                .scalar(QString("SELECT %1 FROM Observers WHERE ObserverID = ?").arg(name), {id})
                .toString();
        };
        const QString uniqueId = column("ObserverUniqueID");
        QVERIFY2(QRegularExpression("^\\d{14}-\\d+$").match(uniqueId).hasMatch(), qPrintable(uniqueId));
        QCOMPARE(column("ObserverLastupdate"), storedDay(QDate::currentDate()));

        const auto all = [](const ObserverFields &o) {
            return QStringList{o.firstName, o.lastName,  o.address,  o.postalCode,    o.country,
                               o.telephone, o.birthYear, o.initials, o.ringingLicense};
        };
        f.initials = "KNO";
        QCOMPARE(all(readObserver(t.program(), id).value()), all(f));

        f.address = "Nygata 2";
        QCOMPARE(saveObserver(t.program(), id, f), QString());
        QCOMPARE(all(readObserver(t.program(), id).value()), all(f));
        QCOMPARE(column("ObserverUniqueID"), uniqueId);
        QVERIFY(!readObserver(t.program(), id + 1));
    }

    // Each write is one transaction: a failure in the middle leaves the register as it was.
    void failedWritesLeaveTheRegisterAsItWas()
    {
        test::TestProgram t;
        addObservers(t, {"PHA"});
        const QString before = dump(t.db());
        t.db().executeScript(
            "CREATE TRIGGER refuseNew BEFORE INSERT ON Observers BEGIN SELECT RAISE(ABORT, 'disk full'); END;"
            "CREATE TRIGGER refuseDefault BEFORE UPDATE OF ObserverDefault ON Observers "
            "WHEN new.ObserverInitials = 'AHA' AND new.ObserverDefault = 1 "
            "BEGIN SELECT RAISE(ABORT, 'disk full'); END;");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, saveObserver(t.program(), NewObserver, typed("Ola/Berg/OBE")));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, setDefaultObservers(t.program(), ids(t, {"AHA"})));
        QCOMPARE(dump(t.db()), before);
        // The store is usable again at once: no transaction was left open.
        t.db().executeScript("DROP TRIGGER refuseNew; DROP TRIGGER refuseDefault;");
        QCOMPARE(saveObserver(t.program(), NewObserver, typed("Ola/Berg/OBE")), QString());
    }

    // The defaults window's entries in name order with their marks; setting defaults replaces every mark.
    void defaultEntriesAndMarks()
    {
        test::TestProgram t;
        addObservers(t, {"PHA", "ÅØS"});
        t.db().execute("UPDATE Observers SET ObserverMiddleName = 'Marie' WHERE ObserverInitials = 'AHA'");
        QStringList shown;
        for (const DefaultObserverEntry &entry : defaultObserverEntries(t.program()))
            shown << entry.text + (entry.isDefault ? "*" : "");
        QCOMPARE(shown, (QStringList{QString("Hansen, Anna Marie (AHA) [%1]").arg(idOf(t, "AHA")),
                                     QString("Hansen, Per  (PHA) [%1]*").arg(idOf(t, "PHA")),
                                     QString("Østby, Åse  (ÅØS) [%1]*").arg(idOf(t, "ÅØS"))}));
        for (const QStringList &chosen : {QStringList{"AHA"}, QStringList{}, QStringList{"PHA", "AHA", "ÅØS"}}) {
            setDefaultObservers(t.program(), ids(t, chosen));
            QCOMPARE(defaultInitials(t), chosen);
        }
    }

    // With Nest.mdb present every read and write of the register goes there, not to the main file.
    void nestHoldsTheRegisterWhenPresent()
    {
        test::TestProgram t;
        t.addObserver("Kari", "Hovedbase", "KHO", true);
        const QString mainBefore = dump(t.db());
        t.createObserverFile();
        t.addObserver("Nils", "Reir", "NRE", true);
        t.addObserver("Per", "Hansen", "PHA");

        QCOMPARE(initialsOf(searchObservers(t.program(), "")), (QStringList{"PHA", "NRE"}));
        QCOMPARE(saveObserver(t.program(), NewObserver, typed("Kari/Ny/kho")), QString());
        QCOMPARE(saveObserver(t.program(), idOf(t, "PHA"), typed("Per/Hansen/PHA")), QString());
        QCOMPARE(initialsOf(searchObservers(t.program(), "k")), (QStringList{"KHO"}));
        QCOMPARE(initialsOf(defaultObserverEntries(t.program())), (QStringList{"PHA", "KHO", "NRE"}));
        QCOMPARE(initialsOf(registrationObserverChoices(t.program())), (QStringList{"PHA", "KHO", "NRE"}));
        setDefaultObservers(t.program(), ids(t, {"PHA", "KHO"}));
        QCOMPARE(defaultInitials(t), (QStringList{"PHA", "KHO"}));
        QCOMPARE(initialsOf(defaultRegistrationObservers(t.program())), (QStringList{"KHO", "PHA"}));
        QCOMPARE(dump(t.db()), mainBefore);
    }

    // One observer by its unique ID (blanks around it do not count) or its number.
    void observerLookUps()
    {
        test::TestProgram t;
        Program &p = t.program();
        const QString id = t.addObserver("Per", "Hansen", "PHA");
        const QString expected = "Hansen, P. (PHA)" + QString(40, ' ') + "[" + id + "]";
        QCOMPARE(observerEntry(p, "  " + id + " ").text, expected);
        QCOMPARE(observerEntry(p, "  " + id + " ").key, id);
        QCOMPARE(observerEntry(p, "").text, QString());
        QCOMPARE(observerEntry(p, "20000101000000-9").text, QString());
        const qint64 number = idOf(t, "PHA");
        QCOMPARE(observerNameById(p, number), QString("Per Hansen"));
        QCOMPARE(observerNameById(p, number + 1), QString());
        QCOMPARE(observerNameByUniqueId(p, " " + id), QString("Per Hansen"));
        QCOMPARE(observerNameByUniqueId(p, "20000101000000-9"), QString());
    }
};

QTEST_MAIN(ObserverRegisterTest)
#include "tst_observerregister.moc"
