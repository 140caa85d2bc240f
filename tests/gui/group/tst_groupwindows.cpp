#include "gui/group/frm_BatchRegistrering.h"
#include "gui/group/frm_Detaljer.h"
#include "gui/group/frm_VelgArter.h"
#include "gui/ui/KeyedListModel.h"
#include "gui/ui/NamedControl.h"
#include "support/FaunaWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScopeGuard>

#include <limits>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

// The keys of the entries of a list, "*" after a chosen one.
QStringList keysIn(const ChoiceList *list)
{
    const QStringList chosen = list->chosenKeys();
    QStringList out;
    for (int row = 0; row < list->entries().rowCount(); ++row) {
        const QString key = list->entries().keyAt(row);
        out << key + (chosen.contains(key) ? "*" : "");
    }
    return out;
}

QStringList twentySpecies()
{
    return {"00020", "00030", "00040", "00070", "00090", "00100", "00110", "00120", "00200", "00260",
            "00360", "00400", "00460", "00520", "00550", "00590", "00640", "00700", "00720", "00800"};
}

// An entry grid on a store ready for a group registration (an observer and a named locality),
// shown.
struct Grid {
    TestProgram t;
    frm_Detaljer grid;

    explicit Grid(const QStringList &species) : grid(t.program(), species)
    {
        t.addObserver("Ola", "Nordmann", "ON");
        t.db().execute("INSERT INTO Lokalitet(ID, Lokalitet) VALUES (5, 'Gåsholmen')");
        grid.show();
    }

    template <typename Control = QWidget>
    Control *control(const QString &name)
    {
        return child<Control>(&grid, name);
    }
    QLineEdit *box(const char *column, int row) { return control<QLineEdit>(elementName(column, row)); }
    QString count(int row) { return box("Text1", row)->text(); }
    void pressCopy(const char *button, int row, Qt::KeyboardModifiers keys = {})
    {
        QTest::mouseClick(control<QPushButton>(elementName(button, row)), Qt::LeftButton, keys);
    }
    bool onHeader() { return control("Frame3")->isVisible(); }
};

// The buttons, captions and check boxes of a window at its smallest that have less room than their
// text needs, by name or caption, and the lists narrower than their longest entry, by name.
QStringList cramped(QWidget *window)
{
    window->show();
    window->resize(window->minimumSize());
    window->layout()->activate();
    QStringList out;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        const bool hasText = qobject_cast<const QAbstractButton *>(control) || qobject_cast<const QLabel *>(control);
        const QSize room = control->size(), needed = control->sizeHint();
        if (hasText && control->isVisible() && (room.width() < needed.width() || room.height() < needed.height()))
            out << control->objectName() + ':' + control->property("text").toString();
        const auto *list = qobject_cast<const QAbstractItemView *>(control);
        if (list && list->isVisible() && list->sizeHintForColumn(0) > list->viewport()->width())
            out << control->objectName();
    }
    return out;
}

} // namespace

