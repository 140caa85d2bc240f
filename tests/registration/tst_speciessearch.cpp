#include "FaunaWindow.h"

#include "data/SharedProcedures.h"
#include "registration/SpeciesSearch.h"
#include "registration/frm_Art1.h"
#include "support/ModalAnswer.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

using namespace lirvenda;
using test::FaunaWindow;

namespace {

QStringList keysOf(const QStringList &entries)
{
    QStringList keys;
    for (const QString &entry : entries)
        keys << BracketCode(entry);
    return keys;
}

// Types into the search window, then leaves it as the action says.
QString searchAndLeave(test::TestProgram &t, const QString &taxonClass, const QString &typed,
                       const std::function<void(QWidget *)> &leave, QStringList *listed = nullptr)
{
    test::ModalAnswer answer([&](QWidget *window) {
        window->findChild<QLineEdit *>("Text1")->setText(typed);
        if (listed)
            for (int i = 0; i < window->findChild<QListWidget *>("List1")->count(); ++i)
                *listed << window->findChild<QListWidget *>("List1")->item(i)->text();
        leave(window);
    });
    const QString key = ChooseSpecies(t.program(), taxonClass);
    return answer.watchdogFired() ? QStringLiteral("(left open)") : key;
}

} // namespace

class SpeciesSearchTest : public QObject {
    Q_OBJECT
private slots:
    void matches_data()
    {
        QTest::addColumn<QString>("taxonClass");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expectedKey");
        QTest::newRow("Norwegian letters, any case") << "Aves" << "GRÅ" << "11980";   // gråtrost
        QTest::newRow("popular name part") << "Aves" << "kjøttm" << "14640";
        QTest::newRow("genus only") << "Aves" << "haliaeetus" << "02430";             // havørn
        QTest::newRow("species epithet") << "Aves" << "pilaris" << "11980";
        QTest::newRow("six-letter code") << "Aves" << "PARMAJ" << "14640";
        QTest::newRow("six-letter code, lower case") << "Aves" << "parmaj" << "14640";
        QTest::newRow("other class") << "Pattedyr" << "vulpes" << "";
    }
    void matches()
    {
        QFETCH(QString, taxonClass);
        QFETCH(QString, text);
        QFETCH(QString, expectedKey);
        test::TestProgram t;
        const QStringList keys = keysOf(SpeciesSearchEntries(t.program(), taxonClass, text));
        if (expectedKey.isEmpty())
            QVERIFY(!keys.isEmpty());
        else
            QVERIFY2(keys.contains(expectedKey), qPrintable(keys.join(',')));
        for (const QString &key : keys)
            QCOMPARE(t.db().scalar("SELECT Klasse FROM Animalia WHERE PK_LatinskNavnID = ?", {key}).toString(),
                     taxonClass);
    }

    void entriesShowTheNameFirstAndLeaveOutNamelessTaxa()
    {
        test::TestProgram t;
        t.db().execute("INSERT INTO Animalia VALUES ('99001', '', 'Turdus', 'incognitus', 'Aves')");
        const QStringList entries = SpeciesSearchEntries(t.program(), "Aves", "turdus");
        QVERIFY(entries.contains("Svarttrost (Turdus merula)  [11870]"));
        QVERIFY(!keysOf(entries).contains("99001"));
        QVERIFY(SpeciesSearchEntries(t.program(), "Aves", "o'brien").isEmpty());
    }

    void windowSearchesFromTheThirdCharacter()
    {
        test::TestProgram t;
        frm_Art1 search(t.program(), "Aves");
        auto *text = search.findChild<QLineEdit *>("Text1");
        auto *list = search.findChild<QListWidget *>("List1");
        text->setText("gr");
        QCOMPARE(list->count(), 0);
        text->setText("grå");
        QVERIFY(list->count() > 0);
        const int found = list->count();
        text->setText("gråxyz"); // nothing found: the list keeps what it had
        QCOMPARE(list->count(), found);
    }

    void enterPicksTheFirstEntryAndCancelKeepsNothing()
    {
        test::TestProgram t;
        QStringList listed;
        const QString picked = searchAndLeave(
            t, "Aves", "svartt",
            [](QWidget *w) { QTest::keyClick(w->findChild<QLineEdit *>("Text1"), Qt::Key_Return); }, &listed);
        QVERIFY(!listed.isEmpty());
        QCOMPARE(picked, BracketCode(listed.first()));
        QVERIFY(!t.program().areaPickCancelled);

        QCOMPARE(searchAndLeave(t, "Aves", "svartt", [](QWidget *w) {
                     QTest::mouseClick(w->findChild<QPushButton *>("Command1"), Qt::LeftButton);
                 }), QString());
        QVERIFY(t.program().areaPickCancelled);
        QCOMPARE(searchAndLeave(t, "Aves", "svartt", [](QWidget *w) { w->close(); }), QString());
        QVERIFY(t.program().areaPickCancelled);
    }

    void speciesButtonSearchesTheGreenGroup()
    {
        FaunaWindow w;
        auto *species = w.control<QPushButton>("Command2");
        w.window.Command32_Click(1); // "Pattedyr"
        QCOMPARE(w.window.SelectedSpeciesGroup(), QString("Pattedyr"));
        w.window.Command32_Click(0);
        QCOMPARE(w.window.SelectedSpeciesGroup(), QString("Aves"));
        for (int i = 1; i < 4; ++i) // the shipped taxa have mammals, plants and butterflies
            QVERIFY(w.control<QPushButton>(QString("Command32_%1").arg(i))->isEnabled());
        FaunaWindow noInsects(false);
        noInsects.t.db().execute("DELETE FROM Animalia WHERE Klasse = 'Insekter'");
        noInsects.window.Form_Load(frm_Fauna::Splash::Skip);
        QVERIFY(!noInsects.control<QPushButton>("Command32_3")->isEnabled());

        species->setText("Gråtrost (Turdus pilaris) [11980]");
        test::ModalAnswer cancel([](QWidget *window) { qobject_cast<QDialog *>(window)->reject(); });
        w.window.Command2_Click();
        QCOMPARE(species->text(), QString("Gråtrost (Turdus pilaris) [11980]"));

        test::ModalAnswer pick([](QWidget *window) {
            auto *text = window->findChild<QLineEdit *>("Text1");
            text->setText("kjøttmeis");
            QTest::keyClick(text, Qt::Key_Return);
        });
        w.window.Command2_Click();
        QCOMPARE(species->text(), QString("Kjøttmeis (Parus major) [14640]"));
        QCOMPARE(w.control<QGroupBox>("Frame9")->title(), QString("Siste observasjoner av PARMAJ"));
    }
};

QTEST_MAIN(SpeciesSearchTest)
#include "tst_speciessearch.moc"
