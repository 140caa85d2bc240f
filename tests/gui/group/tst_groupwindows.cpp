#include "gui/group/frm_BatchRegistrering.h"
#include "gui/group/frm_Detaljer.h"
#include "gui/group/frm_VelgArter.h"
#include "gui/ui/ListProcedures.h"
#include "support/FaunaWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>

#include <limits>
#include <memory>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

// The keys of the entries of a list, "*" after a selected one.
QStringList keysIn(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->data(Qt::UserRole).toString() + (list->item(i)->isSelected() ? "*" : "");
    return out;
}

QStringList twentySpecies()
{
    return {"00020", "00030", "00040", "00070", "00090", "00100", "00110", "00120", "00200", "00260",
            "00360", "00400", "00460", "00520", "00550", "00590", "00640", "00700", "00720", "00800"};
}

// A store ready for a group registration: an observer and a named locality.
void prepareStore(TestProgram &t)
{
    t.addObserver("Ola", "Nordmann", "ON");
    t.db().execute("INSERT INTO Lokalitet(ID, Lokalitet) VALUES (5, 'Gåsholmen')");
}

void pressCopy(frm_Detaljer &grid, const char *button, int row, Qt::KeyboardModifiers keys = {})
{
    QTest::mouseClick(child<QPushButton>(&grid, QStringLiteral("%1_%2").arg(button).arg(row)), Qt::LeftButton, keys);
}

QString count(frm_Detaljer &grid, int row)
{
    return child<QLineEdit>(&grid, QStringLiteral("Text1_%1").arg(row))->text();
}

// The keys of the chosen entries, in list order.
QStringList chosenKeys(const QListWidget *list)
{
    QStringList keys;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            keys << list->item(i)->data(Qt::UserRole).toString();
    return keys;
}

} // namespace

class GroupWindowsTest : public QObject {
    Q_OBJECT
private slots:
    // Without observers in the main window's list the register decides whether it may start (an
    // observer in the register alone is enough: mainWindowListsTheNewSpecies); while a registration
    // is entered the group and import buttons wait.
    void startConditions()
    {
        FaunaWindow w;
        const auto starts = [&] {
            return answerModal([&] { w.click("Command24"); },
                               [](QWidget *window) { qobject_cast<QDialog *>(window)->reject(); });
        };
        QVERIFY(!starts());
        QCOMPARE(w.t.prompter().lastText(),
                 QString("Du må definere minst en observatør før du kan legge inn gruppeobservasjoner."));
        w.control<QListWidget>("List1")->addItem("Nordmann, O. (ON) [x]");
        QVERIFY(starts());
        w.click("Command7");
        QVERIFY(!w.control("Command24")->isEnabled());
        QVERIFY(!w.control("Command30")->isEnabled());
    }

    // A species picked twice is on the list once and chosen; the sort keeps the choice by key.
    void speciesListAndPicker()
    {
        TestProgram t;
        for (const char *key : {"14640", "11870", "05900"})
            t.insertObservation({{"Art", key}});
        frm_BatchRegistrering species(t.program(), {{"Svarttrost [11870]", "11870"}});
        for (int round = 0; round < 2; ++round)
            QVERIFY(answerModal([&] { species.Command3_Click(); },
                                [](QWidget *picker) {
                                    auto *all = child<QListWidget>(picker, "List1");
                                    for (const char *key : {"11870", "02060"})
                                        all->item(rowOfKey(all, key))->setSelected(true);
                                    click(picker, "Command2");
                                }));
        QCOMPARE(keysIn(species.List1), QStringList({"11870*", "02060*"}));

        species.List1->item(1)->setSelected(false);
        t.prompter().yesNoAnswers = {false, true};
        species.Check1->click(); // "Nei": the list stays as it was
        QCOMPARE(keysIn(species.List1), QStringList({"11870*", "02060"}));
        species.Check1->click(); // cleared again: by name; the added species is gone
        QCOMPARE(keysIn(species.List1), QStringList({"05900", "14640", "11870*"}));

        species.List1->clearSelection();
        species.Command2_Click();
        QCOMPARE(t.prompter().lastText(), QString("Ingen arter valgt."));
        species.Command4_Click();
        QCOMPARE(species.chosenSpeciesKeys(), QStringList({"05900", "14640", "11870"}));
    }