class GroupWindowsTest : public QObject {
    Q_OBJECT
private slots:
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
                                    for (const char *key : {"11870", "02060"})
                                        child<ChoiceList>(picker, "List1")->choose(key);
                                    click(picker, "Command2");
                                }));
        auto *list = child<ChoiceList>(&species, "List1");
        QCOMPARE(keysIn(list), QStringList({"11870*", "02060*"}));

        list->selectionModel()->select(list->model()->index(1, 0), QItemSelectionModel::Deselect);
        t.prompter().yesNoAnswers = {false, true};
        child<QCheckBox>(&species, "Check1")->click(); // "Nei": the list stays as it was
        QCOMPARE(keysIn(list), QStringList({"11870*", "02060"}));
        child<QCheckBox>(&species, "Check1")->click(); // cleared again: by name; the added species is gone
        QCOMPARE(keysIn(list), QStringList({"05900", "14640", "11870*"}));

        list->clearSelection();
        species.Command2_Click();
        QCOMPARE(t.prompter().lastText(), QString("Ingen arter valgt."));
        species.Command4_Click();
        QCOMPARE(species.chosenSpeciesKeys(), QStringList({"05900", "14640", "11870"}));

        // In the picker typing a name moves to it and chooses nothing; the space bar still chooses.
        const int interval = QApplication::keyboardInputInterval();
        QApplication::setKeyboardInputInterval(std::numeric_limits<int>::max()); // a slow machine types slowly
        const auto restore = qScopeGuard([interval] { QApplication::setKeyboardInputInterval(interval); });
        frm_VelgArter picker(t.program());
        picker.show();
        QVERIFY(QTest::qWaitForWindowActive(&picker));
        auto *all = child<ChoiceList>(&picker, "List1");
        clickEntry(all, all->entries().rowOf("05900"));
        QTest::keyClicks(all, "Gråspurv");
        QCOMPARE(all->chosenKeys(), QStringList{"05900"});
        QCOMPARE(all->entries().keyAt(all->currentIndex().row()), "15910");
        QTest::keyClick(all, Qt::Key_Space);
        QCOMPARE(all->chosenKeys(), QStringList({"05900", "15910"}));
    }

    // Values typed in the bottom rows survive scrolling; a species never shown is saved with the
    // defaults; a species left out needs a valid count but gives no row.
    void twentySpeciesScrolled()
    {
        Grid g(twentySpecies());
        auto &[t, grid] = g;
        g.box("Text1", 14)->setText("5");
        g.box("Text4", 13)->setText("par");
        g.control<QCheckBox>("Check1_0")->setChecked(true);
        for (int i = 0; i < 3; ++i)
            grid.Command2_Click();
        QCOMPARE(g.count(11), "5");       // species 14, three rows up
        g.box("Text1", 14)->setText("7"); // species 17; 18 and 19 are never shown
        for (int i = 0; i < 3; ++i)
            grid.Command1_Click();
        grid.Command1_Click(); // at the top: a beep
        QCOMPARE(t.prompter().beeps, 1);
        QCOMPARE(g.count(14), "5");
        QCOMPARE(g.box("Text4", 13)->text(), "par");

        grid.Command4_Click();
        QVERIFY(g.onHeader());
        grid.Command9_Click();
        QCOMPARE(t.prompter().lastText(), QString("Det ble totalt registrert 19 nye observasjoner."));
        QVERIFY(grid.endedGroupRegistration());
        QCOMPARE(t.db().columnTexts("SELECT Art || '=' || Antall || Operator || Kjønn || Alder || AtlasKode || "
                                    "Kommentar FROM Observasjoner WHERE Art IN ('00020', '00550', '00700', '00800') "
                                    "ORDER BY Art"),
                 QStringList({"00550=5=", "00700=7=", "00800=0="}));
    }

    // The copy buttons read Shift and Ctrl from the press (the copy rules are the core's); a look-up
    // box completes the Norwegian name and takes back a letter that leads nowhere; "&Gå videre" by
    // Alt+G right after typing a count checks that count (which counts are valid is the core's rule).
    void gridByMouseAndKeyboard()
    {
        Grid g(twentySpecies().mid(0, 8));
        auto &[t, grid] = g;
        QVERIFY(QTest::qWaitForWindowActive(&grid));
        g.box("Text1", 1)->setText("3");
        g.pressCopy("Command15", 1);
        g.pressCopy("Command15", 4, Qt::ShiftModifier);
        g.pressCopy("Command15", 6, Qt::ControlModifier);
        QStringList counts;
        for (int row = 0; row < 8; ++row)
            counts << g.count(row);
        QCOMPARE(counts, QStringList({"0", "3", "3", "3", "3", "0", "3", "0"}));
        QVERIFY(!g.control("Command1")->isEnabled()); // fewer than fifteen: no scrolling

        auto *lookUp = g.control<QComboBox>("Combo7_1");
        QTest::keyClicks(lookUp->lineEdit(), "svarttr");
        QCOMPARE(lookUp->currentText(), QString("Svarttrost  [11870]"));
        QTest::keyClicks(lookUp->lineEdit(), "x");
        QCOMPARE(lookUp->currentText(), QString("Svarttr"));
        QCOMPARE(t.prompter().beeps, 1);
        QTest::keyClick(lookUp->lineEdit(), Qt::Key_Backspace);
        QCOMPARE(lookUp->currentText(), QString());
        QCOMPARE(lookUp->count(), 0);

        QLineEdit *box = g.box("Text1", 1);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, "-0,5");
        QTest::keyClick(box, Qt::Key_G, Qt::AltModifier); // the focus stays in the box
        QTRY_COMPARE(t.prompter().lastText(), QString("Alle antall må være et nummer og større en -1"));
        QVERIFY(!g.onHeader());
        box->selectAll();
        QTest::keyClicks(box, "12");
        QTest::keyClick(box, Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(g.onHeader());
    }

    // Each window fits a 1366x768 screen, and at its smallest, also with a font half as large
    // again, every button, caption and check box has the room its text needs. Escape does nothing
    // in the group windows: only their own buttons close them.
    void eachWindow_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("usual font") << 1.0;
        QTest::newRow("larger font") << 1.5;
    }
    void eachWindow()
    {
        QFETCH(double, scale);
        const QFont usual = QApplication::font();
        const auto restore = qScopeGuard([usual] { QApplication::setFont(usual); });
        QFont larger = usual;
        larger.setPointSizeF(usual.pointSizeF() * scale);
        QApplication::setFont(larger);
        Grid g(twentySpecies());
        frm_BatchRegistrering species(g.t.program(), {{"Svarttrost (Turdus merula) [11870]", "11870"}});
        frm_VelgArter picker(g.t.program());
        const std::pair<QDialog *, const char *> windows[] = {
            {&species, "List1"}, {&picker, "List1"}, {&g.grid, "Text1_0"}};
        for (const auto &[window, focus] : windows) {
            window->show();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QWidget *focused = child(window, focus);
            focused->setFocus();
            QTest::keyClick(focused, Qt::Key_Escape);
            QVERIFY(window->isVisible());
            QCOMPARE(cramped(window), QStringList());
            if (scale == 1.0)
                QVERIFY(QRect(0, 0, 1366, 700).contains(QRect(QPoint(), window->sizeHint())));
        }
        g.grid.Command4_Click();
        QCOMPARE(cramped(&g.grid), QStringList());
    }

    // The title bar's close button on the grid asks first; "Ja" is the shown page's "&Avbryt".
    void titleBarCloseAsks()
    {
        for (const bool onHeader : {false, true}) {
            Grid g({"11870"});
            auto &[t, grid] = g;
            g.box("Text1", 0)->setText("4");
            if (onHeader)
                grid.Command4_Click();
            QVERIFY(!grid.close()); // "Nei"
            QCOMPARE(t.prompter().lastText(), QString("Vil du avbryte? Det du har skrevet inn blir ikke lagret."));
            QVERIFY(grid.isVisible());
            QCOMPARE(g.count(0), "4");
            t.prompter().yesNoAnswers = {true};
            QVERIFY(grid.close());
            QVERIFY(!grid.isVisible());
            QCOMPARE(grid.endedGroupRegistration(), onHeader);
        }
    }

    // The locality list holds the named localities and the used places, the first chosen; "Ny" adds a
    // named one and chooses it; after "&Tilbake" the header keeps what the user chose; a used place
    // chosen becomes a named locality at the save.
    void headerLocalitiesAndBack()
    {
        Grid g({"11870"});
        auto &[t, grid] = g;
        t.insertObservation({{"Art", "00020"}, {"Lokalitet", "Aker"}});
        grid.Command4_Click();
        auto *localities = g.control<QComboBox>("Combo5");
        QCOMPARE(entries(localities), QStringList({"Aker", "Gåsholmen          [5]"}));
        QCOMPARE(localities->currentText(), QString("Aker"));
        t.prompter().inputAnswers = {std::nullopt, "", " gåsholmen", "Storvatnet"};
        for (int press = 0; press < 4; ++press)
            click(&grid, "Command22");
        QStringList shown;
        for (const ScriptedPrompter::Shown &message : t.prompter().shown)
            shown << message.text;
        const QString prompt = "Navn på den nye lokaliteten:";
        QCOMPARE(shown, QStringList({prompt, prompt, "Skriv inn et navn på lokaliteten.", prompt,
                                     "Lokaliteten finnes allerede.", prompt}));
        QCOMPARE(entries(localities), QStringList({"Aker", "Gåsholmen          [5]", "Storvatnet          [6]"}));
        QCOMPARE(localities->currentText(), QString("Storvatnet          [6]"));

        const QString lastWeek = QDate::currentDate().addDays(-7).toString("dd.MM.yyyy");
        g.control<QLineEdit>("Text2")->setText(lastWeek);
        grid.Command10_Click();
        QVERIFY(g.control("GridPage")->isVisibleTo(&grid));
        grid.Command4_Click();
        QCOMPARE(g.control<QLineEdit>("Text2")->text(), lastWeek);
        QCOMPARE(localities->currentText(), QString("Storvatnet          [6]"));
        auto *mainObserver = g.control<QComboBox>("Combo6");
        QCOMPARE(mainObserver->count(), 1);
        QVERIFY(mainObserver->currentText().endsWith("[1]")); // ObserverID in the brackets

        localities->setCurrentIndex(0);
        grid.Command9_Click();
        QCOMPARE(t.db().scalar("SELECT Lokalitet FROM Observasjoner WHERE Art = '11870'").toString(), "7");
        QCOMPARE(t.db().scalar("SELECT Lokalitet FROM Lokalitet WHERE ID = 7").toString(), "Aker");
    }

    // Without observers in the main window's list the register decides whether the group windows
    // may start (an observer in the register alone is enough: tst_workflow's group registrations).
    // "Import" is there with atlas records (hidden without: tst_startup); "Nei" changes nothing, "Ja"
    // shows an imported row. While a registration is entered the group and import buttons wait.
    void groupAndImportButtons()
    {
        FaunaWindow w(false);
        w.t.db().executeScript("INSERT INTO Lokalitet(ID, Lokalitet) VALUES (3, 'R123 Nordre');"
                               "INSERT INTO Atlas(Aar, Art, Rute) VALUES (1987, '1187', 'R123');");
        w.insertObservation({{"Art", "14640"}, {"StartDato", "2024-05-01 00:00:00"}});
        w.window.Form_Load(frm_Fauna::Splash::Skip);
        const auto starts = [&] {
            return answerModal([&] { w.click("Command24"); },
                               [](QWidget *window) { qobject_cast<QDialog *>(window)->reject(); });
        };
        QVERIFY(!starts());
        QCOMPARE(w.t.prompter().lastText(),
                 QString("Du må definere minst en observatør før du kan legge inn gruppeobservasjoner."));
        static_cast<KeyedListModel *>(w.control<QAbstractItemView>("List1")->model())
            ->append({"Nordmann, O. (ON) [x]", {}});
        QVERIFY(starts());

        w.t.addObserver("Ola", "Nordmann", "ON");
        w.t.addObserver("Kari", "Hansen", "KH");
        QVERIFY(w.control("Command30")->isVisibleTo(&w.window));
        w.t.prompter().yesNoAnswers = {false};
        w.click("Command30");
        QCOMPARE(w.t.db().scalar("SELECT Art FROM Observasjoner").toString(), "14640");
        w.t.prompter().yesNoAnswers = {true};
        w.click("Command30");
        QVERIFY(w.t.prompter().lastText().startsWith("Ferdig!"));
        QCOMPARE(w.shown("Command2"), QString("Svarttrost (Turdus merula) [11870]"));
        QCOMPARE(w.shown("Combo13"), QString("R123 Nordre"));

        w.click("Command7");
        QVERIFY(!w.control("Command24")->isEnabled());
        QVERIFY(!w.control("Command30")->isEnabled());
    }
};

QTEST_MAIN(GroupWindowsTest)
#include "tst_groupwindows.moc"
