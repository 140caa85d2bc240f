#include "reference/NatureTypes.h"
#include "reference/frm_Naturtyper.h"
#include "registration/FaunaWindow.h"
#include "support/ModalAnswer.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace lirvenda;

namespace {

const QString Seabed = "Saltvannsbunnsystemer (M)";
const QString SolidSeabed = "Eufotisk fast saltvannsbunn (M1)";
const QString Sheltered = "Beskyttet infralitoral fastbunn (M1-3)";

QString selectedText(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

// Reads the timed message while it is up; it closes itself.
class TimedMessageProbe : public QObject {
public:
    TimedMessageProbe()
    {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            for (QWidget *window : QApplication::topLevelWidgets())
                if (window->objectName() == "frm_Melding" && window->isVisible())
                    text = window->findChild<QLabel *>("Label1")->text();
        });
        m_poll.start(10);
    }
    QString text;

private:
    QTimer m_poll;
};

} // namespace

class NatureTypesTest : public QObject {
    Q_OBJECT
private slots:
    void natureTypeText_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << "" << "";
        QTest::newRow("blanks") << "  " << "";
        QTest::newRow("group") << "1" << Seabed;
        QTest::newRow("main type") << "1|1" << Seabed + "/" + SolidSeabed;
        QTest::newRow("base type") << "1|1|3" << Seabed + "/" + SolidSeabed + "/" + Sheltered;
        QTest::newRow("blanks around identifiers") << " 1 | 1 " << Seabed + "/" + SolidSeabed;
        QTest::newRow("base type name capitalised") << "90|900|7" << "Testgruppe/Testtype/Grunntype med liten bokstav";
        QTest::newRow("group gone") << "99" << "";
        QTest::newRow("main type gone") << "1|999" << Seabed;
        QTest::newRow("base type gone") << "1|1|999" << Seabed + "/" + SolidSeabed;
        QTest::newRow("base type of a main type gone") << "1|999|3" << Seabed;
        QTest::newRow("only the group gone") << "99|1|3" << "/" + SolidSeabed + "/" + Sheltered;
        QTest::newRow("not a number") << "M1" << "";
    }
    void natureTypeText()
    {
        QFETCH(QString, path);
        QFETCH(QString, text);
        test::TestProgram t;
        t.db().execute("INSERT INTO Original VALUES (90, 'Testgruppe', 90, 900, 'Testtype', 900, 9000, "
                       "'grunntype med liten bokstav', '7')");
        QCOMPARE(NatureTypeText(t.program(), path), text);
    }

    void chosenNatureType_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("mainType");
        QTest::addColumn<QString>("baseType");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("path");
        const QString g = "Fastmarkssystemer (T)  [3]", m = "Nakent berg (T1)  [24]", b = "Kalkfattig berg  [2]";
        QTest::newRow("three levels") << g << m << b << "Fastmarkssystemer (T)/Nakent berg (T1)/Kalkfattig berg" << "3|24|2";
        QTest::newRow("two levels") << g << m << "" << "Fastmarkssystemer (T)/Nakent berg (T1)/" << "3|24";
        QTest::newRow("group alone") << g << "" << "" << "Fastmarkssystemer (T)//" << "3";
        QTest::newRow("base type without its main type") << g << "" << b << "Fastmarkssystemer (T)//" << "3";
    }
    void chosenNatureType()
    {
        QFETCH(QString, group);
        QFETCH(QString, mainType);
        QFETCH(QString, baseType);
        QFETCH(QString, caption);
        QFETCH(QString, path);
        const NatureTypeChoice choice = ChosenNatureType(group, mainType, baseType);
        QCOMPARE(choice.caption, caption);
        QCOMPARE(choice.path, path);
    }

    void pickerSelectsThePathLevelByLevel()
    {
        test::TestProgram t;
        frm_Naturtyper picker(t.program());
        auto *groups = picker.findChild<QListWidget *>("List1");
        auto *mainTypes = picker.findChild<QListWidget *>("List2");
        auto *baseTypes = picker.findChild<QListWidget *>("List3");
        QCOMPARE(picker.windowTitle(), QString("Naturtyper"));
        QCOMPARE(groups->count(), 7);
        QCOMPARE(groups->item(0)->text(), QString("Fastmarkssystemer (T)  [3]"));
        QCOMPARE(groups->item(6)->text(), QString("Våtmarkssystemer (V)  [4]"));
        QCOMPARE(mainTypes->count(), 0);

        picker.Preselect("1|1|3");
        QCOMPARE(selectedText(groups), Seabed + "  [1]");
        QCOMPARE(mainTypes->item(0)->text(), QString("Afotisk fast saltvannsbunn (M2)  [2]"));
        QCOMPARE(selectedText(mainTypes), SolidSeabed + "  [1]");
        QCOMPARE(baseTypes->count(), 29);
        QCOMPARE(selectedText(baseTypes), Sheltered + "  [3]");

        // Another group: its main types, and no base types of the old main type.
        groups->setCurrentRow(0);
        QCOMPARE(mainTypes->item(0)->text(), QString("Aktiv skredmark (T17)  [40]"));
        QVERIFY(mainTypes->selectedItems().isEmpty());
        QCOMPARE(baseTypes->count(), 0);
    }

    void okTakesOverTheChoice_data()
    {
        QTest::addColumn<QString>("reset");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("path");
        QTest::newRow("three levels") << "" << Seabed + "/" + SolidSeabed + "/" + Sheltered << "1|1|3";
        QTest::newRow("base type reset") << "Command3" << Seabed + "/" + SolidSeabed + "/" << "1|1";
        QTest::newRow("main type reset, base type still selected") << "Command4" << Seabed + "//" << "1";
    }
    void okTakesOverTheChoice()
    {
        QFETCH(QString, reset);
        QFETCH(QString, caption);
        QFETCH(QString, path);
        test::FaunaWindow w;
        QTest::mouseClick(w.control<QPushButton>("Command7"), Qt::LeftButton);
        auto *button = w.control<QPushButton>("Command37");
        button->setProperty("tag", "1|1|3");

        test::ModalAnswer answer([&](QWidget *modal) {
            if (!reset.isEmpty())
                modal->findChild<QPushButton *>(reset)->click();
            modal->findChild<QPushButton *>("Command2")->click();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(answer.answered() && !answer.watchdogFired());
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), caption);
        QCOMPARE(button->property("tag").toString(), path);
    }

    void okWithoutGroupClearsTheChoiceAndStaysOpen()
    {
        test::TestProgram t;
        frm_Naturtyper picker(t.program());
        QStringList chosen;
        connect(&picker, &frm_Naturtyper::natureTypeChosen, this,
                [&](const QString &caption, const QString &path) { chosen << caption << path; });
        picker.Preselect("1|1");
        picker.show();
        picker.findChild<QPushButton *>("Command5")->click();
        QVERIFY(picker.findChild<QListWidget *>("List1")->selectedItems().isEmpty());
        QCOMPARE(picker.findChild<QListWidget *>("List2")->count(), 15); // the lists below keep their entries

        TimedMessageProbe probe;
        picker.findChild<QPushButton *>("Command2")->click();
        QCOMPARE(probe.text, QString("Ingen naturtype valgt"));
        QCOMPARE(chosen, QStringList({"", ""}));
        QVERIFY(picker.isVisible());
    }
};

QTEST_MAIN(NatureTypesTest)
#include "tst_naturetypes.moc"
