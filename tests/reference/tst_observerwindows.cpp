#include "data/SharedProcedures.h"
#include "reference/frm_Observers.h"
#include "registration/FaunaWindow.h"
#include "support/ModalAnswer.h"
#include "ui/ObserverLists.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace lirvenda;
using test::FaunaWindow;

namespace {

template <typename Control = QWidget>
Control *child(QWidget *window, const QString &name)
{
    auto *found = window->findChild<Control *>(name);
    if (!found)
        qFatal("No control %s in %s", qPrintable(name), window->metaObject()->className());
    return found;
}

void click(QWidget *window, const QString &button) { QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton); }

// Runs the action on the modal window that open() opens; false when none opened or it had to be
// closed by the watchdog.
bool answerModal(const std::function<void()> &open, const std::function<void(QWidget *)> &action)
{
    test::ModalAnswer answer(action);
    open();
    return answer.answered() && !answer.watchdogFired();
}

bool answerModal(QWidget *window, const QString &button, const std::function<void(QWidget *)> &action)
{
    return answerModal([&] { click(window, button); }, action);
}

QListWidget *list1(QWidget *window) { return child<QListWidget>(window, "List1"); }

QString text(QWidget *window, const QString &box) { return child<QLineEdit>(window, box)->text(); }

// The initials of every entry, "*" marking the ticked ones; the lists put them in "(...)".
QStringList entries(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i) {
        const QString entry = list->item(i)->text();
        const qsizetype open = entry.indexOf('(');
        out << entry.mid(open + 1, entry.indexOf(')') - open - 1) +
                   (list->item(i)->checkState() == Qt::Checked ? "*" : "");
    }
    return out;
}

QStringList selectedEntries(const QListWidget *list)
{
    QStringList out;
    for (const QListWidgetItem *item : list->selectedItems())
        out << item->text();
    return out;
}

