#include "core/shared/TextFiles.h"
#include "gui/reference/ObserverLists.h"
#include "gui/reference/frm_Observers.h"
#include "support/FaunaWindow.h"

#include <QtTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

bool answerClick(QWidget *window, const QString &button, const std::function<void(QWidget *)> &action)
{
    return answerModal([&] { click(window, button); }, action);
}

QAbstractItemView *list1(QWidget *window) { return child<QAbstractItemView>(window, "List1"); }
QString text(QWidget *window, const QString &box) { return child<QLineEdit>(window, box)->text(); }

// The list window, opened on a register of three observers.
struct ListWindow {
    TestProgram t;
    std::unique_ptr<frm_Observers> window;

    ListWindow()
    {
        t.addObserver("Per", "Hansen", "PHA");
        t.addObserver("Anna", "Hansen", "AHA");
        t.addObserver("Åse", "Østby", "ÅØS");
        window = std::make_unique<frm_Observers>(t.program());
        window->show();
    }
};

} // namespace

class ObserverWindowsTest : public QObject {
    Q_OBJECT
private slots:
    // The list follows the search box as the user types, Enter picks the first entry and presses no
    // button; changing needs a selected observer, a double click opens one; the defaults window.
    void listWindowSearchesChangesAndSetsDefaults()
    {
        ListWindow w;
        QWidget *window = w.window.get();
        QAbstractItemView *list = list1(window);
        const QString id =
            w.t.db().scalar("SELECT ObserverID FROM Observers WHERE ObserverInitials = 'PHA'").toString();
        QVERIFY(!answerClick(window, "Command3", {})); // "&Endre obs." with no observer selected
        QCOMPARE(w.t.prompter().lastText(), QString("No observer selected."));
        QTest::keyClicks(child<QLineEdit>(window, "Text1"), "hA");
        QCOMPARE(initialsIn(list), (QStringList{"AHA", "PHA"}));
        QTest::keyClick(child<QLineEdit>(window, "Text1"), Qt::Key_Return);
        QVERIFY(list->currentIndex().row() == 0 && list->selectionModel()->isRowSelected(0));
        QVERIFY(window->isVisible()); // Enter pressed no button

        QStringList shownFields;
        QVERIFY(answerModal([&] { doubleClickEntry(list, 1); },
                            [&](QWidget *entry) {
                                for (const char *box : {"Text1", "Text2", "Text3", "Text5", "Text8", "Text9"})
                                    shownFields << text(entry, box);
                                child<QLineEdit>(entry, "Text3")->setText("Storgata 1");
                                click(entry, "Command2");
                            }));
        QCOMPARE(shownFields, (QStringList{"Per", "Hansen", "", "Norway", "PHA", id}));
        QCOMPARE(text(window, "Text1"), QString("Hansen"));
        QCOMPARE(entries(list).value(1), QString("Hansen, Per (PHA). Storgata 1  [%1]").arg(id));

        // The defaults window offers the marks as its selection; "&OK" stores the selection.
        w.t.db().execute("UPDATE Observers SET ObserverDefault = 1 WHERE ObserverInitials <> 'AHA'");
        QStringList offered;
        QVERIFY(answerClick(window, "Command5", [&](QWidget *defaults) {
            offered = initialsIn(list1(defaults), true);
            clickEntry(list1(defaults), 0);
            clickEntry(list1(defaults), 1);
            click(defaults, "Command2");
        }));
        QCOMPARE(offered, (QStringList{"AHA", "PHA*", "ÅØS*"}));
        QCOMPARE(w.t.db().columnTexts("SELECT ObserverInitials FROM Observers WHERE ObserverDefault = 1"),
                 (QStringList{"AHA", "ÅØS"}));
    }

    void refusedSaveKeepsTheEntryWindowOpen_data()
    {
        QTest::addColumn<QString>("initials");
        QTest::addColumn<bool>("failingStore");
        QTest::addColumn<QString>("message");
        QTest::newRow("refused") << "aha" << false << "Initials already used.";
        QTest::newRow("store fails") << "OB" << true << "Observatøren ble ikke lagret: ";
    }
    void refusedSaveKeepsTheEntryWindowOpen()
    {
        QFETCH(QString, initials);
        QFETCH(bool, failingStore);
        QFETCH(QString, message);
        ListWindow w;
        if (failingStore)
            w.t.db().execute(
                "CREATE TRIGGER refuse BEFORE INSERT ON Observers BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        bool stillOpen = false;
        QStringList kept;
        answerClick(w.window.get(), "Command2", [&](QWidget *entry) {
            child<QLineEdit>(entry, "Text1")->setText("Ola");
            child<QLineEdit>(entry, "Text2")->setText("Berg");
            QTest::keyClicks(child<QLineEdit>(entry, "Text8"), initials);
            click(entry, "Command2");
            stillOpen = entry->isVisible();
            kept = {text(entry, "Text1"), text(entry, "Text2"), text(entry, "Text8"), text(entry, "Text5")};
            click(entry, "Command1");
        });
        QVERIFY(stillOpen);
        QCOMPARE(kept, (QStringList{"Ola", "Berg", initials, "Norway"}));
        QVERIFY(w.t.prompter().lastText().startsWith(message));
        QCOMPARE(w.t.db().scalar("SELECT count(*) FROM Observers").toInt(), 3);
    }

    // In the main window the right button on the observers, while a registration is entered,
    // chooses who takes part; saving remembers the main observer (which one, and offering it
    // ticked next time, are tst_observerlists' tables).
    void registrationObserversFromTheMainWindow()
    {
        FaunaWindow w;
        const QString kari = w.t.addObserver("Kari", "Nordmann", "KN", true);
        w.t.addObserver("Ola", "Berg", "OB");
        QAbstractItemView *observers = list1(&w.window);
        // On the text of the first entry, away from its tick box.
        const auto press = [&](Qt::MouseButton button, const std::function<void(QWidget *)> &action) {
            const QPoint at(observers->viewport()->width() / 2, 5);
            return answerModal([&] { QTest::mouseClick(observers->viewport(), button, {}, at); }, action);
        };
        const auto closeIt = [](QWidget *modal) { modal->close(); };
        QVERIFY(!press(Qt::RightButton, closeIt)); // browsing: the list is disabled
        w.click("Command7");
        QVERIFY(!press(Qt::LeftButton, closeIt));
        QVERIFY(press(Qt::RightButton, [&](QWidget *edit) {
            clickEntry(list1(edit), 1);
            click(edit, "Command2");
        }));
        QCOMPARE(initialsIn(observers), (QStringList{"KN*", "OB"}));
        w.enterRequired();
        w.click("Command7");
        QCOMPARE(w.t.db().scalar("SELECT count(*) FROM Observasjoner").toInt(), 1);
        QCOMPARE(readFirstLine(w.t.path(MainObserverFileName)), kari);
        QCOMPARE(w.t.prompter().shown.size(), 0);
    }
};

QTEST_MAIN(ObserverWindowsTest)
#include "tst_observerwindows.moc"
