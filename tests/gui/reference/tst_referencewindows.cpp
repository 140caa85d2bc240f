#include "support/FaunaWindow.h"

#include <QDialog>
#include <QtTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

const QStringList Sorted = {"Berg, A. 1999 Måker Sterna [3]", "Berg, A. 2001 Fugler Vår Fuglefauna [1]",
                            "Zahl, P. 2000   [4]", "Øien, I. 1990 Ugler Sterna [2]"};

// Referanse_ID 1 to 4 inserted out of order, the window loaded.
void loadReferences(FaunaWindow &w)
{
    w.t.db().executeScript(
        "INSERT INTO Referanser(Forfattere, År, Tittel, Journal) VALUES ('Berg, A.', '2001', 'Fugler', 'Vår "
        "Fuglefauna');"
        "INSERT INTO Referanser(Forfattere, År, Tittel, Journal) VALUES ('Øien, I.', '1990', 'Ugler', 'Sterna');"
        "INSERT INTO Referanser(Forfattere, År, Tittel, Journal) VALUES ('Berg, A.', '1999', 'Måker', 'Sterna');"
        "INSERT INTO Referanser(Forfattere, År) VALUES ('Zahl, P.', '2000');");
    w.window.Form_Load(frm_Fauna::Splash::Skip);
}

void type(QWidget *dialog, const char *box, const QString &text)
{
    QTest::keyClicks(child<QLineEdit>(dialog, box), text);
}

} // namespace

class ReferenceWindowsTest : public QObject {
    Q_OBJECT
private slots:
    // A new reference is stored and chosen even when it sorts first; choosing turns the box yellow,
    // clearing it makes it neutral again.
    void newReferenceIsStoredAndChosenEvenWhenItSortsFirst()
    {
        FaunaWindow w(false);
        loadReferences(w);
        auto *references = w.control<QComboBox>("Combo4");
        QCOMPARE(references->currentIndex(), -1); // loading chooses none
        w.click("Command7");
        references->setCurrentIndex(0);
        int outcome = QDialog::Accepted;
        QVERIFY(answerModal([&] { w.click("Command27"); },
                            [&](QWidget *dialog) {
                                type(dialog, "Text1", "Andersen, K.");
                                click(dialog, "Command1"); // cancelled: nothing changes
                                outcome = qobject_cast<QDialog *>(dialog)->result();
                            }));
        QCOMPARE(entries(references), Sorted);
        QCOMPARE(w.shown("Combo4"), Sorted.first());
        QCOMPARE(outcome, QDialog::Rejected);

        bool openAfterRefusal = false;
        QVERIFY(answerModal([&] { w.click("Command27"); },
                            [&](QWidget *dialog) {
                                type(dialog, "Text1", "Andersen, K.");
                                type(dialog, "Text2", "2010");
                                type(dialog, "Text4", "Sterna");
                                click(dialog, "Command2");
                                openAfterRefusal = dialog->isVisible();
                                type(dialog, "Text3", "Terner i 'fjæra'");
                                click(dialog, "Command2");
                                outcome = qobject_cast<QDialog *>(dialog)->result();
                            }));
        QVERIFY(openAfterRefusal);
        QCOMPARE(w.t.prompter().shown.size(), 1);
        QCOMPARE(w.t.prompter().lastText(), QString("Ingen tittel angitt."));
        QCOMPARE(w.t.db()
                     .scalar("SELECT Tittel || '/' || ifnull(Sider, '') FROM Referanser WHERE Referanse_ID = 5")
                     .toString(),
                 QString("Terner i 'fjæra'/"));
        QCOMPARE(entries(references), QStringList{"Andersen, K. 2010 Terner i 'fjæra' Sterna [5]"} + Sorted);
        QCOMPARE(references->currentIndex(), 0);
        QVERIFY(isYellow(references));
        QCOMPARE(outcome, QDialog::Accepted);
        w.click("Command29");
        QCOMPARE(references->currentIndex(), -1);
        QVERIFY(isNeutral(references));
    }

    // A reference is stored and shown again by its key, whatever brackets its title holds.
    void referenceWithBracketsInItsTitleKeepsItsKey()
    {
        FaunaWindow w(false);
        w.t.addObserver("Kari", "Nordmann", "KN", true);
        w.t.db().execute("INSERT INTO Referanser(Forfattere, År, Tittel, Journal) "
                         "VALUES ('Berg, A.', '2001', 'Fugler [2. utg.]', 'Sterna')");
        w.window.Form_Load(frm_Fauna::Splash::Skip);
        w.click("Command7");
        w.enterRequired();
        w.control<QComboBox>("Combo4")->setCurrentIndex(0);
        w.click("Command7");
        const QVariant obsId = w.t.db().scalar("SELECT max(ObsID) FROM Observasjoner");
        QCOMPARE(w.t.db().scalar("SELECT Referanse FROM Observasjoner WHERE ObsID = ?", {obsId}).toString(),
                 QString("1"));
        w.click("Command9");
        QVERIFY(w.show(obsId.toLongLong()));
        QCOMPARE(w.shown("Combo4"), QString("Berg, A. 2001 Fugler [2. utg.] Sterna [1]"));
        QVERIFY(isGreen(w.control("Combo4")));
    }
};

QTEST_MAIN(ReferenceWindowsTest)
#include "tst_referencewindows.moc"
