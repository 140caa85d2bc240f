#include "support/ColumnMaps.h"
#include "support/FaunaWindow.h"

#include "core/shared/DateTexts.h"
#include "core/shared/SharedProcedures.h"

#include <QCheckBox>
#include <QPushButton>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

QPushButton *element(FaunaWindow &w, const char *array, int index)
{
    return w.control<QPushButton>(QString("%1_%2").arg(array).arg(index));
}
void click(FaunaWindow &w, const char *array, int index)
{
    QTest::mouseClick(element(w, array, index), Qt::LeftButton);
}

// Which buttons of an array are chosen (yellow), by caption.
QStringList chosen(FaunaWindow &w, const char *array, int count)
{
    QStringList captions;
    for (int i = 0; i < count; ++i)
        if (isYellow(element(w, array, i)))
            captions << element(w, array, i)->text();
    return captions;
}

// A new registration with one default observer, at a place inside Trondheim.
void startNew(FaunaWindow &w)
{
    w.t.addObserver("Kari", "Nordmann", "KN", true);
    w.click("Command7");
    w.control<QComboBox>("Combo13")->setEditText("Gaulosen");
    w.control<QLineEdit>("Text7")->setText("63.35");
    w.control<QLineEdit>("Text8")->setText("10.22");
}

QVariantMap lastSaved(FaunaWindow &w)
{
    Statement row = w.t.db().query("SELECT * FROM Observasjoner ORDER BY ObsID DESC LIMIT 1");
    QVariantMap columns;
    if (row.next())
        for (const QString &name : row.columnNames())
            columns.insert(name, row.value(name));
    return columns;
}

} // namespace

class EntryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void plusOnTodayBeeps()
    {
        FaunaWindow w;
        startNew(w);
        w.click("Command4");
        QCOMPARE(w.shown("Text2"), dateBoxText(QDate::currentDate()));
        QCOMPARE(w.t.prompter().beeps, 1);
        w.click("Command6");
        QCOMPARE(w.shown("Text5"), dateBoxText(QDate::currentDate().addDays(-1)));
    }

    void sexAndAgeAreSingleChoicesThatToggle()
    {
        FaunaWindow w;
        startNew(w);
        click(w, "Command19", 1); // "Hann"
        click(w, "Command19", 2); // "Hunn"
        QCOMPARE(chosen(w, "Command19", 4), QStringList({"Hunn"}));
        click(w, "Command19", 2);
        QCOMPARE(chosen(w, "Command19", 4), QStringList());

        click(w, "Command20", 4);
        QCOMPARE(chosen(w, "Command20", 23), QStringList({"2K"}));
        emit element(w, "Command20", 9)->customContextMenuRequested({}); // right button on any age
        QCOMPARE(chosen(w, "Command20", 23), QStringList());

        click(w, "Command19", 0);
        QTest::mouseClick(w.control("Frame10"), Qt::LeftButton, {}, QPoint(250, 5));
        QCOMPARE(chosen(w, "Command19", 4), QStringList());
    }

    void atMostTwoExposures()
    {
        FaunaWindow w;
        startNew(w);
        w.click("Command34");     // "Reir"
        click(w, "Command35", 0); // N
        click(w, "Command35", 2); // S
        click(w, "Command35", 3); // V refused
        QCOMPARE(w.t.prompter().lastText(), QString("Kun to retninger kan velges"));
        QCOMPARE(chosen(w, "Command35", 4), QStringList({"N", "S"}));
        click(w, "Command35", 0);
        click(w, "Command35", 3);
        QCOMPARE(chosen(w, "Command35", 4), QStringList({"S", "V"}));
    }

    // An individual with species picked in the search, count keyed, sex, age, activity, ring
    // (answered, then the answer taken back and given again) and photo and sound; shown again
    // exactly as entered.
    void individualRecordRoundTrip()
    {
        FaunaWindow w;
        startNew(w);
        QVERIFY(answerModal([&] { w.click("Command2"); },
                            [](QWidget *search) {
                                child<QLineEdit>(search, "Text1")->setText("svarttrost");
                                QTest::keyClick(child<QLineEdit>(search, "Text1"), Qt::Key_Return);
                            }));
        w.control<QLineEdit>("Text1")->clear();
        click(w, "Command16", 2); // "3"
        click(w, "Command16", 9); // "0"
        click(w, "Command19", 1);
        click(w, "Command20", 22);
        auto *activity = w.control<QComboBox>("Combo2");
        activity->setCurrentIndex(1);
        emit activity->activated(1);
        QVERIFY(isYellow(activity));
        w.t.prompter().inputAnswers = {QString("NOS 8A12345"), QString(), QString("NOS 8A12345")};
        for (const char *ring : {"NOS 8A12345", "Ringmerking", "NOS 8A12345"}) {
            w.click("Command31");
            QCOMPARE(w.shown("Command31"), QString(ring));
        }
        w.control<QCheckBox>("Check2")->setChecked(true);
        w.control<QCheckBox>("Check4")->setChecked(true);
        QCOMPARE(w.shown("Text1"), QString("30"));
        w.click("Command7");
        QCOMPARE(w.t.db().scalar("SELECT count(*) FROM Observasjoner").toInt(), 1);
        const QStringList expected = {"Art=11870",        "Antall=30",           "Kjønn=Hann",
                                      "Alder=Adult",      "AtlasKode=2",         "Ring=NOS 8A12345",
                                      "Dokumentasjon=FL", "Reirplassering=NULL", "Fylke_Kommune="}; // no county chosen
        QCOMPARE(asExpected(lastSaved(w), expected), expected);

        w.click("Command9"); // cancel: browse the saved row
        QCOMPARE(w.shown("Command2"), QString("Svarttrost (Turdus merula) [11870]"));
        QCOMPARE(w.shown("Text1"), QString("30"));
        QVERIFY(isGreen(element(w, "Command19", 1)) && isGreen(element(w, "Command20", 22)));
        QCOMPARE(BracketCode(w.shown("Combo2")), QString("2"));
        QCOMPARE(w.shown("Command31"), QString("NOS 8A12345"));
        QVERIFY(w.control<QCheckBox>("Check2")->isChecked() && w.control<QCheckBox>("Check4")->isChecked());
        QVERIFY(!w.control<QCheckBox>("Check3")->isChecked());
    }

    // A nest with two exposures: the individual fields are not written.
    void nestRecordRoundTrip()
    {
        FaunaWindow w;
        startNew(w);
        w.control<QPushButton>("Command2")->setText("Ærfugl (Somateria mollissima) [02060]");
        click(w, "Command19", 1); // chosen before switching to the nest: not saved
        w.click("Command34");
        QVERIFY(!w.control("Frame10")->isVisibleTo(&w.window));
        w.control<QComboBox>("Combo6")->setCurrentIndex(3);
        w.control<QComboBox>("Combo9")->setCurrentText("5");
        click(w, "Command35", 1); // Ø
        click(w, "Command35", 3); // V
        w.click("Command7");
        const QStringList expected = {"Eksponering=ØV", "Reirplassering=4", "AntallEgg=5", "Tresort=10", "Kjønn=NULL"};
        QCOMPARE(asExpected(lastSaved(w), expected), expected);

        w.click("Command9");
        QVERIFY(isGreen(w.control("Command34")));
        QVERIFY(isGreen(element(w, "Command35", 1)) && isGreen(element(w, "Command35", 3)));
        QVERIFY(isNeutral(element(w, "Command35", 0)));
        QCOMPARE(w.shown("Combo9"), QString("5"));
        QCOMPARE(BracketCode(w.shown("Combo6")), QString("4"));
    }
};

QTEST_MAIN(EntryWindowTest)
#include "tst_entrywindow.moc"
