#include "data/SharedProcedures.h"
#include "reference/ObserverRegister.h"
#include "support/TestProgram.h"

#include <QDate>
#include <QRegularExpression>
#include <QtTest>

using namespace lirvenda;

namespace {

// Observers are named by their initials in the tables below.
void addRegister(test::TestProgram &t)
{
    t.addObserver("Per", "Hansen", "PHA");
    t.addObserver("Anna", "Hansen", "AHA");
    t.addObserver("Åse", "Østby", "ÅØS");
    t.addObserver("Ola", "Berg", "OBE");
    t.addObserver("Eva", "Strand_Holm", "ESH");
    t.addObserver("Jon", "Hedahl", "JHE");
    t.addObserver("Sean", "O'Neill", "SON");
    t.addObserver("Zacharias", "Aune", "ZAU");
}

// The initials of each entry, in order; every list here ends its entry's visible text with "(INITIALS)".
QStringList initialsOf(const QStringList &entries)
{
    static const QRegularExpression initials(QStringLiteral("\\(([^)]*)\\)"));
    QStringList out;
    for (const QString &entry : entries)
        out << initials.match(entry).captured(1);
    return out;
}

qint64 idOf(test::TestProgram &t, const QString &initials)
{
    return t.program().observerConnection()
        .scalar("SELECT ObserverID FROM Observers WHERE ObserverInitials = ?", {initials})
        .toLongLong();
}

QVariant stored(test::TestProgram &t, const QString &column, qint64 observerId)
{
    return t.program().observerConnection().scalar(
        QString("SELECT %1 FROM Observers WHERE ObserverID = ?").arg(column), {observerId});
}

ObserverFields typed(const QString &first, const QString &last, const QString &initials)
{
    ObserverFields f;
    f.firstName = first;
    f.lastName = last;
    f.initials = initials;
    return f;
}

// The Observers table of the database as one text, to see that nothing in it has changed.
QString dump(Database &db)
{
    QStringList rows;
    Statement row = db.query("SELECT * FROM Observers ORDER BY ObserverID");
    while (row.next()) {
        QStringList values;
        for (const QString &column : row.columnNames())
            values << row.text(column);
        rows << values.join('|');
    }
    return rows.join('\n');
}

QStringList defaultInitials(test::TestProgram &t)
{
    QStringList out;
    Statement row = t.program().observerConnection().query(
        "SELECT ObserverInitials FROM Observers WHERE ObserverDefault = 1 ORDER BY ObserverID");
    while (row.next())
        out << row.text("ObserverInitials");
    return out;
}

QList<qint64> ids(test::TestProgram &t, const QStringList &initials)
{
    QList<qint64> out;
    for (const QString &i : initials)
        out << idOf(t, i);
    return out;
}

} // namespace

