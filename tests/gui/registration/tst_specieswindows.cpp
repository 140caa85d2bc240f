#include "support/FaunaWindow.h"

#include "gui/registration/frm_Art1.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

using namespace lirvenda;
using namespace lirvenda::test;

class SpeciesWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void windowSearchesFromTheThirdCharacter()
    {
        TestProgram t;
        frm_Art1 search(t.program(), "Aves");
        auto *text = child<QLineEdit>(&search, "Text1");
        auto *list = child<QListWidget>(&search, "List1");
        text->setText("gr");
        QCOMPARE(list->count(), 0);
        text->setText("grå");
        const int found = list->count();
        QVERIFY(found > 0);
        text->setText("gråxyz"); // nothing found: the list keeps what it had
        QCOMPARE(list->count(), found);
    }

    void speciesButtonSearchesTheGreenGroup()
    {
        FaunaWindow w;
        auto *species = w.control<QPushButton>("Command2");
        w.window.Command32_Click(1); // "Pattedyr"
        QCOMPARE(w.window.SelectedSpeciesGroup(), QString("Pattedyr"));
        w.window.Command32_Click(0);
        QCOMPARE(w.window.SelectedSpeciesGroup(), QString("Aves"));
        QVERIFY(w.control("Command32_3")->isEnabled()); // the shipped taxa have butterflies
        FaunaWindow noInsects(false);
        noInsects.t.db().execute("DELETE FROM Animalia WHERE Klasse = 'Insekter'");
        noInsects.window.Form_Load(frm_Fauna::Splash::Skip);
        QVERIFY(!noInsects.control("Command32_3")->isEnabled());

        species->setText("Gråtrost (Turdus pilaris) [11980]");
        for (bool byButton : {true, false}) { // "Avbryt", or the window frame
            QVERIFY(answerModal([&] { w.window.Command2_Click(); },
                                [&](QWidget *window) {
                                    child<QLineEdit>(window, "Text1")->setText("svartt");
                                    if (byButton)
                                        click(window, "Command1");
                                    else
                                        window->close();
                                }));
            QCOMPARE(species->text(), QString("Gråtrost (Turdus pilaris) [11980]"));
        }
        QVERIFY(answerModal([&] { w.window.Command2_Click(); },
                            [](QWidget *window) {
                                child<QLineEdit>(window, "Text1")->setText("kjøttmeis");
                                QTest::keyClick(child<QLineEdit>(window, "Text1"),
                                                Qt::Key_Return); // Enter picks the first entry
                            }));
        QCOMPARE(species->text(), QString("Kjøttmeis (Parus major) [14640]"));
        QCOMPARE(w.control<QGroupBox>("Frame9")->title(), QString("Siste observasjoner av PARMAJ"));
    }

    // Inserted out of every order; Norwegian puts Æ, Ø, Å after Z, code points put Å first.
    void registeredSpeciesByNameOrByKey()
    {
        FaunaWindow w;
        for (const char *key : {"02880", "04210", "02250", "01540", "02060", "04210"})
            w.insertObservation({{"Art", key}});
        w.window.RefreshSpeciesLists();
        auto *byName = w.control<QAbstractItemView>("List3");
        auto *byKey = w.control<QAbstractItemView>("List6");
        auto *check = w.control<QCheckBox>("Check1");
        const QString kobberand = "Kobberand (Oxyura jamaicensis) [02250]",
                      sangsvane = "Sangsvane (Cygnus cygnus) [01540]",
                      aerfugl = "Ærfugl (Somateria mollissima) [02060]", ornvak = "Ørnvåk (Buteo rufinus) [02880]",
                      akerrikse = "Åkerrikse (Crex crex) [04210]";
        for (bool systematic : {false, true, false}) {
            QCOMPARE(check->isChecked(), systematic);
            QCOMPARE(entries(byName), (QStringList{kobberand, sangsvane, aerfugl, ornvak, akerrikse}));
            if (systematic)
                QCOMPARE(entries(byKey), (QStringList{sangsvane, aerfugl, kobberand, ornvak, akerrikse}));
            QCOMPARE(byName->isHidden(), systematic);
            QCOMPARE(byKey->isHidden(), !systematic);
            check->click();
        }
    }
};

QTEST_MAIN(SpeciesWindowsTest)
#include "tst_specieswindows.moc"
