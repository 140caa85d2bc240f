#include "reference/References.h"
#include "registration/FaunaWindow.h"
#include "support/ModalAnswer.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace lirvenda;
using test::FaunaWindow;
using test::entries;

namespace {

// Referanse_ID 1 to 4, inserted out of order.
void insertReferences(FaunaWindow &w)
{
    w.t.db().executeScript(
        "INSERT INTO Referanser(Forfattere, År, Tittel, Journal) VALUES ('Berg, A.', '2001', 'Fugler', 'Vår Fuglefauna');"
        "INSERT INTO Referanser(Forfattere, År, Tittel, Journal) VALUES ('Øien, I.', '1990', 'Ugler', 'Sterna');"
        "INSERT INTO Referanser(Forfattere, År, Tittel, Journal) VALUES ('Berg, A.', '1999', 'Måker', 'Sterna');"
        "INSERT INTO Referanser(Forfattere, År) VALUES ('Zahl, P.', '2000');");
    w.window.Form_Load(frm_Fauna::Splash::Skip);
}

// Loaded, in the new state, with the reference "Berg, A. 1999" chosen.
void startWithReferenceChosen(FaunaWindow &w)
{
    insertReferences(w);
    QTest::mouseClick(w.control<QPushButton>("Command7"), Qt::LeftButton);
    w.control<QComboBox>("Combo4")->setCurrentIndex(0);
}

const QStringList Sorted = {"Berg, A. 1999 Måker Sterna [3]", "Berg, A. 2001 Fugler Vår Fuglefauna [1]",
                            "Zahl, P. 2000   [4]", "Øien, I. 1990 Ugler Sterna [2]"};

void type(QWidget *dialog, const char *box, const QString &text)
{
    QTest::keyClicks(dialog->findChild<QLineEdit *>(box), text);
}

} // namespace

class ReferencesTest : public QObject {
    Q_OBJECT
private slots:
    void referenceProblem_data()
    {
        QTest::addColumn<QStringList>("fields"); // authors, year, title, journal, pages, publisher
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing") << QStringList(6) << "Ingen forfattere angitt.";
        QTest::newRow("no year") << QStringList({"Berg", "", "", "", "", ""}) << "År ikke angitt.";
        QTest::newRow("no title") << QStringList({"Berg", "1999", "", "Sterna", "1-9", "NOF"}) << "Ingen tittel angitt.";
        QTest::newRow("title of blanks") << QStringList({"Berg", "1999", "  ", "Sterna", "", ""}) << "Ingen tittel angitt.";
        QTest::newRow("no journal") << QStringList({"Berg", "1999", "Måker", "", "1-9", "NOF"}) << "Ingen journal/rapport angitt.";
        QTest::newRow("no pages, no publisher") << QStringList({"Berg", "1999", "Måker", "Sterna", "", ""}) << "";
        QTest::newRow("year as any text") << QStringList({"Berg", "udatert", "Måker", "Sterna", "", ""}) << "";
    }
    void referenceProblem()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        QCOMPARE(ReferenceProblem({fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]}), message);
    }

    void referencesSortByAuthorsThenYear()
    {
        FaunaWindow w(false);
        insertReferences(w);
        auto *references = w.control<QComboBox>("Combo4");
        QCOMPARE(entries(references), Sorted);
        QCOMPARE(references->currentIndex(), -1);
    }

    void newReferenceIsStoredAndChosenEvenWhenItSortsFirst()
    {
        FaunaWindow w(false);
        startWithReferenceChosen(w);
        QString title;
        bool preparedForNew = true;
        bool openAfterRefusal = false;
        test::ModalAnswer answer([&](QWidget *dialog) {
            title = dialog->windowTitle();
            auto *newRecord = dialog->findChild<QCheckBox *>("Check1");
            preparedForNew = newRecord->isChecked() && !newRecord->isEnabled();
            for (const char *box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}) {
                auto *field = dialog->findChild<QLineEdit *>(box);
                preparedForNew = preparedForNew && field->text().isEmpty() && test::isYellow(field);
            }
            type(dialog, "Text1", "Andersen, K.");
            type(dialog, "Text2", "2010");
            type(dialog, "Text4", "Sterna");
            auto *save = dialog->findChild<QPushButton *>("Command2");
            QTest::mouseClick(save, Qt::LeftButton);
            openAfterRefusal = dialog->isVisible();
            type(dialog, "Text3", "Terner i 'fjæra'");
            QTest::mouseClick(save, Qt::LeftButton);
        });
        QTest::mouseClick(w.control<QPushButton>("Command27"), Qt::LeftButton);
        QVERIFY(answer.answered() && !answer.watchdogFired());
        QCOMPARE(title, QString("Referanser"));
        QVERIFY(preparedForNew);
        QVERIFY(openAfterRefusal);
        QCOMPARE(w.t.prompter().shown.size(), 1);
        QCOMPARE(w.t.prompter().lastText(), QString("Ingen tittel angitt."));

        Statement stored = w.t.db().query("SELECT Tittel, Sider FROM Referanser WHERE Referanse_ID = 5");
        QVERIFY(stored.next());
        QCOMPARE(stored.text("Tittel"), QString("Terner i 'fjæra'"));
        QCOMPARE(stored.text("Sider"), QString());
        auto *references = w.control<QComboBox>("Combo4");
        QCOMPARE(entries(references), QStringList{"Andersen, K. 2010 Terner i 'fjæra' Sterna [5]"} + Sorted);
        QCOMPARE(references->currentIndex(), 0);
        QVERIFY(test::isYellow(references));
        QVERIFY(!w.t.program().areaPickCancelled);
    }

    void cancelLeavesTheListAsItWas()
    {
        FaunaWindow w(false);
        startWithReferenceChosen(w);
        test::ModalAnswer answer([](QWidget *dialog) {
            type(dialog, "Text1", "Andersen, K.");
            dialog->findChild<QPushButton *>("Command1")->click();
        });
        QTest::mouseClick(w.control<QPushButton>("Command27"), Qt::LeftButton);
        QVERIFY(answer.answered() && !answer.watchdogFired());
        QCOMPARE(entries(w.control<QComboBox>("Combo4")), Sorted);
        QCOMPARE(w.shown("Combo4"), Sorted.first());
        QCOMPARE(w.t.db().scalar("SELECT count(*) FROM Referanser").toInt(), 4);
        QVERIFY(w.t.program().areaPickCancelled);
    }

    void touchedReferenceTurnsYellowAndClearingMakesItNeutral()
    {
        FaunaWindow w(false);
        startWithReferenceChosen(w);
        auto *references = w.control<QComboBox>("Combo4");
        QVERIFY(test::isYellow(references));
        QTest::mouseClick(w.control<QPushButton>("Command29"), Qt::LeftButton);
        QCOMPARE(references->currentIndex(), -1);
        QVERIFY(test::isNeutral(references));
    }
};

QTEST_MAIN(ReferencesTest)
#include "tst_references.moc"