    // Values typed in the bottom rows survive scrolling; a species never shown is saved with the
    // defaults; a species left out needs a valid count but gives no row.
    void twentySpeciesScrolled()
    {
        TestProgram t;
        prepareStore(t);
        frm_Detaljer grid(t.program(), twentySpecies());
        grid.show();
        grid.Text1[14]->setText("5");
        grid.Text4[13]->setText("par");
        grid.Check1[0]->setChecked(true);
        for (int i = 0; i < 3; ++i)
            grid.Command2_Click();
        QCOMPARE(count(grid, 11), "5"); // species 14, three rows up
        grid.Text1[14]->setText("7");   // species 17; 18 and 19 are never shown
        for (int i = 0; i < 3; ++i)
            grid.Command1_Click();
        grid.Command1_Click(); // at the top: a beep
        QCOMPARE(t.prompter().beeps, 1);
        QCOMPARE(count(grid, 14), "5");
        QCOMPARE(grid.Text4[13]->text(), "par");

        grid.Command4_Click();
        QVERIFY(grid.Frame3->isVisible());
        t.prompter().shown.clear();
        grid.Command9_Click();
        QCOMPARE(t.prompter().lastText(), QString("Det ble totalt registrert 19 nye observasjoner."));
        QVERIFY(grid.endedGroupRegistration());
        QCOMPARE(t.db().columnTexts("SELECT Art || '=' || Antall || Operator || Kjønn || Alder || AtlasKode || "
                                    "Kommentar FROM Observasjoner WHERE Art IN ('00020', '00550', '00700', '00800') "
                                    "ORDER BY Art"),
                 QStringList({"00550=5=", "00700=7=", "00800=0="}));
    }

    // "&Gå videre" by Alt+G right after typing a count checks that count; which counts are
    // valid is the core's rule.
    void countCheckedRightAfterTyping()
    {
        TestProgram t;
        prepareStore(t);
        frm_Detaljer grid(t.program(), {"11870", "14640"});
        grid.show();
        QVERIFY(QTest::qWaitForWindowActive(&grid));
        QLineEdit *box = grid.Text1[1];
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, "-0,5");
        QTest::keyClick(box, Qt::Key_G, Qt::AltModifier); // the focus stays in the box
        QTRY_COMPARE(t.prompter().lastText(), QString("Alle antall må være et nummer og større en -1"));
        QVERIFY(!grid.Frame3->isVisible());
        box->selectAll();
        QTest::keyClicks(box, "12");
        QTest::keyClick(box, Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(grid.Frame3->isVisible());
    }

    // The copy buttons read Shift and Ctrl from the press; the copy rules are the core's.
    void copyButtonGestures()
    {
        TestProgram t;
        frm_Detaljer grid(t.program(), twentySpecies().mid(0, 8));
        grid.show();
        grid.Text1[1]->setText("3");
        pressCopy(grid, "Command15", 1);
        pressCopy(grid, "Command15", 4, Qt::ShiftModifier);
        pressCopy(grid, "Command15", 6, Qt::ControlModifier);
        QStringList counts;
        for (int row = 0; row < 8; ++row)
            counts << count(grid, row);
        QCOMPARE(counts, QStringList({"0", "3", "3", "3", "3", "0", "3", "0"}));
        QVERIFY(!grid.Command1->isEnabled()); // fewer than fifteen: no scrolling
    }

    // A look-up box completes the Norwegian name; a letter that leads nowhere is taken back.
    void speciesLookUp()
    {
        TestProgram t;
        frm_Detaljer grid(t.program(), {"11870"});
        QComboBox *box = grid.Combo7[1];
        QTest::keyClicks(box->lineEdit(), "svarttr");
        QCOMPARE(box->currentText(), QString("Svarttrost  [11870]"));
        QTest::keyClicks(box->lineEdit(), "x");
        QCOMPARE(box->currentText(), QString("Svarttr"));
        QCOMPARE(t.prompter().beeps, 1);
        QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
        QCOMPARE(box->currentText(), QString());
        QCOMPARE(box->count(), 0);
    }

