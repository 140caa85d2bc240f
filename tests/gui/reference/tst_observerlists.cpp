#include "core/reference/ObserverRegister.h"
#include "core/shared/TextFiles.h"
#include "gui/reference/ObserverLists.h"
#include "gui/reference/frm_ObserverEdit.h"
#include "gui/ui/KeyedListModel.h"
#include "support/Gestures.h"
#include "support/ModalAnswer.h"
#include "support/TestProgram.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

// Observers given as "first/last/INITIALS", those with initials among the defaults marked as
// defaults; answers their ObserverUniqueIDs by initials. The tables below name them by initials.
QHash<QString, QString> addObservers(TestProgram &t, const QStringList &observers, const QStringList &defaults = {})
{
    QHash<QString, QString> ids;
    for (const QString &o : observers) {
        const QString initials = o.section('/', 2);
        ids.insert(initials,
                   t.addObserver(o.section('/', 0, 0), o.section('/', 1, 1), initials, defaults.contains(initials)));
    }
    return ids;
}

// A registration's observer list, as the main window keeps it.
struct ObserverList : KeyedListModel {
    ObserverList() { setCheckable(true); }
};

} // namespace

class ObserverListsTest : public QObject {
    Q_OBJECT
private slots:
    void observerIdListPutsMainObserverFirst_data()
    {
        QTest::addColumn<QString>("ticks");  // one character an entry, "x" ticked
        QTest::addColumn<QString>("order");  // the entries' positions in the answer
        QTest::addColumn<int>("remembered"); // the entry written to MainObserver.txt; -1 none
        QTest::newRow("three, first ticked") << "x--" << QString("012") << 0;
        QTest::newRow("three, middle ticked") << "-x-" << QString("102") << 1;
        QTest::newRow("one, not ticked") << "-" << QString("0") << -1;
        QTest::newRow("one, ticked") << "x" << QString("0") << -1;
        QTest::newRow("empty list") << "" << QString() << -1;
    }
    void observerIdListPutsMainObserverFirst()
    {
        QFETCH(QString, ticks);
        QFETCH(QString, order);
        QFETCH(int, remembered);
        TestProgram t(false);
        ObserverList list;
        QStringList keys;
        for (int i = 0; i < ticks.size(); ++i) {
            keys << QStringLiteral("20130401120000-%1").arg(i + 1);
            addObserverEntry(list, keyedEntry(QStringLiteral("Hansen, P. (PH%1)").arg(i), 40, keys.last()),
                             ticks[i] == 'x');
        }
        QStringList expected;
        for (QChar position : order)
            expected << keys[position.digitValue()];
        QCOMPARE(observerIdList(list), expected.join(','));
        rememberMainObserver(t.program(), list);
        const QString file = t.path(MainObserverFileName);
        QCOMPARE(QFile::exists(file) ? contents(file) : "none",
                 remembered >= 0 ? (keys[remembered] + '\n').toUtf8() : "none");
    }

    void fillDefaultObserversTicksMainObserver_data()
    {
        QTest::addColumn<QStringList>("defaults");
        QTest::addColumn<QString>("remembered"); // empty: no MainObserver.txt
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("remembered default ticked")
            << QStringList{"PHA", "AAS", "ÅAU"} << "PHA" << QStringList{"AAS", "PHA*", "ÅAU"};
        QTest::newRow("no remembered observer") << QStringList{"PHA", "AAS"} << "" << QStringList{"AAS", "PHA"};
        QTest::newRow("remembered is no default") << QStringList{"PHA", "AAS"} << "OBE" << QStringList{"AAS", "PHA"};
        QTest::newRow("a single default") << QStringList{"OBE"} << "" << QStringList{"OBE*"};
    }
    void fillDefaultObserversTicksMainObserver()
    {
        QFETCH(QStringList, defaults);
        QFETCH(QString, remembered);
        QFETCH(QStringList, expected);
        TestProgram t;
        const auto ids = addObservers(t, {"Per/Hansen/PHA", "Åse/Aune/ÅAU", "Ola/Berg/OBE", "Anne/Ås/AAS"}, defaults);
        if (!remembered.isEmpty())
            writeLine(t.path(MainObserverFileName), ids.value(remembered));
        ObserverList list;
        addObserverEntry(list, {QStringLiteral("left from the last registration"), {}});
        fillDefaultObservers(t.program(), list);
        QCOMPARE(initialsIn(list), expected);
    }

    // The picker offers the list's observers chosen, then the others by last name, then first name.
    void editObserverListKeepsChosenInPickerOrder_data()
    {
        QTest::addColumn<QString>("button"); // empty: closed by the window frame
        QTest::addColumn<QStringList>("toggled");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("OK keeps the copies and the tick")
            << "Command2" << QStringList{} << QStringList{"PZA*", "OBE"} << false;
        QTest::newRow("OK with one dropped, one added")
            << "Command2" << QStringList{"PZA", "AAS"} << QStringList{"OBE", "AAS"} << false;
        QTest::newRow("Quit leaves the list") << "Command1" << QStringList{"AAS"} << QStringList{"PZA*", "OBE"} << true;
        QTest::newRow("window frame is Quit") << "" << QStringList{"AAS"} << QStringList{"PZA*", "OBE"} << true;
    }
    void editObserverListKeepsChosenInPickerOrder()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, toggled);
        QFETCH(QStringList, expected);
        QFETCH(bool, cancelled);
        TestProgram t;
        auto ids = addObservers(t, {"Per/Zahl/PZA", "Anne/Ås/AAS", "Ola/Berg [Ola]/OBE", "Kari/Berg/KBE",
                                    "Anna/Berg/ABE", "Øyvind/Aune/ØAU"});
        // Observers are told apart by their whole keys, whatever their names hold: OBE's key begins
        // with AAS's.
        for (const auto &[initials, key] : {std::pair{"OBE", "20240601120000-10"}, {"AAS", "20240601120000-1"}}) {
            t.program().observerConnection().execute(
                "UPDATE Observers SET ObserverUniqueID = ? WHERE ObserverUniqueID = ?", {key, ids.value(initials)});
            ids[initials] = key;
        }
        ObserverList list;
        addObserverEntry(list, observerEntry(t.program(), ids["PZA"]), true);
        addObserverEntry(list, observerEntry(t.program(), ids["OBE"]));
        QStringList offered;
        bool confirmed = false;
        QVERIFY(answerModal(
            [&] { confirmed = editObserverList(t.program(), list, nullptr); },
            [&](QWidget *picker) {
                auto *choices = child<QAbstractItemView>(picker, "List1");
                offered = initialsIn(choices, true);
                for (const QString &initials : toggled)
                    clickEntry(choices, initialsIn(choices, true).indexOf(QRegularExpression(initials + "\\*?")));
                if (button.isEmpty())
                    picker->close();
                else
                    click(picker, button);
            }));
        QCOMPARE(offered, (QStringList{"PZA*", "OBE*", "ØAU", "ABE", "KBE", "AAS"}));
        QCOMPARE(initialsIn(list), expected);
        for (int row = 0; row < expected.size(); ++row)
            QCOMPARE(list.keyAt(row), ids.value(QString(expected[row]).remove('*')));
        QCOMPARE(!confirmed, cancelled);
    }
};

QTEST_MAIN(ObserverListsTest)
#include "tst_observerlists.moc"