class ObserverRegisterTest : public QObject {
    Q_OBJECT
private slots:
    void searchFindsPartsOfNamesAndInitialsInAnyCase_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("everyone, Norwegian order") << ""
                                                   << QStringList{"ZAU", "OBE", "AHA", "PHA", "JHE", "SON", "ESH", "ÅØS"};
        QTest::newRow("last name, same last name by first") << "HANS" << QStringList{"AHA", "PHA"};
        QTest::newRow("two letters anywhere") << "ha" << QStringList{"ZAU", "AHA", "PHA"};
        QTest::newRow("first name") << "ol" << QStringList{"OBE", "ESH"};
        QTest::newRow("initials in small letters") << "aha" << QStringList{"AHA"};
        QTest::newRow("Norwegian letters in any case") << "øst" << QStringList{"ÅØS"};
        QTest::newRow("blanks around the text") << "  per  " << QStringList{"PHA"};
        QTest::newRow("apostrophe") << "o'n" << QStringList{"SON"};
        QTest::newRow("underscore is a character") << "d_h" << QStringList{"ESH"};
        QTest::newRow("percent is a character") << "%" << QStringList{};
        QTest::newRow("no match") << "xyz" << QStringList{};
    }

    void searchFindsPartsOfNamesAndInitialsInAnyCase()
    {
        QFETCH(QString, search);
        QFETCH(QStringList, found);
        test::TestProgram t;
        addRegister(t);
        QCOMPARE(initialsOf(SearchObservers(t.program(), search)), found);
    }

    void searchEntryShowsNameAddressAndKey()
    {
        test::TestProgram t;
        t.addObserver("Per", "Hansen", "PHA");
        const qint64 id = idOf(t, "PHA");
        t.program().observerConnection().execute(
            "UPDATE Observers SET ObserverAddress = 'Storgata 1', ObserverPostalCode = '7010'");
        QCOMPARE(SearchObservers(t.program(), "per"),
                 QStringList{QString("Hansen, Per (PHA). Storgata 1 7010 [%1]").arg(id)});
    }

    void saveChecksNamesAndInitials_data()
    {
        QTest::addColumn<QString>("changing"); // the initials of the observer changed; empty: a new one
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("initials");
        QTest::addColumn<QString>("message");  // empty: stored
        QTest::addColumn<QString>("storedLast");
        QTest::addColumn<QString>("storedInitials");

        const QString missing = "Name and initials must be given!";
        QTest::newRow("new, initials in capitals") << "" << "Øystein" << "Lie" << "øli" << "" << "Lie" << "ØLI";
        QTest::newRow("new, last name trimmed") << "" << "Ola" << "  Berg  " << "OBE" << "" << "Berg" << "OBE";
        QTest::newRow("new, initials taken") << "" << "Pål" << "Hauge" << "PHA" << "Initials already used." << "" << "";
        QTest::newRow("new, initials taken in other case") << "" << "Pål" << "Hauge" << "pha"
                                                           << "Initials already used." << "" << "";
        QTest::newRow("new, Norwegian initials taken") << "" << "Åge" << "Øen" << "åøs"
                                                       << "Initials already used." << "" << "";
        QTest::newRow("new, no first name") << "" << "" << "Lie" << "OLI" << missing << "" << "";
        QTest::newRow("new, blank last name") << "" << "Ola" << "   " << "OLI" << missing << "" << "";
        QTest::newRow("new, no initials") << "" << "Ola" << "Lie" << "" << missing << "" << "";
        QTest::newRow("change, own initials kept") << "PHA" << "Per" << "Hansen-Berg " << "pha" << ""
                                                   << "Hansen-Berg" << "PHA";
        QTest::newRow("change, another's initials") << "PHA" << "Per" << "Hansen" << "åøs"
                                                    << "Initials are already used by another observer!" << "" << "";
        QTest::newRow("change, no last name") << "PHA" << "Per" << "" << "PHA" << missing << "" << "";
    }

    void saveChecksNamesAndInitials()
    {
        QFETCH(QString, changing);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, initials);
        QFETCH(QString, message);
        QFETCH(QString, storedLast);
        QFETCH(QString, storedInitials);
        test::TestProgram t;
        t.addObserver("Per", "Hansen", "PHA");
        t.addObserver("Åse", "Østby", "ÅØS");
        const QString before = dump(t.program().observerConnection());
        const qint64 id = changing.isEmpty() ? NewObserver : idOf(t, changing);

        QCOMPARE(SaveObserver(t.program(), id, typed(first, last, initials)), message);

        if (!message.isEmpty()) {
            QCOMPARE(dump(t.program().observerConnection()), before);
            return;
        }
        const qint64 savedId = changing.isEmpty() ? idOf(t, storedInitials) : id;
        QCOMPARE(stored(t, "ObserverLastName", savedId).toString(), storedLast);
        QCOMPARE(stored(t, "ObserverInitials", savedId).toString(), storedInitials);
        QCOMPARE(stored(t, "ObserverFirstName", savedId).toString(), first);
        QCOMPARE(t.program().observerConnection().scalar("SELECT count(*) FROM Observers").toInt(),
                 changing.isEmpty() ? 3 : 2);
    }

    void savedObserverKeepsWhatWasTypedAndItsUniqueId()
    {
        test::TestProgram t;
        ObserverFields f = typed(" Kari ", "Nordmann", "kno");
        f.address = " Storgata 1 ";
        f.postalCode = "7010";
        f.country = "Norway";
        f.telephone = "+47 900 00 000";
        f.birthYear = "1970";
        f.ringingLicense = "A-123";
        QCOMPARE(SaveObserver(t.program(), NewObserver, f), QString());
        const qint64 id = idOf(t, "KNO");
        const QString uniqueId = stored(t, "ObserverUniqueID", id).toString();
        QVERIFY2(QRegularExpression("^\\d{14}-\\d+$").match(uniqueId).hasMatch(), qPrintable(uniqueId));
        const QString today = QDate::currentDate().toString("yyyy-MM-dd 00:00:00");
        QCOMPARE(stored(t, "ObserverLastupdate", id).toString(), today);
        QCOMPARE(stored(t, "ObserverDefault", id).toInt(), 0);

        std::optional<ObserverFields> read = ReadObserver(t.program(), id);
        QVERIFY(read);
        f.initials = "KNO";
        for (QString ObserverFields::*field : {&ObserverFields::firstName, &ObserverFields::lastName,
                                               &ObserverFields::address, &ObserverFields::postalCode,
                                               &ObserverFields::country, &ObserverFields::telephone,
                                               &ObserverFields::birthYear, &ObserverFields::initials,
                                               &ObserverFields::ringingLicense})
            QCOMPARE((*read).*field, f.*field);

        f.address = "Nygata 2";
        QCOMPARE(SaveObserver(t.program(), id, f), QString());
        QCOMPARE(ReadObserver(t.program(), id)->address, QString("Nygata 2"));
        QCOMPARE(stored(t, "ObserverUniqueID", id).toString(), uniqueId);
        QVERIFY(!ReadObserver(t.program(), id + 1));
    }

    void failedSaveLeavesTheRegisterAsItWas()
    {
        test::TestProgram t;
        t.addObserver("Per", "Hansen", "PHA");
        const QString before = dump(t.db());
        t.db().execute("CREATE TRIGGER refuse BEFORE INSERT ON Observers BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, SaveObserver(t.program(), NewObserver, typed("Ola", "Berg", "OBE")));
        QCOMPARE(dump(t.db()), before);
        // The store is usable again at once: the transaction was not left open.
        t.db().execute("DROP TRIGGER refuse");
        QCOMPARE(SaveObserver(t.program(), NewObserver, typed("Ola", "Berg", "OBE")), QString());
    }

    void defaultEntriesInNameOrderWithTheirMarks()
    {
        test::TestProgram t;
        t.addObserver("Per", "Hansen", "PHA", true);
        t.addObserver("Anna", "Hansen", "AHA");
        t.addObserver("Åse", "Østby", "ÅØS", true);
        t.program().observerConnection().execute(
            "UPDATE Observers SET ObserverMiddleName = 'Marie' WHERE ObserverInitials = 'AHA'");
        const QList<DefaultObserverEntry> entries = DefaultObserverEntries(t.program());
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[0].text, QString("Hansen, Anna Marie (AHA) [%1]").arg(idOf(t, "AHA")));
        QCOMPARE(entries[1].text, QString("Hansen, Per  (PHA) [%1]").arg(idOf(t, "PHA")));
        QCOMPARE(entries[2].text, QString("Østby, Åse  (ÅØS) [%1]").arg(idOf(t, "ÅØS")));
        QCOMPARE((QList<bool>{entries[0].isDefault, entries[1].isDefault, entries[2].isDefault}),
                 (QList<bool>{false, true, true}));
    }

    void settingDefaultsReplacesEveryMark_data()
    {
        QTest::addColumn<QStringList>("chosen");
        QTest::newRow("the same again") << QStringList{"PHA", "ÅØS"};
        QTest::newRow("another set") << QStringList{"AHA"};
        QTest::newRow("nobody") << QStringList{};
        QTest::newRow("everybody") << QStringList{"PHA", "AHA", "ÅØS"};
    }

    void settingDefaultsReplacesEveryMark()
    {
        QFETCH(QStringList, chosen);
        test::TestProgram t;
        t.addObserver("Per", "Hansen", "PHA", true);
        t.addObserver("Anna", "Hansen", "AHA");
        t.addObserver("Åse", "Østby", "ÅØS", true);
        SetDefaultObservers(t.program(), ids(t, chosen));
        QCOMPARE(defaultInitials(t), chosen);
    }

    void failedDefaultsKeepTheOldMarks()
    {
        test::TestProgram t;
        t.addObserver("Per", "Hansen", "PHA", true);
        t.addObserver("Anna", "Hansen", "AHA");
        t.db().execute("CREATE TRIGGER refuse BEFORE UPDATE OF ObserverDefault ON Observers "
                       "WHEN new.ObserverInitials = 'AHA' AND new.ObserverDefault = 1 "
                       "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, SetDefaultObservers(t.program(), ids(t, {"AHA"})));
        QCOMPARE(defaultInitials(t), QStringList{"PHA"});
    }

    // With Nest.mdb present it holds the register: reads and writes go there, the main file's
    // observers stay as they were.
    void nestHoldsTheRegisterWhenPresent()
    {
        test::TestProgram t;
        t.addObserver("Kari", "Hovedbase", "KHO", true);
        const QString mainBefore = dump(t.db());
        t.createObserverFile();
        t.addObserver("Nils", "Reir", "NRE", true);
        t.addObserver("Per", "Hansen", "PHA");

        QCOMPARE(initialsOf(SearchObservers(t.program(), "")), (QStringList{"PHA", "NRE"}));
        QCOMPARE(SaveObserver(t.program(), NewObserver, typed("Kari", "Ny", "kho")), QString());
        QCOMPARE(SaveObserver(t.program(), idOf(t, "PHA"), typed("Per", "Hansen", "PHA")), QString());
        QCOMPARE(initialsOf(SearchObservers(t.program(), "k")), (QStringList{"KHO"}));
        QStringList defaultsOffered;
        for (const DefaultObserverEntry &entry : DefaultObserverEntries(t.program()))
            defaultsOffered << entry.text;
        QCOMPARE(initialsOf(defaultsOffered), (QStringList{"PHA", "KHO", "NRE"}));
        SetDefaultObservers(t.program(), ids(t, {"PHA", "KHO"}));
        QCOMPARE(defaultInitials(t), (QStringList{"PHA", "KHO"}));

        QCOMPARE(t.program().observerConnection().path(), t.path("Nest.mdb"));
        QCOMPARE(dump(t.db()), mainBefore);
    }
};

QTEST_MAIN(ObserverRegisterTest)
#include "tst_observerregister.moc"
