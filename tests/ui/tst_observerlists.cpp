#include "data/SharedProcedures.h"
#include "support/ModalAnswer.h"
#include "support/TestProgram.h"
#include "ui/ObserverLists.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace lirvenda;

namespace {

// An observer register; observers are named by their initials in the tables below.
struct Register {
    test::TestProgram &t;
    QHash<QString, QString> ids; // initials -> ObserverUniqueID

    void add(const QString &first, const QString &last, const QString &initials, bool isDefault = false)
    {
        ids.insert(initials, t.addObserver(first, last, initials, isDefault));
    }
    QString initialsOf(const QString &entry) const { return ids.key(BracketCode(entry)); }
};

// The entries as initials, "*" marking the ticked (or, in the picker, the chosen) ones.
QStringList entries(const Register &r, const QListWidget *list, bool byTick = true)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i) {
        const QListWidgetItem *item = list->item(i);
        const bool marked = byTick ? item->checkState() == Qt::Checked : item->isSelected();
        out << r.initialsOf(item->text()) + (marked ? "*" : "");
    }
    return out;
}

void click(QWidget *window, const char *button)
{
    QTest::mouseClick(window->findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
}

void clickEntry(QListWidget *list, const QString &initials)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().contains('(' + initials + ')'))
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(i)).center());
}

} // namespace

class ObserverListsTest : public QObject {
    Q_OBJECT
private slots:
    void observerIdListPutsMainObserverFirst_data()
    {
        QTest::addColumn<QString>("ticks");      // one character an entry, "x" ticked
        QTest::addColumn<QString>("order");      // the entries' positions in the answer
        QTest::addColumn<int>("remembered");     // the entry written to MainObserver.txt; -1 none
        QTest::newRow("three, first ticked") << "x--" << "012" << 0;
        QTest::newRow("three, middle ticked") << "-x-" << "102" << 1;
        QTest::newRow("one, not ticked") << "-" << "0" << -1;
        QTest::newRow("one, ticked") << "x" << "0" << -1;
        QTest::newRow("empty list") << "" << "" << -1;
    }