    // Escape does nothing in the group windows: only their own buttons close them.
    void escapeKeepsWindowsOpen_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("focus");
        QTest::newRow("species list") << "frm_BatchRegistrering" << "List1";
        QTest::newRow("extra species") << "frm_VelgArter" << "List1";
        QTest::newRow("entry grid") << "frm_Detaljer" << "Text1_0";
    }
    void escapeKeepsWindowsOpen()
    {
        QFETCH(QString, window);
        QFETCH(QString, focus);
        TestProgram t;
        QListWidget speciesList;
        std::unique_ptr<QDialog> dialog;
        if (window == "frm_BatchRegistrering")
            dialog = std::make_unique<frm_BatchRegistrering>(t.program(), QList<KeyedEntry>{{"Svarttrost", "11870"}});
        else if (window == "frm_VelgArter")
            dialog = std::make_unique<frm_VelgArter>(t.program(), &speciesList);
        else
            dialog = std::make_unique<frm_Detaljer>(t.program(), QStringList{"11870"});
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QWidget *focused = child(dialog.get(), focus);
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
    }

    // The title bar's close button on the grid asks first; "Ja" is the shown page's "&Avbryt".
    void titleBarCloseAsks()
    {
        TestProgram t;
        prepareStore(t);
        for (const bool onHeader : {false, true}) {
            frm_Detaljer grid(t.program(), {"11870"});
            grid.show();
            grid.Text1[0]->setText("4");
            if (onHeader)
                grid.Command4_Click();
            QVERIFY(!grid.close()); // "Nei"
            QCOMPARE(t.prompter().lastText(), QString("Vil du avbryte? Det du har skrevet inn blir ikke lagret."));
            QVERIFY(grid.isVisible());
            QCOMPARE(grid.Text1[0]->text(), "4");
            t.prompter().yesNoAnswers = {true};
            QVERIFY(grid.close());
            QVERIFY(!grid.isVisible());
            QCOMPARE(grid.endedGroupRegistration(), onHeader);
        }
    }

    // Typing a name moves to it and chooses nothing; the space bar still chooses.
    void typingMovesWithoutChoosing()
    {
        const int interval = QApplication::keyboardInputInterval();
        QApplication::setKeyboardInputInterval(std::numeric_limits<int>::max()); // a slow machine types slowly
        const auto restore = qScopeGuard([interval] { QApplication::setKeyboardInputInterval(interval); });
        TestProgram t;
        QListWidget speciesList;
        frm_VelgArter picker(t.program(), &speciesList);
        picker.show();
        QVERIFY(QTest::qWaitForWindowActive(&picker));
        QListWidget *list = picker.List1;
        clickEntry(list, rowOfKey(list, "05900"));
        QTest::keyClicks(list, "Gråspurv");
        QCOMPARE(chosenKeys(list), QStringList{"05900"});
        QCOMPARE(keyOf(list->currentItem()), "15910");
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(chosenKeys(list), QStringList({"05900", "15910"}));
    }

    // The locality list holds the named localities and the used places; "Ny" adds a named one and
    // chooses it; a used place chosen becomes a named locality at the save.
    void localityListAndNew()
    {
        TestProgram t;
        prepareStore(t);
        t.insertObservation({{"Art", "00020"}, {"Lokalitet", "Aker"}});
        frm_Detaljer grid(t.program(), {"11870"});
        grid.Command4_Click();
        QCOMPARE(entries(grid.Combo5), QStringList({"Aker", "Gåsholmen          [5]"}));
        t.prompter().inputAnswers = {std::nullopt, "", " gåsholmen", "Storvatnet"};
        for (int press = 0; press < 4; ++press)
            click(&grid, "Command22");
        QStringList shown;
        for (const ScriptedPrompter::Shown &message : t.prompter().shown)
            shown << message.text;
        const QString prompt = "Navn på den nye lokaliteten:";
        QCOMPARE(shown, QStringList({prompt, prompt, "Skriv inn et navn på lokaliteten.", prompt,
                                     "Lokaliteten finnes allerede.", prompt}));
        QCOMPARE(entries(grid.Combo5), QStringList({"Aker", "Gåsholmen          [5]", "Storvatnet          [6]"}));
        QCOMPARE(grid.Combo5->currentText(), QString("Storvatnet          [6]"));

        grid.Combo5->setCurrentIndex(0);
        grid.Command9_Click();
        QCOMPARE(t.prompter().lastText(), QString("Det ble totalt registrert 1 nye observasjoner."));
        QCOMPARE(t.db().scalar("SELECT Lokalitet FROM Observasjoner WHERE Art = '11870'").toString(), "7");
        QCOMPARE(t.db().scalar("SELECT Lokalitet FROM Lokalitet WHERE ID = 7").toString(), "Aker");
    }

    // After "&Tilbake" the header keeps what the user chose.
    void headerKeptAfterBack()
    {
        TestProgram t;
        prepareStore(t);
        t.db().execute("INSERT INTO Lokalitet(ID, Lokalitet) VALUES (6, 'Aker')");
        frm_Detaljer grid(t.program(), {"11870"});
        grid.Command4_Click();
        QCOMPARE(grid.Combo5->currentText(), QString("Aker          [6]"));
        const QString lastWeek = QDate::currentDate().addDays(-7).toString("dd.MM.yyyy");
        grid.Text2->setText(lastWeek);
        grid.Combo5->setCurrentIndex(1);
        grid.Command10_Click();
        QVERIFY(grid.GridPage->isVisibleTo(&grid));
        grid.Command4_Click();
        QCOMPARE(grid.Text2->text(), lastWeek);
        QCOMPARE(grid.Combo5->currentData().toString(), "5");
        QCOMPARE(grid.Combo6->count(), 1);
        QVERIFY(grid.Combo6->currentText().endsWith("[1]")); // ObserverID in the brackets
    }

    // The whole road from the main window on a new store, the locality added with "Ny": the new
    // species and the locality are listed there afterwards.
    void mainWindowListsTheNewSpecies()
    {
        FaunaWindow w;
        w.t.addObserver("Ola", "Nordmann", "ON");
        w.t.prompter().inputAnswers = {"Gåsholmen"};
        QVERIFY(answerModal([&] { w.click("Command24"); },
                            [](QWidget *speciesList) {
                                QVERIFY(answerModal([&] { click(speciesList, "Command3"); },
                                                    [](QWidget *picker) {
                                                        auto *all = child<QListWidget>(picker, "List1");
                                                        all->item(rowOfKey(all, "14640"))->setSelected(true);
                                                        click(picker, "Command2");
                                                    }));
                                ModalAnswer grid([](QWidget *window) {
                                    click(window, "Command4");
                                    click(window, "Command22");
                                    click(window, "Command9");
                                });
                                click(speciesList, "Command2");
                            }));
        QCOMPARE(w.t.prompter().lastText(), QString("Det ble totalt registrert 1 nye observasjoner."));
        QVERIFY(rowWithKey(w.control<QAbstractItemView>("List3"), "14640") >= 0);
        w.window.RefreshLocalityList({}); // the locality's number is listed by its name
        QCOMPARE(entries(w.control<QComboBox>("Combo13")), QStringList{"Gåsholmen"});
    }

    // "Import" is there with atlas records (hidden without: tst_startup); "Nei" changes nothing, "Ja"
    // shows an imported row.
    void atlasImportButton()
    {
        FaunaWindow w(false);
        w.t.addObserver("Ola", "Nordmann", "ON");
        w.t.addObserver("Kari", "Hansen", "KH");
        w.t.db().executeScript("INSERT INTO Lokalitet(ID, Lokalitet) VALUES (3, 'R123 Nordre');"
                               "INSERT INTO Atlas(Aar, Art, Rute) VALUES (1987, '1187', 'R123');");
        w.insertObservation({{"Art", "14640"}, {"StartDato", "2024-05-01 00:00:00"}});
        w.window.Form_Load(frm_Fauna::Splash::Skip);
        QVERIFY(w.control("Command30")->isVisibleTo(&w.window));
        w.t.prompter().yesNoAnswers = {false};
        w.click("Command30");
        QCOMPARE(w.t.db().scalar("SELECT Art FROM Observasjoner").toString(), "14640");
        w.t.prompter().yesNoAnswers = {true};
        w.click("Command30");
        QVERIFY(w.t.prompter().lastText().startsWith("Ferdig!"));
        QCOMPARE(w.shown("Command2"), QString("Svarttrost (Turdus merula) [11870]"));
        QCOMPARE(w.shown("Combo13"), QString("R123 Nordre"));
    }
};

QTEST_MAIN(GroupWindowsTest)
#include "tst_groupwindows.moc"
