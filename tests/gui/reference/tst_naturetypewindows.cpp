#include "gui/reference/frm_Naturtyper.h"
#include "support/FaunaWindow.h"
#include "support/ShippedNatureTypes.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

QString selectedText(const QAbstractItemView *list)
{
    const QModelIndexList selected = list->selectionModel()->selectedRows();
    return selected.isEmpty() ? QString() : selected.first().data().toString();
}

} // namespace

class NatureTypeWindowsTest : public QObject {
    Q_OBJECT
private slots:
    // Preselected level by level; another group brings its own main types; "OK" without a group
    // clears the choice and keeps the picker open.
    void pickerSelectsThePathLevelByLevel()
    {
        TestProgram t;
        frm_Naturtyper picker(t.program());
        auto *groups = child<QAbstractItemView>(&picker, "List1");
        auto *mainTypes = child<QAbstractItemView>(&picker, "List2");
        auto *baseTypes = child<QAbstractItemView>(&picker, "List3");
        picker.Preselect("1|1|3");
        QCOMPARE(selectedText(groups), Seabed + "  [1]");
        QCOMPARE(selectedText(mainTypes), SolidSeabed + "  [1]");
        QCOMPARE(selectedText(baseTypes), Sheltered + "  [3]");

        // Another group: its main types, and no base types of the old main type.
        groups->setCurrentIndex(groups->model()->index(0, 0));
        QCOMPARE(entries(mainTypes).value(0), QString("Aktiv skredmark (T17)  [40]"));
        QVERIFY(!mainTypes->selectionModel()->hasSelection());
        QCOMPARE(baseTypes->model()->rowCount(), 0);

        QStringList chosen;
        connect(&picker, &frm_Naturtyper::natureTypeChosen, this,
                [&](const QString &caption, const QString &path) { chosen << caption << path; });
        picker.show();
        const int mainTypesOfTheGroup = mainTypes->model()->rowCount();
        click(&picker, "Command5");
        QVERIFY(!groups->selectionModel()->hasSelection());
        QCOMPARE(mainTypes->model()->rowCount(), mainTypesOfTheGroup); // the lists below keep their entries
        QString message;                                               // in the timed message, which closes itself
        QVERIFY(answerModal([&] { click(&picker, "Command2"); },
                            [&](QWidget *timed) { message = child<QLabel>(timed, "Label1")->text(); }));
        QCOMPARE(message, QString("Ingen naturtype valgt"));
        QCOMPARE(chosen, QStringList({"", ""}));
        QVERIFY(picker.isVisible());
    }

    void okTakesOverTheChoice_data()
    {
        QTest::addColumn<QString>("reset");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("path");
        QTest::newRow("three levels") << "" << Seabed + "/" + SolidSeabed + "/" + Sheltered << "1|1|3";
        QTest::newRow("base type reset") << "Command3" << Seabed + "/" + SolidSeabed + "/" << QString("1|1");
        QTest::newRow("main type reset, base type still selected") << "Command4" << Seabed + "//" << QString("1");
    }
    void okTakesOverTheChoice()
    {
        QFETCH(QString, reset);
        QFETCH(QString, caption);
        QFETCH(QString, path);
        FaunaWindow w;
        w.click("Command7");
        auto *button = w.control<QPushButton>("Command37");
        button->setProperty("tag", "1|1|3");
        QVERIFY(answerModal([&] { w.click("Command37"); },
                            [&](QWidget *modal) {
                                if (!reset.isEmpty())
                                    click(modal, reset);
                                click(modal, "Command2");
                            }));
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->property("tag").toString(), path);
    }
};

QTEST_MAIN(NatureTypeWindowsTest)
#include "tst_naturetypewindows.moc"