    void observerIdListPutsMainObserverFirst()
    {
        QFETCH(QString, ticks);
        QFETCH(QString, order);
        QFETCH(int, remembered);
        test::TestProgram t(false);
        QListWidget list;
        QStringList keys;
        for (int i = 0; i < ticks.size(); ++i) {
            keys << QStringLiteral("20130401120000-%1").arg(i + 1);
            AddObserverEntry(&list, withKey(QStringLiteral("Hansen, P. (PH%1)").arg(i), 40, keys.last()),
                             ticks[i] == 'x');
        }
        QStringList expected;
        for (QChar position : order)
            expected << keys[position.digitValue()];

        QCOMPARE(ObserverIdList(t.program(), &list), expected.join(','));

        QFile file(t.path(MainObserverFileName));
        QCOMPARE(file.exists(), remembered >= 0);
        if (remembered >= 0) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), (keys[remembered] + '\n').toUtf8());
        }
    }

    void fillDefaultObserversTicksMainObserver_data()
    {
        QTest::addColumn<QStringList>("defaults");
        QTest::addColumn<QString>("remembered"); // empty: no MainObserver.txt
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("remembered default ticked") << QStringList{"PHA", "AAS", "ÅAU"} << "PHA"
                                                   << QStringList{"AAS", "PHA*", "ÅAU"};
        QTest::newRow("no remembered observer") << QStringList{"PHA", "AAS"} << ""
                                                << QStringList{"AAS", "PHA"};
        QTest::newRow("remembered is no default") << QStringList{"PHA", "AAS"} << "OBE"
                                                  << QStringList{"AAS", "PHA"};
        QTest::newRow("a single default") << QStringList{"OBE"} << "" << QStringList{"OBE*"};
    }

    void fillDefaultObserversTicksMainObserver()
    {
        QFETCH(QStringList, defaults);
        QFETCH(QString, remembered);
        QFETCH(QStringList, expected);
        test::TestProgram t;
        Register r{t};
        r.add("Per", "Hansen", "PHA", defaults.contains("PHA"));
        r.add("Åse", "Aune", "ÅAU", defaults.contains("ÅAU"));
        r.add("Ola", "Berg", "OBE", defaults.contains("OBE"));
        r.add("Anne", "Ås", "AAS", defaults.contains("AAS"));
        if (!remembered.isEmpty())
            WriteLine(t.path(MainObserverFileName), r.ids.value(remembered));
        QListWidget list;
        AddObserverEntry(&list, QStringLiteral("left from the last registration"));

        FillDefaultObservers(t.program(), &list);

        QCOMPARE(entries(r, &list), expected);
    }

    void editObserverListKeepsChosenInPickerOrder_data()
    {
        QTest::addColumn<QString>("button"); // empty: closed by the window frame
        QTest::addColumn<QStringList>("toggled");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("OK keeps the copies and the tick") << "Command2" << QStringList{} << QStringList{"PZA*", "OBE"} << false;
        QTest::newRow("OK with one dropped, one added") << "Command2" << QStringList{"PZA", "AAS"}
                                                        << QStringList{"OBE", "AAS"} << false;
        QTest::newRow("Quit leaves the list") << "Command1" << QStringList{"AAS"} << QStringList{"PZA*", "OBE"} << true;
        QTest::newRow("window frame is Quit") << "" << QStringList{"AAS"} << QStringList{"PZA*", "OBE"} << true;
    }

    void editObserverListKeepsChosenInPickerOrder()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, toggled);
        QFETCH(QStringList, expected);
        QFETCH(bool, cancelled);
        test::TestProgram t;
        Register r{t};
        r.add("Per", "Zahl", "PZA");
        r.add("Anne", "Ås", "AAS");
        r.add("Ola", "Berg", "OBE");
        r.add("Anna", "Berg", "ABE");
        QListWidget list;
        AddObserverEntry(&list, ObserverDisplayText(t.program(), r.ids["PZA"]), true);
        AddObserverEntry(&list, ObserverDisplayText(t.program(), r.ids["OBE"]));

        QStringList offered;
        test::ModalAnswer answer([&](QWidget *picker) {
            auto *choices = picker->findChild<QListWidget *>(QStringLiteral("List1"));
            offered = entries(r, choices, false);
            for (const QString &initials : toggled)
                clickEntry(choices, initials);
            if (button.isEmpty())
                picker->close();
            else
                click(picker, qPrintable(button));
        });
        EditObserverList(t.program(), &list);

        QVERIFY(!answer.watchdogFired());
        QCOMPARE(offered, (QStringList{"PZA*", "OBE*", "ABE", "AAS"}));
        QCOMPARE(entries(r, &list), expected);
        QCOMPARE(t.program().areaPickCancelled, cancelled);
    }

    void pickerOrdersByLastThenFirstName()
    {
        test::TestProgram t;
        Register r{t};
        r.add("Anne", "Ås", "AAS");
        r.add("Per", "Zahl", "PZA");
        r.add("Ola", "Berg", "OBE");
        r.add("Anna", "Berg", "ABE");
        r.add("Øyvind", "Aune", "ØAU");
        QListWidget list;

        QStringList offered;
        test::ModalAnswer answer([&](QWidget *picker) {
            offered = entries(r, picker->findChild<QListWidget *>(QStringLiteral("List1")), false);
            click(picker, "Command1");
        });
        EditObserverList(t.program(), &list);

        QCOMPARE(offered, (QStringList{"ØAU", "ABE", "OBE", "PZA", "AAS"}));
    }

    void observersComeFromNestWhenPresent()
    {
        test::TestProgram t;
        Register r{t};
        r.add("Kari", "Hovedbase", "KHO", true);
        t.createObserverFile();
        r.add("Nils", "Reir", "NRE", true);
        QListWidget list;

        FillDefaultObservers(t.program(), &list);
        QCOMPARE(entries(r, &list), QStringList{"NRE*"});

        QStringList offered;
        test::ModalAnswer answer([&](QWidget *picker) {
            offered = entries(r, picker->findChild<QListWidget *>(QStringLiteral("List1")), false);
            click(picker, "Command2");
        });
        list.clear();
        EditObserverList(t.program(), &list);
        QCOMPARE(offered, QStringList{"NRE"});
    }
};

QTEST_MAIN(ObserverListsTest)
#include "tst_observerlists.moc"
