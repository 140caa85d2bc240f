#include "gui/archive/frm_Arkiv.h"
#include "support/FaunaWindow.h"

#include <QGroupBox>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

QString caption(const QWidget *archive) { return child<QGroupBox>(archive, "Frame2")->title(); }

} // namespace

class ArchiveWindowTest : public QObject {
    Q_OBJECT
private slots:
    // "&Arkiv" opens the archive; a click on a result shows that observation in the main window,
    // wherever the record set stood and whenever the row was added.
    void clickedResultIsShown_data()
    {
        QTest::addColumn<QString>("position");
        QTest::newRow("record set at its first row") << "first";
        QTest::newRow("record set at its end") << "end";
        QTest::newRow("observation added in this run") << "added";
    }
    void clickedResultIsShown()
    {
        QFETCH(QString, position);
        FaunaWindow w;
        w.insertObservation({{"Art", "11870"}, {"StartDato", "2020-05-17 00:00:00"}, {"Antall", 4}});
        qint64 wanted = w.insertObservation({{"Art", "11870"}, {"StartDato", "2021-05-17 00:00:00"}, {"Antall", 7}});
        int count = 7;
        ObservationRecordSet &observations = w.t.program().observations();
        observations.moveFirst();
        if (position == "added") {
            wanted = observations.append({{"Art", "11870"}, {"StartDato", "2019-01-01 00:00:00"}, {"Antall", 9}});
            count = 9;
        } else if (position == "end") {
            observations.moveLast();
            observations.moveNext();
        }
        w.window.ShowRegistration();
        QStringList seen;
        QVERIFY(answerModal([&] { w.click("Command1"); },
                            [&](QWidget *archive) {
                                seen << caption(archive);
                                auto *species = child<QComboBox>(archive, "Combo1");
                                species->setCurrentIndex(species->findData("11870"));
                                auto *list = child<QAbstractItemView>(archive, "List1");
                                seen << caption(archive);
                                clickEntry(list, rowWithKey(list, QString::number(wanted)));
                            }));
        QCOMPARE(seen,
                 QStringList({"Treff", QString("Resultater (%1 forekomster.)").arg(position == "added" ? 3 : 2)}));
        QCOMPARE(observations.currentObsId(), wanted);
        QCOMPARE(w.shown("Text1"), QString::number(count));
    }

    // A number row searches once it has both an operator and a whole number; typed numbers are
    // searched for when the typing pauses, a chosen operator at once.
    void numberRows_data()
    {
        QTest::addColumn<QStringList>("steps"); // "op:X" chooses an operator, "text:X" types
        QTest::addColumn<QStringList>("captions");
        const QString none = "Treff", all = "Resultater (3 forekomster.)", one = "Resultater (1 forekomster.)";
        QTest::newRow("number, then operator") << QStringList{"text:12", "op:="} << QStringList{none, one};
        QTest::newRow("number deleted") << QStringList{"op:=", "text:12", "text:"} << QStringList{none, one, all};
        QTest::newRow("operator changed") << QStringList{"text:5", "op:>", "op:<"} << QStringList{none, one, one};
    }
    void numberRows()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, captions);
        TestProgram t;
        for (int count : {1, 5, 12})
            t.insertObservation({{"Art", "11870"}, {"Antall", count}});
        frm_Arkiv archive(t.program());
        for (qsizetype i = 0; i < steps.size(); ++i) {
            const QString value = steps.at(i).section(':', 1);
            if (steps.at(i).startsWith("op:")) {
                child<QComboBox>(&archive, "Combo9")->setCurrentIndex(ComparisonTexts.indexOf(value));
                QCOMPARE(caption(&archive), captions.at(i));
            } else {
                const QString before = caption(&archive);
                child<QLineEdit>(&archive, "Text1")->setText(value);
                QCOMPARE(caption(&archive), before);
                QTRY_COMPARE(caption(&archive), captions.at(i));
            }
        }
    }

    // Enter in any criterion keeps the window open and its criteria as they were.
    void enterKeepsTheWindow_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::newRow("Return in the year box") << "Text3" << int(Qt::Key_Return);
        QTest::newRow("Enter in the year box") << "Text3" << int(Qt::Key_Enter);
        QTest::newRow("Return in the operator list") << "Combo11" << int(Qt::Key_Return);
        QTest::newRow("Return in the species list") << "Combo1" << int(Qt::Key_Return);
    }
    void enterKeepsTheWindow()
    {
        QFETCH(QString, control);
        QFETCH(int, key);
        TestProgram t;
        for (const char *start : {"2020-05-17 00:00:00", "2021-05-17 00:00:00"})
            t.insertObservation({{"Art", "11870"}, {"StartDato", start}, {"Antall", 1}});
        frm_Arkiv archive(t.program());
        archive.show();
        child<QComboBox>(&archive, "Combo11")->setCurrentIndex(ComparisonTexts.indexOf("="));
        auto *year = child<QLineEdit>(&archive, "Text3");
        QTest::keyClicks(year, "2020");
        const QString found = "Resultater (1 forekomster.)";
        QTRY_COMPARE(caption(&archive), found);
        QWidget *target = child(&archive, control);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QVERIFY(archive.isVisible());
        QCOMPARE(year->text(), "2020");
        QCOMPARE(caption(&archive), found);
    }
};

QTEST_MAIN(ArchiveWindowTest)
#include "tst_archivewindow.moc"