void clickEntry(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// QTest's first double click on a list arrives as a single press: click once before it.
void doubleClickEntry(QListWidget *list, int row)
{
    clickEntry(list, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void fillEntryWindow(QWidget *entry, const QString &first, const QString &last, const QString &initials)
{
    child<QLineEdit>(entry, "Text1")->setText(first);
    child<QLineEdit>(entry, "Text2")->setText(last);
    QTest::keyClicks(child<QLineEdit>(entry, "Text8"), initials);
}

// "&Ny obs." on the list window, the fields typed, "&Save".
bool addObserver(QWidget *observers, const QString &first, const QString &last, const QString &initials)
{
    return answerModal(observers, "Command2", [&](QWidget *entry) {
        fillEntryWindow(entry, first, last, initials);
        click(entry, "Command2");
    });
}

// "&Set Default" on the list window: exactly the given observers selected, "&OK".
bool chooseDefaults(QWidget *observers, const QStringList &initials)
{
    return answerModal(observers, "Command5", [&](QWidget *defaults) {
        QListWidget *list = list1(defaults);
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->isSelected() != initials.contains(entries(list)[i]))
                clickEntry(list, i);
        click(defaults, "Command2");
    });
}

int addThreeObservers(test::TestProgram &t)
{
    t.addObserver("Per", "Hansen", "PHA");
    t.addObserver("Anna", "Hansen", "AHA");
    t.addObserver("Åse", "Østby", "ÅØS");
    return 3;
}

// The list window, opened on a register of three observers.
struct ListWindow {
    test::TestProgram t;
    int observers = addThreeObservers(t);
    frm_Observers window{t.program()};

    ListWindow() { window.show(); }
};

} // namespace

class ObserverWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void listWindowSearchesAsTheUserTypes()
    {
        ListWindow w;
        QWidget *window = &w.window;
        QCOMPARE(window->windowTitle(), QString("Observers"));
        QCOMPARE(entries(list1(window)), (QStringList{"AHA", "PHA", "ÅØS"}));

        QTest::keyClicks(child<QLineEdit>(window, "Text1"), "hA");
        QCOMPARE(entries(list1(window)), (QStringList{"AHA", "PHA"}));
        QTest::keyClick(child<QLineEdit>(window, "Text1"), Qt::Key_Return);
        QCOMPARE(list1(window)->currentRow(), 0);
        QVERIFY(list1(window)->item(0)->isSelected());
        QVERIFY(window->isVisible()); // Enter pressed no button

        click(window, "Command4");
        QCOMPARE(text(window, "Text1"), QString());
        QCOMPARE(entries(list1(window)), (QStringList{"AHA", "PHA", "ÅØS"}));

        click(window, "Command1");
        QVERIFY(!window->isVisible());
        QVERIFY(w.t.program().areaPickCancelled);
    }

    void changingWithoutSelectionSaysSo()
    {
        ListWindow w;
        QVERIFY(!answerModal(&w.window, "Command3", [](QWidget *) {}));
        QCOMPARE(w.t.prompter().lastText(), QString("No observer selected."));
        QCOMPARE(w.t.prompter().shown.last().icon, Prompter::Icon::Information);
    }

    void newObserverIsAddedThroughTheEntryWindow()
    {
        ListWindow w;
        QString caption;
        QStringList shownFields;
        bool allYellow = true;
        const bool stored = answerModal(&w.window, "Command2", [&](QWidget *entry) {
            caption = entry->windowTitle();
            for (const char *box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text10", "Text9"})
                shownFields << text(entry, box);
            for (const char *box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text10"})
                allYellow = allYellow && test::isYellow(child(entry, box));
            fillEntryWindow(entry, "Ola", "  Berg ", "ob");
            click(entry, "Command2");
        });
        QVERIFY(stored);
        QCOMPARE(caption, QString("Observers (append data)"));
        QCOMPARE(shownFields, (QStringList{"", "", "", "", "Norway", "", "", "", "", "0"}));
        QVERIFY(allYellow);
        QCOMPARE(text(&w.window, "Text1"), QString("Berg"));
        QCOMPARE(entries(list1(&w.window)), QStringList{"OB"});
        QVERIFY(list1(&w.window)->item(0)->text().startsWith("Berg, Ola (OB). "));
        QCOMPARE(w.t.prompter().shown.size(), 0);
    }

    void refusedSaveKeepsTheEntryWindowOpen_data()
    {
        QTest::addColumn<QString>("initials");
        QTest::addColumn<bool>("failingStore");
        QTest::addColumn<QString>("message");
        QTest::newRow("no initials") << "" << false << "Name and initials must be given!";
        QTest::newRow("initials taken") << "aha" << false << "Initials already used.";
        QTest::newRow("store fails") << "OB" << true << "Observatøren ble ikke lagret: ";
    }

    void refusedSaveKeepsTheEntryWindowOpen()
    {
        QFETCH(QString, initials);
        QFETCH(bool, failingStore);
        QFETCH(QString, message);
        ListWindow w;
        if (failingStore)
            w.t.db().execute("CREATE TRIGGER refuse BEFORE INSERT ON Observers BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        bool stillOpen = false;
        QStringList kept;
        answerModal(&w.window, "Command2", [&](QWidget *entry) {
            fillEntryWindow(entry, "Ola", "Berg", initials);
            click(entry, "Command2");
            stillOpen = entry->isVisible();
            kept = {text(entry, "Text1"), text(entry, "Text2"), text(entry, "Text8"), text(entry, "Text5")};
            click(entry, "Command1");
        });
        QVERIFY(stillOpen);
        QCOMPARE(kept, (QStringList{"Ola", "Berg", initials, "Norway"}));
        QVERIFY(w.t.prompter().lastText().startsWith(message));
        QCOMPARE(w.t.db().scalar("SELECT count(*) FROM Observers").toInt(), 3);
        QVERIFY(w.t.program().areaPickCancelled);
        QCOMPARE(entries(list1(&w.window)).size(), 3);
    }

    void observerIsChangedFromADoubleClick()
    {
        ListWindow w;
        const QString id = w.t.db().scalar("SELECT ObserverID FROM Observers WHERE ObserverInitials = 'PHA'").toString();
        QTest::keyClicks(child<QLineEdit>(&w.window, "Text1"), "Hansen");
        QString caption;
        QStringList shownFields;
        const bool stored = answerModal([&] { doubleClickEntry(list1(&w.window), 1); }, [&](QWidget *entry) {
            caption = entry->windowTitle();
            for (const char *box : {"Text1", "Text2", "Text3", "Text5", "Text8", "Text9"})
                shownFields << text(entry, box);
            child<QLineEdit>(entry, "Text3")->setText("Storgata 1");
            click(entry, "Command2");
        });
        QVERIFY(stored);
        QCOMPARE(caption, QString("Observers (edit data)"));
        QCOMPARE(shownFields, (QStringList{"Per", "Hansen", "", "Norway", "PHA", id}));
        QCOMPARE(text(&w.window, "Text1"), QString("Hansen"));
        QCOMPARE(list1(&w.window)->item(1)->text(), QString("Hansen, Per (PHA). Storgata 1  [%1]").arg(id));
    }

    void defaultsWindowRoundTrip()
    {
        ListWindow w;
        w.t.db().execute("UPDATE Observers SET ObserverDefault = 1 WHERE ObserverInitials <> 'AHA'");
        const auto marked = [&] {
            return w.t.db().scalar("SELECT group_concat(ObserverInitials) FROM Observers WHERE ObserverDefault = 1")
                .toString();
        };
        QString caption;
        QStringList offered;
        QVERIFY(answerModal(&w.window, "Command5", [&](QWidget *defaults) {
            caption = defaults->windowTitle();
            offered = selectedEntries(list1(defaults));
            click(defaults, "Command2");
        }));
        QCOMPARE(caption, QString("Default observers"));
        QCOMPARE(offered.size(), 2);
        QVERIFY(offered[0].startsWith("Hansen, Per  (PHA) ["));
        QCOMPARE(marked(), QString("PHA,ÅØS"));

        QVERIFY(answerModal(&w.window, "Command5", [&](QWidget *defaults) {
            clickEntry(list1(defaults), 0);
            click(defaults, "Command1");
        }));
        QCOMPARE(marked(), QString("PHA,ÅØS"));

        QVERIFY(chooseDefaults(&w.window, {}));
        QCOMPARE(marked(), QString());
    }

    // Everything a user does, from the main window: two observers, defaults, registrations.
    void realRunFromTheMainWindow()
    {
        FaunaWindow w;
        QWidget *main = &w.window;
        QVERIFY(answerModal(main, "Command10", [&](QWidget *observers) {
            addObserver(observers, "Kari", "Nordmann", "kn");
            addObserver(observers, "Ola", "Berg", "ob");
            chooseDefaults(observers, {"KN"});
            click(observers, "Command1");
        }));
        QCOMPARE(w.t.db().scalar("SELECT count(*) FROM Observers").toInt(), 2);
        const QString second = w.t.db().scalar("SELECT ObserverUniqueID FROM Observers WHERE ObserverInitials = 'OB'").toString();

        click(main, "Command7");
        QCOMPARE(entries(list1(main)), QStringList{"KN*"});
        click(main, "Command9");

        QVERIFY(answerModal(main, "Command10", [&](QWidget *observers) {
            chooseDefaults(observers, {"KN", "OB"});
            click(observers, "Command1");
        }));
        click(main, "Command7");
        QCOMPARE(entries(list1(main)), (QStringList{"KN", "OB"}));
        list1(main)->setCurrentRow(1);
        QTest::keyClick(list1(main), Qt::Key_Space);
        QCOMPARE(entries(list1(main)), (QStringList{"KN", "OB*"}));

        w.control<QComboBox>("Combo13")->setEditText("Tjønna");
        w.control<QLineEdit>("Text7")->setText("63.4305");
        w.control<QLineEdit>("Text8")->setText("10.3951");
        w.control<QPushButton>("Command2")->setText("Svarttrost (Turdus merula) [11870]");
        w.control<QLineEdit>("Text1")->setText("2");
        click(main, "Command7");
        QCOMPARE(w.t.db().scalar("SELECT count(*) FROM Observasjoner").toInt(), 1);
        QCOMPARE(ReadFirstLine(w.t.path(MainObserverFileName)), second);

        click(main, "Command9");
        click(main, "Command7");
        QCOMPARE(entries(list1(main)), (QStringList{"KN", "OB*"}));
        QCOMPARE(w.t.prompter().shown.size(), 0);
    }

    void rightButtonOnTheObserversChoosesWhoTakesPart()
    {
        FaunaWindow w;
        w.t.addObserver("Kari", "Nordmann", "KN", true);
        w.t.addObserver("Ola", "Berg", "OB");
        QListWidget *observers = list1(&w.window);
        // On the text of the first entry, away from its tick box.
        const auto press = [&](Qt::MouseButton button, const std::function<void(QWidget *)> &action) {
            const QPoint at(observers->viewport()->width() / 2, 5);
            return answerModal([&] { QTest::mouseClick(observers->viewport(), button, {}, at); }, action);
        };
        const auto closeIt = [](QWidget *modal) { modal->close(); };

        QVERIFY(!press(Qt::RightButton, closeIt)); // browsing: the list is disabled
        click(&w.window, "Command7");
        QVERIFY(!press(Qt::LeftButton, closeIt));
        QString picker;
        QVERIFY(press(Qt::RightButton, [&](QWidget *edit) {
            picker = edit->windowTitle();
            clickEntry(list1(edit), 1);
            click(edit, "Command2");
        }));
        QCOMPARE(picker, QString("Edit observer list"));
        QCOMPARE(entries(observers), (QStringList{"KN*", "OB"}));
    }
};

QTEST_MAIN(ObserverWindowsTest)
#include "tst_observerwindows.moc"
